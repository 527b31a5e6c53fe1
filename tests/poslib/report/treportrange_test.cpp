#include "smalldemo.h"
#include "tarchtable.h"
#include "tdaycachereader.h"
#include "testdir.h"
#include "tfile.h"
#include "tinstallation.h"
#include "trepdata.h"
#include "trepdatafixture.h"
#include "treport.h"
#include "ttablefacts.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace PosLib;
using RepDataTest::groupsXml;

// A range read without the cache looks at each day's freshness ahead of
// the day it adds: a day whose bills changed after its summary was written
// still counts its bills, whether the summary may be built anew or not.

namespace {

const QDate Today = smalldemo::Today;
const QDate First = Today.addDays(-4);
const QDate Last = Today.addDays(-1);

class ReportRangeWithoutCache : public ::testing::Test
{
protected:
    void SetUp() override { smalldemo::writeFiveDays(root()); }
    QString root() const { return dir.path(); }

    QString run(bool readOnly, TSummaryWatcher *shown = nullptr, bool cache = false)
    {
        TReport report(QDate(), nullptr, root());
        report.setReadOnly(readOnly);
        report.setDayCache(cache);
        report.setSummaryWatcher(shown);
        TRepWaiters groups(nullptr, root());
        groups.setKeepRecords(true);
        EXPECT_TRUE(report.runRange(&groups, nullptr, First, Last));
        return groupsXml(groups);
    }

    // A bill of `day` replaced by one of the first day, newer than the summary.
    void correctABill(const QDate &day)
    {
        const QString dayDir = statistDayDir(day, root());
        const QStringList names = QDir(dayDir).entryList({QStringLiteral("a*")}, QDir::Files);
        const QStringList firsts
                = QDir(statistDayDir(First, root())).entryList({QStringLiteral("a*")}, QDir::Files);
        ASSERT_FALSE(names.isEmpty());
        ASSERT_FALSE(firsts.isEmpty());
        ASSERT_TRUE(QFile::remove(dayDir + names.first()));
        ASSERT_TRUE(
                QFile::copy(statistDayDir(First, root()) + firsts.first(), dayDir + names.first()));
        const QDateTime built = QFileInfo(TArchTable(root(), day).filePath()).lastModified();
        QFile file(dayDir + names.first());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(built.addMSecs(1), QFileDevice::FileModificationTime));
    }

    TestDir dir;
};

} // namespace

TEST_F(ReportRangeWithoutCache, DaysWhoseBillsChangedCountTheirBills)
{
    const QString before = run(false);
    for (const QDate &day : {First.addDays(1), Last})
        correctABill(day);
    const QString summaryOfLast = TArchTable(root(), Last).filePath();
    const QDateTime stale = QFileInfo(summaryOfLast).lastModified();

    // a run that may write nothing reads the bills and leaves the summary
    const QString readOnly = run(true);
    EXPECT_EQ(stale, QFileInfo(summaryOfLast).lastModified());
    // the others build it anew
    const QString plain = run(false);
    EXPECT_NE(stale, QFileInfo(summaryOfLast).lastModified());

    // the figures of summaries built from nothing
    for (QDate d = First; d <= Last; d = d.addDays(1))
        ASSERT_TRUE(QFile::remove(TArchTable(root(), d).filePath()));
    const QString fromBills = run(false);
    EXPECT_NE(before, fromBills);
    EXPECT_EQ(fromBills, readOnly);
    EXPECT_EQ(fromBills, plain);
    // and the run after them reads the summaries, found fresh
    EXPECT_EQ(fromBills, run(false));
    EXPECT_EQ(fromBills, run(true));
}

