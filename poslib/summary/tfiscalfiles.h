#pragma once

#include <QDate>
#include <QString>

namespace PosLib {

// The fiscal summary files: what a fiscal batch run writes, and what
// marks a day as fiscalized for the day turnover.

// "var/reports/yyyyMMdd.<batch>.fiscal" under the data path, dated by the
// run's from date.
QString fiscalFileName(const QDate &from, int batchNumber, const QString &dataPath);

// True when "var/reports" holds a fiscal summary file of that day, of any
// batch.
bool hasFiscalFiles(const QDate &day, const QString &dataPath);

} // namespace PosLib
