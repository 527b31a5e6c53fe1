#pragma once

#include "tpendingclosing.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace PosLib {

class TurnoverData;

// The closing's account of itself, so that every Z counter value ends in
// exactly one journal line and one closing record, also when a run is cut
// off or a step fails.

// Checks "counter.dat" and "var/statist/zcount.dat" against the numbers the
// installation used, before a run takes one. A missing or damaged counter
// is set to continue after the highest number used; `notes` gets a
// sentence for each (logged as well). Returns why the run must not go on
// (a counter set back, which would hand out a number twice), empty when it
// may. Throws the counters' file errors.
QString checkClosingCounters(const QString &root, QStringList *notes);

// Takes the run's Z counter: notes the run ("var/lock/turnover.run", synced)
// with the counter's value, then advances the counter. Sets "zcounter" of
// `data` and returns the note. Throws the file errors (nothing is taken
// when the note cannot be written).
TPendingClosing beginClosing(TurnoverData &data);

// The Z number of the day of `run`: the one its "zcount.dat" holds. A day
// whose counter is missing or damaged gets back the number its closing
// records or the note of `run` name; a day that has none draws the next one
// of "var/statist/zcount.dat", noted in `run` (and its note on disk) before
// that counter moves, so a cut at any point never gives a number twice.
// Throws the file errors; a damaged day counter that nothing else names is
// refused with the TFileError naming it.
long closingDayZ(const QString &root, TPendingClosing &run);

// Writes the record of the run (its day's Z number `dayZ`) and, unless
// `keepNote` (its journal line could not be written), removes its note.
// Throws the file errors; the note then stays and the next run writes
// what is missing.
void finishClosing(const TurnoverData &data, const TPendingClosing &run, long dayZ,
                   bool keepNote = false);

// Completes a run that was cut off (or failed) after it took its Z
// counter: the day's Z number, its journal line (in the journal's format,
// with the number of bills of the day directory that carry its Z stamp;
// a line the cut left without its end is dropped first) and its record,
// each only where missing; then removes the note. A note whose Z the
// counter has not given out yet is dropped (the run was cut before it took
// it). To be called after the interrupted move of a bill is completed.
// Returns the Z of the run completed, 0 when there was none. Throws the
// file errors.
long completeCutOffClosing(const QString &root, const QDateTime &now);

} // namespace PosLib
