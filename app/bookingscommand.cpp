#include "commands.h"

#include "cliutil.h"
#include "targs.h"
#include "tbookingsexport.h"
#include "tdataargs.h"
#include "tprogressprinter.h"

#include <QDir>

#include <unistd.h>

using namespace PosLib;

namespace {

int runBookings(TArgs &args)
{
    TBookingsRequest request;
    // named relative to where the command was started, before the working
    // directory becomes the installation
    request.output = args.filePath(QStringLiteral("output"));
    if (request.output.isEmpty())
        request.output = QDir::currentPath();
    TDataArgs data(args);
    request.root = data.root();
    args.dateRange(request.from, request.to, true);
    if (!request.to.isValid())
        request.to = request.from;
    const QStringList charts {QStringLiteral("skr03"), QStringLiteral("skr04")};
    if (args.isSet(QStringLiteral("chart")))
        request.chart = charts.at(args.choice(QStringLiteral("chart"), charts));
    request.force = args.isSet(QStringLiteral("force"));
    request.now = args.dateTime(QStringLiteral("now"));

    TBookingsExport exporter;
    TProgressPrinter progress(stderr);
    if (::isatty(2)) {
        exporter.setProgress([&](const QDate &day, int index, int count) {
            progress.setSteps(count);
            progress.setDate(day);
            progress.setStep(index);
        });
    }
    QList<TBookingsFile> files;
    QString error;
    const bool done = exporter.run(request, &files, &error);
    progress.done();
    for (const TBookingsFile &file : std::as_const(files))
        out() << TCli::tr("%1  %2 - %3  %4 days  %5 bookings%6")
                         .arg(file.path, file.from.toString(Qt::ISODate),
                              file.to.toString(Qt::ISODate))
                         .arg(file.days)
                         .arg(file.bookings)
                         .arg(file.again ? TCli::tr("  (exported before, the same)") : QString())
              << '\n';
    out().flush();
    if (!done)
        return fail(TCli::tr("export bookings: %1").arg(error));
    return ExitOk;
}

} // namespace

TCommand exportBookingsCommand()
{
    TCommand command;
    command.name = QStringLiteral("export bookings");
    command.summary = TCli::tr(
            "write the bookings of closed days for the accounting software (booking batch)");
    command.description = TCli::tr(
            "Writes the takings of the closed days from --from to --to as a booking batch that "
            "German accounting software imports (\"EXTF\" format 700, Buchungsstapel): a format "
            "header, the column titles and one booking a line, Windows-1252, \";\"-separated, "
            "decimal comma, CR LF. Per closed day: the revenue of each VAT rate by the payform "
            "that paid it (from the payform's account to the rate's revenue account), the "
            "per-unit and per-guest surcharges, vouchers sold (owed, not earned) and redeemed "
            "(a payform booked on the vouchers account), tips taken and paid out, cash put "
            "into and taken out of the till, and the counted cash difference of a closing that "
            "records a count. Each bill's payments are split over what it charged in "
            "proportion; the document field holds the day's Z counters, the text what was "
            "booked.\n\n"
            "The tax adviser's and the client's numbers, the fiscal year, the account length "
            "and the accounts come from etc/accounting.ini (see docs/exports.md; missing accounts "
            "take the defaults of --chart or of the file's chart). Only closed days are "
            "exported, and only when their closings verify. A range across the end of a fiscal "
            "year gives one file per fiscal year (the file name gets the dates of each). "
            "Every exported day is recorded in var/exports/bookings.json: exported again, a "
            "day must give the same bytes (the same range gives the same file), otherwise "
            "nothing is written unless --force is given. A text that Windows-1252 cannot hold "
            "is an error naming the line.\n\n"
            "Prints each file written with its range, days and bookings.");
    command.options = {
            dataOption(),
            {{QStringLiteral("from")},
             QStringLiteral("yyyy-MM-dd"),
             TCli::tr("The first day of the range."),
             true},
            toOption(TCli::tr("The last day of the range (default: --from alone).")),
            {{QStringLiteral("chart")},
             QStringLiteral("skr03|skr04"),
             TCli::tr("The chart of accounts whose defaults fill the accounts etc/accounting.ini "
                      "leaves out (default: the file's \"chart\", else skr03)."),
             false},
            {{QStringLiteral("output")},
             QStringLiteral("FILE|DIR"),
             TCli::tr("The batch file, or a folder for files named "
                      "EXTF_Buchungsstapel_<from>_<to>.csv (default: the current folder). A file "
                      "is replaced only when the export succeeds."),
             false},
            {{QStringLiteral("force")},
             QString(),
             TCli::tr("Export days again whose bookings differ from those exported before, and "
                      "record the new ones."),
             false},
            {{QStringLiteral("now")},
             QStringLiteral("yyyy-MM-ddThh:mm:ss"),
             TCli::tr("The creation time the header carries (default: now)."),
             false},
    };
    command.exitCodes = {
            {ExitOk, TCli::tr("every batch was written and its days recorded")},
            {ExitFailure,
             TCli::tr("nothing or not everything was written: no closed day in the range, "
                      "etc/accounting.ini missing or wrong, a closing that does not verify, a "
                      "text Windows-1252 cannot hold, a day exported before with other "
                      "bookings, a file that cannot be written")},
            {ExitUsage, TCli::tr("wrong arguments: an unknown option or chart, a bad date, "
                                 "--from after --to, no such directory")},
    };
    command.run = runBookings;
    return command;
}
