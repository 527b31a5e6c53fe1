#include "spoolthresholds.h"
#include "tdemoinstallation.h"
#include "testdir.h"
#include "tfiscalfiles.h"
#include "treportrun.h"
#include "treptables.h"
#include "tsumbatch.h"
#include "tsummarydatasink.h"
#include "tsummaryexport.h"
#include "tworkspacelists.h"

#include <QBuffer>
#include <QDir>
#include <QJsonDocument>
#include <QLocale>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QDate Today(2026, 12, 5);

class BatchRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English));
        TDemoOptions o;
        o.days = 2;
        o.tables = 8;
        o.today = Today;
        TDemoInstallation(o).write(dir.path());
        // batches of this test next to the demo's own
        TSumBatches batches;
        ASSERT_EQ(0, batches.load(dir.path().toLocal8Bit().constData()));
        auto add = [&](int id, const char *reports, bool fiscal) {
            auto *b = new TSumBatch;
            b->setId(id);
            b->setName(QStringLiteral("Batch %1").arg(id));
            b->setString(QStringLiteral("reports"), QString::fromLatin1(reports));
            b->setFiscal(fiscal);
            batches.insert(b);
        };
        add(7, "7;10;4", false);
        add(8, "7;;10", false);
        add(9, "7", true);
        add(10, "1", false); // no section the writer knows
        batches.save(dir.path().toLocal8Bit().constData());
    }

    TReportResult run(int kind, const QDate &from = QDate(), const QDate &to = QDate(),
                      TSummaryDataSink *sink = nullptr)
    {
        TWorkspaceLists lists(dir.path());
        TReportRun runner(&lists, dir.path());
        TReportRequest request;
        request.kind = kind;
        request.from = from;
        request.to = to.isValid() ? to : from;
        request.now = QDateTime(Today, QTime(22, 0));
        request.withData = sink || withData;
        request.dataSink = sink;
        request.lineSink = lineSink;
        request.period = period;
        return runner.run(request);
    }

    QStringList storedSummaries() const
    {
        return QDir(dir.path() + QStringLiteral("var/reports")).entryList(QDir::Files);
    }

    static int indexOf(const QStringList &lines, const QString &line)
    {
        return int(lines.indexOf(line));
    }

    TestDir dir;
    bool withData = false;
    int period = 0; // days per period
    std::function<void(const QString &line)> lineSink;
};

} // namespace

TEST_F(BatchRun, SectionsFollowTheBatchOrder)
{
    const TReportResult r = run(107);
    ASSERT_EQ(TReportResult::Done, r.status);
    const QStringList lines = r.displayLines();
    EXPECT_EQ(QStringLiteral("Batch 7"), lines.first());
    const int articles = indexOf(lines, QStringLiteral("Article report of all waiters"));
    const int families = indexOf(lines, QStringLiteral("Family report of all waiters"));
    const int waiters = indexOf(lines, QStringLiteral("Amount of all waiters"));
    ASSERT_GT(articles, 0);
    EXPECT_LT(articles, families);
    EXPECT_LT(families, waiters);
    EXPECT_EQ(QString(), lines.at(articles - 1)); // each section starts with an empty line
    EXPECT_EQ(3, lines.filter(QRegularExpression(QStringLiteral("^#+$"))).size());
    EXPECT_TRUE(lines.contains(QStringLiteral("Batch report")));

    const QStringList two = run(108).lines;
    EXPECT_EQ(2, two.filter(QRegularExpression(QStringLiteral("^#+$"))).size());
}

TEST_F(BatchRun, UnknownBatchIsReported)
{
    const TReportResult r = run(150);
    EXPECT_EQ(TReportResult::BatchNotFound, r.status);
    EXPECT_EQ(QStringList(QStringLiteral("Batch not found")), r.displayLines());
}

