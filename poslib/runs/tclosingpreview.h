#pragma once

#include "tbillfigures.h"
#include "tcashcount.h"
#include "tfigures.h"
#include "tturnoverflow.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace PosLib {

class TCurrencies;

// One point of a closing's checklist: "ok", a note, what stops it, or
// what it would do.
struct TPreviewItem
{
    enum Mark { Ok, Note, Stop, Info };
    Mark mark = Info;
    QString text;
    // "ok", "note", "stop", "info": as the command line marks it
    QString markText() const;
};

// What a day closing would do and meet, found without writing anything:
// the checks of the run (lock, fiscal files, tables on the terminals,
// journal), the Z counter it would take and the day's Z number, the bills
// that would move and their figures (bill total, payments per payment
// form, takings), the open tables with waiter and amount, and what the
// drawer should hold for a cash count. The closing dialog and `veltrum
// turnover --dry-run` show the same preview; a closing made right after it
// records the same Z, bills and totals.
class TClosingPreview
{
public:
    enum Verdict {
        GoesThrough,
        StoppedByOpenTables, // unless the user goes on all the same
        Refused,
    };

    // `force` goes on while tables are open and closes again a day closed
    // as a whole before. `forWindow` words the texts for the closing
    // dialog (which asks instead of naming --force).
    TClosingPreview(const TTurnoverRequest &request, bool force, bool forWindow = false);

    const TTurnoverRequest &request() const { return m_request; }
    const TTurnoverCheck &check() const { return m_check; }
    Verdict verdict() const { return m_verdict; }
    // Why it would not go through; empty when it would.
    QString reason() const { return m_reason; }
    // True when the day was closed as a whole before.
    bool closedBefore() const;

    long z() const { return m_check.forecast.zCounter; }
    long dayZ() const { return m_check.forecast.dayZ; }
    int bills() const { return int(m_check.forecast.bills.size()); }
    // The figures of the bills that would move (read whole).
    const TBillFigures &figures() const { return m_figures; }
    // What the drawer and the payment forms should hold after them.
    const TDrawerFigures &drawer() const { return m_drawer; }
    // Bills that would move but could not be read for their figures.
    const QStringList &unreadable() const { return m_unreadable; }
    // The named figures the preview shows: bills, bill total, payments,
    // tip, credits, all amount.
    QList<QPair<TFigure, qint64>> takings() const;
    // Open tables not held by a terminal, with waiter and amount.
    QList<TOpenTable> openTables() const { return m_check.openTables(); }
    // Bills paid on another business day than the one closed.
    int billsOfOtherDays() const { return m_otherDays; }

    // The checklist, in the order the closing checks, amounts as
    // `currencies` writes money.
    QList<TPreviewItem> items(const TCurrencies *currencies) const;
    // The items a count can name: what the bills expect, then `known`.
    QList<TCountItem> countItems(const QList<TCountItem> &known = {}) const;
    // A count set against this preview's bills.
    TCashCount count(const TCashCountInput &input) const;

    // Text lines after the checklist: the takings, payment forms, the open
    // tables listed, amounts as `currencies` writes money.
    QStringList figureLines(const TCurrencies *currencies) const;

private:
    TTurnoverRequest m_request;
    bool m_force = false;
    bool m_window = false;
    TTurnoverCheck m_check;
    Verdict m_verdict = GoesThrough;
    QString m_reason;
    TBillFigures m_figures;
    TDrawerFigures m_drawer;
    QStringList m_unreadable;
    int m_otherDays = 0;
};

// Why a closing run refused or would refuse, by its result code (lock,
// open tables, a waiter's closing done, nothing to move, a counter set back).
QString closingRefusalText(int code, const TTurnoverRequest &request,
                           const TTurnoverForecast &forecast);

// The business day a bill was paid on: its archiving time (else its last
// entry's) before the start of the gastronomic day belongs to the day
// before. Invalid when the bill has no time at all.
QDate billBusinessDay(const QString &billPath, const QString &root);

// The business day a closing should close: the oldest business day of the
// paid bills in "var/archives" (a closing that was forgotten comes first),
// else the business day at `now` (invalid: the current time).
QDate proposedClosingDay(const QString &root, const QDateTime &now = QDateTime());

// The items an installation can count though its bills have none: cash in
// every currency of its list, every payment form of its "payforms" list
// not counted in the cash summary. Empty when the lists are missing.
class TWorkspaceLists;
QList<TCountItem> countableItems(TWorkspaceLists *lists);

// The amount as the installation writes money ("412,50 EUR").
QString countAmountText(const TCurrencies *currencies, const TCountItem &item, qint64 cents);

// The cash count's lines for a text: per item expected, counted and the
// difference, the float, the cash in and out records, the total difference,
// the comment and who counted.
QStringList cashCountLines(const TCashCount &count, const TCurrencies *currencies);

} // namespace PosLib
