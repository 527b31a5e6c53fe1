#include "tsumfilterlistbase.h"

#include "dialogbuttons.h"
#include "notimplemented.h"
#include "toffdlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TSumFilterListBase::TSumFilterListBase(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TSumFilterListDlg"));
    m_List = new QTreeWidget(this);
    m_List->setObjectName(QStringLiteral("m_List"));
    m_List->setRootIsDecorated(false);
    m_List->setSelectionMode(QAbstractItemView::ExtendedSelection);

    m_Group = new QGroupBox(this);
    m_Group->setObjectName(QStringLiteral("m_Group"));
    auto radio = [this](const char *name) {
        auto *b = new QRadioButton(m_Group);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    m_Order = radio("m_Order");
    m_Change = radio("m_Change");
    m_Void = radio("m_Void");
    m_Pay = radio("m_Pay");
    m_Split = radio("m_Split");
    m_Restore = radio("m_Restore");
    m_Archiv = radio("m_Archiv");
    m_Order->setChecked(true);
    auto *kinds = new QVBoxLayout(m_Group);
    for (QRadioButton *b : {m_Order, m_Change, m_Void, m_Pay, m_Split, m_Restore, m_Archiv})
        kinds->addWidget(b);
    kinds->addStretch(1);

    auto *buttons = new QVBoxLayout;
    addDialogButtons(this, buttons, buttonHelp, buttonOk, buttonCancel);
    buttons->addStretch(1);

    auto *side = new QVBoxLayout;
    side->addWidget(m_Group);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_List, 1);
    layout->addLayout(side);
    layout->addLayout(buttons);

    connect(buttonHelp, &QPushButton::clicked, this, &TSumFilterListBase::onHelp);
    connect(buttonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttonCancel, &QPushButton::clicked, this, &QDialog::reject);

    languageChange();
    resize(520, 360);
}

TSumFilterListBase::~TSumFilterListBase() = default;

int TSumFilterListBase::exec()
{
    return TOffDlg::checkOpen(this) ? QDialog::exec() : QDialog::Rejected;
}

void TSumFilterListBase::languageChange()
{
    m_List->setHeaderLabels({tr("Name")});
    m_Group->setTitle(tr("For table entry"));
    m_Order->setText(tr("Article &order"));
    m_Change->setText(tr("Table &change"));
    m_Void->setText(tr("Article &void"));
    m_Pay->setText(tr("Table &payment"));
    m_Split->setText(tr("Table &split"));
    m_Restore->setText(tr("Table &restore"));
    m_Archiv->setText(tr("Table &archived"));
    buttonHelp->setText(tr("Help"));
    buttonOk->setText(tr("OK"));
    buttonCancel->setText(tr("Cancel"));
}

void TSumFilterListBase::onHelp()
{
    notImplemented("TSumFilterListBase::onHelp()");
}
