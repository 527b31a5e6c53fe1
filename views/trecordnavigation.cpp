#include "trecordnavigation.h"

#include "toffdlg.h"
#include "tvalue.h"

TRecordNavigation::TRecordNavigation(Basics::TValueList *list, Basics::TValue *record,
                                     bool navigate)
    : m_list(list)
    , m_record(record)
    , m_navigate(navigate)
{ }

Basics::TValue *TRecordNavigation::target(Step step) const
{
    if (!navigates() || !m_list || m_list->isEmpty())
        return nullptr;
    Basics::TValue *target = nullptr;
    switch (step) {
    case First:
        target = m_list->values().first();
        break;
    case Previous:
        target = TOffDlg::neighbour(m_list, m_record, -1);
        break;
    case Next:
        target = TOffDlg::neighbour(m_list, m_record, 1);
        break;
    case Last:
        target = m_list->values().last();
        break;
    }
    return target == m_record ? nullptr : target;
}

void TRecordNavigation::enable(QWidget *dialog, QWidget *first, QWidget *previous, QWidget *next,
                               QWidget *last) const
{
    TOffDlg::setEnabled(dialog, first, target(First) != nullptr);
    TOffDlg::setEnabled(dialog, previous, target(Previous) != nullptr);
    TOffDlg::setEnabled(dialog, next, target(Next) != nullptr);
    TOffDlg::setEnabled(dialog, last, target(Last) != nullptr);
}

QString TRecordNavigation::caption(const QString &insert, const QString &one,
                                   const QString &many) const
{
    if (isInsert())
        return insert;
    return m_navigate ? many : one;
}

void TRecordNavigation::put(Basics::TValue *record)
{
    if (!m_list || !record)
        return;
    if (isInsert()) {
        m_list->insert(record);
        m_record = record;
    } else {
        m_list->update(record);
    }
}

Basics::TValue *TRecordNavigation::taken(int id) const
{
    return isInsert() && m_list ? m_list->find(id) : nullptr;
}
