#include "treportrun.h"

#include "tbookedby.h"
#include "tcurrencies.h"
#include "tfiscalfiles.h"
#include "tinstallation.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "toutlets.h"
#include "trepdata.h"
#include "treport.h"
#include "treportkinds.h"
#include "tsavefile.h"
#include "tsumbatch.h"
#include "tsumfilters.h"
#include "tsummary.h"
#include "tsummaryexport.h"
#include "tsummarylines.h"
#include "tworkspacelists.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

using namespace Basics;

namespace PosLib {

namespace {

// The texts of this file, translated in the context "TPaidTablesDoc".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TPaidTablesDoc)
};

TSummaryExport::Grouping groupingOf(const TReportKind &kind)
{
    if (kind.overAll)
        return TSummaryExport::AllGroups;
    return kind.side == TReportKind::CenterSide ? TSummaryExport::PerCenter
                                                : TSummaryExport::PerWaiter;
}

} // namespace

bool isClosedDay(const QDate &day, const QString &root)
{
    return day.isValid()
           && QFileInfo::exists(statistDayDir(day, root) + QStringLiteral("turnover.z"));
}

bool isFiscalRun(const TSumBatch &batch, const QDate &from, const QDate &to, const QString &root)
{
    if (!batch.fiscal() || !from.isValid() || (to.isValid() && to != from))
        return false;
    // a summary stored once stays what that day shows
    return isClosedDay(from, root) || QFileInfo::exists(fiscalFileName(from, batch.id(), root));
}

QStringList TReportResult::displayLines() const
{
    switch (status) {
    case Cancelled:
        return {Text::tr("Cancelled")};
    case NoData:
        return {Text::tr("No data available")};
    case BatchNotFound:
        return {Text::tr("Batch not found")};
    case NotAvailable:
        return {};
    case Done:
        break;
    }
    if (batchName.isNull())
        return lines;
    return QStringList(batchName) + lines;
}

TReportRun::TReportRun(TWorkspaceLists *lists, const QString &root, QObject *parent)
    : QObject(parent)
    , m_lists(lists)
    , m_root(root)
{ }

TReportRun::~TReportRun() = default;

void TReportRun::setStopped()
{
    m_stopped = true;
}

QMap<int, QString> TReportRun::titles()
{
    QMap<int, QString> map;
    for (const TReportKind &kind : reportKinds())
        map.insert(kind.id, reportTitle(kind));
    return map;
}

void TReportRun::stopOnRequest(TReport &report)
{
    // the stop request reaches the generator between two tables and
    // between two days
    const auto check = [this, &report]() {
        if (m_stopped)
            report.setStopped();
    };
    connect(this, &TReportRun::sigProgress, &report, check);
    connect(this, &TReportRun::sigDate, &report, check);
}

void TReportRun::configure(TReport &report, const TReportRequest &request, int filter)
{
    const TSumFilter *chosen = nullptr;
    if (filter != 0) {
        if (auto *filters = static_cast<TSumFilters *>(m_lists->get(QStringLiteral("sumfilters"))))
            chosen = filters->filter(filter);
    }
    report.setFilter(chosen);
    report.setDayCache(request.dayCache);
    report.setReadOnly(request.readOnly);
    if (request.until.isValid()) {
        // the tables paid by then, unless the open ones count too
        m_bookedBy = std::make_unique<TSumFilter>(bookedByFilter(
                chosen, dayOffset(QDir(m_root).filePath(QStringLiteral("etc/globals.ini"))),
                request.until, !request.withOpenTables));
        report.setFilter(m_bookedBy.get());
        // a cut of its own each time: no cache folder for it
        report.setDayCache(false);
    }
    report.setDaySource(request.daySource);
    report.setWithOpenTables(request.withOpenTables);
    report.setWithoutCredits(request.withoutCredits);
    report.setTurnoverType(request.turnoverType);
    report.setTraineeType(request.traineeType);

    TValueList *outlets = m_lists->get(QStringLiteral("outlets"));
    TValueList *sumOutlets = m_lists->get(QStringLiteral("sumoutlets"));
    if (request.outlet != 0 && outlets && sumOutlets) {
        if (TValue *outlet = sumOutlets->find(request.outlet)) {
            report.setOutletName(outlet->name());
            report.setOutletPaths(OutletsLib::TOutlets::paths(sumOutlets, outlets, outlet));
        }
    }
    connect(&report, &TReport::sigDataCount, this, &TReportRun::sigDataCount);
    connect(&report, &TReport::sigProgress, this, &TReportRun::sigProgress);
    connect(&report, &TReport::sigDate, this, &TReportRun::sigDate);
    connect(&report, &TReport::sigNotice, this, &TReportRun::sigNotice);
    connect(&report, &TReport::sigDataCount, &m_progress, &TRunProgress::setSteps);
    connect(&report, &TReport::sigProgress, &m_progress, &TRunProgress::setStep);
    connect(&report, &TReport::sigDate, &m_progress, &TRunProgress::setDate);
}

