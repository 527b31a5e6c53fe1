// Charts of the demo's reports: built from the report's data, checked
// against the figures its printed lines show.

#include "smalldemo.h"
#include "tchartpage.h"
#include "tchartpainter.h"
#include "tcurrencies.h"
#include "testdir.h"
#include "tpricetext.h"
#include "treportchart.h"
#include "treportrun.h"
#include "tworkspacelists.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QHorizontalBarSeries>
#include <QtCharts/QLineSeries>
#include <QtCharts/QPieSeries>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace PosLib;

namespace {

// Cents of a money text of the demo's currency ("1.234,50" → 123450).
long centsOf(const QString &text)
{
    QString digits = text;
    digits.remove(QLatin1Char('.')).remove(QLatin1Char(','));
    return digits.toLong();
}

long cents(double units)
{
    return std::lround(units * 100);
}

// The amount of the caption line "caption....: amount EUR" or of the sum
// line "caption      amount EUR", -1 without.
long captionAmount(const QStringList &lines, const QString &caption)
{
    const QRegularExpression line(QStringLiteral("^%1[ .]*:? +(-?[0-9.,]+) EUR$")
                                          .arg(QRegularExpression::escape(caption)));
    for (const QString &text : lines) {
        const QRegularExpressionMatch m = line.match(text);
        if (m.hasMatch())
            return centsOf(m.captured(1));
    }
    return -1;
}

class DemoCharts : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        demo = new TestDir;
        smalldemo::write(demo->path());
    }
    static void TearDownTestSuite()
    {
        delete demo;
        demo = nullptr;
    }

    TReportResult run(int kind)
    {
        TReportRun report(&lists, demo->path());
        TReportRequest request;
        request.kind = kind;
        request.withData = true;
        request.now = QDateTime(smalldemo::Today, QTime(21, 0));
        return report.run(request);
    }
    const TCurrencies *currencies()
    {
        return static_cast<TCurrencies *>(lists.get(QStringLiteral("currencies")));
    }

    static TestDir *demo;
    TWorkspaceLists lists {demo->path()};
};

TestDir *DemoCharts::demo = nullptr;

TEST_F(DemoCharts, HourChartHasABarPerPrintedHourWithItsCountAndAmount)
{
    const TReportResult result = run(19);
    const QList<TChartPage> pages = chartPages(result.data);
    ASSERT_EQ(1, pages.size());
    const TChartPage &page = pages.first();
    EXPECT_EQ(TChartPage::Hours, page.kind);
    EXPECT_EQ(QStringLiteral("Hour report"), page.title);

    // the lines: "11:00-11:59 (   8)            65,40 EUR"
    const QRegularExpression hourLine(
            QStringLiteral("^(\\d\\d):00-\\d\\d:59 \\(\\s*(\\d+)\\)\\s+(-?[0-9.,]+) EUR$"));
    QStringList hours;
    QList<double> counts;
    QList<long> amounts;
    for (const QString &line : result.lines) {
        const QRegularExpressionMatch m = hourLine.match(line);
        if (m.hasMatch()) {
            hours << m.captured(1) + QStringLiteral(":00");
            counts << m.captured(2).toDouble();
            amounts << centsOf(m.captured(3));
        }
    }
    ASSERT_GE(hours.size(), 3);

    std::unique_ptr<QChart> chart(reportChart(page, currencies()));
    QBarSeries *bars = nullptr;
    QLineSeries *line = nullptr;
    for (QAbstractSeries *series : chart->series()) {
        if (!bars)
            bars = qobject_cast<QBarSeries *>(series);
        if (!line)
            line = qobject_cast<QLineSeries *>(series);
    }
    ASSERT_TRUE(bars && line);
    ASSERT_EQ(1, bars->barSets().size());
    const QBarSet *set = bars->barSets().first();
    ASSERT_EQ(hours.size(), set->count());
    ASSERT_EQ(hours.size(), line->count());
    for (int i = 0; i < hours.size(); ++i) {
        EXPECT_EQ(hours.at(i), page.bars.at(i).label);
        EXPECT_EQ(amounts.at(i), cents(set->at(i))) << hours.at(i).toStdString();
        EXPECT_EQ(counts.at(i), line->at(i).y()) << hours.at(i).toStdString();
    }
    EXPECT_EQ(captionAmount(result.lines, QStringLiteral("Amount")), page.total);

    // a count's label often falls on a bar: it reads there as on the white
    // ground (contrast of at least 4.5 : 1 between the colours' luminances)
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const auto contrast = [&luminance](const QColor &a, const QColor &b) {
        const double la = luminance(a);
        const double lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    };
    for (const QColor &ground : {const_cast<QBarSet *>(set)->color(), QColor(Qt::white)})
        EXPECT_GE(contrast(line->pointLabelsColor(), ground), 4.5) << ground.name().toStdString();

    // the amounts' axis writes its ticks as the report writes money, each
    // at the value it names
    const QList<QAbstractAxis *> axes = chart->axes(Qt::Vertical, bars);
    ASSERT_EQ(1, axes.size());
    auto *money = qobject_cast<QCategoryAxis *>(axes.first());
    ASSERT_TRUE(money);
    ASSERT_GE(money->count(), 3);
    for (const QString &label : money->categoriesLabels()) {
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9.]+,\\d\\d$")).match(label).hasMatch())
                << label.toStdString();
        EXPECT_EQ(centsOf(label), cents(money->endValue(label)));
    }
    EXPECT_EQ(0, cents(money->min()));
    EXPECT_LE(*std::max_element(amounts.cbegin(), amounts.cend()), cents(money->max()));
}

