#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

class TestDir;

// Readable QString values in failure messages.
inline std::ostream &operator<<(std::ostream &os, const QString &text)
{
    return os << text.toStdString();
}

// How one run of the veltrum program ended.
struct Outcome
{
    int code = -1; // -1 when it crashed or did not end
    QString out;
    QString err;
};

// A run in English, whatever language this machine's environment names.
Outcome veltrum(const QStringList &args, const QByteArray &input = QByteArray());
// A run whose environment names only `locale` (LANG; LC_ALL, LC_MESSAGES
// and LANGUAGE unset).
Outcome veltrumIn(const QString &locale, const QStringList &args,
                  const QByteArray &input = QByteArray());

class QProcessEnvironment;
// The system environment with LANG set to `locale` and the variables that
// would override it removed.
QProcessEnvironment languageEnvironment(const QString &locale);

// A demo installation in dir/inst with `days` closed days of `tables`
// tables, today 2026-12-05; returns its path.
QString writeDemo(const TestDir &dir, int days, int tables);
