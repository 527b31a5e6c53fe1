#include "tveltrumdoc.h"

#include "pixmapresource.h"
#include "tdayfigurespanel.h"
#include "toffapplication.h"
#include "toffdlg.h"
#include "tofflistitem.h"
#include "tofflistview.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "tpaidtablesdoc.h"
#include "tsumbatchdlg.h"
#include "tsumbatchesdoc.h"
#include "tsumfilterdlg.h"
#include "tsumfiltersdoc.h"
#include "tveltrum.h"

#include <QMenu>
#include <QSplitter>

namespace {

// Rows carry their entry number in this role.
const int EntryRole = Qt::UserRole + 1;

} // namespace

TVeltrumDoc::TVeltrumDoc(TVeltrum *module, TOffWindow *window)
    : TOffDocument(QStringLiteral("veltrum"), window)
    , m_module(module)
{
    setHelpTopic(QStringLiteral("overview"));
}

TVeltrumDoc::~TVeltrumDoc() = default;

QString TVeltrumDoc::caption() const
{
    return tr("Reporting");
}

QStringList TVeltrumDoc::columns() const
{
    return {tr("Module"), tr("Description")};
}

QWidget *TVeltrumDoc::createView(QWidget *parent)
{
    QWidget *view = TOffDocument::createView(parent);
    if (TOffListView *list = listView()) {
        list->setRootIsDecorated(false);
        list->setColumnWidth(0, 200);
        connect(list, &QTreeWidget::itemDoubleClicked, this, &TVeltrumDoc::onOpen);
        connect(list, &TOffListView::returnPressed, this, &TVeltrumDoc::onOpen);
    }
    // today's figures beside the module list
    auto *split = new QSplitter(Qt::Horizontal, parent);
    split->addWidget(view);
    m_figures = new TDayFiguresPanel(workspace(), split);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 1);
    connect(m_figures, &TDayFiguresPanel::figureActivated, this,
            [this](TDayFiguresPanel::Figure figure) { openFigure(figure); });
    if (TOffApplication *application = TOffApplication::instance())
        connect(application, &TOffApplication::lngChanged, m_figures,
                &TDayFiguresPanel::retranslate);
    return split;
}

void TVeltrumDoc::openFigure(int figure)
{
    if (!m_module)
        return;
    // a report of the reports document, chosen there as from its box
    auto report = [this](void (TPaidTablesDoc::*slot)()) {
        m_module->onArchs();
        if (auto *doc = qobject_cast<TPaidTablesDoc *>(
                    workspace()->get(QLatin1String(TOffWorkspace::docPaidTables))))
            (doc->*slot)();
    };
    switch (figure) {
    case TDayFiguresPanel::Takings:
    case TDayFiguresPanel::Covers:
        m_module->onAllWaiters();
        break;
    case TDayFiguresPanel::OpenTables:
        m_module->onTables();
        break;
    case TDayFiguresPanel::AverageBill:
        report(&TPaidTablesDoc::onAllTables);
        break;
    case TDayFiguresPanel::Voids:
        report(&TPaidTablesDoc::onAllVoids);
        break;
    case TDayFiguresPanel::LastClosing:
        m_module->onVariable();
        break;
    default:
        break;
    }
}

void TVeltrumDoc::fill()
{
    TOffListView *list = listView();
    if (!list || !m_module)
        return;
    list->clear();
    const struct
    {
        int entry;
        TOffTreeItem *item;
        QString module;
        QString description;
        const char *icon;
    } rows[] = {
            {3, m_module->filtersItem(), tr("Reporting filters"), tr("Show all Reporting filters"),
             "FILTER"},
            {6, m_module->batchesItem(), tr("Reporting batches"), tr("Show all reporting batches"),
             "BATCHREPORT"},
            {0, m_module->tablesItem(), tr("Open tables"), tr("Show current open tables"),
             "OPENTABLES"},
            {1, m_module->archsItem(), tr("Paid tables"), tr("Show already paid tables"),
             "PAIDTABLES"},
            {5, m_module->variableItem(), tr("Range statistics"), tr("Show range statistics"),
             "REPORTRANGE"},
            {7, m_module->timesItem(), tr("Time controlling"), tr("Show time controllings"),
             "REPORTWAITER"},
    };
    QTreeWidgetItem *after = nullptr;
    for (const auto &row : rows) {
        if (!row.item)
            continue;
        auto *item = new TOffListItem(list, after);
        item->setText(0, row.module);
        item->setText(1, row.description);
        item->setData(0, EntryRole, row.entry);
        item->setIcon(0, getPixmapResource(QLatin1String(row.icon), window()->getIconSize(),
                                           window()->GetIconTheme(), false));
        after = item;
    }
}