TReportResult TReportRun::run(const TReportRequest &request)
{
    m_stopped = false;
    m_progress.start(request.from, request.to);
    if (request.compare.isSet() && (isSummaryKind(request.kind) || request.kind < PluginKindOffset))
        return runComparison(request);
    if (isSummaryKind(request.kind))
        return runSummary(request);
    if (request.kind == 1 || request.kind > PluginKindOffset)
        return {TReportResult::NotAvailable, {}, QString(), {}};
    // anything else, the journal entry among them, is a batch
    return runBatch(request, request.kind - BatchKindOffset);
}

TReportResult TReportRun::runSummary(const TReportRequest &request)
{
    const TReportKind *kind = reportKind(request.kind);
    TValueList *waiters = m_lists->get(QStringLiteral("waiters"));
    TValue *reportWaiter
            = request.reportWaiter != 0 && waiters ? waiters->find(request.reportWaiter) : nullptr;

    TReport report(QDate(), reportWaiter, m_root);
    configure(report, request, request.filter);
    auto *currencies = static_cast<TCurrencies *>(m_lists->get(QStringLiteral("currencies")));
    TSummary summary(&report, currencies, waiters, m_root);
    if (request.from.isValid())
        summary.setRange(request.from, request.to);
    summary.setPeriod(request.period);
    summary.setNow(request.now);

    stopOnRequest(report);
    const QString title = request.title.isEmpty() ? reportTitle(*kind) : request.title;
    TSummaryExport exporter(summary);
    exporter.setOnlyNodes(request.dataNodes);
    exporter.setCountedNodes(request.countedNodes);
    exporter.setSink(request.dataSink);
    if (request.withData) {
        exporter.beginSection(kind->id, title, kind->code, groupingOf(*kind));
        summary.setGroupsSink(
                [&exporter](const QDate &from, const QDate &to, const TRepDatas &groups) {
                    exporter.addPeriod(from, to, groups);
                },
                exporter.readsRecords(kind->code), exporter.readsCashRecords(kind->code), true);
        // days from elsewhere (the chain's stored groups) come with the
        // records of every node, as they were stored
        if (!request.daySource)
            summary.setSinkRecordNodes(exporter.recordNodes(kind->code));
    }
    summary.setLineSink(request.lineSink);
    const QStringList lines = kind->side == TReportKind::CenterSide
                                      ? summary.centerReport(kind->code, title)
                                      : summary.waiterReport(kind->code, title, kind->overAll);
    if (report.isStopped())
        return {TReportResult::Cancelled, {}, QString(), {}};
    if (lines.isEmpty() && summary.sunkLines() == 0)
        return {TReportResult::NoData, {}, QString(), {}};
    TReportResult result {TReportResult::Done, lines, QString(), {}};
    if (request.withData) {
        exporter.finish();
        result.data = exporter.document(kind->id, reportCaption(*kind));
    }
    return result;
}

TReportResult TReportRun::runBatch(const TReportRequest &request, int number)
{
    auto *batches = static_cast<TSumBatches *>(m_lists->get(QStringLiteral("sumbatches")));
    const TSumBatch *batch = batches ? batches->batch(number) : nullptr;
    if (!batch)
        return {TReportResult::BatchNotFound, {}, QString(), {}};
    logDebug(QStringLiteral("Path: %1").arg(m_root), LogModule::Library, LogClass::PaidTablesDoc);

    TValueList *waiters = m_lists->get(QStringLiteral("waiters"));
    TValue *reportWaiter
            = request.reportWaiter != 0 && waiters ? waiters->find(request.reportWaiter) : nullptr;
    TReport report(QDate(), reportWaiter, m_root);
    configure(report, request, batch->filter());
    stopOnRequest(report);
    auto *currencies = static_cast<TCurrencies *>(m_lists->get(QStringLiteral("currencies")));
    TSummary summary(&report, currencies, waiters, m_root);
    // a fiscal run covers its one day, and its header says so
    const bool fiscal = !m_comparing && isFiscalRun(*batch, request.from, request.to, m_root);
    if (request.from.isValid())
        summary.setRange(request.from, fiscal ? QDate() : request.to);
    summary.setFiscal(fiscal);
    summary.setNow(request.now);

    TSummaryExport exporter(summary);
    exporter.setOnlyNodes(request.dataNodes);
    exporter.setCountedNodes(request.countedNodes);
    exporter.setSink(request.dataSink);
    m_sunkLines = 0;
    const QStringList lines = batchReport(summary, report, *batch, titles(), request,
                                          request.withData ? &exporter : nullptr);
    if (report.isStopped())
        return {TReportResult::Cancelled, {}, batch->name(), {}};
    TReportResult result {TReportResult::Done, lines, batch->name(), {}};
    if (request.withData) {
        exporter.finish();
        result.data = exporter.document(request.kind, batch->name());
    }
    return result;
}

