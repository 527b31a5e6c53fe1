#include "planteddata.h"
#include "texceptionsoutput.h"
#include "texceptionsrun.h"
#include "tsummarydatasink.h"
#include "tworkspacelists.h"

#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

// The waiters flagged, each with the keys of its flagged figures.
QMap<int, QStringList> flags(const TExceptionSide &side)
{
    QMap<int, QStringList> found;
    for (const TExceptionGroup *g : side.flaggedGroups()) {
        for (TExceptionKind kind : allExceptionKinds()) {
            if (g->figure(kind).flagged)
                found[g->number] << exceptionKey(kind);
        }
    }
    return found;
}

class PlantedTeam : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English)); }

    TExceptionsResult run(const planted::Plan &plan, bool cache = true)
    {
        planted::write(dir, plan);
        return runAgain(cache);
    }
    TExceptionsResult runAgain(bool cache = true)
    {
        TExceptionsRun runner(nullptr, dir.path());
        TExceptionsRequest request;
        request.from = planted::FirstDay;
        request.to = planted::lastDay();
        request.dayCache = cache;
        request.now = QDateTime(planted::lastDay().addDays(1), QTime(10, 0));
        return runner.run(request);
    }

    TestDir dir;
};

} // namespace

TEST_F(PlantedTeam, UniformTeamFlagsNoOne)
{
    const TExceptionsResult result = run({});
    ASSERT_EQ(TExceptionsResult::Done, result.status);
    EXPECT_EQ(planted::Waiters, result.waiters.members);
    EXPECT_TRUE(result.waiters.compared());
    EXPECT_TRUE(flags(result.waiters).isEmpty());
    // everyone voids on a fifth of the bills and discounts on a third
    const TExceptionGroup *one = result.waiters.group(0, 1);
    ASSERT_TRUE(one);
    EXPECT_EQ(30, one->bills);
    EXPECT_EQ(6, one->figure(TExceptionKind::Voids).count);
    EXPECT_EQ(1500, one->figure(TExceptionKind::Voids).amount());
    EXPECT_DOUBLE_EQ(20.0, one->figure(TExceptionKind::Voids).perBills);
    EXPECT_DOUBLE_EQ(20.0, result.waiters.medianPerBills[indexOf(TExceptionKind::Voids)]);
    EXPECT_EQ(10, one->figure(TExceptionKind::Discounts).count);
    EXPECT_EQ(1200, one->figure(TExceptionKind::Discounts).amount());
    EXPECT_EQ(0, one->figure(TExceptionKind::LateDiscounts).count);
    // takings: 30 bills of 1900, less 10 discounts of 120 and 6 coffees voided
    EXPECT_EQ(30 * 1900 - 10 * 120 - 6 * 250, one->takings);
    EXPECT_EQ(planted::Waiters * 30, result.waiters.total.bills);
    // two cost centers are no team to compare with
    EXPECT_EQ(2, result.centers.members);
    EXPECT_TRUE(flags(result.centers).isEmpty());
}

