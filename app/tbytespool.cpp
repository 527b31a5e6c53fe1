#include "tbytespool.h"

#include "cliutil.h"

bool spoolFailed(const QString &file, const QString &why)
{
    fail(TCli::tr("the report's data could not be written to the temporary file %1 (%2)")
                 .arg(file, why));
    return false;
}

TByteSpool::TByteSpool()
{
    if (!m_file.open()) {
        m_memory.open(QIODevice::ReadWrite);
        m_device = &m_memory;
    }
}

void TByteSpool::write(const QByteArray &bytes)
{
    m_block += bytes;
    if (m_block.size() >= 64 * 1024)
        flush();
}

void TByteSpool::flush()
{
    m_ok = m_ok && m_device->write(m_block) == m_block.size();
    m_block.clear();
}

bool TByteSpool::put(TOutput &output, const QByteArray &before, const QByteArray &after)
{
    flush();
    if (!m_ok || (isFile() && !m_file.flush()))
        return spoolFailed(m_file.fileName(), m_file.errorString());
    return output.putSpooled(before, *m_device, after);
}
