#include "tzexceptions.h"

#include "tcurrencies.h"
#include "texceptionsoutput.h"
#include "texceptionsrun.h"
#include "tworkspacelists.h"

namespace PosLib {

QStringList zReportExceptions(TWorkspaceLists *lists, const QString &root, const QDate &day,
                              int waiter, const QDateTime &now, bool readOnly, QJsonObject *data,
                              bool receipt)
{
    TExceptionsRun run(lists, root);
    TExceptionsRequest request;
    request.from = day;
    request.to = day;
    request.weeks = false;
    request.now = now;
    request.readOnly = readOnly;
    const TExceptionsResult result = run.run(request);
    const auto *currencies = static_cast<TCurrencies *>(lists->get(QStringLiteral("currencies")));
    if (data)
        *data = exceptionsData(result, currencies, TExceptionEntries::None);
    return exceptionsDayBlock(result, currencies, waiter, receipt);
}

} // namespace PosLib
