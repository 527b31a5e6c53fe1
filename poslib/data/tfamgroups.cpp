#include "tfamgroups.h"

namespace PosLib {

TFamGroups::TFamGroups(bool autoDelete, QObject *parent)
    : Basics::TValueList(autoDelete, parent)
{ }

TFamGroups::~TFamGroups() = default;

QString TFamGroups::listName() const
{
    return QStringLiteral("famgroups");
}

QString TFamGroups::fileName() const
{
    return QStringLiteral("famgroups.dat");
}

QString TFamGroups::elementName() const
{
    return QStringLiteral("famgroup");
}

} // namespace PosLib
