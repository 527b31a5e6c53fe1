#pragma once

#include "tdaycachewriter.h"
#include "tdaygroupspool.h"
#include "trepdata.h"
#include "tvalue.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace PosLib {

class TArchTable;
class TDayCacheReader;
struct TCachedDayState;
struct TCachedDayFiles;
class TEntryFacts;
class TRepCenters;
class TRepDatas;
class TRepWaiters;
class TSumFilter;
class TTable;
class TTableEntry;
class TTableFacts;
struct TTableFiles;

// Sees the closed days a run reads, besides the run. Of a day read from its
// day summaries: the day begun, each of its tables (every one, whatever the
// run's choice), and the end of a day read whole. A day begun and not ended
// (a damaged summary, a stop) is incomplete; a day read from its table
// files instead is not seen. Of a day the cache answers or keeps: that its
// summary was found no older than the day's table files.
class TSummaryWatcher
{
public:
    virtual ~TSummaryWatcher() = default;
    virtual void beginDay(const QDate &day) = 0;
    virtual void addTable(const TTableFacts &facts) = 0;
    virtual void endDay() = 0;
    virtual void foundFresh(const QDate &day) = 0;
};

// Walks the table files of an installation (or of the terminals of one
// outlet) for a range of days, or the current unclosed data, and feeds the
// accepted entries into per-waiter and per-cost-center groups. Progress is
// signalled; setStopped() ends a run at its next check.
class TReport : public QObject
{
    Q_OBJECT
public:
    enum TurnoverType { AllTables = 0, InSummaryOnly = 1, NotInSummaryOnly = 2 };
    enum TraineeType { AllWaiters = 0, WithoutTrainees = 1, TraineesOnly = 2 };

    // An invalid report date stands for the current, not yet closed data.
    TReport(const QDate &reportDate, Basics::TValue *reportWaiter, const QString &dataPath,
            QObject *parent = nullptr);
    ~TReport() override;

    Basics::TValue *reportWaiter() const { return m_reportWaiter; }
    QString dataPath() const { return m_dataPath; }
    QDate reportDate() const { return m_reportDate; }
    const TSumFilter *filter() const { return m_filter; }
    void setFilter(const TSumFilter *filter)
    {
        m_filter = filter;
        m_cacheDirs.clear();
    }
    // True without a report waiter, else the waiter's "reports" right. Kept
    // for the callers; a run does not look at it.
    bool reportsRight() const { return m_reportsRight; }
    void setReportsRight(bool right) { m_reportsRight = right; }
    bool withOpenTables() const { return m_withOpenTables; }
    void setWithOpenTables(bool with) { m_withOpenTables = with; }
    bool withoutCredits() const { return m_withoutCredits; }
    void setWithoutCredits(bool without)
    {
        m_withoutCredits = without;
        m_cacheDirs.clear();
    }
    QString outletName() const { return m_outletName; }
    void setOutletName(const QString &name) { m_outletName = name; }
    QStringList outletPaths() const { return m_outletPaths; }
    void setOutletPaths(const QStringList &paths)
    {
        m_outletPaths = paths;
        m_cacheDirs.clear();
    }
    int turnoverType() const { return m_turnoverType; }
    void setTurnoverType(int type)
    {
        m_turnoverType = type;
        m_cacheDirs.clear();
    }
    int traineeType() const { return m_traineeType; }
    void setTraineeType(int type)
    {
        m_traineeType = type;
        m_cacheDirs.clear();
    }
    bool isStopped() const { return m_stopped; }

    // Keeps the groups of every closed day (one the day turnover closed)
    // in the installation's "var/reportcache", and reads them from there
    // while the day's summary is the one they were made of (off by
    // default). A cached day is one step of progress. The figures are the
    // same either way; a cache that cannot be written (a read-only
    // installation) is left alone.
    void setDayCache(bool on) { m_dayCache = on; }
    bool dayCache() const { return m_dayCache; }
    // Writes nothing into the installation (off by default): a closed day
    // whose day summary is missing, or older than a table file of the day,
    // is read from the day's table files, the summary left as it is; the
    // day cache is neither read nor written. The figures are the same.
    // For a reader that may not or must not write: the web view.
    void setReadOnly(bool on) { m_readOnly = on; }
    bool isReadOnly() const { return m_readOnly; }
    // The folder of the cached days of groups like `groups` under this
    // report's options: one per set of options that changes a day's
    // figures (the groups' side and records, report waiter, filter,
    // turnover, trainee, credits, outlet paths, the installation's group
    // settings and departments).
    // Using a folder marks it as used now and drops the least recently used
    // folders beyond `DayCacheSets` (pruneDayCaches), so trying many filters
    // does not fill the installation's disk.
    QString dayCacheDir(const TRepDatas &groups) const;
    static constexpr int DayCacheSets = 12;
    // Closed days answered from the cache so far.
    int cachedDays() const { return m_cachedDays; }

