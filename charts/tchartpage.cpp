#include "tchartpage.h"

#include "tfigures.h"
#include "treportkinds.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonArray>
#include <QTime>
#include <QLocale>
#include <QMap>

#include <algorithm>

using namespace PosLib;

namespace {

// Summary report codes, as the summary writer numbers them.
enum Code {
    Articles = 0,
    Families = 1,
    WaiterSummary = 2,
    CenterSummary = 3,
    Voids = 4,
    VoidEntries = 6,
    HoursCode = 7,
    FamGroups = 9,
    Departments = 10,
    Minimal = 11,
    Discounts = 12,
};

// The texts of this file, translated in the context "TReportChart".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TReportChart)
};

// The node whose leaves a top-items chart shows.
QString itemNode(int code)
{
    switch (code) {
    case Articles:
        return QStringLiteral("articles");
    case Families:
        return QStringLiteral("families");
    case FamGroups:
        return QStringLiteral("famgroups");
    case Departments:
        return QStringLiteral("deps");
    case Voids:
        return QStringLiteral("varticles");
    case VoidEntries:
        return QStringLiteral("allvoids");
    case Discounts:
        return QStringLiteral("discounts");
    default:
        return QString();
    }
}

qint64 cents(const QJsonValue &value)
{
    return qint64(value.toDouble());
}

// The compared days' count and amount of an item (0 without a comparison).
QJsonObject comparedOf(const QJsonObject &item)
{
    return item.value(QStringLiteral("compared")).toObject();
}

// Whether the item was found in the current period (always, without a
// comparison).
bool isCurrent(const QJsonObject &item)
{
    return item.value(QStringLiteral("presentIn")).toString() != QLatin1String("compared");
}

// The name an item shows in the chart. A department's leaf also carries the
// article it was first met with, so its own name comes first.
QString itemLabel(const QJsonObject &item)
{
    const QJsonObject values = item.value(QStringLiteral("values")).toObject();
    if (item.value(QStringLiteral("node")).toString() == QLatin1String("deps")) {
        const QString name = values.value(QStringLiteral("depname")).toString();
        if (!name.isEmpty())
            return name;
    }
    const QString text = item.value(QStringLiteral("text")).toString();
    return text.isEmpty() ? item.value(QStringLiteral("key")).toString() : text;
}

// Bars of equal label added up, in the order of their first appearance.
QList<TChartBar> merged(const QList<TChartBar> &bars)
{
    QList<TChartBar> out;
    QMap<QString, int> index;
    for (const TChartBar &bar : bars) {
        auto it = index.constFind(bar.label);
        if (it == index.constEnd()) {
            index.insert(bar.label, int(out.size()));
            out << bar;
        } else {
            out[*it].count += bar.count;
            out[*it].amount += bar.amount;
            out[*it].comparedCount += bar.comparedCount;
            out[*it].comparedAmount += bar.comparedAmount;
        }
    }
    return out;
}

void sortByAmount(QList<TChartBar> &bars)
{
    std::stable_sort(bars.begin(), bars.end(), [](const TChartBar &a, const TChartBar &b) {
        if (a.amount != b.amount)
            return a.amount > b.amount;
        return a.label < b.label;
    });
}

void fillHours(TChartPage &page, const QJsonArray &items)
{
    QMap<int, TChartBar> hours;
    for (const QJsonValue &value : items) {
        const QJsonObject item = value.toObject();
        if (item.value(QStringLiteral("node")).toString() != QLatin1String("hours"))
            continue;
        bool ok = false;
        const int hour = item.value(QStringLiteral("key")).toString().toInt(&ok);
        if (!ok)
            continue;
        TChartBar &bar = hours[hour];
        bar.label = QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0'));
        bar.count += item.value(QStringLiteral("count")).toDouble();
        bar.amount += cents(item.value(QStringLiteral("amount")));
        bar.comparedCount += comparedOf(item).value(QStringLiteral("count")).toDouble();
        bar.comparedAmount += cents(comparedOf(item).value(QStringLiteral("amount")));
    }
    page.bars = hours.values();
}

// One slice per payment form: the net of its leaves (in summary or not),
// given minus return, as the payform lines of the summary add them up.
void fillPayforms(TChartPage &page, const QJsonArray &items)
{
    QList<TChartBar> bars;
    for (const QJsonValue &value : items) {
        const QJsonObject item = value.toObject();
        if (item.value(QStringLiteral("node")).toString() != QLatin1String("payforms"))
            continue;
        const QJsonObject values = item.value(QStringLiteral("values")).toObject();
        TChartBar bar;
        bar.label = values.value(QStringLiteral("payformname")).toString();
        if (bar.label.isEmpty())
            bar.label = item.value(QStringLiteral("text")).toString();
        const auto net = [](const QJsonObject &v) {
            return long(cents(v.value(QStringLiteral("given")))
                        - cents(v.value(QStringLiteral("return"))));
        };
        if (isCurrent(item)) {
            bar.count = item.value(QStringLiteral("count")).toDouble();
            bar.amount = net(values);
        }
        const QJsonObject compared = comparedOf(item);
        bar.comparedCount = compared.value(QStringLiteral("count")).toDouble();
        bar.comparedAmount = net(compared.value(QStringLiteral("values")).toObject());
        bars << bar;
    }
    page.bars = merged(bars);
    sortByAmount(page.bars);
}

