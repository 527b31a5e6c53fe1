// The intermediate lists over demo installations, written to files and
// read back with the print engine's reader.
#include "tintermediatelists.h"

#include "crystaltest.h"
#include "smalldemo.h"
#include "testdir.h"
#include "toutlets.h"
#include "tsumfilters.h"
#include "ttable.h"
#include "ttablelist.h"
#include "tworkspacelists.h"

#include <QDir>
#include <QSet>

#include <gtest/gtest.h>

#include <memory>

using namespace Crystal;
using namespace PosLib;
using crystaltest::column;
using crystaltest::readList;
using smalldemo::Today;

namespace {

// What the tables of a list hold, counted straight from the table files.
struct Tally
{
    int tables = 0;
    int orders = 0;
    int voids = 0;
    int pays = 0;
    int voidedPays = 0;
    int splits = 0;
    qint64 payAmount = 0;
};

void tally(TTableList *list, const QString &root, Tally &t,
           const std::function<bool(const TTable &)> &wanted = {})
{
    TTableIterator it(list, true, 0, nullptr, root);
    for (TTable *table = it.first(); table; table = it.next()) {
        if (wanted && !wanted(*table))
            continue;
        ++t.tables;
        table->entries().forEach([&](const TTableEntry *e) {
            switch (e->type()) {
            case EntryOrder:
                ++t.orders;
                break;
            case EntryVoid:
                ++t.voids;
                break;
            case EntryPay:
                if (e->isVoided()) {
                    ++t.voidedPays;
                } else {
                    ++t.pays;
                    t.payAmount += e->amount();
                }
                break;
            case EntrySplit:
                ++t.splits;
                break;
            default:
                break;
            }
        });
    }
}

Tally todaysTables(const QString &root, const std::function<bool(const TTable &)> &wanted = {})
{
    Tally t;
    std::unique_ptr<TTableList> list(archiveTables(root));
    tally(list.get(), root, t, wanted);
    return t;
}

class IntermediateLists : public ::testing::Test
{
protected:
    TExportRequest today() const
    {
        TExportRequest r;
        r.today = Today;
        return r;
    }

    // Every record of the lists derived from tables names an exported table;
    // every table has its creation record; ref_table and id run from 1.
    void expectLinked(const QString &dir, int tableCount)
    {
        const QStringList refs
                = column(readList(dir, QStringLiteral("tables")), QStringLiteral("ref_table"));
        const QSet<QString> tables(refs.begin(), refs.end());
        EXPECT_EQ(tableCount, refs.size());
        EXPECT_EQ(refs.size(), tables.size()) << "ref_table numbers a table once";
        for (int i = 0; i < refs.size(); ++i)
            EXPECT_EQ(QString::number(i + 1), refs.at(i));
        for (const char *name : {"creates", "orders", "voids", "pays", "splits"}) {
            const PrintEngine::TDataList list = readList(dir, QLatin1String(name));
            for (const QString &ref : column(list, QStringLiteral("ref_table")))
                EXPECT_TRUE(tables.contains(ref)) << name << " names table " << ref.toStdString();
            const QStringList ids = column(list, QStringLiteral("id"));
            for (int i = 0; i < ids.size(); ++i)
                ASSERT_EQ(QString::number(i + 1), ids.at(i)) << name;
        }
        const QStringList creates
                = column(readList(dir, QStringLiteral("creates")), QStringLiteral("ref_table"));
        EXPECT_EQ(refs, creates);
    }

    const QString root = smalldemo::shared();
    TestDir out;
};

} // namespace

