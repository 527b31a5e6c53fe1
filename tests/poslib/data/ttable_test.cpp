#include "ttable.h"

#include "terror.h"
#include "testdir.h"
#include "testrecords.h"
#include "ttablefixture.h"

#include <QDomDocument>
#include <QMap>

#include <gtest/gtest.h>

#include <memory>

using namespace TableTestSupport;

namespace {

// Field texts without their type tags, which only live in memory.
QMap<QString, QString> texts(const TValue &value)
{
    QMap<QString, QString> out;
    for (auto it = value.fields().cbegin(); it != value.fields().cend(); ++it)
        out.insert(it.key(), it.value().text);
    return out;
}

} // namespace

// ---- names and markers ----------------------------------------------------

TEST_F(TableTest, FilePathFollowsTheMode)
{
    EXPECT_EQ(root() + "var/tables/t7.002", TTable(7, 2, nullptr, root()).filePath());
    EXPECT_EQ(root() + "var/tables/t12.001", TTable(12, 1, nullptr, root()).filePath());
    EXPECT_EQ(root() + "var/archives/a15", TTable(15, nullptr, root()).filePath());
    EXPECT_EQ(root() + "var/statist/tag03.03.2014/a15",
              TTable(QDate(2014, 3, 3), 15, nullptr, root()).filePath());
    TTable summary(nullptr);
    EXPECT_EQ(TTable::SummaryTable, summary.mode());
    EXPECT_EQ(TTable::Closed, summary.state());
}

TEST_F(TableTest, InfoNamesItsFileAndPrefersItsOwnRoot)
{
    std::unique_ptr<TTableInfo> active(TTableInfo::active(7, 2));
    EXPECT_EQ(root() + "var/tables/t7.002", active->fileName(root()));
    EXPECT_EQ("t12.1234", PosLib::activeTableFileName(12, 1234));
    EXPECT_EQ("t-1.000", PosLib::activeTableFileName(-1, 0));
    std::unique_ptr<TTableInfo> archived(TTableInfo::archived(1234));
    EXPECT_EQ(root() + "var/archives/a1234", archived->fileName(root()));
    std::unique_ptr<TTableInfo> day(TTableInfo::ofDay(QDate(2014, 3, 5), 15));
    EXPECT_EQ(root() + "var/statist/tag05.03.2014/a15", day->fileName(root()));

    TestDir other;
    std::unique_ptr<TTableInfo> own(TTableInfo::archived(15, other.path()));
    EXPECT_EQ(other.path() + "var/archives/a15", own->fileName(root()));
}

TEST_F(TableTest, FirstMarkerTellsTheHoldingTerminal)
{
    TTable table(7, 2, nullptr, root());
    EXPECT_FALSE(table.checkHeld());
    EXPECT_EQ(0, table.heldBy());

    dir.write(QStringLiteral("var/activetables/T7P2.4"), "");
    dir.write(QStringLiteral("var/activetables/T7P20.1"), "");
    EXPECT_TRUE(table.checkHeld());
    EXPECT_EQ(4, table.heldBy());
    EXPECT_EQ(TTable::Locked, table.state());
    EXPECT_EQ(7, table.table());
    EXPECT_EQ(2, table.party());

    dir.write(QStringLiteral("var/activetables/T7P2.9"), "");
    EXPECT_TRUE(table.checkHeld());
    EXPECT_EQ(4, table.heldBy());
    EXPECT_EQ(TTable::Locked, table.state());
}

TEST_F(TableTest, InfoReturnsHeldTableWithoutLoadingIt)
{
    dir.write(QStringLiteral("var/tables/t7.002"),
              tableBytes(header(7, 2), creation(1), {orderRecord(1, 100, 1)}));
    dir.write(QStringLiteral("var/activetables/T7P2.3"), "");

    std::unique_ptr<TTableInfo> info(TTableInfo::active(7, 2));
    TTable *table = info->table(true, 0, nullptr, nullptr, 0, root());
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(TTable::Locked, table->state());
    EXPECT_EQ(3, table->heldBy());
    EXPECT_TRUE(table->entries().isEmpty());
    EXPECT_EQ(table, info->table(true, 0, nullptr, nullptr, 0, root()));
}

// ---- loading --------------------------------------------------------------

