#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

namespace PosLib {

class TAccountMap;
struct TClosedDay;

// One booking of a closed day: `amount` cents from the account `credit` to
// the account `debit` (the debit account is the one whose balance grows:
// the till for revenue paid in cash).
struct TBooking
{
    // What the booking is, in the order a day lists them.
    enum Kind {
        Revenue, // order lines of a VAT rate, by the payform that paid them
        Surcharge, // per-unit and per-guest charges of a VAT rate
        VoucherSold, // credit lines: a voucher sold is owed, not earned
        BillDifference, // a bill whose pays differ from what it charges
        PayformChange, // one payform paid back through another
        Tip, // tips taken through a payform
        TipsPaidOut, // the day's tips handed to the staff from the till
        CashIn, // money put into the till
        CashOut, // money taken out of the till
        CashDifference, // the counted cash against the till's figure
    };
    Kind kind = Revenue;
    qint64 amount = 0; // cents, above 0
    QString debit;
    QString credit;
    QDate date;
    QString document; // the day's closings: "Z12" or "Z12-14"
    QString text;
    int rate = 0; // Revenue, Surcharge: hundredths of a percent
};

// The bookings of closed days.
class TDayBookings
{
    Q_DECLARE_TR_FUNCTIONS(TDayBookings)
public:
    // Books `day` with the accounts of `map`: every bill's payments split
    // over what it charged (TBillMoney, apportion()), summed over the day
    // per payform and purpose; then tips, tips paid out, cash put in and
    // taken out, and the counted cash difference of each closing that
    // carries a count. False, with `error` naming the rate and the key to
    // set, when a VAT rate has no revenue account.
    static bool make(const TClosedDay &day, const TAccountMap &map, QList<TBooking> *out,
                     QString *error);
};

// "19", "5.5": a rate in hundredths of a percent as a percentage.
QString percentText(int rate);

} // namespace PosLib
