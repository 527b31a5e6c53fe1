#include "viewstest.h"

#include "modaldriver.h"
#include "planteddata.h"
#include "texceptionsdoc.h"
#include "toffconfig.h"
#include "tofflistview.h"
#include "xlsxreader.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QtCharts/QChart>

using namespace viewstest;
using namespace PosLib;

namespace {

class ExceptionsDoc : public DemoWindow
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English));
        DemoWindow::SetUp();
        planted::Plan plan;
        plan.voider = 3;
        plan.lateDiscounter = 4;
        plan.staffUser = 5;
        planted::write(dir, plan);
        doc = open<TExceptionsDoc>();
        doc->setNow(QDateTime(planted::lastDay().addDays(1), QTime(10, 0)));
        doc->setRange(planted::FirstDay, planted::lastDay());
        doc->onStart();
        list = doc->listView();
        ASSERT_NE(nullptr, list);
    }

    QTreeWidgetItem *waiter(int number) const
    {
        return doc->itemOf(TExceptionSide::Waiters, number);
    }

    TExceptionsDoc *doc = nullptr;
    TOffListView *list = nullptr;
};

} // namespace

TEST_F(ExceptionsDoc, ListsTheWaitersWithTheFlaggedFiguresStandingOut)
{
    // "Waiters" and "Cost centers", each with the team, its median and its groups
    ASSERT_EQ(2, list->topLevelItemCount());
    EXPECT_EQ(2 + planted::Waiters, list->topLevelItem(0)->childCount());
    QTreeWidgetItem *voider = waiter(3);
    ASSERT_NE(nullptr, voider);
    EXPECT_EQ(QStringLiteral("! 3 Luca"), voider->text(0));
    const int voids = TExceptionsDoc::columnOf(TExceptionKind::Voids);
    EXPECT_EQ(QStringLiteral("! 30 (100.0)"), voider->text(voids));
    EXPECT_TRUE(voider->font(voids).bold());
    EXPECT_NE(Qt::NoBrush, voider->background(voids).style());
    EXPECT_TRUE(voider->toolTip(voids).contains(QStringLiteral("5.0 x the team's median")));
    // a waiter like the others
    EXPECT_EQ(QStringLiteral("6 (20.0)"), waiter(1)->text(voids));
    EXPECT_FALSE(waiter(1)->font(voids).bold());
    EXPECT_EQ(Qt::NoBrush, waiter(1)->background(voids).style());
    // the kinds nobody booked are hidden
    EXPECT_TRUE(list->isColumnHidden(TExceptionsDoc::columnOf(TExceptionKind::FreePrices)));
    EXPECT_FALSE(list->isColumnHidden(TExceptionsDoc::columnOf(TExceptionKind::StaffAccount)));
    EXPECT_EQ(QStringLiteral("6 waiters, 3 flagged"), doc->getInformation());

    // the chart of the voids against the median, then of the late discounts
    ASSERT_NE(nullptr, doc->chartView()->chart());
    EXPECT_TRUE(doc->chartView()->chart()->title().contains(QStringLiteral("Voids per 100 bills")));
    EXPECT_TRUE(doc->chartView()->chart()->title().contains(QStringLiteral("Team's median: 20.0")));
    screenshot(window.get(), "exceptions.png");
    doc->setChartKind(TExceptionKind::LateDiscounts);
    EXPECT_TRUE(doc->chartView()->chart()->title().contains(QStringLiteral("Late discounts")));
}

