#include "tcomparisontext.h"

#include "tcomparisondata.h"
#include "tfigures.h"
#include "tround.h"
#include "tsummary.h"

#include <QHash>
#include <QJsonArray>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace PosLib {

namespace {

// The summary's own words, translated as the summary translates them.
struct Summary
{
    Q_DECLARE_TR_FUNCTIONS(TSummary)
};

// Widths of the columns after the caption column.
constexpr int CountWidth = 7;
constexpr int PercentWidth = 8;
constexpr int AmountWidth = 11;

QString str(const char *text)
{
    return QString::fromLatin1(text);
}

// Right-aligned in its column; a text as wide or wider keeps a blank
// before it, so that neighbours never run together.
QString column(const QString &text, int width)
{
    return text.size() >= width ? QLatin1Char(' ') + text : text.rightJustified(width);
}

QList<QJsonObject> itemsOf(const QJsonObject &group, const QString &node)
{
    QList<QJsonObject> items;
    for (const QJsonValue &v : group.value(str("items")).toArray()) {
        const QJsonObject item = v.toObject();
        if (item.value(str("node")).toString() == node)
            items << item;
    }
    return items;
}

// Keys in the order the lists print them: numbers by value, else as text.
bool keyBefore(const QJsonObject &a, const QJsonObject &b)
{
    const QString ka = a.value(str("key")).toString();
    const QString kb = b.value(str("key")).toString();
    bool na = false;
    bool nb = false;
    const qlonglong ia = ka.toLongLong(&na);
    const qlonglong ib = kb.toLongLong(&nb);
    if (na && nb)
        return ia < ib;
    return ka < kb;
}

double compared(const QJsonObject &item, const char *name)
{
    return item.value(str("compared")).toObject().value(str(name)).toDouble();
}

// The node whose items an item report lists, and the caption of its sum.
struct ItemReport
{
    int code;
    const char *node;
    const char *sumKey;
    const char *sumCaption;
};

const ItemReport ItemReports[] = {
        {TSummary::Articles, "articles", "sumarticles",
         QT_TRANSLATE_NOOP("TSummary", "Sum articles:")},
        {TSummary::Families, "families", "sumfamilies",
         QT_TRANSLATE_NOOP("TSummary", "Sum families:")},
        {TSummary::Voids, "varticles", "sumvoids", QT_TRANSLATE_NOOP("TSummary", "Sum voids:")},
        {TSummary::Tables, "tables", "sumpayments", QT_TRANSLATE_NOOP("TSummary", "Sum payments:")},
        {TSummary::VoidEntries, "allvoids", "sumvoidentries",
         QT_TRANSLATE_NOOP("TSummary", "Sum void entries:")},
        {TSummary::Hours, "hours", "sumhours", QT_TRANSLATE_NOOP("TSummary", "Amount")},
        {TSummary::Orders, "orders", "sumorders", QT_TRANSLATE_NOOP("TSummary", "Sum orders:")},
        {TSummary::FamGroups, "famgroups", "sumfamgroups",
         QT_TRANSLATE_NOOP("TSummary", "Sum fam. groups:")},
        {TSummary::Departments, "deps", "sumdepartments",
         QT_TRANSLATE_NOOP("TSummary", "Sum Departnents:")},
        {TSummary::Discounts, "discounts", "discounted",
         QT_TRANSLATE_NOOP("TSummary", "Discounted:")},
        {TSummary::PriceFindings, "subvents", "subamount",
         QT_TRANSLATE_NOOP("TSummary", "Table amount:")},
        {TSummary::HotelRooms, "hotrooms", "sumpayments",
         QT_TRANSLATE_NOOP("TSummary", "Sum payments:")},
};

// The figures the full summary prints, in its order.
QList<TFigure> figureOrder()
{
    QList<TFigure> order {TFigure::PaidTables,
                          TFigure::Voids,
                          TFigure::VoidAmount,
                          TFigure::OpenTables,
                          TFigure::OpenTablesAmount,
                          TFigure::InSummary,
                          TFigure::NotInSummary,
                          TFigure::AllPayforms,
                          TFigure::Tip,
                          TFigure::Credits,
                          TFigure::NonRefund,
                          TFigure::NotInSummaryAmount,
                          TFigure::AllAmount,
                          TFigure::SumInHouse,
                          TFigure::SumOutOfHouse,
                          TFigure::OrdersAmount,
                          TFigure::NetSum,
                          TFigure::Guests};
    return order;
}

} // namespace

