#include "treppaynodes.h"

#include "taggregatestream.h"
#include "tcurrencyfields.h"
#include "tfactsof.h"
#include "tnodeparts.h"
#include "ttable.h"
#include "ttableentry.h"

#include <QTextStream>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>

using namespace Basics;

namespace PosLib {

using namespace NodeParts;

// ---- pay nodes ------------------------------------------------------------

TRepPayNode::TRepPayNode(const QString &name)
    : TReportNode(name)
    , m_total(new TRepPayLeaf)
{ }

void TRepPayNode::add(const TEntryFacts &entry, const TTableFacts &table)
{
    const QString key = keyOf(entry, table);
    if (key.isEmpty())
        return;
    addToTotal(entry);
    if (auto *leaf = static_cast<TRepPayLeaf *>(leafFor(key, entry, table)))
        leaf->add(entry);
}

bool TRepPayNode::addToTotal(const TEntryFacts &entry)
{
    return m_total->add(entry);
}

void TRepPayNode::writeText(const QString &prefix, const TValue &record, QTextStream &out,
                            QStringList &columns) const
{
    writeFile(prefix, record);
    m_total->writeRecord(record, out, columns);
}

void TRepPayNode::writeXml(QDomDocument &doc, QDomNode &parent) const
{
    TReportNode::writeXml(doc, parent);
}

TRepPays::TRepPays()
    : TRepPayNode(QStringLiteral("Payments"))
{ }

void TRepPays::add(const TEntryFacts &entry, const TTableFacts &)
{
    addToTotal(entry);
}

bool TRepPays::addToTotal(const TEntryFacts &entry)
{
    if (!TRepPayNode::addToTotal(entry))
        return false;
    m_total->addSum(SumGiven, entry.getLong(FGiven));
    m_total->addSum(SumReturn, entry.getLong(FReturn));
    if (entry.getBool(FInTermSum))
        m_total->addSum(SumRepPayTermSum, entry.amount());
    return true;
}

namespace {

std::atomic<int> g_spoolRows {1024};

} // namespace

void TRepPayforms::setSpoolRows(int rows)
{
    g_spoolRows = rows;
}

int TRepPayforms::spoolRows()
{
    return g_spoolRows;
}

bool TRepPays::restart()
{
    nextDay();
    m_total->restart();
    return true;
}

TRepPayforms::TRepPayforms()
    : TRepPayNode(QStringLiteral("payforms"))
    , m_tally(m_texts, false)
{ }

bool TRepPayforms::restart()
{
    if (m_perPay && (!m_compact || !m_leaves.isEmpty()))
        return false;
    nextDay();
    m_total->restart();
    m_rows.clear();
    m_wide.clear();
    m_tally.clear();
    return true;
}

void TRepPayforms::refill(TReportLeaf &leaf, const TEntryFacts &entry, const TTableFacts &table)
{
    static_cast<TRepPayform &>(leaf).refill(entry, table);
}

TRepPayforms::TRepPayforms(const QString &name, bool returnMode)
    : TRepPayNode(name)
    , m_perPay(true)
    , m_returnMode(returnMode)
    , m_rows(g_spoolRows)
    , m_tally(m_texts, returnMode)
{ }

QString TRepPayforms::keyOf(const TEntryFacts &entry, const TTableFacts &table) const
{
    QString key = withoutLineBreaks(entry.getString(FPayformName)) + QLatin1Char('_')
                  + QString::number(entry.getInt(FPayform));
    if (!table.isNull() && table.inSum())
        key += QLatin1String("insum");
    if (entry.getBool(FInTermSum))
        key += QLatin1String("intermsum");
    return key;
}

TReportLeaf *TRepPayforms::createLeaf(const TEntryFacts &entry, const TTableFacts &table)
{
    return new TRepPayform(entry, table);
}

TReportLeaf *TRepPayforms::newLeaf() const
{
    return new TRepPayform(false);
}

bool TRepPayforms::takesPay(const TEntryFacts &) const
{
    return true;
}

bool TRepPayforms::Copied::operator==(const Copied &o) const
{
    return std::equal(std::begin(text), std::end(text), std::begin(o.text))
           && hasTable == o.hasTable && vatOh == o.vatOh && inSum == o.inSum;
}

namespace {

// The fields a pay's leaf copies, by TPayRow::Text, in the currency of the
// pay or of its change.
const TField CopiedFields[2][TPayRow::Texts]
        = {{FPayform, FPayformName, FInTermSum, FWaiter, FWaiterName, OwnCurrency[0],
            OwnCurrency[1], OwnCurrency[2], OwnCurrency[3], OwnCurrency[4]},
           {FPayform, FPayformName, FInTermSum, FWaiter, FWaiterName, ReturnCurrency[0],
            ReturnCurrency[1], ReturnCurrency[2], ReturnCurrency[3], ReturnCurrency[4]}};

// The value of digits written plainly: no sign, no leading zero, at most
// nine digits, so that the number's text is the same text again.
template<typename Unit>
bool plainNumber(const Unit *digit, qsizetype length, int step, quint32 &value)
{
    if (length < 1 || length > 9)
        return false;
    quint32 v = 0;
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c
                = step == 2 ? char16_t(digit[2 * i] << 8 | digit[2 * i + 1]) : char16_t(digit[i]);
        if (c < '0' || c > '9' || (i == 0 && c == '0' && length > 1))
            return false;
        v = v * 10 + quint32(c - '0');
    }
    value = v;
    return true;
}

} // namespace

