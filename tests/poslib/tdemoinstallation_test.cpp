#include "tarchinfo.h"
#include "tarchtable.h"
#include "tcounter.h"
#include "tcurrencies.h"
#include "tdemoinstallation.h"
#include "testdir.h"
#include "tinstallation.h"
#include "tsettings.h"
#include "tsumbatch.h"
#include "tsumfilters.h"
#include "ttable.h"
#include "ttablelist.h"
#include "ttimecontrols.h"
#include "tworkspacelists.h"

#include <QDir>
#include <QDirIterator>

#include <gtest/gtest.h>

#include <memory>

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
