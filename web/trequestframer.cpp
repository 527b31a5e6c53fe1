#include "trequestframer.h"

#include <QList>

#include <algorithm>

namespace WebLib {

TRequestFramer::TRequestFramer(const TWebLimits &limits)
    : m_limits(limits)
{ }

TRequestFramer::Verdict TRequestFramer::feed(const char *data, qsizetype size)
{
    qsizetype i = 0;
    while (i < size && m_verdict == Verdict::Ok) {
        switch (m_state) {
        case State::Idle:
            // empty lines before a request line are allowed and skipped
            if (data[i] == '\r' || data[i] == '\n') {
                ++i;
                break;
            }
            m_state = State::Head;
            m_head.clear();
            break;
        case State::Head: {
            // up to the blank line that ends the headers, at most the limit
            const char *start = data + i;
            const qsizetype room = m_limits.maxHeaderBytes + 1 - m_head.size();
            const qsizetype take = std::min(size - i, room);
            const qsizetype before = m_head.size();
            m_head.append(start, take);
            // the end may straddle two pieces: look from 3 bytes back
            const qsizetype end = m_head.indexOf("\r\n\r\n", std::max<qsizetype>(0, before - 3));
            if (end >= 0) {
                const qsizetype headSize = end + 4;
                i += headSize - before;
                m_head.truncate(headSize);
                m_verdict = headComplete();
                break;
            }
            i += take;
            if (m_head.size() > m_limits.maxHeaderBytes)
                m_verdict = Verdict::HeaderTooLarge;
            break;
        }
        case State::Body: {
            const qint64 take = std::min<qint64>(size - i, m_bodyLeft);
            m_bodyLeft -= take;
            i += take;
            if (m_bodyLeft == 0) {
                m_state = State::Idle;
                ++m_completed;
            }
            break;
        }
        }
    }
    return m_verdict;
}

TRequestFramer::Verdict TRequestFramer::headComplete()
{
    if (m_head.size() > m_limits.maxHeaderBytes)
        return Verdict::HeaderTooLarge;
    qint64 length = -1;
    const QList<QByteArray> lines = m_head.split('\n');
    // the request line first, then "Name: value" lines
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const QByteArray line = lines.at(n).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "transfer-encoding")
            return Verdict::NoLength;
        if (name != "content-length")
            continue;
        bool ok = !value.isEmpty();
        for (char c : value)
            ok = ok && c >= '0' && c <= '9';
        const qint64 number = ok && value.size() <= 18 ? value.toLongLong(&ok) : -1;
        if (!ok || number < 0 || (length >= 0 && number != length))
            return Verdict::BadFraming;
        length = number;
    }
    if (length > m_limits.maxBodyBytes)
        return Verdict::BodyTooLarge;
    m_head.clear();
    m_bodyLeft = std::max<qint64>(length, 0);
    if (m_bodyLeft == 0) {
        m_state = State::Idle;
        ++m_completed;
    } else {
        m_state = State::Body;
    }
    return Verdict::Ok;
}

} // namespace WebLib
