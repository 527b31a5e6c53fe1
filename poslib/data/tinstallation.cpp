#include "tinstallation.h"

#include "tdir.h"
#include "terror.h"
#include "tinifile.h"
#include "tlanguage.h"
#include "tlog.h"
#include "tlogcategories.h"

#include <QDir>
#include <QFileInfo>

using namespace Basics;

namespace PosLib {

namespace {

QString fromBase(const char *base)
{
    return base ? QString::fromLocal8Bit(base) : QString();
}

} // namespace

QString installationDir(const QString &base, const QString &relative, bool create)
{
    return normalizeDir(normalizeDir(base, false) + relative, create);
}

#define POSLIB_DIR(function, relative, create) \
    QString function(const QString &base) \
    { \
        return installationDir(base, QStringLiteral(relative), create); \
    } \
    QString function(const char *base) \
    { \
        return function(fromBase(base)); \
    }

POSLIB_DIR(dataDir, "usr/data", true)
POSLIB_DIR(varDir, "var", true)
POSLIB_DIR(activeTablesDir, "var/activetables", true)
POSLIB_DIR(tablesDir, "var/tables", true)
POSLIB_DIR(archivesDir, "var/archives", true)
POSLIB_DIR(statistDir, "var/statist", false)
POSLIB_DIR(summaryDir, "var/summary", true)
POSLIB_DIR(reportsDir, "var/reports", true)
POSLIB_DIR(controlDir, "var/control", true)
POSLIB_DIR(messagesDir, "var/messages", true)
POSLIB_DIR(lockDir, "var/lock", true)
POSLIB_DIR(layoutDir, "etc/layout", true)

#undef POSLIB_DIR

QString statistDayName(const QDate &day)
{
    return QString::asprintf("tag%02d.%02d.%04d", day.day(), day.month(), day.year());
}

QString statistDayDir(const QDate &day, const QString &base)
{
    return normalizeDir(statistDir(base) + statistDayName(day), false);
}

QString statistDayDir(const QDate &day, const char *base)
{
    return statistDayDir(day, fromBase(base));
}

QString globalsIniPath()
{
    // The installation names the file "etc\globals.ini". On Windows that is
    // the file in "etc"; elsewhere "\" is an ordinary character of a file
    // name, so the file in the "etc" directory comes first and the literal
    // name is only used when nothing else exists (a copy written by a tool
    // that took the name verbatim).
    const QString windowsName = QStringLiteral("etc\\globals.ini");
#ifdef Q_OS_WIN
    return windowsName;
#else
    const QString unixName = QStringLiteral("etc/globals.ini");
    if (!QFileInfo::exists(unixName) && QFileInfo::exists(windowsName))
        return windowsName;
    return unixName;
#endif
}

QTime dayOffsetTime(qint64 value)
{
    const QTime time(int(value / 100), int(value % 100), 0);
    if (value < 0 || !time.isValid())
        return QTime(0, 0, 0);
    return time;
}

QTime dayOffset(const QString &iniFile)
{
    const TInifile ini(iniFile);
    return dayOffsetTime(ini.readInt(QStringLiteral("Settings"), QStringLiteral("dayoffs")));
}

QTime dayOffset()
{
    return dayOffset(globalsIniPath());
}

QString installationLanguage(const QString &iniFile)
{
    try {
        const TInifile ini(iniFile);
        return Basics::languageOfLocale(
                ini.readString(QStringLiteral("Settings"), QStringLiteral("language")));
    } catch (const Basics::TError &e) {
        Basics::logError(QStringLiteral("%1: %2").arg(iniFile, e.text()),
                         Basics::LogModule::Library, Basics::LogClass::Installation);
        return QString();
    }
}

QDate businessDay(const QString &root, const QDateTime &now)
{
    const QTime start = dayOffset(QDir(root).filePath(QStringLiteral("etc/globals.ini")));
    return now.time() < start ? now.date().addDays(-1) : now.date();
}

void appendParameter(QStringList &lines, const QString &name, const QString &value)
{
    lines.append(QStringLiteral("%1^=|%2").arg(name, value));
}

void appendParameter(QStringList &lines, const QString &name, qint64 value)
{
    appendParameter(lines, name, QString::number(value));
}

} // namespace PosLib