// The reader of a run without the cache hands over each fresh summary as
// the file it checked; what it cannot vouch for it leaves to the run.
TEST_F(ReportRangeWithoutCache, SummariesReadAheadAreTheFilesChecked)
{
    run(false);
    std::vector<TCachedDayFiles> days;
    for (QDate d = First; d <= Last; d = d.addDays(1)) {
        TCachedDayFiles files;
        files.dayDirs << QFile::encodeName(statistDayDir(d, root()));
        files.summaries << QFile::encodeName(TArchTable(root(), d).filePath());
        days.push_back(files);
    }
    auto fileOf = [&](const QDate &d) {
        QFile f(TArchTable(root(), d).filePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const auto read = [&](const QDate &d) {
        return TDayCacheReader::check(days[size_t(First.daysTo(d))], "engine\n",
                                      TDayCacheReader::Extra::ReadSummaries);
    };

    {
        TDayCacheReader reader(days, "engine\n", 1, 2, TDayCacheReader::Builder(),
                               TDayCacheReader::Extra::ReadSummaries);
        for (QDate d = First; d <= Last; d = d.addDays(1)) {
            TCachedDayState state = reader.take(int(First.daysTo(d)));
            EXPECT_TRUE(state.fresh) << qPrintable(d.toString());
            ASSERT_EQ(1, state.summaryBytes.size());
            EXPECT_EQ(fileOf(d), state.summaryBytes.first());
            EXPECT_GT(state.summaryBytes.first().size(), 100);
            // the next days are read into its room, larger or smaller
            reader.giveBack(std::move(state.summaryBytes));
        }
    }

    // a bill changed after its summary: neither fresh nor read
    correctABill(Last);
    TCachedDayState state = read(Last);
    EXPECT_FALSE(state.fresh);
    EXPECT_TRUE(state.summaryBytes.isEmpty());
    // a summary being written (its lock held): fresh, but read by the run
    {
        Basics::TFile writer(TArchTable(root(), First).filePath());
        writer.open(QIODevice::ReadWrite);
        state = read(First);
        EXPECT_TRUE(state.fresh);
        EXPECT_TRUE(state.summaryBytes.isEmpty());
    }
    // a summary not there
    ASSERT_TRUE(QFile::remove(TArchTable(root(), First).filePath()));
    state = read(First);
    EXPECT_FALSE(state.fresh);
    EXPECT_TRUE(state.summaryBytes.isEmpty());
}

namespace {

// What a run showed of each day: its tables (where each ends), whether
// the day ended, whether it was found fresh.
struct ShownDays : TSummaryWatcher
{
    void beginDay(const QDate &day) override
    {
        current = day;
        ++begun[day];
        tables[day].clear();
    }
    void addTable(const TTableFacts &facts) override { tables[current] << facts.end(); }
    void endDay() override { ended << current; }
    void foundFresh(const QDate &day) override { fresh << day; }

    QDate current;
    QMap<QDate, int> begun;
    QMap<QDate, QList<qint64>> tables;
    QList<QDate> ended;
    QList<QDate> fresh;
};

// Where each table of a day summary ends, as read alone.
QList<qint64> tableEndsOf(const QString &root, const QDate &day)
{
    TArchTable summary(root, day);
    summary.setReadOnly(true);
    TTableFacts facts;
    QList<qint64> ends;
    while (summary.nextTable(facts))
        ends << facts.end();
    return ends;
}

} // namespace

// Another reader of the summaries (the exceptions' entries) is shown each
// table of each day the run reads from its summary, in the summary's
// order; a day read from its bills instead is not shown.
TEST_F(ReportRangeWithoutCache, TablesOfEachSummaryAreShownOnce)
{
    ShownDays plain;
    const QString figures = run(false, &plain);
    EXPECT_EQ(figures, run(false));
    QList<QDate> days;
    for (QDate d = First; d <= Last; d = d.addDays(1)) {
        days << d;
        EXPECT_EQ(1, plain.begun.value(d)) << qPrintable(d.toString());
        const QList<qint64> ends = tableEndsOf(root(), d);
        EXPECT_FALSE(ends.isEmpty());
        EXPECT_EQ(ends, plain.tables.value(d)) << qPrintable(d.toString());
    }
    EXPECT_EQ(days, plain.ended);

    // read-only, a day whose bill changed is read from its bills
    correctABill(Last);
    ShownDays readOnly;
    run(true, &readOnly);
    EXPECT_EQ(0, readOnly.begun.value(Last));
    days.removeLast();
    EXPECT_EQ(days, readOnly.ended);
    // a run that may write builds its summary again, and shows it
    ShownDays rebuilt;
    run(false, &rebuilt);
    EXPECT_EQ(tableEndsOf(root(), Last), rebuilt.tables.value(Last));
    EXPECT_EQ(Last, rebuilt.ended.value(rebuilt.ended.size() - 1));
}

// Through the cache, a day the cache answers or keeps is shown as found
// fresh, so that another reader of it need not look at its table files
// again; a day whose bill changed is not, and its summary built again is
// shown.
TEST_F(ReportRangeWithoutCache, DaysOfTheCacheAreShownFoundFresh)
{
    QList<QDate> days;
    for (QDate d = First; d <= Last; d = d.addDays(1))
        days << d;
    // the summaries there (the demo leaves the last one to be built)
    run(false);
    ShownDays cold;
    const QString figures = run(false, &cold, true);
    EXPECT_EQ(days, cold.fresh);
    ShownDays warm;
    EXPECT_EQ(figures, run(false, &warm, true));
    EXPECT_EQ(days, warm.fresh);
    EXPECT_TRUE(warm.begun.isEmpty());
    EXPECT_TRUE(warm.ended.isEmpty());

    correctABill(Last);
    ShownDays changed;
    run(false, &changed, true);
    days.removeLast();
    EXPECT_EQ(days, changed.fresh);
    EXPECT_EQ(tableEndsOf(root(), Last), changed.tables.value(Last));
    EXPECT_EQ(QList<QDate>({Last}), changed.ended);
}
