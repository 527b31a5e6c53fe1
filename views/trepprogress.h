#pragma once

#include "trepprogressbase.h"

// The progress dialog of a report run. "Cancel" (and Escape, and closing
// the window) asks the run to stop with cancelled() and leaves the dialog
// up: the caller closes it with finish() once the generator has stopped.
class TRepProgress : public TRepProgressBase
{
    Q_OBJECT
public:
    explicit TRepProgress(QWidget *parent = nullptr);
    ~TRepProgress() override;

    // True once cancelled() was emitted.
    bool isCancelled() const { return m_cancelled; }
    // Closes the dialog.
    void finish();

public Q_SLOTS:
    void reject() override;
    void languageChange() override;

Q_SIGNALS:
    void cancelled();

private:
    bool m_cancelled = false;
};
