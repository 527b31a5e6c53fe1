#pragma once

#include <QList>
#include <QString>

namespace PosLib {

// Reads a list of numbers as the master data write them ("2;3;-17"). Items
// may also be separated by "," or blanks; empty and unparsable items are
// skipped, the order is kept.
inline QList<int> parseNumberList(const QString &text)
{
    QList<int> numbers;
    QString item;
    auto flush = [&numbers, &item]() {
        bool ok = false;
        const int n = item.trimmed().toInt(&ok);
        if (ok)
            numbers.append(n);
        item.clear();
    };
    for (const QChar c : text) {
        if (c == QLatin1Char(';') || c == QLatin1Char(',') || c.isSpace())
            flush();
        else
            item += c;
    }
    flush();
    return numbers;
}

} // namespace PosLib
