#pragma once

#include "tvalue.h"

#include <QList>
#include <QString>

namespace PosLib {

class TTable;
class TTableEntry;

// A summary filter: a record of the "sumfilters" list with a table
// condition ("tables") and an entry condition ("entries"). The report
// generator keeps a table only when testTable() holds and, of a kept table,
// only the entries for which testEntry() holds.
//
// A condition is a list of alternatives separated by "|"; an alternative is
// a list of items separated by "&"; an item is
//     kind ":" attribute ":" operator ":" value
// kind: -1 the entry under test, 0 the table header, 1 the creation record,
// 2 and up the entries of that type (2 table change, 3 order, 4 void,
// 5 payment, 6 split, 7 restore, 8 archiving). The condition holds when one
// alternative holds, an alternative when all of its items hold.
//
// Reading values: "date" gives the stored text without "-", "time" without
// ":" (so "2014-12-31" reads "20141231"), any other key the stored text, a
// missing field an empty text. "ordercount" (orders with a count other than
// 0), "voidcount" (voids) and "paycount" (payments not voided) count over the
// whole table whatever the item's kind. "<" and ">" compare as decimal
// numbers (no number reads 0), "=" compares the text exactly, any other
// operator means "differs".
//
// Table items (kind 0) read the header's field, and the creation record's
// where the header has none: the header holds no "waiter", "center",
// "terminal", "date" or "time", so 0:waiter:>:2 means the waiter who opened
// the table. The header's own field wins when it has one.
//
// Choices of this implementation where the rules above say nothing:
// - Malformed items. Splitting an item drops its empty fields, and the only
//   field the dialogs may leave empty is the value, so an item with three
//   fields compares with an empty value: 0:waiter:=: finds tables without a
//   waiter. An item with fewer fields, or whose kind is no number or below
//   -1, is ignored (it holds); an alternative made of ignored items only is
//   dropped, so a stray "&" or "|" changes nothing, and a non-empty condition
//   without any usable item matches nothing rather than everything. A
//   condition of blanks only counts as empty. Fields after the fourth belong
//   to the value ("3:article:=:Soup: tomato").
// - The operator is the first character of its field.
// - Children of an order. In the table test a kind-3 item looks at the order
//   lines that a report counts: a component (type 12 child) in place of its
//   order, read with its order's "waiter", "waitername", "date" and "time"
//   and, when it has none of its own, "center" and "centername", and with
//   "type" 3; an order with price add-ons (type 11 children) is looked at
//   itself. The children are walked like the report does: up to the first
//   child of another type, and an order whose child list is empty offers
//   nothing. In the entry test the caller passes a component already made
//   an order with those fields copied, so it is tested like an order.
// - Kind 2 items test the table change entries: in the table test any table
//   change whose value matches makes the item hold (like voids), in the
//   entry test they apply to table change entries only. Kinds 6 and up
//   (split, restore, archiving, …) follow the same rule in the table test;
//   kind -1 there means any entry of the table.
// - A null table or entry fails any non-empty condition.
class TSumFilter : public Basics::TValue
{
public:
    // Where an item's value comes from.
    enum Source {
        StoredValue, // the field named by the attribute
        DateValue, // "date" without "-"
        TimeValue, // "time" without ":"
        OrderCount, // computed over the table
        VoidCount,
        PayCount,
    };

    // One usable item of a condition.
    struct Item
    {
        int kind = 0;
        QString attribute;
        Source source = StoredValue;
        bool isType = false; // the attribute is "type"
        char16_t op = 0;
        QString value;
        double number = 0; // the value read as a decimal number
    };
    using Alternative = QList<Item>;

    // A condition parsed once; the filter keeps the parsed form of each of
    // its two texts and parses again only when a text changes.
    struct Condition
    {
        // True for an empty text: every table or entry passes.
        bool empty = true;
        // The alternatives that hold at least one usable item, in order.
        QList<Alternative> alternatives;

        static Condition parse(const QString &text);
    };

    TSumFilter() = default;
    TSumFilter(const TSumFilter &) = default;
    TSumFilter &operator=(const TSumFilter &) = default;
    ~TSumFilter() override;

    QString description() const { return getString(QStringLiteral("description")); }
    void setDescription(const QString &text) { setString(QStringLiteral("description"), text); }
    QString tables() const { return getString(QStringLiteral("tables")); }
    void setTables(const QString &text) { setString(QStringLiteral("tables"), text); }
    QString entries() const { return getString(QStringLiteral("entries")); }
    void setEntries(const QString &text) { setString(QStringLiteral("entries"), text); }

    // Evaluates "tables" against the header, creation record and entries of
    // the table. An empty condition passes.
    bool testTable(const TTable *table) const;
    // Evaluates "entries" against one entry of the table. An empty
    // condition passes.
    bool testEntry(const TTable *table, const TTableEntry *entry) const;

    // The parsed conditions, parsed on first use and after a change.
    const Condition &tablesCondition() const;
    const Condition &entriesCondition() const;

    // Display name of a kind: 1 "Creation" … 8 "Table archived", any other
    // "Table". Translated.
    static QString kindName(int kind);

    // An attribute the item editor offers: key and caption (untranslated;
    // translate with the context "TSumFilter").
    struct Attribute
    {
        const char *key;
        const char *caption;
    };
    // The attributes of a kind: the eight common ones (time, date, terminal,
    // cost center, waiter and their names) first, then those of the kind
    // (0 table header up to 5 payment; other kinds have only the common
    // ones).
    static QList<Attribute> attributes(int kind);
    // Translated caption of an attribute of the kind; the key itself when
    // the kind does not offer it.
    static QString attributeCaption(int kind, const QString &key);

private:
    struct Cache
    {
        bool valid = false;
        QString text;
        Condition condition;
    };
    const Condition &condition(const QString &key, Cache &cache) const;

    mutable Cache m_tables;
    mutable Cache m_entries;
};

} // namespace PosLib
