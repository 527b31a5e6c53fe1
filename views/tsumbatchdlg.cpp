#include "tsumbatchdlg.h"

#include "tcombobox.h"
#include "toffapplication.h"
#include "toffdlg.h"
#include "toffworkspace.h"
#include "tsumbatch.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using PosLib::TSumBatch;

namespace {

const int IdRole = Qt::UserRole + 1;

// The sort keys of "&Sorting:" in its order: "Default", "Amount", "Count",
// "Alphabetical".
const char *const SortKeys[] = {"", "amount", "count", "name"};

int sortIndex(const QString &key)
{
    for (int i = 1; i < int(std::size(SortKeys)); ++i)
        if (key == QLatin1String(SortKeys[i]))
            return i;
    return 0;
}

} // namespace

const QList<TSumBatchDlg::Report> &TSumBatchDlg::reports()
{
    static const QList<Report> list = {
            {1, QT_TRANSLATE_NOOP("TSumBatchDlg", "Paid tables")},
            {3, QT_TRANSLATE_NOOP("TSumBatchDlg", "Waiter payments")},
            {4, QT_TRANSLATE_NOOP("TSumBatchDlg", "All Waiters")},
            {5, QT_TRANSLATE_NOOP("TSumBatchDlg", "Waiter report")},
            {6, QT_TRANSLATE_NOOP("TSumBatchDlg", "Cost center report")},
            {7, QT_TRANSLATE_NOOP("TSumBatchDlg", "All articles")},
            {8, QT_TRANSLATE_NOOP("TSumBatchDlg", "Articles per waiter")},
            {9, QT_TRANSLATE_NOOP("TSumBatchDlg", "Articles per cost center")},
            {10, QT_TRANSLATE_NOOP("TSumBatchDlg", "All families")},
            {11, QT_TRANSLATE_NOOP("TSumBatchDlg", "Families per waiter")},
            {12, QT_TRANSLATE_NOOP("TSumBatchDlg", "Families per cost center")},
            {13, QT_TRANSLATE_NOOP("TSumBatchDlg", "All voids")},
            {14, QT_TRANSLATE_NOOP("TSumBatchDlg", "Voids per waiter")},
            {15, QT_TRANSLATE_NOOP("TSumBatchDlg", "Voids per cost center")},
            {16, QT_TRANSLATE_NOOP("TSumBatchDlg", "All void entries")},
            {17, QT_TRANSLATE_NOOP("TSumBatchDlg", "Void entries per waiter")},
            {18, QT_TRANSLATE_NOOP("TSumBatchDlg", "Void entries per cost center")},
            {19, QT_TRANSLATE_NOOP("TSumBatchDlg", "Hour summary")},
            {20, QT_TRANSLATE_NOOP("TSumBatchDlg", "Hour summary per waiter")},
            {21, QT_TRANSLATE_NOOP("TSumBatchDlg", "Hour summary per cost center")},
            {22, QT_TRANSLATE_NOOP("TSumBatchDlg", "Order summary")},
            {23, QT_TRANSLATE_NOOP("TSumBatchDlg", "Order summary per waiter")},
            {24, QT_TRANSLATE_NOOP("TSumBatchDlg", "Order summary per cost center")},
            {25, QT_TRANSLATE_NOOP("TSumBatchDlg", "All family groups")},
            {26, QT_TRANSLATE_NOOP("TSumBatchDlg", "Family groups per waiter")},
            {27, QT_TRANSLATE_NOOP("TSumBatchDlg", "Family groups per cost center")},
            {28, QT_TRANSLATE_NOOP("TSumBatchDlg", "All departments")},
            {29, QT_TRANSLATE_NOOP("TSumBatchDlg", "Departments per waiter")},
            {30, QT_TRANSLATE_NOOP("TSumBatchDlg", "Departments per cost center")},
            {31, QT_TRANSLATE_NOOP("TSumBatchDlg", "Minimal summary")},
            {32, QT_TRANSLATE_NOOP("TSumBatchDlg", "All discounts")},
            {33, QT_TRANSLATE_NOOP("TSumBatchDlg", "Discounts per waiter")},
            {34, QT_TRANSLATE_NOOP("TSumBatchDlg", "Discounts per cost center")},
            {35, QT_TRANSLATE_NOOP("TSumBatchDlg", "All pricefindings")},
            {36, QT_TRANSLATE_NOOP("TSumBatchDlg", "Pricefindings per waiter")},
            {37, QT_TRANSLATE_NOOP("TSumBatchDlg", "Pricefindings per cost center")},
            {38, QT_TRANSLATE_NOOP("TSumBatchDlg", "Table report")},
            {39, QT_TRANSLATE_NOOP("TSumBatchDlg", "Table report per cost center")},
            {40, QT_TRANSLATE_NOOP("TSumBatchDlg", "Hotel rooms")},
            {41, QT_TRANSLATE_NOOP("TSumBatchDlg", "Hotel rooms per waiter")},
            {42, QT_TRANSLATE_NOOP("TSumBatchDlg", "Hotel rooms per cost center")},
    };
    return list;
}

