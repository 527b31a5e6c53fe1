#include "tarchtable.h"

#include "terror.h"
#include "testdir.h"
#include "trecordcodec.h"
#include "ttable.h"

#include <QDateTime>
#include <QFile>

#include <gtest/gtest.h>

#include <utime.h>

using Basics::TValue;
using PosLib::TArchTable;
using PosLib::TTable;

namespace {

QByteArray endRecord()
{
    TValue end;
    end.setInt(QStringLiteral("type"), -1);
    QByteArray data;
    Basics::appendRecord(data, end);
    return data;
}

void setModified(const QString &path, qint64 seconds)
{
    const struct utimbuf times = {time_t(seconds), time_t(seconds)};
    ASSERT_EQ(0, utime(QFile::encodeName(path).constData(), &times));
}

class ArchTableTest : public ::testing::Test
{
protected:
    QString root() const { return dir.path(); }
    QString dayFile(const QString &name) const
    {
        return QStringLiteral("var/statist/tag05.03.2014/") + name;
    }
    QString summaryFile() const { return QStringLiteral("var/summary/2014-03-05.dat"); }

    // "table/party/archive" of every table of the summary, taking each.
    QStringList walk(TArchTable &summary)
    {
        QStringList out;
        while (TTable *t = summary.nextTable()) {
            std::unique_ptr<TTable> table(t);
            EXPECT_EQ(TTable::SummaryTable, table->mode());
            EXPECT_EQ(TTable::Open, table->state());
            out << QStringLiteral("%1/%2/%3").arg(t->table()).arg(t->party()).arg(t->archive());
        }
        return out;
    }

    const QDate day {2014, 3, 5};
    TestDir dir;
};

} // namespace

TEST_F(ArchTableTest, ReferenceSummaryYieldsTwoTablesThenNull)
{
    dir.copyData(QStringLiteral("2014-03-05.dat"), summaryFile());
    TArchTable summary(root(), day);
    EXPECT_EQ(dir.file(summaryFile()), summary.filePath());

    std::unique_ptr<TTable> first(summary.nextTable());
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(12, first->table());
    EXPECT_EQ(QList<int>({1, 2}), first->entries().ids());
    EXPECT_EQ(1150, first->entries().entry(1)->price());
    EXPECT_EQ(QList<int>({1, 2}), first->entries().entry(1)->children()->ids());
    EXPECT_FALSE(first->entries().entry(1)->children()->entry(2)->has(QStringLiteral("father")));
    EXPECT_EQ(QStringLiteral("Anna"), first->create().waiterName());

    std::unique_ptr<TTable> second(summary.nextTable());
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(7, second->table());
    EXPECT_EQ(2, second->party());
    EXPECT_EQ(15, second->archive());
    EXPECT_EQ(2, second->entries().count());

    EXPECT_EQ(nullptr, summary.nextTable());
    EXPECT_EQ(nullptr, summary.nextTable());
    EXPECT_EQ(2, summary.tableCount());
}

TEST_F(ArchTableTest, BuildWritesTheReferenceBytes)
{
    // the two tables of the reference summary, as files of the closed day
    dir.copyData(QStringLiteral("t12.001"), dayFile(QStringLiteral("a0")));
    dir.copyData(QStringLiteral("a15"), dayFile(QStringLiteral("a15")));

    TArchTable summary(root(), day);
    EXPECT_EQ(2, summary.build());
    EXPECT_EQ(testData(QStringLiteral("2014-03-05.dat")), dir.read(summaryFile()));
    EXPECT_FALSE(dir.exists(summaryFile() + QStringLiteral(".tmp")));
}

TEST_F(ArchTableTest, BuildTakesArchiveNumbersFromTheDayFiles)
{
    dir.copyData(QStringLiteral("a15"), dayFile(QStringLiteral("a15")));
    dir.copyData(QStringLiteral("t12.001"), dayFile(QStringLiteral("a16")));

    TArchTable builder(root(), day);
    EXPECT_EQ(2, builder.build());
    TArchTable summary(root(), day);
    EXPECT_EQ(QStringList({QStringLiteral("7/2/15"), QStringLiteral("12/1/16")}), walk(summary));
    EXPECT_TRUE(dir.read(summaryFile()).endsWith(endRecord()));
}

TEST_F(ArchTableTest, MissingSummaryIsBuiltOnFirstRead)
{
    dir.copyData(QStringLiteral("a15"), dayFile(QStringLiteral("a15")));
    TArchTable summary(root(), day);
    EXPECT_FALSE(dir.exists(summaryFile()));
    EXPECT_EQ(QStringList({QStringLiteral("7/2/15")}), walk(summary));
    EXPECT_EQ(testData(QStringLiteral("a15")) + endRecord(), dir.read(summaryFile()));
}

TEST_F(ArchTableTest, EmptyDayWritesNoSummary)
{
    TArchTable missing(root(), day);
    EXPECT_EQ(0, missing.build());
    EXPECT_EQ(nullptr, missing.nextTable());
    EXPECT_FALSE(dir.exists(summaryFile()));

    dir.write(dayFile(QStringLiteral("notes")), "");
    TArchTable empty(root(), day);
    EXPECT_EQ(0, empty.build());
    EXPECT_FALSE(dir.exists(summaryFile()));
}

