#pragma once

#include "tentryfacts.h"

#include <QString>

#include <vector>

namespace Basics {
class TRecordReader;
}

namespace PosLib {

class TTable;

// One tax group of a table, as TTable::taxGroups() makes it: the tax id,
// the name and rate of its definition, and the amount in cents.
struct TTaxGroupFacts
{
    int id = 0;
    QString name;
    // The "rate" as the group's record holds it: percent, five decimals.
    QString rate;
    qint64 amount = 0;
};

// A table as reports read it: the facts of its header, its creation record
// and its entries (top-level entries in id order, children with their
// order), read once from a day summary or taken from a table in memory.
// What reports derive from the whole table (its pays, the pay form of its
// orders, its tax groups) is computed once per table.
class TTableFacts
{
public:
    TTableFacts();
    ~TTableFacts();
    TTableFacts(const TTableFacts &) = delete;
    TTableFacts &operator=(const TTableFacts &) = delete;

    enum Result {
        Read, // a table
        Skipped, // a table whose creation record is no creation record
        End, // nothing left that could be read
    };
    // The next table of a day summary, as TArchTable::nextTable() reads it:
    // header, creation record, then entries up to the record of a negative
    // type, children filed under their parents. The facts point into the
    // reader's bytes.
    Result read(Basics::TRecordReader &reader);
    // A table file's records, as TTable::load() reads them: header,
    // creation record and, `withEntries`, every record after them as an
    // entry (a table file has no end record), children filed under their
    // parents. Skipped when the second record is no creation record. The
    // facts point into the reader's bytes.
    Result readFile(Basics::TRecordReader &reader, bool withEntries);
    // Sets a header field after reading, as TValue::set() would.
    void setHeader(TField f, const Basics::TValueField &value) { m_header.set(f, value); }
    // Takes a table in memory, which must outlive these facts.
    void take(const TTable &table);
    void clear();
    // True when no table was read or taken (a leaf or node given no table).
    bool isNull() const { return !m_given; }
    // True when the entries read ended inside a record (the bytes end in it
    // or a length is damaged), as TTable::isCutOff().
    bool isCutOff() const { return m_cutOff; }

    const TEntryFacts &header() const { return m_header; }
    const TEntryFacts &create() const { return m_create; }
    // Top-level entries in id order.
    const std::vector<TEntryFacts *> &entries() const { return m_entries; }
    // The table in memory these facts were taken from; null when read.
    const TTable *table() const { return m_table; }
    // Where the table lies in the bytes it was read from.
    qsizetype begin() const { return m_begin; }
    qsizetype end() const { return m_end; }

    // Header values, as TTable's getters.
    bool vatOh() const { return m_header.getBool(FVatOh); }
    bool inSum() const { return m_header.getBool(FInSum); }
    // The header's value of the field, else the creation record's.
    const TEntryFacts &named(TField f) const { return m_header.has(f) ? m_header : m_create; }
    // The waiter and cost center of the table: header, else creation record.
    int waiter() const { return named(FWaiter).getInt(FWaiter); }
    int center() const { return named(FCenter).getInt(FCenter); }

    // A pay (type 5) among the top-level entries.
    bool hasPays() const;
    // The pay form orders of this table fall under: the header's "payform",
    // else the only pay that is not voided, else 0; -1 without any pay.
    int orderPayform() const;
    // The tax groups of the table by tax id, counting the orders of
    // `waiter` only when it is not null (TTable::taxGroups()).
    void taxGroups(std::vector<TTaxGroupFacts> &out, const Basics::TValue *waiter) const;

private:
    // `untilEnd`: records up to one of a negative type, as a day summary
    // holds them; else to the end of the bytes.
    Result readRecords(Basics::TRecordReader &reader, bool withEntries, bool untilEnd);
    TEntryFacts *newEntry();
    void file(TEntryFacts *entry);
    void derive() const;

    // the fields of the records read so far, by their places
    TFieldOrder m_order;
    TEntryFacts m_header;
    TEntryFacts m_create;
    std::vector<TEntryFacts *> m_entries;
    // entries of earlier tables, kept for reuse
    std::vector<TEntryFacts *> m_spare;
    const TTable *m_table = nullptr;
    bool m_given = false;
    bool m_cutOff = false;
    qsizetype m_begin = 0;
    qsizetype m_end = 0;
    mutable bool m_derived = false;
    mutable bool m_hasPays = false;
    mutable int m_orderPayform = -1;
};

} // namespace PosLib
