#pragma once

#include "tcommand.h"
#include "tworkspacelists.h"

class TArgs;

namespace Basics {
class TValue;
}

// Options that several commands share, worded once.
TCommandOption dataOption(); // --data DIR, required
TCommandOption nowOption(); // --now yyyy-MM-ddThh:mm:ss
TCommandOption fromOption(const QString &description);
TCommandOption toOption(const QString &description);
TCommandOption filterOption(); // --filter ID
TCommandOption outletOption(); // --outlet ID
TCommandOption periodOption(); // --period N
TCommandOption readOnlyOption(); // --read-only

namespace PosLib {
struct TReportRequest;
}
// The options that choose which tables and entries a summary counts,
// shared by 'report' and 'chain report': --without-credits, --turnover,
// --trainee; and their reading into a request.
QList<TCommandOption> tableChoiceOptions();
void readTableChoices(const TArgs &args, PosLib::TReportRequest &request);

// The installation a command works on (--data) and the strict look-up of
// the ids given on the command line: an id that the installation does not
// know is a usage error naming it, never silently ignored.
class TDataArgs
{
public:
    // Throws TUsageError when --data names no directory. Files named
    // relative to the installation ("etc/…") resolve inside it from then
    // on: the working directory becomes the installation.
    explicit TDataArgs(const TArgs &args);

    // Absolute, with a trailing "/".
    QString root() const { return m_root; }
    PosLib::TWorkspaceLists &lists() { return m_lists; }

    // The summary filter number of `option`: 0 when not given or 0.
    int filter(const QString &option = QStringLiteral("filter"));
    // The outlet number of `option` in "sumoutlets": 0 when not given or 0.
    int outlet(const QString &option = QStringLiteral("outlet"));
    // The waiter whose number `option` gives; null when not given (or 0
    // where `zeroIsNone`).
    Basics::TValue *waiter(const QString &option, bool zeroIsNone = false);

private:
    // The record `id` of list `list`, or a usage error naming `what`.
    Basics::TValue *record(const QString &list, const QString &option, const QString &what,
                           int min);

    const TArgs &m_args;
    QString m_root;
    PosLib::TWorkspaceLists m_lists;
};
