#pragma once

#include "texactsum.h"
#include "tvalue.h"

#include <QDate>
#include <QStringList>
#include <QTime>

class QTextStream;

namespace PosLib {

class TAggregateReader;
class TAggregateWriter;
class TEntryFacts;
class TTable;
class TTableEntry;
class TTableFacts;

// The named sums of leaves and groups ("tip", "given", "net", …), known by
// number: adding to a sum finds it by its number, not by its name.
enum TSumName : qint8 {
    SumTip,
    SumGuests,
    SumReturn,
    SumRetAmount,
    SumGiven,
    SumOrgGiven,
    SumSubvAmount,
    SumCcdAmount,
    SumCcdBalance,
    SumCcdDifferences,
    SumRepOrderCount,
    SumSumOh,
    SumSumIh,
    SumRepVoidCount,
    SumRepPayTermSum,
    SumDiscount,
    SumNet,
    SumVat,
    SumCredits,
    SumVoids,
    SumCash,
    SumTableCount,
    SumTableAmount,
    SumNames, // the number of names
    SumOther = -1, // a name not among these
};
// The name of a sum in the record ("tip" for SumTip).
const QString &sumName(TSumName name);
// The number of a name; SumOther for any other.
TSumName sumNameOf(const QString &name);

// A keyed record of a report plus two running sums, count and amount, and
// named sums ("tip", "guests", ...). The sums are kept as numbers while
// entries are added (a report adds millions of entries but reads each leaf a
// few times) and written into the record as "count", "amount" and their names
// whenever it is read. The record is a protected base: every way to read it
// (the getters here, fields(), record()) brings it up to date first, so no
// reader ever sees a stale sum.
class TReportLeaf : protected Basics::TValue
{
public:
    using Fields = Basics::TValue::Fields;

    TReportLeaf();
    ~TReportLeaf() override;

    double count() const { return m_count; }
    double amount() const { return m_amount; }
    // Adds to the running sums.
    void add(double count, double amount);
    // A named long sum of the record, e.g. "tip".
    qint64 sum(TSumName name) const;
    void addSum(TSumName name, qint64 value);
    double doubleSum(TSumName name) const;
    void addDoubleSum(TSumName name, double value);
    // The same by name, for any name.
    qint64 sum(const QString &key) const;
    void addSum(const QString &key, qint64 value);
    double doubleSum(const QString &key) const;
    void addDoubleSum(const QString &key, double value);
    // Copies the named fields of `from` that it has (values fixed by the
    // first entry that creates a leaf).
    void copyFields(const Basics::TValue &from, std::initializer_list<const char *> keys);

    // The record, current at the moment of the call (read it again after
    // adding more).
    const Basics::TValue &record() const
    {
        syncSums();
        return *this;
    }
    const Fields &fields() const { return record().fields(); }
    bool has(const QString &name) const { return record().has(name); }
    Basics::TValueField get(const QString &name,
                            const Basics::TValueField &def = Basics::TValueField()) const
    {
        return record().get(name, def);
    }
    QString getString(const QString &name, const QString &def = QString()) const
    {
        return record().getString(name, def);
    }
    int getInt(const QString &name, int def = 0) const { return record().getInt(name, def); }
    qint64 getLong(const QString &name, qint64 def = 0) const
    {
        return record().getLong(name, def);
    }
    double getDouble(const QString &name, double def = 0.0) const
    {
        return record().getDouble(name, def);
    }
    bool getBool(const QString &name, bool def = false) const
    {
        return record().getBool(name, def);
    }
    QDate getDate(const QString &name) const { return record().getDate(name); }
    QTime getTime(const QString &name) const { return record().getTime(name); }
    QString name() const { return record().name(); }

    // Plain fields beside the sums.
    using Basics::TValue::id;
    using Basics::TValue::set;
    using Basics::TValue::setBool;
    using Basics::TValue::setDate;
    using Basics::TValue::setDouble;
    using Basics::TValue::setId;
    using Basics::TValue::setInt;
    using Basics::TValue::setName;
    using Basics::TValue::setString;
    using Basics::TValue::setTime;

    // One ";"-separated line: "partcount", this record's values, then
    // `record`'s values (these win); columns not yet in `columns` are
    // appended to it.
    virtual void writeRecord(const Basics::TValue &record, QTextStream &out,
                             QStringList &columns) const;

    // A day aggregate: writes everything the leaf holds; reads it into a
    // new leaf (`fresh`), or adds it to this one as a later day's (the
    // fields the first entry fixed stay, sums add up, what the last entry
    // sets is taken over).
    virtual void writeState(TAggregateWriter &out) const;
    virtual void readState(TAggregateReader &in, bool fresh);

protected:
    // Writes the sums into the record, once per change.
    void syncSums() const;
    void touch() { m_synced = false; }

    TExactSum m_count;
    TExactSum m_amount;
    mutable bool m_synced = false;

private:
    // The named sums, kept as numbers while entries are added and written
    // into the record with "count" and "amount": a year's report holds a
    // leaf per table and pay, and text fields rewritten on every entry
    // would cost an allocation each time and memory all along.
    struct TSum
    {
        QString key;
        TSumName name = SumOther;
        bool isDecimal = false;
        qint64 whole = 0;
        TExactSum decimal;
    };
    TSum *findSum(TSumName name) const
    {
        for (TSum &sum : m_sums) {
            if (sum.name == name)
                return &sum;
        }
        return nullptr;
    }
    TSum *findSum(const QString &key) const;
    TSum &sumFor(TSumName name, const QString &key, bool isDecimal);
    void addTo(TSum &sum, qint64 value);
    void addTo(TSum &sum, double value);

