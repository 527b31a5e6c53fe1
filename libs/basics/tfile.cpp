#include "tfile.h"
#include "tfileread.h"

#include "tdir.h"
#include "terror.h"

#include <QHash>
#include <QMutex>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Basics {

namespace {

// How often a file that was replaced while we waited for its lock is
// opened again before we give up (a writer rewriting it without pause).
constexpr int ReplacedAttempts = 100;

// 256 MB, or the megabytes that "POS_MAXFILEMB" names.
qint64 &maxRead()
{
    static qint64 bytes = [] {
        bool ok = false;
        const qint64 mb = qEnvironmentVariable("POS_MAXFILEMB").toLongLong(&ok);
        return (ok && mb > 0 ? mb : 256) * 1024 * 1024;
    }();
    return bytes;
}

// The locks this process holds through TFile, by device and inode: the
// number of read and of write locks. Locks of open file descriptions
// conflict between two descriptors of the same process too, so a second
// TFile on a file we hold must not wait for ourselves.
struct TOwnLocks
{
    QMutex mutex;
    QHash<QPair<quint64, quint64>, QPair<int, int>> held;
};

// Never destroyed: files of other static objects (the logger's) close
// after the statics of this file are gone.
TOwnLocks &ownLocks()
{
    static TOwnLocks *locks = new TOwnLocks;
    return *locks;
}

bool conflictsWithOwn(quint64 device, quint64 inode, TFileLock::Mode wanted)
{
    TOwnLocks &own = ownLocks();
    QMutexLocker guard(&own.mutex);
    const QPair<int, int> held = own.held.value({device, inode});
    return held.second > 0 || (wanted == TFileLock::WriteLock && held.first > 0);
}

void noteOwn(quint64 device, quint64 inode, TFileLock::Mode mode, int change)
{
    TOwnLocks &own = ownLocks();
    QMutexLocker guard(&own.mutex);
    QPair<int, int> &held = own.held[{device, inode}];
    (mode == TFileLock::WriteLock ? held.second : held.first) += change;
    if (held.first <= 0 && held.second <= 0)
        own.held.remove({device, inode});
}

// QFile empties a file opened for writing only unless it appends or
// creates a new file, and always with Truncate.
bool emptiesOnOpen(QIODevice::OpenMode mode)
{
    if (!(mode & QIODevice::WriteOnly))
        return false;
    if (mode & QIODevice::Truncate)
        return true;
    return !(mode & (QIODevice::ReadOnly | QIODevice::Append | QIODevice::NewOnly));
}

int openFlags(QIODevice::OpenMode mode)
{
    int flags = O_CLOEXEC;
    if (!(mode & QIODevice::WriteOnly))
        return flags | O_RDONLY;
    flags |= (mode & QIODevice::ReadOnly) ? O_RDWR : O_WRONLY;
    if (!(mode & QIODevice::ExistingOnly))
        flags |= O_CREAT;
    if (mode & QIODevice::NewOnly)
        flags |= O_EXCL;
    if (mode & QIODevice::Append)
        flags |= O_APPEND;
    return flags;
}

// True when `path` still names the file open as `fd`: not deleted, not
// replaced by a rename.
bool stillNamed(int fd, const QByteArray &path, struct stat &held)
{
    struct stat named;
    if (::fstat(fd, &held) != 0 || held.st_nlink == 0)
        return false;
    if (::stat(path.constData(), &named) != 0)
        return false;
    return held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

} // namespace

TFile::TFile() = default;

TFile::TFile(const QString &name)
    : QFile(name)
    , m_name(name)
{ }

TFile::~TFile()
{
    close();
}

void TFile::setFileName(const QString &name)
{
    m_name = name;
    QFile::setFileName(name);
}

void TFile::setLockRetry(int attempts, int pauseMs)
{
    m_lockAttempts = qMax(1, attempts);
    m_lockPauseMs = qMax(0, pauseMs);
}

qint64 TFile::maxReadSize()
{
    return maxRead();
}

void TFile::setMaxReadSize(qint64 bytes)
{
    maxRead() = bytes;
}

bool TFile::lockWithRetries(int fd, TFileLock::Mode wanted)
{
    for (int attempt = 1;; ++attempt) {
        if (TFileLock::tryLock(fd, wanted))
            return true;
        if (errno != EAGAIN && errno != EACCES && errno != EINTR)
            return false;
        if (attempt >= m_lockAttempts) {
            errno = EAGAIN;
            return false;
        }
        QThread::msleep(m_lockPauseMs);
    }
}

// Opens, locks and checks; returns the descriptor, locked, of the file that
// the name leads to. Emptying the file waits for the write lock, so a
// waiting writer never pulls the data away from a reader that holds its
// lock.
int TFile::openLocked(OpenMode mode, TFileLock::Mode wanted)
{
    const QByteArray path = QFile::encodeName(m_name);
    for (int round = 1;; ++round) {
        const int fd = ::open(path.constData(), openFlags(mode), 0666);
        if (fd < 0)
            throw TFileError(T_SOURCE, 301, 301, errno, m_name);
        struct stat held;
        if (::fstat(fd, &held) != 0) {
            const int err = errno;
            ::close(fd);
            throw TFileError(T_SOURCE, 301, 301, err, m_name);
        }
        if (conflictsWithOwn(held.st_dev, held.st_ino, wanted)) {
            ::close(fd);
            throw TFileError(T_SOURCE, 318, 301, EDEADLK, m_name);
        }
        if (!lockWithRetries(fd, wanted)) {
            const int err = errno;
            ::close(fd);
            throw TFileError(T_SOURCE, 318, 301, err, m_name);
        }
        if (stillNamed(fd, path, held)) {
            if (emptiesOnOpen(mode) && ::ftruncate(fd, 0) != 0) {
                const int err = errno;
                ::close(fd);
                throw TFileError(T_SOURCE, 301, 301, err, m_name);
            }
            m_device = held.st_dev;
            m_inode = held.st_ino;
            return fd;
        }
        // replaced or deleted while we waited: our lock guards nothing
        ::close(fd);
        if (round >= ReplacedAttempts)
            throw TFileError(T_SOURCE, 318, 301, ESTALE, m_name);
    }
}

bool TFile::open(OpenMode mode)
{
    if (isOpen())
        close();
    const QString expanded = expandEnvironment(m_name.isEmpty() ? QFile::fileName() : m_name);
    m_name = expanded;
    if (expanded.contains(QLatin1Char('%')))
        throw TFileError(T_SOURCE, 3, 301, EINVAL, expanded);
    if (expanded.isEmpty())
        throw TFileError(T_SOURCE, 301, 301, ENOENT, expanded);

    const TFileLock::Mode wanted
            = (mode & QIODevice::WriteOnly) ? TFileLock::WriteLock : TFileLock::ReadLock;
    const int fd = openLocked(mode, wanted);
    const OpenMode fdMode
            = mode & ~(QIODevice::Truncate | QIODevice::NewOnly | QIODevice::ExistingOnly);
    if (!QFile::open(fd, fdMode, QFileDevice::AutoCloseHandle)) {
        const int err = errno;
        ::close(fd);
        throw TFileError(T_SOURCE, 301, 301, err, expanded);
    }
    m_lock = wanted;
    noteOwn(m_device, m_inode, m_lock, +1);
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
    noteOwn(m_device, m_inode, m_lock, -1);
    m_lock = TFileLock::Unlocked;
}

qint64 TFile::readBlock(char *data, qint64 max)
{
    if (!data)
        throw TFileError(T_SOURCE, 304, 1, EINVAL, m_name);
    const qint64 n = read(data, max);
    if (n < 0)
        throw TFileError(T_SOURCE, 304, 310, m_name);
    return n;
}

QByteArray TFile::readLine()
{
    if (!isReadable())
        throw TFileError(T_SOURCE, 304, 310, EBADF, m_name);
    return QIODevice::readLine();
}

QByteArray TFile::readRest()
{
    if (!isReadable())
        throw TFileError(T_SOURCE, 304, 310, EBADF, m_name);
    if (size() - pos() > maxRead())
        throw TFileError(T_SOURCE, 304, 313, EFBIG, m_name);
    QByteArray data = readAll();
    if (error() == QFileDevice::ReadError)
        throw TFileError(T_SOURCE, 304, 310, m_name);
    return data;
}

void TFile::at(qint64 position)
{
    if (!seek(position))
        throw TFileError(T_SOURCE, 306, 306, m_name);
}

int TFile::getch()
{
    char c;
    if (getChar(&c))
        return static_cast<unsigned char>(c);
    if (atEnd() && error() == QFileDevice::NoError)
        return -1;
    throw TFileError(T_SOURCE, 304, 307, m_name);
}

int TFile::putch(int ch)
{
    if (!putChar(static_cast<char>(ch)))
        throw TFileError(T_SOURCE, 305, 308, m_name);
    return ch;
}

int TFile::ungetch(int ch)
{
    if (!isReadable() || pos() == 0)
        throw TFileError(T_SOURCE, 305, 309, EINVAL, m_name);
    ungetChar(static_cast<char>(ch));
    return ch;
}

void TFile::writeBlock(const QByteArray &data)
{
    if (write(data) != data.size())
        throw TFileError(T_SOURCE, 305, 308, m_name);
}

void TFile::sync()
{
    if (!flush() || ::fsync(handle()) != 0)
        throw TFileError(T_SOURCE, 305, 308, m_name);
}

namespace {

// Reads `fd` to its end into `buffer` from its start on. `expected` is the
// file's size as its status gives it (-1 unknown): the buffer is given room
// for that and a byte more, so that a file is read without growing the
// buffer and copying what was read; one that grows meanwhile is read on.
qsizetype readToEnd(int fd, QByteArray &buffer, const QString &name, qint64 expected)
{
    constexpr qsizetype Step = 64 * 1024;
    if (expected > maxRead())
        throw TFileError(T_SOURCE, 304, 313, EFBIG, name);
    const qsizetype room = expected >= 0 ? qsizetype(expected) + 1 : Step;
    if (buffer.size() < room)
        buffer.resize(room);
    qsizetype size = 0;
    for (;;) {
        if (size == buffer.size())
            buffer.resize(std::max(buffer.size() * 2, size + Step));
        const ssize_t n = ::read(fd, buffer.data() + size, size_t(buffer.size() - size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw TFileError(T_SOURCE, 304, 310, errno, name);
        }
        if (n == 0)
            return size;
        size += qsizetype(n);
        if (size > maxRead())
            throw TFileError(T_SOURCE, 304, 313, EFBIG, name);
    }
}

// The plain case in few system calls: the lock granted at once and the name
// still leading to the locked file. -1 when it is not that case, the file
// closed again and nothing thrown (TFile then takes the long way, with its
// waits and its messages). A file that cannot be opened throws what
// TFile::open throws.
qsizetype readWholeAtOnce(const QString &name, QByteArray &buffer)
{
    if (name.contains(QLatin1Char('$')) || name.contains(QLatin1Char('%')))
        return -1;
    const QByteArray path = QFile::encodeName(name);
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    // as TFile::open fails: not tried a second time
    if (fd < 0)
        throw TFileError(T_SOURCE, 301, 301, errno, name);
    struct stat held, named;
    if (!TFileLock::tryLock(fd, TFileLock::ReadLock) || ::fstat(fd, &held) != 0
        || held.st_nlink == 0 || ::stat(path.constData(), &named) != 0
        || held.st_dev != named.st_dev || held.st_ino != named.st_ino) {
        ::close(fd);
        return -1;
    }
    noteOwn(held.st_dev, held.st_ino, TFileLock::ReadLock, +1);
    qsizetype size = 0;
    try {
        size = readToEnd(fd, buffer, name, S_ISREG(held.st_mode) ? held.st_size : -1);
    } catch (...) {
        noteOwn(held.st_dev, held.st_ino, TFileLock::ReadLock, -1);
        ::close(fd);
        throw;
    }
    // closing the only descriptor of the description releases the lock
    noteOwn(held.st_dev, held.st_ino, TFileLock::ReadLock, -1);
    ::close(fd);
    return size;
}

} // namespace

qsizetype readWholeFile(const QString &name, QByteArray &buffer)
{
    const qsizetype size = readWholeAtOnce(name, buffer);
    if (size >= 0)
        return size;
    TFile file(name);
    file.open(QIODevice::ReadOnly);
    struct stat status;
    const bool regular = ::fstat(file.handle(), &status) == 0 && S_ISREG(status.st_mode);
    return readToEnd(file.handle(), buffer, file.fileName(), regular ? status.st_size : -1);
}

bool isLockBusy(const TFileError &error)
{
    return error.reason() == 318 && error.osError() != EDEADLK;
}

} // namespace Basics
