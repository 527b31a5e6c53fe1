#include "tdemoinstallation.h"

#include "tarchinfo.h"
#include "tarchtable.h"
#include "tcounter.h"
#include "tdemolists.h"
#include "tdemomasterdata.h"
#include "tdemoplan.h"
#include "tdemorandom.h"
#include "tdemotablemaker.h"
#include "tdemotimecontrols.h"
#include "tdir.h"
#include "terror.h"
#include "tinifile.h"
#include "tinstallation.h"
#include "ttable.h"

#include <QDir>
#include <QFileInfo>
#include <QVector>

#include <algorithm>
#include <memory>

using namespace Basics;

namespace PosLib {

using namespace Demo;

namespace {

// The turnover stamp on a closed day's tables: the day closing ran at
// 02:30 the next morning, executed by the head waiter.
void stampTurnover(TTable &table, const Day &day)
{
    const Waiter &w = waiterById(HeadWaiter);
    table.setZCount(day.z);
    table.setString(QStringLiteral("turnoverdate"), day.date.addDays(1).toString(Qt::ISODate));
    table.setString(QStringLiteral("turnovertime"), QStringLiteral("02:30:00"));
    table.setString(QStringLiteral("turnoverapp"), QStringLiteral("Office (Reports)"));
    table.setString(QStringLiteral("turnoverterminal"), QStringLiteral("1"));
    table.setString(QStringLiteral("turnovercostcenter"), QStringLiteral("0"));
    table.setString(QStringLiteral("turnoverexecwaiter"), QString::number(w.id));
    table.setString(QStringLiteral("turnoverexecwaitername"), text(w.name));
    table.setString(QStringLiteral("turnovertodate"), day.name);
}

// "Z:count;;;waiter;name;date;application;terminal;costcenter" + CR LF
void writeJournal(const QString &dir, const Day &day, int tables)
{
    const Waiter &w = waiterById(HeadWaiter);
    const QString line = QStringLiteral("%1:%2;;;%3;%4;%5;Office (Reports);1;0\r\n")
                                 .arg(day.z)
                                 .arg(tables)
                                 .arg(w.id)
                                 .arg(text(w.name), day.date.toString(Qt::TextDate));
    writeFile(dir + QStringLiteral("turnover.z"), line.toLocal8Bit());
}

void removeMatching(const QString &dir, const QStringList &patterns)
{
    const QStringList names = QDir(dir).entryList(patterns, QDir::Files | QDir::Hidden);
    for (const QString &name : names)
        deleteFile(dir + name);
}

void removeIfEmpty(const QString &dir)
{
    QDir d(dir);
    if (d.exists() && d.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        d.rmdir(dir);
}

} // namespace

// ---- TDemoInstallation ------------------------------------------------------

TDemoInstallation::TDemoInstallation(const TDemoOptions &options)
    : m_options(options)
{
    if (!m_options.today.isValid())
        m_options.today = QDate::currentDate();
    m_options.days = std::max(0, m_options.days);
    m_options.tables = std::max(0, m_options.tables);
}

QStringList TDemoInstallation::listFiles()
{
    QStringList names;
    for (const char *name : ListFiles)
        names << text(name);
    return names;
}

bool TDemoInstallation::isDemo(const QString &root)
{
    return QFileInfo(QDir(root).filePath(markerName())).isFile();
}

void TDemoInstallation::remove(const QString &path)
{
    const QString root = normalizeDir(path, false);
    if (root.isEmpty() || !QFileInfo(root).isDir())
        return;
    const QString var = root + QStringLiteral("var/");
    const QString statist = var + QStringLiteral("statist/");

    QStringList lists;
    for (const QString &name : listFiles())
        lists << name << name + QStringLiteral(".new") << name + QStringLiteral(".old");
    removeMatching(root + QStringLiteral("usr/data/"), lists);
    removeMatching(root + QStringLiteral("etc/"),
                   {QStringLiteral("reports.ini"), QStringLiteral("globals.ini")});
    removeMatching(root + QStringLiteral("etc/layout/"), {QStringLiteral("sumarticles.cfg")});
    removeMatching(var, {QStringLiteral(".archives")});
    removeMatching(var + QStringLiteral("tables/"), {QStringLiteral("t*.*")});
    removeMatching(var + QStringLiteral("archives/"), {QStringLiteral("a*")});
    removeMatching(var + QStringLiteral("activetables/"), {QStringLiteral("T*P*.*")});
    removeMatching(var + QStringLiteral("summary/"), {QStringLiteral("\?\?\?\?-\?\?-\?\?.dat*")});
    removeMatching(var + QStringLiteral("control/"),
                   {QStringLiteral("[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]*")});
    const QStringList days = QDir(statist).entryList({QStringLiteral("tag*")}, QDir::Dirs);
    for (const QString &day : days) {
        const QString dir = statist + day + QLatin1Char('/');
        removeMatching(dir, {QStringLiteral("a*"), QStringLiteral("zcount.dat"),
                             QStringLiteral("turnover.z")});
        removeIfEmpty(dir);
    }
    removeMatching(statist, {QStringLiteral("zcount.dat")});
    removeMatching(root, {QStringLiteral("counter.dat"), markerName()});

    for (const char *dir : {"usr/data", "usr", "etc/layout", "etc", "var/tables", "var/archives",
                            "var/activetables", "var/statist", "var/summary", "var/reports",
                            "var/control", "var/messages", "var/lock", "var"})
        removeIfEmpty(root + text(dir));
}

TDemoSummary TDemoInstallation::write(const QString &path)
{
    // absolute, because the outlet list names it and reports run from
    // inside the installation
    const QString root = normalizeDir(QDir(normalizeDir(path, true)).absolutePath(), false);
    const TDemoOptions &o = m_options;
    TDemoSummary summary;

    // the marker first: a run that stops half-way can be cleaned up
    {
        TInifile marker(root + markerName());
        writeSection(marker, "Demo",
                     {{"days", QString::number(o.days)},
                      {"tables", QString::number(o.tables)},
                      {"seed", QString::number(o.seed)},
                      {"today", o.today.toString(Qt::ISODate)}});
        marker.write();
    }
    writeLists(root);
    summary.lists = int(std::size(ListFiles));
    writeIniFiles(root);

    long bill = 10000;
    const QString statist = installationDir(root, QStringLiteral("var/statist"), true);
    for (int index = 0; index < o.days; ++index) {
        Day day;
        day.index = index;
        day.date = o.today.addDays(index - o.days);
        day.z = FirstZ + index;
        day.name = statistDayName(day.date);
        const QString dir = normalizeDir(statist + day.name, true);

        int open = 0;
        DayLog log;
        const QVector<Plan> plans = planDay(o, day, open);
        long archive = 0;
        for (const Plan &plan : plans) {
            std::unique_ptr<TTable> table = TTableMaker(plan, day, log).make(++archive, ++bill);
            stampTurnover(*table, day);
            QByteArray bytes;
            table->write(bytes);
            writeFile(dir + archiveFileName(archive), bytes);
        }
        TCounter(dir, QStringLiteral("zcount.dat")).set(QStringLiteral("z"), day.z);
        writeJournal(dir, day, int(archive));
        // the last closed day is left without its summary: the first report
        // over it has to build one
        const bool last = index + 1 == o.days;
        if ((!last || o.days == 1) && archive > 0) {
            TArchTable(root, day.date).build();
            ++summary.daySummaries;
        }
        if (!log.activity.isEmpty()) {
            writeTimeControls(root, day, log, o.seed);
            ++summary.timeControlDays;
        }
        ++summary.closedDays;
        summary.closedTables += int(archive);
        summary.entries += log.entries;
    }
    summary.nextZ = FirstZ + o.days;
    TCounter(statist, QStringLiteral("zcount.dat")).set(QStringLiteral("z"), summary.nextZ);
    TCounter(root, QStringLiteral("counter.dat")).set(QStringLiteral("zcounter"), summary.nextZ);

    // today: the paid tables waiting for the day closing, and the open ones
    Day today;
    today.index = o.days;
    today.date = o.today;
    today.today = true;
    today.name = statistDayName(today.date);
    int open = 0;
    DayLog log;
    const QVector<Plan> plans = planDay(o, today, open);
    const QString archives = archivesDir(root);
    const QString tables = tablesDir(root);
    const QString active = activeTablesDir(root);
    {
        TArchInfos index(root);
        long archive = 0;
        for (const Plan &plan : plans) {
            if (plan.open) {
                std::unique_ptr<TTable> table = TTableMaker(plan, today, log).make(0, 0);
                QByteArray bytes;
                table->write(bytes);
                writeFile(tables + activeTableFileName(plan.table, plan.party), bytes);
                log.running[plan.waiter] = true;
                ++summary.openTables;
                if (plan.held) {
                    // on the screen of the handheld right now
                    writeFile(QStringLiteral("%1T%2P%3.%4")
                                      .arg(active)
                                      .arg(plan.table)
                                      .arg(plan.party)
                                      .arg(Handheld),
                              QByteArray());
                    ++summary.heldTables;
                }
                continue;
            }
            std::unique_ptr<TTable> table = TTableMaker(plan, today, log).make(++archive, ++bill);
            QByteArray bytes;
            table->write(bytes);
            writeFile(archives + archiveFileName(archive), bytes);
            if (!table->isNulled())
                index.add(table.get());
            ++summary.paidTables;
        }
        index.save();
        summary.indexedTables = index.count();
    }
    if (!log.activity.isEmpty()) {
        writeTimeControls(root, today, log, o.seed);
        ++summary.timeControlDays;
    }
    summary.entries += log.entries;
    return summary;
}

} // namespace PosLib
