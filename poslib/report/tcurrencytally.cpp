#include "tcurrencytally.h"

#include "taggregatestream.h"
#include "tcurrencyfields.h"
#include "ttablefacts.h"

#include <cstring>

using namespace Basics;

namespace PosLib {

namespace {

constexpr qint64 Pow10[10]
        = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

// The digits of a leaf key (one for any below ten).
int digitsOf(int v)
{
    int d = 1;
    while (d < 10 && v >= Pow10[d])
        ++d;
    return d;
}

} // namespace

bool numberKeyBefore(int a, int b)
{
    // "10" < "9": compare the digits as far as the shorter number goes
    const int da = digitsOf(a);
    const int db = digitsOf(b);
    const qint64 x = da < db ? a * Pow10[db - da] : qint64(a);
    const qint64 y = db < da ? b * Pow10[da - db] : qint64(b);
    return x != y ? x < y : da < db;
}

namespace {

// The fields that name a currency, of the pay or of its change: number,
// name, short name, decimal places (its rate is not counted).
const TField KeyFields[2][4]
        = {{OwnCurrency[0], OwnCurrency[1], OwnCurrency[2], OwnCurrency[4]},
           {ReturnCurrency[0], ReturnCurrency[1], ReturnCurrency[2], ReturnCurrency[4]}};

// A raw field's length in a key for a field the pay has not.
constexpr qint32 NoField = -2;

// The ways of writing currencies compared as bytes.
constexpr size_t MaxRaw = 32;

} // namespace

TCurrencyTally::TCurrencyTally(TTextPool &texts, bool returnMode)
    : m_texts(texts)
    , m_returnMode(returnMode)
{ }

bool TCurrencyTally::Currency::sameAs(const Currency &o) const
{
    return number == o.number && name == o.name && shortName == o.shortName && decPos == o.decPos
           && hasDecPos == o.hasDecPos;
}

quint32 TCurrencyTally::decodedCurrency(const TEntryFacts &entry)
{
    const TField *fields = KeyFields[m_returnMode];
    // an absent name reads as the null text
    auto text = [&](TField f) {
        return entry.has(f) ? m_texts.id(entry.getString(f)) : TTextPool::Null;
    };
    Currency c;
    c.number = entry.getInt(fields[0]);
    c.name = text(fields[1]);
    c.shortName = text(fields[2]);
    c.hasDecPos = entry.has(fields[3]);
    c.decPos = entry.getInt(fields[3]);
    for (size_t i = 0; i < m_currencies.size(); ++i) {
        if (m_currencies[i].sameAs(c))
            return quint32(i);
    }
    m_currencies.push_back(c);
    return quint32(m_currencies.size() - 1);
}

bool TCurrencyTally::RawCurrency::matches(const TRawString *raws) const
{
    const uchar *p = reinterpret_cast<const uchar *>(bytes.constData());
    for (int i = 0; i < 4; ++i) {
        const qint32 n = raws[i].size;
        if (n != size[i])
            return false;
        if (n <= 0)
            continue;
        if (!Basics::sameBytes(p, raws[i].data, n))
            return false;
        p += n;
    }
    return true;
}

quint32 TCurrencyTally::currencyOf(const TEntryFacts &entry)
{
    const TField *fields = KeyFields[m_returnMode];
    TRawString raws[4];
    for (int i = 0; i < 4; ++i) {
        if (!entry.has(fields[i]))
            raws[i].size = NoField;
        else if (!entry.rawText(fields[i], raws[i]))
            return decodedCurrency(entry);
    }
    // the pays of a day come in a few currencies: compared with each met,
    // the one met last first
    const size_t count = m_raw.size();
    for (size_t n = 0; n < count; ++n) {
        const size_t i = (m_last + n) % count;
        if (m_raw[i].matches(raws)) {
            m_last = i;
            return m_raw[i].currency;
        }
    }
    const quint32 currency = decodedCurrency(entry);
    // beyond a few, a currency's bytes are decoded each time
    if (count >= MaxRaw)
        return currency;
    RawCurrency raw;
    for (int i = 0; i < 4; ++i) {
        raw.size[i] = raws[i].size;
        if (raws[i].size > 0)
            raw.bytes.append(reinterpret_cast<const char *>(raws[i].data), raws[i].size);
    }
    raw.currency = currency;
    m_last = count;
    m_raw.push_back(raw);
    return currency;
}

TCurrencySums &TCurrencyTally::sumsOf(int number)
{
    // the notes of a day come in runs of the same currency
    if (m_lastSums.turn == m_turn && m_lastSums.number == number)
        return m_sums[m_lastSums.index];
    auto it = m_index.constFind(number);
    quint32 index;
    if (it != m_index.cend()) {
        index = it.value();
    } else {
        index = quint32(m_sums.size());
        m_index.insert(number, index);
        m_numbers.push_back(number);
        m_sums.emplace_back();
    }
    m_lastSums = {number, index, m_turn};
    return m_sums[index];
}

TCurrencySums &TCurrencyTally::sumsOf(Currency &currency)
{
    if (currency.turn != m_turn) {
        sumsOf(currency.number);
        currency.sums = m_index.value(currency.number);
        currency.turn = m_turn;
    }
    return m_sums[currency.sums];
}

void TCurrencyTally::count(const TEntryFacts &entry, const TTableFacts &table, int number,
                           const TPayValues &pay)
{
    Currency &currency = m_currencies[currencyOf(entry)];
    TCurrencySums &sums = sumsOf(currency);
    m_stale = true;
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
    const Note note {number,
                     currency.number,
                     currency.name,
                     currency.shortName,
                     currency.decPos,
                     currency.hasDecPos,
                     inCash && pay.ret != 0,
                     inCash && pay.retAmount != 0};
    if (m_keepNotes)
        m_notes.push_back(note);
    notePay(note, sums);
}

namespace {

// Takes the pay as the first of its kind when its number's text sorts
// before the one noted so far.
void noteFirst(TCurrencySums::Pay &first, int number, const TTextPool &texts, quint32 name,
               quint32 shortName, bool hasDecPos, int decPos)
{
    // no key sorts before "1" (the first pay of most currencies)
    if (first.number == 1 || (first.number != 0 && !numberKeyBefore(number, first.number)))
        return;
    first.number = number;
    first.name = texts.text(name);
    first.shortName = texts.text(shortName);
    first.hasDecPos = hasDecPos;
    first.decPos = decPos;
}

} // namespace

void TCurrencyTally::notePay(const Note &note, TCurrencySums &sums)
{
    auto noteIn = [&](TCurrencySums::Pay &first) {
        noteFirst(first, note.number, m_texts, note.name, note.shortName, note.hasDecPos,
                  note.decPos);
    };
    noteIn(sums.first);
    if (note.cashReturn)
        noteIn(sums.firstReturn);
    if (note.cashRetAmount)
        noteIn(sums.firstRetAmount);
}

const QMap<int, TCurrencySums> &TCurrencyTally::sums() const
{
    if (m_stale) {
        m_byNumber.clear();
        for (size_t i = 0; i < m_sums.size(); ++i)
            m_byNumber.insert(m_numbers[i], m_sums[i]);
        m_stale = false;
    }
    return m_byNumber;
}

void TCurrencyTally::clear()
{
    m_sums.clear();
    m_numbers.clear();
    m_index.clear();
    ++m_turn;
    m_notes.clear();
    m_byNumber.clear();
    m_stale = false;
}

void TCurrencyTally::write(TAggregateWriter &out) const
{
    const QMap<int, TCurrencySums> &byNumber = sums();
    out.u32(quint32(byNumber.size()));
    for (auto it = byNumber.cbegin(); it != byNumber.cend(); ++it) {
        const TCurrencySums &s = it.value();
        out.i32(it.key());
        for (qint64 v :
             {s.given, s.returned, s.notInSummary, s.orgGiven, s.cashReturned, s.cashRetAmount})
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
}

void TCurrencyTally::merge(TAggregateReader &in, int offset)
{
    const quint32 currencies = in.count(7);
    for (quint32 i = 0; i < currencies && in.ok(); ++i) {
        const int number = in.i32();
        qint64 v[6];
        for (qint64 &x : v)
            x = in.i64();
        if (!in.ok())
            return;
        TCurrencySums &s = sumsOf(number);
        m_stale = true;
        s.given += v[0];
        s.returned += v[1];
        s.notInSummary += v[2];
        s.orgGiven += v[3];
        s.cashReturned += v[4];
        s.cashRetAmount += v[5];
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
        if (m_keepNotes)
            m_notes.push_back(note);
        m_stale = true;
        notePay(note, sumsOf(note.currency));
    }
}

} // namespace PosLib
