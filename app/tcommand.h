#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class TArgs;

// One option of a command, as its help lists it and the parser takes it.
struct TCommandOption
{
    QStringList names; // {"data"}; a one-letter name is a short option
    QString valueName; // "DIR"; empty for a switch
    QString description;
    bool required = false; // part of the usage line; missing is a usage error
    bool repeatable = false; // may be given more than once (TArgs::texts())
};

// What an exit code of a command means, for its help.
struct TExitCode
{
    int code;
    QString meaning;
};

// A command of the command line: everything its help shows, and the
// handler that runs it. Adding a command is one function returning its
// TCommand and one line in the table of main(); the parser, the usage line
// and the help come from these fields.
struct TCommand
{
    QString name; // "report"; a subcommand is "dat to-xml"
    QString summary; // one line for the list of commands
    QString arguments; // positional arguments of the usage line: "FILE KEY..."
    QStringList moreUsage; // further usage lines after the generated one
    QString description; // paragraphs of the help, separated by "\n\n"
    QList<TCommandOption> options;
    // A switch that runs the command without its required options
    // ("report --list-kinds").
    QString standalone;
    QList<TExitCode> exitCodes;
    std::function<int(TArgs &)> run;

    // "veltrum NAME --required VALUE... [OPTIONS] ARGUMENTS"
    QString usage() const;
    // Usage, description, options (with -h/--help) and exit codes.
    QString help() const;
    // Smallest and largest number of positional arguments (-1: no limit).
    int minArguments() const;
    int maxArguments() const;
};

// The help of --lang, which every command takes.
QString languageHelp();

// Text wrapped at `width` columns, every line after the first indented by
// `indent` blanks; paragraphs ("\n") are kept.
QString wrapText(const QString &text, int width, int indent);
