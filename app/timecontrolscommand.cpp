#include "commands.h"

#include "cliutil.h"
#include "targs.h"
#include "tdataargs.h"
#include "terror.h"
#include "tlistrow.h"
#include "toutput.h"
#include "ttimecontrols.h"
#include "twaitertimes.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace PosLib;

namespace {

// The texts of this file, translated in the context "TTimeControlsDoc".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TTimeControlsDoc)
};

int runTimeControls(TArgs &args)
{
    TDataArgs data(args);
    QDate from;
    QDate to;
    args.dateRange(from, to, false);
    const Basics::TValue *only = data.waiter(QStringLiteral("waiter"));
    const int waiter = only ? only->id() : 0;
    QDateTime now = args.dateTime(QStringLiteral("now"));
    if (!now.isValid())
        now = QDateTime::currentDateTime();
    TOutput output(args);
    const QString caption = Text::tr("Time controlling");

    // Nothing was recorded yet: nothing to list (and no folder to make).
    if (!QFileInfo(data.root() + QStringLiteral("var/control")).isDir())
        return output.writeRows(0, caption, {}) ? ExitOk : ExitFailure;
    TTimeControlList days;
    int result;
    try {
        result = days.load(from, to, data.root());
    } catch (const Basics::TError &e) {
        result = e.code() != 0 ? e.code() : 1;
    }
    if (result == 7)
        return fail(Text::tr("List of time controls not found"));
    if (result != 0)
        return fail(Text::tr("Could not load time controls"));

    // a row per waiter in number order, its periods below it in day order
    QMap<int, TWaiterTimes> times;
    for (const TTimeControls *day : days.days())
        addLogonSpans(times, *day, waiter, now);
    Basics::TValueList *waiters = data.lists().get(QStringLiteral("waiters"));
    TListRows rows;
    for (const TWaiterTimes &one : times) {
        const Basics::TValue *record = waiters ? waiters->find(one.waiter) : nullptr;
        TListRow &row = rows.emplace_back(waiterColumns(one, record ? record->name() : QString()));
        for (const TLogonSpan &span : one.spans)
            row.addChild(spanColumns(span));
    }
    // no report kind of its own
    return output.writeRows(0, caption, rows) ? ExitOk : ExitFailure;
}

} // namespace

TCommand timeControlsCommand()
{
    TCommand command;
    command.name = QStringLiteral("time-controls");
    command.summary = TCli::tr("list how long each waiter was logged on");
    command.description = TCli::tr(
            "Prints what the back office's time controls document lists: one item per waiter "
            "in number order (number, name, total time), and under it one item per logon period "
            "in day order (day, an empty column, duration, logon and logoff time), from the day "
            "files of var/control.\n\n"
            "A logoff earlier than the logon lies on the next day. A period that is still "
            "running (no logoff time) ends at --now when it belongs to the day of --now, and at "
            "23:59:59 of its day before that. Without var/control, or with no day in the range, "
            "nothing is printed.\n\n"
            "One item a line, children two blanks deeper, columns separated by a tab. --format "
            "csv and json write the same items (docs/report-json.md, \"Lists\"), pdf the "
            "printed page.");
    command.options = {
            dataOption(),
            fromOption(TCli::tr("The first day to list; without it, from the first day recorded.")),
            toOption(TCli::tr("The last day to list; without it, up to the last day recorded.")),
            {{QStringLiteral("waiter")},
             QStringLiteral("N"),
             TCli::tr("Only waiter N. An unknown waiter is an error."),
             false},
            {{QStringLiteral("now")},
             QStringLiteral("yyyy-MM-ddThh:mm:ss"),
             TCli::tr("Fixes the clock that running periods end at, so that the output can be "
                      "reproduced."),
             false},
            formatOption(),
            outputOption(),
    };
    command.exitCodes = {
            {ExitOk, TCli::tr("the list was printed (also when nothing was recorded)")},
            {ExitFailure,
             TCli::tr("the --output file could not be written, or a day file that cannot be "
                      "read (\"Could not load time "
                      "controls\", or \"List of time controls not found\" when it "
                      "vanished while being read)")},
            {ExitUsage,
             TCli::tr("wrong arguments: an unknown option or waiter, a bad date or time, "
                      "--from after --to, no such directory")},
    };
    command.run = runTimeControls;
    return command;
}
