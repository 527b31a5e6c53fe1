// The reporting module loaded from its library, as the back office does,
// and driven only through its exports and the host window.

#include "modulefixture.h"
#include "smalldemo.h"

#include <QCommandLinkButton>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// Runs before any other test of this program creates a module object (and
// again after doneModule, which leaves none).
TEST_F(VeltrumModule, ExportsBeforeInitModuleDoNothing)
{
    QPixmap pixmap;
    module().getPixmap(pixmap);
    EXPECT_TRUE(pixmap.isNull());
    DialogCatcher catcher;
    catcher.arm();
    module().callMethod(QStringLiteral("onOptions"));
    QCoreApplication::processEvents();
    EXPECT_EQ(QString(), catcher.caught);

    start();
    stop();
    module().getPixmap(pixmap);
    EXPECT_TRUE(pixmap.isNull());
}

TEST_F(VeltrumModule, VersionAndPixmap)
{
    QString version;
    module().getVersion(version);
    EXPECT_EQ(QStringLiteral("V4.1 Build (7) @ Donnerstag, 8. Januar 2015 - 11:57:17"), version);

    start();
    window->setIconSize(32);
    QPixmap pixmap;
    module().getPixmap(pixmap);
    EXPECT_EQ(QSize(32, 32), pixmap.size());
}

TEST_F(VeltrumModule, InitModuleRegistersTheDocuments)
{
    start();
    const QStringList keys = {"veltrum",    "sumbatches",  "sumfilters",   "opentables",
                              "paidtables", "aswvariable", "timecontrols", "closings"};
    for (const QString &key : keys) {
        ASSERT_NE(nullptr, workspace->get(key)) << key.toStdString();
        EXPECT_EQ(key, workspace->get(key)->key());
    }
    EXPECT_STREQ("TPaidTablesDoc", workspace->get("paidtables")->metaObject()->className());
    EXPECT_STREQ("TVariableDoc", workspace->get("aswvariable")->metaObject()->className());
    EXPECT_EQ(QStringLiteral("Ready"), window->statusText());

    stop();
    workspace = std::make_unique<TOffWorkspace>(dir.path());
    window = std::make_unique<TOffWindow>(workspace.get());
    module().initModule(window.get());
    module().doneModule();
    EXPECT_EQ(0, workspace->documents().count());
}

