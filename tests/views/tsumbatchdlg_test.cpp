// The summary batch dialog, driven as a user would, without a display.

#include "tcombobox.h"
#include "tsumbatchdlg.h"
#include "viewsfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using PosLib::TSumBatch;

namespace {

class BatchDialog : public ViewsTest
{
};

} // namespace

TEST_F(BatchDialog, SortingDescendingFiscalAndReportsAreStored)
{
    TSumBatchDlg dialog(workspace.get(), nullptr, false);
    EXPECT_EQ(QStringLiteral("Insert new summary batch..."), dialog.windowTitle());
    EXPECT_EQ(QStringLiteral("4"), dialog.m_ID->text());
    EXPECT_EQ(QStringList({"Default", "Amount", "Count", "Alphabetical"}), [&] {
        QStringList items;
        for (int i = 0; i < dialog.m_Sorting->count(); ++i)
            items << dialog.m_Sorting->itemText(i);
        return items;
    }());
    // "Not specified", then the filters
    EXPECT_EQ(6, dialog.m_Filter->count());
    EXPECT_EQ(0, dialog.m_Filter->currentId());
    // every report but the journal is there to choose
    EXPECT_EQ(41, dialog.availableReports().size());
    EXPECT_EQ(1, dialog.availableReports().first());
    EXPECT_EQ(3, dialog.availableReports().at(1));
    EXPECT_EQ(QStringLiteral("All Waiters"), dialog.m_Reports->topLevelItem(2)->text(1));

    dialog.m_Name->setText(QStringLiteral("Evening"));
    dialog.m_Descr->setText(QStringLiteral("Waiters and articles, biggest first"));
    dialog.m_Sorting->setCurrentText(QStringLiteral("Alphabetical"));
    dialog.m_SortDesc->setChecked(true);
    dialog.m_Fiscal->setChecked(true);
    dialog.m_Filter->setCurrentId(3);
    // the selection keeps the order of insertion
    for (int id : {10, 4, 7}) {
        ASSERT_TRUE(dialog.setCurrentReport(id));
        dialog.b_insert->click();
    }
    EXPECT_EQ(QList<int>({10, 4, 7}), dialog.selectedReports());
    EXPECT_FALSE(dialog.availableReports().contains(4));
    dialog.buttonOk->click();

    TSumBatch *batch = batches()->batch(4);
    ASSERT_NE(nullptr, batch);
    EXPECT_EQ(QStringLiteral("Evening"), batch->name());
    EXPECT_EQ(QStringLiteral("name"), batch->getString(QStringLiteral("key")));
    EXPECT_EQ(QStringLiteral("yes"), batch->getString(QStringLiteral("desc")));
    EXPECT_EQ(QStringLiteral("yes"), batch->getString(QStringLiteral("fiscal")));
    EXPECT_EQ(QStringLiteral("10;4;7"), batch->getString(QStringLiteral("reports")));
    EXPECT_EQ(QStringLiteral("3"), batch->getString(QStringLiteral("filter")));
    EXPECT_EQ(QStringLiteral("Waiters and articles, biggest first"), batch->descr());
}

TEST_F(BatchDialog, SortKeysAndNoFilter)
{
    const struct
    {
        const char *choice;
        const char *key;
    } cases[] = {{"Default", ""}, {"Amount", "amount"}, {"Count", "count"}};
    TSumBatch *batch = batches()->batch(3);
    ASSERT_EQ(1, batch->filter());
    for (const auto &c : cases) {
        TSumBatchDlg dialog(workspace.get(), batch, false);
        dialog.m_Sorting->setCurrentText(QLatin1String(c.choice));
        dialog.m_SortDesc->setChecked(false);
        dialog.m_Filter->setCurrentId(0);
        dialog.buttonOk->click();
        EXPECT_EQ(QLatin1String(c.key), batch->key()) << c.choice;
        EXPECT_EQ(QStringLiteral("no"), batch->getString(QStringLiteral("desc")));
        // no filter is no field at all
        EXPECT_FALSE(batch->has(QStringLiteral("filter")));
    }
}

