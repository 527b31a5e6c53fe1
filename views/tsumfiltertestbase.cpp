#include "tsumfiltertestbase.h"

#include "notimplemented.h"
#include "tcombobox.h"
#include "toffdlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TSumFilterTestBase::TSumFilterTestBase(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TSumFilterTest"));
    tabWidget = new QTabWidget(this);
    tabWidget->setObjectName(QStringLiteral("tabWidget"));
    pageGeneral = new QWidget(tabWidget);
    pageGeneral->setObjectName(QStringLiteral("pageGeneral"));
    pagePayment = new QWidget(tabWidget);
    pagePayment->setObjectName(QStringLiteral("pagePayment"));
    auto field = [](QWidget *page, QFormLayout *form, QLabel *&label, QtWidgets::TComboBox *&box,
                    const char *name) {
        label = new QLabel(page);
        box = new QtWidgets::TComboBox(page);
        box->setObjectName(QLatin1String(name));
        label->setBuddy(box);
        form->addRow(label, box);
    };
    auto *general = new QFormLayout(pageGeneral);
    field(pageGeneral, general, l_Center, m_Center, "m_Center");
    field(pageGeneral, general, l_Waiter, m_Waiter, "m_Waiter");
    field(pageGeneral, general, l_Table, m_Table, "m_Table");
    field(pageGeneral, general, l_Article, m_Article, "m_Article");
    field(pageGeneral, general, l_Family, m_Family, "m_Family");
    auto *payment = new QFormLayout(pagePayment);
    field(pagePayment, payment, l_Payform, m_Payform, "m_Payform");
    field(pagePayment, payment, l_Vat, m_Vat, "m_Vat");
    tabWidget->addTab(pageGeneral, QString());
    tabWidget->addTab(pagePayment, QString());

    auto button = [this](const char *name) {
        auto *b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    buttonHelp = button("buttonHelp");
    buttonStart = button("buttonStart");
    buttonStart->setDefault(true);
    buttonView = button("buttonView");
    buttonClose = button("buttonClose");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(buttonHelp);
    buttons->addStretch(1);
    buttons->addWidget(buttonStart);
    buttons->addWidget(buttonView);
    buttons->addWidget(buttonClose);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabWidget);
    layout->addLayout(buttons);

    connect(buttonHelp, &QPushButton::clicked, this, &TSumFilterTestBase::onHelp);
    connect(buttonStart, &QPushButton::clicked, this, &TSumFilterTestBase::onStart);
    connect(buttonView, &QPushButton::clicked, this, &TSumFilterTestBase::onView);
    connect(buttonClose, &QPushButton::clicked, this, &QDialog::reject);

    languageChange();
}

TSumFilterTestBase::~TSumFilterTestBase() = default;

int TSumFilterTestBase::exec()
{
    return TOffDlg::checkOpen(this) ? QDialog::exec() : QDialog::Rejected;
}

void TSumFilterTestBase::languageChange()
{
    setWindowTitle(tr("Test summary filter..."));
    tabWidget->setTabText(tabWidget->indexOf(pageGeneral), tr("&General"));
    tabWidget->setTabText(tabWidget->indexOf(pagePayment), tr("Pa&yment"));
    l_Center->setText(tr("&Cost center:"));
    l_Waiter->setText(tr("&Waiter:"));
    l_Table->setText(tr("&Table:"));
    l_Article->setText(tr("&Article:"));
    l_Family->setText(tr("&Family:"));
    l_Payform->setText(tr("&Payform:"));
    l_Vat->setText(tr("&Vat rate:"));
    buttonHelp->setText(tr("Help"));
    buttonStart->setText(tr("Start"));
    buttonView->setText(tr("&Script..."));
    buttonClose->setText(tr("Close"));
}

void TSumFilterTestBase::onHelp()
{
    notImplemented("TSumFilterTestBase::onHelp()");
}

void TSumFilterTestBase::onStart()
{
    notImplemented("TSumFilterTestBase::onStart()");
}

void TSumFilterTestBase::onView()
{
    notImplemented("TSumFilterTestBase::onView()");
}
