#include "tsumfilterdlgbase.h"

#include "dialogbuttons.h"
#include "notimplemented.h"
#include "toffdlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

TSumFilterDlgBase::TSumFilterDlgBase(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TSumFilterDlg"));
    setSizeGripEnabled(true);

    auto *fields = new QGridLayout;
    l_Number = new QLabel(this);
    m_Number = new QLineEdit(this);
    m_Number->setObjectName(QStringLiteral("m_Number"));
    m_Number->setMaximumWidth(90);
    l_Name = new QLabel(this);
    m_Name = new QLineEdit(this);
    m_Name->setObjectName(QStringLiteral("m_Name"));
    l_Descr = new QLabel(this);
    m_Descr = new QLineEdit(this);
    m_Descr->setObjectName(QStringLiteral("m_Descr"));
    b_Test = newButton(this, "b_Test");
    l_Number->setBuddy(m_Number);
    l_Name->setBuddy(m_Name);
    l_Descr->setBuddy(m_Descr);
    fields->addWidget(l_Number, 0, 0);
    fields->addWidget(m_Number, 0, 1, Qt::AlignLeft);
    fields->addWidget(b_Test, 0, 2, Qt::AlignRight);
    fields->addWidget(l_Name, 1, 0);
    fields->addWidget(m_Name, 1, 1, 1, 2);
    fields->addWidget(l_Descr, 2, 0);
    fields->addWidget(m_Descr, 2, 1, 1, 2);
    fields->setColumnStretch(1, 1);

    tabWidget = new QTabWidget(this);
    tabWidget->setObjectName(QStringLiteral("tabWidget"));
    pageTable = buildPage(m_Tables, b_TabAdd, b_TabEdit, b_TabDelete, b_TabRange, b_TabFlags,
                          QStringLiteral("Tab"));
    pageTable->setObjectName(QStringLiteral("pageTable"));
    m_Tables->setObjectName(QStringLiteral("m_Tables"));
    pageEntry = buildPage(m_Entries, b_EntAdd, b_EntEdit, b_EntDelete, b_EntRange, b_EntFlags,
                          QStringLiteral("Ent"));
    pageEntry->setObjectName(QStringLiteral("pageEntry"));
    m_Entries->setObjectName(QStringLiteral("m_Entries"));
    tabWidget->addTab(pageTable, QString());
    tabWidget->addTab(pageEntry, QString());

    // record navigation, then the dialog buttons
    auto *buttons = new QHBoxLayout;
    addNavigationButtons(this, buttons, b_First, b_Prev, b_Next, b_Last);
    buttons->addStretch(1);
    addDialogButtons(this, buttons, buttonHelp, buttonOk, buttonCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(tabWidget, 1);
    layout->addLayout(buttons);

    buildMenus();

    connect(b_Test, &QPushButton::clicked, this, &TSumFilterDlgBase::onTest);
    connect(buttonHelp, &QPushButton::clicked, this, &TSumFilterDlgBase::onHelp);
    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(b_First, &QPushButton::clicked, this, &TSumFilterDlgBase::onFirst);
    connect(b_Prev, &QPushButton::clicked, this, &TSumFilterDlgBase::onPrev);
    connect(b_Next, &QPushButton::clicked, this, &TSumFilterDlgBase::onNext);
    connect(b_Last, &QPushButton::clicked, this, &TSumFilterDlgBase::onLast);
    for (QLineEdit *edit : {m_Number, m_Name, m_Descr})
        connect(edit, &QLineEdit::textChanged, this, &TSumFilterDlgBase::onChange);
    connect(m_Tables, &QTreeWidget::currentItemChanged, this, &TSumFilterDlgBase::onTabChanged);
    connect(m_Tables, &QTreeWidget::itemDoubleClicked, this, &TSumFilterDlgBase::onTabEdit);
    connect(b_TabAdd, &QPushButton::clicked, this, &TSumFilterDlgBase::onTabNew);
    connect(b_TabEdit, &QPushButton::clicked, this, &TSumFilterDlgBase::onTabEdit);
    connect(b_TabDelete, &QPushButton::clicked, this, &TSumFilterDlgBase::onTabDelete);
    connect(m_Entries, &QTreeWidget::currentItemChanged, this, &TSumFilterDlgBase::onEntChanged);
    connect(m_Entries, &QTreeWidget::itemDoubleClicked, this, &TSumFilterDlgBase::onEntEdit);
    connect(b_EntAdd, &QPushButton::clicked, this, &TSumFilterDlgBase::onEntNew);
    connect(b_EntEdit, &QPushButton::clicked, this, &TSumFilterDlgBase::onEntEdit);
    connect(b_EntDelete, &QPushButton::clicked, this, &TSumFilterDlgBase::onEntDelete);

    languageChange();
    resize(560, 440);
}

TSumFilterDlgBase::~TSumFilterDlgBase() = default;

int TSumFilterDlgBase::exec()
{
    return TOffDlg::checkOpen(this) ? QDialog::exec() : QDialog::Rejected;
}

QWidget *TSumFilterDlgBase::buildPage(QTreeWidget *&list, QPushButton *&add, QPushButton *&edit,
                                      QPushButton *&remove, QPushButton *&range,
                                      QPushButton *&flags, const QString &prefix)
{
    auto *page = new QWidget(this);
    list = new QTreeWidget(page);
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    list->setColumnCount(3);
    list->header()->setStretchLastSection(true);
    list->setColumnWidth(0, 200);
    list->setColumnWidth(1, 70);
    auto name = [&](const char *what) {
        return (QStringLiteral("b_") + prefix + QLatin1String(what));
    };
    add = newButton(page, "");
    add->setObjectName(name("Add"));
    edit = newButton(page, "");
    edit->setObjectName(name("Edit"));
    remove = newButton(page, "");
    remove->setObjectName(name("Delete"));
    range = newButton(page, "");
    range->setObjectName(name("Range"));
    flags = newButton(page, "");
    flags->setObjectName(name("Flags"));
    auto *side = new QVBoxLayout;
    for (QPushButton *b : {add, edit, remove, range, flags})
        side->addWidget(b);
    side->addStretch(1);
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(list, 1);
    layout->addLayout(side);
    return page;
}

void TSumFilterDlgBase::buildMenus()
{
    using Slot = void (TSumFilterDlgBase::*)();
    auto menu = [this](QPushButton *owner, std::initializer_list<Slot> handlers) {
        auto *popup = new QMenu(owner);
        for (Slot slot : handlers)
            connect(popup->addAction(QString()), &QAction::triggered, this, slot);
        owner->setMenu(popup);
        return popup;
    };
    using B = TSumFilterDlgBase;
    tabRangeMenu = menu(b_TabRange, {&B::onTabTables, &B::onTabCenters, &B::onTabTerminals,
                                     &B::onTabWaiters, &B::onTabArticles, &B::onTabFamilies,
                                     &B::onTabFamGroups, &B::onTabPayforms});
    tabFlagsMenu = menu(b_TabFlags, {&B::onTabTakeaway, &B::onTabNoTakeaway, &B::onTabInSummary,
                                     &B::onTabNoSummary});
    entRangeMenu = menu(b_EntRange, {&B::onEntTables, &B::onEntCenters, &B::onEntTerminals,
                                     &B::onEntWaiters, &B::onEntArticles, &B::onEntFamilies,
                                     &B::onEntFamGroups, &B::onEntPayforms});
    entFlagsMenu = menu(b_EntFlags, {&B::onEntTakeaway, &B::onEntNoTakeaway, &B::onEntInSummary,
                                     &B::onEntNoSummary, &B::onEntTypeOrder, &B::onEntTypeVoid,
                                     &B::onEntTypePay});
}

void TSumFilterDlgBase::setRangeTexts(QMenu *menu)
{
    const QString texts[]
            = {tr("T&able range"),        tr("&Cost center range"), tr("&Terminal range"),
               tr("&Waiter range"),       tr("&Article range"),     tr("&Family range"),
               tr("Family &group range"), tr("&Payform range")};
    const QList<QAction *> actions = menu->actions();
    for (int i = 0; i < actions.size() && i < int(std::size(texts)); ++i)
        actions.at(i)->setText(texts[i]);
}

void TSumFilterDlgBase::setFlagTexts(QMenu *menu)
{
    const QString texts[] = {tr("&Takeaway payment"),
                             tr("&No takeaway payment"),
                             tr("&In summary payment"),
                             tr("N&ot in summary payment"),
                             tr("Is an order"),
                             tr("Is a void"),
                             tr("Is a Pay")};
    const QList<QAction *> actions = menu->actions();
    for (int i = 0; i < actions.size() && i < int(std::size(texts)); ++i)
        actions.at(i)->setText(texts[i]);
}

void TSumFilterDlgBase::languageChange()
{
    setWindowTitle(tr("Insert new summary filter..."));
    l_Number->setText(tr("N&umber:"));
    l_Name->setText(tr("&Name:"));
    l_Descr->setText(tr("&Description:"));
    b_Test->setText(tr("Test F&ilter"));
    tabWidget->setTabText(tabWidget->indexOf(pageTable), tr("&Table filter"));
    tabWidget->setTabText(tabWidget->indexOf(pageEntry), tr("Entry &filter"));
    for (QTreeWidget *list : {m_Tables, m_Entries})
        list->setHeaderLabels({tr("Attribute"), tr("Comp"), tr("Value")});
    for (QPushButton *b : {b_TabAdd, b_EntAdd})
        b->setText(tr("&Add"));
    for (QPushButton *b : {b_TabEdit, b_EntEdit})
        b->setText(tr("&Edit"));
    for (QPushButton *b : {b_TabDelete, b_EntDelete})
        b->setText(tr("&Delete"));
    for (QPushButton *b : {b_TabRange, b_EntRange})
        b->setText(tr("&Range"));
    for (QPushButton *b : {b_TabFlags, b_EntFlags})
        b->setText(tr("F&lags"));
    buttonHelp->setText(tr("Help"));
    buttonOk->setText(tr("OK"));
    buttonCancel->setText(tr("Cancel"));
    setRangeTexts(tabRangeMenu);
    setRangeTexts(entRangeMenu);
    setFlagTexts(tabFlagsMenu);
    setFlagTexts(entFlagsMenu);
}

void TSumFilterDlgBase::onTest()
{
    notImplemented("TSumFilterDlgBase::onTest()");
}

void TSumFilterDlgBase::onHelp()
{
    notImplemented("TSumFilterDlgBase::onHelp()");
}

void TSumFilterDlgBase::onFirst()
{
    notImplemented("TSumFilterDlgBase::onFirst()");
}

void TSumFilterDlgBase::onPrev()
{
    notImplemented("TSumFilterDlgBase::onPrev()");
}

void TSumFilterDlgBase::onNext()
{
    notImplemented("TSumFilterDlgBase::onNext()");
}

void TSumFilterDlgBase::onLast()
{
    notImplemented("TSumFilterDlgBase::onLast()");
}

void TSumFilterDlgBase::onChange()
{
    notImplemented("TSumFilterDlgBase::onChange()");
}

void TSumFilterDlgBase::onTabChanged(QTreeWidgetItem *)
{
    notImplemented("TSumFilterDlgBase::onTabChanged(QTreeWidgetItem*)");
}

void TSumFilterDlgBase::onTabNew()
{
    notImplemented("TSumFilterDlgBase::onTabNew()");
}

void TSumFilterDlgBase::onTabEdit()
{
    notImplemented("TSumFilterDlgBase::onTabEdit()");
}

void TSumFilterDlgBase::onTabDelete()
{
    notImplemented("TSumFilterDlgBase::onTabDelete()");
}

void TSumFilterDlgBase::onTabTables()
{
    notImplemented("TSumFilterDlgBase::onTabTables()");
}

void TSumFilterDlgBase::onTabCenters()
{
    notImplemented("TSumFilterDlgBase::onTabCenters()");
}

void TSumFilterDlgBase::onTabTerminals()
{
    notImplemented("TSumFilterDlgBase::onTabTerminals()");
}

void TSumFilterDlgBase::onTabWaiters()
{
    notImplemented("TSumFilterDlgBase::onTabWaiters()");
}

void TSumFilterDlgBase::onTabArticles()
{
    notImplemented("TSumFilterDlgBase::onTabArticles()");
}

void TSumFilterDlgBase::onTabFamilies()
{
    notImplemented("TSumFilterDlgBase::onTabFamilies()");
}

void TSumFilterDlgBase::onTabFamGroups()
{
    notImplemented("TSumFilterDlgBase::onTabFamGroups()");
}

void TSumFilterDlgBase::onTabPayforms()
{
    notImplemented("TSumFilterDlgBase::onTabPayforms()");
}

void TSumFilterDlgBase::onTabTakeaway()
{
    notImplemented("TSumFilterDlgBase::onTabTakeaway()");
}

void TSumFilterDlgBase::onTabNoTakeaway()
{
    notImplemented("TSumFilterDlgBase::onTabNoTakeaway()");
}

void TSumFilterDlgBase::onTabInSummary()
{
    notImplemented("TSumFilterDlgBase::onTabInSummary()");
}

void TSumFilterDlgBase::onTabNoSummary()
{
    notImplemented("TSumFilterDlgBase::onTabNoSummary()");
}

void TSumFilterDlgBase::onEntChanged(QTreeWidgetItem *)
{
    notImplemented("TSumFilterDlgBase::onEntChanged(QTreeWidgetItem*)");
}

void TSumFilterDlgBase::onEntNew()
{
    notImplemented("TSumFilterDlgBase::onEntNew()");
}

void TSumFilterDlgBase::onEntEdit()
{
    notImplemented("TSumFilterDlgBase::onEntEdit()");
}

void TSumFilterDlgBase::onEntDelete()
{
    notImplemented("TSumFilterDlgBase::onEntDelete()");
}

void TSumFilterDlgBase::onEntTables()
{
    notImplemented("TSumFilterDlgBase::onEntTables()");
}

void TSumFilterDlgBase::onEntCenters()
{
    notImplemented("TSumFilterDlgBase::onEntCenters()");
}

void TSumFilterDlgBase::onEntTerminals()
{
    notImplemented("TSumFilterDlgBase::onEntTerminals()");
}

void TSumFilterDlgBase::onEntWaiters()
{
    notImplemented("TSumFilterDlgBase::onEntWaiters()");
}

void TSumFilterDlgBase::onEntArticles()
{
    notImplemented("TSumFilterDlgBase::onEntArticles()");
}

void TSumFilterDlgBase::onEntFamilies()
{
    notImplemented("TSumFilterDlgBase::onEntFamilies()");
}

void TSumFilterDlgBase::onEntFamGroups()
{
    notImplemented("TSumFilterDlgBase::onEntFamGroups()");
}

void TSumFilterDlgBase::onEntPayforms()
{
    notImplemented("TSumFilterDlgBase::onEntPayforms()");
}

void TSumFilterDlgBase::onEntTakeaway()
{
    notImplemented("TSumFilterDlgBase::onEntTakeaway()");
}

void TSumFilterDlgBase::onEntNoTakeaway()
{
    notImplemented("TSumFilterDlgBase::onEntNoTakeaway()");
}

void TSumFilterDlgBase::onEntInSummary()
{
    notImplemented("TSumFilterDlgBase::onEntInSummary()");
}

void TSumFilterDlgBase::onEntNoSummary()
{
    notImplemented("TSumFilterDlgBase::onEntNoSummary()");
}

void TSumFilterDlgBase::onEntTypeOrder()
{
    notImplemented("TSumFilterDlgBase::onEntTypeOrder()");
}

void TSumFilterDlgBase::onEntTypeVoid()
{
    notImplemented("TSumFilterDlgBase::onEntTypeVoid()");
}

void TSumFilterDlgBase::onEntTypePay()
{
    notImplemented("TSumFilterDlgBase::onEntTypePay()");
}
