#include "smalldemo.h"
#include "tarchtable.h"
#include "tdayaggregate.h"
#include "tdaycachereader.h"
#include "tdaycachewriter.h"
#include "testdir.h"
#include "texactsum.h"
#include "tinstallation.h"
#include "trepdata.h"
#include "trepdatafixture.h"
#include "treport.h"
#include "tsavefile.h"

#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <thread>
#include <vector>

#include <sys/time.h>

using namespace PosLib;
using RepDataTest::groupsXml;

// Day aggregates over a small demo: a range added day by day from them,
// and the same range through the day cache, give the groups of one run
// over the range, export for export.

namespace {

const QDate Today = smalldemo::Today;
const QDate First = Today.addDays(-4);
const QDate Last = Today.addDays(-1);

std::unique_ptr<TRepDatas> makeGroups(bool centers, bool records, const QString &root)
{
    std::unique_ptr<TRepDatas> g;
    if (centers)
        g = std::make_unique<TRepCenters>(nullptr, root);
    else
        g = std::make_unique<TRepWaiters>(nullptr, root);
    g->setKeepRecords(records);
    return g;
}

void run(TReport &report, TRepDatas &groups, const QDate &from, const QDate &to)
{
    auto *w = dynamic_cast<TRepWaiters *>(&groups);
    auto *c = dynamic_cast<TRepCenters *>(&groups);
    ASSERT_TRUE(report.runRange(w, c, from, to));
}

// Makes a bill of `day` newer than the day's summary, to the millisecond.
void touchAfterSummary(const QString &root, const QDate &day, const QString &bill)
{
    const QDateTime built = QFileInfo(TArchTable(root, day).filePath()).lastModified();
    QFile file(statistDayDir(day, root) + bill);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(built.addMSecs(1), QFileDevice::FileModificationTime));
}

QStringList bills(const QString &root, const QDate &day)
{
    return QDir(statistDayDir(day, root)).entryList({QStringLiteral("a*")}, QDir::Files);
}

