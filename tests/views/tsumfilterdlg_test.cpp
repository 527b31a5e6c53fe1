// The summary filter dialog and its item editor, range selection and test
// dialog, driven as a user would, without a display.

#include "logcapture.h"
#include "tcombobox.h"
#include "tsumbatchdlgbase.h"
#include "tsumfilterdlg.h"
#include "tsumfilteritem.h"
#include "tsumfilterlistdlg.h"
#include "tsumfiltertest.h"
#include "viewsfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QTreeWidget>

using PosLib::TSumFilter;

namespace {

QStringList rowTexts(QTreeWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = list->topLevelItem(i);
        rows << row->text(0) + QLatin1Char('|') + row->text(1) + QLatin1Char('|') + row->text(2);
    }
    return rows;
}

QAction *menuItem(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions())
        if (action->text() == text)
            return action;
    ADD_FAILURE() << "no menu item " << text.toStdString();
    return nullptr;
}

// Answers the item editor with an item made in its fields.
ModalDriver::Handler itemEditor(std::function<void(TSumFilterItem *)> fill)
{
    return [fill](QDialog *dialog) {
        auto *editor = qobject_cast<TSumFilterItem *>(dialog);
        ASSERT_NE(nullptr, editor);
        fill(editor);
        editor->buttonOk->click();
    };
}

class FilterDialog : public ViewsTest
{
};

} // namespace

TEST_F(FilterDialog, WaiterRangeOfTheTablePageIsStoredAsBoundsAndSingles)
{
    auto *ines = new TSumFilter;
    ines->setId(9);
    ines->setName(QStringLiteral("Ines"));
    workspace->getData(QStringLiteral("waiters"))->insert(ines);

    TSumFilterDlg dialog(workspace.get(), nullptr, false);
    EXPECT_EQ(QStringLiteral("Insert new summary filter..."), dialog.windowTitle());
    EXPECT_EQ(QStringLiteral("6"), dialog.m_Number->text());
    EXPECT_FALSE(dialog.m_Number->isReadOnly());

    ModalDriver answers;
    answers.then([](QDialog *d) {
        auto *range = qobject_cast<TSumFilterListDlg *>(d);
        ASSERT_NE(nullptr, range);
        EXPECT_EQ(QStringLiteral("Select waiters"), range->windowTitle());
        EXPECT_EQ(9, range->m_List->topLevelItemCount());
        EXPECT_EQ(QStringLiteral("3)  Clara"), range->m_List->topLevelItem(2)->text(0));
        // the table itself, not one of its entries
        EXPECT_FALSE(range->m_Group->isChecked());
        range->select({3, 4, 5, 9});
        range->buttonOk->click();
    });
    menuItem(dialog.tabRangeMenu, QStringLiteral("&Waiter range"))->trigger();
    EXPECT_EQ(QStringLiteral("0:waiter:>:2&0:waiter:<:6|0:waiter:=:9"),
              dialog.tableRows().condition());
    EXPECT_EQ(QStringList({"Waiter|greater|2", "AND: Waiter|less|6", "OR: Waiter|equal|9"}),
              rowTexts(dialog.m_Tables));

    dialog.m_Name->setText(QStringLiteral("Some waiters"));
    dialog.buttonOk->click();
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_TRUE(dialog.stored());
    TSumFilter *filter = filters()->filter(6);
    ASSERT_NE(nullptr, filter);
    EXPECT_EQ(filter, dialog.filter());
    EXPECT_EQ(QStringLiteral("Some waiters"), filter->name());
    EXPECT_EQ(QStringLiteral("0:waiter:>:2&0:waiter:<:6|0:waiter:=:9"), filter->tables());
    EXPECT_EQ(QString(), filter->entries());
}

