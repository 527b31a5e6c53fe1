#include "commands.h"

#include "cliutil.h"
#include "targs.h"
#include "tcurrencies.h"
#include "tdataargs.h"
#include "topentableslist.h"
#include "toutput.h"

#include <QCoreApplication>

using namespace PosLib;

namespace {

int runOpenTables(TArgs &args)
{
    TDataArgs data(args);
    args.dateTime(QStringLiteral("now")); // checked; the list holds no clock time
    TOutput output(args);
    const auto *currencies
            = qobject_cast<TCurrencies *>(data.lists().get(QStringLiteral("currencies")));
    output.setCurrencies(currencies);
    TOpenTablesList tables(data.root(), currencies, Qt::ISODate);
    tables.load();

    // The window pads table, party, amount and waiter to align them; here
    // they go without the blanks, so that only indentation tells the levels.
    TListRows rows {TListRow(TOpenTablesList::columnTitles())};
    for (TListRow row : tables.listRows()) {
        for (QString &column : row.columns)
            column = column.trimmed();
        rows.append(row);
    }
    rows.append(TListRow(tables.status()));
    // no report kind of its own
    return output.writeRows(0, QCoreApplication::translate("TOpenTablesDoc", "Open tables"), rows)
                   ? ExitOk
                   : ExitFailure;
}

} // namespace

TCommand openTablesCommand()
{
    TCommand command;
    command.name = QStringLiteral("open-tables");
    command.summary = TCli::tr("list the tables open on the terminals");
    command.description = TCli::tr(
            "Prints what the back office's open tables document lists: the column titles, then "
            "one item per table of var/tables in ascending table number and party (a table that "
            "a terminal holds right now is left out), and last the number of tables and the sum "
            "of their amounts.\n\n"
            "Under each table: \"Creation\" with the bill number, time and date the table was "
            "opened; \"Pay\" with every payment (voided ones too; a charge to a hotel room adds "
            "the guest, party and room after it); \"Order\" with price (add-ons included), "
            "article, article number, count, time and date of every order. \"Pay\" and \"Order\" "
            "are there only when the table has an entry of their kind.\n\n"
            "One item a line, each level two blanks deeper, columns separated by a tab. Amounts "
            "are in the system currency of usr/data/currency.dat; without that list the table "
            "amount is in cents and the other amounts in units with two decimals. --format csv and "
            "json write the same items (docs/report-json.md, \"Lists\"), pdf the printed "
            "page.");
    command.options = {
            dataOption(),
            {{QStringLiteral("now")},
             QStringLiteral("yyyy-MM-ddThh:mm:ss"),
             TCli::tr("Accepted as every command takes it; the list holds no clock time."),
             false},
            formatOption(),
            outputOption(),
    };
    command.exitCodes = {
            {ExitOk, TCli::tr("the list was printed (also when no table is open)")},
            {ExitFailure, TCli::tr("the --output file could not be written")},
            {ExitUsage,
             TCli::tr("wrong arguments: an unknown option, a bad time, no such directory")},
    };
    command.run = runOpenTables;
    return command;
}
