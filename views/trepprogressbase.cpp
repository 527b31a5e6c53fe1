#include "trepprogressbase.h"

#include "tlocaltext.h"

#include <QApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// How long the events may wait while a run reports its steps: short
// enough for a smooth bar and a prompt "Cancel".
const int EventInterval = 20; // milliseconds

} // namespace

TRepProgressBase::TRepProgressBase(QWidget *parent)
    : QDialog(parent)
    , m_Date(new QDateEdit(this))
    , m_Progress(new QProgressBar(this))
    , b_Cancel(new QPushButton(this))
    , m_Group(new QGroupBox(this))
    , m_DateLabel(new QLabel(m_Group))
    , m_ProgressLabel(new QLabel(m_Group))
{
    setObjectName(QStringLiteral("trepprogress"));
    m_Date->setObjectName(QStringLiteral("m_Date"));
    m_Progress->setObjectName(QStringLiteral("m_Progress"));
    b_Cancel->setObjectName(QStringLiteral("b_Cancel"));
    m_Date->setReadOnly(true);
    m_Date->setFocusPolicy(Qt::NoFocus);
    m_Date->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_Date->setDate(QDate::currentDate());
    m_Progress->setRange(0, 1);
    m_Progress->setValue(0);
    m_Progress->setMinimumWidth(260);

    auto *grid = new QGridLayout(m_Group);
    m_Date->setParent(m_Group);
    m_Progress->setParent(m_Group);
    grid->addWidget(m_DateLabel, 0, 0);
    grid->addWidget(m_Date, 0, 1);
    grid->addWidget(m_ProgressLabel, 1, 0);
    grid->addWidget(m_Progress, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(b_Cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_Group);
    layout->addLayout(buttons);

    connect(b_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    languageChange();
}

TRepProgressBase::~TRepProgressBase() = default;

void TRepProgressBase::processEvents()
{
    if (m_sinceEvents.isValid() && m_sinceEvents.elapsed() < EventInterval)
        return;
    QApplication::processEvents();
    m_sinceEvents.start();
}

void TRepProgressBase::setSteps(int steps)
{
    // a bar over 0 … 0 would show as busy; an empty run shows an empty bar
    m_Progress->setRange(0, qMax(1, steps));
    m_sinceEvents.invalidate();
    processEvents();
    m_Progress->setValue(0);
    m_sinceStep.invalidate();
}

void TRepProgressBase::setStep(int step)
{
    processEvents();
    // a year's run reports a step per table; a bar that moved by a pixel
    // paints itself right away, which cost ten times the reading
    if (m_sinceStep.isValid() && m_sinceStep.elapsed() < EventInterval)
        return;
    m_Progress->setValue(qBound(m_Progress->minimum(), step, m_Progress->maximum()));
    m_sinceStep.start();
}

void TRepProgressBase::setDate(const QDate &date)
{
    m_Date->setDate(date);
}

void TRepProgressBase::setRunProgress(int value, int maximum)
{
    processEvents();
    if (m_Progress->maximum() != std::max(1, maximum)) {
        m_Progress->setRange(0, std::max(1, maximum));
        m_sinceStep.invalidate();
    }
    if (m_sinceStep.isValid() && m_sinceStep.elapsed() < EventInterval && value < maximum)
        return;
    m_Progress->setValue(std::clamp(value, 0, m_Progress->maximum()));
    m_sinceStep.start();
}

void TRepProgressBase::setRunDay(const QDate &day, int number, int days)
{
    m_dayNumber = number;
    m_days = days;
    if (day.isValid())
        m_Date->setDate(day);
    languageChange();
}

void TRepProgressBase::languageChange()
{
    setWindowTitle(tr("Generating report..."));
    m_Group->setTitle(QString());
    m_Date->setDisplayFormat(Basics::datePattern());
    m_DateLabel->setText(m_days > 1 ? tr("Day %1 of %2:").arg(m_dayNumber).arg(m_days)
                                    : tr("Current date:"));
    m_ProgressLabel->setText(tr("Progress:"));
    b_Cancel->setText(tr("Cancel"));
}