    mutable QList<TSum> m_sums;
};

// ---- order leaves: fed by article orders --------------------------------

// Every leaf takes an entry of a table in memory (addEntry) or the facts
// of one (add, what the report generator uses); both count alike. The
// constructors likewise.

class TRepOrderLeaf : public TReportLeaf
{
public:
    // count 0: not taken; else count += count, amount += price x count.
    virtual bool addEntry(TTableEntry *entry, const TTable *table);
    virtual bool add(const TEntryFacts &entry, const TTableFacts &table);
};

class TRepOrder : public TRepOrderLeaf
{
public:
    // A leaf without values yet, which a day aggregate fills.
    TRepOrder() = default;
    TRepOrder(const TTableEntry *entry, const TTable *table);
    TRepOrder(const TEntryFacts &entry, const TTableFacts &table);
};

class TRepFamily : public TRepOrderLeaf
{
public:
    TRepFamily() = default;
    explicit TRepFamily(const TTableEntry *entry);
    explicit TRepFamily(const TEntryFacts &entry);
};

class TRepFamGroup : public TRepOrderLeaf
{
public:
    TRepFamGroup() = default;
    explicit TRepFamGroup(const TTableEntry *entry);
    explicit TRepFamGroup(const TEntryFacts &entry);
};

class TRepArticle : public TRepOrderLeaf
{
public:
    TRepArticle() = default;
    explicit TRepArticle(const TTableEntry *entry);
    explicit TRepArticle(const TEntryFacts &entry);
};

class TRepDiscount : public TRepArticle
{
public:
    TRepDiscount() = default;
    explicit TRepDiscount(const TTableEntry *entry);
    explicit TRepDiscount(const TEntryFacts &entry);
    using TRepArticle::addEntry;
    bool add(const TEntryFacts &entry, const TTableFacts &table) override;
};

class TRepDepartment : public TRepArticle
{
public:
    // The entry's "department" and "depname".
    TRepDepartment() = default;
    explicit TRepDepartment(const TTableEntry *entry);
    // Of the department the entry counts in.
    TRepDepartment(const TEntryFacts &entry, int department, const QString &name);
};

class TRepHour : public TRepOrderLeaf
{
public:
    TRepHour() = default;
    explicit TRepHour(int hour);
    int hour() const { return getInt(QStringLiteral("hour")); }
};

// VAT of one rate: net and VAT doubles besides count and amount.
class TRepVatRate : public TRepOrderLeaf
{
public:
    TRepVatRate() = default;
    TRepVatRate(const TTableEntry *entry, const TTable *table);
    TRepVatRate(const TEntryFacts &entry, const TTableFacts &table);
    using TRepOrderLeaf::addEntry;
    bool add(const TEntryFacts &entry, const TTableFacts &table) override;

    double net() const { return doubleSum(SumNet); }
    double vat() const { return doubleSum(SumVat); }
    void addVat(double vat);
};

// ---- void leaves ---------------------------------------------------------

class TRepVoidLeaf : public TReportLeaf
{
public:
    // count 0: not taken; else count += count, amount += the void's amount.
    virtual bool addEntry(TTableEntry *entry);
    virtual bool add(const TEntryFacts &entry);
};

class TRepVoid : public TRepVoidLeaf
{
public:
    TRepVoid() = default;
    explicit TRepVoid(const TTableEntry *entry, const TTable *table);
    TRepVoid(const TEntryFacts &entry, const TTableFacts &table);
    using TRepVoidLeaf::addEntry;
    bool add(const TEntryFacts &entry) override;
    QDate date() const { return m_date; }
    QTime time() const { return m_time; }
    void writeState(TAggregateWriter &out) const override;
    void readState(TAggregateReader &in, bool fresh) override;

private:
    QDate m_date;
    QTime m_time;
    bool m_dated = false; // date and time come from a void taken
};

class TRepVArticle : public TRepVoidLeaf
{
public:
    TRepVArticle() = default;
    explicit TRepVArticle(const TTableEntry *entry);
    explicit TRepVArticle(const TEntryFacts &entry);
};

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

protected:
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
    using TRepPayLeaf::addEntry;
    bool add(const TEntryFacts &entry) override;
    bool returnMode() const { return m_returnMode; }
    // Counts a pay that is taken.
    void takePay(const TPayValues &pay);

private:
    bool m_returnMode;
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

// ---- cash and balance ----------------------------------------------------

class TRepCashLeaf : public TReportLeaf
{
public:
    TRepCashLeaf() = default;
    explicit TRepCashLeaf(const TTableEntry *entry);
    explicit TRepCashLeaf(const TEntryFacts &entry);
    bool addEntry(TTableEntry *entry);
    bool add(const TEntryFacts &entry);
    // The currency of the cash record, from its return-currency values.
    const Basics::TValue &currency() const { return m_currency; }
    qint64 retAmount() const { return sum(SumRetAmount); }
    QString reason() const { return getString(QStringLiteral("reason")); }
    void writeState(TAggregateWriter &out) const override;
    void readState(TAggregateReader &in, bool fresh) override;

private:
    Basics::TValue m_currency;
};

class TRepBalanceLeaf : public TReportLeaf
{
public:
    bool addEntry(TTableEntry *entry);
    bool add(const TEntryFacts &entry);
};

} // namespace PosLib
