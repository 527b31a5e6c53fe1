#include "tdaycachewriter.h"

#include "tdir.h"
#include "terror.h"
#include "tsavefile.h"

#include <QDir>

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
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_made.contains(dir)) {
            if (!QDir().mkpath(dir)) {
                m_failure = QStringLiteral("%1 cannot be created").arg(dir);
                m_failed = true;
                return false;
            }
            m_made.insert(dir);
        }
    }
    try {
        TSaveFile out(file);
        out.setLockRetry(1, 0);
        // the folder is synced once, after the last day
        out.setSyncDirectory(false);
        out.open();
        out.write(bytes);
        out.commit();
    } catch (const TError &e) {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_failed)
            m_failure = QStringLiteral("%1: %2").arg(file, e.text());
        m_failed = true;
        return false;
    }
    std::lock_guard<std::mutex> lock(m_mutex);
    m_written.insert(dir);
    return true;
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
        std::lock_guard<std::mutex> lock(m_mutex);
        dirs.swap(m_written);
    }
    bool ok = true;
    for (const QString &dir : std::as_const(dirs))
        ok = syncDirectory(dir) && ok;
    return ok;
}

} // namespace PosLib