    // Where the closed days of a range come from instead of their day
    // summaries (and the cache): called for each day in date order with the
    // groups to add it to, as TDayAggregate::merge() adds a stored day;
    // false ends the run. The chain report reads the outlets' days from its
    // database this way.
    using DaySource
            = std::function<bool(const QDate &day, TRepWaiters *waiters, TRepCenters *centers)>;
    void setDaySource(DaySource source) { m_daySource = std::move(source); }
    // Shows the days read to `watcher` as well (null: to none); for a run
    // over one data path. Not owned.
    void setSummaryWatcher(TSummaryWatcher *watcher) { m_summaryWatcher = watcher; }

    // New groupings filled over from..to (invalid dates: the report date);
    // the caller owns them.
    TRepWaiters *makeWaiterReport(const QDate &from, const QDate &to);
    TRepCenters *makeCenterReport(const QDate &from, const QDate &to);
    // Walks the days from..to into either grouping (or both), announcing
    // each day with sigDate() before runDay() announces it again; false
    // when stopped.
    bool runRange(TRepWaiters *waiters, TRepCenters *centers, const QDate &from, const QDate &to);
    // One closed day from its day summary, or the open and paid tables of
    // the current data when `day` is invalid; false when stopped.
    bool runDay(TRepWaiters *waiters, TRepCenters *centers, const QDate &day);

    // Tables and entries accepted so far (for statistics and benchmarks).
    qint64 tableCount() const { return m_counts.tables; }
    qint64 entryCount() const { return m_counts.entries; }

