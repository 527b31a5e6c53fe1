#include "trepdepartments.h"

#include "tdepartments.h"
#include "terror.h"
#include "tfactsof.h"
#include "tmasterlist.h"
#include "ttable.h"
#include "ttableentry.h"

using namespace Basics;

namespace PosLib {

std::shared_ptr<const TDepartmentCovers> departmentCovers(const QString &dataPath)
{
    auto covers = std::make_shared<TDepartmentCovers>();
    if (dataPath.isEmpty())
        return covers;
    TDepartments list;
    // no file, no departments: nothing counts here; a damaged one throws
    // naming the file rather than counting nothing
    loadMasterList(list, dataPath);
    for (TValue *d : list.valueMap())
        covers->push_back({d->id(), d->name(), list.coveredItems(d)});
    return covers;
}

TRepDepartments::TRepDepartments(const QString &dataPath)
    : TRepDepartments(departmentCovers(dataPath))
{ }

TRepDepartments::TRepDepartments(std::shared_ptr<const TDepartmentCovers> departments)
    : TRepOrderNode(QStringLiteral("departments"))
    , m_departments(std::move(departments))
{ }

TRepDepartments::~TRepDepartments() = default;

void TRepDepartments::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (entry.hasComponents()) {
        addComponents(entry, table);
        if (!entry.hasAddOns())
            return;
    }
    addMatching(entry, table);
}

const std::vector<int> &TRepDepartments::matching(qint64 plu, int family)
{
    const std::pair<qint64, int> key(plu, family);
    auto it = m_matching.constFind(key);
    if (it != m_matching.cend())
        return it.value();
    std::vector<int> found;
    for (int i = 0; i < int(m_departments->size()); ++i) {
        const TDepartmentCover &d = (*m_departments)[size_t(i)];
        const bool article = plu >= 0 && plu <= INT_MAX && d.covered.contains(int(plu));
        const bool inFamily = family > 0 && d.covered.contains(-family);
        if (article || inFamily)
            found.push_back(i);
    }
    return m_matching.insert(key, found).value();
}

void TRepDepartments::addMatching(const TEntryFacts &entry, const TTableFacts &table)
{
    if (m_departments->empty())
        return;
    // in every department that covers the article or its family
    for (int i : matching(entry.plu(), entry.getInt(FFamily))) {
        const TDepartmentCover &d = (*m_departments)[size_t(i)];
        addToTotal(entry, table);
        TReportLeaf *leaf = m_index.find(d.id);
        if (!leaf) {
            const QString key = QString::number(d.id);
            leaf = m_leaves.value(key);
            if (!leaf) {
                leaf = new TRepDepartment(entry, d.id, d.name);
                m_leaves.insert(key, leaf);
            }
            m_index.insert(d.id, leaf);
        }
        static_cast<TRepOrderLeaf *>(leaf)->add(entry, table);
    }
}

QString TRepDepartments::keyOf(TTableEntry *entry, const TTable *) const
{
    return entry->getString(QStringLiteral("department"));
}

QString TRepDepartments::keyOf(const TEntryFacts &, const TTableFacts &) const
{
    return QString();
}

TReportLeaf *TRepDepartments::createLeaf(TTableEntry *entry, const TTable *)
{
    return new TRepDepartment(entry);
}

TReportLeaf *TRepDepartments::newLeaf() const
{
    return new TRepDepartment;
}

} // namespace PosLib
