#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct TCommand;

namespace WebLib {

// How a command run for the web view ended.
struct TCommandOutcome
{
    int code = 0; // the command line's exit code (ExitOk, ExitUsage, ...)
    QByteArray output; // what it wrote, when it succeeded
    QString message; // its message when it failed: the first it printed
    bool tooLarge = false; // the output was larger than allowed (and dropped)
};

// Runs `command` in this process as 'veltrum NAME ARGS --output FILE'
// runs it, FILE a temporary file outside the installation, and takes its
// output from there: the web view answers with exactly what the command
// line writes. Its messages are kept, not printed. An output larger than
// `maxBytes` is not read (tooLarge).
TCommandOutcome callCommand(const TCommand &command, const QStringList &args, qint64 maxBytes);

} // namespace WebLib
