#include "tchainqueue.h"

#include "testdir.h"

#include <QDir>

#include <gtest/gtest.h>

using ChainLib::TChainQueue;
using ChainLib::TQueueContents;
using ChainLib::TQueuedDay;

namespace {

TQueuedDay queuedDay(int day, int attempts = 0, const QString &error = QString())
{
    TQueuedDay d;
    d.day = QDate(2026, 3, day);
    d.queued = QDateTime(QDate(2026, 3, day + 1), QTime(0, 30), Qt::UTC);
    d.attempts = attempts;
    d.lastError = error;
    return d;
}

} // namespace

TEST(ChainQueue, BytesRoundTripInDayOrder)
{
    const QList<TQueuedDay> days {queuedDay(9, 2, QStringLiteral("server\tdown\nagain")),
                                  queuedDay(7)};
    const QByteArray bytes = TChainQueue::toBytes(days);
    EXPECT_EQ(QByteArray("# veltrum chain queue 1\n"
                         "2026-03-07\t2026-03-08T00:30:00Z\t0\t\n"
                         "2026-03-09\t2026-03-10T00:30:00Z\t2\tserver down again\n"),
              bytes);
    const TQueueContents back = TChainQueue::fromBytes(bytes);
    EXPECT_FALSE(back.isDamaged());
    ASSERT_EQ(2, back.days.size());
    EXPECT_EQ(queuedDay(7), back.days[0]);
    EXPECT_EQ(queuedDay(9, 2, QStringLiteral("server down again")), back.days[1]);
    EXPECT_TRUE(TChainQueue::fromBytes(QByteArray()).days.isEmpty());
    EXPECT_FALSE(TChainQueue::fromBytes(QByteArray()).isDamaged());
}

TEST(ChainQueue, DamagedLinesAreCountedNotGuessed)
{
    const QByteArray good = TChainQueue::toBytes({queuedDay(7), queuedDay(8)});
    // the last line cut off before its end
    TQueueContents cut = TChainQueue::fromBytes(good.left(good.size() - 10));
    EXPECT_EQ(1, cut.damagedLines);
    ASSERT_EQ(1, cut.days.size());
    EXPECT_EQ(QDate(2026, 3, 7), cut.days[0].day);

    // garbage, a bad date, a negative count, a missing field; a day twice
    const TQueueContents mixed = TChainQueue::fromBytes("# veltrum chain queue 1\n"
                                                        "\x01\x02garbage\n"
                                                        "2026-02-30\t2026-03-01T00:00:00Z\t0\t\n"
                                                        "2026-03-05\t2026-03-06T00:00:00Z\t-1\t\n"
                                                        "2026-03-06\t2026-03-07T00:00:00Z\n"
                                                        "2026-03-04\t2026-03-05T00:00:00Z\t1\tx\n"
                                                        "2026-03-04\t2026-03-06T00:00:00Z\t3\ty\n");
    EXPECT_EQ(4, mixed.damagedLines);
    ASSERT_EQ(1, mixed.days.size());
    EXPECT_EQ(1, mixed.days[0].attempts);

    const TQueueContents foreign
            = TChainQueue::fromBytes("2026-03-04\t2026-03-05T00:00:00Z\t1\t\n");
    EXPECT_TRUE(foreign.badHeader);
    EXPECT_TRUE(foreign.days.isEmpty());
}

TEST(ChainQueue, FileKeepsEachDayOnceAndADamagedOriginal)
{
    TestDir dir;
    QDir().mkpath(dir.file(QStringLiteral("var")));
    const TChainQueue queue(dir.path());
    EXPECT_EQ(dir.file(QStringLiteral("var/chain.queue")), queue.filePath());
    EXPECT_TRUE(queue.load().days.isEmpty());

    const QDateTime first(QDate(2026, 3, 8), QTime(1, 0), Qt::UTC);
    queue.add(QDate(2026, 3, 7), first);
    queue.add(QDate(2026, 3, 6), first);
    queue.add(QDate(2026, 3, 7), first.addDays(1)); // already there: keeps its time
    queue.failed(QStringLiteral("refused"));
    TQueueContents contents = queue.load();
    ASSERT_EQ(2, contents.days.size());
    EXPECT_EQ(QDate(2026, 3, 6), contents.days[0].day);
    EXPECT_EQ(first, contents.days[1].queued);
    EXPECT_EQ(1, contents.days[1].attempts);
    EXPECT_EQ(QStringLiteral("refused"), contents.days[1].lastError);

    queue.remove(QDate(2026, 3, 6));
    contents = queue.load();
    ASSERT_EQ(1, contents.days.size());
    EXPECT_EQ(QDate(2026, 3, 7), contents.days[0].day);
    // replaced whole: no temporary left beside it
    EXPECT_EQ(QStringList {QStringLiteral("chain.queue")},
              QDir(dir.file(QStringLiteral("var"))).entryList(QDir::Files));

    // a damaged file is kept aside before it is rewritten
    const QByteArray damaged = TChainQueue::toBytes(contents.days) + "2026-03-0";
    dir.write(QStringLiteral("var/chain.queue"), damaged);
    EXPECT_TRUE(queue.load().isDamaged());
    queue.add(QDate(2026, 3, 9), first);
    EXPECT_EQ(damaged, dir.read(QStringLiteral("var/chain.queue.damaged")));
    contents = queue.load();
    EXPECT_FALSE(contents.isDamaged());
    EXPECT_EQ(2, contents.days.size());
}

TEST(ChainQueue, LockIsHeldUntilReleased)
{
    TestDir dir;
    TChainQueue first(dir.path());
    TChainQueue second(dir.path());
    ASSERT_TRUE(first.lock(0));
    EXPECT_FALSE(second.lock(0));
    first.unlock();
    EXPECT_TRUE(second.lock(0));
}
