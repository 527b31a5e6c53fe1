#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// Exit codes of the command line.
enum ExitCode {
    ExitOk = 0,
    ExitFailure = 1, // bad input, a file that cannot be read or written
    ExitUsage = 2, // wrong arguments
};

QTextStream &out();
QTextStream &err();

// Prints "veltrum: <message>" on stderr and returns `code`.
int fail(const QString &message, int code = ExitFailure);
int usageError(const QString &message);
// The same with the command's usage text after the message.
int usageError(const QString &message, const char *usage);

// A text of the command line, translated in the context "veltrum".
QString tr(const char *text);
