// A shim preloaded into a test process (LD_PRELOAD) that counts the file
// operations on paths below one directory and fails, or kills the process
// at, the N-th of them: as a full disk, a failing disk or a power cut
// would. Only the operations of the process itself are touched; paths
// elsewhere (the libraries, /proc, the terminal) pass untouched.
//
//   VELTRUM_FAULT_ROOT    the directory whose files count (required)
//   VELTRUM_FAULT_AT      the operation to fail, from 1; 0 or unset: count only
//   VELTRUM_FAULT_ERRNO   the errno value of the failure (default ENOSPC)
//   VELTRUM_FAULT_OPS     which operations count, of "open" (any open),
//                         "create" (opens that may write), "read", "write",
//                         "fsync", "rename", "link", "unlink", "mkdir";
//                         comma-separated, default all but "create"
//   VELTRUM_FAULT_KILL    "1": end the process at once (SIGKILL) in place
//                         of failing the operation
//   VELTRUM_FAULT_PATH    only files whose absolute path contains this
//                         text count (reads, writes and syncs: those opened
//                         under such a path); unset: every file below the root
//   VELTRUM_FAULT_REPORT  a file that gets, at exit, the number of counted
//                         operations and the one failed ("open /x/a1")
//
// Written without the C++ library's allocation in the hooks: they run
// inside any system call, also during the start of the process.

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum Op {
    OpOpen,
    OpCreate,
    OpRead,
    OpWrite,
    OpFsync,
    OpRename,
    OpLink,
    OpUnlink,
    OpMkdir,
    OpCount
};
const char *const OpNames[OpCount]
        = {"open", "create", "read", "write", "fsync", "rename", "link", "unlink", "mkdir"};

constexpr int MaxFd = 65536;

struct State
{
    bool ready = false;
    char root[4096] = {};
    size_t rootLength = 0;
    long at = 0;
    int error = ENOSPC;
    bool kill = false;
    bool ops[OpCount] = {};
    char report[4096] = {};
    char filter[4096] = {};
    std::atomic<long> count {0};
    char failed[4200] = {};
    bool tracked[MaxFd] = {};
};

State &state()
{
    static State s;
    return s;
}

