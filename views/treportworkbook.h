#pragma once

#include <QString>

namespace PosLib {
class TWorkspaceLists;
struct TReportRequest;
} // namespace PosLib

// The reports document's "Export as Excel": the report of `request` run
// again for the data its lines come from, written as a workbook with the
// rows of 'veltrum report --format csv' (a sheet per period and group,
// amounts as numbers in the installation's currency; `title` names a sheet
// that nothing splits). False with `error` naming the file and why, also
// when the run was stopped or the report has no data on this side.
bool writeReportWorkbook(PosLib::TWorkspaceLists *lists, const QString &root,
                         const PosLib::TReportRequest &request, const QString &title,
                         const QString &fileName, QString *error);
