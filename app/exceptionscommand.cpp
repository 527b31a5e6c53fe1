#include "commands.h"

#include "cliutil.h"
#include "exceptionsargs.h"
#include "targs.h"
#include "tbytespool.h"
#include "tcurrencies.h"
#include "tdataargs.h"
#include "texceptionschart.h"
#include "texceptionsrun.h"
#include "tinterrupt.h"
#include "toutput.h"
#include "tprogressprinter.h"
#include "trowsspool.h"
#include "tsummarydatasink.h"

#include <QLocale>

#include <unistd.h>

using namespace PosLib;

QList<TCommandOption> exceptionsRuleOptions()
{
    return {
            {{QStringLiteral("multiple")},
             QStringLiteral("X"),
             TCli::tr("Flag a rate above X times the team's median (default: \"Multiple\" of "
                      "section [Exceptions] in etc/reports.ini, else 3)."),
             false},
            {{QStringLiteral("min-count")},
             QStringLiteral("N"),
             TCli::tr("Flag a figure only with at least N entries (default: \"MinCount\" of "
                      "[Exceptions], else 3)."),
             false},
            {{QStringLiteral("entries")},
             QStringLiteral("flagged|all|none"),
             TCli::tr("The entries listed: those behind the flagged figures (default), every "
                      "entry, or none."),
             false},
    };
}

QList<TCommandOption> exceptionsOutputOptions()
{
    return {
            nowOption(),
            exceptionsFormatOption(),
            outputOption(),
            {{QStringLiteral("progress")},
             QString(),
             TCli::tr("Show the day being read and a progress bar on standard error, also when it "
                      "is no terminal (by default only on a terminal)."),
             false},
            {{QStringLiteral("quiet")}, QString(), TCli::tr("Show no progress."), false},
    };
}

TCommandOption exceptionsFormatOption()
{
    return {{QStringLiteral("format")},
            QStringLiteral("text|csv|json|pdf|svg|png|xlsx"),
            TCli::tr("The form of the output: the printed lines (text, default); the data as CSV "
                     "(a header row, one row per figure and entry, RFC 4180) or as JSON "
                     "(\"format\": 1, see docs/exceptions.md), amounts in cents; the printed "
                     "pages as PDF, with a chart of the rates per kind; the charts alone as SVG "
                     "or PNG. PDF and PNG need --output when standard output is a terminal.")
                    + QLatin1Char(' ') + xlsxFormatSentence(),
            false};
}

TExceptionEntries readExceptionsOptions(const TArgs &args, TExceptionsRequest &request)
{
    if (args.isSet(QStringLiteral("multiple"))) {
        const QString text = args.text(QStringLiteral("multiple"));
        bool ok = false;
        const double multiple = QLocale::c().toDouble(text, &ok);
        if (!ok || multiple < 1 || multiple > 1000)
            args.badValue(QStringLiteral("multiple"), TCli::tr("a number from 1 to 1000"));
        request.multiple = multiple;
    }
    request.minCount = args.number(QStringLiteral("min-count"), 1, 1000000, 0);
    request.choice.withoutCredits = args.isSet(QStringLiteral("without-credits"));
    request.choice.turnoverType
            = args.choice(QStringLiteral("turnover"),
                          {QStringLiteral("all"), QStringLiteral("in"), QStringLiteral("out")});
    request.choice.traineeType = args.choice(
            QStringLiteral("trainee"),
            {QStringLiteral("all"), QStringLiteral("without"), QStringLiteral("only")});
    request.now = args.dateTime(QStringLiteral("now"));
    const auto entries = TExceptionEntries(args.choice(
            QStringLiteral("entries"),
            {QStringLiteral("flagged"), QStringLiteral("all"), QStringLiteral("none")}));
    // entries nobody lists are counted, not kept
    request.keepEntries = entries != TExceptionEntries::None;
    return entries;
}

