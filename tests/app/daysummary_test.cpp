// The day summary of a closed day is read only when it is whole and still
// the day's: one cut short is built again from the bills, and one whose
// day lost or gained a bill is stale, whatever times the bills carry.

#include "testdir.h"
#include "veltrumprocess.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QString Day = QStringLiteral("2026-12-04");

class DaySummaryReading : public ::testing::Test
{
protected:
    void SetUp() override { root = writeDemo(dir, 2, 12); }

    QString summaryPath() const { return root + QStringLiteral("/var/summary/") + Day + ".dat"; }
    QString dayDir() const { return root + QStringLiteral("/var/statist/tag04.12.2026/"); }

    Outcome report(const QStringList &more = {}) const
    {
        return veltrum(QStringList {QStringLiteral("report"), QStringLiteral("--data"), root,
                                    QStringLiteral("--now"), QStringLiteral("2026-12-05T21:00:00"),
                                    QStringLiteral("--kind"), QStringLiteral("5"),
                                    QStringLiteral("--from"), Day}
                       + more);
    }

    // The report from a summary built afresh from the day's bills.
    QString fromTheBills() const
    {
        EXPECT_TRUE(QFile::remove(summaryPath()));
        const Outcome r = report();
        EXPECT_EQ(0, r.code) << r.err;
        return r.out;
    }

    QStringList bills() const
    {
        return QDir(dayDir()).entryList({QStringLiteral("a*")}, QDir::Files, QDir::Name);
    }

    TestDir dir;
    QString root;
};

TEST_F(DaySummaryReading, ASummaryCutShortIsBuiltAgainFromTheBills)
{
    const Outcome whole = report();
    ASSERT_EQ(0, whole.code) << whole.err;
    QFile file(summaryPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    ASSERT_GT(bytes.size(), 1000);

    // cut inside a record, and cut to nothing
    for (const qsizetype keep : {bytes.size() / 3, qsizetype(0)}) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.left(keep));
        file.close();
        const Outcome r = report();
        EXPECT_EQ(0, r.code) << keep << r.err;
        EXPECT_EQ(whole.out, r.out) << keep;
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(bytes, file.readAll()) << keep;
        file.close();
    }

    // a report that may write nothing leaves the damage as it is and reads
    // the day's bills
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.left(bytes.size() / 2));
    file.close();
    const Outcome readOnly = report({QStringLiteral("--read-only")});
    EXPECT_EQ(0, readOnly.code) << readOnly.err;
    EXPECT_EQ(whole.out, readOnly.out);
    EXPECT_EQ(bytes.size() / 2, QFileInfo(summaryPath()).size());
}

TEST_F(DaySummaryReading, ASummaryIsStaleWhenTheDayLostOrGainedABill)
{
    const Outcome before = report();
    ASSERT_EQ(0, before.code) << before.err;
    const QStringList names = bills();
    ASSERT_GE(names.size(), 3);

    // a bill taken away: the summary must not count it any more
    const QString removed = dayDir() + names.at(1);
    const QString kept = dir.file(QStringLiteral("kept-bill"));
    ASSERT_TRUE(QFile::rename(removed, kept));
    const Outcome without = report();
    EXPECT_EQ(0, without.code) << without.err;
    EXPECT_NE(before.out, without.out);
    EXPECT_EQ(fromTheBills(), without.out);

    // and brought back with its old modification time, older than the
    // summary written just now
    const QDateTime old = QFileInfo(dayDir() + names.at(0)).lastModified();
    ASSERT_TRUE(QFile::copy(kept, removed));
    {
        QFile back(removed);
        ASSERT_TRUE(back.open(QIODevice::ReadWrite));
        ASSERT_TRUE(back.setFileTime(old, QFileDevice::FileModificationTime));
    }
    ASSERT_LT(QFileInfo(removed).lastModified(), QFileInfo(summaryPath()).lastModified());
    const Outcome again = report();
    EXPECT_EQ(0, again.code) << again.err;
    EXPECT_EQ(before.out, again.out);
}

TEST_F(DaySummaryReading, AClosingLeavesItsSummaryCurrent)
{
    // the closing of today writes its record after the summary; the next
    // report reads that summary as it is
    const Outcome closing = veltrum({QStringLiteral("turnover"), QStringLiteral("--data"), root,
                                     QStringLiteral("--date"), QStringLiteral("2026-12-05"),
                                     QStringLiteral("--force")});
    ASSERT_EQ(0, closing.code) << closing.err;
    const QString summary = root + QStringLiteral("/var/summary/2026-12-05.dat");
    const QDateTime built = QFileInfo(summary).lastModified();
    ASSERT_TRUE(built.isValid());
    const Outcome r = veltrum({QStringLiteral("report"), QStringLiteral("--data"), root,
                               QStringLiteral("--now"), QStringLiteral("2026-12-06T10:00:00"),
                               QStringLiteral("--kind"), QStringLiteral("5"),
                               QStringLiteral("--from"), QStringLiteral("2026-12-05")});
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_EQ(built, QFileInfo(summary).lastModified());
}

} // namespace
