#include "commands.h"

#include "cliutil.h"
#include "targs.h"
#include "tdemoinstallation.h"
#include "terror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace PosLib;

namespace {

bool isEmptyDir(const QString &dir)
{
    return QDir(dir).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

int runDemo(TArgs &args)
{
    TDemoOptions options;
    const QString dir = args.positional().at(0);
    options.days = args.number(QStringLiteral("days"), 0, 3660, options.days);
    options.tables = args.number(QStringLiteral("tables"), 1, 10000, options.tables);
    options.seed = args.unsignedNumber(QStringLiteral("seed"), options.seed);
    if (args.isSet(QStringLiteral("today")))
        options.today = args.date(QStringLiteral("today"));
    const bool force = args.isSet(QStringLiteral("force"));

    const QFileInfo info(dir);
    if (info.exists() && !info.isDir())
        return fail(TCli::tr("demo: %1 is not a directory").arg(dir));
    try {
        if (info.exists() && !isEmptyDir(dir)) {
            // only a directory an earlier demo run wrote is ever cleaned,
            // and then only of the files such a run writes
            if (!TDemoInstallation::isDemo(dir))
                return fail(TCli::tr("demo: %1 is not empty and holds no demo installation; "
                                     "refusing to write into it")
                                    .arg(dir));
            if (!force)
                return fail(
                        TCli::tr("demo: %1 holds a demo installation; use --force to replace it")
                                .arg(dir));
            TDemoInstallation::remove(dir);
        }

        TDemoInstallation demo(options);
        const TDemoSummary s = demo.write(dir);
        out() << TCli::tr("Demo installation in %1 (today %2, seed %3):")
                         .arg(QDir(dir).absolutePath(), demo.options().today.toString(Qt::ISODate))
                         .arg(options.seed)
              << Qt::endl
              << TCli::tr("  %1 lists, %2 closed days with %3 tables and %4 day summaries")
                         .arg(s.lists)
                         .arg(s.closedDays)
                         .arg(s.closedTables)
                         .arg(s.daySummaries)
              << Qt::endl
              << TCli::tr("  today %1 paid tables (%2 in the archive index), %3 open (%4 held)")
                         .arg(s.paidTables)
                         .arg(s.indexedTables)
                         .arg(s.openTables)
                         .arg(s.heldTables)
              << Qt::endl
              << TCli::tr("  %1 table entries, time controls of %2 days, next Z number %3")
                         .arg(s.entries)
                         .arg(s.timeControlDays)
                         .arg(s.nextZ)
              << Qt::endl;
    } catch (const Basics::TError &e) {
        return fail(TCli::tr("demo: could not write %1 (%2)").arg(dir, errorText(e)));
    }
    return ExitOk;
}

} // namespace

TCommand demoCommand()
{
    const TDemoOptions defaults;
    TCommand command;
    command.name = QStringLiteral("demo");
    command.summary = TCli::tr("write a demo installation of a restaurant");
    command.arguments = QStringLiteral("DIR");
    command.description = TCli::tr(
            "Writes a complete installation of a small restaurant into DIR: master data and "
            "settings in usr/data, etc/reports.ini and etc/globals.ini, closed days in "
            "var/statist (with their Z numbers, journal lines and day summaries), today's paid "
            "tables with the archive index, open tables (one held by a terminal) and time "
            "controls. The same arguments always give the same files.\n\n"
            "A directory that is not empty is refused, unless it holds an earlier demo and "
            "--force is given; then only the files a demo writes are replaced.");
    command.options = {
            {{QStringLiteral("days")},
             QStringLiteral("N"),
             TCli::tr("Closed days before today, 0 to 3660 (default %1).").arg(defaults.days),
             false},
            {{QStringLiteral("tables")},
             QStringLiteral("N"),
             TCli::tr("Paid tables per day, 1 to 10000 (default %1).").arg(defaults.tables),
             false},
            {{QStringLiteral("seed")},
             QStringLiteral("S"),
             TCli::tr("Seed of the generator (default %1).").arg(defaults.seed),
             false},
            {{QStringLiteral("today")},
             QStringLiteral("yyyy-MM-dd"),
             TCli::tr("The demo's current, not yet closed day (default: today)."),
             false},
            {{QStringLiteral("force")},
             QString(),
             TCli::tr("Replace the demo installation that DIR holds."),
             false},
    };
    command.exitCodes = {
            {ExitOk, TCli::tr("the demo was written")},
            {ExitFailure,
             TCli::tr("DIR is not empty (or holds a demo and --force is missing), or a "
                      "file cannot be written")},
            {ExitUsage, TCli::tr("wrong arguments")},
    };
    command.run = runDemo;
    return command;
}
