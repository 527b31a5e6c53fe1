#include "tofflistview.h"

#include <QHeaderView>
#include <QKeyEvent>

TOffListView::TOffListView(QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(0);
    setRootIsDecorated(true);
    setAllColumnsShowFocus(true);
    setAlternatingRowColors(true);
    setUniformRowHeights(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        emit contextRequested(itemAt(pos), viewport()->mapToGlobal(pos));
    });
}

TOffListView::~TOffListView() = default;

int TOffListView::addColumn(const QString &title, int width)
{
    const int column = columnCount();
    setColumnCount(column + 1);
    headerItem()->setText(column, title);
    if (width > 0)
        setColumnWidth(column, width);
    return column;
}

void TOffListView::setColumnText(int column, const QString &title)
{
    if (column >= 0 && column < columnCount())
        headerItem()->setText(column, title);
}

QList<QTreeWidgetItem *> TOffListView::allItems() const
{
    QList<QTreeWidgetItem *> items;
    for (QTreeWidgetItemIterator it(const_cast<TOffListView *>(this)); *it; ++it)
        items.append(*it);
    return items;
}

void TOffListView::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && event->modifiers() == Qt::NoModifier) {
        emit returnPressed(currentItem());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
