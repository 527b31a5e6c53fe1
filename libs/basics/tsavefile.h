#pragma once

#include "terror.h"
#include "tfile.h"

#include <QString>

#include <functional>
#include <optional>

namespace Basics {

// The system steps of TSaveFile and copyDurably, in their order.
enum class TSaveStep {
    Open, // creating the temporary
    Write, // each write into it
    Sync, // flush and fsync before the rename
    Link, // the backup's hard link
    Rename, // the temporary over the target
    SyncDir, // fsync of the directory after the rename
};

// Replaces a file safely, in the manner of QSaveFile: the new content goes
// to a temporary file beside the target, and only a complete, synced
// temporary is renamed over the target. Readers therefore see the old file
// or the new one, never a part of it, and the target's name is present at
// every instant, also after a crash or a failure at any step.
//
//     TSaveFile file(path);
//     file.open();
//     file.write(bytes);
//     file.commit(); // throws; the old file stays when it does
//
// The temporary is written through TFile and holds its write lock until
// the rename is done, and beyond: the new file stays locked until the
// TSaveFile is destroyed (or cancel() is called), so a caller that still
// holds the old file's lock finishes its work before anyone else gets the
// new one.
class TSaveFile
{
public:
    // `temporary` names the file the content is written to (the table
    // files' ".tmp", the lists' ".new"); by default the target + "." +
    // process id + ".tmp". "$(NAME)" references are expanded in both.
    explicit TSaveFile(const QString &target, const QString &temporary = QString());
    // Cancels an uncommitted save.
    ~TSaveFile();
    TSaveFile(const TSaveFile &) = delete;
    TSaveFile &operator=(const TSaveFile &) = delete;

    // Keeps the file being replaced under `name` (the lists' ".old"): at
    // commit, an earlier file of that name is deleted and `name` becomes a
    // hard link of the current target (a copy where the file system has no
    // links) before the temporary is renamed over the target. Never two
    // renames in a row: the target's name is never missing.
    void setBackupName(const QString &name);

    // Creates or empties the temporary and takes its write lock (waiting
    // for another holder). An existing target's permissions carry over.
    // Throws TFileError (301 open, 318 lock refused).
    void open();
    // The lock attempts of open() (TFile::setLockRetry).
    void setLockRetry(int attempts, int pauseMs) { m_file.setLockRetry(attempts, pauseMs); }
    bool isOpen() const { return m_file.isOpen(); }
    // Whether commit() syncs the directory after the rename (by default).
    // Off for a caller that saves many files into one folder and syncs it
    // once after the last (syncDirectory()): each file is still synced
    // before its rename, so its name holds the old content or the whole
    // new one; only the renames may be lost to a crash before that sync.
    void setSyncDirectory(bool sync) { m_syncDirectory = sync; }

    // Appends bytes to the temporary. After the first failure nothing more
    // is written and every call returns false; commit() then fails with
    // that error.
    bool write(const QByteArray &bytes) { return write(bytes.constData(), bytes.size()); }
    bool write(const char *data, qint64 size);
    bool hasError() const { return m_error.has_value(); }
    // The step that failed, if one did (open, a write or commit).
    std::optional<TSaveStep> failedStep() const { return m_failed; }

    // Puts the new content in place: flush and fsync the temporary, keep
    // the backup, rename the temporary over the target (one ::rename,
    // retried like renameFile), fsync the directory (unless turned off).
    // On a failure before the rename the temporary is removed, the target
    // is untouched and the error is thrown: the first write error
    // (305/308), a failed sync (305/308), a failed backup (311/312) or
    // rename (312). A failed sync of the directory after the rename is
    // thrown as 305/308 too; the target then already holds the new content.
    void commit();
    // Removes the temporary; the target stays as it was. After commit()
    // it only releases the new file's lock. Harmless when not open.
    void cancel();

    QString fileName() const { return m_target; }
    QString temporaryName() const { return m_temporary; }
    QString backupName() const { return m_backup; }

private:
    void keepBackup();

    QString m_target;
    QString m_temporary;
    QString m_backup;
    TFile m_file;
    std::optional<TFileError> m_error;
    std::optional<TSaveStep> m_failed;
    bool m_committed = false;
    bool m_syncDirectory = true;
};

// Copies `source` durably to `target`: reads under the source's read lock
// into a TSaveFile of the target (with `temporary` as its temporary, if
// given), then commits it. `afterFirstBlock` is called once the first
// block is written. Returns false, placing nothing, when fewer or more
// bytes arrived than the source held when it was opened. Throws the
// TFileError of a failed open, read or commit; the target is then
// untouched.
bool copyDurably(const QString &source, const QString &target, const QString &temporary = QString(),
                 const std::function<void()> &afterFirstBlock = {});

// ---- fault hook ------------------------------------------------------------

// A test hook consulted before every step with the path it concerns (the
// temporary; for Link the backup; for SyncDir the directory). A non-zero
// result makes the step fail with that errno value without doing it; 0
// lets it run. A test can count calls to fail the N-th write, or end the
// process at a step to leave the files as a crash would. Not for use in
// the product; set it only while no save runs. An empty hook (the
// default) costs one test per step.
using TSaveFaultHook = std::function<int(TSaveStep step, const QString &path)>;
void setSaveFaultHook(TSaveFaultHook hook);

} // namespace Basics
