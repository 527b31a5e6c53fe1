#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace PosLib {

class TTable;

// The payments of one payment form, as the summary lists them: one line per
// form and per kind of table (in the summary or not) and of payment (in
// the cash summary or not). Amounts in cents.
struct TPayformFigures
{
    int payform = 0;
    QString name; // without line breaks
    bool inSummary = false; // the table counts in the summary ("insum")
    bool inCashSummary = false; // the payment counts in the cash summary ("intermsum")
    int count = 0; // payments, not taken back
    qint64 amount = 0; // their amounts, without tips
    qint64 tip = 0;
    qint64 given = 0; // handed over ("given", or the amount when nothing is noted)
    qint64 returned = 0; // change given back
    qint64 guests = 0;

    // What the summary prints for it: given minus returned.
    qint64 net() const { return given - returned; }
    // Handed over beyond amount and tip and not given back.
    qint64 nonRefund() const { return net() - amount - tip; }
    // The summary's key of its line: "Cash_1insumintermsum".
    QString key() const;
};

// What a set of bills adds up to, counted from their entries as the
// reports count them: payments not taken back, each with its tip and what
// was handed over and given back; vouchers sold (credit articles) as the
// summary's "Credits"; and the order lines as the closing record adds them
// up. With a waiter, only the entries that waiter booked count, as in a
// report restricted to that waiter. Every figure of the reconciliation
// that comes from the bills comes from here.
class TBillFigures
{
public:
    explicit TBillFigures(int waiter = 0)
        : m_waiter(waiter)
    { }

    // Adds one bill (a table read whole).
    void add(const TTable &table);

    int waiter() const { return m_waiter; }
    int bills() const { return m_bills; }
    // Bills with no payment in them (the cash drawer, a bill nulled).
    int billsWithoutPayment() const { return m_withoutPayment; }
    // Payments beyond the first of bills paid in parts.
    int furtherPayments() const { return m_furtherPayments; }
    // Every order line of the bills, price x count rounded half up (the
    // closing record's "Bill total"); with a waiter, those that waiter
    // booked.
    qint64 billTotal() const { return m_billTotal; }
    // What the bills charge beyond their order lines: the tax per unit of
    // an order line ("taxamount" x count, rounded half up, per line) and the
    // tax per guest of a bill (whole bills only, so not with a waiter).
    qint64 taxCharges() const { return m_taxCharges; }
    // Bill total and tax charges less the payments: what is left open.
    qint64 leftOpen() const { return m_billTotal + m_taxCharges - payments(); }
    // Payment forms in the summary's order: number, name, in summary, in
    // the cash summary.
    QList<TPayformFigures> payforms() const;
    qint64 credits() const { return m_credits; }

    int paidTables() const;
    qint64 payments() const;
    qint64 tip() const;
    qint64 nonRefund() const;
    // "Sum of payforms" of the tables in the summary, and of the others.
    qint64 inSummary() const;
    qint64 notInSummary() const;
    qint64 allPayforms() const { return inSummary() + notInSummary(); }
    // "Not in summary": payments and tips of the tables outside the summary.
    qint64 notInSummaryAmount() const;
    // "All amount": Sum of all payforms - Non refund - Credits - Tip - Not in summary.
    qint64 allAmount() const;

private:
    // The line of `line`'s key, added as `line` (no payments yet) when new.
    TPayformFigures &payform(const TPayformFigures &line);

    int m_waiter = 0;
    int m_bills = 0;
    int m_withoutPayment = 0;
    int m_furtherPayments = 0;
    qint64 m_billTotal = 0;
    qint64 m_taxCharges = 0;
    qint64 m_credits = 0;
    QList<TPayformFigures> m_payforms;
};

// Reads a bill file of a day directory as it is stored and adds it to
// `figures`; false (and nothing added) when it does not load as a table.
bool addBillFile(TBillFigures &figures, const QString &path, const QDate &day, const QString &root);

// The figures of every bill of a day directory ("a<number>"), with a
// waiter only that waiter's entries. The bills that do not load are named
// in `unreadable` (their file names).
TBillFigures dayBillFigures(const QString &dayDir, const QDate &day, const QString &root,
                            int waiter = 0, QStringList *unreadable = nullptr);

} // namespace PosLib
