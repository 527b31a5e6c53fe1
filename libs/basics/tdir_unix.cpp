#include "tdir.h"
#include "tdirchanges.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Basics {

namespace {

// True when the file name starts with `prefix` in any case. Names whose
// first bytes are plain ASCII are compared as bytes; others as the texts
// they decode to, as a non-ASCII letter may fold to an ASCII one.
bool startsWithPrefix(const char *name, const QString &prefix, const QByteArray &ascii)
{
    const qsizetype n = ascii.size();
    bool plain = !ascii.isNull();
    for (qsizetype i = 0; plain && i < n && name[i]; ++i)
        plain = uchar(name[i]) < 0x80;
    if (plain)
        return qstrnicmp(name, ascii.constData(), n) == 0;
    return QFile::decodeName(name).startsWith(prefix, Qt::CaseInsensitive);
}

} // namespace

bool hasFileModifiedAfter(const QString &dir, const QString &prefix, const QDateTime &time)
{
    return hasFileModifiedAfter(QFile::encodeName(dir), prefix, time.toMSecsSinceEpoch());
}

namespace {

qint64 msecsOf(const struct timespec &time)
{
    return qint64(time.tv_sec) * 1000 + time.tv_nsec / 1000000;
}

// The listing behind hasFileModifiedAfter() and hasEntriesChangedAfter().
bool changedAfter(const QByteArray &dir, const QString &prefix, qint64 msecs, bool entries)
{
    DIR *listing = ::opendir(dir.constData());
    if (!listing)
        return false;
    // the byte form of a plain ASCII prefix; null for any other
    QByteArray ascii;
    bool isAscii = true;
    for (QChar c : prefix)
        isAscii = isAscii && c.unicode() < 0x80;
    if (isAscii)
        ascii = prefix.toLatin1();
    if (ascii.isNull() && isAscii)
        ascii = QByteArray("");
    const int fd = ::dirfd(listing);
    bool newer = false;
    if (entries) {
        // a file added, removed or renamed changes the directory itself
        struct stat status;
        newer = ::fstat(fd, &status) == 0 && msecsOf(status.st_mtim) > msecs;
    }
    while (!newer) {
        const struct dirent *entry = ::readdir(listing);
        if (!entry)
            break;
        if (entry->d_name[0] == '.' || !startsWithPrefix(entry->d_name, prefix, ascii))
            continue;
        // follows links, as a file's modification time is its target's
        struct stat status;
        if (::fstatat(fd, entry->d_name, &status, 0) != 0 || !S_ISREG(status.st_mode))
            continue;
        newer = msecsOf(status.st_mtim) > msecs;
        // moved in, or copied in keeping an older modification time: its
        // status changed then, and that time cannot be set back
        if (entries && !newer)
            newer = msecsOf(status.st_ctim) > msecs;
    }
    ::closedir(listing);
    return newer;
}

} // namespace

bool hasFileModifiedAfter(const QByteArray &dir, const QString &prefix, qint64 msecs)
{
    return changedAfter(dir, prefix, msecs, false);
}

bool hasEntriesChangedAfter(const QByteArray &dir, const QString &prefix, qint64 msecs)
{
    return changedAfter(dir, prefix, msecs, true);
}

} // namespace Basics
