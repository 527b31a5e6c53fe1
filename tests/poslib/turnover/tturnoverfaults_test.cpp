// What a closing does with bills it cannot read or write, and what it
// tells: every bill stays in exactly one place, and the outcome says
// which ones stayed and why.

#include "turnovertestsupport.h"

#include "tfile.h"
#include "tsavefile.h"

#include <cerrno>

using namespace Basics;

namespace {

class ClosingFaultTest : public TurnoverTest
{
protected:
    ~ClosingFaultTest() override
    {
        setSaveFaultHook({});
        TFile::setMaxReadSize(readLimit);
    }

    int close(TClosingOutcome &outcome)
    {
        TurnoverData data;
        data.setDataPath(root());
        data.setTurnoverDate(day);
        data.setApplicationName(QStringLiteral("test"));
        data.setClock(QDateTime(QDate(2014, 3, 6), QTime(1, 30, 5)));
        return executeTurnover(data, outcome);
    }
    QStringList left(const TClosingOutcome &outcome) const
    {
        QStringList files;
        for (const TLeftBill &bill : outcome.leftBehind)
            files << bill.file;
        return files;
    }

    const qint64 readLimit = TFile::maxReadSize();
};

} // namespace

// A stamp that could not be written used to be ignored: the bill moved
// without its turnover stamp, and its "aN.tmp" stayed in var/archives.
TEST_F(ClosingFaultTest, StampThatCannotBeWrittenLeavesTheBillUntouched)
{
    archive(1, 1, 7);
    archive(2, 2, 7);
    archive(3, 3, 8);
    const QByteArray second = dir.read(QStringLiteral("var/archives/a2"));
    setSaveFaultHook([](TSaveStep step, const QString &path) {
        return step == TSaveStep::Write && path.endsWith(QLatin1String("/a2.tmp")) ? ENOSPC : 0;
    });

    TClosingOutcome outcome;
    ASSERT_EQ(0, close(outcome));
    EXPECT_EQ(TClosingOutcome::Incomplete, outcome.status());
    EXPECT_EQ(2, outcome.moved);
    ASSERT_EQ(QStringList({"a2"}), left(outcome));
    EXPECT_EQ(TLeftBill::StampNotWritten, outcome.leftBehind.first().reason);
    EXPECT_TRUE(outcome.leftBehind.first().diskFull);
    EXPECT_TRUE(outcome.diskFull);
    EXPECT_EQ(QStringLiteral("done with 1 bill(s) left behind"), outcome.summary());
    // untouched and alone: no stamp, no temporary
    EXPECT_EQ(QStringList({"a2"}), names(QStringLiteral("var/archives")));
    EXPECT_EQ(second, dir.read(QStringLiteral("var/archives/a2")));
    EXPECT_EQ(QStringList({"a1", "a2", "closing-1.json", "turnover.z", "zcount.dat"}),
              names(dayPath));
    EXPECT_EQ(QList<long>({1, 3}), summaryTables());

    // with room on the disk the next closing moves it, stamped
    setSaveFaultHook({});
    TClosingOutcome rerun;
    ASSERT_EQ(0, close(rerun));
    EXPECT_EQ(TClosingOutcome::Done, rerun.status());
    EXPECT_EQ(QStringLiteral("done"), rerun.summary());
    EXPECT_TRUE(names(QStringLiteral("var/archives")).isEmpty());
    const std::unique_ptr<TTable> moved = bill(dayPath, QStringLiteral("a3"));
    ASSERT_NE(nullptr, moved);
    EXPECT_EQ(2, moved->table());
    EXPECT_EQ(QStringLiteral("tag05.03.2014"), moved->turnoverToDate());
}

