#include "tlabourhours.h"

#include "ttimecontrols.h"

#include <algorithm>

namespace PosLib {

QDate businessDayOf(const QDateTime &moment, const QTime &dayStart)
{
    return moment.addSecs(-qint64(QTime(0, 0).secsTo(dayStart))).date();
}

void addLabour(TLabourHours &hours, int waiter, const TLogonSpan &span, const QTime &dayStart,
               const QDate &from, const QDate &to)
{
    if (!span.isValid())
        return;
    QDateTime at = span.logon;
    while (at < span.logoff) {
        // the next full hour of the clock, the next day start or the
        // logoff, whichever comes first
        const QDateTime hourStart(at.date(), QTime(at.time().hour(), 0), at.timeSpec());
        QDateTime dayBegins(at.date(), dayStart, at.timeSpec());
        if (dayBegins <= at)
            dayBegins = dayBegins.addDays(1);
        const QDateTime next = std::min({hourStart.addSecs(3600), dayBegins, span.logoff});
        const QDate day = businessDayOf(at, dayStart);
        if (day >= from && day <= to) {
            const qint64 seconds = at.secsTo(next);
            const size_t hour = size_t(at.time().hour());
            hours.perWaiter[waiter] += seconds;
            hours.perHour[hour] += seconds;
            hours.perWaiterHour[waiter][hour] += seconds;
            hours.total += seconds;
        }
        at = next;
    }
}

TLabourHours labourHours(const TTimeControlList &days, const QTime &dayStart, const QDate &from,
                         const QDate &to, const QDateTime &now)
{
    TLabourHours hours;
    QMap<int, TWaiterTimes> waiters;
    for (const TTimeControls *day : days.days())
        addLogonSpans(waiters, *day, 0, now);
    for (const TWaiterTimes &times : std::as_const(waiters)) {
        for (const TLogonSpan &span : times.spans)
            addLabour(hours, times.waiter, span, dayStart, from, to);
    }
    return hours;
}

} // namespace PosLib
