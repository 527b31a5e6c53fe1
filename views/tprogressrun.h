#pragma once

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>

class QProgressDialog;
class QWidget;

// Runs a piece of work on a thread of its own while the window stays
// responsive: a window-modal progress dialog shows how far the work got
// and offers Cancel, which the work looks at between its steps. For work
// that reads years of closed days (the exports), which would otherwise
// freeze the window for as long.
//
//     TProgressRun progress(this, tr("Export"), tr("Reading the closed days..."));
//     exporter.setKeepGoing([&] { return !progress.isCancelled(); });
//     progress.run([&] { done = exporter.run(request, &result, &error); });
class TProgressRun : public QObject
{
    Q_OBJECT
public:
    TProgressRun(QWidget *parent, const QString &title, const QString &label);

    // Runs `work` on another thread and returns when it has ended. The work
    // must not touch the window or its lists.
    void run(const std::function<void()> &work);

    // From the work: `done` of `total` steps.
    void step(int done, int total) { Q_EMIT stepped(done, total); }
    // From the work: whether the user pressed Cancel.
    bool isCancelled() const { return m_cancelled; }

    // The progress dialog while run() runs; null otherwise.
    QProgressDialog *dialog() const { return m_dialog; }

Q_SIGNALS:
    void stepped(int done, int total);

private:
    QWidget *m_parent;
    QString m_title;
    QString m_label;
    std::atomic_bool m_cancelled {false};
    QProgressDialog *m_dialog = nullptr;
};
