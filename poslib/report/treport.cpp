#include "treport.h"

#include "tarchtable.h"
#include "tdayaggregate.h"
#include "tdaycachereader.h"
#include "tdir.h"
#include "tengineid.h"
#include "tentryfacts.h"
#include "terror.h"
#include "tinifile.h"
#include "tinstallation.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "trepdata.h"
#include "tsavefile.h"
#include "tsumfilter.h"
#include "ttable.h"
#include "ttablefacts.h"
#include "ttablelist.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <sys/time.h>

#include <algorithm>
#include <memory>
#include <vector>

using namespace Basics;

namespace PosLib {

TReport::TReport(const QDate &reportDate, TValue *reportWaiter, const QString &dataPath,
                 QObject *parent)
    : QObject(parent)
    , m_reportWaiter(reportWaiter)
    , m_dataPath(dataPath)
    , m_reportDate(reportDate)
    , m_reportsRight(!reportWaiter || reportWaiter->getBool(QStringLiteral("reports")))
{ }

TReport::~TReport() = default;

void TReport::setStopped()
{
    m_stopped = true;
}

QStringList TReport::paths() const
{
    return m_outletPaths.isEmpty() ? QStringList(m_dataPath) : m_outletPaths;
}

TRepWaiters *TReport::makeWaiterReport(const QDate &from, const QDate &to)
{
    auto *waiters = new TRepWaiters(m_reportWaiter, m_dataPath);
    if (from.isValid() && to.isValid())
        runRange(waiters, nullptr, from, to);
    else
        runDay(waiters, nullptr, m_reportDate);
    return waiters;
}

TRepCenters *TReport::makeCenterReport(const QDate &from, const QDate &to)
{
    auto *centers = new TRepCenters(m_reportWaiter, m_dataPath);
    if (from.isValid() && to.isValid())
        runRange(nullptr, centers, from, to);
    else
        runDay(nullptr, centers, m_reportDate);
    return centers;
}

bool TReport::runRange(TRepWaiters *waiters, TRepCenters *centers, const QDate &from,
                       const QDate &to)
{
    // the installation's settings are read again for a new range
    m_cacheDirs.clear();
    // the folders of the cached days written are synced once, at the end,
    // after the reader's workers are done (the reader goes first)
    struct SyncAtEnd
    {
        TReport *report;
        ~SyncAtEnd() { report->finishCacheWrites(); }
    } syncAtEnd {this};
    // the closed days are looked at ahead, while the days before them are added
    const std::unique_ptr<TDayCacheReader> ahead = readAhead(waiters, centers, from, to);
    int index = 0;
    for (QDate d = from; d.isValid() && d <= to; d = d.addDays(1)) {
        if (m_stopped)
            return false;
        Q_EMIT sigDate(d);
        if (ahead) {
            TCachedDayState state = ahead->take(index++);
            if (!runDay(waiters, centers, d, &state))
                return false;
            ahead->giveBack(std::move(state.summaryBytes));
        } else if (!runDay(waiters, centers, d, nullptr)) {
            return false;
        }
    }
    // the buffer of the largest day summary is not held while the groups
    // are printed
    m_buffer = QByteArray();
    return !m_stopped;
}

bool TReport::runDay(TRepWaiters *waiters, TRepCenters *centers, const QDate &day)
{
    const bool done = runDay(waiters, centers, day, nullptr);
    finishCacheWrites();
    return done;
}

bool TReport::cacheWritable()
{
    if (!m_cacheReadOnly && m_cacheWriter.failed()) {
        // a read-only installation: reports go on without the cache
        m_cacheReadOnly = true;
        logDebug(QStringLiteral("Report cache not written: %1").arg(m_cacheWriter.failure()),
                 LogModule::Library, LogClass::Report);
    }
    return !m_cacheReadOnly;
}

void TReport::finishCacheWrites()
{
    if (!m_cacheWriter.finish())
        logDebug(QStringLiteral("Report cache folder not synced"), LogModule::Library,
                 LogClass::Report);
    cacheWritable();
}

bool TReport::runDay(TRepWaiters *waiters, TRepCenters *centers, const QDate &day,
                     const TCachedDayState *ahead)
{
    const Groups groups {waiters, centers};
    if (!day.isValid()) {
        // the open and the paid tables of every path are one count of
        // steps, so that the day's progress runs once from start to end
        std::vector<TTableFiles> parts;
        int steps = 0;
        for (const QString &path : paths()) {
            parts.push_back(activeTableFiles(path));
            parts.push_back(archiveTableFiles(path));
        }
        for (const TTableFiles &part : parts)
            steps += part.count();
        if (steps > 0)
            Q_EMIT sigDataCount(steps);
        int offset = 0;
        for (TTableFiles &part : parts) {
            if (!readList(part, groups, offset))
                return false;
            offset += part.count();
            part = TTableFiles();
        }
        return true;
    }
    if (m_daySource) {
        Q_EMIT sigDate(day);
        return m_daySource(day, waiters, centers) && !m_stopped;
    }
    if (usesDayCache() && (ahead && ahead->checked ? ahead->closed : isClosed(day)))
        return runCachedDay(waiters, centers, day, ahead);
    Q_EMIT sigDate(day);
    // found fresh ahead: the stat of its table files is not made again,
    // and the summaries read there are not read again
    const bool fresh = ahead && ahead->checked && ahead->fresh;
    const QStringList roots = paths();
    for (qsizetype i = 0; i < roots.size(); ++i) {
        const QByteArray bytes = fresh ? ahead->summaryBytes.value(i) : QByteArray();
        if (!readSummary(roots.at(i), day, groups, fresh, bytes))
            return false;
    }
    return true;
}

namespace {

void addFileDigest(QCryptographicHash &hash, const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        hash.addData(file.readAll());
    hash.addData("\n");
}

// The cached day's blob; empty when there is none or it cannot be read.
QByteArray readCached(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

} // namespace

const QByteArray &TReport::engineStamp()
{
    // the build of the engine, the same for every program built from the
    // same sources
    static const QByteArray stamp = QByteArrayLiteral("engine " VELTRUM_ENGINE_ID "\n");
    return stamp;
}

QString TReport::cacheFile(const QString &dir, const QDate &day)
{
    return dir + QLatin1Char('/') + day.toString(Qt::ISODate) + QLatin1String(".agg");
}

void pruneDayCaches(const QString &cacheRoot, const QString &inUse, int keep)
{
    const QFileInfoList folders = QDir(cacheRoot).entryInfoList(
            QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Time);
    const QString used = QFileInfo(inUse).absoluteFilePath();
    // the folder in use counts as one of those kept, also before it is made
    int others = 0;
    for (const QFileInfo &folder : folders) {
        if (folder.absoluteFilePath() == used || ++others < keep)
            continue;
        if (!QDir(folder.absoluteFilePath()).removeRecursively())
            logDebug(QStringLiteral("Report cache folder %1 not removed")
                             .arg(folder.absoluteFilePath()),
                     LogModule::Library, LogClass::Report);
    }
}

bool TReport::isClosed(const QDate &day) const
{
    // the day turnover journals a day it closed in the day's folder
    for (const QString &path : paths()) {
        if (!QFileInfo::exists(statistDayDir(day, path) + QStringLiteral("turnover.z")))
            return false;
    }
    return true;
}

QString TReport::dayCacheDir(const TRepDatas &groups) const
{
    const QString side = groups.dayName()
                         + (groups.keepsRecords() ? QStringLiteral("+") : QString())
                         + (groups.keepsCashRecords() ? QStringLiteral("$") : QString());
    auto known = m_cacheDirs.constFind(side);
    if (known != m_cacheDirs.cend())
        return known.value();
    // everything that changes a day's groups besides its tables
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const QString version = QString::number(TDayAggregate::Version);
    QStringList options = {version,
                           groups.dayName(),
                           groups.keepsRecords() ? QStringLiteral("records") : QString(),
                           groups.keepsCashRecords() ? QStringLiteral("cashrecords") : QString(),
                           QString::number(m_reportWaiter ? m_reportWaiter->id() : 0),
                           QString::number(m_turnoverType),
                           QString::number(m_traineeType),
                           m_withoutCredits ? QStringLiteral("nocredits") : QString()};
    options += paths();
    hash.addData(options.join(QLatin1Char('\n')).toUtf8());
    if (m_filter) {
        for (auto it = m_filter->fields().cbegin(); it != m_filter->fields().cend(); ++it)
            hash.addData(QStringLiteral("\n%1=%2:%3")
                                 .arg(it.key())
                                 .arg(it.value().type)
                                 .arg(it.value().text)
                                 .toUtf8());
    }
    // the group settings and the departments
    addFileDigest(hash, reportsIniPath(m_dataPath));
    addFileDigest(hash, QDir(m_dataPath).filePath(QStringLiteral("usr/data/departments.dat")));
    const QString dir = QDir(m_dataPath).filePath(QStringLiteral("var/reportcache/"))
                        + QString::fromLatin1(hash.result().toHex());
    // asked for every day of a run: the options do not change within one
    m_cacheDirs.insert(side, dir);
    if (usesDayCache()) {
        // used now: the last to go when folders of other options are dropped
        ::utimes(QFile::encodeName(dir).constData(), nullptr);
        pruneDayCaches(QDir(m_dataPath).filePath(QStringLiteral("var/reportcache")), dir,
                       DayCacheSets);
    }
    return dir;
}

QByteArray TReport::summaryStamp(const QDate &day, bool check)
{
    QByteArray stamp = engineStamp();
    for (const QString &path : paths()) {
        TArchTable summary(path, day);
        const QString file = summary.filePath();
        qint64 modified = 0;
        if (!TDayCacheReader::appendIdentity(stamp, QFile::encodeName(file), &modified))
            return QByteArray();
        // a table file of the day changed since the summary was written
        if (check && summary.hasTablesNewerThan(QDateTime::fromMSecsSinceEpoch(modified))) {
            deleteFile(file);
            return QByteArray();
        }
    }
    return stamp;
}

bool TReport::runCachedDay(TRepWaiters *waiters, TRepCenters *centers, const QDate &day,
                           const TCachedDayState *ahead)
{
    Q_EMIT sigDate(day);
    TRepDatas *sides[2] = {waiters, centers};
    QString dirs[2];
    for (int i = 0; i < 2; ++i) {
        if (sides[i])
            dirs[i] = dayCacheDir(*sides[i]);
    }
    // found fresh ahead: the summaries and cached days as they were then;
    // anything else is looked at again here, where a stale summary goes
    const bool fresh = ahead && ahead->checked && ahead->fresh;
    const QByteArray stamp = fresh ? ahead->stamp : summaryStamp(day, true);
    if (m_summaryWatcher && !stamp.isEmpty())
        m_summaryWatcher->foundFresh(day);
    bool merged[2] = {!waiters, !centers};
    if (!stamp.isEmpty()) {
        QByteArray blobs[2];
        bool all = true;
        for (int i = 0; i < 2 && all; ++i) {
            if (!sides[i])
                continue;
            if (fresh) {
                blobs[i] = ahead->blobs[i];
                all = !blobs[i].isEmpty();
                continue;
            }
            blobs[i] = readCached(cacheFile(dirs[i], day));
            all = !blobs[i].isEmpty() && TDayAggregate::stampOf(blobs[i]) == stamp;
        }
        if (all) {
            // a cached day is one step
            Q_EMIT sigDataCount(1);
            if (m_stopped)
                return false;
            for (int i = 0; i < 2; ++i) {
                if (sides[i] && !merged[i])
                    merged[i] = TDayAggregate::merge(blobs[i], *sides[i]);
            }
            Q_EMIT sigProgress(1);
            if (merged[0] && merged[1]) {
                ++m_cachedDays;
                return !m_stopped;
            }
            logDebug(QStringLiteral("Cached day %1 could not be read; read from its summary")
                             .arg(day.toString(Qt::ISODate)),
                     LogModule::Library, LogClass::Report);
        }
    }

    // a cache that cannot be written: the day goes straight into the groups
    if (!cacheWritable()) {
        const Groups straight {merged[0] ? nullptr : waiters, merged[1] ? nullptr : centers};
        for (const QString &path : paths()) {
            if (!readSummary(path, day, straight, true))
                return false;
        }
        return true;
    }

    // read from the summaries ahead, into groups of its own, on a worker
    bool built = fresh;
    for (int i = 0; i < 2; ++i)
        built = built && (merged[i] || !ahead->built[i].isEmpty());
    if (built) {
        Q_EMIT sigDataCount(int(ahead->builtBytes));
        if (m_stopped)
            return false;
        m_counts.tables += ahead->builtTables;
        m_counts.entries += ahead->builtEntries;
        Q_EMIT sigProgress(int(ahead->builtBytes));
    }

    // the day from its summaries, into groups of its own
    std::unique_ptr<TRepWaiters> dayWaiters;
    std::unique_ptr<TRepCenters> dayCenters;
    if (!built) {
        const DaySide like[2] = {daySideOf(merged[0] ? nullptr : waiters),
                                 daySideOf(merged[1] ? nullptr : centers)};
        makeDayGroups(like, dayWaiters, dayCenters);
    }
    const Groups dayGroups {dayWaiters.get(), dayCenters.get()};
    for (const QString &path : paths()) {
        if (!built && !readSummary(path, day, dayGroups, true))
            return false;
    }
    // kept when the summaries read are the ones stamped (those built ahead
    // were written there)
    const QByteArray after = built ? QByteArray() : summaryStamp(day, false);
    const bool keep = !built && !after.isEmpty() && (stamp.isEmpty() || stamp == after);
    TRepDatas *daySides[2] = {dayWaiters.get(), dayCenters.get()};
    for (int i = 0; i < 2; ++i) {
        if (built ? merged[i] : !daySides[i])
            continue;
        const QByteArray blob
                = built ? ahead->built[i] : TDayAggregate::toBytes(*daySides[i], after);
        if (blob.isEmpty() || !TDayAggregate::merge(blob, *sides[i])) {
            // cannot happen with groups just filled; the day is read once more, straight
            logWarning(QStringLiteral("The groups of %1 could not be kept; the day is read again")
                               .arg(day.toString(Qt::ISODate)),
                       LogModule::Library, LogClass::Report);
            const Groups straight {i == 0 ? waiters : nullptr, i == 1 ? centers : nullptr};
            for (const QString &path : paths()) {
                if (!readSummary(path, day, straight, true))
                    return false;
            }
            continue;
        }
        if (keep && cacheWritable())
            m_cacheWriter.save(dirs[i], cacheFile(dirs[i], day), blob);
    }
    cacheWritable();
    return !m_stopped;
}

bool TReport::readSummary(const QString &path, const QDate &day, const Groups &groups, bool checked,
                          const QByteArray &bytes)
{
    TArchTable summary(path, day);
    summary.setReadOnly(m_readOnly);
    if (bytes.isEmpty())
        summary.setBuffer(&m_buffer);
    else
        summary.setBytes(bytes);
    const QString file = summary.filePath();
    // asked once: a summary built by the first read exists afterwards
    const QFileInfo info(file);
    bool existed = !bytes.isEmpty() || info.exists();
    // a table file of the day changed since the summary was written
    const bool stale = existed && !checked && summary.hasTablesNewerThan(info.lastModified());
    if (m_readOnly && (!existed || stale)) {
        // the summary stays as it is (or missing): the day's own tables count
        return readList(dayTableFiles(path, day), groups);
    }
    if (stale) {
        deleteFile(file);
        existed = false;
    }
    Q_EMIT sigDataCount(!bytes.isEmpty() ? int(bytes.size()) : existed ? int(info.size()) : 0);
    if (m_stopped)
        return false;
    bool first = true;
    // kept from day to day: it learns the layout of the records once
    if (!m_facts)
        m_facts = std::make_unique<TTableFacts>();
    TTableFacts &facts = *m_facts;
    if (m_summaryWatcher)
        m_summaryWatcher->beginDay(day);
    for (;;) {
        bool more = false;
        try {
            more = summary.nextTable(facts);
        } catch (const TError &e) {
            // damage found inside a summary after some of its tables were
            // counted: no figures (it is gone, the next run builds it)
            if (!first)
                throw;
            // a bill the summary cannot hold, or a damaged summary left
            // as it is: the day's own tables count, as far as they can be
            // read
            const QString bill = dynamic_cast<const TFileError *>(&e)
                                         ? static_cast<const TFileError &>(e).fileName()
                                         : e.text();
            const QString text
                    = tr("The day summary of %1 could not be built (%2 cannot be read); the "
                         "report reads the day's tables instead")
                              .arg(day.toString(Qt::ISODate), bill);
            logWarning(text, LogModule::Library, LogClass::Report);
            Q_EMIT sigNotice(text);
            return readList(dayTableFiles(path, day), groups);
        }
        // a summary built just now: its size is known from here on
        if (first && !existed && summary.dataSize() > 0)
            Q_EMIT sigDataCount(int(summary.dataSize()));
        first = false;
        if (!more)
            break;
        Q_EMIT sigProgress(int(summary.position()));
        if (m_summaryWatcher)
            m_summaryWatcher->addTable(facts);
        processTable(facts, nullptr, &summary, groups, m_counts);
        if (m_stopped)
            return false;
    }
    if (m_summaryWatcher)
        m_summaryWatcher->endDay();
    return true;
}

bool TReport::passesTrainee(const TTableFacts &table) const
{
    const bool trainee = table.header().getBool(FTrainee);
    if (m_traineeType == WithoutTrainees)
        return !trainee;
    if (m_traineeType == TraineesOnly)
        return trainee;
    return true;
}

namespace {

// A component (type 12) as it is sold: an order of its own, booked like
// its parent: its waiter, date and time, its cost center when the
// component has none, its VAT side and rate when the parent has one.
void makeOrder(TEntryFacts &child, const TEntryFacts &parent)
{
    child.setType(EntryOrder);
    for (TField f : {FWaiter, FWaiterName, FDate, FTime}) {
        if (parent.has(f))
            child.set(f, parent.get(f));
    }
    if (!child.has(FCenter)) {
        child.set(FCenter, parent.get(FCenter));
        child.set(FCenterName, parent.get(FCenterName));
    }
    if (parent.has(FIsVatOh)) {
        const TField rate = parent.getBool(FIsVatOh) ? FRateOh : FRateIh;
        child.set(FIsVatOh, parent.get(FIsVatOh));
        child.set(rate, parent.get(rate));
    }
    child.finish();
}

// The same for the records in memory, which the filter tests.
void makeOrder(TTableEntry &child, const TTableEntry &parent)
{
    child.setType(EntryOrder);
    for (const char *key : {"waiter", "waitername", "date", "time"}) {
        const QString name = QString::fromLatin1(key);
        if (parent.has(name))
            child.set(name, parent.get(name));
    }
    if (!child.has(QStringLiteral("center"))) {
        child.set(QStringLiteral("center"), parent.get(QStringLiteral("center")));
        child.set(QStringLiteral("centername"), parent.get(QStringLiteral("centername")));
    }
    if (parent.has(QStringLiteral("isvatoh"))) {
        const bool takeaway = parent.getBool(QStringLiteral("isvatoh"));
        const QString rate = takeaway ? QStringLiteral("rateoh") : QStringLiteral("rateih");
        child.set(QStringLiteral("isvatoh"), parent.get(QStringLiteral("isvatoh")));
        child.set(rate, parent.get(rate));
    }
}

} // namespace

void TReport::processTable(const TTableFacts &facts, TTable *table, const TArchTable *summary,
                           const Groups &groups, Counts &counts) const
{
    if (table && table->state() != TTable::Open)
        return;
    // the filter reads the records themselves
    std::unique_ptr<TTable> loaded;
    if (m_filter && !table) {
        loaded.reset(summary->loadTable(facts));
        table = loaded.get();
    }
    if (m_filter && !m_filter->testTable(table))
        return;
    if (!passesTrainee(facts))
        return;
    if (m_turnoverType == InSummaryOnly && !facts.inSum())
        return;
    if (m_turnoverType == NotInSummaryOnly && facts.inSum())
        return;
    ++counts.tables;

    auto give = [&](const TEntryFacts &entry) {
        ++counts.entries;
        if (groups.waiters)
            groups.waiters->add(entry, facts);
        if (groups.centers)
            groups.centers->add(entry, facts);
    };
    const int waiter = m_reportWaiter ? m_reportWaiter->id() : 0;
    // the entries in memory, in the order of the facts' entries
    const QList<Basics::TValue *> records
            = m_filter ? table->entries().values() : QList<Basics::TValue *>();

    for (size_t i = 0; i < facts.entries().size(); ++i) {
        const TEntryFacts &entry = *facts.entries()[i];
        auto *record = m_filter ? static_cast<TTableEntry *>(records.at(qsizetype(i))) : nullptr;
        if (m_reportWaiter && entry.waiter() != waiter)
            continue;
        const int type = entry.type();
        // The filter looks at what is counted: an order's components are
        // tested in its place and the order itself only when it counts
        // (because of its price add-ons), so it is tested after the walk.
        const bool walk = type == EntryOrder && entry.hasChildList();
        if (!walk && m_filter && !m_filter->testEntry(table, record))
            continue;
        if (type == EntryOrder && m_withoutCredits && entry.getBool(FCredit))
            continue;
        if (walk) {
            // the order as its nodes see it after the walk: the components
            // walked are orders of their own by then
            std::unique_ptr<TEntryFacts> walked;
            const QList<Basics::TValue *> childRecords
                    = m_filter ? record->children()->values() : QList<Basics::TValue *>();
            int addOns = 0;
            for (size_t c = 0; c < entry.children().size(); ++c) {
                const TEntryFacts &child = entry.children()[c];
                auto *childRecord
                        = m_filter ? static_cast<TTableEntry *>(childRecords.at(qsizetype(c)))
                                   : nullptr;
                const int childType = child.type();
                if (childType == EntryComponent) {
                    if (!walked)
                        walked = std::make_unique<TEntryFacts>(entry);
                    TEntryFacts &order = walked->children()[c];
                    makeOrder(order, entry);
                    // a rejected component is only left out; the rest of
                    // the table still counts
                    if (m_filter) {
                        TTableEntry copy(*childRecord);
                        makeOrder(copy, *record);
                        if (!m_filter->testEntry(table, &copy))
                            continue;
                    }
                    give(order);
                } else if (childType == EntryOrder) {
                    if (!m_filter || m_filter->testEntry(table, childRecord))
                        give(child);
                } else if (childType == EntryAddOn) {
                    ++addOns;
                } else {
                    break;
                }
            }
            if (addOns > 0 && (!m_filter || m_filter->testEntry(table, record))) {
                if (walked) {
                    walked->finish();
                    give(*walked);
                } else {
                    give(entry);
                }
            }
            continue;
        }
        if (type == EntryComponent || type == EntryChange)
            continue;
        give(entry);
    }

    // worked out only for groups that take them
    if (!(groups.waiters && groups.waiters->takesTaxGroups())
        && !(groups.centers && groups.centers->takesTaxGroups()))
        return;
    std::vector<TTaxGroupFacts> taxGroups;
    facts.taxGroups(taxGroups, m_reportWaiter);
    if (!taxGroups.empty()) {
        if (groups.waiters)
            groups.waiters->addTaxGroups(facts, taxGroups);
        if (groups.centers)
            groups.centers->addTaxGroups(facts, taxGroups);
    }
}

} // namespace PosLib
