#pragma once

#include <QTreeWidget>

// The host's list view: a tree list with columns that documents and dialogs
// fill. Enter on a row is reported as returnPressed(), a right click as
// contextRequested() with the global position.
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

Q_SIGNALS:
    void returnPressed(QTreeWidgetItem *item);
    void contextRequested(QTreeWidgetItem *item, const QPoint &globalPos);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
