#pragma once

#include "tlistrow.h"

class QTreeWidget;
class QTreeWidgetItem;

// Appends the rows to the list view as items with their children, each
// column of a row in a column of its item. Line breaks inside a row show
// as lines of the item ("\r" dropped); items with children are expanded.
void addListRows(QTreeWidget *view, const PosLib::TListRows &rows);
// The items of the view as rows, in display order.
PosLib::TListRows listRowsOf(const QTreeWidget *view);
