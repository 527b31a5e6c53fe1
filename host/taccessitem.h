#pragma once

#include <QTreeWidgetItem>

// One entry of the rights dialogs: a list or a dialog (or an element of a
// dialog) with a check box for the right.
class TAccessItem : public QTreeWidgetItem
{
public:
    TAccessItem(QTreeWidget *view, const QString &key, const QString &label);
    TAccessItem(TAccessItem *parent, const QString &key, const QString &label);
    ~TAccessItem() override;

    QString key() const { return m_key; }
    bool granted() const { return checkState(0) == Qt::Checked; }
    void setGranted(bool granted);
    void setPixmap(const QPixmap &pixmap);

private:
    QString m_key;
};
