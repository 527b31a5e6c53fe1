#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace Basics {
class TValue;
}

namespace PosLib {

class TPluginBridge;

// Hands the statistics of a closed day to the snapshot plug-in "VUrazEdad"
// through the plug-in bridge set with setPluginBridge(). `operation` is the
// plug-in function, "UploadStatistXml" for the day turnover.
// Returns 0 when uploaded or when there is nothing to do (no installation
// record, or "cloudserviceactive" not set), 803 when the plug-in call failed
// or the plug-in answered with a non-zero code, 804 when the plug-in host
// could not be initialised (also when no bridge is set). Never throws.
int uploadStatistics(const QString &operation, const QString &root, const QDate &day);
// The same through the given bridge.
int uploadStatistics(const QString &operation, const QString &root, const QDate &day,
                     TPluginBridge *bridge);

// The parameter lines of the "snapshotsettings" group for the installation
// record, in the order the plug-in expects.
QStringList uploadParameters(const Basics::TValue &installation, const QString &operation,
                             const QString &root, const QDate &day);

} // namespace PosLib
