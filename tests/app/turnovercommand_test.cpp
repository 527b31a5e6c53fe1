#include "testdir.h"
#include "tsumbatch.h"
#include "veltrumprocess.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// Every file and directory under `root` with its size, time and content.
QStringList tree(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QString entry = QDir(root).relativeFilePath(info.filePath());
        if (info.isFile()) {
            QFile file(info.filePath());
            file.open(QIODevice::ReadOnly);
            entry += QStringLiteral(" %1 %2 %3")
                             .arg(info.size())
                             .arg(info.lastModified().toMSecsSinceEpoch())
                             .arg(QString::fromLatin1(
                                     QCryptographicHash::hash(file.readAll(),
                                                              QCryptographicHash::Sha1)
                                             .toHex()));
        }
        entries << entry;
    }
    entries.sort();
    return entries;
}

// The first number after `label` in `text`; -1 when there is none.
int numberAfter(const QString &text, const QString &label)
{
    const QRegularExpressionMatch m
            = QRegularExpression(QRegularExpression::escape(label) + QStringLiteral("(\\d+)"))
                      .match(text);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QStringList turnoverArgs(const QString &root)
{
    return {QStringLiteral("turnover"),
            QStringLiteral("--data"),
            root,
            QStringLiteral("--date"),
            QStringLiteral("2026-12-05"),
            QStringLiteral("--now"),
            QStringLiteral("2026-12-05T22:00:00")};
}

} // namespace

TEST(VeltrumTurnoverDryRun, ChangesNothingAndPredictsTheRun)
{
    TestDir dir;
    const QString root = writeDemo(dir, 2, 20);
    const QStringList turnover = turnoverArgs(root);
    const QStringList before = tree(root);

    // the demo leaves a table open: the closing would stop
    Outcome dry = veltrum(turnover + QStringList(QStringLiteral("--dry-run")));
    EXPECT_EQ(3, dry.code) << dry.out;
    EXPECT_TRUE(dry.out.contains(QStringLiteral("\n  ok    the lock is free\n"))) << dry.out;
    EXPECT_TRUE(dry.out.contains(QStringLiteral("they stop the closing (see --force)")));
    EXPECT_TRUE(dry.out.contains(QStringLiteral("is held by terminal "))) << dry.out;
    EXPECT_EQ(before, tree(root));

    dry = veltrum(turnover + QStringList({QStringLiteral("--dry-run"), QStringLiteral("--force")}));
    EXPECT_EQ(0, dry.code) << dry.out;
    EXPECT_TRUE(dry.out.endsWith(QStringLiteral("The closing would go through.\n"))) << dry.out;
    EXPECT_EQ(before, tree(root));
    const int bills = numberAfter(dry.out, QStringLiteral("  info  "));
    const int z = numberAfter(dry.out, QStringLiteral("Z counter "));
    const int dayZ = numberAfter(dry.out, QStringLiteral("the day would get Z number "));
    ASSERT_GT(bills, 0) << dry.out;
    const int archived = int(QDir(root + QStringLiteral("/var/archives"))
                                     .entryList(QStringList(QStringLiteral("a*")), QDir::Files)
                                     .size());
    EXPECT_EQ(archived, bills);

    const Outcome real = veltrum(turnover + QStringList(QStringLiteral("--force")));
    ASSERT_EQ(0, real.code) << real.err;
    EXPECT_EQ(bills, numberAfter(real.out, QStringLiteral("Closed 2026-12-05: "))) << real.out;
    EXPECT_EQ(z, numberAfter(real.out, QStringLiteral("Z counter "))) << real.out;
    EXPECT_EQ(dayZ, numberAfter(real.out, QStringLiteral("the day's Z number "))) << real.out;

    // closed: a second closing is refused without --force, and with it
    // uses the next Z counter and keeps the day's Z number
    const QStringList closed = tree(root);
    dry = veltrum(turnover + QStringList(QStringLiteral("--dry-run")));
    EXPECT_EQ(1, dry.code) << dry.out;
    EXPECT_TRUE(dry.out.contains(QStringLiteral("the day's journal has 1 run(s) already")))
            << dry.out;
    dry = veltrum(turnover + QStringList({QStringLiteral("--dry-run"), QStringLiteral("--force")}));
    EXPECT_EQ(0, dry.code) << dry.out;
    EXPECT_EQ(z + 1, numberAfter(dry.out, QStringLiteral("Z counter ")));
    EXPECT_EQ(dayZ, numberAfter(dry.out, QStringLiteral("the day keeps its Z number ")));
    EXPECT_EQ(0, numberAfter(dry.out, QStringLiteral("  info  ")));
    EXPECT_EQ(closed, tree(root));
}

TEST(VeltrumTurnoverDryRun, TellsEveryRefusal)
{
    TestDir dir;
    const QString root = writeDemo(dir, 1, 5);
    const QStringList dry = turnoverArgs(root)
                            + QStringList({QStringLiteral("--dry-run"), QStringLiteral("--force")});
    const QStringList before = tree(root);

    // nothing to close
    for (const QString &file :
         QDir(root + QStringLiteral("/var/archives")).entryList(QDir::Files | QDir::Hidden))
        ASSERT_TRUE(QFile::remove(root + QStringLiteral("/var/archives/") + file));
    Outcome r = veltrum(dry + QStringList(QStringLiteral("--cancel-if-empty")));
    EXPECT_EQ(1, r.code);
    EXPECT_TRUE(r.out.contains(QStringLiteral("Nothing to close for 2026-12-05"))) << r.out;
    r = veltrum(dry);
    EXPECT_EQ(0, r.code) << r.out;
    EXPECT_EQ(0, numberAfter(r.out, QStringLiteral("  info  ")));

    // a fiscal summary file of the day
    dir.write(QStringLiteral("inst/var/reports/20261205.1.fiscal"), "report");
    r = veltrum(dry);
    EXPECT_EQ(1, r.code);
    EXPECT_TRUE(r.out.contains(QStringLiteral("  stop  the day has a fiscal summary file")))
            << r.out;
    EXPECT_TRUE(r.out.endsWith(
            QStringLiteral("would not go through: This day is already fiscalized!\n")));
    // a waiter's closing does not look at fiscal files
    r = veltrum(dry + QStringList({QStringLiteral("--waiter"), QStringLiteral("1")}));
    EXPECT_EQ(0, r.code) << r.out;
    EXPECT_NE(before, tree(root)); // only by what this test removed and wrote
}