// One unreadable bill used to end the whole closing with 304 after earlier
// bills had moved and the Z counter had advanced: no journal line, no Z
// number, no summary, no file named; a cut-off bill stayed without a word.
TEST_F(ClosingFaultTest, UnreadableAndDamagedBillsStayNamedAndTheDayCloses)
{
    archive(1, 1, 7);
    // cut off inside its last entry
    const QByteArray whole = billBytes(2, 7);
    dir.write(QStringLiteral("var/archives/a2"), whole.left(whole.size() - 3));
    // a creation record that is none
    QByteArray wrong;
    TValue head;
    head.setInt(QStringLiteral("table"), 3);
    appendRecord(wrong, head);
    TValue create;
    create.setInt(QStringLiteral("type"), EntryOrder);
    appendRecord(wrong, create);
    dir.write(QStringLiteral("var/archives/a3"), wrong);
    // larger than the reader takes
    archive(4, 4, 7, 400, 100);
    archive(5, 5, 8);
    TFile::setMaxReadSize(QFileInfo(dir.file(QStringLiteral("var/archives/a4"))).size() - 1);

    TClosingOutcome outcome;
    ASSERT_EQ(0, close(outcome));
    EXPECT_EQ(TClosingOutcome::Incomplete, outcome.status());
    EXPECT_EQ(2, outcome.moved);
    EXPECT_EQ(QStringList({"a2", "a3", "a4"}), left(outcome));
    EXPECT_EQ(TLeftBill::Damaged, outcome.leftBehind.at(0).reason);
    EXPECT_EQ(TLeftBill::Damaged, outcome.leftBehind.at(1).reason);
    EXPECT_EQ(TLeftBill::Unreadable, outcome.leftBehind.at(2).reason);
    EXPECT_TRUE(
            outcome.leftBehind.at(2).text().contains(dir.file(QStringLiteral("var/archives/a4"))))
            << qPrintable(outcome.leftBehind.at(2).text());
    EXPECT_FALSE(outcome.diskFull);

    // the rest of the day closed as a whole: journal, Z number, summary
    EXPECT_EQ(QStringList({"a2", "a3", "a4"}), names(QStringLiteral("var/archives")));
    EXPECT_EQ(whole.left(whole.size() - 3), dir.read(QStringLiteral("var/archives/a2")));
    EXPECT_EQ(QStringList(line(QStringLiteral("1:2;;;;;%1;test;0;0"))), journal());
    EXPECT_EQ(1, counter(dayPath, QStringLiteral("zcount.dat"), QStringLiteral("z")));
    EXPECT_EQ(QList<long>({1, 5}), summaryTables());
}

// A full disk at the lock file used to read "You already finalized this
// day."; a lock file that cannot be made is a failure with its cause.
TEST_F(ClosingFaultTest, LockFileThatCannotBeMadeIsNoBusyLock)
{
    archive(1, 1, 7);
    ASSERT_TRUE(QDir().mkpath(dir.file(QStringLiteral("var/lock/turnover.lck"))));
    TClosingOutcome outcome;
    EXPECT_EQ(TurnoverError, close(outcome));
    EXPECT_EQ(TClosingOutcome::Failed, outcome.status());
    EXPECT_TRUE(outcome.failure.contains(QStringLiteral("turnover.lck")))
            << qPrintable(outcome.failure);
    EXPECT_TRUE(outcome.failure.contains(QString::fromLocal8Bit(std::strerror(EISDIR))))
            << qPrintable(outcome.failure);
    EXPECT_EQ(QStringList({"a1"}), names(QStringLiteral("var/archives")));
}

// A day whose summary cannot be built (a bill of the day is damaged) used
// to close as a success with a summary lacking that bill.
TEST_F(ClosingFaultTest, SummaryThatCannotBeBuiltIsReported)
{
    const QByteArray whole = billBytes(9, 7);
    dir.write(dayFile(QStringLiteral("a1")), whole.left(whole.size() - 2));
    archive(1, 1, 7);
    TClosingOutcome outcome;
    ASSERT_EQ(0, close(outcome));
    EXPECT_EQ(TClosingOutcome::Incomplete, outcome.status());
    EXPECT_TRUE(outcome.leftBehind.isEmpty());
    ASSERT_EQ(1, outcome.problems.size());
    EXPECT_TRUE(outcome.problems.first().contains(QStringLiteral("day summary")));
    EXPECT_TRUE(outcome.problems.first().contains(dir.file(dayFile(QStringLiteral("a1")))))
            << qPrintable(outcome.problems.first());
    EXPECT_TRUE(outcome.summary().startsWith(QStringLiteral("done, but:")));
    EXPECT_FALSE(dir.exists(summaryFile));
    EXPECT_EQ(QStringList({"a1", "a2", "closing-1.json", "turnover.z", "zcount.dat"}),
              names(dayPath));
}
