#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What verifying an installation found.
struct TVerification
{
    QStringList findings; // the findings' texts
    bool cancelled = false; // stopped before the last day
};

// Verifies every closing of an installation: first the closings against
// their records, then, day by day, the day's records, summary and bills
// against each other (which reads every bill and summary, seconds for a
// year). `step(done, total)` tells the progress: the closings, then each
// closed day. `keepGoing` is asked between two days; false stops there.
// Reads only the installation's files, so it can run on any thread.
TVerification verifyInstallation(const QString &root, const std::function<void(int, int)> &step,
                                 const std::function<bool()> &keepGoing);
