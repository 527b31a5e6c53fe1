#include "listrows.h"

#include <QTreeWidget>

using PosLib::TListRow;
using PosLib::TListRows;

namespace {

QTreeWidgetItem *itemOf(const TListRow &row)
{
    QStringList texts;
    texts.reserve(row.columns.size());
    for (const QString &column : row.columns) {
        QString text = column;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        texts << text;
    }
    auto *item = new QTreeWidgetItem(texts);
    for (const TListRow &child : row.children)
        item->addChild(itemOf(child));
    return item;
}

void expand(QTreeWidgetItem *item)
{
    if (item->childCount() == 0)
        return;
    item->setExpanded(true);
    for (int i = 0; i < item->childCount(); ++i)
        expand(item->child(i));
}

TListRow rowOf(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int c = 0; c < item->columnCount(); ++c)
        texts << item->text(c);
    TListRow row(texts);
    for (int i = 0; i < item->childCount(); ++i)
        row.children.append(rowOf(item->child(i)));
    return row;
}

} // namespace

void addListRows(QTreeWidget *view, const TListRows &rows)
{
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    for (const TListRow &row : rows)
        items.append(itemOf(row));
    // all at once: a view takes a long list far faster than item by item
    view->addTopLevelItems(items);
    for (QTreeWidgetItem *item : std::as_const(items))
        expand(item);
}

TListRows listRowsOf(const QTreeWidget *view)
{
    TListRows rows;
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        rows.append(rowOf(view->topLevelItem(i)));
    return rows;
}