void fillTopItems(TChartPage &page, const QJsonArray &items, const QString &node)
{
    QList<TChartBar> bars;
    for (const QJsonValue &value : items) {
        const QJsonObject item = value.toObject();
        if (item.value(QStringLiteral("node")).toString() != node)
            continue;
        bars << TChartBar {itemLabel(item), item.value(QStringLiteral("count")).toDouble(),
                           long(cents(item.value(QStringLiteral("amount")))),
                           comparedOf(item).value(QStringLiteral("count")).toDouble(),
                           long(cents(comparedOf(item).value(QStringLiteral("amount"))))};
    }
    bars = merged(bars);
    sortByAmount(bars);
    if (bars.size() > TopItemCount) {
        TChartBar rest;
        page.others = int(bars.size()) - TopItemCount;
        for (qsizetype i = TopItemCount; i < bars.size(); ++i) {
            rest.count += bars.at(i).count;
            rest.amount += bars.at(i).amount;
            rest.comparedCount += bars.at(i).comparedCount;
            rest.comparedAmount += bars.at(i).comparedAmount;
        }
        rest.label = Text::tr("Others (%1)").arg(page.others);
        bars = bars.mid(0, TopItemCount);
        bars << rest;
    }
    page.bars = bars;
}

// The figure the report's own sum line prints: the exact amounts added and
// rounded once ("Amount" of the hours, "Sum articles:"), or "Sum of all
// payforms"; the bars' rounded amounts added up when the data carry none.
// `numbers` holds the group's "figures" and "sums" (the group itself, or
// its "compared" part); `compared` adds up the bars' compared amounts.
long totalOf(const TChartPage &page, const QJsonObject &numbers, int code, bool compared)
{
    const QString node = page.kind == TChartPage::Hours ? QStringLiteral("hours") : itemNode(code);
    const QJsonValue sum = page.kind == TChartPage::Payforms
                                   ? numbers.value(QStringLiteral("figures"))
                                             .toObject()
                                             .value(figureKey(TFigure::AllPayforms))
                                   : numbers.value(QStringLiteral("sums")).toObject().value(node);
    if (sum.isDouble())
        return long(cents(sum));
    long total = 0;
    for (const TChartBar &bar : page.bars)
        total += compared ? bar.comparedAmount : bar.amount;
    return total;
}

QString groupLabel(const QJsonObject &group)
{
    const QString grouping = group.value(QStringLiteral("grouping")).toString();
    const int number = group.value(QStringLiteral("number")).toInt();
    const QString name = group.value(QStringLiteral("name")).toString();
    if (grouping == QLatin1String("waiter"))
        return Text::tr("Waiter #%1 - %2").arg(number).arg(name);
    if (grouping == QLatin1String("center"))
        return number == 0 ? Text::tr("Cost center 0")
                           : Text::tr("Cost center #%1 - %2").arg(number).arg(name);
    return QString();
}

QString periodLabel(const QJsonObject &period);

// The legend's names of the two periods of a comparison.
void nameComparison(TChartPage &page, const QJsonObject &document, const QJsonObject &period)
{
    const QString current = periodLabel(period);
    page.currentName = current.isEmpty() ? Text::tr("Today") : current;
    const QJsonObject compared = period.value(QStringLiteral("compared")).toObject();
    page.comparedName = periodLabel(compared);
    const QTime until = QTime::fromString(document.value(QStringLiteral("compared"))
                                                  .toObject()
                                                  .value(QStringLiteral("until"))
                                                  .toString(),
                                          Qt::ISODate);
    if (until.isValid())
        page.comparedName = Text::tr("%1 until %2")
                                    .arg(page.comparedName,
                                         QLocale().toString(until, QLocale::ShortFormat));
}

QString periodLabel(const QJsonObject &period)
{
    const QDate from
            = QDate::fromString(period.value(QStringLiteral("from")).toString(), Qt::ISODate);
    const QDate to = QDate::fromString(period.value(QStringLiteral("to")).toString(), Qt::ISODate);
    if (!from.isValid())
        return QString();
    const QLocale locale;
    if (!to.isValid() || to == from)
        return locale.toString(from, QLocale::ShortFormat);
    return QStringLiteral("%1 - %2").arg(locale.toString(from, QLocale::ShortFormat),
                                         locale.toString(to, QLocale::ShortFormat));
}

bool isRule(const QString &line, QChar c)
{
    return !line.isEmpty() && line.count(c) == line.size();
}

