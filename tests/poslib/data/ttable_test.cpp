#include "ttable.h"

#include "terror.h"
#include "testdir.h"
#include "testrecords.h"
#include "tfilelock.h"
#include "tlog.h"
#include "trecordcodec.h"
#include "ttaxgroups.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

using Basics::TLog;
using Basics::TRecordReader;
using Basics::TValue;
using PosLib::TTable;
using PosLib::TTableEntry;
using PosLib::TTableInfo;

namespace {

TValue header(long table, int party)
{
    TValue v;
    v.setInt(QStringLiteral("table"), table);
    v.setInt(QStringLiteral("party"), party);
    v.setInt(QStringLiteral("round"), 1);
    v.setDouble(QStringLiteral("amount"), 0);
    return v;
}

TValue creation(int waiter, int type = PosLib::EntryCreate)
{
    TValue v;
    v.setId(0);
    v.setInt(QStringLiteral("type"), type);
    v.setInt(QStringLiteral("waiter"), waiter);
    v.setString(QStringLiteral("waitername"), QStringLiteral("Waiter %1").arg(waiter));
    return v;
}

TValue orderRecord(int id, qint64 price, double count)
{
    TValue v;
    v.setId(id);
    v.setInt(QStringLiteral("type"), PosLib::EntryOrder);
    v.setInt(QStringLiteral("price"), price);
    v.setDouble(QStringLiteral("count"), count);
    return v;
}

TValue payRecord(int id, qint64 amount, bool voided = false)
{
    TValue v;
    v.setId(id);
    v.setInt(QStringLiteral("type"), PosLib::EntryPay);
    v.setInt(QStringLiteral("amount"), amount);
    v.setBool(QStringLiteral("voided"), voided);
    return v;
}

TValue addOnRecord(int id, qint64 price, int father)
{
    TValue v;
    v.setId(id);
    v.setInt(QStringLiteral("type"), PosLib::EntryAddOn);
    v.setInt(QStringLiteral("price"), price);
    v.setInt(QStringLiteral("father"), father);
    return v;
}

QByteArray tableBytes(const TValue &head, const TValue &create, const QList<TValue> &entries = {})
{
    QByteArray data;
    Basics::appendRecord(data, head);
    Basics::appendRecord(data, create);
    for (const TValue &e : entries)
        Basics::appendRecord(data, e);
    return data;
}

// Field texts without their type tags, which only live in memory.
QMap<QString, QString> texts(const TValue &value)
{
    QMap<QString, QString> out;
    for (auto it = value.fields().cbegin(); it != value.fields().cend(); ++it)
        out.insert(it.key(), it.value().text);
    return out;
}

TTableEntry *newOrder(qint64 price, double count)
{
    auto *e = new TTableEntry;
    static_cast<TValue &>(*e) = orderRecord(0, price, count);
    return e;
}

TTableEntry *newPay(qint64 amount, bool voided = false)
{
    auto *e = new TTableEntry;
    static_cast<TValue &>(*e) = payRecord(0, amount, voided);
    return e;
}

// Collects the lines of the process logger while it exists, with every
// level switched on.
class LogLines
{
public:
    LogLines()
        : m_level(TLog::instance().level())
    {
        TLog::instance().setLevel(TLog::All);
        m_connection = QObject::connect(&TLog::instance(), &TLog::logged,
                                        [this](int, const QString &line) { m_lines << line; });
    }
    ~LogLines()
    {
        QObject::disconnect(m_connection);
        TLog::instance().setLevel(m_level);
    }
    int count(const QString &text) const
    {
        int n = 0;
        for (const QString &line : m_lines)
            n += line.contains(text) ? 1 : 0;
        return n;
    }

private:
    int m_level;
    QMetaObject::Connection m_connection;
    QStringList m_lines;
};

class TableTest : public ::testing::Test
{
protected:
    QString root() const { return dir.path(); }
    void writeArchive(long archive, const QByteArray &data)
    {
        dir.write(QStringLiteral("var/archives/a%1").arg(archive), data);
    }
    QByteArray archiveBytes(long archive) const
    {
        return dir.read(QStringLiteral("var/archives/a%1").arg(archive));
    }

