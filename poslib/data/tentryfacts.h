#pragma once

#include "tfield.h"
#include "trecordcodec.h"
#include "tvalue.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <cstring>
#include <limits>
#include <vector>

namespace PosLib {

class TEntryFacts;
class TTableEntry;

// The fields of records as the records read before had them, by their
// number of fields: a record laid out like an earlier one (most are: every
// order of a day has the same fields) finds each field by comparing its
// name in place with the name that stood there, instead of looking it up.
// Names are kept as copies, so the bytes read before may go.
class TFieldOrder
{
public:
    TFieldOrder();
    ~TFieldOrder();
    TFieldOrder(const TFieldOrder &) = delete;
    TFieldOrder &operator=(const TFieldOrder &) = delete;

    // Reads the next record of `reader` into `facts` (cleared first) when
    // it is laid out as a record read before: each name is compared in
    // place with the one that stood there, the fields reports read are
    // taken by their places and the others passed over. False, with the
    // reader where it was and `facts` cleared, for any other record, a
    // damaged one and the end of the bytes: read those field by field
    // (begin(), find(), then learned()).
    bool readKnown(Basics::TRecordReader &reader, TEntryFacts &facts);

    // A record of `count` fields begins.
    void begin(quint32 count)
    {
        m_count = count;
        m_layout = nullptr;
    }
    // The record begun last was read field by field: a layout all of
    // whose names were kept is read whole from now on.
    void learned();
    // The field of the `index`th name of the record begun last; false for
    // a name reports do not read (fieldOf()).
    bool find(quint32 index, Basics::TRawString name, TField &field)
    {
        // a record of this count follows the layout the last one followed,
        // most likely
        if (index == 0 && m_count < MaxFields)
            m_layout = m_recent[m_count];
        if (m_layout) {
            const Name &n = m_layout[index];
            if (n.size == name.size && Basics::sameBytes(n.head + 4, name.data, name.size)) {
                field = TField(n.field);
                return n.field >= 0;
            }
        }
        return learn(index, name, field);
    }

private:
    // names of up to this many bytes are kept
    static constexpr int NameBytes = 48;
    // records of up to this many fields
    static constexpr quint32 MaxFields = 64;
    // layouts kept per number of fields: the orders of a day have several
    // of the same count that begin with the same name
    static constexpr int Ways = 8;
    struct Name
    {
        // the first 24 bytes of the head below (zeros after its end), and
        // ones in the bytes that are the head's: a head of up to 24 bytes is
        // compared in three words
        quint64 word[3] = {0, 0, 0};
        quint64 mask[3] = {0, 0, 0};
        qint32 size = -2; // -2: nothing kept here
        // the bytes of the head (size + 4), and the bytes that must be left
        // for it to be compared in the three words (beyond any for a
        // longer head)
        qint64 headBytes = 0;
        qint64 wordsFrom = std::numeric_limits<qint64>::max();
        qint16 field = -1; // -1: not read by reports
        // where the text goes in TEntryFacts: the field, or the place after
        // the last for a field reports do not read
        quint8 place = 0;
        // the name as the file holds it: its length (four bytes, most
        // significant first), then its bytes
        uchar head[4 + NameBytes];
    };
    bool learn(quint32 index, Basics::TRawString name, TField &field);
    // The layout of `m_count` names given up next, other than `keep`.
    Name *nextLayout(const Name *keep);
    // Reads the fields of a record of `count` fields from `p` as `layout`
    // lays them out; the end of the record, or null when it is not laid
    // out so, is damaged or is cut off.
    const uchar *readAs(const Name *layout, quint32 count, const uchar *p, const uchar *end,
                        Basics::TRawString *raw) const;
    // What a layout of names gives a record that follows it whole.
    struct Way
    {
        // every name kept, and the fields of its names below
        bool whole = false;
        quint64 present[2] = {0, 0};
    };
    Way &wayOf(const Name *layout, quint32 count)
    {
        return m_ways[count][size_t(layout - m_layouts[count].data()) / count];
    }
    const Way &wayOf(const Name *layout, quint32 count) const
    {
        return m_ways[count][size_t(layout - m_layouts[count].data()) / count];
    }

    quint32 m_count = 0;
    // the names of the layout the record follows, null when none
    Name *m_layout = nullptr;
    // per number of fields: Ways layouts of that many names, made when a
    // record of that count is first met, and the way given up next
    std::vector<std::vector<Name>> m_layouts;
    std::vector<std::vector<Way>> m_ways;
    std::vector<quint8> m_next;
    // per number of fields, the layout followed last
    std::vector<Name *> m_recent;
};

// One record of a table file as reports read it: which of the fields above
// it has, their texts, and their values parsed once, with the results of
// TValue's getters on the same record (getInt(), getLong(), getDouble(),
// getBool(), getDate(), getTime(), getString(), has()). A record read from
// a file keeps pointers into the file's bytes, so it is valid while those
// bytes are; one taken from a record in memory refers to that record.
//
// Orders carry their children (price add-ons, components), and price() is
// the unit price with the add-ons, as TTableEntry::price().
class TEntryFacts
{
public:
    // The parsed forms kept for a field besides its text.
    enum Kind : quint8 {
        Text = FieldKind::Text,
        Long = FieldKind::Long,
        Double = FieldKind::Double,
        Bool = FieldKind::Bool,
        Date = FieldKind::Date,
        Time = FieldKind::Time,
    };

