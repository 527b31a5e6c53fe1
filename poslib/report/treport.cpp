#include "treport.h"

#include "tarchtable.h"
#include "tdir.h"
#include "trepdata.h"
#include "tsumfilter.h"
#include "ttable.h"
#include "ttablelist.h"
#include "ttaxgroups.h"

#include <QFileInfo>

#include <memory>

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
    for (QDate d = from; d.isValid() && d <= to; d = d.addDays(1)) {
        if (m_stopped)
            return false;
        Q_EMIT sigDate(d);
        if (!runDay(waiters, centers, d))
            return false;
    }
    return !m_stopped;
}

bool TReport::runDay(TRepWaiters *waiters, TRepCenters *centers, const QDate &day)
{
    const Groups groups {waiters, centers};
    if (!day.isValid()) {
        for (const QString &path : paths()) {
            std::unique_ptr<TTableList> open(activeTables(path));
            if (!readList(open.get(), path, true, groups))
                return false;
            std::unique_ptr<TTableList> paid(archiveTables(path));
            if (!readList(paid.get(), path, false, groups))
                return false;
        }
        return true;
    }
    Q_EMIT sigDate(day);
    for (const QString &path : paths()) {
        if (!readSummary(path, day, groups))
            return false;
    }
    return true;
}

bool TReport::readList(TTableList *list, const QString &path, bool open, const Groups &groups)
{
    if (!list || list->isEmpty())
        return !m_stopped;
    Q_EMIT sigDataCount(list->count());
    const bool fullLoad = !open || m_withOpenTables;
    TTableIterator it(list, fullLoad, 0, m_reportWaiter, path);
    it.setReleasePassed(true);
    for (TTable *table = it.first(); table; table = it.next()) {
        Q_EMIT sigProgress(it.position());
        if (m_stopped)
            return false;
        if (open) {
            if (passesTrainee(table)) {
                if (groups.waiters)
                    groups.waiters->addTable(table);
                if (groups.centers)
                    groups.centers->addTable(table);
            }
            if (m_withOpenTables)
                processTable(table, groups);
        } else {
            processTable(table, groups);
        }
    }
    return !m_stopped;
}

bool TReport::readSummary(const QString &path, const QDate &day, const Groups &groups)
{
    TArchTable summary(path, day);
    const QString file = summary.filePath();
    // asked once: a summary built by the first read exists afterwards
    const QFileInfo info(file);
    bool existed = info.exists();
    // a table file of the day changed since the summary was written
    if (existed && summary.hasTablesNewerThan(info.lastModified())) {
        deleteFile(file);
        existed = false;
    }
    Q_EMIT sigDataCount(existed ? int(info.size()) : 0);
    if (m_stopped)
        return false;
    bool first = true;
    for (;;) {
        std::unique_ptr<TTable> table(summary.nextTable());
        // a summary built just now: its size is known from here on
        if (first && !existed && summary.dataSize() > 0)
            Q_EMIT sigDataCount(int(summary.dataSize()));
        first = false;
        if (!table)
            break;
        Q_EMIT sigProgress(int(summary.position()));
        processTable(table.get(), groups);
        if (m_stopped)
            return false;
    }
    return true;
}

bool TReport::passesTrainee(const TTable *table) const
{
    const bool trainee = table->getBool(QStringLiteral("trainee"));
    if (m_traineeType == WithoutTrainees)
        return !trainee;
    if (m_traineeType == TraineesOnly)
        return trainee;
    return true;
}

void TReport::processTable(TTable *table, const Groups &groups)
{
    if (table->state() != TTable::Open)
        return;
    if (m_filter && !m_filter->testTable(table))
        return;
    if (!passesTrainee(table))
        return;
    if (m_turnoverType == InSummaryOnly && !table->inSum())
        return;
    if (m_turnoverType == NotInSummaryOnly && table->inSum())
        return;
    ++m_tables;

    auto give = [&](TTableEntry *entry) {
        ++m_entries;
        if (groups.waiters)
            groups.waiters->addEntry(entry, table);
        if (groups.centers)
            groups.centers->addEntry(entry, table);
    };
    const int waiter = m_reportWaiter ? m_reportWaiter->id() : 0;

    auto passes = [&](const TTableEntry *entry) {
        return !m_filter || m_filter->testEntry(table, entry);
    };

    table->entries().forEach([&](TTableEntry *entry) {
        if (m_reportWaiter && entry->waiter() != waiter)
            return;
        const int type = entry->type();
        // The filter looks at what is counted: an order's components are
        // tested in its place and the order itself only when it counts
        // (because of its price add-ons), so it is tested after the walk.
        const bool walk = type == EntryOrder && entry->children();
        if (!walk && !passes(entry))
            return;
        if (type == EntryOrder && m_withoutCredits && entry->isCredit())
            return;
        if (walk) {
            int addOns = 0;
            bool done = false;
            entry->children()->forEach([&](TTableEntry *child) {
                if (done)
                    return;
                const int childType = child->type();
                if (childType == EntryComponent) {
                    // a component is sold as an order of its own, booked
                    // like its parent
                    child->setType(EntryOrder);
                    for (const char *key : {"waiter", "waitername", "date", "time"}) {
                        const QString name = QString::fromLatin1(key);
                        if (entry->has(name))
                            child->set(name, entry->get(name));
                    }
                    if (!child->has(QStringLiteral("center"))) {
                        child->set(QStringLiteral("center"), entry->get(QStringLiteral("center")));
                        child->set(QStringLiteral("centername"),
                                   entry->get(QStringLiteral("centername")));
                    }
                    if (entry->has(QStringLiteral("isvatoh"))) {
                        const bool takeaway = entry->getBool(QStringLiteral("isvatoh"));
                        const QString rate
                                = takeaway ? QStringLiteral("rateoh") : QStringLiteral("rateih");
                        child->set(QStringLiteral("isvatoh"),
                                   entry->get(QStringLiteral("isvatoh")));
                        child->set(rate, entry->get(rate));
                    }
                    // a rejected component is only left out; the rest of
                    // the table still counts
                    if (passes(child))
                        give(child);
                } else if (childType == EntryOrder) {
                    // converted by an earlier run over the same table
                    if (passes(child))
                        give(child);
                } else if (childType == EntryAddOn) {
                    ++addOns;
                } else {
                    done = true;
                }
            });
            if (addOns > 0 && passes(entry))
                give(entry);
            return;
        }
        if (type == EntryComponent || type == EntryChange)
            return;
        give(entry);
    });

    TTaxGroups taxGroups;
    table->taxGroups(&taxGroups, m_reportWaiter);
    if (!taxGroups.isEmpty()) {
        if (groups.waiters)
            groups.waiters->addTaxGroups(table, taxGroups);
        if (groups.centers)
            groups.centers->addTaxGroups(table, taxGroups);
    }
}

} // namespace PosLib
