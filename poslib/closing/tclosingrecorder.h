#pragma once

#include "tclosingrecord.h"
#include "tpendingclosing.h"

namespace PosLib {

// Writes the record of the closing `run` beside its day's "turnover.z":
// the bills of the day directory that carry its Z stamp with their hashes
// and totals, the hash of the day summary (a whole-day closing), and the
// link to the newest record before it. `completedLater` marks a cut-off run
// that the next closing completed. Returns the record; throws the file
// errors.
TClosingRecord recordClosing(const QString &root, const TPendingClosing &run, long dayZ,
                             const QDateTime &end, bool completedLater = false);

} // namespace PosLib
