#include "tdir.h"

#include "terror.h"
#include "tfile.h"
#include "tsavefile.h"

#include <QDebug>
#include <QFileInfo>
#include <QMutex>
#include <QThread>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Basics {

namespace {
QMutex dirMutex;
std::atomic<int> pauseMs {200};
constexpr int Attempts = 10;
} // namespace

void setRetryPause(int milliseconds)
{
    pauseMs = milliseconds;
}

int retryPause()
{
    return pauseMs;
}

QString expandEnvironment(const QString &path)
{
    QString result = path;
    // A variable that names itself would expand forever; after this many
    // replacements the rest stays as it is.
    constexpr int MaxReplacements = 256;
    for (int replaced = 0; replaced < MaxReplacements; ++replaced) {
        const int start = result.indexOf(QLatin1String("$("));
        if (start < 0)
            return result;
        const int end = result.indexOf(QLatin1Char(')'), start + 2);
        if (end < 0) {
            // No closing bracket: the rest is the name.
            const QString name = result.mid(start + 2);
            result = result.left(start) + qEnvironmentVariable(name.toLocal8Bit().constData());
            continue;
        }
        const QString name = result.mid(start + 2, end - start - 2);
        result.replace(start, end - start + 1,
                       qEnvironmentVariable(name.toLocal8Bit().constData()));
    }
    return result;
}

QString normalizeDir(const QString &path, bool create)
{
    QMutexLocker locker(&dirMutex);
    QString dir = expandEnvironment(path);
    if (dir.isEmpty())
        return dir;
    if (dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\')))
        dir.chop(1);
    if (create && !dir.isEmpty() && !QFileInfo(dir).isDir())
        createPath(dir + QLatin1Char('/'));
    dir += QLatin1Char('/');
    return dir;
}

// Makes one directory; an existing one is fine. Returns 0 or the error of
// mkdir itself, taken before anything else can overwrite errno (a full disk
// must be named as such, not as the missing directory found afterwards).
static int makeDirectory(const QString &dir)
{
    if (::mkdir(QFile::encodeName(dir).constData(), 0777) == 0)
        return 0;
    const int error = errno;
    return QFileInfo(dir).isDir() ? 0 : error;
}

void createPath(const QString &path)
{
    const QString p = expandEnvironment(path);
    // Prefixes ending before `from` are never created: a drive ("C:") or
    // the server and share of "//server/share/...".
    int from = 0;
    if (p.size() >= 2 && p.at(1) == QLatin1Char(':') && p.at(0).isLetter())
        from = 2;
    if (p.startsWith(QLatin1String("//")) || p.startsWith(QLatin1String("\\\\"))) {
        int separators = 0;
        from = 2;
        while (from < p.size() && separators < 2) {
            if (p.at(from) == QLatin1Char('/') || p.at(from) == QLatin1Char('\\'))
                ++separators;
            ++from;
        }
        if (separators < 2)
            from = int(p.size()); // nothing below the share
    }
    for (int i = from; i < p.size(); ++i) {
        const QChar c = p.at(i);
        if (c != QLatin1Char('/') && c != QLatin1Char('\\'))
            continue;
        if (i == 0)
            continue;
        const QString prefix = p.left(i);
        if (QFileInfo(prefix).isDir())
            continue;
        if (const int error = makeDirectory(prefix))
            throw TDirError(T_SOURCE, 201, 201, error, prefix);
    }
    // A path without a trailing separator names a directory too.
    if (p.size() > from && !p.endsWith(QLatin1Char('/')) && !p.endsWith(QLatin1Char('\\'))
        && !QFileInfo(p).isDir()) {
        if (const int error = makeDirectory(p))
            throw TDirError(T_SOURCE, 201, 201, error, p);
    }
}

namespace {

// A failure that another process causes and that passes when it lets go:
// worth the retries. A failing disk, a full one, a missing file or a
// refused permission stay as they are, and retrying them only delays the
// message.
bool isPassing(int error)
{
    return error == EBUSY || error == ETXTBSY || error == EINTR || error == EAGAIN;
}

} // namespace

void deleteFile(const QString &name)
{
    const QString file = expandEnvironment(name);
    const QByteArray local = QFile::encodeName(file);
    int error = 0; // of the last attempt, not of the sleep after it
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        if (!QFileInfo::exists(file)) {
            qDebug("%s does not exist", qPrintable(file));
            return;
        }
        if (::unlink(local.constData()) == 0)
            return;
        error = errno;
        if (error == ENOENT)
            return;
        if (!isPassing(error))
            break;
        QThread::msleep(pauseMs);
    }
    throw TFileError(T_SOURCE, 311, 311, error, file);
}

void renameFile(const QString &from, const QString &to)
{
    const QByteArray f = QFile::encodeName(expandEnvironment(from));
    const QByteArray t = QFile::encodeName(expandEnvironment(to));
    int error = 0; // of the last attempt, not of the sleep after it
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        if (::rename(f.constData(), t.constData()) == 0)
            return;
        error = errno;
        if (!isPassing(error))
            break;
        QThread::msleep(pauseMs);
    }
    throw TFileError(T_SOURCE, 312, 312, error, QFile::decodeName(f));
}

bool copyFile(const QString &source, const QString &target)
{
    try {
        return copyDurably(expandEnvironment(source), expandEnvironment(target));
    } catch (const TError &) {
        return false;
    }
}

bool syncDirectory(const QString &dir)
{
    const QByteArray local = QFile::encodeName(dir.isEmpty() ? QStringLiteral(".") : dir);
    const int fd = ::open(local.constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool TDir::remove(const QString &fileName)
{
    if (!QDir::remove(fileName))
        throw TDirError(T_SOURCE, 202, 202, filePath(fileName));
    return true;
}

bool TDir::rename(const QString &oldName, const QString &newName)
{
    if (!QDir::rename(oldName, newName))
        throw TDirError(T_SOURCE, 203, 203, filePath(oldName));
    return true;
}

} // namespace Basics