TEST_F(BatchRun, FiscalBatchWritesItsFileOnceAndShowsItAfterwards)
{
    const QDate day = Today.addDays(-1);
    const TReportResult first = run(109, day);
    ASSERT_EQ(TReportResult::Done, first.status);
    const QString file = fiscalFileName(day, 9, dir.path());
    ASSERT_TRUE(QFileInfo::exists(file));
    EXPECT_TRUE(file.endsWith(QStringLiteral("var/reports/20261204.9.fiscal")));
    EXPECT_TRUE(hasFiscalFiles(day, dir.path()));
    EXPECT_FALSE(hasFiscalFiles(Today, dir.path()));

    // whatever happens to the data afterwards, the fiscal summary stays
    QFile stored(file);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.lines.join(QLatin1Char('\n')).toUtf8(), stored.readAll());
    stored.close();
    QDir(dir.path() + QStringLiteral("var/summary")).removeRecursively();
    QDir(dir.path() + QStringLiteral("var/statist")).removeRecursively();
    EXPECT_EQ(first.lines, run(109, day).lines);
}

TEST_F(BatchRun, OnlyAFiscalRunOverOneClosedDayStoresItsSummary)
{
    const QDate closed = Today.addDays(-1);
    EXPECT_EQ(TReportResult::Done, run(109).status);
    EXPECT_EQ(TReportResult::Done, run(109, closed.addDays(-1), closed).status);
    // a day without a closing is no fiscal day yet
    EXPECT_EQ(TReportResult::Done, run(109, Today).status);
    EXPECT_TRUE(storedSummaries().isEmpty()) << storedSummaries().join(' ').toStdString();
    EXPECT_FALSE(hasFiscalFiles(Today, dir.path()));

    const TReportResult fiscal = run(109, closed);
    EXPECT_TRUE(fiscal.lines.filter(QStringLiteral("Fiscal Summary ")).size() == 1);
    EXPECT_EQ(QStringList(QStringLiteral("20261204.9.fiscal")), storedSummaries());
}

TEST_F(BatchRun, ABatchWithoutSectionsStillPrintsItsHeader)
{
    const TReportResult r = run(110, Today.addDays(-1));
    ASSERT_EQ(TReportResult::Done, r.status);
    EXPECT_EQ(QStringLiteral("Batch 10"), r.displayLines().value(0));
    EXPECT_TRUE(r.lines.contains(QStringLiteral("Batch report")));
    EXPECT_TRUE(r.lines.filter(QStringLiteral("Printed ")).size() == 1);
}

// JSON and CSV handed out while a report is made are the bytes and rows of
// the document the report keeps otherwise, for every summary and batch,
// over the current day and over the closed days, by day and as one range:
// the streamed items of the pays come from their rows, the kept ones from
// their leaves.
TEST_F(BatchRun, StreamedDataAreTheDocumentsBytes)
{
    withData = true;
    QList<int> kinds;
    for (int kind = 3; kind <= 42; ++kind)
        kinds << kind;
    kinds << 107 << 108 << 109;
    int compared = 0;
    int periods = 0; // the most of one document
    for (int kind : kinds) {
        // the current day, the closed days as one range and day by day
        for (const auto &[from, days] : {std::pair(QDate(), 0), std::pair(Today.addDays(-2), 0),
                                         std::pair(Today.addDays(-2), 1)}) {
            const QDate to = from.isValid() ? Today.addDays(-1) : QDate();
            period = days;
            SCOPED_TRACE(testing::Message()
                         << "kind " << kind << " from " << from.toString(Qt::ISODate).toStdString()
                         << " period " << days);
            const TReportResult kept = run(kind, from, to);
            if (kept.status != TReportResult::Done)
                continue;
            const QByteArray json = QJsonDocument(kept.data).toJson(QJsonDocument::Compact);

            QBuffer spool;
            spool.open(QIODevice::ReadWrite);
            TSummaryJsonWriter writer(&spool);
            const TReportResult streamed = run(kind, from, to, &writer);
            ASSERT_EQ(TReportResult::Done, streamed.status);
            EXPECT_EQ(kept.lines, streamed.lines);
            EXPECT_FALSE(streamed.data.contains(QStringLiteral("sections")));
            const TJsonFrame frame = jsonFrame(streamed.data, QStringLiteral("sections"));
            EXPECT_EQ(json, frame.open + spool.data() + frame.close);

            QList<QStringList> rows {TSummaryCsvRows::header()};
            TSummaryCsvRows csv([&rows](const QStringList &row) { rows << row; });
            run(kind, from, to, &csv);
            EXPECT_EQ(TSummaryExport::csvRows(kept.data), rows);
            compared += json.contains("\"items\":[{") ? 1 : 0;
            periods = std::max(periods, int(json.count("\"groups\":[")));
        }
    }
    // most of them list items
    EXPECT_GE(compared, 60);
    EXPECT_GE(periods, 2);
}

