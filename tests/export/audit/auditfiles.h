#pragma once

// Reads the files of an audit export back as an auditor's tool would: the
// columns index.xml declares, and each CSV file's rows by column name.

#include "csvfields.h"

#include <QByteArray>
#include <QDomDocument>
#include <QMap>
#include <QString>
#include <QStringList>

namespace auditfiles {

// The fields of one line: "," between them, quoted text with "" for ".
inline QStringList fields(const QString &line)
{
    return csvFields(line, QLatin1Char(','));
}

struct Csv
{
    QStringList columns; // the title line
    QList<QStringList> rows;
    bool linesEndInCrLf = true;

    QString value(qsizetype row, const QString &column) const
    {
        return rows.at(row).value(columns.indexOf(column));
    }
};

inline Csv parse(const QByteArray &bytes)
{
    Csv csv;
    const QString text = QString::fromUtf8(bytes);
    QStringList lines = text.split(QStringLiteral("\r\n"));
    csv.linesEndInCrLf = text.endsWith(QStringLiteral("\r\n"))
                         && text.count(QLatin1Char('\n')) == text.count(QStringLiteral("\r\n"));
    lines.removeLast();
    if (lines.isEmpty())
        return csv;
    csv.columns = fields(lines.takeFirst());
    for (const QString &line : std::as_const(lines))
        csv.rows << fields(line);
    return csv;
}

// "Cents" of "12.50" / "-0.05".
inline qint64 cents(const QString &amount)
{
    const bool negative = amount.startsWith(QLatin1Char('-'));
    const QStringList parts = amount.mid(negative ? 1 : 0).split(QLatin1Char('.'));
    const qint64 value = parts.value(0).toLongLong() * 100 + parts.value(1).toLongLong();
    return negative ? -value : value;
}

// index.xml: each file's URL with its declared columns, in order.
inline QMap<QString, QStringList> declaredColumns(const QByteArray &indexXml)
{
    QMap<QString, QStringList> out;
    QDomDocument doc;
    if (!doc.setContent(indexXml))
        return out;
    const QDomNodeList tables = doc.elementsByTagName(QStringLiteral("Table"));
    for (int i = 0; i < tables.size(); ++i) {
        const QDomElement table = tables.at(i).toElement();
        const QString url = table.firstChildElement(QStringLiteral("URL")).text();
        QStringList columns;
        const QDomElement variable = table.firstChildElement(QStringLiteral("VariableLength"));
        for (QDomElement c = variable.firstChildElement(); !c.isNull();
             c = c.nextSiblingElement()) {
            if (c.tagName() == QLatin1String("VariablePrimaryKey")
                || c.tagName() == QLatin1String("VariableColumn"))
                columns << c.firstChildElement(QStringLiteral("Name")).text();
        }
        out.insert(url, columns);
    }
    return out;
}

} // namespace auditfiles
