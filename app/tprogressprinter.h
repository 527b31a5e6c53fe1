#pragma once

#include <QDate>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <cstdio>

// The progress of a report on a terminal, redrawn in place on one line:
// the day being read, one bar over the whole run (the days done of the
// days asked, each advanced by the day's own steps) and, over more than one
// day, which day of how many it is.
class TProgressPrinter : public QObject
{
public:
    explicit TProgressPrinter(std::FILE *stream);
    ~TProgressPrinter() override;

    // The steps of a run that reports no days (the paid tables journal):
    // the bar runs over them.
    void setSteps(int steps);
    void setStep(int step);
    // The position over the whole run (PosLib::TRunProgress::changed).
    void setRun(int value, int maximum);
    // The day being read (PosLib::TRunProgress::dayChanged).
    void setDay(const QDate &day, int number, int days);
    // The day being read by a run that counts its days in its own steps
    // (the exports, the exceptions): the bar keeps its position.
    void setDate(const QDate &day) { setDay(day, 0, 0); }
    // Clears the line.
    void done();

    // The line at `step` of `steps`: "2026-12-04 [#####     ]  50%", with
    // " (day 3 of 7)" when the run has more than one day.
    static QString line(const QString &day, int step, int steps, int dayNumber = 0, int days = 0);

private:
    void draw();

    std::FILE *m_stream;
    int m_steps = 0;
    int m_step = 0;
    int m_shown = -1; // the percentage on the screen
    QString m_day;
    int m_dayNumber = 0;
    int m_days = 0;
    int m_width = 0; // of the longest line drawn
    bool m_drawn = false;
    QElapsedTimer m_clock; // since the last redraw
};