TComparisonText::TComparisonText(const TSummary &summary)
    : m_summary(summary)
{ }

QString TComparisonText::countText(double count)
{
    // to a thousandth, as the lists count
    if (roundHalfUp(count * 1000.0) != roundHalfUp(count) * 1000)
        return QString::number(count, 'f', 3);
    return QString::number(roundHalfUp(count));
}

QString TComparisonText::percentText(double current, double compared)
{
    double percent = 0;
    if (!percentChange(current, compared, &percent))
        return current == 0 ? QString() : tr("new");
    const QLocale locale;
    QString text = std::abs(percent) >= 1000
                           ? QString::number(roundHalfUp(percent))
                           : locale.toString(double(roundHalfUp(percent * 10)) / 10, 'f', 1);
    if (roundHalfUp(percent * 10) > 0)
        text.prepend(QLatin1Char('+'));
    return text + QLatin1Char('%');
}

QString TComparisonText::signedAmount(double cents) const
{
    const qint64 value = roundHalfUp(cents);
    const QString text = m_summary.amountText(value);
    return value > 0 ? QLatin1Char('+') + text : text;
}

QString TComparisonText::row(const QString &label, bool caption, const Values *count,
                             const Values *amount) const
{
    const int width = m_summary.fillTo();
    QString line
            = caption ? label.left(width).leftJustified(width, QLatin1Char('.')) + QLatin1Char(':')
                      : label.left(width).leftJustified(width) + QLatin1Char(' ');
    if (count) {
        const double difference = count->current - count->compared;
        QString diff = countText(difference);
        if (roundHalfUp(difference * 1000) > 0)
            diff.prepend(QLatin1Char('+'));
        line += column(countText(count->current), CountWidth) + column(diff, CountWidth)
                + column(percentText(count->current, count->compared), PercentWidth);
    } else {
        line += QString(2 * CountWidth + PercentWidth, QLatin1Char(' '));
    }
    if (amount) {
        line += QLatin1Char(' ')
                + column(m_summary.amountText(roundHalfUp(amount->current)), AmountWidth)
                + column(signedAmount(amount->current - amount->compared), AmountWidth)
                + column(percentText(amount->current, amount->compared), PercentWidth);
    }
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    return line;
}

QString TComparisonText::columnHeads() const
{
    QString amount = tr("Amount");
    const QString currency = m_summary.currencyText();
    if (!currency.isEmpty())
        amount += QLatin1Char(' ') + currency;
    const QString difference = QStringLiteral("+/-");
    const QString percent = QStringLiteral("%");
    return QString(m_summary.fillTo() + 1, QLatin1Char(' '))
           + tr("Count").rightJustified(CountWidth) + difference.rightJustified(CountWidth)
           + percent.rightJustified(PercentWidth) + QLatin1Char(' ')
           + amount.rightJustified(AmountWidth) + difference.rightJustified(AmountWidth)
           + percent.rightJustified(PercentWidth);
}

TComparisonText::Label TComparisonText::itemLabel(const QJsonObject &item) const
{
    const QString node = item.value(str("node")).toString();
    const QString key = item.value(str("key")).toString();
    const QJsonObject values = item.value(str("values")).toObject();
    const QString text = item.value(str("text")).toString();
    auto value = [&values](const char *name) {
        return values.value(str(name)).toVariant().toString();
    };
    if (node == QLatin1String("articles"))
        return {text, QString::number(key.section(QLatin1Char(':'), 0, 0).toLongLong())};
    if (node == QLatin1String("negorders") || node == QLatin1String("varticles"))
        return {text, key};
    if (node == QLatin1String("families"))
        return {value("familyname"), value("family")};
    if (node == QLatin1String("famgroups"))
        return {value("famgrpname"), value("famgroup")};
    if (node == QLatin1String("deps"))
        return {value("depname"), value("department")};
    if (node == QLatin1String("hours")) {
        const QString hour = QStringLiteral("%1").arg(values.value(str("hour")).toInt(), 2, 10,
                                                      QLatin1Char('0'));
        return {QStringLiteral("%1:00-%1:59").arg(hour), QString()};
    }
    if (node == QLatin1String("orders")) {
        const qlonglong number = key.toLongLong();
        return {text, QStringLiteral("%1/%2").arg(number / 1000).arg(number % 1000)};
    }
    if (node == QLatin1String("discounts"))
        return {value("discname"), QString()};
    if (node == QLatin1String("subvents"))
        return {text + QLatin1Char(' ') + value("subvname"), QString()};
    if (node == QLatin1String("vatrates")) {
        const qlonglong rate = key.toLongLong();
        return {m_summary.caption(str("sumnet"), Summary::tr("Net   "))
                        + QString::asprintf("%lld.%02lld %%", rate / 100, rate % 100),
                QString()};
    }
    return {text, QString()};
}

