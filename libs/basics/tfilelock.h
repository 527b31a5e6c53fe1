#pragma once

namespace Basics {

// Inter-process advisory lock on an open file descriptor. Read locks are
// shared, write locks exclusive. The lock belongs to the open file
// description, not to the process: closing some other descriptor of the
// same file (a second QFile, a stat helper, a copy) keeps it.
class TFileLock
{
public:
    enum Mode { Unlocked, ReadLock, WriteLock };

    // Waits until the lock is granted. Returns false (errno set) when the
    // system refuses it.
    static bool lock(int fd, Mode mode);
    // Tries once; false when another holder conflicts or on error.
    static bool tryLock(int fd, Mode mode);
    static bool unlock(int fd);
};

} // namespace Basics
