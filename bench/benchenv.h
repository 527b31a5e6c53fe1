#pragma once

#include "tdemoinstallation.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

#include <cstdio>

// A positive whole number from the environment variable `name`; `def`
// when it is not set or not such a number.
inline int envInt(const char *name, int def)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok && v > 0 ? v : def;
}

// The day the benchmark installations end on.
inline QDate benchToday()
{
    return QDate(2026, 12, 5);
}

// The demo installation of `days` days with `tables` tables a day, in the
// folder the environment variable `variable` names, or else in
// bench-data/<dirName> under the current folder; written there on first use.
// Returns the folder with a trailing slash.
inline QString benchInstallation(const char *variable, const QString &dirName, int days, int tables)
{
    QString root = qEnvironmentVariable(variable);
    if (root.isEmpty())
        root = QDir::current().filePath(QStringLiteral("bench-data/") + dirName);
    root = QDir(root).absolutePath() + QLatin1Char('/');
    if (!QFileInfo::exists(root + PosLib::TDemoInstallation::markerName())) {
        std::fprintf(stderr, "writing %s ...\n", qPrintable(root));
        PosLib::TDemoOptions options;
        options.days = days;
        options.tables = tables;
        options.today = benchToday();
        PosLib::TDemoInstallation(options).write(root);
    }
    return root;
}