TEST_F(PlantedTeam, ExactlyThePlantedWaitersAreFlaggedWithReasonsAndBills)
{
    planted::Plan plan;
    plan.voider = 3;
    plan.lateDiscounter = 4;
    plan.staffUser = 5;
    const TExceptionsResult result = run(plan);
    ASSERT_EQ(TExceptionsResult::Done, result.status);

    QMap<int, QStringList> expected;
    // every void of the team is one of a coffee already sent
    expected[3] = QStringList {QStringLiteral("voids"), QStringLiteral("voidsAfterSending")};
    expected[4] = QStringList {QStringLiteral("lateDiscounts")};
    expected[5] = QStringList {QStringLiteral("staffAccount")};
    EXPECT_EQ(expected, flags(result.waiters));

    const TExceptionGroup *voider = result.waiters.group(0, 3);
    ASSERT_TRUE(voider);
    EXPECT_EQ(QStringLiteral("Voids: 30 (100.0 per 100 bills, 5.0 x the team's median of 20.0; "
                             "15.53 % of the takings, 5.6 x the team's median of 2.76 %)"),
              flagReason(result.waiters, *voider, TExceptionKind::Voids));
    const TExceptionGroup *late = result.waiters.group(0, 4);
    EXPECT_EQ(QStringLiteral("Late discounts: 10 (33.3 per 100 bills, the team's median is 0; "
                             "2.21 % of the takings, the team's median is 0)"),
              flagReason(result.waiters, *late, TExceptionKind::LateDiscounts));
    const TExceptionGroup *staff = result.waiters.group(0, 5);
    EXPECT_EQ(1, flagReasons(result.waiters, *staff).size());
    EXPECT_TRUE(flagReasons(result.waiters, *staff)
                        .first()
                        .startsWith(QStringLiteral("Staff account: 10 (33.3 per 100 bills")));

    // the bills behind the flags: every one of waiter 3's 30 bills, one void each
    const TExceptionKind voids = TExceptionKind::Voids;
    const auto entries = result.entriesOf(TExceptionSide::Waiters, 0, 3, &voids);
    ASSERT_EQ(30u, entries.size());
    QSet<qint64> bills;
    for (const TExceptionEntry *e : entries) {
        EXPECT_EQ(QStringLiteral("Article 901"), e->article);
        EXPECT_EQ(250.0, e->amount);
        EXPECT_EQ(3, e->voidWaiter);
        EXPECT_EQ(QStringLiteral("Cold"), e->detail);
        EXPECT_EQ(1000 + e->archive, e->bill);
        EXPECT_TRUE(e->day.isValid());
        bills << e->bill;
    }
    EXPECT_EQ(30, bills.size());
    const TExceptionKind lateKind = TExceptionKind::LateDiscounts;
    for (const TExceptionEntry *e : result.entriesOf(TExceptionSide::Waiters, 0, 4, &lateKind)) {
        EXPECT_GE(e->time, QTime(22, 30));
        EXPECT_EQ(QStringLiteral("2 Regulars"), e->detail);
    }
    const TExceptionKind staffKind = TExceptionKind::StaffAccount;
    const auto staffPays = result.entriesOf(TExceptionSide::Waiters, 0, 5, &staffKind);
    ASSERT_EQ(10u, staffPays.size());
    EXPECT_EQ(QStringLiteral("7 Staff account"), staffPays.front()->detail);

    // the data list the entries of the flagged figures and no other
    const QJsonObject data = exceptionsData(result, nullptr);
    EXPECT_EQ(30 + 30 + 10 + 10, data.value(QStringLiteral("entries")).toArray().size());
}

// The command line writes the entries one at a time into the frame of the
// rest: the same bytes as the whole document.
TEST_F(PlantedTeam, EntriesWrittenOneAtATimeMakeTheWholeDocument)
{
    planted::Plan plan;
    plan.voider = 3;
    const TExceptionsResult result = run(plan);
    const TJsonFrame frame = jsonFrame(exceptionsData(result, nullptr, TExceptionEntries::None),
                                       QStringLiteral("entries"));
    for (TExceptionEntries entries :
         {TExceptionEntries::Flagged, TExceptionEntries::All, TExceptionEntries::None}) {
        QByteArrayList listed;
        for (const TExceptionEntry *e : listedEntries(result, entries))
            listed << exceptionEntryJson(*e);
        EXPECT_EQ(QJsonDocument(exceptionsData(result, nullptr, entries))
                          .toJson(QJsonDocument::Compact),
                  frame.open + listed.join(',') + frame.close);
    }
    EXPECT_GT(listedEntries(result, TExceptionEntries::All).size(), 30u);
}

