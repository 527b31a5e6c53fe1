#pragma once

#include "texceptionday.h"
#include "texceptionrules.h"
#include "trepdata.h"

#include <QDate>
#include <QString>

namespace PosLib {

class TEntryFacts;
class TTable;
class TTableFacts;

// Which tables and entries count, as the report options choose them.
struct TExceptionChoice
{
    int turnoverType = 0; // 0 all, 1 in summary, 2 not in summary
    int traineeType = 0; // 0 all, 1 without trainees, 2 only trainees
    bool withoutCredits = false;
};

// Finds the exception entries of a table, taking the table's entries as the
// report engine takes them (trainee and turnover choice, credits left out
// on request, an order's components counted as orders of their own and the
// order itself only for its price add-ons), so that voids, discounts and
// price findings add up to what the void, discount and price finding
// reports show; each entry counts in the waiter and cost-center group the
// reports put it in ("SimpleRep" and "VWaiter" of "etc/reports.ini").
class TExceptionWalker
{
public:
    TExceptionWalker(const QString &root, const TExceptionRules &rules,
                     const TExceptionChoice &choice);

    // Adds the table to `day`: its bill to its waiter's bills and to those
    // of each cost center it sold in, its exception entries. `closedDay` is the day the bill was
    // closed on (invalid: the current day), `open` a table still open.
    // Tables the choice leaves out add nothing.
    void addTable(const TTable &table, const QDate &closedDay, bool open, TExceptionDay &day) const;
    // The same for a table read from a day summary, or taken.
    void addTable(const TTableFacts &facts, const QDate &closedDay, bool open,
                  TExceptionDay &day) const;

private:
    // A bill's context shared by all its entries.
    struct Bill;
    bool counts(const TTableFacts &table) const;
    void addOrder(const TEntryFacts &order, Bill &bill) const;
    void addVoid(const TEntryFacts &entry, Bill &bill) const;
    void addPay(const TEntryFacts &entry, Bill &bill) const;
    void addOther(const TEntryFacts &entry, Bill &bill) const;
    TExceptionEntry entryOf(TExceptionKind kind, const TEntryFacts &entry, const Bill &bill) const;

    TExceptionRules m_rules;
    TExceptionChoice m_choice;
    // the group keys as the reports make them
    TRepWaiters m_waiters;
    TRepCenters m_centers;
};

} // namespace PosLib
