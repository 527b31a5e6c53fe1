#include "tbillfigures.h"
#include "tbillfile.h"

#include "tclosingbills.h"
#include "terror.h"
#include "trecordcodec.h"
#include "tround.h"
#include "ttable.h"
#include "ttableentry.h"

#include <QFile>

#include <algorithm>

namespace PosLib {

namespace {

QString withoutLineBreaks(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

// A voucher sold: the order line of a credit article (nothing for a line of
// count 0, which counts nowhere).
qint64 creditOf(const TTableEntry &order)
{
    if (!order.isCredit() || order.count() == 0)
        return 0;
    return lineAmount(order.price(), order.count());
}

// The credits of an order as the reports count it: an order with children
// counts through its components (and orders) among them, and itself only
// when a price add-on came before the first child of another kind.
qint64 orderCredits(const TTableEntry &order)
{
    const TTableEntries *children = order.children();
    if (!children)
        return creditOf(order);
    qint64 credits = 0;
    int addOns = 0;
    bool done = false;
    children->forEach([&](const TTableEntry *child) {
        if (done)
            return;
        switch (child->type()) {
        case EntryComponent:
        case EntryOrder:
            credits += creditOf(*child);
            break;
        case EntryAddOn:
            ++addOns;
            break;
        default:
            done = true;
        }
    });
    if (addOns > 0)
        credits += creditOf(order);
    return credits;
}

} // namespace

QString TPayformFigures::key() const
{
    QString key = name + QLatin1Char('_') + QString::number(payform);
    if (inSummary)
        key += QLatin1String("insum");
    if (inCashSummary)
        key += QLatin1String("intermsum");
    return key;
}

TPayformFigures &TBillFigures::payform(const TPayformFigures &line)
{
    const QString key = line.key();
    for (TPayformFigures &p : m_payforms) {
        if (p.key() == key)
            return p;
    }
    m_payforms.append(line);
    return m_payforms.last();
}

void TBillFigures::add(const TTable &table)
{
    ++m_bills;
    int pays = 0;
    table.entries().forEach([&](const TTableEntry *entry) {
        if (m_waiter != 0 && entry->waiter() != m_waiter)
            return;
        switch (entry->type()) {
        case EntryOrder:
            m_billTotal += lineAmount(entry->price(), entry->count());
            m_taxCharges += roundHalfUp(entry->count() * entry->taxAmount());
            m_credits += orderCredits(*entry);
            break;
        case EntryPay: {
            if (entry->isVoided())
                break;
            ++pays;
            TPayformFigures line;
            line.payform = entry->payform();
            line.name = withoutLineBreaks(entry->getString(QStringLiteral("payformname")));
            line.inSummary = table.inSum();
            line.inCashSummary = entry->getBool(QStringLiteral("intermsum"));
            TPayformFigures &p = payform(line);
            ++p.count;
            p.amount += entry->amount();
            p.tip += entry->tip();
            const qint64 given = entry->getLong(QStringLiteral("given"));
            p.given += given != 0 ? given : entry->amount();
            p.returned += entry->getLong(QStringLiteral("return"));
            p.guests += entry->getLong(QStringLiteral("guests"));
            break;
        }
        default:
            break;
        }
    });
    if (m_waiter == 0)
        m_taxCharges += qint64(table.taxAmount()) * table.guests();
    if (pays == 0)
        ++m_withoutPayment;
    else
        m_furtherPayments += pays - 1;
}

QList<TPayformFigures> TBillFigures::payforms() const
{
    QList<TPayformFigures> sorted = m_payforms;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const TPayformFigures &a, const TPayformFigures &b) {
                         if (a.payform != b.payform)
                             return a.payform < b.payform;
                         if (a.name != b.name)
                             return a.name < b.name;
                         if (a.inSummary != b.inSummary)
                             return b.inSummary;
                         return !a.inCashSummary && b.inCashSummary;
                     });
    return sorted;
}

int TBillFigures::paidTables() const
{
    int count = 0;
    for (const TPayformFigures &p : m_payforms)
        count += p.count;
    return count;
}

qint64 TBillFigures::payments() const
{
    qint64 sum = 0;
    for (const TPayformFigures &p : m_payforms)
        sum += p.amount;
    return sum;
}

qint64 TBillFigures::tip() const
{
    qint64 sum = 0;
    for (const TPayformFigures &p : m_payforms)
        sum += p.tip;
    return sum;
}

qint64 TBillFigures::nonRefund() const
{
    qint64 sum = 0;
    for (const TPayformFigures &p : m_payforms)
        sum += p.nonRefund();
    return sum;
}

qint64 TBillFigures::inSummary() const
{
    qint64 sum = 0;
    for (const TPayformFigures &p : m_payforms)
        sum += p.inSummary ? p.net() : 0;
    return sum;
}

qint64 TBillFigures::notInSummary() const
{
    qint64 sum = 0;
    for (const TPayformFigures &p : m_payforms)
        sum += p.inSummary ? 0 : p.net();
    return sum;
}

qint64 TBillFigures::notInSummaryAmount() const
{
    qint64 sum = 0;
    for (const TPayformFigures &p : m_payforms)
        sum += p.inSummary ? 0 : p.amount + p.tip;
    return sum;
}

qint64 TBillFigures::allAmount() const
{
    return allPayforms() - nonRefund() - credits() - tip() - notInSummaryAmount();
}

bool addBillFile(TBillFigures &figures, const QString &path, const QDate &day, const QString &root)
{
    return readBillFile(path, day, root, [&](const TTable &table) { figures.add(table); });
}

TBillFigures dayBillFigures(const QString &dayDir, const QDate &day, const QString &root,
                            int waiter, QStringList *unreadable)
{
    TBillFigures figures(waiter);
    for (const auto &file : dayBillFiles(dayDir)) {
        if (!addBillFile(figures, dayDir + file.second, day, root) && unreadable)
            *unreadable << file.second;
    }
    return figures;
}

} // namespace PosLib