TEST_F(DemoCharts, PayformSlicesAddUpToTheSumOfAllPayforms)
{
    for (int kind : {4, 31}) {
        SCOPED_TRACE(kind);
        const TReportResult result = run(kind);
        const QList<TChartPage> pages = chartPages(result.data);
        ASSERT_EQ(1, pages.size());
        EXPECT_EQ(TChartPage::Payforms, pages.first().kind);

        std::unique_ptr<QChart> chart(reportChart(pages.first(), currencies()));
        ASSERT_EQ(1, chart->series().size());
        auto *pie = qobject_cast<QPieSeries *>(chart->series().first());
        ASSERT_TRUE(pie);
        EXPECT_EQ(pages.first().bars.size(), pie->count());
        const long all = long(result.data.value(QStringLiteral("sections"))[0]
                                      .toObject()
                                      .value(QStringLiteral("periods"))[0]
                                      .toObject()
                                      .value(QStringLiteral("groups"))[0]
                                      .toObject()
                                      .value(QStringLiteral("figures"))
                                      .toObject()
                                      .value(QStringLiteral("allPayforms"))
                                      .toDouble());
        EXPECT_EQ(all, cents(pie->sum()));
        EXPECT_EQ(all, pages.first().total);
        if (kind == 4) { // the full summary prints the line
            EXPECT_EQ(captionAmount(result.lines, QStringLiteral("Sum of all payforms")),
                      cents(pie->sum()));
        }
        // every slice names its payment form and amount
        for (QPieSlice *slice : pie->slices())
            EXPECT_TRUE(slice->label().contains(QStringLiteral(" EUR (")))
                    << slice->label().toStdString();
    }
}

TEST_F(DemoCharts, TopArticlesNameFifteenAndSumTheRestToTheSumLine)
{
    const TReportResult result = run(7);
    const QList<TChartPage> pages = chartPages(result.data);
    ASSERT_EQ(1, pages.size());
    const TChartPage &page = pages.first();
    EXPECT_EQ(TChartPage::TopItems, page.kind);
    ASSERT_EQ(TopItemCount + 1, page.bars.size());
    EXPECT_TRUE(page.bars.last().label.startsWith(QStringLiteral("Others (")));
    for (int i = 1; i < TopItemCount; ++i)
        EXPECT_GE(page.bars.at(i - 1).amount, page.bars.at(i).amount);
    EXPECT_EQ(captionAmount(result.lines, QStringLiteral("Sum articles:")), page.total);

    std::unique_ptr<QChart> chart(reportChart(page, currencies()));
    auto *series = qobject_cast<QHorizontalBarSeries *>(chart->series().first());
    ASSERT_TRUE(series);
    // the highest amount is drawn on top, that is last
    const QBarSet *set = series->barSets().first();
    EXPECT_EQ(page.bars.first().amount, cents(set->at(set->count() - 1)));
}