TEST_F(FilterDialog, RangesOfArticlesAndPaymentsLookAtTheirEntries)
{
    TSumFilterDlg dialog(workspace.get(), nullptr, false);
    ModalDriver answers;
    answers.then([](QDialog *d) {
        auto *range = qobject_cast<TSumFilterListDlg *>(d);
        ASSERT_NE(nullptr, range);
        EXPECT_TRUE(range->m_Group->isChecked());
        EXPECT_TRUE(range->m_Order->isChecked());
        range->select({6, 7, 8});
        range->buttonOk->click();
    });
    answers.then([](QDialog *d) {
        auto *range = qobject_cast<TSumFilterListDlg *>(d);
        EXPECT_TRUE(range->m_Pay->isChecked());
        // asked of the table itself instead
        range->m_Group->setChecked(false);
        range->select({1});
        range->buttonOk->click();
    });
    // a range with nothing selected adds nothing
    answers.then([](QDialog *d) { static_cast<TSumFilterListDlg *>(d)->buttonOk->click(); });
    menuItem(dialog.entRangeMenu, QStringLiteral("&Family range"))->trigger();
    menuItem(dialog.entRangeMenu, QStringLiteral("&Payform range"))->trigger();
    menuItem(dialog.entRangeMenu, QStringLiteral("T&able range"))->trigger();
    EXPECT_EQ(QStringLiteral("3:family:>:5&3:family:<:9|0:payform:=:1"),
              dialog.entryRows().condition());
    EXPECT_EQ(QStringList({"Family (Article order)|greater|5", "AND: Family (Article order)|less|9",
                           "OR: Payform|equal|1"}),
              rowTexts(dialog.m_Entries));
    EXPECT_TRUE(dialog.isChanged());
}

TEST_F(FilterDialog, FlagsAppendReadyMadeAlternatives)
{
    TSumFilterDlg dialog(workspace.get(), filters()->filter(1), false);
    EXPECT_EQ(QStringLiteral("Edit summary filter"), dialog.windowTitle());
    EXPECT_FALSE(dialog.isChanged());
    for (const char *flag : {"&Takeaway payment", "&No takeaway payment", "&In summary payment",
                             "N&ot in summary payment"})
        menuItem(dialog.tabFlagsMenu, QLatin1String(flag))->trigger();
    EXPECT_EQ(
            QStringLiteral("0:vatoh:=:yes|0:vatoh:=:yes|0:vatoh:!:yes|0:insum:=:yes|0:insum:!:yes"),
            dialog.tableRows().condition());
    // the table page has no entry types to offer
    EXPECT_EQ(4, dialog.tabFlagsMenu->actions().size());
    for (const char *flag : {"Is an order", "Is a void", "Is a Pay"})
        menuItem(dialog.entFlagsMenu, QLatin1String(flag))->trigger();
    EXPECT_EQ(QStringLiteral("3:type:=:3|4:type:=:4|5:type:=:5"), dialog.entryRows().condition());
    EXPECT_EQ(QStringLiteral("OR: Entry type (Article void)|equal|4"),
              rowTexts(dialog.m_Entries).value(1));
    EXPECT_TRUE(dialog.isChanged());
}

TEST_F(FilterDialog, DatesAndTimesAreWrittenAsDigits)
{
    TSumFilterDlg dialog(workspace.get(), nullptr, false);
    ModalDriver answers;
    answers.then(itemEditor([](TSumFilterItem *editor) {
        EXPECT_EQ(QStringLiteral("Insert new filter item..."), editor->windowTitle());
        EXPECT_FALSE(editor->m_Date->isVisibleTo(editor));
        editor->selectKind(0);
        editor->selectAttribute(QStringLiteral("date"));
        // the date field takes the place of the text
        EXPECT_TRUE(editor->m_Date->isVisibleTo(editor));
        EXPECT_FALSE(editor->m_Value->isVisibleTo(editor));
        editor->selectComparison(u'<');
        editor->m_Date->setDate(QDate(2014, 12, 31));
    }));
    answers.then(itemEditor([](TSumFilterItem *editor) {
        // kinds 0 to 5; payments offer their own attributes
        EXPECT_EQ(6, editor->m_List->count());
        editor->m_List->setCurrentIndex(5);
        EXPECT_GE(editor->m_Entry->findData(QStringLiteral("payform")), 0);
        editor->selectAttribute(QStringLiteral("time"));
        EXPECT_TRUE(editor->m_Time->isVisibleTo(editor));
        editor->selectComparison(u'>');
        editor->m_Time->setTime(QTime(6, 30, 15));
    }));
    dialog.onTabNew();
    dialog.onTabNew();
    EXPECT_FALSE(answers.pending());
    EXPECT_EQ(QStringLiteral("0:date:<:20141231&5:time:>:063015"), dialog.tableRows().condition());

    dialog.m_Name->setText(QStringLiteral("Old year, early payments"));
    dialog.buttonOk->click();
    EXPECT_EQ(QStringLiteral("0:date:<:20141231&5:time:>:063015"), filters()->filter(6)->tables());
}

