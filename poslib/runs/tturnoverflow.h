#pragma once

#include "tcashcount.h"
#include "tturnover.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <functional>

namespace Basics {
class TValue;
class TValueList;
} // namespace Basics

namespace PosLib {

class TCurrencies;

// What the user chose for one day closing.
struct TTurnoverRequest
{
    QString root; // installation root
    QDate date; // the business day to close
    Basics::TValue *waiter = nullptr; // close only this waiter's tables
    Basics::TValue *executingWaiter = nullptr; // the waiter logged in
    Basics::TValueList *terminals = nullptr; // told of the closing; may be null
    bool cancelIfEmpty = false; // give up when there is nothing to move
    QDateTime now; // the clock of the run; invalid: the current time
    TCashCountInput count; // what the manager counted; empty when nobody did
};

// How a closing ended, with the message box the user is shown.
struct TTurnoverOutcome
{
    enum Status {
        Done, // "Success"
        Incomplete, // closed, but bills were left behind or a later step failed ("Warning")
        AlreadyFiscalized, // a fiscal summary of the day exists ("Error")
        Declined, // open tables, and the user did not go on
        Failed, // the run's result code in `code` ("Error")
    };
    Status status = Done;
    int code = 0;
    QString caption;
    QString text;
    // What a run that took place did (also a failed one, as far as it got).
    long zCounter = 0; // the Z counter the run used
    long dayZ = 0; // the day's Z number
    int moved = 0; // bills moved
    QString dayDirectory; // "var/statist/tagDD.MM.YYYY/" under the root
    TClosingOutcome closing; // how the run itself ended, bill by bill
    // What the closing's record says (a run that closed the day).
    bool recorded = false;
    qint64 billTotal = 0; // the order lines of the bills moved
    qint64 takings = 0; // their "All amount"
    TCashCount count; // empty when nobody counted
};

// What the user reads when a closing went through: the day (in the
// locale's date format), whole day or which waiter, the Z counter and the
// day's Z number, the bills, bill total and takings, the cash count's
// difference; amounts as `currencies` writes money. In the current
// language.
QString closingResultText(const TTurnoverRequest &request, const TTurnoverOutcome &outcome,
                          const TCurrencies *currencies);

// What a closing would meet, found without writing anything: the fiscal
// check, the tables on the terminals and the run's own forecast.
struct TTurnoverCheck
{
    bool fiscalized = false; // a whole-day closing of a day with fiscal summary files
    QList<TOpenTable> tables; // open ones stop it; held ones are passed over
    TTurnoverForecast forecast;

    // The open tables that are not held by a terminal.
    QList<TOpenTable> openTables() const;
};
TTurnoverCheck checkTurnover(const TTurnoverRequest &request);

// Asked when tables are still open: true to go on.
using TTurnoverConfirm = std::function<bool(const QString &caption, const QString &text)>;

// The day closing as the user starts it: refuses a day that has fiscal
// summary files (whole-day closing only), asks before closing while
// tables are open, runs the turnover as "Office (Reports)" from the
// installation's office number, and on success leaves the message
// "fiscalturn" for every terminal. Never throws.
TTurnoverOutcome runTurnover(const TTurnoverRequest &request, const TTurnoverConfirm &confirm);

// True when any table is open on the terminals. The tables load for
// `waiter` without a visibility filter, so other waiters' tables count
// too; tables held by a terminal are not looked at.
bool hasOpenTables(const QString &root, Basics::TValue *waiter);

// The message type of "fiscalturn"; the terminals go by the text.
constexpr int FiscalTurnMessageType = 1;

} // namespace PosLib
