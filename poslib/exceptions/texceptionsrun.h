#pragma once

#include "texceptionsresult.h"
#include "texceptionwalker.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <vector>

namespace PosLib {

struct TExceptionDay;
class TExceptionDays;
class TReport;
class TWorkspaceLists;

// What an exceptions run asks for: the range and the table choice of the
// reports, and the flag rule when it should differ from the installation's.
struct TExceptionsRequest
{
    QDate from; // invalid: the current, not yet closed day
    QDate to; // invalid: `from` alone
    bool withOpenTables = false; // current day: count the open tables' entries too
    TExceptionChoice choice;
    bool dayCache = true; // closed days through the caches of "var/reportcache"
    // nothing written into the installation: no day summary built or
    // replaced, no cache read or written (TReport::setReadOnly)
    bool readOnly = false;
    bool weeks = true; // the rates per week as well
    double multiple = 0; // > 0: instead of the rules' multiple of the median
    int minCount = 0; // > 0: instead of the rules' minimum count
    QDateTime now; // the clock of the outputs; invalid: the current time
    // false: the entries are counted, but not kept in the result (for an
    // output that lists none of them: a year's entries take tens of MB)
    bool keepEntries = true;
};

// An installation the run reads; a chain run reads one per outlet.
struct TExceptionSource
{
    int outlet = 0; // the chain's office number; 0 for an installation's own run
    QString root;
};

struct TExceptionsResult
{
    enum Status { Done, Cancelled };
    Status status = Done;
    QDate from; // invalid: the current day
    QDate to; // the last day (== from for one day)
    QDate businessDay; // the current day's date (when `from` is invalid)
    QDateTime printed;
    QString installation;
    QList<int> outlets; // a chain run's office numbers; empty otherwise
    TExceptionRules rules;
    TExceptionSide waiters;
    TExceptionSide centers;
    QList<TExceptionWeek> weeks;
    // every entry, by outlet, day and bill (none when the request keeps none)
    std::vector<TExceptionEntry> entries;
    QStringList notices;

    bool isCurrent() const { return !from.isValid(); }
    bool isEmpty() const { return waiters.groups.isEmpty() && centers.groups.isEmpty(); }
    const TExceptionSide &side(TExceptionSide::Kind kind) const
    {
        return kind == TExceptionSide::Waiters ? waiters : centers;
    }
    // The entries behind a figure of a group (all kinds for null).
    std::vector<const TExceptionEntry *> entriesOf(TExceptionSide::Kind side, int outlet,
                                                   int number, const TExceptionKind *kind) const;
};

// The exceptions of a range: per waiter and per cost center the voids,
// discounts, free prices, price findings, staff-account and not-in-summary
// payments, credits, moved tables, splits and cash records, each as a
// count, an amount and two rates (per 100 bills and per 100 of takings)
// beside the team's median, flagged where a rate stands above the rule's
// multiple of the median; the entries behind them; the same per week.
//
// The takings and the names come from the report engine (the "All amount"
// of each group's summary, through the engine's cache of closed days), the
// entries from the same table entries the void, discount and price finding
// reports count (TExceptionWalker), so the figures agree with them.
class TExceptionsRun : public QObject
{
    Q_OBJECT
public:
    // `lists` (may be null) are the workspace lists of `root`.
    TExceptionsRun(TWorkspaceLists *lists, const QString &root, QObject *parent = nullptr);
    ~TExceptionsRun() override;

    // Reads these installations instead of `root` (a chain run: one per
    // outlet); the rules, names and captions are those of `root`.
    void setSources(const QList<TExceptionSource> &sources) { m_sources = sources; }

    TExceptionsResult run(const TExceptionsRequest &request);
    // The rules of the installation with the request's replacements.
    TExceptionRules rules(const TExceptionsRequest &request);

Q_SIGNALS:
    void sigDataCount(int count);
    void sigProgress(int step);
    void sigDate(const QDate &day);
    void sigNotice(const QString &text);

public Q_SLOTS:
    void setStopped();

private:
    struct Period;
    struct Takings;
    // The takings and names of each group from the report engine.
    bool readTakings(const TExceptionSource &source, const TExceptionsRequest &request,
                     const QDate &from, const QDate &to, TExceptionTally &tally);
    // Those of each week (periods after the first) and of the whole range
    // (the first), which is the weeks'.
    bool readWeekTakings(const TExceptionSource &source, const TExceptionsRequest &request,
                         QList<Period> &periods);
    // Runs the report engine over the days into `takings`; false when
    // stopped.
    bool fillTakings(const TExceptionSource &source, const TExceptionsRequest &request,
                     const QDate &from, const QDate &to, Takings &takings);
    void setTakings(const TExceptionSource &source, const TExceptionsRequest &request,
                    const Takings &takings, bool current, TExceptionTally &tally);
    // A day's entries into the tallies of the periods it is in, and into
    // `result` when the request keeps them (moved out of `day`).
    void addDay(const QDate &date, TExceptionDay &day, int outlet,
                const TExceptionsRequest &request, QList<Period> &periods,
                TExceptionsResult &result);
    // The entries of the days into `result` and the periods' tallies,
    // through `days`.
    bool readEntries(const TExceptionSource &source, TExceptionDays &days,
                     const TExceptionsRequest &request, QList<Period> &periods,
                     TExceptionsResult &result);
    void configure(TReport &report, const TExceptionsRequest &request) const;

    TWorkspaceLists *m_lists;
    TWorkspaceLists *m_ownLists = nullptr;
    QString m_root;
    QList<TExceptionSource> m_sources;
    TReport *m_report = nullptr; // the engine's run going on, for setStopped()
    // the entries' days, shown the days the engine reads for the takings
    // so that each is read (or checked) once
    TExceptionDays *m_entryDays = nullptr;
    bool m_stopped = false;
};

// The weeks of a range: Monday to Sunday, the first and last cut to it.
QList<QPair<QDate, QDate>> weeksOf(const QDate &from, const QDate &to);

} // namespace PosLib
