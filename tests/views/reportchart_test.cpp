// The chart beside a report's text in the reports document: what it shows,
// the toggle, the section it follows and the printed page.

#include "tofflistview.h"
#include "tpaidtablesdoc.h"
#include "treportchartpane.h"
#include "viewstest.h"

#include <QComboBox>
#include <QLocale>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChartView>
#include <QtCharts/QPieSeries>

#include <cmath>

namespace {

// "1.234,50" -> 123450
long centsOf(const QString &text)
{
    QString digits = text;
    digits.remove(QLatin1Char('.')).remove(QLatin1Char(','));
    return digits.toLong();
}

class ReportChart : public viewstest::DemoWindow
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English));
        DemoWindow::SetUp();
        window->resize(1400, 760);
        window->show();
        doc = open<TPaidTablesDoc>();
    }

    // Runs the kind as its menu entry does; the lines of the text.
    QStringList run(int kind)
    {
        EXPECT_TRUE(doc->reportSelector()->setCurrentId(kind));
        doc->fillData();
        QStringList lines;
        for (int i = 0; i < doc->listView()->topLevelItemCount(); ++i)
            lines << doc->listView()->topLevelItem(i)->text(0);
        return lines;
    }
    TReportChartPane *pane() const { return doc->chartPane(); }
    template<class Series>
    Series *series() const
    {
        if (!pane()->chart())
            return nullptr;
        for (QAbstractSeries *s : pane()->chart()->series())
            if (auto *wanted = qobject_cast<Series *>(s))
                return wanted;
        return nullptr;
    }

    TPaidTablesDoc *doc = nullptr;
};

TEST_F(ReportChart, HourReportHasABarPerHourWithTheTextsAmounts)
{
    const QStringList lines = run(19);
    const QRegularExpression hourLine(
            QStringLiteral("^(\\d\\d):00-\\d\\d:59 \\(\\s*\\d+\\)\\s+([0-9.,]+) EUR$"));
    QList<long> amounts;
    for (const QString &line : lines) {
        const QRegularExpressionMatch m = hourLine.match(line);
        if (m.hasMatch())
            amounts << centsOf(m.captured(2));
    }
    ASSERT_GE(amounts.size(), 3);

    EXPECT_TRUE(pane()->chartView()->isVisible());
    EXPECT_TRUE(doc->listView()->isVisible());
    auto *bars = series<QBarSeries>();
    ASSERT_TRUE(bars);
    const QBarSet *set = bars->barSets().first();
    ASSERT_EQ(amounts.size(), set->count());
    for (int i = 0; i < amounts.size(); ++i)
        EXPECT_EQ(amounts.at(i), std::lround(set->at(i) * 100)) << i;
    screenshot(window.get(), "report-hours-chart.png");
}

TEST_F(ReportChart, PayformPieOfAllWaitersAddsUpToTheSumOfAllPayforms)
{
    const QStringList lines = run(4);
    long sumOfAll = -1;
    for (const QString &line : lines)
        if (line.startsWith(QStringLiteral("Sum of all payforms")))
            sumOfAll = centsOf(line.section(QLatin1Char(':'), 1).section(QLatin1Char(' '), 1, 1));
    ASSERT_GT(sumOfAll, 0);
    auto *pie = series<QPieSeries>();
    ASSERT_TRUE(pie);
    EXPECT_EQ(sumOfAll, std::lround(pie->sum() * 100));
    pane()->setMode(TReportChartPane::ChartOnly);
    screenshot(window.get(), "report-payforms-chart.png");
}

