#include "tinstallationconfig.h"

#include "cliutil.h"
#include "tconfigfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QString TInstallationConfig::directory()
{
    const QString dir = qEnvironmentVariable("VELTRUM_CONFIG_DIR");
    return dir.isEmpty() ? QStringLiteral("/etc/veltrum") : dir;
}

bool TInstallationConfig::isValidName(const QString &name)
{
    static const QRegularExpression valid(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]*$"));
    return valid.match(name).hasMatch();
}

bool TInstallationConfig::load(const QString &name, QString *error)
{
    if (!isValidName(name)) {
        *error = TCli::tr("'%1' is no installation name (letters, digits, '-', '_', '.')")
                         .arg(name);
        return false;
    }
    if (!loadFile(QDir(directory()).filePath(name + QStringLiteral(".conf")), error))
        return false;
    this->name = name;
    return true;
}

bool TInstallationConfig::loadFile(const QString &path, QString *error)
{
    TConfigFile config;
    if (!config.read(path, error))
        return false;
    file = path;
    name = QFileInfo(path).completeBaseName();
    for (const TConfigFile::Section &section : config.sections()) {
        QStringList known;
        if (section.name == QLatin1String("installation"))
            known = {QStringLiteral("data")};
        else if (section.name == QLatin1String("closing"))
            known = {QStringLiteral("delay"), QStringLiteral("open-tables"),
                     QStringLiteral("exec-waiter")};
        else {
            *error = config.at(section.line,
                               TCli::tr("unknown section [%1] (known: installation, closing)")
                                       .arg(section.name));
            return false;
        }
        *error = config.unknownKey(section, known);
        if (!error->isEmpty())
            return false;
    }

    const TConfigFile::Section *installation = config.section(QStringLiteral("installation"));
    const TConfigFile::Entry *dataEntry
            = installation ? installation->find(QStringLiteral("data")) : nullptr;
    if (!dataEntry || dataEntry->value.isEmpty()) {
        *error = TCli::tr("%1: names no installation directory (data = DIR in [installation])")
                         .arg(path);
        return false;
    }
    const QFileInfo dir(dataEntry->value);
    if (!dir.isAbsolute() || !dir.isDir()) {
        *error = config.at(
                dataEntry->line,
                TCli::tr("data = %1: no such directory (an absolute path)").arg(dataEntry->value));
        return false;
    }
    data = QDir(dir.absoluteFilePath()).absolutePath() + QLatin1Char('/');

    const TConfigFile::Section *closing = config.section(QStringLiteral("closing"));
    if (!closing)
        return true;
    if (const TConfigFile::Entry *e = closing->find(QStringLiteral("delay"))) {
        bool ok = false;
        delayMinutes = e->value.toInt(&ok);
        if (!ok || delayMinutes < 0 || delayMinutes > 24 * 60) {
            *error = config.at(
                    e->line, TCli::tr("delay = %1: minutes from 0 to 1440 expected").arg(e->value));
            return false;
        }
    }
    if (const TConfigFile::Entry *e = closing->find(QStringLiteral("open-tables"))) {
        if (e->value != QLatin1String("close") && e->value != QLatin1String("wait")) {
            *error = config.at(e->line,
                               TCli::tr("open-tables = %1: close or wait expected").arg(e->value));
            return false;
        }
        waitForOpenTables = e->value == QLatin1String("wait");
    }
    if (const TConfigFile::Entry *e = closing->find(QStringLiteral("exec-waiter"))) {
        bool ok = true;
        execWaiter = e->value.isEmpty() ? 0 : e->value.toInt(&ok);
        if (!ok || execWaiter < 0) {
            *error = config.at(
                    e->line,
                    TCli::tr("exec-waiter = %1: a waiter's number expected").arg(e->value));
            return false;
        }
    }
    return true;
}
