#include "tconfigfile.h"
#include "testdir.h"
#include "tinstallationconfig.h"
#include "veltrumprocess.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QStringList archiveFiles(const QString &root)
{
    return QDir(root + QStringLiteral("/var/archives"))
            .entryList({QStringLiteral("a*")}, QDir::Files, QDir::Name);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The demo (days start at 06:00, today 2026-12-05, its paid tables in
// var/archives) served by a closing 30 minutes after the day start.
class ScheduledClosing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = writeDemo(dir, 2, 10);
        setConfig(QStringLiteral("open-tables = close\n"));
    }

    void setConfig(const QString &closing)
    {
        dir.write(
                QStringLiteral("trattoria.conf"),
                QStringLiteral("# the demo\n[installation]\ndata = %1\n\n[closing]\ndelay = 30\n%2")
                        .arg(root, closing)
                        .toUtf8());
    }

    Outcome run(const QString &now)
    {
        return veltrum({QStringLiteral("scheduled-closing"), QStringLiteral("--config"),
                        dir.file(QStringLiteral("trattoria.conf")), QStringLiteral("--now"), now});
    }

    QString journal(const QString &day) const
    {
        return root + QStringLiteral("/var/statist/tag%1/turnover.z").arg(day);
    }

    TestDir dir;
    QString root;
};

} // namespace

TEST_F(ScheduledClosing, ClosesTheDueDayOnceTheDelayHasPassed)
{
    const QStringList paid = archiveFiles(root);
    ASSERT_FALSE(paid.isEmpty());

    // 06:20 on the 6th: the 5th ends at 06:00 and is due only at 06:30; the
    // 4th, which is due, was closed by the demo
    Outcome early = run(QStringLiteral("2026-12-06T06:20:00"));
    EXPECT_EQ(0, early.code) << early.err;
    EXPECT_TRUE(early.out.contains(QStringLiteral("the day due is 2026-12-04"))) << early.out;
    EXPECT_TRUE(early.out.contains(QStringLiteral("2026-12-04 was closed already"))) << early.out;
    EXPECT_EQ(paid, archiveFiles(root));
    EXPECT_FALSE(QFile::exists(journal(QStringLiteral("05.12.2026"))));

    // 06:40: the 5th is closed as a whole; its open tables stay open
    Outcome due = run(QStringLiteral("2026-12-06T06:40:00"));
    EXPECT_EQ(0, due.code) << due.err;
    EXPECT_TRUE(
            due.out.contains(QStringLiteral("Closed 2026-12-05: %1 bills moved").arg(paid.size())))
            << due.out;
    EXPECT_TRUE(due.out.contains(QStringLiteral("stay open for the next day"))) << due.out;
    EXPECT_TRUE(archiveFiles(root).isEmpty());
    const QByteArray lines = fileBytes(journal(QStringLiteral("05.12.2026")));
    EXPECT_EQ(1, lines.count('\n')) << lines.constData();
    EXPECT_TRUE(lines.contains(":" + QByteArray::number(paid.size()) + ";;"));

    // a second run, later the same morning, changes nothing: no second Z
    const QByteArray counter = fileBytes(root + QStringLiteral("/counter.dat"));
    Outcome again = run(QStringLiteral("2026-12-06T06:55:00"));
    EXPECT_EQ(0, again.code) << again.err;
    EXPECT_TRUE(again.out.contains(QStringLiteral("2026-12-05 was closed already"))) << again.out;
    EXPECT_EQ(lines, fileBytes(journal(QStringLiteral("05.12.2026"))));
    EXPECT_EQ(counter, fileBytes(root + QStringLiteral("/counter.dat")));
}

TEST_F(ScheduledClosing, AnEmptyDayUsesNoZNumberAndTakesNoLaterBills)
{
    ASSERT_EQ(0, run(QStringLiteral("2026-12-06T06:40:00")).code);
    const QByteArray counter = fileBytes(root + QStringLiteral("/counter.dat"));

    // nothing was paid on the 6th: nothing is closed, no Z counter used
    Outcome empty = run(QStringLiteral("2026-12-07T06:31:00"));
    EXPECT_EQ(0, empty.code) << empty.err;
    EXPECT_TRUE(empty.out.contains(QStringLiteral("Nothing to close for 2026-12-06"))) << empty.out;
    EXPECT_FALSE(QFile::exists(journal(QStringLiteral("06.12.2026"))));
    EXPECT_EQ(counter, fileBytes(root + QStringLiteral("/counter.dat")));

    // a bill paid on the 7th must not go into the 6th at the next run
    dir.write(QStringLiteral("inst/var/archives/a900"), "a bill of the 7th");
    Outcome later = run(QStringLiteral("2026-12-07T06:46:00"));
    EXPECT_EQ(0, later.code) << later.err;
    EXPECT_TRUE(later.out.contains(QStringLiteral("2026-12-06 had nothing to close"))) << later.out;
    EXPECT_EQ(QStringList {QStringLiteral("a900")}, archiveFiles(root));
    EXPECT_FALSE(QFile::exists(journal(QStringLiteral("06.12.2026"))));
}

