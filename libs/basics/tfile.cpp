#include "tfile.h"

#include "tdir.h"
#include "terror.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace Basics {

TFile::TFile() = default;

TFile::TFile(const QString &name)
    : QFile(name)
{ }

TFile::~TFile()
{
    close();
}

// QFile empties a file opened for writing only unless it appends or
// creates a new file, and always with Truncate.
static bool emptiesOnOpen(QIODevice::OpenMode mode)
{
    if (!(mode & QIODevice::WriteOnly))
        return false;
    if (mode & QIODevice::Truncate)
        return true;
    return !(mode & (QIODevice::ReadOnly | QIODevice::Append | QIODevice::NewOnly));
}

// Emptying the file before the write lock is granted would pull the data
// away from a reader that still holds its lock. So: open without
// truncating, wait for the lock, then empty the file. Returns the locked
// descriptor.
static int openLockedAndEmpty(const QString &name, QIODevice::OpenMode mode)
{
    int flags = O_CLOEXEC | ((mode & QIODevice::ReadOnly) ? O_RDWR : O_WRONLY);
    if (!(mode & QIODevice::ExistingOnly))
        flags |= O_CREAT;
    if (mode & QIODevice::NewOnly)
        flags |= O_EXCL;
    if (mode & QIODevice::Append)
        flags |= O_APPEND;
    const int fd = ::open(QFile::encodeName(name).constData(), flags, 0666);
    if (fd < 0)
        throw TFileError(T_SOURCE, 301, 301, name);
    if (!TFileLock::lock(fd, TFileLock::WriteLock)) {
        const int err = errno;
        ::close(fd);
        throw TFileError(T_SOURCE, 318, 301, err, name);
    }
    if (::ftruncate(fd, 0) != 0) {
        const int err = errno;
        ::close(fd);
        throw TFileError(T_SOURCE, 301, 301, err, name);
    }
    return fd;
}

bool TFile::open(OpenMode mode)
{
    const QString expanded = expandEnvironment(fileName());
    if (expanded != fileName())
        setFileName(expanded);
    if (expanded.contains(QLatin1Char('%')))
        throw TFileError(T_SOURCE, 3, 301, EINVAL, expanded);
    if (emptiesOnOpen(mode)) {
        const int fd = openLockedAndEmpty(expanded, mode);
        const OpenMode fdMode
                = mode & ~(QIODevice::Truncate | QIODevice::NewOnly | QIODevice::ExistingOnly);
        if (!QFile::open(fd, fdMode, QFileDevice::AutoCloseHandle)) {
            const int err = errno;
            ::close(fd);
            throw TFileError(T_SOURCE, 301, 301, err, expanded);
        }
        m_lock = TFileLock::WriteLock;
        return true;
    }
    if (!QFile::open(mode))
        throw TFileError(T_SOURCE, 301, 301, expanded);

    const TFileLock::Mode wanted
            = (mode & QIODevice::WriteOnly) ? TFileLock::WriteLock : TFileLock::ReadLock;
    if (!TFileLock::lock(handle(), wanted)) {
        const int err = errno;
        QFile::close();
        throw TFileError(T_SOURCE, 318, 301, err, expanded);
    }
    m_lock = wanted;
    return true;
}

void TFile::close()
{
    if (!isOpen())
        return;
    flush();
    unlock();
    QFile::close();
}

void TFile::unlock()
{
    if (m_lock == TFileLock::Unlocked)
        return;
    if (isOpen()) {
        flush();
        TFileLock::unlock(handle());
    }
    m_lock = TFileLock::Unlocked;
}

qint64 TFile::readBlock(char *data, qint64 max)
{
    if (!data)
        throw TFileError(T_SOURCE, 304, 1, EINVAL, fileName());
    const qint64 n = read(data, max);
    if (n < 0)
        throw TFileError(T_SOURCE, 304, 310, fileName());
    return n;
}

QByteArray TFile::readLine()
{
    if (!isReadable())
        throw TFileError(T_SOURCE, 304, 310, EBADF, fileName());
    return QIODevice::readLine();
}

QByteArray TFile::readRest()
{
    if (!isReadable())
        throw TFileError(T_SOURCE, 304, 310, EBADF, fileName());
    QByteArray data = readAll();
    if (error() == QFileDevice::ReadError)
        throw TFileError(T_SOURCE, 304, 310, fileName());
    return data;
}

void TFile::at(qint64 position)
{
    if (!seek(position))
        throw TFileError(T_SOURCE, 306, 306, fileName());
}

int TFile::getch()
{
    char c;
    if (getChar(&c))
        return static_cast<unsigned char>(c);
    if (atEnd() && error() == QFileDevice::NoError)
        return -1;
    throw TFileError(T_SOURCE, 304, 307, fileName());
}

int TFile::putch(int ch)
{
    if (!putChar(static_cast<char>(ch)))
        throw TFileError(T_SOURCE, 305, 308, fileName());
    return ch;
}

int TFile::ungetch(int ch)
{
    if (!isReadable() || pos() == 0)
        throw TFileError(T_SOURCE, 305, 309, EINVAL, fileName());
    ungetChar(static_cast<char>(ch));
    return ch;
}

void TFile::writeBlock(const QByteArray &data)
{
    if (write(data) != data.size())
        throw TFileError(T_SOURCE, 305, 308, fileName());
}

void TFile::sync()
{
    if (!flush() || ::fsync(handle()) != 0)
        throw TFileError(T_SOURCE, 305, 308, fileName());
}

} // namespace Basics
