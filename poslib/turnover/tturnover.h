#pragma once

#include <QString>

#include <functional>

namespace Basics {
class TValue;
}

namespace PosLib {

class TurnoverData;

// Result codes of executeTurnover().
enum TurnoverResult {
    TurnoverDone = 0,
    TurnoverNothingToMove = 9, // nothing in "var/archives" and "cancelturnover" set
    TurnoverError = 304, // an error inside the run; what was moved stays moved
    TurnoverOpenTables = 20009, // waiter run: the waiter still owns an open table
    TurnoverAlreadyDone = 20010, // waiter run already journalled, or the lock is busy
};

// Closes a business day: moves the paid tables of "var/archives" into the
// day directory of "var/statist", stamps them, advances the Z counters,
// journals the run in the day's "turnover.z", rebuilds the day summary and
// the archive index and uploads the statistics. With a waiter in `data`
// only that waiter's tables move. Sets "zcounter", "turnoverpath" and
// "actualdatetime" of `data`. Never throws.
//
// Each table moves as: intent noted in "var/lock/turnover.mov", copy to
// ".turnover.tmp" in the day directory, flush, rename to "a<number>",
// delete the source, intent removed. A run that was killed leaves either
// the source alone (a partial copy is never named "a*") or both files with
// the intent; the next run completes that move before anything else, so
// no bill is lost or counted twice.
int executeTurnover(TurnoverData &data);

// True when a table on the terminals (not held by one) loads open for
// `owner` with the visibility bits of TTable::load(); headers only.
// Throws the file errors.
bool hasOpenTable(const QString &root, Basics::TValue *owner, int visibility);

// The number part of a table file name: after its first character, up to
// the first "." ("a10.tmp" -> 10); 0 when it is no number.
long tableFileNumber(const QString &fileName);
// One above the highest number of the "a*" files in `dir`; 1 when none.
long nextDayArchiveNumber(const QString &dir);

// The journal line of a run that moved `moved` tables, with "\r\n".
QString turnoverJournalLine(const TurnoverData &data, int moved);
// True when a line of the journal names `waiter` as the waiter of a
// waiter run.
bool journalHasWaiterRun(const QString &journalPath, long waiter);

// Points of a table's move, reported to the probe (crash tests stop the
// process there).
enum class TurnoverStep {
    Stamped, // the source carries the stamp; nothing copied yet
    Copying, // the first block of the copy is written
    Copied, // the copy is in place under its final name; the source is still there
    Moved, // the source is deleted
};
using TurnoverProbe = std::function<void(TurnoverStep step, const QString &archiveFile)>;
void setTurnoverProbe(TurnoverProbe probe);

} // namespace PosLib
