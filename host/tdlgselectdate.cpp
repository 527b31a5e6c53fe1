#include "tdlgselectdate.h"

#include "tdatepicker.h"
#include "toffdlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

TDlgSelectDate::TDlgSelectDate(QWidget *parent, const QString &caption)
    : QDialog(parent)
    , m_from(new QtWidgets::TDatePicker(this))
    , m_to(new QtWidgets::TDatePicker(this))
    , m_step(new QSpinBox(this))
{
    setObjectName(QStringLiteral("TDlgSelectDate"));
    setWindowTitle(caption.isEmpty() ? tr("Select date range...") : caption);
    m_from->setObjectName(QStringLiteral("m_From"));
    m_to->setObjectName(QStringLiteral("m_To"));
    m_step->setObjectName(QStringLiteral("m_Step"));
    m_step->setRange(0, 366);
    m_step->setSpecialValueText(tr("Whole range"));
    m_step->setSuffix(tr(" days"));
    const QDate today = QDate::currentDate();
    m_from->setDate(today.addDays(1 - today.day()));
    m_to->setDate(today);

    auto *form = new QFormLayout;
    form->addRow(tr("&From:"), m_from);
    form->addRow(tr("&To:"), m_to);
    form->addRow(tr("&Period:"), m_step);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TDlgSelectDate::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

TDlgSelectDate::~TDlgSelectDate() = default;

int TDlgSelectDate::exec()
{
    return TOffDlg::checkOpen(this) ? QDialog::exec() : QDialog::Rejected;
}

QDate TDlgSelectDate::getFrom() const
{
    return m_from->date();
}

QDate TDlgSelectDate::getTo() const
{
    return m_to->date();
}

int TDlgSelectDate::getStep() const
{
    return m_step->value();
}

void TDlgSelectDate::setFrom(const QDate &date)
{
    m_from->setDate(date);
}

void TDlgSelectDate::setTo(const QDate &date)
{
    m_to->setDate(date);
}

void TDlgSelectDate::setStep(int days)
{
    m_step->setValue(days);
}

void TDlgSelectDate::accept()
{
    if (!getFrom().isValid()) {
        TOffDlg::warning(this, tr("Please enter the first day of the range."));
        return;
    }
    if (getTo().isValid() && getTo() < getFrom()) {
        TOffDlg::warning(this, tr("The range ends before it begins."));
        return;
    }
    QDialog::accept();
}