TEST_F(TableTest, ReferenceTableLoadsWithChildrenAndRunningSum)
{
    const QString path
            = dir.copyData(QStringLiteral("t12.001"), QStringLiteral("var/tables/t12.001"));
    TTable table(12, 1, nullptr, root());
    QList<long> sums;
    QObject::connect(&table, &TTable::loaded, [&](long sum) { sums << sum; });

    ASSERT_EQ(0, table.load(path));

    EXPECT_EQ(TTable::Open, table.state());
    EXPECT_EQ(QList<long>({0, 1150}), sums);
    EXPECT_EQ(12, table.table());
    EXPECT_EQ(1, table.party());
    EXPECT_EQ(4711, table.billNum());
    EXPECT_EQ(2, table.guests());
    EXPECT_TRUE(table.inSum());
    EXPECT_FALSE(table.vatOh());
    EXPECT_DOUBLE_EQ(2000.0, table.amount());
    EXPECT_EQ(QStringLiteral("Anna"), table.create().waiterName());
    EXPECT_EQ(QStringLiteral("Window"), table.create().tableName());
    EXPECT_EQ(QTime(19, 4, 11), table.create().time());

    ASSERT_EQ(QList<int>({1, 2}), table.entries().ids());
    const TTableEntry *order = table.entries().entry(1);
    EXPECT_EQ(1150, order->price());
    ASSERT_TRUE(order->hasChildren());
    EXPECT_EQ(QList<int>({1, 2}), order->children()->ids());
    order->children()->forEach(
            [](TTableEntry *child) { EXPECT_FALSE(child->has(QStringLiteral("father"))); });
    EXPECT_DOUBLE_EQ(0.0, table.computeAmount());
    EXPECT_DOUBLE_EQ(1150.0, table.maxAmount());
}

TEST_F(TableTest, ArchivedTableTakesItsArchiveNumberFromTheName)
{
    const QString path = dir.copyData(QStringLiteral("a15"), QStringLiteral("var/archives/a99"));
    TTable table(99, nullptr, root());
    EXPECT_EQ(path, table.filePath());
    ASSERT_EQ(0, table.load(path));
    EXPECT_EQ(99, table.archive());
    EXPECT_EQ(7, table.table());
    EXPECT_EQ(2, table.party());
}

TEST_F(TableTest, LoadCodes)
{
    TTable table(15, nullptr, root());
    EXPECT_EQ(3, table.load(QString()));

    writeArchive(15, QByteArray());
    EXPECT_EQ(5, table.load(table.filePath()));

    writeArchive(15, tableBytes(header(7, 2), creation(1, 3), {orderRecord(1, 100, 1)}));
    EXPECT_EQ(304, table.load(table.filePath()));
    EXPECT_EQ(TTable::Corrupt, table.state());
    EXPECT_TRUE(table.entries().isEmpty());

    EXPECT_THROW(table.load(root() + "var/archives/a404"), Basics::TFileError);
}

TEST_F(TableTest, LoadWithoutEntriesKeepsHeaderOnly)
{
    writeArchive(
            15, tableBytes(header(7, 2), creation(1), {orderRecord(1, 100, 1), payRecord(2, 100)}));
    TTable table(15, nullptr, root());
    ASSERT_EQ(0, table.load(table.filePath(), false));
    EXPECT_EQ(TTable::Open, table.state());
    EXPECT_TRUE(table.entries().isEmpty());
    EXPECT_EQ(7, table.table());
}

TEST_F(TableTest, ReloadReplacesTheEntries)
{
    writeArchive(15, tableBytes(header(7, 2), creation(1), {orderRecord(1, 100, 1)}));
    writeArchive(16, tableBytes(header(8, 1), creation(1), {payRecord(4, 100)}));
    TTable table(15, nullptr, root());
    ASSERT_EQ(0, table.load(table.filePath()));
    ASSERT_EQ(0, table.load(root() + "var/archives/a16"));
    EXPECT_EQ(QList<int>({4}), table.entries().ids());
    EXPECT_EQ(8, table.table());
}

// ---- visibility -----------------------------------------------------------

class TableVisibility : public TableTest
{
protected:
    TableVisibility()
    {
        owner.setId(1);
        owner.setInt(QStringLiteral("mintablerange"), 1);
        owner.setInt(QStringLiteral("maxtablerange"), 20);
        owner.setBool(QStringLiteral("alltables"), false);
        owner.setString(QStringLiteral("teams"), QStringLiteral("1;3"));
        addWaiter(5, QStringLiteral("03"));
        addWaiter(6, QStringLiteral("2;5"));
        addWaiter(7, QString());
    }

    void addWaiter(int id, const QString &teams)
    {
        auto *w = new TValue;
        w->setId(id);
        w->setString(QStringLiteral("teams"), teams);
        waiters.insert(w);
    }

    // State of table `number` created by `creator` after a load with
    // those parameters.
    int state(long number, int creator, int visibility, int teamCheck = 0)
    {
        writeArchive(15,
                     tableBytes(header(number, 1), creation(creator), {orderRecord(1, 100, 1)}));
        TTable table(15, &owner, root());
        EXPECT_EQ(0, table.load(table.filePath(), true, visibility, &waiters, teamCheck));
        if (table.state() == TTable::Hidden) {
            EXPECT_TRUE(table.entries().isEmpty());
            EXPECT_EQ(creator, table.create().waiter());
            EXPECT_EQ(number, table.table());
        }
        return table.state();
    }

    TValue owner;
    Basics::TValueList waiters;
};

TEST_F(TableVisibility, EverythingVisibleWithoutBitsOrOwner)
{
    EXPECT_EQ(TTable::Open, state(99, 9, 0));
    writeArchive(15, tableBytes(header(99, 1), creation(9)));
    TTable table(15, nullptr, root());
    table.load(table.filePath(), true, 2);
    EXPECT_EQ(TTable::Open, table.state());
}

