#include "tdaycachewriter.h"

#include "tdir.h"
#include "terror.h"
#include "tsavefile.h"

#include <QDir>

#include <system_error>

using namespace Basics;

namespace PosLib {

TDayCacheWriter::~TDayCacheWriter()
{
    finish();
}

bool TDayCacheWriter::save(const QString &dir, const QString &file, const QByteArray &bytes)
{
    if (m_failed)
        return false;
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_made.contains(dir)) {
        if (!QDir().mkpath(dir)) {
            if (!m_failed)
                m_failure = QStringLiteral("%1 cannot be created").arg(dir);
            m_failed = true;
            return false;
        }
        m_made.insert(dir);
    }
    m_room.wait(lock, [this] { return m_queue.size() < size_t(Queued) || m_failed; });
    if (m_failed)
        return false;
    if (!m_thread.joinable()) {
        m_end = false;
        try {
            m_thread = std::thread([this] { write(); });
        } catch (const std::system_error &) {
            // no thread to be had: the day is written here
            lock.unlock();
            if (!writeDay({file, bytes, dir}))
                return false;
            lock.lock();
            m_written.insert(dir);
            return true;
        }
    }
    m_queue.push_back({file, bytes, dir});
    m_wake.notify_one();
    return true;
}

void TDayCacheWriter::write()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return !m_queue.empty() || m_end; });
        if (m_queue.empty())
            return;
        const Day day = std::move(m_queue.front());
        m_queue.pop_front();
        lock.unlock();
        const bool written = !m_failed && writeDay(day);
        lock.lock();
        if (written)
            m_written.insert(day.dir);
        else
            m_queue.clear(); // nothing more is written in this run
        m_room.notify_all();
    }
}

bool TDayCacheWriter::writeDay(const Day &day)
{
    try {
        TSaveFile out(day.file);
        out.setLockRetry(1, 0);
        // the folder is synced once, after the last day
        out.setSyncDirectory(false);
        out.open();
        out.write(day.bytes);
        out.commit();
    } catch (const TError &e) {
        fail(QStringLiteral("%1: %2").arg(day.file, e.text()));
        return false;
    }
    return true;
}

void TDayCacheWriter::fail(const QString &text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_failed)
        m_failure = text;
    m_failed = true;
}

QString TDayCacheWriter::failure() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_failure;
}

bool TDayCacheWriter::finish()
{
    QSet<QString> dirs;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_end = true;
        m_wake.notify_one();
    }
    // the writer ends when the queue is empty
    if (m_thread.joinable())
        m_thread.join();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_end = false;
        dirs.swap(m_written);
    }
    bool ok = true;
    for (const QString &dir : std::as_const(dirs))
        ok = syncDirectory(dir) && ok;
    return ok;
}

} // namespace PosLib
