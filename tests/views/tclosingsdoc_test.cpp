#include "viewstest.h"

#include "modaldriver.h"

#include "tclosingsdoc.h"
#include "tclosingsread.h"
#include "toffapplication.h"
#include "toffconfig.h"
#include "tofflistview.h"
#include "treceipt.h"
#include "tturnover.h"
#include "turnoverdata.h"
#include "verifyinstallation.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace viewstest;

namespace {

class ClosingsDoc : public DemoWindow
{
protected:
    void SetUp() override
    {
        DemoWindow::SetUp();
        doc = open<TClosingsDoc>();
        doc->setNow(QDateTime(Today, QTime(23, 0)));
        list = doc->listView();
        ASSERT_NE(nullptr, list);
        refreshed();
    }

    // Waits until the rows of the last fill are shown: the closings are
    // read away from the window.
    void refreshed()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !doc->isFilling(); }, 60000));
    }

    void refresh()
    {
        doc->onRefresh();
        refreshed();
    }

    // Closes today as a whole, as the reports document would.
    void closeToday()
    {
        PosLib::TurnoverData data;
        data.setDataPath(dir.path());
        data.setTurnoverDate(Today);
        data.setApplicationName(QStringLiteral("Office (Reports)"));
        data.setClock(QDateTime(Today, QTime(23, 30)));
        ASSERT_EQ(0, PosLib::executeTurnover(data));
    }

    QStringList column(int c) const
    {
        QStringList texts;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            texts << list->topLevelItem(i)->text(c);
        return texts;
    }

    TClosingsDoc *doc = nullptr;
    TOffListView *list = nullptr;
};

} // namespace

TEST_F(ClosingsDoc, ListsTheClosingsAndReprintsTheChosenZReport)
{
    // the demo's two closed days were closed before records were kept
    ASSERT_EQ(2, list->topLevelItemCount());
    EXPECT_EQ(QStringList({QStringLiteral("no record"), QStringLiteral("no record")}), column(8));
    EXPECT_EQ(QStringLiteral("Z"), list->headerItem()->text(0));

    closeToday();
    refresh();
    ASSERT_EQ(3, list->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("yes"), column(8).last());
    EXPECT_EQ(QStringLiteral("whole day"), column(2).last());
    // the choice stays over a refresh; at first the newest is chosen
    const long z = column(0).last().toLong();
    EXPECT_EQ(z - 1, doc->currentZ());
    ASSERT_TRUE(doc->selectZ(z));
    EXPECT_EQ(z, doc->currentZ());

    ASSERT_NE(nullptr, doc->reprintButton());
    doc->reprintButton()->click();
    ASSERT_NE(nullptr, doc->reportDialog());
    EXPECT_TRUE(doc->reportDialog()->isVisible());
    const QString text = doc->reportText()->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Day turnover %1 from 05.12.2026").arg(z)))
            << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("First bill"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Amount of all waiters")));
    screenshot(window.get(), "closings.png");
    screenshot(doc->reportDialog(), "closings-zreport.png");

    // PDF of the Z report
    const QString pdf = dir.file(QStringLiteral("z.pdf"));
    ASSERT_TRUE(doc->saveZReportPdf(z, pdf));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
    EXPECT_FALSE(doc->saveZReportPdf(9999, pdf + QStringLiteral("x")));
}

// The closings are read away from the window: the list keeps its rows
// until the new ones come, and of refreshes asked meanwhile only the last
// one's rows are shown.
TEST_F(ClosingsDoc, ReadsAwayFromTheWindowAndShowsTheLastRefresh)
{
    ASSERT_EQ(2, list->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("2 closings"), doc->getInformation());
    closeToday();
    QSignalSpy filled(doc, &TClosingsDoc::filled);
    doc->onRefresh();
    doc->onRefresh();
    EXPECT_TRUE(doc->isFilling());
    EXPECT_EQ(2, list->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("Reading and verifying the closings..."), doc->getInformation());
    refreshed();
    EXPECT_EQ(1, filled.count());
    EXPECT_EQ(3, list->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("3 closings"), doc->getInformation());

    // a read under way is waited for when its owner goes
    {
        TClosingsRead read;
        read.start(dir.path());
        EXPECT_TRUE(read.isRunning());
    }
}

// The Z report's PDF is proposed under its title and the installation's
// name in the folder of the last PDF (never the installation), written
// whole, and its folder is proposed next time.
TEST_F(ClosingsDoc, ZReportPdfIsProposedUnderItsTitleAndRemembersItsFolder)
{
    TestDir config;
    TestDir first;
    TestDir chosen;
    qputenv("VELTRUM_CONFIG", config.file(QStringLiteral("office.ini")).toLocal8Bit());
    TOffConfig::reload();
    TOffConfig::setPdfFolder(first.path());
    const long z = doc->currentZ();
    ASSERT_NE(0, z);

    const QString proposed = doc->proposedZReportPdf(z);
    EXPECT_EQ(QDir(first.path()).absolutePath(), QFileInfo(proposed).absolutePath());
    EXPECT_EQ(QStringLiteral("Day turnover %1 from 04.12.2026 Trattoria Veltrum.pdf").arg(z),
              QFileInfo(proposed).fileName());
    EXPECT_EQ(QString(), doc->proposedZReportPdf(9999));

    // a file that was there stays as it was when there is nothing to write
    const QString kept = chosen.file(QStringLiteral("kept.pdf"));
    {
        QFile file(kept);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("before");
    }
    EXPECT_FALSE(doc->saveZReportPdf(9999, kept));
    QFile before(kept);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray("before"), before.readAll());

    // saved where the user chose, and that folder is proposed next
    const QString target = chosen.file(QStringLiteral("z.pdf"));
    QString offered;
    ModalDriver driver;
    driver.chooseFile(target, &offered);
    doc->onPdf();
    EXPECT_FALSE(driver.pending());
    EXPECT_EQ(QStringList(), driver.boxes);
    EXPECT_EQ(proposed, offered);
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5).startsWith("%PDF-"));
    EXPECT_EQ(QDir(chosen.path()).absolutePath(),
              QFileInfo(doc->proposedZReportPdf(z)).absolutePath());

    qunsetenv("VELTRUM_CONFIG");
    TOffConfig::reload();
}

