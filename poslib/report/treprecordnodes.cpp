#include "treprecordnodes.h"

#include "taggregatestream.h"
#include "tfactsof.h"
#include "tnodeparts.h"
#include "ttable.h"
#include "ttableentry.h"

#include <limits>

using namespace Basics;

namespace PosLib {

using namespace NodeParts;

// ---- cash and balance -----------------------------------------------------

TRepRecordNode::TRepRecordNode(const QString &name, std::initializer_list<Column> columns)
    : TReportNode(name)
    , m_columns(columns)
{
    for (const Column &c : m_columns) {
        if (c.cell == Number)
            ++m_numbers;
        else if (c.cell == Text)
            ++m_texts;
    }
}

bool TRepRecordNode::takes(const TEntryFacts &) const
{
    return true;
}

QString TRepRecordNode::keyOf(const TEntryFacts &entry, const TTableFacts &) const
{
    return takes(entry) ? QString::number(leafCount() + 1) : QString();
}

void TRepRecordNode::add(const TEntryFacts &entry, const TTableFacts &)
{
    if (!takes(entry))
        return;
    if (!m_keepRecords) {
        ++m_taken;
        return;
    }
    if (!m_compact) {
        const QString key = QString::number(leafCount() + 1);
        if (TReportLeaf *leaf = leafOf(entry))
            m_leaves.insert(key, leaf);
        return;
    }
    quint32 flags = 0;
    int flag = 0;
    for (const Column &c : m_columns) {
        switch (c.cell) {
        case Number:
            m_numberCells.push_back(entry.getLong(c.field));
            break;
        case Text:
            if (entry.has(c.field)) {
                const TValueField value = entry.get(c.field);
                m_textCells.push_back(m_pool.id(value.text));
                m_types.push_back(quint8(value.type));
            } else {
                m_textCells.push_back(TTextPool::Absent);
                m_types.push_back(0);
            }
            break;
        case Flag:
            if (entry.has(c.field))
                flags |= 1u << flag;
            ++flag;
            break;
        }
    }
    m_flagCells.push_back(flags);
    ++m_rows;
}

void TRepRecordNode::rowRecord(int row, TValue &record) const
{
    const qint64 *numbers = m_numberCells.data() + size_t(row) * size_t(m_numbers);
    const size_t texts = size_t(row) * size_t(m_texts);
    const quint32 flags = m_flagCells[size_t(row)];
    int number = 0;
    int text = 0;
    int flag = 0;
    for (const Column &c : m_columns) {
        switch (c.cell) {
        case Number:
            record.set(fieldName(c.field), TValueField(TypeText, integerText(numbers[number++])));
            break;
        case Text: {
            const quint32 id = m_textCells[texts + size_t(text)];
            if (id != TTextPool::Absent)
                record.set(fieldName(c.field),
                           TValueField(m_types[texts + size_t(text)], m_pool.text(id)));
            ++text;
            break;
        }
        case Flag:
            if (flags & (1u << flag))
                record.set(fieldName(c.field), TValueField(TypeText, QString()));
            ++flag;
            break;
        }
    }
}

TReportLeaf *TRepRecordNode::rowLeaf(int row) const
{
    TValue record;
    rowRecord(row, record);
    TEntryFacts facts;
    facts.takeRecord(record);
    return leafOf(facts);
}

void TRepRecordNode::visitRecords(
        const std::function<void(int number, const TReportLeaf &leaf)> &visit) const
{
    if (m_keepRecords && m_compact) {
        for (int row = 0; row < m_rows; ++row) {
            const std::unique_ptr<TReportLeaf> leaf(rowLeaf(row));
            if (leaf)
                visit(row + 1, *leaf);
        }
        return;
    }
    std::vector<std::pair<qint64, const TReportLeaf *>> numbered;
    for (auto it = m_leaves.cbegin(); it != m_leaves.cend(); ++it)
        numbered.emplace_back(it.key().toLongLong(), it.value());
    std::stable_sort(numbered.begin(), numbered.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &[number, leaf] : numbered)
        visit(int(number), *leaf);
}

bool TRepRecordNode::visitRows(const std::function<void(const Row &row)> &visit) const
{
    if (!m_keepRecords || !m_compact)
        return false;
    Row r;
    r.m_pool = &m_pool;
    for (int row = 0; row < m_rows; ++row) {
        r.m_numbers = m_numberCells.data() + size_t(row) * size_t(m_numbers);
        r.m_texts = m_textCells.data() + size_t(row) * size_t(m_texts);
        r.m_flags = m_flagCells[size_t(row)];
        visit(r);
    }
    return true;
}

void TRepRecordNode::visitLeaves(const LeafVisitor &visit) const
{
    if (!m_keepRecords || !m_compact) {
        TReportNode::visitLeaves(visit);
        return;
    }
    visitRowsByKey(
            m_rows, [](int row) { return QString::number(row + 1); },
            [this](int row) { return rowLeaf(row); }, visit);
}

void TRepRecordNode::materialize() const
{
    if (!m_compact || !m_keepRecords)
        return;
    m_compact = false;
    for (int row = 0; row < m_rows; ++row) {
        if (TReportLeaf *leaf = rowLeaf(row))
            m_leaves.insert(QString::number(row + 1), leaf);
    }
    std::vector<qint64>().swap(m_numberCells);
    std::vector<quint32>().swap(m_textCells);
    std::vector<quint8>().swap(m_types);
    std::vector<quint32>().swap(m_flagCells);
    m_rows = 0;
}

bool TRepRecordNode::restart()
{
    if (!m_compact)
        return false;
    nextDay();
    m_numberCells.clear();
    m_textCells.clear();
    m_types.clear();
    m_flagCells.clear();
    m_rows = 0;
    return true;
}

bool TRepRecordNode::writeDay(TAggregateWriter &out) const
{
    out.boolean(m_compact);
    if (!m_compact)
        return TReportNode::writeDay(out);
    writeTotal(out);
    out.u32(quint32(m_rows));
    for (int row = 0; row < m_rows; ++row) {
        for (int i = 0; i < m_numbers; ++i)
            out.i64(m_numberCells[size_t(row) * size_t(m_numbers) + size_t(i)]);
        for (int i = 0; i < m_texts; ++i) {
            const size_t at = size_t(row) * size_t(m_texts) + size_t(i);
            writePooled(out, m_pool, m_textCells[at]);
            out.u8(m_types[at]);
        }
        out.u32(m_flagCells[size_t(row)]);
    }
    return true;
}

void TRepRecordNode::mergeDay(TAggregateReader &in)
{
    if (!in.boolean()) {
        // the day's leaves, numbered on after the records here
        if (!m_keepRecords) {
            in.fail();
            return;
        }
        materialize();
        TReportNode::mergeDay(in);
        return;
    }
    mergeTotal(in);
    const quint32 rows = in.count(m_numbers + m_texts * 2 + 1);
    for (quint32 r = 0; r < rows && in.ok(); ++r) {
        for (int i = 0; i < m_numbers; ++i)
            m_numberCells.push_back(in.i64());
        for (int i = 0; i < m_texts; ++i) {
            m_textCells.push_back(readPooled(in, m_pool));
            m_types.push_back(in.u8());
        }
        m_flagCells.push_back(in.u32());
        ++m_rows;
        if (!m_compact || !m_keepRecords || !in.ok()) {
            // a node that keeps no records counts the row; one that holds
            // leaves takes it as a leaf
            if (in.ok() && !m_keepRecords) {
                ++m_taken;
            } else if (in.ok()) {
                if (TReportLeaf *leaf = rowLeaf(m_rows - 1))
                    m_leaves.insert(QString::number(m_leaves.size() + 1), leaf);
            }
            m_numberCells.resize(m_numberCells.size() - size_t(m_numbers));
            m_textCells.resize(m_textCells.size() - size_t(m_texts));
            m_types.resize(m_types.size() - size_t(m_texts));
            m_flagCells.pop_back();
            --m_rows;
        }
    }
}

int TRepRecordNode::leafCount() const
{
    if (!m_keepRecords)
        return m_taken;
    return m_compact ? m_rows : int(m_leaves.size());
}

TRepCashNode::TRepCashNode(const QString &name)
    : TRepRecordNode(name, {{FRetCurr, Text},
                            {FRetCurrName, Text},
                            {FRetCurrShort, Text},
                            {FRetCurrRate, Text},
                            {FRetCurrDecPos, Text},
                            {FAmount, Number},
                            {FRetAmount, Number},
                            {FReason, Text}})
{ }

TReportLeaf *TRepCashNode::createLeaf(const TEntryFacts &entry, const TTableFacts &)
{
    return new TRepCashLeaf(entry);
}

TReportLeaf *TRepCashNode::newLeaf() const
{
    return new TRepCashLeaf;
}

QString TRepCashNode::mergedKey(const QString &key, int offset) const
{
    return numberAfter(key, offset);
}

TReportLeaf *TRepCashNode::leafOf(const TEntryFacts &entry) const
{
    auto *leaf = new TRepCashLeaf(entry);
    leaf->add(entry);
    return leaf;
}

TRepCashIns::TRepCashIns()
    : TRepCashNode(QStringLiteral("cashins"))
{ }

bool TRepCashIns::takes(const TEntryFacts &entry) const
{
    return entry.amount() >= 0;
}

TRepCashOuts::TRepCashOuts()
    : TRepCashNode(QStringLiteral("cashouts"))
{ }

bool TRepCashOuts::takes(const TEntryFacts &entry) const
{
    return entry.amount() <= 0;
}

TRepBalanceNode::TRepBalanceNode()
    : TRepRecordNode(QStringLiteral("balances"), {{FCcdAmount, Number},
                                                  {FCcdBalance, Number},
                                                  {FCcdDifferences, Number},
                                                  {FAllWaiters, Flag},
                                                  {FCcdTerminal, Flag},
                                                  {FCcdCostCenter, Flag},
                                                  {FWaiter, Text},
                                                  {FWaiterName, Text},
                                                  {FTerminal, Text},
                                                  {FTermName, Text},
                                                  {FCenter, Text},
                                                  {FCenterName, Text}})
{ }

TReportLeaf *TRepBalanceNode::createLeaf(const TEntryFacts &, const TTableFacts &)
{
    return new TRepBalanceLeaf;
}

TReportLeaf *TRepBalanceNode::newLeaf() const
{
    return new TRepBalanceLeaf;
}

QString TRepBalanceNode::mergedKey(const QString &key, int offset) const
{
    return numberAfter(key, offset);
}

void TRepBalanceNode::visitBalances(
        const std::function<void(const TBalanceRecord &record)> &visit) const
{
    TBalanceRecord b;
    // by the columns of the constructor
    auto text = [](const QString *t) { return t ? *t : QString(); };
    const bool rows = visitRows([&](const Row &row) {
        b.amount = row.number(0);
        b.balance = row.number(1);
        b.differences = row.number(2);
        b.terminal = row.flag(1);
        b.costCenter = row.flag(2);
        b.waiter = text(row.text(0));
        b.waiterName = text(row.text(1));
        b.terminalNumber = text(row.text(2));
        b.termName = text(row.text(3));
        b.center = text(row.text(4));
        b.centerName = text(row.text(5));
        visit(b);
    });
    if (rows)
        return;
    visitRecords([&](int, const TReportLeaf &leaf) {
        b.amount = leaf.getLong(QStringLiteral("ccdamount"));
        b.balance = leaf.getLong(QStringLiteral("ccdbalance"));
        b.differences = leaf.getLong(QStringLiteral("ccddifferences"));
        b.terminal = leaf.getBool(QStringLiteral("ccdterminal"));
        b.costCenter = leaf.getBool(QStringLiteral("ccdcostcenter"));
        b.waiter = leaf.getString(QStringLiteral("waiter"));
        b.waiterName = leaf.getString(QStringLiteral("waitername"));
        b.terminalNumber = leaf.getString(QStringLiteral("terminal"));
        b.termName = leaf.getString(QStringLiteral("termname"));
        b.center = leaf.getString(QStringLiteral("center"));
        b.centerName = leaf.getString(QStringLiteral("centername"));
        visit(b);
    });
}

TReportLeaf *TRepBalanceNode::leafOf(const TEntryFacts &entry) const
{
    auto *leaf = new TRepBalanceLeaf;
    leaf->add(entry);
    return leaf;
}

} // namespace PosLib
