#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

namespace PosLib {

// One item of a list document (the paid tables journal, the open tables,
// the time controls) as plain data: its column texts and the items below
// it. The documents turn rows into list view items; the command line
// prints them with writeListRows().
struct TListRow
{
    TListRow() = default;
    explicit TListRow(const QString &text)
        : columns {text}
    { }
    explicit TListRow(const QStringList &texts)
        : columns(texts)
    { }

    // Appends a child item and returns it.
    TListRow &addChild(const QString &text);
    TListRow &addChild(const QStringList &texts);

    // The first column; empty without columns.
    QString text() const { return columns.value(0); }

    QStringList columns;
    QList<TListRow> children;
};

using TListRows = QList<TListRow>;

// The list as text, one item a line in the list's order: each child level
// is indented by two more spaces; a line break inside an item ("\r\n",
// "\n" or "\r") continues on a new line at the same indentation, no "\r"
// is written; the columns of an item are joined by one tab, trailing empty
// columns dropped. Every line ends in "\n".
QString listRowsText(const TListRows &rows);
// The same text's lines, without their "\n".
QStringList listRowsLines(const TListRows &rows);
void writeListRows(QTextStream &out, const TListRows &rows);

} // namespace PosLib
