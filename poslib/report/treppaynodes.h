#pragma once

#include "tcurrencytally.h"
#include "tleafindex.h"
#include "tnumberedrows.h"
#include "treportnodebase.h"
#include "treppayleaves.h"
#include "ttextpool.h"

#include <QHash>
#include <QMap>
#include <QString>

#include <deque>
#include <functional>
#include <iterator>
#include <memory>
#include <vector>

namespace PosLib {

// ---- pay nodes ------------------------------------------------------------

class TRepPayNode : public TReportNode
{
public:
    explicit TRepPayNode(const QString &name);
    const TReportLeaf *total() const override { return m_total.get(); }
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    void writeText(const QString &prefix, const Basics::TValue &record, QTextStream &out,
                   QStringList &columns) const override;
    void writeXml(QDomDocument &doc, QDomNode &parent) const override;

protected:
    virtual bool addToTotal(const TEntryFacts &entry);
    std::unique_ptr<TRepPayLeaf> m_total;
};

class TRepPays : public TRepPayNode
{
public:
    TRepPays();
    // Every pay counts in the total; the node has no leaves.
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    bool restart() override;

protected:
    bool addToTotal(const TEntryFacts &entry) override;
};

// A pay of a node with a leaf per pay as its compact row holds it: what
// the pay's leaf would hold, for a writer that reads a year of pays without
// making a leaf of each (TRepPayforms::visitRows()).
struct TPayRow
{
    // the texts the leaf copies from the pay, named as the leaf names them
    // ("payform", "payformname", "intermsum", "waiter", "waitername",
    // "curr", "currname", "currshort", "currrate", "currdecpos")
    enum Text {
        Payform,
        PayformName,
        InTermSum,
        Waiter,
        WaiterName,
        Curr,
        CurrName,
        CurrShort,
        CurrRate,
        CurrDecPos,
        Texts
    };
    int number = 0; // the leaf's key
    const QString *texts[Texts] {}; // null where the pay had no such field
    // "vatoh", "insum" and "billnum" come with a table only
    bool hasTable = false;
    bool vatOh = false;
    bool inSum = false;
    // "billnum" as a text, or as a number when the text is one written
    // plainly (no sign, no leading zero); neither: the table had none
    const QString *billText = nullptr;
    qint64 billNumber = -1;
    // the pay's sums, when it is taken: a voided pay's leaf has none
    bool taken = false;
    TPayValues pay;

    // The leaf's count and amount (tip included).
    double count() const { return taken ? 1.0 : 0.0; }
    double amount() const { return taken ? double(pay.amount) + double(pay.tip) : 0.0; }
};

class TRepPayforms : public TRepPayNode
{
public:
    TRepPayforms();
    // The rows a node with a leaf per pay holds in memory before it writes
    // them to a temporary file (TNumberedRows; 0: never), for the nodes
    // made from then on; 1024 unless set (tests set a few).
    static void setSpoolRows(int rows);
    static int spoolRows();
    TReportLeaf *newLeaf() const override;
    bool writeDay(TAggregateWriter &out) const override;
    void mergeDay(TAggregateReader &in) override;
    // The leaves and their index kept, or the rows and notes emptied (the
    // texts and copied fields they are numbered by kept); false for a node
    // whose rows were made leaves.
    bool restart() override;
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    using TRepPayNode::createLeaf;
    using TRepPayNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

