#include "commands.h"

#include "cliutil.h"
#include "targs.h"
#include "tcurrencies.h"
#include "tdataargs.h"
#include "tfigures.h"
#include "toutput.h"
#include "treceipt.h"
#include "tzreport.h"

#include <QJsonArray>

#include <cstdio>

using namespace PosLib;

namespace {

QList<QStringList> closingRows(const TClosingList &list)
{
    QList<QStringList> rows;
    rows << QStringList {QStringLiteral("z"),           QStringLiteral("date"),
                         QStringLiteral("kind"),        figureKey(TFigure::Bills),
                         QStringLiteral("firstBill"),   QStringLiteral("lastBill"),
                         figureKey(TFigure::BillTotal), QStringLiteral("countDifference"),
                         QStringLiteral("verified")};
    for (const TClosingRow &row : list.rows())
        rows << QStringList {QString::number(row.z),
                             row.date.toString(Qt::ISODate),
                             row.kind,
                             QString::number(row.bills),
                             row.hasRecord ? QString::number(row.firstBill) : QString(),
                             row.hasRecord ? QString::number(row.lastBill) : QString(),
                             row.hasRecord ? QString::number(row.amount) : QString(),
                             row.counted ? QString::number(row.countDifference) : QString(),
                             row.verified};
    return rows;
}

// --width: 0 when not given.
int receiptWidth(TArgs &args)
{
    if (!args.isSet(QStringLiteral("width")))
        return 0;
    const int width = args.number(QStringLiteral("width"), 1, 1000);
    if (!isReceiptWidth(width))
        args.badValue(QStringLiteral("width"), TCli::tr("32, 42 or 48"));
    return width;
}

// The Z report as ESC/POS, to --printer, --output or standard output.
int printReceipt(TArgs &args, const QStringList &lines, int width)
{
    const QByteArray bytes = escPosBytes(receiptLines(lines, width ? width : 42));
    const QString queue = args.text(QStringLiteral("printer"));
    const QString path = args.filePath(QStringLiteral("output"));
    if (queue.isEmpty() && path.isEmpty()) {
        out().flush();
        const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout)
                                     == size_t(bytes.size())
                             && std::fflush(stdout) == 0;
        return written ? ExitOk : fail(TCli::tr("z: standard output cannot be written"));
    }
    QString error;
    if (!sendReceipt(bytes, path, queue, &error))
        return fail(TCli::tr("z: the receipt was not printed: %1").arg(error));
    return ExitOk;
}

