#include "tbookedby.h"

namespace PosLib {

namespace {

// A time as the filter reads it: "14:30:00" is the number 143000.
int timeNumber(const QTime &time)
{
    return time.hour() * 10000 + time.minute() * 100 + time.second();
}

// The alternatives that hold for an entry of `kind` booked in the window.
QStringList windowAlternatives(int kind, const QTime &dayStart, const QTime &until)
{
    const QString item = QStringLiteral("%1:time:%2:%3").arg(kind);
    // "<" and ">" compare as numbers, so whole seconds bound the window
    const QString after = item.arg(QStringLiteral(">")).arg(timeNumber(dayStart) - 1);
    const QString before = item.arg(QStringLiteral("<")).arg(timeNumber(until) + 1);
    if (until < dayStart)
        return {after, before}; // from the start to midnight, or after midnight
    if (dayStart == QTime(0, 0))
        return {before};
    return {after + QLatin1Char('&') + before};
}

// Every alternative of `condition` joined with every alternative of the
// window: (a | b) & (w1 | w2) = a&w1 | a&w2 | b&w1 | b&w2.
QString joined(const QString &condition, const QStringList &window)
{
    QStringList own;
    for (const QString &alternative : condition.split(QLatin1Char('|'))) {
        if (!alternative.trimmed().isEmpty())
            own << alternative;
    }
    if (own.isEmpty())
        return window.join(QLatin1Char('|'));
    QStringList alternatives;
    for (const QString &a : std::as_const(own)) {
        for (const QString &w : window)
            alternatives << a + QLatin1Char('&') + w;
    }
    return alternatives.join(QLatin1Char('|'));
}

} // namespace

TSumFilter bookedByFilter(const TSumFilter *base, const QTime &dayStart, const QTime &until,
                          bool paidBy)
{
    TSumFilter filter;
    if (base)
        filter = *base;
    // the entry under test (-1), and for a table its pays (5)
    filter.setEntries(joined(filter.entries(), windowAlternatives(-1, dayStart, until)));
    if (paidBy)
        filter.setTables(joined(filter.tables(), windowAlternatives(5, dayStart, until)));
    return filter;
}

} // namespace PosLib
