#include "tveltrum.h"

#include "dotnetpluginhost.h"
#include "offpopupmenu.h"
#include "offtoolbar.h"
#include "pixmapresource.h"
#include "tauswaccdlg.h"
#include "tauswaccess.h"
#include "tclosedexportdlg.h"
#include "tclosingsdoc.h"
#include "tcombobox.h"
#include "tdlgoptausw.h"
#include "terror.h"
#include "texceptionsdoc.h"
#include "tinifile.h"
#include "tlabourdoc.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "toffapplication.h"
#include "toffconfig.h"
#include "toffdlg.h"
#include "tofflistview.h"
#include "tofftreeitem.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "topentablesdoc.h"
#include "tpaidtablesdoc.h"
#include "tpluginbridge.h"
#include "tsumbatchesdoc.h"
#include "tsumfiltersdoc.h"
#include "ttimecontrolsdoc.h"
#include "tvariabledoc.h"
#include "tveltrumdoc.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMenu>
#include <QProcess>

namespace {

// The documents under their keys, in the order of registration.
const char *const VeltrumKey = "veltrum";
const char *const BatchesKey = "sumbatches";
const char *const FiltersKey = "sumfilters";
const char *const VariableKey = "aswvariable";
const char *const TimesKey = "timecontrols";
const char *const TurnOverKey = "turnover";
const char *const ClosingsKey = "closings";
const char *const ExceptionsKey = "exceptions";
const char *const LabourKey = "labour";
const char *const OptionsKey = "sumoptions";

const char *const HelpTopic = "veltrum.html";

QString slotText(const char *slot)
{
    return QLatin1Char('1') + QLatin1String(slot);
}

void setTexts(QAction *action, const QString &text, const QString &menuText, const QString &tip)
{
    if (!action)
        return;
    // Tool bar buttons show the short text, menus the text with mnemonic.
    action->setIconText(text);
    action->setText(menuText);
    action->setToolTip(text);
    action->setStatusTip(tip);
}

} // namespace

TVeltrum::TVeltrum(TOffWindow *window)
    : QObject(nullptr)
    , m_window(window)
{
    setObjectName(QStringLiteral("TVeltrum"));
    if (!m_window)
        return;
    m_window->status(tr("Initializing reporting..."));
    TOffDocDict &documents = m_window->workspace()->documents();
    documents.insert(QLatin1String(VeltrumKey), new TVeltrumDoc(this, m_window));
    documents.insert(QLatin1String(BatchesKey), new TSumBatchesDoc(m_window));
    documents.insert(QLatin1String(FiltersKey), new TSumFiltersDoc(m_window));
    documents.insert(QLatin1String(TOffWorkspace::docOpenTables), new TOpenTablesDoc(m_window));
    documents.insert(QLatin1String(TOffWorkspace::docPaidTables), new TPaidTablesDoc(m_window));
    documents.insert(QLatin1String(VariableKey), new TVariableDoc(this, m_window));
    documents.insert(QLatin1String(TimesKey), new TTimeControlsDoc(m_window));
    documents.insert(QLatin1String(ClosingsKey), new TClosingsDoc(m_window));
    documents.insert(QLatin1String(ExceptionsKey), new TExceptionsDoc(m_window));
    documents.insert(QLatin1String(LabourKey), new TLabourDoc(m_window));
    // the day turnover uploads its statistics through the plug-ins of the
    // installation, wherever the workspace goes
    installPlugins(m_window->workspace()->getPath());
    connect(m_window->workspace(), &TOffWorkspace::pathChanged, this, &TVeltrum::installPlugins);
    m_window->status(tr("Ready"));
}

void TVeltrum::installPlugins(const QString &root)
{
    auto plugins = std::make_unique<DotNetPluginLibrary::DotNetPluginHost>(
            DotNetPluginLibrary::DotNetPluginHost::findPluginDir(root));
    PosLib::setPluginBridge(plugins.get());
    m_plugins = std::move(plugins);
}

