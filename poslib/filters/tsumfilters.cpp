#include "tsumfilters.h"

namespace PosLib {

TSumFilters::TSumFilters(bool autoDelete, QObject *parent)
    : Basics::TValueList(autoDelete, parent)
{ }

TSumFilters::~TSumFilters() = default;

QString TSumFilters::listName() const
{
    return QStringLiteral("sumfilters");
}

QString TSumFilters::fileName() const
{
    return QStringLiteral("sumfilters.dat");
}

QString TSumFilters::elementName() const
{
    return QStringLiteral("sumfilter");
}

Basics::TValue *TSumFilters::newValue()
{
    return new TSumFilter;
}

TSumFilter *TSumFilters::filter(int id) const
{
    return dynamic_cast<TSumFilter *>(find(id));
}

} // namespace PosLib
