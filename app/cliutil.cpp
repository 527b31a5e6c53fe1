#include "cliutil.h"

#include <QCoreApplication>

#include <cstdio>

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

int fail(const QString &message, int code)
{
    out().flush();
    err() << "veltrum: " << message << Qt::endl;
    return code;
}

int usageError(const QString &message)
{
    fail(message, ExitUsage);
    err() << "Try 'veltrum --help'." << Qt::endl;
    return ExitUsage;
}

int usageError(const QString &message, const char *usage)
{
    return usageError(message + QLatin1Char('\n') + tr(usage));
}

QString tr(const char *text)
{
    return QCoreApplication::translate("veltrum", text);
}
