#include "tentryfacts.h"

#include "ttableentry.h"

#include <QHash>
#include <QtEndian>

#include <algorithm>
#include <cstring>

using namespace Basics;

namespace PosLib {

namespace {

using Kind = TEntryFacts::Kind;
constexpr quint8 Text = TEntryFacts::Text;
constexpr quint8 Long = TEntryFacts::Long;
constexpr quint8 Double = TEntryFacts::Double;
constexpr quint8 Bool = TEntryFacts::Bool;
constexpr quint8 Date = TEntryFacts::Date;
constexpr quint8 Time = TEntryFacts::Time;

// In the order of TField.
const char *const FieldNames[FieldCount] = {
        "type",           "id",          "father",       "date",
        "time",           "waiter",      "waitername",   "terminal",
        "termname",       "center",      "centername",   "plu",
        "article",        "artshort",    "price",        "count",
        "family",         "familyname",  "famgroup",     "famgrpname",
        "vatrate",        "rateih",      "rateoh",       "isvatoh",
        "taxamounts",     "taxoh",       "taxih",        "discount",
        "discid",         "discname",    "discrate",     "discbase",
        "discabs",        "discsub",     "discsubname",  "credit",
        "voided",         "roundingart", "iscontrol",    "vwaiter",
        "vwaitername",    "reason",      "amount",       "given",
        "orggiven",       "return",      "retamount",    "tip",
        "payform",        "payformname", "guests",       "curr",
        "currname",       "currshort",   "currrate",     "currdecpos",
        "retcurr",        "retcurrname", "retcurrshort", "retcurrrate",
        "retcurrdecpos",  "intermsum",   "room",         "hotparty",
        "hotelacc",       "hotelguest",  "subvent",      "subvid",
        "subvname",       "subvamount",  "ccdamount",    "ccdbalance",
        "ccddifferences", "allwaiters",  "ccdterminal",  "ccdcostcenter",
        "table",          "party",       "archive",      "billnum",
        "vatoh",          "insum",       "trainee",      "descr",
        "tablename",      "round",       "freeprice",    "fromtable",
        "fromparty",      "totable",     "toparty",      "fromwaiter",
        "towaiter",       "zcount",
};

// The names as QStrings and as the bytes of a file, and a small hash of
// the file form for finding a name's field without decoding it.
struct Names
{
    static constexpr int Slots = 1024;

    Names()
    {
        std::fill(std::begin(slot), std::end(slot), qint16(-1));
        for (int f = 0; f < FieldCount; ++f) {
            const char *name = FieldNames[f];
            const qsizetype n = qsizetype(std::strlen(name));
            text[f] = QString::fromLatin1(name, n);
            byName.insert(text[f], TField(f));
            QByteArray raw;
            for (qsizetype i = 0; i < n; ++i)
                raw.append('\0').append(name[i]);
            bytes[f] = raw;
            rawData[f] = reinterpret_cast<const uchar *>(bytes[f].constData());
            rawSize[f] = qint32(raw.size());
            int h = hash(rawData[f], rawSize[f]);
            while (slot[h] >= 0)
                h = (h + 1) & (Slots - 1);
            slot[h] = qint16(f);
        }
    }

    static int hash(const uchar *p, qint32 size)
    {
        // length, first and last character
        return int((quint32(size) * 131u + quint32(p[1]) * 31u + quint32(p[size - 1]))
                   & (Slots - 1));
    }

    bool find(TRawString name, TField &field) const
    {
        if (name.size < 2)
            return false;
        for (int h = hash(name.data, name.size);; h = (h + 1) & (Slots - 1)) {
            const int f = slot[h];
            if (f < 0)
                return false;
            if (rawSize[f] == name.size && Basics::sameBytes(rawData[f], name.data, name.size)) {
                field = TField(f);
                return true;
            }
        }
    }