TEST_F(FilterDialog, AddEditAndDeleteWorkOnSingleItems)
{
    TSumFilter *filter = filters()->filter(4);
    filter->setTables(QStringLiteral("1:center:=:2|1:center:=:3"));
    TSumFilterDlg dialog(workspace.get(), filter, false);
    EXPECT_EQ(QStringList({"Cost center ID (Creation)|equal|2",
                           "OR: Cost center ID (Creation)|equal|3"}),
              rowTexts(dialog.m_Tables));
    EXPECT_FALSE(dialog.b_TabEdit->isEnabled());

    ModalDriver answers;
    // with the first alternative
    answers.then(itemEditor([](TSumFilterItem *editor) {
        EXPECT_TRUE(editor->m_Alternative->isVisibleTo(editor));
        editor->setItem(QStringLiteral("0:insum:=:yes"));
        EXPECT_EQ(QStringLiteral("0:insum:=:yes"), editor->item());
    }));
    // as an alternative of its own
    answers.then(itemEditor([](TSumFilterItem *editor) {
        editor->setItem(QStringLiteral("0:vatoh:=:yes"));
        editor->m_Alternative->setChecked(true);
    }));
    dialog.m_Tables->setCurrentItem(dialog.m_Tables->topLevelItem(0));
    EXPECT_TRUE(dialog.b_TabEdit->isEnabled());
    dialog.b_TabAdd->click();
    dialog.b_TabAdd->click();
    EXPECT_EQ(QStringLiteral("1:center:=:2&0:insum:=:yes|1:center:=:3|0:vatoh:=:yes"),
              dialog.tableRows().condition());

    // the editor shows the item it edits
    answers.then(itemEditor([](TSumFilterItem *editor) {
        EXPECT_EQ(QStringLiteral("Edit filter item"), editor->windowTitle());
        EXPECT_EQ(QStringLiteral("1:center:=:3"), editor->item());
        editor->selectComparison(u'!');
    }));
    dialog.m_Tables->setCurrentItem(dialog.m_Tables->topLevelItem(2));
    dialog.b_TabEdit->click();
    EXPECT_EQ(QStringLiteral("1:center:=:2&0:insum:=:yes|1:center:!:3|0:vatoh:=:yes"),
              dialog.tableRows().condition());

    // deleting the first item of an alternative leaves the rest of it
    dialog.m_Tables->setCurrentItem(dialog.m_Tables->topLevelItem(0));
    dialog.b_TabDelete->click();
    EXPECT_EQ(QStringLiteral("0:insum:=:yes|1:center:!:3|0:vatoh:=:yes"),
              dialog.tableRows().condition());
    EXPECT_EQ(QStringLiteral("In summary?|equal|yes"), rowTexts(dialog.m_Tables).first());

    // Cancel writes nothing
    dialog.buttonCancel->click();
    EXPECT_FALSE(dialog.stored());
    EXPECT_EQ(QStringLiteral("1:center:=:2|1:center:=:3"), filter->tables());
}

TEST_F(FilterDialog, ItemEditorRefusesWhatCannotBeCompared)
{
    TSumFilterItem editor;
    ModalDriver answers;
    editor.selectKind(0);
    editor.selectAttribute(QStringLiteral("maxamount"));
    editor.selectComparison(u'>');
    editor.m_Value->setText(QStringLiteral("a lot"));
    editor.accept();
    ASSERT_EQ(1, answers.boxes.size());
    EXPECT_TRUE(answers.boxes.first().contains(QStringLiteral("is no number")));
    EXPECT_NE(QDialog::Accepted, editor.result());
    editor.m_Value->setText(QStringLiteral("Anna|Ben"));
    editor.selectComparison(u'=');
    editor.accept();
    EXPECT_EQ(2, answers.boxes.size());
    editor.m_Value->setText(QStringLiteral("100000"));
    editor.selectComparison(u'>');
    editor.accept();
    EXPECT_EQ(2, answers.boxes.size());
    EXPECT_EQ(QDialog::Accepted, editor.result());
    EXPECT_EQ(QStringLiteral("0:maxamount:>:100000"), editor.item());
}

