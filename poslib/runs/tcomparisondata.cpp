#include "tcomparisondata.h"

#include "tfigures.h"
#include "tjsontext.h"
#include "tsummarydatasink.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstring>

namespace PosLib {

namespace {

QString str(const char *text)
{
    return QString::fromLatin1(text);
}

QJsonValue dateValue(const QDate &day)
{
    return day.isValid() ? QJsonValue(day.toString(Qt::ISODate)) : QJsonValue();
}

// A whole number as one, anything else with its decimals.
QJsonValue numberValue(double value)
{
    const double whole = std::round(value);
    return std::abs(whole - value) < 1e-9 ? QJsonValue(qint64(whole)) : QJsonValue(value);
}

// A whole number of at most 15 digits (which a double holds exactly), as
// the JSON writer writes it; false for any other text.
bool wholeNumber(QByteArrayView text, qint64 *value)
{
    const qsizetype sign = text.startsWith('-') ? 1 : 0;
    if (text.size() <= sign || text.size() - sign > 15)
        return false;
    qint64 v = 0;
    for (qsizetype i = sign; i < text.size(); ++i) {
        if (text.at(i) < '0' || text.at(i) > '9')
            return false;
        v = v * 10 + (text.at(i) - '0');
    }
    *value = sign ? -v : v;
    return true;
}

QJsonObject countAndAmount(double count, double amount)
{
    return {{str("count"), numberValue(count)}, {str("amount"), numberValue(amount)}};
}

QString presence(bool current, bool compared)
{
    return current && compared ? str("both") : current ? str("current") : str("compared");
}

// Figures or sums of both periods: every name of either, missing as 0.
struct Numbers
{
    QJsonObject current;
    QJsonObject compared;
    QJsonObject difference;
};

Numbers joinNumbers(const QJsonObject &current, const QJsonObject &compared)
{
    Numbers n;
    QStringList names = current.keys();
    for (const QString &name : compared.keys()) {
        if (!current.contains(name))
            names << name;
    }
    for (const QString &name : std::as_const(names)) {
        const double c = current.value(name).toDouble();
        const double p = compared.value(name).toDouble();
        n.current.insert(name, numberValue(c));
        n.compared.insert(name, numberValue(p));
        n.difference.insert(name, numberValue(c - p));
    }
    return n;
}

QString itemId(const QJsonObject &item)
{
    return item.value(str("node")).toString() + QLatin1Char('\n')
           + item.value(str("key")).toString();
}

// `item` with the counts and amounts of both periods; `other` is the
// compared period's item, null when it has none.
QJsonObject joinedItem(QJsonObject item, double count, double amount, const QJsonObject *other,
                       const QString &presentIn)
{
    const double comparedCount = other ? other->value(str("count")).toDouble() : 0;
    const double comparedAmount = other ? other->value(str("amount")).toDouble() : 0;
    item.insert(str("count"), numberValue(count));
    item.insert(str("amount"), numberValue(amount));
    item.insert(str("presentIn"), presentIn);
    QJsonObject compared = countAndAmount(comparedCount, comparedAmount);
    if (other)
        compared.insert(str("values"), other->value(str("values")));
    item.insert(str("compared"), compared);
    item.insert(str("difference"), countAndAmount(count - comparedCount, amount - comparedAmount));
    return item;
}

// The items of both periods, node by node in the order the nodes first
// appear: the current period's in their order, then those of the
// compared period alone.
QJsonArray joinItems(const QJsonArray &current, const QJsonArray &compared)
{
    QHash<QString, QJsonObject> comparedById;
    for (const QJsonValue &v : compared) {
        const QJsonObject item = v.toObject();
        if (!isRecordNode(item.value(str("node")).toString()))
            comparedById.insert(itemId(item), item);
    }
    QStringList nodes;
    QHash<QString, QJsonArray> byNode;
    QSet<QString> paired;
    for (const QJsonValue &v : current) {
        const QJsonObject item = v.toObject();
        const QString node = item.value(str("node")).toString();
        if (!byNode.contains(node))
            nodes << node;
        const auto other = comparedById.constFind(itemId(item));
        const bool both = other != comparedById.constEnd();
        if (both)
            paired.insert(itemId(item));
        byNode[node].append(joinedItem(item, item.value(str("count")).toDouble(),
                                       item.value(str("amount")).toDouble(),
                                       both ? &*other : nullptr, presence(true, both)));
    }
    for (const QJsonValue &v : compared) {
        const QJsonObject item = v.toObject();
        const QString node = item.value(str("node")).toString();
        if (!isRecordNode(node) && paired.contains(itemId(item)))
            continue;
        if (!byNode.contains(node))
            nodes << node;
        byNode[node].append(joinedItem(item, 0, 0, &item, presence(false, true)));
    }
    QJsonArray items;
    for (const QString &node : std::as_const(nodes)) {
        for (const QJsonValue &item : byNode.value(node))
            items.append(item);
    }
    return items;
}

QJsonObject joinGroups(const QJsonObject *current, const QJsonObject *compared)
{
    QJsonObject group = current ? *current : *compared;
    const QJsonObject none;
    const QJsonObject &c = current ? *current : none;
    const QJsonObject &p = compared ? *compared : none;
    group.insert(str("presentIn"), presence(current, compared));
    group.insert(str("items"),
                 joinItems(c.value(str("items")).toArray(), p.value(str("items")).toArray()));
    QJsonObject comparedNumbers;
    QJsonObject difference;
    for (const char *name : {"figures", "sums", "records"}) {
        const QString key = str(name);
        if (!c.contains(key) && !p.contains(key))
            continue;
        const Numbers n = joinNumbers(c.value(key).toObject(), p.value(key).toObject());
        group.insert(key, n.current);
        comparedNumbers.insert(key, n.compared);
        difference.insert(key, n.difference);
    }
    group.insert(str("compared"), comparedNumbers);
    group.insert(str("difference"), difference);
    return group;
}

// The order the text lists groups in: by number, the entries without
// cost center (0) after the numbered ones.
qint64 groupRank(const QJsonObject &group)
{
    const qint64 number = group.value(str("number")).toInteger();
    return number == 0 && group.value(str("grouping")).toString() == QLatin1String("center")
                   ? LLONG_MAX
                   : number;
}

QJsonArray joinGroupLists(const QJsonArray &current, const QJsonArray &compared)
{
    auto id = [](const QJsonObject &g) {
        return g.value(str("grouping")).toString() + QLatin1Char(':')
               + QString::number(g.value(str("number")).toInteger());
    };
    QList<QJsonObject> currentGroups;
    QHash<QString, QJsonObject> comparedById;
    QStringList comparedOrder;
    for (const QJsonValue &v : current)
        currentGroups << v.toObject();
    for (const QJsonValue &v : compared) {
        const QJsonObject g = v.toObject();
        comparedById.insert(id(g), g);
        comparedOrder << id(g);
    }
    QList<QJsonObject> joined;
    QSet<QString> paired;
    for (const QJsonObject &g : std::as_const(currentGroups)) {
        const auto other = comparedById.constFind(id(g));
        const bool both = other != comparedById.constEnd();
        if (both)
            paired.insert(id(g));
        joined << joinGroups(&g, both ? &*other : nullptr);
    }
    for (const QString &key : std::as_const(comparedOrder)) {
        if (!paired.contains(key))
            joined << joinGroups(nullptr, &comparedById[key]);
    }
    std::stable_sort(joined.begin(), joined.end(), [](const QJsonObject &a, const QJsonObject &b) {
        return groupRank(a) < groupRank(b);
    });
    QJsonArray groups;
    for (const QJsonObject &g : std::as_const(joined))
        groups.append(g);
    return groups;
}

QJsonArray joinPeriods(const QJsonArray &current, const QJsonArray &compared)
{
    QJsonArray periods;
    const qsizetype count = std::max(current.size(), compared.size());
    for (qsizetype i = 0; i < count; ++i) {
        const QJsonObject c = i < current.size() ? current.at(i).toObject() : QJsonObject();
        const QJsonObject p = i < compared.size() ? compared.at(i).toObject() : QJsonObject();
        QJsonObject period;
        period.insert(str("from"), c.value(str("from")));
        period.insert(str("to"), c.value(str("to")));
        period.insert(str("compared"), QJsonObject {{str("from"), p.value(str("from"))},
                                                    {str("to"), p.value(str("to"))}});
        period.insert(str("groups"), joinGroupLists(c.value(str("groups")).toArray(),
                                                    p.value(str("groups")).toArray()));
        periods.append(period);
    }
    return periods;
}

} // namespace

bool isRecordNode(const QString &node)
{
    static const QSet<QString> records {str("tables"),     str("allvoids"),    str("hotrooms"),
                                        str("currencies"), str("currreturns"), str("cashins"),
                                        str("cashouts"),   str("balances")};
    return records.contains(node);
}

bool percentChange(double current, double compared, double *percent)
{
    if (compared == 0)
        return false;
    *percent = (current - compared) * 100.0 / std::abs(compared);
    return true;
}

QJsonObject comparisonDocument(const QJsonObject &current, const QJsonObject &compared,
                               const TComparedDays &days)
{
    QJsonObject document = current;
    QJsonObject head;
    head.insert(str("mode"),
                days.with.mode == TCompareWith::Range ? str("range") : days.with.text());
    head.insert(str("from"), dateValue(days.range.from));
    head.insert(str("to"), dateValue(days.range.to));
    head.insert(str("until"), days.until.isValid()
                                      ? QJsonValue(days.until.toString(QStringLiteral("hh:mm:ss")))
                                      : QJsonValue());
    document.insert(str("compared"), head);

    const QJsonArray currentSections = current.value(str("sections")).toArray();
    const QJsonArray comparedSections = compared.value(str("sections")).toArray();
    QJsonArray sections;
    for (qsizetype i = 0; i < currentSections.size(); ++i) {
        QJsonObject section = currentSections.at(i).toObject();
        const QJsonObject other
                = i < comparedSections.size() ? comparedSections.at(i).toObject() : QJsonObject();
        section.insert(str("periods"), joinPeriods(section.value(str("periods")).toArray(),
                                                   other.value(str("periods")).toArray()));
        sections.append(section);
    }
    document.insert(str("sections"), sections);
    return document;
}

QStringList comparisonCsvHeader()
{
    return TSummaryCsvRows::header()
           + QStringList {str("comparedFrom"),   str("comparedTo"),      str("comparedCount"),
                          str("comparedAmount"), str("countDifference"), str("amountDifference")};
}

namespace {

// The rows of TSummaryCsvRows, each with the compared days, the compared
// count and amount and the differences.
class TComparisonCsvRows : public TSummaryDataSink
{
public:
    using Row = std::function<void(const QStringList &row)>;
    explicit TComparisonCsvRows(Row row)
        : m_row(std::move(row))
    { }

