#include "toutlets.h"

#include "tnumberlist.h"

namespace OutletsLib {

TOutlets::TOutlets(bool autoDelete, QObject *parent)
    : Basics::TValueList(autoDelete, parent)
{ }

TOutlets::~TOutlets() = default;

QString TOutlets::listName() const
{
    return QStringLiteral("outlets");
}

QString TOutlets::fileName() const
{
    return QStringLiteral("outlets.dat");
}

QString TOutlets::elementName() const
{
    return QStringLiteral("outlet");
}

QStringList TOutlets::paths(const Basics::TValueList *list, const Basics::TValue *outlet) const
{
    return paths(this, list, outlet);
}

QStringList TOutlets::paths(const Basics::TValueList *tree, const Basics::TValueList *list,
                            const Basics::TValue *outlet)
{
    QStringList out;
    QSet<const Basics::TValue *> ancestors;
    collect(tree, list, outlet, ancestors, out);
    return out;
}

void TOutlets::collect(const Basics::TValueList *tree, const Basics::TValueList *list,
                       const Basics::TValue *outlet, QSet<const Basics::TValue *> &ancestors,
                       QStringList &out)
{
    if (!outlet || ancestors.contains(outlet))
        return;
    if (outlet->getBool(QStringLiteral("isleaf"))) {
        if (!list)
            return;
        for (int id : PosLib::parseNumberList(outlet->getString(QStringLiteral("outlets")))) {
            if (const Basics::TValue *record = list->find(id))
                out.append(record->getString(QStringLiteral("path")));
        }
        return;
    }
    if (!tree)
        return;
    // Only the outlets on the way down count as ancestors: an outlet shared
    // by two branches gives its paths in both.
    ancestors.insert(outlet);
    for (int id : PosLib::parseNumberList(outlet->getString(QStringLiteral("children"))))
        collect(tree, list, tree->find(id), ancestors, out);
    ancestors.remove(outlet);
}

} // namespace OutletsLib