    TestDir dir;
};

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

// ---- open for update ------------------------------------------------------

TEST_F(TableTest, OpenForUpdateCodes)
{
    TTable active(7, 2, nullptr, root());
    EXPECT_EQ(3, active.openForUpdate());

    TTable missing(15, nullptr, root());
    EXPECT_EQ(10016, missing.openForUpdate());

    writeArchive(16, QByteArray());
    TTable empty(16, nullptr, root());
    EXPECT_EQ(10016, empty.openForUpdate());
    EXPECT_FALSE(dir.exists(QStringLiteral("var/archives/a16")));

    writeArchive(17, tableBytes(header(7, 2), creation(1, 3)));
    TTable corrupt(17, nullptr, root());
    EXPECT_EQ(3, corrupt.openForUpdate());
    EXPECT_EQ(TTable::Corrupt, corrupt.state());

    dir.copyData(QStringLiteral("a15"), QStringLiteral("var/archives/a18"));
    TTable good(18, nullptr, root());
    EXPECT_EQ(0, good.openForUpdate());
    EXPECT_EQ(TTable::Open, good.state());
    EXPECT_EQ(18, good.archive());
    EXPECT_EQ(QList<int>({1, 2}), good.entries().ids());
    EXPECT_EQ(1150, good.entries().entry(1)->price());
}

TEST_F(TableTest, OpenForUpdateChecksTheOwner)
{
    TValue owner;
    owner.setId(1);
    owner.setInt(QStringLiteral("mintablerange"), 1);
    owner.setInt(QStringLiteral("maxtablerange"), 20);
    owner.setString(QStringLiteral("teams"), QStringLiteral("1;3"));

    auto code = [&](long number, int creator, const QString &teams) {
        TValue create = creation(creator);
        create.setString(QStringLiteral("teams"), teams);
        writeArchive(15, tableBytes(header(number, 1), create));
        TTable table(15, &owner, root());
        const int rc = table.openForUpdate();
        if (rc == 8) {
            EXPECT_EQ(TTable::Locked, table.state());
        }
        return rc;
    };
    EXPECT_EQ(0, code(99, 1, QStringLiteral("2")));
    EXPECT_EQ(0, code(20, 9, QStringLiteral("2")));
    EXPECT_EQ(8, code(0, 9, QString()));
    EXPECT_EQ(8, code(99, 9, QStringLiteral("3")));
    owner.setBool(QStringLiteral("alltables"), true);
    EXPECT_EQ(0, code(99, 9, QStringLiteral("3")));
    EXPECT_EQ(0, code(99, 9, QString()));
    EXPECT_EQ(8, code(99, 9, QStringLiteral("2")));
}

TEST_F(TableTest, RefusedUpdateReleasesTheFile)
{
    TValue owner;
    owner.setId(1);
    writeArchive(15, tableBytes(header(99, 1), creation(9)));
    writeArchive(16, tableBytes(header(99, 1), creation(9, 3)));
    TTable refused(15, &owner, root());
    ASSERT_EQ(8, refused.openForUpdate());
    TTable corrupt(16, nullptr, root());
    ASSERT_EQ(3, corrupt.openForUpdate());

    for (const QString &name :
         {QStringLiteral("var/archives/a15"), QStringLiteral("var/archives/a16")}) {
        QFile other(dir.file(name));
        ASSERT_TRUE(other.open(QIODevice::ReadWrite));
        EXPECT_TRUE(Basics::TFileLock::tryLock(other.handle(), Basics::TFileLock::WriteLock))
                << qPrintable(name);
    }
}

// ---- close ----------------------------------------------------------------

TEST_F(TableTest, CloseRepairsReferenceTotalThroughTmp)
{
    dir.copyData(QStringLiteral("a15"), QStringLiteral("var/archives/a15"));
    TTable table(15, nullptr, root());
    ASSERT_EQ(0, table.openForUpdate());
    QList<double> amounts;
    QObject::connect(&table, &TTable::amountChanged, [&](TTable *t, double a) {
        EXPECT_EQ(&table, t);
        amounts << a;
    });
    int created = 0;
    QObject::connect(&table, &TTable::created, [&] { ++created; });
    table.setModified(true);
    LogLines log;

    table.close();

    EXPECT_EQ(1, log.count(QStringLiteral("Amount not correct:2000, 0.000")));
    EXPECT_EQ(QList<double>({0.0}), amounts);
    EXPECT_EQ(0, created);
    EXPECT_FALSE(dir.exists(QStringLiteral("var/archives/a15.tmp")));
    const QList<TValue> written = records(archiveBytes(15));
    ASSERT_EQ(6, written.size());
    EXPECT_EQ(QStringLiteral("0.00000"), written[0].getString(QStringLiteral("amount")));
    EXPECT_EQ(QStringLiteral("1150.00000"), written[0].getString(QStringLiteral("maxamount")));
    EXPECT_EQ(1, written[0].getInt(QStringLiteral("round")));
    // the children go back with their parent's id in "father"
    EXPECT_EQ(1, written[3].getInt(QStringLiteral("father")));
    EXPECT_EQ(1, written[4].getInt(QStringLiteral("father")));
    EXPECT_FALSE(written[5].has(QStringLiteral("father")));
    const QList<TValue> original = records(testData(QStringLiteral("a15")));
    EXPECT_EQ(original[1], written[1]);
    EXPECT_EQ(original[2], written[2]);
    EXPECT_EQ(original[3], written[3]);
    EXPECT_EQ(original[5], written[5]);
}

TEST_F(TableTest, CloseLeavesTheOldFileWhenTheTmpCannotBeOpened)
{
    dir.copyData(QStringLiteral("a15"), QStringLiteral("var/archives/a15"));
    // a directory in the temporary's place: not even root can open it for
    // writing (file permissions would not stop root)
    ASSERT_TRUE(QDir().mkpath(dir.file(QStringLiteral("var/archives/a15.tmp"))));
    TTable table(15, nullptr, root());
    ASSERT_EQ(0, table.openForUpdate());
    const int saved = table.entries().count();
    table.addEntry(newOrder(100, 1));
    LogLines log;

    table.close();

    EXPECT_EQ(1, log.count(QStringLiteral("Temp Tablefile could not open")));
    EXPECT_EQ(testData(QStringLiteral("a15")), archiveBytes(15));
    EXPECT_TRUE(QFileInfo(dir.file(QStringLiteral("var/archives/a15.tmp"))).isDir());
    // the committed entry stays in memory
    EXPECT_EQ(saved + 1, table.entries().count());
    EXPECT_TRUE(table.newEntries().isEmpty());
}

TEST_F(TableTest, CloseLogsTheStoredAndTheComputedAmount)
{
    TValue head = header(7, 2);
    head.setDouble(QStringLiteral("amount"), 10.0);
    writeArchive(15, tableBytes(head, creation(1), {orderRecord(1, 1250, 1)}));
    TTable table(15, nullptr, root());
    ASSERT_EQ(0, table.openForUpdate());
    table.setModified(true);
    LogLines log;
    table.close();
    EXPECT_EQ(1, log.count(QStringLiteral("Amount not correct:10, 1250.000")));

    // a correct total is not logged again
    TTable again(15, nullptr, root());
    ASSERT_EQ(0, again.openForUpdate());
    EXPECT_DOUBLE_EQ(1250.0, again.amount());
    again.setModified(true);
    again.close();
    EXPECT_EQ(1, log.count(QStringLiteral("Amount not correct")));
}

TEST_F(TableTest, CloseRaisesRoundOnceForAnyNumberOfOrders)
{
    dir.copyData(QStringLiteral("a15"), QStringLiteral("var/archives/a15"));
    TTable table(15, nullptr, root());
    ASSERT_EQ(0, table.openForUpdate());
    table.addEntry(newOrder(100, 1));
    table.addEntry(newOrder(200, 2));
    table.addEntry(newPay(500));
    table.addEntry(newOrder(300, 1));
    table.close();
    EXPECT_EQ(2, table.round());
    EXPECT_TRUE(table.newEntries().isEmpty());
    EXPECT_EQ(QList<int>({1, 2, 3, 4, 5, 6}), table.entries().ids());

    TTable reread(15, nullptr, root());
    ASSERT_EQ(0, reread.openForUpdate());
    EXPECT_EQ(2, reread.round());
    EXPECT_EQ(6, reread.entries().count());
    // 1150 + 100 + 400 + 300 ordered, 1150 + 500 paid
    EXPECT_DOUBLE_EQ(300.0, reread.amount());
    reread.addEntry(newPay(300));
    reread.close();
    EXPECT_EQ(2, reread.round());
}

TEST_F(TableTest, NewEntriesJoinInIdOrderWithNewIds)
{
    writeArchive(
            15, tableBytes(header(7, 2), creation(1), {orderRecord(1, 100, 1), payRecord(2, 100)}));
    TTable table(15, nullptr, root());
    ASSERT_EQ(0, table.openForUpdate());
    auto *late = newOrder(500, 1);
    late->setId(9);
    auto *early = newPay(700);
    early->setId(4);
    table.addEntry(late);
    table.addEntry(early);
    table.close();

    EXPECT_EQ(QList<int>({1, 2, 3, 4}), table.entries().ids());
    EXPECT_EQ(700, table.entries().entry(3)->amount());
    EXPECT_EQ(500, table.entries().entry(4)->unitPrice());
}

TEST_F(TableTest, FirstSaveOfAnEmptyTableEmitsCreated)
{
    writeArchive(15, tableBytes(header(7, 2), creation(1)));
    TTable table(15, nullptr, root());
    ASSERT_EQ(0, table.openForUpdate());
    QList<TTable *> created;
    QObject::connect(&table, &TTable::created, [&](TTable *t) { created << t; });

    table.addEntry(newOrder(100, 1));
    table.close();
    EXPECT_EQ(QList<TTable *>({&table}), created);

    table.addEntry(newPay(100));
    table.close();
    EXPECT_EQ(1, created.size());
    EXPECT_EQ(2, records(archiveBytes(15)).size() - 2);
}

TEST_F(TableTest, CloseWithoutChangesLeavesOrDeletesTheFile)
{
    dir.copyData(QStringLiteral("a15"), QStringLiteral("var/archives/a15"));
    TTable table(15, nullptr, root());
    ASSERT_EQ(0, table.openForUpdate());
    table.close();
    EXPECT_EQ(testData(QStringLiteral("a15")), archiveBytes(15));

    // a table with no entries at all is removed
    writeArchive(16, tableBytes(header(7, 2), creation(1)));
    TTable empty(16, nullptr, root());
    ASSERT_EQ(0, empty.openForUpdate());
    empty.close();
    EXPECT_FALSE(dir.exists(QStringLiteral("var/archives/a16")));
}

TEST_F(TableTest, CloseWritesOnlyOpenTablesWithCreation)
{
    LogLines log;
    TTable closed(15, nullptr, root());
    closed.addEntry(newOrder(100, 1));
    closed.close();
    EXPECT_EQ(1, log.count(QStringLiteral("No access on File m_State:0")));

    TTable bare(15, nullptr, root());
    bare.setState(TTable::Open);
    bare.create().clear();
    bare.addEntry(newOrder(100, 1));
    bare.close();
    EXPECT_EQ(1, log.count(QStringLiteral("No create information")));
    EXPECT_FALSE(dir.exists(QStringLiteral("var/archives/a15")));
}

TEST_F(TableTest, DestroyingAnOpenTableWritesItsEntries)
{
    writeArchive(15, tableBytes(header(7, 2), creation(1), {orderRecord(1, 100, 1)}));
    {
        TTable table(15, nullptr, root());
        ASSERT_EQ(0, table.openForUpdate());
        table.addEntry(newPay(100));
    }
    const QList<TValue> written = records(archiveBytes(15));
    ASSERT_EQ(4, written.size());
    EXPECT_EQ(PosLib::EntryPay, written[3].getInt(QStringLiteral("type")));
    EXPECT_EQ(QStringLiteral("0.00000"), written[0].getString(QStringLiteral("amount")));
}

TEST_F(TableTest, ChildrenAndStrayFathersSurviveARoundTrip)
{
    writeArchive(15, tableBytes(header(7, 2), creation(1),
                                {orderRecord(4, 250, 2), addOnRecord(7, 50, 4),
                                 addOnRecord(9, 25, 4), addOnRecord(6, 10, 99)}));
    TTable table(15, nullptr, root());
    ASSERT_EQ(0, table.openForUpdate());
    auto *order = newOrder(100, 1);
    auto *addOn = new TTableEntry;
    addOn->setType(PosLib::EntryAddOn);
    addOn->setInt(QStringLiteral("price"), 20);
    order->children(true)->append(addOn);
    table.addEntry(order);
    table.close();

    TTable back(15, nullptr, root());
    ASSERT_EQ(0, back.load(back.filePath()));
    EXPECT_EQ(QList<int>({4, 6, 7}), back.entries().ids());
    EXPECT_EQ(QList<int>({1, 2}), back.entries().entry(4)->children()->ids());
    EXPECT_EQ(325, back.entries().entry(4)->price());
    EXPECT_FALSE(back.entries().entry(6)->hasChildren());
    EXPECT_EQ(120, back.entries().entry(7)->price());
    // 2 x 325 + 120
    EXPECT_DOUBLE_EQ(770.0, back.amount());
}

// ---- totals ---------------------------------------------------------------

TEST(TableAmount, LinesRoundHalfUpAlsoBelowZero)
{
    TTable table(nullptr);
    table.entries().append(newOrder(199, 1.5));
    EXPECT_DOUBLE_EQ(299.0, table.computeAmount());

    TTable credit(nullptr);
    credit.entries().append(newOrder(-199, 1.5));
    EXPECT_DOUBLE_EQ(-298.0, credit.computeAmount());
    EXPECT_DOUBLE_EQ(-298.0, credit.maxAmount());
}

TEST(TableAmount, PaymentsReduceUnlessVoided)
{
    TTable table(nullptr);
    table.entries().append(newOrder(1000, 2));
    table.entries().append(newPay(1500));
    table.entries().append(newPay(400, true));
    EXPECT_DOUBLE_EQ(500.0, table.computeAmount());
    EXPECT_DOUBLE_EQ(2000.0, table.maxAmount());
}

TEST(TableAmount, TaxChargesPerUnitAndPerGuest)
{
    TTable table(nullptr);
    TTableEntry *order = newOrder(100, 3);
    order->setDouble(QStringLiteral("taxamount"), 0.5);
    table.entries().append(order);
    // 300 + round(1.5)
    EXPECT_DOUBLE_EQ(302.0, table.computeAmount());

    table.setTaxAmount(50);
    table.setGuests(3);
    EXPECT_DOUBLE_EQ(452.0, table.computeAmount());
    EXPECT_DOUBLE_EQ(452.0, table.maxAmount());
    table.entries().append(newPay(452));
    EXPECT_DOUBLE_EQ(0.0, table.computeAmount());
    EXPECT_DOUBLE_EQ(452.0, table.maxAmount());
}

TEST(TableAmount, OnlySavedTopLevelOrdersAndPaysCount)
{
    TTable table(nullptr);
    TTableEntry *order = newOrder(100, 1);
    TTableEntry *component = newOrder(1000, 1);
    component->setType(PosLib::EntryComponent);
    order->children(true)->append(component);
    table.entries().append(order);
    auto *cash = new TTableEntry;
    cash->setType(PosLib::EntryCash);
    cash->setInt(QStringLiteral("amount"), 5000);
    table.entries().append(cash);
    table.newEntries().append(newOrder(700, 1));
    EXPECT_DOUBLE_EQ(100.0, table.computeAmount());
}

class TableTaxes : public ::testing::Test
{
protected:
    TableTaxes()
    {
        table.setTaxAmounts(QStringLiteral("1,20:2,10"));
        table.setTaxIh(QStringLiteral("1,VAT low,700:2,VAT high,1900"));
        table.setTaxOh(QStringLiteral("1,Takeaway,500"));
        table.setGuests(3);
    }

