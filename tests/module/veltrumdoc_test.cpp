// The module overview's context menu, its insert commands and the dialog
// rights dialog, through the loaded module.

#include "modulefixture.h"

#include "taccessitem.h"
#include "tsumbatch.h"
#include "tsumfilters.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class Overview : public VeltrumModule
{
protected:
    TOffDocument *overview() const { return workspace->get(QStringLiteral("veltrum")); }

    // The texts of the overview's context menu, the "R&eports" submenu's
    // after "R&eports >".
    QStringList contextTexts()
    {
        menu = std::make_unique<QMenu>();
        overview()->createContext(menu.get());
        QStringList texts = textsOf(menu.get());
        if (QMenu *reports = submenuOf(menu.get(), QStringLiteral("R&eports")))
            for (const QString &text : textsOf(reports))
                texts << QStringLiteral("R&eports > ") + text;
        return texts;
    }

    QAction *contextItem(const QString &text)
    {
        contextTexts();
        return actionOf(menu.get(), text);
    }

    std::unique_ptr<QMenu> menu;
};

} // namespace

TEST_F(Overview, ContextMenuHoldsTheModuleCommands)
{
    start();
    EXPECT_EQ(QStringList({"Day &turn over",
                           "-",
                           "Insert reporting &filter",
                           "Insert reporting &batch",
                           "-",
                           "&Open tables",
                           "&Paid tables",
                           "&Range statistics",
                           "Time &controlling",
                           "-",
                           "R&eports",
                           "-",
                           "Edit reporting &options",
                           "R&eports > All &families",
                           "R&eports > All &articles",
                           "R&eports > All &waiters",
                           "R&eports > -",
                           "R&eports > Fa&milies per waiter",
                           "R&eports > A&rticles per waiter",
                           "R&eports > Wa&iter report",
                           "R&eports > -",
                           "R&eports > Fami&lies per cost center",
                           "R&eports > A&rticles per cost center",
                           "R&eports > &Cost center report",
                           "R&eports > -",
                           "R&eports > &Paid tables"}),
              contextTexts());
    for (QAction *action : menu->actions()) {
        EXPECT_TRUE(action->shortcut().isEmpty()) << action->text().toStdString();
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().isNull()) << action->text().toStdString();
        }
    }

    // the items reach the module
    window->showDocument(nullptr);
    contextItem(QStringLiteral("Time &controlling"))->trigger();
    EXPECT_EQ(workspace->get(QStringLiteral("timecontrols")), window->currentDocument());
    contextItem(QStringLiteral("&Open tables"))->trigger();
    EXPECT_EQ(workspace->get(QStringLiteral("opentables")), window->currentDocument());
    ModalDriver answers;
    contextItem(QStringLiteral("Edit reporting &options"))->trigger();
    EXPECT_EQ(QStringList({"TDlgOptAusw"}), answers.dialogs);
}

TEST_F(Overview, ItemsFollowTheListRights)
{
    denyList("turnover");
    start();
    QStringList texts = contextTexts();
    EXPECT_FALSE(texts.contains(QStringLiteral("Day &turn over")));
    EXPECT_EQ(QStringLiteral("Insert reporting &filter"), texts.first());
    EXPECT_TRUE(texts.contains(QStringLiteral("R&eports")));

    TOffConfig::setLstRight(QStringLiteral("turnover"), true);
    denyList(TOffWorkspace::docPaidTables);
    denyList("sumfilters");
    start();
    texts = contextTexts();
    // without the paid tables there is no closing and there are no reports
    EXPECT_EQ(QStringList({"Insert reporting &batch", "-", "&Open tables", "&Range statistics",
                           "Time &controlling", "-", "Edit reporting &options"}),
              texts);
}

TEST_F(Overview, EnterOnAnEmptyListDoesNothing)
{
    for (const char *list :
         {"sumfilters", "sumbatches", "opentables", "paidtables", "aswvariable", "timecontrols"})
        denyList(list);
    start();
    window->showDocument(overview());
    TOffListView *list = overview()->listView();
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(0, list->topLevelItemCount());
    ModalDriver answers;
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(list, &enter);
    QCoreApplication::processEvents();
    EXPECT_EQ(overview(), window->currentDocument());
    EXPECT_TRUE(answers.dialogs.isEmpty());
    EXPECT_EQ(QStringList({"Edit reporting &options"}), contextTexts());
}

TEST_F(Overview, AFilterInsertedFromTheOverviewIsSavedAtOnce)
{
    start();
    ModalDriver answers;
    answers.then([](QDialog *dialog) {
        EXPECT_EQ(QStringLiteral("Insert new summary filter..."), dialog->windowTitle());
        // a new number of the list; no navigation
        EXPECT_EQ(QStringLiteral("1"), dialog->findChild<QLineEdit *>("m_Number")->text());
        for (const char *button : {"b_First", "b_Prev", "b_Next", "b_Last"}) {
            EXPECT_FALSE(dialog->findChild<QPushButton *>(button)->isEnabled()) << button;
        }
        dialog->findChild<QLineEdit *>("m_Name")->setText(QStringLiteral("Takeaway"));
        QMetaObject::invokeMethod(dialog, "onTabTakeaway");
        dialog->findChild<QPushButton *>("buttonOk")->click();
    });
    contextItem(QStringLiteral("Insert reporting &filter"))->trigger();
    EXPECT_EQ(QStringList({"TSumFilterDlg"}), answers.dialogs);
    // the installation had no filters yet: that is no error
    EXPECT_TRUE(answers.boxes.isEmpty());

    PosLib::TSumFilters saved;
    ASSERT_EQ(0, saved.load(dir.path().toLocal8Bit().constData()));
    ASSERT_NE(nullptr, saved.filter(1));
    EXPECT_EQ(QStringLiteral("0:vatoh:=:yes"), saved.filter(1)->tables());
    EXPECT_FALSE(workspace->get(QStringLiteral("sumfilters"))->isChanged());
}

