#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <memory>

namespace PosLib {

class TReportLeaf;
struct TPayRow;

// One item of a group's data: a leaf of a node, as the data of a summary
// list it (node, key, the name its line shows, count, amount in cents and
// every named value of the leaf). Made while the leaves are visited; the
// leaf is valid for the call it is handed to only. A node with a leaf per
// pay hands its pays as rows instead, which give the same item as their
// leaves would.
struct TSummaryItem
{
    QString node;
    QString key; // of a leaf; a row's key is its number
    const TReportLeaf *leaf = nullptr;
    const TPayRow *row = nullptr; // when there is no leaf

    // The key of the leaf or row.
    QString keyText() const;

    // The name the item's line shows: the first of "article",
    // "payformname", "familyname", … the leaf has.
    QString text() const;
    // The count as a whole number when it is one, else with its decimals.
    QJsonValue count() const;
    // The amount in cents, rounded half up.
    qint64 amount() const;
    // The item as a JSON object: "node", "key", "text", "count" (whole when
    // it is), "amount" (rounded cents) and "values", the leaf's named
    // values typed (numbers, true/false, text).
    QJsonObject toJson() const;
    // The compact JSON of toJson(), byte for byte as QJsonDocument writes
    // it, made without building the object.
    void appendJson(QByteArray &out) const;
};

// Writes items as TSummaryItem::appendJson() does, byte for byte, the rows
// of a node with a leaf per pay (a year lists a few hundred thousand) with
// less work: what an item takes from the texts its pay copies (pay form,
// waiter, currency, the node's name and the item's text) repeats from pay
// to pay and is made once per set of texts, the numbers go straight into
// the bytes. A row's texts are known by their addresses, which belong to
// the node that hands them: forget() before the rows of another group.
class TSummaryItemJson
{
public:
    TSummaryItemJson();
    ~TSummaryItemJson();
    void append(QByteArray &out, const TSummaryItem &item);
    // Forgets the parts made so far (a new node's texts may take the
    // addresses of a node gone).
    void forget();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

// True for a text that the data take for a number: an optional minus, a
// whole number without leading zeros of at most 18 digits, an optional
// fraction (a line break may end it). "0042" (an article number) is no
// number.
bool isPlainNumber(const QString &text);

} // namespace PosLib
