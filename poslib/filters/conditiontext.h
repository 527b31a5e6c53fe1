#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace PosLib {

// The text form of filter conditions as the filter dialogs build it:
// alternatives separated by "|", items of an alternative by "&", an item
// "kind:attribute:operator:value" (see TSumFilter).

// One item in its four fields.
struct TConditionItem
{
    int kind = 0;
    QString attribute;
    QChar op = u'=';
    QString value;

    // "kind:attribute:op:value"; an empty value still gives four fields.
    QString text() const;
    // Reads an item the way the filter does: empty fields are dropped,
    // fields after the fourth belong to the value. False (and the item
    // untouched) for fewer than three fields or a kind that is no number.
    static bool parse(const QString &text, TConditionItem &item);

    bool operator==(const TConditionItem &o) const
    {
        return kind == o.kind && attribute == o.attribute && op == o.op && value == o.value;
    }
};

// The alternatives of a condition, each the texts of its items in order.
// Empty items and alternatives without items are left out, so a stray "&"
// or "|" disappears.
QList<QStringList> conditionAlternatives(const QString &condition);
// The condition text of alternatives; empty alternatives are left out.
QString joinAlternatives(const QList<QStringList> &alternatives);
// `condition` with `alternative` appended as a further alternative ("|"
// between them when the condition is not empty).
QString appendAlternative(const QString &condition, const QString &alternative);

// The condition that a selection of numbers gives for an attribute: each
// single number n is kind:attribute:=:n, each run of consecutive numbers
// lo..hi the pair kind:attribute:>:lo-1 & kind:attribute:<:hi+1; the parts
// are joined by "|". Duplicates and order of `numbers` do not matter.
// 3, 4, 5 and 9 of "waiter" at kind 0 give
// "0:waiter:>:2&0:waiter:<:6|0:waiter:=:9". No numbers give "".
QString rangeCondition(int kind, const QString &attribute, QList<int> numbers);

// Why an item cannot be stored, or an empty text when it can. An item is
// refused when its value would change the condition's structure ("|" or
// "&"), when "<" or ">" compare with something that is no number, when a
// date is no date "yyyyMMdd" or a time no time "hhmmss", or when the
// operator is none of "<", ">", "=", "!". Texts in the context
// "TSumFilter".
QString checkConditionItem(const TConditionItem &item);
// The first problem of a whole condition (with the item it concerns), or
// an empty text.
QString checkCondition(const QString &condition);

} // namespace PosLib