    void beginSection(const QJsonObject &section) override
    {
        m_kind = csvNumber(section.value(str("kind")));
    }
    void beginPeriod(const QJsonObject &period) override
    {
        const QJsonObject compared = period.value(str("compared")).toObject();
        m_dates = {period.value(str("from")).toString(), period.value(str("to")).toString(),
                   compared.value(str("from")).toString(), compared.value(str("to")).toString()};
    }
    void beginGroup(const QJsonObject &group) override
    {
        m_group = group;
        m_head = {m_kind,
                  m_dates.at(0),
                  m_dates.at(1),
                  group.value(str("grouping")).toString(),
                  csvNumber(group.value(str("number"))),
                  group.value(str("name")).toString()};
    }
    void item(const QJsonObject &item) override
    {
        const QJsonObject compared = item.value(str("compared")).toObject();
        const QJsonObject difference = item.value(str("difference")).toObject();
        itemRow({item.value(str("node")).toString(), item.value(str("key")).toString(),
                 item.value(str("text")).toString(), csvNumber(item.value(str("count"))),
                 csvNumber(item.value(str("amount"))), csvNumber(compared.value(str("count"))),
                 csvNumber(compared.value(str("amount"))),
                 csvNumber(difference.value(str("count"))),
                 csvNumber(difference.value(str("amount")))});
    }
    // The columns are read from the bytes, the item's values passed over.
    void itemJson(const QByteArray &compact) override
    {
        const auto l1 = [](const char *name) { return QLatin1String(name); };
        // node, key, text, count, amount, compared, difference
        QByteArrayView fields[7];
        TJsonText::members(compact,
                           {l1("node"), l1("key"), l1("text"), l1("count"), l1("amount"),
                            l1("compared"), l1("difference")},
                           fields);
        QByteArrayView compared[2];
        QByteArrayView difference[2];
        TJsonText::members(fields[5], {l1("count"), l1("amount")}, compared);
        TJsonText::members(fields[6], {l1("count"), l1("amount")}, difference);
        const QByteArrayView cells[]
                = {fields[0],   fields[1],   fields[2],     fields[3],    fields[4],
                   compared[0], compared[1], difference[0], difference[1]};
        for (const QByteArrayView &cell : cells) {
            if (cell.isEmpty()) {
                item(QJsonDocument::fromJson(compact).object());
                return;
            }
        }
        itemRow({textOf(cells[0]), textOf(cells[1]), textOf(cells[2]), numberOf(cells[3]),
                 numberOf(cells[4]), numberOf(cells[5]), numberOf(cells[6]), numberOf(cells[7]),
                 numberOf(cells[8])});
    }
    void endGroup(const QJsonObject &rest) override
    {
        numberRows(str("sums"), rest.value(str("sums")).toObject(), false);
        numberRows(str("figures"), m_group.value(str("figures")).toObject(), true);
    }
    void endPeriod() override { }
    void endSection() override { }

private:
    // node, key, text, count, amount, the compared count and amount, the
    // differences of count and amount
    void itemRow(const std::array<QString, 9> &cells)
    {
        m_row(m_head
              + QStringList {cells[0], cells[1], cells[2], cells[3], cells[4], m_dates.at(2),
                             m_dates.at(3), cells[5], cells[6], cells[7], cells[8]});
    }
    // A string member's text: plain ones straight from their bytes.
    static QString textOf(QByteArrayView json)
    {
        if (json.size() >= 2 && json.front() == '"' && !json.contains('\\'))
            return QString::fromUtf8(json.sliced(1, json.size() - 2));
        return TJsonText::value(json).toString();
    }
    // A number member as csvNumber() writes it: a whole one of up to 15
    // digits is its bytes.
    static QString numberOf(QByteArrayView json)
    {
        qint64 whole = 0;
        return wholeNumber(json, &whole) ? QString::fromLatin1(json)
                                         : csvNumber(TJsonText::value(json));
    }
    // A row per sum or figure: a count in the count columns, an amount in
    // the amount columns.
    void numberRows(const QString &kind, const QJsonObject &current, bool figures)
    {
        const QJsonObject compared
                = m_group.value(str("compared")).toObject().value(kind).toObject();
        const QJsonObject difference
                = m_group.value(str("difference")).toObject().value(kind).toObject();
        for (auto it = current.constBegin(); it != current.constEnd(); ++it) {
            TFigure figure;
            const bool count = figures && figureOfKey(it.key(), &figure) && figureIsCount(figure);
            auto cell = [count](const QJsonValue &value, bool countColumn) {
                return count == countColumn ? csvNumber(value) : QString();
            };
            const QJsonValue c = compared.value(it.key());
            const QJsonValue d = difference.value(it.key());
            m_row(m_head
                  + QStringList {kind, it.key(), QString(), cell(*it, true), cell(*it, false),
                                 m_dates.at(2), m_dates.at(3), cell(c, true), cell(c, false),
                                 cell(d, true), cell(d, false)});
        }
    }

