#include "terror.h"

#include <QCoreApplication>

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
{ }

QString TError::text() const
{
    return QStringLiteral("file %1, line %2").arg(QString::fromLocal8Bit(m_file)).arg(m_line);
}

TOsError::TOsError(int line, const char *file, int reason, int code)
    : TOsError(line, file, reason, code, errno)
{ }

TOsError::TOsError(int line, const char *file, int reason, int code, int osError)
    : TError(line, file, reason, code)
    , m_osError(osError)
{ }

TFileError::TFileError(int line, const char *file, int reason, int code, const QString &fileName)
    : TOsError(line, file, reason, code)
    , m_fileName(fileName)
{ }

TFileError::TFileError(int line, const char *file, int reason, int code, int osError,
                       const QString &fileName)
    : TOsError(line, file, reason, code, osError)
    , m_fileName(fileName)
{ }

QString TOsError::osErrorText() const
{
    return m_osError == 0 ? QString() : QString::fromLocal8Bit(std::strerror(m_osError));
}

bool TOsError::isDiskFull() const
{
    return m_osError == ENOSPC || m_osError == EDQUOT;
}

// "fn NAME, OS 28, file tfile.cpp, line 40: No space left on device"
static QString osText(const TOsError &error, const QString &name)
{
    QString text = QStringLiteral("fn %1, OS %2, file %3, line %4")
                           .arg(name)
                           .arg(error.osError())
                           .arg(QString::fromLocal8Bit(error.file()))
                           .arg(error.line());
    if (error.osError() != 0)
        text += QStringLiteral(": ") + error.osErrorText();
    return text;
}

QString TFileError::text() const
{
    return osText(*this, m_fileName);
}

TDirError::TDirError(int line, const char *file, int reason, int code, const QString &path)
    : TOsError(line, file, reason, code)
    , m_path(path)
{ }

TDirError::TDirError(int line, const char *file, int reason, int code, int osError,
                     const QString &path)
    : TOsError(line, file, reason, code, osError)
    , m_path(path)
{ }

QString TDirError::text() const
{
    return osText(*this, m_path);
}

TInifileError::TInifileError(int line, const char *file, int code)
    : TOsError(line, file, code, code)
{ }

QString osCauseText(int osError)
{
    switch (osError) {
    case 0:
        return QString();
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("TError", "the disk is full");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("TError", "access is denied");
    case EROFS:
        return QCoreApplication::translate("TError", "the disk is read-only");
    case ENOENT:
        return QCoreApplication::translate("TError", "the file or folder does not exist");
    case EEXIST:
    case ENOTDIR:
        return QCoreApplication::translate("TError",
                                           "a file of that name is in the way of a folder");
    case EIO:
        return QCoreApplication::translate("TError", "the disk cannot be read or written");
    case EILSEQ:
    case EBADMSG:
        // what the readers of this system raise for a file that holds no
        // data of its kind
        return QCoreApplication::translate("TError", "the file is damaged");
    default:
        return QCoreApplication::translate("TError", "system error %1 (%2)")
                .arg(osError)
                .arg(QString::fromLocal8Bit(std::strerror(osError)));
    }
}

} // namespace Basics
