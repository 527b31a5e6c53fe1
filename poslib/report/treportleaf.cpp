#include "treportleaf.h"

#include "taggregatestream.h"
#include "tfactsof.h"
#include "tround.h"
#include "ttable.h"
#include "ttableentry.h"

#include <QHash>
#include <QTextStream>

#include <vector>

using namespace Basics;

namespace PosLib {

namespace {

QString exportText(QString text)
{
    text.replace(QLatin1Char(';'), QLatin1Char(','));
    text.replace(QLatin1Char('\r'), QLatin1Char('|'));
    text.replace(QLatin1Char('\n'), QLatin1Char('|'));
    text.replace(QLatin1Char('"'), QLatin1Char('\''));
    return text;
}

// The sum a text of a day aggregate's table names, looked up once per
// reader: the leaves of a day name the same few sums.
TSumName sumNameAt(const TAggregateReader &in, quint32 number)
{
    constexpr qint8 Unknown = -2;
    thread_local quint64 reader = 0;
    thread_local std::vector<qint8> names;
    if (in.serial() != reader) {
        reader = in.serial();
        names.assign(size_t(in.textCount()), Unknown);
    }
    qint8 &name = names[size_t(number)];
    if (name == Unknown)
        name = qint8(sumNameOf(in.textAt(number)));
    return TSumName(name);
}

} // namespace

// ---- TReportLeaf ----------------------------------------------------------

TReportLeaf::TReportLeaf() = default;

TReportLeaf::~TReportLeaf() = default;

void TReportLeaf::restart()
{
    settle();
    Basics::TValue::clear();
    m_count = TExactSum();
    m_amount = TExactSum();
    m_sums.clear();
    m_synced = false;
}

void TReportLeaf::takeFields(const TReportLeaf &other)
{
    static_cast<Basics::TValue &>(*this) = static_cast<const Basics::TValue &>(other);
    m_synced = false;
}

void TReportLeaf::syncSums() const
{
    settle();
    if (m_synced)
        return;
    auto *self = const_cast<TReportLeaf *>(this);
    self->setDouble(QStringLiteral("count"), m_count);
    self->setDouble(QStringLiteral("amount"), m_amount);
    for (const TSum &sum : std::as_const(m_sums)) {
        if (sum.isDecimal)
            self->setDouble(sum.key, sum.decimal);
        else
            self->setInt(sum.key, sum.whole);
    }
    m_synced = true;
}

void TReportLeaf::add(double count, double amount)
{
    m_count += count;
    m_amount += amount;
    m_synced = false;
}

namespace {

const char *const SumNameTexts[SumNames]
        = {"tip",           "guests",     "return",     "retamount",    "given",
           "orggiven",      "subvamount", "ccdamount",  "ccdbalance",   "ccddifferences",
           "repordercount", "sumoh",      "sumih",      "repvoidcount", "reppaytermsum",
           "discount",      "net",        "vat",        "credits",      "voids",
           "cash",          "tablecount", "tableamount"};

struct SumNameTable
{
    SumNameTable()
    {
        for (int i = 0; i < SumNames; ++i) {
            texts[i] = QString::fromLatin1(SumNameTexts[i]);
            numbers.insert(texts[i], TSumName(i));
        }
    }
    QString texts[SumNames];
    QHash<QString, TSumName> numbers;
};

const SumNameTable &sumNames()
{
    static const SumNameTable table;
    return table;
}

} // namespace

const QString &sumName(TSumName name)
{
    return sumNames().texts[name];
}

TSumName sumNameOf(const QString &name)
{
    return sumNames().numbers.value(name, SumOther);
}

TReportLeaf::TSum *TReportLeaf::findSum(const QString &key) const
{
    const TSumName name = sumNameOf(key);
    if (name != SumOther)
        return findSum(name);
    for (TSum &sum : m_sums) {
        if (sum.key == key)
            return &sum;
    }
    return nullptr;
}

// A sum starts from what the record holds under its name.
TReportLeaf::TSum &TReportLeaf::sumFor(TSumName name, const QString &key, bool isDecimal)
{
    if (TSum *sum = name != SumOther ? findSum(name) : findSum(key))
        return *sum;
    TSum sum;
    sum.key = key;
    sum.name = name;
    sum.isDecimal = isDecimal;
    if (isDecimal)
        sum.decimal = Basics::TValue::getDouble(key);
    else
        sum.whole = Basics::TValue::getLong(key);
    m_sums.append(sum);
    return m_sums.last();
}

qint64 TReportLeaf::sum(TSumName name) const
{
    settle();
    if (const TSum *sum = findSum(name))
        return sum->isDecimal ? qint64(sum->decimal.value()) : sum->whole;
    return Basics::TValue::getLong(sumName(name));
}

qint64 TReportLeaf::sum(const QString &key) const
{
    settle();
    if (const TSum *sum = findSum(key))
        return sum->isDecimal ? qint64(sum->decimal.value()) : sum->whole;
    return Basics::TValue::getLong(key);
}

double TReportLeaf::doubleSum(TSumName name) const
{
    settle();
    if (const TSum *sum = findSum(name))
        return sum->isDecimal ? sum->decimal.value() : double(sum->whole);
    return Basics::TValue::getDouble(sumName(name));
}

double TReportLeaf::doubleSum(const QString &key) const
{
    settle();
    if (const TSum *sum = findSum(key))
        return sum->isDecimal ? sum->decimal.value() : double(sum->whole);
    return Basics::TValue::getDouble(key);
}

void TReportLeaf::addTo(TSum &sum, qint64 value)
{
    if (sum.isDecimal)
        sum.decimal += double(value);
    else
        sum.whole += value;
    m_synced = false;
}

void TReportLeaf::addTo(TSum &sum, double value)
{
    if (sum.isDecimal)
        sum.decimal += value;
    else
        sum.whole += qint64(value);
    m_synced = false;
}

void TReportLeaf::addSum(TSum *sum, TSumName name, qint64 value)
{
    addTo(sum ? *sum : sumFor(name, sumName(name), false), value);
}

void TReportLeaf::addSum(const QString &key, qint64 value)
{
    addTo(sumFor(sumNameOf(key), key, false), value);
}

void TReportLeaf::addDoubleSum(TSumName name, double value)
{
    TSum *sum = findSumToAdd(name);
    addTo(sum ? *sum : sumFor(name, sumName(name), true), value);
}

void TReportLeaf::addDoubleSum(const QString &key, double value)
{
    addTo(sumFor(sumNameOf(key), key, true), value);
}

void TReportLeaf::makeSum(TSumName name, bool isDecimal)
{
    if (!findSum(name))
        sumFor(name, sumName(name), isDecimal);
}

void TReportLeaf::copyFields(const TValue &from, std::initializer_list<const char *> keys)
{
    for (const char *key : keys) {
        const QString name = QString::fromLatin1(key);
        if (from.has(name))
            set(name, from.get(name));
    }
}

void TReportLeaf::writeRecord(const TValue &record, QTextStream &out, QStringList &columns) const
{
    TValue line;
    const bool partial = roundHalfUp(m_count * 1000.0) != roundHalfUp(m_count) * 1000;
    line.setBool(QStringLiteral("partcount"), partial);
    for (auto it = fields().cbegin(); it != fields().cend(); ++it)
        line.set(it.key(), it.value());
    for (auto it = record.fields().cbegin(); it != record.fields().cend(); ++it)
        line.set(it.key(), it.value());
    for (auto it = line.fields().cbegin(); it != line.fields().cend(); ++it) {
        if (!columns.contains(it.key()))
            columns.append(it.key());
    }
    for (int i = 0; i < columns.size(); ++i) {
        if (i > 0)
            out << ';';
        out << exportText(line.getString(columns.at(i)));
    }
    out << '\n';
}

void TReportLeaf::writeState(TAggregateWriter &out) const
{
    settle();
    // the fields as held; the sums are written into them anew after reading
    // by their length first: a later day's leaf that is there already
    // passes over them
    const Fields &all = Basics::TValue::fields();
    const qsizetype length = out.mark();
    out.u32(quint32(all.size()));
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        out.text(it.key());
        out.i32(it.value().type);
        out.text(it.value().text);
    }
    out.patch(length, quint32(out.size() - length - qsizetype(sizeof(quint32))));
    out.exact(m_count);
    out.exact(m_amount);
    out.u32(quint32(m_sums.size()));
    for (const TSum &sum : std::as_const(m_sums)) {
        out.text(sum.key);
        out.boolean(sum.isDecimal);
        out.i64(sum.whole);
        out.exact(sum.decimal);
    }
}