void followExceptionsRun(const TArgs &args, TExceptionsRun &run, TProgressPrinter &progress)
{
    if (args.isSet(QStringLiteral("progress")) && args.isSet(QStringLiteral("quiet")))
        throw TUsageError {TCli::tr("--progress and --quiet exclude each other")};
    const bool show = !args.isSet(QStringLiteral("quiet"))
                      && (args.isSet(QStringLiteral("progress")) || ::isatty(2));
    if (show) {
        QObject::connect(&run, &TExceptionsRun::sigDataCount, &progress,
                         &TProgressPrinter::setSteps);
        QObject::connect(&run, &TExceptionsRun::sigProgress, &progress, &TProgressPrinter::setStep);
        QObject::connect(&run, &TExceptionsRun::sigDate, &progress, &TProgressPrinter::setDate);
    }
    QObject::connect(&run, &TExceptionsRun::sigNotice, &run, [&args](const QString &text) {
        err() << TCli::tr("veltrum: %1: %2").arg(args.command().name, text) << Qt::endl;
    });
    TInterrupt::install();
    const auto stopWhenAsked = [&run] {
        if (TInterrupt::requested())
            run.setStopped();
    };
    QObject::connect(&run, &TExceptionsRun::sigProgress, &run, stopWhenAsked);
    QObject::connect(&run, &TExceptionsRun::sigDate, &run, stopWhenAsked);
}

namespace {

// JSON: the entries one at a time into the frame of the rest.
bool writeExceptionsJson(TOutput &output, const TExceptionsResult &result,
                         const TCurrencies *currencies, TExceptionEntries entries)
{
    const TJsonFrame frame = jsonFrame(exceptionsData(result, currencies, TExceptionEntries::None),
                                       QStringLiteral("entries"));
    TByteSpool spool;
    bool first = true;
    for (const TExceptionEntry *entry : listedEntries(result, entries)) {
        spool.write(first ? exceptionEntryJson(*entry) : ',' + exceptionEntryJson(*entry));
        first = false;
    }
    return spool.put(output, frame.open, frame.close + '\n');
}

// Text: the lines one at a time.
bool writeExceptionsText(TOutput &output, const TExceptionsResult &result,
                         const TCurrencies *currencies, TExceptionEntries entries)
{
    TByteSpool spool;
    exceptionsLines(result, currencies, entries,
                    [&spool](const QString &line) { spool.write(line.toUtf8() + '\n'); });
    return spool.put(output, QByteArray(), QByteArray());
}

// CSV: the rows one at a time; the workbook's rows wait in a file of their
// own until they are written into it.
bool writeExceptionsRows(TOutput &output, const TExceptionsResult &result,
                         TExceptionEntries entries)
{
    if (output.format() == TOutputFormat::Csv) {
        TByteSpool spool;
        exceptionsCsv(result, entries,
                      [&spool](const QStringList &row) { spool.write(csvText({row})); });
        return spool.put(output, QByteArray(), QByteArray());
    }
    TRowsSpool rows;
    if (!rows.isOpen())
        return output.write({}, {}, exceptionsCsv(result, entries), TCli::tr("Exceptions"));
    exceptionsCsv(result, entries, [&rows](const QStringList &row) { rows.add(row); });
    if (!rows.ok())
        return spoolFailed(rows.fileName(), rows.errorString());
    return output.putWorkbook(
            [&rows](const std::function<void(const QStringList &)> &take) {
                return rows.replay(take);
            },
            TCli::tr("Exceptions"));
}

} // namespace

int writeExceptions(TOutput &output, const TExceptionsResult &result, const TCurrencies *currencies,
                    TExceptionEntries entries, const QString &command)
{
    if (result.status == TExceptionsResult::Cancelled || TInterrupt::requested())
        return fail(TCli::tr("%1: interrupted; nothing was written").arg(command), ExitInterrupted);
    const QString period = result.isCurrent()
                                   ? QLocale().toString(result.businessDay, QLocale::ShortFormat)
                                   : QStringLiteral("%1 - %2").arg(
                                           QLocale().toString(result.from, QLocale::ShortFormat),
                                           QLocale().toString(result.to, QLocale::ShortFormat));
    if (output.isChart() || output.format() == TOutputFormat::Pdf) {
        QList<TChartPage> pages = exceptionsChartPages(result, TExceptionSide::Waiters, period);
        if (pages.isEmpty() && output.isChart()) {
            // a picture is asked for: an empty run still gives one
            TChartPage empty;
            empty.kind = TChartPage::Rates;
            empty.title = TCli::tr("Exceptions");
            empty.period = period;
            pages << empty;
        }
        output.setCharts(pages, currencies);
    }
    // the workbook: the figures, each week and the entries on sheets of their own
    output.setXlsxLayout(exceptionsXlsxLayout());
    output.setCurrencies(currencies);
    bool written = false;
    if (output.format() == TOutputFormat::Json)
        written = writeExceptionsJson(output, result, currencies, entries);
    else if (output.format() == TOutputFormat::Text)
        written = writeExceptionsText(output, result, currencies, entries);
    else if (output.wantsRows())
        written = writeExceptionsRows(output, result, entries);
    else
        written = output.write(output.format() == TOutputFormat::Pdf
                                       ? exceptionsLines(result, currencies, entries)
                                       : QStringList(),
                               QJsonObject(), QList<QStringList>(), TCli::tr("Exceptions"));
    return written ? ExitOk : ExitFailure;
}

