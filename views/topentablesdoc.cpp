#include "topentablesdoc.h"

#include "tcurrencies.h"
#include "tlistviewitem.h"
#include "tlocaltext.h"
#include "toffapplication.h"
#include "tofflistitem.h"
#include "tofflistview.h"
#include "toffwindow.h"
#include "toffworkspace.h"
#include "topentableslist.h"
#include "ttable.h"

#include <QDateTime>
#include <QProgressBar>
#include <QToolButton>

using PosLib::TListRow;
using PosLib::TOpenTableRow;
using PosLib::TOpenTablesList;

namespace {

// The host pixmap of a table row.
QString pixmapKey(int state)
{
    switch (state) {
    case PosLib::TTable::Locked:
        return QStringLiteral("TABLELOCKED");
    case PosLib::TTable::Corrupt:
        return QStringLiteral("TABLECORRUPT");
    default:
        return QStringLiteral("TABLE");
    }
}

// The detail rows of a table: its groups (in bold) with their rows.
void addDetails(QTreeWidgetItem *table, const QList<TListRow> &groups)
{
    for (const TListRow &group : groups) {
        auto *groupItem
                = new QtWidgets::TListViewItem(table, table->child(table->childCount() - 1));
        groupItem->setText(0, group.text());
        QFont bold = groupItem->font(0);
        bold.setBold(true);
        groupItem->setFont(0, bold);
        QTreeWidgetItem *last = nullptr;
        for (const TListRow &row : group.children) {
            last = new QtWidgets::TListViewItem(groupItem, last);
            for (int column = 0; column < row.columns.size(); ++column)
                last->setText(column, row.columns.at(column));
        }
    }
}

} // namespace

TOpenTablesDoc::TOpenTablesDoc(TOffWindow *window)
    : TOffDataDoc(QLatin1String(TOffWorkspace::docOpenTables), window, false)
{
    setHelpTopic(QStringLiteral("reporting_opentables"));
}

TOpenTablesDoc::~TOpenTablesDoc() = default;

QString TOpenTablesDoc::caption() const
{
    return tr("Open tables");
}

QStringList TOpenTablesDoc::columns() const
{
    return TOpenTablesList::columnTitles();
}

QWidget *TOpenTablesDoc::createView(QWidget *parent)
{
    // the host's list view with the six columns, filled once
    QWidget *view = TOffDataDoc::createView(parent);
    auto *list = qobject_cast<TOffListView *>(view);
    if (!list)
        return view;
    if (TOffWorkspace *ws = workspace())
        connect(ws, &TOffWorkspace::pathChanged, this, &TOpenTablesDoc::onRefresh);
    if (TOffWorkspace *ws = workspace())
        connect(ws, &TOffWorkspace::dayClosed, this, &TOpenTablesDoc::onRefresh);
    connectExpanded(list, true);
    return view;
}

void TOpenTablesDoc::connectExpanded(TOffListView *list, bool on)
{
    // Queued: the list also reports items that it expands while laying
    // itself out (expandAll), and must not be changed during that.
    if (on)
        connect(list, &QTreeWidget::itemExpanded, this, &TOpenTablesDoc::tableExpanded,
                Qt::QueuedConnection);
    else
        disconnect(list, &QTreeWidget::itemExpanded, this, &TOpenTablesDoc::tableExpanded);
}

void TOpenTablesDoc::languageChange()
{
    TOffDataDoc::languageChange();
    if (TOffListView *list = listView()) {
        setColumnTexts(list);
        if (m_loaded)
            onRefresh();
    }
}

void TOpenTablesDoc::setColumnTexts(TOffListView *list)
{
    const QStringList titles = TOpenTablesList::columnTitles();
    for (int column = 0; column < titles.size(); ++column)
        list->setColumnText(column, titles.at(column));
}

void TOpenTablesDoc::fill()
{
    if (TOffListView *list = listView())
        fillData(list);
}

void TOpenTablesDoc::onRefresh()
{
    fill();
    if (window() && window()->currentDocument() == this)
        window()->status(getInformation(), false);
}

void TOpenTablesDoc::fillData(TOffListView *list)
{
    // 1. start afresh
    list->clear();
    m_count = 0;
    m_sum = 0;
    TOffWorkspace *ws = workspace();
    if (!ws)
        return;

    // 2. read the open tables, the progress bar advancing per table file
    const auto *currencies
            = qobject_cast<PosLib::TCurrencies *>(ws->getData(QStringLiteral("currencies")));
    // the dates of the detail rows in the window's language
    TOpenTablesList tables(ws->getPath(), currencies, &Basics::dateText);
    QProgressBar *bar = nullptr;
    connect(&tables, &TOpenTablesList::sigDataCount, this,
            [this, &bar](int count) { bar = startProgressBar(count); });
    connect(&tables, &TOpenTablesList::sigProgress, this,
            [this, &bar](int step) { setProgress(bar, step); });
    tables.load();

    // 3. a row per table, its details below it
    QTreeWidgetItem *last = nullptr;
    for (const TOpenTableRow &row : tables.rows()) {
        auto *item = new TOffListItem(list, last);
        for (int column = 0; column < row.columns.size(); ++column)
            item->setText(column, row.columns.at(column));
        item->setIcon(0, themedPixmap(pixmapKey(row.state), 16));
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        addDetails(item, row.details);
        last = item;
    }

    // 4. done
    endProgressBar(bar);
    m_count = tables.count();
    m_sum = tables.sum();
    m_status = tables.status();
    m_loaded = true;
}

void TOpenTablesDoc::tableExpanded(QTreeWidgetItem *)
{
    TOffListView *list = listView();
    if (!list)
        return;
    connectExpanded(list, false);
    list->expandAll();
    connectExpanded(list, true);
}

void TOpenTablesDoc::onSelection()
{
    QToolButton *refresh = addToolButton(QStringLiteral("REFRESH"), Qt::Key_F5,
                                         tr("Refresh the list of open tables (<b>F5</b>)"));
    refresh->setObjectName(QStringLiteral("refresh"));
    connect(refresh, &QToolButton::clicked, this, &TOpenTablesDoc::onRefresh);
    addToolStretch();
    TOffDataDoc::onSelection();
}

QString TOpenTablesDoc::getInformation() const
{
    return m_loaded ? m_status : QString();
}

void TOpenTablesDoc::printHeader(QPainter &painter, QRect &area, int page)
{
    // the time and the day in the window's language
    const QDateTime now = QDateTime::currentDateTime();
    printTitle(painter, area, page,
               tr("List of open tables at %1 on %2")
                       .arg(Basics::timeText(now.time()), Basics::dateText(now.date())));
}
