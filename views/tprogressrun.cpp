#include "tprogressrun.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>

#include <memory>

TProgressRun::TProgressRun(QWidget *parent, const QString &title, const QString &label)
    : m_parent(parent)
    , m_title(title)
    , m_label(label)
{ }

void TProgressRun::run(const std::function<void()> &work)
{
    QProgressDialog progress(m_label, tr("Cancel"), 0, 0, m_parent);
    progress.setObjectName(QStringLiteral("progressrun"));
    progress.setWindowTitle(m_title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    connect(this, &TProgressRun::stepped, &progress, [&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
    });
    connect(&progress, &QProgressDialog::canceled, this, [this] { m_cancelled = true; });

    QEventLoop loop;
    std::unique_ptr<QThread> thread(QThread::create(work));
    // queued: the thread may end before the loop runs, the quit waits for it
    connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    m_dialog = &progress;
    thread->start();
    progress.show();
    loop.exec();
    thread->wait();
    m_dialog = nullptr;
    progress.close();
}