QStringList cacheFiles(const QString &root)
{
    QStringList files;
    QDirIterator it(root + QStringLiteral("/var/reportcache"), {QStringLiteral("*.agg")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

class DayAggregateOverDemo : public ::testing::Test
{
protected:
    void SetUp() override { smalldemo::writeFiveDays(root()); }
    QString root() const { return dir.path(); }

    // One run over the range, without the cache.
    QString cold(bool centers, bool records, const QDate &from = First, const QDate &to = Last)
    {
        TReport report(QDate(), nullptr, root());
        auto groups = makeGroups(centers, records, root());
        run(report, *groups, from, to);
        return groupsXml(*groups);
    }
    // The same through the day cache; `cached` the days it read from there.
    QString cached(bool centers, bool records, int *cachedDays = nullptr)
    {
        TReport report(QDate(), nullptr, root());
        report.setDayCache(true);
        auto groups = makeGroups(centers, records, root());
        run(report, *groups, First, Last);
        if (cachedDays)
            *cachedDays = report.cachedDays();
        return groupsXml(*groups);
    }

    TestDir dir;
};

} // namespace

TEST(ExactSum, SumIsTheSameInAnyOrder)
{
    const QList<double> values
            = {840.3361344537815, 0.1, 1e16, -1e16, 0.2, 159.66386554621849, 0.3, 12.5};
    TExactSum forward;
    for (double v : values)
        forward.add(v);
    TExactSum backward;
    for (qsizetype i = values.size() - 1; i >= 0; --i)
        backward.add(values.at(i));
    // in two halves, then the halves added
    TExactSum first;
    TExactSum second;
    for (qsizetype i = 0; i < values.size(); ++i)
        (i < 3 ? first : second).add(values.at(i));
    first.add(second);
    EXPECT_EQ(forward.value(), backward.value());
    EXPECT_EQ(forward.value(), first.value());
    EXPECT_EQ(forward.value(), TExactSum::ofParts(forward.parts()).value());
    // 0.1 + 0.2 + 0.3 exactly is the double nearest 0.6, unlike the plain sum
    TExactSum tenths;
    for (double v : {0.1, 0.2, 0.3})
        tenths.add(v);
    EXPECT_EQ(0.6, tenths.value());
    TExactSum whole;
    for (int i = 0; i < 1000; ++i)
        whole += 1250;
    EXPECT_EQ(1250000.0, whole.value());
}

TEST_F(DayAggregateOverDemo, DaysAddedOneByOneGiveTheGroupsOfOneRun)
{
    for (bool centers : {false, true}) {
        for (bool records : {true, false}) {
            SCOPED_TRACE(testing::Message() << "centers " << centers << " records " << records);
            auto merged = makeGroups(centers, records, root());
            for (QDate d = First; d <= Last; d = d.addDays(1)) {
                TReport report(QDate(), nullptr, root());
                auto day = makeGroups(centers, records, root());
                run(report, *day, d, d);
                const QByteArray blob = TDayAggregate::toBytes(*day, "stamp");
                ASSERT_FALSE(blob.isEmpty());
                EXPECT_EQ(QByteArray("stamp"), TDayAggregate::stampOf(blob));
                ASSERT_TRUE(TDayAggregate::merge(blob, *merged));
            }
            EXPECT_EQ(cold(centers, records), groupsXml(*merged));
        }
    }
}

TEST_F(DayAggregateOverDemo, RoundTripKeepsEveryFigure)
{
    TReport report(QDate(), nullptr, root());
    TRepWaiters day(nullptr, root());
    ASSERT_TRUE(report.runRange(&day, nullptr, Last, Last));
    const QByteArray blob = TDayAggregate::toBytes(day);
    TRepWaiters read(nullptr, root());
    ASSERT_TRUE(TDayAggregate::merge(blob, read));
    // once more from what was read (before the export asks for the records)
    TRepWaiters again(nullptr, root());
    ASSERT_TRUE(TDayAggregate::merge(TDayAggregate::toBytes(read), again));
    EXPECT_EQ(groupsXml(day), groupsXml(read));
    EXPECT_EQ(groupsXml(day), groupsXml(again));
}

TEST_F(DayAggregateOverDemo, BlobOfOtherGroupsIsRefused)
{
    TReport report(QDate(), nullptr, root());
    TRepWaiters day(nullptr, root());
    ASSERT_TRUE(report.runRange(&day, nullptr, Last, Last));
    const QByteArray blob = TDayAggregate::toBytes(day);

    TRepCenters centers(nullptr, root());
    EXPECT_FALSE(TDayAggregate::merge(blob, centers));
    EXPECT_TRUE(centers.isEmpty());
    TRepWaiters withoutRecords(nullptr, root());
    withoutRecords.setKeepRecords(false);
    EXPECT_FALSE(TDayAggregate::merge(blob, withoutRecords));
    EXPECT_TRUE(withoutRecords.isEmpty());

    // groups made for printing only keep no notes of their pays: no blob
    TRepWaiters printed(nullptr, root());
    printed.setKeepDayNotes(false);
    ASSERT_TRUE(report.runRange(&printed, nullptr, Last, Last));
    EXPECT_TRUE(TDayAggregate::toBytes(printed).isEmpty());

    // leaves asked for: the record rows are gone, no blob
    day.overall()->node(QStringLiteral("tables"))->leaves();
    EXPECT_TRUE(TDayAggregate::toBytes(day).isEmpty());
}

// Groups filled for one report (some nodes, the overall group only) hold
// what full groups hold of those, and nothing else; their days are cached
// apart and merged only into groups of the same scope, while full days go
// into any groups.
TEST_F(DayAggregateOverDemo, GroupsOfOneReportKeepTheirDaysApart)
{
    const TRepScope articles({QStringLiteral("articles")}, true);
    TReport report(QDate(), nullptr, root());
    TRepWaiters full(nullptr, root());
    ASSERT_TRUE(report.runRange(&full, nullptr, Last, Last));
    TRepWaiters scoped(nullptr, root());
    scoped.setScope(articles);
    ASSERT_TRUE(report.runRange(&scoped, nullptr, Last, Last));

    ASSERT_EQ(1, scoped.groups().size());
    const TRepData *all = scoped.overall();
    const TReportNode *fullArticles = full.overall()->node(QStringLiteral("articles"));
    ASSERT_EQ(fullArticles->leaves().keys(),
              all->node(QStringLiteral("articles"))->leaves().keys());
    for (auto it = fullArticles->leaves().cbegin(); it != fullArticles->leaves().cend(); ++it)
        EXPECT_EQ(it.value()->amount(),
                  all->node(QStringLiteral("articles"))->leaf(it.key())->amount());
    EXPECT_EQ(full.overall()->getLong(QStringLiteral("tablecount")),
              all->getLong(QStringLiteral("tablecount")));
    EXPECT_EQ(0, all->node(QStringLiteral("hours"))->count());
    EXPECT_EQ(0, all->node(QStringLiteral("payforms"))->count());

    const QByteArray scopedBlob = TDayAggregate::toBytes(scoped);
    const QByteArray fullBlob = TDayAggregate::toBytes(full);
    ASSERT_FALSE(scopedBlob.isEmpty());
    TRepWaiters other(nullptr, root());
    EXPECT_FALSE(TDayAggregate::merge(scopedBlob, other));
    other.setScope(TRepScope({QStringLiteral("hours")}, true));
    EXPECT_FALSE(TDayAggregate::merge(scopedBlob, other));
    EXPECT_TRUE(other.isEmpty());
    TRepWaiters same(nullptr, root());
    same.setScope(articles);
    EXPECT_TRUE(TDayAggregate::merge(scopedBlob, same));
    EXPECT_TRUE(TDayAggregate::merge(fullBlob, same));
    EXPECT_EQ(2 * fullArticles->total()->amount(),
              same.overall()->node(QStringLiteral("articles"))->total()->amount());

    // through the cache: a folder of its own, the figures of a cold run
    for (int pass = 0; pass < 2; ++pass) {
        TReport cachedReport(QDate(), nullptr, root());
        cachedReport.setDayCache(true);
        TRepWaiters groups(nullptr, root());
        groups.setScope(articles);
        ASSERT_TRUE(cachedReport.runRange(&groups, nullptr, Last, Last));
        EXPECT_EQ(pass, cachedReport.cachedDays());
        EXPECT_EQ(groupsXml(scoped), groupsXml(groups));
    }
    TReport fullCached(QDate(), nullptr, root());
    fullCached.setDayCache(true);
    TRepWaiters again(nullptr, root());
    ASSERT_TRUE(fullCached.runRange(&again, nullptr, Last, Last));
    EXPECT_EQ(0, fullCached.cachedDays());
    EXPECT_EQ(groupsXml(full), groupsXml(again));
    EXPECT_EQ(2, cacheFiles(root()).size());
}

TEST_F(DayAggregateOverDemo, DamagedBlobsChangeNothing)
{
    TReport report(QDate(), nullptr, root());
    TRepWaiters day(nullptr, root());
    ASSERT_TRUE(report.runRange(&day, nullptr, Last, Last));
    const QByteArray blob = TDayAggregate::toBytes(day, "stamp");
    QList<QByteArray> damaged = {QByteArray(), blob.left(10), blob.left(blob.size() / 2),
                                 blob + "x", QByteArray(blob.size(), '\0')};
    QByteArray flipped = blob;
    flipped[flipped.size() / 2] = char(flipped.at(flipped.size() / 2) ^ 0x10);
    damaged << flipped;
    QByteArray version = blob;
    version[4] = char(TDayAggregate::Version + 1);
    damaged << version;
    for (const QByteArray &bytes : damaged) {
        TRepWaiters into(nullptr, root());
        EXPECT_FALSE(TDayAggregate::merge(bytes, into));
        EXPECT_TRUE(into.isEmpty());
    }
    // a payload cut anywhere is refused without reading past its end
    const QByteArray payload = blob.mid(blob.size() - (blob.size() - 24 - 5));
    for (qsizetype cut = 0; cut < payload.size(); cut += 97) {
        TRepWaiters into(nullptr, root());
        EXPECT_FALSE(TDayAggregate::mergePayload(payload.left(cut), into));
    }
}

TEST_F(DayAggregateOverDemo, CachedDaysGiveTheFiguresOfAColdRun)
{
    for (bool centers : {false, true}) {
        for (bool records : {true, false}) {
            SCOPED_TRACE(testing::Message() << "centers " << centers << " records " << records);
            const QString expected = cold(centers, records);
            int fromCache = -1;
            EXPECT_EQ(expected, cached(centers, records, &fromCache));
            EXPECT_EQ(0, fromCache);
            EXPECT_EQ(expected, cached(centers, records, &fromCache));
            EXPECT_EQ(4, fromCache);
        }
    }
    // one folder per set of options, one file per closed day
    EXPECT_EQ(16, cacheFiles(root()).size());
}

TEST_F(DayAggregateOverDemo, RebuiltDaySummaryIsReadAgain)
{
    const QString before = cached(false, true);
    // a bill leaves the closed day: its summary is built anew without it
    const QString dayDir = statistDayDir(Last, root());
    QStringList bills = QDir(dayDir).entryList({QStringLiteral("a*")}, QDir::Files);
    ASSERT_FALSE(bills.isEmpty());
    ASSERT_TRUE(QFile::remove(dayDir + QLatin1Char('/') + bills.first()));
    TArchTable summary(root(), Last);
    ASSERT_TRUE(QFile::remove(summary.filePath()));

    int fromCache = -1;
    const QString after = cached(false, true, &fromCache);
    EXPECT_EQ(3, fromCache);
    EXPECT_NE(before, after);
    EXPECT_EQ(cold(false, true), after);
    // and from then on that day comes from the cache too
    EXPECT_EQ(after, cached(false, true, &fromCache));
    EXPECT_EQ(4, fromCache);
}

TEST_F(DayAggregateOverDemo, DamagedCacheFilesAreReadAgain)
{
    const QString expected = cold(false, false);
    cached(false, false);
    const QStringList files = cacheFiles(root());
    ASSERT_EQ(4, files.size());
    auto rewrite = [](const QString &file, const QByteArray &bytes) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    };
    auto content = [](const QString &file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray whole = content(files.at(0));
    rewrite(files.at(0), whole.left(whole.size() / 3)); // cut
    QByteArray flipped = content(files.at(1));
    flipped[flipped.size() - 3] = char(flipped.at(flipped.size() - 3) ^ 1);
    rewrite(files.at(1), flipped);
    rewrite(files.at(2), "not an aggregate at all");
    QByteArray version = content(files.at(3));
    version[4] = char(version.at(4) + 1);
    rewrite(files.at(3), version);

    int fromCache = -1;
    EXPECT_EQ(expected, cached(false, false, &fromCache));
    EXPECT_EQ(0, fromCache);
    // written anew
    EXPECT_EQ(expected, cached(false, false, &fromCache));
    EXPECT_EQ(4, fromCache);
}

TEST_F(DayAggregateOverDemo, CacheThatCannotBeWrittenIsLeftOut)
{
    // where the cache folder would go there is a file
    QFile blocker(root() + QStringLiteral("/var/reportcache"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    int fromCache = -1;
    EXPECT_EQ(cold(true, false), cached(true, false, &fromCache));
    EXPECT_EQ(cold(true, false), cached(true, false, &fromCache));
    EXPECT_EQ(0, fromCache);
}

TEST_F(DayAggregateOverDemo, CachedDayIsOneStepAndCancelStopsTheRun)
{
    cached(false, false);
    TReport report(QDate(), nullptr, root());
    report.setDayCache(true);
    QList<int> counts;
    QList<int> steps;
    QObject::connect(&report, &TReport::sigDataCount, [&counts](int n) { counts << n; });
    QObject::connect(&report, &TReport::sigProgress, [&steps](int n) { steps << n; });
    TRepWaiters groups(nullptr, root());
    groups.setKeepRecords(false);
    ASSERT_TRUE(report.runRange(&groups, nullptr, First, Last));
    EXPECT_EQ(QList<int>(4, 1), counts);
    EXPECT_EQ(QList<int>(4, 1), steps);

    // stopped at the second day's step: the run ends there
    TReport stopped(QDate(), nullptr, root());
    stopped.setDayCache(true);
    int days = 0;
    QObject::connect(&stopped, &TReport::sigProgress, [&]() {
        if (++days == 2)
            stopped.setStopped();
    });
    TRepWaiters partial(nullptr, root());
    partial.setKeepRecords(false);
    EXPECT_FALSE(stopped.runRange(&partial, nullptr, First, Last));
    EXPECT_EQ(2, days);
    EXPECT_EQ(2, stopped.cachedDays());

    // stopped when the first day is announced: nothing is added
    TReport early(QDate(), nullptr, root());
    early.setDayCache(true);
    QObject::connect(&early, &TReport::sigDate, &early, &TReport::setStopped);
    TRepWaiters none(nullptr, root());
    none.setKeepRecords(false);
    EXPECT_FALSE(early.runRange(&none, nullptr, First, Last));
    EXPECT_EQ(0, early.cachedDays());
    EXPECT_TRUE(none.isEmpty());
}

// The days of a range are looked at ahead on other threads; what changed
// after that look is still found when the day's turn comes.
TEST_F(DayAggregateOverDemo, BillChangedAfterCachingIsReadAnewWhenLookedAtAhead)
{
    const QString before = cached(false, true);
    // a bill of the last day is corrected: it holds another bill now
    const QStringList billsLast = bills(root(), Last);
    const QStringList billsFirst = bills(root(), First);
    ASSERT_FALSE(billsLast.isEmpty());
    ASSERT_FALSE(billsFirst.isEmpty());
    const QString corrected = statistDayDir(Last, root()) + billsLast.first();
    ASSERT_TRUE(QFile::remove(corrected));
    ASSERT_TRUE(QFile::copy(statistDayDir(First, root()) + billsFirst.first(), corrected));
    touchAfterSummary(root(), Last, billsLast.first());

    TReport report(QDate(), nullptr, root());
    report.setDayCache(true);
    QList<QDate> dates;
    QObject::connect(&report, &TReport::sigDate, [&dates](const QDate &d) { dates << d; });
    TRepWaiters groups(nullptr, root());
    ASSERT_TRUE(report.runRange(&groups, nullptr, First, Last));
    EXPECT_EQ(3, report.cachedDays());
    EXPECT_NE(before, groupsXml(groups));
    EXPECT_EQ(cold(false, true), groupsXml(groups));
    // every day announced in order, as without the cache (twice each)
    QList<QDate> expected;
    for (QDate d = First; d <= Last; d = d.addDays(1))
        expected << d << d;
    EXPECT_EQ(expected, dates);
}

// A failure while a day is looked at ahead is met again when the day's
// turn comes, and told as it is told without the cache.
TEST_F(DayAggregateOverDemo, DamagedBillIsToldAsWithoutTheCache)
{
    cached(true, false);
    const QString bill
            = statistDayDir(Last.addDays(-1), root()) + bills(root(), Last.addDays(-1)).first();
    QFile file(bill);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    file.close();
    ASSERT_TRUE(QFile::remove(bill));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(whole.left(whole.size() - 3));
    file.close();
    ASSERT_TRUE(QFile::remove(TArchTable(root(), Last.addDays(-1)).filePath()));

    auto runWith = [&](bool cache, QStringList &notices) {
        TReport report(QDate(), nullptr, root());
        report.setDayCache(cache);
        QObject::connect(&report, &TReport::sigNotice,
                         [&notices](const QString &text) { notices << text; });
        TRepCenters groups(nullptr, root());
        groups.setKeepRecords(false);
        EXPECT_TRUE(report.runRange(nullptr, &groups, First, Last));
        EXPECT_EQ(cache ? 3 : 0, report.cachedDays());
        return groupsXml(groups);
    };
    QStringList plain;
    QStringList through;
    EXPECT_EQ(runWith(false, plain), runWith(true, through));
    ASSERT_EQ(1, plain.size());
    EXPECT_TRUE(plain.first().contains(bill)) << qPrintable(plain.first());
    EXPECT_EQ(plain, through);
}

// Days not cached are read from their summaries ahead too, into groups of
// their own per side; the report adds them in date order, counts their
// tables and keeps them.
TEST_F(DayAggregateOverDemo, DaysReadAheadAddUpAsOneRun)
{
    auto both = [this](bool cache) {
        auto report = std::make_unique<TReport>(QDate(), nullptr, root());
        report->setDayCache(cache);
        TRepWaiters waiters(nullptr, root());
        TRepCenters centers(nullptr, root());
        EXPECT_TRUE(report->runRange(&waiters, &centers, First, Last));
        const QStringList xml
                = {groupsXml(waiters), groupsXml(centers), QString::number(report->tableCount()),
                   QString::number(report->entryCount()), QString::number(report->cachedDays())};
        return xml;
    };
    QStringList plain = both(false);
    plain.removeLast();
    // the waiters' side is cached, the cost centers' not: both are read ahead
    cached(false, true);
    QStringList first = both(true);
    EXPECT_EQ(QStringLiteral("0"), first.takeLast());
    EXPECT_EQ(plain, first);
    QStringList warm = both(true);
    EXPECT_EQ(QStringLiteral("4"), warm.takeLast());
    // a cached day counts no tables
    EXPECT_EQ(plain.mid(0, 2), warm.mid(0, 2));
    // the cost centers' days kept beside the waiters'
    EXPECT_EQ(8, cacheFiles(root()).size());
}

TEST_F(DayAggregateOverDemo, ReaderGivesWhatTheDayShowsInOrder)
{
    cached(false, false);
    const QStringList files = cacheFiles(root());
    ASSERT_EQ(4, files.size());
    QFile first(files.first());
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QByteArray stamp = TDayAggregate::stampOf(first.readAll());
    // the engine's line comes first
    const QByteArray engine = stamp.left(stamp.indexOf('\n') + 1);
    ASSERT_FALSE(engine.isEmpty());

    // the four closed days, then today, not closed
    auto filesOf = [&](const QDate &d, const QString &cached) {
        TCachedDayFiles f;
        const QString dayDir = statistDayDir(d, root());
        f.closedMarks << QFile::encodeName(dayDir + QStringLiteral("turnover.z"));
        f.dayDirs << QFile::encodeName(dayDir);
        f.summaries << QFile::encodeName(TArchTable(root(), d).filePath());
        f.cacheFiles[0] = QFile::encodeName(cached);
        return f;
    };
    std::vector<TCachedDayFiles> days;
    for (int i = 0; i < 4; ++i)
        days.push_back(filesOf(First.addDays(i), files.at(i)));
    days.push_back(filesOf(Today, files.at(0)));
    touchAfterSummary(root(), Last.addDays(-1), bills(root(), Last.addDays(-1)).first());

    TDayCacheReader reader(days, engine, 3, 1);
    // without threads each day is looked at when taken
    TDayCacheReader inlined(days, engine, 0, 1);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const TCachedDayState ahead = reader.take(i);
        const TCachedDayState taken = inlined.take(i);
        EXPECT_EQ(taken.stamp, ahead.stamp);
        EXPECT_EQ(taken.blobs[0], ahead.blobs[0]);
        const TCachedDayState here = TDayCacheReader::check(days.at(size_t(i)), engine);
        EXPECT_TRUE(ahead.checked);
        EXPECT_EQ(here.closed, ahead.closed);
        EXPECT_EQ(here.fresh, ahead.fresh);
        EXPECT_EQ(here.stamp, ahead.stamp);
        EXPECT_EQ(here.blobs[0], ahead.blobs[0]);
        EXPECT_TRUE(ahead.blobs[1].isEmpty());
        EXPECT_EQ(i < 4, ahead.closed);
        // the day whose bill is newer than its summary is not fresh
        EXPECT_EQ(i < 4 && i != 2, ahead.fresh);
        EXPECT_EQ(ahead.fresh, !ahead.blobs[0].isEmpty());
        EXPECT_EQ(ahead.fresh, ahead.stamp.startsWith(engine));
    }
    EXPECT_FALSE(reader.take(5).checked);
    // nothing there changed: looking did not delete or rebuild the summary
    EXPECT_TRUE(QFileInfo::exists(TArchTable(root(), Last.addDays(-1)).filePath()));

    // a reader dropped before its days are taken ends its workers
    for (int taken = 0; taken < 3; ++taken) {
        TDayCacheReader dropped(days, engine, 2, 1);
        for (int i = 0; i < taken; ++i)
            dropped.take(i);
    }
}

TEST(DayCacheFolders, TheLeastRecentlyUsedGoFirstAndTheOneInUseStays)
{
    TestDir dir;
    // folders a (used longest ago) to e (used last)
    const QString root = dir.path() + QStringLiteral("cache/");
    const QStringList names = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                               QStringLiteral("d"), QStringLiteral("e")};
    for (int i = 0; i < names.size(); ++i) {
        ASSERT_TRUE(QDir().mkpath(root + names.at(i)));
        dir.write(QStringLiteral("cache/%1/2026-12-01.agg").arg(names.at(i)), "blob");
        const timeval times[2] = {{1700000000 + i * 60, 0}, {1700000000 + i * 60, 0}};
        ASSERT_EQ(0, ::utimes(QFile::encodeName(root + names.at(i)).constData(), times));
    }
    const auto left = [&] { return QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot); };

    // the oldest is in use: it stays, with the newest beside it
    pruneDayCaches(root, root + QStringLiteral("a"), 3);
    EXPECT_EQ(QStringList({QStringLiteral("a"), QStringLiteral("d"), QStringLiteral("e")}), left());
    // a folder about to be made counts as kept
    pruneDayCaches(root, root + QStringLiteral("new"), 2);
    EXPECT_EQ(QStringList({QStringLiteral("e")}), left());
    // enough room: nothing goes
    pruneDayCaches(root, root + QStringLiteral("e"), 12);
    EXPECT_EQ(QStringList({QStringLiteral("e")}), left());
}

// Groups filled for a report per waiter hold each waiter's figures as full
// groups do, without the overall group (waiter 0's entries, which share its
// key, with it); scopes of the two kinds of report read together fill both,
// and a side nothing reads adds nothing to either.
TEST_F(DayAggregateOverDemo, GroupsOfAReportPerWaiterLeaveTheOverallGroupOut)
{
    const QStringList nodes = {QStringLiteral("articles"), QStringLiteral("vatrates")};
    const TRepScope perWaiter(nodes, TRepScope::GroupsOnly);
    TReport report(QDate(), nullptr, root());
    TRepWaiters full(nullptr, root());
    ASSERT_TRUE(report.runRange(&full, nullptr, First, Last));
    TRepWaiters scoped(nullptr, root());
    scoped.setScope(perWaiter);
    ASSERT_TRUE(report.runRange(&scoped, nullptr, First, Last));

    EXPECT_EQ(nullptr, scoped.overall());
    EXPECT_EQ(full.highest(), scoped.highest());
    int compared = 0;
    for (int number = 1; number <= full.highest(); ++number) {
        const TRepData *a = full.group(QString::number(number));
        const TRepData *b = scoped.group(QString::number(number));
        ASSERT_EQ(a != nullptr, b != nullptr) << number;
        if (!a)
            continue;
        for (const QString &node : nodes) {
            const TReportNode *x = a->node(node);
            const TReportNode *y = b->node(node);
            ASSERT_EQ(x->leaves().keys(), y->leaves().keys()) << number;
            EXPECT_EQ(x->total()->amount(), y->total()->amount()) << number;
            for (auto it = x->leaves().cbegin(); it != x->leaves().cend(); ++it)
                EXPECT_EQ(it.value()->fields(), y->leaf(it.key())->fields()) << number;
        }
        EXPECT_EQ(0, b->node(QStringLiteral("hours"))->count());
        ++compared;
    }
    EXPECT_GE(compared, 2);

    const TRepScope overAll(nodes, TRepScope::OverallOnly);
    const TRepScope nothing(QStringList(), TRepScope::NoGroups);
    EXPECT_TRUE(perWaiter.united(overAll).key().endsWith(QStringLiteral("vatrates")));
    EXPECT_FALSE(perWaiter.united(overAll).groupsOnly());
    EXPECT_FALSE(perWaiter.united(overAll).overallOnly());
    EXPECT_TRUE(nothing.united(perWaiter).groupsOnly());
    EXPECT_TRUE(overAll.united(nothing).overallOnly());
    EXPECT_NE(perWaiter.key(), overAll.key());
    EXPECT_NE(nothing.key(), overAll.key());
    EXPECT_TRUE(nothing.overallOnly());
    EXPECT_FALSE(nothing.walks(QStringLiteral("articles")));
}

namespace {

// The steps of every save while it lives.
struct SaveSteps
{
    QList<Basics::TSaveStep> seen;
    SaveSteps()
    {
        Basics::setSaveFaultHook([this](Basics::TSaveStep step, const QString &) {
            seen.append(step);
            return 0;
        });
    }
    ~SaveSteps() { Basics::setSaveFaultHook({}); }
    int count(Basics::TSaveStep step) const { return int(seen.count(step)); }
};

} // namespace

// A run's cached days: each file synced before its rename, the folder made
// once and synced by finish(), not per file; a folder that cannot be made
// ends the writing, and nothing half-written stays.
TEST(DayCacheWriter, FilesAreSyncedOneByOneAndTheirFolderOnce)
{
    TestDir dir;
    const QString days = dir.file(QStringLiteral("cache/a"));
    SaveSteps steps;
    TDayCacheWriter writer;
    for (const char *day : {"1", "2", "3"})
        EXPECT_TRUE(writer.save(days, days + QLatin1Char('/') + QLatin1String(day), day));
    // written on the writer's thread: all of them once finish() is back
    EXPECT_TRUE(writer.finish());
    EXPECT_EQ(3, steps.count(Basics::TSaveStep::Sync));
    EXPECT_EQ(3, steps.count(Basics::TSaveStep::Rename));
    EXPECT_EQ(0, steps.count(Basics::TSaveStep::SyncDir));
    EXPECT_FALSE(writer.failed());
    EXPECT_EQ(QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}),
              QDir(days).entryList(QDir::Files, QDir::Name));
    QFile two(days + QStringLiteral("/2"));
    ASSERT_TRUE(two.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray("2"), two.readAll());

    // where a folder would go there is a file
    QFile blocker(dir.file(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString blocked = dir.file(QStringLiteral("blocked/b"));
    EXPECT_FALSE(writer.save(blocked, blocked + QStringLiteral("/1"), "x"));
    EXPECT_TRUE(writer.failed());
    EXPECT_TRUE(writer.failure().contains(blocked));
    // nothing more is written in this run
    EXPECT_FALSE(writer.save(days, days + QStringLiteral("/4"), "4"));
    EXPECT_EQ(3, int(QDir(days).entryList(QDir::Files).size()));
}

// The days come from the threads that build them and are written on the
// writer's own: all of them by finish(). A file that cannot be written
// there ends the writing as one whose folder cannot be made: the days
// queued behind it are dropped, later saves are refused, and the target
// of the failed file is not made.
TEST(DayCacheWriter, DaysFromSeveralThreadsAreWrittenAndAFailureEndsTheRun)
{
    TestDir dir;
    const QString days = dir.file(QStringLiteral("cache/b"));
    {
        TDayCacheWriter writer;
        std::vector<std::thread> builders;
        for (int t = 0; t < 3; ++t) {
            builders.emplace_back([&writer, &days, t] {
                for (int d = 0; d < 20; ++d) {
                    const QByteArray name = QByteArray::number(t * 100 + d);
                    writer.save(days, days + QLatin1Char('/') + QLatin1String(name), name);
                }
            });
        }
        for (std::thread &builder : builders)
            builder.join();
        EXPECT_TRUE(writer.finish());
        EXPECT_FALSE(writer.failed());
    }
    const QStringList written = QDir(days).entryList(QDir::Files);
    ASSERT_EQ(60, int(written.size()));
    for (const QString &name : written) {
        QFile file(days + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(name.toLatin1(), file.readAll());
    }

    // the disk is full from the third write on
    int writes = 0;
    Basics::setSaveFaultHook([&writes](Basics::TSaveStep step, const QString &) {
        return step == Basics::TSaveStep::Write && ++writes >= 3 ? ENOSPC : 0;
    });
    const QString full = dir.file(QStringLiteral("cache/c"));
    TDayCacheWriter writer;
    for (int d = 0; d < 5; ++d)
        writer.save(full, full + QStringLiteral("/%1").arg(d), "new");
    writer.finish();
    Basics::setSaveFaultHook({});
    EXPECT_TRUE(writer.failed());
    EXPECT_TRUE(writer.failure().contains(full + QStringLiteral("/2")))
            << qPrintable(writer.failure());
    EXPECT_FALSE(writer.save(full, full + QStringLiteral("/9"), "new"));
    EXPECT_TRUE(writer.finish());
    QFile first(full + QStringLiteral("/1"));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray("new"), first.readAll());
    for (const char *name : {"2", "3", "4", "9"})
        EXPECT_FALSE(QFileInfo::exists(full + QLatin1Char('/') + QLatin1String(name))) << name;
    // nothing half-written stays beside them
    EXPECT_EQ(2, int(QDir(full).entryList(QDir::Files | QDir::Hidden).size()));
}
