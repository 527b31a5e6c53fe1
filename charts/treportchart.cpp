#include "treportchart.h"

#include "tcomparisontext.h"
#include "tcurrencies.h"
#include "tcurrency.h"
#include "texceptionschart.h"
#include "tfigures.h"
#include "tpricetext.h"
#include "tround.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QLocale>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QHorizontalBarSeries>
#include <QtCharts/QLineSeries>
#include <QtCharts/QPieSeries>
#include <QtCharts/QPieSlice>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>

using namespace PosLib;

namespace {

// The texts of this file, translated in the context "TReportChart".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TReportChart)
};

// Okabe and Ito's palette: told apart by colour-blind readers. Ordered so
// that neighbours differ in lightness too (qGray 84, 158, 96, 155, 120,
// 206, 51, 156), which keeps them apart in grey print.
const QColor Palette[] = {
        QColor(0x00, 0x72, 0xB2), QColor(0xE6, 0x9F, 0x00), QColor(0x00, 0x9E, 0x73),
        QColor(0x56, 0xB4, 0xE9), QColor(0xD5, 0x5E, 0x00), QColor(0xF0, 0xE4, 0x42),
        QColor(0x33, 0x33, 0x33), QColor(0xCC, 0x79, 0xA7),
};
constexpr int PaletteSize = int(sizeof(Palette) / sizeof(Palette[0]));

// How far two greys must lie apart to be told apart on paper.
constexpr int GreyDistance = 30;

bool apartInGrey(const QColor &a, const QColor &b)
{
    return std::abs(qGray(a.rgb()) - qGray(b.rgb())) >= GreyDistance;
}

// The colours of `count` slices of a pie in turn: the palette in order,
// except that the last slice, which also touches the first, takes the
// next colour that stands apart from both.
QList<QColor> ringColours(int count)
{
    QList<QColor> colours;
    for (int i = 0; i < count; ++i)
        colours << Palette[i % PaletteSize];
    if (count > 2) {
        const QColor &first = colours.first();
        const QColor &before = colours.at(count - 2);
        for (int step = 0; step < PaletteSize; ++step) {
            const QColor &candidate = Palette[(count - 1 + step) % PaletteSize];
            if (apartInGrey(candidate, first) && apartInGrey(candidate, before)) {
                colours.last() = candidate;
                break;
            }
        }
    }
    return colours;
}

QString countText(double count)
{
    return QLocale().toString(count, 'g', 10);
}

// "Amount (EUR)", or "Amount" without a currency list
QString amountTitle(const TCurrencies *currencies)
{
    const QString name = currencyShortName(currencies);
    return name.isEmpty() ? Text::tr("Amount") : Text::tr("Amount (%1)").arg(name);
}

// An axis from 0 (or the lowest value below it) to a round top.
void roundAxis(QValueAxis *axis, double low, double high)
{
    axis->setRange(std::min(0.0, low), std::max(high, 1.0));
    axis->applyNiceNumbers();
}

// The counts' axis: whole numbers in the UI language.
QValueAxis *countAxis(double high)
{
    auto *axis = new QValueAxis;
    roundAxis(axis, 0, high);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    // the amounts' grid is the one to read by
    axis->setGridLineVisible(false);
    return axis;
}

// The amounts' axis: the same round ticks, each written as the currency
// writes money ("200,00"), not in the UI language's number format, so the
// axis reads like the amounts beside it.
QValueAxis *moneyAxis(double low, double high, const TCurrencies *currencies)
{
    QValueAxis nice;
    roundAxis(&nice, low, high);
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(nice.min(), nice.max());
    axis->setStartValue(nice.min());
    const int ticks = std::max(2, nice.tickCount());
    const double step = (nice.max() - nice.min()) / (ticks - 1);
    for (int i = 0; i < ticks; ++i) {
        const double value = nice.min() + i * step;
        axis->append(priceText(currencies, moneyCents(currencies, value)), value);
    }
    return axis;
}

// Two lines: the chart's title is rich text.
QString titleOf(const QString &first, const QString &second)
{
    return first.toHtmlEscaped() + QStringLiteral("<br>") + second.toHtmlEscaped();
}

QChart *newChart(const TChartPage &page)
{
    auto *chart = new QChart;
    chart->setTheme(QChart::ChartThemeLight);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale());
    chart->setTitle(page.caption());
    QFont font = chart->titleFont();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    chart->setTitleFont(font);
    chart->setBackgroundRoundness(0);
    return chart;
}

