#include "toffconfig.h"

#include "tdir.h"
#include "terror.h"
#include "tinifile.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "toffapplication.h"
#include "twaiter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <memory>

using Basics::TInifile;

namespace {

const QString ListAccess = QStringLiteral("ListAccess");
const QString DialogAccess = QStringLiteral("DialogAccess");
const QString Reporting = QStringLiteral("Reporting");
const QString Crystal = QStringLiteral("Crystal");

std::unique_ptr<TInifile> &store()
{
    static std::unique_ptr<TInifile> file;
    return file;
}

// Set when the file could not be read: it is then never written over.
bool &unreadable()
{
    static bool flag = false;
    return flag;
}

QString dialogKey(const QString &dialog, const QString &element)
{
    return element.isEmpty() ? dialog : dialog + QLatin1Char('/') + element;
}

} // namespace

QString TOffConfig::path()
{
    const QString configured = qEnvironmentVariable("VELTRUM_CONFIG");
    if (!configured.isEmpty())
        return configured;
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
           + QStringLiteral("/veltrum-office.ini");
}

TInifile &TOffConfig::ini()
{
    std::unique_ptr<TInifile> &file = store();
    if (!file) {
        const QString name = path();
        unreadable() = false;
        try {
            file = std::make_unique<TInifile>(name);
        } catch (const Basics::TError &e) {
            Basics::logError(QStringLiteral("%1: %2").arg(name, e.text()), Basics::LogModule::Host,
                             Basics::LogClass::OffConfig);
            unreadable() = true;
            // An empty store in memory; the name is one that does not exist.
            file = std::make_unique<TInifile>(name + QStringLiteral(".unreadable"));
        }
    }
    return *file;
}

void TOffConfig::write()
{
    const QString name = path();
    try {
        TInifile &file = ini();
        if (unreadable())
            throw Unreadable(T_SOURCE, 304, 310, 0, name);
        Basics::createPath(QFileInfo(name).absolutePath());
        file.write(name);
    } catch (const Basics::TError &e) {
        Basics::logError(QStringLiteral("%1 not written: %2").arg(name, e.text()),
                         Basics::LogModule::Host, Basics::LogClass::OffConfig);
        // What was not saved is not used either.
        reload();
        throw;
    }
    if (TOffApplication *application = TOffApplication::instance())
        emit application->configChanged();
}

QString TOffConfig::failureText(const Basics::TError &error)
{
    if (dynamic_cast<const Unreadable *>(&error))
        return QCoreApplication::translate("TOffConfig",
                                           "%1 could not be read when the back office started and "
                                           "is kept as it was.")
                .arg(path());
    return Basics::userText(error, path());
}

void TOffConfig::reload()
{
    store().reset();
}

bool TOffConfig::checkLstRight(const char *list, TOffWindow *)
{
    if (!list || !*list)
        return false;
    return ini().readBool(ListAccess, QString::fromLatin1(list), true);
}

void TOffConfig::setLstRight(const QString &list, bool granted)
{
    ini().writeBool(ListAccess, list, granted);
}

bool TOffConfig::checkDlgRight(const QString &dialog, const QString &element)
{
    if (!ini().readBool(DialogAccess, dialog, true))
        return false;
    return element.isEmpty() || ini().readBool(DialogAccess, dialogKey(dialog, element), true);
}

bool TOffConfig::elementRight(const QString &dialog, const QString &element)
{
    return ini().readBool(DialogAccess, dialogKey(dialog, element), true);
}

void TOffConfig::setDlgRight(const QString &dialog, const QString &element, bool granted)
{
    ini().writeBool(DialogAccess, dialogKey(dialog, element), granted);
}

int TOffConfig::getDefReport()
{
    return int(ini().readInt(Reporting, QStringLiteral("DefReport"), 0));
}

void TOffConfig::setDefReport(int report)
{
    ini().writeInt(Reporting, QStringLiteral("DefReport"), report);
}

int TOffConfig::getDefFilter()
{
    return int(ini().readInt(Reporting, QStringLiteral("DefFilter"), 0));
}

void TOffConfig::setDefFilter(int filter)
{
    ini().writeInt(Reporting, QStringLiteral("DefFilter"), filter);
}

QString TOffConfig::getReceiptPrinter()
{
    return ini().readString(Reporting, QStringLiteral("ReceiptPrinter"), QString()).trimmed();
}

void TOffConfig::setReceiptPrinter(const QString &printer)
{
    ini().writeString(Reporting, QStringLiteral("ReceiptPrinter"), printer.trimmed());
}

int TOffConfig::getReceiptWidth()
{
    const int columns = int(ini().readInt(Reporting, QStringLiteral("ReceiptWidth"), 42));
    return columns == 32 || columns == 48 ? columns : 42;
}

void TOffConfig::setReceiptWidth(int columns)
{
    ini().writeInt(Reporting, QStringLiteral("ReceiptWidth"), columns);
}

bool TOffConfig::getDefOpenTabs()
{
    return ini().readBool(Reporting, QStringLiteral("DefOpenTabs"), false);
}

void TOffConfig::setDefOpenTabs(bool on)
{
    ini().writeBool(Reporting, QStringLiteral("DefOpenTabs"), on);
}

