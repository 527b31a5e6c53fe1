#pragma once

#include <QString>
#include <QStringList>

namespace PosLib {

// What the POS library needs from the external plug-in host: prepare it,
// call one function of a plug-in with one group of parameters, read the
// answer. The host itself lives in a library above this one; the program
// hands its instance to setPluginBridge() once at start-up, so the day
// turnover can reach the plug-ins without this library depending on the
// host's.
class TPluginBridge
{
public:
    virtual ~TPluginBridge();

    // Prepares the host once; false when it cannot be used.
    virtual bool init() = 0;
    // Calls `function` of `plugin` with the parameter lines of one group
    // ("name^=|value", see appendParameter()). Returns the host's status:
    // 0 when the plug-in answered (its own result is in the answer), any
    // other value when the call failed.
    virtual int callPlugin(const QString &plugin, const QString &function, const QString &group,
                           const QStringList &parameters)
            = 0;
    // An attribute of the first "result" element of the last answer;
    // `defaultValue` without an answer, element or attribute.
    virtual QString resultAttribute(const QString &name,
                                    const QString &defaultValue = QString()) const = 0;
    // Why the last call failed; empty after a successful one.
    virtual QString errorText() const = 0;
};

// The bridge the library uses; null until the program sets one. Not owned.
TPluginBridge *pluginBridge();
void setPluginBridge(TPluginBridge *bridge);

} // namespace PosLib