TEST_F(BatchDialog, MoveButtonsAndDoubleClicks)
{
    TSumBatch *batch = batches()->batch(1);
    TSumBatchDlg dialog(workspace.get(), batch, false);
    EXPECT_EQ(QStringLiteral("Edit summary batch"), dialog.windowTitle());
    EXPECT_EQ(QList<int>({4, 7, 10, 13}), dialog.selectedReports());
    EXPECT_EQ(QStringLiteral("1"), dialog.m_ID->text());
    EXPECT_TRUE(dialog.m_ID->isReadOnly());
    EXPECT_EQ(QKeySequence(QStringLiteral("Alt+I")), dialog.b_insert->shortcut());

    // back to its place among the available ones
    dialog.setCurrentReport(7);
    dialog.b_delete->click();
    EXPECT_EQ(QList<int>({4, 10, 13}), dialog.selectedReports());
    const QList<int> available = dialog.availableReports();
    EXPECT_EQ(available.indexOf(6) + 1, available.indexOf(7));

    dialog.ondelete(dialog.m_SReports->topLevelItem(0));
    EXPECT_EQ(QList<int>({10, 13}), dialog.selectedReports());
    dialog.oninsert(dialog.m_Reports->topLevelItem(0));
    EXPECT_EQ(QList<int>({10, 13, 1}), dialog.selectedReports());

    dialog.b_deleteall->click();
    EXPECT_TRUE(dialog.selectedReports().isEmpty());
    EXPECT_EQ(41, dialog.availableReports().size());
    EXPECT_FALSE(dialog.b_delete->isEnabled());
    dialog.b_insertall->click();
    EXPECT_EQ(41, dialog.selectedReports().size());
    EXPECT_EQ(3, dialog.selectedReports().at(1));
    EXPECT_FALSE(dialog.b_insert->isEnabled());
    EXPECT_TRUE(dialog.isChanged());

    dialog.buttonCancel->click();
    EXPECT_FALSE(dialog.stored());
    EXPECT_EQ(QStringLiteral("4;7;10;13"), batch->getString(QStringLiteral("reports")));
}

TEST_F(BatchDialog, NothingIsStoredWhileSomethingIsWrong)
{
    const QByteArray before = dir.read(QStringLiteral("usr/data/sumbatches.dat"));
    TSumBatchDlg dialog(workspace.get(), nullptr, false);
    ModalDriver answers;
    dialog.m_Name->setText(QStringLiteral("Nothing"));
    dialog.buttonOk->click();
    EXPECT_TRUE(answers.boxes.last().contains(QStringLiteral("at least one report")));
    dialog.setCurrentReport(38);
    dialog.b_insert->click();
    dialog.m_ID->setText(QStringLiteral("2"));
    dialog.buttonOk->click();
    EXPECT_TRUE(answers.boxes.last().contains(QStringLiteral("already taken")));
    dialog.m_ID->setText(QStringLiteral("0"));
    dialog.buttonOk->click();
    EXPECT_TRUE(answers.boxes.last().contains(QStringLiteral("above 0")));
    EXPECT_EQ(3, answers.boxes.size());
    EXPECT_FALSE(dialog.stored());
    EXPECT_EQ(3, batches()->count());
    EXPECT_EQ(before, dir.read(QStringLiteral("usr/data/sumbatches.dat")));

    dialog.m_ID->setText(QStringLiteral("20"));
    dialog.buttonOk->click();
    EXPECT_TRUE(dialog.stored());
    EXPECT_EQ(QStringLiteral("38"), batches()->batch(20)->getString(QStringLiteral("reports")));
}

TEST_F(BatchDialog, NavigationStoresTheChangesFirst)
{
    TSumBatchDlg dialog(workspace.get(), batches()->batch(2), true);
    EXPECT_EQ(QStringLiteral("Edit summary batches"), dialog.windowTitle());
    EXPECT_TRUE(dialog.b_Prev->isEnabled());
    EXPECT_TRUE(dialog.b_Next->isEnabled());
    EXPECT_EQ(1, dialog.m_Sorting->currentIndex());
    EXPECT_TRUE(dialog.m_SortDesc->isChecked());

    dialog.m_Fiscal->setChecked(true);
    dialog.b_Prev->click();
    EXPECT_EQ(batches()->batch(1), dialog.batch());
    EXPECT_TRUE(batches()->batch(2)->fiscal());
    EXPECT_FALSE(dialog.b_First->isEnabled());
    EXPECT_FALSE(dialog.isChanged());
    dialog.b_Last->click();
    EXPECT_EQ(batches()->batch(3), dialog.batch());
    EXPECT_EQ(1, dialog.m_Filter->currentId());
    EXPECT_FALSE(dialog.b_Next->isEnabled());
    EXPECT_TRUE(dialog.stored());
}

TEST_F(BatchDialog, UnknownFiltersAndReportsAreKept)
{
    TSumBatch *batch = batches()->batch(2);
    batch->setFilter(77);
    batch->setReports({QStringLiteral("3"), QStringLiteral("99")});
    TSumBatchDlg dialog(workspace.get(), batch, false);
    EXPECT_EQ(77, dialog.m_Filter->currentId());
    EXPECT_EQ(QList<int>({3, 99}), dialog.selectedReports());
    EXPECT_EQ(QStringLiteral("Unknown report"), dialog.m_SReports->topLevelItem(1)->text(1));
    dialog.m_Descr->setText(QStringLiteral("Checked"));
    dialog.buttonOk->click();
    EXPECT_EQ(77, batch->filter());
    EXPECT_EQ(QStringLiteral("3;99"), batch->getString(QStringLiteral("reports")));
}
