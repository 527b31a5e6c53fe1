#include "tsumfilter.h"

#include "ttable.h"
#include "ttableentry.h"

#include <QCoreApplication>

#include <cstddef>

namespace PosLib {

namespace {

using Item = TSumFilter::Item;
using Condition = TSumFilter::Condition;

// The stored text of a field, or null when the record has none.
const QString *stored(const Basics::TValue &record, const QString &key)
{
    const auto it = record.fields().constFind(key);
    return it == record.fields().cend() ? nullptr : &it.value().text;
}

// A value as items compare it: dates and times lose their separators.
QString readValue(const QString *text, TSumFilter::Source source)
{
    if (!text)
        return QString();
    if (source == TSumFilter::DateValue)
        return QString(*text).remove(u'-');
    if (source == TSumFilter::TimeValue)
        return QString(*text).remove(u':');
    return *text;
}

bool compare(const QString &value, const Item &item)
{
    switch (item.op) {
    case u'<':
        return Basics::parseDecimal(value) < item.number;
    case u'>':
        return Basics::parseDecimal(value) > item.number;
    case u'=':
        return value == item.value;
    default:
        return value != item.value;
    }
}

bool compareField(const Basics::TValue &record, const Item &item)
{
    return compare(readValue(stored(record, item.attribute), item.source), item);
}

// A table item (kind 0) reads the header's field; where the header has no
// such field it reads the creation record's, which holds the waiter, cost
// center, terminal, date and time of the table.
bool compareTableField(const TTable &table, const Item &item)
{
    const QString *text = stored(table, item.attribute);
    if (!text)
        text = stored(table.create(), item.attribute);
    return compare(readValue(text, item.source), item);
}

bool isComputed(const Item &item)
{
    return item.source == TSumFilter::OrderCount || item.source == TSumFilter::VoidCount
           || item.source == TSumFilter::PayCount;
}

// The computed attributes of one table, counted on first use within one
// evaluation: a table is not changed while a filter looks at it, but the
// next table may well be a new object at the same address.
class TableCounts
{
public:
    explicit TableCounts(const TTable &table)
        : m_table(table)
    { }

    QString text(TSumFilter::Source source)
    {
        if (!m_counted)
            count();
        switch (source) {
        case TSumFilter::OrderCount:
            return QString::number(m_orders);
        case TSumFilter::VoidCount:
            return QString::number(m_voids);
        default:
            return QString::number(m_pays);
        }
    }

private:
    void count()
    {
        m_table.entries().forEach([this](const TTableEntry *entry) {
            switch (entry->type()) {
            case EntryOrder:
                if (entry->count() != 0)
                    ++m_orders;
                break;
            case EntryVoid:
                ++m_voids;
                break;
            case EntryPay:
                if (!entry->isVoided())
                    ++m_pays;
                break;
            default:
                break;
            }
        });
        m_counted = true;
    }

