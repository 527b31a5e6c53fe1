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

// The whole file; empty when it cannot be read.
QByteArray readAll(const QByteArray &file)
{
    const int fd = ::open(file.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return QByteArray();
    QByteArray bytes;
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
        bytes.resize(qsizetype(st.st_size));
        qsizetype done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += n;
        }
        // a file cut while it was read is as good as none
        if (done != bytes.size())
            bytes.clear();
    }
    ::close(fd);
    return bytes;
}

// A summary's identity (appended to `stamp`) and bytes, both of the file
// open under the shared lock; false when it is not there. A lock held
// elsewhere or a failed read leave `bytes` empty: the caller reads it then.
bool readSummaryFile(QByteArray &stamp, const QByteArray &summary, qint64 *msecs, QByteArray &bytes)
{
    Basics::TFile file(QFile::decodeName(summary));
    file.setLockRetry(1, 0);
    try {
        file.open(QIODevice::ReadOnly);
    } catch (const Basics::TFileError &) {
        // not there, or locked: asked again the usual way
        return TDayCacheReader::appendIdentity(stamp, summary, msecs);
    }
    struct stat st;
    if (::fstat(file.handle(), &st) != 0)
        return false;
    TDayCacheReader::appendIdentity(stamp, summary, st, msecs);
    try {
        bytes = file.readRest();
    } catch (const Basics::TError &) {
        bytes.clear();
    }
    if (bytes.size() != qsizetype(st.st_size))
        bytes.clear();
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
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [&]() {
                return m_stop || size_t(m_next) >= m_days.size() || m_next < m_taken + m_ahead;
            });
            if (m_stop || size_t(m_next) >= m_days.size())
                return;
            index = m_next++;
        }
        TCachedDayState state;
        try {
            const TCachedDayFiles &files = m_days[size_t(index)];
            state = check(files, m_engineStamp, m_extra);
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
        }
        m_done.notify_all();
    }
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
                                       Extra extra)
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
            if (!readSummaryFile(stamp, files.summaries.at(i), &modified, bytes)
                || TArchTable::hasTablesNewerThan(files.dayDirs.at(i), modified))
                return state;
            state.summaryBytes << bytes;
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