namespace {

int runExceptions(TArgs &args)
{
    TDataArgs data(args);
    TExceptionsRequest request;
    args.dateRange(request.from, request.to, true);
    request.withOpenTables = args.isSet(QStringLiteral("open-tables"));
    if (request.withOpenTables && request.from.isValid())
        throw TUsageError {TCli::tr("--open-tables applies to the current day only")};
    request.dayCache = !args.isSet(QStringLiteral("no-cache"));
    request.readOnly = args.isSet(QStringLiteral("read-only"));
    const TExceptionEntries entries = readExceptionsOptions(args, request);
    TOutput output(args, true);

    TExceptionsRun run(&data.lists(), data.root());
    TProgressPrinter progress(stderr);
    followExceptionsRun(args, run, progress);
    const TExceptionsResult result = run.run(request);
    progress.done();
    return writeExceptions(
            output, result,
            static_cast<TCurrencies *>(data.lists().get(QStringLiteral("currencies"))), entries,
            QStringLiteral("exceptions"));
}

} // namespace

TCommand exceptionsCommand()
{
    TCommand command;
    command.name = QStringLiteral("exceptions");
    command.summary = TCli::tr("voids, discounts, free prices, staff accounts and moved tables "
                               "per waiter, against the team, with the outliers flagged");
    command.description = TCli::tr(
            "Puts side by side, per waiter and per cost center, what an owner looks at when money "
            "goes missing: voids (also those booked by another waiter, those of an article that "
            "had been sent already, and bills voided whole), discounts (also those at the late "
            "hours), free prices, price findings, payments to a staff account and of bills not in "
            "the summary, credits (vouchers sold), moved tables, splits and cash records. Each is "
            "counted, added up and set in relation to what the waiter did: per 100 bills and per "
            "100 of the takings (the \"All amount\" of the waiter's summary).\n\n"
            "Each rate stands beside the team's median (of the waiters with bills; the median of "
            "fewer than 3 is no team to compare with). A rate above --multiple times the median "
            "with at least --min-count entries is flagged, with the reason in words and the "
            "entries behind it: day, time, table, bill and archive number (as the paid tables "
            "journal shows them), article, amount, who voided, why. Over closed days the same "
            "rates follow per week (Monday to Sunday), so that a sudden change stands out.\n\n"
            "Without --from the run covers the current, not yet closed business day (the paid "
            "tables, with --open-tables also the open ones); with --from the closed days --from "
            "to --to, read like the reports read them (day summaries, and the cache of closed "
            "days in var/reportcache). Voids, discounts and price findings are those the void, "
            "discount and price finding reports (kinds 13-18, 32-37) count. Section "
            "[Exceptions] of etc/reports.ini sets the defaults: Multiple, MinCount, LateFrom "
            "and LateUntil (default 22:00 to 05:00), StaffPayforms (the pay form numbers of the "
            "staff accounts; without it the pay forms whose name speaks of staff).");
    command.options = {
            dataOption(),
            fromOption(TCli::tr("The first closed day; without it, the current day.")),
            toOption(TCli::tr("The last closed day (needs --from; default: --from alone).")),
            {{QStringLiteral("open-tables")},
             QString(),
             TCli::tr("Count the entries of the open tables too (current day only)."),
             false},
    };
    command.options << tableChoiceOptions();
    command.options << exceptionsRuleOptions();
    command.options << TCommandOption {
            {QStringLiteral("no-cache")},
            QString(),
            TCli::tr("Read every closed day from its day summary, not from the cache of closed "
                     "days in var/reportcache (the figures are the same)."),
            false};
    command.options << readOnlyOption();
    command.options << exceptionsOutputOptions();
    command.exitCodes = {
            {ExitOk, TCli::tr("the exceptions were written (also when nothing matched)")},
            {ExitFailure, TCli::tr("a file that cannot be read, or the --output file cannot be "
                                   "written")},
            {ExitUsage, TCli::tr("wrong arguments: an unknown option, a bad date or number, "
                                 "--from after --to, --to without --from, no such directory")},
            {ExitInterrupted, TCli::tr("interrupted by Ctrl-C; nothing was written")},
    };
    command.run = runExceptions;
    return command;
}
