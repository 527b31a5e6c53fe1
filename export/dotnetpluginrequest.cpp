#include "dotnetpluginrequest.h"

namespace DotNetPluginLibrary {

namespace {
const QString separator = QStringLiteral("^=|");
}

DotNetPluginRequest::DotNetPluginRequest()
{
    appendChild(createProcessingInstruction(QStringLiteral("xml"),
                                            QStringLiteral("version=\"1.0\" encoding=\"utf-8\"")));
    QDomElement root = createElement(QStringLiteral("korvalplugins"));
    appendChild(root);
    QDomElement plugin = createElement(QStringLiteral("plugin"));
    root.appendChild(plugin);
    QDomElement functions = createElement(QStringLiteral("functions"));
    plugin.appendChild(functions);
    QDomElement function = createElement(QStringLiteral("function"));
    functions.appendChild(function);
    function.appendChild(createElement(QStringLiteral("params")));
}

QDomElement DotNetPluginRequest::firstElement(const QString &tag) const
{
    return elementsByTagName(tag).item(0).toElement();
}

bool DotNetPluginRequest::setPlugin(const QString &name)
{
    QDomElement plugin = firstElement(QStringLiteral("plugin"));
    if (name.isEmpty() || plugin.isNull())
        return false;
    plugin.setAttribute(QStringLiteral("name"), name);
    return true;
}

bool DotNetPluginRequest::setFunction(const QString &name)
{
    QDomElement function = firstElement(QStringLiteral("function"));
    if (name.isEmpty() || function.isNull())
        return false;
    function.setAttribute(QStringLiteral("name"), name);
    function.setAttribute(QStringLiteral("invokeposition"), 1);
    return true;
}

bool DotNetPluginRequest::addParams(const QString &group, const QStringList &lines)
{
    QDomElement params = firstElement(QStringLiteral("params"));
    if (group.isEmpty() || params.isNull())
        return false;
    QDomElement element = createElement(group);
    element.setAttribute(QStringLiteral("count"), int(lines.size()));
    for (const QString &line : lines) {
        const int at = line.indexOf(separator);
        if (at < 0)
            continue;
        QDomElement parameter = createElement(line.left(at));
        parameter.setAttribute(QStringLiteral("value"), line.mid(at + separator.size()));
        element.appendChild(parameter);
    }
    params.appendChild(element);
    return true;
}

bool DotNetPluginRequest::addParams(const QString &group, const QMap<QString, QString> &values)
{
    QDomElement params = firstElement(QStringLiteral("params"));
    if (group.isEmpty() || params.isNull())
        return false;
    QDomElement element = createElement(group);
    element.setAttribute(QStringLiteral("count"), int(values.size()));
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        QDomElement parameter = createElement(it.key());
        parameter.setAttribute(QStringLiteral("value"), it.value());
        element.appendChild(parameter);
    }
    params.appendChild(element);
    return true;
}

QString DotNetPluginRequest::plugin() const
{
    return firstElement(QStringLiteral("plugin")).attribute(QStringLiteral("name"));
}

QString DotNetPluginRequest::function() const
{
    return firstElement(QStringLiteral("function")).attribute(QStringLiteral("name"));
}

} // namespace DotNetPluginLibrary
