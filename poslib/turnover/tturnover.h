#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "tclosingoutcome.h"

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
// The same, telling in `outcome` how it ended: the bills it moved, those
// it left in "var/archives" and why (an unreadable or damaged bill, a
// stamp or a copy that could not be written: each stays, is named in the
// log and in the outcome, and the rest of the day closes), the steps after
// the moves that failed, and whether a full disk was the cause. A lock
// file that cannot be made (a full disk) fails the run with 304, not as a
// busy lock.
int executeTurnover(TurnoverData &data, TClosingOutcome &outcome);

// What a run of `data` would do, found without writing anything: the
// same checks in the same order, the bills it would move, the counters it
// would draw.
struct TTurnoverForecast
{
    int result = TurnoverDone; // the code the run would return: 0, 9, 304, 20009 or 20010
    bool lockBusy = false; // another closing holds "turnover.lck" (20010)
    QString dayDirectory; // "var/statist/tagDD.MM.YYYY/" under the root
    QStringList journal; // the day's journal lines so far
    QStringList bills; // the "a*" files of "var/archives" the run would move, in order
    qint64 amount = 0; // their totals ("maxamount") together, in cents
    QString pendingMove; // the bill whose interrupted move the run completes first
    long zCounter = 0; // the Z counter the run would use
    long dayZ = 0; // the day's Z number: kept, or drawn by this run
    bool drawsDayZ = false; // the day has no Z number yet
    // Why the run would refuse (a counter set back), with result 304.
    QString problem;
    // What the run would repair first (a counter missing or damaged).
    QStringList notes;
};
TTurnoverForecast forecastTurnover(const TurnoverData &data);

// A table on the terminals, as the closing names it.
struct TOpenTable
{
    long table = 0;
    int party = 0;
    int waiter = 0;
    QString waiterName;
    int heldBy = 0; // the terminal that holds it, 0 for none
    qint64 amount = 0; // what it stands at, in cents
};
// The tables of "var/tables" that load open for `owner` without a
// visibility filter, and those held by a terminal (which the closing
// passes over). Headers only; throws the file errors.
QList<TOpenTable> openTables(const QString &root, Basics::TValue *owner);

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
// True when the journal line is that of a whole-day run (no waiter).
bool isWholeDayRun(const QString &journalLine);
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
