#pragma once

#include "tclosingnumbers.h"
#include "tclosingrecord.h"
#include "tpendingclosing.h"

#include <QDate>
#include <QList>
#include <QString>

namespace PosLib {

// A line of a day's "turnover.z", its fields read back.
struct TJournalEntry
{
    bool ok = false; // false when the line holds no Z counter
    long z = 0;
    int moved = 0;
    int waiter = 0; // 0 for the whole day
    QString waiterName;
    int executingWaiter = 0;
    QString executingWaiterName;
    QString line; // as written, without the line end
};
TJournalEntry parseJournalLine(const QString &line);
// The lines of the "turnover.z" of the day directory `dayDir` (with "/")
// that hold a Z counter, in order; none when it cannot be read.
QList<TJournalEntry> readJournal(const QString &dayDir);

// One closing of an installation, as its journal line and its record tell.
struct TClosing
{
    long z = 0;
    QDate date;
    QString dayDir; // absolute, with "/"
    int journalLines = 0; // lines of the day's journal with this Z (1 when all is well)
    TJournalEntry journal; // the first of them
    bool hasRecord = false;
    QByteArray recordBytes; // the record file as stored
    bool recordReadable = false;
    QString recordError;
    TClosingRecord record; // when readable

    bool isWholeDay() const
    {
        return hasRecord && recordReadable ? record.isWholeDay() : journal.waiter == 0;
    }
    int waiter() const { return hasRecord && recordReadable ? record.waiter : journal.waiter; }
    QString waiterName() const
    {
        return hasRecord && recordReadable ? record.waiterName : journal.waiterName;
    }
    int moved() const
    {
        return hasRecord && recordReadable ? int(record.bills.size()) : journal.moved;
    }
};

// Every closing of an installation in Z order, read from the day
// directories of "var/statist" (journals and records) without writing
// anything.
class TClosingLedger
{
public:
    explicit TClosingLedger(const QString &root);

    const QList<TClosing> &closings() const { return m_closings; }
    // The closing of Z counter `z`; null when there is none.
    const TClosing *find(long z) const;
    // The record with the highest Z below `z`; null when there is none.
    const TClosing *recordBefore(long z) const;
    // The newest record of the installation; null when there is none.
    const TClosing *lastRecord() const;
    // The lowest Z that has a record, 0 when none has: closings below it
    // were made before closing records were kept.
    long firstRecordedZ() const { return m_firstRecorded; }
    // The value the Z counter ("counter.dat", "zcounter") holds now; 0
    // when the file is not there or holds no readable counter.
    long counter() const { return m_counter; }
    // "counter.dat" and "var/statist/zcount.dat" against the numbers used.
    const TCounterCheck &zCounterCheck() const { return m_zCheck; }
    const TCounterCheck &dayZCounterCheck() const { return m_dayZCheck; }
    // The note of a cut-off closing in "var/lock", if there is one.
    bool hasPending() const { return m_hasPending; }
    const TPendingClosing &pending() const { return m_pending; }

    // The journal line and record of the day directory of `day`.
    static QString dayDirectory(const QString &root, const QDate &day);
    // The day of a day directory name ("tag05.03.2014"); invalid for others.
    static QDate dayOfDirectory(const QString &name);
    // The names of the day directories in `statist`, in name order.
    static QStringList dayDirectoryNames(const QString &statist);

private:
    // Adds the closings of the day directory `dir` named `name`; returns
    // the Z counter values it tells of.
    TDayNumbers readDay(const QString &dir, const QString &name);

    QString m_root;
    QList<TClosing> m_closings;
    long m_firstRecorded = 0;
    long m_counter = 0;
    bool m_hasPending = false;
    TPendingClosing m_pending;
    TCounterCheck m_zCheck;
    TCounterCheck m_dayZCheck;
};

} // namespace PosLib
