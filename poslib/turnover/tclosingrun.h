#pragma once

#include "tpendingclosing.h"

#include <QDateTime>
#include <QString>

namespace PosLib {

class TurnoverData;

// The closing's account of itself, so that every Z counter value ends in
// exactly one journal line and one closing record, also when a run is cut
// off.

// Takes the run's Z counter: notes the run ("var/lock/turnover.run", synced)
// with the counter's value, then advances the counter. Sets "zcounter" of
// `data` and returns the note. Throws the file errors (nothing is taken
// when the note cannot be written).
TPendingClosing beginClosing(TurnoverData &data);

// Writes the record of the run and removes its note. Throws the file
// errors; the note then stays and the next run writes the record.
void finishClosing(const TurnoverData &data, const TPendingClosing &run);

// Completes a run that was cut off after it took its Z counter: the day's
// Z number, its journal line (in the journal's format,
// with the number of bills of the day directory that carry its Z stamp)
// and its record, each only where missing; then removes the note. A note
// whose Z the counter has not given out yet is dropped (the run was cut
// before it took it). To be called after the interrupted move of a bill is
// completed. Returns the Z of the run completed, 0 when there was none.
// Throws the file errors.
long completeCutOffClosing(const QString &root, const QDateTime &now);

} // namespace PosLib