    TTableEntry *taxedOrder(int waiter, double count, const QString &amounts)
    {
        TTableEntry *e = newOrder(100, count);
        e->setInt(QStringLiteral("waiter"), waiter);
        e->setString(QStringLiteral("taxamounts"), amounts);
        e->setString(QStringLiteral("taxih"), QStringLiteral("1,Low,700:3,Drinks,1000"));
        e->setString(QStringLiteral("taxoh"), QStringLiteral("3,Out,250"));
        return e;
    }

    qint64 amount(int id) const
    {
        const PosLib::TTaxGroup *g = groups.taxGroup(id);
        return g ? g->amount() : -1;
    }

    TTable table {nullptr};
    PosLib::TTaxGroups groups;
};

TEST_F(TableTaxes, PerGuestPartsUseTheTableDefinitions)
{
    table.taxGroups(&groups, nullptr);
    ASSERT_EQ(QList<int>({1, 2}), groups.ids());
    EXPECT_EQ(60, amount(1));
    EXPECT_EQ(30, amount(2));
    EXPECT_EQ(QStringLiteral("VAT low"), groups.taxGroup(1)->name());
    EXPECT_DOUBLE_EQ(7.0, groups.taxGroup(1)->rate());
    EXPECT_DOUBLE_EQ(19.0, groups.taxGroup(2)->rate());
}

TEST_F(TableTaxes, TakeawayTableSkipsUndefinedIds)
{
    table.setVatOh(true);
    table.taxGroups(&groups, nullptr);
    ASSERT_EQ(QList<int>({1}), groups.ids());
    EXPECT_EQ(QStringLiteral("Takeaway"), groups.taxGroup(1)->name());
    EXPECT_DOUBLE_EQ(5.0, groups.taxGroup(1)->rate());
    EXPECT_EQ(60, amount(1));
}

TEST_F(TableTaxes, OrdersAddTruncatedPartsOfTheirOwnDefinitions)
{
    // group 1 exists from the header: the order adds 1.5 x 33.5 = 50.25
    table.entries().append(taxedOrder(1, 1.5, QStringLiteral("1,33.5:3,7")));
    // a takeaway order on an in-house table uses its "taxoh"
    TTableEntry *out = taxedOrder(1, 1, QStringLiteral("3,4.9"));
    out->setBool(QStringLiteral("isvatoh"), true);
    table.entries().append(out);
    table.newEntries().append(taxedOrder(1, 2, QStringLiteral("3,0.3")));
    table.taxGroups(&groups, nullptr);

    EXPECT_EQ(QList<int>({1, 2, 3}), groups.ids());
    EXPECT_EQ(110, amount(1)); // 60 + 50.25
    // 10.5 -> 10, + 4.9 -> 14, + 0.6 -> 14
    EXPECT_EQ(14, amount(3));
    EXPECT_EQ(QStringLiteral("Drinks"), groups.taxGroup(3)->name());
    EXPECT_DOUBLE_EQ(10.0, groups.taxGroup(3)->rate());
}

TEST_F(TableTaxes, TakeawayOrdersFollowTheTableUnlessMarked)
{
    table.setTaxAmounts(QString());
    table.setVatOh(true);
    table.entries().append(taxedOrder(1, 1, QStringLiteral("3,5")));
    table.taxGroups(&groups, nullptr);
    ASSERT_EQ(QList<int>({3}), groups.ids());
    EXPECT_EQ(QStringLiteral("Out"), groups.taxGroup(3)->name());
    EXPECT_DOUBLE_EQ(2.5, groups.taxGroup(3)->rate());
}

TEST_F(TableTaxes, WaiterAndZeroCountFilterOrders)
{
    table.setTaxAmounts(QString());
    table.entries().append(taxedOrder(1, 1, QStringLiteral("3,5")));
    table.entries().append(taxedOrder(2, 1, QStringLiteral("3,7")));
    table.entries().append(taxedOrder(1, 0, QStringLiteral("3,100")));
    TValue waiter;
    waiter.setId(1);
    table.taxGroups(&groups, &waiter);
    EXPECT_EQ(5, amount(3));

    PosLib::TTaxGroups all;
    table.taxGroups(&all, nullptr);
    EXPECT_EQ(12, all.taxGroup(3)->amount());
}

TEST_F(TableTaxes, NegativePartsTruncateTowardZero)
{
    table.setTaxAmounts(QString());
    table.entries().append(taxedOrder(1, -1, QStringLiteral("3,33.5")));
    table.taxGroups(&groups, nullptr);
    EXPECT_EQ(-33, amount(3));
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

// A terminal waiting for the table's lock while the back office rewrites
// the table through ".tmp" used to be granted the lock on the replaced,
// deleted file, and its change was lost.
TEST_F(TableTest, TerminalWaitingDuringARewriteWritesIntoTheNewFile)
{
    dir.copyData(QStringLiteral("a15"), QStringLiteral("var/archives/a15"));
    const QString path = dir.file(QStringLiteral("var/archives/a15"));
    QByteArray change;
    TValue entry;
    entry.setId(90);
    entry.setInt(QStringLiteral("type"), 10);
    Basics::appendRecord(change, entry);
    dir.write(QStringLiteral("change"), change);

    TTable table(15, nullptr, root());
    ASSERT_EQ(0, table.openForUpdate());
    QProcess terminal;
    terminal.start(binPath(QStringLiteral("lockholder")),
                   {QStringLiteral("--append"), path, dir.file(QStringLiteral("change"))});
    ASSERT_TRUE(terminal.waitForStarted());
    ASSERT_TRUE(waitUntilOpenedBy(terminal.processId(), path));
    table.addEntry(newOrder(100, 1));
    ASSERT_TRUE(table.close());
    ASSERT_TRUE(terminal.waitForFinished(30000));
    EXPECT_EQ(0, terminal.exitCode()) << terminal.readAllStandardError().constData();

    // our order and the terminal's record, both
    const QByteArray bytes = archiveBytes(15);
    EXPECT_TRUE(bytes.endsWith(change));
    TTable back(15, nullptr, root());
    ASSERT_EQ(0, back.load(path, true, 0));
    EXPECT_EQ(table.entries().count() + 1, back.entries().count());
}
