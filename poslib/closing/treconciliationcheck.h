#pragma once

#include "tclosingrecord.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>

namespace PosLib {

class TClosingLedger;
class TCurrencies;

// A figure of a closed day on which its closing records, its day summary
// and its bills do not agree.
struct TReconciliationFinding
{
    long z = 0; // the day's last closing
    QDate date;
    QString figure; // "Bill total", "Cash (payment form 1)", "VAT 19.00 %, gross"
    QString file; // the day summary, or the day directory, relative to the installation
    bool count = false; // the amounts are counts
    // The three sides; a side that is not there (no records, no summary)
    // is left out of the comparison.
    bool hasRecords = false;
    qint64 records = 0;
    bool hasSummary = false;
    qint64 summary = 0;
    qint64 bills = 0;
    QString text; // for the user, translated, naming every amount
};

// The bills of closed days added up as the reconciliation adds them, by
// day: what a reader of the bills (the verifier) hands on, so that they
// are not read a second time.
using TDayBillTotals = QHash<QDate, TClosingTotals>;

// Adds the totals of one bill to a day's as the reconciliation does: a
// payment form keeps the name of the first bill that has it, even an
// empty one (the figure is then called "payments").
void addReconciledBill(TClosingTotals &sum, const TClosingTotals &bill);

// Reconciles every closed day: the totals of its closing records (added up
// over the day's closings), the tables its day summary holds and the bills
// of its day directory, each added up as a closing record adds up its
// bills, must agree per payment form (count and amount), per VAT rate
// (gross and net) and in the bill total. Days closed before records were
// kept have no records side; a day whose summary is not there (it is built
// again when a report needs it) has no summary side. Reads only.
class TReconciliationCheck
{
public:
    TReconciliationCheck(const QString &root, const TClosingLedger &ledger);

    // The findings of every closed day, or of `day` alone when it is valid,
    // in date order. `currencies` (may be null) writes the amounts. The
    // bills of a day in `bills` are taken from there; the others are read.
    // `dayDone`, when given, is called after each day; when it returns
    // false the check stops there (the findings so far are returned).
    QList<TReconciliationFinding> run(const QDate &day = QDate(),
                                      const TCurrencies *currencies = nullptr,
                                      const TDayBillTotals *bills = nullptr,
                                      const std::function<bool()> &dayDone = {}) const;

private:
    const QString m_root;
    const TClosingLedger &m_ledger;
};

} // namespace PosLib
