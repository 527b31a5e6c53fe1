#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>

class QThread;

// Verifies every closing of an installation away from the window's thread:
// first the closings against their records, then, day by day, the day's
// records, summary and bills against each other (which reads every bill
// and summary, seconds for a year). Tells its progress per day and can be
// cancelled between two days.
class TVerifyRun : public QObject
{
    Q_OBJECT
public:
    explicit TVerifyRun(const QString &root, QObject *parent = nullptr);
    ~TVerifyRun() override;

    void start();
    // Stops after the day being checked (before the first one when called
    // before start()); finished() then says cancelled.
    void cancel() { m_cancelled = true; }
    bool isRunning() const;

Q_SIGNALS:
    // `done` of `total` steps (the closings, then one per closed day).
    void progress(int done, int total);
    // The findings' texts; `cancelled` when it stopped before the end.
    void finished(const QStringList &findings, bool cancelled);

private:
    void work();

    QString m_root;
    std::atomic_bool m_cancelled {false};
    QThread *m_thread = nullptr;
};
