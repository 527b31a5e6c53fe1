#include "tuploadstatistics.h"

#include "dotnetpluginhost.h"
#include "plugintestsupport.h"
#include "tarchtable.h"
#include "tdemoinstallation.h"
#include "testdir.h"
#include "tinstallation.h"
#include "tsettings.h"

#include <QDir>
#include <QDirIterator>

#include <gtest/gtest.h>

using DotNetPluginLibrary::DotNetPluginHost;

namespace {

const QDate Today(2026, 3, 10);

// Every file below `root`, relative path -> bytes.
QMap<QString, QByteArray> files(const QString &root)
{
    QMap<QString, QByteArray> result;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        result.insert(QDir(root).relativeFilePath(path), f.readAll());
    }
    return result;
}

// A demo restaurant whose record sends the statistics to a local path.
class SnapshotTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PosLib::TDemoOptions options;
        options.days = 2;
        options.tables = 6;
        options.today = Today;
        PosLib::TDemoInstallation(options).write(root());
    }

    QString root() const { return dir.file(QStringLiteral("pos/")); }

    void setTarget(const QString &path)
    {
        PosLib::TSettings settings;
        const QByteArray base = root().toLocal8Bit();
        settings.load(base.constData());
        Basics::TValue *record = settings.installation();
        ASSERT_NE(nullptr, record);
        record->setBool(QStringLiteral("cloudserviceactive"), true);
        record->setInt(QStringLiteral("cloudservice"), 2);
        record->setString(QStringLiteral("cloudlocalfilepath"), path);
        settings.save(base.constData());
    }

    int upload(const QDate &day)
    {
        return PosLib::uploadStatistics(root(), QStringLiteral("UploadStatistXml"), day, &host);
    }

    // What the archive of `day` should hold: the day's table files and its
    // summary, under their installation paths.
    QMap<QString, QByteArray> expected(const QDate &day) const
    {
        QMap<QString, QByteArray> result;
        const QString statist = QStringLiteral("var/statist/") + PosLib::statistDayName(day) + "/";
        const QMap<QString, QByteArray> tables = files(root() + statist);
        for (auto it = tables.cbegin(); it != tables.cend(); ++it)
            result.insert(statist + it.key(), it.value());
        const QString summary = QStringLiteral("var/summary/") + PosLib::summaryFileName(day);
        QFile f(root() + summary);
        if (f.open(QIODevice::ReadOnly))
            result.insert(summary, f.readAll());
        return result;
    }

    TestDir dir;
    DotNetPluginHost host {builtPluginDir()};
};

} // namespace

TEST_F(SnapshotTest, WritesTheDatedArchiveOfTheClosedDay)
{
    const QDate day = Today.addDays(-2); // closed, with its day summary
    const QString target = dir.file(QStringLiteral("backup/daily"));
    setTarget(target);
    ASSERT_EQ(0, upload(day)) << host.errorText().toStdString();
    EXPECT_EQ(QStringLiteral("0"), host.resultAttribute(QStringLiteral("code")));

    const QString archive = target + QStringLiteral("/statist-2026-03-08");
    EXPECT_EQ(archive, host.resultAttribute(QStringLiteral("archive")));
    const QMap<QString, QByteArray> want = expected(day);
    EXPECT_TRUE(want.contains(QStringLiteral("var/summary/2026-03-08.dat")));
    EXPECT_GT(want.size(), 1);
    EXPECT_EQ(want, files(archive));
    // Only the archive is left in the target.
    EXPECT_EQ(QStringList {QStringLiteral("statist-2026-03-08")},
              QDir(target).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(SnapshotTest, SecondUploadReplacesTheArchive)
{
    const QDate day = Today.addDays(-1); // the last closed day: no summary yet
    const QString target = dir.file(QStringLiteral("backup"));
    setTarget(target);
    ASSERT_EQ(0, upload(day)) << host.errorText().toStdString();
    const QString archive = target + QStringLiteral("/statist-2026-03-09");
    // A stray file of the old archive and a leftover of an interrupted run.
    QFile(archive + QStringLiteral("/stray")).open(QIODevice::WriteOnly);
    QDir().mkpath(target + QStringLiteral("/.statist-2026-03-09.tmp/var"));

    ASSERT_EQ(0, upload(day));
    EXPECT_EQ(expected(day), files(archive));
    EXPECT_EQ(QStringList {QStringLiteral("statist-2026-03-09")},
              QDir(target).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(SnapshotTest, FailuresAnswerCodeAndMessage)
{
    // The target lies below a plain file: it cannot be created.
    dir.write(QStringLiteral("occupied"), "x");
    setTarget(dir.file(QStringLiteral("occupied/backup")));
    EXPECT_EQ(803, upload(Today.addDays(-2)));
    EXPECT_NE(QStringLiteral("0"), host.resultAttribute(QStringLiteral("code")));
    EXPECT_FALSE(host.resultAttribute(QStringLiteral("message")).isEmpty());
    EXPECT_EQ(QByteArray("x"), dir.read(QStringLiteral("occupied")));

    // A day that was never closed.
    setTarget(dir.file(QStringLiteral("backup")));
    EXPECT_EQ(803, upload(QDate(2020, 1, 1)));
    EXPECT_NE(QStringLiteral("0"), host.resultAttribute(QStringLiteral("code")));
    EXPECT_FALSE(host.resultAttribute(QStringLiteral("message")).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("backup/statist-2020-01-01"))));

    // No target path configured.
    setTarget(QString());
    EXPECT_EQ(803, upload(Today.addDays(-2)));
    EXPECT_FALSE(host.resultAttribute(QStringLiteral("message")).isEmpty());
}

TEST_F(SnapshotTest, OtherTransferModesAreRefused)
{
    PosLib::TSettings settings;
    const QByteArray base = root().toLocal8Bit();
    settings.load(base.constData());
    settings.installation()->setBool(QStringLiteral("cloudserviceactive"), true);
    settings.installation()->setInt(QStringLiteral("cloudservice"), 0);
    settings.save(base.constData());
    EXPECT_EQ(803, upload(Today.addDays(-2)));
    EXPECT_TRUE(host.resultAttribute(QStringLiteral("message")).contains(QStringLiteral("ftp")));
}
