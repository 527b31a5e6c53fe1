#pragma once

#include <QDate>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <cstdio>

// The progress of a report on a terminal: the day being read and a bar
// for the tables (or bytes) of that day, redrawn in place on one line.
class TProgressPrinter : public QObject
{
public:
    explicit TProgressPrinter(std::FILE *stream);
    ~TProgressPrinter() override;

    void setSteps(int steps);
    void setStep(int step);
    void setDate(const QDate &day);
    // Clears the line.
    void done();

    // The line for `day` at step of steps: "2026-12-04 [#####     ]  50%".
    static QString line(const QString &day, int step, int steps);

private:
    void draw();

    std::FILE *m_stream;
    int m_steps = 0;
    int m_step = 0;
    int m_shown = -1; // the percentage on the screen
    QString m_day;
    bool m_drawn = false;
    QElapsedTimer m_clock; // since the last redraw
};
