#include "treport.h"

#include "tlog.h"
#include "tlogcategories.h"
#include "tsumfilter.h"
#include "ttable.h"
#include "ttablefacts.h"
#include "ttablefactswalk.h"
#include "ttablelist.h"

#include <algorithm>
#include <memory>

using namespace Basics;

namespace PosLib {

// The tables of a list of the current day (open or paid), each taken
// into the groups: read straight from their files where nothing needs the
// tables in memory, else loaded (a filter reads the records themselves).
bool TReport::readList(const TTableFiles &files, const Groups &groups, int offset)
{
    if (files.isEmpty())
        return !m_stopped;
    if (offset < 0)
        Q_EMIT sigDataCount(files.count());
    const bool open = files.kind == TTableFiles::Open;
    const QString &path = files.root;
    const bool fullLoad = !open || m_withOpenTables;
    // a paid bill cut off inside an entry counts nothing: half of it would
    // pass for the whole (the closing names it as unreadable)
    auto leftOut = [open](bool cutOff, const QString &file) {
        if (open || !cutOff)
            return false;
        logWarning(QStringLiteral("%1 ends inside an entry; the report leaves it out").arg(file),
                   LogModule::Library, LogClass::Report);
        return true;
    };
    auto take = [&](const TTableFacts &facts, TTable *table) {
        if (open) {
            if (passesTrainee(facts)) {
                if (groups.waiters)
                    groups.waiters->addTable(facts);
                if (groups.centers)
                    groups.centers->addTable(facts);
            }
            if (m_withOpenTables)
                processTable(facts, table, nullptr, groups, m_counts);
        } else {
            processTable(facts, table, nullptr, groups, m_counts);
        }
    };
    if (!m_filter) {
        // nothing needs the tables in memory: their files' records are read
        // as they lie
        TTableFactsWalk walk(files, fullLoad);
        while (const TTableFacts *facts = walk.next()) {
            Q_EMIT sigProgress(std::max(0, offset) + walk.position());
            if (m_stopped)
                return false;
            if (!leftOut(facts->isCutOff(), walk.filePath()))
                take(*facts, nullptr);
        }
        return !m_stopped;
    }
    const std::unique_ptr<TTableList> list(files.list());
    TTableIterator it(list.get(), fullLoad, 0, m_reportWaiter, path);
    it.setReleasePassed(true);
    TTableFacts facts;
    for (TTable *table = it.first(); table; table = it.next()) {
        Q_EMIT sigProgress(std::max(0, offset) + it.position());
        if (m_stopped)
            return false;
        if (leftOut(table->isCutOff(), table->filePath()))
            continue;
        facts.take(*table);
        take(facts, table);
    }
    return !m_stopped;
}

} // namespace PosLib
