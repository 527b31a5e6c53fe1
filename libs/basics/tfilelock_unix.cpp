#include "tfilelock.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace Basics {

static bool setLock(int fd, short type, bool wait)
{
    struct flock fl = {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0; // the whole file, also bytes appended later
    fl.l_pid = 0; // required for open-file-description locks
#ifdef F_OFD_SETLKW
    const int cmd = wait ? F_OFD_SETLKW : F_OFD_SETLK;
#else
    const int cmd = wait ? F_SETLKW : F_SETLK;
#endif
    for (;;) {
        if (::fcntl(fd, cmd, &fl) == 0)
            return true;
        if (errno != EINTR)
            return false;
    }
}

static short lockType(TFileLock::Mode mode)
{
    return mode == TFileLock::WriteLock ? F_WRLCK : F_RDLCK;
}

bool TFileLock::lock(int fd, Mode mode)
{
    if (mode == Unlocked)
        return unlock(fd);
    return setLock(fd, lockType(mode), true);
}

bool TFileLock::tryLock(int fd, Mode mode)
{
    if (mode == Unlocked)
        return unlock(fd);
    return setLock(fd, lockType(mode), false);
}

bool TFileLock::unlock(int fd)
{
    return setLock(fd, F_UNLCK, false);
}

} // namespace Basics