TEST_F(IntermediateLists, TodaysTablesWithEveryEntryLinkedToItsTable)
{
    const Tally expected = todaysTables(root);
    ASSERT_GT(expected.voidedPays, 0) << "the demo has voided payments to leave out";
    ASSERT_GT(expected.voids, 0);

    TExportRequest r = today();
    TWorkspaceLists lists(root);
    r.dataOutlets = lists.get(QStringLiteral("outlets")); // the demo's one terminal path
    exportIntermediateLists(r, {root}, out.path());
    expectLinked(out.path(), expected.tables);

    const PrintEngine::TDataList pays = readList(out.path(), QStringLiteral("pays"));
    EXPECT_EQ(expected.pays, pays.count());
    qint64 amount = 0;
    for (int row = 0; row < pays.count(); ++row) {
        EXPECT_NE(QStringLiteral("yes"), pays.value(row, QStringLiteral("voided")));
        amount += pays.value(row, QStringLiteral("maxamount")).toLongLong();
    }
    EXPECT_EQ(expected.payAmount, amount);
    EXPECT_EQ(expected.orders, readList(out.path(), QStringLiteral("orders")).count());
    EXPECT_EQ(expected.voids, readList(out.path(), QStringLiteral("voids")).count());
    EXPECT_EQ(expected.splits, readList(out.path(), QStringLiteral("splits")).count());

    // counts with a point, amounts in whole cents, the day of the tables
    for (const QString &count :
         column(readList(out.path(), QStringLiteral("orders")), QStringLiteral("count")))
        EXPECT_FALSE(count.contains(QLatin1Char(','))) << count.toStdString();
    const PrintEngine::TDataList tables = readList(out.path(), QStringLiteral("tables"));
    for (int row = 0; row < tables.count(); ++row) {
        EXPECT_EQ(QStringLiteral("2026-12-05"), tables.value(row, QStringLiteral("rep_date")));
        EXPECT_FALSE(tables.value(row, QStringLiteral("maxamount")).contains(QLatin1Char('.')));
        EXPECT_EQ(QStringLiteral("1"), tables.value(row, QStringLiteral("c_outletid")));
    }
}

TEST_F(IntermediateLists, ClosedDaysOfARangeAndTheInfosRecord)
{
    TExportRequest r = today();
    r.from = Today.addDays(-2);
    r.to = Today.addDays(-1);
    r.user = QStringLiteral("Anna");
    r.headers = {QStringLiteral("Welcome"), QString(), QStringLiteral("Third")};
    exportIntermediateLists(r, {root}, out.path());

    Tally expected;
    for (const QDate &day : {r.from, r.to}) {
        std::unique_ptr<TTableList> list(dayTables(root, day));
        tally(list.get(), root, expected);
    }
    expectLinked(out.path(), expected.tables);
    const QStringList days
            = column(readList(out.path(), QStringLiteral("tables")), QStringLiteral("rep_date"));
    EXPECT_TRUE(days.contains(QStringLiteral("2026-12-03")));
    EXPECT_TRUE(days.contains(QStringLiteral("2026-12-04")));
    EXPECT_FALSE(days.contains(QStringLiteral("2026-12-05")));

    const PrintEngine::TDataList infos = readList(out.path(), QStringLiteral("infos"));
    ASSERT_EQ(1, infos.count());
    EXPECT_EQ(QStringLiteral("2026-12-03"), infos.value(0, QStringLiteral("fromdate")));
    EXPECT_EQ(QStringLiteral("2026-12-04"), infos.value(0, QStringLiteral("todate")));
    EXPECT_EQ(QStringLiteral("Anna"), infos.value(0, QStringLiteral("user")));
    EXPECT_EQ(QStringLiteral("Welcome"), infos.value(0, QStringLiteral("header1")));
    EXPECT_EQ(QStringLiteral("Third"), infos.value(0, QStringLiteral("header3")));
    EXPECT_EQ(-1, infos.column(QStringLiteral("header2"))) << "empty header lines are left out";
    EXPECT_EQ(QStringLiteral("Via Roma 12"), infos.value(0, QStringLiteral("street")));
    EXPECT_EQ(QStringLiteral("0"), infos.value(0, QStringLiteral("filter")));
}

