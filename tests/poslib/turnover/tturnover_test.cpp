#include "turnovertestsupport.h"

#include "tlog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

using Basics::TLog;

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
    EXPECT_EQ(QStringList({"a1", "a10.tmp", "a11", "a12", "a2", "closing-104.json", "turnover.z",
                           "zcount.dat"}),
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

TEST_F(TurnoverTest, UploadOutcomeShowsInALogKeptAtErrorLevel)
{
    TLog &log = TLog::instance();
    const int level = log.level();
    log.setLevel(TLog::Error);
    QList<int> levels;
    const QMetaObject::Connection connection
            = QObject::connect(&log, &TLog::logged, [&](int entryLevel, const QString &line) {
                  if (line.endsWith(QLatin1String("Upload statist success")))
                      levels << entryLevel;
              });
    const int result = run();
    QObject::disconnect(connection);
    log.setLevel(level);

    EXPECT_EQ(0, result);
    EXPECT_EQ(QList<int> {TLog::Error}, levels);
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
    EXPECT_EQ(QStringList({"a1", "a2", "closing-104.json", "closing-105.json", "turnover.z",
                           "zcount.dat"}),
              names(dayPath));
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
        // the Z counter goes on from run to run: each leaves its record
        EXPECT_EQ(QStringList({"a1", "turnover.z", "zcount.dat"}),
                  names(dayPath).filter(QRegularExpression(QStringLiteral("^(?!closing-)"))));
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
