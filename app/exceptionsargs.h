#pragma once

#include "tcommand.h"
#include "texceptionsoutput.h"

class TArgs;
class TOutput;
class TProgressPrinter;

namespace PosLib {
class TCurrencies;
class TExceptionsRun;
struct TExceptionsRequest;
} // namespace PosLib

// What 'exceptions' and 'chain exceptions' share: the options of the flag
// rule, the entries listed and the output, their reading, and the writing
// of a run in the form asked for.
QList<TCommandOption> exceptionsRuleOptions();
TCommandOption exceptionsFormatOption();
// --now, --format, --output, --progress and --quiet.
QList<TCommandOption> exceptionsOutputOptions();
// The rule, the table choice and the clock of the request; the entries
// listed (--entries).
PosLib::TExceptionEntries readExceptionsOptions(const TArgs &args,
                                                PosLib::TExceptionsRequest &request);
// Shows the days read on `progress` (on a terminal, or with --progress)
// and stops the run at Ctrl-C.
void followExceptionsRun(const TArgs &args, PosLib::TExceptionsRun &run,
                         TProgressPrinter &progress);
// Writes the result: text and PDF the lines (PDF with the charts of the
// waiters under them), CSV and JSON the data, SVG and PNG the charts.
int writeExceptions(TOutput &output, const PosLib::TExceptionsResult &result,
                    const PosLib::TCurrencies *currencies, PosLib::TExceptionEntries entries,
                    const QString &command);
