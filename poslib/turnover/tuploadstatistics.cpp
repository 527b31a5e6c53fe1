#include "tuploadstatistics.h"

#include "tinstallation.h"
#include "tlogcategories.h"
#include "tpluginbridge.h"
#include "tsettings.h"

#include "terror.h"
#include "tlog.h"

#include <QCoreApplication>

namespace PosLib {

namespace {

void logUploadError(const QString &text)
{
    Basics::logError(text, Basics::LogModule::Library, Basics::LogClass::CloudUpload);
}

// Adds the field under the plug-in's name when it holds any text.
void appendText(QStringList &lines, const QString &name, const Basics::TValue &record,
                const char *field)
{
    const QString text = record.getString(QString::fromLatin1(field));
    if (!text.isEmpty())
        appendParameter(lines, name, text);
}

} // namespace

QStringList uploadParameters(const Basics::TValue &installation, const QString &root,
                             const QString &operation, const QDate &day)
{
    QStringList lines;
    appendParameter(lines, QStringLiteral("path"), root.isEmpty() ? QStringLiteral(".") : root);
    if (operation == QLatin1String("UploadStatistXml")
        || operation == QLatin1String("DownloadStatistXml"))
        appendParameter(lines, QStringLiteral("statistdate"),
                        day.toString(QStringLiteral("dd.MM.yyyy")));

    switch (installation.getInt(QStringLiteral("cloudservice"))) {
    case 0:
        appendParameter(lines, QStringLiteral("cloudmode"), QStringLiteral("ftp"));
        appendText(lines, QStringLiteral("ftpip"), installation, "cloudftpip");
        appendText(lines, QStringLiteral("ftpuser"), installation, "cloudftpuser");
        appendText(lines, QStringLiteral("ftppassword"), installation, "cloudftppassword");
        appendText(lines, QStringLiteral("ftppath"), installation, "cloudftppath");
        break;
    case 1: {
        appendParameter(lines, QStringLiteral("cloudmode"), QStringLiteral("db"));
        appendText(lines, QStringLiteral("dbserver"), installation, "dbservername");
        appendText(lines, QStringLiteral("dbdatabasename"), installation, "dbdatabasename");
        // Without the flag the database login is the integrated one.
        const bool usePassword = installation.getBool(QStringLiteral("dbnointegratedsec"));
        appendParameter(lines, QStringLiteral("dbusepassword"), Basics::booleanText(usePassword));
        if (usePassword) {
            appendText(lines, QStringLiteral("dbusername"), installation, "dbusername");
            appendText(lines, QStringLiteral("dbpassword"), installation, "dbpassword");
        }
        break;
    }
    case 2:
        appendParameter(lines, QStringLiteral("cloudmode"), QStringLiteral("localfile"));
        appendText(lines, QStringLiteral("filepath"), installation, "cloudlocalfilepath");
        break;
    case 3:
        appendParameter(lines, QStringLiteral("cloudmode"), QStringLiteral("webcloud"));
        appendText(lines, QStringLiteral("cloudusername"), installation, "cloudkorvalusername");
        appendText(lines, QStringLiteral("cloudpassword"), installation, "cloudkorvalpassword");
        break;
    default:
        break; // an unknown mode sends no target; the plug-in decides
    }
    return lines;
}

int uploadStatistics(const QString &root, const QString &operation, const QDate &day)
{
    return uploadStatistics(root, operation, day, pluginBridge());
}

int uploadStatistics(const QString &root, const QString &operation, const QDate &day,
                     TPluginBridge *bridge)
{
    TSettings settings;
    const QString dir = installationDir(root, QStringLiteral("usr/data"), false);
    try {
        // A missing file is no installation record; one that ends inside a
        // record cannot be trusted to tell whether to upload.
        const int loaded = settings.load(dir, settings.fileName());
        if (loaded != Basics::TValueList::Loaded && loaded != Basics::TValueList::NoFile) {
            logUploadError(QStringLiteral("Could not read %1: code %2")
                                   .arg(dir + settings.fileName())
                                   .arg(loaded));
            return UploadNoSettings;
        }
    } catch (const Basics::TError &error) {
        logUploadError(QStringLiteral("Could not read %1: %2")
                               .arg(dir + settings.fileName(), error.text()));
        return UploadNoSettings;
    }
    const Basics::TValue *installation = settings.installation();
    if (!installation || !installation->getBool(QStringLiteral("cloudserviceactive")))
        return UploadDone;
    const QStringList parameters = uploadParameters(*installation, root, operation, day);

    if (!bridge || !bridge->init()) {
        logUploadError(QStringLiteral("Could not initialize the VUrazEdad plugin."));
        return UploadNoHost;
    }
    const int status = bridge->callPlugin(QStringLiteral("VUrazEdad"), operation,
                                          QStringLiteral("snapshotsettings"), parameters);
    if (status != 0) {
        logUploadError(QStringLiteral("VUrazEdad error. Code: %1").arg(status));
        return UploadFailed;
    }
    // A missing code counts as 0; text that is no number as a failure.
    bool numeric = false;
    const int code = bridge->resultAttribute(QStringLiteral("code"), QStringLiteral("0"))
                             .trimmed()
                             .toInt(&numeric);
    if (!numeric || code != 0) {
        logUploadError(QStringLiteral("VUrazEdad error: %1")
                               .arg(bridge->resultAttribute(QStringLiteral("message"))));
        return UploadFailed;
    }
    return UploadDone;
}

} // namespace PosLib
