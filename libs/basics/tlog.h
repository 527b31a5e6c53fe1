#pragma once

#include "tfile.h"
#include "ttcpclient.h"

#include <QDate>
#include <QDateTime>
#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

namespace Basics {

// The process logger. Entries go to a local log file (when the logger has a
// file name), to a remote log collector (when a log host is configured) and
// to the signal logged(), which user interfaces may connect to.
//
// Configuration from the environment (a variable counts when set and not
// empty):
//   "KORVAL_LOGLEVEL"  level name of levelName(), any case; unknown = 0
//   "KORVAL_LOGHOST"   remote host; without it nothing is sent
//   "KORVAL_LOGPORT"   remote port (default 4307; used with a host only)
//   "KORVAL_LOGMAX"    file size limit in bytes (default 0x500000, decimal
//                      or "0x" hexadecimal); 0 rotates the file daily
// An unparsable port or size, a port outside 1-65535 and a negative size
// keep the default.
//
// Local line: "yyyy.MM.dd hh:mm:ss:zzz [module]:[class]:[w:station]entry"
// and CR LF, in UTF-16 little-endian; a new file starts with the byte
// order mark.
//
// Rotation:
// - size limit 0: on the first entry of a new day the file is renamed to
//   "yyyy-MM-dd." + its name (the date of the day that ended) in the same
//   directory, replacing an older file of that name;
// - otherwise, once the file has grown past the limit it is renamed to its
//   path without the extension plus ".old" ("logs/app.log" ->
//   "logs/app.old"). The extension starts at the first "." of the file
//   name after its first character, so dots in directory names and the
//   leading dot of a hidden file do not count; a name without one gets
//   ".old" appended. The next entry starts a new file.
// A file that cannot be opened or renamed never stops the logging: the
// line is skipped, or the file goes on growing.
//
// Every write holds the logger's mutex, so entries from several threads
// never interleave, and rotation and the remote message belong to their
// entry.
class TLog : public QObject
{
    Q_OBJECT

public:
    enum Level {
        Off = 0,
        Fatal = 1,
        Error = 2,
        Warning = 3,
        Info = 4,
        Detailed = 5,
        Debug = 6,
        Prof = 7,
        All = 8,
    };

    static constexpr int DefaultPort = 4307;
    static constexpr int DefaultMaxSize = 0x500000;

    // The clock gives the time of each entry and the day for rotation.
    using Clock = std::function<QDateTime()>;

    // Reads the environment. An empty name writes no local file. Without a
    // clock the system time is used.
    explicit TLog(const QString &fileName = QString(), Clock clock = Clock(),
                  QObject *parent = nullptr);
    ~TLog() override;

    // The process-wide logger, created during static initialisation. It has
    // no file name, so only the remote output and the signal are active.
    static TLog &instance();

    // Resets level, host, port and size limit to their defaults and applies
    // the environment variables again.
    void readEnvironment();

    // Writes the entry whatever the configured level; module and class
    // names may be null.
    void write(int level, const QString &entry, const char *module = nullptr,
               const char *klass = nullptr);
    // Writes the entry only when enabled(level).
    void log(int level, const QString &entry, const char *module = nullptr,
             const char *klass = nullptr);
    // True when the configured level is at least `level` (and `level` is
    // above "OFF").
    bool enabled(int level) const { return level > Off && m_level.load() >= level; }

    int level() const { return m_level.load(); }
    void setLevel(int level);
    int maxSize() const;
    void setMaxSize(int bytes);
    QString host() const;
    int port() const;
    // An empty host switches the remote output off.
    void setRemote(const QString &host, int port = DefaultPort);
    // Time-outs of the remote output; see TTcpClient.
    void setRemoteTimeouts(int connectMs, int replyMs, int backoffMs);
    // True while an undeliverable message keeps the logger away from the
    // collector.
    bool remoteBackingOff() const;

    int station() const { return m_station; }
    QString fileName() const;
    // Closes the current file; the next entry opens the new one.
    void setFileName(const QString &fileName);
    // The day the current file belongs to.
    QDate currentDate() const;

    // "OFF" ... "ALL"; an empty string outside 0-8.
    static QString levelName(int level);
    // The level of a name, any case, surrounding blanks ignored; 0 when
    // unknown.
    static int levelFromName(const QString &name);
    // The program's file name without directory and extension; "app"
    // without an application object.
    static QString programName();

signals:
    // Every written entry, as its local line without the line end. Emitted
    // in the writing thread after the logger's mutex has been released.
    void logged(int level, const QString &line);

private:
    QDateTime now() const;
    void sendRemote(const QDateTime &time, int level, const QString &entry, const QString &module,
                    const QString &klass);
    void rotateDaily(const QDate &today);
    void appendLine(const QString &line);
    void rotateBySize();
    QString localPath() const;

    int m_station = 0;
    TFile m_file;
    QString m_fileName;
    std::atomic<int> m_level {Off};
    int m_maxSize = DefaultMaxSize;
    QDate m_date;
    mutable QMutex m_mutex;
    QString m_host;
    int m_port = DefaultPort;
    TTcpClient m_client;
    Clock m_clock;
};

// Level helpers on the process-wide logger: each writes only when the
// configured level is at least its own.
void logFatal(const QString &entry, const char *module = nullptr, const char *klass = nullptr);
void logError(const QString &entry, const char *module = nullptr, const char *klass = nullptr);
void logWarning(const QString &entry, const char *module = nullptr, const char *klass = nullptr);
void logInfo(const QString &entry, const char *module = nullptr, const char *klass = nullptr);
void logDetailed(const QString &entry, const char *module = nullptr, const char *klass = nullptr);
void logDebug(const QString &entry, const char *module = nullptr, const char *klass = nullptr);
void logProf(const QString &entry, const char *module = nullptr, const char *klass = nullptr);
void logAll(const QString &entry, const char *module = nullptr, const char *klass = nullptr);

} // namespace Basics
