#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <memory>

namespace ChainLib {

// A closed day waiting to be sent to the chain database.
struct TQueuedDay
{
    QDate day;
    QDateTime queued; // when it was queued first (UTC)
    int attempts = 0; // sendings that failed
    QString lastError; // why the last one failed

    bool operator==(const TQueuedDay &other) const;
};

// What a queue file holds. Lines that cannot be read are counted, not
// guessed at; the days they named are no longer known (a push over a range
// of days sends them again).
struct TQueueContents
{
    QList<TQueuedDay> days; // in day order, each day once
    int damagedLines = 0;
    bool badHeader = false; // the file is no queue file at all

    bool isDamaged() const { return damagedLines > 0 || badHeader; }
};

// The durable queue of closed days not sent yet: "var/chain.queue" of the
// installation, a text file written whole through Basics::TSaveFile (never
// half-written): the line "# veltrum chain queue 1", then one line per day,
// "yyyy-MM-dd<TAB>queued (ISO, UTC)<TAB>failed attempts<TAB>last error".
// A closing queues its day before it tries to send it, so a crash at any
// point leaves the day queued; sending a day twice changes nothing in the
// database. Changes go through lock() so the closing and 'veltrum chain
// push' never lose each other's days.
class TChainQueue
{
public:
    explicit TChainQueue(const QString &root);

    QString filePath() const { return m_path; }

    static QByteArray toBytes(const QList<TQueuedDay> &days);
    static TQueueContents fromBytes(const QByteArray &bytes);

    // The queue on disk; empty when there is no file. An unreadable file
    // reads as bad header.
    TQueueContents load() const;
    // Writes the queue whole. A damaged file is first kept beside it as
    // "chain.queue.damaged". Throws Basics::TFileError.
    void save(const QList<TQueuedDay> &days) const;

    // Adds `day` (kept once; an earlier entry keeps its queued time).
    // Throws Basics::TFileError.
    void add(const QDate &day, const QDateTime &now = QDateTime::currentDateTimeUtc()) const;
    // Removes `day` after it was sent.
    void remove(const QDate &day) const;
    // Counts a failed sending of every queued day.
    void failed(const QString &error) const;

    // Takes the queue's lock file ("var/lock/chain.lck"), waiting at most
    // `milliseconds`; released by unlock() or the object's end.
    bool lock(int milliseconds = 30000);
    void unlock();

private:
    QString m_root;
    QString m_path;
    class Lock;
    std::shared_ptr<Lock> m_lock;
};

} // namespace ChainLib
