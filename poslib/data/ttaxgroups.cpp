#include "ttaxgroups.h"

namespace PosLib {

TTaxGroup::TTaxGroup(const Basics::TValue &record)
    : Basics::TValue(record)
{ }

TTaxGroup::~TTaxGroup() = default;

double TTaxGroup::rate() const
{
    return getDouble(QStringLiteral("rate"));
}

void TTaxGroup::setRate(double percent)
{
    setDouble(QStringLiteral("rate"), percent);
}

qint64 TTaxGroup::amount() const
{
    return getLong(QStringLiteral("amount"));
}

void TTaxGroup::setAmount(qint64 cents)
{
    setInt(QStringLiteral("amount"), cents);
}

TTaxGroups::TTaxGroups(bool autoDelete, QObject *parent)
    : Basics::TValueList(autoDelete, parent)
{ }

TTaxGroups::~TTaxGroups() = default;

QString TTaxGroups::listName() const
{
    return QStringLiteral("taxgroups");
}

QString TTaxGroups::fileName() const
{
    return QStringLiteral("taxgroups.dat");
}

QString TTaxGroups::elementName() const
{
    return QStringLiteral("taxgroup");
}

Basics::TValue *TTaxGroups::newValue()
{
    return new TTaxGroup;
}

TTaxGroup *TTaxGroups::taxGroup(int id) const
{
    return dynamic_cast<TTaxGroup *>(find(id));
}

} // namespace PosLib
