// The window in daily use: quitting from any document asks nothing, the
// dialog rights give back what they took, and every document and dialog
// over the demo shows its texts whole at 1280×800, in English and German.

#include "modulefixture.h"

#include "cutoff.h"
#include "smalldemo.h"
#include "taccessitem.h"
#include "tdlgaccess.h"
#include "tfirststartdlg.h"
#include "toffhelp.h"

#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

class DailyUse : public VeltrumModule
{
protected:
    void SetUp() override
    {
        VeltrumModule::SetUp();
        smalldemo::write(dir.path());
    }
    void TearDown() override
    {
        VeltrumModule::TearDown();
        TOffApplication::instance()->setLanguage(QStringLiteral("en"));
    }

    // Starts the back office at the size of a small office screen.
    void open()
    {
        start();
        window->resize(1280, 800);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QList<TOffTreeItem *> documentItems() const
    {
        QList<TOffTreeItem *> items;
        for (int i = 0; i < moduleRoot()->childCount(); ++i)
            items << static_cast<TOffTreeItem *>(moduleRoot()->child(i));
        return items;
    }

    // Accepts the range dialog with the demo's two closed days.
    static ModalDriver::Handler chooseRange(QStringList *found)
    {
        return [found](QDialog *dialog) {
            if (found)
                *found << prefixed(QStringLiteral("range dialog"), cutoff::cutOffTexts(dialog));
            dialog->accept();
        };
    }

    static QStringList prefixed(const QString &what, const QStringList &texts)
    {
        QStringList out;
        for (const QString &text : texts)
            out << what + QStringLiteral(": ") + text;
        return out;
    }

    QStringList check(const QString &what)
    {
        return prefixed(what, cutoff::cutOffTexts(window.get()));
    }

    // Runs the report of that kind from the selection row, looking at the
    // progress dialog while it is up.
    QStringList runKind(TOffDocument *paid, int kind)
    {
        QStringList found;
        auto *box = paid->toolArea()->findChild<QtWidgets::TComboBox *>(QStringLiteral("m_Report"));
        auto *startButton = paid->toolArea()->findChild<QPushButton *>(QStringLiteral("b_Start"));
        if (!box || !startButton || !box->setCurrentId(kind)) {
            ADD_FAILURE() << "no report " << kind;
            return found;
        }
        QTimer::singleShot(0, paid, [&found] {
            if (QWidget *progress = QApplication::activeModalWidget())
                found << prefixed(QStringLiteral("progress"), cutoff::cutOffTexts(progress));
        });
        startButton->click();
        found << check(QStringLiteral("report %1").arg(kind));
        return found;
    }

    QStringList walkDocuments(ModalDriver &driver);
    QStringList walkDialogs(ModalDriver &driver);

    // The README's picture of the widget, with "-de" in German; the English
    // one of a document other tests take already.
    static void picture(QWidget *widget, const char *name, bool germanOnly = false)
    {
        QString file = QLatin1String(name);
        const bool german = TOffApplication::instance()->language() == QLatin1String("de");
        if (german)
            file.replace(QStringLiteral(".png"), QStringLiteral("-de.png"));
        else if (germanOnly)
            return;
        screenshot(widget, file.toLatin1().constData());
    }
};

QStringList DailyUse::walkDocuments(ModalDriver &driver)
{
    QStringList found;
    window->selectItem(moduleRoot());
    found << check(QStringLiteral("overview"));
    picture(window.get(), "overview-today.png", true);
    for (TOffTreeItem *item : documentItems()) {
        TOffDocument *doc = item->document();
        const QString key = doc->key();
        if (key == QLatin1String("aswvariable"))
            driver.then(chooseRange(&found));
        window->selectItem(item);
        QApplication::processEvents();
        // documents that read away from the window show their rows first
        EXPECT_TRUE(QTest::qWaitFor([doc] { return !doc->isFilling(); }, 60000)) << qPrintable(key);
        if (key == QLatin1String("paidtables") || key == QLatin1String("aswvariable")) {
            for (int kind : {7, 8, 9, 5, 6, 37, 19, 1})
                if (key == QLatin1String("paidtables") || kind != 1)
                    found << runKind(doc, kind);
        } else if (key == QLatin1String("opentables")) {
            if (QTreeWidgetItem *first = doc->listView()->topLevelItem(0))
                first->setExpanded(true);
            picture(window.get(), "opentables.png", true);
        } else if (key == QLatin1String("timecontrols")) {
            // every day, every waiter's periods
            for (QCheckBox *bound : doc->toolArea()->findChildren<QCheckBox *>())
                bound->setChecked(false);
            // back to the window after the dialogs, as the window manager does
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
            QTest::keyClick(window.get(), Qt::Key_F5);
            // the key clicks the refresh button a moment later
            EXPECT_TRUE(QTest::qWaitFor(
                    [doc] { return doc->listView()->topLevelItemCount() > 0; }, 5000));
            for (int i = 0; i < doc->listView()->topLevelItemCount(); ++i)
                doc->listView()->topLevelItem(i)->setExpanded(true);
            picture(window.get(), "timecontrols.png", true);
        } else if (key == QLatin1String("closings")) {
            // the Z report of the last closing, to reprint
            auto *list = doc->listView();
            if (QTreeWidgetItem *last = list->topLevelItem(list->topLevelItemCount() - 1)) {
                emit list->itemDoubleClicked(last, 0);
                if (QWidget *z = window->findChild<QDialog *>(QStringLiteral("tzreportdlg"))) {
                    found << prefixed(QStringLiteral("Z report"), cutoff::cutOffTexts(z));
                    z->close();
                }
            }
        }
        found << check(key);
    }
    return found;
}

QStringList DailyUse::walkDialogs(ModalDriver &driver)
{
    QStringList found;
    auto inspect = [&found](const QString &what) {
        return [&found, what](QDialog *dialog) {
            found << prefixed(what, cutoff::cutOffTexts(dialog));
            // every page of a dialog with tabs
            for (QTabWidget *tabs : dialog->findChildren<QTabWidget *>())
                for (int page = 1; page < tabs->count(); ++page) {
                    tabs->setCurrentIndex(page);
                    found << prefixed(what + QStringLiteral(" page %1").arg(page),
                                      cutoff::cutOffTexts(dialog));
                }
            dialog->reject();
        };
    };

    driver.then(inspect(QStringLiteral("options")));
    module().callMethod(QStringLiteral("onOptions"));
    driver.then(inspect(QStringLiteral("list access")));
    module().callMethod(QStringLiteral("optListAccess"));
    driver.then([&found](QDialog *dialog) {
        if (auto *access = qobject_cast<TDlgAccess *>(dialog))
            access->items()->expandAll();
        found << prefixed(QStringLiteral("dialog access"), cutoff::cutOffTexts(dialog));
        dialog->reject();
    });
    module().callMethod(QStringLiteral("optDlgAccess"));
    driver.then(inspect(QStringLiteral("turnover")));
    module().callMethod(QStringLiteral("onTurnOver"));
    driver.then(inspect(QStringLiteral("new report")));
    window->onFileNew();

    // a new filter with its item editor and its test, a new batch
    window->selectItem(documentItems().value(0));
    driver.then([&found](QDialog *dialog) {
        found << prefixed(QStringLiteral("filter"), cutoff::cutOffTexts(dialog));
        if (auto *add = dialog->findChild<QPushButton *>(QStringLiteral("b_TabAdd")))
            add->click();
        if (auto *test = dialog->findChild<QPushButton *>(QStringLiteral("b_Test")))
            test->click();
        QMetaObject::invokeMethod(dialog, "onTabWaiters");
        dialog->reject();
    });
    driver.then(inspect(QStringLiteral("filter item")));
    driver.then(inspect(QStringLiteral("filter test")));
    driver.then(inspect(QStringLiteral("filter range")));
    window->onFileNew();
    // and the ones there, with their conditions and reports
    for (int index : {0, 1}) {
        window->selectItem(documentItems().value(index));
        TOffListView *list = documentItems().value(index)->document()->listView();
        list->setCurrentItem(list->topLevelItem(list->topLevelItemCount() - 1));
        driver.then(inspect(index == 0 ? QStringLiteral("filter (last)")
                                       : QStringLiteral("batch (last)")));
        window->onFileOpen();
    }
    window->selectItem(documentItems().value(1));
    driver.then(inspect(QStringLiteral("batch")));
    window->onFileNew();

    TOffHelp::show(window.get(), QStringLiteral("reports"));
    if (TOffHelp *help = TOffHelp::window()) {
        found << prefixed(QStringLiteral("help"), cutoff::cutOffTexts(help));
        picture(help, "manual.png");
        help->close();
    } else {
        ADD_FAILURE() << "no help window";
    }

    TestDir empty;
    TFirstStartDlg first(empty.path(), window.get());
    first.show();
    found << prefixed(QStringLiteral("first start"), cutoff::cutOffTexts(&first));
    picture(&first, "first-start.png");
    return found;
}

} // namespace

