#include "tlabourchart.h"

#include "tlabourreport.h"

#include <QCoreApplication>
#include <QLocale>

using namespace PosLib;

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TLabourChart)
};

constexpr double SecondsPerHour = 3600.0;

} // namespace

TChartPage labourChartPage(const TLabourReport &report)
{
    TChartPage page;
    page.kind = TChartPage::Hours;
    page.title = Text::tr("Sales and hours worked per hour");
    if (report.from.isValid()) {
        const QLocale locale;
        if (report.currentDay)
            page.period = Text::tr("Current day %1")
                                  .arg(locale.toString(report.from, QLocale::ShortFormat));
        else if (report.from == report.to)
            page.period = locale.toString(report.from, QLocale::ShortFormat);
        else
            page.period = QStringLiteral("%1 - %2").arg(
                    locale.toString(report.from, QLocale::ShortFormat),
                    locale.toString(report.to, QLocale::ShortFormat));
    }
    page.countName = Text::tr("Hours worked");
    page.countDecimals = 1;
    for (const TLabourLine &line : report.hours) {
        TChartBar bar;
        bar.label = QStringLiteral("%1:00").arg(line.number, 2, 10, QLatin1Char('0'));
        bar.amount = long(line.sales);
        bar.count = double(line.seconds) / SecondsPerHour;
        page.bars << bar;
        page.total += long(line.sales);
    }
    return page;
}
