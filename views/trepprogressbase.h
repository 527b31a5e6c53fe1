#pragma once

#include <QDate>
#include <QDialog>
#include <QElapsedTimer>

class QDateEdit;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;

// The progress dialog of a report run ("Generating report..."): the day
// being read and how far the run is. The generator's progress signals go
// to its slots, which let the application process pending events so that
// the dialog repaints and "Cancel" can be pressed during a long run.
class TRepProgressBase : public QDialog
{
    Q_OBJECT
public:
    explicit TRepProgressBase(QWidget *parent = nullptr);
    ~TRepProgressBase() override;

    QDateEdit *m_Date;
    QProgressBar *m_Progress;
    QPushButton *b_Cancel;

public Q_SLOTS:
    // The run's number of steps; the bar starts again at 0.
    virtual void setSteps(int steps);
    virtual void setStep(int step);
    virtual void setDate(const QDate &date);
    virtual void languageChange();
    // The position over the whole run (TRunProgress::changed): the bar
    // only moves forward, over all days.
    void setRunProgress(int value, int maximum);
    // The day being read, as the number of days asked: "Day 3 of 30".
    void setRunDay(const QDate &day, int number, int days);

protected:
    // Lets the application handle its pending events, at most every few
    // milliseconds: a run over a year reports a step per table, and
    // handling events for each would cost more than reading the table.
    void processEvents();

private:
    QGroupBox *m_Group;
    QLabel *m_DateLabel;
    QLabel *m_ProgressLabel;
    QElapsedTimer m_sinceEvents;
    // since the bar last moved: it moves at most every few milliseconds,
    // as each move paints it at once
    QElapsedTimer m_sinceStep;
    int m_dayNumber = 0;
    int m_days = 0;
};
