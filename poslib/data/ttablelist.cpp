#include "ttablelist.h"

#include "terror.h"
#include "tfilenames.h"
#include "tinstallation.h"
#include "tlog.h"
#include "tlogcategories.h"

#include <algorithm>

using namespace Basics;

namespace PosLib {

TTableList::TTableList(QObject *parent)
    : TValueList(true, parent)
{ }

TValue *TTableList::newValue()
{
    return new TTableInfo;
}

namespace {

// Files being rewritten (".tmp") are no tables of their own.
QStringList tableFiles(const QString &dir, const QString &pattern)
{
    QStringList names = Basics::fileNamesMatching(dir, pattern);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString &n) {
                                   return n.endsWith(QLatin1String(".tmp"), Qt::CaseInsensitive);
                               }),
                names.end());
    return names;
}

// Archive number of "a1234": the digits after the "a", up to a "."; -1 when
// the name holds no number.
long archiveNumber(const QString &name)
{
    QString digits = name.mid(1);
    const int dot = digits.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        digits.truncate(dot);
    bool ok = false;
    const long number = digits.toLong(&ok);
    return ok ? number : -1;
}

TTableList *archiveList(const QString &dir, const QDate &day, const QString &root)
{
    auto *list = new TTableList;
    for (const QString &name : tableFiles(dir, QStringLiteral("a*"))) {
        const long number = archiveNumber(name);
        if (number < 0)
            continue;
        list->append(day.isValid() ? TTableInfo::ofDay(day, number, root)
                                   : TTableInfo::archived(number, root));
    }
    return list;
}

} // namespace

TTableList *activeTables(const QString &root)
{
    auto *list = new TTableList;
    for (const QString &name : tableFiles(tablesDir(root), QStringLiteral("t*.*"))) {
        const int dot = name.indexOf(QLatin1Char('.'));
        const long table = name.mid(1, dot - 1).toLong();
        const int party = name.mid(dot + 1).toInt();
        list->append(TTableInfo::active(table, party, root));
    }
    return list;
}

TTableList *archiveTables(const QString &root)
{
    return archiveList(archivesDir(root), QDate(), root);
}

TTableList *dayTables(const QString &root, const QDate &day)
{
    return archiveList(statistDayDir(day, root), day, root);
}

TTableList *paidTables(const QString &root, const QDate &from, const QDate &to)
{
    if (!from.isValid())
        return archiveTables(root);
    const QDate last = to.isValid() ? to : from;
    auto *list = new TTableList;
    for (QDate day = from; day <= last; day = day.addDays(1)) {
        const QString dir = statistDayDir(day, root);
        for (const QString &name : tableFiles(dir, QStringLiteral("a*"))) {
            const long number = archiveNumber(name);
            if (number >= 0)
                list->append(TTableInfo::ofDay(day, number, root));
        }
    }
    return list;
}

// ---- iterator -------------------------------------------------------------

TTableIterator::TTableIterator(TTableList *list, bool withEntries, int visibility, TValue *owner,
                               const QString &root)
    : m_list(list)
    , m_withEntries(withEntries)
    , m_visibility(visibility)
    , m_owner(owner)
    , m_root(root)
{ }

TTable *TTableIterator::first()
{
    m_ids = m_list->ids();
    m_index = 0;
    m_current = nullptr;
    return advance();
}

TTable *TTableIterator::next()
{
    return advance();
}

TTable *TTableIterator::advance()
{
    if (m_current && m_releasePassed)
        m_current->releaseTable();
    m_current = nullptr;
    while (m_index < m_ids.size()) {
        TTableInfo *info = m_list->info(m_ids.at(m_index++));
        if (!info)
            continue;
        TTable *table = nullptr;
        try {
            table = info->table(m_withEntries, m_visibility, m_owner, m_waiters, m_teamCheck,
                                m_root);
        } catch (const TError &e) {
            // gone or unreadable meanwhile (a terminal or the day closing
            // moved it): not a table of this walk
            logDebug(e.text(), LogModule::Library, LogClass::Table);
            info->releaseTable();
            continue;
        }
        const int state = table->state();
        if (state == TTable::Open || (state == TTable::Locked && m_includeHeld)
            || (state == TTable::Hidden && m_includeHidden)) {
            m_current = info;
            return table;
        }
        info->releaseTable();
    }
    return nullptr;
}

} // namespace PosLib