TEST_F(PlantedTeam, WeeksShowWhenTheRateChanged)
{
    planted::Plan plan;
    plan.voider = 3;
    const TExceptionsResult result = run(plan);
    // Monday to Sunday, then Monday to Wednesday
    ASSERT_EQ(2, result.weeks.size());
    EXPECT_EQ(planted::FirstDay, result.weeks[0].from);
    EXPECT_EQ(planted::FirstDay.addDays(6), result.weeks[0].to);
    EXPECT_EQ(planted::lastDay(), result.weeks[1].to);
    for (const TExceptionWeek &week : result.weeks) {
        const TExceptionGroup *g = week.waiters.group(0, 3);
        ASSERT_TRUE(g);
        EXPECT_DOUBLE_EQ(100.0, g->figure(TExceptionKind::Voids).perBills);
        EXPECT_TRUE(g->figure(TExceptionKind::Voids).flagged);
    }
    // the weeks' figures add up to the range's
    qint64 takings = 0, bills = 0;
    for (const TExceptionWeek &week : result.weeks) {
        takings += week.waiters.group(0, 1)->takings;
        bills += week.waiters.group(0, 1)->bills;
    }
    EXPECT_EQ(result.waiters.group(0, 1)->takings, takings);
    EXPECT_EQ(result.waiters.group(0, 1)->bills, bills);

    // the range's takings, added up from its weeks, are those of one read
    // over the range, with the cache and without it
    for (bool cache : {false, true}) {
        TExceptionsRun runner(nullptr, dir.path());
        TExceptionsRequest request;
        request.from = planted::FirstDay;
        request.to = planted::lastDay();
        request.dayCache = cache;
        request.weeks = false;
        const TExceptionsResult whole = runner.run(request);
        const TExceptionsResult weekly = runAgain(cache);
        for (auto side : {&TExceptionsResult::waiters, &TExceptionsResult::centers}) {
            ASSERT_EQ((whole.*side).groups.size(), (weekly.*side).groups.size());
            for (const TExceptionGroup &g : (whole.*side).groups) {
                EXPECT_EQ(g.takings, (weekly.*side).group(0, g.number)->takings) << g.number;
                EXPECT_EQ(g.name, (weekly.*side).group(0, g.number)->name) << g.number;
            }
            EXPECT_EQ((whole.*side).total.takings, (weekly.*side).total.takings);
        }
    }
}

TEST_F(PlantedTeam, CachedDaysGiveTheFiguresOfAColdRunAndFollowChangedBills)
{
    planted::Plan plan;
    plan.voider = 3;
    const TExceptionsResult cold = run(plan, false);
    EXPECT_FALSE(QDir(dir.path() + QStringLiteral("var/reportcache")).exists());
    const TExceptionsResult first = runAgain();
    const TExceptionsResult cached = runAgain();
    EXPECT_TRUE(QDir(dir.path() + QStringLiteral("var/reportcache")).exists());
    const QJsonObject expected = exceptionsData(cold, nullptr, TExceptionEntries::All);
    EXPECT_EQ(expected, exceptionsData(first, nullptr, TExceptionEntries::All));
    EXPECT_EQ(expected, exceptionsData(cached, nullptr, TExceptionEntries::All));

    // a bill of the first day changes: its day is read again
    planted::Table t;
    t.archive = 1;
    t.day = planted::FirstDay;
    t.waiter = 1;
    planted::bill(dir, t, true, QTime(), true);
    // the summary dates from before the change
    QFile summary(dir.file(QStringLiteral("var/summary/2026-11-30.dat")));
    ASSERT_TRUE(summary.open(QIODevice::ReadWrite));
    ASSERT_TRUE(summary.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                    QFileDevice::FileModificationTime));
    summary.close();
    // read without the cache, read-only and not, the day is read again too
    TExceptionsRequest readOnly;
    readOnly.from = planted::FirstDay;
    readOnly.to = planted::lastDay();
    readOnly.readOnly = true;
    const TExceptionsResult seen = TExceptionsRun(nullptr, dir.path()).run(readOnly);
    EXPECT_EQ(1, seen.waiters.group(0, 1)->figure(TExceptionKind::StaffAccount).count);
    const TExceptionsResult rebuilt = runAgain(false);
    EXPECT_EQ(1, rebuilt.waiters.group(0, 1)->figure(TExceptionKind::StaffAccount).count);
    const TExceptionsResult changed = runAgain();
    EXPECT_EQ(1, changed.waiters.group(0, 1)->figure(TExceptionKind::StaffAccount).count);
}

