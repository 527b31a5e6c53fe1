#include "commands.h"

#include "cliutil.h"
#include "targs.h"
#include "tchainargs.h"
#include "tchaindaysource.h"
#include "tchaindb.h"
#include "tchaininstallation.h"
#include "tchainmigrations.h"
#include "tchainurl.h"
#include "tdataargs.h"
#include "tinterrupt.h"
#include "toutput.h"
#include "treportkinds.h"
#include "treportrun.h"
#include "tsummaryexport.h"
#include "tworkspacelists.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <limits>

using namespace ChainLib;
using namespace PosLib;

namespace {

QString outletNames(const QList<int> &offices)
{
    QStringList numbers;
    for (int office : offices)
        numbers << QString::number(office);
    return TCli::tr("Outlets %1").arg(numbers.join(QStringLiteral(", ")));
}

// The report over the chain installation `installation`, as the local
// report command runs it; the closed days from `days` when given.
TReportResult runOver(const TChainInstallation &installation, TReportRequest request,
                      TChainDaySource *days)
{
    const QString started = QDir::currentPath();
    // files named relative to the installation ("etc/...") resolve inside it
    QDir::setCurrent(installation.root());
    request.dayCache = false;
    if (days) {
        request.daySource = [days](const QDate &day, TRepWaiters *waiters, TRepCenters *centers) {
            return (*days)(day, waiters, centers);
        };
    }
    TWorkspaceLists lists(installation.root());
    TReportRun run(&lists, installation.root());
    QObject::connect(&run, &TReportRun::sigNotice, &run, [](const QString &text) {
        err() << TCli::tr("veltrum: chain report: %1").arg(text) << Qt::endl;
    });
    TInterrupt::install();
    const auto stopWhenAsked = [&run] {
        if (TInterrupt::requested())
            run.setStopped();
    };
    QObject::connect(&run, &TReportRun::sigDate, &run, stopWhenAsked);
    const TReportResult result = run.run(request);
    QDir::setCurrent(started);
    return result;
}

int runChainReport(TArgs &args)
{
    TReportRequest request;
    request.kind = args.number(QStringLiteral("kind"), 0, std::numeric_limits<int>::max());
    if (!isSummaryKind(request.kind))
        throw TUsageError {TCli::tr("--kind %1: chain reports are the summaries, kinds 3 to 42 "
                                    "(see 'veltrum report --list-kinds')")
                                   .arg(request.kind)};
    args.dateRange(request.from, request.to, true);
    if (!request.from.isValid())
        throw TUsageError {TCli::tr("--from is required: chain reports cover closed days")};
    const QDate last = request.to.isValid() ? request.to : request.from;
    request.period = args.number(QStringLiteral("period"), 0, 3660);
    readTableChoices(args, request);
    request.now = args.dateTime(QStringLiteral("now"));
    TOutput output(args);
    request.withData = output.format() == TOutputFormat::Json || output.wantsRows();
    const bool perOutlet = args.isSet(QStringLiteral("per-outlet"));
    enum Source { Auto, Groups, Summaries };
    const int source = args.choice(
            QStringLiteral("source"),
            {QStringLiteral("auto"), QStringLiteral("groups"), QStringLiteral("summaries")});
    // the stored groups were added up without options
    const bool plain
            = !request.withoutCredits && request.turnoverType == 0 && request.traineeType == 0;
    if (source == Groups && !plain)
        throw TUsageError {TCli::tr("--source groups: the stored groups hold every table and "
                                    "credit; --turnover, --trainee and --without-credits need "
                                    "--source summaries")};

    const TChainUrl url = chainUrl(args);
    QString problem;
    TChainDb db;
    if (!db.open(url, ChainConnectSeconds))
        return fail(TCli::tr("chain report: cannot connect to %1: %2").arg(url.text(), db.error()));
    if (schemaVersion(db) <= 0)
        return fail(TCli::tr("chain report: %1 holds no chain schema (see 'veltrum chain init')")
                            .arg(url.text()));
    QList<TChainOutlet> known;
    if (!chainOutlets(db, known, &problem))
        return fail(TCli::tr("chain report: %1").arg(problem));
    const QList<int> outlets = chosenOutlets(args, known);
    if (outlets.isEmpty())
        return fail(TCli::tr("chain report: no outlet has sent a day yet"));

    // days an outlet never sent are no part of the figures: said, and a
    // failure unless accepted
    QMap<int, QList<QDate>> missing;
    if (!missingDays(db, outlets, request.from, last, missing, &problem))
        return fail(TCli::tr("chain report: %1").arg(problem));

    bool fromGroups = false;
    if (source != Summaries && plain) {
        problem.clear();
        fromGroups = hasAllGroups(db, outlets, request.from, last, &problem);
        if (!problem.isEmpty())
            return fail(TCli::tr("chain report: %1").arg(problem));
        if (!fromGroups && source == Groups)
            return fail(TCli::tr("chain report: not every day of these outlets has its groups "
                                 "stored (sent by an earlier version); --source summaries reads "
                                 "the day summaries"));
    }

    // one report over all the chosen outlets, or one per outlet
    QList<QList<int>> runs;
    if (perOutlet) {
        for (int office : outlets)
            runs << QList<int> {office};
    } else {
        runs << outlets;
    }
    const TReportKind *kind = reportKind(request.kind);
    QStringList lines;
    QJsonArray reports;
    QList<QStringList> rows;
    for (const QList<int> &offices : runs) {
        TChainInstallation installation;
        // one outlet's report names it as its own does; several, by number
        const QString name = offices.size() == 1 ? QString() : outletNames(offices);
        if (!installation.fill(db, offices, request.from, last, name, !fromGroups, &problem))
            return fail(TCli::tr("chain report: %1").arg(problem));
        TChainDaySource days(db, offices, last);
        const TReportResult result = runOver(installation, request, fromGroups ? &days : nullptr);
        if (!days.error().isEmpty())
            return fail(TCli::tr("chain report: %1").arg(days.error()));
        if (result.status == TReportResult::Cancelled || TInterrupt::requested())
            return fail(TCli::tr("chain report: interrupted; nothing was written"),
                        ExitInterrupted);
        if (result.status == TReportResult::NotAvailable)
            return fail(TCli::tr("chain report: kind %1 is not available on the command line")
                                .arg(request.kind));
        if (perOutlet && !lines.isEmpty())
            lines << QString();
        lines << result.displayLines();
        QJsonObject report = result.data;
        QJsonArray numbers;
        for (int office : offices)
            numbers.append(office);
        report.insert(QStringLiteral("outlets"), numbers);
        reports.append(report);
        // the rows only for CSV and the workbook: they are the data once more
        QList<QStringList> csv;
        if (output.wantsRows()) {
            csv = TSummaryExport::csvRows(result.data);
            output.setCurrency(result.data);
        }
        for (int i = 0; i < csv.size(); ++i) {
            if (i == 0 && !rows.isEmpty())
                continue; // one header row
            csv[i].prepend(i == 0 ? QStringLiteral("outlets")
                                  : (offices.size() == 1 ? QString::number(offices.first())
                                                         : QStringLiteral("all")));
            rows << csv[i];
        }
    }
    const QJsonObject data = perOutlet ? QJsonObject {{QStringLiteral("format"), 1},
                                                      {QStringLiteral("reports"), reports}}
                                       : reports.first().toObject();
    if (!output.write(lines, data, rows, reportCaption(*kind)))
        return ExitFailure;
    if (missing.isEmpty())
        return ExitOk;
    QStringList gaps;
    for (auto it = missing.cbegin(); it != missing.cend(); ++it)
        gaps << TCli::tr("outlet %1: %2").arg(it.key()).arg(dayRangesText(it.value()));
    const bool allowed = args.isSet(QStringLiteral("allow-missing"));
    const QString text = TCli::tr("the chain database does not hold these days, which the "
                                  "figures leave out: %1")
                                 .arg(gaps.join(QStringLiteral("; ")));
    if (allowed) {
        err() << TCli::tr("veltrum: chain report: %1").arg(text) << Qt::endl;
        return ExitOk;
    }
    return fail(
            TCli::tr("chain report: %1 (--allow-missing accepts a report without them)").arg(text));
}

} // namespace

