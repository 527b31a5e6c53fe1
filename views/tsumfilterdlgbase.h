#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The layout of the summary filter dialog: number, name and description,
// the pages "&Table filter" and "Entry &filter" with their item lists and
// buttons (the "&Range" and "F&lags" buttons open popups), record
// navigation and "Help", OK, "Cancel". The slots are for the subclass;
// here they only write a debug trace.
class TSumFilterDlgBase : public QDialog
{
    Q_OBJECT
public:
    explicit TSumFilterDlgBase(QWidget *parent = nullptr);
    ~TSumFilterDlgBase() override;

    // Applies the user's dialog rights first; a dialog the user may not
    // use does not open.
    int exec() override;

    QLabel *l_Number;
    QLineEdit *m_Number;
    QLabel *l_Name;
    QLineEdit *m_Name;
    QLabel *l_Descr;
    QLineEdit *m_Descr;
    QPushButton *b_Test;
    QTabWidget *tabWidget;
    QWidget *pageTable;
    QTreeWidget *m_Tables;
    QPushButton *b_TabAdd;
    QPushButton *b_TabEdit;
    QPushButton *b_TabDelete;
    QPushButton *b_TabRange;
    QPushButton *b_TabFlags;
    QWidget *pageEntry;
    QTreeWidget *m_Entries;
    QPushButton *b_EntAdd;
    QPushButton *b_EntEdit;
    QPushButton *b_EntDelete;
    QPushButton *b_EntRange;
    QPushButton *b_EntFlags;
    QPushButton *b_First;
    QPushButton *b_Prev;
    QPushButton *b_Next;
    QPushButton *b_Last;
    QPushButton *buttonHelp;
    QPushButton *buttonOk;
    QPushButton *buttonCancel;

    // The popups of "&Range" and "F&lags" of both pages.
    QMenu *tabRangeMenu;
    QMenu *tabFlagsMenu;
    QMenu *entRangeMenu;
    QMenu *entFlagsMenu;

public Q_SLOTS:
    virtual void onTest();
    virtual void onHelp();
    virtual void onFirst();
    virtual void onPrev();
    virtual void onNext();
    virtual void onLast();
    virtual void onChange();
    virtual void onTabChanged(QTreeWidgetItem *item);
    virtual void onTabNew();
    virtual void onTabEdit();
    virtual void onTabDelete();
    virtual void onTabTables();
    virtual void onTabCenters();
    virtual void onTabTerminals();
    virtual void onTabWaiters();
    virtual void onTabArticles();
    virtual void onTabFamilies();
    virtual void onTabFamGroups();
    virtual void onTabPayforms();
    virtual void onTabTakeaway();
    virtual void onTabNoTakeaway();
    virtual void onTabInSummary();
    virtual void onTabNoSummary();
    virtual void onEntChanged(QTreeWidgetItem *item);
    virtual void onEntNew();
    virtual void onEntEdit();
    virtual void onEntDelete();
    virtual void onEntTables();
    virtual void onEntCenters();
    virtual void onEntTerminals();
    virtual void onEntWaiters();
    virtual void onEntArticles();
    virtual void onEntFamilies();
    virtual void onEntFamGroups();
    virtual void onEntPayforms();
    virtual void onEntTakeaway();
    virtual void onEntNoTakeaway();
    virtual void onEntInSummary();
    virtual void onEntNoSummary();
    virtual void onEntTypeOrder();
    virtual void onEntTypeVoid();
    virtual void onEntTypePay();

protected Q_SLOTS:
    // Sets every text again (after a language change).
    virtual void languageChange();

private:
    QWidget *buildPage(QTreeWidget *&list, QPushButton *&add, QPushButton *&edit,
                       QPushButton *&remove, QPushButton *&range, QPushButton *&flags,
                       const QString &prefix);
    void buildMenus();
    void setRangeTexts(QMenu *menu);
    void setFlagTexts(QMenu *menu);
};