TEST_F(PlantedTeam, ReadOnlyRunWritesNothingAndGivesTheSameFigures)
{
    planted::Plan plan;
    plan.voider = 3;
    planted::write(dir, plan);
    auto files = [this] {
        QStringList found;
        QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        found.sort();
        return found;
    };
    const QStringList before = files();
    TExceptionsRun runner(nullptr, dir.path());
    TExceptionsRequest request;
    request.from = planted::FirstDay;
    request.to = planted::lastDay();
    request.readOnly = true;
    request.now = QDateTime(planted::lastDay().addDays(1), QTime(10, 0));
    const TExceptionsResult readOnly = runner.run(request);
    // no day summary built, no cached day kept
    EXPECT_EQ(before, files());
    const TExceptionsResult written = runAgain();
    EXPECT_NE(before, files());
    EXPECT_EQ(exceptionsData(written, nullptr, TExceptionEntries::All),
              exceptionsData(readOnly, nullptr, TExceptionEntries::All));
    // with the summaries there, the read-only run reads them and still writes nothing
    const QStringList built = files();
    EXPECT_EQ(exceptionsData(written, nullptr, TExceptionEntries::All),
              exceptionsData(TExceptionsRun(nullptr, dir.path()).run(request), nullptr,
                             TExceptionEntries::All));
    EXPECT_EQ(built, files());

    // entries nobody lists are counted, not kept: the same figures
    request.keepEntries = false;
    const TExceptionsResult counted = TExceptionsRun(nullptr, dir.path()).run(request);
    EXPECT_TRUE(counted.entries.empty());
    EXPECT_FALSE(written.entries.empty());
    EXPECT_EQ(exceptionsData(written, nullptr, TExceptionEntries::None),
              exceptionsData(counted, nullptr, TExceptionEntries::None));
}

// Without the cache a day's entries count as the takings' run reads it,
// in date order; a day in the middle that run could not read from its
// summary keeps the days after it in their place.
TEST_F(PlantedTeam, DaysCountInDateOrderAroundADayReadFromItsTables)
{
    planted::Plan plan;
    plan.voider = 3;
    planted::write(dir, plan);
    const QDate damagedDay = planted::FirstDay.addDays(4);
    const QString folder
            = dir.file(QStringLiteral("var/statist/") + PosLib::statistDayName(damagedDay));
    const QStringList bills = QDir(folder).entryList({QStringLiteral("a*")}, QDir::Files);
    ASSERT_FALSE(bills.isEmpty());
    QFile bill(folder + QLatin1Char('/') + bills.first());
    ASSERT_TRUE(bill.open(QIODevice::ReadWrite));
    ASSERT_TRUE(bill.resize(bill.size() - 3));
    bill.close();

    const TExceptionsResult streamed = runAgain(false);
    ASSERT_EQ(TExceptionsResult::Done, streamed.status);
    ASSERT_EQ(1, streamed.notices.size());
    EXPECT_TRUE(streamed.notices.first().contains(damagedDay.toString(Qt::ISODate)));
    QDate last;
    for (const TExceptionEntry &e : streamed.entries) {
        EXPECT_LE(last, e.day);
        last = e.day;
    }
    EXPECT_EQ(planted::lastDay(), last);
    // the cache reads each day in its turn: the same figures, entries and weeks
    const TExceptionsResult cached = runAgain();
    EXPECT_EQ(exceptionsData(cached, nullptr, TExceptionEntries::All),
              exceptionsData(streamed, nullptr, TExceptionEntries::All));
}

TEST_F(PlantedTeam, FlagRuleFollowsTheInstallationAndTheRequest)
{
    planted::Plan plan;
    plan.voider = 3;
    planted::write(dir, plan);
    // a multiple of 6: the voider's 5 x no longer counts
    dir.write(QStringLiteral("etc/reports.ini"),
              QByteArrayLiteral("[Exceptions]\nMultiple=6\nMinCount=3\nStaffPayforms=7\n"));
    TExceptionsResult result = runAgain();
    EXPECT_EQ(6.0, result.rules.multiple);
    // 5 x the median per bills, 5.6 x per takings
    EXPECT_TRUE(flags(result.waiters).isEmpty());

    TExceptionsRun runner(nullptr, dir.path());
    TExceptionsRequest request;
    request.from = planted::FirstDay;
    request.to = planted::lastDay();
    request.multiple = 5.5;
    result = runner.run(request);
    EXPECT_EQ(5.5, result.rules.multiple);
    const TExceptionFigure &voids = result.waiters.group(0, 3)->figure(TExceptionKind::Voids);
    EXPECT_TRUE(voids.flagged);
    EXPECT_FALSE(voids.byBills);
    EXPECT_TRUE(voids.byTakings);
    request.minCount = 31; // more than the voider's 30
    EXPECT_TRUE(flags(TExceptionsRun(nullptr, dir.path()).run(request).waiters).isEmpty());
}

