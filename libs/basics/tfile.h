#pragma once

#include <QFile>

#include "tfilelock.h"

namespace Basics {

// A file that holds an inter-process lock while it is open: a shared read
// lock when opened for reading only, an exclusive write lock as soon as the
// mode includes writing. open() waits until the lock is granted. Every
// failure is thrown as TFileError.
class TFile : public QFile
{
public:
    TFile();
    explicit TFile(const QString &name);
    ~TFile() override;

    // Expands "$(NAME)" references in the name, opens and locks.
    // Throws TFileError: reason 3 (name still holds "%"), 301 (open
    // failed), 318 (lock refused; the file is closed again); code 301.
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
    // Reads everything that is left; throws on read error (304/310).
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

private:
    TFileLock::Mode m_lock = TFileLock::Unlocked;
};

} // namespace Basics
