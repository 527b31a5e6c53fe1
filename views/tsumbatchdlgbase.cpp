#include "tsumbatchdlgbase.h"

#include "dialogbuttons.h"
#include "notimplemented.h"
#include "tcombobox.h"
#include "toffdlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QTreeWidget *reportList(QWidget *parent, const char *name)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    list->setColumnCount(2);
    list->setColumnWidth(0, 40);
    list->header()->setStretchLastSection(true);
    return list;
}

} // namespace

TSumBatchDlgBase::TSumBatchDlgBase(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TSumBatchDlg"));
    setSizeGripEnabled(true);
    tabWidget = new QTabWidget(this);
    tabWidget->setObjectName(QStringLiteral("tabWidget"));
    tabGeneral = new QWidget(tabWidget);
    tabGeneral->setObjectName(QStringLiteral("tabGeneral"));

    auto *fields = new QGridLayout;
    l_ID = new QLabel(tabGeneral);
    m_ID = new QLineEdit(tabGeneral);
    m_ID->setObjectName(QStringLiteral("m_ID"));
    m_ID->setMaximumWidth(90);
    l_Name = new QLabel(tabGeneral);
    m_Name = new QLineEdit(tabGeneral);
    m_Name->setObjectName(QStringLiteral("m_Name"));
    l_Descr = new QLabel(tabGeneral);
    m_Descr = new QLineEdit(tabGeneral);
    m_Descr->setObjectName(QStringLiteral("m_Descr"));
    l_Filter = new QLabel(tabGeneral);
    m_Filter = new QtWidgets::TComboBox(tabGeneral);
    m_Filter->setObjectName(QStringLiteral("m_Filter"));
    l_Sorting = new QLabel(tabGeneral);
    m_Sorting = new QComboBox(tabGeneral);
    m_Sorting->setObjectName(QStringLiteral("m_Sorting"));
    m_SortDesc = new QCheckBox(tabGeneral);
    m_SortDesc->setObjectName(QStringLiteral("m_SortDesc"));
    m_Fiscal = new QCheckBox(tabGeneral);
    m_Fiscal->setObjectName(QStringLiteral("m_Fiscal"));
    l_ID->setBuddy(m_ID);
    l_Name->setBuddy(m_Name);
    l_Descr->setBuddy(m_Descr);
    l_Filter->setBuddy(m_Filter);
    l_Sorting->setBuddy(m_Sorting);
    fields->addWidget(l_ID, 0, 0);
    fields->addWidget(m_ID, 0, 1, Qt::AlignLeft);
    fields->addWidget(m_Fiscal, 0, 2, Qt::AlignRight);
    fields->addWidget(l_Name, 1, 0);
    fields->addWidget(m_Name, 1, 1, 1, 2);
    fields->addWidget(l_Descr, 2, 0);
    fields->addWidget(m_Descr, 2, 1, 1, 2);
    fields->addWidget(l_Filter, 3, 0);
    fields->addWidget(m_Filter, 3, 1, 1, 2);
    fields->addWidget(l_Sorting, 4, 0);
    auto *sorting = new QHBoxLayout;
    sorting->addWidget(m_Sorting, 1);
    sorting->addWidget(m_SortDesc);
    fields->addLayout(sorting, 4, 1, 1, 2);
    fields->setColumnStretch(1, 1);

    l_Reports = new QLabel(tabGeneral);
    m_Reports = reportList(tabGeneral, "m_Reports");
    l_SReports = new QLabel(tabGeneral);
    m_SReports = reportList(tabGeneral, "m_SReports");
    b_insert = newButton(tabGeneral, "b_insert");
    b_insertall = newButton(tabGeneral, "b_insertall");
    b_delete = newButton(tabGeneral, "b_delete");
    b_deleteall = newButton(tabGeneral, "b_deleteall");
    auto *available = new QVBoxLayout;
    available->addWidget(l_Reports);
    available->addWidget(m_Reports, 1);
    auto *moves = new QVBoxLayout;
    moves->addStretch(1);
    for (QPushButton *b : {b_insert, b_insertall, b_delete, b_deleteall}) {
        b->setMaximumWidth(44);
        moves->addWidget(b);
    }
    moves->addStretch(1);
    auto *selected = new QVBoxLayout;
    selected->addWidget(l_SReports);
    selected->addWidget(m_SReports, 1);
    auto *lists = new QHBoxLayout;
    lists->addLayout(available, 1);
    lists->addLayout(moves);
    lists->addLayout(selected, 1);

    auto *general = new QVBoxLayout(tabGeneral);
    general->addLayout(fields);
    general->addLayout(lists, 1);
    tabWidget->addTab(tabGeneral, QString());

    auto *buttons = new QHBoxLayout;
    addNavigationButtons(this, buttons, b_First, b_Prev, b_Next, b_Last);
    buttons->addStretch(1);
    addDialogButtons(this, buttons, buttonHelp, buttonOk, buttonCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabWidget, 1);
    layout->addLayout(buttons);

    languageChange();

    using B = TSumBatchDlgBase;
    connect(buttonHelp, &QPushButton::clicked, this, &B::onHelp);
    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(b_First, &QPushButton::clicked, this, &B::onFirst);
    connect(b_Prev, &QPushButton::clicked, this, &B::onPrev);
    connect(b_Next, &QPushButton::clicked, this, &B::onNext);
    connect(b_Last, &QPushButton::clicked, this, &B::onLast);
    connect(b_insert, &QPushButton::clicked, this, qOverload<>(&B::oninsert));
    connect(b_insertall, &QPushButton::clicked, this, &B::oninsertall);
    connect(b_delete, &QPushButton::clicked, this, qOverload<>(&B::ondelete));
    connect(b_deleteall, &QPushButton::clicked, this, &B::ondeleteall);
    connect(m_Reports, &QTreeWidget::itemDoubleClicked, this,
            qOverload<QTreeWidgetItem *>(&B::oninsert));
    connect(m_SReports, &QTreeWidget::itemDoubleClicked, this,
            qOverload<QTreeWidgetItem *>(&B::ondelete));
    for (QLineEdit *edit : {m_ID, m_Name, m_Descr})
        connect(edit, &QLineEdit::textChanged, this, &B::onChange);
    connect(m_Filter, qOverload<int>(&QComboBox::currentIndexChanged), this, &B::onChange);
    connect(m_Sorting, qOverload<int>(&QComboBox::currentIndexChanged), this, &B::onChange);
    connect(m_SortDesc, &QCheckBox::toggled, this, &B::onChange);
    connect(m_Fiscal, &QCheckBox::toggled, this, &B::onChange);
    resize(600, 480);
}

