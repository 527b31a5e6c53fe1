#include "trowsspool.h"

namespace PosLib {

namespace {

// a private file of this process: any version of the stream will do
constexpr QDataStream::Version SpoolVersion = QDataStream::Qt_6_0;

} // namespace

TRowsSpool::TRowsSpool()
{
    m_ok = m_file.open();
    m_out.setDevice(&m_file);
    m_out.setVersion(SpoolVersion);
}

void TRowsSpool::add(const QStringList &row)
{
    if (!m_ok)
        return;
    m_out << row;
    m_ok = m_out.status() == QDataStream::Ok;
}

bool TRowsSpool::replay(const std::function<void(const QStringList &row)> &take)
{
    if (!m_ok || !m_file.flush() || !m_file.seek(0))
        return false;
    QDataStream in(&m_file);
    in.setVersion(SpoolVersion);
    QStringList row;
    while (!in.atEnd()) {
        in >> row;
        if (in.status() != QDataStream::Ok)
            return false;
        take(row);
    }
    return true;
}

} // namespace PosLib
