#pragma once

#include "twebsite.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

namespace WebLib {

// Answers the API's calls one after another on the thread it lives on
// (the program's main thread, which alone may paint charts and PDF): a
// queue of calls, of which the same call asked again while it waits is
// answered once for all who asked, and a short memory of answers, so that
// many visitors looking at the same figures cost one run. Beyond
// maxQueuedJobs waiting calls a new one is answered 503.
class TWebEngine : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<TWebResponse(const TApiCall &)>;
    using Clock = std::function<qint64()>; // monotonic milliseconds

    TWebEngine(Handler handler, const TWebLimits &limits, QObject *parent = nullptr);

    // Before each call the language of its visitor is set with this.
    void setLanguageSwitch(std::function<void(const QString &)> set)
    {
        m_setLanguage = std::move(set);
    }
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // Safe on any thread: queues the call; `reply` is called on the thread
    // of `context` (dropped when it is gone).
    void submit(const TApiCall &call, QObject *context, const TWebSite::Reply &reply);

    // Calls waiting, and answers run so far (not those from memory).
    int queued() const { return int(m_queue.size()); }
    int runs() const { return m_runs; }

    // The memory key of a call: path, parameters in their order, language.
    static QString key(const TApiCall &call);

private:
    struct Waiter
    {
        QPointer<QObject> context;
        TWebSite::Reply reply;
    };
    struct Job
    {
        QString key;
        TApiCall call;
        QList<Waiter> waiters;
    };
    struct Kept
    {
        TWebResponse response;
        qint64 at = 0;
    };
    void enqueue(const TApiCall &call, const Waiter &waiter);
    void runNext();
    void forgetOld(qint64 nowMs);
    static void deliver(const Waiter &waiter, const TWebResponse &response);

    Handler m_handler;
    TWebLimits m_limits;
    Clock m_clock;
    std::function<void(const QString &)> m_setLanguage;
    QList<Job> m_queue;
    QHash<QString, Kept> m_kept;
    qint64 m_keptBytes = 0;
    bool m_scheduled = false;
    int m_runs = 0;
};

} // namespace WebLib
