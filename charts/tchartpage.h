#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// One bar (or slice) of a report chart: what the report lists under one
// name, its count and its amount in cents.
struct TChartBar
{
    QString label;
    double count = 0;
    long amount = 0;
    // Of the compared days, in a comparison (TChartPage::compared).
    double comparedCount = 0;
    long comparedAmount = 0;
    bool marked = false; // rates: a flagged waiter or cost center
};

// The chart of one group of a report: one waiter, one cost center or all
// of them, in one period. Made from the data the report's lines come from
// (TReportRequest::withData), never from the printed text.
struct TChartPage
{
    enum Kind {
        Hours, // one bar per hour with data: amounts as bars, counts as a line
        Payforms, // one slice per payment form, its net (given minus return)
        TopItems, // the items with the highest amounts, the rest in one bar
        Rates, // one bar per waiter: a rate (count) beside the team's median
    };

    Kind kind = Hours;
    QString title; // the report's title ("Hour report")
    QString group; // "Waiter #2 - Maria", "Cost center 0"; empty for all
    QString period; // the period's dates when the report covers closed days
    QList<TChartBar> bars;
    // What the report's sum line prints: the exact amounts of every bar
    // added and rounded once (an item report's sum line, "Amount" of the
    // hours), "Sum of all payforms" of a payform chart. The bars' rounded
    // amounts may add up to a cent more or less.
    long total = 0;
    // Top items: how many items the last bar ("Others") stands for.
    int others = 0;
    // Rates: the team's median, drawn across the bars.
    double median = 0;
    // Hours: what the line's counts are ("Hours worked"; empty: the
    // report's counts) and the decimals their labels show.
    QString countName;
    int countDecimals = 0;

    // A comparison: every bar has the compared days' count and amount too,
    // drawn as a second series beside the first; the two periods' names
    // for the legend ("1.12.26 - 7.12.26"; the current day "Today" and the
    // compared one with the hour it goes up to), and the compared sum.
    bool compared = false;
    QString currentName;
    QString comparedName;
    long comparedTotal = 0;

    // Which section, period and group of the printed report this is: the
    // report's sections that have lines, its periods and its groups
    // counted from 0 in the order the text prints them.
    int section = 0;
    int periodIndex = 0;
    int groupIndex = 0;
    // One page per waiter or cost center (else one over all of them).
    bool perGroup = false;

    // Title, group and period in one line, for the chart's head and the
    // choice of groups.
    QString caption() const;
};

// How many items a top-items chart names; the rest share the last bar.
constexpr int TopItemCount = 15;

// The chart kind of a summary report code; false for codes without chart
// (tables, orders, price findings, hotel rooms).
bool chartKindOfCode(int code, TChartPage::Kind *kind = nullptr);
// Whether report kind `id` has a chart: a summary kind whose code has one,
// or a batch (whose chartable reports have).
bool kindHasChart(int id);
// The report tree's nodes whose leaves the charts are drawn from: all the
// data a run has to hand out for its charts (TReportRequest::dataNodes).
QStringList chartNodes();

// The chart pages of a report's data document (TSummaryExport::document,
// or a comparison's, comparisonDocument()), section by section, period by
// period, group by group.
QList<TChartPage> chartPages(const QJsonObject &document);

// The page whose group the printed line `line` of `lines` belongs to, or
// -1 when it lies before the first group (the header). The writer heads
// every group of a per-waiter or per-cost-center report with a title block
// ('=' line, title, description, '=' line), separates periods with a line
// of '*' and the reports of a batch with a line of '#'.
int chartPageOfLine(const QList<TChartPage> &pages, const QStringList &lines, int line);
