#pragma once

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QTreeWidget;

// The layout of the range selection: the list of records (column "Name"),
// the group "For table entry" with the entry kinds, and "Help", OK,
// "Cancel". The slots are for the subclass; here they only write a debug
// trace.
class TSumFilterListBase : public QDialog
{
    Q_OBJECT
public:
    explicit TSumFilterListBase(QWidget *parent = nullptr);
    ~TSumFilterListBase() override;

    // Applies the user's dialog rights first; a dialog the user may not
    // use does not open.
    int exec() override;

    QTreeWidget *m_List;
    QGroupBox *m_Group;
    QRadioButton *m_Order;
    QRadioButton *m_Change;
    QRadioButton *m_Void;
    QRadioButton *m_Pay;
    QRadioButton *m_Split;
    QRadioButton *m_Restore;
    QRadioButton *m_Archiv;
    QPushButton *buttonHelp;
    QPushButton *buttonOk;
    QPushButton *buttonCancel;

public Q_SLOTS:
    virtual void onHelp();

protected Q_SLOTS:
    virtual void languageChange();
};
