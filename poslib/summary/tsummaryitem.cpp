#include "tsummaryitem.h"

#include "tjsontext.h"
#include "treportleaf.h"
#include "treppaynodes.h"
#include "tround.h"

#include <QHash>
#include <QJsonDocument>

#include <cmath>
#include <cstring>
#include <optional>

using namespace Basics;

namespace PosLib {

namespace {

// A value of an item as the data type it: a whole number, a decimal, true
// or false, or a text.
struct TTyped
{
    enum Kind { Integer, Double, Bool, Text } kind = Text;
    qint64 integer = 0;
    double decimal = 0;
    const QString *text = nullptr;

    QJsonValue json() const
    {
        switch (kind) {
        case Integer:
            return QJsonValue(integer);
        case Double:
            return QJsonValue(decimal);
        case Bool:
            return QJsonValue(integer != 0);
        case Text:
            break;
        }
        return QJsonValue(*text);
    }
    void append(QByteArray &out) const
    {
        switch (kind) {
        case Integer:
            TJsonText::appendInteger(out, integer);
            return;
        case Double:
            TJsonText::appendDouble(out, decimal);
            return;
        case Bool:
            TJsonText::appendBool(out, integer != 0);
            return;
        case Text:
            TJsonText::appendString(out, *text);
            return;
        }
    }
};

TTyped integerValue(qint64 v)
{
    TTyped t;
    t.kind = TTyped::Integer;
    t.integer = v;
    return t;
}

TTyped doubleValue(double v)
{
    TTyped t;
    t.kind = TTyped::Double;
    t.decimal = v;
    return t;
}

TTyped boolValue(bool v)
{
    TTyped t;
    t.kind = TTyped::Bool;
    t.integer = v ? 1 : 0;
    return t;
}

// A count as a whole number when it is one, else with its decimals.
TTyped countValue(double count)
{
    const qint64 whole = roundHalfUp(count);
    return double(whole) == count ? integerValue(whole) : doubleValue(count);
}

// A text field without a type, as a value read from a file keeps it: a
// plain whole number or decimal becomes a number, "yes" and "no" a
// boolean; numbers with leading zeros (article numbers) stay text.
TTyped typedText(const QString &text)
{
    if (isPlainNumber(text)) {
        if (text.contains(QLatin1Char('.')))
            return doubleValue(parseDecimal(text));
        // at most 18 digits, as parseInteger() reads them
        qint64 v = 0;
        const bool negative = text.at(0) == QLatin1Char('-');
        for (qsizetype i = negative ? 1 : 0; i < text.size() && text.at(i) != QLatin1Char('\n');
             ++i)
            v = v * 10 + (text.at(i).unicode() - '0');
        return integerValue(negative ? -v : v);
    }
    if (text == QLatin1String("yes") || text == QLatin1String("no"))
        return boolValue(text == QLatin1String("yes"));
    TTyped t;
    t.text = &text;
    return t;
}

// A field of a leaf's record with its type: numbers, true/false, text.
TTyped typedValue(const TValueField &field)
{
    const QString &text = field.text;
    switch (field.type) {
    case TypeInteger:
        return integerValue(parseInteger(text));
    case TypeDecimal:
        return doubleValue(parseDecimal(text));
    case TypeBoolean:
        return boolValue(parseBoolean(text));
    default:
        break;
    }
    return typedText(text);
}

// A sum a leaf writes into its record as a decimal, as read back: whole
// numbers of up to eleven digits are exact in its text.
TTyped decimalSum(double value)
{
    if (std::floor(value) == value && std::fabs(value) < 9e10)
        return doubleValue(value);
    return doubleValue(parseDecimal(decimalText(value)));
}

// Calls `put(name, value)` for each value of a pay's leaf in the order of
// the leaf's fields (by name), as its record would hold them.
template<typename Put>
void forRowValues(const TPayRow &row, Put put)
{
    const auto text = [&](const char *name, TPayRow::Text which) {
        if (const QString *t = row.texts[which])
            put(name, typedText(*t));
    };
    const TPayValues *pay = row.taken ? &row.pay : nullptr;
    const auto sum = [&](const char *name, qint64 value) {
        if (pay)
            put(name, integerValue(value));
    };
    put("amount", decimalSum(row.amount()));
    if (row.billNumber >= 0)
        put("billnum", integerValue(row.billNumber));
    else if (row.billText)
        put("billnum", typedText(*row.billText));
    put("count", decimalSum(row.count()));
    text("curr", TPayRow::Curr);
    text("currdecpos", TPayRow::CurrDecPos);
    text("currname", TPayRow::CurrName);
    text("currrate", TPayRow::CurrRate);
    text("currshort", TPayRow::CurrShort);
    sum("given", pay ? pay->given : 0);
    sum("guests", pay ? pay->guests : 0);
    if (row.hasTable)
        put("insum", boolValue(row.inSum));
    text("intermsum", TPayRow::InTermSum);
    sum("orggiven", pay ? pay->orgGiven : 0);
    text("payform", TPayRow::Payform);
    text("payformname", TPayRow::PayformName);
    sum("retamount", pay ? pay->retAmount : 0);
    sum("return", pay ? pay->ret : 0);
    sum("tip", pay ? pay->tip : 0);
    if (row.hasTable)
        put("vatoh", boolValue(row.vatOh));
    text("waiter", TPayRow::Waiter);
    text("waitername", TPayRow::WaiterName);
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isAscii(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

} // namespace

bool isPlainNumber(const QString &text)
{
    qsizetype end = text.size();
    // as a regular expression's "$": the end, or a line break that ends the text
    if (end > 0 && text.at(end - 1) == QLatin1Char('\n'))
        --end;
    qsizetype i = 0;
    if (i < end && text.at(i) == QLatin1Char('-'))
        ++i;
    if (i >= end || !isDigit(text.at(i)))
        return false;
    if (text.at(i) == QLatin1Char('0')) {
        ++i;
    } else {
        const qsizetype first = i;
        while (i < end && isDigit(text.at(i)) && i - first < 18)
            ++i;
    }
    if (i < end && text.at(i) == QLatin1Char('.')) {
        ++i;
        const qsizetype first = i;
        while (i < end && isDigit(text.at(i)))
            ++i;
        if (i == first)
            return false;
    }
    return i == end;
}

QString TSummaryItem::keyText() const
{
    return row ? QString::number(row->number) : key;
}

QString TSummaryItem::text() const
{
    if (row) {
        // the first of the names below that a pay's leaf has
        for (TPayRow::Text name : {TPayRow::PayformName, TPayRow::CurrName, TPayRow::WaiterName}) {
            if (row->texts[name])
                return *row->texts[name];
        }
        return QString();
    }
    static const char *const names[]
            = {"article",  "payformname", "familyname",   "famgrpname", "department", "depname",
               "currname", "subventname", "discountname", "waitername", "centername", "name"};
    for (const char *name : names) {
        const QString key = QString::fromLatin1(name);
        if (leaf->has(key))
            return leaf->getString(key);
    }
    return QString();
}

QJsonValue TSummaryItem::count() const
{
    return countValue(row ? row->count() : leaf->count()).json();
}

qint64 TSummaryItem::amount() const
{
    return roundHalfUp(row ? row->amount() : leaf->amount());
}

QJsonObject TSummaryItem::toJson() const
{
    QJsonObject values;
    if (row) {
        forRowValues(*row, [&values](const char *name, const TTyped &value) {
            values.insert(QLatin1String(name), value.json());
        });
    } else {
        const TValue::Fields &fields = leaf->fields();
        for (auto it = fields.cbegin(); it != fields.cend(); ++it)
            values.insert(it.key(), typedValue(it.value()).json());
    }
    QJsonObject item;
    item.insert(QStringLiteral("node"), node);
    item.insert(QStringLiteral("key"), keyText());
    item.insert(QStringLiteral("text"), text());
    item.insert(QStringLiteral("count"), count());
    item.insert(QStringLiteral("amount"), amount());
    item.insert(QStringLiteral("values"), values);
    return item;
}

void TSummaryItem::appendJson(QByteArray &out) const
{
    if (!row) {
        const TValue::Fields &fields = leaf->fields();
        // the object's keys in QJsonObject's order: for names of plain
        // ASCII the order of the record's fields
        for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
            if (!isAscii(it.key())) {
                out.append(QJsonDocument(toJson()).toJson(QJsonDocument::Compact));
                return;
            }
        }
    }
    out.append("{\"amount\":");
    TJsonText::appendInteger(out, amount());
    out.append(",\"count\":");
    countValue(row ? row->count() : leaf->count()).append(out);
    out.append(",\"key\":");
    if (row) {
        out.append('"');
        TJsonText::appendInteger(out, row->number);
        out.append('"');
    } else {
        TJsonText::appendString(out, key);
    }
    out.append(",\"node\":");
    TJsonText::appendString(out, node);
    out.append(",\"text\":");
    TJsonText::appendString(out, text());
    out.append(",\"values\":{");
    bool first = true;
    const auto put = [&](const char *name, const TTyped &value) {
        if (!first)
            out.append(',');
        first = false;
        out.append('"');
        out.append(name);
        out.append("\":");
        value.append(out);
    };
    if (row) {
        forRowValues(*row, put);
    } else {
        const TValue::Fields &fields = leaf->fields();
        for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
            if (!first)
                out.append(',');
            first = false;
            TJsonText::appendString(out, it.key());
            out.append(':');
            typedValue(it.value()).append(out);
        }
    }
    out.append("}}");
}

} // namespace PosLib