// Each hour's amount written up its bar from the bar's foot, as the back
// office writes money (the axis names the currency): the bars' heights
// alone would only say it roughly. The texts follow the plot area when the
// chart is laid out again.
// In a comparison every hour has two bars side by side, each with its text.
void addBarAmounts(QChart *chart, QBarSeries *bars, const TChartPage &page,
                   const TCurrencies *currencies)
{
    struct Placed
    {
        QGraphicsSimpleTextItem *text;
        double x; // the bar's centre on the hours' axis
    };
    QList<Placed> texts;
    QFont font = chart->font();
    font.setPointSizeF(font.pointSizeF() * (page.compared ? 0.75 : 0.85));
    const int sets = page.compared ? 2 : 1;
    const double width = bars->barWidth() / sets;
    for (int i = 0; i < page.bars.size(); ++i) {
        const TChartBar &bar = page.bars.at(i);
        for (int set = 0; set < sets; ++set) {
            const long amount = set == 0 ? bar.amount : bar.comparedAmount;
            auto *text = new QGraphicsSimpleTextItem(priceText(currencies, amount), chart);
            text->setFont(font);
            text->setBrush(Palette[set].darker(set == 0 ? 160 : 220));
            text->setRotation(-90);
            text->setZValue(100); // above the series and the grid
            texts << Placed {text, i - bars->barWidth() / 2 + width * (set + 0.5)};
        }
    }
    auto place = [chart, bars, texts] {
        for (const Placed &placed : texts) {
            const QPointF foot = chart->mapToPosition(QPointF(placed.x, 0), bars);
            const QRectF box = placed.text->boundingRect();
            // turned by -90 degrees the text runs upwards from its position
            placed.text->setPos(foot.x() - box.height() / 2, foot.y() - 3);
        }
    };
    QObject::connect(chart, &QChart::plotAreaChanged, chart, place);
    place();
}

void addHours(QChart *chart, const TChartPage &page, const TCurrencies *currencies)
{
    // a comparison names its periods, the amounts' axis the currency
    auto *amounts = new QBarSet(page.compared ? page.currentName : amountTitle(currencies));
    auto *compared = page.compared ? new QBarSet(page.comparedName) : nullptr;
    // light bars, so that the counts' labels read where they fall on one
    const auto light = [](const QColor &c) {
        return QColor::fromRgbF(0.4f * c.redF() + 0.6f, 0.4f * c.greenF() + 0.6f,
                                0.4f * c.blueF() + 0.6f);
    };
    amounts->setColor(light(Palette[0]));
    amounts->setBorderColor(Palette[0]);
    if (compared) {
        compared->setColor(light(Palette[1]));
        compared->setBorderColor(Palette[1].darker(130));
    }
    const QString countName = page.countName.isEmpty() ? Text::tr("Count") : page.countName;
    auto *counts = new QLineSeries;
    counts->setName(countName);
    QPen pen(Palette[4]);
    pen.setWidthF(2.5);
    pen.setStyle(Qt::DashLine);
    counts->setPen(pen);
    counts->setPointsVisible(true);
    counts->setPointLabelsVisible(true);
    counts->setPointLabelsFormat(QStringLiteral("@yPoint"));
    counts->setPointLabelsColor(Palette[4].darker(180));
    QFont labels = counts->pointLabelsFont();
    labels.setBold(true);
    counts->setPointLabelsFont(labels);
    counts->setPointLabelsClipping(false);

    QStringList hours;
    double high = 0;
    double low = 0;
    double most = 0;
    for (int i = 0; i < page.bars.size(); ++i) {
        const TChartBar &bar = page.bars.at(i);
        hours << bar.label;
        const double value = moneyUnits(currencies, bar.amount);
        *amounts << value;
        high = std::max(high, value);
        low = std::min(low, value);
        if (compared) {
            const double then = moneyUnits(currencies, bar.comparedAmount);
            *compared << then;
            high = std::max(high, then);
            low = std::min(low, then);
        }
        // the count as the hour's line prints it
        const double scale = std::pow(10.0, page.countDecimals);
        const double count = double(roundHalfUp(bar.count * scale)) / scale;
        counts->append(i, count);
        most = std::max(most, count);
    }
    auto *bars = new QBarSeries;
    bars->append(amounts);
    if (compared)
        bars->append(compared);
    bars->setBarWidth(compared ? 0.8 : 0.7);
    chart->addSeries(bars);
    chart->addSeries(counts);

    auto *axisX = new QBarCategoryAxis;
    axisX->append(hours);
    axisX->setTitleText(Text::tr("Hour"));
    chart->addAxis(axisX, Qt::AlignBottom);
    bars->attachAxis(axisX);
    counts->attachAxis(axisX);

    QValueAxis *axisAmount = moneyAxis(low, high * 1.1, currencies);
    axisAmount->setTitleText(amountTitle(currencies));
    chart->addAxis(axisAmount, Qt::AlignLeft);
    bars->attachAxis(axisAmount);

    QValueAxis *axisCount = countAxis(most * 1.15);
    if (page.countDecimals > 0)
        axisCount->setLabelFormat(QStringLiteral("%.1f"));
    axisCount->setTitleText(countName);
    chart->addAxis(axisCount, Qt::AlignRight);
    counts->attachAxis(axisCount);
    chart->legend()->setAlignment(Qt::AlignBottom);
    addBarAmounts(chart, bars, page, currencies);
}