TEST_F(ArchTableTest, NewerTableFileMakesTheSummaryOutdated)
{
    dir.copyData(QStringLiteral("a15"), dayFile(QStringLiteral("a15")));
    dir.copyData(QStringLiteral("t12.001"), dayFile(QStringLiteral("a16")));
    TArchTable summary(root(), day);
    EXPECT_FALSE(summary.isCurrent());
    ASSERT_EQ(2, summary.build());

    // times ahead of the files' status changes (made just now)
    const qint64 built = QDateTime::currentSecsSinceEpoch() + 1000;
    setModified(dir.file(dayFile(QStringLiteral("a15"))), built - 100);
    setModified(dir.file(dayFile(QStringLiteral("a16"))), built);
    setModified(dir.file(QStringLiteral("var/statist/tag05.03.2014")), built - 100);
    setModified(dir.file(summaryFile()), built);
    EXPECT_TRUE(summary.isCurrent());

    setModified(dir.file(dayFile(QStringLiteral("a16"))), built + 1);
    EXPECT_FALSE(summary.isCurrent());
}

TEST_F(ArchTableTest, ABillRemovedOrMovedInWithAnOlderTimeMakesTheSummaryOutdated)
{
    dir.copyData(QStringLiteral("a15"), dayFile(QStringLiteral("a15")));
    TArchTable summary(root(), day);
    ASSERT_EQ(1, summary.build());

    const qint64 built = QDateTime::currentSecsSinceEpoch() + 1000;
    setModified(dir.file(dayFile(QStringLiteral("a15"))), built - 100);
    setModified(dir.file(summaryFile()), built);
    // a file that is no table file does not count
    dir.write(dayFile(QStringLiteral("turnover.z")), "1");
    setModified(dir.file(dayFile(QStringLiteral("turnover.z"))), built + 100);
    setModified(dir.file(QStringLiteral("var/statist/tag05.03.2014")), built - 100);
    EXPECT_TRUE(summary.isCurrent());
    // the folder's own time: a file added, removed or renamed in it
    setModified(dir.file(QStringLiteral("var/statist/tag05.03.2014")), built + 100);
    EXPECT_FALSE(summary.isCurrent());

    // a bill whose modification time is older than the summary, but which
    // came into the folder after it: its status changed then
    setModified(dir.file(QStringLiteral("var/statist/tag05.03.2014")), built - 100);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    setModified(dir.file(summaryFile()), now - 10);
    setModified(dir.file(QStringLiteral("var/statist/tag05.03.2014")), now - 20);
    setModified(dir.file(dayFile(QStringLiteral("a15"))), now - 3600);
    EXPECT_FALSE(summary.isCurrent());
}

TEST_F(ArchTableTest, ASummaryCutShortIsBuiltAgainBeforeItIsRead)
{
    dir.copyData(QStringLiteral("a15"), dayFile(QStringLiteral("a15")));
    dir.copyData(QStringLiteral("t12.001"), dayFile(QStringLiteral("a16")));
    ASSERT_EQ(2, TArchTable(root(), day).build());
    const QByteArray whole = dir.read(summaryFile());
    // cut inside the payment of the second table
    dir.write(summaryFile(), whole.left(whole.size() - endRecord().size() - 20));

    // a reader that may not write leaves it and says so
    TArchTable kept(root(), day);
    kept.setReadOnly(true);
    EXPECT_THROW(kept.nextTable(), Basics::TFileError);
    EXPECT_EQ(whole.size() - endRecord().size() - 20, dir.read(summaryFile()).size());

    TArchTable summary(root(), day);
    std::unique_ptr<TTable> first(summary.nextTable());
    ASSERT_NE(nullptr, first);
    std::unique_ptr<TTable> second(summary.nextTable());
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(nullptr, summary.nextTable());
    EXPECT_EQ(whole, dir.read(summaryFile()));
}

TEST_F(ArchTableTest, TableWithoutCreationRecordIsSkippedInStep)
{
    TValue head;
    head.setInt(QStringLiteral("table"), 99);
    TValue wrong;
    wrong.setInt(QStringLiteral("type"), 3);
    TValue order;
    order.setId(1);
    order.setInt(QStringLiteral("type"), PosLib::EntryOrder);
    QByteArray data;
    Basics::appendRecord(data, head);
    Basics::appendRecord(data, wrong);
    Basics::appendRecord(data, order);
    Basics::appendRecord(data, order);
    data += endRecord() + testData(QStringLiteral("a15")) + endRecord();
    dir.write(summaryFile(), data);

    TArchTable summary(root(), day);
    EXPECT_EQ(QStringList({QStringLiteral("7/2/15")}), walk(summary));
    EXPECT_EQ(1, summary.tableCount());
}

// A bill that cannot be read whole used to be left out without a word,
// and the summary then passed for complete.
TEST_F(ArchTableTest, BillThatCannotBeReadFailsTheBuildAndKeepsTheOldSummary)
{
    dir.copyData(QStringLiteral("a15"), dayFile(QStringLiteral("a15")));
    dir.copyData(QStringLiteral("t12.001"), dayFile(QStringLiteral("a16")));
    ASSERT_EQ(2, TArchTable(root(), day).build());
    const QByteArray built = dir.read(summaryFile());

    const QByteArray whole = testData(QStringLiteral("a15"));
    const QList<QPair<QString, QByteArray>> damaged = {
            {QStringLiteral("a17"), QByteArray()}, // empty
            {QStringLiteral("a18"), whole.left(whole.size() - 5)}, // cut off inside an entry
            {QStringLiteral("a19"), whole.left(20)}, // cut off in its header
    };
    for (const auto &[name, bytes] : damaged) {
        dir.write(dayFile(name), bytes);
        try {
            TArchTable(root(), day).build();
            ADD_FAILURE() << "built a summary without " << qPrintable(name);
        } catch (const Basics::TFileError &e) {
            EXPECT_EQ(dir.file(dayFile(name)), e.fileName());
        }
        EXPECT_EQ(built, dir.read(summaryFile())) << qPrintable(name);
        EXPECT_FALSE(dir.exists(summaryFile() + QStringLiteral(".tmp")));
        QFile::remove(dir.file(dayFile(name)));
    }
}
