#include "tbillmoney.h"

#include "tbillfigures.h"
#include "tclosingbills.h"
#include "tround.h"
#include "ttable.h"
#include "ttableentry.h"

namespace PosLib {

qint64 TBillMoney::charged() const
{
    qint64 sum = vouchersSold;
    for (const qint64 amount : revenue)
        sum += amount;
    for (const qint64 amount : surcharges)
        sum += amount;
    return sum;
}

qint64 TBillMoney::paid() const
{
    qint64 sum = 0;
    for (const Payment &payment : payments)
        sum += payment.amount;
    return sum;
}

QMap<int, int> taxRates(const QString &definitions)
{
    QMap<int, int> rates;
    for (const QString &item : definitions.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QStringList fields = item.split(QLatin1Char(','));
        bool idOk = false, rateOk = false;
        const int id = fields.value(0).trimmed().toInt(&idOk);
        const int rate = fields.value(2).trimmed().toInt(&rateOk);
        if (idOk && rateOk)
            rates.insert(id, rate);
    }
    return rates;
}

QMap<int, qint64> chargeByRate(qint64 charge, const QString &taxParts, const QMap<int, int> &rates)
{
    QList<QPair<int, qint64>> parts; // rate, VAT cents
    for (const QString &item : taxParts.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QStringList fields = item.split(QLatin1Char(','));
        bool ok = false;
        const int id = fields.value(0).trimmed().toInt(&ok);
        if (ok && rates.contains(id))
            parts.append({rates.value(id), fields.value(1).trimmed().toLongLong()});
    }
    QMap<int, qint64> out;
    if (parts.isEmpty()) {
        out.insert(0, charge);
        return out;
    }
    qint64 left = charge;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const int rate = parts.at(i).first;
        // 40 VAT at 19 %: 40 × 119 / 19 = 250.5 -> 251
        const qint64 gross = rate > 0 ? roundHalfUp(double(parts.at(i).second) * (10000.0 + rate)
                                                    / double(rate))
                                      : 0;
        out[rate] += gross;
        left -= gross;
    }
    out[parts.last().first] += left;
    return out;
}

TBillMoney billMoney(const TTable &table)
{
    TBillMoney money;
    // the payments with their tips, and the vouchers sold, as the day's
    // named figures count them
    TBillFigures figures;
    figures.add(table);
    money.vouchersSold = figures.credits();
    for (const TPayformFigures &line : figures.payforms()) {
        if (!money.payments.isEmpty() && money.payments.last().payform == line.payform) {
            money.payments.last().amount += line.amount;
            money.payments.last().tip += line.tip;
            continue;
        }
        money.payments.append({line.payform, line.name, line.inCashSummary, line.amount, line.tip});
    }

    // the order lines by rate, and the charges besides them
    table.entries().forEach([&](const TTableEntry *entry) {
        switch (entry->type()) {
        case EntryOrder: {
            const int rate = orderVatRate(*entry, table);
            const qint64 gross = lineAmount(entry->price(), entry->count());
            if (!entry->isCredit() && gross != 0)
                money.revenue[rate] += gross;
            // the deposit of a takeaway bottle: 25 per unit
            const qint64 extra = roundHalfUp(entry->count() * entry->taxAmount());
            if (extra != 0)
                money.surcharges[rate] += extra;
            break;
        }
        case EntryCash: {
            const qint64 amount = entry->getLong(QStringLiteral("amount"));
            if (amount != 0)
                money.cashMoves.append({amount, entry->getString(QStringLiteral("reason"))});
            break;
        }
        default:
            break;
        }
    });

    // the charge per guest, at the rates its tax parts name
    if (table.taxAmount() != 0 && table.guests() != 0) {
        const QMap<int, int> rates = taxRates(table.vatOh() ? table.taxOh() : table.taxIh());
        const QMap<int, qint64> perGuest
                = chargeByRate(table.taxAmount(), table.taxAmounts(), rates);
        for (auto it = perGuest.cbegin(); it != perGuest.cend(); ++it)
            money.surcharges[it.key()] += it.value() * table.guests();
    }
    return money;
}

} // namespace PosLib
