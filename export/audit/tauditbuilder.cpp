#include "tauditbuilder.h"

#include "tbillmoney.h"
#include "tcloseddays.h"
#include "tclosingbills.h"
#include "tround.h"
#include "ttable.h"
#include "ttableentry.h"
#include "tversion.h"

#include <algorithm>

namespace PosLib {

namespace {

const QString Timestamp = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

QString number(qint64 n)
{
    return QString::number(n);
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// The first and last moment an entry of the bill names.
QPair<QDateTime, QDateTime> billTimes(const TTable &table)
{
    QDateTime first(table.create().date(), table.create().time());
    QDateTime last = first;
    table.entries().forEach([&](const TTableEntry *entry) {
        const QDateTime at(entry->date(), entry->time());
        if (!at.isValid())
            return;
        if (!first.isValid() || at < first)
            first = at;
        if (!last.isValid() || at > last)
            last = at;
    });
    return {first, last};
}

} // namespace

QString vatKeyText(int key, int rate)
{
    const QString percent = QString::number(rate / 100.0, 'f', rate % 100 == 0 ? 0 : 2);
    switch (key) {
    case 1:
        return QStringLiteral("Regelsteuersatz %1 %").arg(percent);
    case 2:
        return QStringLiteral("Ermäßigter Steuersatz %1 %").arg(percent);
    case 3:
    case 4:
        return QStringLiteral("Durchschnittsatz %1 %").arg(percent);
    case 5:
        return QStringLiteral("Nicht steuerbar 0 %");
    case 11:
    case 12:
        return QStringLiteral("Historischer Steuersatz %1 %").arg(percent);
    default:
        return QStringLiteral("Steuersatz %1 %").arg(percent);
    }
}

TAuditBuilder::TAuditBuilder(const TAuditCompany &company)
    : m_company(company)
    , m_tables(auditTables())
    , m_keys({{1900, 1}, {700, 2}, {1070, 3}, {550, 4}, {0, 5}, {1600, 11}, {500, 12}})
{ }

TAuditTable &TAuditBuilder::table(const QString &file)
{
    for (TAuditTable &t : m_tables) {
        if (t.file == file)
            return t;
    }
    Q_UNREACHABLE();
}

int TAuditBuilder::vatKey(int rate)
{
    if (!m_keys.contains(rate)) {
        int next = 1000;
        for (const int key : std::as_const(m_keys))
            next = std::max(next, key + 1);
        m_keys.insert(rate, next);
    }
    return m_keys.value(rate);
}

QDateTime TAuditBuilder::closingTime(const TClosing &closing)
{
    if (closing.hasRecord && closing.recordReadable && closing.record.end.isValid())
        return closing.record.end;
    return QDateTime(closing.date, QTime(23, 59, 59));
}

qint64 TAuditBuilder::net(qint64 gross, int rate) const
{
    // as the closing record: 1190 at 19 % -> 1000
    return roundHalfUp(double(gross) * 100.0 / (100.0 + rate / 100.0));
}

void TAuditBuilder::append(const QString &file, const QStringList &key, const QStringList &values)
{
    table(file).append(key + values);
}

void TAuditBuilder::addDay(const TClosedDay &day)
{
    for (const TClosing &closing : day.closings) {
        const QStringList key {m_company.registerId, closingTime(closing).toString(Timestamp),
                               number(closing.z)};
        ClosingSums sums;
        long first = 0, last = 0;
        for (const TClosedBill &bill : day.bills) {
            if (bill.z != closing.z)
                continue;
            const long billNum = bill.table->billNum();
            first = first == 0 ? billNum : std::min(first, billNum);
            last = std::max(last, billNum);
            addBill(bill, key, sums);
        }
        if (closing.hasRecord && closing.recordReadable && !closing.record.bills.isEmpty()) {
            first = closing.record.firstBill();
            last = closing.record.lastBill();
        }
        // a count that agreed is no business case
        if (const auto difference = day.cashDifferences.constFind(closing.z);
            difference != day.cashDifferences.cend() && *difference != 0) {
            Sum &sum = sums.cases[{{QStringLiteral("DifferenzSollIst"), QString()}, vatKey(0)}];
            sum.gross += *difference;
            sum.net += *difference;
            sums.rates.insert(vatKey(0), 0);
        }
        addClosing(day, key, sums, first, last);
    }
}

int TAuditBuilder::addLine(const QStringList &key, long billId, int number, const Line &line,
                           ClosingSums &sums)
{
    const int vat = vatKey(line.rate);
    const qint64 lineNet = net(line.gross, line.rate);
    append(QStringLiteral("lines.csv"), key,
           {QString::number(billId), QString::number(number), QString(), line.text, line.terminal,
            line.caseType, line.caseName, flag(line.inHouse), flag(line.voided), QString(),
            line.article, QString(), line.group, line.groupName, auditQuantity(line.count),
            auditQuantity(1), QStringLiteral("Stück"), auditAmount(line.unitPrice)});
    append(QStringLiteral("lines_vat.csv"), key,
           {QString::number(billId), QString::number(number), QString::number(vat),
            auditAmount(line.gross), auditAmount(lineNet), auditAmount(line.gross - lineNet)});
    Sum &sum = sums.cases[{{line.caseType, line.caseName}, vat}];
    sum.gross += line.gross;
    sum.net += lineNet;
    sums.rates.insert(vat, line.rate);
    return number;
}

void TAuditBuilder::addBill(const TClosedBill &bill, const QStringList &key, ClosingSums &sums)
{
    ++m_bills;
    const TTable &t = *bill.table;
    const long id = t.billNum();
    const QString billId = QString::number(id);
    int lineNumber = 0;
    QMap<int, Sum> billVat; // by VAT key
    bool orders = false, cashMoves = false;
    auto addBillLine = [&](const Line &line) {
        addLine(key, id, ++lineNumber, line, sums);
        Sum &sum = billVat[vatKey(line.rate)];
        sum.gross += line.gross;
        sum.net += net(line.gross, line.rate);
    };

    t.entries().forEach([&](const TTableEntry *entry) {
        const QString terminal = QString::number(entry->terminal());
        if (!entry->termName().isEmpty())
            sums.terminals.insert(terminal, entry->termName());
        else if (!sums.terminals.contains(terminal))
            sums.terminals.insert(terminal, QString());
        if (entry->type() == EntryOrder) {
            orders = true;
            Line line;
            line.caseType = entry->isCredit() ? QStringLiteral("MehrzweckgutscheinKauf")
                                              : QStringLiteral("Umsatz");
            line.text = entry->articleText();
            line.terminal = terminal;
            line.inHouse = !orderOutOfHouse(*entry, t);
            line.voided = entry->isVoided();
            line.article = QString::number(entry->plu());
            line.group = QString::number(entry->family());
            line.groupName = entry->getString(QStringLiteral("familyname"));
            line.count = entry->count();
            line.unitPrice = entry->price();
            line.gross = lineAmount(entry->price(), entry->count());
            line.rate = orderVatRate(*entry, t);
            const int number = lineNumber + 1;
            addBillLine(line);
            const int vat = vatKey(line.rate);
            // a discounted line: its price before the discount, and the discount
            const qint64 off = entry->getLong(QStringLiteral("discount"));
            if (off != 0) {
                const qint64 base = lineAmount(entry->price() + off, entry->count());
                const qint64 baseNet = net(base, line.rate);
                const qint64 discount = line.gross - base;
                const qint64 discountNet = net(line.gross, line.rate) - baseNet;
                append(QStringLiteral("itemamounts.csv"), key,
                       {billId, QString::number(number), QStringLiteral("Umsatz"),
                        QString::number(vat), auditAmount(base), auditAmount(baseNet),
                        auditAmount(base - baseNet)});
                append(QStringLiteral("itemamounts.csv"), key,
                       {billId, QString::number(number), QStringLiteral("Rabatt"),
                        QString::number(vat), auditAmount(discount), auditAmount(discountNet),
                        auditAmount(discount - discountNet)});
            }
            // the components of a menu
            if (const TTableEntries *children = entry->children()) {
                children->forEach([&](const TTableEntry *child) {
                    if (child->type() != EntryComponent)
                        return;
                    const qint64 price = child->unitPrice();
                    const qint64 priceNet = net(price, line.rate);
                    append(QStringLiteral("subitems.csv"), key,
                           {billId, QString::number(number), QString::number(child->plu()),
                            QString(), child->articleText(), QString::number(child->family()),
                            child->getString(QStringLiteral("familyname")),
                            auditQuantity(child->count()), auditQuantity(1),
                            QStringLiteral("Stück"), QString::number(vat), auditAmount(price),
                            auditAmount(priceNet), auditAmount(price - priceNet)});
                });
            }
            // the deposit per unit, at the line's rate
            const qint64 extra = roundHalfUp(entry->count() * entry->taxAmount());
            if (extra != 0) {
                Line deposit = line;
                deposit.caseType = QStringLiteral("Pfand");
                deposit.caseName.clear();
                deposit.text = QStringLiteral("Pfand: %1").arg(line.text);
                deposit.voided = false;
                deposit.unitPrice = roundHalfUp(entry->taxAmount());
                deposit.gross = extra;
                addBillLine(deposit);
            }
        } else if (entry->type() == EntryCash) {
            const qint64 amount = entry->getLong(QStringLiteral("amount"));
            if (amount == 0)
                return;
            cashMoves = true;
            Line line;
            line.caseType
                    = amount > 0 ? QStringLiteral("Einzahlung") : QStringLiteral("Auszahlung");
            line.text = entry->getString(QStringLiteral("reason"));
            line.terminal = terminal;
            line.unitPrice = amount;
            line.gross = amount;
            addBillLine(line);
        }
    });

    // the charge per guest, at the rates its tax parts name
    if (t.taxAmount() != 0 && t.guests() != 0) {
        const QMap<int, qint64> perGuest = chargeByRate(
                t.taxAmount(), t.taxAmounts(), taxRates(t.vatOh() ? t.taxOh() : t.taxIh()));
        for (auto it = perGuest.cbegin(); it != perGuest.cend(); ++it) {
            Line line;
            line.caseType = QStringLiteral("Umsatz");
            line.caseName = QStringLiteral("Gedeck");
            line.text = QStringLiteral("Gedeck");
            line.terminal = QString::number(t.create().terminal());
            line.inHouse = !t.vatOh();
            line.count = t.guests();
            line.unitPrice = it.value();
            line.gross = it.value() * t.guests();
            line.rate = it.key();
            addBillLine(line);
        }
    }

    // the payments, not taken back, per payform and currency; tips apart
    QMap<QPair<int, QString>, QStringList> payments;
    QMap<QPair<int, QString>, QPair<qint64, qint64>> paid; // base, in the currency
    QString client;
    t.entries().forEach([&](const TTableEntry *entry) {
        if (entry->type() != EntryPay || entry->isVoided())
            return;
        const bool cash = entry->getBool(QStringLiteral("intermsum"));
        QString currency = entry->getString(QStringLiteral("currshort")).trimmed().toUpper();
        if (currency.isEmpty())
            currency = m_company.currency;
        const qint64 amount = entry->amount();
        const double rate = entry->getDouble(QStringLiteral("currrate"), 1.0);
        const qint64 inCurrency = currency == m_company.currency || rate <= 0
                                          ? amount
                                          : roundHalfUp(double(amount) * rate);
        const QPair<int, QString> form {entry->payform(), currency};
        const QString type = cash ? QStringLiteral("Bar") : QStringLiteral("Unbar");
        const QString name = entry->getString(QStringLiteral("payformname"));
        if (!payments.contains(form))
            payments.insert(form, {type, name, currency});
        paid[form].first += amount;
        paid[form].second += inCurrency;
        sums.payments[{type, name}] += amount;
        if (cash)
            sums.cashPerCurrency[currency] += inCurrency;
        if (entry->tip() != 0) {
            Sum &tip = sums.cases[{{QStringLiteral("TrinkgeldAN"), QString()}, vatKey(0)}];
            tip.gross += entry->tip();
            tip.net += entry->tip();
            sums.rates.insert(vatKey(0), 0);
        }
        if (client.isEmpty())
            client = entry->getString(QStringLiteral("clientname"));
    });
    for (auto it = payments.cbegin(); it != payments.cend(); ++it) {
        const QStringList &p = it.value();
        append(QStringLiteral("datapayment.csv"), key,
               {billId, p.at(0), p.at(1), p.at(2), auditAmount(paid.value(it.key()).second),
                auditAmount(paid.value(it.key()).first)});
    }

    // the bill's head: its amounts are those of its lines, as printed
    qint64 total = 0;
    for (auto it = billVat.cbegin(); it != billVat.cend(); ++it) {
        total += it->gross;
        append(QStringLiteral("transactions_vat.csv"), key,
               {billId, QString::number(it.key()), auditAmount(it->gross), auditAmount(it->net),
                auditAmount(it->gross - it->net)});
    }
    const QPair<QDateTime, QDateTime> times = billTimes(t);
    const QString type = t.isNulled()           ? QStringLiteral("AVBelegabbruch")
                         : !orders && cashMoves ? QStringLiteral("AVSonstige")
                                                : QStringLiteral("Beleg");
    const TTableCreate &create = t.create();
    append(QStringLiteral("transactions.csv"), key,
           {billId,
            billId,
            type,
            QString(),
            QString::number(create.terminal()),
            flag(false),
            times.first.toString(Timestamp),
            times.second.toString(Timestamp),
            QString::number(create.waiter()),
            create.waiterName(),
            auditAmount(total),
            client,
            QString(),
            QString(),
            QString(),
            QString(),
            QString(),
            QString(),
            QString(),
            create.tableName()});
    const QString group = t.party() > 1 ? QStringLiteral("%1/%2").arg(t.table()).arg(t.party())
                                        : QString::number(t.table());
    append(QStringLiteral("allocation_groups.csv"), key, {billId, group});
    // the security module's fields stay empty: the terminals record none
    append(QStringLiteral("transactions_tse.csv"), key, {billId});
}

void TAuditBuilder::addClosing(const TClosedDay &day, const QStringList &key,
                               const ClosingSums &sums, long firstBill, long lastBill)
{
    ++m_closings;
    qint64 payments = 0, cash = 0;
    for (auto it = sums.payments.cbegin(); it != sums.payments.cend(); ++it) {
        payments += it.value();
        if (it.key().first == QLatin1String("Bar"))
            cash += it.value();
        append(QStringLiteral("payment.csv"), key,
               {it.key().first, it.key().second, auditAmount(it.value())});
    }
    for (auto it = sums.cashPerCurrency.cbegin(); it != sums.cashPerCurrency.cend(); ++it)
        append(QStringLiteral("cash_per_currency.csv"), key, {it.key(), auditAmount(it.value())});
    for (auto it = sums.cases.cbegin(); it != sums.cases.cend(); ++it)
        append(QStringLiteral("businesscases.csv"), key,
               {it.key().first.first, it.key().first.second, QString(),
                QString::number(it.key().second), auditAmount(it->gross), auditAmount(it->net),
                auditAmount(it->gross - it->net)});
    for (auto it = sums.rates.cbegin(); it != sums.rates.cend(); ++it)
        append(QStringLiteral("vat.csv"), key,
               {QString::number(it.key()), auditAmount(it.value()),
                vatKeyText(it.key(), it.value())});
    for (auto it = sums.terminals.cbegin(); it != sums.terminals.cend(); ++it)
        append(QStringLiteral("slaves.csv"), key,
               {it.key(), m_company.brand, it.value().isEmpty() ? m_company.model : it.value(),
                QString(), QStringLiteral("Veltrum"), QString()});

    const TAuditCompany &c = m_company;
    append(QStringLiteral("cashpointclosing.csv"), key,
           {day.date.toString(Qt::ISODate), QStringLiteral("2.3"), QString::number(firstBill),
            QString::number(lastBill), c.name, c.street, c.zip, c.city, c.country, c.taxNumber,
            c.vatId, auditAmount(payments), auditAmount(cash)});
    append(QStringLiteral("location.csv"), key,
           {c.locationName, c.locationStreet, c.locationZip, c.locationCity, c.locationCountry,
            c.vatId});
    append(QStringLiteral("cashregister.csv"), key,
           {c.brand, c.model, c.serial, QStringLiteral("Veltrum"),
            QString::fromLatin1(Basics::VersionText).section(QLatin1Char(' '), 0, 0), c.currency,
            flag(false)});
}

} // namespace PosLib
