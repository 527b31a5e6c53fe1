#pragma once

#include "tcommand.h"

#include <QList>
#include <QStringList>

// The commands of the command line: finds the one the arguments name,
// parses its options, answers --help and "help COMMAND", and turns usage
// errors into a message on stderr and ExitUsage.
class TCommandTable
{
public:
    explicit TCommandTable(QList<TCommand> commands);

    const QList<TCommand> &commands() const { return m_commands; }
    // The command whose name the arguments start with (the longest match,
    // so "dat to-xml" before "dat"); null when none. `words` is set to the
    // number of arguments its name takes.
    const TCommand *find(const QStringList &args, int *words = nullptr) const;
    // The commands whose name is `name` or starts with "name ".
    QList<const TCommand *> matching(const QString &name) const;

    // Runs the arguments of the program (without its own name); returns
    // the exit code.
    int run(const QStringList &args) const;
    // The program's help: usage, commands with their summaries, options.
    QString help() const;
    // The help of the command named `name`, or of every command of the
    // group `name` ("dat" shows each of its subcommands); empty when there
    // is none.
    QString help(const QString &name) const;

private:
    int runCommand(const TCommand &command, const QStringList &args) const;
    int helpCommand(const QStringList &args) const;

    QList<TCommand> m_commands;
};
