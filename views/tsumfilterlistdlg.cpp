#include "tsumfilterlistdlg.h"

#include "conditiontext.h"
#include "tcombobox.h"
#include "tlistviewitem.h"
#include "toffdlg.h"
#include "ttableentry.h"
#include "tvalue.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTreeWidget>

namespace {

const int IdRole = Qt::UserRole + 1;

} // namespace

TSumFilterListDlg::TSumFilterListDlg(Basics::TValueList *records, const QString &title,
                                     const QString &attribute, int entryKind, QWidget *parent)
    : TSumFilterListBase(parent)
    , m_attribute(attribute)
{
    setWindowTitle(title);
    m_Group->setCheckable(true);
    setKind(entryKind);
    if (records) {
        // numbered like the selection combo boxes: "  3)  Anna"
        int width = 1;
        for (int id : records->ids())
            width = qMax(width, int(QString::number(id).size()));
        for (Basics::TValue *record : records->values()) {
            auto *row = new QtWidgets::TListViewItem(m_List);
            row->setText(0, QtWidgets::TComboBox::formatItem(record->id(), record->name(), width));
            row->setData(0, IdRole, record->id());
        }
    }
}

TSumFilterListDlg::~TSumFilterListDlg() = default;

int TSumFilterListDlg::kind() const
{
    if (!m_Group->isChecked())
        return 0;
    const struct
    {
        QRadioButton *button;
        int kind;
    } kinds[] = {
            {m_Order, PosLib::EntryOrder},    {m_Change, PosLib::EntryChange},
            {m_Void, PosLib::EntryVoid},      {m_Pay, PosLib::EntryPay},
            {m_Split, PosLib::EntrySplit},    {m_Restore, PosLib::EntryRestore},
            {m_Archiv, PosLib::EntryArchive},
    };
    for (const auto &k : kinds)
        if (k.button->isChecked())
            return k.kind;
    return PosLib::EntryOrder;
}

void TSumFilterListDlg::setKind(int kind)
{
    QRadioButton *button = nullptr;
    switch (kind) {
    case PosLib::EntryOrder:
        button = m_Order;
        break;
    case PosLib::EntryChange:
        button = m_Change;
        break;
    case PosLib::EntryVoid:
        button = m_Void;
        break;
    case PosLib::EntryPay:
        button = m_Pay;
        break;
    case PosLib::EntrySplit:
        button = m_Split;
        break;
    case PosLib::EntryRestore:
        button = m_Restore;
        break;
    case PosLib::EntryArchive:
        button = m_Archiv;
        break;
    default:
        break;
    }
    m_Group->setChecked(button != nullptr);
    if (button)
        button->setChecked(true);
}

QList<int> TSumFilterListDlg::selectedIds() const
{
    QList<int> ids;
    for (int i = 0; i < m_List->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = m_List->topLevelItem(i);
        if (row->isSelected())
            ids.append(row->data(0, IdRole).toInt());
    }
    return ids;
}

void TSumFilterListDlg::select(const QList<int> &ids)
{
    for (int i = 0; i < m_List->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = m_List->topLevelItem(i);
        row->setSelected(ids.contains(row->data(0, IdRole).toInt()));
    }
}

QString TSumFilterListDlg::condition() const
{
    return PosLib::rangeCondition(kind(), m_attribute, selectedIds());
}

void TSumFilterListDlg::onHelp()
{
    TOffDlg::showHelp(this, QStringLiteral("veltrum.html#filterrange"));
}