TComparisonText::Values TComparisonText::amounts(const QJsonObject &item)
{
    return {item.value(str("amount")).toDouble(), compared(item, "amount")};
}

TComparisonText::Values
TComparisonText::valueSums(const QJsonObject &item,
                           const std::function<double(const QJsonObject &)> &of)
{
    const bool now = item.value(str("presentIn")).toString() != QLatin1String("compared");
    const QJsonObject then = item.value(str("compared")).toObject();
    return {now ? of(item.value(str("values")).toObject()) : 0,
            then.contains(str("values")) ? of(then.value(str("values")).toObject()) : 0};
}

QStringList TComparisonText::itemLines(const QList<QJsonObject> &unsorted,
                                       const AmountOf &amountOf) const
{
    QList<QJsonObject> items = unsorted;
    std::stable_sort(items.begin(), items.end(), keyBefore);
    QList<Label> labels;
    QStringList whole;
    for (const QJsonObject &item : std::as_const(items)) {
        Label label = itemLabel(item);
        // names on one line, as the lists print them
        label.name.remove(QLatin1Char('\r'));
        label.name.replace(QLatin1Char('\n'), QLatin1Char(' '));
        labels << label;
        whole << label.name + QLatin1Char(' ') + label.number;
    }
    QHash<QString, int> times;
    for (const QString &label : std::as_const(whole))
        ++times[label];
    const int width = m_summary.fillTo();
    QStringList lines;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QJsonObject &item = items.at(i);
        QString tail = labels.at(i).number.isEmpty() ? QString()
                                                     : QLatin1Char(' ') + labels.at(i).number;
        // an article sold at two prices has a line per price: the price
        // tells them apart
        if (times.value(whole.at(i)) > 1) {
            const QJsonObject values = item.value(str("values")).toObject();
            tail += values.contains(str("price"))
                            ? QStringLiteral(" @")
                                      + m_summary.amountText(values.value(str("price")).toInteger())
                            : QStringLiteral(" (%1)").arg(item.value(str("key")).toString());
        }
        // the name gives way to its number
        const QString label
                = labels.at(i).name.left(std::max(0, width - int(tail.size()))).trimmed() + tail;
        const Values count {item.value(str("count")).toDouble(), compared(item, "count")};
        const Values amount = amountOf ? amountOf(item) : amounts(item);
        lines << row(label, false, &count, &amount);
    }
    return lines;
}

QStringList TComparisonText::figureLines(const QJsonObject &group) const
{
    const QJsonObject figures = group.value(str("figures")).toObject();
    const QJsonObject then
            = group.value(str("compared")).toObject().value(str("figures")).toObject();
    QStringList lines;
    for (TFigure figure : figureOrder()) {
        const QString key = figureKey(figure);
        if (!figures.contains(key))
            continue;
        const Values values {figures.value(key).toDouble(), then.value(key).toDouble()};
        const bool count = figureIsCount(figure);
        lines << row(figureCaption(figure), true, count ? &values : nullptr,
                     count ? nullptr : &values);
    }
    return lines;
}

QStringList TComparisonText::nodesRead()
{
    QStringList nodes {str("payforms"),  str("vatrates"), str("articles"),
                       str("negorders"), str("cashins"),  str("cashouts")};
    for (const ItemReport &report : ItemReports)
        nodes << str(report.node);
    nodes.removeDuplicates();
    return nodes;
}

QStringList TComparisonText::nodesCounted()
{
    QStringList nodes;
    for (const ItemReport &report : ItemReports) {
        if (isRecordNode(str(report.node)))
            nodes << str(report.node);
    }
    nodes.removeDuplicates();
    return nodes;
}

