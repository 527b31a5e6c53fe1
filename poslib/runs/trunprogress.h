#pragma once

#include <QDate>
#include <QObject>

namespace PosLib {

// One progress over a whole report run, for a bar that only moves forward:
// the days done of the days asked, each day advanced by the report's own
// steps of that day (its tables, or the bytes of its day summary). The
// generator's signals are fed in as they come (setDate, setSteps,
// setStep); changed() tells the position on a scale of days() × DayScale.
//
// Worked example: a run over 4 days, in its third day at 300 of 600
// bytes: (2 + 300 / 600) × 1000 = 2500 of 4000, 62 %.
class TRunProgress : public QObject
{
    Q_OBJECT
public:
    static constexpr int DayScale = 1000;

    explicit TRunProgress(QObject *parent = nullptr);

    // A new run over `from` … `to` (an invalid `from`: the current,
    // not yet closed day; an invalid `to`: `from` alone).
    void start(const QDate &from, const QDate &to);

    int days() const { return m_days; }
    // The day being read: 1 … days(); 0 before the first.
    int dayNumber() const { return m_dayNumber; }
    QDate day() const { return m_day; }
    int value() const { return m_value; }
    int maximum() const { return m_days * DayScale; }
    // 0 … 100, rounded down.
    int percent() const;

public Q_SLOTS:
    void setDate(const QDate &day);
    // A part of the day begins with this many steps (a day may come in
    // parts: one per data path, or a summary built while it is read).
    void setSteps(int steps);
    void setStep(int step);

Q_SIGNALS:
    // The position moved forward.
    void changed(int value, int maximum);
    // Another day is read: its number of all days.
    void dayChanged(const QDate &day, int number, int days);

private:
    void update();

    QDate m_from;
    int m_days = 1;
    int m_dayNumber = 0;
    QDate m_day;
    qint64 m_done = 0; // steps of the earlier parts of the day
    qint64 m_steps = 0; // steps of the day so far, the current part's included
    qint64 m_step = 0;
    int m_value = 0;
};

} // namespace PosLib
