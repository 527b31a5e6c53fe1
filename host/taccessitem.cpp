#include "taccessitem.h"

TAccessItem::TAccessItem(QTreeWidget *view, const QString &key, const QString &label)
    : QTreeWidgetItem(view)
    , m_key(key)
{
    setText(0, label);
    setFlags(flags() | Qt::ItemIsUserCheckable);
    setGranted(true);
}

TAccessItem::TAccessItem(TAccessItem *parent, const QString &key, const QString &label)
    : QTreeWidgetItem(parent)
    , m_key(key)
{
    setText(0, label);
    setFlags(flags() | Qt::ItemIsUserCheckable);
    setGranted(true);
}

TAccessItem::~TAccessItem() = default;

void TAccessItem::setGranted(bool granted)
{
    setCheckState(0, granted ? Qt::Checked : Qt::Unchecked);
}

void TAccessItem::setPixmap(const QPixmap &pixmap)
{
    setIcon(0, pixmap);
}
