#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QStringList>

namespace PosLib {

struct TLogonPeriod;
class TTimeControls;

// One logon period as the time controls list counts it.
struct TLogonSpan
{
    QDate day; // the day file it was written in
    QDateTime logon;
    QDateTime logoff;

    bool isValid() const { return logon.isValid() && logoff.isValid(); }
    qint64 seconds() const { return logon.secsTo(logoff); }
};

// When a logon period of `day` began and ended:
// - a written logoff earlier than the logon lies on the next day
//   (22:00#02:00 lasts 4 hours);
// - a running period (no "#", or nothing after it) ends at `now` on the
//   day of `now`, and at 23:59:59 on an earlier day; on a later day, or
//   with `now` before the logon, it lasts nothing;
// - "#" at the start means logged on since 00:00.
// Invalid when a time cannot be read.
TLogonSpan logonSpan(const QDate &day, const TLogonPeriod &period, const QDateTime &now);

// "%1 hours %2 minutes": whole hours right-aligned in 4, the minutes of the
// last hour in 2 ("   4 hours  0 minutes").
QString durationText(qint64 seconds);

// One waiter's logon periods over the days read.
struct TWaiterTimes
{
    int waiter = 0;
    qint64 total = 0; // seconds
    QList<TLogonSpan> spans; // in day order, each day's as written
};

// Adds the logon periods of one day to `waiters` (keyed by waiter
// number): every record's periods when `waiter` is 0, else only the
// records of that waiter. Periods whose times cannot be read are left out.
void addLogonSpans(QMap<int, TWaiterTimes> &waiters, const TTimeControls &day, int waiter,
                   const QDateTime &now);

// The columns of the list rows: the waiter's number, name and total; a
// period's day ("dd.MM.yyyy"), an empty column, its duration and the logon
// and logoff times ("hh:mm").
QStringList waiterColumns(const TWaiterTimes &times, const QString &name);
QStringList spanColumns(const TLogonSpan &span);

} // namespace PosLib
