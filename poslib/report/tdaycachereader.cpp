#include "tdaycachereader.h"

#include "tarchtable.h"
#include "tdayaggregate.h"
#include "terror.h"
#include "tfile.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PosLib {

namespace {

// `size` bytes of an open file into `bytes`, keeping its room; empty when
// the file gives fewer (cut while it was read: as good as none).
void readWhole(int fd, qsizetype size, QByteArray &bytes)
{
    bytes.resize(size);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    if (done != bytes.size())
        bytes.clear();
}

// The whole file; empty when it cannot be read.
QByteArray readAll(const QByteArray &file)
{
    const int fd = ::open(file.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return QByteArray();
    QByteArray bytes;
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        readWhole(fd, qsizetype(st.st_size), bytes);
    ::close(fd);
    return bytes;
}

// Whether a summary is fresh (appending its identity to `stamp`) and, when
// it is, its bytes: all from the file open under the shared lock, so the
// bytes are those checked. `bytes` comes with room kept from an earlier
// day, if any. A lock held elsewhere or a read cut short leave it empty:
// the caller reads the summary then.
bool checkAndRead(QByteArray &stamp, const QByteArray &summary, const QByteArray &dayDir,
                  QByteArray &bytes)
{
    Basics::TFile file(QFile::decodeName(summary));
    file.setLockRetry(1, 0);
    try {
        file.open(QIODevice::ReadOnly);
    } catch (const Basics::TFileError &) {
        // not there, or locked: asked the usual way
        bytes.clear();
        qint64 modified = 0;
        return TDayCacheReader::appendIdentity(stamp, summary, &modified)
               && !TArchTable::hasTablesNewerThan(dayDir, modified);
    }
    struct stat st;
    qint64 modified = 0;
    if (::fstat(file.handle(), &st) != 0)
        return false;
    TDayCacheReader::appendIdentity(stamp, summary, st, &modified);
    if (TArchTable::hasTablesNewerThan(dayDir, modified))
        return false;
    readWhole(file.handle(), qsizetype(st.st_size), bytes);
    return true;
}

} // namespace

TDayCacheReader::TDayCacheReader(std::vector<TCachedDayFiles> days, const QByteArray &engineStamp,
                                 int threads, int ahead, Builder builder, Extra extra)
    : m_days(std::move(days))
    , m_engineStamp(engineStamp)
    , m_ahead(std::max(1, ahead))
    , m_builder(std::move(builder))
    , m_extra(extra)
    , m_states(m_days.size())
    , m_ready(m_days.size(), 0)
{
    const int count = std::clamp(threads, 0, int(m_days.size()));
    m_threads.reserve(size_t(count));
    try {
        for (int i = 0; i < count; ++i)
            m_threads.emplace_back([this]() { work(); });
    } catch (const std::system_error &) {
        // no thread to be had: the days are looked at as they are taken
    }
}

TDayCacheReader::~TDayCacheReader()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    for (std::thread &t : m_threads)
        t.join();
}

TCachedDayState TDayCacheReader::take(int index)
{
    if (index < 0 || size_t(index) >= m_days.size())
        return TCachedDayState();
    if (m_threads.empty())
        return check(m_days[size_t(index)], m_engineStamp, m_extra);
    std::unique_lock<std::mutex> lock(m_mutex);
    if (index > m_taken) {
        m_taken = index;
        m_wake.notify_all();
    }
    m_done.wait(lock, [&]() { return m_ready[size_t(index)] != 0; });
    return std::move(m_states[size_t(index)]);
}