TEST_F(FilterDialog, NothingIsStoredWhileSomethingIsWrong)
{
    const QByteArray before = dir.read(QStringLiteral("usr/data/sumfilters.dat"));
    const int count = filters()->count();
    TSumFilterDlg dialog(workspace.get(), nullptr, false);
    ModalDriver answers;

    dialog.m_Number->setText(QStringLiteral("2"));
    dialog.m_Name->setText(QStringLiteral("Twice"));
    dialog.buttonOk->click();
    EXPECT_TRUE(answers.boxes.last().contains(QStringLiteral("already taken")));

    dialog.m_Number->setText(QStringLiteral("12"));
    dialog.m_Name->clear();
    dialog.buttonOk->click();
    EXPECT_TRUE(answers.boxes.last().contains(QStringLiteral("name")));

    // an item that came from a hand-written file
    dialog.m_Name->setText(QStringLiteral("Old days"));
    dialog.entryRows().setCondition(QStringLiteral("0:date:<:2014"));
    dialog.buttonOk->click();
    EXPECT_TRUE(answers.boxes.last().startsWith(QStringLiteral("Error: Entry filter: ")));
    EXPECT_TRUE(answers.boxes.last().contains(QStringLiteral("is no date")));

    EXPECT_EQ(3, answers.boxes.size());
    EXPECT_NE(QDialog::Accepted, dialog.result());
    EXPECT_FALSE(dialog.stored());
    EXPECT_EQ(count, filters()->count());
    EXPECT_EQ(before, dir.read(QStringLiteral("usr/data/sumfilters.dat")));

    dialog.entryRows().setCondition(QStringLiteral("0:date:<:20140101"));
    dialog.buttonOk->click();
    EXPECT_TRUE(dialog.stored());
    EXPECT_EQ(count + 1, filters()->count());
    EXPECT_EQ(QStringLiteral("Old days"), filters()->filter(12)->name());
}

TEST_F(FilterDialog, MovingOnStoresTheChangesFirst)
{
    TSumFilterDlg dialog(workspace.get(), filters()->filter(1), true);
    EXPECT_EQ(QStringLiteral("Edit summary filters"), dialog.windowTitle());
    EXPECT_TRUE(dialog.m_Number->isReadOnly());
    EXPECT_FALSE(dialog.b_First->isEnabled());
    EXPECT_FALSE(dialog.b_Prev->isEnabled());
    EXPECT_TRUE(dialog.b_Next->isEnabled());
    EXPECT_TRUE(dialog.b_Last->isEnabled());

    dialog.m_Descr->setText(QStringLiteral("Only what leaves the house"));
    dialog.b_Next->click();
    EXPECT_EQ(filters()->filter(2), dialog.filter());
    EXPECT_EQ(QStringLiteral("Big tables"), dialog.m_Name->text());
    EXPECT_EQ(QStringLiteral("Only what leaves the house"), filters()->filter(1)->description());
    EXPECT_TRUE(dialog.stored());

    // a change that cannot be stored keeps the dialog on its record
    ModalDriver answers;
    dialog.m_Name->clear();
    dialog.b_Last->click();
    EXPECT_EQ(1, answers.boxes.size());
    EXPECT_EQ(filters()->filter(2), dialog.filter());

    dialog.m_Name->setText(QStringLiteral("Big tables"));
    dialog.b_Last->click();
    EXPECT_EQ(filters()->filter(5), dialog.filter());
    EXPECT_FALSE(dialog.b_Next->isEnabled());
    EXPECT_FALSE(dialog.b_Last->isEnabled());
    EXPECT_TRUE(dialog.b_First->isEnabled());
    dialog.b_First->click();
    EXPECT_EQ(filters()->filter(1), dialog.filter());

    // without navigation the buttons stay off
    TSumFilterDlg single(workspace.get(), filters()->filter(3), false);
    for (QPushButton *b : {single.b_First, single.b_Prev, single.b_Next, single.b_Last})
        EXPECT_FALSE(b->isEnabled());
}

TEST_F(FilterDialog, TestShowsWhatTheEditedFilterKeepsToday)
{
    TSumFilterDlg dialog(workspace.get(), filters()->filter(1), false);
    // what the dialog shows counts, not what is stored
    dialog.tableRows().setCondition(QStringLiteral("0:vatoh:!:yes"));
    dialog.entryRows().setCondition(QStringLiteral("5:type:=:5"));
    ModalDriver answers;
    QStringList lines;
    QString script;
    PosLib::TFilterProbe probe;
    answers.then([&](QDialog *d) {
        auto *test = qobject_cast<TSumFilterTest *>(d);
        ASSERT_NE(nullptr, test);
        EXPECT_EQ(QStringLiteral("Test summary filter..."), test->windowTitle());
        EXPECT_EQ(QStringLiteral("0)  None"), test->m_Waiter->itemText(0));
        EXPECT_EQ(9, test->m_Waiter->count());
        EXPECT_EQ(QStringLiteral("-1)  None"), test->m_Family->itemText(0));
        EXPECT_TRUE(test->selection().isEmpty());
        test->buttonStart->click();
        lines = test->resultLines();
        probe = test->probe();
        script = test->script();
        test->buttonClose->click();
    });
    dialog.b_Test->click();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(QStringLiteral("Tables of the current day: %1").arg(probe.tables), lines.at(0));
    EXPECT_EQ(QStringLiteral("Kept by the table filter: %1").arg(probe.keptTables), lines.at(1));
    EXPECT_GT(probe.keptTables, 0);
    EXPECT_LT(probe.keptTables, probe.tables);
    EXPECT_LT(probe.keptEntries, probe.entries);
    EXPECT_TRUE(lines.at(3).startsWith(QStringLiteral("Kept: ")));
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("Dropped: ")));
    EXPECT_EQ(QStringLiteral("Table filter:\n0:vatoh:!:yes\n\nEntry filter:\n5:type:=:5"), script);
}

