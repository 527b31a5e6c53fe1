#pragma once

#include "texactsum.h"
#include "tvalue.h"

#include <QDate>
#include <QStringList>
#include <QTime>

#include <algorithm>

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
    void addSum(TSumName name, qint64 value)
    {
        // most add to a whole sum the leaf has
        TSum *sum = findSumToAdd(name);
        if (sum && !sum->isDecimal) {
            sum->whole += value;
            m_synced = false;
            return;
        }
        addSum(sum, name, value);
    }
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

    // Back to a leaf without fields and sums, its room kept: what a node
    // that keeps its leaves from one day to the next does before the
    // day's first entry of the leaf's key fills it again.
    void restart();
    // The fields of `other` in place of this leaf's own.
    void takeFields(const TReportLeaf &other);
    // The day of its node the leaf was filled in last (see
    // TReportNode::restart()).
    quint32 day() const { return m_day; }
    void setDay(quint32 day) { m_day = day; }

protected:
    // Writes the sums into the record, once per change.
    void syncSums() const;
    void touch() { m_synced = false; }
    // Adds what a leaf held back while entries were added to its named
    // sums; called before anything reads or replaces them. A leaf that
    // holds nothing back has nothing to do.
    virtual void settle() const { }
    // Makes the named sum where the leaf has none yet, as adding to it
    // would, without adding: a sum held back keeps its place among them.
    void makeSum(TSumName name, bool isDecimal);

    TExactSum m_count;
    TExactSum m_amount;
    mutable bool m_synced = false;

private:
    // where findSumToAdd() looks first
    quint8 m_nextSum = 0;
    quint32 m_day = 0;
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
    // The same for adding: leaves add their sums in the same order entry
    // by entry, so the sum after the one added last is tried first.
    TSum *findSumToAdd(TSumName name)
    {
        TSum *sums = m_sums.data();
        const qsizetype count = m_sums.size();
        if (m_nextSum < count && sums[m_nextSum].name == name)
            return &sums[m_nextSum++];
        for (qsizetype i = 0; i < count; ++i) {
            if (sums[i].name == name) {
                m_nextSum = quint8(std::min<qsizetype>(i + 1, 255));
                return &sums[i];
            }
        }
        return nullptr;
    }
    TSum *findSum(const QString &key) const;
    TSum &sumFor(TSumName name, const QString &key, bool isDecimal);
    // addSum() to the sum found (null: none yet)
    void addSum(TSum *sum, TSumName name, qint64 value);
    void addTo(TSum &sum, qint64 value);
    void addTo(TSum &sum, double value);

    mutable QList<TSum> m_sums;
};

} // namespace PosLib
