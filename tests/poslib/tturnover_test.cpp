#include "tturnover.h"

#include "tarchinfo.h"
#include "tarchtable.h"
#include "tcounter.h"
#include "testdir.h"
#include "tmessages.h"
#include "trecordcodec.h"
#include "tsettings.h"
#include "ttable.h"
#include "ttableentry.h"
#include "tturnoverflow.h"
#include "turnoverdata.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <gtest/gtest.h>

#include <memory>

using Basics::TValue;
using namespace PosLib;

namespace {

// A paid bill: header, creation record of `waiter`, `orders` orders and
// one payment. Orders carry a text so that a bill can be made to span
// several copy blocks.
QByteArray billBytes(long table, int waiter, int orders = 2, int textLength = 10)
{
    QByteArray data;
    TValue head;
    head.setInt(QStringLiteral("table"), table);
    head.setInt(QStringLiteral("party"), 1);
    head.setInt(QStringLiteral("round"), 1);
    Basics::appendRecord(data, head);
    TValue create;
    create.setId(0);
    create.setInt(QStringLiteral("type"), EntryCreate);
    create.setInt(QStringLiteral("waiter"), waiter);
    create.setString(QStringLiteral("waitername"), QStringLiteral("Waiter %1").arg(waiter));
    Basics::appendRecord(data, create);
    for (int id = 1; id <= orders; ++id) {
        TValue order;
        order.setId(id);
        order.setInt(QStringLiteral("type"), EntryOrder);
        order.setInt(QStringLiteral("price"), 250);
        order.setDouble(QStringLiteral("count"), 1);
        order.setString(QStringLiteral("text"), QString(textLength, QLatin1Char('x')));
        Basics::appendRecord(data, order);
    }
    TValue pay;
    pay.setId(orders + 1);
    pay.setInt(QStringLiteral("type"), EntryPay);
    pay.setInt(QStringLiteral("amount"), 250 * orders);
    Basics::appendRecord(data, pay);
    return data;
}

TValue *newWaiter(int id, const QString &name)
{
    auto *waiter = new TValue;
    waiter->setId(id);
    waiter->setName(name);
    waiter->setInt(QStringLiteral("mintablerange"), 1);
    waiter->setInt(QStringLiteral("maxtablerange"), 20);
    return waiter;
}

class TurnoverTest : public ::testing::Test
{
protected:
    TurnoverTest()
    {
        waiters.insert(newWaiter(7, QStringLiteral("Anna")));
        waiters.insert(newWaiter(8, QStringLiteral("Bruno")));
        anna = waiters.find(7);
        bruno = waiters.find(8);
    }

    QString root() const { return dir.path(); }
    QString dayFile(const QString &name) const { return dayPath + name; }

    // Bill `table` of `waiter` as archive `number`; remembers its entries.
    void archive(long number, long table, int waiter, int orders = 2, int textLength = 10)
    {
        dir.write(QStringLiteral("var/archives/a%1").arg(number),
                  billBytes(table, waiter, orders, textLength));
        entryCounts[table] = orders + 1;
    }
    void openTable(long table, int waiter)
    {
        dir.write(QStringLiteral("var/tables/t%1.001").arg(table), billBytes(table, waiter));
    }

    int run(TValue *waiter = nullptr, TValue *executing = nullptr, bool cancel = false)
    {
        TurnoverData data;
        data.setDataPath(root());
        data.setTurnoverDate(day);
        data.setWaiter(waiter);
        data.setTurnoverWaiter(executing);
        data.setApplicationName(QStringLiteral("test"));
        data.setTerminalId(3);
        data.setCancelTurnover(cancel);
        data.setClock(QDateTime(QDate(2014, 3, 6), QTime(1, 30, 5)));
        return executeTurnover(data);
    }

