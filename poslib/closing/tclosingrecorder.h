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
// The record becomes the anchor's newest (TClosingAnchor).
TClosingRecord recordClosing(const QString &root, const TPendingClosing &run, long dayZ,
                             const QDateTime &end, bool completedLater = false);

// Notes the record of closing `z` of `date` in the anchor, as it is stored:
// for a cut-off run whose record was written before the anchor. Throws the
// file errors.
void anchorClosingRecord(const QString &root, const QDate &date, long z);

} // namespace PosLib