TEST_F(VeltrumModule, InitMenuBuildsMenusToolBarAndTree)
{
    start();
    QMenu *menu = reporting();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(QStringList({"Filter", "Batchreports", "Opentables", "&Archives", "Range", "Waiters",
                           "Exceptions", "Labour", "-", "Turnover", "Closings", "-",
                           "Export bookings...", "Export for the tax audit..."}),
              textsOf(menu));
    // each export asks for its range and output in a dialog of its own
    {
        ModalDriver driver;
        actionOf(menu, QStringLiteral("Export bookings..."))->trigger();
        actionOf(menu, QStringLiteral("Export for the tax audit..."))->trigger();
        EXPECT_EQ(QStringList({"TExportBookingsDlg", "TExportAuditDlg"}), driver.dialogs);
    }
    EXPECT_TRUE(window->hasMenu(4));
    EXPECT_EQ(QStringLiteral("&Reporting"), window->menuText(4));

    QMenu *archives = submenuOf(menu, QStringLiteral("&Archives"));
    ASSERT_NE(nullptr, archives);
    EXPECT_EQ(QStringList({"All &families", "All &articles", "All &waiters", "-",
                           "Fa&milies per waiter", "A&rticles per waiter", "Wa&iter report", "-",
                           "Fami&lies per cost center", "A&rticles per cost center",
                           "&Cost center report", "-", "&Paid tables"}),
              textsOf(archives));
    EXPECT_TRUE(archives->actions().first()->icon().isNull());
    EXPECT_FALSE(archives->actions().last()->icon().isNull());

    ASSERT_NE(nullptr, moduleRoot());
    EXPECT_EQ(QStringLiteral("Reporting"), moduleRoot()->text(0));
    EXPECT_EQ(workspace->get("veltrum"), moduleRoot()->document());
    EXPECT_EQ(QStringList({"Reporting filters", "Reporting batches", "Open tables", "Paid tables",
                           "Range statistics", "Time controlling", "Exceptions",
                           "Sales per labour hour", "Closings"}),
              childTexts(moduleRoot()));
    auto *exceptions = static_cast<TOffTreeItem *>(moduleRoot()->child(6));
    EXPECT_EQ(workspace->get("exceptions"), exceptions->document());
    EXPECT_STREQ("TExceptionsDoc", workspace->get("exceptions")->metaObject()->className());
    auto *labour = static_cast<TOffTreeItem *>(moduleRoot()->child(7));
    EXPECT_EQ(workspace->get("labour"), labour->document());
    EXPECT_STREQ("TLabourDoc", workspace->get("labour")->metaObject()->className());
    auto *closings = static_cast<TOffTreeItem *>(moduleRoot()->child(8));
    EXPECT_EQ(workspace->get("closings"), closings->document());
    auto *paid = static_cast<TOffTreeItem *>(moduleRoot()->child(3));
    EXPECT_EQ(workspace->get("paidtables"), paid->document());
    EXPECT_EQ(QStringLiteral("1onPaidTables()"), paid->slot());

    ASSERT_NE(nullptr, toolBar());
    QStringList buttons;
    for (QAction *action : toolBar()->actions())
        buttons << action->iconText();
    EXPECT_EQ(QStringList({"Reporting filters", "Reporting batches", "Open tables", "Paid tables",
                           "Range statistics", "Time controlling", "Exceptions",
                           "Sales per labour hour"}),
              buttons);
    EXPECT_EQ(Qt::ToolButtonTextUnderIcon, toolBar()->toolButtonStyle());

    QMenu *options = reportingOptions();
    ASSERT_NE(nullptr, options);
    EXPECT_EQ(QStringList({"&Options", "Show reporting tool &bar", "&List access...",
                           "&Dialog access..."}),
              textsOf(options));
    EXPECT_EQ(QStringLiteral("Change reporting options"), options->actions().first()->statusTip());
}

TEST_F(VeltrumModule, ListRightsGateTheEntries)
{
    denyList("turnover");
    denyList("exceptions");
    denyList("labour");
    start();
    EXPECT_EQ(
            QStringList({"Filter", "Batchreports", "Opentables", "&Archives", "Range", "Waiters"}),
            textsOf(reporting()));

    // Without the paid tables the turnover goes too, whatever its right.
    TOffConfig::setLstRight(QStringLiteral("turnover"), true);
    denyList(TOffWorkspace::docPaidTables);
    denyList("sumfilters");
    start();
    EXPECT_EQ(QStringList({"Batchreports", "Opentables", "Range", "Waiters"}),
              textsOf(reporting()));
    EXPECT_EQ(QStringList(
                      {"Reporting batches", "Open tables", "Range statistics", "Time controlling"}),
              childTexts(moduleRoot()));
    EXPECT_EQ(4, toolBar()->actions().size());
}

TEST_F(VeltrumModule, AccessActionsNeedTheMaster)
{
    start(false);
    EXPECT_FALSE(actionOf(reportingOptions(), "&List access...")->isEnabled());
    EXPECT_FALSE(actionOf(reportingOptions(), "&Dialog access...")->isEnabled());
    EXPECT_TRUE(actionOf(reportingOptions(), "&Options")->isEnabled());
    start(true);
    EXPECT_TRUE(actionOf(reportingOptions(), "&List access...")->isEnabled());
    EXPECT_TRUE(actionOf(reportingOptions(), "&Dialog access...")->isEnabled());
}

