#pragma once

#include <QTreeWidgetItem>

namespace QtWidgets {

// The base of the list rows in dialogs and documents. Sorts a column by
// number when both texts are whole numbers (so "9" comes before "10") and
// by text otherwise; subclasses can give a column a sort key of their own.
class TListViewItem : public QTreeWidgetItem
{
public:
    explicit TListViewItem(QTreeWidget *view, int type = UserType);
    TListViewItem(QTreeWidget *view, QTreeWidgetItem *after, int type = UserType);
    explicit TListViewItem(QTreeWidgetItem *parent, int type = UserType);
    TListViewItem(QTreeWidgetItem *parent, QTreeWidgetItem *after, int type = UserType);
    ~TListViewItem() override;

    // The value a column sorts by: the column's text unless overridden.
    virtual QString key(int column) const;
    // <0, 0 or >0 as this row sorts before, with or after `other`.
    virtual int compare(const QTreeWidgetItem *other, int column) const;

    bool operator<(const QTreeWidgetItem &other) const override;
};

} // namespace QtWidgets