TVeltrum::~TVeltrum()
{
    if (!m_window)
        return;
    m_window->status(tr("Unloading reporting..."));
    TOffDocDict &documents = m_window->workspace()->documents();
    for (const char *key : {LabourKey, ExceptionsKey, ClosingsKey, TimesKey, VariableKey,
                            TOffWorkspace::docPaidTables, TOffWorkspace::docOpenTables, FiltersKey,
                            BatchesKey, VeltrumKey})
        documents.remove(QLatin1String(key));
    if (PosLib::pluginBridge() == m_plugins.get())
        PosLib::setPluginBridge(nullptr);
    m_window->status(tr("Ready"));
}

QPixmap TVeltrum::pixmap(const char *key) const
{
    return getPixmapResource(QLatin1String(key), m_window->getIconSize(), m_window->GetIconTheme(),
                             false);
}

QAction *TVeltrum::newAction(const char *icon)
{
    auto *action = new QAction(m_window);
    if (icon)
        action->setIcon(QIcon(pixmap(icon)));
    return action;
}

void TVeltrum::initMenu()
{
    if (!m_window)
        return;
    TOffWorkspace *workspace = m_window->workspace();

    // 1. Help, when the window has a help menu and the viewer is there.
    if (m_window->helpMenu() && !helpViewer().isEmpty() && !helpFolder().isEmpty()) {
        m_help = newAction("REPORTING");
        m_window->helpMenu()->addAction(m_help);
        connect(m_help, &QAction::triggered, this, &TVeltrum::onHelp);
    }

    // 2. The tool bar.
    m_toolbar = new OffToolbar(m_window, QStringLiteral("reporting"));

    // 3. The options submenu.
    if (QMenu *options = m_window->optionsMenu()) {
        m_options = new OffPopupMenu(options);
        m_optionsAction = newAction("OPTIONS");
        m_options->addAction(m_optionsAction);
        connect(m_optionsAction, &QAction::triggered, this, &TVeltrum::onOptions);
        m_toolToggle = new QAction(this);
        m_toolToggle->setCheckable(true);
        m_options->addAction(m_toolToggle);
        connect(m_toolToggle, &QAction::toggled, this, &TVeltrum::optToolBar);
        m_listAccess = newAction(nullptr);
        m_options->addAction(m_listAccess);
        connect(m_listAccess, &QAction::triggered, this, &TVeltrum::optListAccess);
        m_dlgAccess = newAction(nullptr);
        m_options->addAction(m_dlgAccess);
        connect(m_dlgAccess, &QAction::triggered, this, &TVeltrum::optDlgAccess);
        const bool master = m_window->gotMaster(false);
        m_listAccess->setEnabled(master);
        m_dlgAccess->setEnabled(master);

        const bool shown = TOffConfig::ini().readBool(QStringLiteral("Settings"),
                                                      QStringLiteral("ToolAusw"), false);
        {
            const QSignalBlocker blocker(m_toolToggle);
            m_toolToggle->setChecked(shown);
        }
        if (m_toolbar)
            m_toolbar->setVisible(shown);
        m_options->setTitle(tr("&Reporting options"));
        m_options->setIcon(QIcon(pixmap("REPORTING")));
        options->addMenu(m_options);
    }

    // 4. The "&Reporting" popup.
    m_popup = new OffPopupMenu(m_window);

    // 5. The module's root in the document tree.
    m_root = new TOffTreeItem(workspace->get(QLatin1String(VeltrumKey)), m_window->treeRoot(),
                              m_window->lastTreeItem());
    m_root->setIcon(0, pixmap("REPORTING"));

    // 6. The entries the user has the list right for.
    TOffTreeItem *after = nullptr;
    auto entry = [&](const char *list, const char *icon, const char *label, QAction *&action,
                     TOffTreeItem *&item, void (TVeltrum::*slot)(), const char *slotName) {
        if (!TOffConfig::checkLstRight(list, m_window))
            return;
        const QPixmap icons = pixmap(icon);
        action = newAction(icon);
        m_menuItems.append({m_popup->insertItem(QIcon(icons), tr(label), this,
                                                (QByteArray("1") + slotName).constData()),
                            label});
        if (m_toolbar)
            m_toolbar->addAction(action);
        connect(action, &QAction::triggered, this, slot);
        item = new TOffTreeItem(workspace->get(QLatin1String(list)), m_root, after,
                                slotText(slotName));
        item->setIcon(0, icons);
        after = item;
    };
    entry(FiltersKey, "FILTER", QT_TR_NOOP("Filter"), m_filters, m_filtersItem,
          &TVeltrum::onFilters, "onFilters()");
    entry(BatchesKey, "BATCHREPORT", QT_TR_NOOP("Batchreports"), m_batches, m_batchesItem,
          &TVeltrum::onBatches, "onBatches()");
    entry(TOffWorkspace::docOpenTables, "OPENTABLES", QT_TR_NOOP("Opentables"), m_tables,
          m_tablesItem, &TVeltrum::onTables, "onTables()");

    if (TOffConfig::checkLstRight(TOffWorkspace::docPaidTables, m_window)) {
        m_archives = new OffPopupMenu(m_popup);
        auto report = [&](QAction *&action, void (TVeltrum::*slot)()) {
            action = newAction(nullptr);
            m_archives->addAction(action);
            connect(action, &QAction::triggered, this, slot);
        };
        report(m_allFamilies, &TVeltrum::onAllFamilies);
        report(m_allArticles, &TVeltrum::onAllArticles);
        report(m_allWaiters, &TVeltrum::onAllWaiters);
        m_archives->addSeparator();
        report(m_waiterFamilies, &TVeltrum::onWaiterFamilies);
        report(m_waiterArticles, &TVeltrum::onWaiterArticles);
        report(m_waiterReport, &TVeltrum::onWaiterReport);
        m_archives->addSeparator();
        report(m_centerFamilies, &TVeltrum::onCenterFamilies);
        report(m_centerArticles, &TVeltrum::onCenterArticles);
        report(m_centerReport, &TVeltrum::onCenterReport);
        m_archives->addSeparator();
        report(m_paidTables, &TVeltrum::onPaidTables);
        m_paidTables->setIcon(QIcon(pixmap("PAIDTABLES")));
        if (m_toolbar)
            m_toolbar->addAction(m_paidTables);
        m_menuItems.append(
                {m_popup->insertSubmenu(QIcon(pixmap("PAIDTABLES")), tr("&Archives"), m_archives),
                 QT_TR_NOOP("&Archives")});
        m_archsItem = new TOffTreeItem(workspace->get(QLatin1String(TOffWorkspace::docPaidTables)),
                                       m_root, after, slotText("onPaidTables()"));
        m_archsItem->setIcon(0, pixmap("PAIDTABLES"));
        after = m_archsItem;
    }

    entry(VariableKey, "REPORTRANGE", QT_TR_NOOP("Range"), m_variable, m_variableItem,
          &TVeltrum::onVariable, "onVariable()");
    entry(TimesKey, "REPORTWAITER", QT_TR_NOOP("Waiters"), m_times, m_timesItem,
          &TVeltrum::onTimeControls, "onTimeControls()");
    entry(ExceptionsKey, "REPORTWAITER", QT_TR_NOOP("Exceptions"), m_exceptions, m_exceptionsItem,
          &TVeltrum::onExceptions, "onExceptions()");
    entry(LabourKey, "REPORTWAITER", QT_TR_NOOP("Labour"), m_labour, m_labourItem,
          &TVeltrum::onLabour, "onLabour()");

    if (m_archsItem && TOffConfig::checkLstRight(TurnOverKey, m_window)) {
        m_turnOver = newAction("TURNOVER");
        m_popup->addSeparator();
        m_menuItems.append({m_popup->insertItem(QIcon(pixmap("TURNOVER")), tr("Turnover"), this,
                                                SLOT(onTurnOver())),
                            QT_TR_NOOP("Turnover")});
        connect(m_turnOver, &QAction::triggered, this, &TVeltrum::onTurnOver);
        // the closings the turnover made, with their Z reports
        m_closings = newAction("TURNOVER");
        m_menuItems.append({m_popup->insertItem(QIcon(pixmap("TURNOVER")), tr("Closings"), this,
                                                SLOT(onClosings())),
                            QT_TR_NOOP("Closings")});
        connect(m_closings, &QAction::triggered, this, &TVeltrum::onClosings);
        m_closingsItem = new TOffTreeItem(workspace->get(QLatin1String(ClosingsKey)), m_root, after,
                                          slotText("onClosings()"));
        m_closingsItem->setIcon(0, pixmap("TURNOVER"));
        after = m_closingsItem;
        // the closed days for the tax adviser and the tax auditor
        m_popup->addSeparator();
        m_menuItems.append({m_popup->insertItem(QIcon(pixmap("TURNOVER")), tr("Export bookings..."),
                                                this, SLOT(onExportBookings())),
                            QT_TR_NOOP("Export bookings...")});
        m_menuItems.append(
                {m_popup->insertItem(QIcon(pixmap("TURNOVER")), tr("Export for the tax audit..."),
                                     this, SLOT(onExportAudit())),
                 QT_TR_NOOP("Export for the tax audit...")});
    }

    // 7. Text labels under the tool bar's icons.
    if (m_toolbar)
        m_toolbar->useTextLabels();

    // 8. The menu bar entry.
    m_menuId = m_window->insertMenu(tr("&Reporting"), m_popup, m_menuId);

    initText();
    updateReportActions();
    if (TOffApplication *application = TOffApplication::instance()) {
        connect(application, &TOffApplication::lngChanged, this, &TVeltrum::initText,
                Qt::UniqueConnection);
        connect(application, &TOffApplication::configChanged, this, &TVeltrum::updateReportActions,
                Qt::UniqueConnection);
    }
}

