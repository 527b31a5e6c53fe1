#include "tturnoverdlg.h"

#include "tcombobox.h"
#include "toffdlg.h"
#include "tvalue.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QToolButton>

TTurnOverDlg::TTurnOverDlg(Basics::TValueList *waiters, const QDate &date, QWidget *parent)
    : TTurnOverDlgBase(parent)
    , m_waiters(waiters)
{
    m_Date->setDate(date);
    connect(b_Date, &QToolButton::clicked, this, &TTurnOverDlg::onDate);
    fillWaiters();
}

TTurnOverDlg::~TTurnOverDlg() = default;

void TTurnOverDlg::fillWaiters()
{
    m_Waiter->clear();
    m_Waiter->addItem(tr("Not specified"));
    if (!m_waiters)
        return;
    // the numbers right-aligned to the widest, as the numbered combo boxes show them
    int width = 1;
    for (Basics::TValue *waiter : m_waiters->values())
        width = qMax(width, int(QString::number(waiter->id()).size()));
    for (Basics::TValue *waiter : m_waiters->values())
        m_Waiter->addItem(QtWidgets::TComboBox::formatItem(waiter->id(), waiter->name(), width));
}

QDate TTurnOverDlg::date() const
{
    return m_Date->date();
}

Basics::TValue *TTurnOverDlg::waiter() const
{
    if (!m_waiters || m_Waiter->currentIndex() <= 0)
        return nullptr;
    const int number = m_Waiter->currentId();
    return number > 0 ? m_waiters->find(number) : nullptr;
}

void TTurnOverDlg::onDate()
{
    if (m_picker) {
        m_picker->close();
        return;
    }
    auto *picker = new QCalendarWidget(this);
    picker->setObjectName(QStringLiteral("datePicker"));
    picker->setWindowFlags(Qt::Popup);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    picker->setSelectedDate(m_Date->date());
    // a click picks the day, Enter too; either closes the calendar
    auto take = [this, picker](const QDate &date) {
        m_Date->setDate(date);
        picker->close();
    };
    connect(picker, &QCalendarWidget::clicked, this, take);
    connect(picker, &QCalendarWidget::activated, this, take);
    picker->move(m_Date->mapToGlobal(QPoint(0, m_Date->height())));
    m_picker = picker;
    picker->show();
}

void TTurnOverDlg::onHelp()
{
    TOffDlg::showHelp(this, QStringLiteral("veltrum.html#turnover"));
}

void TTurnOverDlg::languageChange()
{
    TTurnOverDlgBase::languageChange();
    if (m_Waiter && m_Waiter->count() > 0)
        m_Waiter->setItemText(0, tr("Not specified"));
}
