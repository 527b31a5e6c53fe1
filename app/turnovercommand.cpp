#include "commands.h"

#include "cliutil.h"
#include "dotnetpluginhost.h"
#include "targs.h"
#include "tclosingpreview.h"
#include "tcountargs.h"
#include "tcurrencies.h"
#include "tdataargs.h"
#include "tfigures.h"
#include "tinstallation.h"
#include "tpluginbridge.h"
#include "tpricetext.h"
#include "tturnover.h"
#include "tturnoverflow.h"
#include "tvalue.h"

using namespace PosLib;

namespace {

QString dayText(const QDate &day)
{
    return day.toString(Qt::ISODate);
}

QString tableText(const TOpenTable &table)
{
    // a held table is not read: its waiter is unknown
    if (table.waiter == 0)
        return TCli::tr("table %1/%2").arg(table.table).arg(table.party);
    return TCli::tr("table %1/%2, waiter %3 %4")
            .arg(table.table)
            .arg(table.party)
            .arg(table.waiter)
            .arg(table.waiterName)
            .trimmed();
}

TCurrencies *currenciesOf(TDataArgs &data)
{
    return static_cast<TCurrencies *>(data.lists().get(QStringLiteral("currencies")));
}

// The exit code of a preview's verdict.
int verdictCode(const TClosingPreview &preview)
{
    switch (preview.verdict()) {
    case TClosingPreview::GoesThrough:
        return ExitOk;
    case TClosingPreview::StoppedByOpenTables:
        return ExitOpenTables;
    case TClosingPreview::Refused:
        break;
    }
    return ExitFailure;
}

// Beyond the tolerance without a comment: the count is not recorded.
QString missingCommentText(const TCashCount &count, const TCurrencies *currencies)
{
    return TCli::tr("the cash count differs by %1, more than the tolerance of %2: say why with "
                    "--comment")
            .arg(moneyText(currencies, long(count.difference())),
                 moneyText(currencies, long(count.tolerance)));
}

int dryRun(TDataArgs &data, const TClosingPreview &preview, const TCashCountInput &input)
{
    const TTurnoverRequest &request = preview.request();
    const TCurrencies *currencies = currenciesOf(data);
    out() << TCli::tr("Dry run: closing %1 (%2); nothing is written.")
                     .arg(dayText(request.date), request.waiter
                                                         ? TCli::tr("waiter %1 %2")
                                                                   .arg(request.waiter->id())
                                                                   .arg(request.waiter->name())
                                                         : TCli::tr("whole day"))
          << '\n';
    for (const TPreviewItem &item : preview.items(currencies))
        out() << QStringLiteral("  %1 ").arg(item.markText(), -5) << item.text << '\n';
    out() << '\n';
    for (const QString &line : preview.figureLines(currencies))
        out() << line << '\n';
    int code = verdictCode(preview);
    QString reason = preview.reason();
    if (!input.isEmpty()) {
        const TCashCount count = preview.count(input);
        out() << '\n';
        for (const QString &line : cashCountLines(count, currencies))
            out() << line << '\n';
        if (reason.isEmpty() && count.lacksComment()) {
            code = ExitFailure;
            reason = missingCommentText(count, currencies);
        }
    }
    out() << '\n';
    if (reason.isEmpty())
        out() << TCli::tr("The closing would go through.") << '\n';
    else
        out() << TCli::tr("The closing would not go through: %1").arg(reason) << '\n';
    out().flush();
    return code;
}

QString waiterText(const Basics::TValue *waiter)
{
    return waiter ? QStringLiteral("%1 %2").arg(waiter->id()).arg(waiter->name()).trimmed()
                  : QString();
}

int runTurnoverCommand(TArgs &args)
{
    TDataArgs data(args);
    TTurnoverRequest request;
    request.date = args.date(QStringLiteral("date"));
    request.waiter = data.waiter(QStringLiteral("waiter"));
    request.executingWaiter = data.waiter(QStringLiteral("exec-waiter"));
    request.cancelIfEmpty = args.isSet(QStringLiteral("cancel-if-empty"));
    request.now = args.dateTime(QStringLiteral("now"));
    request.root = data.root();
    request.terminals = data.lists().get(QStringLiteral("terminals"));
    const bool force = args.isSet(QStringLiteral("force"));
    const TCurrencies *currencies = currenciesOf(data);

    // the preview also tells what a count can name
    const TClosingPreview preview(request, force);
    request.count = countInput(args, data.root(), preview.countItems(countableItems(&data.lists())),
                               waiterText(request.executingWaiter));
    if (args.isSet(QStringLiteral("dry-run")))
        return dryRun(data, preview, request.count);

    // refused before anything is written
    if (preview.check().fiscalized || (preview.closedBefore() && !force))
        return fail(TCli::tr("turnover: %1").arg(preview.reason()));
    if (!request.count.isEmpty()) {
        const TCashCount count = preview.count(request.count);
        if (count.lacksComment())
            return fail(TCli::tr("turnover: %1").arg(missingCommentText(count, currencies)));
    }
    if (preview.closedBefore() && preview.check().forecast.result == TurnoverDone)
        err() << TCli::tr("veltrum: turnover: closing %1 again; Z counter %2 is used")
                         .arg(dayText(request.date))
                         .arg(preview.z())
              << Qt::endl;

    DotNetPluginLibrary::DotNetPluginHost plugins(
            DotNetPluginLibrary::DotNetPluginHost::findPluginDir(data.root()));
    setPluginBridge(&plugins);
    bool stoppedByOpenTables = false;
    const TTurnoverOutcome result = runTurnover(request, [&](const QString &, const QString &) {
        if (force)
            return true;
        stoppedByOpenTables = true;
        return false;
    });
    setPluginBridge(nullptr);

    const TClosingOutcome &closing = result.closing;
    switch (result.status) {
    case TTurnoverOutcome::Done:
    case TTurnoverOutcome::Incomplete:
        out() << TCli::tr("Closed %1: %2 bills moved into %3")
                         .arg(dayText(request.date))
                         .arg(result.moved)
                         .arg(result.dayDirectory)
              << '\n'
              << TCli::tr("Z counter %1, the day's Z number %2")
                         .arg(result.zCounter)
                         .arg(result.dayZ)
              << '\n'
              << TCli::tr("Outcome: %1").arg(closing.summary()) << '\n';
        if (result.recorded)
            out() << TCli::tr("%1 %2, %3 %4")
                             .arg(figureCaption(TFigure::BillTotal),
                                  moneyText(currencies, long(result.billTotal)),
                                  figureCaption(TFigure::AllAmount),
                                  moneyText(currencies, long(result.takings)))
                  << '\n';
        if (!result.count.isEmpty()) {
            out() << '\n';
            for (const QString &line : cashCountLines(result.count, currencies))
                out() << line << '\n';
        }
        out().flush();
        if (result.status == TTurnoverOutcome::Done)
            return ExitOk;
        for (const TLeftBill &bill : closing.leftBehind)
            err() << TCli::tr("veltrum: turnover: left in var/archives: %1").arg(bill.text())
                  << '\n';
        for (const QString &problem : closing.problems)
            err() << TCli::tr("veltrum: turnover: %1").arg(problem) << '\n';
        if (closing.diskFull)
            err() << TCli::tr(
                    "veltrum: turnover: the disk is full; make room, then run the closing "
                    "again to move the rest")
                  << '\n';
        err().flush();
        return closing.diskFull ? ExitDiskFull : ExitIncomplete;
    case TTurnoverOutcome::Declined: {
        if (!stoppedByOpenTables)
            return ExitFailure;
        const QList<TOpenTable> open = openTables(request.root, request.waiter);
        fail(TCli::tr("turnover: there still are open tables; close them on the terminals, or add "
                      "--force to close the day all the same:"));
        for (const TOpenTable &table : open) {
            if (table.heldBy == 0)
                err() << QStringLiteral("  ") << tableText(table) << '\n';
        }
        err().flush();
        return ExitOpenTables;
    }
    case TTurnoverOutcome::AlreadyFiscalized:
        return fail(TCli::tr("turnover: %1").arg(result.text));
    case TTurnoverOutcome::Failed: {
        TTurnoverForecast after;
        after.lockBusy = result.code == TurnoverAlreadyDone && request.waiter
                         && !journalHasWaiterRun(statistDayDir(request.date, request.root)
                                                         + QStringLiteral("turnover.z"),
                                                 request.waiter->id());
        if (result.code == TurnoverError && !closing.failure.isEmpty()) {
            for (const TLeftBill &bill : closing.leftBehind)
                err() << TCli::tr("veltrum: turnover: left in var/archives: %1").arg(bill.text())
                      << '\n';
            return fail(TCli::tr("turnover: the closing of %1 failed: %2%3; %4 bills moved before "
                                 "stay moved")
                                .arg(dayText(request.date),
                                     closing.diskFull ? TCli::tr("the disk is full: ") : QString(),
                                     closing.failure)
                                .arg(closing.moved),
                        closing.diskFull ? ExitDiskFull : ExitFailure);
        }
        return fail(TCli::tr("turnover: %1").arg(closingRefusalText(result.code, request, after)));
    }
    }
    return ExitFailure;
}

} // namespace

