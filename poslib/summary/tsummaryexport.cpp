#include "tsummaryexport.h"

#include "tcurrencies.h"
#include "tfigures.h"
#include "trepdata.h"
#include "treport.h"
#include "treportleaf.h"
#include "treportnode.h"
#include "treppaynodes.h"
#include "tround.h"
#include "tsumfilter.h"
#include "tsummary.h"
#include "tsummarydatasink.h"
#include "tsummaryitem.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Basics;

namespace PosLib {

namespace {

QJsonValue dateValue(const QDate &day)
{
    return day.isValid() ? QJsonValue(day.toString(Qt::ISODate)) : QJsonValue();
}

QJsonObject figuresObject(const TSummary::Figures &f, bool currentData)
{
    QJsonObject o;
    auto put = [&o](TFigure figure, qint64 value) { o.insert(figureKey(figure), value); };
    put(TFigure::PaidTables, f.paidTables);
    put(TFigure::Voids, f.voids);
    put(TFigure::VoidAmount, f.voidAmount);
    if (currentData) {
        put(TFigure::OpenTables, f.openTables);
        put(TFigure::OpenTablesAmount, f.openTablesAmount);
    }
    put(TFigure::InSummary, f.inSummary);
    put(TFigure::InSummaryAmount, f.inSummaryAmount);
    put(TFigure::NotInSummary, f.notInSummary);
    put(TFigure::NotInSummaryAmount, f.notInSummaryAmount);
    put(TFigure::AllPayforms, f.allPayforms);
    put(TFigure::Tip, f.tip);
    put(TFigure::Credits, f.credits);
    put(TFigure::NonRefund, f.nonRefund);
    put(TFigure::AllAmount, f.allAmount);
    put(TFigure::SumInHouse, f.sumInHouse);
    put(TFigure::SumOutOfHouse, f.sumOutOfHouse);
    put(TFigure::OrdersAmount, f.ordersAmount);
    put(TFigure::NetSum, f.netSum);
    put(TFigure::Guests, f.guests);
    return o;
}

QString groupingName(TSummaryExport::Grouping grouping)
{
    switch (grouping) {
    case TSummaryExport::PerWaiter:
        return QStringLiteral("waiter");
    case TSummaryExport::PerCenter:
        return QStringLiteral("center");
    case TSummaryExport::AllGroups:
        break;
    }
    return QStringLiteral("all");
}

} // namespace

TSummaryExport::TSummaryExport(const TSummary &writer)
    : m_writer(writer)
{ }

QStringList TSummaryExport::nodesOf(int code)
{
    switch (code) {
    case TSummary::Articles:
        return {QStringLiteral("articles")};
    case TSummary::Families:
        return {QStringLiteral("families")};
    case TSummary::WaiterSummary:
    case TSummary::CenterSummary:
        // control articles only, as the text lists them
        return {QStringLiteral("payforms"),   QStringLiteral("vatrates"),
                QStringLiteral("currencies"), QStringLiteral("currreturns"),
                QStringLiteral("cashins"),    QStringLiteral("cashouts"),
                QStringLiteral("balances"),   QStringLiteral("articles"),
                QStringLiteral("negorders")};
    case TSummary::Voids:
        return {QStringLiteral("varticles")};
    case TSummary::Tables:
        return {QStringLiteral("tables")};
    case TSummary::VoidEntries:
        return {QStringLiteral("allvoids")};
    case TSummary::Hours:
        return {QStringLiteral("hours")};
    case TSummary::Orders:
        return {QStringLiteral("orders")};
    case TSummary::FamGroups:
        return {QStringLiteral("famgroups")};
    case TSummary::Departments:
        return {QStringLiteral("deps")};
    case TSummary::Minimal:
        return {QStringLiteral("payforms"), QStringLiteral("vatrates")};
    case TSummary::Discounts:
        return {QStringLiteral("discounts")};
    case TSummary::PriceFindings:
        return {QStringLiteral("subvents")};
    case TSummary::HotelRooms:
        return {QStringLiteral("hotrooms")};
    default:
        return {};
    }
}

QStringList TSummaryExport::takenNodes(int code) const
{
    QStringList nodes = nodesOf(code);
    if (!m_onlyNodes.isEmpty())
        nodes.removeIf([this](const QString &node) { return !m_onlyNodes.contains(node); });
    return nodes;
}

QStringList TSummaryExport::recordNodes(int code) const
{
    static const QStringList records {QStringLiteral("tables"), QStringLiteral("currencies"),
                                      QStringLiteral("currreturns"), QStringLiteral("hotrooms"),
                                      QStringLiteral("allvoids")};
    QStringList nodes = takenNodes(code);
    nodes.removeIf([](const QString &node) { return !records.contains(node); });
    return nodes;
}

bool TSummaryExport::readsCashRecords(int code) const
{
    static const QStringList records {QStringLiteral("cashins"), QStringLiteral("cashouts"),
                                      QStringLiteral("balances")};
    const QStringList nodes = takenNodes(code);
    return std::any_of(nodes.cbegin(), nodes.cend(),
                       [](const QString &node) { return records.contains(node); });
}

void TSummaryExport::beginSection(int kind, const QString &title, int code, Grouping grouping)
{
    m_code = code;
    m_grouping = grouping;
    QJsonObject section;
    section.insert(QStringLiteral("kind"), kind);
    section.insert(QStringLiteral("title"), title);
    section.insert(QStringLiteral("code"), code);
    section.insert(QStringLiteral("grouping"), groupingName(grouping));
    m_hasSection = true;
    if (m_sink) {
        if (m_sectionOpen)
            m_sink->endSection();
        m_sink->beginSection(section);
        m_sectionOpen = true;
        return;
    }
    section.insert(QStringLiteral("periods"), QJsonArray());
    m_sections.append(section);
}

void TSummaryExport::finish()
{
    if (m_sink && m_sectionOpen)
        m_sink->endSection();
    m_sectionOpen = false;
}

QJsonObject TSummaryExport::groupHead(const TRepData *group, const QString &grouping, int number,
                                      const QString &name, bool currentData) const
{
    QJsonObject o;
    o.insert(QStringLiteral("grouping"), grouping);
    o.insert(QStringLiteral("number"), number);
    o.insert(QStringLiteral("name"), name);
    const QString descr = group->getString(QStringLiteral("descr"));
    if (grouping == QLatin1String("waiter") && !descr.isEmpty())
        o.insert(QStringLiteral("description"), descr);
    const bool full = m_code == TSummary::WaiterSummary || m_code == TSummary::CenterSummary;
    if (full || m_code == TSummary::Minimal)
        o.insert(QStringLiteral("figures"),
                 figuresObject(m_writer.figures(group, currentData), currentData));
    return o;
}

QJsonObject TSummaryExport::groupItems(const TRepData *group,
                                       const std::function<void(const TSummaryItem &)> &take,
                                       bool rows) const
{
    const bool full = m_code == TSummary::WaiterSummary || m_code == TSummary::CenterSummary;
    QJsonObject sums;
    QJsonObject records;
    TSummaryItem item;
    for (const QString &nodeName : takenNodes(m_code)) {
        const TReportNode *node = group->node(nodeName);
        if (!node)
            continue;
        const bool controlOnly = full && nodeName == QLatin1String("articles");
        double exact = 0;
        if (m_countedNodes.contains(nodeName)) {
            qint64 count = 0;
            node->visitLeaves([&](const QString &, const TReportLeaf &leaf) {
                ++count;
                exact += leaf.amount();
            });
            records.insert(nodeName, count);
            if (!full && m_code != TSummary::Minimal)
                sums.insert(nodeName, roundHalfUp(exact));
            continue;
        }
        item.node = nodeName;
        // a node with a leaf per pay hands its pays as they are kept
        const auto *pays = rows ? dynamic_cast<const TRepPayforms *>(node) : nullptr;
        const bool byRows = pays && pays->visitRows([&](const TPayRow &row) {
            item.row = &row;
            take(item);
            exact += row.amount();
        });
        item.row = nullptr;
        // else one leaf at a time: a node with a leaf per pay of a year stays compact
        if (!byRows) {
            node->visitLeaves([&](const QString &key, const TReportLeaf &leaf) {
                if (controlOnly && !leaf.getBool(QStringLiteral("iscontrol")))
                    return;
                item.key = key;
                item.leaf = &leaf;
                take(item);
                exact += leaf.amount();
            });
            item.leaf = nullptr;
        }
        // the sum line rounds the exact total once, as the text does
        if (!full && m_code != TSummary::Minimal)
            sums.insert(nodeName, roundHalfUp(exact));
    }
    QJsonObject rest;
    if (!sums.isEmpty())
        rest.insert(QStringLiteral("sums"), sums);
    if (!records.isEmpty())
        rest.insert(QStringLiteral("records"), records);
    return rest;
}

void TSummaryExport::addPeriod(const QDate &from, const QDate &to, const TRepDatas &groups)
{
    if (!m_hasSection)
        return;
    const bool current = !from.isValid();
    QJsonObject period;
    period.insert(QStringLiteral("from"), dateValue(from));
    period.insert(QStringLiteral("to"), dateValue(to.isValid() ? to : from));
    if (m_sink)
        m_sink->beginPeriod(period);
    QJsonArray list;
    auto add = [&](const TRepData *group, const QString &grouping, int number,
                   const QString &name) {
        // the groups the text shows: those whose body gives lines
        if (!group || !m_writer.hasBody(m_code, group, current))
            return;
        QJsonObject o = groupHead(group, grouping, number, name, current);
        if (m_sink) {
            m_sink->beginGroup(o);
            m_sink->endGroup(groupItems(
                    group, [this](const TSummaryItem &item) { m_sink->leafItem(item); }, true));
            return;
        }
        QJsonArray items;
        // of the leaves, as their readers see them
        const QJsonObject rest = groupItems(
                group, [&items](const TSummaryItem &item) { items.append(item.toJson()); }, false);
        o.insert(QStringLiteral("items"), items);
        for (auto it = rest.constBegin(); it != rest.constEnd(); ++it)
            o.insert(it.key(), it.value());
        list.append(o);
    };
    if (m_grouping == AllGroups) {
        add(groups.overall(), QStringLiteral("all"), 0, QString());
    } else {
        const bool waiters = m_grouping == PerWaiter;
        for (int number = 1; number <= groups.highest(); ++number) {
            const TRepData *group = groups.group(QString::number(number));
            if (!group)
                continue;
            add(group, waiters ? QStringLiteral("waiter") : QStringLiteral("center"), number,
                waiters ? m_writer.waiterName(group, number)
                        : group->getString(QStringLiteral("centername")));
        }
        if (!waiters)
            add(groups.overall(), QStringLiteral("center"), 0, QString());
    }
    if (m_sink) {
        m_sink->endPeriod();
        return;
    }
    period.insert(QStringLiteral("groups"), list);

    QJsonObject section = m_sections.last().toObject();
    QJsonArray periods = section.value(QStringLiteral("periods")).toArray();
    periods.append(period);
    section.insert(QStringLiteral("periods"), periods);
    m_sections.replace(m_sections.size() - 1, section);
}

QJsonObject TSummaryExport::document(int kind, const QString &caption) const
{
    QJsonObject o;
    o.insert(QStringLiteral("format"), 1);
    o.insert(QStringLiteral("kind"), kind);
    o.insert(QStringLiteral("caption"), caption);
    o.insert(QStringLiteral("installation"), m_writer.installationName());
    o.insert(QStringLiteral("from"), dateValue(m_writer.from()));
    o.insert(QStringLiteral("to"),
             dateValue(m_writer.to().isValid() ? m_writer.to() : m_writer.from()));
    o.insert(QStringLiteral("printed"), m_writer.clock().toString(Qt::ISODate));
    QJsonObject currency;
    const TCurrencies *currencies = m_writer.currencies();
    const TCurrency *system = currencies ? currencies->systemCurrency() : nullptr;
    currency.insert(QStringLiteral("name"), system ? system->shortname() : QString());
    currency.insert(QStringLiteral("decimals"), system ? system->decpos() : 0);
    o.insert(QStringLiteral("currency"), currency);
    const TReport *report = m_writer.report();
    o.insert(QStringLiteral("filter"),
             report && report->filter() ? QJsonValue(report->filter()->name()) : QJsonValue());
    o.insert(QStringLiteral("outlet"), report && !report->outletName().isEmpty()
                                               ? QJsonValue(report->outletName())
                                               : QJsonValue());
    // a document streamed to a sink has its sections there
    if (!m_sink)
        o.insert(QStringLiteral("sections"), m_sections);
    return o;
}

QList<QStringList> TSummaryExport::csvRows(const QJsonObject &document)
{
    QList<QStringList> rows {TSummaryCsvRows::header()};
    TSummaryCsvRows sink([&rows](const QStringList &row) { rows << row; });
    replaySections(document, sink);
    return rows;
}

} // namespace PosLib
