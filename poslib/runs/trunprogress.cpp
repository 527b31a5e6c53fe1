#include "trunprogress.h"

#include <algorithm>

namespace PosLib {

TRunProgress::TRunProgress(QObject *parent)
    : QObject(parent)
{ }

void TRunProgress::start(const QDate &from, const QDate &to)
{
    m_from = from;
    m_days = from.isValid() && to.isValid() && to > from ? int(from.daysTo(to)) + 1 : 1;
    m_dayNumber = 0;
    m_day = QDate();
    m_done = 0;
    m_steps = 0;
    m_step = 0;
    m_value = 0;
    emit changed(0, maximum());
}

int TRunProgress::percent() const
{
    return int(qint64(m_value) * 100 / maximum());
}

void TRunProgress::setDate(const QDate &day)
{
    // the generator announces a day more than once as it goes down
    if (day == m_day && m_dayNumber > 0)
        return;
    int number = m_dayNumber + 1;
    if (m_from.isValid() && day.isValid())
        number = int(std::clamp<qint64>(m_from.daysTo(day) + 1, 1, m_days));
    if (number < m_dayNumber)
        return; // never backwards
    m_day = day;
    m_dayNumber = std::min(number, m_days);
    m_done = 0;
    m_steps = 0;
    m_step = 0;
    update();
    emit dayChanged(m_day, m_dayNumber, m_days);
}

void TRunProgress::setSteps(int steps)
{
    if (m_dayNumber == 0) {
        // the current day, which is not announced
        m_dayNumber = 1;
        emit dayChanged(m_day, m_dayNumber, m_days);
    }
    // the part before counts with the steps it made
    m_done += m_step;
    m_steps = m_done + std::max(0, steps);
    m_step = 0;
    update();
}

void TRunProgress::setStep(int step)
{
    m_step = std::clamp<qint64>(step, 0, m_steps - m_done);
    update();
}

void TRunProgress::update()
{
    const qint64 within = m_steps > 0 ? (m_done + m_step) * DayScale / m_steps : 0;
    const int value = int(qint64(std::max(0, m_dayNumber - 1)) * DayScale + within);
    // a later part of a day may start lower than the earlier one ended
    if (value <= m_value)
        return;
    m_value = std::min(value, maximum());
    emit changed(m_value, maximum());
}

} // namespace PosLib
