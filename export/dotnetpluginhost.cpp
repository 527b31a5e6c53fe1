#include "dotnetpluginhost.h"

#include "dotnetplugininterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QPluginLoader>
#include <QProcess>

namespace DotNetPluginLibrary {

namespace {

// A library by its name on this system ("libEcho.so"), or any file that
// carries Qt plug-in metadata ("VErov.dll" built here).
bool isPluginLibrary(const QString &path)
{
    return QLibrary::isLibrary(path) || !QPluginLoader(path).metaData().isEmpty();
}

} // namespace

DotNetPluginHost::DotNetPluginHost(const QString &pluginDir)
    : m_pluginDir(pluginDir)
{ }

DotNetPluginHost::~DotNetPluginHost() = default;

QString DotNetPluginHost::pluginDir() const
{
    QString dir = m_pluginDir.isEmpty() ? QStringLiteral("plugins") : m_pluginDir;
    dir = QDir::cleanPath(QDir::fromNativeSeparators(dir));
    return dir.endsWith(QLatin1Char('/')) ? dir : dir + QLatin1Char('/');
}

QString DotNetPluginHost::findPluginDir(const QString &root)
{
    const QString own
            = QDir(root.isEmpty() ? QStringLiteral(".") : root).filePath(QStringLiteral("plugins"));
    if (QFileInfo(own).isDir() || !QCoreApplication::instance())
        return QDir::cleanPath(own) + QLatin1Char('/');
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1String("/../plugins"))
           + QLatin1Char('/');
}

bool DotNetPluginHost::init()
{
    m_initialised = true;
    return true;
}

void DotNetPluginHost::setPluginFile(const QString &name, const QString &path)
{
    if (path.isEmpty())
        m_pluginFiles.remove(name);
    else
        m_pluginFiles.insert(name, path);
}

QString DotNetPluginHost::pluginPath(const QString &name) const
{
    const auto file = m_pluginFiles.constFind(name);
    if (file != m_pluginFiles.cend())
        return QFileInfo(*file).isFile() ? *file : QString();
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QString();
    const QString dir = pluginDir();
    for (const QString &program : {name, name + QLatin1String(".exe")}) {
        const QFileInfo info(dir + program);
        if (info.isFile() && info.isExecutable())
            return info.filePath();
    }
    for (const QString &library :
         {QLatin1String("lib") + name + QLatin1String(".so"), name + QLatin1String(".so"),
          name + QLatin1String(".dll"), QLatin1String("lib") + name + QLatin1String(".dylib")}) {
        const QFileInfo info(dir + library);
        if (info.isFile())
            return info.filePath();
    }
    return QString();
}

int DotNetPluginHost::call(const DotNetPluginRequest &request)
{
    if (!m_initialised)
        return NotInitialised;
    const QString name = request.plugin();
    if (name.isEmpty())
        return NoPlugin;

    m_lastRequest = request.toString();
    m_response.clear();
    const QString path = pluginPath(name);
    if (path.isEmpty()) {
        m_errorText = QStringLiteral("Plug-in %1 not found in %2")
                              .arg(name, m_pluginFiles.value(name, pluginDir()));
        return HostError;
    }

    QString answer;
    const int code = isPluginLibrary(path) ? callLibrary(path, m_lastRequest, answer)
                                           : callProgram(path, m_lastRequest, answer);
    if (!m_errorText.isEmpty())
        return HostError;
    if (!m_response.parse(answer)) {
        m_errorText = QStringLiteral("Plug-in %1 answered no XML").arg(name);
        return HostError;
    }
    return code;
}

int DotNetPluginHost::callProgram(const QString &program, const QString &request, QString &answer)
{
    m_errorText.clear();
    QProcess process;
    process.setProgram(program);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start();
    if (!process.waitForStarted()) {
        m_errorText = QStringLiteral("Could not start %1: %2").arg(program, process.errorString());
        return HostError;
    }
    process.write(request.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(m_timeout)) {
        process.kill();
        process.waitForFinished();
        m_errorText = QStringLiteral("%1 did not finish in time").arg(program);
        return HostError;
    }
    if (process.exitStatus() != QProcess::NormalExit) {
        m_errorText = QStringLiteral("%1 crashed").arg(program);
        return HostError;
    }
    answer = QString::fromUtf8(process.readAllStandardOutput());
    return process.exitCode();
}

int DotNetPluginHost::callLibrary(const QString &library, const QString &request, QString &answer)
{
    m_errorText.clear();
    // The loader keeps the library loaded for later calls.
    QPluginLoader loader(library);
    auto *plugin = qobject_cast<DotNetPluginInterface *>(loader.instance());
    if (!plugin) {
        m_errorText = QStringLiteral("Could not load %1: %2").arg(library, loader.errorString());
        return HostError;
    }
    return plugin->callFunction(request, answer);
}

int DotNetPluginHost::callPlugin(const QString &plugin, const QString &function,
                                 const QString &group, const QStringList &parameters)
{
    DotNetPluginRequest request;
    request.setPlugin(plugin);
    request.setFunction(function);
    request.addParams(group, parameters);
    return call(request);
}

QString DotNetPluginHost::resultAttribute(const QString &name, const QString &defaultValue) const
{
    return m_response.resultAttribute(name, defaultValue);
}

} // namespace DotNetPluginLibrary
