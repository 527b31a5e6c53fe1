#include "tturnoverflow.h"

#include "tbillfigures.h"
#include "tclosingrecord.h"
#include "tcounter.h"
#include "terror.h"
#include "tfigures.h"
#include "tfiscalfiles.h"
#include "tinstallation.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tmessages.h"
#include "tpricetext.h"
#include "tsettings.h"
#include "tturnover.h"
#include "turnoverdata.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

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

// At most this many bills are named in a message box; the log has all.
constexpr int ListedBills = 12;

QString failureText(int code, const TClosingOutcome &closing)
{
    switch (code) {
    case TurnoverOpenTables:
        return Text::tr("Could not execute turn over!\nYou are owner of open tables.");
    case TurnoverAlreadyDone:
        return Text::tr("Could not execute turn over!\nYou already finalized this day.");
    default:
        break;
    }
    QString text = closing.diskFull ? Text::tr("Could not execute turn over: the disk is full.")
                                    : Text::tr("Could not execute turn over: %1").arg(code);
    if (!closing.failure.isEmpty())
        text += QLatin1Char('\n') + closing.failure;
    if (closing.moved > 0)
        text += QLatin1Char('\n')
                + Text::tr("%n bill(s) moved into the day before; they stay there.", nullptr,
                           closing.moved);
    return text;
}

// What the user reads when the day closed with bills left behind or a
// step after the moves failing.
QString incompleteText(const QDate &date, const TClosingOutcome &closing)
{
    QString text = Text::tr("Day turn over processed to\n%1").arg(date.toString(Qt::TextDate));
    if (!closing.leftBehind.isEmpty()) {
        text += QStringLiteral("\n\n")
                + Text::tr("%n bill(s) were left behind in var/archives:", nullptr,
                           int(closing.leftBehind.size()));
        for (int i = 0; i < closing.leftBehind.size() && i < ListedBills; ++i)
            text += QStringLiteral("\n  ") + closing.leftBehind.at(i).text();
        if (closing.leftBehind.size() > ListedBills)
            text += QStringLiteral("\n  ")
                    + Text::tr("(%1 more in the log)").arg(closing.leftBehind.size() - ListedBills);
    }
    for (const QString &problem : closing.problems)
        text += QStringLiteral("\n\n") + problem;
    if (closing.diskFull)
        text += QStringLiteral("\n\n")
                + Text::tr(
                        "The disk is full: make room, then close the day again to move the rest.");
    return text;
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
    if (!request.count.isEmpty())
        data.setCashCount(QJsonDocument(request.count.toJson()).toJson(QJsonDocument::Compact));
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

// The closing's record: its bill total, the takings of its bills and the
// count; nothing when it cannot be read.
void readRecordFigures(TTurnoverOutcome &outcome, const TTurnoverRequest &request)
{
    QFile file(outcome.dayDirectory + TClosingRecord::fileName(outcome.zCounter));
    TClosingRecord record;
    if (!file.open(QIODevice::ReadOnly)
        || !TClosingRecord::fromBytes(file.readAll(), &record, nullptr))
        return;
    outcome.recorded = true;
    outcome.billTotal = record.totals.amount;
    outcome.count = record.cashCount;
    TBillFigures figures;
    for (const TClosingBill &bill : record.bills)
        addBillFile(figures, outcome.dayDirectory + bill.file, request.date, request.root);
    outcome.takings = figures.allAmount();
}

} // namespace

QString closingResultText(const TTurnoverRequest &request, const TTurnoverOutcome &outcome,
                          const TCurrencies *currencies)
{
    const QLocale locale;
    const QString day = locale.toString(request.date, QLocale::LongFormat);
    QString text = request.waiter
                           ? Text::tr("The tables of waiter %1 %2 of %3 are closed; the day stays "
                                      "open for the others.")
                                     .arg(request.waiter->id())
                                     .arg(request.waiter->name(), day)
                           : Text::tr("The day %1 is closed.").arg(day);
    text += QStringLiteral("\n\n")
            + Text::tr("Z counter %1, the day's Z number %2")
                      .arg(outcome.zCounter)
                      .arg(outcome.dayZ);
    text += QLatin1Char('\n')
            + Text::tr("%1: %2").arg(figureCaption(TFigure::Bills)).arg(outcome.moved);
    if (outcome.recorded) {
        text += QLatin1Char('\n')
                + Text::tr("%1: %2").arg(figureCaption(TFigure::BillTotal),
                                         moneyText(currencies, long(outcome.billTotal)));
        text += QLatin1Char('\n')
                + Text::tr("%1: %2").arg(figureCaption(TFigure::AllAmount),
                                         moneyText(currencies, long(outcome.takings)));
    }
    if (!outcome.count.isEmpty())
        text += QLatin1Char('\n')
                + Text::tr("Cash count: difference %1")
                          .arg(moneyText(currencies, long(outcome.count.difference())));
    return text;
}

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
    TClosingOutcome closing;
    const int code = executeTurnover(data, closing);
    if (code != 0) {
        TTurnoverOutcome failed = outcome(TTurnoverOutcome::Failed, code, Text::tr("Error"),
                                          failureText(code, closing));
        failed.zCounter = data.zCounter();
        failed.moved = closing.moved;
        failed.closing = closing;
        return failed;
    }

    if (request.terminals) {
        try {
            sendMessage(*request.terminals, FiscalTurnMessageType, QStringLiteral("fiscalturn"),
                        request.executingWaiter, request.root, request.now);
        } catch (const TError &e) {
            // the day is closed all the same; the terminals are not told
            logError(QStringLiteral("Could not tell the terminals: %1").arg(e.text()),
                     LogModule::Library, LogClass::Turnover);
            closing.addProblem(Text::tr("The terminals were not told of the closing."), &e);
        }
    }
    TTurnoverOutcome done = closing.status() == TClosingOutcome::Done
                                    ? outcome(TTurnoverOutcome::Done, 0, Text::tr("Success"),
                                              Text::tr("Day turn over processed to\n%1")
                                                      .arg(request.date.toString(Qt::TextDate)))
                                    : outcome(TTurnoverOutcome::Incomplete, 0, Text::tr("Warning"),
                                              incompleteText(request.date, closing));
    done.closing = closing;
    done.zCounter = data.zCounter();
    done.moved = data.movedCount();
    done.dayDirectory = statistDayDir(request.date, request.root);
    done.dayZ = dayZNumber(done.dayDirectory);
    readRecordFigures(done, request);
    return done;
}

} // namespace PosLib
