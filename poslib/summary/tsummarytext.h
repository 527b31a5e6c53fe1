#pragma once

// What the summary writer's source files share: its translated texts and
// how it spells numbers, counts and names on a line.

#include "treportleaf.h"
#include "tround.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

namespace PosLib {

namespace SummaryText {

// The summary writer's texts, translated in the context "TSummary".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TSummary)
};

// Replaces %1 … %9 by the arguments; placeholders without an argument and
// the arguments' own text stay as they are.
inline QString fill(const QString &text, const QStringList &args)
{
    QString out;
    out.reserve(text.size() + 16);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('%') && i + 1 < text.size()) {
            const int n = text.at(i + 1).digitValue();
            if (n >= 1 && n <= args.size()) {
                out += args.at(n - 1);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

// A date as "dd.MM.yy" (what QDate::toString gives for the pattern), empty
// when invalid.
inline QString dayText(const QDate &d)
{
    int year = 0;
    int month = 0;
    int day = 0;
    d.getDate(&year, &month, &day);
    if (!d.isValid() || year < 1 || year > 9999)
        return d.toString(QStringLiteral("dd.MM.yy"));
    const char16_t text[8] = {char16_t(u'0' + day / 10),       char16_t(u'0' + day % 10),   u'.',
                              char16_t(u'0' + month / 10),     char16_t(u'0' + month % 10), u'.',
                              char16_t(u'0' + year / 10 % 10), char16_t(u'0' + year % 10)};
    return QString(reinterpret_cast<const QChar *>(text), 8);
}

inline QString num(qint64 value)
{
    return QString::number(value);
}

// True when the count has a fractional part (to a thousandth).
inline bool partCount(double count)
{
    return roundHalfUp(count * 1000.0) != roundHalfUp(count) * 1000;
}

// "   2" or "1.500".
inline QString countColumn(double count)
{
    if (partCount(count))
        return QString::asprintf("%4.3f", count);
    return num(roundHalfUp(count)).rightJustified(4);
}

inline QString countPlain(double count)
{
    if (partCount(count))
        return QString::asprintf("%.3f", count);
    return num(roundHalfUp(count));
}

// The text on one line: CR dropped, LF a blank.
inline QString oneLine(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// The rounded amount of a leaf.
inline qint64 amountOf(const TReportLeaf *leaf)
{
    return roundHalfUp(leaf->amount());
}

} // namespace SummaryText

} // namespace PosLib
