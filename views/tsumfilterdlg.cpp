#include "tsumfilterdlg.h"

#include "conditiontext.h"
#include "toffapplication.h"
#include "toffdlg.h"
#include "toffworkspace.h"
#include "tsumfilter.h"
#include "tsumfilteritem.h"
#include "tsumfilterlistdlg.h"
#include "tsumfiltertest.h"
#include "ttableentry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using PosLib::TSumFilter;

namespace {

// The entries a record number of a range belongs to: articles, families
// and family groups are found in article orders, payment forms in
// payments; the rest (tables, cost centers, terminals, waiters) in the
// table header.
int rangeKind(const char *attribute)
{
    const QLatin1String key(attribute);
    if (key == QLatin1String("plu") || key == QLatin1String("family")
        || key == QLatin1String("famgroup"))
        return PosLib::EntryOrder;
    if (key == QLatin1String("payform"))
        return PosLib::EntryPay;
    return 0;
}

} // namespace

TSumFilterDlg::TSumFilterDlg(TOffWorkspace *workspace, TSumFilter *filter, bool navigate,
                             QWidget *parent)
    : TSumFilterDlgBase(parent)
    , m_workspace(workspace)
    , m_records(workspace ? workspace->getData(QStringLiteral("sumfilters")) : nullptr, filter,
                navigate)
    , m_tableRows(m_Tables)
    , m_entryRows(m_Entries)
{
    show(filter);
    if (TOffApplication *application = TOffApplication::instance())
        connect(application, &TOffApplication::lngChanged, this, &TSumFilterDlg::languageChange);
}

TSumFilterDlg::~TSumFilterDlg() = default;

void TSumFilterDlg::languageChange()
{
    TSumFilterDlgBase::languageChange();
    setCaption();
    m_tableRows.refresh();
    m_entryRows.refresh();
}

TSumFilter *TSumFilterDlg::filter() const
{
    return static_cast<TSumFilter *>(m_records.record());
}

void TSumFilterDlg::setCaption()
{
    setWindowTitle(m_records.caption(tr("Insert new summary filter..."), tr("Edit summary filter"),
                                     tr("Edit summary filters")));
}

void TSumFilterDlg::show(TSumFilter *filter)
{
    m_loading = true;
    m_records.setRecord(filter);
    TOffDlg::setListID(m_Number, list(), filter);
    m_Name->setText(filter ? filter->name() : QString());
    m_Descr->setText(filter ? filter->description() : QString());
    m_tableRows.setCondition(filter ? filter->tables() : QString());
    m_entryRows.setCondition(filter ? filter->entries() : QString());
    m_loading = false;
    m_changed = false;
    setCaption();
    updateButtons();
}

void TSumFilterDlg::updateButtons()
{
    m_records.enable(this, b_First, b_Prev, b_Next, b_Last);
    TOffDlg::setEnabled(this, b_TabEdit, m_Tables->currentItem() != nullptr);
    TOffDlg::setEnabled(this, b_TabDelete, m_Tables->currentItem() != nullptr);
    TOffDlg::setEnabled(this, b_EntEdit, m_Entries->currentItem() != nullptr);
    TOffDlg::setEnabled(this, b_EntDelete, m_Entries->currentItem() != nullptr);
    TOffDlg::setEnabled(this, buttonOk, list() != nullptr);
}

TSumFilter TSumFilterDlg::edited() const
{
    TSumFilter filter;
    if (this->filter())
        filter = *this->filter();
    filter.setId(TOffDlg::getListID(m_Number));
    filter.setName(m_Name->text().trimmed());
    filter.setDescription(m_Descr->text().trimmed());
    filter.setTables(m_tableRows.condition());
    filter.setEntries(m_entryRows.condition());
    return filter;
}

QString TSumFilterDlg::problem() const
{
    if (!list())
        return tr("The summary filters could not be loaded; nothing can be stored.");
    const int id = TOffDlg::getListID(m_Number);
    if (isInsert() && id <= 0)
        return tr("Please enter a number above 0.");
    if (Basics::TValue *taken = m_records.taken(id))
        return tr("The number %1 is already taken by the filter \"%2\".")
                .arg(id)
                .arg(taken->name());
    if (m_Name->text().trimmed().isEmpty())
        return tr("Please enter a name.");
    QString problem = PosLib::checkCondition(m_tableRows.condition());
    if (!problem.isEmpty())
        return tr("Table filter: %1").arg(problem);
    problem = PosLib::checkCondition(m_entryRows.condition());
    if (!problem.isEmpty())
        return tr("Entry filter: %1").arg(problem);
    return QString();
}

