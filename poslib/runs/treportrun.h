#pragma once

#include "tcompareperiod.h"
#include "treport.h"
#include "trunprogress.h"

#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QMap>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

namespace PosLib {

class TReport;
class TSumBatch;
class TSumFilter;
class TSummary;
class TSummaryDataSink;
class TSummaryExport;
class TWorkspaceLists;

// What one report run asks for: the kind (3 … 42 a summary, 100 + n the
// batch n), the range and the options of the reports document.
struct TReportRequest
{
    int kind = 0;
    QDate from; // invalid: the current, not yet closed data
    QDate to;
    int period = 0; // days per period, 0 for the whole range
    int filter = 0; // summary filter number, 0 for none
    int outlet = 0; // number in "sumoutlets", 0 for none
    bool withOpenTables = false;
    bool withoutCredits = false;
    int turnoverType = 0; // 0 all, 1 in summary, 2 not in summary
    int traineeType = 0; // 0 all, 1 without trainees, 2 only trainees
    int reportWaiter = 0; // waiter number the report is restricted to, 0 for none
    QDateTime now; // the clock of the header; invalid: the current time
    bool withData = false; // also collect the data of the lines (TReportResult::data)
    QStringList dataNodes; // with withData: only the leaves of these nodes; empty: all
    // with withData: the leaves of these nodes counted, not listed
    // (TSummaryExport::setCountedNodes)
    QStringList countedNodes;
    // with withData: the sections go here while they are made, and the
    // result's data hold the document's head alone
    TSummaryDataSink *dataSink = nullptr;
    QString title; // the title of a summary; empty: the kind's own
    // the lines of a summary or of a batch that is not fiscal go here while
    // they are made instead of into the result's lines (which hold the
    // batch's name alone then); empty: they are kept
    std::function<void(const QString &line)> lineSink;
    bool dayCache = true; // closed days from the cache in "var/reportcache" (TReport::setDayCache)
    // nothing written into the installation (TReport::setReadOnly): no day
    // summary built or replaced, no cache, no fiscal summary file stored
    bool readOnly = false;
    TReport::DaySource daySource; // closed days from elsewhere (TReport::setDaySource)
    // Compares the report with other days (TCompareWith): both are made by
    // the same run with the same options, the result's lines are the
    // comparison's text (TComparisonText) and its data the comparison's
    // document (comparisonDocument(); withData does not apply). With a
    // dataSink the document's sections go there instead of into the data,
    // and the lines are left out: the two documents' items of record nodes
    // wait in a temporary file meanwhile, which is read once they are
    // joined.
    // The current day is compared with the compared day up to the hour of
    // the report's clock. A comparison never stores a fiscal summary.
    TCompareWith compare;
    // Closed days: only what was booked up to this time of each business day
    // (bookedByFilter()); null: everything. Such a run reads the day
    // summaries, not the cache.
    QTime until;
};

// True when the day was closed: its day directory holds a turnover journal.
bool isClosedDay(const QDate &day, const QString &root);
// A fiscal run: a fiscal batch over one closed day (a from date and no to
// date other than the same day), or over a day whose fiscal summary file
// it stored before. Only a fiscal run stores its fiscal summary file, and
// reads it back from then on.
bool isFiscalRun(const TSumBatch &batch, const QDate &from, const QDate &to, const QString &root);

struct TReportResult
{
    enum Status { Done, Cancelled, NoData, BatchNotFound, NotAvailable };
    Status status = NoData;
    QStringList lines;
    QString batchName; // for batch runs
    // With TReportRequest::withData: the data the lines come from, as
    // TSummaryExport::document() gives it.
    QJsonObject data;

    // The lines the reports document lists: "Cancelled", "No data
    // available", "Batch not found", or the report (a batch headed by its
    // name).
    QStringList displayLines() const;
};

// The non-graphical part of a report run, shared by the reports document
// and the command line: resolves filter, outlet and report waiter from the
// workspace lists, drives the generator and the summary writer, and tells
// how the run ended. Progress is forwarded from the generator.
class TReportRun : public QObject
{
    Q_OBJECT
public:
    TReportRun(TWorkspaceLists *lists, const QString &root, QObject *parent = nullptr);
    ~TReportRun() override;

    TReportResult run(const TReportRequest &request);
    // The progress over the whole run: days done of the days asked, each
    // advanced by the generator's steps of that day.
    TRunProgress *progress() { return &m_progress; }
    // The report titles by kind id, as the batch report heads its sections.
    static QMap<int, QString> titles();

Q_SIGNALS:
    void sigDataCount(int count);
    void sigProgress(int step);
    void sigDate(const QDate &day);
    // What the generator wants the user told (TReport::sigNotice).
    void sigNotice(const QString &text);

public Q_SLOTS:
    void setStopped();

private:
    void configure(TReport &report, const TReportRequest &request, int filter);
    // Two runs, the report's and the compared days', joined.
    TReportResult runComparison(const TReportRequest &request);
    QStringList comparisonLines(const TReportRequest &request, const QJsonObject &document);
    // Passes setStopped() on to the generator at its next step.
    void stopOnRequest(TReport &report);
    TReportResult runSummary(const TReportRequest &request);
    TReportResult runBatch(const TReportRequest &request, int number);
    // The sections of a batch under one header; a fiscal batch writes its
    // fiscal summary file, or shows the one written before.
    QStringList batchReport(TSummary &summary, TReport &report, const TSumBatch &batch,
                            const QMap<int, QString> &titles, const TReportRequest &request,
                            TSummaryExport *exporter);

    TWorkspaceLists *m_lists;
    QString m_root;
    bool m_stopped = false;
    // the lines of the last batch handed to the request's line sink
    qint64 m_sunkLines = 0;
    TRunProgress m_progress;
    // a comparison prints; it stores no fiscal summary
    bool m_comparing = false;
    // the filter of a run with TReportRequest::until
    std::unique_ptr<TSumFilter> m_bookedBy;
};

} // namespace PosLib
