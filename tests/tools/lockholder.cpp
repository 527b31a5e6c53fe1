// Takes the file locks of TFile from a second process, for the lock tests.
//
//   lockholder FILE [SECONDS]      opens FILE through TFile for reading,
//                                  prints "locked" and keeps the read lock
//                                  until stdin closes or SECONDS (30) pass
//   lockholder --try-write FILE    one attempt at a write lock
//   lockholder --try-read FILE     one attempt at a read lock
//   lockholder --append FILE BYTES opens FILE read-write through TFile
//                                  (waiting for the lock as a terminal
//                                  does), appends the bytes of the file
//                                  BYTES and closes it; exits 0 when done
//
// The try modes exit 0 when the lock was granted, 1 when it was refused;
// every other failure exits 2.

#include "terror.h"
#include "tfile.h"
#include "tfilelock.h"

#include <QFile>
#include <QString>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <unistd.h>

using namespace Basics;

static int tryLock(const char *path, TFileLock::Mode mode)
{
    QFile file(QFile::decodeName(path));
    if (!file.open(mode == TFileLock::WriteLock ? QIODevice::ReadWrite : QIODevice::ReadOnly))
        return 2;
    return TFileLock::tryLock(file.handle(), mode) ? 0 : 1;
}

// Waits until stdin reaches its end or the time is up.
static void waitForRelease(int seconds)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    char buffer[256];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                until - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return;
        pollfd in = {STDIN_FILENO, POLLIN, 0};
        const int ready = ::poll(&in, 1, int(left.count()));
        if (ready < 0)
            return;
        if (ready == 0)
            continue;
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            return;
    }
}

static int append(const char *path, const char *bytesFile)
{
    QFile bytes(QFile::decodeName(bytesFile));
    if (!bytes.open(QIODevice::ReadOnly))
        return 2;
    try {
        TFile file(QFile::decodeName(path));
        file.open(QIODevice::ReadWrite);
        file.at(file.size());
        file.writeBlock(bytes.readAll());
        file.close();
    } catch (const TError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 2;
    }
    return 0;
}

int main(int argc, char **argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--try-write") == 0)
        return tryLock(argv[2], TFileLock::WriteLock);
    if (argc >= 3 && std::strcmp(argv[1], "--try-read") == 0)
        return tryLock(argv[2], TFileLock::ReadLock);
    if (argc >= 4 && std::strcmp(argv[1], "--append") == 0)
        return append(argv[2], argv[3]);
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: lockholder FILE [SECONDS] | --try-write FILE | --try-read FILE\n");
        return 2;
    }
    try {
        TFile file(QFile::decodeName(argv[1]));
        file.open(QIODevice::ReadOnly);
        std::printf("locked\n");
        std::fflush(stdout);
        waitForRelease(argc >= 3 ? std::atoi(argv[2]) : 30);
        file.close();
    } catch (const TError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
        return 2;
    }
    return 0;
}
