// Faults that once went by without a word: each is now named, cleaned up
// or counted as nothing, and a command that could not do all it says fails.

#include "testdir.h"
#include "veltrumprocess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

const QString Closed = QStringLiteral("2026-12-04");

class NamedFaults : public ::testing::Test
{
protected:
    void SetUp() override { root = writeDemo(dir, 2, 10); }

    QString path(const QString &relative) const { return root + QLatin1Char('/') + relative; }

    void write(const QString &relative, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile f(path(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << relative;
        f.write(bytes);
    }

    QByteArray read(const QString &relative) const
    {
        QFile f(path(relative));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << relative;
        return f.readAll();
    }

    Outcome closing() const
    {
        return veltrum({QStringLiteral("turnover"), QStringLiteral("--data"), root,
                        QStringLiteral("--date"), QStringLiteral("2026-12-05"),
                        QStringLiteral("--force")});
    }

    Outcome report(const QStringList &more) const
    {
        return veltrum(QStringList {QStringLiteral("report"), QStringLiteral("--data"), root,
                                    QStringLiteral("--now"), QStringLiteral("2026-12-05T21:00:00"),
                                    QStringLiteral("--kind"), QStringLiteral("5")}
                       + more);
    }

    TestDir dir;
    QString root;
};

TEST_F(NamedFaults, AClosingRemovesTheTemporariesAKilledRunLeft)
{
    write(QStringLiteral("var/lock/turnover.run.4711.tmp"), "{\"z\": 9");
    write(QStringLiteral("var/statist/tag05.12.2026/closing-9.json.4711.tmp"), "{");
    write(QStringLiteral("var/statist/tag05.12.2026/keep.tmp"), "not ours");
    const Outcome r = closing();
    ASSERT_EQ(0, r.code) << r.err;
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("var/lock/turnover.run.4711.tmp"))));
    EXPECT_FALSE(QFileInfo::exists(
            path(QStringLiteral("var/statist/tag05.12.2026/closing-9.json.4711.tmp"))));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("var/statist/tag05.12.2026/keep.tmp"))));
}

TEST_F(NamedFaults, AnEmptyBillIsDeletedAndTheClosingSaysSo)
{
    const QStringList paid = QDir(path(QStringLiteral("var/archives")))
                                     .entryList({QStringLiteral("a*")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(paid.isEmpty());
    const QString empty = QStringLiteral("a99999");
    write(QStringLiteral("var/archives/") + empty, QByteArray());
    const Outcome r = closing();
    ASSERT_EQ(0, r.code) << r.err;
    EXPECT_TRUE(r.out.contains(QStringLiteral("the empty bill %1 was deleted").arg(empty)))
            << r.out;
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("var/archives/") + empty)));
}

TEST_F(NamedFaults, AHalfCutBillOfAClosedDayCountsNothing)
{
    const QString day = QStringLiteral("var/statist/tag04.12.2026/");
    const QStringList bills
            = QDir(path(day)).entryList({QStringLiteral("a*")}, QDir::Files, QDir::Name);
    ASSERT_GE(bills.size(), 2);
    const QString bill = day + bills.last();
    const QByteArray whole = read(bill);
    const QStringList range {QStringLiteral("--from"), Closed};

    // the day without that bill at all, from a summary built afresh
    ASSERT_TRUE(QFile::rename(path(bill), dir.file(QStringLiteral("bill"))));
    QFile::remove(path(QStringLiteral("var/summary/2026-12-04.dat")));
    const Outcome without = report(range);
    ASSERT_EQ(0, without.code) << without.err;

    // the bill back, cut inside its last entry
    write(bill, whole.left(whole.size() - 7));
    QFile::remove(path(QStringLiteral("var/summary/2026-12-04.dat")));
    const Outcome cut = report(range);
    EXPECT_EQ(0, cut.code) << cut.err;
    EXPECT_TRUE(cut.err.contains(bills.last())) << cut.err;
    EXPECT_EQ(without.out, cut.out);
}

TEST_F(NamedFaults, AHalfCutBillOfTheCurrentDayCountsNothing)
{
    const QStringList bills = QDir(path(QStringLiteral("var/archives")))
                                      .entryList({QStringLiteral("a*")}, QDir::Files, QDir::Name);
    ASSERT_GE(bills.size(), 2);
    const QString bill = QStringLiteral("var/archives/") + bills.last();
    const QByteArray whole = read(bill);
    // read as it lies, and loaded in memory for a filter
    const QList<QStringList> runs {{}, {QStringLiteral("--filter"), QStringLiteral("1")}};

    ASSERT_TRUE(QFile::rename(path(bill), dir.file(QStringLiteral("bill"))));
    QList<Outcome> without;
    for (const QStringList &run : runs) {
        without.append(report(run));
        ASSERT_EQ(0, without.last().code) << without.last().err;
    }
    write(bill, whole.left(whole.size() - 7));
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const Outcome cut = report(runs.at(i));
        EXPECT_EQ(0, cut.code) << cut.err;
        EXPECT_EQ(without.at(i).out, cut.out);
    }
}

TEST_F(NamedFaults, AMalformedIniLineNamesTheFileAndTheLine)
{
    // the installation's reports.ini is UTF-16 with its byte order mark:
    // the line goes in as the file's own text
    const QByteArray ini = read(QStringLiteral("etc/reports.ini"));
    ASSERT_TRUE(ini.startsWith("\xFF\xFE"));
    QString text = QStringDecoder(QStringConverter::Utf16LE).decode(ini.mid(2));
    if (!text.endsWith(QLatin1Char('\n')))
        text += QStringLiteral("\r\n");
    const int line = int(text.count(QLatin1Char('\n'))) + 1;
    text += QStringLiteral("#> include <broken\r\n");
    write(QStringLiteral("etc/reports.ini"),
          "\xFF\xFE" + QByteArray(QStringEncoder(QStringConverter::Utf16LE).encode(text)));
    const Outcome r = report({});
    EXPECT_EQ(1, r.code);
    EXPECT_TRUE(r.out.isEmpty()) << r.out;
    EXPECT_TRUE(r.err.contains(QStringLiteral("reports.ini, line %1: an include line without "
                                              "'<file>'")
                                       .arg(line)))
            << r.err;
    EXPECT_FALSE(r.err.contains(QStringLiteral("error 511"))) << r.err;
}

TEST_F(NamedFaults, ADamagedChainQueueIsNamedAndKeptAside)
{
    write(QStringLiteral("var/chain.queue"), QByteArray("\x01\x02 no queue at all\n"));
    const Outcome r = veltrum({QStringLiteral("chain"), QStringLiteral("push"),
                               QStringLiteral("--data"), root, QStringLiteral("--db"),
                               QStringLiteral("postgresql://veltrum@/chain?host=/nonexistent/"
                                              "veltrum-test-socket")});
    EXPECT_NE(0, r.code);
    EXPECT_TRUE(r.err.contains(path(QStringLiteral("var/chain.queue")))) << r.err;
    EXPECT_EQ(QByteArray("\x01\x02 no queue at all\n"),
              read(QStringLiteral("var/chain.queue.damaged")));
}

} // namespace
