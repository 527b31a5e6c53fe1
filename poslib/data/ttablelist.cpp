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

// The number `digits` hold, as toLongLong() reads it; names hold a few
// plain digits, read here.
qint64 numberOf(QStringView digits, bool *ok = nullptr)
{
    if (!digits.isEmpty() && digits.size() <= 18) {
        qint64 v = 0;
        qsizetype i = 0;
        for (; i < digits.size(); ++i) {
            const unsigned digit = unsigned(digits[i].unicode()) - unsigned(u'0');
            if (digit > 9)
                break;
            v = v * 10 + qint64(digit);
        }
        if (i == digits.size()) {
            if (ok)
                *ok = true;
            return v;
        }
    }
    return digits.toLongLong(ok);
}

// Archive number of "a1234": the digits after the "a", up to a "."; -1 when
// the name holds no number.
long archiveNumber(const QString &name)
{
    QStringView digits = QStringView(name).mid(1);
    const qsizetype dot = digits.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        digits.truncate(dot);
    bool ok = false;
    const long number = long(numberOf(digits, &ok));
    return ok ? number : -1;
}

TTableFiles archiveFiles(const QString &dir, TTableFiles::Kind kind, const QDate &day,
                         const QString &root)
{
    TTableFiles files;
    files.kind = kind;
    files.day = day;
    files.root = root;
    const QStringList names = tableFiles(dir, QStringLiteral("a*"));
    files.files.reserve(size_t(names.size()));
    for (const QString &name : names) {
        const long number = archiveNumber(name);
        if (number >= 0)
            files.files.push_back({number, 0});
    }
    return files;
}

} // namespace

TTableList *TTableFiles::list() const
{
    auto *list = new TTableList;
    for (const File &file : files) {
        switch (kind) {
        case Open:
            list->append(TTableInfo::active(file.number, file.party, root));
            break;
        case Paid:
            list->append(TTableInfo::archived(file.number, root));
            break;
        case PaidOfDay:
            list->append(TTableInfo::ofDay(day, file.number, root));
            break;
        }
    }
    return list;
}

TTableFiles activeTableFiles(const QString &root)
{
    TTableFiles files;
    files.kind = TTableFiles::Open;
    files.root = root;
    const QStringList names = tableFiles(tablesDir(root), QStringLiteral("t*.*"));
    files.files.reserve(size_t(names.size()));
    for (const QString &name : names) {
        const qsizetype dot = name.indexOf(QLatin1Char('.'));
        const long table = long(numberOf(QStringView(name).mid(1, dot - 1)));
        // toInt(): 0 beyond the range of an int
        const QStringView partyDigits = QStringView(name).mid(dot + 1);
        const int party
                = partyDigits.size() <= 9 ? int(numberOf(partyDigits)) : partyDigits.toInt();
        files.files.push_back({table, party});
    }
    return files;
}

TTableFiles archiveTableFiles(const QString &root)
{
    return archiveFiles(archivesDir(root), TTableFiles::Paid, QDate(), root);
}

TTableFiles dayTableFiles(const QString &root, const QDate &day)
{
    return archiveFiles(statistDayDir(day, root), TTableFiles::PaidOfDay, day, root);
}

TTableList *activeTables(const QString &root)
{
    return activeTableFiles(root).list();
}

TTableList *archiveTables(const QString &root)
{
    return archiveTableFiles(root).list();
}

TTableList *dayTables(const QString &root, const QDate &day)
{
    return dayTableFiles(root, day).list();
}

TPaidTableDays::TPaidTableDays(const QString &root, const QDate &from, const QDate &to)
    : m_root(root)
{
    if (!from.isValid()) {
        m_days << QDate();
    } else {
        const QDate last = to.isValid() ? to : from;
        for (QDate day = from; day <= last; day = day.addDays(1))
            m_days << day;
    }
    for (const QDate &day : std::as_const(m_days))
        m_count += filesOf(day).count();
}

TTableFiles TPaidTableDays::filesOf(const QDate &day) const
{
    return day.isValid() ? dayTableFiles(m_root, day) : archiveTableFiles(m_root);
}

bool TPaidTableDays::forEachTable(const std::function<bool(TTable &table, int position)> &visit,
                                  const std::function<void()> &dayDone) const
{
    int before = 0;
    for (const QDate &day : m_days) {
        const std::unique_ptr<TTableList> list(filesOf(day).list());
        TTableIterator it(list.get(), true, 0, nullptr, m_root);
        it.setReleasePassed(true);
        for (TTable *table = it.first(); table; table = it.next()) {
            if (!visit(*table, before + it.position()))
                return false;
        }
        if (dayDone)
            dayDone();
        before += list->count();
    }
    return true;
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
