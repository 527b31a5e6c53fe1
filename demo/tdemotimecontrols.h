#pragma once

#include "tdemoplan.h"

#include <QString>

namespace PosLib::Demo {

// The logon periods of every waiter who booked something that day: from a
// few minutes before the first entry to a few minutes after the last, a new
// period after a break of two hours.
void writeTimeControls(const QString &root, const Day &day, const DayLog &log, quint64 seed);

} // namespace PosLib::Demo
