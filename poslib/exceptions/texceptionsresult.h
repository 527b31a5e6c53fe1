#pragma once

#include "texceptionday.h"
#include "texceptionkind.h"
#include "texceptionrules.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

#include <vector>

namespace PosLib {

// One figure of a group: how many entries of a kind, their amount, and the
// two rates it is compared with the team by.
struct TExceptionFigure
{
    qint64 count = 0; // entries
    double exact = 0; // cents, exact; amount() rounds once
    double perBills = -1; // entries per 100 bills; < 0 without bills
    double perTakings = -1; // amount per 100 of takings (percent); < 0 without takings
    bool flagged = false;
    bool byBills = false; // flagged by the rate per bills
    bool byTakings = false; // and/or by the rate per takings

    qint64 amount() const;
};

// A waiter or a cost center with its figures.
struct TExceptionGroup
{
    int outlet = 0; // the chain's office number; 0 in an installation's own run
    int number = 0;
    QString name;
    qint64 takings = 0; // "All amount" of the group's summary, cents
    qint64 bills = 0; // the bills (tables) of the group
    // takes part in the team's medians: served bills (not the waiter 0)
    bool member = false;
    TExceptionFigure figures[ExceptionKindCount];
    // the discounts per discount ("3 Happy hour"): count and lost money
    QMap<QString, TExceptionFigure> discounts;

    const TExceptionFigure &figure(TExceptionKind kind) const { return figures[indexOf(kind)]; }
    TExceptionFigure &figure(TExceptionKind kind) { return figures[indexOf(kind)]; }
    bool flagged() const;
    bool hasEntries() const;
};

// The waiters or the cost centers of a run, with the team's medians.
struct TExceptionSide
{
    enum Kind { Waiters, Centers };
    Kind kind = Waiters;
    QList<TExceptionGroup> groups; // by outlet, then number
    TExceptionGroup total; // all groups together
    int members = 0; // groups taking part in the medians
    double medianPerBills[ExceptionKindCount] = {};
    double medianPerTakings[ExceptionKindCount] = {};

    // Enough members to compare with (TExceptionRules::MinTeam).
    bool compared() const { return members >= TExceptionRules::MinTeam; }
    const TExceptionGroup *group(int outlet, int number) const;
    QList<const TExceptionGroup *> flaggedGroups() const;
};

// The same rates over one week of the range (Monday to Sunday, cut to the
// range at its ends).
struct TExceptionWeek
{
    QDate from;
    QDate to;
    TExceptionSide waiters;
    TExceptionSide centers;
};

// Adds up days into the groups of both sides; then rate() computes the
// rates, medians and flags.
class TExceptionTally
{
public:
    void addDay(const TExceptionDay &day, int outlet);
    void addEntry(const TExceptionEntry &entry);
    void setTakings(TExceptionSide::Kind side, int outlet, int number, qint64 takings,
                    const QString &name);
    // The two sides with rates, medians and flags by `rules`.
    TExceptionSide side(TExceptionSide::Kind side, const TExceptionRules &rules) const;
    bool isEmpty() const { return m_groups[0].isEmpty() && m_groups[1].isEmpty(); }

private:
    TExceptionGroup &groupOf(int side, int outlet, int number, const QString &name);
    QMap<QPair<int, int>, TExceptionGroup> m_groups[2];
};

// Rates, medians and flags of the groups of a side.
void rateSide(TExceptionSide &side, const TExceptionRules &rules);
// The middle value; the mean of the two middle ones for an even count; 0
// for none.
double median(QList<double> values);

// Why a figure is flagged, in words of the current language: "Voids: 14
// (7,0 per 100 bills, 5,2 x the team's median of 1,3)"; empty when it is
// not flagged.
QString flagReason(const TExceptionSide &side, const TExceptionGroup &group, TExceptionKind kind);
// Every reason of a group.
QStringList flagReasons(const TExceptionSide &side, const TExceptionGroup &group);

// The name a group is shown with: "12 Anna", "Outlet 3 / 12 Anna", "Without
// waiter", "Without cost center".
QString groupTitle(TExceptionSide::Kind side, const TExceptionGroup &group);

} // namespace PosLib
