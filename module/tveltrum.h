#pragma once

#include "treportingentry.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QStringList>

#include <memory>

class QAction;
class OffPopupMenu;
class OffToolbar;
class TOffTreeItem;
class TOffWindow;
class TPaidTablesDoc;
namespace DotNetPluginLibrary {
class DotNetPluginHost;
}

// The reporting module inside the back office: registers the module's
// documents with the host workspace, adds the "&Reporting" menu, the
// "&Reporting options" submenu, the tool bar and the tree branch, and
// routes every command to the document that serves it.
class TVeltrum : public QObject, public TReportingEntry
{
    Q_OBJECT
public:
    explicit TVeltrum(TOffWindow *window);
    ~TVeltrum() override;

    // Builds actions, menus, tool bar and tree items for the lists the
    // user has the right to see, then sets the texts.
    void initMenu();
    // Deletes the help action, the options popup, the tool bar and the
    // "&Reporting" popup.
    void doneMenu();

    TOffWindow *window() const { return m_window; }
    OffPopupMenu *reportingMenu() const { return m_popup; }
    int menuId() const { return m_menuId; }
    OffPopupMenu *optionsPopup() const { return m_options; }
    OffPopupMenu *archivesMenu() const { return m_archives; }
    OffToolbar *toolBar() const { return m_toolbar; }
    TOffTreeItem *rootItem() const { return m_root; }
    TOffTreeItem *filtersItem() const { return m_filtersItem; }
    TOffTreeItem *batchesItem() const { return m_batchesItem; }
    TOffTreeItem *tablesItem() const { return m_tablesItem; }
    TOffTreeItem *archsItem() const { return m_archsItem; }
    TOffTreeItem *variableItem() const { return m_variableItem; }
    TOffTreeItem *timesItem() const { return m_timesItem; }
    TOffTreeItem *exceptionsItem() const { return m_exceptionsItem; }
    TOffTreeItem *labourItem() const { return m_labourItem; }
    TOffTreeItem *closingsItem() const { return m_closingsItem; }
    QAction *helpAction() const { return m_help; }
    QAction *toolBarAction() const { return m_toolToggle; }
    QAction *listAccessAction() const { return m_listAccess; }
    QAction *dlgAccessAction() const { return m_dlgAccess; }
    QAction *turnOverAction() const { return m_turnOver; }
    QAction *paidTablesAction() const { return m_paidTables; }
    // The plug-in host the day turnover uploads through.
    DotNetPluginLibrary::DotNetPluginHost *plugins() const { return m_plugins.get(); }
    QAction *optionsAction() const { return m_optionsAction; }

    // The help viewer ("pdfviewer" with the platform's program suffix)
    // in the working directory, and the "help" folder; empty when missing.
    static QString helpViewer();
    static QString helpFolder();
    // The viewer's arguments for a help topic: the help file with ".html"
    // replaced by ".pdf", "-nameddest" and the topic with "#" as "_".
    static QStringList helpArguments(const QString &folder, const QString &topic);

    TOffTreeItem *areaItem(Area area) const override;
    bool hasCommand(Command command) const override;
    void run(Command command) override;

public Q_SLOTS:
    void onHelp();
    void optToolBar(bool on);
    void optListAccess();
    void optDlgAccess();
    void onBatches();
    void onFilters();
    void onTables();
    void onArchs();
    void onTurnOver();
    void onPaidTables();
    void onAllFamilies();
    void onAllArticles();
    void onAllWaiters();
    void onWaiterFamilies();
    void onWaiterArticles();
    void onWaiterReport();
    void onCenterFamilies();
    void onCenterArticles();
    void onCenterReport();
    void onVariable();
    void onTimeControls();
    void onExceptions();
    void onLabour();
    void onClosings();
    // The closed days as bookings for the accounting software, or as the
    // cash-register audit export (TClosedExportDlg); what was written in
    // the status line.
    void onExportBookings();
    void onExportAudit();
    void onOptions();

private Q_SLOTS:
    void initText();
    // Enables the report entries of the menu that the reporting options
    // allow.
    void updateReportActions();

private:
    void runClosedExport(int kind);
    QPixmap pixmap(const char *key) const;
    QAction *newAction(const char *icon);
    // Makes the item the tree's current, selected item and opens the root.
    void selectItem(TOffTreeItem *item);
    TPaidTablesDoc *paidTablesDoc() const;
    // Selects the paid tables item and runs report `id` in its document.
    void runReport(int id, int side, int code, bool overAll);
    static QString tr2(const char *text);
    // Hands the plug-ins of the installation to the POS library.
    void installPlugins(const QString &root);

    QAction *m_help = nullptr;
    QAction *m_toolToggle = nullptr;
    QAction *m_listAccess = nullptr;
    QAction *m_dlgAccess = nullptr;
    TOffWindow *m_window;
    OffPopupMenu *m_popup = nullptr;
    int m_menuId = 4;
    OffPopupMenu *m_options = nullptr;
    TOffTreeItem *m_root = nullptr;
    OffToolbar *m_toolbar = nullptr;
    TOffTreeItem *m_batchesItem = nullptr;
    QAction *m_batches = nullptr;
    TOffTreeItem *m_filtersItem = nullptr;
    QAction *m_filters = nullptr;
    TOffTreeItem *m_tablesItem = nullptr;
    QAction *m_tables = nullptr;
    TOffTreeItem *m_archsItem = nullptr;
    TOffTreeItem *m_variableItem = nullptr;
    QAction *m_variable = nullptr;
    TOffTreeItem *m_timesItem = nullptr;
    QAction *m_times = nullptr;
    TOffTreeItem *m_exceptionsItem = nullptr;
    QAction *m_exceptions = nullptr;
    TOffTreeItem *m_labourItem = nullptr;
    QAction *m_labour = nullptr;
    TOffTreeItem *m_closingsItem = nullptr;
    QAction *m_closings = nullptr;
    QAction *m_optionsAction = nullptr;
    OffPopupMenu *m_archives = nullptr;
    QAction *m_turnOver = nullptr;
    QAction *m_allFamilies = nullptr;
    QAction *m_allArticles = nullptr;
    QAction *m_allWaiters = nullptr;
    QAction *m_waiterFamilies = nullptr;
    QAction *m_waiterArticles = nullptr;
    QAction *m_waiterReport = nullptr;
    QAction *m_centerFamilies = nullptr;
    QAction *m_centerArticles = nullptr;
    QAction *m_centerReport = nullptr;
    QAction *m_paidTables = nullptr;
    // The items inserted directly into the "&Reporting" menu with the
    // source texts of their labels, for initText.
    QList<std::pair<QPointer<QAction>, const char *>> m_menuItems;
    std::unique_ptr<DotNetPluginLibrary::DotNetPluginHost> m_plugins;
};
