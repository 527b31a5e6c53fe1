#include "tarchinfo.h"
#include "tarchtable.h"
#include "tcounter.h"
#include "tcurrencies.h"
#include "tdemoinstallation.h"
#include "tdepartments.h"
#include "testdir.h"
#include "tfamgroups.h"
#include "tinifile.h"
#include "tinstallation.h"
#include "toutlets.h"
#include "tsettings.h"
#include "tsumbatch.h"
#include "tsumfilters.h"
#include "tsumparser.h"
#include "ttable.h"
#include "ttablelist.h"
#include "ttaxgroups.h"
#include "ttimecontrols.h"
#include "twaiters.h"
#include "tworkspacelists.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace PosLib;

namespace {

const QDate Today(2026, 12, 5);

TDemoOptions smallDemo(quint64 seed = 1)
{
    TDemoOptions o;
    o.days = 3;
    o.tables = 10;
    o.seed = seed;
    o.today = Today;
    return o;
}

// Every file below `root`, relative path -> bytes.
QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        files.insert(QDir(root).relativeFilePath(path), f.readAll());
    }
    return files;
}

} // namespace

TEST(DemoInstallation, EverythingItWritesReadsBack)
{
    TestDir dir;
    const TDemoSummary written = TDemoInstallation(smallDemo()).write(dir.path());
    EXPECT_EQ(3, written.closedDays);
    EXPECT_EQ(30, written.closedTables);

    // master data through the workspace lists
    TWorkspaceLists lists(dir.path());
    for (const QString &name : TWorkspaceLists::names())
        ASSERT_NE(nullptr, lists.get(name)) << name.toStdString();
    auto *currencies = static_cast<TCurrencies *>(lists.get(QStringLiteral("currencies")));
    ASSERT_NE(nullptr, currencies->systemCurrency());
    EXPECT_EQ(QStringLiteral("12,34"), currencies->formatPlain(1234));
    EXPECT_GE(static_cast<TSumBatches *>(lists.get(QStringLiteral("sumbatches")))->count(), 2);
    TSettings settings;
    ASSERT_EQ(0, settings.load(dir.path().toLocal8Bit().constData()));
    EXPECT_EQ(QStringLiteral("Trattoria Veltrum"), settings.installationName());

    // closed days: tables balance, summaries hold every table
    for (int back = 1; back <= 3; ++back) {
        const QDate day = Today.addDays(-back);
        std::unique_ptr<TTableList> list(dayTables(dir.path(), day));
        EXPECT_EQ(10, list->count());
        TTableIterator it(list.get(), true, 0, nullptr, dir.path());
        int tables = 0;
        for (TTable *t = it.first(); t; t = it.next()) {
            EXPECT_EQ(0.0, t->computeAmount()) << t->table();
            ++tables;
        }
        EXPECT_EQ(10, tables);
        TArchTable summary(dir.path(), day);
        int fromSummary = 0;
        while (std::unique_ptr<TTable> t {summary.nextTable()})
            ++fromSummary;
        EXPECT_EQ(10, fromSummary);
        EXPECT_EQ(written.nextZ - back,
                  TCounter(statistDayDir(day, dir.path()), QStringLiteral("zcount.dat"))
                          .get(QStringLiteral("z")));
        TTimeControls controls(day);
        EXPECT_EQ(0, controls.load(dir.path()));
        EXPECT_FALSE(controls.isEmpty());
    }
    EXPECT_GT(written.nextZ, 3);
    EXPECT_EQ(written.nextZ, TCounter(statistDir(dir.path()), QStringLiteral("zcount.dat"))
                                     .get(QStringLiteral("z")));
    // every closed day but the last has its day summary
    EXPECT_EQ(2, written.daySummaries);

    // today: paid tables in the index, open ones with one held
    std::unique_ptr<TTableList> paid(archiveTables(dir.path()));
    EXPECT_EQ(written.paidTables, paid->count());
    TArchInfos index(dir.path());
    EXPECT_EQ(written.indexedTables, index.count());
    EXPECT_LE(written.indexedTables, written.paidTables);
    std::unique_ptr<TTableList> open(activeTables(dir.path()));
    EXPECT_EQ(written.openTables, open->count());
    TTableIterator it(open.get(), true, 0, nullptr, dir.path());
    it.setIncludeHeld(true);
    int held = 0;
    for (TTable *t = it.first(); t; t = it.next())
        held += t->state() == TTable::Locked ? 1 : 0;
    EXPECT_EQ(1, held);
}

