#pragma once

#include "tsumfilter.h"

#include <QTime>

namespace PosLib {

// A summary filter that keeps what `base` keeps (everything without one)
// and of it only the entries booked from the start of their business day
// (`dayStart`, the start of the gastronomic day) up to `until` inclusive;
// an `until` before `dayStart` lies after midnight. With `paidBy` it keeps
// only the tables with a pay in that time too, as the paid tables of a day
// so far are. This compares a day so far with the same hours of another
// day: the other day's tables are read whole, only their entries are cut.
TSumFilter bookedByFilter(const TSumFilter *base, const QTime &dayStart, const QTime &until,
                          bool paidBy);

} // namespace PosLib