TEST_F(ReportChart, ToggleShowsTextChartOrBoth)
{
    run(7);
    QTest::mouseClick(pane()->modeButton(TReportChartPane::TextOnly), Qt::LeftButton);
    EXPECT_FALSE(pane()->chartView()->isVisible());
    EXPECT_TRUE(doc->listView()->isVisible());
    QTest::mouseClick(pane()->modeButton(TReportChartPane::ChartOnly), Qt::LeftButton);
    EXPECT_TRUE(pane()->chartView()->isVisible());
    EXPECT_FALSE(doc->listView()->isVisible());
    QTest::mouseClick(pane()->modeButton(TReportChartPane::Both), Qt::LeftButton);
    EXPECT_TRUE(pane()->chartView()->isVisible());
    EXPECT_TRUE(doc->listView()->isVisible());

    // the choice stays for the next report; a report without chart shows
    // its text alone, without the toggle
    pane()->setMode(TReportChartPane::ChartOnly);
    run(38);
    EXPECT_TRUE(pane()->pages().isEmpty());
    EXPECT_FALSE(pane()->modeButton(TReportChartPane::Both)->isVisible());
    EXPECT_FALSE(pane()->chartView()->isVisible());
    EXPECT_TRUE(doc->listView()->isVisible());
    run(19);
    EXPECT_EQ(TReportChartPane::ChartOnly, pane()->mode());
    EXPECT_FALSE(doc->listView()->isVisible());
    doc->onPaidTables();
    EXPECT_TRUE(doc->listView()->isVisible());
    EXPECT_FALSE(pane()->chartView()->isVisible());
}

TEST_F(ReportChart, PerWaiterChartFollowsTheSelectedSection)
{
    const QStringList lines = run(20);
    QList<int> titles;
    for (int i = 0; i < lines.size(); ++i)
        if (lines.at(i).startsWith(QStringLiteral("Waiter #")))
            titles << i;
    ASSERT_GE(titles.size(), 2);
    ASSERT_EQ(titles.size(), pane()->pages().size());
    EXPECT_EQ(0, pane()->currentPage());
    EXPECT_TRUE(pane()->groupSelector()->isVisible());

    TOffListView *list = doc->listView();
    const int last = int(titles.size()) - 1;
    list->setCurrentItem(list->topLevelItem(titles.at(last) + 4));
    EXPECT_EQ(last, pane()->currentPage());
    EXPECT_TRUE(pane()->chart()->title().contains(lines.at(titles.at(last)).toHtmlEscaped()))
            << pane()->chart()->title().toStdString();
    EXPECT_EQ(pane()->pages().at(last).caption(), pane()->groupSelector()->currentText());
    // the header keeps the chart shown
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_EQ(last, pane()->currentPage());
    // and the box chooses too
    pane()->groupSelector()->setCurrentIndex(1);
    emit pane()->groupSelector()->activated(1);
    EXPECT_EQ(1, pane()->currentPage());
    // a language change draws the chart shown again, of the same group
    QPointer<QChart> before = pane()->chart();
    pane()->retranslate();
    EXPECT_TRUE(before.isNull());
    EXPECT_NE(nullptr, pane()->chart());
    EXPECT_EQ(1, pane()->currentPage());
}

TEST_F(ReportChart, PrintedPageCarriesTheChartUnderItsHeader)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_FAIL() << "pdftotext is missing: run scripts/deps.sh";
    auto printed = [this](const char *name) {
        const QString pdf = dir.file(QLatin1String(name));
        EXPECT_TRUE(doc->printToPdf(pdf));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        EXPECT_TRUE(text.waitForFinished(30000));
        return QString::fromUtf8(text.readAllStandardOutput());
    };
    run(19);
    const QString withChart = printed("hours.pdf");
    const qsizetype header = withChart.indexOf(QStringLiteral("Trattoria Veltrum - Hour report"));
    const qsizetype chart = withChart.indexOf(QStringLiteral("Sum: 898,61 EUR"));
    const qsizetype text = withChart.indexOf(QStringLiteral("Summary for: Trattoria Veltrum"));
    EXPECT_TRUE(header >= 0 && header < chart && chart < text) << withChart.toStdString();

    pane()->setMode(TReportChartPane::TextOnly);
    EXPECT_FALSE(printed("text.pdf").contains(QStringLiteral("Sum: ")));
}

} // namespace
