#include "cliutil.h"
#include "datcommand.h"
#include "democommand.h"
#include "reportcommand.h"
#include "turnovercommand.h"
#include "tversion.h"

#include <QCoreApplication>

namespace {

const char *const HelpText
        = "Usage: veltrum COMMAND [ARGS...]\n"
          "\n"
          "Looks into and works on the data of a POS installation.\n"
          "\n"
          "Commands:\n"
          "  dat to-xml FILE              print a binary list file (.dat) as XML\n"
          "  dat from-xml XML FILE        import XML into a list file (created if missing;\n"
          "                               the previous version is kept as FILE.old)\n"
          "  dat to-text FILE KEY...      print the fields KEY... of every record,\n"
          "                               separated by ';', one record a line\n"
          "  demo DIR [--days N] [--tables N] [--seed S] [--today yyyy-MM-dd] [--force]\n"
          "                               write a demo installation of a restaurant\n"
          "  report --data DIR --kind ID [--from yyyy-MM-dd] [--to yyyy-MM-dd]\n"
          "         [--period N] [--filter ID] [--outlet ID] [--open-tables]\n"
          "         [--without-credits] [--turnover all|in|out]\n"
          "         [--trainee all|without|only] [--report-waiter N]\n"
          "         [--now yyyy-MM-ddThh:mm:ss]\n"
          "                               print a summary: kinds 3-42 as in the reports\n"
          "                               document, 100+N the batch N; without --from the\n"
          "                               current, not yet closed day\n"
          "  turnover --data DIR --date yyyy-MM-dd [--waiter N] [--exec-waiter N]\n"
          "         [--cancel-if-empty] [--force] [--now yyyy-MM-ddThh:mm:ss]\n"
          "                               close the business day (of one waiter); open\n"
          "                               tables stop it (exit 3) unless --force\n"
          "\n"
          "Options:\n"
          "  -h, --help                   show this help\n"
          "  -v, --version                show the module's version\n"
          "\n"
          "Exit codes: 0 success, 1 bad input, a file error or a refused closing,\n"
          "2 wrong arguments, 3 a closing stopped by open tables.\n";

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);

    const QString command = args.value(0);
    if (command.isEmpty())
        return usageError(QCoreApplication::translate("veltrum", "missing command"));
    if (command == QLatin1String("--help") || command == QLatin1String("-h")
        || command == QLatin1String("help")) {
        out() << QCoreApplication::translate("veltrum", HelpText);
        return ExitOk;
    }
    if (command == QLatin1String("--version") || command == QLatin1String("-v")) {
        out() << Basics::VersionText << Qt::endl;
        return ExitOk;
    }
    if (command == QLatin1String("dat"))
        return runDatCommand(args.mid(1));
    if (command == QLatin1String("demo"))
        return runDemoCommand(args.mid(1));
    if (command == QLatin1String("report"))
        return runReportCommand(args.mid(1));
    if (command == QLatin1String("turnover"))
        return runTurnoverCommand(args.mid(1));
    return usageError(QCoreApplication::translate("veltrum", "unknown command '%1'").arg(command));
}
