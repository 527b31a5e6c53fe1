#include "ttablefactswalk.h"

#include "terror.h"
#include "tfileread.h"
#include "tinstallation.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tnumbertext.h"
#include "trecordcodec.h"
#include "ttablefilenames.h"
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
    if (markers.value().isEmpty())
        return false;
    // the first of the names "T<table>P<party>.*" in the listing's order
    QString prefix;
    prefix.reserve(48);
    prefix += QLatin1Char('T');
    appendInteger(prefix, table);
    prefix += QLatin1Char('P');
    appendInteger(prefix, party);
    prefix += QLatin1Char('.');
    for (const QString &name : markers.value()) {
        if (!name.startsWith(prefix, Qt::CaseInsensitive))
            continue;
        if (terminal)
            *terminal = int(parseInteger(name.mid(name.indexOf(QLatin1Char('.')) + 1)));
        return true;
    }
    return false;
}

TTableFactsWalk::TTableFactsWalk(const TTableFiles &files, bool withEntries)
    : m_files(files)
    , m_withEntries(withEntries)
{ }

const TTableFacts *TTableFactsWalk::next()
{
    const TTableFiles::Kind kind = m_files.kind;
    const bool active = kind == TTableFiles::Open;
    const QString &root = m_files.root;
    while (m_index < m_files.count()) {
        const TTableFiles::File &file = m_files.files[size_t(m_index++)];
        if (active && m_held.held(root, file.number, file.party))
            continue;
        // the folder is asked of the installation (which makes it when it
        // is missing) once, not for every file
        if (m_dir.isEmpty()) {
            m_dir = kind == TTableFiles::Open   ? tablesDir(root)
                    : kind == TTableFiles::Paid ? archivesDir(root)
                                                : statistDayDir(m_files.day, root);
        }
        // the path made in the same buffer each time
        m_path.truncate(0);
        m_path += m_dir;
        if (active)
            appendActiveTableFileName(m_path, file.number, file.party);
        else
            appendArchiveFileName(m_path, file.number);
        if (!read())
            continue;
        // the loaded table's numbers are those of its file's name
        if (active) {
            m_facts.setHeader(FTable, TValueField(TypeInteger, integerText(file.number)));
            m_facts.setHeader(FParty, TValueField(TypeInteger, integerText(file.party)));
        } else {
            m_facts.setHeader(FArchive, TValueField(TypeInteger, integerText(file.number)));
        }
        return &m_facts;
    }
    return nullptr;
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