TCommand turnoverCommand()
{
    TCommand command;
    command.name = QStringLiteral("turnover");
    command.summary = TCli::tr("close the business day (of one waiter)");
    command.description = TCli::tr(
            "Closes the business day --date as the back office does: the paid tables of "
            "var/archives move into var/statist/tagDD.MM.YYYY, stamped with the run's Z counter, "
            "the day gets its Z number, the run is journalled in the day's turnover.z, the day "
            "summary and the archive index are rebuilt, the statistics are uploaded and every "
            "terminal is told. With --waiter only that waiter's tables move.\n\n"
            "Success prints the number of bills moved, the day directory, the Z counter the run "
            "used, the day's Z number and the outcome: \"done\"; \"done with N bills left "
            "behind\", each bill named on stderr with the reason it stays in var/archives "
            "(unreadable, damaged, its stamp or its copy could not be written) while the rest "
            "of the day closes; or \"done, but\" a step after the moves failed (the day summary, "
            "the archive index, telling the terminals). A run that fails says why; bills it "
            "moved before stay moved. A full disk is named as such. Open tables on the terminals "
            "stop the closing and are "
            "listed, unless --force is given. A day that already has a fiscal summary file is "
            "refused. A day that was closed as a whole before is closed again only with --force, "
            "since every run uses a Z number (waiter closings leave the day open).\n\n"
            "--dry-run writes nothing: it checks the lock, the fiscal files, the open and held "
            "tables and the journal, and tells which bills would move (count and bill total), the "
            "Z counter the run would use and the day's Z number, the takings by their named "
            "figures, the payment forms, the open tables with waiter and amount, and the cash "
            "count, then exits with the code the real run would give. The closing dialog of the "
            "window shows the same preview.\n\n"
            "Cash count: --count NAME=AMOUNT, once per payment form or cash currency (\"cash\" "
            "the system currency's cash, \"cash CHF\" francs counted in francs, \"EC card\" a "
            "payment form by name or number), --float the opening float (in the system currency), "
            "or --count-file FILE with one NAME=AMOUNT per line and the lines float=, comment= "
            "and counted-by= (empty lines and lines starting with # are skipped). Amounts are "
            "written 412.50 or 412,50. Expected is what the closing's bills say: per payment form "
            "payments + tip + non refund; for cash what was handed over less the change, with "
            "the cash in and cash out records and the float (docs/figures.md). A count whose "
            "difference is above the tolerance (--tolerance, else cashtolerance in [Settings] of "
            "etc/globals.ini, else 5.00) needs --comment, or the closing is refused. Counts, "
            "float, differences, comment and who counted (--counted-by, else --exec-waiter) are "
            "sealed into the closing record; 'veltrum z' and the Z report show them.");
    command.options = {
            dataOption(),
            {{QStringLiteral("date")},
             QStringLiteral("yyyy-MM-dd"),
             TCli::tr("The business day to close."),
             true},
            {{QStringLiteral("waiter")},
             QStringLiteral("N"),
             TCli::tr("Close only the tables of waiter N. An unknown waiter is an error."),
             false},
            {{QStringLiteral("exec-waiter")},
             QStringLiteral("N"),
             TCli::tr("The waiter who runs the closing (journalled and named in the terminals' "
                      "message). An unknown waiter is an error."),
             false},
            {{QStringLiteral("cancel-if-empty")},
             QString(),
             TCli::tr("Give up when var/archives holds nothing to move."),
             false},
            {{QStringLiteral("force")},
             QString(),
             TCli::tr(
                     "Close even while tables are open, and close again a day that was closed as a "
                     "whole before (a Z number is used)."),
             false},
            {{QStringLiteral("dry-run")},
             QString(),
             TCli::tr("Check and tell what the closing would do, without writing anything."),
             false},
            {{QStringLiteral("count")},
             QStringLiteral("NAME=AMOUNT"),
             TCli::tr("What was counted for a payment form or a cash currency; repeat for each."),
             false,
             true},
            {{QStringLiteral("count-file")},
             QStringLiteral("FILE"),
             TCli::tr("Read the count from FILE (NAME=AMOUNT lines, float=, comment=, "
                      "counted-by=)."),
             false},
            {{QStringLiteral("float")},
             QStringLiteral("AMOUNT"),
             TCli::tr("The opening float the drawer started with."),
             false},
            {{QStringLiteral("comment")},
             QStringLiteral("TEXT"),
             TCli::tr("Why the count differs; needed above the tolerance."),
             false},
            {{QStringLiteral("counted-by")},
             QStringLiteral("NAME"),
             TCli::tr("Who counted (default: the --exec-waiter)."),
             false},
            {{QStringLiteral("tolerance")},
             QStringLiteral("AMOUNT"),
             TCli::tr("The difference up to which no comment is needed."),
             false},
            nowOption(),
    };
    command.exitCodes = {
            {ExitOk, TCli::tr("the day was closed (with --dry-run: it would be)")},
            {ExitFailure,
             TCli::tr("the closing was refused or failed: the day is fiscalized or was "
                      "closed before (without --force), the cash count differs beyond the "
                      "tolerance without --comment, there is nothing to close "
                      "(--cancel-if-empty), the waiter owns an open table or closed this "
                      "day already, another closing is running, or a file error")},
            {ExitUsage,
             TCli::tr("wrong arguments: an unknown option or waiter, a bad date, no such "
                      "directory, a bad count (an amount, a name that is no payment form or "
                      "currency, a count file that cannot be read or has a bad line)")},
            {ExitOpenTables,
             TCli::tr("open tables stopped the closing (see --force); with --dry-run: "
                      "they would")},
            {ExitIncomplete,
             TCli::tr("the day was closed, but bills were left behind in var/archives "
                      "or a step after the moves failed (listed on stderr); a later "
                      "closing moves the rest")},
            {ExitDiskFull,
             TCli::tr("the disk is full: the closing failed, or closed the day leaving "
                      "bills behind (listed on stderr)")},
    };
    command.run = runTurnoverCommand;
    return command;
}