TEST_F(ClosingsDoc, VerifyShowsWhatDoesNotHold)
{
    closeToday();
    refresh();
    ModalDriver driver;
    driver.answer(QMessageBox::Ok);
    ASSERT_NE(nullptr, doc->verifyButton());
    doc->verifyButton()->click();
    ASSERT_EQ(1, driver.boxes.size());
    EXPECT_TRUE(driver.boxes[0].startsWith(QStringLiteral("Verify: Every closing holds")))
            << driver.boxes[0].toStdString();

    // a closed bill changed afterwards
    const QString bill = dir.file(QStringLiteral("var/statist/tag05.12.2026/a1"));
    QFile file(bill);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("x");
    file.close();
    doc->verifyButton()->click();
    refreshed();
    ASSERT_EQ(2, driver.boxes.size());
    EXPECT_TRUE(driver.boxes[1].startsWith(QStringLiteral("Verify: 1 finding(s):\n")))
            << driver.boxes[1].toStdString();
    EXPECT_TRUE(driver.boxes[1].contains(QStringLiteral("a1"))) << driver.boxes[1].toStdString();
    EXPECT_EQ(QStringLiteral("no"), column(8).last());
    EXPECT_TRUE(doc->getInformation().contains(QStringLiteral("1 of them")));
}

TEST_F(ClosingsDoc, ALanguageChangeRetextsTitlesAndRows)
{
    closeToday();
    refresh();
    const long z = column(0).last().toLong();
    TOffApplication::instance()->setLanguage(QStringLiteral("de"));
    refreshed();
    EXPECT_EQ(QStringLiteral("Datum"), list->headerItem()->text(1));
    EXPECT_EQ(QStringLiteral("ganzer Tag"), column(2).last());
    EXPECT_EQ(QStringLiteral("ja"), column(8).last());
    EXPECT_EQ(QStringLiteral("kein Datensatz"), column(8).first());
    EXPECT_EQ(QStringLiteral("&Prüfen"), doc->verifyButton()->text());
    EXPECT_EQ(z - 1, doc->currentZ());

    TOffApplication::instance()->setLanguage(QStringLiteral("en"));
    refreshed();
    EXPECT_EQ(QStringLiteral("Date"), list->headerItem()->text(1));
    EXPECT_EQ(QStringLiteral("whole day"), column(2).last());
    EXPECT_EQ(QStringLiteral("&Verify"), doc->verifyButton()->text());
}

// The reprint window offers the receipt printer of the options; the
// printout is the Z report's lines at the configured width, in ESC/POS.
TEST_F(ClosingsDoc, PrintsTheZReportOnTheReceiptPrinter)
{
    qputenv("VELTRUM_CONFIG", dir.file(QStringLiteral("office.ini")).toLocal8Bit());
    TOffConfig::reload();
    closeToday();
    refresh();
    const long z = column(0).last().toLong();
    ASSERT_TRUE(doc->selectZ(z));
    doc->reprintButton()->click();
    ASSERT_NE(nullptr, doc->receiptButton());
    EXPECT_FALSE(doc->receiptButton()->isVisibleTo(doc->reportDialog()));
    QString error;
    EXPECT_FALSE(doc->printReceipt(z, &error));

    const QString printer = dir.file(QStringLiteral("bar-printer.bin"));
    TOffConfig::setReceiptPrinter(printer);
    TOffConfig::setReceiptWidth(32);
    doc->reprintButton()->click();
    EXPECT_TRUE(doc->receiptButton()->isVisibleTo(doc->reportDialog()));
    doc->receiptButton()->click();
    QFile file(printer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    error.clear();
    const QStringList printed = PosLib::escPosText(file.readAll(), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(PosLib::receiptLines(doc->zReport(z, nullptr, true), 32), printed);
    screenshot(doc->reportDialog(), "closings-receipt.png");

    TOffConfig::setReceiptPrinter(QString());
    qunsetenv("VELTRUM_CONFIG");
    TOffConfig::reload();
}

// Verify (which the window runs on a thread of its own, TProgressRun)
// tells its progress per closed day and stops between two days when asked.
TEST_F(ClosingsDoc, VerifyTellsItsProgressAndCanBeCancelled)
{
    closeToday();
    QList<int> steps;
    const TVerification whole = verifyInstallation(
            dir.path(), [&steps](int done, int) { steps << done; }, [] { return true; });
    EXPECT_FALSE(whole.cancelled);
    EXPECT_TRUE(whole.findings.isEmpty()) << whole.findings.join(QLatin1Char('\n')).toStdString();
    // the closings, then each of the three closed days
    EXPECT_EQ(QList<int>({0, 1, 2, 3, 4}), steps);

    int asked = 0;
    const TVerification stopped = verifyInstallation(
            dir.path(), [](int, int) {}, [&asked] { return ++asked < 2; });
    EXPECT_EQ(2, asked);
    EXPECT_TRUE(stopped.cancelled);
}