TEST(ExceptionRules, LateHoursSpanMidnightAndStaffAccountsAreFoundByName)
{
    TExceptionRules rules;
    EXPECT_TRUE(rules.isLate(QTime(22, 0)));
    EXPECT_TRUE(rules.isLate(QTime(1, 30)));
    EXPECT_FALSE(rules.isLate(QTime(5, 0)));
    EXPECT_FALSE(rules.isLate(QTime(21, 59)));
    rules.lateFrom = QTime(14, 0);
    rules.lateUntil = QTime(17, 0);
    EXPECT_TRUE(rules.isLate(QTime(16, 59)));
    EXPECT_FALSE(rules.isLate(QTime(17, 0)));
    rules.lateUntil = rules.lateFrom;
    EXPECT_FALSE(rules.isLate(QTime(14, 0)));

    Basics::TValueList payforms;
    const char *names[] = {"Cash", "Staff account", "Mitarbeiter", "Visa", "Personal"};
    for (int i = 0; i < 5; ++i) {
        auto *p = new Basics::TValue;
        p->setId(i + 1);
        p->setName(QString::fromLatin1(names[i]));
        payforms.insert(p);
    }
    EXPECT_EQ(QList<int>({2, 3, 5}), TExceptionRules::staffPayformsByName(&payforms));
    TestDir dir;
    EXPECT_EQ(QList<int>({2, 3, 5}), TExceptionRules::read(dir.path(), &payforms).staffPayforms);
    dir.write(QStringLiteral("etc/reports.ini"),
              QByteArrayLiteral("[Exceptions]\nStaffPayforms=9; 4,9\nLateFrom=23:15\n"
                                "Multiple=0.5\nMinCount=-2\n"));
    const TExceptionRules read = TExceptionRules::read(dir.path(), &payforms);
    EXPECT_EQ(QList<int>({4, 9}), read.staffPayforms);
    EXPECT_EQ(QTime(23, 15), read.lateFrom);
    // a multiple below 1 and a count below 1 would flag everyone: the defaults stay
    EXPECT_EQ(TExceptionRules::DefaultMultiple, read.multiple);
    EXPECT_EQ(TExceptionRules::DefaultMinCount, read.minCount);
}

TEST(ExceptionMedian, MiddleValueOrMeanOfTheTwo)
{
    EXPECT_EQ(0.0, median({}));
    EXPECT_EQ(3.0, median({5, 1, 3}));
    EXPECT_EQ(2.5, median({4, 1, 3, 2}));
}

TEST_F(PlantedTeam, DayBlockAndTextsNameTheTeamsFiguresAndTheFlags)
{
    planted::Plan plan;
    plan.voider = 3;
    const TExceptionsResult result = run(plan);
    const QStringList block = exceptionsDayBlock(result, nullptr);
    ASSERT_GE(block.size(), 4);
    EXPECT_EQ(QStringLiteral("Exceptions of the day"), block[0]);
    // the team: 30 voids of the voider, 6 of each of the 5 others
    const QString voids = block.filter(QStringLiteral("  Voids ")).value(0);
    EXPECT_TRUE(voids.contains(QStringLiteral(" 60 "))) << qPrintable(block.join('\n'));
    EXPECT_TRUE(voids.endsWith(QStringLiteral("150.00"))) << qPrintable(voids);
    EXPECT_EQ(2, block.filter(QStringLiteral("Flagged: 3 Luca - ")).size())
            << qPrintable(block.join('\n'));
    // a waiter's closing: that waiter alone
    const QStringList own = exceptionsDayBlock(result, nullptr, 1);
    EXPECT_TRUE(own.filter(QStringLiteral("  Voids ")).value(0).contains(QStringLiteral(" 6 ")));
    EXPECT_EQ(QStringLiteral("  Nothing stands out."), own.last());
    EXPECT_EQ(2, exceptionsDayBlock(result, nullptr, 3).filter(QStringLiteral("Flagged")).size());
    // no such waiter that day
    EXPECT_EQ(QStringLiteral("  No exceptions"), exceptionsDayBlock(result, nullptr, 9).last());

    const QStringList texts = exceptionsDayTexts(result, nullptr);
    EXPECT_TRUE(texts.contains(QStringLiteral("Voids: 60, 150.00")))
            << qPrintable(texts.join('\n'));
    EXPECT_TRUE(
            texts.last().startsWith(QStringLiteral("Flagged: 3 Luca - Voids after sending: 30")))
            << qPrintable(texts.last());
    TExceptionsResult nothing;
    EXPECT_TRUE(exceptionsDayTexts(nothing, nullptr).isEmpty());
}
