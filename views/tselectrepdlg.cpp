#include "tselectrepdlg.h"

#include "toffdlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct Choice
{
    const char *label;
    int identifier;
    int kind; // the reports document's id
};

// In the order of the buttons.
const Choice Choices[] = {
        {QT_TRANSLATE_NOOP("TSelectRepDlg", "&1) Paid tables"), 0, 1},
        {QT_TRANSLATE_NOOP("TSelectRepDlg", "&2) Journal"), 1, 2},
        {QT_TRANSLATE_NOOP("TSelectRepDlg", "&c) Cost center report"), 33, 6},
        {QT_TRANSLATE_NOOP("TSelectRepDlg", "&h) Families per waiter"), 21, 11},
        {QT_TRANSLATE_NOOP("TSelectRepDlg", "&g) All families"), 11, 10},
        {QT_TRANSLATE_NOOP("TSelectRepDlg", "&d) All articles"), 12, 7},
        {QT_TRANSLATE_NOOP("TSelectRepDlg", "&e) Articles per waiter"), 22, 8},
        {QT_TRANSLATE_NOOP("TSelectRepDlg", "&f) Articles per cost center"), 32, 9},
        {QT_TRANSLATE_NOOP("TSelectRepDlg", "&i) Families per cost center"), 31, 12},
        {QT_TRANSLATE_NOOP("TSelectRepDlg", "b) Waiter report"), 23, 5},
        {QT_TRANSLATE_NOOP("TSelectRepDlg", "&a) All waiters"), 13, 4},
        {QT_TRANSLATE_NOOP("TSelectRepDlg", "&j) All voids"), 14, 13},
        {QT_TRANSLATE_NOOP("TSelectRepDlg", "&k) Voids per waiter"), 24, 14},
        {QT_TRANSLATE_NOOP("TSelectRepDlg", "&l) Voids per cost center"), 34, 15},
        {QT_TRANSLATE_NOOP("TSelectRepDlg", "m) Waiter payments"), 25, 3},
};

} // namespace

TSelectRepDlg::TSelectRepDlg(QWidget *parent)
    : QDialog(parent)
    , m_ReportBox(new QGroupBox(this))
    , m_Report(new QButtonGroup(this))
    , m_Tables(nullptr)
    , b_Help(new QPushButton(this))
    , b_Ok(new QPushButton(this))
    , b_Cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("TSelectRepDlg"));
    m_ReportBox->setObjectName(QStringLiteral("m_Report"));
    b_Help->setObjectName(QStringLiteral("b_Help"));
    auto *column = new QVBoxLayout(m_ReportBox);
    for (const Choice &choice : Choices) {
        auto *button = new QRadioButton(m_ReportBox);
        m_Report->addButton(button, choice.identifier);
        column->addWidget(button);
        if (choice.identifier == 25) {
            button->setObjectName(QStringLiteral("m_Tables"));
            m_Tables = button;
        }
    }
    m_Report->button(0)->setChecked(true);

    b_Ok->setDefault(true);
    connect(b_Help, &QPushButton::clicked, this, &TSelectRepDlg::onHelp);
    connect(b_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(b_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(b_Help);
    buttons->addStretch(1);
    buttons->addWidget(b_Ok);
    buttons->addWidget(b_Cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_ReportBox);
    layout->addLayout(buttons);
    languageChange();
}

TSelectRepDlg::~TSelectRepDlg() = default;

int TSelectRepDlg::exec()
{
    return TOffDlg::checkOpen(this) ? QDialog::exec() : QDialog::Rejected;
}

int TSelectRepDlg::reportKindOf(int identifier)
{
    for (const Choice &choice : Choices)
        if (choice.identifier == identifier)
            return choice.kind;
    return 0;
}

int TSelectRepDlg::report() const
{
    return m_Report->checkedId();
}

void TSelectRepDlg::setReport(int identifier)
{
    if (QAbstractButton *button = m_Report->button(identifier))
        button->setChecked(true);
}

void TSelectRepDlg::languageChange()
{
    setWindowTitle(tr("Select new report..."));
    m_ReportBox->setTitle(tr("Available reports"));
    for (const Choice &choice : Choices)
        m_Report->button(choice.identifier)->setText(tr(choice.label));
    b_Help->setText(tr("Help"));
    b_Ok->setText(tr("OK"));
    b_Cancel->setText(tr("Cancel"));
}

void TSelectRepDlg::onHelp()
{
    TOffDlg::showHelp(this, QStringLiteral("veltrum.html#newreport"));
}
