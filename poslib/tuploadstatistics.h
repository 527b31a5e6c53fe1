#pragma once

#include <QDate>
#include <QString>

namespace PosLib {

// Hands the statistics of a closed day to the snapshot plug-in "VUrazEdad".
// Returns 0 when uploaded or when there is nothing to do (no installation
// record, or "cloudserviceactive" not set), 803 when the plug-in call failed
// or the plug-in answered with a non-zero code, 804 when the plug-in host
// could not be initialised.
int uploadStatistics(const QString &operation, const QString &root, const QDate &day);

} // namespace PosLib
