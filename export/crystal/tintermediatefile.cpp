#include "tintermediatefile.h"

#include "tdir.h"
#include "tsavefile.h"
#include "tvalue.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <algorithm>

using namespace Basics;

namespace Crystal {

namespace {

bool isSeparator(QChar c)
{
    return c == QLatin1Char(',') || c == QLatin1Char(';') || c == QLatin1Char('|');
}

// The header line of an existing list file: its separator and columns.
// Column names never need quotes, so the line splits plainly.
bool readHeader(const QByteArray &bytes, TListLayout &layout)
{
    qsizetype end = bytes.indexOf('\n');
    QString line = QString::fromUtf8(bytes.left(end < 0 ? bytes.size() : end)).trimmed();
    if (line.startsWith(QChar(0xFEFF)))
        line.remove(0, 1);
    if (line.isEmpty())
        return false;
    layout.separator = QLatin1Char(',');
    for (QChar c : std::as_const(line)) {
        if (isSeparator(c) || c == QLatin1Char('\t')) {
            layout.separator = c;
            break;
        }
    }
    layout.columns = line.split(layout.separator);
    return true;
}

} // namespace

TListLayout parseListLayout(const QString &layoutText)
{
    TListLayout layout;
    const QString text = layoutText.trimmed();
    for (QChar c : text) {
        if (isSeparator(c)) {
            layout.separator = c;
            break;
        }
    }
    for (const QString &name : text.split(layout.separator, Qt::SkipEmptyParts)) {
        const QString column = name.trimmed();
        if (!column.isEmpty())
            layout.columns.append(column);
    }
    return layout;
}

QStringList defaultColumns(const TValueList &list)
{
    QSet<QString> seen;
    QStringList rest;
    for (const TValue *record : list.valueMap()) {
        for (auto it = record->fields().cbegin(); it != record->fields().cend(); ++it) {
            if (!seen.contains(it.key())) {
                seen.insert(it.key());
                rest.append(it.key());
            }
        }
    }
    QStringList columns;
    for (const char *first : {"id", "ref_table"}) {
        const QString name = QLatin1String(first);
        if (rest.removeAll(name) > 0)
            columns.append(name);
    }
    std::sort(rest.begin(), rest.end());
    return columns + rest;
}

QString csvField(const QString &text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray csvLines(const TValueList &list, QChar separator, const QStringList &columns,
                    bool header)
{
    QString text;
    if (header)
        text += columns.join(separator) + QLatin1String("\r\n");
    for (const TValue *record : list.valueMap()) {
        for (int i = 0; i < columns.size(); ++i) {
            if (i > 0)
                text += separator;
            text += csvField(record->getString(columns.at(i)), separator);
        }
        text += QLatin1String("\r\n");
    }
    return text.toUtf8();
}

QString intermediateFileName(const QString &directory, const QString &name)
{
    return QDir(directory).filePath(name + QStringLiteral(".txt"));
}

void writeIntermediateFile(const TValueList &list, const QString &layoutText, const QString &file,
                           bool append)
{
    QByteArray content;
    TListLayout layout = parseListLayout(layoutText);
    bool header = true;
    if (append && QFile::exists(file)) {
        QFile existing(file);
        if (!existing.open(QIODevice::ReadOnly))
            throw TFileError(T_SOURCE, 301, 301, existing.fileName());
        content = existing.readAll();
        TListLayout own;
        if (readHeader(content, own)) {
            layout = own;
            header = false;
            if (!content.endsWith('\n'))
                content += "\r\n";
        } else {
            content.clear();
        }
    }
    if (layout.columns.isEmpty())
        layout.columns = defaultColumns(list);
    content += csvLines(list, layout.separator, layout.columns, header);

    TSaveFile out(file);
    out.open();
    out.write(content);
    out.commit();
}

QStringList removedIntermediateFiles()
{
    return {QStringLiteral("tables.txt"), QStringLiteral("creates.txt"),
            QStringLiteral("orders.txt"), QStringLiteral("voids.txt"), QStringLiteral("pays.txt")};
}

void removeIntermediateFiles(const QString &directory)
{
    const QDir dir(directory);
    for (const QString &name : removedIntermediateFiles()) {
        const QString file = dir.filePath(name);
        if (QFile::exists(file))
            deleteFile(file);
    }
}

} // namespace Crystal
