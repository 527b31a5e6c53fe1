#pragma once

#include <QList>
#include <QMap>
#include <QString>

namespace PosLib {

class TTable;

// What one bill took in, and what for, in cents: the figures the day's
// bookings are made of. Payments, tips and vouchers sold are the day's named
// figures of the bill (TBillFigures); the order lines by VAT rate and the
// charges by rate are what the bookings split them into.
struct TBillMoney
{
    // The order lines (price × count, rounded half up, as the closing
    // record adds them), by VAT rate in hundredths of a percent; vouchers
    // sold (credit lines) apart.
    QMap<int, qint64> revenue;
    qint64 vouchersSold = 0;
    // What the bill charges besides its order lines, by VAT rate: the extra
    // charge per unit of an order (a bottle deposit) at the order's rate,
    // and the charge per guest at the rates of its tax parts.
    QMap<int, qint64> surcharges;

    struct Payment
    {
        int payform = 0;
        QString name; // "payformname" of its first pay
        bool cash = false; // counts in the till ("intermsum")
        qint64 amount = 0; // without tips
        qint64 tip = 0;
    };
    // The pays that were not taken back, one per payform, in payform order.
    QList<Payment> payments;

    struct CashMove
    {
        qint64 amount = 0; // > 0 into the till, < 0 out of it
        QString reason;
    };
    QList<CashMove> cashMoves;

    // What the bill charges: order lines, vouchers and surcharges.
    qint64 charged() const;
    // What its payments took, without tips.
    qint64 paid() const;
};

// The money of a loaded table.
TBillMoney billMoney(const TTable &table);

// The gross amount per guest of each tax part of a per-guest charge:
// `charge` cents of which the parts name the VAT ("1,40:2,7": tax id and
// cents). A part's gross is its VAT × (100 + rate) / rate, rounded half up;
// the last part takes what the others leave. `rates` maps tax ids to rates
// in hundredths of a percent. Without a part the whole charge has rate 0.
// 250 with "1,40" at 19 %: {1900: 250}.
QMap<int, qint64> chargeByRate(qint64 charge, const QString &taxParts, const QMap<int, int> &rates);

// Tax definitions "1,VAT 19%,1900:2,VAT 7%,700" as a map of tax id to rate.
QMap<int, int> taxRates(const QString &definitions);

} // namespace PosLib