    TEntryFacts() { clear(); }

    // Forgets every field and child.
    void clear();
    // Takes one field read from a file, after clear() and before any
    // value is asked for (a field read twice keeps its second text).
    void take(TField f, Basics::TRawString text)
    {
        m_present[f >> 6] |= quint64(1) << (f & 63);
        m_raw[f] = text;
    }
    // Takes the fields of a record in memory (and its children, for an
    // entry); `record` must outlive these facts.
    void takeRecord(const Basics::TValue &record);
    void takeEntry(const TTableEntry &entry);
    // Computes price() and the child flags; call after the children are
    // complete.
    void finish();

    bool has(TField f) const { return (m_present[f >> 6] >> (f & 63)) & 1; }
    qint64 getLong(TField f, qint64 def = 0) const
    {
        if (!has(f))
            return def;
        // a field of a file that is an integer alone, in plain digits (most
        // are), is read here the first time
        if (fieldKinds(f) == Long && !isParsed(f) && !m_record && m_set.empty()) {
            qint64 v;
            if (plainDigits(m_raw[f], v)) {
                auto *self = const_cast<TEntryFacts *>(this);
                self->m_parsed[f >> 6] |= quint64(1) << (f & 63);
                self->m_kinds[f] = Long;
                self->m_long[f] = v;
                return v;
            }
        }
        parsed(f);
        return (m_kinds[f] & Long) ? m_long[f] : longOf(f);
    }
    int getInt(TField f, int def = 0) const { return int(getLong(f, def)); }
    double getDouble(TField f, double def = 0.0) const
    {
        if (!has(f))
            return def;
        parsed(f);
        return (m_kinds[f] & Double) ? m_double[f] : doubleOf(f);
    }
    bool getBool(TField f, bool def = false) const
    {
        if (!has(f))
            return def;
        parsed(f);
        return (m_kinds[f] & Bool) ? m_long[f] != 0 : boolOf(f);
    }
    // The text, as TValue::getString(); null when absent.
    QString getString(TField f) const;
    bool isEmptyText(TField f) const;
    // The field as the file holds it, for comparing texts without decoding
    // them; false when the field is absent or its text is not the file's
    // (a record in memory, a value set).
    bool rawText(TField f, Basics::TRawString &raw) const
    {
        if (!has(f) || m_record || (!m_set.empty() && setField(f)))
            return false;
        raw = m_raw[f];
        return true;
    }
    // The field with its type tag, as TValue::get().
    Basics::TValueField get(TField f) const;
    // Sets a field as TValue::set() would (used to make a component an order).
    void set(TField f, const Basics::TValueField &value);
    void setType(int type);
    void remove(TField f);

    // Sets the named fields of `to` that these facts have, as
    // TValue::set(name, get(name)) does.
    void copyTo(Basics::TValue &to, std::initializer_list<TField> fields) const;

    int type() const { return getInt(FType); }
    int id() const { return getInt(FId); }
    double count() const { return getDouble(FCount); }
    int waiter() const { return getInt(FWaiter); }
    qint64 plu() const { return getLong(FPlu); }
    qint64 amount() const { return getLong(FAmount); }
    qint64 tip() const { return getLong(FTip); }
    QDate date() const { return has(FDate) ? (parsed(FDate), m_date) : QDate(); }
    QTime time() const { return has(FTime) ? (parsed(FTime), m_time) : QTime(); }
    // Unit price with the price add-ons.
    qint64 price() const { return m_price; }

    // Children, in their order; hasChildList() also for an empty list.
    bool hasChildList() const { return m_childList; }
    void setChildList(bool has) { m_childList = has; }
    std::vector<TEntryFacts> &children() { return m_children; }
    const std::vector<TEntryFacts> &children() const { return m_children; }
    bool hasChildren() const { return !m_children.empty(); }
    // A component child (type 12), or a price add-on child (type 11).
    bool hasComponents() const { return m_components; }
    bool hasAddOns() const { return m_addOns; }

    // The record this came from when it was in memory; null when it was
    // read from a file.
    const Basics::TValue *record() const { return m_record; }

private:
    friend class TFieldOrder;

    // A field read from a file is parsed when it is first asked for: most
    // records carry fields that no node reads.
    bool isParsed(TField f) const { return (m_parsed[f >> 6] >> (f & 63)) & 1; }
    void parsed(TField f) const
    {
        if (!isParsed(f))
            const_cast<TEntryFacts *>(this)->parse(f);
    }
    void parse(TField f);
    // The value set by set(), if any.
    const Basics::TValueField *setField(TField f) const;
    qint64 longOf(TField f) const;
    double doubleOf(TField f) const;
    bool boolOf(TField f) const;

    static_assert(FieldCount <= 128, "a field's bit in two words");
    quint64 m_present[2];
    quint64 m_parsed[2];
    const Basics::TValue *m_record;
    // one more for the fields a record has and reports do not read
    Basics::TRawString m_raw[FieldCount + 1];
    // values set by set() instead of taken from the record
    std::vector<std::pair<TField, Basics::TValueField>> m_set;
    quint8 m_kinds[FieldCount];
    qint64 m_long[FieldCount];
    double m_double[FieldCount];
    QDate m_date;
    QTime m_time;
    qint64 m_price;
    bool m_childList;
    bool m_components;
    bool m_addOns;
    std::vector<TEntryFacts> m_children;
};

} // namespace PosLib