    QString text[FieldCount];
    QByteArray bytes[FieldCount];
    const uchar *rawData[FieldCount];
    qint32 rawSize[FieldCount];
    QHash<QString, TField> byName;
    qint16 slot[Slots];
};

// rawDecimal() of a field's text, remembered for the text read last in
// that field on this thread: a count is "1.00000" on most orders.
double decimalOf(TField f, TRawString raw)
{
    struct Last
    {
        quint64 bytes[2];
        qint32 size = -2;
        double value = 0;
    };
    thread_local Last last[FieldCount];
    if (raw.size < 0 || raw.size > 16)
        return rawDecimal(raw);
    quint64 bytes[2] = {0, 0};
    std::memcpy(bytes, raw.data, size_t(raw.size));
    Last &l = last[f];
    if (l.size != raw.size || l.bytes[0] != bytes[0] || l.bytes[1] != bytes[1]) {
        l.value = rawDecimal(raw);
        l.size = raw.size;
        l.bytes[0] = bytes[0];
        l.bytes[1] = bytes[1];
    }
    return l.value;
}

template<typename T>
T wordAt(const uchar *p)
{
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

const Names &names()
{
    static const Names *const n = [] {
        auto *made = new Names;
        return made;
    }();
    return *n;
}

} // namespace

const QString &fieldName(TField field)
{
    return names().text[field];
}

bool fieldOf(const QString &name, TField &field)
{
    const auto &byName = names().byName;
    auto it = byName.constFind(name);
    if (it == byName.cend())
        return false;
    field = it.value();
    return true;
}

bool fieldOf(TRawString name, TField &field)
{
    return names().find(name, field);
}

// ---- TFieldOrder ------------------------------------------------------------

TFieldOrder::TFieldOrder()
    : m_layouts(MaxFields)
    , m_ways(MaxFields)
    , m_next(MaxFields, 0)
    , m_recent(MaxFields, nullptr)
{ }

TFieldOrder::~TFieldOrder() = default;

TFieldOrder::Name *TFieldOrder::nextLayout(const Name *keep)
{
    quint8 &next = m_next[m_count];
    Name *names = &m_layouts[m_count][size_t(next) * m_count];
    if (names == keep) {
        next = quint8((next + 1) % Ways);
        names = &m_layouts[m_count][size_t(next) * m_count];
    }
    next = quint8((next + 1) % Ways);
    for (quint32 i = 0; i < m_count; ++i)
        names[i].size = -2;
    return names;
}

bool TFieldOrder::learn(quint32 index, TRawString name, TField &field)
{
    const bool fits = name.size >= 0 && name.size <= NameBytes;
    if (index == 0)
        m_layout = nullptr;
    if (m_count < MaxFields && index == 0 && fits) {
        // the layout of this count whose first name is this one
        std::vector<Name> &ways = m_layouts[m_count];
        if (ways.empty()) {
            ways.resize(size_t(m_count) * Ways);
            m_ways[m_count].resize(Ways);
        }
        for (int w = 0; w < Ways; ++w) {
            Name *names = &ways[size_t(w) * m_count];
            if (names[0].size == name.size
                && Basics::sameBytes(names[0].head + 4, name.data, name.size)) {
                m_layout = names;
                m_recent[m_count] = names;
                field = TField(names[0].field);
                return names[0].field >= 0;
            }
        }
        // else the one given up next
        m_layout = nextLayout(nullptr);
        m_recent[m_count] = m_layout;
    } else if (m_layout && index > 0 && index < m_count && wayOf(m_layout, m_count).whole) {
        // a record that begins as a layout kept and then differs is a
        // layout of its own, learned beside the one kept
        Name *fresh = nextLayout(m_layout);
        std::copy(m_layout, m_layout + index, fresh);
        m_layout = fresh;
        m_recent[m_count] = fresh;
    }
    const bool known = fieldOf(name, field);
    if (m_layout && index < m_count) {
        // read field by field until learned() looks at it again
        wayOf(m_layout, m_count).whole = false;
        Name &n = m_layout[index];
        n.size = fits ? name.size : -2;
        n.headBytes = fits ? name.size + 4 : 0;
        n.wordsFrom = fits && name.size + 4 <= 24 ? 28 : std::numeric_limits<qint64>::max();
        n.field = known ? qint16(field) : qint16(-1);
        n.place = known ? quint8(field) : quint8(FieldCount);
        if (fits) {
            qToBigEndian<quint32>(quint32(name.size), n.head);
            std::memcpy(n.head + 4, name.data, size_t(name.size));
            const qint32 head = name.size + 4;
            uchar bytes[24] = {};
            uchar ones[24] = {};
            std::memcpy(bytes, n.head, size_t(std::min(head, 24)));
            std::memset(ones, 0xFF, size_t(std::min(head, 24)));
            std::memcpy(n.word, bytes, sizeof bytes);
            std::memcpy(n.mask, ones, sizeof ones);
        }
    }
    return known;
}

void TFieldOrder::learned()
{
    if (!m_layout || m_count == 0 || m_count >= MaxFields)
        return;
    Way &way = wayOf(m_layout, m_count);
    way.whole = true;
    way.present[0] = way.present[1] = 0;
    for (quint32 i = 0; i < m_count; ++i) {
        const Name &n = m_layout[i];
        if (n.size < 0) {
            way.whole = false;
            return;
        }
        if (n.field >= 0)
            way.present[n.field >> 6] |= quint64(1) << (n.field & 63);
    }
}

const uchar *TFieldOrder::readAs(const Name *layout, quint32 count, const uchar *p,
                                 const uchar *end, TRawString *raw) const
{
    if (!wayOf(layout, count).whole)
        return nullptr;
    for (const Name *n = layout, *last = layout + count; n < last; ++n) {
        // the name, its length first: the one that stood here; then the
        // length of its text
        qint64 left = end - p;
        const qint64 head = n->headBytes;
        if (Q_LIKELY(left >= n->wordsFrom)) {
            const quint64 diff = ((wordAt<quint64>(p) ^ n->word[0]) & n->mask[0])
                                 | ((wordAt<quint64>(p + 8) ^ n->word[1]) & n->mask[1])
                                 | ((wordAt<quint64>(p + 16) ^ n->word[2]) & n->mask[2]);
            if (diff != 0)
                return nullptr;
        } else if (left < head + 4 || !Basics::sameBytes(n->head, p, qint32(head))) {
            return nullptr;
        }
        const quint32 textSize = qFromBigEndian<quint32>(p + head);
        p += head + 4;
        left -= head + 4;
        // a field reports do not read goes to the place after the last
        TRawString &text = raw[n->place];
        if (Q_LIKELY(!(textSize & 1))) {
            if (qint64(textSize) > left)
                return nullptr;
            text.data = p;
            text.size = qint32(textSize);
            p += textSize;
        } else if (textSize == 0xFFFFFFFFu) {
            text = TRawString();
        } else {
            return nullptr;
        }
    }
    return p;
}

bool TFieldOrder::readKnown(TRecordReader &reader, TEntryFacts &facts)
{
    facts.clear();
    const uchar *const data = reader.data();
    const qsizetype size = reader.size();
    const qsizetype start = reader.position();
    if (size - start < 4)
        return false;
    const quint32 count = qFromBigEndian<quint32>(data + start);
    if (count == 0 || count >= MaxFields || qsizetype(count) * 8 > size - start - 4)
        return false;
    // the layout followed last by records of this count, else any other
    // kept whole (a text read into the facts by a layout that then differs
    // is read again or cleared)
    Name *const recent = m_recent[count];
    if (!recent)
        return false;
    const uchar *const first = data + start + 4;
    const uchar *const end = data + size;
    const Name *layout = recent;
    const uchar *p = readAs(recent, count, first, end, facts.m_raw);
    for (int w = 0; w < Ways && !p; ++w) {
        Name *names = &m_layouts[count][size_t(w) * count];
        if (names == recent)
            continue;
        p = readAs(names, count, first, end, facts.m_raw);
        if (p) {
            m_recent[count] = names;
            layout = names;
        }
    }
    if (!p)
        return false;
    const Way &way = wayOf(layout, count);
    facts.m_present[0] = way.present[0];
    facts.m_present[1] = way.present[1];
    reader.seek(qsizetype(p - data));
    return true;
}

// ---- TEntryFacts ------------------------------------------------------------

void TEntryFacts::clear()
{
    m_present[0] = m_present[1] = 0;
    m_parsed[0] = m_parsed[1] = 0;
    m_record = nullptr;
    m_set.clear();
    m_price = 0;
    m_childList = false;
    m_components = false;
    m_addOns = false;
    m_children.clear();
}

void TEntryFacts::parse(TField f)
{
    m_parsed[f >> 6] |= quint64(1) << (f & 63);
    const quint8 kinds = fieldKinds(f);
    m_kinds[f] = kinds;
    if (kinds == Text)
        return;
    if (m_record || (!m_set.empty() && setField(f))) {
        // from a text in memory
        const QString text = getString(f);
        if (kinds & Long)
            m_long[f] = parseInteger(text);
        if (kinds & Double)
            m_double[f] = parseDecimal(text);
        if (kinds & Bool)
            m_long[f] = parseBoolean(text);
        if (kinds & Date)
            m_date = QDate::fromString(text, Qt::ISODate);
        if (kinds & Time)
            m_time = QTime::fromString(text, Qt::ISODate);
        return;
    }
    const TRawString raw = m_raw[f];
    if (kinds == Long) {
        // most are a few plain digits: read here, as rawInteger() reads them
        qint64 v;
        m_long[f] = plainDigits(raw, v) ? v : rawInteger(raw);
        return;
    }
    if (kinds & Long) {
        qint64 v;
        m_long[f] = plainDigits(raw, v) ? v : rawInteger(raw);
    }
    if (kinds & Double)
        m_double[f] = decimalOf(f, raw);
    if (kinds & Bool)
        m_long[f] = rawBoolean(raw);
    if (kinds & Date)
        m_date = rawDate(raw);
    if (kinds & Time)
        m_time = rawTime(raw);
}

void TEntryFacts::takeRecord(const TValue &record)
{
    clear();
    m_record = &record;
    const TValue::Fields &fields = record.fields();
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        TField f;
        if (!fieldOf(it.key(), f))
            continue;
        m_present[f >> 6] |= quint64(1) << (f & 63);
        parse(f);
    }
}

void TEntryFacts::takeEntry(const TTableEntry &entry)
{
    takeRecord(entry);
    if (const TTableEntries *children = entry.children()) {
        m_childList = true;
        m_children.reserve(size_t(children->count()));
        children->forEach([this](TTableEntry *child) {
            m_children.emplace_back();
            m_children.back().takeEntry(*child);
        });
    }
    finish();
}

void TEntryFacts::finish()
{
    m_price = getLong(FPrice);
    m_components = false;
    m_addOns = false;
    for (const TEntryFacts &child : m_children) {
        const int type = child.type();
        if (type == EntryAddOn) {
            m_price += child.getLong(FPrice);
            m_addOns = true;
        } else if (type == EntryComponent) {
            m_components = true;
        }
    }
}

qint64 TEntryFacts::longOf(TField f) const
{
    return parseInteger(getString(f));
}

double TEntryFacts::doubleOf(TField f) const
{
    return parseDecimal(getString(f));
}

bool TEntryFacts::boolOf(TField f) const
{
    return parseBoolean(getString(f));
}

const TValueField *TEntryFacts::setField(TField f) const
{
    for (const auto &set : m_set) {
        if (set.first == f)
            return &set.second;
    }
    return nullptr;
}

QString TEntryFacts::getString(TField f) const
{
    if (!has(f))
        return QString();
    if (const TValueField *set = setField(f))
        return set->text;
    if (m_record)
        return m_record->getString(fieldName(f));
    return decodeString(m_raw[f]);
}

bool TEntryFacts::isEmptyText(TField f) const
{
    if (!has(f))
        return true;
    if (m_record || !m_set.empty())
        return getString(f).isEmpty();
    return m_raw[f].size <= 0;
}

TValueField TEntryFacts::get(TField f) const
{
    if (!has(f))
        return TValueField();
    if (const TValueField *set = setField(f))
        return *set;
    if (m_record)
        return m_record->get(fieldName(f));
    return TValueField(TypeText, decodeString(m_raw[f]));
}

void TEntryFacts::set(TField f, const TValueField &value)
{
    if (auto *set = const_cast<TValueField *>(setField(f)))
        *set = value;
    else
        m_set.emplace_back(f, value);
    m_present[f >> 6] |= quint64(1) << (f & 63);
    parse(f);
}

void TEntryFacts::remove(TField f)
{
    m_present[f >> 6] &= ~(quint64(1) << (f & 63));
    m_set.erase(std::remove_if(m_set.begin(), m_set.end(),
                               [f](const auto &set) { return set.first == f; }),
                m_set.end());
}

void TEntryFacts::setType(int type)
{
    set(FType, TValueField(TypeInteger, integerText(type)));
}

void TEntryFacts::copyTo(TValue &to, std::initializer_list<TField> fields) const
{
    for (TField f : fields) {
        if (has(f))
            to.set(fieldName(f), get(f));
    }
}

} // namespace PosLib
