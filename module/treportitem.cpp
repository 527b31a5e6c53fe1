#include "treportitem.h"

#include <QPalette>
#include <QTreeWidget>

TReportItem::TReportItem(QTreeWidget *list, int number, const QString &name, bool checked)
    : QTreeWidgetItem(list)
{
    setText(0, QString::number(number));
    setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    setText(1, name);
    setFlags(flags() | Qt::ItemIsUserCheckable);
    setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

TReportItem::~TReportItem() = default;

int TReportItem::number() const
{
    return text(0).toInt();
}

bool TReportItem::operator<(const QTreeWidgetItem &other) const
{
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    if (column == 0)
        return text(0).toInt() < other.text(0).toInt();
    return text(column) < other.text(column);
}

QColor TReportItem::alternateColor(const QColor &base)
{
    QColor color = base;
    const int blue = base.blue() + 50;
    color.setBlue(blue > 255 ? base.blue() - 50 : blue);
    return color;
}

QVariant TReportItem::data(int column, int role) const
{
    if (role == Qt::BackgroundRole) {
        QTreeWidget *list = treeWidget();
        if (list && list->indexOfTopLevelItem(const_cast<TReportItem *>(this)) % 2 == 1)
            return alternateColor(list->palette().color(QPalette::Base));
    }
    return QTreeWidgetItem::data(column, role);
}
