#include "tutf8linewriter.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace PosLib {

namespace {

#if defined(__SSE2__)
// Whether eight UTF-16 units are all ASCII.
inline bool allAscii(__m128i units)
{
    const __m128i high = _mm_and_si128(units, _mm_set1_epi16(short(0xff80)));
    return _mm_movemask_epi8(_mm_cmpeq_epi8(high, _mm_setzero_si128())) == 0xffff;
}
#endif

// Writes the UTF-8 of `text` at `to`, which has room for three bytes a
// unit; the end of what was written, or null when the text holds a
// surrogate (left to Qt's encoder, which knows what to make of a lone one).
char *writePlainUtf8(char *to, const QString &text)
{
    const qsizetype n = text.size();
    const auto *from = reinterpret_cast<const char16_t *>(text.constData());
    qsizetype i = 0;
#if defined(__SSE2__)
    // eight units at a time while they are ASCII
    for (; i + 8 <= n; i += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from + i));
        if (!allAscii(units))
            break;
        _mm_storel_epi64(reinterpret_cast<__m128i *>(to), _mm_packus_epi16(units, units));
        to += 8;
    }
#endif
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    // four units at a time while they are ASCII
    for (; i + 4 <= n; i += 4) {
        quint64 units;
        std::memcpy(&units, from + i, sizeof units);
        if (units & 0xff80ff80ff80ff80ULL)
            break;
        const quint32 bytes = quint32((units & 0xff) | ((units >> 8) & 0xff00)
                                      | ((units >> 16) & 0xff0000) | ((units >> 24) & 0xff000000));
        std::memcpy(to, &bytes, sizeof bytes);
        to += 4;
    }
#endif
    for (; i < n; ++i) {
        const char16_t c = from[i];
        if (c < 0x80) {
            *to++ = char(c);
        } else if (c < 0x800) {
            *to++ = char(0xc0 | (c >> 6));
            *to++ = char(0x80 | (c & 0x3f));
        } else if (c >= 0xd800 && c < 0xe000) {
            return nullptr;
        } else {
            *to++ = char(0xe0 | (c >> 12));
            *to++ = char(0x80 | ((c >> 6) & 0x3f));
            *to++ = char(0x80 | (c & 0x3f));
        }
    }
    return to;
}

} // namespace

TUtf8LineWriter::TUtf8LineWriter(QIODevice *device, qsizetype chunk)
    : m_device(device)
    , m_chunk(std::max<qsizetype>(chunk, 1))
{ }

void TUtf8LineWriter::writeLine(const QString &line)
{
    // the line's bytes at most, and its line feed
    const qsizetype room = 3 * line.size() + 1;
    if (m_used + room > m_buffer.size()) {
        flush();
        if (room > m_buffer.size())
            m_buffer.resize(std::max(room, m_chunk));
    }
    char *start = m_buffer.data() + m_used;
    char *end = writePlainUtf8(start, line);
    if (!end) {
        const QByteArray bytes = line.toUtf8();
        std::memcpy(start, bytes.constData(), size_t(bytes.size()));
        end = start + bytes.size();
    }
    *end++ = '\n';
    m_used = end - m_buffer.constData();
    if (m_used >= m_chunk)
        flush();
}

bool TUtf8LineWriter::flush()
{
    if (m_used > 0) {
        m_ok = m_ok && m_device && m_device->write(m_buffer.constData(), m_used) == m_used;
        m_used = 0;
    }
    return m_ok;
}

} // namespace PosLib