    // By currency number; empty but for the nodes with a leaf per pay.
    const QMap<int, TCurrencySums> &currencySums() const { return m_tally.sums(); }
    // Whether the node keeps a note of each pay, so that it can be written
    // as a day aggregate (by default; TRepDatas::setKeepDayNotes()).
    void setKeepDayNotes(bool keep) { m_tally.setKeepNotes(keep); }
    bool keepsDayNotes() const { return m_tally.keepsNotes(); }
    // Calls `visit` for each pay of a node with a leaf per pay, in the
    // order of leaves() and visitLeaves(), without making leaves; false
    // (nothing visited) when the node holds leaves instead of rows.
    using RowVisitor = std::function<void(const TPayRow &row)>;
    bool visitRows(const RowVisitor &visit) const;

protected:
    // A node with a leaf per pay ("currencies", "currreturns"), in the
    // currency of the pay or of its change: compact rows until asked for,
    // beyond spoolRows() of them in a temporary file, sums per currency
    // always.
    TRepPayforms(const QString &name, bool returnMode);
    // Whether a pay gets a leaf of its own here.
    virtual bool takesPay(const TEntryFacts &entry) const;
    void visitLeaves(const LeafVisitor &visit) const override;
    void materialize() const override;
    int leafCount() const override;
    void refill(TReportLeaf &leaf, const TEntryFacts &entry, const TTableFacts &table) override;

private:
    // the fields a pay's leaf copies but the bill number, by text numbers
    // (by TPayRow::Text), which repeat from pay to pay
    struct Copied
    {
        quint32 text[TPayRow::Texts];
        bool hasTable;
        bool vatOh;
        bool inSum;
        bool operator==(const Copied &o) const;
        friend size_t qHash(const Copied &c, size_t seed = 0)
        {
            return qHashMulti(seed, qHashRange(std::begin(c.text), std::end(c.text)), c.hasTable,
                              c.vatOh, c.inSum);
        }
    };
    // a leaf as a row: a year's waiter report keeps a few hundred
    // thousand, so the pay's sums are kept in 32 bits where they fit
    struct Row
    {
        // amount, tip, guests, return, retamount, given, orggiven; for a
        // wide row the first is the number of its sums in m_wide
        qint32 pay[7];
        quint32 copied; // into m_copied
        // the table's bill number, or the number of its text
        quint32 billNum;
        bool billIsNumber;
        bool taken;
        bool wide;
    };
    void setPay(Row &row, const TPayValues &pay);
    TPayValues payOf(const Row &row) const;
    TReportLeaf *leafOf(const Row &row) const;
    // The copied fields by the texts of this node.
    quint32 internCopied(const Copied &c);
    quint32 copiedOf(const TEntryFacts &entry, const TTableFacts &table);
    // The same through the bytes of the fields as the file holds them:
    // one lookup instead of a text per field; false for facts of a record
    // in memory.
    bool rawCopiedOf(const TEntryFacts &entry, const TTableFacts &table, quint32 &id);
    // The bill number of a pay's table into a row.
    void setBillNum(Row &row, const TTableFacts &table);
    void setBillNum(Row &row, const QString &text, bool present);
    TPayRow payRow(const Row &row, int number) const;

    bool m_perPay = false;
    bool m_returnMode = false;
    mutable TNumberedRows<Row> m_rows;
    mutable std::vector<TPayValues> m_wide;
    mutable bool m_compact = true;
    TTextPool m_texts;
    std::vector<Copied> m_copied;
    QHash<Copied, quint32> m_copiedIds;
    // by the raw bytes of the copied fields (rawCopiedOf)
    QHash<QByteArray, quint32> m_rawCopied;
    QByteArray m_rawKey;
    TCurrencyTally m_tally;
    // by the pay form's number and the table's and pay's summary flags
    TRawLeafIndex<quint64> m_raw;
};

class TRepSubvents : public TRepPayNode
{
public:
    TRepSubvents();
    TReportLeaf *newLeaf() const override;
    bool writeDay(TAggregateWriter &out) const override;
    void mergeDay(TAggregateReader &in) override;
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    using TRepPayNode::createLeaf;
    using TRepPayNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;
    // Pays that carried a subvention.
    int subventionCount() const { return m_subventions; }

private:
    int m_subventions = 0;
};

// "currencies": one leaf per pay that counts in the cash summary.
class TRepCurrencies : public TRepPayforms
{
public:
    TRepCurrencies();
    using TRepPayforms::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;

protected:
    bool takesPay(const TEntryFacts &entry) const override;
};

// "currreturns": one leaf per pay, in the currency of its change.
class TRepCurrReturns : public TRepPayforms
{
public:
    TRepCurrReturns();
    using TRepPayforms::createLeaf;
    using TRepPayforms::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

protected:
    bool takesPay(const TEntryFacts &entry) const override;
};

class TRepHotelRooms : public TRepPayNode
{
public:
    TRepHotelRooms();
    TReportLeaf *newLeaf() const override;
    QString mergedKey(const QString &key, int offset) const override;
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    using TRepPayNode::createLeaf;
    using TRepPayNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;
    // Calls `visit` for every leaf in the order of the hotel room report: by
    // the date and time (to the second) of its pay, leaves of the same
    // second in the order of their keys.
    void visitByTime(const std::function<void(const TReportLeaf &leaf)> &visit) const;

protected:
    int leafCount() const override;
    bool spoolable() const override;

private:
    // "yyyyMMddhhmmss" of the leaf's pay
    static QString timeText(const TReportLeaf &leaf);
};

} // namespace PosLib