TEST_F(FilterDialog, TestSelectionNarrowsTheTables)
{
    TSumFilterTest test(TSumFilter(), workspace.get());
    test.m_Waiter->setCurrentId(3);
    test.m_Family->setCurrentId(2);
    test.buttonStart->click();
    EXPECT_EQ(QStringLiteral("Tables of the current day that match the selection: %1")
                      .arg(test.probe().tables),
              test.resultLines().first());
    const Basics::TValue selection = test.selection();
    EXPECT_EQ(3, selection.getInt(QStringLiteral("waiter")));
    EXPECT_TRUE(selection.has(QStringLiteral("family")));
    EXPECT_FALSE(selection.has(QStringLiteral("center")));
    EXPECT_EQ(test.probe().tables, test.probe().keptTables);
}

TEST_F(FilterDialog, RightsAreAppliedWhenTheDialogOpens)
{
    TOffConfig::setDlgRight(QStringLiteral("TSumFilterDlg"), QStringLiteral("b_Test"), false);
    TOffConfig::setDlgRight(QStringLiteral("TSumFilterDlg"), QStringLiteral("b_Next"), false);
    TSumFilterDlg dialog(workspace.get(), filters()->filter(1), true);
    ModalDriver answers;
    bool testEnabled = true;
    bool nextEnabled = true;
    answers.then([&](QDialog *d) {
        testEnabled = static_cast<TSumFilterDlg *>(d)->b_Test->isEnabled();
        nextEnabled = static_cast<TSumFilterDlg *>(d)->b_Next->isEnabled();
        d->reject();
    });
    dialog.exec();
    EXPECT_FALSE(testEnabled);
    EXPECT_FALSE(nextEnabled);
    EXPECT_TRUE(dialog.b_Last->isEnabled());

    // a dialog the user may not use does not open
    TOffConfig::setDlgRight(QStringLiteral("TSumFilterDlg"), QString(), false);
    TSumFilterDlg denied(workspace.get(), nullptr, false);
    EXPECT_EQ(QDialog::Rejected, denied.exec());
    EXPECT_EQ(QStringList({"TSumFilterDlg"}), answers.dialogs);
    ASSERT_EQ(1, answers.boxes.size());
    EXPECT_TRUE(answers.boxes.first().contains(QStringLiteral("no right")));
}

TEST(DialogBases, SlotsWithoutASubclassWriteADebugTrace)
{
    LogCapture log;
    TSumFilterItemBase item;
    item.onList(1);
    item.onEntry(QStringLiteral("Waiter"));
    item.onHelp();
    TSumFilterListBase list;
    list.onHelp();
    TSumFilterTestBase test;
    test.onView();
    test.onStart();
    TSumFilterDlgBase filter;
    filter.onTabWaiters();
    filter.onEntChanged(nullptr);
    TSumBatchDlgBase batch;
    batch.oninsert(nullptr);
    batch.repschanged();
    for (const char *trace :
         {"TSumFilterItemBase::onList(int): Not implemented yet",
          "TSumFilterItemBase::onEntry(const QString&): Not implemented yet",
          "TSumFilterItemBase::onHelp(): Not implemented yet",
          "TSumFilterListBase::onHelp(): Not implemented yet",
          "TSumFilterTestBase::onView(): Not implemented yet",
          "TSumFilterTestBase::onStart(): Not implemented yet",
          "TSumFilterDlgBase::onTabWaiters(): Not implemented yet",
          "TSumFilterDlgBase::onEntChanged(QTreeWidgetItem*): Not implemented yet",
          "TSumBatchDlgBase::oninsert(QTreeWidgetItem*): Not implemented yet",
          "TSumBatchDlgBase::repschanged(): Not implemented yet"})
        EXPECT_TRUE(log.contains(QLatin1String(trace))) << trace;
    EXPECT_EQ(QList<int>(10, Basics::TLog::Debug), log.levels.mid(log.levels.size() - 10));
}
