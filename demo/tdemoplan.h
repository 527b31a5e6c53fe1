#pragma once

#include "tdemomasterdata.h"
#include "tdemooptions.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QVector>

namespace PosLib::Demo {

// What a table shows besides plain orders and one pay.
enum Feature : quint32 {
    FAddOn = 1u << 0, // price add-ons on a pizza
    FMenu = 1u << 1, // the lunch menu, counted by its components
    FCredit = 1u << 2, // a voucher sold (credit article)
    FControl = 1u << 3, // a control article of price 0
    FDiscount = 1u << 4, // happy hour and loyalty discounts
    FSubvention = 1u << 5, // staff meal with the employer's subsidy
    FVoid = 1u << 6, // an item taken back
    FSplit = 1u << 7, // part of the bill moved to party 2
    FSplitTarget = 1u << 8, // party 2 of a split
    FChange = 1u << 9, // moved from another table and waiter
    FMultiPay = 1u << 10, // several pay forms
    FTip = 1u << 11,
    FForeign = 1u << 12, // paid in francs or dollars
    FHotel = 1u << 13, // charged to a hotel room
    FVoidedPay = 1u << 14, // a declined card pay before the real one
    FCash = 1u << 15, // the cash drawer: cash in and out, balances
    FTakeaway = 1u << 16,
    FNotInSum = 1u << 17,
    FGuestTax = 1u << 18, // cover charge per guest
    FOrderTax = 1u << 19, // VAT parts on every order
    FRestore = 1u << 20, // paid, restored and paid again
    FFraction = 1u << 21, // wine by the quarter litre
    FTrainee = 1u << 22,
    FDescr = 1u << 23, // a party with a description
    FNulled = 1u << 24, // opened by mistake and nulled
    FPartialPay = 1u << 25, // open table, one guest paid already
};

inline constexpr int Minute = 60;
inline constexpr int Hour = 3600;
inline constexpr int Now = 21 * Hour + 30 * Minute; // the clock of the demo's today
inline constexpr int FirstZ = 101;

struct Plan
{
    int slot = 0;
    quint32 features = 0;
    int area = Restaurant;
    bool lunch = false;
    int waiter = 0;
    int toWaiter = 0; // after a table change
    int table = 0;
    int party = 1;
    int fromTable = 0;
    int guests = 1;
    int terminal = 1;
    int start = 0; // seconds from the day's midnight; may pass 24 h
    int end = 0;
    bool open = false;
    bool held = false;
    // a split: the moment, the article moved and the other party
    int splitAt = 0;
    int splitPlu = 0;
    int linkParty = 0;
    quint64 seed = 0;

    bool has(quint32 f) const { return (features & f) != 0; }
};

// The entries of one day, for the time controls and the cash balance.
struct DayLog
{
    QMap<int, QVector<int>> activity; // waiter -> entry times
    QMap<int, qint64> cash; // waiter -> cash taken
    QMap<int, bool> running; // waiter -> still logged on
    qint64 entries = 0;
};

struct Day
{
    QDate date;
    bool today = false;
    int index = 0; // 0 the oldest closed day
    int z = 0;
    QString name; // "tagDD.MM.YYYY"
};

// Tables of one day: the first ones from EveryDay, then random ones; on
// today a fifth of them still open. Paid tables come back in the order in
// which they were archived.
QVector<Plan> planDay(const TDemoOptions &options, const Day &day, int &openCount);

} // namespace PosLib::Demo