TEST_F(VeltrumModule, ToolBarToggleIsStoredAndRestored)
{
    start();
    window->show();
    QAction *toggle = actionOf(reportingOptions(), "Show reporting tool &bar");
    ASSERT_NE(nullptr, toggle);
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_FALSE(toolBar()->isVisible());

    toggle->trigger();
    EXPECT_TRUE(toolBar()->isVisible());
    TOffConfig::reload();
    EXPECT_TRUE(TOffConfig::ini().readBool("Settings", "ToolAusw", false));

    start();
    window->show();
    toggle = actionOf(reportingOptions(), "Show reporting tool &bar");
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(toolBar()->isVisible());
    toggle->trigger();
    EXPECT_FALSE(toolBar()->isVisible());
    TOffConfig::reload();
    EXPECT_FALSE(TOffConfig::ini().readBool("Settings", "ToolAusw", true));

    start();
    window->show();
    EXPECT_FALSE(actionOf(reportingOptions(), "Show reporting tool &bar")->isChecked());
    EXPECT_FALSE(toolBar()->isVisible());
}

TEST_F(VeltrumModule, ToolBarToggleThatCannotBeStoredSaysSoAndChangesNothing)
{
    const QByteArray unreadable("#>rights.ini<\r\nToolAusw = no\r\n");
    dir.write(QStringLiteral("office.ini"), unreadable);
    TOffConfig::reload();
    start();
    window->show();
    QAction *toggle = actionOf(reportingOptions(), "Show reporting tool &bar");
    ASSERT_NE(nullptr, toggle);
    EXPECT_FALSE(toolBar()->isVisible());
    ModalDriver answers;
    toggle->trigger();
    ASSERT_EQ(1, answers.boxes.size());
    EXPECT_TRUE(answers.boxes.first().startsWith(
            QStringLiteral("Error: Could not write the configuration: ")))
            << answers.boxes.first().toStdString();
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_FALSE(toolBar()->isVisible());
    EXPECT_EQ(unreadable, dir.read(QStringLiteral("office.ini")));
    // Starting the module reads the file and writes nothing, so it says
    // nothing either.
    start();
    EXPECT_EQ(1, answers.boxes.size());
}

TEST_F(VeltrumModule, CallMethodReachesSlotsByName)
{
    start();
    DialogCatcher catcher;
    catcher.arm();
    module().callMethod(QStringLiteral("onOptions"));
    EXPECT_EQ(QStringLiteral("TDlgOptAusw"), catcher.caught);

    catcher.caught.clear();
    catcher.arm();
    module().callMethod(QStringLiteral("optListAccess"));
    EXPECT_EQ(QStringLiteral("TAuswAccess"), catcher.caught);

    module().callMethod(QStringLiteral("onFilters"));
    EXPECT_EQ(workspace->get("sumfilters"), window->currentDocument());
    EXPECT_TRUE(moduleRoot()->isExpanded());
    EXPECT_EQ(QStringLiteral("Reporting filters"), window->documentTree()->currentItem()->text(0));

    // Neither an unknown name nor one that needs arguments does anything.
    for (const char *name : {"noSuchSlot", "optToolBar", "", "onFilters()"}) {
        catcher.caught.clear();
        catcher.arm();
        module().callMethod(QLatin1String(name));
        QCoreApplication::processEvents();
        EXPECT_EQ(QString(), catcher.caught) << name;
        EXPECT_EQ(workspace->get("sumfilters"), window->currentDocument()) << name;
    }
}

TEST_F(VeltrumModule, ReportEntriesRunInThePaidTablesDocument)
{
    start();
    TOffDocument *paid = workspace->get("paidtables");
    const struct
    {
        const char *slot;
        int kind;
        const char *firstLine;
    } cases[] = {
            {"onAllFamilies", 10, "Family report of all waiters"},
            {"onAllArticles", 7, "Article report of all waiters"},
            {"onAllWaiters", 4, "Amount of all waiters"},
            {"onWaiterFamilies", 11, "Family report per waiter"},
            {"onWaiterArticles", 8, "Article report per waiter"},
            {"onWaiterReport", 5, "List of all waiters"},
            {"onCenterFamilies", 12, "Family report per cost center"},
            {"onCenterArticles", 9, "Article report per cost center"},
            {"onCenterReport", 6, "List of all cost centers"},
            {"onPaidTables", 1, "No table list available"},
    };
    for (const auto &c : cases) {
        window->showDocument(nullptr);
        module().callMethod(QLatin1String(c.slot));
        EXPECT_EQ(paid, window->currentDocument()) << c.slot;
        auto *box = paid->toolArea()->findChild<QtWidgets::TComboBox *>(QStringLiteral("m_Report"));
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(c.kind, box->currentId()) << c.slot;
        // an installation without data: the report's header, or the journal's note
        ASSERT_LT(0, paid->listView()->topLevelItemCount()) << c.slot;
        EXPECT_EQ(QLatin1String(c.firstLine), paid->listView()->topLevelItem(0)->text(0)) << c.slot;
    }

    DialogCatcher catcher;
    catcher.arm();
    module().callMethod(QStringLiteral("onTurnOver"));
    EXPECT_EQ(QStringLiteral("TTurnOverDlg"), catcher.caught);
    EXPECT_EQ(paid, window->currentDocument());
}

