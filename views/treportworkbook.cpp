#include "treportworkbook.h"

#include "tcomparisondata.h"
#include "tcurrencies.h"
#include "terror.h"
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
    // the rows go to a temporary file as they are made (a comparison's
    // once its two documents are joined)
    TRowsSpool spool;
    std::unique_ptr<TSummaryDataSink> rows;
    if (spool.isOpen()) {
        const auto add = [&spool](const QStringList &row) { spool.add(row); };
        if (r.compare.isSet()) {
            spool.add(comparisonCsvHeader());
            rows = comparisonCsvSink(add);
        } else {
            spool.add(TSummaryCsvRows::header());
            rows = std::make_unique<TSummaryCsvRows>(add);
            r.lineSink = [](const QString &) {};
        }
        r.dataSink = rows.get();
    }
    TReportRun run(lists, root);
    if (follow)
        follow(run);
    TReportResult result;
    try {
        result = run.run(r);
    } catch (const Basics::TError &e) {
        // a temporary file of the comparison could not be written or read
        *error = QCoreApplication::translate("TReportWorkbook", "%1: %2; nothing was written")
                         .arg(fileName, e.text());
        return false;
    }
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
