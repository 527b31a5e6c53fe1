#include "tspoolfile.h"

#include <QTemporaryFile>

namespace PosLib {

TSpoolFile::TSpoolFile() = default;

TSpoolFile::~TSpoolFile() = default;

bool TSpoolFile::append(const QByteArray &bytes, qint64 &begin, qint64 &end)
{
    if (!m_file) {
        auto file = std::make_unique<QTemporaryFile>();
        if (!file->open())
            return false;
        m_file = std::move(file);
    }
    if (!m_file->seek(m_end) || m_file->write(bytes) != bytes.size() || !m_file->flush())
        return false;
    begin = m_end;
    end = m_end + bytes.size();
    m_end = end;
    return true;
}

} // namespace PosLib
