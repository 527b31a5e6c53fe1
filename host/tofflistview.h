#pragma once

#include <QTreeWidget>

// The host's list view: a tree list with columns that documents and dialogs
// fill. Enter on a row is reported as returnPressed(), a right click as
// contextRequested() with the global position. Its columns are as wide as
// their widest text (header included) whenever rows come, change or are
// opened; a cell the user makes narrower than its text shows the whole
// text as its tool tip.
class TOffListView : public QTreeWidget
{
    Q_OBJECT
public:
    explicit TOffListView(QWidget *parent = nullptr);
    ~TOffListView() override;

    // Appends a column; returns its index.
    int addColumn(const QString &title, int width = -1);
    void setColumnText(int column, const QString &title);
    // Every row, depth first, in display order.
    QList<QTreeWidgetItem *> allItems() const;

    // Sizes every column to its widest text now (it happens by itself,
    // after the event that changed the rows).
    void fitColumns();
    // Whether the columns follow their texts (on by default).
    void setFitColumns(bool on) { m_fit = on; }
    // The width a cell's text needs; more than the cell has: it is cut.
    int cellWidthNeeded(const QModelIndex &index) const;

Q_SIGNALS:
    void returnPressed(QTreeWidgetItem *item);
    void contextRequested(QTreeWidgetItem *item, const QPoint &globalPos);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    // Fits the columns once the current event is handled.
    void scheduleFit();

    bool m_fit = true;
    bool m_fitPending = false;
};
