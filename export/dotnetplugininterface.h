#pragma once

#include <QString>
#include <QtPlugin>

namespace DotNetPluginLibrary {

// The interface of a plug-in built as a shared library and loaded with
// QPluginLoader from the plug-in directory.
class DotNetPluginInterface
{
public:
    virtual ~DotNetPluginInterface() = default;
    // Runs the request and returns its code, the answer XML in `response`.
    virtual int callFunction(const QString &request, QString &response) = 0;
};

} // namespace DotNetPluginLibrary

#define DotNetPluginInterface_iid "org.veltrum.DotNetPluginInterface/1.0"
Q_DECLARE_INTERFACE(DotNetPluginLibrary::DotNetPluginInterface, DotNetPluginInterface_iid)
