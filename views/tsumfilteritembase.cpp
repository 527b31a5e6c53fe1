#include "tsumfilteritembase.h"

#include "dialogbuttons.h"
#include "notimplemented.h"
#include "tlocaltext.h"
#include "toffdlg.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

TSumFilterItemBase::TSumFilterItemBase(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TSumFilterItem"));
    auto named = [](QWidget *w, const char *name) {
        w->setObjectName(QLatin1String(name));
        return w;
    };
    l_Note = new QLabel(this);
    l_List = new QLabel(this);
    m_List = new QComboBox(this);
    named(m_List, "m_List");
    l_Entry = new QLabel(this);
    m_Entry = new QComboBox(this);
    named(m_Entry, "m_Entry");
    l_Comp = new QLabel(this);
    m_Comp = new QComboBox(this);
    named(m_Comp, "m_Comp");
    l_Than = new QLabel(this);
    m_Value = new QLineEdit(this);
    named(m_Value, "m_Value");
    m_Date = new QDateEdit(this);
    named(m_Date, "m_Date");
    m_Date->setCalendarPopup(true);
    m_Time = new QTimeEdit(this);
    named(m_Time, "m_Time");
    m_Time->setDisplayFormat(QStringLiteral("hh:mm:ss"));
    l_List->setBuddy(m_List);
    l_Entry->setBuddy(m_Entry);
    l_Comp->setBuddy(m_Comp);

    auto *grid = new QGridLayout;
    grid->addWidget(l_List, 0, 0);
    grid->addWidget(m_List, 0, 1);
    grid->addWidget(l_Entry, 1, 0);
    grid->addWidget(m_Entry, 1, 1);
    grid->addWidget(l_Comp, 2, 0);
    grid->addWidget(m_Comp, 2, 1);
    grid->addWidget(l_Than, 3, 0);
    auto *value = new QHBoxLayout;
    value->addWidget(m_Value, 1);
    value->addWidget(m_Date, 1);
    value->addWidget(m_Time, 1);
    grid->addLayout(value, 3, 1);
    grid->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    addDialogButtons(this, buttons, buttonHelp, buttonOk, buttonCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(l_Note);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(m_List, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &TSumFilterItemBase::onList);
    connect(m_Entry, &QComboBox::currentTextChanged, this, &TSumFilterItemBase::onEntry);
    connect(buttonHelp, &QPushButton::clicked, this, &TSumFilterItemBase::onHelp);
    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);

    languageChange();
    resize(380, 220);
}

TSumFilterItemBase::~TSumFilterItemBase() = default;

int TSumFilterItemBase::exec()
{
    return TOffDlg::checkOpen(this) ? QDialog::exec() : QDialog::Rejected;
}

void TSumFilterItemBase::languageChange()
{
    // the date as the window's language types it
    m_Date->setDisplayFormat(Basics::typedDatePattern());
    setWindowTitle(tr("Insert new filter item..."));
    l_Note->setText(tr("All other filter items must match"));
    l_List->setText(tr("&from"));
    l_Entry->setText(tr("&entry"));
    l_Comp->setText(tr("&must be"));
    l_Than->setText(tr("than"));
    buttonHelp->setText(tr("Help"));
    buttonOk->setText(tr("OK"));
    buttonCancel->setText(tr("Cancel"));
}

void TSumFilterItemBase::onList(int)
{
    notImplemented("TSumFilterItemBase::onList(int)");
}

void TSumFilterItemBase::onEntry(const QString &)
{
    notImplemented("TSumFilterItemBase::onEntry(const QString&)");
}

void TSumFilterItemBase::onHelp()
{
    notImplemented("TSumFilterItemBase::onHelp()");
}