void TVeltrum::updateReportActions()
{
    // a report left out in the reporting options is not offered here either
    const QStringList disabled = TOffConfig::getDisabledReps();
    const std::pair<QAction *, int> reports[]
            = {{m_allFamilies, 10},    {m_allArticles, 7},    {m_allWaiters, 4},
               {m_waiterFamilies, 11}, {m_waiterArticles, 8}, {m_waiterReport, 5},
               {m_centerFamilies, 12}, {m_centerArticles, 9}, {m_centerReport, 6},
               {m_paidTables, 1}};
    for (const auto &[action, id] : reports)
        if (action)
            action->setEnabled(!disabled.contains(QString::number(id)));
}

void TVeltrum::doneMenu()
{
    if (TOffApplication *application = TOffApplication::instance()) {
        disconnect(application, &TOffApplication::lngChanged, this, &TVeltrum::initText);
        disconnect(application, &TOffApplication::configChanged, this,
                   &TVeltrum::updateReportActions);
    }
    delete m_help;
    m_help = nullptr;
    delete m_options;
    m_options = nullptr;
    delete m_toolbar;
    m_toolbar = nullptr;
    delete m_popup;
    m_popup = nullptr;
    // The archives submenu was a child of the popup.
    m_archives = nullptr;
    m_menuItems.clear();
}

