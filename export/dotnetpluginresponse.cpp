#include "dotnetpluginresponse.h"

namespace DotNetPluginLibrary {

DotNetPluginResponse::DotNetPluginResponse(const QString &xml)
{
    parse(xml);
}

bool DotNetPluginResponse::parse(const QString &xml)
{
    clear();
    if (setContent(xml))
        return true;
    clear();
    return false;
}

QString DotNetPluginResponse::resultAttribute(const QString &name,
                                              const QString &defaultValue) const
{
    const QDomElement result = elementsByTagName(QStringLiteral("result")).item(0).toElement();
    if (result.isNull() || !result.hasAttribute(name))
        return defaultValue;
    return result.attribute(name);
}

int DotNetPluginResponse::resultInt(const QString &name, int defaultValue) const
{
    bool ok = false;
    const int value = resultAttribute(name).trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

} // namespace DotNetPluginLibrary
