#include "tdaybookings.h"

#include "taccountmap.h"
#include "tapportion.h"
#include "tbillmoney.h"
#include "tcloseddays.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace PosLib {

namespace {

constexpr int BuchungstextLength = 60;

// One side of a bill's money: a payform, or something it charged.
struct Side
{
    QString account;
    QString label;
    bool payment = false;
    TBooking::Kind kind = TBooking::Revenue; // of a charge
    int rate = 0;
    qint64 amount = 0;
};

using Key = std::tuple<int, int, QString, QString, QString>; // kind, -rate, text, debit, credit

class DayBook
{
public:
    DayBook(const TClosedDay &day)
        : m_day(day)
    { }

    void add(TBooking::Kind kind, int rate, const QString &debit, const QString &credit,
             const QString &text, qint64 amount)
    {
        if (amount == 0)
            return;
        if (amount < 0) {
            add(kind, rate, credit, debit, text, -amount);
            return;
        }
        TBooking &booking = m_bookings[Key {kind, -rate, text, debit, credit}];
        if (booking.amount == 0) {
            booking.kind = kind;
            booking.rate = rate;
            booking.debit = debit;
            booking.credit = credit;
            booking.date = m_day.date;
            booking.document = m_day.zText();
            booking.text = text.left(BuchungstextLength);
        }
        booking.amount += amount;
    }

    QList<TBooking> bookings() const
    {
        QList<TBooking> out;
        for (const auto &entry : m_bookings) {
            if (entry.second.amount != 0)
                out << entry.second;
        }
        return out;
    }

private:
    const TClosedDay &m_day;
    std::map<Key, TBooking> m_bookings;
};

// The payments of a bill split over its charges: "Revenue 19 % / Cash".
void bookBill(DayBook &book, const QList<Side> &sides)
{
    // what paid in (payments, charges below zero) and what it paid for
    QList<const Side *> sources, sinks;
    QList<qint64> given, taken;
    for (const Side &side : sides) {
        if (side.amount == 0)
            continue;
        const bool source = side.payment == (side.amount > 0);
        (source ? sources : sinks) << &side;
        (source ? given : taken) << qAbs(side.amount);
    }
    const QList<QList<qint64>> shares = apportion(given, taken);
    for (qsizetype s = 0; s < sources.size(); ++s) {
        for (qsizetype k = 0; k < sinks.size(); ++k) {
            const Side &debit = *sources.at(s);
            const Side &credit = *sinks.at(k);
            // the booking is what the charge is; between two payforms a change
            const Side *charge = !credit.payment ? &credit : !debit.payment ? &debit : nullptr;
            book.add(charge ? charge->kind : TBooking::PayformChange, charge ? charge->rate : 0,
                     debit.account, credit.account,
                     QStringLiteral("%1 / %2").arg(credit.label, debit.label), shares[s][k]);
        }
    }
}

} // namespace

QString percentText(int rate)
{
    return TAccountMap::revenueKey(rate).mid(7);
}

bool TDayBookings::make(const TClosedDay &day, const TAccountMap &map, QList<TBooking> *out,
                        QString *error)
{
    DayBook book(day);
    const QString cash = map.account(QStringLiteral("cash"));
    qint64 tips = 0;
    auto revenueAccount = [&](int rate, QString *account) {
        *account = map.revenueAccount(rate);
        if (account->isEmpty())
            *error = tr("%1: no revenue account for VAT rate %2 %; set %3 in section [%4] of %5")
                             .arg(day.date.toString(Qt::ISODate), percentText(rate),
                                  TAccountMap::revenueKey(rate), map.chart.toUpper(),
                                  TAccountMap::fileName());
        return !account->isEmpty();
    };

    for (const TClosedBill &bill : day.bills) {
        const TBillMoney money = billMoney(*bill.table);
        QList<Side> sides;
        for (const TBillMoney::Payment &payment : money.payments) {
            Side side;
            side.payment = true;
            side.account = map.payformAccount(payment.payform, payment.cash);
            side.label
                    = payment.name.isEmpty() ? tr("Payform %1").arg(payment.payform) : payment.name;
            side.amount = payment.amount;
            sides << side;
            if (payment.tip != 0) {
                book.add(TBooking::Tip, 0, side.account, map.account(QStringLiteral("tips")),
                         QStringLiteral("%1 / %2").arg(tr("Tips"), side.label), payment.tip);
                tips += payment.tip;
            }
        }
        auto charge = [&](TBooking::Kind kind, int rate, const QString &account,
                          const QString &label, qint64 amount) {
            Side side;
            side.kind = kind;
            side.rate = rate;
            side.account = account;
            side.label = label;
            side.amount = amount;
            sides << side;
        };
        for (auto it = money.revenue.cbegin(); it != money.revenue.cend(); ++it) {
            QString account;
            if (!revenueAccount(it.key(), &account))
                return false;
            charge(TBooking::Revenue, it.key(), account,
                   tr("Revenue %1 %").arg(percentText(it.key())), it.value());
        }
        for (auto it = money.surcharges.cbegin(); it != money.surcharges.cend(); ++it) {
            QString account;
            if (!revenueAccount(it.key(), &account))
                return false;
            charge(TBooking::Surcharge, it.key(), account,
                   tr("Surcharges %1 %").arg(percentText(it.key())), it.value());
        }
        charge(TBooking::VoucherSold, 0, map.account(QStringLiteral("vouchers")),
               tr("Vouchers sold"), money.vouchersSold);
        // what the pays do not match goes to an account of its own
        charge(TBooking::BillDifference, 0, map.account(QStringLiteral("differences")),
               tr("Bill differences"), money.paid() - money.charged());
        bookBill(book, sides);

        for (const TBillMoney::CashMove &move : money.cashMoves) {
            const QString moves = map.account(QStringLiteral("cashmoves"));
            if (move.amount > 0)
                book.add(TBooking::CashIn, 0, cash, moves,
                         tr("Cash in: %1").arg(move.reason).trimmed(), move.amount);
            else
                book.add(TBooking::CashOut, 0, moves, cash,
                         tr("Cash out: %1").arg(move.reason).trimmed(), -move.amount);
        }
    }
    book.add(TBooking::TipsPaidOut, 0, map.account(QStringLiteral("tips")), cash,
             tr("Tips paid out"), tips);
    for (auto it = day.cashDifferences.cbegin(); it != day.cashDifferences.cend(); ++it) {
        if (it.value() < 0)
            book.add(TBooking::CashDifference, 0, map.account(QStringLiteral("shortage")), cash,
                     tr("Cash counted short (Z %1)").arg(it.key()), -it.value());
        else
            book.add(TBooking::CashDifference, 0, cash, map.account(QStringLiteral("surplus")),
                     tr("Cash counted over (Z %1)").arg(it.key()), it.value());
    }
    *out = book.bookings();
    return true;
}

} // namespace PosLib
