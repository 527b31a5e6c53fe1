#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
namespace QtWidgets {
class TComboBox;
}

// The layout of the summary batch dialog: on the tab "General" number,
// name, description, filter, sorting, "Descending" and "F&iscalizing
// report", the lists "Reports" (available) and "Selected reports" with the
// move buttons between them; record navigation and "Help", OK, "Cancel".
// The slots are for the subclass; here they only write a debug trace.
class TSumBatchDlgBase : public QDialog
{
    Q_OBJECT
public:
    explicit TSumBatchDlgBase(QWidget *parent = nullptr);
    ~TSumBatchDlgBase() override;

    // Applies the user's dialog rights first; a dialog the user may not
    // use does not open.
    int exec() override;

    QTabWidget *tabWidget;
    QWidget *tabGeneral;
    QLabel *l_ID;
    QLineEdit *m_ID;
    QLabel *l_Name;
    QLineEdit *m_Name;
    QLabel *l_Descr;
    QLineEdit *m_Descr;
    QLabel *l_Filter;
    QtWidgets::TComboBox *m_Filter;
    QLabel *l_Sorting;
    QComboBox *m_Sorting;
    QCheckBox *m_SortDesc;
    QCheckBox *m_Fiscal;
    QLabel *l_Reports;
    QTreeWidget *m_Reports;
    QLabel *l_SReports;
    QTreeWidget *m_SReports;
    QPushButton *b_insert;
    QPushButton *b_insertall;
    QPushButton *b_delete;
    QPushButton *b_deleteall;
    QPushButton *b_First;
    QPushButton *b_Prev;
    QPushButton *b_Next;
    QPushButton *b_Last;
    QPushButton *buttonHelp;
    QPushButton *buttonOk;
    QPushButton *buttonCancel;

public Q_SLOTS:
    virtual void onHelp();
    virtual void onFirst();
    virtual void onPrev();
    virtual void onNext();
    virtual void onLast();
    virtual void onChange();
    virtual void ondelete();
    virtual void ondeleteall();
    virtual void oninsert();
    virtual void oninsertall();
    virtual void oninsert(QTreeWidgetItem *item);
    virtual void ondelete(QTreeWidgetItem *item);
    virtual void repschanged();

protected Q_SLOTS:
    virtual void languageChange();
};
