#include "commands.h"

#include "cliutil.h"
#include "dotnetpluginhost.h"
#include "targs.h"
#include "tdataargs.h"
#include "tpluginbridge.h"
#include "tturnoverflow.h"

using namespace PosLib;

namespace {

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

    DotNetPluginLibrary::DotNetPluginHost plugins(
            DotNetPluginLibrary::DotNetPluginHost::findPluginDir(data.root()));
    setPluginBridge(&plugins);

    bool stoppedByOpenTables = false;
    const TTurnoverOutcome result
            = runTurnover(request, [&](const QString &, const QString &question) {
                  if (force)
                      return true;
                  err() << question << Qt::endl;
                  stoppedByOpenTables = true;
                  return false;
              });
    setPluginBridge(nullptr);

    switch (result.status) {
    case TTurnoverOutcome::Done:
        out() << result.text << Qt::endl;
        return ExitOk;
    case TTurnoverOutcome::Declined:
        return stoppedByOpenTables ? ExitOpenTables : ExitFailure;
    case TTurnoverOutcome::AlreadyFiscalized:
    case TTurnoverOutcome::Failed:
        err() << result.text << Qt::endl;
        return ExitFailure;
    }
    return ExitFailure;
}

} // namespace

TCommand turnoverCommand()
{
    TCommand command;
    command.name = QStringLiteral("turnover");
    command.summary = tr("close the business day (of one waiter)");
    command.description = tr(
            "Closes the business day --date as the back office does: the paid tables of "
            "var/archives move into var/statist/tagDD.MM.YYYY, stamped with the run's Z counter, "
            "the day gets its Z number, the run is journalled in the day's turnover.z, the day "
            "summary and the archive index are rebuilt, the statistics are uploaded and every "
            "terminal is told. With --waiter only that waiter's tables move.\n\n"
            "Open tables on the terminals stop the closing unless --force is given. A day that "
            "already has a fiscal summary file is refused.");
    command.options = {
            dataOption(),
            {{QStringLiteral("date")},
             QStringLiteral("yyyy-MM-dd"),
             tr("The business day to close."),
             true},
            {{QStringLiteral("waiter")},
             QStringLiteral("N"),
             tr("Close only the tables of waiter N. An unknown waiter is an error."),
             false},
            {{QStringLiteral("exec-waiter")},
             QStringLiteral("N"),
             tr("The waiter who runs the closing (journalled and named in the terminals' "
                "message). An unknown waiter is an error."),
             false},
            {{QStringLiteral("cancel-if-empty")},
             QString(),
             tr("Give up when var/archives holds nothing to move."),
             false},
            {{QStringLiteral("force")}, QString(), tr("Close even while tables are open."), false},
            nowOption(),
    };
    command.exitCodes = {
            {ExitOk, tr("the day was closed")},
            {ExitFailure, tr("the closing was refused or failed: the day is fiscalized, the "
                             "waiter owns an open table or closed this day already, the "
                             "closing is busy elsewhere, or a file error")},
            {ExitUsage, tr("wrong arguments: an unknown option or waiter, a bad date, no such "
                           "directory")},
            {ExitOpenTables, tr("open tables stopped the closing (see --force)")},
    };
    command.run = runTurnoverCommand;
    return command;
}
