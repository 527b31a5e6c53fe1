#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace PosLib {

// Writes the cached days of one report run, from any thread, on a thread of
// its own: the threads that build the days hand each one over and go on
// while it waits for the disk. Each file is replaced whole through a
// TSaveFile (synced before its rename, so a file holds an old day or a new
// one, never a part), each folder is created once and synced once, by
// finish() after the last file (or when the writer goes), instead of once
// per file. The first file that cannot be written ends the writing for the
// run (a read-only installation): later saves do nothing.
class TDayCacheWriter
{
public:
    // At most this many days wait to be written: a save waits while as many
    // are queued.
    static constexpr int Queued = 8;

    TDayCacheWriter() = default;
    // Writes what is queued and syncs the folders written into (finish()).
    ~TDayCacheWriter();
    TDayCacheWriter(const TDayCacheWriter &) = delete;
    TDayCacheWriter &operator=(const TDayCacheWriter &) = delete;

    // Replaces `file` in `dir` (created now when missing) with `bytes`,
    // soon; false when `dir` cannot be made, or after an earlier failure.
    bool save(const QString &dir, const QString &file, const QByteArray &bytes);
    // Whether a save failed, and the first failure's text (for the log).
    bool failed() const { return m_failed; }
    QString failure() const;
    // Writes every day handed over so far, then syncs each folder written
    // into since the last call, once; false when one could not be synced
    // (the files are written, a crash may lose them).
    bool finish();

private:
    struct Day
    {
        QString file;
        QByteArray bytes;
        QString dir;
    };
    void fail(const QString &text);
    void write();
    bool writeDay(const Day &day);

    mutable std::mutex m_mutex;
    std::condition_variable m_wake; // a day is queued, or the writer is to end
    std::condition_variable m_room; // a day was taken, or the queue is empty
    std::deque<Day> m_queue;
    bool m_end = false;
    std::thread m_thread;
    QSet<QString> m_made; // folders known to be there
    QSet<QString> m_written; // folders to sync
    QString m_failure;
    std::atomic<bool> m_failed {false};
};

} // namespace PosLib