    const TTable &m_table;
    bool m_counted = false;
    int m_orders = 0;
    int m_voids = 0;
    int m_pays = 0;
};

// A field of an order line as a report counts it. A component takes its
// order's waiter, date and time, the order's cost center when it has none,
// and is an order (type 3).
const QString *lineField(const TTableEntry &line, const TTableEntry *order, const QString &key)
{
    if (!order)
        return stored(line, key);
    if (key == QLatin1String("type")) {
        static const QString orderType = QString::number(EntryOrder);
        return &orderType;
    }
    if (key == QLatin1String("waiter") || key == QLatin1String("waitername")
        || key == QLatin1String("date") || key == QLatin1String("time")) {
        const QString *own = stored(*order, key);
        return own ? own : stored(line, key);
    }
    const QString *own = stored(line, key);
    if (!own && (key == QLatin1String("center") || key == QLatin1String("centername")))
        return stored(*order, key);
    return own;
}

// True when one order line of the table matches. Lines without a value for
// the attribute are passed over.
bool anyOrderLine(const TTable &table, const Item &item)
{
    auto matches = [&item](const TTableEntry &line, const TTableEntry *order) {
        const QString value = readValue(lineField(line, order, item.attribute), item.source);
        return !value.isEmpty() && compare(value, item);
    };
    for (const Basics::TValue *v : table.entries().valueMap()) {
        const auto *entry = static_cast<const TTableEntry *>(v);
        if (entry->type() != EntryOrder)
            continue;
        const TTableEntries *children = entry->children();
        if (!children) {
            if (matches(*entry, nullptr))
                return true;
            continue;
        }
        // As the report walks them: components stand for the order, price
        // add-ons make the order itself count; another child ends the walk.
        bool addOns = false;
        for (const Basics::TValue *c : children->valueMap()) {
            const auto *child = static_cast<const TTableEntry *>(c);
            const int type = child->type();
            if (type == EntryComponent) {
                if (matches(*child, entry))
                    return true;
            } else if (type == EntryAddOn) {
                addOns = true;
            } else {
                break;
            }
        }
        if (addOns && matches(*entry, nullptr))
            return true;
    }
    return false;
}

// True when an entry of that type (any type for -1) matches.
bool anyEntry(const TTable &table, const Item &item)
{
    for (const Basics::TValue *v : table.entries().valueMap()) {
        const auto *entry = static_cast<const TTableEntry *>(v);
        if ((item.kind < 0 || entry->type() == item.kind) && compareField(*entry, item))
            return true;
    }
    return false;
}

// Payments that are not voided, in file order. No payment at all fails the
// item; when every payment is voided the item keeps the result before it.
bool payments(const TTable &table, const Item &item, bool previous)
{
    bool anyPayment = false;
    bool anyOpen = false;
    for (const Basics::TValue *v : table.entries().valueMap()) {
        const auto *entry = static_cast<const TTableEntry *>(v);
        if (entry->type() != EntryPay)
            continue;
        anyPayment = true;
        if (entry->isVoided())
            continue;
        anyOpen = true;
        if (compareField(*entry, item))
            return true;
    }
    if (anyPayment && !anyOpen)
        return previous;
    return false;
}

bool tableItem(const Item &item, const TTable &table, TableCounts &counts, bool previous)
{
    if (isComputed(item))
        return compare(counts.text(item.source), item);
    switch (item.kind) {
    case 0:
        return compareTableField(table, item);
    case EntryCreate:
        return compareField(table.create(), item);
    case EntryOrder:
        return anyOrderLine(table, item);
    case EntryPay:
        return payments(table, item, previous);
    default:
        return anyEntry(table, item);
    }
}

bool entryItem(const Item &item, const TTable &table, const TTableEntry &entry, TableCounts &counts)
{
    if (isComputed(item))
        return compare(counts.text(item.source), item);
    // Items on the entries of one type leave entries of other types alone;
    // "type" itself is asked of every entry.
    if (item.kind >= EntryChange && !item.isType && entry.type() != item.kind)
        return true;
    switch (item.kind) {
    case 0:
        return compareTableField(table, item);
    case EntryCreate:
        return compareField(table.create(), item);
    case EntryPay:
        if (entry.type() == EntryPay && entry.isVoided())
            return true;
        return compareField(entry, item);
    default:
        return compareField(entry, item);
    }
}

// Alternatives in order; the first item that fails ends its alternative,
// the first alternative whose items all hold ends the test.
template<typename F>
bool holds(const Condition &condition, F itemResult)
{
    for (const TSumFilter::Alternative &alternative : condition.alternatives) {
        bool result = true;
        for (const Item &item : alternative) {
            result = itemResult(item, result);
            if (!result)
                break;
        }
        if (result)
            return true;
    }
    return false;
}

bool parseItem(const QString &text, Item &item)
{
    const QStringList fields = text.split(u':', Qt::SkipEmptyParts);
    if (fields.size() < 3)
        return false;
    bool ok = false;
    item.kind = fields.at(0).trimmed().toInt(&ok);
    if (!ok || item.kind < -1)
        return false;
    item.attribute = fields.at(1);
    item.op = fields.at(2).at(0).unicode();
    if (fields.size() > 3)
        item.value = QStringList(fields.mid(3)).join(u':');
    item.number = Basics::parseDecimal(item.value);
    item.isType = item.attribute == QLatin1String("type");
    if (item.attribute == QLatin1String("date"))
        item.source = TSumFilter::DateValue;
    else if (item.attribute == QLatin1String("time"))
        item.source = TSumFilter::TimeValue;
    else if (item.attribute == QLatin1String("ordercount"))
        item.source = TSumFilter::OrderCount;
    else if (item.attribute == QLatin1String("voidcount"))
        item.source = TSumFilter::VoidCount;
    else if (item.attribute == QLatin1String("paycount"))
        item.source = TSumFilter::PayCount;
    return true;
}

// ---- attributes offered per kind -------------------------------------------

using Attribute = TSumFilter::Attribute;

const Attribute commonAttributes[] = {
        {"time", QT_TRANSLATE_NOOP("TSumFilter", "Time")},
        {"date", QT_TRANSLATE_NOOP("TSumFilter", "Date")},
        {"terminal", QT_TRANSLATE_NOOP("TSumFilter", "Terminal ID")},
        {"termname", QT_TRANSLATE_NOOP("TSumFilter", "Terminal name")},
        {"center", QT_TRANSLATE_NOOP("TSumFilter", "Cost center ID")},
        {"centername", QT_TRANSLATE_NOOP("TSumFilter", "Cost center name")},
        {"waiter", QT_TRANSLATE_NOOP("TSumFilter", "Waiter")},
        {"waitername", QT_TRANSLATE_NOOP("TSumFilter", "Waiter name")},
};

const Attribute tableAttributes[] = {
        {"table", QT_TRANSLATE_NOOP("TSumFilter", "Table")},
        {"party", QT_TRANSLATE_NOOP("TSumFilter", "Party")},
        {"archive", QT_TRANSLATE_NOOP("TSumFilter", "Archive")},
        {"round", QT_TRANSLATE_NOOP("TSumFilter", "Rounds")},
        {"maxamount", QT_TRANSLATE_NOOP("TSumFilter", "Table amount")},
        {"vatoh", QT_TRANSLATE_NOOP("TSumFilter", "Takeaway?")},
        {"insum", QT_TRANSLATE_NOOP("TSumFilter", "In summary?")},
        {"billnum", QT_TRANSLATE_NOOP("TSumFilter", "Bill number")},
        {"restored", QT_TRANSLATE_NOOP("TSumFilter", "Restored?")},
        {"ordercount", QT_TRANSLATE_NOOP("TSumFilter", "Order count")},
        {"voidcount", QT_TRANSLATE_NOOP("TSumFilter", "Void count")},
        {"paycount", QT_TRANSLATE_NOOP("TSumFilter", "Payments count")},
};

const Attribute createAttributes[] = {
        {"tablename", QT_TRANSLATE_NOOP("TSumFilter", "Table name")},
};

const Attribute changeAttributes[] = {
        {"fromtable", QT_TRANSLATE_NOOP("TSumFilter", "From table")},
        {"fromparty", QT_TRANSLATE_NOOP("TSumFilter", "From party")},
        {"fromwaiter", QT_TRANSLATE_NOOP("TSumFilter", "From waiter")},
        {"totable", QT_TRANSLATE_NOOP("TSumFilter", "To table")},
        {"toparty", QT_TRANSLATE_NOOP("TSumFilter", "To party")},
        {"towaiter", QT_TRANSLATE_NOOP("TSumFilter", "To waiter")},
};

// "credit" is offered once, as the flag it is.
const Attribute orderAttributes[] = {
        {"round", QT_TRANSLATE_NOOP("TSumFilter", "Order round")},
        {"seat", QT_TRANSLATE_NOOP("TSumFilter", "Seat number")},
        {"plu", QT_TRANSLATE_NOOP("TSumFilter", "PLU")},
        {"article", QT_TRANSLATE_NOOP("TSumFilter", "Article")},
        {"discount", QT_TRANSLATE_NOOP("TSumFilter", "Discount")},
        {"discid", QT_TRANSLATE_NOOP("TSumFilter", "Discount ID")},
        {"discname", QT_TRANSLATE_NOOP("TSumFilter", "Discount name")},
        {"discrate", QT_TRANSLATE_NOOP("TSumFilter", "Discount rate")},
        {"discsub", QT_TRANSLATE_NOOP("TSumFilter", "Subvention ID")},
        {"discsubname", QT_TRANSLATE_NOOP("TSumFilter", "Subvention name")},
        {"family", QT_TRANSLATE_NOOP("TSumFilter", "Family")},
        {"familyname", QT_TRANSLATE_NOOP("TSumFilter", "Family name")},
        {"famgroup", QT_TRANSLATE_NOOP("TSumFilter", "Family group")},
        {"freeprice", QT_TRANSLATE_NOOP("TSumFilter", "Free price?")},
        {"credit", QT_TRANSLATE_NOOP("TSumFilter", "Credit?")},
        {"ishint", QT_TRANSLATE_NOOP("TSumFilter", "Hint?")},
        {"voided", QT_TRANSLATE_NOOP("TSumFilter", "Voided")},
        {"moved", QT_TRANSLATE_NOOP("TSumFilter", "Moved")},
        {"fromsplit", QT_TRANSLATE_NOOP("TSumFilter", "From split")},
};

const Attribute voidAttributes[] = {
        {"amount", QT_TRANSLATE_NOOP("TSumFilter", "Void amount")},
        {"price", QT_TRANSLATE_NOOP("TSumFilter", "Price")},
        {"count", QT_TRANSLATE_NOOP("TSumFilter", "Void count")},
        {"plu", QT_TRANSLATE_NOOP("TSumFilter", "PLU")},
        {"article", QT_TRANSLATE_NOOP("TSumFilter", "Article")},
        {"family", QT_TRANSLATE_NOOP("TSumFilter", "Family")},
        {"famgroup", QT_TRANSLATE_NOOP("TSumFilter", "Family group")},
        {"vwaiter", QT_TRANSLATE_NOOP("TSumFilter", "Void-waiter")},
        {"vwaitername", QT_TRANSLATE_NOOP("TSumFilter", "Void-waiter name")},
};

const Attribute payAttributes[] = {
        {"amount", QT_TRANSLATE_NOOP("TSumFilter", "Pay amount")},
        {"given", QT_TRANSLATE_NOOP("TSumFilter", "Given amount")},
        {"tip", QT_TRANSLATE_NOOP("TSumFilter", "Tip")},
        {"return", QT_TRANSLATE_NOOP("TSumFilter", "Return")},
        {"payform", QT_TRANSLATE_NOOP("TSumFilter", "Payform")},
        {"payformname", QT_TRANSLATE_NOOP("TSumFilter", "Payform name")},
        {"guests", QT_TRANSLATE_NOOP("TSumFilter", "Guest count")},
        {"paynum", QT_TRANSLATE_NOOP("TSumFilter", "Payment number")},
        {"curr", QT_TRANSLATE_NOOP("TSumFilter", "Currency")},
        {"currname", QT_TRANSLATE_NOOP("TSumFilter", "Currency name")},
        {"currrate", QT_TRANSLATE_NOOP("TSumFilter", "Currency rate")},
        {"voided", QT_TRANSLATE_NOOP("TSumFilter", "Voided")},
        {"intermsum", QT_TRANSLATE_NOOP("TSumFilter", "In cash summary")},
        {"room", QT_TRANSLATE_NOOP("TSumFilter", "Hotel room")},
        {"hotparty", QT_TRANSLATE_NOOP("TSumFilter", "Hotel party")},
        {"hotelacc", QT_TRANSLATE_NOOP("TSumFilter", "Hotel account")},
        {"hotelguest", QT_TRANSLATE_NOOP("TSumFilter", "Hotel guest")},
        {"hotelcard", QT_TRANSLATE_NOOP("TSumFilter", "Hotel card")},
        {"hotelgroup", QT_TRANSLATE_NOOP("TSumFilter", "Hotel group")},
        {"hotelamount", QT_TRANSLATE_NOOP("TSumFilter", "Hotel amount")},
        {"hotelnewam", QT_TRANSLATE_NOOP("TSumFilter", "Hotel new amount")},
        {"client", QT_TRANSLATE_NOOP("TSumFilter", "Client")},
        {"clientname", QT_TRANSLATE_NOOP("TSumFilter", "Client name")},
        {"elpaydata", QT_TRANSLATE_NOOP("TSumFilter", "Elpay data")},
};

template<std::size_t N>
void appendAll(QList<Attribute> &list, const Attribute (&attributes)[N])
{
    list.reserve(list.size() + qsizetype(N));
    for (const Attribute &a : attributes)
        list.append(a);
}

} // namespace

TSumFilter::~TSumFilter() = default;

TSumFilter::Condition TSumFilter::Condition::parse(const QString &text)
{
    Condition condition;
    if (text.trimmed().isEmpty())
        return condition;
    condition.empty = false;
    for (const QString &part : text.split(u'|', Qt::KeepEmptyParts)) {
        Alternative alternative;
        for (const QString &itemText : part.split(u'&', Qt::KeepEmptyParts)) {
            Item item;
            if (parseItem(itemText, item))
                alternative.append(item);
        }
        if (!alternative.isEmpty())
            condition.alternatives.append(alternative);
    }
    return condition;
}

const TSumFilter::Condition &TSumFilter::condition(const QString &key, Cache &cache) const
{
    static const QString none;
    const QString *text = stored(*this, key);
    const QString &current = text ? *text : none;
    if (!cache.valid || current != cache.text) {
        cache.text = current;
        cache.condition = Condition::parse(current);
        cache.valid = true;
    }
    return cache.condition;
}

const TSumFilter::Condition &TSumFilter::tablesCondition() const
{
    return condition(QStringLiteral("tables"), m_tables);
}

const TSumFilter::Condition &TSumFilter::entriesCondition() const
{
    return condition(QStringLiteral("entries"), m_entries);
}

bool TSumFilter::testTable(const TTable *table) const
{
    const Condition &condition = tablesCondition();
    if (condition.empty)
        return true;
    if (!table)
        return false;
    TableCounts counts(*table);
    return holds(condition, [&](const Item &item, bool previous) {
        return tableItem(item, *table, counts, previous);
    });
}

bool TSumFilter::testEntry(const TTable *table, const TTableEntry *entry) const
{
    const Condition &condition = entriesCondition();
    if (condition.empty)
        return true;
    if (!table || !entry)
        return false;
    TableCounts counts(*table);
    return holds(condition,
                 [&](const Item &item, bool) { return entryItem(item, *table, *entry, counts); });
}

QString TSumFilter::kindName(int kind)
{
    const char *name;
    switch (kind) {
    case EntryCreate:
        name = QT_TRANSLATE_NOOP("TSumFilter", "Creation");
        break;
    case EntryChange:
        name = QT_TRANSLATE_NOOP("TSumFilter", "Table change");
        break;
    case EntryOrder:
        name = QT_TRANSLATE_NOOP("TSumFilter", "Article order");
        break;
    case EntryVoid:
        name = QT_TRANSLATE_NOOP("TSumFilter", "Article void");
        break;
    case EntryPay:
        name = QT_TRANSLATE_NOOP("TSumFilter", "Payment");
        break;
    case EntrySplit:
        name = QT_TRANSLATE_NOOP("TSumFilter", "Table split");
        break;
    case EntryRestore:
        name = QT_TRANSLATE_NOOP("TSumFilter", "Table restore");
        break;
    case EntryArchive:
        name = QT_TRANSLATE_NOOP("TSumFilter", "Table archived");
        break;
    default:
        name = QT_TRANSLATE_NOOP("TSumFilter", "Table");
        break;
    }
    return QCoreApplication::translate("TSumFilter", name);
}

QList<TSumFilter::Attribute> TSumFilter::attributes(int kind)
{
    QList<Attribute> list;
    appendAll(list, commonAttributes);
    switch (kind) {
    case 0:
        appendAll(list, tableAttributes);
        break;
    case EntryCreate:
        appendAll(list, createAttributes);
        break;
    case EntryChange:
        appendAll(list, changeAttributes);
        break;
    case EntryOrder:
        appendAll(list, orderAttributes);
        break;
    case EntryVoid:
        appendAll(list, voidAttributes);
        break;
    case EntryPay:
        appendAll(list, payAttributes);
        break;
    default:
        break;
    }
    return list;
}

QString TSumFilter::attributeCaption(int kind, const QString &key)
{
    for (const Attribute &a : attributes(kind)) {
        if (key == QLatin1String(a.key))
            return QCoreApplication::translate("TSumFilter", a.caption);
    }
    return key;
}

} // namespace PosLib
