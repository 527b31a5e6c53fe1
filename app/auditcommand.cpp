#include "commands.h"

#include "cliutil.h"
#include "targs.h"
#include "tauditexport.h"
#include "tdataargs.h"
#include "tprogressprinter.h"

#include <QDir>

#include <unistd.h>

using namespace PosLib;

namespace {

int runAudit(TArgs &args)
{
    TAuditRequest request;
    // named relative to where the command was started
    request.output = args.filePath(QStringLiteral("output"));
    TDataArgs data(args);
    request.root = data.root();
    args.dateRange(request.from, request.to, true);
    if (!request.to.isValid())
        request.to = request.from;
    if (request.output.isEmpty())
        request.output = QDir::current().filePath(
                QStringLiteral("audit_%1_%2")
                        .arg(request.from.toString(QStringLiteral("yyyyMMdd")),
                             request.to.toString(QStringLiteral("yyyyMMdd"))));
    request.now = args.dateTime(QStringLiteral("now"));

    TAuditExport exporter;
    TProgressPrinter progress(stderr);
    if (::isatty(2)) {
        exporter.setProgress([&](const QDate &day, int index, int count) {
            progress.setSteps(count);
            progress.setDate(day);
            progress.setStep(index);
        });
    }
    TAuditResult result;
    QString error;
    const bool done = exporter.run(request, &result, &error);
    progress.done();
    if (!done)
        return fail(TCli::tr("export audit: %1").arg(error));
    out() << TCli::tr("%1  %2 days  %3 closings  %4 bills  %5 files")
                     .arg(result.path)
                     .arg(result.days)
                     .arg(result.closings)
                     .arg(result.bills)
                     .arg(result.files)
          << '\n';
    out().flush();
    return ExitOk;
}

} // namespace

TCommand exportAuditCommand()
{
    TCommand command;
    command.name = QStringLiteral("export audit");
    command.summary = TCli::tr("write the cash-register audit export of closed days (for a tax "
                               "audit)");
    command.description = TCli::tr(
            "Writes the cash-register export a German tax audit asks for (DSFinV-K file set) for "
            "the closed days from --from to --to: the bills (transactions.csv with VAT, table, "
            "payments, lines with their business case, voided lines, discounts and menu "
            "components), the master data of every closing (cashpointclosing.csv with the "
            "first and last bill of the closing, the company, the till, its terminals and VAT "
            "keys) and what each closing adds up to (business cases, payments, cash per "
            "currency), each row keyed by the till, the closing's time and its Z counter. "
            "index.xml describes every file and column; the DTD it names lies beside it.\n\n"
            "The company's name, address and tax number come from etc/company.ini (see "
            "docs/exports.md). Only closed days whose closings verify are exported; the amounts "
            "are "
            "those the closing records sealed. The fields of a technical security module stay "
            "empty: the terminals record none (docs/exports.md says what that means).\n\n"
            "The output is a new or empty folder, or a .zip file. Nothing is left half-written: "
            "the files are moved into place only when all were written.");
    command.options = {
            dataOption(),
            {{QStringLiteral("from")},
             QStringLiteral("yyyy-MM-dd"),
             TCli::tr("The first day of the range."),
             true},
            toOption(TCli::tr("The last day of the range (default: --from alone).")),
            {{QStringLiteral("output")},
             QStringLiteral("DIR|FILE.zip"),
             TCli::tr("A new or empty folder for the files, or a ZIP archive of them (default: "
                      "the folder audit_<from>_<to> in the current folder)."),
             false},
            {{QStringLiteral("now")},
             QStringLiteral("yyyy-MM-ddThh:mm:ss"),
             TCli::tr("The time the archive's entries carry (default: now)."),
             false},
    };
    command.exitCodes = {
            {ExitOk, TCli::tr("every file was written")},
            {ExitFailure,
             TCli::tr("nothing was written: no closed day in the range, etc/company.ini missing "
                      "or wrong, a closing that does not verify, a folder that holds files, a "
                      "file that cannot be written")},
            {ExitUsage, TCli::tr("wrong arguments: an unknown option, a bad date, --from after "
                                 "--to, no such directory")},
    };
    command.run = runAudit;
    return command;
}