bool TOffConfig::getDefWithoutCredits()
{
    return ini().readBool(Reporting, QStringLiteral("DefWithoutCredits"), false);
}

void TOffConfig::setDefWithoutCredits(bool on)
{
    ini().writeBool(Reporting, QStringLiteral("DefWithoutCredits"), on);
}

int TOffConfig::getDefInTurnOver()
{
    const int state = int(ini().readInt(Reporting, QStringLiteral("DefInTurnOver"), 0));
    return state >= 0 && state <= 2 ? state : 0;
}

void TOffConfig::setDefInTurnOver(int state)
{
    ini().writeInt(Reporting, QStringLiteral("DefInTurnOver"), state);
}

int TOffConfig::getDefTraineeType()
{
    const int type = int(ini().readInt(Reporting, QStringLiteral("DefTraineeType"), 0));
    return type >= 0 && type <= 2 ? type : 0;
}

void TOffConfig::setDefTraineeType(int type)
{
    ini().writeInt(Reporting, QStringLiteral("DefTraineeType"), type);
}

QStringList TOffConfig::getDisabledReps()
{
    return ini()
            .readString(Reporting, QStringLiteral("DisabledReps"))
            .split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

void TOffConfig::setDisabledReps(const QStringList &reports)
{
    ini().writeString(Reporting, QStringLiteral("DisabledReps"), reports.join(QLatin1Char(';')));
}

QString TOffConfig::getInstallation()
{
    return ini().readString(QStringLiteral("Settings"), QStringLiteral("Installation"), QString());
}

void TOffConfig::setInstallation(const QString &path)
{
    ini().writeString(QStringLiteral("Settings"), QStringLiteral("Installation"), path);
}

QString TOffConfig::getPdfFolder()
{
    return ini().readString(QStringLiteral("Settings"), QStringLiteral("PdfFolder"), QString());
}

void TOffConfig::setPdfFolder(const QString &path)
{
    ini().writeString(QStringLiteral("Settings"), QStringLiteral("PdfFolder"), path);
}

QString TOffConfig::getLanguage()
{
    return ini().readString(QStringLiteral("Settings"), QStringLiteral("Language"));
}

void TOffConfig::setLanguage(const QString &code)
{
    ini().writeString(QStringLiteral("Settings"), QStringLiteral("Language"), code);
}

namespace {

// The program's folder, or its parent when the program lies in "bin".
QString baseDirectory()
{
    QDir dir(QCoreApplication::applicationDirPath());
    if (dir.dirName() == QLatin1String("bin"))
        dir.cdUp();
    return dir.absolutePath() + QLatin1Char('/');
}

QString folderOf(const QString &configured, const QString &fallback)
{
    QString dir = configured.isEmpty() ? fallback : configured;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

} // namespace

QString TOffConfig::getCrystalPath()
{
    return folderOf(ini().readString(Crystal, QStringLiteral("Path")),
                    baseDirectory() + QStringLiteral("reports"));
}

QString TOffConfig::getCrystalDataPath()
{
    return folderOf(ini().readString(Crystal, QStringLiteral("DataPath")),
                    baseDirectory() + QStringLiteral("reports"));
}

QString TOffConfig::getCrystalEngineDir()
{
    const QString configured = ini().readString(Crystal, QStringLiteral("CommonFiles"));
    if (!configured.isEmpty())
        return configured;
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../lib"));
}

QString TOffConfig::getCrystalFile(const QString &name)
{
    if (name.isEmpty())
        return QString();
    return QDir::isAbsolutePath(name) ? name : getCrystalPath() + name;
}

QString TOffConfig::getCrystalLngFile(const QString &name)
{
    const QFileInfo design(getCrystalFile(name));
    const TOffApplication *app = TOffApplication::instance();
    const QString language = app ? app->language() : QString();
    if (name.isEmpty() || language.isEmpty())
        return getCrystalDefaultLngFile(name);
    return design.absoluteDir().filePath(design.completeBaseName() + QLatin1Char('_') + language
                                         + QStringLiteral(".lng"));
}

QString TOffConfig::getCrystalDefaultLngFile(const QString &name)
{
    if (name.isEmpty())
        return QString();
    const QFileInfo design(getCrystalFile(name));
    return design.absoluteDir().filePath(design.completeBaseName() + QStringLiteral(".lng"));
}

QStringList TOffConfig::getCrystals(TInifile &file, const QString &key)
{
    return file.readString(Crystal, key).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

QString TOffConfig::getCrystalUser(PosLib::TWaiter *waiter)
{
    return waiter ? waiter->name() : QString();
}

QString TOffConfig::getCrystalTerm()
{
    return ini().readString(Crystal, QStringLiteral("Terminal"));
}

QString TOffConfig::getCrystalLogo()
{
    return ini().readString(Crystal, QStringLiteral("Logo"));
}

QString TOffConfig::getCrystalHeader(int n)
{
    return ini().readString(Crystal, QStringLiteral("Header%1").arg(n));
}

QString TOffConfig::getCrystalFooter(int n)
{
    return ini().readString(Crystal, QStringLiteral("Footer%1").arg(n));
}
