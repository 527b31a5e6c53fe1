#include "tofflistview.h"

#include <QFontInfo>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMap>
#include <QToolTip>

#include <algorithm>

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
    // columns as wide as their texts: the last one is not stretched over
    // the rest, where it could be squeezed below its text
    header()->setStretchLastSection(false);
    QAbstractItemModel *rows = model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, &TOffListView::scheduleFit);
    connect(rows, &QAbstractItemModel::modelReset, this, &TOffListView::scheduleFit);
    connect(rows, &QAbstractItemModel::dataChanged, this, &TOffListView::scheduleFit);
    connect(rows, &QAbstractItemModel::headerDataChanged, this, &TOffListView::scheduleFit);
    connect(this, &QTreeView::expanded, this, &TOffListView::scheduleFit);
}

void TOffListView::scheduleFit()
{
    if (!m_fit || m_fitPending)
        return;
    m_fitPending = true;
    QMetaObject::invokeMethod(this, &TOffListView::fitColumns, Qt::QueuedConnection);
}

int TOffListView::cellWidthNeeded(const QModelIndex &index) const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    return itemDelegateForIndex(index)->sizeHint(option, index).width();
}

void TOffListView::fitColumns()
{
    m_fitPending = false;
    if (!m_fit || columnCount() == 0)
        return;
    if (!QFontInfo(font()).fixedPitch()) {
        for (int column = 0; column < columnCount(); ++column)
            resizeColumnToContents(column);
        return;
    }
    // lines of fixed-width text, maybe many thousands: the longest of each
    // column on each level of the tree is measured, not every one
    for (int column = 0; column < columnCount(); ++column) {
        QMap<int, std::pair<qsizetype, QTreeWidgetItem *>> widest; // by depth
        for (QTreeWidgetItemIterator it(this); *it; ++it) {
            QTreeWidgetItem *item = *it;
            int level = 0;
            bool shown = true;
            for (QTreeWidgetItem *p = item->parent(); p; p = p->parent()) {
                ++level;
                shown = shown && p->isExpanded();
            }
            if (!shown)
                continue;
            qsizetype length = 0;
            for (const QString &line : item->text(column).split(QLatin1Char('\n')))
                length = std::max(length, line.size());
            auto found = widest.find(level);
            if (found == widest.end() || length > found->first)
                widest.insert(level, {length, item});
        }
        int width = header()->isHidden() ? 0 : header()->sectionSizeHint(column);
        for (auto it = widest.cbegin(); it != widest.cend(); ++it) {
            int needed = cellWidthNeeded(indexFromItem(it->second, column));
            if (column == 0)
                needed += indentation() * (it.key() + (rootIsDecorated() ? 1 : 0));
            width = std::max(width, needed);
        }
        setColumnWidth(column, width);
    }
}

bool TOffListView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = indexAt(help->pos());
        // a cell narrower than its text shows the whole text
        if (index.isValid() && !index.data(Qt::ToolTipRole).isValid()
            && cellWidthNeeded(index) > visualRect(index).width()) {
            QToolTip::showText(help->globalPos(), index.data(Qt::DisplayRole).toString(), this,
                               visualRect(index));
            return true;
        }
    }
    return QTreeWidget::viewportEvent(event);
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
