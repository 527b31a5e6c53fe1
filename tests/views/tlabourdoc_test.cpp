#include "viewstest.h"

#include "tcurrencies.h"
#include "tlabourdoc.h"
#include "tofflistview.h"
#include "tworkspacelists.h"
#include "xlsxreader.h"

#include <QFile>
#include <QJsonArray>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <cmath>

using namespace viewstest;
using namespace PosLib;

namespace {

class LabourDoc : public DemoWindow
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English));
        DemoWindow::SetUp();
        doc = open<TLabourDoc>();
        doc->setNow(QDateTime(Today, QTime(21, 0)));
        doc->setRange(Today.addDays(-2), Today.addDays(-1));
        list = doc->listView();
        ASSERT_NE(nullptr, list);
    }

    // The same figures as 'veltrum labour' reads them.
    TLabourReport direct(const QDate &from, const QDate &to) const
    {
        TLabourReport report;
        QString error;
        EXPECT_TRUE(report.read(workspace->lists(), dir.path(), from, to,
                                QDateTime(Today, QTime(21, 0)), &error))
                << error.toStdString();
        return report;
    }

    const TCurrencies *currencies() const
    {
        return static_cast<TCurrencies *>(workspace->lists()->get(QStringLiteral("currencies")));
    }

    TLabourDoc *doc = nullptr;
    TOffListView *list = nullptr;
};

} // namespace

TEST_F(LabourDoc, ListsWaitersHoursAndTotalBesideTheChartOfTheSameRun)
{
    EXPECT_EQ(QStringLiteral("Press F5 to put the hours worked beside the sales"),
              doc->getInformation());
    doc->onStart();
    const TLabourReport report = direct(Today.addDays(-2), Today.addDays(-1));
    ASSERT_FALSE(report.waiters.isEmpty());
    ASSERT_FALSE(report.hours.isEmpty());
    ASSERT_GT(report.total.seconds, 0);
    // the text is the command line's
    EXPECT_EQ(report.lines(currencies()), doc->lines());

    ASSERT_EQ(3, list->topLevelItemCount());
    QTreeWidgetItem *waiters = list->topLevelItem(TLabourDoc::WaitersRow);
    QTreeWidgetItem *hours = list->topLevelItem(TLabourDoc::HoursRow);
    QTreeWidgetItem *total = list->topLevelItem(TLabourDoc::TotalRow);
    ASSERT_EQ(report.waiters.size(), waiters->childCount());
    ASSERT_EQ(report.hours.size(), hours->childCount());
    const TLabourLine &first = report.waiters.first();
    EXPECT_EQ(QStringLiteral("%1 %2").arg(first.number).arg(first.name),
              waiters->child(0)->text(TLabourDoc::NameColumn));
    EXPECT_EQ(TLabourReport::hoursText(first.seconds),
              waiters->child(0)->text(TLabourDoc::HoursColumn));
    EXPECT_EQ(report.hours.first().name, hours->child(0)->text(TLabourDoc::NameColumn));
    EXPECT_EQ(TLabourReport::hoursText(report.total.seconds), total->text(TLabourDoc::HoursColumn));
    EXPECT_EQ(doc->formatPrice(long(report.total.sales)), total->text(TLabourDoc::SalesColumn));
    qint64 perHour = 0;
    ASSERT_TRUE(report.total.salesPerHour(&perHour));
    EXPECT_EQ(doc->formatPrice(long(perHour)), total->text(TLabourDoc::SalesPerHourColumn));
    EXPECT_FALSE(total->text(TLabourDoc::CoversPerHourColumn).isEmpty());
    // an hour of the clock has no covers; without wages there is no cost
    EXPECT_TRUE(hours->child(0)->text(TLabourDoc::CoversColumn).isEmpty());
    EXPECT_TRUE(list->isColumnHidden(TLabourDoc::CostColumn));
    EXPECT_TRUE(list->isColumnHidden(TLabourDoc::ShareColumn));
    EXPECT_TRUE(doc->getInformation().contains(TLabourReport::hoursText(report.total.seconds)));

    // the chart: the hours' sales as bars, the hours worked as a line
    QChart *chart = doc->chartView()->chart();
    ASSERT_NE(nullptr, chart);
    QBarSeries *bars = nullptr;
    QLineSeries *worked = nullptr;
    for (QAbstractSeries *series : chart->series()) {
        if (auto *b = qobject_cast<QBarSeries *>(series))
            bars = b;
        if (auto *l = qobject_cast<QLineSeries *>(series))
            worked = l;
    }
    ASSERT_TRUE(bars && worked);
    ASSERT_EQ(1, bars->count());
    ASSERT_EQ(report.hours.size(), bars->barSets().first()->count());
    ASSERT_EQ(report.hours.size(), worked->count());
    EXPECT_EQ(QStringLiteral("Hours worked"), worked->name());
    qint64 sales = 0;
    for (int i = 0; i < report.hours.size(); ++i) {
        const TLabourLine &hour = report.hours.at(i);
        EXPECT_DOUBLE_EQ(double(hour.sales) / 100, bars->barSets().first()->at(i)) << i;
        // hours to one decimal, rounded half up
        EXPECT_DOUBLE_EQ(std::floor(double(hour.seconds) / 3600.0 * 10 + 0.5) / 10,
                         worked->at(i).y())
                << i;
        sales += hour.sales;
    }
    EXPECT_TRUE(chart->title().contains(doc->formatPrice(long(sales))))
            << chart->title().toStdString();
    screenshot(window.get(), "labour.png");
}

