#pragma once

#include "tsumfilterdlgbase.h"

#include "tconditionlist.h"
#include "trecordnavigation.h"

class TOffWorkspace;
namespace Basics {
class TValueList;
}
namespace PosLib {
class TSumFilter;
}

// The summary filter dialog: edits one filter of the workspace's
// "sumfilters" list, or inserts a new one. Each page shows its condition
// one item a row; "&Add", "&Edit" and "&Delete" work on single items,
// "&Range" appends the records selected in a list as a new alternative,
// "F&lags" appends a ready-made item as a new alternative. OK checks the
// number, the name and every item, then writes the record; nothing is
// written while something is wrong. Moving to another record writes the
// changes of the current one first, with the same checks.
class TSumFilterDlg : public TSumFilterDlgBase
{
    Q_OBJECT
public:
    // `filter` is a record of the workspace's "sumfilters" list; null
    // inserts a new filter under the number the dialog proposes.
    // `navigate` offers the first/previous/next/last buttons.
    TSumFilterDlg(TOffWorkspace *workspace, PosLib::TSumFilter *filter, bool navigate,
                  QWidget *parent = nullptr);
    ~TSumFilterDlg() override;

    Basics::TValueList *list() const { return m_records.list(); }
    // The record shown; after OK in insert mode the record inserted.
    PosLib::TSumFilter *filter() const;
    bool isInsert() const { return m_records.isInsert(); }
    // Whether a record was written to the list (by OK or by moving on).
    bool stored() const { return m_stored; }
    // Whether the fields differ from the record.
    bool isChanged() const { return m_changed; }

    TConditionList &tableRows() { return m_tableRows; }
    TConditionList &entryRows() { return m_entryRows; }

    // The filter as the fields show it now (number, name, description and
    // the two conditions), whether stored or not.
    PosLib::TSumFilter edited() const;
    // Why the fields cannot be stored; empty when they can.
    QString problem() const;

public Q_SLOTS:
    void accept() override;
    void onTest() override;
    void onHelp() override;
    void onFirst() override;
    void onPrev() override;
    void onNext() override;
    void onLast() override;
    void onChange() override;
    void onTabChanged(QTreeWidgetItem *item) override;
    void onTabNew() override;
    void onTabEdit() override;
    void onTabDelete() override;
    void onTabTables() override;
    void onTabCenters() override;
    void onTabTerminals() override;
    void onTabWaiters() override;
    void onTabArticles() override;
    void onTabFamilies() override;
    void onTabFamGroups() override;
    void onTabPayforms() override;
    void onTabTakeaway() override;
    void onTabNoTakeaway() override;
    void onTabInSummary() override;
    void onTabNoSummary() override;
    void onEntChanged(QTreeWidgetItem *item) override;
    void onEntNew() override;
    void onEntEdit() override;
    void onEntDelete() override;
    void onEntTables() override;
    void onEntCenters() override;
    void onEntTerminals() override;
    void onEntWaiters() override;
    void onEntArticles() override;
    void onEntFamilies() override;
    void onEntFamGroups() override;
    void onEntPayforms() override;
    void onEntTakeaway() override;
    void onEntNoTakeaway() override;
    void onEntInSummary() override;
    void onEntNoSummary() override;
    void onEntTypeOrder() override;
    void onEntTypeVoid() override;
    void onEntTypePay() override;

protected Q_SLOTS:
    void languageChange() override;

private:
    enum Page { TablePage, EntryPage };

    // Shows a record (null: a new one) and forgets the changes.
    void show(PosLib::TSumFilter *filter);
    // Writes the fields to the record (inserting it when new); false, with
    // a message, when something is wrong.
    bool store();
    // Stores pending changes, then shows the record the step leads to.
    void moveTo(TRecordNavigation::Step step);
    void updateButtons();
    void setCaption();
    TConditionList &rows(Page page) { return page == TablePage ? m_tableRows : m_entryRows; }
    void addItem(Page page);
    void editItem(Page page);
    void deleteItem(Page page);
    // The ranges of the "&Range" popup, in its order.
    enum Range {
        TableRange,
        CenterRange,
        TerminalRange,
        WaiterRange,
        ArticleRange,
        FamilyRange,
        FamGroupRange,
        PayformRange,
    };
    // Runs the range selection on a list and appends its condition.
    void range(Page page, Range which);
    void flag(Page page, const char *item);
    void changed();

    TOffWorkspace *m_workspace;
    TRecordNavigation m_records;
    bool m_changed = false;
    bool m_stored = false;
    bool m_loading = false;
    TConditionList m_tableRows;
    TConditionList m_entryRows;
};
