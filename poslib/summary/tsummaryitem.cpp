#include "tsummaryitem.h"

#include "tjsontext.h"
#include "treportleaf.h"
#include "treppaynodes.h"
#include "tround.h"

#include <QJsonDocument>

#include <cmath>

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
