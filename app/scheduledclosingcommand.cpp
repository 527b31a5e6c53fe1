#include "commands.h"

#include "cliutil.h"
#include "dotnetpluginhost.h"
#include "targs.h"
#include "tchainargs.h"
#include "tchainqueue.h"
#include "tchainupload.h"
#include "terror.h"
#include "tinstallation.h"
#include "tinstallationconfig.h"
#include "tpluginbridge.h"
#include "tsavefile.h"
#include "tturnover.h"
#include "tturnoverflow.h"
#include "tworkspacelists.h"

#include <QDir>
#include <QFile>

using namespace PosLib;

namespace {

QString dayText(const QDate &day)
{
    return day.toString(Qt::ISODate);
}

// The last day the timer handled without a journal line to show for it
// (nothing was to close): "var/timer-closing", one ISO date.
QString stateFile(const QString &root)
{
    return root + QStringLiteral("var/timer-closing");
}

QDate handledDay(const QString &root)
{
    QFile file(stateFile(root));
    if (!file.open(QIODevice::ReadOnly))
        return QDate();
    return QDate::fromString(QString::fromLatin1(file.readLine().trimmed()), Qt::ISODate);
}

void saveHandledDay(const QString &root, const QDate &day)
{
    Basics::TSaveFile file(stateFile(root));
    file.open();
    file.write(dayText(day).toLatin1() + '\n');
    file.commit();
}

bool closedAsWhole(const QString &root, const QDate &day)
{
    QFile journal(statistDayDir(day, root) + QStringLiteral("turnover.z"));
    if (!journal.open(QIODevice::ReadOnly))
        return false;
    while (!journal.atEnd()) {
        if (isWholeDayRun(QString::fromLocal8Bit(journal.readLine())))
            return true;
    }
    return false;
}

struct Step
{
    int code = ExitOk;
    QString error; // for stderr; empty when all went well
};

// Closes `day` with the cancel-if-empty rule, unless it was closed or
// handled before.
Step closeDay(const TInstallationConfig &config, const QDate &day, const QDateTime &now,
              TWorkspaceLists &lists)
{
    const QString &root = config.data;
    if (closedAsWhole(root, day)) {
        out() << TCli::tr("%1 was closed already; nothing to do").arg(dayText(day)) << Qt::endl;
        return {};
    }
    if (handledDay(root) >= day) {
        out() << TCli::tr("%1 had nothing to close; nothing to do").arg(dayText(day)) << Qt::endl;
        return {};
    }

    TTurnoverRequest request;
    request.root = root;
    request.date = day;
    request.cancelIfEmpty = true;
    request.now = now;
    request.terminals = lists.get(QStringLiteral("terminals"));
    if (config.execWaiter != 0) {
        Basics::TValueList *waiters = lists.get(QStringLiteral("waiters"));
        request.executingWaiter = waiters ? waiters->find(config.execWaiter) : nullptr;
        if (!request.executingWaiter)
            return {ExitFailure, TCli::tr("%1: exec-waiter = %2: the installation has no such "
                                          "waiter")
                                         .arg(config.file)
                                         .arg(config.execWaiter)};
    }

    DotNetPluginLibrary::DotNetPluginHost plugins(
            DotNetPluginLibrary::DotNetPluginHost::findPluginDir(root));
    setPluginBridge(&plugins);
    bool openTablesClosed = false;
    const TTurnoverOutcome result = runTurnover(request, [&](const QString &, const QString &) {
        openTablesClosed = !config.waitForOpenTables;
        return openTablesClosed;
    });
    setPluginBridge(nullptr);

    switch (result.status) {
    case TTurnoverOutcome::Done:
    case TTurnoverOutcome::Incomplete: {
        out() << TCli::tr("Closed %1: %2 bills moved into %3; Z counter %4, the day's Z number %5")
                         .arg(dayText(day))
                         .arg(result.moved)
                         .arg(result.dayDirectory)
                         .arg(result.zCounter)
                         .arg(result.dayZ)
              << Qt::endl;
        if (openTablesClosed)
            out() << TCli::tr("Tables open on the terminals stay open for the next day")
                  << Qt::endl;
        if (result.status == TTurnoverOutcome::Done)
            return {};
        QStringList problems;
        for (const TLeftBill &bill : result.closing.leftBehind)
            problems << TCli::tr("left in var/archives: %1").arg(bill.text());
        problems << result.closing.problems;
        return {result.closing.diskFull ? ExitDiskFull : ExitIncomplete,
                TCli::tr("%1 closed, but: %2")
                        .arg(dayText(day), problems.join(QStringLiteral("; ")))};
    }
    case TTurnoverOutcome::Declined:
        return {ExitOpenTables,
                TCli::tr("tables are still open on the terminals; %1 is closed at the next run "
                         "after they are (open-tables = wait in %2)")
                        .arg(dayText(day), config.file)};
    case TTurnoverOutcome::AlreadyFiscalized:
        return {ExitFailure, TCli::tr("%1: %2").arg(dayText(day), result.text)};
    case TTurnoverOutcome::Failed:
        break;
    }
    if (result.code == TurnoverNothingToMove) {
        saveHandledDay(root, day);
        out() << TCli::tr("Nothing to close for %1: var/archives holds no paid table")
                         .arg(dayText(day))
              << Qt::endl;
        return {};
    }
    if (result.code == TurnoverAlreadyDone)
        return {ExitFailure, TCli::tr("the closing of %1 failed: another closing is running "
                                      "(var/lock/turnover.lck is held); retried at the next run")
                                     .arg(dayText(day))};
    const QString why = result.closing.failure.isEmpty() ? TCli::tr("code %1").arg(result.code)
                                                         : result.closing.failure;
    return {result.closing.diskFull ? ExitDiskFull : ExitFailure,
            TCli::tr("the closing of %1 failed: %2; %3 bills moved before stay moved; retried "
                     "at the next run")
                    .arg(dayText(day), why)
                    .arg(result.moved)};
}

// Sends the days still queued for the chain database, when the
// installation names one.
Step sendQueue(const QString &root)
{
    ChainLib::TChainQueue queue(root);
    if (queue.load().days.isEmpty())
        return {};
    ChainLib::TChainUrl url;
    QString problem;
    if (!installationChainUrl(root, url, problem))
        return {};
    if (!url.resolvePassword(QString(), &problem))
        return {ExitFailure, TCli::tr("chain database: %1").arg(problem)};
    const ChainLib::TPushResult result = ChainLib::pushDays(root, url, {}, ChainConnectSeconds);
    for (const QDate &day : result.sent)
        out() << TCli::tr("Sent %1 to the chain database").arg(dayText(day)) << Qt::endl;
    if (result.status == ChainLib::TPushResult::Sent)
        return {};
    QStringList left;
    for (const QDate &day : result.queued)
        left << dayText(day);
    return {ExitFailure, TCli::tr("the chain database %1: %2; still queued: %3 (sent at the next "
                                  "run)")
                                 .arg(url.text(), result.error, left.join(QStringLiteral(", ")))};
}

int runScheduledClosing(TArgs &args)
{
    TInstallationConfig config;
    QString error;
    const bool named = args.isSet(QStringLiteral("installation"));
    if (named == args.isSet(QStringLiteral("config")))
        throw TUsageError {TCli::tr("give --installation NAME or --config FILE")};
    if (named ? !config.load(args.text(QStringLiteral("installation")), &error)
              : !config.loadFile(args.filePath(QStringLiteral("config")), &error))
        return fail(TCli::tr("scheduled-closing: %1").arg(error));
    QDir::setCurrent(config.data);

    const QDateTime given = args.dateTime(QStringLiteral("now"));
    const QDateTime now = given.isValid() ? given : QDateTime::currentDateTime();
    // the day that ended at the last start of a gastronomic day plus the
    // delay: with days starting at 05:00 and a delay of 30 minutes, 4
    // December is due from 05:30 on 5 December
    const QDate due = businessDay(config.data, now.addSecs(-60 * config.delayMinutes)).addDays(-1);
    out() << TCli::tr("Installation %1 (%2): the day due is %3")
                     .arg(config.name, config.data, dayText(due))
          << Qt::endl;

    TWorkspaceLists lists(config.data);
    Step closing;
    try {
        closing = closeDay(config, due, given, lists);
    } catch (const Basics::TError &e) {
        closing = {ExitFailure, TCli::tr("the closing of %1 failed: %2; retried at the next run")
                                        .arg(dayText(due), errorText(e))};
    }
    Step upload;
    try {
        upload = sendQueue(config.data);
    } catch (const Basics::TError &e) {
        upload = {ExitFailure, TCli::tr("the chain queue: %1").arg(errorText(e))};
    }
    for (const Step &step : {closing, upload}) {
        if (!step.error.isEmpty())
            fail(TCli::tr("scheduled-closing: %1: %2").arg(config.name, step.error), step.code);
    }
    return closing.code != ExitOk ? closing.code : upload.code;
}

} // namespace