quint32 TRepPayforms::copiedOf(const TEntryFacts &entry, const TTableFacts &table)
{
    quint32 id = 0;
    if (rawCopiedOf(entry, table, id))
        return id;
    Copied c;
    auto text = [&](const TEntryFacts &from, TField f) {
        return from.has(f) ? m_texts.id(from.getString(f)) : TTextPool::Absent;
    };
    c.hasTable = !table.isNull();
    c.vatOh = c.hasTable && table.vatOh();
    c.inSum = c.hasTable && table.inSum();
    for (int i = 0; i < TPayRow::Texts; ++i)
        c.text[i] = text(entry, CopiedFields[m_returnMode][i]);
    return internCopied(c);
}

bool TRepPayforms::rawCopiedOf(const TEntryFacts &entry, const TTableFacts &table, quint32 &id)
{
    // the bytes of each field with its length (-1: null), 0xff for one
    // the pay has not, then the table's flags; made in one piece, as each
    // pay of a year's data asks for it
    TRawString raws[TPayRow::Texts];
    bool present[TPayRow::Texts];
    qsizetype size = 1;
    for (int i = 0; i < TPayRow::Texts; ++i) {
        const TField f = CopiedFields[m_returnMode][i];
        present[i] = entry.has(f);
        if (!present[i]) {
            ++size;
            continue;
        }
        if (!entry.rawText(f, raws[i]))
            return false;
        size += 1 + qsizetype(sizeof raws[i].size) + std::max(raws[i].size, 0);
    }
    m_rawKey.resize(size);
    char *o = m_rawKey.data();
    for (int i = 0; i < TPayRow::Texts; ++i) {
        if (!present[i]) {
            *o++ = char(0xff);
            continue;
        }
        *o++ = char(0);
        std::memcpy(o, &raws[i].size, sizeof raws[i].size);
        o += sizeof raws[i].size;
        if (raws[i].size > 0) {
            std::memcpy(o, raws[i].data, size_t(raws[i].size));
            o += raws[i].size;
        }
    }
    const bool hasTable = !table.isNull();
    *o = char(hasTable ? 1 + (table.vatOh() ? 2 : 0) + (table.inSum() ? 4 : 0) : 0);
    auto it = m_rawCopied.constFind(m_rawKey);
    if (it != m_rawCopied.cend()) {
        id = it.value();
        return true;
    }
    Copied c;
    c.hasTable = hasTable;
    c.vatOh = hasTable && table.vatOh();
    c.inSum = hasTable && table.inSum();
    for (int i = 0; i < TPayRow::Texts; ++i) {
        const TField f = CopiedFields[m_returnMode][i];
        c.text[i] = entry.has(f) ? m_texts.id(entry.getString(f)) : TTextPool::Absent;
    }
    id = internCopied(c);
    m_rawCopied.insert(m_rawKey, id);
    return true;
}