QStringList TComparisonText::fullSummaryLines(const QJsonObject &group) const
{
    QStringList lines = figureLines(group);
    auto titled = [&](const QString &title, const QStringList &body) {
        if (body.isEmpty())
            return;
        lines << QString() << m_summary.sectionTitle(title) << body;
    };
    const QList<QJsonObject> payforms = itemsOf(group, str("payforms"));
    for (const bool inSum : {true, false}) {
        QList<QJsonObject> part;
        for (const QJsonObject &item : payforms) {
            if (item.value(str("values")).toObject().value(str("insum")).toBool() == inSum)
                part << item;
        }
        // the net of a payform, as its line in the summary: given minus return
        titled(inSum ? m_summary.caption(str("insummary"), Summary::tr("In summary"))
                     : m_summary.caption(str("notsummary"), Summary::tr("Not in summary")),
               itemLines(part, [](const QJsonObject &item) {
                   return valueSums(item, [](const QJsonObject &values) {
                       return values.value(str("given")).toDouble()
                              - values.value(str("return")).toDouble();
                   });
               }));
    }
    // the net of each rate that carries order lines (not the rates'
    // definitions), rounded as the summary's VAT lines
    const auto net = [](const QJsonObject &item) {
        return valueSums(item, [](const QJsonObject &values) {
            return double(roundHalfUp(values.value(str("net")).toDouble()));
        });
    };
    QList<QJsonObject> rates;
    for (const QJsonObject &item : itemsOf(group, str("vatrates"))) {
        const Values n = net(item);
        if (item.value(str("values")).toObject().contains(str("net"))
            && (n.current != 0 || n.compared != 0))
            rates << item;
    }
    titled(m_summary.caption(str("listorders"), Summary::tr("Orders")), itemLines(rates, net));
    QList<QJsonObject> control;
    for (const QJsonObject &item : itemsOf(group, str("articles"))) {
        if (item.value(str("values")).toObject().value(str("iscontrol")).toBool())
            control << item;
    }
    titled(m_summary.caption(str("controlarts"), Summary::tr("Control articles")),
           itemLines(control));
    titled(m_summary.caption(str("negcounts"), Summary::tr("Negative orders")),
           itemLines(itemsOf(group, str("negorders"))));

    // cash in and out: how many records and their sum
    QStringList cash;
    for (const auto &[node, key, caption] :
         {std::tuple {"cashins", "cashin", QT_TRANSLATE_NOOP("TSummary", "Cash in")},
          std::tuple {"cashouts", "cashout", QT_TRANSLATE_NOOP("TSummary", "Cash out")}}) {
        Values count;
        Values amount;
        for (const QJsonObject &item : itemsOf(group, str(node))) {
            const bool now = item.value(str("presentIn")).toString() != QLatin1String("compared");
            (now ? count.current : count.compared) += 1;
            amount.current += item.value(str("amount")).toDouble();
            amount.compared += compared(item, "amount");
        }
        if (count.current != 0 || count.compared != 0)
            cash << row(m_summary.caption(str(key), Summary::tr(caption)), true, &count, &amount);
    }
    if (!cash.isEmpty())
        lines << QString() << cash;
    return lines;
}

QStringList TComparisonText::itemReportLines(int code, const QJsonObject &group) const
{
    const ItemReport *report = nullptr;
    for (const ItemReport &r : ItemReports) {
        if (r.code == code)
            report = &r;
    }
    if (!report)
        return {};
    const QString node = str(report->node);
    const QList<QJsonObject> items = itemsOf(group, node);
    const bool records = isRecordNode(node);
    // the sum line: the exact sums of both periods, as the lists add them;
    // for lists of records how many there are
    Values count;
    const auto counted = [&node](const QJsonObject &of) {
        return of.value(str("records")).toObject().value(node).toDouble();
    };
    if (group.contains(str("records"))) {
        count = {counted(group), counted(group.value(str("compared")).toObject())};
    }
    for (const QJsonObject &item : items) {
        if (records) {
            const bool now = item.value(str("presentIn")).toString() != QLatin1String("compared");
            (now ? count.current : count.compared) += 1;
        } else {
            count.current += item.value(str("count")).toDouble();
            count.compared += compared(item, "count");
        }
    }
    const Values amount {group.value(str("sums")).toObject().value(node).toDouble(),
                         group.value(str("compared"))
                                 .toObject()
                                 .value(str("sums"))
                                 .toObject()
                                 .value(node)
                                 .toDouble()};
    if (items.isEmpty() && count.current == 0 && count.compared == 0 && amount.current == 0
        && amount.compared == 0)
        return {};
    QStringList lines = records ? QStringList() : itemLines(items);
    const QString sum = row(m_summary.caption(str(report->sumKey), Summary::tr(report->sumCaption)),
                            true, &count, &amount);
    qsizetype width = sum.size();
    for (const QString &line : std::as_const(lines))
        width = std::max(width, line.size());
    if (!lines.isEmpty())
        lines << QString(width, QLatin1Char('-'));
    lines << sum;
    return lines;
}

