#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace Basics {
class TValue;
}

namespace PosLib {

class TPluginBridge;

// Outcomes of uploadStatistics().
enum TUploadResult {
    UploadDone = 0, // uploaded, or nothing to do
    UploadFailed = 803, // the bridge call failed, or the plug-in answered a non-zero code
    UploadNoHost = 804, // the plug-in host could not be initialised, or none is set
    UploadNoSettings = 805, // the installation record could not be read
};

// Hands the statistics of a closed day to the snapshot plug-in "VUrazEdad"
// through the plug-in bridge set with setPluginBridge(). `root` is the
// installation root, `operation` the plug-in function ("UploadStatistXml"
// for the day turnover). Returns a TUploadResult: UploadDone also when there
// is no installation record or "cloudserviceactive" is not set. Every
// failure is logged. Never throws.
int uploadStatistics(const QString &root, const QString &operation, const QDate &day);
// The same through the given bridge.
int uploadStatistics(const QString &root, const QString &operation, const QDate &day,
                     TPluginBridge *bridge);

// The parameter lines of the "snapshotsettings" group for the installation
// record, in the order the plug-in expects.
QStringList uploadParameters(const Basics::TValue &installation, const QString &root,
                             const QString &operation, const QDate &day);

} // namespace PosLib
