#include "tsettings.h"

using namespace Basics;

namespace PosLib {

TSettings::TSettings(QObject *parent)
    : TValueList(true, parent)
{ }

QString TSettings::listName() const
{
    return QStringLiteral("settings");
}

QString TSettings::fileName() const
{
    return QStringLiteral("settings.dat");
}

QString TSettings::elementName() const
{
    return QStringLiteral("setting");
}

int TSettings::officeId() const
{
    const TValue *record = installation();
    return record ? record->getInt(QStringLiteral("officeid"), 1) : 0;
}

QString TSettings::text(const char *field) const
{
    const TValue *record = installation();
    return record ? record->getString(QLatin1String(field)) : QString();
}

QString TSettings::installationName() const
{
    return text("installationname");
}

QString TSettings::street() const
{
    return text("street");
}

QString TSettings::city() const
{
    return text("city");
}

QString TSettings::taxNumber() const
{
    return text("taxnumber");
}

QString TSettings::phoneNumber() const
{
    return text("phonenumber");
}

QString TSettings::faxNumber() const
{
    return text("faxnumber");
}

QString TSettings::infoText() const
{
    return text("infotext");
}

QString TSettings::email() const
{
    return text("email");
}

QString TSettings::webAddress() const
{
    return text("webaddress");
}

QString TSettings::addAddress() const
{
    return text("addaddress");
}

} // namespace PosLib
