#include "tturnoverflow.h"

#include "tcounter.h"
#include "terror.h"
#include "tfiscalfiles.h"
#include "tinstallation.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tmessages.h"
#include "tsettings.h"
#include "tturnover.h"
#include "turnoverdata.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Basics;

namespace PosLib {

namespace {

// The texts of this file, translated in the context "TPaidTablesDoc".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TPaidTablesDoc)
};

TTurnoverOutcome outcome(TTurnoverOutcome::Status status, int code, const QString &caption,
                         const QString &text)
{
    TTurnoverOutcome result;
    result.status = status;
    result.code = code;
    result.caption = caption;
    result.text = text;
    return result;
}

int officeNumber(const QString &root)
{
    try {
        TSettings settings;
        if (settings.load(root.toLocal8Bit().constData()) != TValueList::Loaded)
            return 0;
        return settings.officeId();
    } catch (const TError &) {
        return 0;
    }
}

QString failureText(int code)
{
    switch (code) {
    case TurnoverOpenTables:
        return Text::tr("Could not execute turn over!\nYou are owner of open tables.");
    case TurnoverAlreadyDone:
        return Text::tr("Could not execute turn over!\nYou already finalized this day.");
    default:
        return Text::tr("Could not execute turn over: %1").arg(code);
    }
}

// The parameters of the run as the back office sets them.
void fillData(TurnoverData &data, const TTurnoverRequest &request)
{
    data.setApplicationName(QStringLiteral("Office (Reports)"));
    data.setTerminalId(officeNumber(request.root));
    data.setTurnoverDate(request.date);
    data.setWaiter(request.waiter);
    data.setTurnoverWaiter(request.executingWaiter);
    data.setDataPath(request.root);
    data.setCancelTurnover(request.cancelIfEmpty);
    data.setClock(request.now);
}

long dayZNumber(const QString &dayDirectory)
{
    try {
        if (QFileInfo::exists(dayDirectory + QStringLiteral("zcount.dat")))
            return TCounter(dayDirectory, QStringLiteral("zcount.dat")).get(QStringLiteral("z"));
    } catch (const TError &e) {
        logError(e.text(), LogModule::Library, LogClass::Turnover);
    }
    return 0;
}

} // namespace

QList<TOpenTable> TTurnoverCheck::openTables() const
{
    QList<TOpenTable> open;
    for (const TOpenTable &table : tables) {
        if (table.heldBy == 0)
            open << table;
    }
    return open;
}

TTurnoverCheck checkTurnover(const TTurnoverRequest &request)
{
    TTurnoverCheck check;
    check.fiscalized = !request.waiter && hasFiscalFiles(request.date, request.root);
    check.tables = openTables(request.root, request.waiter);
    TurnoverData data;
    fillData(data, request);
    check.forecast = forecastTurnover(data);
    return check;
}

bool hasOpenTables(const QString &root, TValue *waiter)
{
    try {
        return hasOpenTable(root, waiter, 0);
    } catch (const TError &e) {
        logError(e.text(), LogModule::Library, LogClass::Turnover);
    }
    return false;
}

TTurnoverOutcome runTurnover(const TTurnoverRequest &request, const TTurnoverConfirm &confirm)
{
    if (!request.waiter && hasFiscalFiles(request.date, request.root))
        return outcome(TTurnoverOutcome::AlreadyFiscalized, 0, Text::tr("Error"),
                       Text::tr("This day is already fiscalized!"));

    if (hasOpenTables(request.root, request.waiter)) {
        const bool goOn
                = confirm
                  && confirm(Text::tr("Warning"),
                             Text::tr("There still are open tables! Do you want to continue?"));
        if (!goOn)
            return outcome(TTurnoverOutcome::Declined, 0, QString(), QString());
    }

    TurnoverData data;
    fillData(data, request);
    const int code = executeTurnover(data);
    if (code != 0) {
        TTurnoverOutcome failed
                = outcome(TTurnoverOutcome::Failed, code, Text::tr("Error"), failureText(code));
        failed.zCounter = data.zCounter();
        failed.moved = data.movedCount();
        return failed;
    }

    if (request.terminals) {
        try {
            sendMessage(*request.terminals, FiscalTurnMessageType, QStringLiteral("fiscalturn"),
                        request.executingWaiter, request.root, request.now);
        } catch (const TError &e) {
            // the day is closed all the same; the terminals learn it later
            logError(QStringLiteral("Could not tell the terminals: %1").arg(e.text()),
                     LogModule::Library, LogClass::Turnover);
        }
    }
    TTurnoverOutcome done = outcome(
            TTurnoverOutcome::Done, 0, Text::tr("Success"),
            Text::tr("Day turn over processed to\n%1").arg(request.date.toString(Qt::TextDate)));
    done.zCounter = data.zCounter();
    done.moved = data.movedCount();
    done.dayDirectory = statistDayDir(request.date, request.root);
    done.dayZ = dayZNumber(done.dayDirectory);
    return done;
}

} // namespace PosLib