TEST_F(ScheduledClosing, AFailureExitsNonZeroWithItsReasonAndIsRetried)
{
    const QStringList paid = archiveFiles(root);
    // the day's directory cannot be made: a file stands in its place
    dir.write(QStringLiteral("inst/var/statist/tag05.12.2026"), "in the way");
    Outcome failed = run(QStringLiteral("2026-12-06T06:40:00"));
    EXPECT_EQ(1, failed.code) << failed.out;
    EXPECT_TRUE(failed.err.contains(QStringLiteral("the closing of 2026-12-05 failed")))
            << failed.err;
    EXPECT_TRUE(failed.err.contains(QStringLiteral("retried at the next run"))) << failed.err;
    EXPECT_EQ(paid, archiveFiles(root));

    // once the cause is gone, the next run closes the day
    ASSERT_TRUE(QFile::remove(root + QStringLiteral("/var/statist/tag05.12.2026")));
    Outcome retried = run(QStringLiteral("2026-12-06T06:55:00"));
    EXPECT_EQ(0, retried.code) << retried.err;
    EXPECT_TRUE(archiveFiles(root).isEmpty());
}

TEST_F(ScheduledClosing, OpenTablesCanStopTheClosing)
{
    setConfig(QStringLiteral("open-tables = wait\nexec-waiter = 1\n"));
    const QStringList paid = archiveFiles(root);
    Outcome waiting = run(QStringLiteral("2026-12-06T06:40:00"));
    EXPECT_EQ(3, waiting.code);
    EXPECT_TRUE(waiting.err.contains(QStringLiteral("tables are still open"))) << waiting.err;
    EXPECT_EQ(paid, archiveFiles(root));
    EXPECT_FALSE(QFile::exists(journal(QStringLiteral("05.12.2026"))));

    setConfig(QStringLiteral("exec-waiter = 77\n"));
    Outcome unknown = run(QStringLiteral("2026-12-06T06:40:00"));
    EXPECT_EQ(1, unknown.code);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("exec-waiter = 77"))) << unknown.err;
    EXPECT_EQ(paid, archiveFiles(root));
}

TEST(ScheduledClosingConfig, MistakesNameTheFileAndLine)
{
    TestDir dir;
    auto errorOf = [&](const QByteArray &text) {
        dir.write(QStringLiteral("x.conf"), text);
        TInstallationConfig config;
        QString error;
        EXPECT_FALSE(config.loadFile(dir.file(QStringLiteral("x.conf")), &error));
        return error.mid(dir.path().size());
    };
    const QByteArray data = "[installation]\ndata = " + dir.path().toUtf8() + "\n";
    EXPECT_EQ(QStringLiteral("x.conf:4: unknown key \"dealy\" in [closing] (known: delay, "
                             "open-tables, exec-waiter)"),
              errorOf(data + "[closing]\ndealy = 30\n"));
    EXPECT_EQ(QStringLiteral("x.conf:4: delay = half an hour: minutes from 0 to 1440 expected"),
              errorOf(data + "[closing]\ndelay = half an hour\n"));
    EXPECT_EQ(QStringLiteral("x.conf:3: \"data\" was set already in line 2"),
              errorOf(data + "data = /tmp\n"));
    EXPECT_EQ(QStringLiteral("x.conf:1: \"data\" stands before the first [section]"),
              errorOf("data = /tmp\n"));
    EXPECT_EQ(QStringLiteral("x.conf:2: not \"key = value\": data /srv/pos"),
              errorOf("[installation]\ndata /srv/pos\n"));
    EXPECT_EQ(QStringLiteral("x.conf:2: data = relative: no such directory (an absolute path)"),
              errorOf("[installation]\ndata = relative\n"));
    EXPECT_TRUE(errorOf("[closing]\ndelay = 5\n")
                        .endsWith(QStringLiteral(
                                "names no installation directory (data = DIR in [installation])")));

    dir.write(QStringLiteral("good.conf"),
              data + "; a comment\n[closing]\ndelay = 45\nopen-tables = wait\n");
    TInstallationConfig config;
    QString error;
    ASSERT_TRUE(config.loadFile(dir.file(QStringLiteral("good.conf")), &error)) << error;
    EXPECT_EQ(QStringLiteral("good"), config.name);
    EXPECT_EQ(dir.path(), config.data);
    EXPECT_EQ(45, config.delayMinutes);
    EXPECT_TRUE(config.waitForOpenTables);
    EXPECT_FALSE(TInstallationConfig::isValidName(QStringLiteral("../etc/passwd")));
    EXPECT_FALSE(config.load(QStringLiteral("a/b"), &error));
}
