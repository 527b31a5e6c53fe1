#pragma once

#include <QDialog>

class QTreeWidget;
class TAccessItem;

// The list rights dialog: one checked entry per list; OK stores the rights
// in TOffConfig (section "ListAccess") and writes the configuration.
class TListAccess : public QDialog
{
    Q_OBJECT
public:
    explicit TListAccess(QWidget *parent = nullptr, const char *name = nullptr);
    ~TListAccess() override;

    // Adds the list, checked as the stored right says.
    TAccessItem *insert(const QString &key, const QString &label);
    QTreeWidget *items() const { return m_items; }

public Q_SLOTS:
    void accept() override;

private:
    QTreeWidget *m_items;
};
