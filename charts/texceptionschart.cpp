#include "texceptionschart.h"

#include "texceptionsrun.h"

#include <QCoreApplication>
#include <QLocale>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>

using namespace PosLib;

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TExceptionsChart)
};

// The colours of the report charts: blue bars, orange for the flagged
// ones (apart in grey print too), a dark line for the median.
const QColor Bar(0x00, 0x72, 0xB2);
const QColor Flagged(0xD5, 0x5E, 0x00);
const QColor Median(0x33, 0x33, 0x33);

QString rateText(double rate)
{
    return QLocale().toString(rate, 'f', 1);
}

} // namespace

TChartPage exceptionsChartPage(const TExceptionsResult &result, TExceptionSide::Kind kind,
                               TExceptionKind figure, const QString &period)
{
    const TExceptionSide &side = result.side(kind);
    TChartPage page;
    page.kind = TChartPage::Rates;
    page.title = Text::tr("%1 per 100 bills").arg(exceptionCaption(figure));
    page.group = kind == TExceptionSide::Waiters ? Text::tr("Waiters") : Text::tr("Cost centers");
    page.period = period;
    page.median = side.medianPerBills[indexOf(figure)];
    if (side.total.figure(figure).count == 0)
        return page;
    for (const TExceptionGroup &g : side.groups) {
        const TExceptionFigure &f = g.figure(figure);
        // the team: who served bills, and whoever booked one of these
        if (!g.member && f.count == 0)
            continue;
        TChartBar bar;
        bar.label = groupTitle(kind, g);
        bar.count = std::max(0.0, f.perBills);
        bar.amount = long(f.count);
        bar.marked = f.flagged;
        page.bars << bar;
    }
    return page;
}

QList<TChartPage> exceptionsChartPages(const TExceptionsResult &result, TExceptionSide::Kind kind,
                                       const QString &period)
{
    QList<TChartPage> pages;
    for (TExceptionKind figure : allExceptionKinds()) {
        if (result.side(kind).total.figure(figure).count > 0)
            pages << exceptionsChartPage(result, kind, figure, period);
    }
    return pages;
}

void addRateBars(QChart *chart, const TChartPage &page)
{
    chart->setTitle(page.caption().toHtmlEscaped() + QStringLiteral("<br>")
                    + Text::tr("Team's median: %1").arg(rateText(page.median)).toHtmlEscaped());
    auto *rates = new QBarSet(Text::tr("Per 100 bills"));
    rates->setColor(Bar);
    rates->setBorderColor(Bar.darker(130));
    rates->setSelectedColor(Flagged);
    rates->setLabelColor(Qt::black);
    QStringList names;
    double high = page.median;
    for (const TChartBar &bar : page.bars) {
        // a flag reads without its colour too
        names << (bar.marked ? QStringLiteral("! ") + bar.label : bar.label);
        *rates << bar.count;
        high = std::max(high, bar.count);
    }
    auto *series = new QBarSeries;
    series->append(rates);
    series->setBarWidth(0.6);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsFormat(QStringLiteral("@value"));
    series->setLabelsPrecision(4);
    chart->addSeries(series);
    for (int i = 0; i < page.bars.size(); ++i) {
        if (page.bars.at(i).marked)
            rates->selectBar(i);
    }

    auto *axisX = new QBarCategoryAxis;
    axisX->append(names);
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisX);
    auto *axisY = new QValueAxis;
    axisY->setRange(0, std::max(high * 1.2, 1.0));
    axisY->applyNiceNumbers();
    axisY->setLabelFormat(QStringLiteral("%.1f"));
    axisY->setTitleText(rates->label());
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisY);

    // the median across the bars, on an axis of its own that counts them
    auto *median = new QLineSeries;
    median->setName(Text::tr("Team's median"));
    QPen pen(Median);
    pen.setWidthF(2.0);
    pen.setStyle(Qt::DashLine);
    median->setPen(pen);
    const double n = double(page.bars.size());
    median->append(-0.5, page.median);
    median->append(n - 0.5, page.median);
    chart->addSeries(median);
    auto *axisBars = new QValueAxis;
    axisBars->setRange(-0.5, n - 0.5);
    axisBars->setVisible(false);
    chart->addAxis(axisBars, Qt::AlignTop);
    median->attachAxis(axisBars);
    median->attachAxis(axisY);
    chart->legend()->setAlignment(Qt::AlignRight);
    // the bars' set names itself in the axis title
    chart->legend()->markers(series).first()->setVisible(false);
}
