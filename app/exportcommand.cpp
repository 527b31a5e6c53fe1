#include "commands.h"

#include "cliutil.h"
#include "targs.h"
#include "tdataargs.h"
#include "terror.h"
#include "tinifile.h"
#include "tinstallation.h"
#include "tintermediatefile.h"
#include "tintermediatelists.h"
#include "toutlets.h"
#include "tsumfilters.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

using namespace Crystal;

namespace {

// The list layouts of a report ini's section "default".
QHash<QString, QString> layoutsOf(const QString &file)
{
    QHash<QString, QString> layouts;
    if (file.isEmpty())
        return layouts;
    if (!QFileInfo(file).isFile())
        throw TUsageError {TCli::tr("--layouts %1: no such file").arg(file)};
    const Basics::TInifile ini(file);
    for (const QString &name : TIntermediateLists::names())
        layouts.insert(name, ini.readString(QStringLiteral("default"), name));
    return layouts;
}

int runExport(TArgs &args)
{
    // named relative to where the command was started, before the working
    // directory becomes the installation
    const QString folder = QFileInfo(args.text(QStringLiteral("out"))).absoluteFilePath();
    const QString layoutFile
            = args.isSet(QStringLiteral("layouts"))
                      ? QFileInfo(args.text(QStringLiteral("layouts"))).absoluteFilePath()
                      : QString();
    TDataArgs data(args);
    TExportRequest request;
    args.dateRange(request.from, request.to, true);
    QDateTime now = args.dateTime(QStringLiteral("now"));
    if (!now.isValid())
        now = QDateTime::currentDateTime();
    request.today = PosLib::businessDay(data.root(), now);
    request.filterId = data.filter();
    if (request.filterId != 0) {
        auto *filters = static_cast<PosLib::TSumFilters *>(
                data.lists().get(QStringLiteral("sumfilters")));
        request.filter = filters->filter(request.filterId);
        request.filterName = request.filter->name();
    }
    request.outlet = data.outlet();
    request.dataOutlets = data.lists().get(QStringLiteral("outlets"));
    QStringList paths {data.root()};
    if (request.outlet != 0) {
        Basics::TValueList *sumOutlets = data.lists().get(QStringLiteral("sumoutlets"));
        paths = OutletsLib::TOutlets::paths(sumOutlets, request.dataOutlets,
                                            sumOutlets->find(request.outlet));
    }
    const QHash<QString, QString> layouts = layoutsOf(layoutFile);

    QHash<QString, int> counts;
    try {
        if (!QDir().mkpath(folder))
            return fail(TCli::tr("%1: the folder could not be made").arg(folder));
        counts = exportIntermediateLists(request, paths, folder, layouts);
    } catch (const Basics::TError &e) {
        return fail(errorText(e));
    }
    for (const QString &name : TIntermediateLists::names())
        out() << QStringLiteral("%1  %2")
                         .arg(intermediateFileName(folder, name))
                         .arg(counts.value(name))
              << '\n';
    out().flush();
    return ExitOk;
}

} // namespace

TCommand exportCommand()
{
    TCommand command;
    command.name = QStringLiteral("export");
    command.summary = TCli::tr("write the paid tables as the intermediate lists of report designs");
    command.description = TCli::tr(
            "Writes what the back office hands to report designs (\"Crystal Reports\", F9) "
            "without the window: the lists tables, creates, orders, voids, pays, infos and "
            "splits of the paid tables, each as LIST.txt in the folder --out (made when "
            "missing): CSV in UTF-8 with a header line, records linked to their table by "
            "ref_table (docs/intermediate-lists.md). Spreadsheets and other report tools read "
            "them as they are.\n\n"
            "Without --from the current day's paid tables (var/archives); with --from the "
            "closed days from --from to --to (--from alone: that day). --filter leaves out the "
            "tables and entries the summary filter does not let through; voided payments are "
            "never listed. With --outlet the data paths of the outlet's terminals are read one "
            "after another into the same lists. The five table lists are removed first.\n\n"
            "Prints each file with its number of records.");
    command.options = {
            dataOption(),
            {{QStringLiteral("out")},
             QStringLiteral("DIR"),
             TCli::tr("The folder the lists are written to."),
             true},
            fromOption(TCli::tr("First closed day; without it, the current day.")),
            toOption(TCli::tr("Last closed day (needs --from; default: --from).")),
            filterOption(),
            outletOption(),
            {{QStringLiteral("layouts")},
             QStringLiteral("INI"),
             TCli::tr("A report's ini file whose section \"default\" names the columns and separator "
                "of each list (\"pays = ref_table;waitername;amount\"); without it every "
                "column, separated by \",\"."),
             false},
            nowOption(),
    };
    command.exitCodes = {
            {ExitOk, TCli::tr("the lists were written (also when they are empty)")},
            {ExitFailure, TCli::tr("a list could not be removed or written")},
            {ExitUsage, TCli::tr("wrong arguments: an unknown option, filter or outlet, a bad date, "
                           "no such directory")},
    };
    command.run = runExport;
    return command;
}
