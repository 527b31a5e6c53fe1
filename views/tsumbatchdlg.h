#pragma once

#include "trecordnavigation.h"
#include "tsumbatchdlgbase.h"

#include <QList>
#include <QStringList>

class TOffWorkspace;
namespace Basics {
class TValueList;
}
namespace PosLib {
class TSumBatch;
}

// The summary batch dialog: edits one batch of the workspace's
// "sumbatches" list, or inserts a new one. The reports of the batch are
// moved from "Reports" to "Selected reports" (one, or all) and back; the
// selection keeps the order of insertion, which is the order the batch
// runs them in. OK checks the number, the name and that there is a report,
// then writes the record; nothing is written while something is wrong.
// Moving to another record writes the changes of the current one first,
// with the same checks.
class TSumBatchDlg : public TSumBatchDlgBase
{
    Q_OBJECT
public:
    // A report a batch can run: its kind id and caption (translated in the
    // context "TSumBatchDlg").
    struct Report
    {
        int id;
        const char *caption;
    };
    // Ids 1 and 3 to 42, in id order.
    static const QList<Report> &reports();
    static QString reportCaption(int id);

    // `batch` is a record of the workspace's "sumbatches" list; null
    // inserts a new batch under the number the dialog proposes.
    // `navigate` offers the first/previous/next/last buttons.
    TSumBatchDlg(TOffWorkspace *workspace, PosLib::TSumBatch *batch, bool navigate,
                 QWidget *parent = nullptr);
    ~TSumBatchDlg() override;

    Basics::TValueList *list() const { return m_records.list(); }
    // The record shown; after OK in insert mode the record inserted.
    PosLib::TSumBatch *batch() const;
    bool isInsert() const { return m_records.isInsert(); }
    // Whether a record was written to the list (by OK or by moving on).
    bool stored() const { return m_stored; }
    bool isChanged() const { return m_changed; }

    // The ids of "Available" and "Selected reports", in their order.
    QList<int> availableReports() const;
    QList<int> selectedReports() const;
    // Makes the report with the id the current one of its list.
    bool setCurrentReport(int id);

    // The batch as the fields show it now, whether stored or not.
    PosLib::TSumBatch edited() const;
    // Why the fields cannot be stored; empty when they can.
    QString problem() const;

public Q_SLOTS:
    void accept() override;
    void onHelp() override;
    void onFirst() override;
    void onPrev() override;
    void onNext() override;
    void onLast() override;
    void onChange() override;
    void ondelete() override;
    void ondeleteall() override;
    void oninsert() override;
    void oninsertall() override;
    void oninsert(QTreeWidgetItem *item) override;
    void ondelete(QTreeWidgetItem *item) override;
    void repschanged() override;

protected Q_SLOTS:
    void languageChange() override;

private:
    void show(PosLib::TSumBatch *batch);
    void fillFilters(int current);
    void fillReports(const QList<int> &selected);
    bool store();
    // Stores pending changes, then shows the record the step leads to.
    void moveTo(TRecordNavigation::Step step);
    void updateButtons();
    void setCaption();
    // Moves a row of the available list to the end of the selection, or a
    // row of the selection back to its place among the available ones.
    void select(QTreeWidgetItem *row);
    void deselect(QTreeWidgetItem *row);
    QTreeWidgetItem *reportRow(QTreeWidget *list, int id) const;

    TOffWorkspace *m_workspace;
    TRecordNavigation m_records;
    bool m_changed = false;
    bool m_stored = false;
    bool m_loading = false;
};
