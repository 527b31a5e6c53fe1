#pragma once

#include "dotnetpluginrequest.h"
#include "dotnetpluginresponse.h"

#include "tpluginbridge.h"

#include <QHash>
#include <QString>

namespace DotNetPluginLibrary {

// The connection to the plug-ins. A plug-in named "Name" lives in the
// plug-in directory, or in the file given with setPluginFile(), either as a
// program ("Name" or "Name.exe"), which gets the request XML on its standard
// input and writes the answer XML to its standard output, its exit code
// being the call's code; or as a Qt plug-in library ("libName.so",
// "Name.so", "Name.dll", ...) implementing DotNetPluginInterface. In the
// directory a program is preferred when both exist. Whether a file is a
// library is told by its plug-in metadata, not by its name, so a library
// called "VErov.dll" loads on any system.
class DotNetPluginHost : public PosLib::TPluginBridge
{
public:
    // Status codes of call() besides the plug-in's own code.
    enum Status {
        NoPlugin = 2, // the request names no plug-in
        HostError = 4, // the plug-in is missing, did not start, crashed or answered no XML
        NotInitialised = 5,
    };

    // An empty directory means "plugins" below the working directory,
    // which is the installation directory.
    explicit DotNetPluginHost(const QString &pluginDir = QString());
    ~DotNetPluginHost() override;

    // The directory the plug-ins are looked for in, ending in "/".
    QString pluginDir() const;
    // The plug-in directory for the installation `root`: its "plugins"
    // directory when there is one, else "plugins" beside the program's
    // directory (program files kept apart from the data, or a build tree).
    static QString findPluginDir(const QString &root);
    // The longest a program plug-in may run; 10 minutes by default.
    void setTimeout(int milliseconds) { m_timeout = milliseconds; }

    // Prepares the host once; always true. Without a plug-in directory the
    // host has no plug-ins, and calls of plug-ins looked up there answer
    // HostError.
    bool init() override;
    bool isInitialised() const { return m_initialised; }

    // Runs the request: NotInitialised, NoPlugin, HostError (with
    // errorText()) or the plug-in's code, its answer in response().
    int call(const DotNetPluginRequest &request);

    // Plug-in `name` is the file `path` instead of a file of the plug-in
    // directory; an empty path looks in the directory again.
    void setPluginFile(const QString &name, const QString &path);
    // The path of the plug-in's program or library; empty when missing.
    QString pluginPath(const QString &name) const;
    bool hasPlugin(const QString &name) const { return !pluginPath(name).isEmpty(); }

    const DotNetPluginResponse &response() const { return m_response; }
    QString errorText() const override { return m_errorText; }
    // The text of the last request passed to a plug-in.
    QString lastRequest() const { return m_lastRequest; }

    // The bridge form: one parameter group.
    int callPlugin(const QString &plugin, const QString &function, const QString &group,
                   const QStringList &parameters) override;
    QString resultAttribute(const QString &name,
                            const QString &defaultValue = QString()) const override;

private:
    int callProgram(const QString &program, const QString &request, QString &answer);
    int callLibrary(const QString &library, const QString &request, QString &answer);

    QString m_pluginDir;
    QHash<QString, QString> m_pluginFiles;
    bool m_initialised = false;
    int m_timeout = 10 * 60 * 1000;
    DotNetPluginResponse m_response;
    QString m_errorText;
    QString m_lastRequest;
};

} // namespace DotNetPluginLibrary
