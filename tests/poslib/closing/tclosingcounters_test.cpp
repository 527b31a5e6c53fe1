// The Z counters against the numbers an installation used: a missing or
// damaged counter continues after the highest Z of the journals, a counter
// set back (a restored backup) stops the closing before it takes a number,
// and verify names both.

#include "closingtestsupport.h"

#include "tclosingnumbers.h"
#include "tcounter.h"

#include <QFile>

#include <gtest/gtest.h>

using K = TClosingFinding;

namespace {

class ClosingCounters : public ClosingTest
{
protected:
    const QDate thirdDay {2014, 3, 7};

    TClosingOutcome closeThirdDay()
    {
        archive(7, 17, 7);
        TurnoverData data;
        data.setDataPath(root());
        data.setTurnoverDate(thirdDay);
        data.setApplicationName(QStringLiteral("test"));
        data.setClock(QDateTime(QDate(2014, 3, 8), QTime(1, 0)));
        TClosingOutcome outcome;
        executeTurnover(data, outcome);
        return outcome;
    }
};

} // namespace

// A missing "counter.dat" used to restart the Z counter at 1: the next
// closing wrote a second record and journal line of Z 1.
TEST_F(ClosingCounters, MissingOrDamagedCounterContinuesAfterTheHighestZUsed)
{
    closeTwoDays(); // Z 1 to 3, day Z numbers 1 and 2
    ASSERT_TRUE(QFile::remove(dir.file(QStringLiteral("counter.dat"))));
    const QList<TClosingFinding> before = verify();
    ASSERT_EQ(QList<K::Kind>({K::CounterBehind}), kinds(before));
    EXPECT_EQ(QStringLiteral("counter.dat"), before.first().file);

    TClosingOutcome outcome = closeThirdDay();
    EXPECT_EQ(TClosingOutcome::Done, outcome.status()) << qPrintable(outcome.summary());
    ASSERT_EQ(1, outcome.notes.size());
    EXPECT_TRUE(outcome.notes.first().startsWith(QLatin1String("counter.dat is missing, but 3 "
                                                               "was used already")))
            << qPrintable(outcome.notes.first());
    EXPECT_TRUE(dir.exists(dayDir(thirdDay) + TClosingRecord::fileName(4)));
    EXPECT_EQ(3, record(thirdDay, 4).dayZ);
    EXPECT_EQ(QStringList(), texts(verify()));

    // damaged: the same, and the day counters too
    dir.write(QStringLiteral("counter.dat"), QByteArray("\x00\x00\x00\x07garbage", 11));
    dir.write(QStringLiteral("var/statist/zcount.dat"), QByteArray());
    EXPECT_EQ(2, verify().size());
    QFile::remove(dir.file(dayDir(thirdDay) + QStringLiteral("zcount.dat")));
    outcome = closeThirdDay();
    EXPECT_EQ(TClosingOutcome::Done, outcome.status()) << qPrintable(outcome.summary());
    EXPECT_EQ(2, outcome.notes.size());
    EXPECT_TRUE(dir.exists(dayDir(thirdDay) + TClosingRecord::fileName(5)));
    // the day keeps the number its record named
    EXPECT_EQ(3, record(thirdDay, 5).dayZ);
    EXPECT_EQ(3, counter(dayDir(thirdDay), QStringLiteral("zcount.dat"), QStringLiteral("z")));
    EXPECT_EQ(4, counter(QStringLiteral("var/statist"), QStringLiteral("zcount.dat"),
                         QStringLiteral("z")));
    EXPECT_EQ(QStringList(), texts(verify()));
}

// A counter restored from a backup used to hand out a Z a second time and
// overwrite the record that carried it.
TEST_F(ClosingCounters, CounterSetBackStopsTheClosingAndVerifyNamesIt)
{
    archive(1, 11, 7);
    ASSERT_EQ(0, close(firstDay, nullptr, QDateTime(secondDay, QTime(1, 0))));
    const QByteArray backup = dir.read(QStringLiteral("counter.dat"));
    archive(2, 12, 7);
    ASSERT_EQ(0, close(secondDay, nullptr, QDateTime(thirdDay, QTime(1, 0))));
    const QByteArray second = dir.read(dayDir(secondDay) + TClosingRecord::fileName(2));
    dir.write(QStringLiteral("counter.dat"), backup);

    const QList<TClosingFinding> findings = verify();
    ASSERT_EQ(QList<K::Kind>({K::CounterBehind}), kinds(findings));
    EXPECT_EQ(QStringLiteral("counter.dat holds 2, but 2 was used already "
                             "(var/statist/tag06.03.2014/turnover.z): the counter was set back"),
              findings.first().text);

    const TClosingOutcome outcome = closeThirdDay();
    EXPECT_EQ(TClosingOutcome::Failed, outcome.status());
    EXPECT_EQ(int(TurnoverError), outcome.code);
    EXPECT_TRUE(outcome.failure.startsWith(QLatin1String("counter.dat holds 2, but 2 was used")))
            << qPrintable(outcome.failure);
    // nothing taken, nothing moved, nothing overwritten
    EXPECT_EQ(QStringList({"a7"}), names(QStringLiteral("var/archives")));
    EXPECT_FALSE(dir.exists(dayDir(thirdDay) + QStringLiteral("turnover.z")));
    EXPECT_EQ(second, dir.read(dayDir(secondDay) + TClosingRecord::fileName(2)));
    EXPECT_EQ(backup, dir.read(QStringLiteral("counter.dat")));

    // as the message says: without the counter the closing continues
    ASSERT_TRUE(QFile::remove(dir.file(QStringLiteral("counter.dat"))));
    EXPECT_EQ(TClosingOutcome::Done, closeThirdDay().status());
    EXPECT_TRUE(dir.exists(dayDir(thirdDay) + TClosingRecord::fileName(3)));
    EXPECT_EQ(QStringList(), texts(verify()));
}

