#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>

namespace PosLib {

// Directories of the installation tree. Each takes the installation base
// path (with or without a trailing "/" or "\") and returns the normalised
// directory ending in "/": the base path joined with the relative name.
// Directories marked "created" are made, with their parents, when missing;
// failures are thrown as Basics::TDirError.

// The base path joined with any relative directory.
QString installationDir(const QString &base, const QString &relative, bool create);

QString dataDir(const char *base); // "usr/data", created
QString dataDir(const QString &base);
QString varDir(const char *base); // "var", created
QString varDir(const QString &base);
QString activeTablesDir(const char *base); // "var/activetables", created
QString activeTablesDir(const QString &base);
QString tablesDir(const char *base); // "var/tables", created
QString tablesDir(const QString &base);
QString archivesDir(const char *base); // "var/archives", created
QString archivesDir(const QString &base);
QString statistDir(const char *base); // "var/statist", not created
QString statistDir(const QString &base);
QString summaryDir(const char *base); // "var/summary", created
QString summaryDir(const QString &base);
QString reportsDir(const char *base); // "var/reports", created
QString reportsDir(const QString &base);
QString controlDir(const char *base); // "var/control", created
QString controlDir(const QString &base);
QString messagesDir(const char *base); // "var/messages", created
QString messagesDir(const QString &base);
QString lockDir(const char *base); // "var/lock", created
QString lockDir(const QString &base);
QString layoutDir(const char *base); // "etc/layout", created
QString layoutDir(const QString &base);

// The folder name of a closed business day: "tag05.03.2014" for 5 March 2014.
QString statistDayName(const QDate &day);
// The statistics folder of that day, "var/statist/tagDD.MM.YYYY/"; not
// created.
QString statistDayDir(const QDate &day, const char *base);
QString statistDayDir(const QDate &day, const QString &base);

// The installation-wide settings file, relative to the working directory
// (the host runs in the installation directory).
QString globalsIniPath();

// Start of the gastronomic day: "dayoffs" of section "Settings", written as
// hours * 100 + minutes (600 = 06:00). A missing file or key, unparsable
// text or a value that makes no time of day give 00:00.
QTime dayOffset();
QTime dayOffset(const QString &iniFile);
QTime dayOffsetTime(qint64 value);
// The business day at `now` for the installation at `root`: before the
// start of the gastronomic day of its "etc/globals.ini" it is still the day
// before (00:30 on 6 May with a start at 06:00 belongs to 5 May).
QDate businessDay(const QString &root, const QDateTime &now);

// The language of the installation: "language" of section "Settings" in its
// globals file, "de" for German and "en" for any other language (read as
// Basics::languageOfLocale, so "de_AT" is German too). Empty when the file
// or the key is missing or the file cannot be read: the installation then
// names no language and the programs speak English.
QString installationLanguage(const QString &iniFile);

// Appends the parameter line "name^=|value" used by the walk report.
void appendParameter(QStringList &lines, const QString &name, const QString &value);
void appendParameter(QStringList &lines, const QString &name, qint64 value);

} // namespace PosLib
