#include "commands.h"

#include "cliutil.h"
#include "exceptionsargs.h"
#include "targs.h"
#include "tchainargs.h"
#include "tchaindb.h"
#include "tchaininstallation.h"
#include "tchainmigrations.h"
#include "tcurrencies.h"
#include "tdataargs.h"
#include "texceptionsrun.h"
#include "toutput.h"
#include "tprogressprinter.h"
#include "tworkspacelists.h"

#include <QDir>

#include <memory>
#include <vector>

using namespace ChainLib;
using namespace PosLib;

namespace {

int runChainExceptions(TArgs &args)
{
    TExceptionsRequest request;
    args.dateRange(request.from, request.to, true);
    if (!request.from.isValid())
        throw TUsageError {TCli::tr("--from is required: the chain holds closed days")};
    const QDate last = request.to.isValid() ? request.to : request.from;
    // the outlets' days lie in temporary installations, read once
    request.dayCache = false;
    const TExceptionEntries entries = readExceptionsOptions(args, request);
    TOutput output(args, true);

    const TChainUrl url = chainUrl(args);
    QString problem;
    TChainDb db;
    if (!db.open(url, ChainConnectSeconds))
        return fail(
                TCli::tr("chain exceptions: cannot connect to %1: %2").arg(url.text(), db.error()));
    if (schemaVersion(db) <= 0)
        return fail(TCli::tr("chain exceptions: %1 holds no chain schema (see 'veltrum chain "
                             "init')")
                            .arg(url.text()));
    QList<TChainOutlet> known;
    if (!chainOutlets(db, known, &problem))
        return fail(TCli::tr("chain exceptions: %1").arg(problem));
    const QList<int> outlets = chosenOutlets(args, known);
    if (outlets.isEmpty())
        return fail(TCli::tr("chain exceptions: no outlet has sent a day yet"));

    // each outlet's day summaries in an installation of its own, so that
    // its waiters stay its own
    std::vector<std::unique_ptr<TChainInstallation>> installations;
    QList<TExceptionSource> sources;
    for (int office : outlets) {
        auto installation = std::make_unique<TChainInstallation>();
        if (!installation->fill(db, {office}, request.from, last, QString(), true, &problem))
            return fail(TCli::tr("chain exceptions: %1").arg(problem));
        sources << TExceptionSource {office, installation->root()};
        installations.push_back(std::move(installation));
    }
    // the rules, captions and currency of the outlet with the lowest number
    const QString root = installations.front()->root();
    const QString started = QDir::currentPath();
    QDir::setCurrent(root);
    TWorkspaceLists lists(root);
    TExceptionsRun run(&lists, root);
    run.setSources(sources);
    TProgressPrinter progress(stderr);
    followExceptionsRun(args, run, progress);
    const TExceptionsResult result = run.run(request);
    progress.done();
    QDir::setCurrent(started);
    return writeExceptions(output, result,
                           static_cast<TCurrencies *>(lists.get(QStringLiteral("currencies"))),
                           entries, QStringLiteral("chain exceptions"));
}

} // namespace

TCommand chainExceptionsCommand()
{
    TCommand command;
    command.name = QStringLiteral("chain exceptions");
    command.summary = TCli::tr("the exceptions per waiter over the closed days of several outlets");
    command.description = TCli::tr(
            "Runs 'veltrum exceptions' over the closed days --from to --to of the outlets in the "
            "chain database: each outlet's days from the day summaries it sent, each waiter and "
            "cost center of each outlet a group of its own (\"Outlet 3 / 12 Anna\"), compared with "
            "the team of all outlets together. The entries behind a flag name their outlet, day, "
            "table, bill and archive number; the bill itself lies in the outlet's installation. "
            "The rules (section [Exceptions] of etc/reports.ini), captions and currency are those "
            "of the outlet with the lowest office number among those chosen, as it sent them with "
            "its last day.");
    command.options = {
            chainDbOption(true),
            chainPasswordFileOption(),
            chainFromOption(TCli::tr("The first closed day.")),
            chainToOption(),
            chainOutletsOption(),
    };
    command.options << tableChoiceOptions();
    command.options << exceptionsRuleOptions();
    command.options << exceptionsOutputOptions();
    command.exitCodes = {
            {ExitOk, TCli::tr("the exceptions were written (also when nothing matched)")},
            {ExitFailure, TCli::tr("the server cannot be reached or holds no chain schema, a "
                                   "stored day cannot be read, or the --output file cannot be "
                                   "written")},
            {ExitUsage, TCli::tr("wrong arguments: an unknown option, an outlet the database "
                                 "does not hold, a bad date, number or URL")},
            {ExitInterrupted, TCli::tr("interrupted by Ctrl-C; nothing was written")},
    };
    command.run = runChainExceptions;
    return command;
}
