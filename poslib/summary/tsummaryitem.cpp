#include "tsummaryitem.h"

#include "tjsontext.h"
#include "treportleaf.h"
#include "tround.h"

#include <QJsonDocument>

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

// A field of a leaf's record with its type: numbers, true/false, text. A
// value read from a file keeps no type: a plain whole number or decimal
// becomes a number, "yes" and "no" a boolean; numbers with leading zeros
// (article numbers) stay text.
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
    if (isPlainNumber(text))
        return text.contains(QLatin1Char('.')) ? doubleValue(parseDecimal(text))
                                               : integerValue(parseInteger(text));
    if (text == QLatin1String("yes") || text == QLatin1String("no"))
        return boolValue(text == QLatin1String("yes"));
    TTyped t;
    t.text = &text;
    return t;
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

QString TSummaryItem::text() const
{
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
    return countValue(leaf->count()).json();
}

qint64 TSummaryItem::amount() const
{
    return roundHalfUp(leaf->amount());
}

QJsonObject TSummaryItem::toJson() const
{
    QJsonObject values;
    const TValue::Fields &fields = leaf->fields();
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        values.insert(it.key(), typedValue(it.value()).json());
    QJsonObject item;
    item.insert(QStringLiteral("node"), node);
    item.insert(QStringLiteral("key"), key);
    item.insert(QStringLiteral("text"), text());
    item.insert(QStringLiteral("count"), count());
    item.insert(QStringLiteral("amount"), amount());
    item.insert(QStringLiteral("values"), values);
    return item;
}

void TSummaryItem::appendJson(QByteArray &out) const
{
    const TValue::Fields &fields = leaf->fields();
    // the object's keys in QJsonObject's order: for names of plain ASCII
    // the order of the record's fields
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        if (!isAscii(it.key())) {
            out.append(QJsonDocument(toJson()).toJson(QJsonDocument::Compact));
            return;
        }
    }
    out.append("{\"amount\":");
    TJsonText::appendInteger(out, amount());
    out.append(",\"count\":");
    countValue(leaf->count()).append(out);
    out.append(",\"key\":");
    TJsonText::appendString(out, key);
    out.append(",\"node\":");
    TJsonText::appendString(out, node);
    out.append(",\"text\":");
    TJsonText::appendString(out, text());
    out.append(",\"values\":{");
    bool first = true;
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        if (!first)
            out.append(',');
        first = false;
        TJsonText::appendString(out, it.key());
        out.append(':');
        typedValue(it.value()).append(out);
    }
    out.append("}}");
}

} // namespace PosLib
