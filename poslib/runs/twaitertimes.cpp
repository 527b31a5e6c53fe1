#include "twaitertimes.h"

#include "ttimecontrols.h"

#include <QCoreApplication>

namespace PosLib {

TLogonSpan logonSpan(const QDate &day, const TLogonPeriod &period, const QDateTime &now)
{
    TLogonSpan span;
    span.day = day;
    if (!day.isValid() || !period.on.isValid())
        return span;
    // Durations are differences of the terminals' wall-clock times, so a
    // night when the clocks change counts as any other night.
    auto at = [](const QDate &date, const QTime &time) { return QDateTime(date, time, Qt::UTC); };
    const QDateTime clock = at(now.date(), now.time());
    span.logon = at(day, period.on);
    if (!period.running) {
        if (!period.off.isValid())
            return span;
        span.logoff = at(day, period.off);
        // logged off after midnight
        if (span.logoff < span.logon)
            span.logoff = span.logoff.addDays(1);
    } else if (day == now.date()) {
        span.logoff = qMax(span.logon, clock);
    } else if (day < now.date()) {
        span.logoff = at(day, QTime(23, 59, 59));
    } else {
        span.logoff = span.logon;
    }
    return span;
}

QString durationText(qint64 seconds)
{
    return QCoreApplication::translate("TTimeControlsDoc", "%1 hours %2 minutes")
            .arg(seconds / 3600, 4)
            .arg((seconds / 60) % 60, 2);
}

void addLogonSpans(QMap<int, TWaiterTimes> &waiters, const TTimeControls &day, int waiter,
                   const QDateTime &now)
{
    for (Basics::TValue *record : day.values()) {
        if (waiter != 0 && record->id() != waiter)
            continue;
        TWaiterTimes &times = waiters[record->id()];
        times.waiter = record->id();
        for (const TLogonPeriod &period :
             parseLogonPeriods(record->getString(QStringLiteral("time")))) {
            const TLogonSpan span = logonSpan(day.day(), period, now);
            if (!span.isValid())
                continue;
            times.spans.append(span);
            times.total += span.seconds();
        }
    }
}

QStringList waiterColumns(const TWaiterTimes &times, const QString &name)
{
    return {QString::number(times.waiter), name, durationText(times.total)};
}

QStringList spanColumns(const TLogonSpan &span)
{
    return {span.day.toString(QStringLiteral("dd.MM.yyyy")), QString(),
            durationText(span.seconds()), span.logon.toString(QStringLiteral("hh:mm")),
            span.logoff.toString(QStringLiteral("hh:mm"))};
}

} // namespace PosLib
