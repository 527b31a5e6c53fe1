#pragma once

#include "treportleaf.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <memory>

namespace PosLib {

class TAggregateReader;
class TAggregateWriter;
class TEntryFacts;
class TKeptFill;
class TTable;
class TTableEntry;
class TTableFacts;

// ---- pay leaves ----------------------------------------------------------

// What pay leaves sum of one pay: its amount, tip and guests, its change
// ("return", and "retamount" in the currency of the change), what was
// handed over ("given", else the amount) and that in the pay's currency
// ("orggiven", else the same).
struct TPayValues
{
    qint64 amount = 0;
    qint64 tip = 0;
    qint64 guests = 0;
    qint64 ret = 0;
    qint64 retAmount = 0;
    qint64 given = 0;
    qint64 orgGiven = 0;

    static TPayValues of(const TEntryFacts &pay);
};

class TRepPayLeaf : public TReportLeaf
{
public:
    // A voided pay is not taken; else count + 1, amount, "tip", "guests".
    virtual bool addEntry(TTableEntry *entry);
    virtual bool add(const TEntryFacts &entry);
    // Counts a pay that is taken.
    void takePay(const TPayValues &pay);
};

// One pay form (or currency): amount includes the tips; "given",
// "orggiven", "return", "retamount" sums.
class TRepPayform : public TRepPayLeaf
{
public:
    TRepPayform(const TTableEntry *entry, const TTable *table, bool returnMode = false);
    TRepPayform(const TEntryFacts &entry, const TTableFacts &table, bool returnMode = false);
    // A leaf without values yet, which its node fills from a pay it kept.
    explicit TRepPayform(bool returnMode);
    ~TRepPayform() override;
    // Sets the fields the constructor sets (on a leaf without fields).
    void fill(const TEntryFacts &entry, const TTableFacts &table);
    // Empties the leaf and fills it as fill() does, setting again only the
    // fields that changed since the last refill (TKeptFill).
    void refill(const TEntryFacts &entry, const TTableFacts &table);
    using TRepPayLeaf::addEntry;
    bool add(const TEntryFacts &entry) override;
    bool returnMode() const { return m_returnMode; }
    // Counts a pay that is taken.
    void takePay(const TPayValues &pay);

private:
    bool m_returnMode;
    std::unique_ptr<TKeptFill> m_kept;
    bool m_keptWithTable = false; // the last refill's table
};

class TRepSubvent : public TRepPayform
{
public:
    TRepSubvent()
        : TRepPayform(false)
    { }
    TRepSubvent(const TTableEntry *entry, const TTable *table);
    TRepSubvent(const TEntryFacts &entry, const TTableFacts &table);
    using TRepPayform::addEntry;
    bool add(const TEntryFacts &entry) override;
};

class TRepHotelRoom : public TRepPayform
{
public:
    TRepHotelRoom()
        : TRepPayform(false)
    { }
    TRepHotelRoom(const TTableEntry *entry, const TTable *table);
    TRepHotelRoom(const TEntryFacts &entry, const TTableFacts &table);
    using TRepPayform::addEntry;
    bool add(const TEntryFacts &entry) override;
    // Date and time of the pay that created the leaf.
    QDate payDate() const { return m_payDate; }
    QTime payTime() const { return m_payTime; }
    // Its "date" and "time" fields, read without writing the sums into the
    // record first (a day aggregate of the leaf would hold them then).
    QDate fieldDate() const;
    QTime fieldTime() const;
    void writeState(TAggregateWriter &out) const override;
    void readState(TAggregateReader &in, bool fresh) override;

private:
    QDate m_payDate;
    QTime m_payTime;
};

// One paid table: its pays as text "payform:given-return:tip;…".
class TRepTable : public TRepPayLeaf
{
public:
    TRepTable(const TTableEntry *entry, const TTable *table);
    TRepTable(const TEntryFacts &entry, const TTableFacts &table);
    // A leaf without values yet, which its node fills from what it kept:
    // the date and time of the pay that makes it, those of the table,
    // whether the table is in house.
    TRepTable(const QDate &payDate, const QTime &payTime, const QDate &tableDate,
              const QTime &tableTime, bool inHouse);
    using TRepPayLeaf::addEntry;
    bool add(const TEntryFacts &entry) override;
    // Counts a pay that is taken: its values, given minus return, its pay
    // form's name, its date and time.
    void takePay(const TPayValues &pay, qint64 net, const QString &payformName, const QDate &date,
                 const QTime &time);

    QDate payDate() const { return m_payDate; }
    QTime payTime() const { return m_payTime; }
    QDate tableDate() const { return m_tableDate; }
    QTime tableTime() const { return m_tableTime; }
    QDate zeroPayDate() const { return m_zeroDate; }
    QTime zeroPayTime() const { return m_zeroTime; }
    bool inHouse() const { return m_inHouse; }
    QString pays() const { return m_pays; }

private:
    QDate m_payDate;
    QTime m_payTime;
    QDate m_tableDate;
    QTime m_tableTime;
    QDate m_zeroDate;
    QTime m_zeroTime;
    bool m_inHouse;
    QString m_pays;
};

} // namespace PosLib
