#pragma once

#include "tleafindex.h"
#include "trepordernodes.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <memory>
#include <utility>
#include <vector>

namespace PosLib {

// One department as the "departments" node counts in it: its number, its
// name and the article numbers (n >= 0) and families (as -n) it covers.
struct TDepartmentCover
{
    int id;
    QString name;
    QSet<int> covered;
};
using TDepartmentCovers = std::vector<TDepartmentCover>;
// The departments of the installation at `dataPath`; none when it has no
// list that can be read (nothing counts in the node then).
std::shared_ptr<const TDepartmentCovers> departmentCovers(const QString &dataPath);

// "departments": an entry counts in every department that covers its
// article or family (departments of the installation at `dataPath`, or
// the ones given, read once for many groups).
class TRepDepartments : public TRepOrderNode
{
public:
    explicit TRepDepartments(const QString &dataPath);
    explicit TRepDepartments(std::shared_ptr<const TDepartmentCovers> departments);
    TReportLeaf *newLeaf() const override;
    ~TRepDepartments() override;
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    // The entry's "department".
    QString keyOf(TTableEntry *entry, const TTable *table) const override;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(TTableEntry *entry, const TTable *table) override;
    using TRepOrderNode::createLeaf;
    // Made anew instead: its leaves are found by department, not by key.
    bool restart() override { return false; }

private:
    void addMatching(const TEntryFacts &entry, const TTableFacts &table);
    // The departments covering an article number and family.
    const std::vector<int> &matching(qint64 plu, int family);
    std::shared_ptr<const TDepartmentCovers> m_departments;
    QHash<std::pair<qint64, int>, std::vector<int>> m_matching;
    TNumberLeafIndex m_index;
};

} // namespace PosLib
