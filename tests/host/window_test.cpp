#include "modaldriver.h"
#include "offpopupmenu.h"
#include "pixmapresource.h"
#include "taccessitem.h"
#include "testdir.h"
#include "tfilenotices.h"
#include "tlistaccess.h"
#include "toffapplication.h"
#include "toffconfig.h"
#include "toffdatadoc.h"
#include "tofflistview.h"
#include "toffmodule.h"
#include "tofftreeitem.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "twaiter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

// A document that counts the host's calls and adds one tool per selection.
class CountingDoc : public TOffDocument
{
    Q_OBJECT
public:
    CountingDoc(const QString &key, TOffWindow *window)
        : TOffDocument(key, window)
    { }
    QStringList columns() const override { return {QStringLiteral("Line")}; }
    void fill() override
    {
        ++fills;
        for (const char *line : {"first line", "second line"})
            (new QTreeWidgetItem(listView()))->setText(0, QLatin1String(line));
    }
    void onSelection() override
    {
        ++selections;
        addTool(new QPushButton(QStringLiteral("Start")));
        TOffDocument::onSelection();
    }
    QString getInformation() const override { return QStringLiteral("two lines"); }

    int fills = 0;
    int selections = 0;
    int calls = 0;

public Q_SLOTS:
    void onPicked() { ++calls; }
};

// A document with changes to save; its Save can be made to fail.
class SavingDoc : public TOffDocument
{
    Q_OBJECT
public:
    using TOffDocument::TOffDocument;
    bool canSave() const override { return isChanged(); }
    void onSave() override
    {
        ++saves;
        if (!failing)
            setChanged(false);
    }
    int saves = 0;
    bool failing = false;
};

