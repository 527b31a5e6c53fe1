#include "twalkreport.h"

#include "dotnetpluginhost.h"
#include "dotnetpluginrequest.h"

#include "tinstallation.h"

#include "tlog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextStream>

namespace DotNetPluginLibrary {

namespace {

const QString separator = QStringLiteral("^=|");

// The texts of this file, translated in the context "TPaidTablesDoc".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TPaidTablesDoc)
};

QString dateText(const QDate &date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

} // namespace

TWalkReport::TWalkReport(const QString &workingDir)
    : m_workingDir(workingDir)
{ }

QString TWalkReport::reportFileName(const QString &reportsDir, int walkId, const QDateTime &now)
{
    return QStringLiteral("%1walkreport-%2-0-%3.%4")
            .arg(reportsDir)
            .arg(walkId)
            .arg(now.toString(QStringLiteral("dd.MM.yyyy-hh.mm.ss")), QStringLiteral("wrp"));
}

QString TWalkReport::prepare(int walkId, const QDateTime &now)
{
    m_fileName = reportFileName(PosLib::reportsDir(m_workingDir), walkId, now);
    return m_fileName;
}

QString TWalkReport::pluginFile() const
{
    return QDir(m_workingDir.isEmpty() ? QStringLiteral(".") : m_workingDir)
            .filePath(QStringLiteral("VErov.dll"));
}

bool TWalkReport::usePlugin() const
{
    return QFile::exists(pluginFile());
}

QStringList TWalkReport::parameters(const TWalkOptions &options)
{
    QStringList lines;
    PosLib::appendParameter(lines, QStringLiteral("walkid"), options.walkId);
    PosLib::appendParameter(lines, QStringLiteral("from"), dateText(options.from));
    PosLib::appendParameter(lines, QStringLiteral("to"), dateText(options.to));
    PosLib::appendParameter(lines, QStringLiteral("outlet"), options.outlet);
    PosLib::appendParameter(lines, QStringLiteral("filter"), options.filter);
    PosLib::appendParameter(lines, QStringLiteral("opentabs"), options.openTables ? 1 : 0);
    PosLib::appendParameter(lines, QStringLiteral("withoutcredits"),
                            options.withoutCredits ? 1 : 0);
    PosLib::appendParameter(lines, QStringLiteral("inturnovertype"), options.inTurnoverType);
    PosLib::appendParameter(lines, QStringLiteral("traineetype"), options.traineeType);
    PosLib::appendParameter(lines, QStringLiteral("path"),
                            options.path.isEmpty() ? QStringLiteral(".") : options.path);
    PosLib::appendParameter(lines, QStringLiteral("file"), options.file);
    if (options.reportWaiter)
        PosLib::appendParameter(lines, QStringLiteral("reportwaiter"), *options.reportWaiter);
    return lines;
}

DotNetPluginRequest TWalkReport::pluginRequest(const QStringList &parameters)
{
    DotNetPluginRequest request;
    request.setPlugin(QStringLiteral("VErov"));
    request.setFunction(QStringLiteral("CallFunction"));
    request.addParams(QStringLiteral("walksettings"), parameters);
    return request;
}

QStringList TWalkReport::programArguments(const QStringList &parameters)
{
    // The program reads these; the turnover and trainee types go to the
    // plug-in only.
    static const QStringList patterns = {
            QStringLiteral("walkid=%1"),
            QStringLiteral("from=%1"),
            QStringLiteral("to=%1"),
            QStringLiteral("outlet=%1"),
            QStringLiteral("filter=%1"),
            QStringLiteral("opentabs=%1"),
            QStringLiteral("withoutcredits=%1"),
            QStringLiteral("path=%1"),
            QStringLiteral("file=%1"),
            QStringLiteral("reportwaiter=%1"),
    };
    QStringList arguments;
    for (const QString &pattern : patterns) {
        const QString name = pattern.left(pattern.indexOf(QLatin1Char('=')));
        for (const QString &line : parameters) {
            const int at = line.indexOf(separator);
            if (at >= 0 && line.left(at) == name) {
                arguments << pattern.arg(line.mid(at + separator.size()));
                break;
            }
        }
    }
    return arguments;
}

bool TWalkReport::runPlugin(DotNetPluginHost &host, const QStringList &parameters, QString *title,
                            QString *message) const
{
    *title = Text::tr("Walk plugin error");
    host.setPluginFile(QStringLiteral("VErov"), pluginFile());
    if (!host.init()) {
        *message = Text::tr("Could not initialize the Walk plugin.");
        return false;
    }
    const int status = host.call(pluginRequest(parameters));
    if (status != 0) {
        *message = Text::tr("The plugin has encountered an error. Code: %1").arg(status);
        return false;
    }
    title->clear();
    return true;
}

QString TWalkReport::programPath() const
{
    return m_workingDir.isEmpty() ? QStringLiteral("./walk.exe")
                                  : QDir(m_workingDir).filePath(QStringLiteral("walk.exe"));
}

bool TWalkReport::startProgram(QProcess &process, const QStringList &parameters,
                               QString *message) const
{
    if (!m_workingDir.isEmpty())
        process.setWorkingDirectory(m_workingDir);
    process.start(programPath(), programArguments(parameters));
    if (!process.waitForStarted()) {
        *message = Text::tr("Could not start walk.exe");
        return false;
    }
    return true;
}

QStringList TWalkReport::takeReport()
{
    QStringList lines;
    if (m_fileName.isEmpty()) {
        Basics::logError(QStringLiteral("Error: No walkreportfile specified."));
        return lines;
    }
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        Basics::logError(QStringLiteral("Error: %1 not found").arg(m_fileName));
        return lines;
    }
    QTextStream stream(&file);
    stream.setEncoding(QStringConverter::Utf8);
    QString line;
    while (stream.readLineInto(&line))
        lines << line;
    file.close();
    if (!QFile::remove(m_fileName))
        Basics::logError(QStringLiteral("Error: Could not delete %1").arg(m_fileName));
    m_fileName.clear();
    return lines;
}

} // namespace DotNetPluginLibrary
