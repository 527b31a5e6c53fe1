#pragma once

#include "tweblimits.h"

#include <QByteArray>

namespace WebLib {

// Follows the bytes a client sends, request after request, to refuse a
// request that breaks a limit as soon as it does, before the HTTP parser
// has collected it: request line and headers larger than the limit, a
// body announced larger than the limit, a body without a length
// (chunked) or with two different lengths.
class TRequestFramer
{
public:
    enum class Verdict {
        Ok,
        HeaderTooLarge, // 431
        BodyTooLarge, // 413
        BadFraming, // 400: unreadable or contradicting Content-Length
        NoLength, // 411: Transfer-Encoding, which this server takes no body in
    };

    explicit TRequestFramer(const TWebLimits &limits);

    // Takes the next bytes of the connection. Once not Ok, every further
    // call returns the same verdict.
    Verdict feed(const char *data, qsizetype size);
    Verdict feed(const QByteArray &bytes) { return feed(bytes.constData(), bytes.size()); }

    // A request has begun (a byte of it arrived) and is not complete.
    bool inRequest() const { return m_state != State::Idle; }
    // Requests received whole so far.
    int completed() const { return m_completed; }

private:
    enum class State { Idle, Head, Body };
    Verdict headComplete();

    TWebLimits m_limits;
    State m_state = State::Idle;
    QByteArray m_head;
    qint64 m_bodyLeft = 0;
    int m_completed = 0;
    Verdict m_verdict = Verdict::Ok;
};

} // namespace WebLib