void TVeltrumDoc::onOpen()
{
    TOffListView *list = listView();
    QTreeWidgetItem *item = list ? list->currentItem() : nullptr;
    if (!item || !m_module)
        return;
    switch (item->data(0, EntryRole).toInt()) {
    case 0:
        m_module->onTables();
        break;
    case 1:
        m_module->onArchs();
        break;
    case 3:
        m_module->onFilters();
        break;
    case 5:
        m_module->onVariable();
        break;
    case 6:
        m_module->onBatches();
        break;
    case 7:
        m_module->onTimeControls();
        break;
    case 8:
        m_module->onOptions();
        break;
    default:
        break;
    }
}

void TVeltrumDoc::languageChange()
{
    TOffDocument::languageChange();
    setColumnTexts();
    // the rows name the areas: filled again, on the same row
    TOffListView *list = listView();
    if (!list)
        return;
    const QTreeWidgetItem *current = list->currentItem();
    const QVariant entry = current ? current->data(0, EntryRole) : QVariant();
    fill();
    for (int i = 0; entry.isValid() && i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->data(0, EntryRole) == entry)
            list->setCurrentItem(list->topLevelItem(i));
}

void TVeltrumDoc::setColumnTexts()
{
    if (TOffListView *list = listView()) {
        list->setColumnText(0, tr("Module"));
        list->setColumnText(1, tr("Description"));
    }
}

QIcon TVeltrumDoc::icon(const char *key) const
{
    return QIcon(getPixmapResource(QLatin1String(key), window()->getIconSize(),
                                   window()->GetIconTheme(), false));
}

void TVeltrumDoc::createContext(QMenu *menu)
{
    if (!m_module || !window())
        return;
    // Groups of items, separated where both sides have items.
    auto separate = [menu] {
        if (!menu->isEmpty() && !menu->actions().last()->isSeparator())
            menu->addSeparator();
    };
    auto item = [this](QMenu *target, const char *iconKey, const QString &text,
                       void (TVeltrumDoc::*slot)()) {
        QAction *action = target->addAction(text, this, slot);
        if (iconKey)
            action->setIcon(icon(iconKey));
        return action;
    };

    if (m_module->turnOverAction())
        item(menu, "TURNOVER", tr("Day &turn over"), &TVeltrumDoc::onTurnOver);
    separate();
    if (m_module->filtersItem())
        item(menu, "FILTER", tr("Insert reporting &filter"), &TVeltrumDoc::onNewFilter);
    if (m_module->batchesItem())
        item(menu, "BATCHREPORT", tr("Insert reporting &batch"), &TVeltrumDoc::onNewBatch);
    separate();
    if (m_module->tablesItem())
        item(menu, "OPENTABLES", tr("&Open tables"), &TVeltrumDoc::onTables);
    if (m_module->archsItem())
        item(menu, "PAIDTABLES", tr("&Paid tables"), &TVeltrumDoc::onArchs);
    if (m_module->variableItem())
        item(menu, "REPORTRANGE", tr("&Range statistics"), &TVeltrumDoc::onVariable);
    if (m_module->timesItem())
        item(menu, "REPORTWAITER", tr("Time &controlling"), &TVeltrumDoc::onTimes);
    separate();
    // the report entries exist with the paid tables
    if (m_module->archsItem() && m_module->paidTablesAction()) {
        auto *reports = new QMenu(tr("R&eports"), menu);
        reports->setIcon(icon("REPORTING"));
        item(reports, nullptr, tr("All &families"), &TVeltrumDoc::onAllFamilies);
        item(reports, nullptr, tr("All &articles"), &TVeltrumDoc::onAllArticles);
        item(reports, nullptr, tr("All &waiters"), &TVeltrumDoc::onAllWaiters);
        reports->addSeparator();
        item(reports, nullptr, tr("Fa&milies per waiter"), &TVeltrumDoc::onWaiterFamilies);
        item(reports, nullptr, tr("A&rticles per waiter"), &TVeltrumDoc::onWaiterArticles);
        item(reports, nullptr, tr("Wa&iter report"), &TVeltrumDoc::onWaiterReport);
        reports->addSeparator();
        item(reports, nullptr, tr("Fami&lies per cost center"), &TVeltrumDoc::onCenterFamilies);
        item(reports, nullptr, tr("A&rticles per cost center"), &TVeltrumDoc::onCenterArticles);
        item(reports, nullptr, tr("&Cost center report"), &TVeltrumDoc::onCenterReport);
        reports->addSeparator();
        item(reports, nullptr, tr("&Paid tables"), &TVeltrumDoc::onPaidTables);
        menu->addMenu(reports);
    }
    separate();
    if (m_module->optionsAction())
        menu->addAction(icon("EDITENTRY"), tr("Edit reporting &options"), m_module,
                        &TVeltrum::onOptions);
    if (!menu->isEmpty() && menu->actions().last()->isSeparator())
        menu->removeAction(menu->actions().last());
}

