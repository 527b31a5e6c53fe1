#include "treportworkbook.h"

#include "tcomparisondata.h"
#include "tcurrencies.h"
#include "treportrun.h"
#include "tsummaryexport.h"
#include "tworkspacelists.h"
#include "txlsxworkbook.h"

#include <QCoreApplication>

using namespace PosLib;

bool writeReportWorkbook(TWorkspaceLists *lists, const QString &root, const TReportRequest &request,
                         const QString &title, const QString &fileName, QString *error)
{
    TReportRequest r = request;
    // every leaf of the data, as the command line's CSV has it
    r.withData = true;
    r.dataNodes.clear();
    r.dataSink = nullptr;
    r.lineSink = nullptr;
    TReportRun run(lists, root);
    const TReportResult result = run.run(r);
    if (result.status != TReportResult::Done) {
        *error = QCoreApplication::translate("TReportWorkbook",
                                             "%1: the report could not be made again for the "
                                             "workbook; nothing was written")
                         .arg(fileName);
        return false;
    }
    const auto *currencies = qobject_cast<TCurrencies *>(lists->get(QStringLiteral("currencies")));
    return TXlsxWorkbook::write(
            fileName,
            TXlsxWorkbook::sheets(r.compare.isSet() ? comparisonCsvRows(result.data)
                                                    : TSummaryExport::csvRows(result.data),
                                  title, reportXlsxLayout()),
            TXlsxCurrency::of(currencies), error);
}
