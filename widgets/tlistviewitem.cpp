#include "tlistviewitem.h"

namespace QtWidgets {

TListViewItem::TListViewItem(QTreeWidget *view, int type)
    : QTreeWidgetItem(view, type)
{ }

TListViewItem::TListViewItem(QTreeWidget *view, QTreeWidgetItem *after, int type)
    : QTreeWidgetItem(view, after, type)
{ }

TListViewItem::TListViewItem(QTreeWidgetItem *parent, int type)
    : QTreeWidgetItem(parent, type)
{ }

TListViewItem::TListViewItem(QTreeWidgetItem *parent, QTreeWidgetItem *after, int type)
    : QTreeWidgetItem(parent, after, type)
{ }

TListViewItem::~TListViewItem() = default;

QString TListViewItem::key(int column) const
{
    return text(column);
}

int TListViewItem::compare(const QTreeWidgetItem *other, int column) const
{
    const QString mine = key(column);
    const auto *item = dynamic_cast<const TListViewItem *>(other);
    const QString theirs = item ? item->key(column) : other->text(column);
    bool a = false;
    bool b = false;
    const qlonglong x = mine.trimmed().toLongLong(&a);
    const qlonglong y = theirs.trimmed().toLongLong(&b);
    if (a && b)
        return x < y ? -1 : (x > y ? 1 : 0);
    return mine.localeAwareCompare(theirs);
}

bool TListViewItem::operator<(const QTreeWidgetItem &other) const
{
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    return compare(&other, column) < 0;
}

} // namespace QtWidgets
