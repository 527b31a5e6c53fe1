#pragma once

#include <QDialog>

class QTreeWidget;
class TAccessItem;

// The dialog rights dialog: per dialog an entry with its named elements
// (buttons, fields, lists) below it; OK stores the rights in TOffConfig
// (section "DialogAccess") and writes the configuration.
class TDlgAccess : public QDialog
{
    Q_OBJECT
public:
    explicit TDlgAccess(QWidget *parent = nullptr, const char *name = nullptr);
    ~TDlgAccess() override;

    // Lists the dialog and its elements; the dialog may be deleted after.
    TAccessItem *insert(QWidget *dialog, const QString &label);
    QTreeWidget *items() const { return m_items; }
    // The name an element is listed under: the text the user reads on it
    // or beside it ("&Waiter:" as "Waiter").
    static QString elementLabel(QWidget *dialog, QWidget *element);

public Q_SLOTS:
    void accept() override;

private:
    QTreeWidget *m_items;
};