// A closing from the window hands the day's statistics to the snapshot
// plug-in of the installation.
TEST_F(VeltrumModule, ClosingFromTheWindowUploadsTheStatistics)
{
    PosLib::TSettings settings;
    auto *record = new Basics::TValue;
    record->setBool(QStringLiteral("cloudserviceactive"), true);
    record->setInt(QStringLiteral("cloudservice"), 2);
    settings.insert(record);
    QDir().mkpath(dir.file(QStringLiteral("usr/data")));
    settings.save(dir.path().toLocal8Bit().constData());
    QDir().mkpath(dir.file(QStringLiteral("plugins")));
    const QString plugin = dir.file(QStringLiteral("plugins/VUrazEdad"));
    dir.write(QStringLiteral("plugins/VUrazEdad"),
              "#!/bin/sh\ncat > \"" + dir.file(QStringLiteral("request.xml")).toUtf8()
                      + "\"\necho '<result code=\"0\"/>'\n");
    QFile::setPermissions(plugin,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    start();

    ModalDriver driver;
    driver.then([](QDialog *dialog) { dialog->accept(); }); // the day shown: today
    driver.answer(QMessageBox::Ok);
    module().callMethod(QStringLiteral("onTurnOver"));

    ASSERT_EQ(1, driver.boxes.size());
    EXPECT_TRUE(driver.boxes.first().startsWith(QStringLiteral("Success: ")))
            << driver.boxes.first().toStdString();
    const QString request = QString::fromUtf8(dir.read(QStringLiteral("request.xml")));
    EXPECT_TRUE(request.contains(QStringLiteral("UploadStatistXml"))) << request.toStdString();
    EXPECT_TRUE(request.contains(QStringLiteral("localfile"))) << request.toStdString();
}

TEST_F(VeltrumModule, MenuEntriesOverADemoShowTheReportAndTheJournal)
{
    QLocale::setDefault(QLocale(QLocale::English));
    PosLib::TDemoOptions options;
    options.today = QDate(2026, 12, 5);
    PosLib::TDemoInstallation(options).write(dir.path());
    start();
    window->resize(1400, 760);
    window->show();
    TOffDocument *paid = workspace->get("paidtables");

    module().callMethod(QStringLiteral("onWaiterReport"));
    const QList<QTreeWidgetItem *> lines = paid->listView()->allItems();
    ASSERT_GT(lines.size(), 10);
    EXPECT_EQ(QStringLiteral("Summary for: Trattoria Veltrum"), lines.at(0)->text(0));
    EXPECT_EQ(QStringLiteral("List of all waiters"), lines.at(1)->text(0));
    screenshot(window.get(), "office-report.png");

    module().callMethod(QStringLiteral("onPaidTables"));
    QTreeWidgetItem *table = paid->listView()->topLevelItem(0);
    ASSERT_NE(nullptr, table);
    EXPECT_GT(table->childCount(), 0);
    EXPECT_TRUE(table->text(0).contains(QStringLiteral(" EUR")));
    screenshot(window.get(), "office-journal.png");
}

// Today's figures beside the overview's list: the takings are the "All
// amount" of the report of all waiters, each figure opens its document,
// F5 and another installation read them again.
TEST_F(VeltrumModule, OverviewShowsTodaysFiguresAndOpensTheirDocuments)
{
    QLocale::setDefault(QLocale(QLocale::English));
    PosLib::TDemoOptions options;
    options.days = 2;
    options.tables = 16;
    options.today = QDate(2026, 12, 5);
    PosLib::TDemoInstallation(options).write(dir.path());
    start();
    window->resize(1400, 760);
    window->show();
    TOffDocument *overview = workspace->get("veltrum");
    ASSERT_NE(nullptr, overview);
    window->selectItem(moduleRoot());
    ASSERT_EQ(overview, window->currentDocument());
    ASSERT_NE(nullptr, overview->listView()); // the list is still there
    QWidget *panel = overview->view()->findChild<QWidget *>(QStringLiteral("dayFigures"));
    ASSERT_NE(nullptr, panel);
    auto figure = [panel](int number) {
        return panel->findChild<QCommandLinkButton *>(QStringLiteral("figure%1").arg(number));
    };
    ASSERT_NE(nullptr, figure(5));
    const QString takings = figure(0)->text();
    EXPECT_TRUE(takings.endsWith(QStringLiteral(" EUR"))) << takings.toStdString();
    EXPECT_TRUE(figure(5)->text().contains(QStringLiteral("Z ")))
            << figure(5)->text().toStdString();
    screenshot(window.get(), "overview-today.png");

    // the takings open the report of all waiters, whose "All amount" they are
    QTest::mouseClick(figure(0), Qt::LeftButton);
    TOffDocument *paid = workspace->get("paidtables");
    ASSERT_EQ(paid, window->currentDocument());
    // the report of all waiters over the day not yet closed
    EXPECT_EQ(QStringLiteral("Amount of all waiters"), paid->listView()->topLevelItem(1)->text(0));
    EXPECT_TRUE(paid->listView()->topLevelItem(2)->text(0).startsWith(
            QStringLiteral("Actual Shift Summary from")));
    QString allAmount;
    for (QTreeWidgetItem *line : paid->listView()->allItems()) {
        if (line->text(0).startsWith(QStringLiteral("All amount"))) {
            allAmount = line->text(0).section(QStringLiteral(": "), 1);
            break;
        }
    }
    EXPECT_EQ(allAmount, takings);
    QTest::mouseClick(figure(2), Qt::LeftButton);
    EXPECT_EQ(workspace->get("opentables"), window->currentDocument());
    QTest::mouseClick(figure(4), Qt::LeftButton);
    EXPECT_EQ(QStringLiteral("Report of all voids"), paid->listView()->topLevelItem(1)->text(0));

    // F5 on the overview reads them again, and so does another installation
    window->selectItem(moduleRoot());
    QSignalSpy refreshed(panel, SIGNAL(refreshed()));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F5);
    EXPECT_EQ(1, refreshed.count());
    TestDir empty;
    workspace->setPath(empty.path());
    EXPECT_EQ(2, refreshed.count());
    EXPECT_EQ(QStringLiteral("0.00"), figure(0)->text());
    EXPECT_EQ(QStringLiteral("none"), figure(5)->text());
}

