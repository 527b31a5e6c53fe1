#pragma once

#include "tbillfigures.h"
#include "tfigures.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

namespace PosLib {

class TCurrencies;

// One closing of the day whose bills the report under a Z report covers.
struct TReconciledClosing
{
    long z = 0;
    QString kind; // "whole day", "waiter 3 Clara"
    int bills = 0;
    qint64 billTotal = 0; // from its closing record
    bool recorded = false; // false: no readable closing record
};

// What the report's full summary printed for a group: its figures by key
// (TFigure) and the net and count of each payment form line by the
// summary's key ("Cash_1insumintermsum").
struct TReportedFigures
{
    QHash<QString, qint64> figures;
    struct Line
    {
        qint64 net = 0;
        qint64 count = 0;
    };
    QHash<QString, Line> payforms;
    bool present = false; // false when the report has no group (nothing to show)

    qint64 value(TFigure figure) const { return figures.value(figureKey(figure)); }
    // Read from a group of the report's data (TSummaryExport): its
    // "figures" and its "payforms" items.
    static TReportedFigures fromGroup(const QJsonObject &group);
};

// A figure on which the bills and the report disagree.
struct TFigureDifference
{
    QString key; // the figure's key, or "payform:<summary key>"
    QString caption; // translated
    qint64 bills = 0; // what the bills (or the closing records) add up to
    qint64 reported = 0; // what the report or the bills say instead
    bool count = false;
    QString otherSide; // who says `reported` ("the report"), translated
};

// The reconciliation of a Z report: from the bill total of the closing's
// record, through the day's other closings and (for a waiter's closing)
// the order lines of the other waiters, to the payments per payment form
// with their tips and what was not given back, to "Sum of all payforms",
// and on, less tips, non refund, credits and the tables not in summary,
// to "All amount". Every step is a labelled line computed from the bills;
// where the report under it prints the same figure the two are compared,
// and it ends on a difference of 0 or on each figure that differs, named,
// with both amounts.
class TReconciliation
{
public:
    // `closing` is the closing of the Z report, `others` the other closings
    // of its day (the report covers their bills too). `day` holds the
    // figures of every bill of the day directory, `scope` those of the
    // entries the report counts (a waiter's closing: that waiter's; else
    // the same as `day`), named `scopeName` ("waiter 3 Clara"). Without a
    // readable record of every closing the block starts from the bills.
    TReconciliation(const TReconciledClosing &closing, const QList<TReconciledClosing> &others,
                    const TBillFigures &day, const TBillFigures &scope, const QString &scopeName,
                    const TReportedFigures &reported);

    // The block as fixed-width lines, titled "Reconciliation"; amounts as
    // the back office writes money (`currencies` may be null). `receipt`:
    // the payment forms one below the other, each figure on a line of its
    // own ("Caption: value", as a receipt narrows them), for a printer too
    // narrow for their table.
    QStringList lines(const TCurrencies *currencies, bool receipt = false) const;
    // {"lines": [{"key", "caption", "sign", "amount" | "count", "report"}],
    //  "payforms": [{"key", "name", "count", "payments", "tip", "nonRefund",
    //  "net", "report"}], "differences": [{"key", "caption", "bills",
    //  "report"}], "holds"}
    QJsonObject data() const;

    // The figures that differ; empty when the reconciliation ends on 0.
    const QList<TFigureDifference> &differences() const { return m_differences; }
    bool holds() const { return m_differences.isEmpty(); }

private:
    struct Step
    {
        QString key;
        QString caption;
        QChar sign; // ' ', '+', '-', '='
        qint64 value = 0;
        bool count = false;
        bool reported = false; // the report prints it too
        qint64 reportedValue = 0;
        bool gap = false; // an empty line before it
    };

    void step(const QString &key, const QString &caption, QChar sign, qint64 value,
              bool count = false);
    // A step the report prints too: compared.
    void checked(TFigure figure, QChar sign, qint64 value, const QString &caption = QString());
    void differ(const QString &key, const QString &caption, qint64 bills, qint64 reported,
                bool count, const QString &otherSide);
    QStringList payformLines(const TCurrencies *currencies, bool receipt) const;

    QList<Step> m_steps; // up to "Payments"
    QList<Step> m_chain; // from "Sum of all payforms" to "All amount"
    QList<TPayformFigures> m_payforms;
    TBillFigures m_scope;
    TReportedFigures m_reported;
    QList<TFigureDifference> m_differences;
    QList<Step> *m_into = &m_steps;
};

} // namespace PosLib