TEST(DemoInstallation, SameSeedSameBytesOtherSeedOtherTables)
{
    TestDir a;
    TestDir b;
    TestDir c;
    TDemoInstallation(smallDemo(7)).write(a.path());
    TDemoInstallation(smallDemo(7)).write(b.path());
    TDemoInstallation(smallDemo(8)).write(c.path());
    const auto first = snapshot(a.path());
    const auto second = snapshot(b.path());
    EXPECT_EQ(first.keys(), second.keys());
    for (auto it = first.cbegin(); it != first.cend(); ++it) {
        if (it.key().startsWith(QLatin1String("usr/data/outlets.dat")))
            continue; // names the installation's own path
        EXPECT_EQ(it.value(), second.value(it.key())) << it.key().toStdString();
    }
    const QString someTable = QStringLiteral("var/archives/a1");
    EXPECT_NE(first.value(someTable), snapshot(c.path()).value(someTable));
}

// Every file of the demo goes through the reader the system reads it with.
// A file no reader claims fails the test: a new kind of file needs its
// reader here.
TEST(DemoInstallation, EveryFileLoadsWithItsReader)
{
    TestDir dir;
    const QString root = dir.path();
    const TDemoSummary written = TDemoInstallation(smallDemo()).write(root);
    const QByteArray base = root.toLocal8Bit();
    auto same = [](const QString &a, const QString &b) { return QFileInfo(a) == QFileInfo(b); };
    auto dayOf = [](const QString &tag) {
        return QDate::fromString(tag, QStringLiteral("dd.MM.yyyy"));
    };
    auto tablesIn = [](const QString &dayDir) {
        return int(QDir(dayDir).entryList({QStringLiteral("a*")}, QDir::Files).size());
    };
    auto loadTable = [&](TTable &t, const QString &path) {
        return same(t.filePath(), path) && t.load(path) == 0 && t.state() == TTable::Open
               && !t.entries().isEmpty();
    };

    TWorkspaceLists workspace(root);
    std::vector<std::unique_ptr<Basics::TValueList>> masters;
    masters.emplace_back(new TSettings);
    masters.emplace_back(new TWaiters);
    masters.emplace_back(new TCurrencies);
    masters.emplace_back(new OutletsLib::TOutlets);
    masters.emplace_back(new TFamGroups);
    masters.emplace_back(new TDepartments);
    masters.emplace_back(new TTaxGroups);
    masters.emplace_back(new TSumFilters);
    masters.emplace_back(new TSumBatches);
    auto readList = [&](const QString &path, const QStringList &) {
        const QString name = QFileInfo(path).fileName();
        for (const QString &list : TWorkspaceLists::names()) {
            if (TWorkspaceLists::fileNameOf(list) == name)
                return workspace.get(list) && workspace.get(list)->count() > 0;
        }
        // the lists with a class of their own are found where the class looks
        for (const auto &master : masters) {
            if (master->fileName() == name)
                return same(master->filePath(base.constData()), path)
                       && master->load(base.constData()) == 0 && master->count() > 0;
        }
        Basics::TValueList plain;
        return plain.load(QFileInfo(path).path(), name) == 0 && plain.count() > 0;
    };

    struct Reader
    {
        QString pattern; // of the path below the root
        std::function<bool(const QString &path, const QStringList &parts)> read;
        int files = 0;
    };
    std::vector<Reader> readers = {
            {QStringLiteral("usr/data/\\w+\\.dat"), readList},
            {QStringLiteral("demo\\.ini|etc/(reports|globals)\\.ini"),
             [](const QString &path, const QStringList &) {
                 Basics::TInifile ini(path);
                 return !ini.sections().isEmpty() && !ini.sections().first()->keys().isEmpty();
             }},
            {QStringLiteral("var/archives/a(\\d+)"),
             [&](const QString &path, const QStringList &parts) {
                 TTable t(parts[1].toLong(), nullptr, root);
                 return loadTable(t, path);
             }},
            {QStringLiteral("var/statist/tag([\\d.]+)/a(\\d+)"),
             [&](const QString &path, const QStringList &parts) {
                 TTable t(dayOf(parts[1]), parts[2].toLong(), nullptr, root);
                 return loadTable(t, path);
             }},
            {QStringLiteral("var/tables/t(\\d+)\\.(\\d{3})"),
             [&](const QString &path, const QStringList &parts) {
                 TTable t(parts[1].toLong(), parts[2].toInt(), nullptr, root);
                 return loadTable(t, path);
             }},
            {QStringLiteral("var/activetables/T(\\d+)P(\\d+)\\.(\\d+)"),
             [&](const QString &, const QStringList &parts) {
                 TTable t(parts[1].toLong(), parts[2].toInt(), nullptr, root);
                 return QFileInfo::exists(t.filePath()) && t.checkHeld()
                        && t.heldBy() == parts[3].toInt();
             }},
            {QStringLiteral("var/summary/(\\d{4}-\\d\\d-\\d\\d)\\.dat"),
             [&](const QString &path, const QStringList &parts) {
                 const QDate day = QDate::fromString(parts[1], Qt::ISODate);
                 TArchTable summary(root, day);
                 int tables = 0;
                 while (std::unique_ptr<TTable> t {summary.nextTable()})
                     tables += t->entries().isEmpty() ? 0 : 1;
                 return same(summary.filePath(), path) && summary.isCurrent()
                        && tables == tablesIn(statistDayDir(day, root)) && tables > 0;
             }},
            {QStringLiteral("counter\\.dat|var/statist/(tag[\\d.]+/)?zcount\\.dat"),
             [](const QString &path, const QStringList &) {
                 const QFileInfo file(path);
                 const QString name = file.fileName() == QLatin1String("counter.dat")
                                              ? QStringLiteral("zcounter")
                                              : QStringLiteral("z");
                 TCounter counter(file.path(), file.fileName());
                 return counter.get(name) > 1 && counter.count() == 1;
             }},
            {QStringLiteral("var/control/(\\d{8})"),
             [&](const QString &path, const QStringList &parts) {
                 TTimeControls controls(QDate::fromString(parts[1], QStringLiteral("yyyyMMdd")));
                 return same(controls.path(root), path) && controls.load(root) == 0
                        && !controls.isEmpty();
             }},
            {QStringLiteral("var/\\.archives"),
             [&](const QString &path, const QStringList &) {
                 TArchInfos index(root);
                 bool named = true;
                 for (const TArchInfo *info : index.records())
                     named = named
                             && QFileInfo::exists(archivesDir(root)
                                                  + info->getString(QStringLiteral("fn")));
                 return same(index.filePath(), path) && index.count() > 0 && named;
             }},
            // one line per closing: "Z:tables;…" with the day's Z number
            {QStringLiteral("var/statist/tag([\\d.]+)/turnover\\.z"),
             [&](const QString &path, const QStringList &) {
                 QFile file(path);
                 file.open(QIODevice::ReadOnly);
                 const QStringList lines
                         = QString::fromLocal8Bit(file.readAll()).split(QStringLiteral("\r\n"));
                 const QString dayDir = QFileInfo(path).path();
                 const QString z = QString::number(
                         TCounter(dayDir, QStringLiteral("zcount.dat")).get(QStringLiteral("z")));
                 return lines.size() == 2 && lines[1].isEmpty()
                        && lines[0].split(QLatin1Char(';')).size() == 9
                        && lines[0].startsWith(
                                QStringLiteral("%1:%2;").arg(z).arg(tablesIn(dayDir)));
             }},
            // the article lists' layout: a line per item with name and price
            {QStringLiteral("etc/layout/sumarticles\\.cfg"),
             [&](const QString &, const QStringList &) {
                 TSumParser parser(nullptr, root);
                 if (!parser.setLayout(QStringLiteral("sumarticles.cfg")))
                     return false;
                 parser.setString(QStringLiteral("name"), QStringLiteral("Bruschetta"));
                 parser.setString(QStringLiteral("counttext"), QStringLiteral("2"));
                 parser.setDouble(QStringLiteral("price"), 650);
                 parser.setDouble(QStringLiteral("countsum"), 1300);
                 QStringList lines;
                 parser.runLines(lines);
                 return lines.size() == 1 && lines[0].contains(QStringLiteral("Bruschetta"))
                        && lines[0].contains(QStringLiteral(" 650 "))
                        && lines[0].contains(QStringLiteral(" 1300"));
             }},
    };

    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    for (const QString &path : files) {
        const QString relative = QDir(root).relativeFilePath(path);
        bool claimed = false;
        for (Reader &reader : readers) {
            const QRegularExpressionMatch m
                    = QRegularExpression(QRegularExpression::anchoredPattern(reader.pattern))
                              .match(relative);
            if (!m.hasMatch())
                continue;
            claimed = true;
            ++reader.files;
            EXPECT_TRUE(reader.read(path, m.capturedTexts())) << qPrintable(relative);
            break;
        }
        EXPECT_TRUE(claimed) << "no reader for " << qPrintable(relative);
    }
    for (const Reader &reader : readers)
        EXPECT_GT(reader.files, 0) << qPrintable(reader.pattern);
    EXPECT_EQ(written.lists, readers[0].files);
    EXPECT_EQ(written.paidTables, readers[2].files);
    EXPECT_EQ(written.closedTables, readers[3].files);
    EXPECT_EQ(written.openTables, readers[4].files);
    EXPECT_EQ(written.heldTables, readers[5].files);
    EXPECT_EQ(written.daySummaries, readers[6].files);
    EXPECT_EQ(written.timeControlDays, readers[8].files);
}
