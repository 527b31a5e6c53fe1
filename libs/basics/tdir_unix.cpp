#include "tdir.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Basics {

bool hasFileModifiedAfter(const QString &dir, const QString &prefix, const QDateTime &time)
{
    DIR *listing = ::opendir(QFile::encodeName(dir).constData());
    if (!listing)
        return false;
    const qint64 limit = time.toMSecsSinceEpoch();
    const int fd = ::dirfd(listing);
    bool newer = false;
    while (!newer) {
        const struct dirent *entry = ::readdir(listing);
        if (!entry)
            break;
        const QString name = QFile::decodeName(entry->d_name);
        if (!name.startsWith(prefix, Qt::CaseInsensitive) || name.startsWith(QLatin1Char('.')))
            continue;
        // follows links, as a file's modification time is its target's
        struct stat status;
        if (::fstatat(fd, entry->d_name, &status, 0) != 0 || !S_ISREG(status.st_mode))
            continue;
        const qint64 modified
                = qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000;
        newer = modified > limit;
    }
    ::closedir(listing);
    return newer;
}

} // namespace Basics
