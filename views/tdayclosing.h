#pragma once

#include "tturnoverflow.h"

#include <QDateTime>

class QWidget;
class TOffWorkspace;
namespace Basics {
class TValue;
}

// The day closing as a manager makes it in the window: the closing dialog
// proposes the open business day (the oldest day with unclosed bills) and
// shows the preview and the cash count; on OK the closing runs, the result
// names Z, bills, takings and the count's difference, and the workspace
// announces the closed day, so that the "Today" panel and every open
// document read their figures again at once.
class TDayClosing
{
public:
    TDayClosing(QWidget *parent, TOffWorkspace *workspace, Basics::TValue *loggedWaiter);

    // The clock of the closing; the current time unless set.
    void setNow(const QDateTime &now) { m_now = now; }
    // Shows the dialog and closes the day on OK; false when nothing ran.
    bool run();
    // The result of the closing that ran.
    const PosLib::TTurnoverOutcome &outcome() const { return m_outcome; }
    // The message box text shown for it.
    QString resultText() const { return m_resultText; }

private:
    void showResult(const PosLib::TTurnoverRequest &request);

    QWidget *m_parent;
    TOffWorkspace *m_workspace;
    Basics::TValue *m_loggedWaiter;
    QDateTime m_now;
    PosLib::TTurnoverOutcome m_outcome;
    QString m_resultText;
};