TEST_F(DemoCharts, DepartmentsAreNamedByTheirOwnName)
{
    const TReportResult result = run(28);
    const QList<TChartPage> pages = chartPages(result.data);
    ASSERT_EQ(1, pages.size());
    ASSERT_FALSE(pages.first().bars.isEmpty());
    // the text cuts names to 9 or 13 places
    for (const TChartBar &bar : pages.first().bars)
        EXPECT_TRUE(result.lines.join(QLatin1Char('\n')).contains(bar.label.left(9)))
                << bar.label.toStdString();
}

TEST_F(DemoCharts, PerWaiterPagesFollowTheTextsSections)
{
    const TReportResult result = run(20);
    const QList<TChartPage> pages = chartPages(result.data);
    ASSERT_GE(pages.size(), 2);
    // a title line per waiter section
    QList<int> titles;
    for (int i = 0; i < result.lines.size(); ++i)
        if (result.lines.at(i).startsWith(QStringLiteral("Waiter #")))
            titles << i;
    ASSERT_EQ(pages.size(), titles.size());
    EXPECT_EQ(-1, chartPageOfLine(pages, result.lines, 1)); // the header
    for (int k = 0; k < titles.size(); ++k) {
        EXPECT_EQ(result.lines.at(titles.at(k)), pages.at(k).group);
        EXPECT_EQ(k, chartPageOfLine(pages, result.lines, titles.at(k)));
        // the section's last line still belongs to it
        const int end = k + 1 < titles.size() ? titles.at(k + 1) - 2 : int(result.lines.size()) - 1;
        EXPECT_EQ(k, chartPageOfLine(pages, result.lines, end)) << end;
    }
    // cost centers: the entries without one come last, as "Cost center 0"
    const TReportResult centers = run(21);
    const QList<TChartPage> centerPages = chartPages(centers.data);
    ASSERT_FALSE(centerPages.isEmpty());
    for (const TChartPage &page : centerPages)
        EXPECT_TRUE(centers.lines.contains(page.group)) << page.group.toStdString();
}

TEST_F(DemoCharts, KindsWithAndWithoutChart)
{
    for (int kind : {4, 5, 6, 7, 8, 9, 10, 13, 16, 19, 20, 21, 25, 28, 31, 32, 107})
        EXPECT_TRUE(kindHasChart(kind)) << kind;
    for (int kind : {1, 2, 3, 22, 35, 38, 40, 0, 43, 501})
        EXPECT_FALSE(kindHasChart(kind)) << kind;
    EXPECT_TRUE(chartPages(run(38).data).isEmpty());
}

namespace {

// Every page of the charts as text, to compare two runs' charts.
QStringList pagesText(const QList<TChartPage> &pages)
{
    QStringList out;
    for (const TChartPage &page : pages) {
        out << QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
                        .arg(page.kind)
                        .arg(page.caption())
                        .arg(page.total)
                        .arg(page.others)
                        .arg(page.section)
                        .arg(page.periodIndex)
                        .arg(page.groupIndex)
                        .arg(page.perGroup);
        for (const TChartBar &bar : page.bars)
            out << QStringLiteral("  %1 %2 %3").arg(bar.label).arg(bar.count).arg(bar.amount);
    }
    return out;
}

} // namespace

TEST_F(DemoCharts, ChartNodesAloneDrawTheSameCharts)
{
    // a full summary, hours, departments, void entries and a batch
    for (int kind : {5, 19, 28, 21, 101}) {
        TReportRun report(&lists, demo->path());
        TReportRequest request;
        request.kind = kind;
        request.withData = true;
        request.dataNodes = chartNodes();
        request.now = QDateTime(smalldemo::Today, QTime(21, 0));
        const TReportResult charted = report.run(request);
        const TReportResult all = run(kind);
        EXPECT_EQ(all.lines, charted.lines) << kind;
        EXPECT_EQ(pagesText(chartPages(all.data)), pagesText(chartPages(charted.data))) << kind;
        EXPECT_FALSE(chartPages(charted.data).isEmpty()) << kind;
        if (kind == 5) {
            // the pays one by one are left out
            const QByteArray data = QJsonDocument(charted.data).toJson();
            EXPECT_FALSE(data.contains("\"currencies\"")) << kind;
            EXPECT_TRUE(QJsonDocument(all.data).toJson().contains("\"currencies\""));
        }
    }
}

