#pragma once

#include <QString>

#include <functional>

namespace PosLib {
class TReportRun;
class TWorkspaceLists;
struct TReportRequest;
} // namespace PosLib

// The reports document's "Export as Excel": the report of `request` run
// again for the data its lines come from, written as a workbook with the
// rows of 'veltrum report --format csv' (a sheet per period and group,
// amounts as numbers in the installation's currency; `title` names a sheet
// that nothing splits). False with `error` naming the file and why, also
// when the run was stopped or the report has no data on this side.
// `follow`, when given, is handed the run before it starts (to show its
// progress and pass a Cancel on); a run stopped that way writes nothing.
bool writeReportWorkbook(PosLib::TWorkspaceLists *lists, const QString &root,
                         const PosLib::TReportRequest &request, const QString &title,
                         const QString &fileName, QString *error,
                         const std::function<void(PosLib::TReportRun &run)> &follow = {});
