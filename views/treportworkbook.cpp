#include "treportworkbook.h"

#include "tcomparisondata.h"
#include "tcurrencies.h"
#include "treportrun.h"
#include "trowsspool.h"
#include "tsummarydatasink.h"
#include "tsummaryexport.h"
#include "tworkspacelists.h"
#include "txlsxworkbook.h"

#include <QCoreApplication>

#include <memory>

using namespace PosLib;

bool writeReportWorkbook(TWorkspaceLists *lists, const QString &root, const TReportRequest &request,
                         const QString &title, const QString &fileName, QString *error,
                         const std::function<void(TReportRun &run)> &follow)
{
    TReportRequest r = request;
    // every leaf of the data, as the command line's CSV has it
    r.withData = true;
    r.dataNodes.clear();
    r.dataSink = nullptr;
    r.lineSink = nullptr;
    // the rows go to a temporary file as they are made (a comparison joins
    // its two documents in memory)
    TRowsSpool spool;
    std::unique_ptr<TSummaryCsvRows> rows;
    if (!r.compare.isSet() && spool.isOpen()) {
        spool.add(TSummaryCsvRows::header());
        rows = std::make_unique<TSummaryCsvRows>(
                [&spool](const QStringList &row) { spool.add(row); });
        r.dataSink = rows.get();
        r.lineSink = [](const QString &) {};
    }
    TReportRun run(lists, root);
    if (follow)
        follow(run);
    const TReportResult result = run.run(r);
    if (result.status == TReportResult::Cancelled) {
        *error = QCoreApplication::translate("TReportWorkbook",
                                             "%1: cancelled; nothing was written")
                         .arg(fileName);
        return false;
    }
    if (result.status != TReportResult::Done) {
        *error = QCoreApplication::translate("TReportWorkbook",
                                             "%1: the report could not be made again for the "
                                             "workbook; nothing was written")
                         .arg(fileName);
        return false;
    }
    const auto *currencies = qobject_cast<TCurrencies *>(lists->get(QStringLiteral("currencies")));
    const TXlsxCurrency currency = TXlsxCurrency::of(currencies);
    if (rows)
        return TXlsxWorkbook::writeRows(
                fileName,
                [&spool](const std::function<void(const QStringList &)> &take) {
                    return spool.replay(take);
                },
                title, reportXlsxLayout(), currency, error);
    return TXlsxWorkbook::write(
            fileName,
            TXlsxWorkbook::sheets(r.compare.isSet() ? comparisonCsvRows(result.data)
                                                    : TSummaryExport::csvRows(result.data),
                                  title, reportXlsxLayout()),
            currency, error);
}
