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

#include <QMenu>
#include <QSplitter>

namespace {

// Rows carry their entry number in this role.
const int EntryRole = Qt::UserRole + 1;

} // namespace

TVeltrumDoc::TVeltrumDoc(TReportingEntry *module, TOffWindow *window)
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
        m_module->run(Command::Archs);
        if (auto *doc = qobject_cast<TPaidTablesDoc *>(
                    workspace()->get(QLatin1String(TOffWorkspace::docPaidTables))))
            (doc->*slot)();
    };
    switch (figure) {
    case TDayFiguresPanel::Takings:
    case TDayFiguresPanel::Covers:
        m_module->run(Command::AllWaiters);
        break;
    case TDayFiguresPanel::OpenTables:
        m_module->run(Command::Tables);
        break;
    case TDayFiguresPanel::AverageBill:
        report(&TPaidTablesDoc::onAllTables);
        break;
    case TDayFiguresPanel::Voids:
        report(&TPaidTablesDoc::onAllVoids);
        break;
    case TDayFiguresPanel::LastClosing:
        m_module->run(Command::Variable);
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
            {3, m_module->areaItem(Area::Filters), tr("Reporting filters"),
             tr("Show all Reporting filters"), "FILTER"},
            {6, m_module->areaItem(Area::Batches), tr("Reporting batches"),
             tr("Show all reporting batches"), "BATCHREPORT"},
            {0, m_module->areaItem(Area::Tables), tr("Open tables"), tr("Show current open tables"),
             "OPENTABLES"},
            {1, m_module->areaItem(Area::Archs), tr("Paid tables"), tr("Show already paid tables"),
             "PAIDTABLES"},
            {5, m_module->areaItem(Area::Variable), tr("Range statistics"),
             tr("Show range statistics"), "REPORTRANGE"},
            {7, m_module->areaItem(Area::Times), tr("Time controlling"),
             tr("Show time controllings"), "REPORTWAITER"},
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
        m_module->run(Command::Tables);
        break;
    case 1:
        m_module->run(Command::Archs);
        break;
    case 3:
        m_module->run(Command::Filters);
        break;
    case 5:
        m_module->run(Command::Variable);
        break;
    case 6:
        m_module->run(Command::Batches);
        break;
    case 7:
        m_module->run(Command::TimeControls);
        break;
    case 8:
        m_module->run(Command::Options);
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
    // a command of the module, run when the menu item is chosen
    auto command = [this](QMenu *target, const char *iconKey, const QString &text, Command which) {
        QAction *action = target->addAction(text, this, [this, which] {
            if (m_module)
                m_module->run(which);
        });
        if (iconKey)
            action->setIcon(icon(iconKey));
        return action;
    };

    if (m_module->hasCommand(Command::TurnOver))
        command(menu, "TURNOVER", tr("Day &turn over"), Command::TurnOver);
    separate();
    if (m_module->areaItem(Area::Filters))
        item(menu, "FILTER", tr("Insert reporting &filter"), &TVeltrumDoc::onNewFilter);
    if (m_module->areaItem(Area::Batches))
        item(menu, "BATCHREPORT", tr("Insert reporting &batch"), &TVeltrumDoc::onNewBatch);
    separate();
    if (m_module->areaItem(Area::Tables))
        command(menu, "OPENTABLES", tr("&Open tables"), Command::Tables);
    if (m_module->areaItem(Area::Archs))
        command(menu, "PAIDTABLES", tr("&Paid tables"), Command::Archs);
    if (m_module->areaItem(Area::Variable))
        command(menu, "REPORTRANGE", tr("&Range statistics"), Command::Variable);
    if (m_module->areaItem(Area::Times))
        command(menu, "REPORTWAITER", tr("Time &controlling"), Command::TimeControls);
    separate();
    // the report entries exist with the paid tables
    if (m_module->areaItem(Area::Archs) && m_module->hasCommand(Command::PaidTables)) {
        auto *reports = new QMenu(tr("R&eports"), menu);
        reports->setIcon(icon("REPORTING"));
        command(reports, nullptr, tr("All &families"), Command::AllFamilies);
        command(reports, nullptr, tr("All &articles"), Command::AllArticles);
        command(reports, nullptr, tr("All &waiters"), Command::AllWaiters);
        reports->addSeparator();
        command(reports, nullptr, tr("Fa&milies per waiter"), Command::WaiterFamilies);
        command(reports, nullptr, tr("A&rticles per waiter"), Command::WaiterArticles);
        command(reports, nullptr, tr("Wa&iter report"), Command::WaiterReport);
        reports->addSeparator();
        command(reports, nullptr, tr("Fami&lies per cost center"), Command::CenterFamilies);
        command(reports, nullptr, tr("A&rticles per cost center"), Command::CenterArticles);
        command(reports, nullptr, tr("&Cost center report"), Command::CenterReport);
        reports->addSeparator();
        command(reports, nullptr, tr("&Paid tables"), Command::PaidTables);
        menu->addMenu(reports);
    }
    separate();
    if (m_module->hasCommand(Command::Options))
        command(menu, "EDITENTRY", tr("Edit reporting &options"), Command::Options);
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
