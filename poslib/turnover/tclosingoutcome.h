#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Basics {
class TError;
}

namespace PosLib {

// A bill that a day closing left in "var/archives", and why. It stays
// there untouched (or with its stamp only) for a later closing.
struct TLeftBill
{
    enum Reason {
        Unreadable, // the file could not be opened or read
        Damaged, // no creation record, or cut off inside an entry
        StampNotWritten, // the turnover stamp could not be saved
        NotMoved, // stamped, but the copy into the day failed
    };
    QString file; // "a17"
    Reason reason = Unreadable;
    QString detail; // the file and the cause in words (the log has the source position)
    bool diskFull = false;

    // "a17: the disk is full (fn …)" and the like, for lists.
    QString text() const;
};

// How one day closing ended, as far as it got: what moved, what was left
// behind and why, and what went wrong after the bills moved. The caller
// shows it; the closing itself returns its result code besides.
class TClosingOutcome
{
public:
    enum Status {
        Done, // every bill moved and every step after the moves succeeded
        Incomplete, // the day is closed, but bills were left behind or a later step failed
        Failed, // the run was refused or ended early; see failure()
    };

    Status status() const;
    int code = 0; // the run's result code (0, 9, 304, 20009, 20010)
    int moved = 0; // bills moved into the day directory
    QList<TLeftBill> leftBehind;
    // Steps after the moves that failed without ending the run (the day
    // summary, the archive index, telling the terminals), one sentence each.
    QStringList problems;
    // What ended the run, when it failed; empty otherwise.
    QString failure;
    // What the run did besides that the user should know, without making
    // it incomplete: a counter set again after the numbers used, an empty
    // bill deleted. One sentence each.
    QStringList notes;
    // A full disk (or quota) stopped a step: the remedy is room on it.
    bool diskFull = false;

    void leave(const QString &file, TLeftBill::Reason reason, const Basics::TError *error);
    void addProblem(const QString &text, const Basics::TError *error);
    void fail(const QString &text, const Basics::TError *error);
    void note(const QString &text) { notes << text; }

    // One line: "done", "done with 2 bills left behind", "done, but …",
    // "failed: …", "failed: the disk is full …"; the notes follow in
    // brackets ("done (a7 was empty and was deleted)").
    QString summary() const;

private:
    QString statusText() const;
};

} // namespace PosLib
