#include "commands.h"

#include "cliutil.h"
#include "dotnetpluginhost.h"
#include "targs.h"
#include "tcurrencies.h"
#include "tdataargs.h"
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

// True when the day was closed as a whole before: closing it again uses a
// Z number, so it takes --force. Waiter runs leave the day open for the
// others and for the whole-day closing.
bool closedAsWhole(const QStringList &journal)
{
    for (const QString &line : journal) {
        if (isWholeDayRun(line))
            return true;
    }
    return false;
}

// The amount as the installation writes money, with its currency.
QString amountText(TDataArgs &data, qint64 cents)
{
    return moneyText(static_cast<TCurrencies *>(data.lists().get(QStringLiteral("currencies"))),
                     long(cents));
}

// Why the run itself would refuse, by its result code.
QString refusalText(int code, const TTurnoverRequest &request, const TTurnoverForecast &forecast)
{
    switch (code) {
    case TurnoverNothingToMove:
        return TCli::tr("Nothing to close for %1: var/archives holds no paid table "
                        "(--cancel-if-empty)")
                .arg(dayText(request.date));
    case TurnoverOpenTables:
        return TCli::tr("Waiter %1 still owns an open table; the closing of their tables was "
                        "refused")
                .arg(request.waiter ? request.waiter->id() : 0);
    case TurnoverAlreadyDone:
        if (forecast.lockBusy || !request.waiter)
            return TCli::tr("Another closing is running (var/lock/turnover.lck is held); try again "
                            "when it has ended");
        return TCli::tr("Waiter %1 closed %2 already")
                .arg(request.waiter->id())
                .arg(dayText(request.date));
    case TurnoverError:
        if (!forecast.problem.isEmpty())
            return forecast.problem;
        return TCli::tr("The closing of %1 failed inside; what was moved stays moved (--log FILE "
                        "records the cause)")
                .arg(dayText(request.date));
    default:
        return TCli::tr("The closing of %1 failed with code %2")
                .arg(dayText(request.date))
                .arg(code);
    }
}

// The verdict of the checks, in the order the closing makes them.
struct Verdict
{
    int exitCode = ExitOk;
    QString reason; // empty when the closing would go through
};

Verdict verdictOf(const TTurnoverCheck &check, const TTurnoverRequest &request, bool force)
{
    if (check.fiscalized)
        return {ExitFailure, TCli::tr("This day is already fiscalized!")};
    if (!force && closedAsWhole(check.forecast.journal))
        return {ExitFailure,
                TCli::tr(
                        "%1 was closed already; closing it again uses Z counter %2 (add --force to "
                        "do so)")
                        .arg(dayText(request.date))
                        .arg(check.forecast.zCounter)};
    if (!force && !check.openTables().isEmpty())
        return {ExitOpenTables,
                TCli::tr("There still are open tables (add --force to close the day "
                         "all the same)")};
    if (check.forecast.result != TurnoverDone)
        return {ExitFailure, refusalText(check.forecast.result, request, check.forecast)};
    return {};
}

// One line of the checklist: "  ok    text".
void item(const char *mark, const QString &text)
{
    out() << QStringLiteral("  %1 ").arg(QLatin1String(mark), -5) << text << '\n';
}

