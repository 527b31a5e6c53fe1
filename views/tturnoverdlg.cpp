#include "tturnoverdlg.h"

#include "tclosingpanel.h"
#include "tclosingpreview.h"
#include "tcombobox.h"
#include "tcurrencies.h"
#include "toffdlg.h"
#include "tpricetext.h"
#include "tvalue.h"
#include "tworkspacelists.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QToolButton>
#include <QVBoxLayout>

using namespace PosLib;

TTurnOverDlg::TTurnOverDlg(Basics::TValueList *waiters, const QDate &date, QWidget *parent)
    : TTurnOverDlgBase(parent)
    , m_waiters(waiters)
{
    m_Date->setDate(date);
    connect(b_Date, &QToolButton::clicked, this, &TTurnOverDlg::onDate);
    fillWaiters();
}

TTurnOverDlg::~TTurnOverDlg() = default;

void TTurnOverDlg::setInstallation(const QString &root, TWorkspaceLists *lists,
                                   const QString &countedBy, const QDateTime &now)
{
    m_root = root;
    m_lists = lists;
    m_now = now;
    if (!m_panel) {
        m_panel = new TClosingPanel(this);
        if (auto *box = qobject_cast<QVBoxLayout *>(layout()))
            box->insertWidget(1, m_panel, 1);
        connect(m_Date, &QDateEdit::dateChanged, this, &TTurnOverDlg::refreshPreview);
        connect(m_Waiter, &QComboBox::currentIndexChanged, this, &TTurnOverDlg::refreshPreview);
        resize(720, 720);
    }
    m_panel->setCountedBy(countedBy);
    m_panel->setTolerance(cashTolerance(root));
    refreshPreview();
}

void TTurnOverDlg::refreshPreview()
{
    if (!m_panel)
        return;
    TTurnoverRequest request;
    request.root = m_root;
    request.date = date();
    request.waiter = waiter();
    request.now = m_now;
    m_preview = std::make_unique<TClosingPreview>(request, false, true);
    const auto *currencies
            = m_lists ? static_cast<const TCurrencies *>(m_lists->get(QStringLiteral("currencies")))
                      : nullptr;
    m_panel->setPreview(m_preview.get(), currencies, countableItems(m_lists));
}

bool TTurnOverDlg::confirm()
{
    m_goOn = false;
    m_count = TCashCountInput();
    if (!m_preview)
        return true;
    // the preview as it is now: another program may have closed meanwhile
    refreshPreview();
    if (m_preview->verdict() == TClosingPreview::Refused) {
        QMessageBox::critical(this, tr("Error"), m_preview->reason());
        return false;
    }
    TCashCountInput input;
    QString error;
    if (!m_panel->input(&input, &error)) {
        QMessageBox::warning(this, tr("Cash count"), error);
        return false;
    }
    if (!input.isEmpty() && m_preview->count(input).lacksComment()) {
        QMessageBox::warning(this, tr("Cash count"),
                             tr("The count differs by more than the tolerance. Say why in the "
                                "comment before closing the day."));
        m_panel->commentEdit()->setFocus();
        return false;
    }
    if (m_preview->verdict() == TClosingPreview::StoppedByOpenTables) {
        QStringList tables;
        const auto *currencies = m_lists ? static_cast<const TCurrencies *>(
                                         m_lists->get(QStringLiteral("currencies")))
                                         : nullptr;
        for (const TOpenTable &table : m_preview->openTables())
            tables << tr("table %1/%2, waiter %3 %4: %5")
                              .arg(table.table)
                              .arg(table.party)
                              .arg(table.waiter)
                              .arg(table.waiterName, moneyText(currencies, long(table.amount)));
        const auto answer = QMessageBox::warning(
                this, tr("Warning"),
                tr("There still are open tables! Do you want to continue?") + QStringLiteral("\n\n")
                        + tables.join(QLatin1Char('\n')),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return false;
        m_goOn = true;
    }
    m_count = input;
    return true;
}

void TTurnOverDlg::accept()
{
    if (confirm())
        TTurnOverDlgBase::accept();
}

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
    if (m_panel) {
        m_panel->languageChange();
        refreshPreview();
    }
}