QString TSumBatchDlg::reportCaption(int id)
{
    for (const Report &report : reports())
        if (report.id == id)
            return QCoreApplication::translate("TSumBatchDlg", report.caption);
    // kept as the file has it, so that storing the batch keeps it too
    return QCoreApplication::translate("TSumBatchDlg", "Unknown report");
}

TSumBatchDlg::TSumBatchDlg(TOffWorkspace *workspace, TSumBatch *batch, bool navigate,
                           QWidget *parent)
    : TSumBatchDlgBase(parent)
    , m_workspace(workspace)
    , m_records(workspace ? workspace->getData(QStringLiteral("sumbatches")) : nullptr, batch,
                navigate)
{
    show(batch);
    if (TOffApplication *application = TOffApplication::instance())
        connect(application, &TOffApplication::lngChanged, this, &TSumBatchDlg::languageChange);
}

TSumBatchDlg::~TSumBatchDlg() = default;

void TSumBatchDlg::languageChange()
{
    const bool loading = m_loading;
    m_loading = true;
    TSumBatchDlgBase::languageChange();
    fillFilters(m_Filter->currentId());
    fillReports(selectedReports());
    m_loading = loading;
    setCaption();
}

TSumBatch *TSumBatchDlg::batch() const
{
    return static_cast<TSumBatch *>(m_records.record());
}

void TSumBatchDlg::setCaption()
{
    setWindowTitle(m_records.caption(tr("Insert new summary batch..."), tr("Edit summary batch"),
                                     tr("Edit summary batches")));
}

void TSumBatchDlg::fillFilters(int current)
{
    m_Filter->clear();
    m_Filter->insertItem(0, tr("Not specified"));
    if (m_workspace)
        if (Basics::TValueList *filters = m_workspace->getData(QStringLiteral("sumfilters")))
            for (Basics::TValue *filter : filters->values())
                m_Filter->insertItem(filter->id(), filter->name());
    // a filter number that is not in the list is kept as it is
    if (current > 0 && m_Filter->findId(current) < 0)
        m_Filter->insertItem(current, tr("Unknown filter"));
    m_Filter->setCurrentId(qMax(0, current));
}

void TSumBatchDlg::fillReports(const QList<int> &selected)
{
    auto row = [](QTreeWidget *list, int id) {
        auto *item = new QTreeWidgetItem(list);
        item->setText(0, QString::number(id));
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(1, reportCaption(id));
        item->setData(0, IdRole, id);
    };
    m_Reports->clear();
    m_SReports->clear();
    for (const Report &report : reports())
        if (!selected.contains(report.id))
            row(m_Reports, report.id);
    for (int id : selected)
        row(m_SReports, id);
}

