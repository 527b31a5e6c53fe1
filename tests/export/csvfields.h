#pragma once

#include <QString>
#include <QStringList>

// The fields of one line of a CSV file with `separator` between them;
// quoted fields without their quotes, "" inside them read as ".
inline QStringList csvFields(const QString &line, QChar separator)
{
    QStringList out;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted && c == QLatin1Char('"') && i + 1 < line.size()
            && line.at(i + 1) == QLatin1Char('"')) {
            field += c;
            ++i;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            out << field;
            field.clear();
        } else {
            field += c;
        }
    }
    return out << field;
}
