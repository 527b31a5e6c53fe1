// The days of a range looked at ahead of a report, on worker threads: with
// the cache of closed days each day is checked and read from its cached
// days, or built from its summaries and cached; without it each day's
// summaries are checked and read, so that the report only adds them up.
#include "treport.h"

#include "tarchtable.h"
#include "tdayaggregate.h"
#include "tdaycachereader.h"
#include "tinstallation.h"
#include "trepdata.h"
#include "ttablefacts.h"

#include <QFile>
#include <QThread>

#include <algorithm>
#include <memory>
#include <vector>

namespace PosLib {

namespace {

// The texts a worker keeps numbered from day to day, at most.
constexpr quint32 TextsKept = 8 * 1024;

} // namespace

std::unique_ptr<TDayCacheReader> TReport::readAhead(TRepWaiters *waiters, TRepCenters *centers,
                                                    const QDate &from, const QDate &to)
{
    if (m_daySource || !from.isValid() || !to.isValid() || from >= to)
        return nullptr;
    if (!usesDayCache())
        return checkAhead(paths(), from, to, engineStamp());
    TRepDatas *sides[2] = {waiters, centers};
    QString dirs[2];
    for (int i = 0; i < 2; ++i) {
        if (sides[i])
            dirs[i] = dayCacheDir(*sides[i]);
    }
    const QStringList roots = paths();
    std::vector<TCachedDayFiles> days = rangeFiles(roots, from, to, true);
    for (size_t index = 0; index < days.size(); ++index) {
        const QDate d = from.addDays(qint64(index));
        for (int i = 0; i < 2; ++i) {
            if (sides[i])
                days[index].cacheFiles[i] = QFile::encodeName(cacheFile(dirs[i], d));
        }
    }
    // days not cached are read ahead too, unless a filter is asked for
    // (it keeps caches of its own) or the cache cannot be written
    TDayCacheReader::Builder builder;
    if (!m_filter && cacheWritable()) {
        const DaySide like[2] = {daySideOf(sides[0]), daySideOf(sides[1])};
        // one set of day groups per worker, kept from day to day
        const auto pool = std::make_shared<TDayGroupsPool>();
        builder = [this, from, roots, like, dirs, pool](int index, TCachedDayState &state) {
            buildAhead(from.addDays(index), roots, like, dirs, &m_cacheWriter, *pool, state);
        };
    }
    const int threads = std::min(QThread::idealThreadCount(), 4);
    return std::make_unique<TDayCacheReader>(std::move(days), engineStamp(), threads,
                                             4 * std::max(threads, 1), std::move(builder));
}

std::unique_ptr<TDayCacheReader> TReport::checkAhead(const QStringList &roots, const QDate &from,
                                                     const QDate &to, const QByteArray &stamp)
{
    // one core: the check stays where the day is read
    if (QThread::idealThreadCount() < 2)
        return nullptr;
    // No closing marks are asked for: a day is fresh when its summaries
    // are. One day ahead, so at most two days' summaries are held.
    return std::make_unique<TDayCacheReader>(rangeFiles(roots, from, to, false), stamp, 1, 2,
                                             TDayCacheReader::Builder(),
                                             TDayCacheReader::Extra::ReadSummaries);
}

std::vector<TCachedDayFiles> TReport::rangeFiles(const QStringList &roots, const QDate &from,
                                                 const QDate &to, bool closedMarks)
{
    QStringList summaryDirs;
    for (const QString &path : roots)
        summaryDirs << summaryDir(path);
    std::vector<TCachedDayFiles> days;
    days.reserve(size_t(from.daysTo(to) + 1));
    for (QDate d = from; d <= to; d = d.addDays(1)) {
        TCachedDayFiles files;
        for (qsizetype i = 0; i < roots.size(); ++i) {
            const QString dayDir = statistDayDir(d, roots.at(i));
            if (closedMarks)
                files.closedMarks << QFile::encodeName(dayDir + QStringLiteral("turnover.z"));
            files.dayDirs << QFile::encodeName(dayDir);
            files.summaries << QFile::encodeName(summaryDirs.at(i) + summaryFileName(d));
        }
        days.push_back(std::move(files));
    }
    return days;
}

TReport::DaySide TReport::daySideOf(const TRepDatas *groups)
{
    DaySide side;
    if (groups) {
        side.wanted = true;
        side.records = groups->keepsRecords();
        side.cashRecords = groups->keepsCashRecords();
        side.scope = groups->scope();
        side.settings = groups->settings();
    }
    return side;
}

void TReport::makeDayGroups(const DaySide (&sides)[2], std::unique_ptr<TRepWaiters> &waiters,
                            std::unique_ptr<TRepCenters> &centers) const
{
    // the installation's settings as the report's groups read them
    if (sides[0].wanted)
        waiters = std::make_unique<TRepWaiters>(m_reportWaiter, m_dataPath, sides[0].settings);
    if (sides[1].wanted)
        centers = std::make_unique<TRepCenters>(m_reportWaiter, m_dataPath, sides[1].settings);
    TRepDatas *made[2] = {waiters.get(), centers.get()};
    for (int i = 0; i < 2; ++i) {
        if (!made[i])
            continue;
        made[i]->setKeepRecords(sides[i].records);
        made[i]->setKeepCashRecords(sides[i].cashRecords);
        made[i]->setScope(sides[i].scope);
    }
}

void TReport::buildAhead(const QDate &day, const QStringList &roots, const DaySide (&sides)[2],
                         const QString (&dirs)[2], TDayCacheWriter *writer, TDayGroupsPool &pool,
                         TCachedDayState &state) const
{
    std::unique_ptr<TDayGroupsPool::Set> set = pool.take();
    if (!set) {
        set = std::make_unique<TDayGroupsPool::Set>();
        makeDayGroups(sides, set->waiters, set->centers);
    }
    TRepDatas *daySides[2] = {set->waiters.get(), set->centers.get()};
    const Groups dayGroups {set->waiters.get(), set->centers.get()};
    // each worker reads the summaries into a buffer of its own, day after day
    thread_local QByteArray buffer;
    Counts counts;
    qint64 bytes = 0;
    // and its facts, which learn the layout of the records once
    thread_local TTableFacts facts;
    for (const QString &path : roots) {
        TArchTable summary(path, day);
        summary.setBuffer(&buffer);
        while (summary.nextTable(facts))
            processTable(facts, nullptr, &summary, dayGroups, counts);
        bytes += summary.dataSize();
    }
    // the texts of days with many new ones are not kept for the run
    set->texts.trim(TextsKept);
    for (int i = 0; i < 2; ++i) {
        if (daySides[i])
            state.built[i] = TDayAggregate::toBytes(*daySides[i], state.stamp, &set->texts);
    }
    // kept when the summaries read are still the ones stamped
    QByteArray after = engineStamp();
    for (const QString &path : roots) {
        if (!TDayCacheReader::appendIdentity(after,
                                             QFile::encodeName(TArchTable(path, day).filePath()))) {
            after.clear();
            break;
        }
    }
    for (int i = 0; i < 2; ++i) {
        if (!state.built[i].isEmpty() && after == state.stamp)
            writer->save(dirs[i], cacheFile(dirs[i], day), state.built[i]);
    }
    state.builtBytes = bytes;
    state.builtTables = counts.tables;
    state.builtEntries = counts.entries;
    pool.give(std::move(set));
}

} // namespace PosLib
