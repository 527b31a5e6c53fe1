#pragma once

#include "tvalue.h"

#include <QList>
#include <QSet>

namespace PosLib {

// The departments of the installation ("departments.dat"). A leaf department
// lists the articles it covers ("articles": article numbers, negative numbers
// for whole families); any other department covers what the departments named
// in its "children" cover.
class TDepartments : public Basics::TValueList
{
    Q_OBJECT
public:
    explicit TDepartments(bool autoDelete = true, QObject *parent = nullptr);
    ~TDepartments() override;

    QString listName() const override;
    QString fileName() const override;
    QString elementName() const override;

    static bool isLeaf(const Basics::TValue *department);
    static QList<int> children(const Basics::TValue *department);
    static QList<int> articles(const Basics::TValue *department);

    // Every article number (n >= 0) and family number (as -n) that the
    // department covers, through its children when it is no leaf. Children
    // are looked up in this list; missing ones and a child that leads back to
    // a department already visited add nothing. Empty for a null department.
    QSet<int> coveredItems(const Basics::TValue *department) const;

private:
    void collect(const Basics::TValue *department, QSet<const Basics::TValue *> &visited,
                 QSet<int> &items) const;
};

} // namespace PosLib
