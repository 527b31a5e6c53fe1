#include "tveltrumdoc.h"

#include "pixmapresource.h"
#include "toffapplication.h"
#include "tofflistitem.h"
#include "tofflistview.h"
#include "toffwindow.h"
#include "tveltrum.h"

namespace {

// Rows carry their entry number in this role.
const int EntryRole = Qt::UserRole + 1;

} // namespace

TVeltrumDoc::TVeltrumDoc(TVeltrum *module, TOffWindow *window)
    : TOffDocument(QStringLiteral("veltrum"), window)
    , m_module(module)
{ }

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
    if (TOffApplication *application = TOffApplication::instance())
        connect(application, &TOffApplication::lngChanged, this, &TVeltrumDoc::setColumnTexts);
    return view;
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

void TVeltrumDoc::setColumnTexts()
{
    if (TOffListView *list = listView()) {
        list->setColumnText(0, tr("Module"));
        list->setColumnText(1, tr("Description"));
    }
}