bool TSumFilterDlg::store()
{
    const QString why = problem();
    if (!why.isEmpty()) {
        TOffDlg::error(this, why);
        return false;
    }
    const TSumFilter fields = edited();
    TSumFilter *record = filter();
    if (!record) {
        record = new TSumFilter;
        record->setId(fields.id());
    }
    record->setName(fields.name());
    record->setDescription(fields.description());
    record->setTables(fields.tables());
    record->setEntries(fields.entries());
    m_records.put(record);
    m_stored = true;
    m_changed = false;
    return true;
}

void TSumFilterDlg::accept()
{
    if ((isInsert() || m_changed) && !store())
        return;
    TSumFilterDlgBase::accept();
}

void TSumFilterDlg::moveTo(TRecordNavigation::Step step)
{
    auto *target = static_cast<TSumFilter *>(m_records.target(step));
    if (!target)
        return;
    if (m_changed && !store())
        return;
    show(target);
}

void TSumFilterDlg::onFirst()
{
    moveTo(TRecordNavigation::First);
}

void TSumFilterDlg::onPrev()
{
    moveTo(TRecordNavigation::Previous);
}

void TSumFilterDlg::onNext()
{
    moveTo(TRecordNavigation::Next);
}

void TSumFilterDlg::onLast()
{
    moveTo(TRecordNavigation::Last);
}

void TSumFilterDlg::onChange()
{
    if (!m_loading)
        changed();
}

void TSumFilterDlg::changed()
{
    m_changed = true;
    updateButtons();
}

void TSumFilterDlg::onTest()
{
    TSumFilterTest test(edited(), m_workspace, this);
    test.exec();
}

void TSumFilterDlg::onHelp()
{
    TOffDlg::showHelp(this, QStringLiteral("veltrum.html#filter"));
}

// ---- items -----------------------------------------------------------------

void TSumFilterDlg::addItem(Page page)
{
    TConditionList &list = rows(page);
    TSumFilterItem editor(QString(), this);
    editor.offerAlternative(list.view()->topLevelItemCount() > 0);
    if (editor.exec() != QDialog::Accepted)
        return;
    // with the current row's items (or the last ones), or as an
    // alternative of its own
    QTreeWidgetItem *after = list.view()->currentItem();
    if (!after && list.view()->topLevelItemCount() > 0)
        after = list.view()->topLevelItem(list.view()->topLevelItemCount() - 1);
    if (editor.newAlternative())
        after = nullptr;
    list.view()->setCurrentItem(list.addItem(editor.item(), after));
    changed();
}

void TSumFilterDlg::editItem(Page page)
{
    TConditionList &list = rows(page);
    QTreeWidgetItem *row = list.view()->currentItem();
    if (!row)
        return;
    TSumFilterItem editor(TConditionList::itemOf(row), this);
    if (editor.exec() != QDialog::Accepted)
        return;
    list.setItem(row, editor.item());
    changed();
}

void TSumFilterDlg::deleteItem(Page page)
{
    TConditionList &list = rows(page);
    QTreeWidgetItem *row = list.view()->currentItem();
    if (!row)
        return;
    list.removeRow(row);
    changed();
}