void TSumBatchDlg::show(TSumBatch *batch)
{
    m_loading = true;
    m_records.setRecord(batch);
    TOffDlg::setListID(m_ID, list(), batch);
    m_Name->setText(batch ? batch->name() : QString());
    m_Descr->setText(batch ? batch->descr() : QString());
    fillFilters(batch ? batch->filter() : 0);
    m_Sorting->setCurrentIndex(batch ? sortIndex(batch->key()) : 0);
    m_SortDesc->setChecked(batch && batch->desc());
    m_Fiscal->setChecked(batch && batch->fiscal());
    fillReports(batch ? batch->reportIds() : QList<int>());
    m_loading = false;
    m_changed = false;
    setCaption();
    updateButtons();
}

void TSumBatchDlg::updateButtons()
{
    m_records.enable(this, b_First, b_Prev, b_Next, b_Last);
    TOffDlg::setEnabled(this, b_insert, m_Reports->topLevelItemCount() > 0);
    TOffDlg::setEnabled(this, b_insertall, m_Reports->topLevelItemCount() > 0);
    TOffDlg::setEnabled(this, b_delete, m_SReports->topLevelItemCount() > 0);
    TOffDlg::setEnabled(this, b_deleteall, m_SReports->topLevelItemCount() > 0);
    TOffDlg::setEnabled(this, buttonOk, list() != nullptr);
}

QList<int> TSumBatchDlg::availableReports() const
{
    QList<int> ids;
    for (int i = 0; i < m_Reports->topLevelItemCount(); ++i)
        ids.append(m_Reports->topLevelItem(i)->data(0, IdRole).toInt());
    return ids;
}

QList<int> TSumBatchDlg::selectedReports() const
{
    QList<int> ids;
    for (int i = 0; i < m_SReports->topLevelItemCount(); ++i)
        ids.append(m_SReports->topLevelItem(i)->data(0, IdRole).toInt());
    return ids;
}

QTreeWidgetItem *TSumBatchDlg::reportRow(QTreeWidget *list, int id) const
{
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->data(0, IdRole).toInt() == id)
            return list->topLevelItem(i);
    return nullptr;
}

bool TSumBatchDlg::setCurrentReport(int id)
{
    for (QTreeWidget *list : {m_Reports, m_SReports}) {
        if (QTreeWidgetItem *row = reportRow(list, id)) {
            list->setCurrentItem(row);
            return true;
        }
    }
    return false;
}

TSumBatch TSumBatchDlg::edited() const
{
    TSumBatch batch;
    if (this->batch())
        batch = *this->batch();
    batch.setId(TOffDlg::getListID(m_ID));
    batch.setName(m_Name->text().trimmed());
    batch.setDescr(m_Descr->text().trimmed());
    batch.setFilter(qMax(0, m_Filter->currentId()));
    batch.setFiscal(m_Fiscal->isChecked());
    QStringList ids;
    for (int id : selectedReports())
        ids.append(QString::number(id));
    batch.setReports(ids);
    const int sorting = m_Sorting->currentIndex();
    batch.setKey(QLatin1String(SortKeys[sorting >= 0 && sorting < 4 ? sorting : 0]));
    batch.setDesc(m_SortDesc->isChecked());
    return batch;
}

QString TSumBatchDlg::problem() const
{
    if (!list())
        return tr("The summary batches could not be loaded; nothing can be stored.");
    const int id = TOffDlg::getListID(m_ID);
    if (isInsert() && id <= 0)
        return tr("Please enter a number above 0.");
    if (Basics::TValue *taken = m_records.taken(id))
        return tr("The number %1 is already taken by the batch \"%2\".").arg(id).arg(taken->name());
    if (m_Name->text().trimmed().isEmpty())
        return tr("Please enter a name.");
    if (m_SReports->topLevelItemCount() == 0)
        return tr("Please select at least one report for the batch.");
    return QString();
}

bool TSumBatchDlg::store()
{
    const QString why = problem();
    if (!why.isEmpty()) {
        TOffDlg::error(this, why);
        return false;
    }
    const TSumBatch fields = edited();
    TSumBatch *record = isInsert() ? new TSumBatch : batch();
    // the fields as edited; anything else the record had stays
    record->setName(fields.name());
    record->setDescr(fields.descr());
    record->setFilter(fields.filter());
    record->setFiscal(fields.fiscal());
    record->setReports(fields.reports());
    record->setKey(fields.key());
    record->setDesc(fields.desc());
    if (isInsert())
        record->setId(fields.id());
    m_records.put(record);
    m_stored = true;
    m_changed = false;
    return true;
}