template<class F>
F real(const char *name)
{
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

int errnoByName(const char *text)
{
    if (!text || !*text)
        return ENOSPC;
    if (std::strcmp(text, "ENOSPC") == 0)
        return ENOSPC;
    if (std::strcmp(text, "EIO") == 0)
        return EIO;
    if (std::strcmp(text, "EDQUOT") == 0)
        return EDQUOT;
    return std::atoi(text);
}

void writeReport()
{
    State &s = state();
    if (!s.ready || !s.report[0])
        return;
    auto openReal = real<int (*)(const char *, int, ...)>("open");
    const int fd = openReal(s.report, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    char line[4400];
    const int n
            = std::snprintf(line, sizeof line, "count %ld\nfailed %s\n", s.count.load(), s.failed);
    auto writeReal = real<ssize_t (*)(int, const void *, size_t)>("write");
    if (n > 0)
        writeReal(fd, line, size_t(n));
    ::close(fd);
}

__attribute__((constructor)) void setUp()
{
    State &s = state();
    const char *root = std::getenv("VELTRUM_FAULT_ROOT");
    if (!root || !*root || std::strlen(root) >= sizeof s.root)
        return;
    std::strcpy(s.root, root);
    s.rootLength = std::strlen(root);
    const char *at = std::getenv("VELTRUM_FAULT_AT");
    s.at = at ? std::atol(at) : 0;
    s.error = errnoByName(std::getenv("VELTRUM_FAULT_ERRNO"));
    const char *kill = std::getenv("VELTRUM_FAULT_KILL");
    s.kill = kill && std::strcmp(kill, "1") == 0;
    const char *ops = std::getenv("VELTRUM_FAULT_OPS");
    // by default every kind but "create", which would count opens twice
    for (int op = 0; op < OpCount; ++op)
        s.ops[op] = (!ops || !*ops) && op != OpCreate;
    if (ops && *ops) {
        for (int op = 0; op < OpCount; ++op) {
            const char *found = std::strstr(ops, OpNames[op]);
            const size_t length = std::strlen(OpNames[op]);
            while (found) {
                const bool start = found == ops || found[-1] == ',';
                const bool end = found[length] == '\0' || found[length] == ',';
                if (start && end) {
                    s.ops[op] = true;
                    break;
                }
                found = std::strstr(found + 1, OpNames[op]);
            }
        }
    }
    const char *filter = std::getenv("VELTRUM_FAULT_PATH");
    if (filter && std::strlen(filter) < sizeof s.filter)
        std::strcpy(s.filter, filter);
    const char *report = std::getenv("VELTRUM_FAULT_REPORT");
    if (report && std::strlen(report) < sizeof s.report)
        std::strcpy(s.report, report);
    s.ready = true;
    std::atexit(writeReport);
}

// A path below the root that passes the filter.
bool counted(const char *absolute)
{
    const State &s = state();
    return std::strncmp(absolute, s.root, s.rootLength) == 0
           && (!s.filter[0] || std::strstr(absolute, s.filter));
}

// The path as an absolute one, for the comparison with the root.
bool underRoot(int dirfd, const char *path)
{
    State &s = state();
    if (!s.ready || !path)
        return false;
    if (path[0] == '/')
        return counted(path);
    char base[4096];
    if (dirfd == AT_FDCWD) {
        if (!::getcwd(base, sizeof base))
            return false;
    } else {
        char link[64];
        std::snprintf(link, sizeof link, "/proc/self/fd/%d", dirfd);
        const ssize_t n = ::readlink(link, base, sizeof base - 1);
        if (n <= 0)
            return false;
        base[n] = '\0';
    }
    const size_t length = std::strlen(base);
    if (length + 1 + std::strlen(path) >= sizeof base)
        return false;
    base[length] = '/';
    std::strcpy(base + length + 1, path);
    return counted(base);
}

bool trackedFd(int fd)
{
    State &s = state();
    return s.ready && fd >= 0 && fd < MaxFd && s.tracked[fd];
}

void track(int fd, bool on)
{
    if (fd >= 0 && fd < MaxFd)
        state().tracked[fd] = on;
}

// Counts an operation; true when it is the one to fail (errno is set).
bool hit(Op op, const char *what)
{
    State &s = state();
    if (!s.ops[op])
        return false;
    const long n = ++s.count;
    if (s.at <= 0 || n != s.at)
        return false;
    std::snprintf(s.failed, sizeof s.failed, "%s %s", OpNames[op], what ? what : "(fd)");
    if (s.kill) {
        writeReport();
        ::kill(::getpid(), SIGKILL);
    }
    errno = s.error;
    return true;
}

bool opensForWriting(int flags)
{
    return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC)) != 0;
}

int openHooked(const char *fn, int dirfd, const char *path, int flags, mode_t mode)
{
    if (underRoot(dirfd, path)) {
        if (hit(OpOpen, path))
            return -1;
        if (opensForWriting(flags) && hit(OpCreate, path))
            return -1;
    }
    int fd;
    if (dirfd == AT_FDCWD && std::strcmp(fn, "open") == 0)
        fd = real<int (*)(const char *, int, ...)>("open")(path, flags, mode);
    else if (dirfd == AT_FDCWD && std::strcmp(fn, "open64") == 0)
        fd = real<int (*)(const char *, int, ...)>("open64")(path, flags, mode);
    else if (std::strcmp(fn, "openat64") == 0)
        fd = real<int (*)(int, const char *, int, ...)>("openat64")(dirfd, path, flags, mode);
    else
        fd = real<int (*)(int, const char *, int, ...)>("openat")(dirfd, path, flags, mode);
    if (fd >= 0)
        track(fd, underRoot(dirfd, path));
    return fd;
}

