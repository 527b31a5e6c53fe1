#include "tdepartments.h"

#include "tnumberlist.h"

namespace PosLib {

TDepartments::TDepartments(bool autoDelete, QObject *parent)
    : Basics::TValueList(autoDelete, parent)
{ }

TDepartments::~TDepartments() = default;

QString TDepartments::listName() const
{
    return QStringLiteral("departments");
}

QString TDepartments::fileName() const
{
    return QStringLiteral("departments.dat");
}

QString TDepartments::elementName() const
{
    return QStringLiteral("department");
}

bool TDepartments::isLeaf(const Basics::TValue *department)
{
    return department && department->getBool(QStringLiteral("leaf"));
}

QList<int> TDepartments::children(const Basics::TValue *department)
{
    return department ? parseNumberList(department->getString(QStringLiteral("children")))
                      : QList<int>();
}

QList<int> TDepartments::articles(const Basics::TValue *department)
{
    return department ? parseNumberList(department->getString(QStringLiteral("articles")))
                      : QList<int>();
}

QSet<int> TDepartments::coveredItems(const Basics::TValue *department) const
{
    QSet<int> items;
    QSet<const Basics::TValue *> visited;
    collect(department, visited, items);
    return items;
}

void TDepartments::collect(const Basics::TValue *department, QSet<const Basics::TValue *> &visited,
                           QSet<int> &items) const
{
    // A department reached a second time has already given all it covers;
    // this also ends a child list that names an ancestor.
    if (!department || visited.contains(department))
        return;
    visited.insert(department);
    if (isLeaf(department)) {
        for (int n : articles(department))
            items.insert(n);
        return;
    }
    for (int id : children(department))
        collect(find(id), visited, items);
}

} // namespace PosLib
