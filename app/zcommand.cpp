#include "commands.h"

#include "cliutil.h"
#include "targs.h"
#include "tcurrencies.h"
#include "tdataargs.h"
#include "tfigures.h"
#include "toutput.h"
#include "tzreport.h"

#include <QJsonArray>

using namespace PosLib;

namespace {

QList<QStringList> closingRows(const TClosingList &list)
{
    QList<QStringList> rows;
    rows << QStringList {QStringLiteral("z"),           QStringLiteral("date"),
                         QStringLiteral("kind"),        figureKey(TFigure::Bills),
                         QStringLiteral("firstBill"),   QStringLiteral("lastBill"),
                         figureKey(TFigure::BillTotal), QStringLiteral("verified")};
    for (const TClosingRow &row : list.rows())
        rows << QStringList {QString::number(row.z),
                             row.date.toString(Qt::ISODate),
                             row.kind,
                             QString::number(row.bills),
                             row.hasRecord ? QString::number(row.firstBill) : QString(),
                             row.hasRecord ? QString::number(row.lastBill) : QString(),
                             row.hasRecord ? QString::number(row.amount) : QString(),
                             row.verified};
    return rows;
}

int runZ(TArgs &args)
{
    TDataArgs data(args);
    TOutput output(args);
    const auto *currencies
            = static_cast<TCurrencies *>(data.lists().get(QStringLiteral("currencies")));

    if (args.isSet(QStringLiteral("show"))) {
        const qulonglong z = args.unsignedNumber(QStringLiteral("show"));
        if (output.format() == TOutputFormat::Csv)
            return usageError(TCli::tr("--show writes text, json or pdf"), QStringLiteral("z"));
        TZReport report(&data.lists(), data.root());
        report.setReadOnly(args.isSet(QStringLiteral("read-only")));
        if (z == 0 || !report.build(long(z), args.dateTime(QStringLiteral("now"))))
            return fail(TCli::tr("z: the installation has no closing with Z counter %1").arg(z));
        return output.write(report.lines(), report.data(), {}, report.title()) ? ExitOk
                                                                               : ExitFailure;
    }

    QDate from;
    QDate to;
    args.dateRange(from, to, false);
    const TClosingList list(data.root(), from, to);
    return output.write(list.lines(currencies), list.data(), closingRows(list),
                        TCli::tr("Closings"))
                   ? ExitOk
                   : ExitFailure;
}

} // namespace

TCommand zCommand()
{
    TCommand command;
    command.name = QStringLiteral("z");
    command.summary = TCli::tr("list the closings, or print the Z report of one");
    command.description = TCli::tr(
            "Lists the day closings of the installation in Z order: Z counter, day, whole day or "
            "waiter, bills moved, first and last bill number, bill total (the order lines of "
            "those bills), and whether the closing verifies (\"yes\", \"no\", or \"no record\" "
            "for closings made before closing records were kept; see 'veltrum verify'). Amounts "
            "are written as the installation writes money; CSV and JSON carry them in cents.\n\n"
            "--show Z prints the Z report of the closing with Z counter Z: headed \"Day "
            "turnover <Z> from <day>\", the closing record's figures (who closed and when, the "
            "bills with the first and last one, bill total, payments per payment form, VAT "
            "rates, voids, the verification, whether the day's records, summary and bills "
            "agree), the reconciliation (from the bill total through "
            "the payments per payment form, tips, non refund, credits and the tables not in "
            "summary to the summary's \"Sum of all payforms\" and \"All amount\", ending on a "
            "difference of 0 or on each figure that differs), then the day's summary as the "
            "reports document prints it (\"All waiters\" over that day; a waiter's closing over "
            "that waiter). docs/figures.md says what each figure includes. --format json writes "
            "the record, the reconciliation and the summary's data, pdf the printed page.");
    command.options = {
            dataOption(),
            fromOption(TCli::tr("List the closings from this day on.")),
            toOption(TCli::tr("List the closings up to this day.")),
            {{QStringLiteral("show")},
             QStringLiteral("Z"),
             TCli::tr("Print the Z report of the closing with Z counter Z."),
             false},
            readOnlyOption(),
            nowOption(),
            formatOption(),
            outputOption(),
    };
    command.exitCodes = {
            {ExitOk, TCli::tr("the list or the Z report was written")},
            {ExitFailure,
             TCli::tr("no closing with that Z counter, or the --output file could not be "
                      "written")},
            {ExitUsage,
             TCli::tr("wrong arguments: an unknown option, a bad date or number, --format "
                      "csv with --show, no such directory")},
    };
    command.run = runZ;
    return command;
}
