#pragma once

#include "tlistviewitem.h"

#include <QStringList>

namespace Basics {
class TValue;
}
class TOffListView;

// A row of a host list view, optionally showing the fields of a record.
// The record is not owned.
class TOffListItem : public QtWidgets::TListViewItem
{
public:
    explicit TOffListItem(TOffListView *view, Basics::TValue *value = nullptr);
    TOffListItem(TOffListView *view, QTreeWidgetItem *after, Basics::TValue *value = nullptr);
    explicit TOffListItem(QTreeWidgetItem *parent, Basics::TValue *value = nullptr);
    TOffListItem(QTreeWidgetItem *parent, QTreeWidgetItem *after, Basics::TValue *value = nullptr);
    ~TOffListItem() override;

    Basics::TValue *value() const { return m_value; }
    void setValue(Basics::TValue *value) { m_value = value; }
    // Column n shows the record's field keys[n].
    void showFields(const QStringList &keys);

private:
    Basics::TValue *m_value;
};
