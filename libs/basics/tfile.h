#pragma once

#include <QFile>

#include "tfilelock.h"

namespace Basics {

// A file that holds an inter-process lock while it is open: a shared read
// lock when opened for reading only, an exclusive write lock as soon as the
// mode includes writing. Every failure is thrown as TFileError, which
// always names the file.
//
// open() tries the lock a bounded number of times with a pause between the
// attempts (by default 50 × 100 ms, the table files' figure; setLockRetry()
// sets the file kind's own). Once the lock is granted it checks that the
// name still leads to the locked file: a writer that replaced the file
// through a temporary and a rename while we waited leaves us holding a
// lock on a deleted file, whose changes nobody would ever see. The file is
// then opened and locked again under its name.
//
// A lock that this process already holds on the same file through another
// TFile is never waited for: a second reader shares it, but a writer
// beside a reader (or a second writer) is refused at once with reason 318
// and EDEADLK, since that wait could never end.
class TFile : public QFile
{
public:
    TFile();
    explicit TFile(const QString &name);
    ~TFile() override;

    // The name as given (expanded by open()); kept also while the file is
    // open, for error texts.
    QString fileName() const override { return m_name; }
    void setFileName(const QString &name);

    // Attempts at the lock and the pause after each refused one. One
    // attempt makes open() fail at once when another process holds a
    // conflicting lock (for callers that run their own retries).
    void setLockRetry(int attempts, int pauseMs);

    // Expands "$(NAME)" references in the name, opens and locks.
    // Throws TFileError: reason 3 (name still holds "%"), 301 (open
    // failed), 318 (lock refused or held by this process; the file is
    // closed again); code 301.
    bool open(OpenMode mode) override;
    // Flushes, releases the lock and closes. Harmless when not open.
    void close() override;

    TFileLock::Mode lockMode() const { return m_lock; }
    bool isLocked() const { return m_lock != TFileLock::Unlocked; }
    // Releases the lock but keeps the file open.
    void unlock();

    // Reads up to max bytes; throws on a null buffer (304/1) or a read
    // error (304/310). Returns the count read, 0 at the end.
    qint64 readBlock(char *data, qint64 max);
    // Reads one line including its end; throws on read error (304/310).
    QByteArray readLine();
    // Reads everything that is left; throws on read error (304/310), and
    // refuses (304/313, EFBIG) a file larger than maxReadSize().
    QByteArray readRest();
    // Position; setting it throws on failure (306/306).
    qint64 at() const { return pos(); }
    void at(qint64 position);
    // One byte: -1 at the end; throws on other read errors (304/307).
    int getch();
    // Writes one byte; throws on write error (305/308).
    int putch(int ch);
    // Pushes one byte back; throws on error (305/309).
    int ungetch(int ch);
    // Writes all bytes; throws on a short write (305/308).
    void writeBlock(const QByteArray &data);
    // Flushes Qt's buffer and the system's caches to the disk; throws on
    // failure (305/308). Call before renaming a freshly written file.
    void sync();

    // The largest file readRest() reads whole: 256 MB, or the megabytes
    // the environment variable "POS_MAXFILEMB" names. A data file beyond
    // it is damaged or no data file at all.
    static qint64 maxReadSize();
    static void setMaxReadSize(qint64 bytes);

private:
    int openLocked(OpenMode mode, TFileLock::Mode wanted);
    bool lockWithRetries(int fd, TFileLock::Mode wanted);

    QString m_name;
    TFileLock::Mode m_lock = TFileLock::Unlocked;
    int m_lockAttempts = 50;
    int m_lockPauseMs = 100;
    quint64 m_device = 0;
    quint64 m_inode = 0;
};

// True when `error` is a lock that another process holds: the one failure
// of an open worth waiting for. A file or disk that fails, a file that is
// not there and a lock this process holds itself (no wait would end) are
// not: retrying them only delays the message.
class TFileError;
bool isLockBusy(const TFileError &error);

} // namespace Basics
