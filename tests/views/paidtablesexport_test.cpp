// The reports document's report as a PDF and as an Excel workbook, from the
// window's File menu.

#include "modaldriver.h"
#include "reportsdocfixture.h"
#include "tofflistview.h"
#include "treportrun.h"
#include "treportworkbook.h"
#include "tworkspacelists.h"
#include "xlsxreader.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>

using namespace PosLib;
using reportsdoc::ReportsDoc;

TEST_F(ReportsDoc, PdfOfAReportHoldsItsHeaderAndLines)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_FAIL() << "pdftotext is missing: run scripts/deps.sh";
    TPaidTablesDoc *doc = open();
    runWithF5(doc, 5);
    const QString pdf = config.file(QStringLiteral("waiters.pdf"));
    ASSERT_TRUE(doc->printToPdf(pdf));

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("Trattoria Veltrum - List of all waiters")))
            << printed.toStdString();
    EXPECT_TRUE(printed.contains(QStringLiteral("Page 1")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Summary for: Trattoria Veltrum")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Printed ")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Waiter #1 - Anna")));
}

TEST_F(ReportsDoc, ExcelOfAReportHasASheetPerWaiterAndOfTheJournalItsRows)
{
    TPaidTablesDoc *doc = open();
    QAction *excel = nullptr;
    for (QAction *action : window->fileMenu()->actions())
        if (action->text() == QLatin1String("Export as &Excel..."))
            excel = action;
    ASSERT_NE(nullptr, excel);
    EXPECT_TRUE(excel->isEnabled());

    runWithF5(doc, 5);
    const QString book = config.file(QStringLiteral("waiters.xlsx"));
    // proposed under the PDF's name and in the last PDF's folder
    const TestDir earlier;
    TOffConfig::setPdfFolder(earlier.path());
    const QString proposed = TOffWindow::proposedPdfFile(doc).chopped(3) + QStringLiteral("xlsx");
    ASSERT_TRUE(proposed.startsWith(earlier.path())) << proposed.toStdString();
    QString offered;
    {
        ModalDriver driver;
        driver.chooseFile(book, &offered);
        excel->trigger();
        EXPECT_FALSE(driver.pending());
        EXPECT_EQ(QStringList(), driver.boxes);
    }
    EXPECT_EQ(proposed, offered);
    EXPECT_TRUE(window->statusText().contains(book)) << window->statusText().toStdString();
    // the next one is proposed beside it
    EXPECT_EQ(QFileInfo(book).absolutePath(),
              QFileInfo(TOffWindow::proposedPdfFile(doc)).absolutePath());
    QString error;
    const QJsonArray sheets = readWorkbook(book).value(QStringLiteral("sheets")).toArray();
    // a sheet per waiter of the report, named by number and name
    ASSERT_GT(sheets.size(), 2);
    EXPECT_EQ(QStringLiteral("1 Anna"), sheets.at(0)[QStringLiteral("name")].toString());
    const QJsonObject first = sheets.at(0).toObject();
    EXPECT_EQ(QStringLiteral("amount"), workbookCell(first, 0, 10).toString());
    int amounts = 0;
    const QJsonArray cells = first.value(QStringLiteral("cells")).toArray();
    for (int r = 1; r < cells.size(); ++r) {
        if (workbookCell(first, r, 10).isDouble()) {
            EXPECT_TRUE(workbookCell(first, r, 10, 2).toString().contains(QStringLiteral("EUR")));
            ++amounts;
        }
    }
    EXPECT_GT(amounts, 5);

    // the journal: its rows as the list shows them, on one sheet
    runWithF5(doc, 1);
    const QString journal = config.file(QStringLiteral("journal.xlsx"));
    ASSERT_TRUE(doc->exportWorkbook(journal, &error)) << error.toStdString();
    const QJsonArray rows = readWorkbook(journal).value(QStringLiteral("sheets")).toArray();
    ASSERT_EQ(1, rows.size());
    EXPECT_EQ(doc->listView()->allItems().size() + 1,
              rows.at(0)[QStringLiteral("cells")].toArray().size());
    EXPECT_EQ(QStringLiteral("depth"), workbookCell(rows.at(0).toObject(), 0, 0).toString());

    // a file that cannot be written is named
    EXPECT_FALSE(doc->exportWorkbook(config.file(QStringLiteral("no/such/folder/x.xlsx")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("no/such/folder/x.xlsx"))) << error.toStdString();

    // the run again stopped (Cancel on its progress): nothing is written
    TWorkspaceLists lists(demo->path());
    TReportRequest request;
    request.kind = 5;
    request.from = QDate(2026, 12, 1);
    request.to = QDate(2026, 12, 4);
    const QString stopped = config.file(QStringLiteral("stopped.xlsx"));
    EXPECT_FALSE(writeReportWorkbook(&lists, demo->path(), request, QStringLiteral("Waiters"),
                                     stopped, &error, [](TReportRun &run) {
                                         QObject::connect(&run, &TReportRun::sigProgress, &run,
                                                          &TReportRun::setStopped);
                                     }));
    EXPECT_EQ(stopped + QStringLiteral(": cancelled; nothing was written"), error);
    EXPECT_FALSE(QFileInfo::exists(stopped));
    EXPECT_TRUE(writeReportWorkbook(&lists, demo->path(), request, QStringLiteral("Waiters"),
                                    stopped, &error))
            << error.toStdString();
}

TEST_F(ReportsDoc, PdfIsProposedUnderTheReportsTitleDaysAndInstallation)
{
    TPaidTablesDoc *doc = open();
    runWithF5(doc, 7);
    const QString name = doc->pdfFileName();
    EXPECT_TRUE(name.startsWith(QStringLiteral("Article report of all waiters ")))
            << name.toStdString();
    EXPECT_TRUE(name.endsWith(QStringLiteral(" Trattoria Veltrum"))) << name.toStdString();
    EXPECT_TRUE(doc->printTitle().startsWith(QStringLiteral("Article report of all waiters - ")));
    // in the folder of the last PDF once there was one
    TOffConfig::setPdfFolder(config.path());
    EXPECT_EQ(QDir(config.path()).filePath(name + QStringLiteral(".pdf")),
              TOffWindow::proposedPdfFile(doc));
}
