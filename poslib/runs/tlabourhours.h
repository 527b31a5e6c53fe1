#pragma once

#include "twaitertimes.h"

#include <QDate>
#include <QDateTime>
#include <QMap>
#include <QTime>

#include <array>

namespace PosLib {

class TTimeControlList;

// Hours worked, in seconds, per waiter and per hour of the clock, over a
// range of business days.
struct TLabourHours
{
    QMap<int, qint64> perWaiter; // by waiter number
    std::array<qint64, 24> perHour {}; // [0] 00:00-00:59 … [23] 23:00-23:59
    QMap<int, std::array<qint64, 24>> perWaiterHour;
    qint64 total = 0;
};

// The business day a moment belongs to: a day starts at `dayStart` (the
// gastronomic day start), so with 06:00 the night up to 05:59:59 still
// belongs to the day before.
QDate businessDayOf(const QDateTime &moment, const QTime &dayStart);

// Adds one logon period of `waiter`, split at the hour boundaries of the
// clock; each piece counts for the business day it lies in, and only the
// pieces of days from `from` to `to` (both included) count.
void addLabour(TLabourHours &hours, int waiter, const TLogonSpan &span, const QTime &dayStart,
               const QDate &from, const QDate &to);

// The hours worked over the business days `from` … `to` from the time
// controls in `days`: every waiter's logon periods (a running one up to
// `now` on its own day, to 23:59:59 on an earlier day). `days` must hold
// the day files from the day before `from` to the day after `to`, since a
// night's period is written on the day it began and may belong to the
// business day before.
TLabourHours labourHours(const TTimeControlList &days, const QTime &dayStart, const QDate &from,
                         const QDate &to, const QDateTime &now);

} // namespace PosLib