mode_t modeArgument(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & __O_TMPFILE) == __O_TMPFILE ? mode_t(va_arg(args, int))
                                                                     : 0;
}

} // namespace

extern "C" {

int open(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return openHooked("open", AT_FDCWD, path, flags, mode);
}

int open64(const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return openHooked("open64", AT_FDCWD, path, flags, mode);
}

int openat(int dirfd, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return openHooked("openat", dirfd, path, flags, mode);
}

int openat64(int dirfd, const char *path, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const mode_t mode = modeArgument(flags, args);
    va_end(args);
    return openHooked("openat64", dirfd, path, flags, mode);
}

int __open_2(const char *path, int flags)
{
    return openHooked("open", AT_FDCWD, path, flags, 0);
}

int __open64_2(const char *path, int flags)
{
    return openHooked("open64", AT_FDCWD, path, flags, 0);
}

int close(int fd)
{
    track(fd, false);
    return real<int (*)(int)>("close")(fd);
}

ssize_t read(int fd, void *buffer, size_t size)
{
    if (trackedFd(fd) && hit(OpRead, nullptr))
        return -1;
    return real<ssize_t (*)(int, void *, size_t)>("read")(fd, buffer, size);
}

ssize_t write(int fd, const void *buffer, size_t size)
{
    if (trackedFd(fd) && hit(OpWrite, nullptr))
        return -1;
    return real<ssize_t (*)(int, const void *, size_t)>("write")(fd, buffer, size);
}

int fsync(int fd)
{
    if (trackedFd(fd) && hit(OpFsync, nullptr))
        return -1;
    return real<int (*)(int)>("fsync")(fd);
}

int fdatasync(int fd)
{
    if (trackedFd(fd) && hit(OpFsync, nullptr))
        return -1;
    return real<int (*)(int)>("fdatasync")(fd);
}

int rename(const char *from, const char *to)
{
    if (underRoot(AT_FDCWD, to) && hit(OpRename, to))
        return -1;
    return real<int (*)(const char *, const char *)>("rename")(from, to);
}

int renameat(int fromDir, const char *from, int toDir, const char *to)
{
    if (underRoot(toDir, to) && hit(OpRename, to))
        return -1;
    return real<int (*)(int, const char *, int, const char *)>("renameat")(fromDir, from, toDir,
                                                                           to);
}

int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned flags)
{
    if (underRoot(toDir, to) && hit(OpRename, to))
        return -1;
    return real<int (*)(int, const char *, int, const char *, unsigned)>("renameat2")(
            fromDir, from, toDir, to, flags);
}

int link(const char *from, const char *to)
{
    if (underRoot(AT_FDCWD, to) && hit(OpLink, to))
        return -1;
    return real<int (*)(const char *, const char *)>("link")(from, to);
}

int linkat(int fromDir, const char *from, int toDir, const char *to, int flags)
{
    if (underRoot(toDir, to) && hit(OpLink, to))
        return -1;
    return real<int (*)(int, const char *, int, const char *, int)>("linkat")(fromDir, from, toDir,
                                                                              to, flags);
}

int unlink(const char *path)
{
    if (underRoot(AT_FDCWD, path) && hit(OpUnlink, path))
        return -1;
    return real<int (*)(const char *)>("unlink")(path);
}

int unlinkat(int dirfd, const char *path, int flags)
{
    if (underRoot(dirfd, path) && hit(OpUnlink, path))
        return -1;
    return real<int (*)(int, const char *, int)>("unlinkat")(dirfd, path, flags);
}

int remove(const char *path)
{
    if (underRoot(AT_FDCWD, path) && hit(OpUnlink, path))
        return -1;
    return real<int (*)(const char *)>("remove")(path);
}

int mkdir(const char *path, mode_t mode)
{
    if (underRoot(AT_FDCWD, path) && hit(OpMkdir, path))
        return -1;
    return real<int (*)(const char *, mode_t)>("mkdir")(path, mode);
}

} // extern "C"