QAction *fileAction(TOffWindow &window, const QString &text)
{
    for (QAction *action : window.fileMenu()->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

class OffWindow : public ::testing::Test
{
protected:
    TestDir data;
    TOffWorkspace workspace {data.path()};
    TOffWindow window {&workspace};
};

} // namespace

TEST_F(OffWindow, DocumentViewIsMadeOnceAndToolsAnewEachTime)
{
    auto *a = new CountingDoc(QStringLiteral("a"), &window);
    auto *b = new CountingDoc(QStringLiteral("b"), &window);
    workspace.documents().insert(a->key(), a);
    workspace.documents().insert(b->key(), b);
    auto *itemA = new TOffTreeItem(a, window.treeRoot(), nullptr);
    auto *itemB = new TOffTreeItem(b, window.treeRoot(), itemA);

    window.selectItem(itemA);
    window.selectItem(itemB);
    window.selectItem(itemA);
    EXPECT_EQ(1, a->fills);
    EXPECT_EQ(2, a->selections);
    EXPECT_EQ(a, window.currentDocument());
    EXPECT_EQ(1, a->toolArea()->findChildren<QPushButton *>().size());
    EXPECT_EQ(2, a->listView()->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("two lines"), window.statusText());
    EXPECT_EQ(itemB, window.lastTreeItem());
}

TEST_F(OffWindow, ListMissingBesideAKeptCopyIsToldInTheStatusLine)
{
    data.write(QStringLiteral("var/data/waiters.dat.old"), QByteArray("kept list"));
    Basics::TValueList list;
    EXPECT_EQ(7, list.load(data.file(QStringLiteral("var/data")), QStringLiteral("waiters.dat")));
    EXPECT_TRUE(window.statusText().contains(data.file(QStringLiteral("var/data/waiters.dat.old"))))
            << qPrintable(window.statusText());
}

TEST_F(OffWindow, RemovedDocumentTakesItsTreeItemsAlong)
{
    auto *parentDoc = new CountingDoc(QStringLiteral("p"), &window);
    auto *childDoc = new CountingDoc(QStringLiteral("c"), &window);
    workspace.documents().insert(parentDoc->key(), parentDoc);
    workspace.documents().insert(childDoc->key(), childDoc);
    auto *parent = new TOffTreeItem(parentDoc, window.treeRoot(), nullptr);
    new TOffTreeItem(childDoc, parent, nullptr);
    window.selectItem(parent);

    workspace.documents().remove(QStringLiteral("c"));
    EXPECT_EQ(0, parent->childCount());
    workspace.documents().remove(QStringLiteral("p"));
    EXPECT_EQ(0, window.treeRoot()->childCount());
    EXPECT_EQ(nullptr, window.currentDocument());
}

TEST_F(OffWindow, TreeItemCallsItsSlotWhenPicked)
{
    auto *doc = new CountingDoc(QStringLiteral("a"), &window);
    workspace.documents().insert(doc->key(), doc);
    TOffTreeItem item(doc, window.treeRoot(), nullptr, QStringLiteral("1onPicked()"));
    EXPECT_EQ(QByteArray("onPicked"), TOffTreeItem::methodName(item.slot()));
    EXPECT_TRUE(item.activate());
    EXPECT_EQ(1, doc->calls);
    emit window.documentTree()->itemClicked(&item, 0);
    EXPECT_EQ(2, doc->calls);

    item.setSlot(QStringLiteral("1onMissing()"));
    EXPECT_FALSE(item.activate());
    item.setSlot(QString());
    EXPECT_FALSE(item.activate());
    EXPECT_EQ(2, doc->calls);
    window.treeRoot()->removeChild(&item);
}

TEST_F(OffWindow, MenusGetIdsOfTheirOwn)
{
    auto *first = new OffPopupMenu(&window);
    auto *second = new OffPopupMenu(&window);
    EXPECT_EQ(4, window.insertMenu(QStringLiteral("&Reporting"), first, 4));
    // A taken id is replaced by the next free one.
    EXPECT_EQ(5, window.insertMenu(QStringLiteral("&Other"), second, 4));
    window.changeMenuText(4, QStringLiteral("&Berichte"));
    EXPECT_EQ(QStringLiteral("&Berichte"), window.menuText(4));
    delete first;
    EXPECT_FALSE(window.hasMenu(4));
    EXPECT_TRUE(window.hasMenu(5));
}

TEST_F(OffWindow, PrintsTheListIntoAPdf)
{
    auto *doc = new CountingDoc(QStringLiteral("a"), &window);
    workspace.documents().insert(doc->key(), doc);
    window.showDocument(doc);
    const QString file = data.file(QStringLiteral("out.pdf"));
    ASSERT_TRUE(doc->printToPdf(file));
    EXPECT_TRUE(data.read(QStringLiteral("out.pdf")).startsWith("%PDF"));

    TOffDocument viewless(QStringLiteral("v"), &window);
    EXPECT_FALSE(viewless.printToPdf(data.file(QStringLiteral("none.pdf"))));
}

TEST_F(OffWindow, RowsWithLineBreaksPrintOneLineEach)
{
    QTreeWidgetItem single(QStringList {QStringLiteral("one")});
    QTreeWidgetItem two(QStringList {QStringLiteral("table 12\n  15.00")});
    QTreeWidgetItem columns(QStringList {QStringLiteral("a"), QStringLiteral("b\nc\nd")});
    EXPECT_EQ(1, TOffDocument::printLines(&single));
    EXPECT_EQ(2, TOffDocument::printLines(&two));
    EXPECT_EQ(3, TOffDocument::printLines(&columns));
}

TEST_F(OffWindow, PdfIsProposedInTheDocumentsFolder)
{
    // the working directory is the installation, as in the back office
    const QString before = QDir::currentPath();
    QDir::setCurrent(workspace.getPath());
    TOffDocument doc(QStringLiteral("paid/tables"), &window);
    const QString proposed = TOffWindow::proposedPdfFile(&doc);
    QDir::setCurrent(before);

    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(QDir(documents).filePath(QStringLiteral("paid_tables.pdf")), proposed);
    EXPECT_FALSE(proposed.startsWith(workspace.getPath()));
    EXPECT_TRUE(QFileInfo(proposed).isAbsolute());
}

TEST_F(OffWindow, LoggedInWaiterFromTheWaiterList)
{
    data.copyData(QStringLiteral("waiters.dat"), QStringLiteral("usr/data/waiters.dat"));
    EXPECT_EQ(nullptr, window.getLoggedWaiter());
    window.setLoggedWaiter(1);
    ASSERT_NE(nullptr, window.getLoggedWaiter());
    EXPECT_EQ(QStringLiteral("Anna"), window.getLoggedWaiter()->name());
    window.setLoggedWaiter(0);
    EXPECT_EQ(nullptr, window.getLoggedWaiter());
}

TEST_F(OffWindow, DataDocumentShowsItsWorkspaceList)
{
    data.copyData(QStringLiteral("waiters.dat"), QStringLiteral("usr/data/waiters.dat"));
    auto *doc = new TOffDataDoc(QStringLiteral("waiters"), &window, true);
    workspace.documents().insert(doc->key(), doc);
    window.showDocument(doc);
    TOffListView *list = doc->listView();
    ASSERT_NE(nullptr, list);
    ASSERT_EQ(3, list->topLevelItemCount());
    EXPECT_EQ(QStringLiteral("1"), list->topLevelItem(0)->text(0));
    EXPECT_EQ(QStringLiteral("Anna"), list->topLevelItem(0)->text(1));
    EXPECT_EQ(QStringLiteral("3 record(s)"), doc->getInformation());
}

TEST_F(OffWindow, ReportWaiterFromTheWaiterList)
{
    data.copyData(QStringLiteral("waiters.dat"), QStringLiteral("usr/data/waiters.dat"));
    EXPECT_EQ(nullptr, window.getReportWaiter());
    window.setReportWaiter(2);
    ASSERT_NE(nullptr, window.getReportWaiter());
    EXPECT_EQ(QStringLiteral("Bruno"), window.getReportWaiter()->name());
    window.setReportWaiter(99);
    EXPECT_EQ(nullptr, window.getReportWaiter());
}

TEST(ListAccessDialog, OkStoresTheRights)
{
    TestDir dir;
    qputenv("VELTRUM_CONFIG", dir.file(QStringLiteral("office.ini")).toLocal8Bit());
    TOffConfig::reload();
    TOffConfig::setLstRight(QStringLiteral("turnover"), false);
    {
        TListAccess dialog(nullptr, "TAuswAccess");
        EXPECT_EQ(QStringLiteral("TAuswAccess"), dialog.objectName());
        TAccessItem *turnover
                = dialog.insert(QStringLiteral("turnover"), QStringLiteral("Day turn over"));
        TAccessItem *filters
                = dialog.insert(QStringLiteral("sumfilters"), QStringLiteral("Report filters"));
        EXPECT_FALSE(turnover->granted());
        EXPECT_TRUE(filters->granted());
        turnover->setGranted(true);
        filters->setGranted(false);
        dialog.accept();
    }
    TOffConfig::reload();
    EXPECT_TRUE(TOffConfig::checkLstRight("turnover"));
    EXPECT_FALSE(TOffConfig::checkLstRight("sumfilters"));
    TOffConfig::reload();
}

TEST(ListAccessDialog, OkOverAnUnreadableConfigurationSaysSoAndStaysOpen)
{
    TestDir dir;
    qputenv("VELTRUM_CONFIG", dir.file(QStringLiteral("office.ini")).toLocal8Bit());
    const QByteArray unreadable("#>rights.ini<\r\n");
    dir.write(QStringLiteral("office.ini"), unreadable);
    TOffConfig::reload();
    {
        TListAccess dialog(nullptr, "TAuswAccess");
        TAccessItem *turnover
                = dialog.insert(QStringLiteral("turnover"), QStringLiteral("Day turn over"));
        turnover->setGranted(false);
        dialog.show();
        ModalDriver answers;
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(QDialog::Rejected, dialog.result());
        ASSERT_EQ(1, answers.boxes.size());
        EXPECT_TRUE(answers.boxes.first().startsWith(
                QStringLiteral("Error: Could not write the configuration: ")))
                << answers.boxes.first().toStdString();
    }
    EXPECT_TRUE(TOffConfig::checkLstRight("turnover"));
    EXPECT_EQ(unreadable, dir.read(QStringLiteral("office.ini")));
    TOffConfig::reload();
}

// Options › Language keeps the choice and shows it; when the configuration
// cannot be written the menu says so and the language stays.
TEST(LanguageMenu, KeepsTheChoiceOrSaysWhyNot)
{
    TestDir dir;
    qputenv("VELTRUM_CONFIG", dir.file(QStringLiteral("office.ini")).toLocal8Bit());
    TOffConfig::reload();
    TOffWorkspace workspace(dir.path());
    TOffWindow window(&workspace);
    auto entry = [&window](const char *code) {
        for (QAction *action : window.languageMenu()->actions())
            if (action->data().toString() == QLatin1String(code))
                return action;
        return static_cast<QAction *>(nullptr);
    };
    ASSERT_NE(nullptr, entry("de"));
    EXPECT_EQ(QStringLiteral("Deutsch"), entry("de")->text());
    EXPECT_TRUE(entry("en")->isChecked());

    entry("de")->trigger();
    EXPECT_EQ(QStringLiteral("de"), TOffApplication::instance()->language());
    EXPECT_EQ(QStringLiteral("&Optionen"), window.optionsMenu()->title());
    EXPECT_EQ(QStringLiteral("Backoffice"), window.treeRoot()->text(0));
    EXPECT_TRUE(entry("de")->isChecked());
    TOffConfig::reload();
    EXPECT_EQ(QStringLiteral("de"), TOffConfig::getLanguage());

    const QByteArray unreadable("#>rights.ini<\r\n");
    dir.write(QStringLiteral("office.ini"), unreadable);
    TOffConfig::reload();
    {
        ModalDriver answers;
        entry("en")->trigger();
        ASSERT_EQ(1, answers.boxes.size());
        EXPECT_TRUE(answers.boxes.first().contains(
                QStringLiteral("Die Konfiguration konnte nicht geschrieben werden: ")))
                << answers.boxes.first().toStdString();
    }
    EXPECT_EQ(QStringLiteral("de"), TOffApplication::instance()->language());
    EXPECT_TRUE(entry("de")->isChecked());
    EXPECT_EQ(unreadable, dir.read(QStringLiteral("office.ini")));

    TOffApplication::instance()->setLanguage(QStringLiteral("en"));
    EXPECT_EQ(QStringLiteral("&Options"), window.optionsMenu()->title());
    TOffConfig::reload();
}

TEST(PixmapResource, EveryModuleKeyHasAnIconOfItsOwn)
{
    const QStringList keys
            = {"REPORTING",   "FILTER",       "BATCHREPORT",    "OPENTABLES", "PAIDTABLES",
               "REPORTRANGE", "REPORTWAITER", "TURNOVER",       "OPTIONS",    "EDITENTRY",
               "PRINT",       "CRYSTALREP",   "FASTCRYSTALREP", "REFRESH",    "TABLE",
               "TABLELOCKED", "TABLECORRUPT"};
    const QImage unknown
            = getPixmapResource(QStringLiteral("NOSUCHKEY"), 22, QString(), false).toImage();
    QList<QImage> seen;
    for (const QString &key : keys) {
        EXPECT_TRUE(pixmapResourceKeys().contains(key)) << key.toStdString();
        const QImage image = getPixmapResource(key, 22, QStringLiteral("classic"), false).toImage();
        EXPECT_EQ(QSize(22, 22), image.size()) << key.toStdString();
        EXPECT_NE(unknown, image) << key.toStdString();
        EXPECT_FALSE(seen.contains(image)) << key.toStdString();
        seen.append(image);
    }
}

TEST(PixmapResource, ThemeAndGreyFormDiffer)
{
    const QImage classic
            = getPixmapResource(QStringLiteral("FILTER"), 16, QStringLiteral("classic"), false)
                      .toImage();
    const QImage contrast
            = getPixmapResource(QStringLiteral("FILTER"), 16, QStringLiteral("contrast"), false)
                      .toImage();
    const QImage grey
            = getPixmapResource(QStringLiteral("FILTER"), 16, QStringLiteral("classic"), true)
                      .toImage();
    const QImage fallback
            = getPixmapResource(QStringLiteral("FILTER"), 16, QStringLiteral("nosuchtheme"), false)
                      .toImage();
    EXPECT_NE(classic, contrast);
    EXPECT_NE(classic, grey);
    EXPECT_EQ(classic, fallback);
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb pixel = grey.pixel(x, y);
            ASSERT_EQ(qRed(pixel), qBlue(pixel));
        }
}

