#pragma once

#include "qstringprint.h"
#include "testdir.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

class TestDir;


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

// Suites that read one demo installation of `Days` closed days of `Tables`
// tables, made once for the suite, through veltrum report at a fixed now.
template<int Days, int Tables>
class DemoReportSuite : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        dir = new TestDir;
        root = writeDemo(*dir, Days, Tables);
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }

    static Outcome report(const QStringList &args)
    {
        return veltrum(QStringList {QStringLiteral("report"), QStringLiteral("--data"), root,
                                    QStringLiteral("--now"), QStringLiteral("2026-12-05T21:00:00")}
                       + args);
    }

    inline static TestDir *dir = nullptr;
    inline static QString root;
};