void TRepPayforms::setBillNum(Row &row, const TTableFacts &table)
{
    row.billIsNumber = false;
    row.billNum = TTextPool::Absent;
    if (table.isNull() || !table.header().has(FBillNum))
        return;
    TRawString raw;
    quint32 number = 0;
    if (table.header().rawText(FBillNum, raw)) {
        if (raw.size > 0 && plainNumber(raw.data, raw.size / 2, 2, number)) {
            row.billIsNumber = true;
            row.billNum = number;
            return;
        }
    }
    setBillNum(row, table.header().getString(FBillNum), true);
}

void TRepPayforms::setBillNum(Row &row, const QString &text, bool present)
{
    quint32 number = 0;
    row.billIsNumber = present && plainNumber(text.utf16(), text.size(), 1, number);
    row.billNum = row.billIsNumber ? number : present ? m_texts.id(text) : TTextPool::Absent;
}

quint32 TRepPayforms::internCopied(const Copied &c)
{
    auto it = m_copiedIds.constFind(c);
    if (it != m_copiedIds.cend())
        return it.value();
    const quint32 id = quint32(m_copied.size());
    m_copied.push_back(c);
    m_copiedIds.insert(c, id);
    return id;
}

void TRepPayforms::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (!m_perPay) {
        TRawString raw;
        if (!entry.rawText(FPayformName, raw) || raw.isNull()) {
            TRepPayNode::add(entry, table);
            return;
        }
        // the key's parts but the name, which the index compares as bytes
        const quint64 number = quint64(quint32(entry.getInt(FPayform)))
                               | quint64(!table.isNull() && table.inSum()) << 32
                               | quint64(entry.getBool(FInTermSum)) << 33;
        TReportLeaf *leaf = current(m_raw.find(number, raw), entry, table);
        if (!leaf) {
            leaf = leafFor(keyOf(entry, table), entry, table);
            m_raw.insert(number, raw, leaf);
        }
        // the total and the leaf take the same values of a pay not voided
        if (!entry.getBool(FVoided)) {
            const TPayValues pay = TPayValues::of(entry);
            m_total->takePay(pay);
            static_cast<TRepPayform *>(leaf)->takePay(pay);
        }
        return;
    }
    if (!takesPay(entry))
        return;
    const bool taken = !entry.getBool(FVoided);
    const TPayValues pay = taken ? TPayValues::of(entry) : TPayValues();
    if (taken)
        m_total->takePay(pay);
    const int number = leafCount() + 1;
    const bool kept = m_keepRecords && m_compact;
    const quint32 copied = kept ? copiedOf(entry, table) : 0;
    m_tally.count(entry, table, number, pay);
    if (!m_keepRecords) {
        ++m_taken;
        return;
    }
    if (!m_compact) {
        if (auto *leaf = static_cast<TRepPayLeaf *>(leafFor(QString::number(number), entry, table)))
            leaf->add(entry);
        return;
    }
    Row row;
    setPay(row, pay);
    row.copied = copied;
    setBillNum(row, table);
    row.taken = taken;
    m_rows.push_back(row);
}

int TRepPayforms::leafCount() const
{
    if (m_perPay && !m_keepRecords)
        return m_taken;
    return m_perPay && m_compact ? m_rows.size() : int(m_leaves.size());
}

void TRepPayforms::setPay(Row &row, const TPayValues &pay)
{
    const qint64 values[7]
            = {pay.amount, pay.tip, pay.guests, pay.ret, pay.retAmount, pay.given, pay.orgGiven};
    row.wide = std::any_of(std::begin(values), std::end(values), [](qint64 v) {
        return v < std::numeric_limits<qint32>::min() || v > std::numeric_limits<qint32>::max();
    });
    if (row.wide) {
        std::fill(std::begin(row.pay), std::end(row.pay), 0);
        row.pay[0] = qint32(m_wide.size());
        m_wide.push_back(pay);
        return;
    }
    for (int i = 0; i < 7; ++i)
        row.pay[i] = qint32(values[i]);
}

