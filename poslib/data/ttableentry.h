#pragma once

#include "tvalue.h"

#include <QByteArray>

namespace Basics {
class TRecordReader;
}

namespace PosLib {

class TTableEntries;

// Kinds of table entries ("type").
enum TEntryType {
    EntryCreate = 1,
    EntryChange = 2,
    EntryOrder = 3,
    EntryVoid = 4,
    EntryPay = 5,
    EntrySplit = 6,
    EntryRestore = 7,
    EntryArchive = 8,
    EntryCash = 10,
    EntryAddOn = 11, // price add-on, child of an order
    EntryComponent = 12, // component, child of an order
    EntryBalance = 13,
};

// One record of a table file: an order, void, payment, split, … Orders may
// carry children (price add-ons and components), kept in a child list that
// the entry owns, except for temporary copies (field "tmp"), which share
// the child list of the entry they were copied from.
class TTableEntry : public Basics::TValue
{
public:
    TTableEntry();
    // Copies the fields and the children (a deep copy).
    TTableEntry(const TTableEntry &other);
    TTableEntry &operator=(const TTableEntry &other) = delete;
    ~TTableEntry() override;

    // A copy marked "tmp" that shares this entry's children.
    TTableEntry *temporaryCopy() const;
    bool isTemporary() const { return has(QStringLiteral("tmp")); }

    int type() const
    {
        if (m_cached != version())
            refresh();
        return m_type;
    }
    void setType(int type) { setInt(QStringLiteral("type"), type); }

    // The child list; created (owning, empty) when `create` is set.
    TTableEntries *children(bool create = false);
    const TTableEntries *children() const { return m_children; }
    bool hasChildren() const;

    // Unit price in cents with the price add-ons (type 11 children).
    qint64 price() const;
    // "article" with every CR or LF replaced by "|".
    QString articleText() const;

    // Common fields.
    QDate date() const { return getDate(QStringLiteral("date")); }
    QTime time() const { return getTime(QStringLiteral("time")); }
    int waiter() const { return getInt(QStringLiteral("waiter")); }
    QString waiterName() const { return getString(QStringLiteral("waitername")); }
    int terminal() const { return getInt(QStringLiteral("terminal")); }
    QString termName() const { return getString(QStringLiteral("termname")); }
    int center() const { return getInt(QStringLiteral("center")); }
    QString centerName() const { return getString(QStringLiteral("centername")); }

    // Order fields (type 3 and components).
    qint64 plu() const { return getLong(QStringLiteral("plu")); }
    QString article() const { return getString(QStringLiteral("article")); }
    qint64 unitPrice() const { return getLong(QStringLiteral("price")); }
    double count() const;
    int family() const { return getInt(QStringLiteral("family")); }
    int famGroup() const { return getInt(QStringLiteral("famgroup")); }
    double taxAmount() const { return getDouble(QStringLiteral("taxamount")); }
    bool isVoided() const { return getBool(QStringLiteral("voided")); }
    bool isCredit() const { return getBool(QStringLiteral("credit")); }

    // Payment and cash fields.
    qint64 amount() const { return getLong(QStringLiteral("amount")); }
    int payform() const { return getInt(QStringLiteral("payform")); }
    qint64 tip() const { return getLong(QStringLiteral("tip")); }

    // Appends the entry, then each child with "father" set to this id.
    void write(QByteArray &out) const;
    // Reads the next record from `reader` and files it in `list`: a record
    // with a "father" that names an entry of the list becomes that entry's
    // next child, anything else is inserted under its own id. Returns the
    // entry, or null when no complete record was left.
    static TTableEntry *read(Basics::TRecordReader &reader, TTableEntries &list);
    // Files an entry just read as read() does.
    static void file(TTableEntry *entry, TTableEntries &list);

private:
    void refresh() const;

    TTableEntries *m_children = nullptr;
    // count and price() as of `m_cached`: reports ask for them once per
    // node, the text is parsed once per change
    mutable quint32 m_cached = ~0u;
    mutable double m_count = 0.0;
    mutable int m_type = 0;
    mutable qint64 m_price = 0;
};

// The creation record of a table: type 1.
class TTableCreate : public TTableEntry
{
public:
    TTableCreate();
    QString tableName() const { return getString(QStringLiteral("tablename")); }
    QString teams() const { return getString(QStringLiteral("teams")); }
};

// Names the system gives to entry kinds; all are plain entries in memory.
using TTableChange = TTableEntry;
using TTableOrder = TTableEntry;
using TTableVoid = TTableEntry;
using TTablePay = TTableEntry;
using TTableSplit = TTableEntry;
using TTableControl = TTableEntry;

// A list of entries keyed by "id". Entries are only read and written as
// part of a table file, so load and save of the list itself do nothing.
class TTableEntries : public Basics::TValueList
{
    Q_OBJECT
public:
    explicit TTableEntries(bool owning = true, QObject *parent = nullptr);

    QString listName() const override;
    QString elementName() const override;
    Basics::TValue *newValue() override;
    int load(const QString &dir, const QString &file) override;
    int load(const char *basePath) override;
    void save(const QString &dir, const QString &file) override;
    void save(const char *basePath) override;
    bool readValueXml(Basics::TValue *value, const QDomElement &element) override;
    void writeValueXml(Basics::TValue *value, QDomDocument &doc, QDomElement &element) override;

    TTableEntry *entry(int id) const { return static_cast<TTableEntry *>(find(id)); }
    // A new list referring to (not owning) the entries of that type.
    TTableEntries *entriesOfType(int type) const;
    // Appends every entry whose id lies in 0 … nextId(), with children.
    void write(QByteArray &out) const;

    // Walks the entries in id order.
    template<typename F>
    void forEach(F f) const
    {
        for (Basics::TValue *v : valueMap())
            f(static_cast<TTableEntry *>(v));
    }
};

} // namespace PosLib
