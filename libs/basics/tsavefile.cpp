#include "tsavefile.h"

#include "tdir.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace Basics {

namespace {

constexpr qint64 CopyBlock = 64 * 1024;

TSaveFaultHook &faultHook()
{
    static TSaveFaultHook hook;
    return hook;
}

// The errno value the hook wants `step` to fail with; 0 to go on.
int injectedFault(TSaveStep step, const QString &path)
{
    const TSaveFaultHook &hook = faultHook();
    return hook ? hook(step, path) : 0;
}

// File systems without hard links (or that refuse them) get a copy.
bool linksUnsupported(int error)
{
    return error == EPERM || error == EOPNOTSUPP || error == ENOSYS || error == EXDEV
           || error == EMLINK;
}

} // namespace

void setSaveFaultHook(TSaveFaultHook hook)
{
    faultHook() = std::move(hook);
}

TSaveFile::TSaveFile(const QString &target, const QString &temporary)
    : m_target(expandEnvironment(target))
    , m_temporary(
              temporary.isEmpty()
                      ? m_target + QStringLiteral(".%1.tmp").arg(QCoreApplication::applicationPid())
                      : expandEnvironment(temporary))
{ }

TSaveFile::~TSaveFile()
{
    cancel();
}

void TSaveFile::setBackupName(const QString &name)
{
    m_backup = expandEnvironment(name);
}

void TSaveFile::open()
{
    cancel();
    m_committed = false;
    m_error.reset();
    m_failed.reset();
    try {
        if (const int error = injectedFault(TSaveStep::Open, m_temporary))
            throw TFileError(T_SOURCE, 301, 301, error, m_temporary);
        m_file.setFileName(m_temporary);
        // Unbuffered: a full disk fails the write that meets it, not a
        // flush long after.
        m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    } catch (...) {
        m_failed = TSaveStep::Open;
        throw;
    }
    struct stat target;
    if (::stat(QFile::encodeName(m_target).constData(), &target) == 0)
        ::fchmod(m_file.handle(), target.st_mode & 07777);
}

bool TSaveFile::write(const char *data, qint64 size)
{
    if (m_error)
        return false;
    int error = 0;
    if (!m_file.isOpen())
        error = EBADF;
    else
        error = injectedFault(TSaveStep::Write, m_temporary);
    if (!error) {
        errno = 0;
        if (m_file.write(data, size) != size)
            error = errno ? errno : EIO;
    }
    if (!error)
        return true;
    m_error = TFileError(T_SOURCE, 305, 308, error, m_temporary);
    m_failed = TSaveStep::Write;
    return false;
}

void TSaveFile::commit()
{
    TSaveStep step = TSaveStep::Write;
    try {
        if (m_error)
            throw *m_error;
        if (!m_file.isOpen())
            throw TFileError(T_SOURCE, 305, 308, EBADF, m_temporary);
        // 1. the complete content on the disk under the temporary name
        step = TSaveStep::Sync;
        if (const int error = injectedFault(step, m_temporary))
            throw TFileError(T_SOURCE, 305, 308, error, m_temporary);
        m_file.sync();
        // 2. the file being replaced stays reachable as the backup
        step = TSaveStep::Link;
        if (!m_backup.isEmpty())
            keepBackup();
        // 3. one rename puts the new content in place of the old
        step = TSaveStep::Rename;
        if (const int error = injectedFault(step, m_temporary))
            throw TFileError(T_SOURCE, 312, 312, error, m_temporary);
        renameFile(m_temporary, m_target);
    } catch (...) {
        m_failed = step;
        cancel();
        throw;
    }
    // The new file keeps our write lock until this object goes: whoever
    // opens the name now waits until the caller is done with it.
    m_committed = true;
    // 4. the rename itself on the disk, unless the caller syncs the folder
    if (!m_syncDirectory)
        return;
    const QString dir = QFileInfo(m_target).path();
    int error = injectedFault(TSaveStep::SyncDir, dir);
    if (!error && !syncDirectory(dir))
        error = errno;
    if (error) {
        m_failed = TSaveStep::SyncDir;
        throw TFileError(T_SOURCE, 305, 308, error, dir);
    }
}

void TSaveFile::keepBackup()
{
    if (QFileInfo::exists(m_backup))
        deleteFile(m_backup);
    if (!QFileInfo::exists(m_target))
        return;
    const QByteArray target = QFile::encodeName(m_target);
    int error = injectedFault(TSaveStep::Link, m_backup);
    if (!error && ::link(target.constData(), QFile::encodeName(m_backup).constData()) != 0)
        error = errno;
    if (!error)
        return;
    if (!linksUnsupported(error) || !copyDurably(m_target, m_backup))
        throw TFileError(T_SOURCE, 312, 312, error, m_backup);
}

void TSaveFile::cancel()
{
    if (!m_file.isOpen())
        return;
    m_file.close();
    if (m_committed)
        return; // the temporary's name is the target's now
    // Our name, written by us: no one else's file.
    ::unlink(QFile::encodeName(m_temporary).constData());
}

bool copyDurably(const QString &source, const QString &target, const QString &temporary,
                 const std::function<void()> &afterFirstBlock)
{
    TFile in(source);
    in.open(QIODevice::ReadOnly);
    const qint64 size = in.size();
    TSaveFile out(target, temporary);
    out.open();
    QByteArray block(CopyBlock, Qt::Uninitialized);
    qint64 copied = 0;
    for (;;) {
        const qint64 n = in.readBlock(block.data(), CopyBlock);
        if (n == 0 || !out.write(block.constData(), n))
            break;
        if (copied == 0 && afterFirstBlock)
            afterFirstBlock();
        copied += n;
    }
    // A write error is thrown by commit(); a short or long copy places
    // nothing.
    if (!out.hasError() && copied != size) {
        out.cancel();
        return false;
    }
    out.commit();
    return true;
}

} // namespace Basics
