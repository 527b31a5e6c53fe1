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
{ }

bool TRepPayforms::restart()
{
    if (m_perPay && (!m_compact || !m_leaves.isEmpty()))
        return false;
    nextDay();
    m_total->restart();
    m_rows.clear();
    m_wide.clear();
    m_currencySums.clear();
    m_notes.clear();
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

bool numberKeyBefore(int a, int b)
{
    // "10" < "9": compare the digits as far as the shorter number goes
    int da = 1;
    int db = 1;
    for (int v = a; v >= 10; v /= 10)
        ++da;
    for (int v = b; v >= 10; v /= 10)
        ++db;
    qint64 x = a;
    qint64 y = b;
    for (int i = da; i < db; ++i)
        x *= 10;
    for (int i = db; i < da; ++i)
        y *= 10;
    return x != y ? x < y : da < db;
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

namespace {

// Takes the pay as the first of its kind when its number's text sorts
// before the one noted so far.
void noteFirst(TCurrencySums::Pay &first, int number, const QString &name, const QString &shortName,
               bool hasDecPos, int decPos)
{
    if (first.number != 0 && !numberKeyBefore(number, first.number))
        return;
    first.number = number;
    first.name = name;
    first.shortName = shortName;
    first.hasDecPos = hasDecPos;
    first.decPos = decPos;
}

} // namespace

void TRepPayforms::notePay(const Note &note, TCurrencySums &sums)
{
    const QString &name = m_texts.text(note.name);
    const QString &shortName = m_texts.text(note.shortName);
    noteFirst(sums.first, note.number, name, shortName, note.hasDecPos, note.decPos);
    if (note.cashReturn)
        noteFirst(sums.firstReturn, note.number, name, shortName, note.hasDecPos, note.decPos);
    if (note.cashRetAmount)
        noteFirst(sums.firstRetAmount, note.number, name, shortName, note.hasDecPos, note.decPos);
}

void TRepPayforms::countCurrency(const TEntryFacts &entry, const TTableFacts &table, int number,
                                 const TPayValues &pay, const Copied *copied)
{
    // what the pay's leaf would hold: its currency's number, its sums
    // (none when not taken), the table's and the pay's flags
    const TField *currency = m_returnMode ? ReturnCurrency : OwnCurrency;
    const int currencyNumber = entry.getInt(currency[0]);
    TCurrencySums &sums = m_currencySums[currencyNumber];
    sums.given += pay.given;
    sums.returned += pay.ret;
    if (!(!table.isNull() && table.inSum()))
        sums.notInSummary += pay.given - pay.ret;
    sums.orgGiven += pay.orgGiven;
    const bool inCash = entry.getBool(FInTermSum);
    if (inCash) {
        sums.cashReturned += pay.ret;
        sums.cashRetAmount += pay.retAmount;
    }
    // kept, so that a later day's pays are picked among the same way
    Note note;
    note.number = number;
    note.currency = currencyNumber;
    // the texts of the pay's row when it has them (the same numbers), else
    // those of the last pay whose text had the same bytes in its file
    auto pooled = [&](TPayRow::Text text, LastText &last) {
        if (copied && copied->text[text] != TTextPool::Absent)
            return copied->text[text];
        const TField field = CopiedFields[m_returnMode][text];
        // the number of the null text that an absent field reads as
        if (!entry.has(field))
            return TTextPool::Null;
        TRawString raw;
        if (!entry.rawText(field, raw) || raw.isNull())
            return m_texts.id(entry.getString(field));
        if (last.id == TTextPool::Absent || last.raw.size() != raw.size
            || std::memcmp(last.raw.constData(), raw.data, size_t(raw.size)) != 0) {
            last.raw = QByteArray(reinterpret_cast<const char *>(raw.data), raw.size);
            last.id = m_texts.id(entry.getString(field));
        }
        return last.id;
    };
    note.name = pooled(TPayRow::CurrName, m_lastName);
    note.shortName = pooled(TPayRow::CurrShort, m_lastShortName);
    note.hasDecPos = entry.has(currency[4]);
    note.decPos = entry.getInt(currency[4]);
    note.cashReturn = inCash && pay.ret != 0;
    note.cashRetAmount = inCash && pay.retAmount != 0;
    if (m_dayNotes)
        m_notes.push_back(note);
    notePay(note, sums);
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
    // a row's texts first: the currency's note takes its names from them
    const bool kept = m_keepRecords && m_compact;
    const quint32 copied = kept ? copiedOf(entry, table) : 0;
    countCurrency(entry, table, number, pay, kept ? &m_copied[copied] : nullptr);
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
    if (!m_compact || !m_dayNotes)
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
    out.u32(quint32(m_currencySums.size()));
    for (auto it = m_currencySums.cbegin(); it != m_currencySums.cend(); ++it) {
        const TCurrencySums &sums = it.value();
        out.i32(it.key());
        for (qint64 v : {sums.given, sums.returned, sums.notInSummary, sums.orgGiven,
                         sums.cashReturned, sums.cashRetAmount})
            out.i64(v);
    }
    out.u32(quint32(m_notes.size()));
    for (const Note &note : m_notes) {
        out.i32(note.number);
        out.i32(note.currency);
        out.pooled(m_texts, note.name);
        out.pooled(m_texts, note.shortName);
        out.i32(note.decPos);
        out.boolean(note.hasDecPos);
        out.boolean(note.cashReturn);
        out.boolean(note.cashRetAmount);
    }
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
    const quint32 currencies = in.count(7);
    for (quint32 i = 0; i < currencies && in.ok(); ++i) {
        const int number = in.i32();
        qint64 v[6];
        for (qint64 &x : v)
            x = in.i64();
        if (!in.ok())
            return;
        TCurrencySums &sums = m_currencySums[number];
        sums.given += v[0];
        sums.returned += v[1];
        sums.notInSummary += v[2];
        sums.orgGiven += v[3];
        sums.cashReturned += v[4];
        sums.cashRetAmount += v[5];
    }
    const quint32 notes = in.count(8);
    for (quint32 i = 0; i < notes && in.ok(); ++i) {
        Note note;
        note.number = in.i32() + offset;
        note.currency = in.i32();
        note.name = m_texts.id(in);
        note.shortName = m_texts.id(in);
        note.decPos = in.i32();
        note.hasDecPos = in.boolean();
        note.cashReturn = in.boolean();
        note.cashRetAmount = in.boolean();
        if (!in.ok())
            return;
        if (m_dayNotes)
            m_notes.push_back(note);
        notePay(note, m_currencySums[note.currency]);
    }
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