void TDayCacheReader::work()
{
    for (;;) {
        int index = 0;
        std::vector<QByteArray> spare;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [&]() {
                return m_stop || size_t(m_next) >= m_days.size() || m_next < m_taken + m_ahead;
            });
            if (m_stop || size_t(m_next) >= m_days.size())
                return;
            index = m_next++;
            spare.swap(m_spare);
        }
        TCachedDayState state;
        try {
            const TCachedDayFiles &files = m_days[size_t(index)];
            state = check(files, m_engineStamp, m_extra, &spare);
            const bool missing = (!files.cacheFiles[0].isEmpty() && state.blobs[0].isEmpty())
                                 || (!files.cacheFiles[1].isEmpty() && state.blobs[1].isEmpty());
            if (m_builder && state.fresh && missing)
                m_builder(index, state);
        } catch (...) {
            // out of memory: the report looks at the day itself
            state = TCachedDayState();
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_states[size_t(index)] = std::move(state);
            m_ready[size_t(index)] = 1;
            keepSpare(spare);
        }
        m_done.notify_all();
    }
}

void TDayCacheReader::giveBack(QList<QByteArray> bytes)
{
    std::vector<QByteArray> given;
    for (QByteArray &b : bytes)
        given.push_back(std::move(b));
    std::lock_guard<std::mutex> lock(m_mutex);
    keepSpare(given);
}

void TDayCacheReader::keepSpare(std::vector<QByteArray> &bytes)
{
    for (QByteArray &b : bytes) {
        // room for a day of a few data paths is enough
        if (m_spare.size() >= SpareKept)
            break;
        if (b.capacity() > 0)
            m_spare.push_back(std::move(b));
    }
    bytes.clear();
}

bool TDayCacheReader::appendIdentity(QByteArray &stamp, const QByteArray &summary, qint64 *msecs)
{
    struct stat st;
    if (::stat(summary.constData(), &st) != 0)
        return false;
    appendIdentity(stamp, summary, st, msecs);
    return true;
}

void TDayCacheReader::appendIdentity(QByteArray &stamp, const QByteArray &summary,
                                     const struct stat &st, qint64 *msecs)
{
    if (msecs)
        *msecs = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
    stamp += summary + ' ' + QByteArray::number(qint64(st.st_size)) + ' '
             + QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.'
             + QByteArray::number(qint64(st.st_mtim.tv_nsec)) + ' '
             + QByteArray::number(qint64(st.st_ctim.tv_sec)) + '.'
             + QByteArray::number(qint64(st.st_ctim.tv_nsec)) + ' '
             + QByteArray::number(quint64(st.st_ino)) + '\n';
}

TCachedDayState TDayCacheReader::check(const TCachedDayFiles &files, const QByteArray &engineStamp,
                                       Extra extra, std::vector<QByteArray> *spare)
{
    TCachedDayState state;
    state.checked = true;
    struct stat st;
    for (const QByteArray &mark : files.closedMarks) {
        if (::stat(mark.constData(), &st) != 0)
            return state;
    }
    state.closed = true;
    QByteArray stamp = engineStamp;
    for (qsizetype i = 0; i < files.summaries.size(); ++i) {
        qint64 modified = 0;
        if (extra == Extra::ReadSummaries) {
            QByteArray bytes;
            if (spare && !spare->empty()) {
                bytes = std::move(spare->back());
                spare->pop_back();
            }
            const bool fresh
                    = checkAndRead(stamp, files.summaries.at(i), files.dayDirs.at(i), bytes);
            state.summaryBytes << std::move(bytes);
            if (!fresh) {
                // no bytes for a day not fresh; their room is kept
                if (spare) {
                    for (QByteArray &kept : state.summaryBytes)
                        spare->push_back(std::move(kept));
                }
                state.summaryBytes.clear();
                return state;
            }
            continue;
        }
        if (!appendIdentity(stamp, files.summaries.at(i), &modified)
            || TArchTable::hasTablesNewerThan(files.dayDirs.at(i), modified))
            return state;
    }
    // a summary not read is read by the caller
    if (state.summaryBytes.contains(QByteArray()))
        state.summaryBytes.clear();
    state.fresh = true;
    state.stamp = stamp;
    for (int side = 0; side < 2; ++side) {
        if (files.cacheFiles[side].isEmpty())
            continue;
        QByteArray blob = readAll(files.cacheFiles[side]);
        if (!blob.isEmpty() && TDayAggregate::stampOf(blob) == stamp)
            state.blobs[side] = std::move(blob);
    }
    return state;
}

} // namespace PosLib
