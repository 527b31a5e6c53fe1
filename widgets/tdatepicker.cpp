#include "tdatepicker.h"

#include "tdatevalidator.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

namespace QtWidgets {

TDatePicker::TDatePicker(QWidget *parent)
    : QWidget(parent)
    , m_edit(new QLineEdit(this))
    , m_button(new QToolButton(this))
    , m_validator(new TDateValidator(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_edit);
    layout->addWidget(m_button);
    m_edit->setValidator(m_validator);
    m_edit->setPlaceholderText(tr("dd/mm/yyyy"));
    m_button->setArrowType(Qt::DownArrow);
    setFocusProxy(m_edit);
    connect(m_edit, &QLineEdit::editingFinished, this, &TDatePicker::onEdited);
    // a whole date counts as soon as it is typed, so that a key that acts
    // on the date (F5) takes it without Enter first
    connect(m_edit, &QLineEdit::textEdited, this, [this](const QString &text) {
        QString typed = text;
        int pos = 0;
        if (m_validator->validate(typed, pos) == QValidator::Acceptable)
            take(date());
    });
    // leaving the field takes what it holds, completed, also when
    // it is not a whole date yet ("5.3.")
    m_edit->installEventFilter(this);
    connect(m_button, &QToolButton::clicked, this, &TDatePicker::showCalendar);
}

TDatePicker::~TDatePicker() = default;

void TDatePicker::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_edit->setPlaceholderText(tr("dd/mm/yyyy"));
        // the typed form of the new language
        if (m_date.isValid())
            m_edit->setText(TDateValidator::textOf(m_date));
    }
    QWidget::changeEvent(event);
}

QDate TDatePicker::date() const
{
    return m_validator->dateOf(m_edit->text());
}

void TDatePicker::setDate(const QDate &date)
{
    const QDate shown = date.isValid() || m_allowEmpty ? date : QDate::currentDate();
    m_edit->setText(TDateValidator::textOf(shown));
    if (shown != m_date) {
        m_date = shown;
        emit dateChanged(m_date);
    }
}

bool TDatePicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::FocusOut)
        commit();
    return QWidget::eventFilter(watched, event);
}

void TDatePicker::take(const QDate &date)
{
    if (date != m_date) {
        m_date = date;
        emit dateChanged(m_date);
    }
}

void TDatePicker::commit()
{
    onEdited();
}

void TDatePicker::onEdited()
{
    QString text = m_edit->text();
    m_validator->fixup(text);
    m_edit->setText(text);
    const QDate typed = date();
    if (!typed.isValid() && !m_allowEmpty) {
        setDate(m_date.isValid() ? m_date : QDate::currentDate());
        return;
    }
    take(typed);
}

void TDatePicker::showCalendar()
{
    if (!m_calendar) {
        m_calendar = new QCalendarWidget(this);
        m_calendar->setWindowFlags(Qt::Popup);
        m_calendar->setGridVisible(true);
        connect(m_calendar, &QCalendarWidget::clicked, this, &TDatePicker::onPicked);
        connect(m_calendar, &QCalendarWidget::activated, this, &TDatePicker::onPicked);
    }
    m_calendar->setSelectedDate(m_date.isValid() ? m_date : QDate::currentDate());
    m_calendar->move(mapToGlobal(QPoint(0, height())));
    m_calendar->show();
}

void TDatePicker::onPicked(const QDate &date)
{
    if (m_calendar)
        m_calendar->hide();
    setDate(date);
}

} // namespace QtWidgets