TEST(ModuleLoader, LooksBesideTheProgramThenInLib)
{
    TestDir dir;
    dir.write(QStringLiteral("bin/placeholder"), QByteArray());
    dir.write(QStringLiteral("lib/libveltrum.so"), QByteArray("x"));
    const QString bin = dir.file(QStringLiteral("bin"));
    EXPECT_EQ(QFileInfo(dir.file(QStringLiteral("lib/libveltrum.so"))).canonicalFilePath(),
              TOffModule::locate(QStringLiteral("libveltrum.so"), bin));
    dir.write(QStringLiteral("bin/libveltrum.so"), QByteArray("x"));
    EXPECT_EQ(QFileInfo(dir.file(QStringLiteral("bin/libveltrum.so"))).canonicalFilePath(),
              TOffModule::locate(QStringLiteral("libveltrum.so"), bin));
    EXPECT_EQ(QString(), TOffModule::locate(QStringLiteral("libnothing.so"), bin));

    TOffModule module;
    EXPECT_FALSE(module.load(dir.file(QStringLiteral("bin/libveltrum.so"))));
    EXPECT_FALSE(module.isLoaded());
    EXPECT_FALSE(module.errorString().isEmpty());
}

#include "window_test.moc"

TEST_F(OffWindow, SaveFollowsTheDocumentsChanges)
{
    auto *doc = new SavingDoc(QStringLiteral("filters"), &window);
    workspace.documents().insert(doc->key(), doc);
    window.showDocument(doc);
    QAction *save = fileAction(window, QStringLiteral("&Save"));
    ASSERT_NE(nullptr, save);
    EXPECT_FALSE(save->isEnabled());
    doc->setChanged(true);
    EXPECT_TRUE(save->isEnabled());
    save->trigger();
    EXPECT_EQ(1, doc->saves);
    EXPECT_FALSE(save->isEnabled());
}

TEST_F(OffWindow, ClosingAsksAboutUnsavedChanges)
{
    auto *doc = new SavingDoc(QStringLiteral("filters"), &window);
    workspace.documents().insert(doc->key(), doc);
    doc->setChanged(true);
    window.show();
    ModalDriver answers;

    answers.answer(QMessageBox::Cancel);
    EXPECT_FALSE(window.close());
    EXPECT_EQ(0, doc->saves);
    EXPECT_EQ(QStringList(
                      {"Unsaved changes: \"filters\" has changes that are not saved. Save them?"}),
              answers.boxes);

    // a save that fails keeps the window open
    doc->failing = true;
    answers.answer(QMessageBox::Save);
    EXPECT_FALSE(window.close());
    EXPECT_EQ(1, doc->saves);

    doc->failing = false;
    answers.answer(QMessageBox::Save);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(2, doc->saves);
    EXPECT_FALSE(doc->isChanged());

    window.show();
    doc->setChanged(true);
    answers.answer(QMessageBox::Discard);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(2, doc->saves);

    // nothing to save, nothing to ask
    window.show();
    doc->setChanged(false);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(4, answers.boxes.size());
}