QString share(long part, long total)
{
    if (total <= 0)
        return QString();
    return QLocale().toString(100.0 * double(part) / double(total), 'f', 1) + QStringLiteral(" %");
}

// The pie's size relative to the plot area's shorter side: its labels
// (`labelWidth` wide, two lines high) and their arms must fit on either
// side and above and below.
qreal pieSizeFor(const QSizeF &plot, double labelWidth)
{
    const double shorter = std::min(plot.width(), plot.height());
    if (shorter <= 0)
        return 0.4;
    const double arm = 30;
    const double diameter
            = std::min(plot.width() - 2 * (labelWidth + arm), plot.height() - 2 * (40 + arm));
    return std::clamp(diameter / shorter, 0.25, 0.7);
}

void addPie(QChart *chart, const TChartPage &page, const TCurrencies *currencies)
{
    auto *series = new QPieSeries;
    // large and small slices in turn, so that the labels of small slices
    // do not crowd together
    QList<TChartBar> order;
    for (qsizetype low = 0, high = page.bars.size() - 1; low <= high; ++low, --high) {
        order << page.bars.at(low);
        if (high != low)
            order << page.bars.at(high);
    }
    double labelWidth = 0;
    const QList<QColor> colours = ringColours(int(order.size()));
    for (int i = 0; i < order.size(); ++i) {
        const TChartBar &bar = order.at(i);
        // the name above its amount, so that labels fit beside a narrow pie
        const QString name = bar.label + QLatin1Char(':');
        const QString amount = QStringLiteral("%1 (%2)").arg(moneyText(currencies, bar.amount),
                                                             share(bar.amount, page.total));
        auto *slice = series->append(name.toHtmlEscaped() + QStringLiteral("<br>")
                                             + amount.toHtmlEscaped(),
                                     moneyUnits(currencies, bar.amount));
        const QFontMetricsF metrics(slice->labelFont());
        labelWidth = std::max(
                {labelWidth, metrics.horizontalAdvance(name), metrics.horizontalAdvance(amount)});
        slice->setColor(colours.at(i));
        slice->setBorderColor(Qt::white);
        slice->setLabelVisible(true);
        slice->setLabelPosition(QPieSlice::LabelOutside);
    }
    chart->addSeries(series);
    // as large as the labels leave room for: beside a report's text the pie
    // is small, on its own or on paper it fills the height
    QObject::connect(chart, &QChart::plotAreaChanged, series,
                     [series, labelWidth](const QRectF &plot) {
                         series->setPieSize(pieSizeFor(plot.size(), labelWidth));
                     });
    series->setPieSize(pieSizeFor(chart->plotArea().size(), labelWidth));
    // every slice names itself; a legend would only repeat the labels and
    // take the room they need beside a report's text
    chart->legend()->hide();
}