void TReportLeaf::readState(TAggregateReader &in, bool fresh)
{
    settle();
    const quint32 length = in.fixed32();
    if (!fresh) {
        in.skip(length);
    } else {
        const quint32 fields = in.count(3);
        reserve(int(fields));
        for (quint32 i = 0; i < fields && in.ok(); ++i) {
            const QString &key = in.text();
            const qint32 type = in.i32();
            const QString &text = in.text();
            if (in.ok())
                set(key, Basics::TValueField(type, text));
        }
    }
    if (fresh) {
        m_count = in.exact();
        m_amount = in.exact();
    } else {
        in.addExact(m_count);
        in.addExact(m_amount);
    }
    const quint32 sums = in.count(12);
    for (quint32 i = 0; i < sums && in.ok(); ++i) {
        const quint32 number = in.textNumber();
        const bool isDecimal = in.boolean();
        const qint64 whole = in.i64();
        const TExactSum decimal = in.exact();
        if (!in.ok())
            break;
        const QString &key = in.textAt(number);
        const TSumName name = sumNameAt(in, number);
        TSum *sum = name != SumOther ? findSum(name) : findSum(key);
        if (!sum) {
            if (fresh) {
                TSum added;
                added.key = key;
                added.name = name;
                added.isDecimal = isDecimal;
                added.whole = whole;
                added.decimal = decimal;
                m_sums.append(added);
                continue;
            }
            sum = &sumFor(name, key, isDecimal);
        }
        // as the entries of that day would have added up
        if (sum->isDecimal)
            sum->decimal.add(isDecimal ? decimal : TExactSum(double(whole)));
        else
            sum->whole += isDecimal ? qint64(decimal.value()) : whole;
    }
    m_synced = false;
}

} // namespace PosLib