void TSumBatchDlg::accept()
{
    if ((isInsert() || m_changed) && !store())
        return;
    TSumBatchDlgBase::accept();
}

void TSumBatchDlg::moveTo(TRecordNavigation::Step step)
{
    auto *target = static_cast<TSumBatch *>(m_records.target(step));
    if (!target)
        return;
    if (m_changed && !store())
        return;
    show(target);
}

void TSumBatchDlg::onFirst()
{
    moveTo(TRecordNavigation::First);
}

void TSumBatchDlg::onPrev()
{
    moveTo(TRecordNavigation::Previous);
}

void TSumBatchDlg::onNext()
{
    moveTo(TRecordNavigation::Next);
}

void TSumBatchDlg::onLast()
{
    moveTo(TRecordNavigation::Last);
}

void TSumBatchDlg::onChange()
{
    if (m_loading)
        return;
    m_changed = true;
    updateButtons();
}

void TSumBatchDlg::repschanged()
{
    onChange();
    updateButtons();
}

void TSumBatchDlg::select(QTreeWidgetItem *row)
{
    const int at = m_Reports->indexOfTopLevelItem(row);
    if (at < 0)
        return;
    m_SReports->addTopLevelItem(m_Reports->takeTopLevelItem(at));
    m_SReports->setCurrentItem(row);
    // the report below takes the place of the one moved
    if (m_Reports->topLevelItemCount() > 0)
        m_Reports->setCurrentItem(
                m_Reports->topLevelItem(qMin(at, m_Reports->topLevelItemCount() - 1)));
}

void TSumBatchDlg::deselect(QTreeWidgetItem *row)
{
    const int at = m_SReports->indexOfTopLevelItem(row);
    if (at < 0)
        return;
    m_SReports->takeTopLevelItem(at);
    // back to its place among the available reports, in id order
    const int id = row->data(0, IdRole).toInt();
    int place = 0;
    while (place < m_Reports->topLevelItemCount()
           && m_Reports->topLevelItem(place)->data(0, IdRole).toInt() < id)
        ++place;
    m_Reports->insertTopLevelItem(place, row);
    m_Reports->setCurrentItem(row);
    if (m_SReports->topLevelItemCount() > 0)
        m_SReports->setCurrentItem(
                m_SReports->topLevelItem(qMin(at, m_SReports->topLevelItemCount() - 1)));
}

void TSumBatchDlg::oninsert()
{
    QTreeWidgetItem *row = m_Reports->currentItem();
    if (!row && m_Reports->topLevelItemCount() > 0)
        row = m_Reports->topLevelItem(0);
    if (!row)
        return;
    select(row);
    repschanged();
}

void TSumBatchDlg::oninsert(QTreeWidgetItem *item)
{
    if (!item)
        return;
    select(item);
    repschanged();
}

void TSumBatchDlg::oninsertall()
{
    if (m_Reports->topLevelItemCount() == 0)
        return;
    while (m_Reports->topLevelItemCount() > 0)
        select(m_Reports->topLevelItem(0));
    repschanged();
}

void TSumBatchDlg::ondelete()
{
    QTreeWidgetItem *row = m_SReports->currentItem();
    if (!row)
        return;
    deselect(row);
    repschanged();
}

void TSumBatchDlg::ondelete(QTreeWidgetItem *item)
{
    if (!item)
        return;
    deselect(item);
    repschanged();
}

void TSumBatchDlg::ondeleteall()
{
    if (m_SReports->topLevelItemCount() == 0)
        return;
    while (m_SReports->topLevelItemCount() > 0)
        deselect(m_SReports->topLevelItem(0));
    repschanged();
}

void TSumBatchDlg::onHelp()
{
    TOffDlg::showHelp(this, QStringLiteral("veltrum.html#batch"));
}
