#pragma once

#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QStringList>

namespace PosLib {

class TWorkspaceLists;

// The "Exceptions of the day" block of a Z report: the exceptions run over
// the closed `day` (TExceptionsRun, with the installation's rules), as
// lines (exceptionsDayBlock) and, into `data` when given, as the run's
// data without entries. `waiter` (a waiter's closing) shows that waiter's
// figures alone. `readOnly`: nothing written into the installation
// (TExceptionsRequest::readOnly). `receipt`: laid out for a receipt printer.
QStringList zReportExceptions(TWorkspaceLists *lists, const QString &root, const QDate &day,
                              int waiter, const QDateTime &now, bool readOnly,
                              QJsonObject *data = nullptr, bool receipt = false);

} // namespace PosLib
