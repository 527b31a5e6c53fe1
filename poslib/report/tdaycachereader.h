#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include <sys/stat.h>

namespace PosLib {

// The files a closed day's cache entry depends on, as the file system
// names them: per data path the day's closing mark ("turnover.z"), the
// folder of its table files and its day summary; per side (waiters, cost
// centers) the cached day, empty for a side not asked for.
struct TCachedDayFiles
{
    QList<QByteArray> closedMarks;
    QList<QByteArray> dayDirs;
    QList<QByteArray> summaries;
    QByteArray cacheFiles[2];
};

// What was found for a day, read only: nothing is deleted or written.
struct TCachedDayState
{
    // false when the day could not be looked at; the caller looks itself
    bool checked = false;
    // the day turnover closed the day in every data path
    bool closed = false;
    // every summary is there and no table file of its day is newer
    bool fresh = false;
    // the identity of the summaries (when fresh): the engine's stamp, then
    // per summary its path, size, modification and change times, inode
    QByteArray stamp;
    // the cached days whose stamp is `stamp`, by side; empty otherwise
    QByteArray blobs[2];
    // the sides without a cached day read from the summaries ahead (by the
    // reader's builder, when it has one): their day aggregates stamped
    // `stamp`, or empty; the bytes of the summaries, the tables and the
    // entries taken
    QByteArray built[2];
    // by data path, the bytes of the fresh summaries when the reader reads
    // them ahead (a run without the cache); empty otherwise
    QList<QByteArray> summaryBytes;
    qint64 builtBytes = 0;
    qint64 builtTables = 0;
    qint64 builtEntries = 0;
};

// Checks the closed days of a range ahead of a report on worker threads:
// whether each day is closed, the freshness rule of its summaries (a stat
// of every table file), their identity, and the cached days. Days are
// taken in order; the workers stay at most `ahead` days in front of the
// day taken last, and stop when the reader goes. With no threads (none
// asked for, or none to be had) each day is looked at when it is taken.
class TDayCacheReader
{
public:
    // Called on a worker for a fresh day with a side not cached, to fill
    // TCachedDayState::built; it must touch nothing the caller's thread uses.
    using Builder = std::function<void(int index, TCachedDayState &state)>;

    // What the workers do besides checking a day.
    enum class Extra { Nothing, ReadSummaries };

    TDayCacheReader(std::vector<TCachedDayFiles> days, const QByteArray &engineStamp, int threads,
                    int ahead, Builder builder = Builder(), Extra extra = Extra::Nothing);
    ~TDayCacheReader();
    TDayCacheReader(const TDayCacheReader &) = delete;
    TDayCacheReader &operator=(const TDayCacheReader &) = delete;

    // The state of day `index`, once a worker has it.
    TCachedDayState take(int index);
    // The summary bytes of a day taken, once read: a later day's summaries
    // are read into their room.
    void giveBack(QList<QByteArray> bytes);

    // One day, on the calling thread. With Extra::ReadSummaries each fresh
    // summary is read too, from the file whose identity and modification
    // time were checked (none when its lock is held elsewhere).
    // `spare`: byte arrays whose room the summaries are read into.
    static TCachedDayState check(const TCachedDayFiles &files, const QByteArray &engineStamp,
                                 Extra extra = Extra::Nothing,
                                 std::vector<QByteArray> *spare = nullptr);
    // Appends the identity line of a summary to `stamp`; false when it
    // cannot be stat'ed. `msecs`, when given, gets its modification time.
    static bool appendIdentity(QByteArray &stamp, const QByteArray &summary,
                               qint64 *msecs = nullptr);
    // The same for a summary's status as the caller has it.
    static void appendIdentity(QByteArray &stamp, const QByteArray &summary, const struct stat &st,
                               qint64 *msecs = nullptr);

private:
    void work();
    // Keeps byte arrays with room for later summaries (a few at most);
    // called with the mutex held.
    void keepSpare(std::vector<QByteArray> &bytes);

    static constexpr size_t SpareKept = 4;

    const std::vector<TCachedDayFiles> m_days;
    const QByteArray m_engineStamp;
    const int m_ahead;
    const Builder m_builder;
    const Extra m_extra;
    std::vector<TCachedDayState> m_states;
    std::vector<char> m_ready;
    std::vector<QByteArray> m_spare;
    std::mutex m_mutex;
    std::condition_variable m_wake; // a day may be started, or stop
    std::condition_variable m_done; // a day is ready
    int m_next = 0;
    int m_taken = 0;
    bool m_stop = false;
    std::vector<std::thread> m_threads;
};

} // namespace PosLib
