#include "tofflistitem.h"

#include "tofflistview.h"
#include "tvalue.h"

TOffListItem::TOffListItem(TOffListView *view, Basics::TValue *value)
    : QtWidgets::TListViewItem(view)
    , m_value(value)
{ }

TOffListItem::TOffListItem(TOffListView *view, QTreeWidgetItem *after, Basics::TValue *value)
    : QtWidgets::TListViewItem(view, after)
    , m_value(value)
{ }

TOffListItem::TOffListItem(QTreeWidgetItem *parent, Basics::TValue *value)
    : QtWidgets::TListViewItem(parent)
    , m_value(value)
{ }

TOffListItem::TOffListItem(QTreeWidgetItem *parent, QTreeWidgetItem *after, Basics::TValue *value)
    : QtWidgets::TListViewItem(parent, after)
    , m_value(value)
{ }

TOffListItem::~TOffListItem() = default;

void TOffListItem::showFields(const QStringList &keys)
{
    for (int column = 0; column < keys.size(); ++column)
        setText(column, m_value ? m_value->getString(keys[column]) : QString());
}
