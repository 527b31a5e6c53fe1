#pragma once

#include <QBuffer>
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace Basics {
class TError;
class TTranslation;
} // namespace Basics

// Exit codes of the command line, the same for every command.
enum ExitCode {
    ExitOk = 0,
    ExitFailure = 1, // bad input, a file that cannot be read or written, a refused run
    ExitUsage = 2, // wrong arguments
    ExitOpenTables = 3, // a closing stopped by open tables
    ExitIncomplete = 4, // a closing done, but bills left behind or a later step failed
    ExitDiskFull = 5, // a run stopped or left bills behind because the disk is full
    ExitInterrupted = 130, // stopped by Ctrl-C (128 + SIGINT)
};

QTextStream &out();
QTextStream &err();

// While it lives, what err() prints is kept instead of going to standard
// error: a command run inside a program that shows its messages
// elsewhere (the web view answers with them).
class TMessageCapture
{
public:
    TMessageCapture();
    ~TMessageCapture();
    TMessageCapture(const TMessageCapture &) = delete;
    TMessageCapture &operator=(const TMessageCapture &) = delete;
    QString text() const;

private:
    QBuffer m_buffer;
};

// Prints "veltrum: <message>" on stderr and returns `code`.
int fail(const QString &message, int code = ExitFailure);
// The same with a hint to the help, of `command` when given; returns
// ExitUsage.
int usageError(const QString &message, const QString &command = QString());

// The catalogues the command line shows its texts from; a command that
// writes in another language (a mail job) switches it and back.
Basics::TTranslation &cliTranslation();

// What went wrong, for the user: the file concerned and the system's
// reason, never a source position. The full error goes to the log.
QString errorText(const Basics::TError &error);

// The texts of the command line, translated in the context "veltrum":
// TCli::tr("...").
struct TCli
{
    Q_DECLARE_TR_FUNCTIONS(veltrum)
};
