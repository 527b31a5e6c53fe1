#include "terror.h"
#include "tinilineerror.h"

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

TIniLineError::TIniLineError(int line, const char *file, int code, const QString &iniFile,
                             int iniLine)
    : TInifileError(line, file, code)
    , m_iniFile(iniFile)
    , m_iniLine(iniLine)
{ }

QString TIniLineError::text() const
{
    const QString base = TError::text();
    return QStringLiteral("fn %1, line %2, error %3, %4")
            .arg(m_iniFile)
            .arg(m_iniLine)
            .arg(code())
            .arg(base);
}

// "etc/reports.ini, line 7: a section header without ']'"
static QString iniLineText(const TIniLineError &error)
{
    QString cause;
    switch (error.code()) {
    case 510:
        cause = QCoreApplication::translate("TError", "a section header without ']'");
        break;
    case 511:
        cause = QCoreApplication::translate("TError", "an include line without '<file>'");
        break;
    default:
        cause = QCoreApplication::translate("TError", "the line cannot be read (error %1)")
                        .arg(error.code());
        break;
    }
    return QCoreApplication::translate("TError", "%1, line %2: %3")
            .arg(error.iniFile())
            .arg(error.iniLine())
            .arg(cause);
}

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

QString userText(const TError &error, const QString &fallbackName)
{
    if (const auto *ini = dynamic_cast<const TIniLineError *>(&error))
        return iniLineText(*ini);
    QString name = fallbackName;
    int os = 0;
    if (const auto *file = dynamic_cast<const TFileError *>(&error)) {
        name = file->fileName();
        os = file->osError();
    } else if (const auto *dir = dynamic_cast<const TDirError *>(&error)) {
        name = dir->path();
        os = dir->osError();
    } else if (const auto *other = dynamic_cast<const TOsError *>(&error)) {
        os = other->osError();
    }
    const QString cause
            = os != 0 ? osCauseText(os)
                      : QCoreApplication::translate("TError", "error %1").arg(error.code());
    return name.isEmpty() ? cause : QStringLiteral("%1: %2").arg(name, cause);
}

} // namespace Basics
