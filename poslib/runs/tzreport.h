#pragma once

#include "tclosingledger.h"
#include "tclosingverifier.h"
#include "treconciliation.h"

#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QStringList>

namespace PosLib {

class TCurrencies;
class TWorkspaceLists;

// One closing as the list of closings shows it.
struct TClosingRow
{
    long z = 0;
    QDate date;
    QString kind; // "whole day" or "waiter 7 Anna"
    int bills = 0;
    long firstBill = 0; // 0 without a record
    long lastBill = 0;
    qint64 amount = 0; // cents, 0 without a record
    bool hasRecord = false;
    bool holds = false; // verified: nothing found about it
    QString verified; // "yes", "no" or "no record"
    bool counted = false; // the closing carries a cash count
    qint64 countDifference = 0; // its difference, system cents
};

// The closings of an installation between `from` and `to` (each bound
// optional), verified, in Z order; reads only.
class TClosingList
{
public:
    explicit TClosingList(const QString &root, const QDate &from = QDate(),
                          const QDate &to = QDate());

    const TClosingLedger &ledger() const { return m_ledger; }
    const QList<TClosingRow> &rows() const { return m_rows; }
    // The findings that tell whether the closings of the range hold: every
    // finding of the installation but those of bills outside the range.
    const QList<TClosingFinding> &findings() const { return m_findings; }

    // Fixed-width text: a title row, then one line per closing, amounts
    // formatted by `currencies` (cents when null).
    QStringList lines(const TCurrencies *currencies) const;
    // {"format": 1, "closings": [{"z", "date", "kind", "waiter", "bills",
    // "firstBill", "lastBill", "billTotal", "record", "verified",
    // "countDifference" (only when counted)}]}
    QJsonObject data() const;

private:
    TClosingLedger m_ledger;
    QList<TClosingFinding> m_findings;
    QList<TClosingRow> m_rows;
};

// The Z report of one closing: headed "Day turnover <Z> from <date>", the
// closing record's figures (kind, who ran it and when, the bills with the
// first and last bill, totals per payment form, VAT rate and voids, the
// verification, whether the day's records, summary and bills agree), the
// reconciliation from the bills to the summary's
// figures (TReconciliation) and under them the day's summary as the
// reports document prints it ("All waiters" over that day; a waiter's
// closing over that waiter), and last the block "Exceptions of the day"
// (zReportExceptions).
class TZReport
{
public:
    TZReport(TWorkspaceLists *lists, const QString &root);

    // False when the installation has no closing `z`.
    bool build(long z, const QDateTime &now = QDateTime());
    // The day's summary is made without writing into the installation
    // (TReportRequest::readOnly).
    void setReadOnly(bool on) { m_readOnly = on; }
    // Lines for a receipt printer (receiptLines() narrows them): the
    // reconciliation's payment forms one below the other, not as a table.
    // Set before build().
    void setReceipt(bool on) { m_receipt = on; }

    QString title() const { return m_title; }
    QStringList lines() const { return m_lines; }
    // {"format": 1, "title", "z", "date", "record": the record as stored
    // or null, "cashCount": the record's count or null, "verified",
    // "findings": [texts], "reconciled" (the day's
    // records, summary and bills agree), "reconciliationFindings": [texts],
    // "reconciliation": TReconciliation::data(), "summary": the summary's
    // data as the report command writes it, "exceptions": the day's
    // exceptions as 'veltrum exceptions' writes them, without entries}
    QJsonObject data() const { return m_data; }

    // The report kind whose text the Z report shows under its figures.
    static constexpr int SummaryKind = 4;

private:
    TReconciliation reconcile(const TClosingLedger &ledger, const TClosing &closing,
                              const QJsonObject &summary) const;

    TWorkspaceLists *m_lists;
    QString m_root;
    QString m_title;
    QStringList m_lines;
    QJsonObject m_data;
    bool m_readOnly = false;
    bool m_receipt = false;
};

} // namespace PosLib
