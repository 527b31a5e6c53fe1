#include "turnovercommand.h"

#include "cliutil.h"
#include "dotnetpluginhost.h"
#include "tpluginbridge.h"
#include "tturnoverflow.h"
#include "tworkspacelists.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace PosLib;

namespace {

const char *const Usage
        = "usage: veltrum turnover --data DIR --date yyyy-MM-dd [--waiter N] [--exec-waiter N]\n"
          "         [--cancel-if-empty] [--force] [--now yyyy-MM-ddThh:mm:ss]";

// Exit code when open tables stop a closing that was not forced.
constexpr int ExitOpenTables = 3;

} // namespace

int runTurnoverCommand(const QStringList &args)
{
    QString data;
    QDate date;
    int waiterNumber = -1;
    int executingNumber = -1;
    bool force = false;
    TTurnoverRequest request;

    for (int i = 0; i < args.size(); ++i) {
        const QString option = args.at(i);
        if (option == QLatin1String("--force")) {
            force = true;
            continue;
        }
        if (option == QLatin1String("--cancel-if-empty")) {
            request.cancelIfEmpty = true;
            continue;
        }
        const bool takesValue
                = option == QLatin1String("--data") || option == QLatin1String("--date")
                  || option == QLatin1String("--waiter") || option == QLatin1String("--exec-waiter")
                  || option == QLatin1String("--now");
        if (!takesValue)
            return usageError(tr("turnover: unknown option '%1'").arg(option), Usage);
        if (i + 1 >= args.size())
            return usageError(tr("turnover: %1 needs a value").arg(option), Usage);
        const QString value = args.at(++i);
        bool ok = true;
        if (option == QLatin1String("--data")) {
            data = value;
        } else if (option == QLatin1String("--date")) {
            date = QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
            ok = date.isValid();
        } else if (option == QLatin1String("--waiter")) {
            waiterNumber = value.toInt(&ok);
            ok = ok && waiterNumber > 0;
        } else if (option == QLatin1String("--exec-waiter")) {
            executingNumber = value.toInt(&ok);
            ok = ok && executingNumber > 0;
        } else {
            request.now = QDateTime::fromString(value, QStringLiteral("yyyy-MM-ddThh:mm:ss"));
            ok = request.now.isValid();
        }
        if (!ok)
            return usageError(tr("turnover: bad value '%1' for %2").arg(value, option), Usage);
    }
    if (data.isEmpty())
        return usageError(tr("turnover: --data is missing"), Usage);
    if (!date.isValid())
        return usageError(tr("turnover: --date is missing"), Usage);
    if (!QFileInfo(data).isDir())
        return usageError(tr("turnover: %1: no such directory").arg(data));

    // installation files named relative to the installation resolve inside it
    const QString root = QDir(data).absolutePath() + QLatin1Char('/');
    QDir::setCurrent(root);

    TWorkspaceLists lists(root);
    Basics::TValueList *waiters = lists.get(QStringLiteral("waiters"));
    auto findWaiter = [&](int number, Basics::TValue *&out) {
        if (number < 0)
            return true;
        out = waiters ? waiters->find(number) : nullptr;
        return out != nullptr;
    };
    if (!findWaiter(waiterNumber, request.waiter))
        return fail(tr("turnover: there is no waiter %1").arg(waiterNumber));
    if (!findWaiter(executingNumber, request.executingWaiter))
        return fail(tr("turnover: there is no waiter %1").arg(executingNumber));
    request.root = root;
    request.date = date;
    request.terminals = lists.get(QStringLiteral("terminals"));

    DotNetPluginLibrary::DotNetPluginHost plugins(
            DotNetPluginLibrary::DotNetPluginHost::findPluginDir(root));
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