    // Days read without the cache: each day's summaries in the data paths
    // `roots` checked and read one day ahead, on one thread (`stamp` heads
    // the identity kept of them); null on a machine of one core.
    static std::unique_ptr<TDayCacheReader> checkAhead(const QStringList &roots, const QDate &from,
                                                       const QDate &to, const QByteArray &stamp);

Q_SIGNALS:
    void sigDataCount(int count);
    void sigProgress(int step);
    void sigDate(const QDate &day);
    // Something the user should know about the figures, one sentence (a
    // day read from its tables since its summary could not be built).
    void sigNotice(const QString &text);

public Q_SLOTS:
    void setStopped();

private:
    struct Groups
    {
        TRepWaiters *waiters;
        TRepCenters *centers;
    };
    struct Counts
    {
        qint64 tables = 0;
        qint64 entries = 0;
    };
    // What the day groups of a side are made like: asked for, records and
    // cash records kept, the nodes walked.
    struct DaySide
    {
        bool wanted = false;
        bool records = false;
        bool cashRecords = false;
        TRepScope scope;
        TRepSettingsPtr settings;
    };
    // How groups are made, for day groups like them; not wanted for null.
    static DaySide daySideOf(const TRepDatas *groups);
    // New day groups of each side wanted, made like `sides`.
    void makeDayGroups(const DaySide (&sides)[2], std::unique_ptr<TRepWaiters> &waiters,
                       std::unique_ptr<TRepCenters> &centers) const;
    // Reads the tables of a list. Alone (`offset` < 0) the list announces
    // its own count of steps; as a part of a day announced as a whole, its
    // steps follow the `offset` steps of the lists before it.
    bool readList(const TTableFiles &files, const Groups &groups, int offset = -1);
    // `checked`: the summary's freshness was checked just before; `bytes`,
    // when not empty, the summary as it was read then.
    bool readSummary(const QString &path, const QDate &day, const Groups &groups,
                     bool checked = false, const QByteArray &bytes = QByteArray());
    // True when the day turnover closed the day (in every data path).
    bool isClosed(const QDate &day) const;
    // A closed day through the day cache.
    // `ahead`: the day as the reader found it ahead, or null.
    bool runCachedDay(TRepWaiters *waiters, TRepCenters *centers, const QDate &day,
                      const TCachedDayState *ahead);
    bool runDay(TRepWaiters *waiters, TRepCenters *centers, const QDate &day,
                const TCachedDayState *ahead);
    // Checks the closed days of a range on worker threads while the run
    // adds the days before them (checkAhead() without the cache). Null for
    // one day.
    std::unique_ptr<TDayCacheReader> readAhead(TRepWaiters *waiters, TRepCenters *centers,
                                               const QDate &from, const QDate &to);
    // The build of the engine that wrote a cached day: a cache another
    // build wrote is not read, whatever its version says (its nodes may
    // count otherwise).
    static const QByteArray &engineStamp();
    // The file name of a cached day.
    static QString cacheFile(const QString &dir, const QDate &day);
    // The files each day of a range depends on in each data path, its
    // closing marks if asked.
    static std::vector<TCachedDayFiles> rangeFiles(const QStringList &roots, const QDate &from,
                                                   const QDate &to, bool closedMarks);
    // The identity of the day's summaries (size, times, inode of each)
    // and of the program; empty when a summary is missing or, with
    // `check`, older than a table file of its day (it is deleted then, to
    // be built again).
    QByteArray summaryStamp(const QDate &day, bool check);
    // One table: its facts, and the table in memory when there is one
    // (tables of lists; for a day summary's table the filter asks for it
    // through `summary`).
    void processTable(const TTableFacts &facts, TTable *table, const TArchTable *summary,
                      const Groups &groups, Counts &counts) const;
    // Reads a fresh day's summaries into groups of its own for each side
    // and keeps their day aggregates in `state`; runs on a reader's worker,
    // so it reads only options that do not change during a run (no filter:
    // its caches are not shared), emits nothing and writes nothing but its
    // own groups. A summary that cannot be read throws: the day is then
    // read in its turn.
    // Writes them to the cache (`dirs` by side) through `writer` when the
    // summaries are still the ones stamped.
    // The groups come from `pool` (made like `sides` when it has none)
    // and go back to it.
    void buildAhead(const QDate &day, const QStringList &roots, const DaySide (&sides)[2],
                    const QString (&dirs)[2], TDayCacheWriter *writer, TDayGroupsPool &pool,
                    TCachedDayState &state) const;
    // Takes a failed cache write (on a worker or here) as a cache that
    // cannot be written for the rest of the run; true when writing goes on.
    bool cacheWritable();
    // Syncs the folders of the cached days written (once per run).
    void finishCacheWrites();
    bool passesTrainee(const TTableFacts &table) const;
    bool usesDayCache() const { return m_dayCache && !m_readOnly; }
    QStringList paths() const;

    Basics::TValue *m_reportWaiter;
    QString m_dataPath;
    QDate m_reportDate;
    const TSumFilter *m_filter = nullptr;
    bool m_reportsRight;
    bool m_withOpenTables = false;
    bool m_withoutCredits = false;
    QString m_outletName;
    QStringList m_outletPaths;
    bool m_stopped = false;
    bool m_dayCache = false;
    bool m_readOnly = false;
    DaySource m_daySource;
    TSummaryWatcher *m_summaryWatcher = nullptr;
    // a cache write failed: none tried again in this run
    bool m_cacheReadOnly = false;
    // writes the cached days, here and on the reader's workers
    TDayCacheWriter m_cacheWriter;
    int m_cachedDays = 0;
    // dayCacheDir() by side, once per run
    mutable QHash<QString, QString> m_cacheDirs;
    int m_turnoverType = AllTables;
    int m_traineeType = AllWaiters;
    Counts m_counts;
    // the day summaries are read into one buffer, day after day
    QByteArray m_buffer;
    std::unique_ptr<TTableFacts> m_facts;
};

// Keeps the `keep` most recently used folders of cached days below
// `cacheRoot` (by their time of last use) and removes the others; `inUse`
// stays in any case. A folder another report is reading may go: that report
// reads the day summaries again.
void pruneDayCaches(const QString &cacheRoot, const QString &inUse, int keep);

} // namespace PosLib
