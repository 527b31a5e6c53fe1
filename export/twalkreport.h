#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

class QProcess;

namespace DotNetPluginLibrary {

class DotNetPluginHost;
class DotNetPluginRequest;

// The choices of one walk report run in the reports document.
struct TWalkOptions
{
    int walkId = 0;
    QDate from;
    QDate to;
    int outlet = 0;
    int filter = 0; // summary filter id, 0 = none
    bool openTables = false;
    bool withoutCredits = false;
    int inTurnoverType = 0;
    int traineeType = 0;
    QString path; // installation base path; "." when empty
    QString file; // the report file, see TWalkReport::prepare()
    std::optional<int> reportWaiter; // the host's report waiter, if any
};

// One run of an external walk report: the report plug-in "VErov" when
// "VErov.dll" is in the working directory, else the program "./walk.exe".
// Either writes a UTF-8 report file, which takeReport() reads and deletes.
class TWalkReport
{
public:
    // `workingDir` is the directory "var/reports" and "./walk.exe" are
    // relative to; empty means the current directory.
    explicit TWalkReport(const QString &workingDir = QString());

    // The report file name of a run:
    // "<reports>walkreport-<id>-0-dd.MM.yyyy-hh.mm.ss.wrp".
    static QString reportFileName(const QString &reportsDir, int walkId, const QDateTime &now);
    // Creates "var/reports" and remembers the file name of a run started
    // `now`; returns it. Throws Basics::TDirError.
    QString prepare(int walkId, const QDateTime &now);
    QString fileName() const { return m_fileName; }

    // True when "VErov.dll" is in the working directory; plug-ins of the
    // host's plug-in directory do not count.
    bool usePlugin() const;
    // "VErov.dll" in the working directory: the file runPlugin() loads.
    QString pluginFile() const;

    // The parameter lines ("name^=|value") handed to the plug-in.
    static QStringList parameters(const TWalkOptions &options);
    // The plug-in request: "VErov", "CallFunction", group "walksettings".
    static DotNetPluginRequest pluginRequest(const QStringList &parameters);
    // The arguments of "./walk.exe", "name=value" for the parameters the
    // program knows.
    static QStringList programArguments(const QStringList &parameters);

    // Runs the plug-in pluginFile() through `host`. True on success; else
    // `title` and `message` hold the text to show the user.
    bool runPlugin(DotNetPluginHost &host, const QStringList &parameters, QString *title,
                   QString *message) const;
    // Starts "./walk.exe" in `process`; false with `message` when it
    // cannot be started. The caller shows the report when it has finished.
    bool startProgram(QProcess &process, const QStringList &parameters, QString *message) const;
    QString programPath() const;

    // Reads the report file line by line, deletes it and forgets its name.
    // Failures are logged and give what could be read.
    QStringList takeReport();

private:
    QString m_workingDir;
    QString m_fileName;
};

} // namespace DotNetPluginLibrary