void TSumFilterDlg::range(Page page, Range which)
{
    // attribute, workspace list and title of each range of the popup
    static const struct
    {
        const char *attribute;
        const char *list;
        const char *title;
    } ranges[] = {
            {"table", "tablecfgs", QT_TR_NOOP("Select tables")},
            {"center", "costcenters", QT_TR_NOOP("Select cost centers")},
            {"terminal", "terminals", QT_TR_NOOP("Select terminals")},
            {"waiter", "waiters", QT_TR_NOOP("Select waiters")},
            {"plu", "articles", QT_TR_NOOP("Select articles")},
            {"family", "families", QT_TR_NOOP("Select families")},
            {"famgroup", "famgroups", QT_TR_NOOP("Select family groups")},
            {"payform", "payforms", QT_TR_NOOP("Select payforms")},
    };
    const auto &r = ranges[which];
    Basics::TValueList *records
            = m_workspace ? m_workspace->getData(QLatin1String(r.list)) : nullptr;
    TSumFilterListDlg dialog(records, tr(r.title), QLatin1String(r.attribute),
                             rangeKind(r.attribute), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString condition = dialog.condition();
    if (condition.isEmpty())
        return;
    rows(page).appendAlternatives(condition);
    changed();
}

void TSumFilterDlg::flag(Page page, const char *item)
{
    rows(page).appendAlternatives(QLatin1String(item));
    changed();
}

void TSumFilterDlg::onTabChanged(QTreeWidgetItem *)
{
    updateButtons();
}

void TSumFilterDlg::onEntChanged(QTreeWidgetItem *)
{
    updateButtons();
}

void TSumFilterDlg::onTabNew()
{
    addItem(TablePage);
}

void TSumFilterDlg::onTabEdit()
{
    editItem(TablePage);
}

void TSumFilterDlg::onTabDelete()
{
    deleteItem(TablePage);
}

void TSumFilterDlg::onEntNew()
{
    addItem(EntryPage);
}

void TSumFilterDlg::onEntEdit()
{
    editItem(EntryPage);
}

void TSumFilterDlg::onEntDelete()
{
    deleteItem(EntryPage);
}

// ---- ranges and flags -----------------------------------------------------

void TSumFilterDlg::onTabTables()
{
    range(TablePage, TableRange);
}

void TSumFilterDlg::onTabCenters()
{
    range(TablePage, CenterRange);
}

void TSumFilterDlg::onTabTerminals()
{
    range(TablePage, TerminalRange);
}

void TSumFilterDlg::onTabWaiters()
{
    range(TablePage, WaiterRange);
}

void TSumFilterDlg::onTabArticles()
{
    range(TablePage, ArticleRange);
}

void TSumFilterDlg::onTabFamilies()
{
    range(TablePage, FamilyRange);
}

void TSumFilterDlg::onTabFamGroups()
{
    range(TablePage, FamGroupRange);
}

void TSumFilterDlg::onTabPayforms()
{
    range(TablePage, PayformRange);
}

void TSumFilterDlg::onEntTables()
{
    range(EntryPage, TableRange);
}

void TSumFilterDlg::onEntCenters()
{
    range(EntryPage, CenterRange);
}

void TSumFilterDlg::onEntTerminals()
{
    range(EntryPage, TerminalRange);
}

void TSumFilterDlg::onEntWaiters()
{
    range(EntryPage, WaiterRange);
}

void TSumFilterDlg::onEntArticles()
{
    range(EntryPage, ArticleRange);
}

void TSumFilterDlg::onEntFamilies()
{
    range(EntryPage, FamilyRange);
}

void TSumFilterDlg::onEntFamGroups()
{
    range(EntryPage, FamGroupRange);
}

void TSumFilterDlg::onEntPayforms()
{
    range(EntryPage, PayformRange);
}

void TSumFilterDlg::onTabTakeaway()
{
    flag(TablePage, "0:vatoh:=:yes");
}

void TSumFilterDlg::onTabNoTakeaway()
{
    flag(TablePage, "0:vatoh:!:yes");
}

void TSumFilterDlg::onTabInSummary()
{
    flag(TablePage, "0:insum:=:yes");
}

void TSumFilterDlg::onTabNoSummary()
{
    flag(TablePage, "0:insum:!:yes");
}

void TSumFilterDlg::onEntTakeaway()
{
    flag(EntryPage, "0:vatoh:=:yes");
}

void TSumFilterDlg::onEntNoTakeaway()
{
    flag(EntryPage, "0:vatoh:!:yes");
}

void TSumFilterDlg::onEntInSummary()
{
    flag(EntryPage, "0:insum:=:yes");
}

void TSumFilterDlg::onEntNoSummary()
{
    flag(EntryPage, "0:insum:!:yes");
}

void TSumFilterDlg::onEntTypeOrder()
{
    flag(EntryPage, "3:type:=:3");
}

void TSumFilterDlg::onEntTypeVoid()
{
    flag(EntryPage, "4:type:=:4");
}

void TSumFilterDlg::onEntTypePay()
{
    flag(EntryPage, "5:type:=:5");
}