    long counter(const QString &dirName, const QString &file, const QString &name)
    {
        return TCounter(dir.file(dirName), file).get(name);
    }
    QStringList journal() const
    {
        return QString::fromLocal8Bit(dir.read(dayFile(QStringLiteral("turnover.z"))))
                .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
    QString line(const QString &fields) const { return fields.arg(day.toString(Qt::TextDate)); }

    // The table of an archive file ("var/archives" or the day directory),
    // loaded with its entries; null when it does not load whole.
    std::unique_ptr<TTable> bill(const QString &relativeDir, const QString &name)
    {
        const long number = tableFileNumber(name);
        std::unique_ptr<TTable> table(relativeDir == dayPath
                                              ? new TTable(day, number, nullptr, root())
                                              : new TTable(number, nullptr, root()));
        const int loaded = table->load(dir.file(relativeDir + name), true, 0);
        if (loaded != 0 || table->state() != TTable::Open
            || table->entries().ids().size() != entryCounts.value(table->table()))
            return nullptr;
        return table;
    }
    // Table number -> "dir/name" of every readable "a*" file of the two
    // places; an unreadable file shows under table 0.
    QMultiMap<long, QString> bills()
    {
        QMultiMap<long, QString> found;
        for (const QString &place : {QStringLiteral("var/archives/"), dayPath}) {
            const QStringList names = QDir(dir.file(place))
                                              .entryList(QStringList(QStringLiteral("a*")),
                                                         QDir::Files | QDir::Hidden);
            for (const QString &name : names) {
                if (name.endsWith(QLatin1String(".tmp")))
                    continue;
                const std::unique_ptr<TTable> table = bill(place, name);
                found.insert(table ? table->table() : 0, place + name);
            }
        }
        return found;
    }
    QStringList names(const QString &relativeDir) const
    {
        return QDir(dir.file(relativeDir)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    // File names in the archive index.
    QStringList indexed() const
    {
        TArchInfos index(root());
        index.load();
        QStringList out;
        for (const TArchInfo *info : index.records())
            out << info->getString(QStringLiteral("fn"));
        out.sort();
        return out;
    }
    QList<long> summaryTables()
    {
        QList<long> tables;
        TArchTable summary(root(), day);
        while (TTable *t = summary.nextTable()) {
            tables << t->table();
            delete t;
        }
        std::sort(tables.begin(), tables.end());
        return tables;
    }

    TestDir dir;
    Basics::TValueList waiters;
    TValue *anna = nullptr;
    TValue *bruno = nullptr;
    const QDate day {2014, 3, 5};
    const QString dayPath = QStringLiteral("var/statist/tag05.03.2014/");
    const QString summaryFile = QStringLiteral("var/summary/2014-03-05.dat");
    QHash<long, int> entryCounts;
};

} // namespace

// ---- whole-day runs -------------------------------------------------------

TEST_F(TurnoverTest, WholeDayMovesNumbersOnStampsAndJournals)
{
    dir.write(dayFile(QStringLiteral("a1")), billBytes(1, 7));
    dir.write(dayFile(QStringLiteral("a2")), billBytes(2, 7));
    dir.write(dayFile(QStringLiteral("a10.tmp")), "left over");
    entryCounts[1] = entryCounts[2] = 3;
    archive(4, 11, 7);
    archive(5, 12, 8);
    TCounter(root(), QStringLiteral("counter.dat")).set(QStringLiteral("zcounter"), 104);
    TCounter(dir.file(QStringLiteral("var/statist")), QStringLiteral("zcount.dat"))
            .set(QStringLiteral("z"), 41);
    TArchInfos(root()).rebuild();
    ASSERT_EQ(QStringList({"a4", "a5"}), indexed());

    ASSERT_EQ(0, run());

    // a10.tmp counts: the moved bills go on with a11, in archive order
    EXPECT_EQ(QStringList({"a1", "a10.tmp", "a11", "a12", "a2", "turnover.z", "zcount.dat"}),
              names(dayPath));
    EXPECT_TRUE(names(QStringLiteral("var/archives")).isEmpty());
    const std::unique_ptr<TTable> moved = bill(dayPath, QStringLiteral("a11"));
    ASSERT_NE(nullptr, moved);
    EXPECT_EQ(11, moved->table());
    EXPECT_EQ(QStringLiteral("tag05.03.2014"), moved->turnoverToDate());
    EXPECT_EQ(104, moved->zCount());
    EXPECT_EQ(QStringLiteral("2014-03-06"), moved->turnoverDate());
    EXPECT_EQ(QStringLiteral("01:30:05"), moved->turnoverTime());
    EXPECT_EQ(QStringLiteral("test"), moved->turnoverApp());
    EXPECT_EQ(QStringLiteral("3"), moved->turnoverTerminal());
    EXPECT_EQ(QStringLiteral("0"), moved->turnoverCostCenter());
    EXPECT_FALSE(moved->has(QStringLiteral("turnoverwaiter")));
    EXPECT_FALSE(moved->has(QStringLiteral("turnoverexecwaiter")));
    EXPECT_EQ(12, bill(dayPath, QStringLiteral("a12"))->table());

    EXPECT_EQ(105, counter(QString(), QStringLiteral("counter.dat"), QStringLiteral("zcounter")));
    EXPECT_EQ(41, counter(dayPath, QStringLiteral("zcount.dat"), QStringLiteral("z")));
    EXPECT_EQ(42, counter(QStringLiteral("var/statist"), QStringLiteral("zcount.dat"),
                          QStringLiteral("z")));
    EXPECT_EQ(QStringList(line(QStringLiteral("104:2;;;;;%1;test;3;0"))), journal());
    EXPECT_EQ(QList<long>({1, 2, 11, 12}), summaryTables());
    EXPECT_TRUE(indexed().isEmpty());
    EXPECT_FALSE(dir.exists(QStringLiteral("var/lock/turnover.lck")));

    // a second run of the day moves nothing, yet journals and counts; the
    // day keeps the Z number of its first run
    ASSERT_EQ(0, run(nullptr, bruno));
    EXPECT_EQ(106, counter(QString(), QStringLiteral("counter.dat"), QStringLiteral("zcounter")));
    EXPECT_EQ(41, counter(dayPath, QStringLiteral("zcount.dat"), QStringLiteral("z")));
    EXPECT_EQ(42, counter(QStringLiteral("var/statist"), QStringLiteral("zcount.dat"),
                          QStringLiteral("z")));
    EXPECT_EQ(QStringList({line(QStringLiteral("104:2;;;;;%1;test;3;0")),
                           line(QStringLiteral("105:0;;;8;Bruno;%1;test;3;0"))}),
              journal());
}

TEST_F(TurnoverTest, EmptyArchivesCancelOnlyWhenAsked)
{
    TCounter(root(), QStringLiteral("counter.dat")).set(QStringLiteral("zcounter"), 104);

    EXPECT_EQ(9, run(nullptr, nullptr, true));
    EXPECT_EQ(104, counter(QString(), QStringLiteral("counter.dat"), QStringLiteral("zcounter")));
    EXPECT_TRUE(names(dayPath).isEmpty());
    EXPECT_FALSE(dir.exists(QStringLiteral("var/statist/zcount.dat")));
    EXPECT_FALSE(dir.exists(QStringLiteral("var/lock/turnover.lck")));

    EXPECT_EQ(0, run());
    EXPECT_EQ(105, counter(QString(), QStringLiteral("counter.dat"), QStringLiteral("zcounter")));
    EXPECT_EQ(QStringList(line(QStringLiteral("104:0;;;;;%1;test;3;0"))), journal());
    EXPECT_TRUE(dir.exists(dayFile(QStringLiteral("zcount.dat"))));
}

// ---- waiter runs ----------------------------------------------------------

TEST_F(TurnoverTest, WaiterRunMovesOnlyTheWaitersTablesOncePerDay)
{
    TCounter(root(), QStringLiteral("counter.dat")).set(QStringLiteral("zcounter"), 104);
    ASSERT_EQ(0, run());
    archive(1, 1, 7);
    archive(2, 2, 7);
    archive(3, 50, 9);
    TArchInfos(root()).rebuild();
    dir.write(summaryFile, "stale");

    // the whole-day line before does not count as Anna's run
    ASSERT_EQ(0, run(anna, bruno));
    EXPECT_EQ(QStringList({"a1", "a2", "turnover.z", "zcount.dat"}), names(dayPath));
    for (const QString &name : {QStringLiteral("a1"), QStringLiteral("a2")}) {
        const std::unique_ptr<TTable> moved = bill(dayPath, name);
        ASSERT_NE(nullptr, moved);
        EXPECT_EQ(QStringLiteral("7"), moved->turnoverWaiter());
        EXPECT_EQ(QStringLiteral("Anna"), moved->turnoverWaiterName());
        EXPECT_EQ(QStringLiteral("8"), moved->turnoverExecWaiter());
        EXPECT_EQ(QStringLiteral("Bruno"), moved->turnoverExecWaiterName());
        EXPECT_EQ(105, moved->zCount());
    }
    const std::unique_ptr<TTable> left
            = bill(QStringLiteral("var/archives/"), QStringLiteral("a3"));
    ASSERT_NE(nullptr, left);
    EXPECT_FALSE(left->has(QStringLiteral("turnovertodate")));
    EXPECT_EQ(QStringList({"a3"}), indexed());
    EXPECT_FALSE(dir.exists(summaryFile));
    const QStringList lines = {line(QStringLiteral("104:0;;;;;%1;test;3;0")),
                               line(QStringLiteral("105:2;7;Anna;8;Bruno;%1;test;3;0"))};
    EXPECT_EQ(lines, journal());

    EXPECT_EQ(20010, run(anna));
    EXPECT_EQ(lines, journal());
    EXPECT_EQ(106, counter(QString(), QStringLiteral("counter.dat"), QStringLiteral("zcounter")));
    EXPECT_TRUE(dir.exists(QStringLiteral("var/archives/a3")));
}

TEST_F(TurnoverTest, TableTheWaiterMayReachIsStampedButStays)
{
    // the stamp of the third table, after a run of Anna with that reach
    auto thirdTable = [&](long maxRange, bool allTables) {
        QDir(dir.file(QStringLiteral("var"))).removeRecursively();
        archive(1, 1, 7);
        archive(3, 50, 9);
        anna->setInt(QStringLiteral("maxtablerange"), maxRange);
        anna->setBool(QStringLiteral("alltables"), allTables);
        EXPECT_EQ(0, run(anna));
        EXPECT_EQ(QStringList({"a3"}), names(QStringLiteral("var/archives")));
        EXPECT_EQ(QStringList({"a1", "turnover.z", "zcount.dat"}), names(dayPath));
        return bill(QStringLiteral("var/archives/"), QStringLiteral("a3"))->turnoverToDate();
    };
    EXPECT_EQ(QString(), thirdTable(49, false));
    EXPECT_EQ(QStringLiteral("tag05.03.2014"), thirdTable(50, false));
    EXPECT_EQ(QStringLiteral("tag05.03.2014"), thirdTable(20, true));
}

TEST_F(TurnoverTest, WaiterOwningAnOpenTableIsRefused)
{
    archive(1, 1, 7);
    openTable(5, 7);
    EXPECT_EQ(20009, run(anna));
    EXPECT_EQ(QStringList({"a1"}), names(QStringLiteral("var/archives")));
    EXPECT_FALSE(dir.exists(dayFile(QStringLiteral("turnover.z"))));
    EXPECT_FALSE(dir.exists(QStringLiteral("counter.dat")));
    EXPECT_FALSE(dir.exists(QStringLiteral("var/lock/turnover.lck")));

    // Anna's open table does not stop Bruno
    EXPECT_EQ(0, run(bruno));
    EXPECT_EQ(1, journal().size());
}

// ---- the lock -------------------------------------------------------------

TEST_F(TurnoverTest, BusyLockRefusesAfterAboutASecond)
{
    archive(1, 1, 7);
    const QString lockFile = QStringLiteral("var/lock/turnover.lck");
    dir.write(lockFile, QByteArray());
    QProcess holder;
    holder.start(binPath(QStringLiteral("lockholder")), {dir.file(lockFile), QStringLiteral("30")});
    QByteArray said;
    while (!said.contains("locked\n") && holder.waitForReadyRead(10000))
        said += holder.readAllStandardOutput();
    ASSERT_TRUE(said.contains("locked\n"));

    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(20010, run());
    EXPECT_GE(waited.elapsed(), 900);
    EXPECT_EQ(QStringList({"a1"}), names(QStringLiteral("var/archives")));
    EXPECT_FALSE(dir.exists(dayFile(QStringLiteral("turnover.z"))));
    EXPECT_FALSE(dir.exists(QStringLiteral("counter.dat")));
    EXPECT_TRUE(dir.exists(lockFile));

    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(10000));
    EXPECT_EQ(0, run());
    EXPECT_TRUE(names(QStringLiteral("var/archives")).isEmpty());
    EXPECT_FALSE(dir.exists(lockFile));
}

// ---- a killed run ---------------------------------------------------------

TEST_F(TurnoverTest, KilledRunLeavesEveryBillOnceAndTheNextRunFinishes)
{
    for (const QString step : {"stamped", "copying", "copied", "moved"}) {
        for (int nth : {1, 2}) {
            SCOPED_TRACE(qPrintable(QStringLiteral("killed at %1 #%2").arg(step).arg(nth)));
            QDir(dir.file(QStringLiteral("var"))).removeRecursively();
            dir.write(dayFile(QStringLiteral("a1")), billBytes(100, 7));
            entryCounts[100] = 3;
            // two bills of several copy blocks, so "copying" is mid-copy
            archive(1, 1, 7, 800, 100);
            archive(2, 2, 8, 800, 100);
            archive(3, 3, 9);
            ASSERT_GT(QFileInfo(dir.file(QStringLiteral("var/archives/a2"))).size(), 64 * 1024);

            QProcess crash;
            crash.start(binPath(QStringLiteral("turnovercrash")),
                        {root(), day.toString(Qt::ISODate), step, QString::number(nth)});
            ASSERT_TRUE(crash.waitForFinished(60000));
            ASSERT_EQ(86, crash.exitCode()) << crash.readAllStandardError().toStdString();

            // Each bill is in one place, except that a run killed between
            // the copy and the deletion of the source leaves both files,
            // identical and named by the move intent, for the next run.
            const QMultiMap<long, QString> left = bills();
            EXPECT_EQ(QStringList(), left.values(0)) << "unreadable bills";
            const QStringList intent
                    = QString::fromUtf8(dir.read(QStringLiteral("var/lock/turnover.mov")))
                              .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            for (long table : {1, 2, 3, 100}) {
                QStringList places = left.values(table);
                if (places.size() == 2) {
                    EXPECT_EQ(intent, QStringList({places.at(1), places.at(0)})) << table;
                    EXPECT_EQ(dir.read(places.at(0)), dir.read(places.at(1))) << table;
                } else {
                    EXPECT_EQ(1, places.size()) << table;
                }
            }

            ASSERT_EQ(0, run());
            const QMultiMap<long, QString> closed = bills();
            EXPECT_EQ(QList<long>({1, 2, 3, 100}), closed.keys());
            for (const QString &path : closed)
                EXPECT_TRUE(path.startsWith(dayPath)) << qPrintable(path);
            EXPECT_EQ(QStringList(), names(QStringLiteral("var/archives")));
            EXPECT_FALSE(dir.exists(dayFile(QStringLiteral(".turnover.tmp"))));
            EXPECT_FALSE(dir.exists(QStringLiteral("var/lock/turnover.mov")));
            EXPECT_EQ(QList<long>({1, 2, 3, 100}), summaryTables());
        }
    }
}

TEST_F(TurnoverTest, BillRewrittenAfterAnInterruptedCopyMovesInItsNewForm)
{
    archive(1, 1, 7);
    archive(2, 2, 8);
    QProcess crash;
    crash.start(binPath(QStringLiteral("turnovercrash")),
                {root(), day.toString(Qt::ISODate), QStringLiteral("copied"), QStringLiteral("1")});
    ASSERT_TRUE(crash.waitForFinished(60000));
    ASSERT_EQ(86, crash.exitCode());
    const QStringList intent = QString::fromUtf8(dir.read(QStringLiteral("var/lock/turnover.mov")))
                                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(2, intent.size());

    // a terminal adds to the paid bill before the day is closed again
    const long table = intent.at(0).endsWith(QLatin1String("a1")) ? 1 : 2;
    archive(table, table, table == 1 ? 7 : 8, 5);
    const QByteArray rewritten = dir.read(intent.at(0));

    ASSERT_EQ(0, run());
    EXPECT_EQ(rewritten, dir.read(intent.at(1)));
    EXPECT_EQ(QList<long>({1, 2}), bills().keys());
    EXPECT_EQ(QStringList(), names(QStringLiteral("var/archives")));
}

// ---- the closing as the user starts it ------------------------------------

class TurnoverFlowTest : public TurnoverTest
{
protected:
    TurnoverFlowTest()
    {
        for (int id : {1, 2}) {
            auto *terminal = new TValue;
            terminal->setId(id);
            terminals.insert(terminal);
        }
    }