TCommand scheduledClosingCommand()
{
    TCommand command;
    command.name = QStringLiteral("scheduled-closing");
    command.summary = TCli::tr("close the day that is due, as the closing timer does");
    command.description = TCli::tr(
            "Closes the business day of an installation that the closing timer serves "
            "(veltrum-closing@NAME.timer, configured in /etc/veltrum/NAME.conf): the day that "
            "ended at the last start of the gastronomic day (\"dayoffs\" in the installation's "
            "etc/globals.ini) is due once the delay of the configuration has passed after it. "
            "It is closed as a whole with the cancel-if-empty rule: when var/archives holds no "
            "paid table nothing is closed and no Z number is used. Tables open on the terminals "
            "stay open for the next day (open-tables = close) or stop the closing until they "
            "are closed (open-tables = wait).\n\n"
            "A day closed before (a whole-day line in its journal, also one closed from the "
            "window) or found empty before is left alone, so running it again does nothing. "
            "A closing that fails says why on stderr and exits non-zero; the day is closed at "
            "the next run. Afterwards the days waiting in the chain queue (var/chain.queue) are "
            "sent when the installation's record names a chain database; a day that does not "
            "arrive stays queued for the next run and makes the exit code non-zero.");
    command.options = {
            {{QStringLiteral("installation")},
             QStringLiteral("NAME"),
             TCli::tr("The installation configured in /etc/veltrum/NAME.conf (or "
                      "$VELTRUM_CONFIG_DIR/NAME.conf)."),
             false},
            {{QStringLiteral("config")},
             QStringLiteral("FILE"),
             TCli::tr("The installation's configuration file, instead of --installation."),
             false},
            {{QStringLiteral("now")},
             QStringLiteral("yyyy-MM-ddThh:mm:ss"),
             TCli::tr("Fixes the clock: which day is due, and the time the closing records."),
             false},
    };
    command.exitCodes = {
            {ExitOk, TCli::tr("the day due was closed, or was closed or found empty before; the "
                              "chain queue is empty")},
            {ExitFailure,
             TCli::tr("the configuration cannot be read, the closing failed, or a queued day did "
                      "not reach the chain database: retried at the next run")},
            {ExitUsage, TCli::tr("wrong arguments: an unknown option, neither or both of "
                                 "--installation and --config")},
            {ExitOpenTables, TCli::tr("open tables stopped the closing (open-tables = wait)")},
            {ExitIncomplete, TCli::tr("the day was closed, but bills were left behind in "
                                      "var/archives or a step after the moves failed")},
            {ExitDiskFull, TCli::tr("the disk is full")},
    };
    command.run = runScheduledClosing;
    return command;
}