    Row m_row;
    QString m_kind;
    QStringList m_dates;
    QStringList m_head;
    QJsonObject m_group;
};

} // namespace

QList<QStringList> comparisonCsvRows(const QJsonObject &document)
{
    QList<QStringList> rows {comparisonCsvHeader()};
    TComparisonCsvRows sink([&rows](const QStringList &row) { rows << row; });
    replaySections(document, sink);
    return rows;
}

std::unique_ptr<TSummaryDataSink> comparisonCsvSink(std::function<void(const QStringList &)> row)
{
    return std::make_unique<TComparisonCsvRows>(std::move(row));
}

QJsonObject joinedRecord(const QJsonObject &record, bool current)
{
    // as joinItems() joins it: never paired
    return current ? joinedItem(record, record.value(str("count")).toDouble(),
                                record.value(str("amount")).toDouble(), nullptr,
                                presence(true, false))
                   : joinedItem(record, 0, 0, &record, presence(false, true));
}

namespace {

// The members of a record's item as the data list it, each right after the
// one before: {"amount":…,"count":…,"key":"…","node":"…","text":"…",
// "values":{…}} with a whole count and amount.
class TRecordBytes
{
public:
    enum Member { Amount, Count, Key, Node, Text, Values };

    explicit TRecordBytes(const QByteArray &bytes)
        : m_bytes(bytes)
    {
        const auto l1 = [](const char *name) { return QLatin1String(name); };
        TJsonText::members(
                bytes, {l1("amount"), l1("count"), l1("key"), l1("node"), l1("text"), l1("values")},
                m_members);
        // no other member among them: each begins where the one before
        // ends, after its name
        const char *const heads[] = {"{\"amount\":", ",\"count\":", ",\"key\":",
                                     ",\"node\":",   ",\"text\":",  ",\"values\":"};
        const QByteArrayView all(bytes);
        qsizetype at = 0;
        for (int i = Amount; i <= Values && m_ok; ++i) {
            const QByteArrayView head(heads[i]);
            m_ok = !m_members[i].isEmpty() && all.size() - at >= head.size()
                   && all.sliced(at, head.size()) == head
                   && m_members[i].data() == all.data() + at + head.size();
            at += head.size() + m_members[i].size();
        }
        m_ok = m_ok && at == bytes.size() - 1 && wholeNumber(m_members[Amount], &m_amount)
               && wholeNumber(m_members[Count], &m_count) && m_members[Key].startsWith('"')
               && m_members[Node].startsWith('"') && m_members[Text].startsWith('"')
               && m_members[Values].startsWith('{');
    }

