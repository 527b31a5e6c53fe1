#include "ttablefactswalk.h"

#include "terror.h"
#include "tfileread.h"
#include "tinstallation.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "trecordcodec.h"
#include "ttablelist.h"

#include <QDir>

using namespace Basics;

namespace PosLib {

bool THeldTables::held(const QString &root, long table, int party, int *terminal)
{
    auto markers = m_markers.constFind(root);
    if (markers == m_markers.cend())
        markers = m_markers.insert(
                root, QDir(activeTablesDir(root))
                              .entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                                         QDir::Name | QDir::IgnoreCase));
    // the first of the names "T<table>P<party>.*" in the listing's order
    const QString prefix = QStringLiteral("T%1P%2.").arg(table).arg(party);
    for (const QString &name : markers.value()) {
        if (!name.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        if (terminal)
            *terminal = int(parseInteger(name.mid(name.indexOf(QLatin1Char('.')) + 1)));
        return true;
    }
    return false;
}

TTableFactsWalk::TTableFactsWalk(TTableList *list, bool withEntries, const QString &root)
    : m_list(list)
    , m_ids(list ? list->ids() : QList<int>())
    , m_withEntries(withEntries)
    , m_root(root)
{ }

const TTableFacts *TTableFactsWalk::next()
{
    const QString tableKey = QStringLiteral("table");
    while (m_index < m_ids.size()) {
        const TTableInfo *info = m_list->info(m_ids.at(m_index++));
        if (!info)
            continue;
        const bool active = info->has(tableKey);
        const long table = active ? long(info->getLong(tableKey)) : 0;
        const int party = active ? info->getInt(QStringLiteral("party")) : 0;
        if (active && m_held.held(info->rootFor(m_root), table, party))
            continue;
        m_path = pathOf(*info, active, table, party);
        if (!read())
            continue;
        // the loaded table's numbers are those of its file's name
        if (active) {
            m_facts.setHeader(FTable, TValueField(TypeInteger, integerText(table)));
            m_facts.setHeader(FParty, TValueField(TypeInteger, integerText(party)));
        } else {
            const qint64 archive = long(info->getLong(QStringLiteral("archive")));
            m_facts.setHeader(FArchive, TValueField(TypeInteger, integerText(archive)));
        }
        return &m_facts;
    }
    return nullptr;
}

QString TTableFactsWalk::pathOf(const TTableInfo &info, bool active, long table, int party)
{
    if (!active && info.has(QStringLiteral("date")))
        return info.fileName(m_root);
    // the folder is asked of the installation (which makes it when it is
    // missing) once, not for every file
    const QString root = info.rootFor(m_root);
    QString &dir = (active ? m_tablesDirs : m_archivesDirs)[root];
    if (dir.isEmpty())
        dir = active ? tablesDir(root) : archivesDir(root);
    return dir
           + (active ? activeTableFileName(table, party)
                     : archiveFileName(long(info.getLong(QStringLiteral("archive")))));
}

bool TTableFactsWalk::read()
{
    qsizetype size = 0;
    try {
        size = readWholeFile(m_path, m_bytes);
    } catch (const TError &e) {
        // gone or unreadable meanwhile (a terminal or the day closing moved
        // it): not a table of this walk
        logDebug(e.text(), LogModule::Library, LogClass::Table);
        return false;
    }
    if (size == 0)
        return false;
    TRecordReader reader(m_bytes.constData(), size);
    return m_facts.readFile(reader, m_withEntries) == TTableFacts::Read;
}

} // namespace PosLib
