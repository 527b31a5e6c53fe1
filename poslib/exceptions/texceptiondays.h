#pragma once

#include "texceptionday.h"
#include "treport.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace PosLib {

class TDayCacheReader;
class TExceptionWalker;
class TTableFacts;
class TTableList;

// Reads the exception entries of an installation day by day: a closed day
// from its day summary (built when missing, built again when a table file
// of the day is newer, as reports do), the current day from its paid
// tables (and open tables on request). Closed days are kept beside the
// report engine's cached days in "var/reportcache", one folder per set of
// rules and options, and read from there while the day summary is the one
// they were made of; the cache follows the engine's (the same stamp of the
// summary, the same pruning of old folders, left alone when it cannot be
// written). Another run over the same days (the report engine's for the
// takings, given this as its TSummaryWatcher) spares reading them again:
// without the cache a day it read whole from its summary is taken from that
// read; through the cache a day whose summary it found fresh is not checked
// again.
class TExceptionDays : public TSummaryWatcher
{
public:
    // `options` names everything besides the tables that changes a day's
    // entries (the rules, the table choice); `walker` must outlive this.
    TExceptionDays(const QString &root, const TExceptionWalker &walker, const QString &options);
    ~TExceptionDays() override;

    void setCache(bool on) { m_cache = on; }
    // Nothing written into the installation: no day summary built or
    // replaced (a day without a current one is read from its tables), no
    // cached day read or kept.
    void setReadOnly(bool on) { m_readOnly = on; }
    // Called before each table; false stops the read.
    void setKeepGoing(std::function<bool()> keepGoing) { m_keepGoing = std::move(keepGoing); }
    // A day another run reads whole goes to `take` as soon as it is read,
    // when every day from `from` up to it has gone there: in date order,
    // so held by nobody. readDay() then gives it empty. A day after one
    // that went elsewhere is kept for readDay(), as without `take`.
    using Taker = std::function<void(const QDate &date, TExceptionDay &day)>;
    void setTaker(const QDate &from, Taker take);

    // The days another run reads.
    void beginDay(const QDate &date) override;
    void addTable(const TTableFacts &facts) override;
    void endDay() override;
    void foundFresh(const QDate &date) override;

    // Looks at the closed days from `from` to `to` a day ahead on another
    // thread when they are read from their summaries (without the cache,
    // or read-only): there each summary's freshness is checked and its
    // bytes are read. The days are then read in order, each once. Not
    // when another run has read days here already: the others are read in
    // their turn.
    void readAhead(const QDate &from, const QDate &to);
    // A closed day into `day` (cleared first); false when stopped. A day
    // another run read whole is taken from there.
    bool readDay(const QDate &date, TExceptionDay &day);
    // The current data: the paid tables of var/archives, and with
    // `withOpenTables` the open ones of var/tables (held ones left out).
    bool readCurrent(bool withOpenTables, TExceptionDay &day);

    // The folder of this installation's and options' cached days.
    QString cacheDir() const;
    int cachedDays() const { return m_cachedDays; }
    // What the user should know about the days read: a day read from its
    // tables since its summary could not be built.
    const QStringList &notices() const { return m_notices; }

private:
    // Went to the taker already.
    bool taken(const QDate &date) const
    {
        return m_take && date >= m_takenFrom && date < m_takeNext;
    }
    bool readList(TTableList *list, const QDate &closedDay, bool open, TExceptionDay &day);
    // `bytes`: the summary as read ahead, fresh; empty: read here.
    bool readSummary(const QDate &date, TExceptionDay &day, const QByteArray &bytes = QByteArray());
    // The summary of `date` as read ahead: fresh, or empty.
    QList<QByteArray> takeAhead(const QDate &date);
    // The stamp of the day's summary, empty when there is none.
    QByteArray stamp(const QDate &date) const;
    void keep(const QDate &date, const TExceptionDay &day);

    QString m_root;
    const TExceptionWalker &m_walker;
    QString m_options;
    bool m_cache = true;
    bool m_readOnly = false;
    bool m_cacheReadOnly = false;
    mutable QString m_cacheDir;
    int m_cachedDays = 0;
    std::function<bool()> m_keepGoing;
    QStringList m_notices;
    // kept from day to day: the bytes of a summary, and the facts, which
    // learn the layout of the records once
    QByteArray m_buffer;
    std::unique_ptr<TTableFacts> m_facts;
    // the days looked at ahead, from m_aheadFrom; the next one to take
    std::unique_ptr<TDayCacheReader> m_ahead;
    QDate m_aheadFrom;
    int m_aheadNext = 0;
    // the days other runs read whole, and the one they are reading; those
    // from m_takenFrom to before m_takeNext went to m_take
    Taker m_take;
    QDate m_takenFrom;
    QDate m_takeNext;
    QHash<QDate, TExceptionDay> m_seen;
    QDate m_seenDate;
    TExceptionDay m_seenDay;
    // the days whose summaries other runs found fresh for the cache
    QSet<QDate> m_fresh;
};

} // namespace PosLib