// Verify lists each day's records once for the closings and the numbers
// used: a Z that only a record still shows counts as used.
TEST_F(ClosingCounters, AZOnlyARecordShowsCountsAsUsed)
{
    closeTwoDays(); // Z 1 to 3
    const QString journal = dayDir(secondDay) + QStringLiteral("turnover.z");
    dir.write(journal, QByteArray());
    TCounter(dir.path(), QStringLiteral("counter.dat")).set(QStringLiteral("zcounter"), 2);
    const QList<TClosingFinding> findings = verify();
    QStringList behind;
    for (const TClosingFinding &f : findings) {
        if (f.kind == K::CounterBehind)
            behind << f.text;
    }
    EXPECT_EQ(QStringList({QStringLiteral("counter.dat holds 2, but 3 was used already (")
                           + dayDir(secondDay) + TClosingRecord::fileName(3)
                           + QStringLiteral("): the counter was set back")}),
              behind)
            << texts(findings).join(QLatin1Char('\n')).toStdString();
}

TEST_F(ClosingCounters, VerifyReportsAZInTwoRecordsAndInJournalsOfTwoDays)
{
    closeTwoDays();
    // the second day's closing written once more under the first day
    const QString third = TClosingRecord::fileName(3);
    dir.write(dayDir(firstDay) + third, dir.read(dayDir(secondDay) + third));
    QList<TClosingFinding> findings = verify();
    EXPECT_TRUE(kinds(findings).contains(K::ZInTwoRecords))
            << texts(findings).join(QLatin1Char('\n')).toStdString();

    QFile::remove(dir.file(dayDir(firstDay) + third));
    const QString journal = dayDir(firstDay) + QStringLiteral("turnover.z");
    const QByteArray lines = dir.read(dayDir(secondDay) + QStringLiteral("turnover.z"));
    dir.write(journal, dir.read(journal) + lines);
    findings = verify();
    const QList<K::Kind> found = kinds(findings);
    EXPECT_EQ(1, std::count(found.cbegin(), found.cend(), K::ZTwice))
            << texts(findings).join(QLatin1Char('\n')).toStdString();
}

TEST(ClosingNumbers, UsedNumbersComeFromJournalsRecordsAndDayCounters)
{
    TestDir dir;
    dir.write(QStringLiteral("var/statist/tag03.03.2014/turnover.z"),
              "4:1;;;;;Mon Mar 3 2014;old;1;0\r\n5:0;;;;;Mon Mar 3 2014;old;1;0\r\n");
    dir.write(QStringLiteral("var/statist/tag04.03.2014/closing-9.json"), "{}");
    TCounter(dir.file(QStringLiteral("var/statist/tag03.03.2014")), QStringLiteral("zcount.dat"))
            .set(QStringLiteral("z"), 12);
    dir.write(QStringLiteral("var/statist/tag04.03.2014/zcount.dat"), QByteArray("x"));
    dir.write(QStringLiteral("var/statist/nodate/turnover.z"), "99:1;;;;;x;y;1;0\r\n");
    const TUsedNumbers used = usedNumbers(dir.path());
    EXPECT_EQ(9, used.z);
    EXPECT_EQ(QStringLiteral("var/statist/tag04.03.2014/closing-9.json"), used.zFile);
    EXPECT_EQ(12, used.dayZ);

    // a cut-off closing's Z counts unless the counter still holds it
    TCounter(dir.path(), QStringLiteral("counter.dat")).set(QStringLiteral("zcounter"), 10);
    EXPECT_EQ(TCounterCheck::Fine, checkZCounter(dir.path(), used, 10).verdict);
    const TCounterCheck ahead = checkZCounter(dir.path(), used, 11);
    EXPECT_EQ(TCounterCheck::Behind, ahead.verdict);
    EXPECT_EQ(QStringLiteral("var/lock/turnover.run"), ahead.usedFile);
    EXPECT_EQ(0, ahead.next());
    EXPECT_EQ(TCounterCheck::Missing, checkDayZCounter(dir.path(), used, 0).verdict);
    EXPECT_EQ(13, checkDayZCounter(dir.path(), used, 0).next());
    // the days a reader read just now are not read again, their counters are
    TDayNumbers third;
    third.name = QStringLiteral("tag03.03.2014");
    third.journalZ = 5;
    third.records = QStringList {QStringLiteral("closing-11.json")};
    const TUsedNumbers given = usedNumbers(dir.path(), {third});
    EXPECT_EQ(11, given.z);
    EXPECT_EQ(QStringLiteral("var/statist/tag03.03.2014/closing-11.json"), given.zFile);
    EXPECT_EQ(12, given.dayZ);
    EXPECT_EQ(QStringLiteral("var/statist/tag03.03.2014/zcount.dat"), given.dayZFile);
    // the reader's own reading of a day gives what the day holds
    const TDayNumbers read = readDayNumbers(dir.file(QStringLiteral("var/statist/tag03.03.2014"))
                                                    + QLatin1Char('/'),
                                            QStringLiteral("tag03.03.2014"));
    EXPECT_EQ(5, read.journalZ);
    EXPECT_TRUE(read.records.isEmpty());

    // nothing used, no file: a fresh installation starts at 1
    TestDir fresh;
    const TCounterCheck first = checkZCounter(fresh.path(), usedNumbers(fresh.path()), 0);
    EXPECT_EQ(TCounterCheck::Fine, first.verdict);
    EXPECT_EQ(1, first.next());
}