TEST_F(VeltrumModule, LanguageChangeSetsTheTextsAgain)
{
    start();
    QAction *options = actionOf(reportingOptions(), "&Options");
    options->setText(QStringLiteral("stale"));
    moduleRoot()->setText(0, QStringLiteral("stale"));
    window->changeMenuText(4, QStringLiteral("stale"));
    TOffApplication::instance()->setLanguage(QString());
    EXPECT_EQ(QStringLiteral("&Options"), options->text());
    EXPECT_EQ(QStringLiteral("Reporting"), moduleRoot()->text(0));
    EXPECT_EQ(QStringLiteral("&Reporting"), window->menuText(4));
}

TEST_F(VeltrumModule, DoneMenuAndDoneModuleTakeEverythingAway)
{
    start();
    module().doneMenu();
    EXPECT_EQ(nullptr, reporting());
    EXPECT_EQ(nullptr, reportingOptions());
    EXPECT_EQ(nullptr, toolBar());
    // A language change after doneMenu touches nothing that is gone.
    TOffApplication::instance()->setLanguage(QString());

    module().doneModule();
    started = false;
    EXPECT_EQ(0, workspace->documents().count());
    EXPECT_EQ(0, window->treeRoot()->childCount());
}

// Options › Language switches the running back office: the window's and
// the module's menus, the tree, the reports document's row and the next
// report follow at once, the choice is kept, and the way back restores
// every English text.
TEST_F(VeltrumModule, LanguageMenuSwitchesTheRunningBackOfficeAndBack)
{
    struct English
    {
        ~English() { TOffApplication::instance()->setLanguage(QStringLiteral("en")); }
    } english; // whatever fails below, the next test runs in English
    smalldemo::write(dir.path());
    start();
    window->resize(1400, 760);
    window->show();
    TOffDocument *paid = workspace->get("paidtables");
    module().callMethod(QStringLiteral("onWaiterReport"));
    ASSERT_EQ(paid, window->currentDocument());

    auto choose = [this](const char *code) {
        for (QAction *action : window->languageMenu()->actions())
            if (action->data().toString() == QLatin1String(code))
                return action->trigger();
        ADD_FAILURE() << "no language " << code;
    };
    auto button = [paid](const char *name) {
        auto *b = paid->toolArea()->findChild<QPushButton *>(QLatin1String(name));
        return b ? b->text() : QStringLiteral("(none)");
    };
    auto label = [paid](const char *buddy) {
        for (auto *l : paid->toolArea()->findChildren<QLabel *>())
            if (l->buddy() && l->buddy()->objectName() == QLatin1String(buddy))
                return l->text();
        return QStringLiteral("(none)");
    };
    auto report = [paid] {
        auto *box = paid->toolArea()->findChild<QtWidgets::TComboBox *>(QStringLiteral("m_Report"));
        return box ? box->currentText() : QString();
    };
    auto line = [paid](int row) {
        const QList<QTreeWidgetItem *> lines = paid->listView()->allItems();
        return row < lines.size() ? lines.at(row)->text(0) : QString();
    };
    const struct
    {
        const char *code;
        const char *reporting, *file, *root, *reportLabel, *report, *tables, *credits, *start,
                *secondLine;
    } languages[] = {
            {"de", "&Auswertungen", "&Datei", "Auswertungen", "Bericht:", "Kellnerbericht",
             "Ohne Tische", "Mit Gutschriften", "Start", "Liste aller Kellner"},
            {"en", "&Reporting", "&File", "Reporting", "Report:", "Waiter report", "Without tables",
             "With credits", "Start", "List of all waiters"},
    };
    EXPECT_EQ(QStringLiteral("With credits"), button("b_Credits"));
    for (const auto &l : languages) {
        choose(l.code);
        EXPECT_EQ(QLatin1String(l.code), TOffApplication::instance()->language());
        EXPECT_EQ(QLatin1String(l.code), TOffConfig::getLanguage());
        EXPECT_NE(nullptr, menuOf(window->menuBar(), QString::fromUtf8(l.reporting))) << l.code;
        EXPECT_EQ(QString::fromUtf8(l.file), window->fileMenu()->title());
        EXPECT_EQ(QString::fromUtf8(l.root), moduleRoot()->text(0));
        EXPECT_EQ(paid, window->currentDocument()) << l.code;
        EXPECT_EQ(QString::fromUtf8(l.reportLabel), label("m_Report"));
        EXPECT_TRUE(report().contains(QString::fromUtf8(l.report))) << report().toStdString();
        EXPECT_EQ(QString::fromUtf8(l.tables), button("b_Tables"));
        EXPECT_EQ(QString::fromUtf8(l.credits), button("b_Credits"));
        EXPECT_EQ(QString::fromUtf8(l.start), button("b_Start"));
        // the next run prints in the new language
        paid->toolArea()->findChild<QPushButton *>(QStringLiteral("b_Start"))->click();
        EXPECT_EQ(QString::fromUtf8(l.secondLine), line(1)) << l.code;
        if (QLatin1String(l.code) == QLatin1String("de"))
            screenshot(window.get(), "office-report-de.png");
    }
    EXPECT_EQ(nullptr, menuOf(window->menuBar(), QStringLiteral("&Auswertungen")));
}