QStringList TReportRun::batchReport(TSummary &summary, TReport &report, const TSumBatch &batch,
                                    const QMap<int, QString> &titles, const TReportRequest &request,
                                    TSummaryExport *exporter)
{
    // a fiscal summary is written once and from then on shown as written;
    // the current day and ranges are printed only, so that they never
    // block or misstate a day's closing
    const QString fiscalFile = fiscalFileName(request.from, batch.id(), m_root);
    QStringList stored;
    if (summary.isFiscal()) {
        QFile file(fiscalFile);
        if (file.open(QIODevice::ReadOnly)) {
            stored = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
            // the data of a stored summary come from the closed day, which
            // keeps them
            if (!exporter)
                return stored;
        }
    }

    TRepWaiters waiters(report.reportWaiter(), m_root);
    TRepCenters centers(report.reportWaiter(), m_root);
    // a leaf per pay and void only when a report of the batch lists them,
    // or when its data are handed out with them
    QStringList recordNodes;
    bool cashRecords = false;
    for (int id : batch.reportIds()) {
        const TReportKind *kind = isSummaryKind(id) ? reportKind(id) : nullptr;
        if (!kind)
            continue;
        recordNodes << TSummary::recordNodes(kind->code);
        if (exporter)
            recordNodes << exporter->recordNodes(kind->code);
        cashRecords = cashRecords || TSummary::readsCashRecords(kind->code)
                      || (exporter && exporter->readsCashRecords(kind->code));
    }
    const bool records = !recordNodes.isEmpty();
    waiters.setKeepRecords(records);
    centers.setKeepRecords(records);
    // of those nodes only (the tables of one report keep no pay of another's
    // currencies), unless the days come as stored groups, which hold them all
    if (records && !request.daySource) {
        waiters.setRecordNodes(recordNodes);
        centers.setRecordNodes(recordNodes);
    }
    // what the batch's reports read of each side, when nothing else reads
    // the groups; a side none of them reads stays empty
    if (!exporter) {
        TRepScope scopes[2] = {TRepScope(QStringList(), TRepScope::NoGroups),
                               TRepScope(QStringList(), TRepScope::NoGroups)};
        for (int id : batch.reportIds()) {
            const TReportKind *kind = isSummaryKind(id) ? reportKind(id) : nullptr;
            if (!kind)
                continue;
            const bool centerSide = kind->side == TReportKind::CenterSide;
            scopes[centerSide] = scopes[centerSide].united(TSummary::scopeOf(
                    kind->code, TSummary::printedGroups(centerSide, kind->overAll)));
        }
        waiters.setScope(scopes[0]);
        centers.setScope(scopes[1]);
    }
    // printed, never written as a day aggregate
    waiters.setKeepDayNotes(false);
    centers.setKeepDayNotes(false);
    waiters.setKeepCashRecords(cashRecords);
    centers.setKeepCashRecords(cashRecords);
    if (request.from.isValid())
        report.runRange(&waiters, &centers, request.from,
                        request.to.isValid() ? request.to : request.from);
    else
        report.runDay(&waiters, &centers, QDate());
    if (report.isStopped())
        return {};

    // a batch that is not fiscal hands its lines on while they are made,
    // the header first
    const bool streamed = request.lineSink && !summary.isFiscal() && stored.isEmpty();
    TSummaryLines sections(streamed ? &request.lineSink : nullptr);
    const auto header = [&summary] {
        return summary.headerLines(
                summary.caption(QStringLiteral("batch"), Text::tr("Batch report")));
    };
    if (streamed)
        sections.add(header());
    for (int id : batch.reportIds()) {
        const TReportKind *kind = isSummaryKind(id) ? reportKind(id) : nullptr;
        if (!kind)
            continue;
        if (exporter) {
            exporter->beginSection(id, titles.value(id), kind->code, groupingOf(*kind));
            exporter->addPeriod(request.from, request.to.isValid() ? request.to : request.from,
                                kind->side == TReportKind::CenterSide
                                        ? static_cast<const TRepDatas &>(centers)
                                        : static_cast<const TRepDatas &>(waiters));
        }
        // the report's title only over lines
        const qint64 before = sections.count();
        sections.hold({QString(), titles.value(id)});
        if (kind->side == TReportKind::CenterSide)
            summary.centerLines(&centers, kind->code, sections);
        else
            summary.waiterLines(&waiters, kind->code, kind->overAll, sections);
        sections.drop();
        if (sections.count() > before)
            sections.add(QString(summary.pageWidth(), QLatin1Char('#')));
    }
    if (streamed) {
        m_sunkLines = sections.count();
        return {};
    }
    if (!stored.isEmpty())
        return stored;
    QStringList lines = header();
    lines << sections.take();

    // read-only: shown as it would be stored, and stored by a later run
    if (summary.isFiscal() && !request.readOnly) {
        reportsDir(m_root); // created when missing
        try {
            TSaveFile file(fiscalFile);
            file.open();
            file.write(lines.join(QLatin1Char('\n')).toUtf8());
            file.commit();
        } catch (const TError &) {
            logError(QStringLiteral("Could not write %1").arg(fiscalFile), LogModule::Library,
                     LogClass::Summary);
        }
    }
    return lines;
}

} // namespace PosLib