// A group's title block starts here: '=' line, title as long, an optional
// description, '=' line again.
bool startsGroupBlock(const QStringList &lines, int i)
{
    const QString &rule = lines.at(i);
    if (!isRule(rule, QLatin1Char('=')) || i + 2 >= lines.size()
        || lines.at(i + 1).size() != rule.size())
        return false;
    return lines.at(i + 2) == rule || (i + 3 < lines.size() && lines.at(i + 3) == rule);
}

} // namespace

QString TChartPage::caption() const
{
    QStringList parts {title};
    if (!group.isEmpty())
        parts << group;
    if (!period.isEmpty())
        parts << period;
    return parts.join(QStringLiteral(" - "));
}

bool chartKindOfCode(int code, TChartPage::Kind *kind)
{
    TChartPage::Kind k;
    switch (code) {
    case HoursCode:
        k = TChartPage::Hours;
        break;
    case WaiterSummary:
    case CenterSummary:
    case Minimal:
        k = TChartPage::Payforms;
        break;
    default:
        if (itemNode(code).isEmpty())
            return false;
        k = TChartPage::TopItems;
    }
    if (kind)
        *kind = k;
    return true;
}

bool kindHasChart(int id)
{
    if (id > BatchKindOffset && id < PluginKindOffset)
        return true;
    const TReportKind *kind = isSummaryKind(id) ? reportKind(id) : nullptr;
    return kind && chartKindOfCode(kind->code);
}

QStringList chartNodes()
{
    QStringList nodes {QStringLiteral("hours"), QStringLiteral("payforms")};
    for (int code : {Articles, Families, FamGroups, Departments, Voids, VoidEntries, Discounts})
        nodes << itemNode(code);
    return nodes;
}

QList<TChartPage> chartPages(const QJsonObject &document)
{
    QList<TChartPage> pages;
    int textSection = 0;
    for (const QJsonValue &s : document.value(QStringLiteral("sections")).toArray()) {
        const QJsonObject section = s.toObject();
        const int code = section.value(QStringLiteral("code")).toInt();
        const QJsonArray periods = section.value(QStringLiteral("periods")).toArray();
        bool hasGroups = false;
        TChartPage::Kind kind;
        const bool charted = chartKindOfCode(code, &kind);
        for (int p = 0; p < periods.size(); ++p) {
            const QJsonObject period = periods.at(p).toObject();
            const QJsonArray groups = period.value(QStringLiteral("groups")).toArray();
            hasGroups = hasGroups || !groups.isEmpty();
            for (int g = 0; charted && g < groups.size(); ++g) {
                const QJsonObject group = groups.at(g).toObject();
                TChartPage page;
                page.kind = kind;
                page.title = section.value(QStringLiteral("title")).toString();
                page.group = groupLabel(group);
                page.perGroup = section.value(QStringLiteral("grouping")).toString()
                                != QLatin1String("all");
                if (periods.size() > 1)
                    page.period = periodLabel(period);
                page.section = textSection;
                page.periodIndex = p;
                page.groupIndex = g;
                const QJsonArray items = group.value(QStringLiteral("items")).toArray();
                if (kind == TChartPage::Hours)
                    fillHours(page, items);
                else if (kind == TChartPage::Payforms)
                    fillPayforms(page, items);
                else
                    fillTopItems(page, items, itemNode(code));
                page.total = totalOf(page, group, code, false);
                if (document.contains(QStringLiteral("compared"))) {
                    page.compared = true;
                    nameComparison(page, document, period);
                    page.comparedTotal = totalOf(
                            page, group.value(QStringLiteral("compared")).toObject(), code, true);
                }
                pages << page;
            }
        }
        // the text leaves out a report of a batch that gives no lines
        if (hasGroups)
            ++textSection;
    }
    return pages;
}

int chartPageOfLine(const QList<TChartPage> &pages, const QStringList &lines, int line)
{
    if (pages.isEmpty() || line < 0 || line >= lines.size())
        return -1;
    const bool batch = std::any_of(pages.cbegin(), pages.cend(),
                                   [](const TChartPage &p) { return p.section > 0; });
    int section = 0;
    int period = 0;
    int group = -1;
    bool inSection = !batch; // a batch's reports follow its header
    for (int i = 0; i <= line; ++i) {
        const QString &text = lines.at(i);
        if (batch && isRule(text, QLatin1Char('#'))) {
            if (inSection)
                ++section;
            inSection = false;
            period = 0;
            group = -1;
        } else if (isRule(text, QLatin1Char('*'))) {
            ++period;
            group = -1;
        } else if (startsGroupBlock(lines, i)) {
            ++group;
        } else if (batch && !inSection && i > 0 && lines.at(i - 1).isEmpty() && !text.isEmpty()) {
            // a batch's report starts with an empty line and its title
            inSection = true;
        }
    }
    if (batch && !inSection)
        return -1;
    for (int i = 0; i < pages.size(); ++i) {
        const TChartPage &page = pages.at(i);
        if (page.section != section || page.periodIndex != period)
            continue;
        if (!page.perGroup || page.groupIndex == group)
            return i;
    }
    return -1;
}
