#pragma once

#include "tvalue.h"

#include <QSet>
#include <QStringList>

namespace OutletsLib {

// The outlet tree ("outlets.dat"). An outlet that is no leaf ("isleaf" not
// set) groups the outlets named in its "children"; a leaf names in its
// "outlets" the records of a data list whose "path" it covers.
class TOutlets : public Basics::TValueList
{
    Q_OBJECT
public:
    explicit TOutlets(bool autoDelete = true, QObject *parent = nullptr);
    ~TOutlets() override;

    QString listName() const override;
    QString fileName() const override;
    QString elementName() const override;

    // The data paths that `outlet` covers, in order: children are looked up
    // in this list, the paths of a leaf's outlets in `list`.
    QStringList paths(const Basics::TValueList *list, const Basics::TValue *outlet) const;

    // The same for an outlet tree that is any value list (as the host hands
    // them out). A null outlet yields an empty list; ids missing from `tree`
    // or `list` are skipped, and so is a child that names the outlet itself
    // or one of its ancestors.
    static QStringList paths(const Basics::TValueList *tree, const Basics::TValueList *list,
                             const Basics::TValue *outlet);

private:
    static void collect(const Basics::TValueList *tree, const Basics::TValueList *list,
                        const Basics::TValue *outlet, QSet<const Basics::TValue *> &ancestors,
                        QStringList &out);
};

} // namespace OutletsLib