QString TVeltrum::tr2(const char *text)
{
    return QString::fromLatin1(text);
}

void TVeltrum::initText()
{
    setTexts(m_toolToggle, tr2("Toolbar View"), tr("Show reporting tool &bar"),
             tr("Enables or disables the tool bar of the reporting module"));
    setTexts(m_listAccess, tr2("List access"), tr("&List access..."),
             tr("Configures the access to the reporting lists"));
    setTexts(m_dlgAccess, tr2("Dialog access"), tr("&Dialog access..."),
             tr("Configures the access to the reporting dialogs"));
    setTexts(m_help, tr("Reporting Help"), tr("&Reporting Help"),
             tr("View the index of reporting help"));
    setTexts(m_filters, tr("Reporting filters"), tr("&Reporting filters"),
             tr("View all reporting filters"));
    setTexts(m_batches, tr("Reporting batches"), tr("Reporting &batches"),
             tr("View all reporting batches"));
    setTexts(m_tables, tr("Open tables"), tr("&Open tables"), tr("View all open tables"));
    setTexts(m_allFamilies, tr("All families"), tr("All &families"),
             tr("View complete family report"));
    setTexts(m_allArticles, tr("All articles"), tr("All &articles"),
             tr("View complete article report"));
    setTexts(m_allWaiters, tr("All waiters"), tr("All &waiters"),
             tr("View complete waiter report"));
    setTexts(m_waiterFamilies, tr("Families per waiter"), tr("Fa&milies per waiter"),
             tr("View family report for each waiter"));
    setTexts(m_waiterArticles, tr("Articles per waiter"), tr("A&rticles per waiter"),
             tr("View article report for each waiter"));
    setTexts(m_waiterReport, tr("Waiter report"), tr("Wa&iter report"),
             tr("View waiter report for each waiter"));
    setTexts(m_centerFamilies, tr("Families per cost center"), tr("Fami&lies per cost center"),
             tr("View family report for each cost center"));
    setTexts(m_centerArticles, tr("Articles per cost center"), tr("A&rticles per cost center"),
             tr("View article report for each cost center"));
    setTexts(m_centerReport, tr("Cost center report"), tr("&Cost center report"),
             tr("View cost center report for each cost center"));
    setTexts(m_paidTables, tr("Paid tables"), tr("&Paid tables"), tr("View all paid tables"));
    setTexts(m_variable, tr("Range statistics"), tr("&Range statistics"),
             tr("A report from and to a specific date"));
    setTexts(m_times, tr("Time controlling"), tr("&Time controlling"),
             tr("A report of waiter logons/logoffse"));
    setTexts(m_turnOver, tr("Day Turn Over"), tr("Day &Turn over"), tr("Execute day turn over"));
    setTexts(m_closings, tr("Closings"), tr("&Closings"),
             tr("View the day closings with their Z reports"));
    setTexts(m_exceptions, tr("Exceptions"), tr("&Exceptions"),
             tr("Voids, discounts, free prices and more per waiter, against the team"));
    setTexts(m_labour, tr("Sales per labour hour"), tr("&Sales per labour hour"),
             tr("The hours the waiters worked beside what they sold"));
    setTexts(m_optionsAction, tr("Options"), tr("&Options"), tr("Change reporting options"));

    if (m_root)
        m_root->setText(0, tr("Reporting"));
    if (m_filtersItem)
        m_filtersItem->setText(0, tr("Reporting filters"));
    if (m_batchesItem)
        m_batchesItem->setText(0, tr("Reporting batches"));
    if (m_tablesItem)
        m_tablesItem->setText(0, tr("Open tables"));
    if (m_archsItem)
        m_archsItem->setText(0, tr("Paid tables"));
    if (m_variableItem)
        m_variableItem->setText(0, tr("Range statistics"));
    if (m_timesItem)
        m_timesItem->setText(0, tr("Time controlling"));
    if (m_closingsItem)
        m_closingsItem->setText(0, tr("Closings"));
    if (m_exceptionsItem)
        m_exceptionsItem->setText(0, tr("Exceptions"));
    if (m_labourItem)
        m_labourItem->setText(0, tr("Sales per labour hour"));
    if (m_options)
        m_options->setTitle(tr("&Reporting options"));
    // the items inserted directly into the "&Reporting" menu
    for (const auto &[item, label] : std::as_const(m_menuItems))
        if (item)
            item->setText(tr(label));
    if (m_popup && m_window)
        m_window->changeMenuText(m_menuId, tr("&Reporting"));
}