TEST_F(TableVisibility, OwnTablesNeedBitTwo)
{
    EXPECT_EQ(TTable::Open, state(99, 1, 2));
    EXPECT_EQ(TTable::Hidden, state(10, 1, 4 | 8));
}

TEST_F(TableVisibility, TablesOutsideTheRangeNeedBitEight)
{
    EXPECT_EQ(TTable::Open, state(21, 9, 8));
    EXPECT_EQ(TTable::Hidden, state(21, 9, 2 | 4));
    // table 0 lies outside every range
    owner.setInt(QStringLiteral("mintablerange"), 0);
    EXPECT_EQ(TTable::Hidden, state(0, 9, 4));
    EXPECT_EQ(TTable::Open, state(0, 9, 8));
}

TEST_F(TableVisibility, TablesInRangeOrAllTablesNeedBitFour)
{
    EXPECT_EQ(TTable::Open, state(1, 9, 4));
    EXPECT_EQ(TTable::Open, state(20, 9, 4));
    EXPECT_EQ(TTable::Hidden, state(20, 9, 2 | 8));
    owner.setBool(QStringLiteral("alltables"), true);
    EXPECT_EQ(TTable::Open, state(99, 9, 4));
    EXPECT_EQ(TTable::Hidden, state(99, 9, 8));
}

TEST_F(TableVisibility, TeamsDecideBetweenBitsFourAndEight)
{
    const int teams = 16 | 4;
    // creator 5 shares team 3 (written "03")
    EXPECT_EQ(TTable::Open, state(10, 5, teams, 1));
    // creator 6 shares no team, creator 7 has none: bit 8 decides
    EXPECT_EQ(TTable::Hidden, state(10, 6, teams, 1));
    EXPECT_EQ(TTable::Open, state(10, 6, 16 | 8, 1));
    EXPECT_EQ(TTable::Hidden, state(10, 7, teams, 1));
    // a creator missing from the waiter list is visible whatever the bits
    EXPECT_EQ(TTable::Open, state(10, 42, 16, 1));
}

TEST_F(TableVisibility, TeamsComparedOnlyWithCheckAndOwnerTeams)
{
    // without teamCheck bit 4 decides as for any table in range
    EXPECT_EQ(TTable::Open, state(10, 6, 16 | 4, 0));
    owner.setString(QStringLiteral("teams"), QString());
    EXPECT_EQ(TTable::Open, state(10, 6, 16 | 4, 1));
    EXPECT_EQ(TTable::Hidden, state(10, 6, 16 | 8, 1));
}

TEST(TableTeams, AnySharedNumberOrAnEmptyListMatches)
{
    EXPECT_TRUE(PosLib::teamsMatch(QStringLiteral("1;3"), QStringLiteral("03")));
    EXPECT_TRUE(PosLib::teamsMatch(QStringLiteral("4;7"), QStringLiteral("9;7")));
    EXPECT_TRUE(PosLib::teamsMatch(QString(), QStringLiteral("2")));
    EXPECT_TRUE(PosLib::teamsMatch(QStringLiteral("2"), QString()));
    EXPECT_FALSE(PosLib::teamsMatch(QStringLiteral("1;3"), QStringLiteral("2;5")));
}

// ---- XML ------------------------------------------------------------------

TEST_F(TableTest, XmlRoundTripKeepsHeaderCreationAndChildren)
{
    const QString path = dir.copyData(QStringLiteral("a15"), QStringLiteral("var/archives/a15"));
    TTable table(15, nullptr, root());
    ASSERT_EQ(0, table.load(path));

    QDomDocument doc;
    QDomElement element = doc.createElement(QStringLiteral("table"));
    doc.appendChild(element);
    table.toXml(doc, element);
    EXPECT_EQ(QStringLiteral("15"), element.attribute(QStringLiteral("archive")));
    EXPECT_EQ(QStringLiteral("4711"), element.firstChildElement(QStringLiteral("tableheader"))
                                              .firstChildElement(QStringLiteral("billnum"))
                                              .text());

    TTable back(nullptr);
    back.newEntries().append(newOrder(1, 1));
    ASSERT_TRUE(back.fromXml(element));
    EXPECT_EQ(texts(table), texts(back));
    EXPECT_EQ(texts(table.create()), texts(back.create()));
    EXPECT_TRUE(back.newEntries().isEmpty());
    ASSERT_EQ(QList<int>({1, 2}), back.entries().ids());
    EXPECT_EQ(1150, back.entries().entry(1)->price());
    EXPECT_EQ(QStringLiteral("Pizza\nMargherita"), back.entries().entry(1)->article());
}

TEST_F(TableTest, XmlNeedsHeaderAndCreation)
{
    QDomDocument doc;
    QDomElement element = doc.createElement(QStringLiteral("table"));
    element.appendChild(doc.createElement(QStringLiteral("tableheader")));
    TTable table(nullptr);
    table.setBillNum(5);
    EXPECT_FALSE(table.fromXml(element));
    EXPECT_EQ(5, table.billNum());
}
