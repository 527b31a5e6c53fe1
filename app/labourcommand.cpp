#include "commands.h"

#include "cliutil.h"
#include "targs.h"
#include "tcurrencies.h"
#include "tdataargs.h"
#include "tlabourchart.h"
#include "tlabourreport.h"
#include "toutput.h"

using namespace PosLib;

namespace {

int runLabour(TArgs &args)
{
    TDataArgs data(args);
    QDate from;
    QDate to;
    args.dateRange(from, to, true);
    const QDateTime now = args.dateTime(QStringLiteral("now"));
    TOutput output(args, true);

    TLabourReport report;
    QString error;
    if (!report.read(&data.lists(), data.root(), from, to, now, &error))
        return fail(error);
    const auto *currencies
            = static_cast<TCurrencies *>(data.lists().get(QStringLiteral("currencies")));
    output.setCharts({labourChartPage(report)}, currencies);
    // a sheet each for the waiters, the hours and the total
    output.setXlsxLayout(labourXlsxLayout());
    output.setCurrencies(currencies);
    return output.write(report.lines(currencies), report.document(), report.csvRows(),
                        TLabourReport::tr("Sales per labour hour"))
                   ? ExitOk
                   : ExitFailure;
}

} // namespace

TCommand labourCommand()
{
    TCommand command;
    command.name = QStringLiteral("labour");
    command.summary = TCli::tr("sales per labour hour, from the time controls");
    command.description = TCli::tr(
            "Prints the hours the waiters worked (their logon periods in var/control) beside "
            "the takings: per waiter the hours, \"All amount\" and the guests of the waiter's "
            "full summary, sales and covers per hour worked; per hour of the clock the hours "
            "worked in it and the hour report's amount; then the total.\n\n"
            "Logon periods are split at the full hours and counted for the business day they "
            "lie in (the day starts at the gastronomic day start of etc/globals.ini), so a "
            "night shift after midnight belongs to the evening before. A period still running "
            "counts up to --now. A waiter who sold without time controls shows no hours.\n\n"
            "With hourly wages in etc/wages.ini (section [Wages], a waiter number or "
            "\"default\", then the wage such as 12.50) the report adds the labour cost and its "
            "share of the sales; a waiter who worked without a wage is named and left out of "
            "the costs.\n\n"
            "--format json and csv write the same figures in cents and seconds "
            "(docs/labour.md); png and svg draw the sales and the hours worked per hour of the "
            "clock, pdf prints the report with that chart below it.");
    command.options = {
            dataOption(),
            fromOption(TCli::tr("The first closed day; without it, the current day.")),
            toOption(TCli::tr("The last closed day (needs --from; default: --from alone).")),
            {{QStringLiteral("now")},
             QStringLiteral("yyyy-MM-ddThh:mm:ss"),
             TCli::tr("Fixes the clock (the current day, running logon periods), so that the "
                      "output can be reproduced."),
             false},
            formatOption(true),
            outputOption(),
    };
    command.exitCodes = {
            {ExitOk, TCli::tr("the report was printed")},
            {ExitFailure,
             TCli::tr("the time controls, etc/wages.ini or the --output file could not be read "
                      "or written (the message names the file and the reason)")},
            {ExitUsage,
             TCli::tr("wrong arguments: an unknown option, a bad date or time, --from after "
                      "--to, no such directory")},
    };
    command.run = runLabour;
    return command;
}
