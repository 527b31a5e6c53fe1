#include "tturnoverdlgbase.h"

#include "tcombobox.h"
#include "tlocaltext.h"
#include "tlog.h"
#include "toffdlg.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TTurnOverDlgBase::TTurnOverDlgBase(QWidget *parent)
    : QDialog(parent)
    , m_Waiter(new QtWidgets::TComboBox(this))
    , m_Date(new QDateEdit(this))
    , b_Date(new QToolButton(this))
    , b_Help(new QPushButton(this))
    , b_Ok(new QPushButton(this))
    , b_Cancel(new QPushButton(this))
    , m_WaiterLabel(new QLabel(this))
    , m_DateLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("TTurnOverDlg"));
    m_Waiter->setObjectName(QStringLiteral("m_Waiter"));
    m_Date->setObjectName(QStringLiteral("m_Date"));
    b_Date->setObjectName(QStringLiteral("b_Date"));
    b_Date->setText(QStringLiteral("..."));
    m_WaiterLabel->setBuddy(m_Waiter);
    m_DateLabel->setBuddy(m_Date);
    m_Waiter->setMinimumWidth(220);

    auto *grid = new QGridLayout;
    grid->addWidget(m_WaiterLabel, 0, 0);
    grid->addWidget(m_Waiter, 0, 1, 1, 2);
    grid->addWidget(m_DateLabel, 1, 0);
    grid->addWidget(m_Date, 1, 1);
    grid->addWidget(b_Date, 1, 2);
    grid->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(b_Help);
    buttons->addStretch(1);
    buttons->addWidget(b_Ok);
    buttons->addWidget(b_Cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);

    b_Ok->setDefault(true);
    connect(b_Help, &QPushButton::clicked, this, &TTurnOverDlgBase::onHelp);
    connect(b_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(b_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    languageChange();
}

TTurnOverDlgBase::~TTurnOverDlgBase() = default;

int TTurnOverDlgBase::exec()
{
    return TOffDlg::checkOpen(this) ? QDialog::exec() : QDialog::Rejected;
}

void TTurnOverDlgBase::onHelp()
{
    Basics::logDebug(QStringLiteral("TTurnOverDlgBase::onHelp(): Not implemented yet"));
}

void TTurnOverDlgBase::languageChange()
{
    setWindowTitle(tr("Turnover settings"));
    m_WaiterLabel->setText(tr("&Waiter:"));
    m_DateLabel->setText(tr("&To date:"));
    m_Date->setDisplayFormat(Basics::typedDatePattern());
    b_Date->setToolTip(tr("Choose the date in a calendar"));
    b_Help->setText(tr("Help"));
    b_Ok->setText(tr("OK"));
    b_Cancel->setText(tr("Cancel"));
}
