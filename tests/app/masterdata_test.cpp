// Master data that is there but cannot be read is not master data that is
// missing: every command stops naming the file and never prints figures.

#include "testdir.h"
#include "veltrumprocess.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class DamagedMasterData : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        dir = new TestDir;
        root = writeDemo(*dir, 1, 6);
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }

    static QString dataFile(const QString &name)
    {
        return root + QStringLiteral("/usr/data/") + name;
    }

    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path;
        return f.readAll();
    }
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path;
        f.write(bytes);
    }

    static Outcome run(const QStringList &args)
    {
        return veltrum(args
                       + QStringList {QStringLiteral("--data"), root, QStringLiteral("--now"),
                                      QStringLiteral("2026-12-05T21:00:00")});
    }

    inline static TestDir *dir = nullptr;
    inline static QString root;
};

// Bytes that hold no list of records: the start of a record that never ends.
QByteArray cutShort(const QByteArray &list)
{
    return list.left(list.size() / 2 + 1);
}

QByteArray randomBytes()
{
    QByteArray bytes;
    quint32 x = 2463534242u; // a fixed xorshift sequence, the same in every run
    for (int i = 0; i < 300; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        bytes.append(char(x & 0xff));
    }
    return bytes;
}

TEST_F(DamagedMasterData, EveryCommandThatNeedsTheListStopsNamingTheFile)
{
    const QStringList waiterReport {QStringLiteral("report"), QStringLiteral("--kind"),
                                    QStringLiteral("5")};
    const QStringList batch {QStringLiteral("report"), QStringLiteral("--kind"),
                             QStringLiteral("101")};
    const Outcome before = run(waiterReport);
    ASSERT_EQ(0, before.code) << before.err;
    ASSERT_EQ(0, run(batch).code);

    struct Case
    {
        const char *file;
        QList<QStringList> commands;
    };
    const QList<Case> cases {
            {"currency.dat", {waiterReport, batch}},
            {"settings.dat", {waiterReport, batch}},
            {"waiters.dat", {waiterReport, batch}},
            {"departments.dat", {waiterReport}},
            {"sumbatches.dat", {batch}},
    };
    for (const Case &c : cases) {
        const QString path = dataFile(QString::fromLatin1(c.file));
        const QByteArray good = readFile(path);
        ASSERT_FALSE(good.isEmpty()) << c.file;
        for (const QByteArray &bad : {cutShort(good), randomBytes()}) {
            writeFile(path, bad);
            for (const QStringList &command : c.commands) {
                const Outcome r = run(command);
                EXPECT_EQ(1, r.code) << c.file << " " << command.join(QLatin1Char(' '));
                EXPECT_TRUE(r.out.isEmpty()) << c.file << ": " << r.out;
                EXPECT_TRUE(r.err.contains(path + QStringLiteral(": the file is damaged")))
                        << c.file << ": " << r.err;
            }
        }
        // a folder in the file's place cannot be read: the system's reason
        ASSERT_TRUE(QFile::remove(path));
        ASSERT_TRUE(QDir().mkpath(path));
        const Outcome unreadable = run(c.commands.first());
        EXPECT_EQ(1, unreadable.code) << c.file;
        EXPECT_TRUE(unreadable.out.isEmpty()) << unreadable.out;
        EXPECT_TRUE(unreadable.err.contains(path + QStringLiteral(": "))) << unreadable.err;
        ASSERT_TRUE(QDir().rmdir(path));
        writeFile(path, good);
    }
    EXPECT_EQ(before.out, run(waiterReport).out);
}

TEST_F(DamagedMasterData, AMissingCurrencyListStaysTheModeWithoutCurrencies)
{
    const QString path = dataFile(QStringLiteral("currency.dat"));
    const QByteArray good = readFile(path);
    ASSERT_TRUE(QFile::remove(path));
    const Outcome r
            = run({QStringLiteral("report"), QStringLiteral("--kind"), QStringLiteral("5")});
    writeFile(path, good);
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_TRUE(r.out.contains(QStringLiteral("Waiter #1 - Anna"))) << r.out;
    EXPECT_FALSE(r.out.contains(QStringLiteral(" EUR"))) << r.out;
}

} // namespace
