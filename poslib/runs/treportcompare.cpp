// TReportRun's comparisons: the report and the same report over the
// compared days, joined.

#include "tcomparisoncapture.h"
#include "tcomparisondata.h"
#include "tcomparisontext.h"
#include "tcurrencies.h"
#include "terror.h"
#include "tinstallation.h"
#include "treportkinds.h"
#include "treportrun.h"
#include "tsumbatch.h"
#include "tsummary.h"
#include "tsummarydatasink.h"
#include "tworkspacelists.h"

#include <QCoreApplication>

#include <cerrno>

using namespace Basics;

namespace PosLib {

namespace {

// The batch report's title, translated as the summary translates it.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TPaidTablesDoc)
};

// Sets a flag for as long as it lives.
class TFlagGuard
{
public:
    explicit TFlagGuard(bool &flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~TFlagGuard() { m_flag = false; }
    TFlagGuard(const TFlagGuard &) = delete;
    TFlagGuard &operator=(const TFlagGuard &) = delete;

private:
    bool &m_flag;
};

} // namespace

TReportResult TReportRun::runComparison(const TReportRequest &request)
{
    // both runs and the header read the same clock
    const QDateTime clock = request.now.isValid() ? request.now : QDateTime::currentDateTime();
    TReportRequest report = request;
    report.compare = TCompareWith();
    report.withData = true;
    report.dataSink = nullptr;
    // the text is made from both documents: the runs' own lines (a line per
    // table in the table report) are not kept
    report.lineSink = [](const QString &) {};
    // the text reads only some nodes (a month's full summary holds tens of
    // thousands of foreign-currency records it does not show); data asked
    // for besides the charts (JSON, CSV, a workbook) takes every node
    if (request.withData && request.dataNodes.isEmpty()) {
        report.dataNodes.clear();
    } else {
        report.dataNodes = TComparisonText::nodesRead();
        // of a list of records the text shows how many there are and their
        // sum, not each one (a month's table report lists some 12,000)
        report.countedNodes = TComparisonText::nodesCounted();
        if (request.withData) {
            report.dataNodes += request.dataNodes;
            report.countedNodes.removeIf(
                    [&](const QString &node) { return request.dataNodes.contains(node); });
        }
    }
    report.now = clock;

    const bool currentDay = !request.from.isValid();
    const QDate business = businessDay(m_root, clock);
    const TDayRange reportDays
            = currentDay
                      ? TDayRange {business, business}
                      : TDayRange {request.from, request.to.isValid() ? request.to : request.from};
    TComparedDays days;
    days.with = request.compare;
    days.range = comparedRange(request.compare, reportDays);
    // the day so far against the same hours of the compared day
    if (currentDay)
        days.until = clock.time();
    TReportRequest compared = report;
    compared.from = days.range.from;
    compared.to = days.range.to;
    compared.until = days.until;

    const TFlagGuard comparing(m_comparing);
    // The data go to a sink: each run's records wait in a temporary file
    // (without one the documents are held whole, as for the lines).
    TComparisonRecords records;
    const bool captured = request.dataSink && records.isOpen();
    TComparisonCapture nowCapture(records);
    TComparisonCapture thenCapture(records);
    if (captured) {
        report.dataSink = &nowCapture;
        compared.dataSink = &thenCapture;
    }
    TReportResult now = run(report);
    if (now.status == TReportResult::Cancelled || now.status == TReportResult::NotAvailable
        || now.status == TReportResult::BatchNotFound)
        return now;
    TReportResult then = run(compared);
    if (then.status == TReportResult::Cancelled)
        return then;
    if (captured) {
        // the data of a run without any are none, captured or not
        now.data
                = now.status == TReportResult::Done ? nowCapture.document(now.data) : QJsonObject();
        then.data = then.status == TReportResult::Done ? thenCapture.document(then.data)
                                                       : QJsonObject();
    }

    TReportResult result {TReportResult::Done, {}, now.batchName, {}};
    result.data = comparisonDocument(now.data, then.data, days);
    if (!request.dataSink) {
        result.lines = comparisonLines(report, result.data);
        return result;
    }
    const bool handed
            = captured ? records.ok() && replayComparison(result.data, records, *request.dataSink)
                       : (replaySections(result.data, *request.dataSink), true);
    if (!handed)
        throw TFileError(T_SOURCE, 305, 308, records.osError(), records.fileName());
    result.data.remove(QStringLiteral("sections"));
    return result;
}

QStringList TReportRun::comparisonLines(const TReportRequest &request, const QJsonObject &document)
{
    const TReportKind *kind = reportKind(request.kind);
    const bool batch = !isSummaryKind(request.kind);
    int filter = request.filter;
    if (batch) {
        auto *batches = static_cast<TSumBatches *>(m_lists->get(QStringLiteral("sumbatches")));
        const TSumBatch *record
                = batches ? batches->batch(request.kind - BatchKindOffset) : nullptr;
        filter = record ? record->filter() : 0;
    }
    TValueList *waiters = m_lists->get(QStringLiteral("waiters"));
    TValue *reportWaiter
            = request.reportWaiter != 0 && waiters ? waiters->find(request.reportWaiter) : nullptr;
    // the header of the report's own run: its range, filter and outlet
    TReport report(QDate(), reportWaiter, m_root);
    configure(report, request, filter);
    auto *currencies = static_cast<TCurrencies *>(m_lists->get(QStringLiteral("currencies")));
    TSummary summary(&report, currencies, waiters, m_root);
    if (request.from.isValid())
        summary.setRange(request.from, request.to);
    summary.setNow(request.now);
    QString title = request.title;
    if (batch)
        title = summary.caption(QStringLiteral("batch"), Text::tr("Batch report"));
    else if (title.isEmpty())
        title = reportTitle(*kind);
    return TComparisonText(summary).lines(title, document, batch);
}

} // namespace PosLib