// Lines handed out while a report is made are the lines the report keeps
// otherwise, for every summary and batch, over the current day and the
// closed days, as one range and in periods; a fiscal batch keeps its lines.
TEST_F(BatchRun, StreamedLinesAreTheKeptLines)
{
    QList<int> kinds;
    for (int kind = 3; kind <= 42; ++kind)
        kinds << kind;
    kinds << 107 << 108 << 110;
    int streamed = 0;
    for (int kind : kinds) {
        for (const auto &[from, days] : {std::pair(QDate(), 0), std::pair(Today.addDays(-2), 0),
                                         std::pair(Today.addDays(-2), 1)}) {
            const QDate to = from.isValid() ? Today.addDays(-1) : QDate();
            period = days;
            SCOPED_TRACE(testing::Message()
                         << "kind " << kind << " from " << from.toString(Qt::ISODate).toStdString()
                         << " period " << days);
            lineSink = nullptr;
            const TReportResult kept = run(kind, from, to);
            QStringList lines;
            lineSink = [&lines](const QString &line) { lines << line; };
            const TReportResult handed = run(kind, from, to);
            ASSERT_EQ(kept.status, handed.status);
            if (kept.status != TReportResult::Done)
                continue;
            EXPECT_TRUE(handed.lines.isEmpty());
            EXPECT_EQ(kept.batchName, handed.batchName);
            EXPECT_EQ(kept.lines, lines);
            streamed += lines.size() > 10 ? 1 : 0;
        }
    }
    EXPECT_GE(streamed, 100);

    // the lines of a fiscal batch over a closed day are those it stores
    QStringList lines;
    lineSink = [&lines](const QString &line) { lines << line; };
    const TReportResult fiscal = run(109, Today.addDays(-1));
    ASSERT_EQ(TReportResult::Done, fiscal.status);
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_TRUE(fiscal.lines.filter(QStringLiteral("Fiscal Summary ")).size() == 1);
}

// A report whose tables, voids, hotel room pays and pays in currencies went
// to a temporary file every few rows or leaves prints and hands out the
// same as one that held them: the table, void entry and hotel room reports,
// per waiter and per cost center, the waiter and cost center reports, and a
// batch with some of them, over the closed days as one range and day by
// day, and over the current day.
TEST_F(BatchRun, SpooledRecordsReportAsHeldRecords)
{
    withData = true;
    const SpoolThresholds spool;
    int compared = 0;
    for (int kind : {3, 5, 6, 16, 17, 18, 38, 39, 40, 41, 42, 102}) {
        for (const auto &[from, days] : {std::pair(QDate(), 0), std::pair(Today.addDays(-2), 0),
                                         std::pair(Today.addDays(-2), 1)}) {
            const QDate to = from.isValid() ? Today.addDays(-1) : QDate();
            period = days;
            SCOPED_TRACE(testing::Message()
                         << "kind " << kind << " from " << from.toString(Qt::ISODate).toStdString()
                         << " period " << days);
            spool.all(0);
            const TReportResult held = run(kind, from, to);
            spool.all(2);
            const TReportResult spooled = run(kind, from, to);
            QStringList lines;
            lineSink = [&lines](const QString &line) { lines << line; };
            run(kind, from, to);
            lineSink = nullptr;
            spool.restore();
            ASSERT_EQ(TReportResult::Done, held.status);
            EXPECT_EQ(held.lines, spooled.lines);
            EXPECT_EQ(held.data, spooled.data);
            EXPECT_EQ(held.lines, lines);
            compared += held.lines.size() > 20 ? 1 : 0;
        }
    }
    EXPECT_GE(compared, 22);
}
