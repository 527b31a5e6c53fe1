#include "twebengine.h"

#include <QElapsedTimer>
#include <QTimer>

#include <exception>

namespace WebLib {

namespace {

// what the memory of answers holds at most
constexpr qint64 MaxKeptBytes = 64ll * 1024 * 1024;

qint64 monotonicMs()
{
    static QElapsedTimer timer;
    static const bool started = (timer.start(), true);
    Q_UNUSED(started);
    return timer.elapsed();
}

} // namespace

TWebEngine::TWebEngine(Handler handler, const TWebLimits &limits, QObject *parent)
    : QObject(parent)
    , m_handler(std::move(handler))
    , m_limits(limits)
    , m_clock(monotonicMs)
{ }

QString TWebEngine::key(const TApiCall &call)
{
    QString key = call.path;
    for (const auto &p : call.params)
        key += QLatin1Char('\n') + p.first + QLatin1Char('=') + p.second;
    return key + QStringLiteral("\nlanguage=") + call.language;
}

void TWebEngine::submit(const TApiCall &call, QObject *context, const TWebSite::Reply &reply)
{
    const Waiter waiter {context, reply};
    QMetaObject::invokeMethod(
            this, [this, call, waiter] { enqueue(call, waiter); }, Qt::QueuedConnection);
}

void TWebEngine::deliver(const Waiter &waiter, const TWebResponse &response)
{
    if (!waiter.context)
        return;
    const TWebSite::Reply reply = waiter.reply;
    QMetaObject::invokeMethod(
            waiter.context, [reply, response] { reply(response); }, Qt::QueuedConnection);
}

void TWebEngine::forgetOld(qint64 nowMs)
{
    for (auto it = m_kept.begin(); it != m_kept.end();) {
        if (nowMs - it->at >= qint64(m_limits.cacheSeconds) * 1000) {
            m_keptBytes -= it->response.body.size();
            it = m_kept.erase(it);
        } else {
            ++it;
        }
    }
}

void TWebEngine::enqueue(const TApiCall &call, const Waiter &waiter)
{
    const qint64 nowMs = m_clock();
    forgetOld(nowMs);
    const QString k = key(call);
    const auto kept = m_kept.constFind(k);
    if (kept != m_kept.cend()) {
        deliver(waiter, kept->response);
        return;
    }
    for (Job &job : m_queue) {
        if (job.key == k) {
            job.waiters.append(waiter);
            return;
        }
    }
    if (m_queue.size() >= m_limits.maxQueuedJobs) {
        TWebResponse busy = TWebResponse::error(503, QStringLiteral("busy"));
        busy.addHeader("Retry-After", "2");
        deliver(waiter, busy);
        return;
    }
    m_queue.append({k, call, {waiter}});
    if (!m_scheduled) {
        m_scheduled = true;
        // one call per turn of the event loop: what else waits (a stop)
        // gets its turn between two reports
        QTimer::singleShot(0, this, &TWebEngine::runNext);
    }
}

void TWebEngine::runNext()
{
    m_scheduled = false;
    if (m_queue.isEmpty())
        return;
    const Job job = m_queue.takeFirst();
    if (m_setLanguage)
        m_setLanguage(job.call.language);
    TWebResponse response;
    try {
        response = m_handler(job.call);
    } catch (const std::exception &e) {
        response = TWebResponse::error(500, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        response = TWebResponse::error(500, QStringLiteral("unexpected error"));
    }
    ++m_runs;
    if (response.status == 200 && m_limits.cacheSeconds > 0) {
        if (m_keptBytes + response.body.size() <= MaxKeptBytes) {
            m_kept.insert(job.key, {response, m_clock()});
            m_keptBytes += response.body.size();
        }
    }
    for (const Waiter &waiter : job.waiters)
        deliver(waiter, response);
    if (!m_queue.isEmpty() && !m_scheduled) {
        m_scheduled = true;
        QTimer::singleShot(0, this, &TWebEngine::runNext);
    }
}

} // namespace WebLib