TPayValues TRepPayforms::payOf(const Row &row) const
{
    if (row.wide)
        return m_wide[size_t(row.pay[0])];
    TPayValues pay;
    pay.amount = row.pay[0];
    pay.tip = row.pay[1];
    pay.guests = row.pay[2];
    pay.ret = row.pay[3];
    pay.retAmount = row.pay[4];
    pay.given = row.pay[5];
    pay.orgGiven = row.pay[6];
    return pay;
}

TReportLeaf *TRepPayforms::leafOf(const Row &row) const
{
    static const TField Fields[TPayRow::Texts]
            = {FPayform, FPayformName, FInTermSum, FWaiter,   FWaiterName,
               FCurr,    FCurrName,    FCurrShort, FCurrRate, FCurrDecPos};
    const Copied &c = m_copied[row.copied];
    auto *leaf = new TRepPayform(m_returnMode);
    if (c.hasTable) {
        leaf->setBool(fieldName(FVatOh), c.vatOh);
        leaf->setBool(fieldName(FInSum), c.inSum);
        if (row.billIsNumber)
            leaf->set(fieldName(FBillNum), Basics::TypeText, QString::number(row.billNum));
        else if (row.billNum != TTextPool::Absent)
            leaf->set(fieldName(FBillNum), Basics::TypeText, m_texts.text(row.billNum));
    }
    for (int i = 0; i < TPayRow::Texts; ++i) {
        if (c.text[i] != TTextPool::Absent)
            leaf->set(fieldName(Fields[i]), Basics::TypeText, m_texts.text(c.text[i]));
    }
    if (row.taken)
        leaf->takePay(payOf(row));
    return leaf;
}

TPayRow TRepPayforms::payRow(const Row &row, int number) const
{
    const Copied &c = m_copied[row.copied];
    TPayRow p;
    p.number = number;
    for (int i = 0; i < TPayRow::Texts; ++i)
        p.texts[i] = c.text[i] != TTextPool::Absent ? &m_texts.text(c.text[i]) : nullptr;
    p.hasTable = c.hasTable;
    p.vatOh = c.vatOh;
    p.inSum = c.inSum;
    if (c.hasTable && row.billIsNumber)
        p.billNumber = row.billNum;
    else if (c.hasTable && row.billNum != TTextPool::Absent)
        p.billText = &m_texts.text(row.billNum);
    p.taken = row.taken;
    if (row.taken)
        p.pay = payOf(row);
    return p;
}

void TRepPayforms::materialize() const
{
    if (!m_perPay || !m_compact || !m_keepRecords)
        return;
    m_compact = false;
    int number = 0;
    m_rows.forEachByNumber(
            [&](const Row &row) { m_leaves.insert(QString::number(++number), leafOf(row)); });
    m_rows.clear();
    std::vector<TPayValues>().swap(m_wide);
}

void TRepPayforms::visitLeaves(const LeafVisitor &visit) const
{
    if (!m_perPay || !m_compact || !m_keepRecords) {
        TRepPayNode::visitLeaves(visit);
        return;
    }
    // the keys are the numbers 1 to n, in the order of their texts
    m_rows.forEachByText([&](int number, const Row &row) {
        const std::unique_ptr<TReportLeaf> leaf(leafOf(row));
        visit(QString::number(number), *leaf);
    });
}

bool TRepPayforms::visitRows(const RowVisitor &visit) const
{
    if (!m_perPay || !m_compact || !m_keepRecords)
        return false;
    m_rows.forEachByText([&](int number, const Row &row) { visit(payRow(row, number)); });
    return true;
}

