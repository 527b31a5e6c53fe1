#pragma once

#include <QCommandLineParser>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

struct TCommand;

// Wrong arguments: the message names the value and says what was
// expected. Thrown by the argument getters; the command table prints it
// and exits with ExitUsage.
struct TUsageError
{
    QString message;
};

// The parsed arguments of one command. Every getter checks its value and
// throws TUsageError naming it, so a handler reads its options in a few
// plain lines.
class TArgs
{
public:
    // Parses `args` (without the command's name) against the command's
    // options. Throws TUsageError for an unknown option, a missing value,
    // an option given twice, a missing required option or a wrong number of
    // positional arguments. `--help` is taken before the other checks.
    TArgs(const TCommand &command, const QStringList &args);

    const TCommand &command() const { return m_command; }
    bool helpRequested() const { return m_help; }
    // The absolute path of --log, which every command takes; empty when
    // not given.
    QString logFile() const { return m_logFile; }

    bool isSet(const QString &name) const;
    // The value, or `fallback` when the option is not given.
    QString text(const QString &name, const QString &fallback = QString()) const;
    // Every value of a repeatable option, in the order given.
    QStringList texts(const QString &name) const;
    // A file name given on the command line, absolute against the directory
    // the command was started in (a command may change its working
    // directory later); empty when not given.
    QString filePath(const QString &name) const;
    // A whole number in min..max.
    int number(const QString &name, int min, int max, int fallback = 0) const;
    qulonglong unsignedNumber(const QString &name, qulonglong fallback = 0) const;
    // yyyy-MM-dd; an invalid date when not given.
    QDate date(const QString &name) const;
    // --from and --to (yyyy-MM-dd): --from after --to is a usage error,
    // and so is --to without --from when `toNeedsFrom`.
    void dateRange(QDate &from, QDate &to, bool toNeedsFrom) const;
    // yyyy-MM-ddThh:mm:ss; invalid when not given.
    QDateTime dateTime(const QString &name) const;
    // The index of the value in `choices`, `fallback` when not given.
    int choice(const QString &name, const QStringList &choices, int fallback = 0) const;
    QStringList positional() const { return m_parser.positionalArguments(); }

    // "--name", as messages name an option.
    static QString optionText(const QString &name);
    // Throws TUsageError "bad value 'VALUE' for --NAME (EXPECTED)".
    [[noreturn]] void badValue(const QString &name, const QString &expected) const;

private:
    const TCommand &m_command;
    QCommandLineParser m_parser;
    bool m_help = false;
    QString m_logFile;
    QString m_startDir;
};
