#include "terror.h"

#include <cerrno>
#include <cstring>

namespace Basics {

const char *sourceBaseName(const char *path)
{
    if (!path)
        return path;
    const char *slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

TError::TError(int line, const char *file, int reason, int code)
    : m_line(line)
    , m_file(file)
    , m_reason(reason)
    , m_code(code)
{
}

QString TError::text() const
{
    return QStringLiteral("file %1, line %2").arg(QString::fromLocal8Bit(m_file)).arg(m_line);
}

TOsError::TOsError(int line, const char *file, int reason, int code)
    : TOsError(line, file, reason, code, errno)
{
}

TOsError::TOsError(int line, const char *file, int reason, int code, int osError)
    : TError(line, file, reason, code)
    , m_osError(osError)
{
}

TFileError::TFileError(int line, const char *file, int reason, int code, const QString &fileName)
    : TOsError(line, file, reason, code)
    , m_fileName(fileName)
{
}

TFileError::TFileError(int line, const char *file, int reason, int code, int osError,
                       const QString &fileName)
    : TOsError(line, file, reason, code, osError)
    , m_fileName(fileName)
{
}

static QString osText(const QString &name, int os, const char *file, int line)
{
    return QStringLiteral("fn %1, OS %2, file %3, line %4")
            .arg(name)
            .arg(os)
            .arg(QString::fromLocal8Bit(file))
            .arg(line);
}

QString TFileError::text() const
{
    return osText(m_fileName, osError(), file(), line());
}

TDirError::TDirError(int line, const char *file, int reason, int code, const QString &path)
    : TOsError(line, file, reason, code)
    , m_path(path)
{
}

QString TDirError::text() const
{
    return osText(m_path, osError(), file(), line());
}

TInifileError::TInifileError(int line, const char *file, int code)
    : TOsError(line, file, code, code)
{
}

} // namespace Basics
