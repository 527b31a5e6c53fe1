#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include "tcashcount.h"

namespace PosLib {

// A day closing as it starts: what it is, and the Z counter it takes. The
// run notes it durably in "var/lock/turnover.run" before the counter
// advances and before any bill moves, and removes the note when its
// journal line and record are written; a note found by the next run is
// that of a cut-off closing, which the next run completes.
struct TPendingClosing
{
    long z = 0;
    QDate date;
    int waiter = 0; // 0 for the whole day
    QString waiterName;
    int executingWaiter = 0;
    QString executingWaiterName;
    QString application;
    long terminal = 0;
    long costCenter = 0;
    QDateTime start;
    // The day Z number this run drew for a day that had none, noted before
    // "var/statist/zcount.dat" moves; 0 while it has drawn none.
    long dayZ = 0;
    // What was counted; the record sets it against the bills the run moved.
    TCashCountInput cashCount;

    // JSON: {"z", "date", "waiter", "waiterName", "executingWaiter",
    // "executingWaiterName", "application", "terminal", "costCenter", "start",
    // "dayZ", "cashCount" (TCashCountInput::toJson(), only when counted)}; a
    // note without "dayZ" drew none.
    QByteArray toBytes() const;
    static bool fromBytes(const QByteArray &bytes, TPendingClosing *pending);
};

// "var/lock/turnover.run" under the root.
QString pendingClosingPath(const QString &root);
// Writes the note durably (synced, then renamed into place). Throws the
// file errors.
void savePendingClosing(const QString &root, const TPendingClosing &pending);
// False when there is no readable note.
bool loadPendingClosing(const QString &root, TPendingClosing *pending);
// Removes the note, when there is one; throws the file errors.
void removePendingClosing(const QString &root);

} // namespace PosLib