TEST(ReportChart, NegativePayformIsABarNotASlice)
{
    TChartPage page;
    page.kind = TChartPage::Payforms;
    page.title = QStringLiteral("Report");
    page.bars = {{QStringLiteral("Cash"), 3, 5000}, {QStringLiteral("Refund"), 1, -1200}};
    page.total = 3800;
    std::unique_ptr<QChart> chart(reportChart(page, nullptr));
    ASSERT_EQ(1, chart->series().size());
    EXPECT_TRUE(qobject_cast<QHorizontalBarSeries *>(chart->series().first()));
    EXPECT_TRUE(chart->title().contains(QStringLiteral("38.00"))) << chart->title().toStdString();
}

// Beside a report's text the chart is narrow: the pie shrinks so that its
// labels keep their room; on its own it grows again, within bounds.
TEST(ReportChart, PieLeavesItsLabelsRoomWhenNarrow)
{
    TChartPage page;
    page.kind = TChartPage::Payforms;
    page.title = QStringLiteral("Report");
    page.bars = {{QStringLiteral("Cash"), 3, 5000},
                 {QStringLiteral("Staff account"), 1, 1200},
                 {QStringLiteral("Hotel room"), 2, 9900}};
    page.total = 16100;
    QGraphicsScene scene;
    QChart *chart = reportChart(page, nullptr);
    scene.addItem(chart);
    auto *pie = qobject_cast<QPieSeries *>(chart->series().first());
    ASSERT_TRUE(pie);
    auto sizeAt = [&](qreal width, qreal height) {
        chart->setGeometry(QRectF(0, 0, width, height));
        QCoreApplication::sendPostedEvents();
        return pie->pieSize();
    };
    const qreal wide = sizeAt(1200, 600);
    const qreal narrow = sizeAt(520, 600);
    EXPECT_LT(narrow, wide);
    EXPECT_GE(narrow, 0.25);
    EXPECT_LE(wide, 0.7);
    EXPECT_EQ(wide, sizeAt(1200, 600));
}

// Printed in grey, neighbouring slices still differ in lightness, the last
// one from the first too, whatever the number of payment forms.
TEST(ReportChart, NeighbouringSlicesDifferInGrey)
{
    for (int count = 2; count <= 12; ++count) {
        SCOPED_TRACE(count);
        TChartPage page;
        page.kind = TChartPage::Payforms;
        for (int i = 0; i < count; ++i)
            page.bars << TChartBar {QStringLiteral("Form %1").arg(i), 1, 1000L * (i + 1)};
        std::unique_ptr<QChart> chart(reportChart(page, nullptr));
        auto *pie = qobject_cast<QPieSeries *>(chart->series().first());
        ASSERT_TRUE(pie);
        const QList<QPieSlice *> slices = pie->slices();
        ASSERT_EQ(count, slices.size());
        for (int i = 0; i < count; ++i) {
            const int a = qGray(slices.at(i)->color().rgb());
            const int b = qGray(slices.at((i + 1) % count)->color().rgb());
            EXPECT_GE(std::abs(a - b), 30) << i << ": " << a << " beside " << b;
        }
    }
}

