// One progress over a whole report run: the days done of the days asked,
// each advanced by the generator's steps of that day; never backwards.

#include "smalldemo.h"
#include "testdir.h"
#include "treportrun.h"
#include "trunprogress.h"
#include "tworkspacelists.h"

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

// The positions the progress went through.
struct Positions
{
    explicit Positions(TRunProgress &progress)
    {
        QObject::connect(&progress, &TRunProgress::changed, &progress,
                         [this](int value, int maximum) {
                             values << value;
                             maxima << maximum;
                         });
        QObject::connect(&progress, &TRunProgress::dayChanged, &progress,
                         [this](const QDate &day, int number, int days) {
                             this->days << QStringLiteral("%1 %2/%3")
                                                   .arg(day.toString(Qt::ISODate))
                                                   .arg(number)
                                                   .arg(days);
                         });
    }
    bool forwardOnly() const
    {
        for (int i = 1; i < values.size(); ++i)
            if (values.at(i) < values.at(i - 1))
                return false;
        return true;
    }
    QList<int> values;
    QList<int> maxima;
    QStringList days;
};

TEST(RunProgress, DaysDoneOfTheDaysAskedEachAdvancedByItsSteps)
{
    TRunProgress progress;
    Positions seen(progress);
    progress.start(QDate(2026, 12, 1), QDate(2026, 12, 4));
    EXPECT_EQ(4, progress.days());
    EXPECT_EQ(4000, progress.maximum());

    progress.setDate(QDate(2026, 12, 1));
    progress.setSteps(10);
    progress.setStep(10);
    EXPECT_EQ(1000, progress.value());
    // the generator announces a day again on its way down: the same day
    progress.setDate(QDate(2026, 12, 1));
    EXPECT_EQ(1000, progress.value());

    // the third day half read: (2 + 300 / 600) × 1000
    progress.setDate(QDate(2026, 12, 3));
    progress.setSteps(600);
    progress.setStep(300);
    EXPECT_EQ(2500, progress.value());
    EXPECT_EQ(62, progress.percent());
    EXPECT_EQ(3, progress.dayNumber());

    progress.setDate(QDate(2026, 12, 4));
    progress.setSteps(1);
    progress.setStep(1);
    EXPECT_EQ(4000, progress.value());
    EXPECT_EQ(100, progress.percent());
    EXPECT_TRUE(seen.forwardOnly());
    EXPECT_EQ((QStringList {QStringLiteral("2026-12-01 1/4"), QStringLiteral("2026-12-03 3/4"),
                            QStringLiteral("2026-12-04 4/4")}),
              seen.days);
    EXPECT_EQ(QList<int>(seen.values.size(), 4000), seen.maxima);
}

TEST(RunProgress, AnotherPartOfADayNeverMovesTheBarBack)
{
    TRunProgress progress;
    Positions seen(progress);
    progress.start(QDate(2026, 12, 1), QDate(2026, 12, 2));
    progress.setDate(QDate(2026, 12, 1));
    // a summary built while it is read: first no size, then its size
    progress.setSteps(0);
    progress.setSteps(800);
    progress.setStep(400);
    EXPECT_EQ(500, progress.value());
    // a second data path of the same day starts lower than the first ended
    progress.setStep(800);
    progress.setSteps(200);
    progress.setStep(100);
    EXPECT_EQ(1000, progress.value());
    progress.setStep(200);
    EXPECT_EQ(1000, progress.value());
    // steps beyond the count count as the count
    progress.setDate(QDate(2026, 12, 2));
    progress.setSteps(4);
    progress.setStep(9);
    EXPECT_EQ(2000, progress.value());
    EXPECT_TRUE(seen.forwardOnly());
}

TEST(RunProgress, TheCurrentDayIsOneDayOfItsTables)
{
    TRunProgress progress;
    Positions seen(progress);
    progress.start(QDate(), QDate());
    EXPECT_EQ(1, progress.days());
    progress.setSteps(4);
    EXPECT_EQ(QStringList {QStringLiteral(" 1/1")}, seen.days);
    progress.setStep(1);
    EXPECT_EQ(250, progress.value());
    progress.setStep(4);
    EXPECT_EQ(1000, progress.value());
    // a from date alone is one day too
    progress.start(QDate(2026, 12, 1), QDate());
    EXPECT_EQ(1, progress.days());
    EXPECT_EQ(0, progress.value());
}

// A report over a range and over the current day: the bar runs once from
// 0 to its end, forward only, through the days in order.
TEST(RunProgress, AReportRunGoesOnceOverItsDays)
{
    TestDir dir;
    smalldemo::write(dir.path());
    const QString root = dir.path();
    TWorkspaceLists lists(root);
    TReportRun run(&lists, root);
    Positions seen(*run.progress());

    TReportRequest request;
    request.kind = 5;
    request.from = smalldemo::Today.addDays(-2);
    request.to = smalldemo::Today.addDays(-1);
    ASSERT_EQ(TReportResult::Done, run.run(request).status);
    EXPECT_TRUE(seen.forwardOnly());
    ASSERT_FALSE(seen.values.isEmpty());
    EXPECT_EQ(0, seen.values.first());
    EXPECT_EQ(2000, seen.values.last());
    EXPECT_EQ((QStringList {QStringLiteral("2026-12-03 1/2"), QStringLiteral("2026-12-04 2/2")}),
              seen.days);

    // the current day: its open and paid tables are one count of steps
    seen.values.clear();
    seen.days.clear();
    int counts = 0;
    QObject::connect(&run, &TReportRun::sigDataCount, &run, [&counts] { ++counts; });
    TReportRequest today;
    today.kind = 5;
    ASSERT_EQ(TReportResult::Done, run.run(today).status);
    EXPECT_EQ(1, counts);
    EXPECT_TRUE(seen.forwardOnly());
    EXPECT_EQ(1000, seen.values.last());
    EXPECT_EQ(QStringList {QStringLiteral(" 1/1")}, seen.days);
    EXPECT_GT(seen.values.size(), 5); // the tables move it, not one jump
}

} // namespace