int runZ(TArgs &args)
{
    TDataArgs data(args);
    const auto *currencies
            = static_cast<TCurrencies *>(data.lists().get(QStringLiteral("currencies")));
    const int width = receiptWidth(args);
    const bool escpos = args.text(QStringLiteral("format")) == QLatin1String("escpos");
    if (args.isSet(QStringLiteral("printer")) && !escpos)
        return usageError(TCli::tr("--printer takes --format escpos"), QStringLiteral("z"));
    if (escpos && !args.isSet(QStringLiteral("show")))
        return usageError(TCli::tr("--format escpos prints one Z report: give --show Z"),
                          QStringLiteral("z"));

    if (args.isSet(QStringLiteral("show"))) {
        const qulonglong z = args.unsignedNumber(QStringLiteral("show"));
        TZReport report(&data.lists(), data.root());
        report.setReadOnly(args.isSet(QStringLiteral("read-only")));
        report.setReceipt(escpos || width != 0);
        if (!escpos) {
            const TOutput probe(args);
            if (probe.wantsRows())
                return usageError(TCli::tr("--show writes text, json, pdf or escpos"),
                                  QStringLiteral("z"));
        }
        if (z == 0 || !report.build(long(z), args.dateTime(QStringLiteral("now"))))
            return fail(TCli::tr("z: the installation has no closing with Z counter %1").arg(z));
        if (escpos)
            return printReceipt(args, report.lines(), width);
        TOutput output(args);
        const QStringList lines = width ? receiptLines(report.lines(), width) : report.lines();
        return output.write(lines, report.data(), {}, report.title()) ? ExitOk : ExitFailure;
    }

    TOutput output(args);
    output.setCurrencies(currencies);
    TXlsxLayout layout;
    layout.money = {figureKey(TFigure::BillTotal), QStringLiteral("countDifference")};
    layout.numbers = {QStringLiteral("z"), figureKey(TFigure::Bills), QStringLiteral("firstBill"),
                      QStringLiteral("lastBill")};
    output.setXlsxLayout(layout);
    QDate from;
    QDate to;
    args.dateRange(from, to, false);
    const TClosingList list(data.root(), from, to);
    const QStringList lines
            = width ? receiptLines(list.lines(currencies), width) : list.lines(currencies);
    return output.write(lines, list.data(), closingRows(list), TCli::tr("Closings")) ? ExitOk
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
            "those bills), the difference of the cash count made at the closing (\"-\" when "
            "nobody counted), and whether the closing verifies (\"yes\", \"no\", or \"no record\" "
            "for closings made before closing records were kept; see 'veltrum verify'). Amounts "
            "are written as the installation writes money; CSV and JSON carry them in cents.\n\n"
            "--show Z prints the Z report of the closing with Z counter Z: headed \"Day "
            "turnover <Z> from <day>\", the closing record's figures (who closed and when, the "
            "bills with the first and last one, bill total, payments per payment form, VAT "
            "rates, voids, the cash count (expected, counted and difference per payment form "
            "and cash currency, the float, comment and who counted), the verification, whether the "
            "day's records, summary and bills "
            "agree), the reconciliation (from the bill total through "
            "the payments per payment form, tips, non refund, credits and the tables not in "
            "summary to the summary's \"Sum of all payforms\" and \"All amount\", ending on a "
            "difference of 0 or on each figure that differs), then the day's summary as the "
            "reports document prints it (\"All waiters\" over that day; a waiter's closing over "
            "that waiter). docs/figures.md says what each figure includes. --format json writes "
            "the record, the reconciliation and the summary's data, pdf the printed page.\n\n"
            "--width 32, 42 or 48 lays the text out for a receipt printer that many columns "
            "wide (a figure's caption left, its value at the right edge); --format escpos writes "
            "it as ESC/POS (initialise, code page PC858 with the euro sign and the umlauts, "
            "headings in bold, feed and cut). The Z report of a waiter's closing is that waiter's "
            "cash-up.");
    TCommandOption receiptFormat = formatOption();
    receiptFormat.valueName += QStringLiteral("|escpos");
    receiptFormat.description
            += QLatin1Char(' ')
               + TCli::tr("With --show also escpos: the Z report as ESC/POS for a receipt printer "
                          "(--width columns, 42 when not given), to --output (a file or a device "
                          "such as /dev/usb/lp0), to --printer, or to standard output.");
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
            receiptFormat,
            {{QStringLiteral("width")},
             QStringLiteral("N"),
             TCli::tr("Lay the text out for a receipt printer N columns wide: 32, 42 or 48."),
             false},
            {{QStringLiteral("printer")},
             QStringLiteral("QUEUE"),
             TCli::tr("With --format escpos: send the receipt to the raw print queue QUEUE (lp)."),
             false},
            outputOption(),
    };
    command.exitCodes = {
            {ExitOk, TCli::tr("the list or the Z report was written")},
            {ExitFailure,
             TCli::tr("no closing with that Z counter, or the --output file, the device or "
                      "the print queue could not be written")},
            {ExitUsage,
             TCli::tr(
                     "wrong arguments: an unknown option, a bad date or number, --format "
                     "csv or xlsx with --show, escpos without --show, a width other than 32, 42 or "
                     "48, no such directory")},
    };
    command.run = runZ;
    return command;
}
