#include "tspoolreader.h"

#include "terror.h"

#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace Basics;

namespace PosLib {

namespace {

// what a reader holds of the file at a time
constexpr qint64 ReadBlock = 4096;

} // namespace

TSpoolReader::TSpoolReader(const QTemporaryFile *file, qint64 begin, qint64 end)
    : m_file(file)
    , m_pos(begin)
    , m_end(end)
{ }

void TSpoolReader::read(void *to, qint64 size)
{
    auto *out = static_cast<char *>(to);
    while (size > 0) {
        if (m_at == m_buffer.size())
            fill();
        const qint64 n = std::min(size, qint64(m_buffer.size()) - m_at);
        std::memcpy(out, m_buffer.constData() + m_at, size_t(n));
        out += n;
        m_at += int(n);
        size -= n;
    }
}

void TSpoolReader::fill()
{
    const qint64 want = std::min(ReadBlock, m_end - m_pos);
    if (want <= 0)
        fail(EIO);
    m_buffer.resize(int(want));
    qint64 got = 0;
    while (got < want) {
        const ssize_t n = ::pread(m_file->handle(), m_buffer.data() + got, size_t(want - got),
                                  off_t(m_pos + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            fail(n < 0 ? errno : EIO);
        got += n;
    }
    m_pos += want;
    m_at = 0;
}

void TSpoolReader::fail(int error) const
{
    throw TFileError(T_SOURCE, 304, 310, error, m_file->fileName());
}

} // namespace PosLib