TEST_F(LabourDoc, WagesGiveTheCostAndNameWhoHasNone)
{
    const TLabourReport plain = direct(Today.addDays(-2), Today.addDays(-1));
    ASSERT_GE(plain.waiters.size(), 2);
    // a wage for everyone who worked but the first
    QByteArray wages = "[Wages]\r\n";
    int without = 0;
    for (const TLabourLine &line : plain.waiters) {
        if (line.seconds == 0)
            continue;
        if (without == 0)
            without = line.number;
        else
            wages += QByteArray::number(line.number) + "=12.50\r\n";
    }
    ASSERT_NE(0, without);
    dir.write(QStringLiteral("etc/wages.ini"), wages);
    doc->onStart();
    ASSERT_TRUE(doc->report().withWages);
    EXPECT_EQ(QList<int>({without}), doc->report().withoutWage);
    EXPECT_FALSE(list->isColumnHidden(TLabourDoc::CostColumn));
    EXPECT_FALSE(list->isColumnHidden(TLabourDoc::ShareColumn));
    QTreeWidgetItem *total = list->topLevelItem(TLabourDoc::TotalRow);
    EXPECT_EQ(doc->formatPrice(long(doc->report().total.cost)),
              total->text(TLabourDoc::CostColumn));
    EXPECT_TRUE(total->text(TLabourDoc::ShareColumn).endsWith(QStringLiteral(" %")));
    QTreeWidgetItem *waiters = list->topLevelItem(TLabourDoc::WaitersRow);
    for (int i = 0; i < waiters->childCount(); ++i) {
        const TLabourLine &line = doc->report().waiters.at(i);
        QTreeWidgetItem *row = waiters->child(i);
        if (line.number == without) {
            EXPECT_TRUE(row->text(TLabourDoc::CostColumn).isEmpty());
            EXPECT_FALSE(row->toolTip(TLabourDoc::CostColumn).isEmpty());
        } else if (line.seconds > 0) {
            EXPECT_EQ(doc->formatPrice(long(labourCost(line.seconds, 1250))),
                      row->text(TLabourDoc::CostColumn));
        }
    }
    EXPECT_TRUE(
            doc->getInformation().endsWith(QStringLiteral("no wage for waiter %1").arg(without)))
            << doc->getInformation().toStdString();
}

TEST_F(LabourDoc, AWagesFileThatCannotBeReadShowsWhyInsteadOfFigures)
{
    doc->onStart();
    ASSERT_EQ(3, list->topLevelItemCount());
    dir.write(QStringLiteral("etc/wages.ini"), "[Wages]\r\n1=lots\r\n");
    doc->onStart();
    // nothing of the run before stays on view
    ASSERT_EQ(1, list->topLevelItemCount());
    const QString shown = list->topLevelItem(0)->text(TLabourDoc::NameColumn);
    EXPECT_TRUE(shown.contains(QStringLiteral("wages.ini"))) << shown.toStdString();
    EXPECT_TRUE(doc->error().contains(QStringLiteral("wages.ini")));
    EXPECT_TRUE(doc->getInformation().contains(QStringLiteral("wages.ini")));
    EXPECT_TRUE(doc->chartView()->chart()->series().isEmpty());
    EXPECT_FALSE(doc->savePdf(dir.file(QStringLiteral("labour.pdf"))));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("labour.pdf"))));
}

TEST_F(LabourDoc, CurrentDayWithoutFromAndThePdf)
{
    doc->setRange(QDate(), QDate());
    doc->onStart();
    EXPECT_TRUE(doc->report().currentDay);
    EXPECT_EQ(Today, doc->report().from);
    EXPECT_EQ(direct(QDate(), QDate()).lines(currencies()), doc->lines());
    // its PDF is proposed by the document, the day and the installation
    EXPECT_TRUE(doc->pdfFileName().startsWith(
            QStringLiteral("Sales per labour hour %1").arg(Today.toString(Qt::ISODate))))
            << doc->pdfFileName().toStdString();

    const QString file = dir.file(QStringLiteral("labour.pdf"));
    ASSERT_TRUE(doc->savePdf(file));
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_FALSE(doc->savePdf(dir.file(QStringLiteral("no/such/folder/labour.pdf"))));

    // Excel: the command line's workbook, a sheet each for the waiters,
    // the hours and the total, sales as numbers of the currency
    const QString book = dir.file(QStringLiteral("labour.xlsx"));
    QString error;
    ASSERT_TRUE(doc->exportWorkbook(book, &error)) << error.toStdString();
    const QJsonArray sheets = readWorkbook(book).value(QStringLiteral("sheets")).toArray();
    ASSERT_EQ(3, sheets.size());
    const QJsonObject total = sheets.at(2).toObject();
    EXPECT_EQ(doc->report().total.seconds, workbookCell(total, 1, 3).toInteger());
    EXPECT_DOUBLE_EQ(double(doc->report().total.sales) / 100, workbookCell(total, 1, 4).toDouble());
}
