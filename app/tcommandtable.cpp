#include "tcommandtable.h"

#include "cliutil.h"
#include "targs.h"
#include "tbuildinfo.h"
#include "terror.h"
#include "tlog.h"
#include "tlogcategories.h"

#include <exception>

TCommandTable::TCommandTable(QList<TCommand> commands)
    : m_commands(std::move(commands))
{ }

const TCommand *TCommandTable::find(const QStringList &args, int *words) const
{
    const TCommand *best = nullptr;
    int bestWords = 0;
    for (const TCommand &command : m_commands) {
        const QStringList name = command.name.split(QLatin1Char(' '));
        if (name.size() <= bestWords || args.mid(0, name.size()) != name)
            continue;
        best = &command;
        bestWords = int(name.size());
    }
    if (words)
        *words = bestWords;
    return best;
}

QList<const TCommand *> TCommandTable::matching(const QString &name) const
{
    QList<const TCommand *> found;
    for (const TCommand &command : m_commands) {
        if (command.name == name || command.name.startsWith(name + QLatin1Char(' ')))
            found << &command;
    }
    return found;
}

QString TCommandTable::help() const
{
    int width = 0;
    for (const TCommand &command : m_commands)
        width = std::max(width, int(command.name.size()));
    const QString helpName = QStringLiteral("help [COMMAND]");
    width = std::max(width, int(helpName.size())) + 2;

    QString text = TCli::tr("Usage: veltrum COMMAND [OPTIONS] [ARGUMENTS]\n"
                            "       veltrum help COMMAND | veltrum COMMAND --help\n"
                            "\n"
                            "Looks into and works on the data of a POS installation.\n"
                            "\n"
                            "Commands:\n");
    auto line = [&](const QString &name, const QString &summary) {
        text += QStringLiteral("  ") + name.leftJustified(width)
                + wrapText(summary, 77 - width, width + 2) + QLatin1Char('\n');
    };
    for (const TCommand &command : m_commands)
        line(command.name, command.summary);
    line(helpName, TCli::tr("show the help of a command: its options and exit codes"));
    text += QLatin1Char('\n') + TCli::tr("Options:") + QLatin1Char('\n');
    line(QStringLiteral("-h, --help"), TCli::tr("show this help"));
    line(QStringLiteral("-v, --version"), TCli::tr("show the module's version"));
    line(QStringLiteral("--lang de|en"),
         TCli::tr("messages, help and reports in German or English"));
    text += QLatin1Char('\n')
            + wrapText(
                    TCli::tr("Exit codes are the same for every command: 0 success, 1 failure (bad "
                             "input, a file that cannot be read or written, a refused closing), 2 "
                             "wrong arguments, 3 a closing stopped by open tables, 130 interrupted "
                             "(Ctrl-C). Each command's help says which of them it uses."),
                    79, 0)
            + QLatin1Char('\n');
    return text;
}

QString TCommandTable::help(const QString &name) const
{
    QStringList texts;
    for (const TCommand *command : matching(name)) {
        // "help export" is the command "export", not also "export bookings"
        if (command->name == name)
            return command->help();
        texts << command->help();
    }
    return texts.join(QLatin1Char('\n'));
}

int TCommandTable::helpCommand(const QStringList &args) const
{
    if (args.isEmpty()) {
        out() << help();
        return ExitOk;
    }
    const QString name = args.join(QLatin1Char(' '));
    const QString text = help(name);
    if (text.isEmpty())
        return usageError(TCli::tr("unknown command '%1'").arg(name));
    out() << text;
    return ExitOk;
}

int TCommandTable::run(const QStringList &args) const
{
    const QString first = args.value(0);
    if (first.isEmpty())
        return usageError(TCli::tr("missing command"));
    if (first == QLatin1String("--help") || first == QLatin1String("-h"))
        return helpCommand({});
    if (first == QLatin1String("help"))
        return helpCommand(args.mid(1));
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        // the project's version and the day of the build
        out() << Basics::versionLine() << Qt::endl;
        return ExitOk;
    }
    int words = 0;
    const TCommand *command = find(args, &words);
    if (!command) {
        // "veltrum dat" alone, or "veltrum dat frobnicate"
        if (!matching(first).isEmpty()) {
            const QString sub = args.value(1);
            return usageError(sub.isEmpty() || sub.startsWith(QLatin1Char('-'))
                                      ? TCli::tr("%1: missing subcommand").arg(first)
                                      : TCli::tr("%1: unknown subcommand '%2'").arg(first, sub),
                              first);
        }
        return usageError(TCli::tr("unknown command '%1'").arg(first));
    }
    return runCommand(*command, args.mid(words));
}

int TCommandTable::runCommand(const TCommand &command, const QStringList &args) const
{
    try {
        TArgs parsed(command, args);
        if (parsed.helpRequested()) {
            out() << command.help();
            return ExitOk;
        }
        if (!parsed.logFile().isEmpty()) {
            Basics::TLog &log = Basics::TLog::instance();
            log.setFileName(parsed.logFile());
            if (log.level() == Basics::TLog::Off)
                log.setLevel(Basics::TLog::Error);
        }
        return command.run(parsed);
    } catch (const TUsageError &e) {
        return usageError(command.name + QStringLiteral(": ") + e.message, command.name);
    } catch (const Basics::TError &e) {
        return fail(command.name + QStringLiteral(": ") + errorText(e));
    } catch (const std::exception &e) {
        Basics::logError(QString::fromLocal8Bit(e.what()), Basics::LogModule::CommandLine,
                         Basics::LogClass::CommandLine);
        return fail(command.name + QStringLiteral(": ")
                    + TCli::tr("unexpected error (%1)").arg(QString::fromLocal8Bit(e.what())));
    }
}