QString TVeltrum::helpViewer()
{
#if defined(Q_OS_WIN)
    const QString name = QStringLiteral("pdfviewer.exe");
#else
    const QString name = QStringLiteral("pdfviewer");
#endif
    const QFileInfo viewer(QDir::current().filePath(name));
    return viewer.isFile() ? viewer.absoluteFilePath() : QString();
}

QString TVeltrum::helpFolder()
{
    // The installation's help folder: in the working directory, else
    // beside the program.
    for (const QString &dir :
         {QDir::current().filePath(QStringLiteral("help")),
          QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help"))})
        if (QFileInfo(dir).isDir())
            return QDir(dir).absolutePath();
    return QString();
}

QStringList TVeltrum::helpArguments(const QString &folder, const QString &topic)
{
    QString file = QDir(folder).filePath(topic);
    // The topic may carry an anchor; the file is the part before it.
    file = file.section(QLatin1Char('#'), 0, 0);
    if (file.endsWith(QLatin1String(".html")))
        file.chop(5);
    QString destination = topic;
    destination.replace(QLatin1Char('#'), QLatin1Char('_'));
    return {file + QStringLiteral(".pdf"), QStringLiteral("-nameddest"), destination};
}

TOffTreeItem *TVeltrum::areaItem(Area area) const
{
    switch (area) {
    case Area::Filters:
        return m_filtersItem;
    case Area::Batches:
        return m_batchesItem;
    case Area::Tables:
        return m_tablesItem;
    case Area::Archs:
        return m_archsItem;
    case Area::Variable:
        return m_variableItem;
    case Area::Times:
        return m_timesItem;
    }
    return nullptr;
}

bool TVeltrum::hasCommand(Command command) const
{
    switch (command) {
    case Command::TurnOver:
        return m_turnOver;
    case Command::PaidTables:
        return m_paidTables;
    case Command::Options:
        return m_optionsAction;
    default:
        return true;
    }
}

void TVeltrum::run(Command command)
{
    static const QHash<int, void (TVeltrum::*)()> handlers = {
            {int(Command::Tables), &TVeltrum::onTables},
            {int(Command::Archs), &TVeltrum::onArchs},
            {int(Command::Filters), &TVeltrum::onFilters},
            {int(Command::Variable), &TVeltrum::onVariable},
            {int(Command::Batches), &TVeltrum::onBatches},
            {int(Command::TimeControls), &TVeltrum::onTimeControls},
            {int(Command::Options), &TVeltrum::onOptions},
            {int(Command::TurnOver), &TVeltrum::onTurnOver},
            {int(Command::AllFamilies), &TVeltrum::onAllFamilies},
            {int(Command::AllArticles), &TVeltrum::onAllArticles},
            {int(Command::AllWaiters), &TVeltrum::onAllWaiters},
            {int(Command::WaiterFamilies), &TVeltrum::onWaiterFamilies},
            {int(Command::WaiterArticles), &TVeltrum::onWaiterArticles},
            {int(Command::WaiterReport), &TVeltrum::onWaiterReport},
            {int(Command::CenterFamilies), &TVeltrum::onCenterFamilies},
            {int(Command::CenterArticles), &TVeltrum::onCenterArticles},
            {int(Command::CenterReport), &TVeltrum::onCenterReport},
            {int(Command::PaidTables), &TVeltrum::onPaidTables},
    };
    if (const auto handler = handlers.value(int(command)))
        (this->*handler)();
}

void TVeltrum::onHelp()
{
    const QString viewer = helpViewer();
    const QString folder = helpFolder();
    if (viewer.isEmpty() || folder.isEmpty())
        return;
    if (!QProcess::startDetached(viewer, helpArguments(folder, QLatin1String(HelpTopic))))
        Basics::logError(QStringLiteral("Could not start %1").arg(viewer),
                         Basics::LogModule::Library, Basics::LogClass::Veltrum);
}

void TVeltrum::optToolBar(bool on)
{
    TOffConfig::ini().writeBool(QStringLiteral("Settings"), QStringLiteral("ToolAusw"), on);
    if (!TOffDlg::writeConfig(m_window)) {
        // The choice is not kept, so it is not shown as made either.
        if (m_toolToggle && m_toolToggle->isChecked() == on) {
            const QSignalBlocker blocker(m_toolToggle);
            m_toolToggle->setChecked(!on);
        }
        return;
    }
    if (m_toolbar)
        m_toolbar->setVisible(on);
}

void TVeltrum::optListAccess()
{
    TAuswAccess dialog(m_window);
    dialog.exec();
}

void TVeltrum::optDlgAccess()
{
    TAuswAccDlg dialog(m_window);
    dialog.exec();
}

void TVeltrum::selectItem(TOffTreeItem *item)
{
    if (!item || !m_window)
        return;
    m_window->selectItem(item);
    if (m_root)
        m_root->setExpanded(true);
}

void TVeltrum::onBatches()
{
    selectItem(m_batchesItem);
}

void TVeltrum::onFilters()
{
    selectItem(m_filtersItem);
}

void TVeltrum::onTables()
{
    selectItem(m_tablesItem);
}

void TVeltrum::onArchs()
{
    selectItem(m_archsItem);
}

TPaidTablesDoc *TVeltrum::paidTablesDoc() const
{
    if (!m_window)
        return nullptr;
    return qobject_cast<TPaidTablesDoc *>(
            m_window->workspace()->get(QLatin1String(TOffWorkspace::docPaidTables)));
}

void TVeltrum::onTurnOver()
{
    selectItem(m_archsItem);
    if (TPaidTablesDoc *doc = paidTablesDoc())
        doc->onTurnOver();
}

void TVeltrum::onPaidTables()
{
    selectItem(m_archsItem);
    if (TPaidTablesDoc *doc = paidTablesDoc())
        doc->onPaidTables();
}

void TVeltrum::runReport(int id, int side, int code, bool overAll)
{
    selectItem(m_archsItem);
    TPaidTablesDoc *doc = paidTablesDoc();
    if (!doc)
        return;
    if (!doc->offers(id)) {
        doc->refuseKind(id);
        return;
    }
    if (QtWidgets::TComboBox *selector = doc->reportSelector())
        selector->setCurrentId(id);
    doc->report(side, code, doc->title(id), overAll);
}

void TVeltrum::onAllFamilies()
{
    runReport(10, 1, 1, true);
}

void TVeltrum::onAllArticles()
{
    runReport(7, 1, 0, true);
}

void TVeltrum::onAllWaiters()
{
    runReport(4, 1, 2, true);
}

void TVeltrum::onWaiterFamilies()
{
    runReport(11, 1, 1, false);
}

void TVeltrum::onWaiterArticles()
{
    runReport(8, 1, 0, false);
}

void TVeltrum::onWaiterReport()
{
    runReport(5, 1, 2, false);
}

void TVeltrum::onCenterFamilies()
{
    runReport(12, 0, 1, false);
}

void TVeltrum::onCenterArticles()
{
    runReport(9, 0, 0, false);
}

void TVeltrum::onCenterReport()
{
    runReport(6, 0, 3, false);
}

void TVeltrum::onVariable()
{
    selectItem(m_variableItem);
}

void TVeltrum::onTimeControls()
{
    selectItem(m_timesItem);
}

void TVeltrum::onClosings()
{
    selectItem(m_closingsItem);
}

void TVeltrum::onExceptions()
{
    selectItem(m_exceptionsItem);
}

void TVeltrum::onLabour()
{
    selectItem(m_labourItem);
}

void TVeltrum::onExportBookings()
{
    runClosedExport(TClosedExportDlg::Bookings);
}

void TVeltrum::onExportAudit()
{
    runClosedExport(TClosedExportDlg::Audit);
}

void TVeltrum::runClosedExport(int kind)
{
    TOffWorkspace *workspace = m_window ? m_window->workspace() : nullptr;
    if (!workspace)
        return;
    TClosedExportDlg dialog(TClosedExportDlg::Kind(kind), workspace->getPath(), m_window);
    if (dialog.exec() == QDialog::Accepted)
        m_window->status(dialog.resultText().replace(QLatin1Char('\n'), QStringLiteral("; ")));
}

void TVeltrum::onOptions()
{
    if (!m_window)
        return;
    // the options are a list of the rights dialog of their own
    if (!TOffConfig::checkLstRight(OptionsKey, m_window)) {
        TOffDlg::error(m_window, tr("You have no right to change the reporting options."));
        return;
    }
    TDlgOptAusw dialog(m_window->workspace(), m_window);
    dialog.exec();
}
