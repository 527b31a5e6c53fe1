#include "tdlgoptauswbase.h"

#include "dialogbuttons.h"
#include "notimplemented.h"
#include "tcombobox.h"
#include "toffdlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

TDlgOptAuswBase::TDlgOptAuswBase(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TDlgOptAusw"));
    tabWidget = new QTabWidget(this);
    tabWidget->setObjectName(QStringLiteral("tabWidget"));

    tabGeneral = new QWidget(tabWidget);
    tabGeneral->setObjectName(QStringLiteral("tabGeneral"));
    groupTurnover = new QGroupBox(tabGeneral);
    groupTurnover->setObjectName(QStringLiteral("groupTurnover"));
    l_Gastro = new QLabel(groupTurnover);
    m_Gastro = new QTimeEdit(groupTurnover);
    m_Gastro->setObjectName(QStringLiteral("m_Gastro"));
    m_Gastro->setDisplayFormat(QStringLiteral("hh:mm"));
    l_Gastro->setBuddy(m_Gastro);
    l_Tolerance = new QLabel(groupTurnover);
    m_Tolerance = new QLineEdit(groupTurnover);
    m_Tolerance->setObjectName(QStringLiteral("m_Tolerance"));
    l_Tolerance->setBuddy(m_Tolerance);
    l_ReceiptPrinter = new QLabel(groupTurnover);
    m_ReceiptPrinter = new QLineEdit(groupTurnover);
    m_ReceiptPrinter->setObjectName(QStringLiteral("m_ReceiptPrinter"));
    l_ReceiptPrinter->setBuddy(m_ReceiptPrinter);
    l_ReceiptWidth = new QLabel(groupTurnover);
    m_ReceiptWidth = new QComboBox(groupTurnover);
    m_ReceiptWidth->setObjectName(QStringLiteral("m_ReceiptWidth"));
    for (int columns : {32, 42, 48})
        m_ReceiptWidth->addItem(QString::number(columns), columns);
    l_ReceiptWidth->setBuddy(m_ReceiptWidth);
    auto *turnover = new QFormLayout(groupTurnover);
    turnover->addRow(l_Gastro, m_Gastro);
    turnover->addRow(l_Tolerance, m_Tolerance);
    turnover->addRow(l_ReceiptPrinter, m_ReceiptPrinter);
    turnover->addRow(l_ReceiptWidth, m_ReceiptWidth);

    groupReporting = new QGroupBox(tabGeneral);
    groupReporting->setObjectName(QStringLiteral("groupReporting"));
    l_DefRep = new QLabel(groupReporting);
    m_DefRep = new QtWidgets::TComboBox(groupReporting);
    m_DefRep->setObjectName(QStringLiteral("m_DefRep"));
    l_DefFlt = new QLabel(groupReporting);
    m_DefFlt = new QtWidgets::TComboBox(groupReporting);
    m_DefFlt->setObjectName(QStringLiteral("m_DefFlt"));
    m_OpenTabs = new QCheckBox(groupReporting);
    m_OpenTabs->setObjectName(QStringLiteral("m_OpenTabs"));
    m_WithoutCredits = new QCheckBox(groupReporting);
    m_WithoutCredits->setObjectName(QStringLiteral("m_WithoutCredits"));
    l_DefRep->setBuddy(m_DefRep);
    l_DefFlt->setBuddy(m_DefFlt);
    auto *reporting = new QFormLayout(groupReporting);
    reporting->addRow(l_DefRep, m_DefRep);
    reporting->addRow(l_DefFlt, m_DefFlt);
    reporting->addRow(m_OpenTabs);
    reporting->addRow(m_WithoutCredits);

    auto *general = new QVBoxLayout(tabGeneral);
    general->addWidget(groupTurnover);
    general->addWidget(groupReporting);
    general->addStretch(1);

    tabReports = new QWidget(tabWidget);
    tabReports->setObjectName(QStringLiteral("tabReports"));
    l_Reports = new QLabel(tabReports);
    m_Reports = new QTreeWidget(tabReports);
    m_Reports->setObjectName(QStringLiteral("m_Reports"));
    m_Reports->setRootIsDecorated(false);
    m_Reports->setAllColumnsShowFocus(true);
    m_Reports->setColumnCount(2);
    m_Reports->setColumnWidth(0, 64);
    m_Reports->header()->setStretchLastSection(true);
    m_Reports->setSortingEnabled(true);
    m_Reports->sortByColumn(0, Qt::AscendingOrder);
    l_Reports->setBuddy(m_Reports);
    auto *reports = new QVBoxLayout(tabReports);
    reports->addWidget(l_Reports);
    reports->addWidget(m_Reports, 1);

    tabWidget->addTab(tabGeneral, QString());
    tabWidget->addTab(tabReports, QString());

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    addDialogButtons(this, buttons, buttonHelp, buttonOk, buttonCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabWidget, 1);
    layout->addLayout(buttons);

    connect(buttonHelp, &QPushButton::clicked, this, &TDlgOptAuswBase::onHelp);
    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);

    languageChange();
    resize(440, 420);
}

TDlgOptAuswBase::~TDlgOptAuswBase() = default;

int TDlgOptAuswBase::exec()
{
    return TOffDlg::checkOpen(this) ? QDialog::exec() : QDialog::Rejected;
}

void TDlgOptAuswBase::languageChange()
{
    setWindowTitle(tr("Summary options"));
    tabWidget->setTabText(tabWidget->indexOf(tabGeneral), tr("&General"));
    tabWidget->setTabText(tabWidget->indexOf(tabReports), tr("R&eports"));
    groupTurnover->setTitle(tr("Turnover"));
    l_Gastro->setText(tr("&Gastron. day:"));
    l_Tolerance->setText(tr("Cash count t&olerance:"));
    m_Tolerance->setToolTip(tr("A count that differs by more needs a comment"));
    l_ReceiptPrinter->setText(tr("Receipt &printer:"));
    m_ReceiptPrinter->setToolTip(
            tr("A device or file (/dev/usb/lp0) or the name of a raw print queue; empty for none"));
    l_ReceiptWidth->setText(tr("Receipt &width (columns):"));
    groupReporting->setTitle(tr("Reporting"));
    l_DefRep->setText(tr("Default &report:"));
    l_DefFlt->setText(tr("Default &filter:"));
    m_OpenTabs->setText(tr("Default including open &tables"));
    m_WithoutCredits->setText(tr("Default excluding credit articles"));
    l_Reports->setText(tr("Allow the following reports"));
    m_Reports->setHeaderLabels({tr("No."), tr("Name")});
    m_Reports->setToolTip(tr("These reports will be shown in the report selection combobox"));
    buttonHelp->setText(tr("Help"));
    buttonOk->setText(tr("OK"));
    buttonCancel->setText(tr("Cancel"));
}

void TDlgOptAuswBase::onHelp()
{
    notImplemented("TDlgOptAuswBase::onHelp()");
}
