#include "ttablefacts.h"

#include "trecordcodec.h"
#include "ttable.h"
#include "ttaxgroups.h"

#include <QHash>

#include <algorithm>
#include <cstring>

using namespace Basics;

namespace PosLib {

namespace {

// One item of a "taxamounts" list: "1,152" is tax id "1" with 152 cents.
struct TaxItem
{
    QString id;
    int key; // the id as a number
    qint64 cents; // the amount read as an integer
    double exact; // and as a decimal
};

// One item of a "taxoh" / "taxih" list: "1,VAT 19%,1900".
struct TaxDefinition
{
    QString id;
    QString name;
    QString rate; // percent, five decimals, as a tax group stores it
};

// The lists repeat on every order of an article: each text is split once.
template<typename T>
class TSplitCache
{
public:
    template<typename Split>
    const QList<T> &get(const QString &text, Split split)
    {
        auto it = m_cache.constFind(text);
        if (it != m_cache.cend())
            return it.value();
        if (m_cache.size() > 4096)
            m_cache.clear();
        return m_cache.insert(text, split(text)).value();
    }

private:
    QHash<QString, QList<T>> m_cache;
};

// The same by the bytes a file holds a text in, so that a list read again
// is neither decoded nor hashed as text: a few hundred lists, each in the
// slot of its bytes.
template<typename T>
class TRawSplitCache
{
public:
    template<typename Split>
    const QList<T> &get(Basics::TRawString raw, Split split)
    {
        quint32 h = 2166136261u;
        for (qint32 i = 0; i < raw.size; ++i)
            h = (h ^ raw.data[i]) * 16777619u;
        Slot &slot = m_slots[h & (Slots - 1)];
        const auto *bytes = reinterpret_cast<const char *>(raw.data);
        if (!slot.used || slot.bytes.size() != raw.size
            || std::memcmp(slot.bytes.constData(), bytes, size_t(raw.size)) != 0) {
            slot.items = split(decodeString(raw));
            slot.bytes = QByteArray(bytes, raw.size);
            slot.used = true;
        }
        return slot.items;
    }

private:
    static constexpr int Slots = 512;
    struct Slot
    {
        bool used = false;
        QByteArray bytes;
        QList<T> items;
    };
    Slot m_slots[Slots];
};

QList<TaxItem> splitTaxItems(const QString &t)
{
    QList<TaxItem> items;
    for (const QString &item : t.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QStringList f = item.split(QLatin1Char(','));
        items.append({f.value(0), int(parseInteger(f.value(0))), parseInteger(f.value(1)),
                      parseDecimal(f.value(1))});
    }
    return items;
}

QList<TaxDefinition> splitTaxDefinitions(const QString &t)
{
    QList<TaxDefinition> defs;
    for (const QString &item : t.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QStringList f = item.split(QLatin1Char(','));
        defs.append({f.value(0), f.value(1), decimalText(parseDecimal(f.value(2)) / 100.0)});
    }
    return defs;
}

// A list field of a record, split once: by the bytes a file holds it in,
// or by its text for a record in memory. Each split function has caches
// of its own.
template<typename T, QList<T> (*Split)(const QString &)>
const QList<T> &splitList(const TEntryFacts &record, TField f)
{
    TRawString raw;
    if (record.rawText(f, raw) && !raw.isNull()) {
        thread_local TRawSplitCache<T> cache;
        return cache.get(raw, Split);
    }
    thread_local TSplitCache<T> cache;
    return cache.get(record.getString(f), Split);
}

// The items of a "taxamounts" list of a record.
const QList<TaxItem> &taxItems(const TEntryFacts &record, TField f)
{
    return splitList<TaxItem, splitTaxItems>(record, f);
}

// The definitions of a "taxoh" / "taxih" list of a record.
const QList<TaxDefinition> &taxDefinitions(const TEntryFacts &record, TField f)
{
    return splitList<TaxDefinition, splitTaxDefinitions>(record, f);
}

// The group of a tax id, made from the first matching definition of the
// record's list `definitions` when the table has none yet; null when the id
// is not defined.
TTaxGroupFacts *groupFor(std::vector<TTaxGroupFacts> &out, const TaxItem &item,
                         const TEntryFacts &record, TField definitions)
{
    auto at = std::lower_bound(out.begin(), out.end(), item.key,
                               [](const TTaxGroupFacts &g, int key) { return g.id < key; });
    if (at != out.end() && at->id == item.key)
        return &*at;
    for (const TaxDefinition &def : taxDefinitions(record, definitions)) {
        if (def.id != item.id)
            continue;
        TTaxGroupFacts group;
        group.id = item.key;
        group.name = def.name;
        group.rate = def.rate;
        return &*out.insert(at, group);
    }
    return nullptr;
}

} // namespace

TTableFacts::TTableFacts() = default;

TTableFacts::~TTableFacts()
{
    clear();
    qDeleteAll(m_spare);
}

void TTableFacts::clear()
{
    m_header.clear();
    m_create.clear();
    for (TEntryFacts *e : m_entries) {
        e->clear();
        m_spare.push_back(e);
    }
    m_entries.clear();
    m_table = nullptr;
    m_given = false;
    m_cutOff = false;
    m_begin = m_end = 0;
    m_derived = false;
}

TEntryFacts *TTableFacts::newEntry()
{
    if (m_spare.empty())
        return new TEntryFacts;
    TEntryFacts *e = m_spare.back();
    m_spare.pop_back();
    return e;
}

void TTableFacts::file(TEntryFacts *entry)
{
    auto byId = [](const TEntryFacts *e, int id) { return e->id() < id; };
    // a child follows its parent: it joins the parent's children, numbered on
    if (entry->has(FFather)) {
        const int father = entry->getInt(FFather);
        auto at = std::lower_bound(m_entries.begin(), m_entries.end(), father, byId);
        if (at != m_entries.end() && (*at)->id() == father) {
            TEntryFacts *parent = *at;
            entry->remove(FFather);
            entry->set(FId, TValueField(TypeInteger,
                                        integerText(qint64(parent->children().size()) + 1)));
            parent->children().push_back(std::move(*entry));
            parent->setChildList(true);
            entry->clear();
            m_spare.push_back(entry);
            return;
        }
    }
    // anything else is filed under its own id; a second entry of an id
    // replaces the first
    const int id = entry->id();
    if (m_entries.empty() || m_entries.back()->id() < id) {
        m_entries.push_back(entry);
        return;
    }
    auto at = std::lower_bound(m_entries.begin(), m_entries.end(), id, byId);
    if (at != m_entries.end() && (*at)->id() == id) {
        (*at)->clear();
        m_spare.push_back(*at);
        *at = entry;
    } else {
        m_entries.insert(at, entry);
    }
}

TTableFacts::Result TTableFacts::read(TRecordReader &reader)
{
    return readRecords(reader, true, true);
}

TTableFacts::Result TTableFacts::readFile(TRecordReader &reader, bool withEntries)
{
    return readRecords(reader, withEntries, false);
}

TTableFacts::Result TTableFacts::readRecords(TRecordReader &reader, bool withEntries, bool untilEnd)
{
    clear();
    m_given = true;
    m_begin = reader.position();
    // the number of fields of the record read last, known or not
    int fields = 0;
    auto scan = [&reader, &fields, this](TEntryFacts &facts) {
        // most records are laid out as one before them
        if (m_order.readKnown(reader, facts)) {
            fields = 1;
            return TRecordReader::Ok;
        }
        fields = 0;
        const TRecordReader::Status status = reader.scan(
                [&](TRawString name, TRawString text) {
                    TField f;
                    if (m_order.find(quint32(fields++), name, f))
                        facts.take(f, text);
                },
                [this](quint32 count) { m_order.begin(count); });
        m_order.learned();
        if (status != TRecordReader::Ok) {
            facts.clear();
            fields = 0;
        }
        return status;
    };

    scan(m_header);
    const int headerFields = fields;
    scan(m_create);
    if (m_create.type() != EntryCreate) {
        // the table is left out; in a day summary, its entries up to the end
        // record are passed over
        const int createFields = fields;
        while (untilEnd) {
            int type = 0;
            const TRecordReader::Status status
                    = reader.scan([&type](TRawString name, TRawString text) {
                          if (name.equals("type", 4))
                              type = int(rawInteger(text));
                      });
            if (status != TRecordReader::Ok || type < 0)
                break;
        }
        m_end = reader.position();
        return headerFields == 0 && createFields == 0 ? End : Skipped;
    }

    while (withEntries) {
        TEntryFacts *e = newEntry();
        const TRecordReader::Status status = scan(*e);
        m_cutOff = status != TRecordReader::Ok && status != TRecordReader::End;
        if (status != TRecordReader::Ok || (untilEnd && e->type() < 0)) {
            e->clear();
            m_spare.push_back(e);
            break;
        }
        file(e);
    }
    m_end = reader.position();
    for (TEntryFacts *e : m_entries) {
        for (TEntryFacts &child : e->children())
            child.finish();
        e->finish();
    }
    return Read;
}

void TTableFacts::take(const TTable &table)
{
    clear();
    m_given = true;
    m_table = &table;
    m_header.takeRecord(table);
    m_create.takeRecord(table.create());
    table.entries().forEach([this](TTableEntry *entry) {
        TEntryFacts *e = newEntry();
        e->takeEntry(*entry);
        m_entries.push_back(e);
    });
}

void TTableFacts::derive() const
{
    if (m_derived)
        return;
    m_derived = true;
    int pays = 0;
    int open = 0;
    int payform = 0;
    for (const TEntryFacts *e : m_entries) {
        if (e->type() != EntryPay)
            continue;
        ++pays;
        if (!e->getBool(FVoided)) {
            ++open;
            payform = e->getInt(FPayform);
        }
    }
    m_hasPays = pays > 0;
    if (m_header.has(FPayform))
        m_orderPayform = m_header.getInt(FPayform);
    else if (pays == 0)
        m_orderPayform = -1;
    else
        m_orderPayform = open == 1 ? payform : 0;
}

bool TTableFacts::hasPays() const
{
    derive();
    return m_hasPays;
}

int TTableFacts::orderPayform() const
{
    derive();
    return m_orderPayform;
}

void TTableFacts::taxGroups(std::vector<TTaxGroupFacts> &out, const TValue *waiter) const
{
    out.clear();
    if (m_table) {
        // a table in memory may hold new entries too: it knows best
        TTaxGroups groups;
        m_table->taxGroups(&groups, const_cast<TValue *>(waiter));
        for (const TValue *g : groups.valueMap()) {
            TTaxGroupFacts group;
            group.id = g->id();
            group.name = g->name();
            group.rate = g->getString(QStringLiteral("rate"));
            group.amount = g->getLong(QStringLiteral("amount"));
            out.push_back(group);
        }
        return;
    }
    // per guest: cents x guests
    const TField tableDefs = vatOh() ? FTaxOh : FTaxIh;
    const qint64 guests = m_header.getInt(FGuests);
    for (const TaxItem &item : taxItems(m_header, FTaxAmounts)) {
        if (TTaxGroupFacts *group = groupFor(out, item, m_header, tableDefs))
            group->amount += item.cents * guests;
    }
    // per order: cents per unit x count, the running total cut to whole cents
    const int waiterId = waiter ? waiter->id() : 0;
    for (const TEntryFacts *e : m_entries) {
        if (e->type() != EntryOrder || (waiter && e->waiter() != waiterId))
            continue;
        const double count = e->count();
        if (count == 0)
            continue;
        if (e->isEmptyText(FTaxAmounts))
            continue;
        const bool takeaway = e->has(FIsVatOh) ? e->getBool(FIsVatOh) : vatOh();
        const TField defs = takeaway ? FTaxOh : FTaxIh;
        for (const TaxItem &item : taxItems(*e, FTaxAmounts)) {
            if (TTaxGroupFacts *group = groupFor(out, item, *e, defs))
                group->amount = qint64(double(group->amount) + item.exact * count);
        }
    }
}

} // namespace PosLib
