#pragma once

#include "tclosingledger.h"
#include "tclosingverifier.h"
#include "terror.h"
#include "ttable.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

#include <memory>
#include <optional>

namespace PosLib {

// One bill a closing moved, loaded with its entries.
struct TClosedBill
{
    QString file; // "a12", in the day directory
    long z = 0; // the closing that moved it
    std::shared_ptr<TTable> table;
};

// A closed business day as the exports read it: its closings in Z order and
// the bills they moved, in bill number order.
struct TClosedDay
{
    QDate date;
    QList<TClosing> closings;
    QList<TClosedBill> bills;
    // The cash counted at a closing against the till's figure, by Z
    // counter (cents, negative when short): only closings that carry a
    // count are here.
    QMap<long, qint64> cashDifferences;

    // "Z12" or "Z12-14": the closings' Z counters, for document fields.
    QString zText() const;
};

// The closed days of an installation, read through its closing ledger. Only
// days whose closings verify are handed out: the exports carry the figures
// the closings sealed, never bills changed since.
class TClosedDays
{
    Q_DECLARE_TR_FUNCTIONS(TClosedDays)
public:
    explicit TClosedDays(const QString &root);

    const TClosingLedger &ledger() const { return m_ledger; }
    // The days between `from` and `to` (both included) with at least one
    // closing, in date order.
    QList<QDate> days(const QDate &from, const QDate &to) const;

    // Loads the closings and bills of `day`. False, with `error` saying which
    // closing and file and why, when a closing does not verify (a bill
    // changed, missing or added, a record changed …) or a bill cannot be
    // read.
    bool load(const QDate &day, TClosedDay *out, QString *error) const;

private:
    QString m_root;
    TClosingLedger m_ledger;
};

// The difference between what was counted at a closing and what the bills
// say the drawer and the counted payment forms should hold: the total of
// the record's cash count in system cents, negative when short; none when
// nobody counted (the closing's record carries no count).
std::optional<qint64> countedCashDifference(const TClosing &closing);

} // namespace PosLib
