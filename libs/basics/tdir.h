#pragma once

#include <QDateTime>
#include <QDir>
#include <QString>

namespace Basics {

// Replaces every "$(NAME)" by the value of the environment variable NAME
// (nothing when unset), repeating from the start until no "$(" is left.
QString expandEnvironment(const QString &path);

// Expands the environment references, removes one trailing "/" or "\",
// creates the directory with its parents when `create` is set and appends
// "/". An empty path stays empty. Serialised by a process-wide mutex.
QString normalizeDir(const QString &path, bool create);

// Creates every missing directory of the path. A drive prefix ("C:") and
// the server and share of "//server/share" paths are skipped. Throws
// TDirError (201) when a directory cannot be created.
void createPath(const QString &path);

// Deletes a file, retrying while another process keeps it busy (EBUSY and
// the like; a failing disk or a refused permission fails at once). A
// missing file is no error. Throws TFileError (311) when it is still there.
void deleteFile(const QString &name);

// Renames a file (replacing the target where the system allows it),
// retrying while another process keeps it busy, as deleteFile does.
// Throws TFileError (312).
void renameFile(const QString &from, const QString &to);

// Copies durably (copyDurably of tsavefile.h: under the source's read
// lock, synced, renamed into place); true only when every byte arrived
// and the copy took the target's name.
bool copyFile(const QString &source, const QString &target);

// Flushes a directory's entries to disk (after a rename into it).
bool syncDirectory(const QString &dir);

// True when `dir` holds a regular file (or a link to one) whose name starts
// with `prefix`, in any case, and that was modified after `time`, compared
// to the millisecond. One listing of the directory and one status query per
// matching name; a missing directory holds nothing.
bool hasFileModifiedAfter(const QString &dir, const QString &prefix, const QDateTime &time);
// The same with the directory as the file system names it and the time in
// milliseconds since the epoch; touches no shared state, so threads may
// check directories side by side.
bool hasFileModifiedAfter(const QByteArray &dir, const QString &prefix, qint64 msecs);

// Pause between the retries of deleteFile and renameFile (200 ms, ten
// attempts). Tests shorten it.
void setRetryPause(int milliseconds);
int retryPause();

class TDir : public QDir
{
public:
    using QDir::QDir;

    // Throw TDirError (202 / 203) instead of returning false.
    bool remove(const QString &fileName);
    bool rename(const QString &oldName, const QString &newName);
};

} // namespace Basics