    bool ok() const { return m_ok; }
    qint64 amount() const { return m_amount; }
    qint64 count() const { return m_count; }
    // ,"key":…,"node":…
    QByteArrayView keyAndNode() const { return span(end(Count), end(Node)); }
    // ,"text":…,"values":{…}}
    QByteArrayView textToEnd() const
    {
        return span(end(Node), m_bytes.constData() + m_bytes.size());
    }
    // {…}
    QByteArrayView values() const { return m_members[Values]; }

private:
    const char *end(Member m) const { return m_members[m].data() + m_members[m].size(); }
    static QByteArrayView span(const char *from, const char *to)
    {
        return QByteArrayView(from, to - from);
    }

    const QByteArray &m_bytes;
    QByteArrayView m_members[6];
    qint64 m_amount = 0;
    qint64 m_count = 0;
    bool m_ok = true;
};

void appendCountAndAmount(QByteArray &out, qint64 count, qint64 amount)
{
    out.append("{\"amount\":");
    TJsonText::appendInteger(out, amount);
    out.append(",\"count\":");
    TJsonText::appendInteger(out, count);
}

} // namespace

QByteArray joinedRecordJson(const QByteArray &bytes, bool current)
{
    const TRecordBytes record(bytes);
    if (!record.ok()) {
        const QJsonObject item = QJsonDocument::fromJson(bytes).object();
        return QJsonDocument(joinedRecord(item, current)).toJson(QJsonDocument::Compact);
    }
    // the keys in the order QJsonObject keeps them
    const qint64 count = current ? record.count() : 0;
    const qint64 amount = current ? record.amount() : 0;
    QByteArray out;
    out.reserve(bytes.size() * (current ? 1 : 2) + 160);
    out.append("{\"amount\":");
    TJsonText::appendInteger(out, amount);
    out.append(",\"compared\":");
    if (current) {
        appendCountAndAmount(out, 0, 0);
    } else {
        appendCountAndAmount(out, record.count(), record.amount());
        out.append(",\"values\":");
        out.append(record.values());
    }
    out.append("},\"count\":");
    TJsonText::appendInteger(out, count);
    out.append(",\"difference\":");
    appendCountAndAmount(out, count - (current ? 0 : record.count()),
                         amount - (current ? 0 : record.amount()));
    out.append('}');
    out.append(record.keyAndNode());
    out.append(current ? ",\"presentIn\":\"current\"" : ",\"presentIn\":\"compared\"");
    out.append(record.textToEnd());
    return out;
}

} // namespace PosLib