TEST_F(Overview, ABatchInsertedFromTheOverviewIsSavedAtOnce)
{
    start();
    ModalDriver answers;
    answers.then([](QDialog *dialog) {
        EXPECT_EQ(QStringLiteral("Insert new summary batch..."), dialog->windowTitle());
        dialog->findChild<QLineEdit *>("m_Name")->setText(QStringLiteral("All of it"));
        dialog->findChild<QPushButton *>("b_insertall")->click();
        dialog->findChild<QPushButton *>("buttonOk")->click();
    });
    // Cancel stores nothing
    answers.then([](QDialog *dialog) { dialog->reject(); });
    contextItem(QStringLiteral("Insert reporting &batch"))->trigger();
    contextItem(QStringLiteral("Insert reporting &batch"))->trigger();

    PosLib::TSumBatches saved;
    ASSERT_EQ(0, saved.load(dir.path().toLocal8Bit().constData()));
    ASSERT_EQ(1, saved.count());
    EXPECT_EQ(41, saved.batch(1)->reports().size());
}

TEST_F(Overview, DialogAccessListsTheDialogsAndTheRightsAreKept)
{
    start();
    ModalDriver answers;
    QStringList dialogs;
    QStringList filterElements;
    QStringList filterLabels;
    answers.then([&](QDialog *dialog) {
        auto *items = dialog->findChild<QTreeWidget *>("m_Dialogs");
        ASSERT_NE(nullptr, items);
        for (int i = 0; i < items->topLevelItemCount(); ++i) {
            QTreeWidgetItem *item = items->topLevelItem(i);
            dialogs << item->text(0);
            EXPECT_FALSE(item->icon(0).isNull());
        }
        QTreeWidgetItem *filter = items->topLevelItem(0);
        for (int i = 0; i < filter->childCount(); ++i) {
            auto *element = static_cast<TAccessItem *>(filter->child(i));
            // listed under what the dialog labels it, kept under its name
            filterElements << element->key();
            filterLabels << element->text(0);
            if (element->key() == QLatin1String("b_Test"))
                element->setGranted(false);
        }
        dialog->accept();
    });
    module().callMethod(QStringLiteral("optDlgAccess"));
    EXPECT_EQ(QStringList({"TAuswAccDlg"}), answers.dialogs);
    EXPECT_EQ(QStringLiteral("Report filter dialog"), dialogs.value(0));
    EXPECT_EQ(QStringLiteral("Batchreport dialog"), dialogs.value(1));
    EXPECT_EQ(QStringLiteral("Turnover dialog"), dialogs.value(2));
    EXPECT_EQ(3, dialogs.size());
    for (const char *element : {"m_Number", "m_Name", "m_Descr", "b_Test", "m_Tables", "b_TabAdd",
                                "b_EntFlags", "b_First", "buttonOk"})
        EXPECT_TRUE(filterElements.contains(QLatin1String(element))) << element;
    for (const char *label : {"Number", "Name", "Description", "Test Filter", "Add", "OK"})
        EXPECT_TRUE(filterLabels.contains(QLatin1String(label)))
                << label << ": " << filterLabels.join(QLatin1Char(',')).toStdString();

    TOffConfig::reload();
    EXPECT_FALSE(
            TOffConfig::checkDlgRight(QStringLiteral("TSumFilterDlg"), QStringLiteral("b_Test")));
    EXPECT_TRUE(
            TOffConfig::checkDlgRight(QStringLiteral("TSumFilterDlg"), QStringLiteral("b_TabAdd")));

    // the filter dialog keeps to it
    bool testEnabled = true;
    answers.then([&](QDialog *dialog) {
        testEnabled = dialog->findChild<QPushButton *>("b_Test")->isEnabled();
        dialog->reject();
    });
    contextItem(QStringLiteral("Insert reporting &filter"))->trigger();
    EXPECT_FALSE(testEnabled);
}

TEST_F(Overview, TheTurnoverDialogKeepsToItsRight)
{
    TOffConfig::setDlgRight(QStringLiteral("TTurnOverDlg"), QString(), false);
    start();
    ModalDriver answers;
    contextItem(QStringLiteral("Day &turn over"))->trigger();
    EXPECT_TRUE(answers.dialogs.isEmpty());
    ASSERT_EQ(1, answers.boxes.size());
    EXPECT_TRUE(answers.boxes.first().contains(QStringLiteral("no right")));
    // nothing was closed
    EXPECT_FALSE(dir.exists(QStringLiteral("var/statist")));
}

TEST_F(Overview, OptionsNeedTheirListRight)
{
    denyList("sumoptions");
    start();
    ModalDriver answers;
    module().callMethod(QStringLiteral("onOptions"));
    EXPECT_TRUE(answers.dialogs.isEmpty());
    ASSERT_EQ(1, answers.boxes.size());
    EXPECT_TRUE(answers.boxes.first().contains(QStringLiteral("no right")));
}