void TVeltrumDoc::onNewFilter()
{
    TOffWorkspace *ws = workspace();
    auto *filters
            = ws ? qobject_cast<TSumFiltersDoc *>(ws->get(QStringLiteral("sumfilters"))) : nullptr;
    if (!filters)
        return;
    filters->load();
    if (!ws->getData(QStringLiteral("sumfilters")))
        return;
    TSumFilterDlg dialog(ws, nullptr, false, window());
    dialog.exec();
    if (dialog.stored()) {
        filters->setChanged(true);
        filters->fill();
        filters->save();
    }
}

void TVeltrumDoc::onNewBatch()
{
    TOffWorkspace *ws = workspace();
    auto *batches
            = ws ? qobject_cast<TSumBatchesDoc *>(ws->get(QStringLiteral("sumbatches"))) : nullptr;
    if (!batches)
        return;
    batches->load();
    if (!ws->getData(QStringLiteral("sumbatches")))
        return;
    TSumBatchDlg dialog(ws, nullptr, false, window());
    dialog.exec();
    if (dialog.stored()) {
        batches->setChanged(true);
        batches->fill();
        batches->save();
    }
}

void TVeltrumDoc::onTurnOver()
{
    if (m_module)
        m_module->onTurnOver();
}

void TVeltrumDoc::onTables()
{
    if (m_module)
        m_module->onTables();
}

void TVeltrumDoc::onArchs()
{
    if (m_module)
        m_module->onArchs();
}

void TVeltrumDoc::onVariable()
{
    if (m_module)
        m_module->onVariable();
}

void TVeltrumDoc::onTimes()
{
    if (m_module)
        m_module->onTimeControls();
}

void TVeltrumDoc::onAllFamilies()
{
    if (m_module)
        m_module->onAllFamilies();
}

void TVeltrumDoc::onAllArticles()
{
    if (m_module)
        m_module->onAllArticles();
}

void TVeltrumDoc::onAllWaiters()
{
    if (m_module)
        m_module->onAllWaiters();
}

void TVeltrumDoc::onWaiterFamilies()
{
    if (m_module)
        m_module->onWaiterFamilies();
}

void TVeltrumDoc::onWaiterArticles()
{
    if (m_module)
        m_module->onWaiterArticles();
}

void TVeltrumDoc::onWaiterReport()
{
    if (m_module)
        m_module->onWaiterReport();
}

void TVeltrumDoc::onCenterFamilies()
{
    if (m_module)
        m_module->onCenterFamilies();
}

void TVeltrumDoc::onCenterArticles()
{
    if (m_module)
        m_module->onCenterArticles();
}

void TVeltrumDoc::onCenterReport()
{
    if (m_module)
        m_module->onCenterReport();
}

void TVeltrumDoc::onPaidTables()
{
    if (m_module)
        m_module->onPaidTables();
}
