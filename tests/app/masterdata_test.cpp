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

// What follows the captions of a report ("All amount.......: 12,50 EUR"),
// in the order of its lines.
QStringList captionedValues(const QString &report)
{
    QStringList values;
    for (const QString &line : report.split(QLatin1Char('\n'))) {
        const int at = line.indexOf(QStringLiteral(".: "));
        if (at >= 0)
            values << line.mid(at + 3);
    }
    return values;
}

TEST_F(DamagedMasterData, AMissingCurrencyListStaysTheModeWithoutCurrencies)
{
    const QString path = dataFile(QStringLiteral("currency.dat"));
    const QByteArray good = readFile(path);
    ASSERT_TRUE(QFile::remove(path));
    const QStringList waiterReport {QStringLiteral("report"), QStringLiteral("--kind"),
                                    QStringLiteral("5")};
    const Outcome without = run(waiterReport);
    writeFile(path, good);
    EXPECT_EQ(0, without.code) << without.err;
    EXPECT_TRUE(without.err.isEmpty()) << without.err;
    EXPECT_TRUE(without.out.contains(QStringLiteral("Waiter #1 - Anna"))) << without.out;
    // amounts as plain cents without a currency text; the block of the
    // currencies paid in still names each by the short name its pays carry
    const QStringList plain = captionedValues(without.out);
    ASSERT_FALSE(plain.isEmpty()) << without.out;
    for (const QString &value : plain) {
        EXPECT_FALSE(value.contains(QStringLiteral("EUR"))) << value;
        EXPECT_FALSE(value.contains(QLatin1Char(','))) << value;
    }

    // the same lines with the list: amounts in euros with their decimals
    const Outcome with = run(waiterReport);
    EXPECT_EQ(0, with.code) << with.err;
    const QStringList formatted = captionedValues(with.out);
    ASSERT_EQ(plain.size(), formatted.size()) << with.out;
    EXPECT_GT(formatted.filter(QStringLiteral(" EUR")).size(), plain.size() / 2) << with.out;
}

} // namespace