// Horizontal bars, the highest amount on top, each named with its amount.
// In a comparison each has a second bar of the compared days, and its name
// both amounts, the compared one in brackets.
void addHorizontalBars(QChart *chart, const TChartPage &page, const TCurrencies *currencies)
{
    auto *amounts = new QBarSet(page.compared ? page.currentName : amountTitle(currencies));
    amounts->setColor(Palette[0]);
    amounts->setBorderColor(Palette[0].darker(130));
    auto *compared = page.compared ? new QBarSet(page.comparedName) : nullptr;
    if (compared) {
        compared->setColor(Palette[1]);
        compared->setBorderColor(Palette[1].darker(130));
    }
    QStringList names;
    double high = 0;
    double low = 0;
    for (qsizetype i = page.bars.size() - 1; i >= 0; --i) {
        const TChartBar &bar = page.bars.at(i);
        if (compared)
            names << Text::tr("%1  %2 (%3)")
                             .arg(bar.label, moneyText(currencies, bar.amount),
                                  moneyText(currencies, bar.comparedAmount));
        else
            names << QStringLiteral("%1  %2 × %3")
                             .arg(bar.label, countText(bar.count),
                                  moneyText(currencies, bar.amount));
        const double value = moneyUnits(currencies, bar.amount);
        *amounts << value;
        high = std::max(high, value);
        low = std::min(low, value);
        if (compared) {
            const double then = moneyUnits(currencies, bar.comparedAmount);
            *compared << then;
            high = std::max(high, then);
            low = std::min(low, then);
        }
    }
    auto *series = new QHorizontalBarSeries;
    series->append(amounts);
    if (compared)
        series->append(compared);
    series->setBarWidth(compared ? 0.85 : 0.75);
    chart->addSeries(series);
    auto *axisY = new QBarCategoryAxis;
    axisY->append(names);
    chart->addAxis(axisY, Qt::AlignLeft);
    series->attachAxis(axisY);
    QValueAxis *axisX = moneyAxis(low, high * 1.05, currencies);
    axisX->setTitleText(amountTitle(currencies));
    chart->addAxis(axisX, Qt::AlignBottom);
    series->attachAxis(axisX);
    // the legend names the two periods
    if (compared)
        chart->legend()->setAlignment(Qt::AlignBottom);
    else
        chart->legend()->hide();
    // the last tick's label stands centred on the plot's right edge: room
    // for its half beyond it
    if (auto *ticks = qobject_cast<QCategoryAxis *>(axisX); ticks && ticks->count() > 0) {
        const QString last = ticks->categoriesLabels().constLast();
        const qreal half = QFontMetricsF(ticks->labelsFont()).horizontalAdvance(last) / 2;
        QMargins margins = chart->margins();
        margins.setRight(std::max(margins.right(), int(std::ceil(half)) + 4));
        chart->setMargins(margins);
    }
}

} // namespace

double moneyUnits(const TCurrencies *currencies, long cents)
{
    const TCurrency *system = currencies ? currencies->systemCurrency() : nullptr;
    if (!system)
        return double(cents) / 100.0;
    return system->decpos() >= 0 ? double(cents) / system->factor()
                                 : double(cents) * system->factor();
}

long moneyCents(const TCurrencies *currencies, double units)
{
    const TCurrency *system = currencies ? currencies->systemCurrency() : nullptr;
    if (!system)
        return roundHalfUp(units * 100.0);
    return system->decpos() >= 0 ? roundHalfUp(units * system->factor())
                                 : roundHalfUp(units / system->factor());
}

QChart *reportChart(const TChartPage &page, const TCurrencies *currencies)
{
    QChart *chart = newChart(page);
    if (page.bars.isEmpty()) {
        chart->setTitle(titleOf(page.caption(), Text::tr("No data available")));
        return chart;
    }
    if (page.kind == TChartPage::Rates) {
        addRateBars(chart, page);
        return chart;
    }
    // the sum the report's own sum line shows, by the summary's word for it
    const QString sum = page.kind == TChartPage::Payforms ? figureCaption(TFigure::AllPayforms)
                                                          : Text::tr("Sum");
    QString total = Text::tr("%1: %2").arg(sum, moneyText(currencies, page.total));
    if (page.compared)
        total = Text::tr("%1: %2 against %3 (%4)")
                        .arg(sum, moneyText(currencies, page.total),
                             moneyText(currencies, page.comparedTotal),
                             TComparisonText::percentText(double(page.total),
                                                          double(page.comparedTotal)));
    chart->setTitle(titleOf(page.caption(), total));
    const bool negative = std::any_of(page.bars.cbegin(), page.bars.cend(),
                                      [](const TChartBar &bar) { return bar.amount < 0; });
    switch (page.kind) {
    case TChartPage::Hours:
        addHours(chart, page, currencies);
        break;
    case TChartPage::Payforms:
        // a pie cannot show a refund, nor two periods
        if (negative || page.compared)
            addHorizontalBars(chart, page, currencies);
        else
            addPie(chart, page, currencies);
        break;
    case TChartPage::TopItems:
        addHorizontalBars(chart, page, currencies);
        break;
    case TChartPage::Rates:
        break;
    }
    return chart;
}
