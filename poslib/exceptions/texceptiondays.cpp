#include "texceptiondays.h"

#include "tarchtable.h"
#include "tdaycachereader.h"
#include "tdir.h"
#include "terror.h"
#include "texceptionsid.h"
#include "texceptionwalker.h"
#include "tinstallation.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "trepdata.h"
#include "treport.h"
#include "tsavefile.h"
#include "ttable.h"
#include "ttablefacts.h"
#include "ttablelist.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/time.h>

#include <memory>

using namespace Basics;

namespace PosLib {

namespace {

// The build of the exceptions and the engine below them: days another
// build kept are not read.
const QByteArray &buildStamp()
{
    static const QByteArray stamp = QByteArrayLiteral("exceptions " VELTRUM_EXCEPTIONS_ID "\n");
    return stamp;
}

void addFileDigest(QCryptographicHash &hash, const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        hash.addData(file.readAll());
    hash.addData("\n");
}

} // namespace

TExceptionDays::TExceptionDays(const QString &root, const TExceptionWalker &walker,
                               const QString &options)
    : m_root(root)
    , m_walker(walker)
    , m_options(options)
{ }

TExceptionDays::~TExceptionDays() = default;

QString TExceptionDays::cacheDir() const
{
    if (!m_cacheDir.isEmpty())
        return m_cacheDir;
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(buildStamp());
    hash.addData(QString::number(TExceptionDay::Version).toUtf8());
    hash.addData(m_options.toUtf8());
    // the group settings ("SimpleRep", "VWaiter") and the rules live there
    addFileDigest(hash, reportsIniPath(m_root));
    m_cacheDir = QDir(m_root).filePath(QStringLiteral("var/reportcache/x"))
                 + QString::fromLatin1(hash.result().toHex());
    return m_cacheDir;
}

QByteArray TExceptionDays::stamp(const QDate &date) const
{
    QByteArray stamp = buildStamp();
    const QString file = TArchTable(m_root, date).filePath();
    if (!TDayCacheReader::appendIdentity(stamp, QFile::encodeName(file)))
        return QByteArray();
    return stamp;
}

void TExceptionDays::setTaker(const QDate &from, Taker take)
{
    m_take = std::move(take);
    m_takenFrom = from;
    m_takeNext = from;
}

// Through the cache a day is read here or taken from its cached entries,
// which keeps them for the next run.
void TExceptionDays::beginDay(const QDate &date)
{
    // a day read again (the range's takings after its weeks') went there
    // already
    m_seenDate = (m_cache && !m_readOnly) || taken(date) ? QDate() : date;
    m_seenDay.clear();
}

void TExceptionDays::addTable(const TTableFacts &facts)
{
    if (m_seenDate.isValid())
        m_walker.addTable(facts, m_seenDate, false, m_seenDay);
}

void TExceptionDays::endDay()
{
    if (m_take && m_seenDate.isValid() && m_seenDate == m_takeNext) {
        m_take(m_seenDate, m_seenDay);
        m_takeNext = m_takeNext.addDays(1);
    } else if (m_seenDate.isValid()) {
        m_seen.insert(m_seenDate, std::move(m_seenDay));
    }
    m_seenDay.clear();
}

void TExceptionDays::foundFresh(const QDate &date)
{
    m_fresh.insert(date);
}

void TExceptionDays::readAhead(const QDate &from, const QDate &to)
{
    m_ahead.reset();
    // through the cache each day is looked at here
    if ((m_cache && !m_readOnly) || !from.isValid() || !to.isValid() || from >= to
        || !m_seen.isEmpty() || taken(from))
        return;
    m_ahead = TReport::checkAhead({m_root}, from, to, buildStamp());
    m_aheadFrom = from;
    m_aheadNext = 0;
}

QList<QByteArray> TExceptionDays::takeAhead(const QDate &date)
{
    if (!m_ahead)
        return {};
    if (m_aheadFrom.daysTo(date) != m_aheadNext) {
        // not the next day: the days are read here from now on
        m_ahead.reset();
        return {};
    }
    TCachedDayState state = m_ahead->take(m_aheadNext++);
    // a summary locked elsewhere, missing or older than a table of its day
    // is looked at here, as without the worker
    if (!state.checked || !state.fresh || state.summaryBytes.size() != 1
        || state.summaryBytes.first().isEmpty())
        return {};
    return std::move(state.summaryBytes);
}

bool TExceptionDays::readDay(const QDate &date, TExceptionDay &day)
{
    day.clear();
    if (taken(date))
        return !m_keepGoing || m_keepGoing();
    const auto seen = m_seen.find(date);
    if (seen != m_seen.end()) {
        day = std::move(seen.value());
        m_seen.erase(seen);
        return !m_keepGoing || m_keepGoing();
    }
    // found fresh and read ahead (a day read without the cache, or read-only)
    QList<QByteArray> ahead = takeAhead(date);
    if (!ahead.isEmpty()) {
        const bool read = readSummary(date, day, ahead.first());
        m_ahead->giveBack(std::move(ahead));
        return read;
    }
    // a day summary older than a table file of its day is built again;
    // one found fresh by the takings' run is the one their figures are of
    TArchTable summary(m_root, date);
    const QFileInfo info(summary.filePath());
    const bool stale = info.exists() && !m_fresh.remove(date)
                       && summary.hasTablesNewerThan(info.lastModified());
    if (m_readOnly) {
        if (info.exists() && !stale)
            return readSummary(date, day);
        // the summary stays as it is (or missing): the day's own tables count
        std::unique_ptr<TTableList> list(dayTables(m_root, date));
        return readList(list.get(), date, false, day);
    }
    if (stale)
        deleteFile(summary.filePath());
    const bool closed
            = QFileInfo::exists(statistDayDir(date, m_root) + QStringLiteral("turnover.z"));
    if (!m_cache || !closed)
        return readSummary(date, day);

    const QByteArray before = stamp(date);
    const QString file
            = cacheDir() + QLatin1Char('/') + date.toString(Qt::ISODate) + QStringLiteral(".exc");
    if (!before.isEmpty()) {
        QFile cached(file);
        if (cached.open(QIODevice::ReadOnly) && day.fromBytes(cached.readAll(), before)) {
            ++m_cachedDays;
            return !m_keepGoing || m_keepGoing();
        }
    }
    if (!readSummary(date, day))
        return false;
    // kept when the summary read is the one stamped (or was built just now)
    const QByteArray after = stamp(date);
    if (!after.isEmpty() && (before.isEmpty() || before == after) && m_notices.isEmpty())
        keep(date, day);
    return true;
}

void TExceptionDays::keep(const QDate &date, const TExceptionDay &day)
{
    if (m_cacheReadOnly)
        return;
    const QString dir = cacheDir();
    if (!QDir().mkpath(dir)) {
        m_cacheReadOnly = true;
        return;
    }
    // used now: the last to go when folders of other options are dropped
    ::utimes(QFile::encodeName(dir).constData(), nullptr);
    pruneDayCaches(QDir(m_root).filePath(QStringLiteral("var/reportcache")), dir,
                   TReport::DayCacheSets);
    const QString file
            = dir + QLatin1Char('/') + date.toString(Qt::ISODate) + QStringLiteral(".exc");
    try {
        TSaveFile save(file);
        save.setLockRetry(1, 0);
        save.open();
        save.write(day.toBytes(stamp(date)));
        save.commit();
    } catch (const TError &e) {
        // a read-only installation: the run goes on without the cache
        m_cacheReadOnly = true;
        logDebug(QStringLiteral("Exceptions cache not written (%1): %2").arg(file, e.text()),
                 LogModule::Library, LogClass::Report);
    }
}

bool TExceptionDays::readSummary(const QDate &date, TExceptionDay &day, const QByteArray &bytes)
{
    TArchTable summary(m_root, date);
    summary.setReadOnly(m_readOnly);
    if (bytes.isEmpty())
        summary.setBuffer(&m_buffer);
    else
        summary.setBytes(bytes);
    if (!m_facts)
        m_facts = std::make_unique<TTableFacts>();
    TTableFacts &facts = *m_facts;
    bool first = true;
    for (;;) {
        if (m_keepGoing && !m_keepGoing())
            return false;
        bool more = false;
        try {
            more = summary.nextTable(facts);
        } catch (const TError &e) {
            // damage found inside a summary after some of its tables were
            // counted: no figures (it is gone, the next run builds it)
            if (!first)
                throw;
            // a bill the summary cannot hold, or a damaged summary left as
            // it is: the day's own tables count, as far as they can be read
            const QString bill = dynamic_cast<const TFileError *>(&e)
                                         ? static_cast<const TFileError &>(e).fileName()
                                         : e.text();
            m_notices << QCoreApplication::translate(
                                 "TExceptions",
                                 "The day summary of %1 could not be built (%2 cannot be read); "
                                 "the exceptions read the day's tables instead")
                                 .arg(date.toString(Qt::ISODate), bill);
            day.clear();
            std::unique_ptr<TTableList> list(dayTables(m_root, date));
            return readList(list.get(), date, false, day);
        }
        first = false;
        if (!more)
            return true;
        m_walker.addTable(facts, date, false, day);
    }
}

bool TExceptionDays::readCurrent(bool withOpenTables, TExceptionDay &day)
{
    day.clear();
    if (withOpenTables) {
        std::unique_ptr<TTableList> open(activeTables(m_root));
        if (!readList(open.get(), QDate(), true, day))
            return false;
    }
    std::unique_ptr<TTableList> paid(archiveTables(m_root));
    return readList(paid.get(), QDate(), false, day);
}

bool TExceptionDays::readList(TTableList *list, const QDate &closedDay, bool open,
                              TExceptionDay &day)
{
    if (!list || list->isEmpty())
        return !m_keepGoing || m_keepGoing();
    TTableIterator it(list, true, 0, nullptr, m_root);
    it.setReleasePassed(true);
    for (TTable *table = it.first(); table; table = it.next()) {
        if (m_keepGoing && !m_keepGoing())
            return false;
        if (table->state() == TTable::Open)
            m_walker.addTable(*table, closedDay, open, day);
    }
    return true;
}

} // namespace PosLib