TEST_F(ExceptionsDoc, DoubleClickListsTheEntriesAndShowsTheirBill)
{
    const int voids = TExceptionsDoc::columnOf(TExceptionKind::Voids);
    emit list->itemDoubleClicked(waiter(3), voids);
    QTreeWidget *entries = doc->entriesList();
    ASSERT_NE(nullptr, entries);
    EXPECT_TRUE(entries->window()->isVisible());
    ASSERT_EQ(30, entries->topLevelItemCount());
    QTreeWidgetItem *first = entries->topLevelItem(0);
    EXPECT_EQ(QStringLiteral("Voids"), first->text(0));
    EXPECT_EQ(QStringLiteral("Article 901"), first->text(7));
    EXPECT_EQ(QStringLiteral("3 Luca"), first->text(10));
    EXPECT_EQ(QStringLiteral("Cold"), first->text(11));
    // the first entry's bill, as the journal shows it
    const QString bill = doc->billText()->toPlainText();
    EXPECT_TRUE(bill.contains(QStringLiteral("Article 901"))) << bill.toStdString();
    EXPECT_GE(bill.count(QLatin1Char('\n')), 4) << bill.toStdString();
    screenshot(entries->window(), "exceptions-entries.png");

    // the name column: every entry of the waiter
    doc->showEntries(waiter(5), 0);
    int staff = 0;
    for (int i = 0; i < entries->topLevelItemCount(); ++i)
        staff += entries->topLevelItem(i)->text(0) == QLatin1String("Staff account") ? 1 : 0;
    EXPECT_EQ(10, staff);
    // the median row has no entries
    EXPECT_EQ(nullptr, doc->showEntries(list->topLevelItem(0)->child(1), voids));
}

TEST_F(ExceptionsDoc, SavesTextAndChartsAsPdf)
{
    const QString file = dir.file(QStringLiteral("exceptions.pdf"));
    ASSERT_TRUE(doc->savePdf(file));
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 20000);
    EXPECT_TRUE(doc->lines().contains(QStringLiteral("Flagged waiters")));
    EXPECT_FALSE(doc->savePdf(dir.file(QStringLiteral("no/such/folder/x.pdf"))));

    // as Excel the command line's workbook: the figures first, the
    // entries behind the flags last
    const QString book = dir.file(QStringLiteral("exceptions.xlsx"));
    QString error;
    ASSERT_TRUE(doc->exportWorkbook(book, &error)) << error.toStdString();
    const QJsonArray sheets = readWorkbook(book).value(QStringLiteral("sheets")).toArray();
    ASSERT_GE(sheets.size(), 2);
    EXPECT_TRUE(
            sheets.first()[QStringLiteral("name")].toString().startsWith(QStringLiteral("figure")));
    EXPECT_TRUE(
            sheets.last()[QStringLiteral("name")].toString().startsWith(QStringLiteral("entry")));
    QString refused;
    EXPECT_FALSE(doc->exportWorkbook(dir.file(QStringLiteral("no/such/folder/x.xlsx")), &refused));
    EXPECT_TRUE(refused.contains(QStringLiteral("x.xlsx"))) << refused.toStdString();
}

// The PDF is proposed under the document's title, the range and the
// installation in the folder of the last PDF (never the installation), and
// the folder chosen is proposed next time.
TEST_F(ExceptionsDoc, PdfIsProposedUnderItsTitleRangeAndInstallation)
{
    TestDir config;
    TestDir first;
    TestDir chosen;
    qputenv("VELTRUM_CONFIG", config.file(QStringLiteral("office.ini")).toLocal8Bit());
    TOffConfig::reload();
    TOffConfig::setPdfFolder(first.path());

    EXPECT_EQ(QStringLiteral("Exceptions - 11/2/26 - 11/11/26 - Trattoria Veltrum"),
              doc->printTitle());
    const QString proposed = TOffWindow::proposedPdfFile(doc);
    EXPECT_EQ(QDir(first.path()).absolutePath(), QFileInfo(proposed).absolutePath());
    EXPECT_EQ(QStringLiteral("Exceptions 2026-11-02 - 2026-11-11 Trattoria Veltrum.pdf"),
              QFileInfo(proposed).fileName());

    const QString target = chosen.file(QStringLiteral("voids.pdf"));
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
              QFileInfo(TOffWindow::proposedPdfFile(doc)).absolutePath());

    // one day: its date alone
    doc->setRange(planted::lastDay(), planted::lastDay());
    doc->onStart();
    EXPECT_EQ(QStringLiteral("Exceptions 2026-11-11 Trattoria Veltrum"), doc->pdfFileName());

    qunsetenv("VELTRUM_CONFIG");
    TOffConfig::reload();
}

TEST_F(ExceptionsDoc, CurrentDayWithoutFrom)
{
    doc->setRange(QDate(), QDate());
    doc->onStart();
    EXPECT_FALSE(doc->result().from.isValid());
    // the small demo's paid tables of today
    EXPECT_GT(doc->result().waiters.total.bills, 0);
}