TEST_F(DemoCharts, PngAndSvgHoldEveryPageOneBelowTheOther)
{
    const QList<TChartPage> pages = chartPages(run(20).data);
    ASSERT_GE(pages.size(), 2);
    const QSize size(640, 360);
    const QImage image = chartImage(pages, currencies(), size);
    EXPECT_EQ(QSize(640, 360 * int(pages.size())), image.size());
    // something is drawn in every page's part, not only white
    for (int i = 0; i < pages.size(); ++i) {
        const QImage part = image.copy(0, i * 360, 640, 360);
        bool painted = false;
        for (int y = 0; y < part.height() && !painted; y += 4)
            for (int x = 0; x < part.width() && !painted; x += 4)
                painted = part.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_TRUE(painted) << i;
    }

    if (qEnvironmentVariableIsSet("CHART_DUMP")) {
        for (int kind : {19, 4, 7, 28})
            chartImage(chartPages(run(kind).data), currencies())
                    .save(QStringLiteral("/tmp/chart%1.png").arg(kind));
    }
    QByteArray png;
    QBuffer pngBuffer(&png);
    pngBuffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(writeChartPng(pngBuffer, pages, currencies(), size));
    EXPECT_TRUE(png.startsWith("\x89PNG"));

    QByteArray svg;
    QBuffer svgBuffer(&svg);
    svgBuffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(writeChartSvg(svgBuffer, pages, currencies(), QStringLiteral("Hours"), size));
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).constData();
    EXPECT_TRUE(svg.contains("<title>Hours</title>"));
}

// Each hour's bar carries its amount as text, in the chart and in its SVG,
// as the report writes money.
TEST_F(DemoCharts, HourBarsCarryTheirAmounts)
{
    const QList<TChartPage> pages = chartPages(run(19).data);
    ASSERT_EQ(1, pages.size());
    const TChartPage &page = pages.first();
    std::unique_ptr<QChart> chart(reportChart(page, currencies()));
    QStringList texts;
    for (QGraphicsItem *item : chart->childItems()) {
        if (auto *text = dynamic_cast<QGraphicsSimpleTextItem *>(item))
            texts << text->text();
    }
    QStringList expected;
    for (const TChartBar &bar : page.bars)
        expected << priceText(currencies(), bar.amount);
    EXPECT_EQ(expected, texts);

    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(
            writeChartSvg(buffer, pages, currencies(), QStringLiteral("Hours"), QSize(800, 450)));
    for (const QString &amount : expected)
        EXPECT_TRUE(svg.contains(amount.toUtf8())) << amount.toStdString();
}

// The hours' sum is the report's sum line, the exact amounts added and
// rounded once, not the rounded bars added up: two hours of 100.4 cents
// are 200 as bars and 201 as the sum.
TEST(ReportChart, SumIsTheExactSumNotTheRoundedBars)
{
    const QJsonObject document = QJsonDocument::fromJson(R"({"sections": [{"code": 7,
        "title": "Hour report", "grouping": "all", "periods": [{"groups": [{"grouping": "all",
        "number": 0, "items": [
          {"node": "hours", "key": "12", "count": 1, "amount": 100},
          {"node": "hours", "key": "13", "count": 1, "amount": 100}],
        "sums": {"hours": 201}}]}]}]})")
                                         .object();
    const QList<TChartPage> pages = chartPages(document);
    ASSERT_EQ(1, pages.size());
    EXPECT_EQ(2, pages.first().bars.size());
    EXPECT_EQ(201, pages.first().total);
    std::unique_ptr<QChart> chart(reportChart(pages.first(), nullptr));
    EXPECT_TRUE(chart->title().contains(QStringLiteral("2.01"))) << chart->title().toStdString();

    // without a currency list the amounts' axis says so without brackets
    const QList<QAbstractAxis *> axes = chart->axes(Qt::Vertical);
    QStringList titles;
    for (const QAbstractAxis *axis : axes)
        titles << axis->titleText();
    EXPECT_TRUE(titles.contains(QStringLiteral("Amount"))) << titles.join('|').toStdString();
    for (const QString &title : titles)
        EXPECT_FALSE(title.contains(QStringLiteral("()"))) << title.toStdString();

    // a document without sums adds the bars up
    const QByteArray withoutSums = QJsonDocument(document)
                                           .toJson(QJsonDocument::Compact)
                                           .replace(R"("sums":{"hours":201})", "\"sums\":{}");
    const QList<TChartPage> unsummed = chartPages(QJsonDocument::fromJson(withoutSums).object());
    ASSERT_EQ(1, unsummed.size());
    EXPECT_EQ(200, unsummed.first().total);
}

} // namespace
