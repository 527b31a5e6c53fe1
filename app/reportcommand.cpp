#include "commands.h"

#include "cliutil.h"
#include "targs.h"
#include "tchartpage.h"
#include "tcomparisondata.h"
#include "tcurrencies.h"
#include "tdataargs.h"
#include "tdataspool.h"
#include "tinterrupt.h"
#include "tlistrowsspool.h"
#include "toutput.h"
#include "tpaidtablesjournal.h"
#include "tprogressprinter.h"
#include "treportkinds.h"
#include "treportrun.h"
#include "tsumbatch.h"
#include "tsummaryexport.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <limits>
#include <unistd.h>

using namespace PosLib;

namespace {

QString sideText(const TReportKind &kind)
{
    switch (kind.side) {
    case TReportKind::WaiterSide:
        return kind.overAll ? TCli::tr("all waiters") : TCli::tr("per waiter");
    case TReportKind::CenterSide:
        return TCli::tr("per cost center");
    case TReportKind::NoSide:
        break;
    }
    return TCli::tr("journal");
}

// Every kind with its caption and side; the batches of the installation
// when one is given.
int listKinds(const TArgs &args)
{
    const QString format = QStringLiteral("%1  %2  %3");
    for (const TReportKind &kind : reportKinds())
        out() << format.arg(kind.id, 3).arg(reportCaption(kind), -30).arg(sideText(kind)) << '\n';
    if (args.isSet(QStringLiteral("data"))) {
        TDataArgs data(args);
        if (auto *batches
            = static_cast<TSumBatches *>(data.lists().get(QStringLiteral("sumbatches")))) {
            for (int id : batches->ids()) {
                const TSumBatch *batch = batches->batch(id);
                out() << format.arg(BatchKindOffset + id, 3)
                                 .arg(batch->name(), -30)
                                 .arg(batch->fiscal() ? TCli::tr("batch, fiscal")
                                                      : TCli::tr("batch"))
                      << '\n';
            }
        }
    }
    out().flush();
    return ExitOk;
}

bool showProgressOf(const TArgs &args)
{
    if (args.isSet(QStringLiteral("progress")) && args.isSet(QStringLiteral("quiet")))
        throw TUsageError {TCli::tr("--progress and --quiet exclude each other")};
    return !args.isSet(QStringLiteral("quiet"))
           && (args.isSet(QStringLiteral("progress")) || ::isatty(2));
}

// The paid tables journal (kinds 1 and 2): the lines of the reports
// document, one table a line with its entries two blanks deeper.
int runJournal(TArgs &args, TDataArgs &data, int kind)
{
    for (const char *summaryOnly : {"period", "outlet", "open-tables", "without-credits",
                                    "turnover", "trainee", "report-waiter", "compare"}) {
        if (args.isSet(QLatin1String(summaryOnly)))
            throw TUsageError {TCli::tr("%1 does not apply to the paid tables journal (kind %2)")
                                       .arg(TArgs::optionText(QLatin1String(summaryOnly)))
                                       .arg(kind)};
    }
    TJournalRequest request;
    args.dateRange(request.from, request.to, true);
    TOutput output(args, true);
    if (output.isChart())
        throw TUsageError {TCli::tr("the paid tables journal (kind %1) has no chart").arg(kind)};
    output.setCurrencies(
            static_cast<TCurrencies *>(data.lists().get(QStringLiteral("currencies"))));
    request.filter = data.filter();
    const QStringList yesNo {QStringLiteral("no"), QStringLiteral("yes")};
    request.showBill = args.choice(QStringLiteral("show-bill"), yesNo) == 1;
    request.showArch = args.choice(QStringLiteral("show-arch"), yesNo) == 1;
    request.now = args.dateTime(QStringLiteral("now"));
    const bool showProgress = showProgressOf(args);

    TPaidTablesJournal journal(&data.lists(), data.root());
    TProgressPrinter progress(stderr);
    TInterrupt::install();
    journal.setProgress([&](int step, int count) {
        if (showProgress) {
            progress.setSteps(count);
            progress.setStep(step);
        }
        // Ctrl-C stops the walk at its next table
        if (TInterrupt::requested())
            journal.setStopped();
    });
    const auto interrupted = [&] { return journal.isStopped() || TInterrupt::requested(); };
    // The text, JSON, CSV and workbook go through a temporary file a table
    // at a time: a year's journal is hundreds of MB of text. The PDF is
    // made of the whole list.
    TDataSpool spool(output.format());
    const auto line = output.format() == TOutputFormat::Text ? spool.lineSink() : nullptr;
    TListRowsSpool rowsSpool(output.format());
    if (line || rowsSpool.isOpen()) {
        const bool walked = journal.run(request, [&](const TListRows &rows) {
            if (!line) {
                rowsSpool.add(rows);
                return;
            }
            for (const QString &text : listRowsLines(rows))
                line(text);
        });
        progress.done();
        if (!walked || interrupted())
            return fail(TCli::tr("report: interrupted; nothing was written"), ExitInterrupted);
        if (!line)
            return rowsSpool.write(output, kind, reportCaption(*reportKind(kind))) ? ExitOk
                                                                                   : ExitFailure;
        return spool.writeLines(output, QString()) ? ExitOk : ExitFailure;
    }
    const TListRows rows = journal.run(request);
    progress.done();
    if (interrupted())
        return fail(TCli::tr("report: interrupted; nothing was written"), ExitInterrupted);
    return output.writeRows(kind, reportCaption(*reportKind(kind)), rows) ? ExitOk : ExitFailure;
}

int runReport(TArgs &args)
{
    if (args.isSet(QStringLiteral("list-kinds")))
        return listKinds(args);

    TDataArgs data(args);
    TReportRequest request;
    request.kind = args.number(QStringLiteral("kind"), 0, std::numeric_limits<int>::max());
    const bool known = isSummaryKind(request.kind) || request.kind == 1 || request.kind == 2
                       || request.kind > BatchKindOffset;
    if (!known)
        throw TUsageError {TCli::tr("--kind %1: there is no report kind %1 (see 'veltrum report "
                                    "--list-kinds')")
                                   .arg(request.kind)};
    if (request.kind == 1 || request.kind == 2)
        return runJournal(args, data, request.kind);
    for (const char *journalOnly : {"show-bill", "show-arch"}) {
        if (args.isSet(QLatin1String(journalOnly)))
            throw TUsageError {TCli::tr("%1 applies to the paid tables journal (kind 1) only")
                                       .arg(TArgs::optionText(QLatin1String(journalOnly)))};
    }
    // a batch runs with the filter it was saved with, as in the window
    if (request.kind > BatchKindOffset && args.isSet(QStringLiteral("filter")))
        throw TUsageError {TCli::tr("--filter does not apply to a batch (kind %1): a batch runs "
                                    "with the filter it was saved with")
                                   .arg(request.kind)};
    args.dateRange(request.from, request.to, true);
    request.period = args.number(QStringLiteral("period"), 0, 3660);
    request.filter = data.filter();
    request.outlet = data.outlet();
    if (Basics::TValue *waiter = data.waiter(QStringLiteral("report-waiter"), true))
        request.reportWaiter = waiter->id();
    request.withOpenTables = args.isSet(QStringLiteral("open-tables"));
    readTableChoices(args, request);
    request.now = args.dateTime(QStringLiteral("now"));
    request.dayCache = !args.isSet(QStringLiteral("no-cache"));
    request.readOnly = args.isSet(QStringLiteral("read-only"));
    if (!TCompareWith::parse(args.text(QStringLiteral("compare")), &request.compare))
        args.badValue(QStringLiteral("compare"),
                      TCli::tr("previous, week, year, yyyy-MM-dd..yyyy-MM-dd or yyyy-MM-dd"));

    TOutput output(args, true);
    output.setCurrencies(
            static_cast<TCurrencies *>(data.lists().get(QStringLiteral("currencies"))));
    const bool charted = kindHasChart(request.kind);
    if (output.isChart() && !charted)
        throw TUsageError {TCli::tr("--format %1: report kind %2 has no chart (charts: the waiter, "
                                    "minimal, article, family, department, void, hour and discount "
                                    "reports)")
                                   .arg(args.text(QStringLiteral("format")))
                                   .arg(request.kind)};
    request.withData = output.format() == TOutputFormat::Json || output.wantsRows()
                       || output.isChart() || (output.format() == TOutputFormat::Pdf && charted);
    // a chart alone needs only the nodes charts are drawn from, not a leaf
    // per pay of a year
    if (request.withData && output.format() != TOutputFormat::Json && !output.wantsRows())
        request.dataNodes = chartNodes();
    // JSON, CSV and a workbook go to a temporary file while they are made,
    // the lines of a text likewise (a comparison's text is made of the two
    // documents' nodes it shows)
    TDataSpool spool(output.format(), request.compare.isSet());
    request.dataSink = spool.sink();
    if (!request.compare.isSet())
        request.lineSink = spool.lineSink();
    const bool showProgress = showProgressOf(args);

    TReportRun run(&data.lists(), data.root());
    TProgressPrinter progress(stderr);
    QObject::connect(&run, &TReportRun::sigNotice, &run, [](const QString &text) {
        err() << TCli::tr("veltrum: report: %1").arg(text) << Qt::endl;
    });
    if (showProgress) {
        // one bar over the whole run, not one per day
        QObject::connect(run.progress(), &TRunProgress::changed, &progress,
                         &TProgressPrinter::setRun);
        QObject::connect(run.progress(), &TRunProgress::dayChanged, &progress,
                         &TProgressPrinter::setDay);
    }
    // Ctrl-C stops the generator at its next table or day
    TInterrupt::install();
    const auto stopWhenAsked = [&run] {
        if (TInterrupt::requested())
            run.setStopped();
    };
    QObject::connect(&run, &TReportRun::sigProgress, &run, stopWhenAsked);
    QObject::connect(&run, &TReportRun::sigDate, &run, stopWhenAsked);
    const TReportResult result = run.run(request);
    progress.done();

    if (result.status == TReportResult::Cancelled || TInterrupt::requested())
        return fail(TCli::tr("report: interrupted; nothing was written"), ExitInterrupted);
    if (result.status == TReportResult::NotAvailable)
        return fail(
                TCli::tr("report: kind %1 is not available on the command line").arg(request.kind));
    if (result.status == TReportResult::BatchNotFound && output.format() != TOutputFormat::Text)
        return fail(TCli::tr("report: --kind %1: Batch not found").arg(request.kind));
    const TReportKind *kind = reportKind(request.kind);
    const QString title = kind ? reportCaption(*kind) : result.batchName;
    if (charted) {
        QList<TChartPage> pages = chartPages(result.data);
        // a picture is asked for: an empty report still gives one
        if (pages.isEmpty() && output.isChart()) {
            TChartPage empty;
            empty.title = kind ? reportTitle(*kind) : result.batchName;
            pages << empty;
        }
        output.setCharts(
                pages, static_cast<TCurrencies *>(data.lists().get(QStringLiteral("currencies"))));
    }
    if (request.dataSink && result.status == TReportResult::Done) {
        if (!spool.write(output, result.data, title))
            return ExitFailure;
    } else if (request.lineSink && result.status == TReportResult::Done && result.lines.isEmpty()) {
        // the lines went to the temporary file (not those of a fiscal batch)
        if (!spool.writeLines(output, result.batchName))
            return ExitFailure;
    } else if (!output.write(result.displayLines(), result.data,
                             !output.wantsRows()       ? QList<QStringList>()
                             : request.compare.isSet() ? comparisonCsvRows(result.data)
                                                       : TSummaryExport::csvRows(result.data),
                             title)) {
        return ExitFailure;
    }
    return result.status == TReportResult::BatchNotFound ? ExitFailure : ExitOk;
}

} // namespace

