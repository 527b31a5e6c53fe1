#include "ttable.h"

#include "testdir.h"
#include "testrecords.h"
#include "tfilelock.h"
#include "tlog.h"
#include "trecordcodec.h"
#include "ttablefixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

using Basics::TLog;
using namespace TableTestSupport;

namespace {

TValue addOnRecord(int id, qint64 price, int father)
{
    TValue v;
    v.setId(id);
    v.setInt(QStringLiteral("type"), PosLib::EntryAddOn);
    v.setInt(QStringLiteral("price"), price);
    v.setInt(QStringLiteral("father"), father);
    return v;
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

} // namespace

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