TSumBatchDlgBase::~TSumBatchDlgBase() = default;

int TSumBatchDlgBase::exec()
{
    return TOffDlg::checkOpen(this) ? QDialog::exec() : QDialog::Rejected;
}

void TSumBatchDlgBase::languageChange()
{
    setWindowTitle(tr("Insert new summary batch..."));
    tabWidget->setTabText(tabWidget->indexOf(tabGeneral), tr("General"));
    l_ID->setText(tr("N&umber:"));
    l_Name->setText(tr("&Name:"));
    l_Descr->setText(tr("&Description:"));
    l_Filter->setText(tr("&Filter:"));
    l_Sorting->setText(tr("&Sorting:"));
    const int sorting = m_Sorting->currentIndex();
    m_Sorting->clear();
    m_Sorting->addItems({tr("Default"), tr("Amount"), tr("Count"), tr("Alphabetical")});
    m_Sorting->setCurrentIndex(qMax(0, sorting));
    m_SortDesc->setText(tr("Descending"));
    m_Fiscal->setText(tr("F&iscalizing report"));
    l_Reports->setText(tr("Reports"));
    l_SReports->setText(tr("Selected reports"));
    m_Reports->setHeaderLabels({tr("No."), tr("Reports")});
    m_SReports->setHeaderLabels({tr("No."), tr("Selected reports")});
    // arrows: one or all reports over to the selection, or back
    b_insert->setText(QStringLiteral("\u25B6"));
    b_insert->setShortcut(QKeySequence(QStringLiteral("Alt+I")));
    b_insertall->setText(QStringLiteral("\u25B6\u25B6"));
    b_delete->setText(QStringLiteral("\u25C0"));
    b_deleteall->setText(QStringLiteral("\u25C0\u25C0"));
    buttonHelp->setText(tr("Help"));
    buttonOk->setText(tr("OK"));
    buttonCancel->setText(tr("Cancel"));
}

void TSumBatchDlgBase::onHelp()
{
    notImplemented("TSumBatchDlgBase::onHelp()");
}

void TSumBatchDlgBase::onFirst()
{
    notImplemented("TSumBatchDlgBase::onFirst()");
}

void TSumBatchDlgBase::onPrev()
{
    notImplemented("TSumBatchDlgBase::onPrev()");
}

void TSumBatchDlgBase::onNext()
{
    notImplemented("TSumBatchDlgBase::onNext()");
}

void TSumBatchDlgBase::onLast()
{
    notImplemented("TSumBatchDlgBase::onLast()");
}

void TSumBatchDlgBase::onChange()
{
    notImplemented("TSumBatchDlgBase::onChange()");
}

void TSumBatchDlgBase::ondelete()
{
    notImplemented("TSumBatchDlgBase::ondelete()");
}

void TSumBatchDlgBase::ondeleteall()
{
    notImplemented("TSumBatchDlgBase::ondeleteall()");
}

void TSumBatchDlgBase::oninsert()
{
    notImplemented("TSumBatchDlgBase::oninsert()");
}

void TSumBatchDlgBase::oninsertall()
{
    notImplemented("TSumBatchDlgBase::oninsertall()");
}

void TSumBatchDlgBase::oninsert(QTreeWidgetItem *)
{
    notImplemented("TSumBatchDlgBase::oninsert(QTreeWidgetItem*)");
}

void TSumBatchDlgBase::ondelete(QTreeWidgetItem *)
{
    notImplemented("TSumBatchDlgBase::ondelete(QTreeWidgetItem*)");
}

void TSumBatchDlgBase::repschanged()
{
    notImplemented("TSumBatchDlgBase::repschanged()");
}