TCommand chainReportCommand()
{
    TCommand command;
    command.name = QStringLiteral("chain report");
    command.summary = TCli::tr("print a summary over the closed days of several outlets");
    command.description = TCli::tr(
            "Prints the summary of report kind ID (3 to 42, as 'veltrum report') over the closed "
            "days --from to --to of the outlets in the chain database: consolidated into one "
            "report, or one report per outlet with --per-outlet. The report is the local one, "
            "computed by the same report engine from the days the outlets sent: for a single "
            "outlet it prints, line by line, what 'veltrum report' prints in that outlet's "
            "installation over the same days. Captions, master data and settings are those of "
            "the outlet with the lowest office number among them, as it sent them with its last "
            "day; the header of a consolidated report names the outlets by number.\n\n"
            "The days come from the groups each outlet stored with its day, as the report "
            "engine adds them up (--source groups): a day's groups of every outlet are added to "
            "the report, in office order. --turnover, --trainee and --without-credits, and days "
            "sent by an earlier version, read the stored day summaries instead (--source "
            "summaries): every table of the day, run through the report engine. --source auto, "
            "the default, takes the groups whenever they serve.\n\n"
            "--format csv and json write the data the lines come from (csv with the outlet in "
            "the first column), pdf the printed page.");
    command.options = {
            chainDbOption(true),
            chainPasswordFileOption(),
            {{QStringLiteral("kind")},
             QStringLiteral("ID"),
             TCli::tr("The report kind, 3 to 42."),
             true},
            chainFromOption(TCli::tr("The first closed day of the report.")),
            chainToOption(),
            chainOutletsOption(),
            {{QStringLiteral("per-outlet")},
             QString(),
             TCli::tr("One report per outlet, one after another, instead of one over all."),
             false},
            periodOption(),
            {{QStringLiteral("allow-missing")},
             QString(),
             TCli::tr("Accept days of the range that an outlet never sent: the report leaves "
                      "them out and names them on standard error, with exit code 0."),
             false},
    };
    command.options << tableChoiceOptions();
    command.options << QList<TCommandOption> {
            {{QStringLiteral("source")},
             QStringLiteral("auto|groups|summaries"),
             TCli::tr("Add up the stored groups, or run the report engine over the stored day "
                      "summaries; auto (default): the groups whenever they serve."),
             false},
            nowOption(),
            formatOption(),
            outputOption(),
    };
    command.exitCodes = {
            {ExitOk, TCli::tr("the report was written (also when nothing matched)")},
            {ExitFailure, TCli::tr("a day of the range that an outlet never sent (listed per "
                                   "outlet after the report; see --allow-missing), the server "
                                   "cannot be reached or holds no chain schema, a "
                                   "stored day cannot be read (or, with --source groups, has no "
                                   "groups), or the --output file cannot be written")},
            {ExitUsage, TCli::tr("wrong arguments: an unknown option, a kind that is no "
                                 "summary, an outlet the database does not hold, a bad date or "
                                 "URL")},
            {ExitInterrupted, TCli::tr("interrupted by Ctrl-C; nothing was written")},
    };
    command.run = runChainReport;
    return command;
}
