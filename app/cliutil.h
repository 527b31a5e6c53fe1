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
