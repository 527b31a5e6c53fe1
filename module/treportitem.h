#pragma once

#include <QColor>
#include <QTreeWidgetItem>

// A row of the options dialog's report list: a check box with the report
// number in column 0 and its name in column 1. Rows sort by the number
// (as a number, so 9 comes before 10; other columns by text), and every
// second row is drawn in the list's base colour with more blue.
class TReportItem : public QTreeWidgetItem
{
public:
    TReportItem(QTreeWidget *list, int number, const QString &name, bool checked);
    ~TReportItem() override;

    int number() const;
    bool isChecked() const { return checkState(0) == Qt::Checked; }

    bool operator<(const QTreeWidgetItem &other) const override;
    QVariant data(int column, int role) const override;

    // The colour of every second row: the base colour with its blue raised
    // by 50, or lowered by 50 where raising would pass 255.
    static QColor alternateColor(const QColor &base);
};