namespace PosLib {

namespace {

char *putBytes(char *at, const QByteArray &bytes)
{
    std::memcpy(at, bytes.constData(), size_t(bytes.size()));
    return at + bytes.size();
}

template<size_t N>
char *putLiteral(char *at, const char (&text)[N])
{
    std::memcpy(at, text, N - 1);
    return at + N - 1;
}

// The texts of a row whose item parts are the same.
struct TRowTexts
{
    const QString *texts[TPayRow::Texts];
    bool hasTable;
    bool vatOh;
    bool inSum;

    explicit TRowTexts(const TPayRow &row)
        : hasTable(row.hasTable)
        , vatOh(row.vatOh)
        , inSum(row.inSum)
    {
        std::copy(std::begin(row.texts), std::end(row.texts), std::begin(texts));
    }
    bool operator==(const TRowTexts &o) const
    {
        return std::equal(std::begin(texts), std::end(texts), std::begin(o.texts))
               && hasTable == o.hasTable && vatOh == o.vatOh && inSum == o.inSum;
    }
    friend size_t qHash(const TRowTexts &t, size_t seed = 0)
    {
        return qHashMulti(seed, qHashRange(std::begin(t.texts), std::end(t.texts)), t.hasTable,
                          t.vatOh, t.inSum);
    }
};

// What the item of a row takes from its texts, written as appendJson()
// writes it, between the numbers of the pay.
struct TRowParts
{
    QByteArray head; // ,"node":…,"text":…,"values":{"amount":
    QByteArray currency; // ,"curr":… to ,"currshort":…
    QByteArray summary; // ,"insum":…,"intermsum":…
    QByteArray payform; // ,"payform":…,"payformname":…
    QByteArray tail; // ,"vatoh":…,"waitername":…}}
    qsizetype size = 0;