QStringList TComparisonText::groupLines(int code, const QJsonObject &group) const
{
    if (code == TSummary::WaiterSummary || code == TSummary::CenterSummary
        || code == TSummary::Minimal)
        return fullSummaryLines(group);
    return itemReportLines(code, group);
}

QString TComparisonText::groupTitle(const QJsonObject &group) const
{
    const QString grouping = group.value(str("grouping")).toString();
    const QString number = QString::number(group.value(str("number")).toInteger());
    const QString name = group.value(str("name")).toString();
    if (grouping == QLatin1String("waiter"))
        return m_summary.caption(str("waiters"), Summary::tr("Waiter #%1 - %2"), {number, name});
    if (grouping == QLatin1String("center")) {
        if (number == QLatin1String("0"))
            return m_summary.caption(str("center0"), Summary::tr("Cost center 0"));
        return m_summary.caption(str("centers"), Summary::tr("Cost center #%1 - %2"),
                                 {number, name});
    }
    return QString();
}

QString TComparisonText::comparedLine(const QJsonObject &compared) const
{
    const QDate from = QDate::fromString(compared.value(str("from")).toString(), Qt::ISODate);
    const QDate to = QDate::fromString(compared.value(str("to")).toString(), Qt::ISODate);
    QString line = m_summary.caption(str("headercompare"), tr("Compared with ")) + QLatin1Char(' ')
                   + m_summary.rangeText(from, to != from ? to : QDate());
    const QTime until = QTime::fromString(compared.value(str("until")).toString(), Qt::ISODate);
    if (until.isValid())
        line += m_summary.caption(str("headeruntil"), tr(" until %1"),
                                  {until.toString(QStringLiteral("hh:mm"))});
    return line;
}

QStringList TComparisonText::lines(const QString &title, const QJsonObject &document,
                                   bool batch) const
{
    QStringList lines = m_summary.headerLines(title);
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    lines << comparedLine(document.value(str("compared")).toObject()) << QString();

    for (const QJsonValue &s : document.value(str("sections")).toArray()) {
        const QJsonObject section = s.toObject();
        const int code = section.value(str("code")).toInt();
        QStringList sectionLines;
        const QJsonArray periods = section.value(str("periods")).toArray();
        for (qsizetype p = 0; p < periods.size(); ++p) {
            const QJsonObject period = periods.at(p).toObject();
            if (periods.size() > 1) {
                if (p > 0)
                    sectionLines << QString(m_summary.pageWidth(), QLatin1Char('*')) << QString();
                auto day = [&period](const QJsonObject &o, const char *name) {
                    return QDate::fromString(o.value(str(name)).toString(), Qt::ISODate);
                };
                const QJsonObject then = period.value(str("compared")).toObject();
                const QDate from = day(period, "from");
                const QDate to = day(period, "to");
                sectionLines << (from.isValid() ? m_summary.rangeText(from, to) : QString());
                sectionLines << comparedLine(then) << QString();
            }
            for (const QJsonValue &g : period.value(str("groups")).toArray()) {
                const QJsonObject group = g.toObject();
                const QStringList body = groupLines(code, group);
                if (body.isEmpty())
                    continue;
                const QString heading = groupTitle(group);
                if (!heading.isEmpty()) {
                    const QString rule(heading.size(), QLatin1Char('='));
                    sectionLines << rule << heading << rule << QString();
                }
                sectionLines << columnHeads() << body << QString();
            }
        }
        if (batch) {
            if (sectionLines.isEmpty())
                continue;
            lines << QString() << section.value(str("title")).toString() << sectionLines
                  << QString(m_summary.pageWidth(), QLatin1Char('#'));
        } else {
            lines << sectionLines;
        }
    }
    return lines;
}

} // namespace PosLib
