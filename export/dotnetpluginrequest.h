#pragma once

#include <QDomDocument>
#include <QMap>
#include <QString>
#include <QStringList>

namespace DotNetPluginLibrary {

// The request handed to the plug-in host:
//   <?xml version="1.0" encoding="utf-8"?>
//   <korvalplugins><plugin name="..."><functions>
//     <function name="..." invokeposition="1"><params>
//       <group count="2"><name value="..."/>...</group>
//   </params></function></functions></plugin></korvalplugins>
class DotNetPluginRequest : public QDomDocument
{
public:
    // The empty structure, down to "params".
    DotNetPluginRequest();

    // Names the plug-in; false for an empty name or without a "plugin"
    // element.
    bool setPlugin(const QString &name);
    // Names the function and sets its "invokeposition" to 1; false for an
    // empty name or without a "function" element.
    bool setFunction(const QString &name);
    // Appends a group element with "count" = number of lines and one child
    // per "name^=|value" line (see PosLib::appendParameter), named by the
    // name and carrying the value; lines without the separator add no
    // child. False for an empty group name or without a "params" element.
    bool addParams(const QString &group, const QStringList &lines);
    // The same from a map of names to values, in the map's order.
    bool addParams(const QString &group, const QMap<QString, QString> &values);

    // The "name" of the "plugin" element; empty when unnamed.
    QString plugin() const;
    QString function() const;

private:
    QDomElement firstElement(const QString &tag) const;
};

} // namespace DotNetPluginLibrary
