#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

#include <atomic>
#include <mutex>

namespace PosLib {

// Writes the cached days of one report run, from any thread: each file is
// replaced whole through a TSaveFile (synced before its rename, so a file
// holds an old day or a new one, never a part), each folder is created once
// and synced once, by finish() after the last file (or when the writer
// goes), instead of once per file. The first file that cannot be written
// ends the writing for the run (a read-only installation): later saves do
// nothing.
class TDayCacheWriter
{
public:
    TDayCacheWriter() = default;
    // Syncs the folders written into (finish()).
    ~TDayCacheWriter();
    TDayCacheWriter(const TDayCacheWriter &) = delete;
    TDayCacheWriter &operator=(const TDayCacheWriter &) = delete;

    // Replaces `file` in `dir` (created when missing) with `bytes`; false
    // when it cannot, or after an earlier failure.
    bool save(const QString &dir, const QString &file, const QByteArray &bytes);
    // Whether a save failed, and the first failure's text (for the log).
    bool failed() const { return m_failed; }
    QString failure() const;
    // Syncs each folder written into since the last call, once; false when
    // one could not be synced (the files are written, a crash may lose
    // them).
    bool finish();

private:
    mutable std::mutex m_mutex;
    QSet<QString> m_made; // folders known to be there
    QSet<QString> m_written; // folders to sync
    QString m_failure;
    std::atomic<bool> m_failed {false};
};

} // namespace PosLib