    // Closes the day; `goOn` answers the question about open tables.
    TTurnoverOutcome close(TValue *waiter, bool goOn = true)
    {
        TTurnoverRequest request;
        request.root = root();
        request.date = day;
        request.waiter = waiter;
        request.executingWaiter = bruno;
        request.terminals = &terminals;
        request.now = QDateTime(QDate(2014, 3, 6), QTime(1, 30, 5));
        questions.clear();
        return runTurnover(request, [&](const QString &caption, const QString &text) {
            questions << caption + QLatin1Char('|') + text;
            return goOn;
        });
    }

    Basics::TValueList terminals;
    QStringList questions;
};

TEST_F(TurnoverFlowTest, FiscalizedDayRefusesOnlyTheWholeDayClosing)
{
    archive(1, 1, 7);
    dir.write(QStringLiteral("var/reports/20140305.2.fiscal"), "report");

    const TTurnoverOutcome refused = close(nullptr);
    EXPECT_EQ(TTurnoverOutcome::AlreadyFiscalized, refused.status);
    EXPECT_EQ(QStringLiteral("Error"), refused.caption);
    EXPECT_EQ(QStringLiteral("This day is already fiscalized!"), refused.text);
    EXPECT_EQ(QStringList({"a1"}), names(QStringLiteral("var/archives")));
    EXPECT_FALSE(dir.exists(QStringLiteral("counter.dat")));

    EXPECT_EQ(TTurnoverOutcome::Done, close(anna).status);
    EXPECT_TRUE(names(QStringLiteral("var/archives")).isEmpty());
}

TEST_F(TurnoverFlowTest, OpenTablesAskBeforeAnythingMoves)
{
    archive(1, 1, 7);
    openTable(5, 9);

    EXPECT_EQ(TTurnoverOutcome::Declined, close(nullptr, false).status);
    EXPECT_EQ(QStringList({"Warning|There still are open tables! Do you want to continue?"}),
              questions);
    EXPECT_EQ(QStringList({"a1"}), names(QStringLiteral("var/archives")));
    EXPECT_FALSE(dir.exists(QStringLiteral("counter.dat")));
    EXPECT_TRUE(names(QStringLiteral("var/messages")).isEmpty());
    // a waiter's closing asks about every open table, not only theirs
    EXPECT_EQ(TTurnoverOutcome::Declined, close(anna, false).status);
    EXPECT_EQ(1, questions.size());

    EXPECT_EQ(TTurnoverOutcome::Done, close(nullptr, true).status);
    EXPECT_EQ(1, questions.size());
    EXPECT_TRUE(names(QStringLiteral("var/archives")).isEmpty());
}

TEST_F(TurnoverFlowTest, SuccessTellsEveryTerminal)
{
    {
        TSettings settings;
        auto *installation = new TValue;
        installation->setInt(QStringLiteral("officeid"), 4);
        settings.insert(installation);
        settings.save(root().toLocal8Bit().constData());
    }
    archive(1, 1, 7);

    const TTurnoverOutcome done = close(nullptr);
    EXPECT_EQ(TTurnoverOutcome::Done, done.status);
    EXPECT_EQ(0, done.code);
    EXPECT_EQ(QStringLiteral("Success"), done.caption);
    EXPECT_EQ(QStringLiteral("Day turn over processed to\nWed Mar 5 2014"), done.text);
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(QStringList(line(QStringLiteral("1:1;;;8;Bruno;%1;Office (Reports);4;0"))),
              journal());

    EXPECT_EQ(QStringList({"term.1.0", "term.2.0"}), names(QStringLiteral("var/messages")));
    for (const QString &name : names(QStringLiteral("var/messages"))) {
        TMessages messages;
        ASSERT_EQ(0, messages.load(dir.file(QStringLiteral("var/messages")), name));
        ASSERT_EQ(1, messages.count());
        const auto *message = static_cast<const TMessage *>(messages.values().first());
        EXPECT_EQ(QStringLiteral("fiscalturn"), message->message());
        EXPECT_EQ(QStringLiteral("Bruno"), message->fromWaiter());
    }
}

TEST_F(TurnoverFlowTest, FailuresNameTheirCause)
{
    auto expectFailure = [&](TValue *waiter, int code, const QString &text) {
        const TTurnoverOutcome failed = close(waiter);
        EXPECT_EQ(TTurnoverOutcome::Failed, failed.status) << code;
        EXPECT_EQ(code, failed.code);
        EXPECT_EQ(QStringLiteral("Error"), failed.caption);
        EXPECT_EQ(text, failed.text);
        EXPECT_TRUE(names(QStringLiteral("var/messages")).isEmpty()) << code;
    };
    openTable(5, 7);
    expectFailure(anna, 20009,
                  QStringLiteral("Could not execute turn over!\nYou are owner of open tables."));
    QFile::remove(dir.file(QStringLiteral("var/tables/t5.001")));
    ASSERT_EQ(0, run(anna));
    expectFailure(anna, 20010,
                  QStringLiteral("Could not execute turn over!\nYou already finalized this day."));
    // a journal that cannot be written ends the run inside
    QFile::remove(dir.file(dayFile(QStringLiteral("turnover.z"))));
    QDir().mkpath(dir.file(dayFile(QStringLiteral("turnover.z"))));
    expectFailure(nullptr, 304, QStringLiteral("Could not execute turn over: 304"));
}