// Quitting while a document is shown ends the program without a question:
// taking the documents away selects none of the others (the range
// statistics would ask for their dates).
TEST_F(DailyUse, QuittingFromAnyDocumentAsksNothing)
{
    for (int index = 0;; ++index) {
        open();
        const QList<TOffTreeItem *> items = documentItems();
        if (index >= items.size())
            break;
        ModalDriver driver;
        const QString key = items.at(index)->document()->key();
        if (key == QLatin1String("aswvariable"))
            driver.then(chooseRange(nullptr));
        window->selectItem(items.at(index));
        const int asked = int(driver.dialogs.size() + driver.boxes.size());
        // File › Quit, then the module goes as the back office ends it
        window->close();
        stop();
        QApplication::processEvents();
        EXPECT_EQ(asked, driver.dialogs.size() + driver.boxes.size())
                << key.toStdString() << ": " << driver.dialogs.join(QLatin1Char(',')).toStdString();
    }
}

// Unticking a dialog and ticking it again gives its elements back as they
// were: an element keeps its own right while the dialog is denied. The
// elements are listed under the texts the dialog labels them with.
TEST_F(DailyUse, DialogAccessRetickedGivesTheFieldsBack)
{
    open();
    auto turnoverItem = [](QDialog *dialog) -> TAccessItem * {
        auto *access = qobject_cast<TDlgAccess *>(dialog);
        if (!access)
            return nullptr;
        for (int i = 0; i < access->items()->topLevelItemCount(); ++i) {
            auto *item = static_cast<TAccessItem *>(access->items()->topLevelItem(i));
            if (item->key() == QLatin1String("TTurnOverDlg"))
                return item;
        }
        return nullptr;
    };
    auto childNamed = [](TAccessItem *item, const char *key) -> TAccessItem * {
        for (int i = 0; i < item->childCount(); ++i) {
            auto *child = static_cast<TAccessItem *>(item->child(i));
            if (child->key() == QLatin1String(key))
                return child;
        }
        return nullptr;
    };

    ModalDriver driver;
    QStringList labels;
    // 1. the date is taken away, then the whole dialog
    driver.then([&](QDialog *dialog) {
        TAccessItem *turnover = turnoverItem(dialog);
        ASSERT_NE(nullptr, turnover);
        for (int i = 0; i < turnover->childCount(); ++i)
            labels << turnover->child(i)->text(0);
        ASSERT_NE(nullptr, childNamed(turnover, "m_Date"));
        childNamed(turnover, "m_Date")->setGranted(false);
        turnover->setGranted(false);
        dialog->accept();
    });
    module().callMethod(QStringLiteral("optDlgAccess"));
    EXPECT_FALSE(TOffConfig::checkDlgRight(QStringLiteral("TTurnOverDlg")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Waiter"))) << labels.join(',').toStdString();
    EXPECT_TRUE(labels.contains(QStringLiteral("To date")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Choose the date in a calendar")));
    for (const QString &label : labels)
        EXPECT_FALSE(label.startsWith(QStringLiteral("m_"))
                     || label.startsWith(QStringLiteral("b_")))
                << label.toStdString();

    // 2. the dialog is ticked again: its elements are as they were
    driver.then([&](QDialog *dialog) {
        TAccessItem *turnover = turnoverItem(dialog);
        ASSERT_NE(nullptr, turnover);
        EXPECT_FALSE(turnover->granted());
        EXPECT_TRUE(childNamed(turnover, "m_Waiter")->granted());
        EXPECT_FALSE(childNamed(turnover, "m_Date")->granted());
        turnover->setGranted(true);
        dialog->accept();
    });
    module().callMethod(QStringLiteral("optDlgAccess"));
    EXPECT_FALSE(driver.pending());
    EXPECT_TRUE(TOffConfig::checkDlgRight(QStringLiteral("TTurnOverDlg")));
    EXPECT_TRUE(
            TOffConfig::checkDlgRight(QStringLiteral("TTurnOverDlg"), QStringLiteral("m_Waiter")));
    EXPECT_TRUE(TOffConfig::checkDlgRight(QStringLiteral("TTurnOverDlg"), QStringLiteral("b_Ok")));
    EXPECT_FALSE(
            TOffConfig::checkDlgRight(QStringLiteral("TTurnOverDlg"), QStringLiteral("m_Date")));

    // 3. the turnover dialog: the waiter can be chosen, the date not
    driver.then([](QDialog *dialog) {
        EXPECT_TRUE(dialog->findChild<QWidget *>(QStringLiteral("m_Waiter"))->isEnabled());
        EXPECT_FALSE(dialog->findChild<QWidget *>(QStringLiteral("m_Date"))->isEnabled());
        dialog->reject();
    });
    module().callMethod(QStringLiteral("onTurnOver"));
    EXPECT_FALSE(driver.pending());
}

// Help › Manual (F1) opens the section of the document shown: every
// document of the module names one, and both manuals have it.
TEST_F(DailyUse, EveryDocumentsManualSectionIsInBothManuals)
{
    qputenv("VELTRUM_MANUAL_DIR", VELTRUM_MANUAL_SOURCE);
    open();
    QStringList topics {moduleRoot()->document()->helpTopic()};
    for (TOffTreeItem *item : documentItems())
        topics << item->document()->helpTopic();
    for (const char *language : {"en", "de"}) {
        QFile page(TOffHelp::topicUrl(QStringLiteral("index.html"), QLatin1String(language))
                           .toLocalFile());
        ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
        const QString html = QString::fromUtf8(page.readAll());
        for (int i = 0; i < topics.size(); ++i) {
            const QString key = i == 0 ? QStringLiteral("overview")
                                       : documentItems().at(i - 1)->document()->key();
            EXPECT_FALSE(topics.at(i).isEmpty()) << key.toStdString();
            EXPECT_TRUE(html.contains(QStringLiteral("id=\"%1\"").arg(topics.at(i))))
                    << language << ": " << key.toStdString() << " -> " << topics.at(i).toStdString();
        }
    }
    // F1 over the exceptions shows their section
    for (TOffTreeItem *item : documentItems())
        if (item->document()->key() == QLatin1String("exceptions"))
            window->selectItem(item);
    window->onManual();
    ASSERT_NE(nullptr, TOffHelp::window());
    EXPECT_EQ(QStringLiteral("exceptions"), TOffHelp::window()->shownUrl().fragment());
    delete TOffHelp::window();
    qunsetenv("VELTRUM_MANUAL_DIR");
}

// Every document with its reports, lists and opened rows, and every dialog,
// at 1280×800: no text of a label, button, box, field, title, header or
// visible cell is cut.
TEST_F(DailyUse, EveryDocumentAndDialogShowsItsTextsWholeInEnglishAndGerman)
{
    for (const char *language : {"en", "de"}) {
        SCOPED_TRACE(language);
        TOffApplication::instance()->setLanguage(QLatin1String(language));
        open();
        ModalDriver driver;
        QStringList found = walkDocuments(driver);
        found << walkDialogs(driver);
        EXPECT_FALSE(driver.pending());
        EXPECT_EQ(QStringList(), found) << found.join(QLatin1Char('\n')).toStdString();
        stop();
    }
}