    TRowParts(const TSummaryItem &item)
    {
        const TPayRow &row = *item.row;
        const auto text = [&row](QByteArray &out, const char *name, TPayRow::Text which) {
            if (const QString *t = row.texts[which]) {
                out.append(",\"");
                out.append(name);
                out.append("\":");
                typedText(*t).append(out);
            }
        };
        const auto flag = [&row](QByteArray &out, const char *name, bool value) {
            if (row.hasTable) {
                out.append(",\"");
                out.append(name);
                out.append("\":");
                boolValue(value).append(out);
            }
        };
        head.append(",\"node\":");
        TJsonText::appendString(head, item.node);
        head.append(",\"text\":");
        TJsonText::appendString(head, item.text());
        head.append(",\"values\":{\"amount\":");
        text(currency, "curr", TPayRow::Curr);
        text(currency, "currdecpos", TPayRow::CurrDecPos);
        text(currency, "currname", TPayRow::CurrName);
        text(currency, "currrate", TPayRow::CurrRate);
        text(currency, "currshort", TPayRow::CurrShort);
        flag(summary, "insum", row.inSum);
        text(summary, "intermsum", TPayRow::InTermSum);
        text(payform, "payform", TPayRow::Payform);
        text(payform, "payformname", TPayRow::PayformName);
        flag(tail, "vatoh", row.vatOh);
        text(tail, "waiter", TPayRow::Waiter);
        text(tail, "waitername", TPayRow::WaiterName);
        tail.append("}}");
        size = head.size() + currency.size() + summary.size() + payform.size() + tail.size();
    }
};

} // namespace

struct TSummaryItemJson::Parts
{
    QString node;
    QHash<TRowTexts, TRowParts> made;
    // the last row's, which the next row mostly shares
    std::optional<TRowTexts> lastTexts;
    const TRowParts *last = nullptr;
    QByteArray billText;
};

TSummaryItemJson::TSummaryItemJson()
    : m_parts(std::make_unique<Parts>())
{ }

TSummaryItemJson::~TSummaryItemJson() = default;

void TSummaryItemJson::forget()
{
    m_parts->made.clear();
    m_parts->lastTexts.reset();
    m_parts->last = nullptr;
}

void TSummaryItemJson::append(QByteArray &out, const TSummaryItem &item)
{
    const TPayRow *row = item.row;
    const double amount = row ? row->amount() : 0;
    // sums written as their digits; a larger one as appendJson() has it
    if (!row || !(std::fabs(amount) < 9e10)) {
        item.appendJson(out);
        return;
    }
    Parts &p = *m_parts;
    if (item.node != p.node) {
        forget();
        p.node = item.node;
    }
    const TRowTexts texts(*row);
    if (!p.last || !(*p.lastTexts == texts)) {
        auto it = p.made.find(texts);
        if (it == p.made.end())
            it = p.made.emplace(texts, item);
        p.last = &it.value();
        p.lastTexts = texts;
    }
    const TRowParts &parts = *p.last;
    p.billText.clear();
    if (row->billNumber < 0 && row->billText)
        typedText(*row->billText).append(p.billText);
    // the parts, p.billText and at most 12 numbers of 20 characters with
    // their names
    const qsizetype at = out.size();
    out.resize(at + parts.size + p.billText.size() + 12 * 32 + 16);
    char *const begin = out.data();
    char *o = begin + at;
    const qint64 whole = qint64(amount);
    const char count = row->taken ? '1' : '0';
    o = putLiteral(o, "{\"amount\":");
    o = TJsonText::putInteger(o, whole);
    o = putLiteral(o, ",\"count\":");
    *o++ = count;
    o = putLiteral(o, ",\"key\":\"");
    o = TJsonText::putInteger(o, row->number);
    *o++ = '"';
    o = putBytes(o, parts.head);
    o = TJsonText::putInteger(o, whole);
    if (row->billNumber >= 0) {
        o = putLiteral(o, ",\"billnum\":");
        o = TJsonText::putInteger(o, row->billNumber);
    } else if (row->billText) {
        o = putLiteral(o, ",\"billnum\":");
        o = putBytes(o, p.billText);
    }
    o = putLiteral(o, ",\"count\":");
    *o++ = count;
    o = putBytes(o, parts.currency);
    const TPayValues &pay = row->pay;
    if (row->taken) {
        o = putLiteral(o, ",\"given\":");
        o = TJsonText::putInteger(o, pay.given);
        o = putLiteral(o, ",\"guests\":");
        o = TJsonText::putInteger(o, pay.guests);
    }
    o = putBytes(o, parts.summary);
    if (row->taken) {
        o = putLiteral(o, ",\"orggiven\":");
        o = TJsonText::putInteger(o, pay.orgGiven);
    }
    o = putBytes(o, parts.payform);
    if (row->taken) {
        o = putLiteral(o, ",\"retamount\":");
        o = TJsonText::putInteger(o, pay.retAmount);
        o = putLiteral(o, ",\"return\":");
        o = TJsonText::putInteger(o, pay.ret);
        o = putLiteral(o, ",\"tip\":");
        o = TJsonText::putInteger(o, pay.tip);
    }
    o = putBytes(o, parts.tail);
    out.resize(o - begin);
}

} // namespace PosLib