TEST_F(IntermediateLists, FilteredTablesAndEntriesAreLeftOut)
{
    TSumFilters filters;
    ASSERT_EQ(0, filters.load(root.toLocal8Bit().constData()));

    // 5 "Card payments": tables with a card payment, of their entries only
    // the payments
    TExportRequest r = today();
    r.filter = filters.filter(5);
    r.filterId = 5;
    r.filterName = r.filter->name();
    exportIntermediateLists(r, {root}, out.path());
    const Tally all = todaysTables(root);
    const Tally card = todaysTables(root, [](const TTable &table) {
        bool found = false;
        table.entries().forEach([&](const TTableEntry *e) {
            found = found
                    || (e->type() == EntryPay && !e->isVoided() && e->payform() >= 2
                        && e->payform() <= 4);
        });
        return found;
    });
    ASSERT_GT(card.tables, 0);
    ASSERT_LT(card.tables, all.tables);
    expectLinked(out.path(), card.tables);
    EXPECT_EQ(card.pays, readList(out.path(), QStringLiteral("pays")).count());
    for (const char *name : {"orders", "voids", "splits"})
        EXPECT_EQ(0, readList(out.path(), QLatin1String(name)).count()) << name;
    EXPECT_EQ(QStringLiteral("Card payments"),
              readList(out.path(), QStringLiteral("infos")).value(0, QStringLiteral("filtername")));

    // 1 "Takeaway": only takeaway tables
    TestDir takeaway;
    r.filter = filters.filter(1);
    exportIntermediateLists(r, {root}, takeaway.path());
    const PrintEngine::TDataList tables = readList(takeaway.path(), QStringLiteral("tables"));
    EXPECT_EQ(todaysTables(root, [](const TTable &t) { return t.vatOh(); }).tables, tables.count());
    for (const QString &vatoh : column(tables, QStringLiteral("vatoh")))
        EXPECT_EQ(QStringLiteral("yes"), vatoh);
}

TEST_F(IntermediateLists, AnOutletOfThreeDataPathsExportsThreeTimesIntoTheSameLists)
{
    // three terminals' installations and an outlet covering them
    TestDir second;
    TestDir third;
    PosLib::TDemoOptions options;
    options.days = 1;
    options.tables = 10;
    options.today = Today;
    options.seed = 2;
    PosLib::TDemoInstallation(options).write(second.path());
    options.seed = 3;
    PosLib::TDemoInstallation(options).write(third.path());
    const QStringList roots {root, second.path(), third.path()};

    Basics::TValueList terminals;
    OutletsLib::TOutlets tree;
    for (int i = 0; i < 3; ++i) {
        auto *path = new Basics::TValue;
        path->setId(i + 1);
        path->setName(QStringLiteral("Terminal %1").arg(i + 1));
        path->setString(QStringLiteral("path"), roots.at(i));
        terminals.insert(path);
    }
    auto *outlet = new Basics::TValue;
    outlet->setId(4);
    outlet->setBool(QStringLiteral("isleaf"), true);
    outlet->setString(QStringLiteral("outlets"), QStringLiteral("1;2;3"));
    tree.insert(outlet);
    const QStringList paths = tree.paths(&terminals, outlet);
    ASSERT_EQ(roots, paths);

    TExportRequest r = today();
    r.outlet = 4;
    r.dataOutlets = &terminals;
    exportIntermediateLists(r, paths, out.path());

    int tables = 0;
    QStringList outletIds;
    for (int i = 0; i < 3; ++i) {
        const int count = todaysTables(roots.at(i)).tables;
        tables += count;
        for (int n = 0; n < count; ++n)
            outletIds << QString::number(i + 1);
    }
    expectLinked(out.path(), tables);
    const PrintEngine::TDataList list = readList(out.path(), QStringLiteral("tables"));
    EXPECT_EQ(outletIds, column(list, QStringLiteral("c_outletid")));
    EXPECT_EQ(QStringLiteral("Terminal 3"),
              list.value(list.count() - 1, QStringLiteral("c_outletname")));
    for (const QString &outletNumber : column(list, QStringLiteral("rep_outlet")))
        EXPECT_EQ(QStringLiteral("4"), outletNumber);
    EXPECT_EQ(3, readList(out.path(), QStringLiteral("infos")).count()) << "one per data path";

    // the header line once: the first line of the file
    const QByteArray bytes = out.read(QStringLiteral("tables.txt"));
    EXPECT_EQ(1, bytes.count("id,ref_table,"));
}