bool TRepPayforms::writeDay(TAggregateWriter &out) const
{
    if (!m_perPay)
        return TRepPayNode::writeDay(out);
    if (!m_compact || !keepsDayNotes())
        return false;
    writeTotal(out);
    out.u32(quint32(m_rows.size()));
    m_rows.forEachByNumber([&](const Row &row) {
        const TPayValues pay = payOf(row);
        for (qint64 v :
             {pay.amount, pay.tip, pay.guests, pay.ret, pay.retAmount, pay.given, pay.orgGiven})
            out.i64(v);
        out.boolean(row.taken);
        const Copied &c = m_copied[row.copied];
        for (quint32 text : c.text)
            writePooled(out, m_texts, text);
        out.boolean(c.hasTable);
        out.boolean(c.vatOh);
        out.boolean(c.inSum);
        if (row.billIsNumber) {
            out.boolean(true);
            out.text(QString::number(row.billNum));
        } else {
            writePooled(out, m_texts, row.billNum);
        }
    });
    m_tally.write(out);
    return true;
}

void TRepPayforms::mergeDay(TAggregateReader &in)
{
    if (!m_perPay) {
        TRepPayNode::mergeDay(in);
        return;
    }
    if (!m_compact) {
        in.fail();
        return;
    }
    // the pays of that day are numbered on from here
    const int offset = leafCount();
    mergeTotal(in);
    const quint32 rows = in.count(22);
    for (quint32 r = 0; r < rows && in.ok(); ++r) {
        Row row;
        TPayValues pay;
        for (qint64 *v : {&pay.amount, &pay.tip, &pay.guests, &pay.ret, &pay.retAmount, &pay.given,
                          &pay.orgGiven})
            *v = in.i64();
        setPay(row, pay);
        row.taken = in.boolean();
        Copied c;
        for (quint32 &text : c.text)
            text = readPooled(in, m_texts);
        c.hasTable = in.boolean();
        c.vatOh = in.boolean();
        c.inSum = in.boolean();
        const quint32 billNum = readPooled(in, m_texts);
        if (!in.ok())
            return;
        row.copied = internCopied(c);
        setBillNum(row, m_texts.text(billNum), billNum != TTextPool::Absent);
        m_rows.push_back(row);
    }
    m_tally.merge(in, offset);
}

TRepSubvents::TRepSubvents()
    : TRepPayNode(QStringLiteral("Subventions"))
{ }

void TRepSubvents::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (entry.getLong(FSubvId) != 0)
        ++m_subventions;
    TRepPayNode::add(entry, table);
}

QString TRepSubvents::keyOf(const TEntryFacts &entry, const TTableFacts &) const
{
    const qint64 id = entry.getLong(FSubvId);
    if (id == 0)
        return QString();
    return QString::number(qint64(entry.getInt(FPayform)) * 1000 + id);
}

TReportLeaf *TRepSubvents::createLeaf(const TEntryFacts &entry, const TTableFacts &table)
{
    return new TRepSubvent(entry, table);
}

TReportLeaf *TRepSubvents::newLeaf() const
{
    return new TRepSubvent;
}

bool TRepSubvents::writeDay(TAggregateWriter &out) const
{
    out.i32(m_subventions);
    return TRepPayNode::writeDay(out);
}

void TRepSubvents::mergeDay(TAggregateReader &in)
{
    m_subventions += in.i32();
    TRepPayNode::mergeDay(in);
}

TRepCurrencies::TRepCurrencies()
    : TRepPayforms(QStringLiteral("currencies"), false)
{ }

QString TRepCurrencies::keyOf(const TEntryFacts &entry, const TTableFacts &) const
{
    if (!takesPay(entry))
        return QString();
    return QString::number(leafCount() + 1);
}

bool TRepCurrencies::takesPay(const TEntryFacts &entry) const
{
    // the pays that count in the cash summary
    return entry.getBool(FInTermSum);
}

TRepCurrReturns::TRepCurrReturns()
    : TRepPayforms(QStringLiteral("currreturns"), true)
{ }

QString TRepCurrReturns::keyOf(const TEntryFacts &, const TTableFacts &) const
{
    return QString::number(leafCount() + 1);
}

bool TRepCurrReturns::takesPay(const TEntryFacts &) const
{
    return true;
}

TReportLeaf *TRepCurrReturns::createLeaf(const TEntryFacts &entry, const TTableFacts &table)
{
    return new TRepPayform(entry, table, true);
}

} // namespace PosLib