TCommand reportCommand()
{
    TCommand command;
    command.name = QStringLiteral("report");
    command.summary
            = TCli::tr("print a summary, a batch of summaries, the paid tables journal or the "
                       "list of report kinds");
    command.moreUsage = {QStringLiteral("--list-kinds [--data DIR]")};
    command.description = TCli::tr(
            "Prints the lines that the back office's reports document lists for report kind ID: "
            "3 to 42 are the summaries (5 \"Waiter report\", 7 \"All articles\", 38 \"Table "
            "report\", ...), 100+N runs the summary batch N of usr/data/sumbatches.dat with "
            "the filter the batch was saved with (--filter is refused with a batch). "
            "'veltrum report --list-kinds' lists them all. Kind 1 (and 2, \"Journal\") is the "
            "paid tables journal: one line per paid table (closing time, date, waiter, "
            "table/party, with --show-bill its bill and with --show-arch its archive number, and "
            "on a second line its amount), its entries below it indented by two blanks, in the "
            "order the tables were closed; --filter applies, the summary options do not.\n\n"
            "Without --from the report covers the current, not yet closed business day: the "
            "open tables in var/tables and the paid ones in var/archives. With --from it covers "
            "the closed days from --from to --to (or the day --from alone), each read from its "
            "day summary in var/summary. When nothing matched, the header stands alone; "
            "\"Batch not found\" for an unknown batch. Captions, switches and widths come from "
            "the installation's etc/reports.ini.\n\n"
            "--format csv and --format json write the data the lines come from (groups, items "
            "with counts and amounts in cents, the figures of the full summary), --format pdf the "
            "printed page. --format png and --format svg draw the report's chart from the same "
            "data: bars per hour for the hour reports (19-21), a pie of the payment forms for the "
            "waiter and minimal reports (4-6, 31), the 15 items with the highest amounts and the "
            "rest for the article, family, family group, department, void and discount reports; "
            "one chart per waiter or cost center, one below the other. On a terminal (or with "
            "--progress) the day being read and one progress bar over the whole run (the days "
            "done of the days asked) are shown on standard error; Ctrl-C stops the run "
            "cleanly.");
    command.options = {
            dataOption(),
            {{QStringLiteral("kind")},
             QStringLiteral("ID"),
             TCli::tr("The report kind: 1 the paid tables journal, 3-42 a summary, 100+N the batch "
                      "N."),
             true},
            {{QStringLiteral("list-kinds")},
             QString(),
             TCli::tr("List every report kind with its caption and grouping; with --data also the "
                      "installation's batches (100+N)."),
             false},
            fromOption(
                    TCli::tr("The first closed day of the report; without it, the current day.")),
            toOption(TCli::tr("The last closed day (needs --from; default: --from alone).")),
            periodOption(),
            {{QStringLiteral("compare")},
             QStringLiteral("previous|week|year|FROM..TO"),
             TCli::tr("Compare the report with other days, computed with the same options: "
                      "'previous' the days just before (whole months with the months before), "
                      "'week' the same days a week earlier, 'year' the same weekdays 52 weeks "
                      "earlier, FROM..TO (yyyy-MM-dd) days of your own, or FROM alone as many "
                      "days as the report's from there. The current day is compared with the "
                      "compared day up to the same hour. The text shows beside each count and "
                      "amount the difference and the change in percent; JSON and CSV carry both "
                      "values and the difference; charts show both periods."),
             false},
            filterOption(),
            outletOption(),
            {{QStringLiteral("open-tables")},
             QString(),
             TCli::tr("Count the entries of the open tables too (current day only)."),
             false},
    };
    command.options << tableChoiceOptions();
    command.options << QList<TCommandOption> {
            {{QStringLiteral("no-cache")},
             QString(),
             TCli::tr("Read every closed day from its day summary, not from the cache of "
                      "closed days in var/reportcache (the figures are the same)."),
             false},
            readOnlyOption(),
            {{QStringLiteral("report-waiter")},
             QStringLiteral("N"),
             TCli::tr(
                     "Only what waiter N booked, as the back office shows it to that waiter; 0 for "
                     "all. An unknown waiter is an error."),
             false},
            {{QStringLiteral("show-bill")},
             QStringLiteral("yes|no"),
             TCli::tr("Journal: the table lines carry the bill number (default no)."),
             false},
            {{QStringLiteral("show-arch")},
             QStringLiteral("yes|no"),
             TCli::tr("Journal: the table lines carry the archive number (default no)."),
             false},
            nowOption(),
            formatOption(true),
            outputOption(),
            {{QStringLiteral("progress")},
             QString(),
             TCli::tr("Show the day being read and a progress bar on standard error, also when it "
                      "is "
                      "no terminal (by default only on a terminal)."),
             false},
            {{QStringLiteral("quiet")}, QString(), TCli::tr("Show no progress."), false},
    };
    command.standalone = QStringLiteral("list-kinds");
    command.exitCodes = {
            {ExitOk, TCli::tr("the report was written (also when nothing matched)")},
            {ExitFailure,
             TCli::tr("\"Batch not found\", a kind that only the back office shows, or a "
                      "file that cannot be read")},
            {ExitUsage,
             TCli::tr("wrong arguments: an unknown option, kind, filter, outlet or waiter, "
                      "a bad date, --from after --to, --to without --from, no such "
                      "directory")},
            {ExitInterrupted, TCli::tr("interrupted by Ctrl-C: the run stopped at its next table, "
                                       "nothing was printed and no --output file was left")},
    };
    command.run = runReport;
    return command;
}