int dryRun(TDataArgs &data, const TTurnoverRequest &request, bool force)
{
    const TTurnoverCheck check = checkTurnover(request);
    const TTurnoverForecast &f = check.forecast;
    const Verdict verdict = verdictOf(check, request, force);

    out() << TCli::tr("Dry run: closing %1 (%2); nothing is written.")
                     .arg(dayText(request.date), request.waiter
                                                         ? TCli::tr("waiter %1 %2")
                                                                   .arg(request.waiter->id())
                                                                   .arg(request.waiter->name())
                                                         : TCli::tr("whole day"))
          << '\n';
    if (f.lockBusy)
        item("stop", TCli::tr("another closing holds var/lock/turnover.lck"));
    else
        item("ok", TCli::tr("the lock is free"));
    if (request.waiter)
        item("ok", TCli::tr("fiscal summary files are not checked for a waiter's closing"));
    else if (check.fiscalized)
        item("stop", TCli::tr("the day has a fiscal summary file in var/reports"));
    else
        item("ok", TCli::tr("no fiscal summary file of the day"));

    const QList<TOpenTable> open = check.openTables();
    if (open.isEmpty())
        item("ok", TCli::tr("no open table on the terminals"));
    else
        item(force ? "note" : "stop",
             force ? TCli::tr("open tables: %1; --force closes the day all the same")
                             .arg(open.size())
                   : TCli::tr("open tables: %1; they stop the closing (see --force)")
                             .arg(open.size()));
    for (const TOpenTable &table : open)
        out() << QStringLiteral("          ") << tableText(table) << '\n';
    for (const TOpenTable &table : check.tables) {
        if (table.heldBy != 0)
            item("note", TCli::tr("%1 is held by terminal %2 and stays open")
                                 .arg(tableText(table))
                                 .arg(table.heldBy));
    }

    if (f.journal.isEmpty())
        item("ok", TCli::tr("the day was not closed before"));
    else
        item(closedAsWhole(f.journal) && !force ? "stop" : "note",
             TCli::tr("the day's journal has %1 run(s) already (%2turnover.z)")
                     .arg(f.journal.size())
                     .arg(f.dayDirectory));
    if (!f.pendingMove.isEmpty())
        item("note", TCli::tr("the interrupted move of %1 is completed first").arg(f.pendingMove));
    for (const QString &note : f.notes)
        item("note", note);
    if (f.result != TurnoverDone && !f.lockBusy)
        item("stop", refusalText(f.result, request, f));
    item("info", TCli::tr("%1 bills would move (bill total %2) into %3")
                         .arg(f.bills.size())
                         .arg(amountText(data, f.amount), f.dayDirectory));
    item("info", f.drawsDayZ ? TCli::tr("Z counter %1 would be used; the day would get Z number %2")
                                       .arg(f.zCounter)
                                       .arg(f.dayZ)
                             : TCli::tr("Z counter %1 would be used; the day keeps its Z number %2")
                                       .arg(f.zCounter)
                                       .arg(f.dayZ));
    if (verdict.reason.isEmpty())
        out() << TCli::tr("The closing would go through.") << '\n';
    else
        out() << TCli::tr("The closing would not go through: %1").arg(verdict.reason) << '\n';
    out().flush();
    return verdict.exitCode;
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
    if (args.isSet(QStringLiteral("dry-run")))
        return dryRun(data, request, force);

    // refused before anything is written
    const TTurnoverCheck check = checkTurnover(request);
    if (check.fiscalized || (closedAsWhole(check.forecast.journal) && !force)) {
        return fail(TCli::tr("turnover: %1").arg(verdictOf(check, request, force).reason));
    }
    if (closedAsWhole(check.forecast.journal) && check.forecast.result == TurnoverDone)
        err() << TCli::tr("veltrum: turnover: closing %1 again; Z counter %2 is used")
                         .arg(dayText(request.date))
                         .arg(check.forecast.zCounter)
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
              << TCli::tr("Outcome: %1").arg(closing.summary()) << Qt::endl;
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
        return fail(TCli::tr("turnover: %1").arg(refusalText(result.code, request, after)));
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
            "tables and the journal, and tells which bills would move (count and amount), the Z "
            "counter the run would use and the day's Z number, then exits with the code the real "
            "run would give.");
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
            nowOption(),
    };
    command.exitCodes = {
            {ExitOk, TCli::tr("the day was closed (with --dry-run: it would be)")},
            {ExitFailure,
             TCli::tr("the closing was refused or failed: the day is fiscalized or was "
                      "closed before (without --force), there is nothing to close "
                      "(--cancel-if-empty), the waiter owns an open table or closed this "
                      "day already, another closing is running, or a file error")},
            {ExitUsage,
             TCli::tr("wrong arguments: an unknown option or waiter, a bad date, no such "
                      "directory")},
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
