#pragma once

#include "qstringprint.h"
#include "testdir.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
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

// Sets environment variables for as long as it lives.
class ScopedEnvironment
{
public:
    void set(const char *name, const QString &value)
    {
        m_saved.append({name, qgetenv(name)});
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnvironment()
    {
        for (auto it = m_saved.crbegin(); it != m_saved.crend(); ++it) {
            if (it->second.isNull())
                qunsetenv(it->first);
            else
                qputenv(it->first, it->second);
        }
    }

private:
    QList<QPair<const char *, QByteArray>> m_saved;
};

// Temporary files go to `folder` (made here), where the first write fails
// as on a full disk (the fault shim), for as long as `env` lives.
inline void fullTemporaryFolder(ScopedEnvironment &env, const QString &folder)
{
    QDir().mkpath(folder);
    env.set("TMPDIR", folder);
    env.set("LD_PRELOAD", binPath(QStringLiteral("libfaultshim.so")));
    env.set("VELTRUM_FAULT_ROOT", folder);
    env.set("VELTRUM_FAULT_OPS", QStringLiteral("write"));
    env.set("VELTRUM_FAULT_AT", QStringLiteral("1"));
}

// For a command whose output waits in temporary files until it is whole:
// `run` with `args` writes `spooled` (its output with a temporary folder)
// also without a temporary folder (in memory), and with a full one it
// fails, naming the folder, and writes no --output file. Files go to `dir`.
inline void expectSpoolsKeptOrNamed(const std::function<Outcome(const QStringList &)> &run,
                                    const QStringList &args, const Outcome &spooled,
                                    const TestDir &dir)
{
    {
        ScopedEnvironment env;
        env.set("TMPDIR", dir.file(QStringLiteral("no/such/folder")));
        const Outcome kept = run(args);
        EXPECT_EQ(0, kept.code) << kept.err;
        EXPECT_EQ(spooled.out, kept.out);
    }
    const QString tmp = dir.file(QStringLiteral("full"));
    const QString file = dir.file(QStringLiteral("spooled.out"));
    Outcome full;
    {
        ScopedEnvironment env;
        fullTemporaryFolder(env, tmp);
        full = run(args + QStringList {QStringLiteral("--output"), file});
    }
    EXPECT_EQ(1, full.code) << full.err;
    EXPECT_TRUE(full.err.contains(tmp)) << full.err;
    EXPECT_TRUE(full.err.contains(QStringLiteral("No space left on device"))) << full.err;
    EXPECT_FALSE(QFile::exists(file));
}