TEST(VeltrumFiscalBatch, OnTheOpenDayOrARangeItStoresNothing)
{
    TestDir dir;
    const QString root = writeDemo(dir, 3, 8);
    PosLib::TSumBatches batches;
    ASSERT_EQ(0, batches.load(root.toLocal8Bit().constData()));
    int fiscal = 0;
    for (int id : batches.ids()) {
        if (batches.batch(id)->fiscal())
            fiscal = id;
    }
    ASSERT_NE(0, fiscal);
    const QStringList report = {QStringLiteral("report"), QStringLiteral("--data"), root,
                                QStringLiteral("--kind"), QString::number(100 + fiscal)};
    const QDir reports(root + QStringLiteral("/var/reports"));

    Outcome r = veltrum(report);
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_TRUE(r.out.contains(QStringLiteral("\nActual Shift Summary from "))) << r.out;
    r = veltrum(report
                + QStringList({QStringLiteral("--from"), QStringLiteral("2026-12-02"),
                               QStringLiteral("--to"), QStringLiteral("2026-12-04")}));
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_TRUE(r.out.contains(QStringLiteral("\nHistory Summary from "))) << r.out;
    EXPECT_TRUE(reports.isEmpty()) << reports.entryList().join(' ');

    // the open day stays closable
    r = veltrum(turnoverArgs(root) + QStringList(QStringLiteral("--force")));
    EXPECT_EQ(0, r.code) << r.err;

    // one closed day, also given as --from D --to D, is a fiscal run: stored once
    r = veltrum(report
                + QStringList({QStringLiteral("--from"), QStringLiteral("2026-12-05"),
                               QStringLiteral("--to"), QStringLiteral("2026-12-05")}));
    EXPECT_EQ(0, r.code) << r.err;
    EXPECT_TRUE(r.out.contains(QStringLiteral("\nFiscal Summary "))) << r.out;
    EXPECT_EQ(QStringList(QStringLiteral("20261205.%1.fiscal").arg(fiscal)),
              reports.entryList(QDir::Files));
}

// The closing's outcome on the command line: bills left behind exit 4 and
// are named; a full disk exits 5 and says so.
TEST(VeltrumTurnoverOutcome, BillsLeftBehindAndAFullDiskHaveTheirOwnExitCodes)
{
    TestDir dir;
    const QString root = writeDemo(dir, 1, 12);
    const QStringList paid
            = QDir(root + QStringLiteral("/var/archives"))
                      .entryList(QStringList(QStringLiteral("a*")), QDir::Files, QDir::Name);
    ASSERT_FALSE(paid.isEmpty());
    // one bill cut off inside its last entry
    const QString damaged = root + QStringLiteral("/var/archives/") + paid.first();
    QFile cut(damaged);
    ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
    ASSERT_TRUE(cut.resize(cut.size() - 3));
    cut.close();

    const Outcome left = veltrum(turnoverArgs(root) + QStringList(QStringLiteral("--force")));
    EXPECT_EQ(4, left.code) << left.err;
    EXPECT_TRUE(left.out.contains(QStringLiteral("Outcome: done with 1 bill left behind")))
            << left.out;
    EXPECT_TRUE(left.err.contains(
            QStringLiteral("left in var/archives: %1: damaged").arg(paid.first())))
            << left.err;
    EXPECT_EQ(QStringList(paid.first()),
              QDir(root + QStringLiteral("/var/archives"))
                      .entryList(QStringList(QStringLiteral("a*")), QDir::Files));

    // the disk is full at the first write of the next installation's closing,
    // and at the first directory the one after it makes: both name the full disk
    for (const char *operation : {"write", "mkdir"}) {
        TestDir full;
        const QString second = writeDemo(full, 1, 12);
        qputenv("LD_PRELOAD", QFile::encodeName(binPath(QStringLiteral("libfaultshim.so"))));
        qputenv("VELTRUM_FAULT_ROOT", QFile::encodeName(second));
        qputenv("VELTRUM_FAULT_OPS", operation);
        qputenv("VELTRUM_FAULT_AT", "1");
        qputenv("VELTRUM_FAULT_ERRNO", "ENOSPC");
        const Outcome stopped
                = veltrum(turnoverArgs(second) + QStringList(QStringLiteral("--force")));
        for (const char *name : {"LD_PRELOAD", "VELTRUM_FAULT_ROOT", "VELTRUM_FAULT_OPS",
                                 "VELTRUM_FAULT_AT", "VELTRUM_FAULT_ERRNO"})
            qunsetenv(name);
        EXPECT_EQ(5, stopped.code) << operation << stopped.out << stopped.err;
        EXPECT_TRUE(stopped.err.contains(QStringLiteral("disk is full")))
                << operation << stopped.err;
        EXPECT_FALSE(stopped.err.contains(QStringLiteral("already finalized"))) << stopped.err;
    }
}
