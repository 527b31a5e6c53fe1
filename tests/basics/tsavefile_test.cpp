#include "tdir.h"
#include "terror.h"
#include "testdir.h"
#include "tsavefile.h"
#include "tvalue.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

using namespace Basics;

namespace {

const QByteArray OldContent = "the old content\n";

ino_t inode(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

// Fails the `nth` call of `failing` with `error`; records every step and
// whether the target was there at that moment.
struct Faults
{
    TSaveStep failing = TSaveStep::Open;
    int nth = 0; // 0: fail nothing
    int error = EIO;
    QString target;
    QList<TSaveStep> seen;
    bool targetAlwaysThere = true;

    Faults()
    {
        setSaveFaultHook([this](TSaveStep step, const QString &) {
            seen.append(step);
            if (!target.isEmpty() && !QFileInfo::exists(target))
                targetAlwaysThere = false;
            if (step == failing && --nth == 0)
                return error;
            return 0;
        });
    }
    ~Faults() { setSaveFaultHook({}); }
};

} // namespace

class SaveFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.write("file", OldContent);
        faults.target = target;
    }

    // Opens, writes "new" in two pieces and commits.
    void save(TSaveFile &file)
    {
        file.open();
        file.write(QByteArray("the new "));
        file.write(QByteArray("content\n"));
        file.commit();
    }

    TestDir dir;
    const QString target = dir.file("file");
    Faults faults;
};

TEST_F(SaveFileTest, CommitReplacesTheFileAndKeepsItsPermissions)
{
    ASSERT_TRUE(
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    TSaveFile file(target);
    save(file);
    EXPECT_EQ("the new content\n", dir.read("file"));
    EXPECT_EQ(QStringList {"file"}, dir.entries());
    EXPECT_EQ(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup,
              QFile::permissions(target)
                      & (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther
                         | QFile::WriteOther));
    EXPECT_EQ((QList<TSaveStep> {TSaveStep::Open, TSaveStep::Write, TSaveStep::Write,
                                 TSaveStep::Sync, TSaveStep::Rename, TSaveStep::SyncDir}),
              faults.seen);
    EXPECT_TRUE(faults.targetAlwaysThere);
}

TEST_F(SaveFileTest, FirstWriteErrorFailsTheCommitAndLeavesTheOldFile)
{
    faults.failing = TSaveStep::Write;
    faults.nth = 1;
    faults.error = ENOSPC;
    TSaveFile file(target, dir.file("file.tmp"));
    file.open();
    EXPECT_FALSE(file.write(QByteArray("the new ")));
    EXPECT_FALSE(file.write(QByteArray("content\n"))); // nothing after the first error
    try {
        file.commit();
        ADD_FAILURE() << "commit after a failed write";
    } catch (const TFileError &e) {
        EXPECT_EQ(ENOSPC, e.osError());
        EXPECT_EQ(dir.file("file.tmp"), e.fileName());
    }
    EXPECT_EQ(TSaveStep::Write, file.failedStep());
    EXPECT_EQ(OldContent, dir.read("file"));
    EXPECT_EQ(QStringList {"file"}, dir.entries());
}

// Every step before the rename may fail: the old file and its backup stay
// as they were, and no temporary is left.
TEST_F(SaveFileTest, AnyFailingStepBeforeTheRenameLeavesTheOldFile)
{
    for (TSaveStep step : {TSaveStep::Open, TSaveStep::Sync, TSaveStep::Link, TSaveStep::Rename}) {
        SCOPED_TRACE(int(step));
        dir.write("file.old", "older\n");
        faults.failing = step;
        faults.nth = 1;
        TSaveFile file(target, dir.file("file.new"));
        file.setBackupName(dir.file("file.old"));
        EXPECT_THROW(save(file), TFileError);
        EXPECT_EQ(step, file.failedStep());
        EXPECT_EQ(OldContent, dir.read("file"));
        EXPECT_FALSE(dir.exists("file.new"));
        EXPECT_TRUE(faults.targetAlwaysThere);
    }
}

TEST_F(SaveFileTest, FailedDirectorySyncIsReportedAfterTheRename)
{
    faults.failing = TSaveStep::SyncDir;
    faults.nth = 1;
    TSaveFile file(target);
    EXPECT_THROW(save(file), TFileError);
    EXPECT_EQ(TSaveStep::SyncDir, file.failedStep());
    EXPECT_EQ("the new content\n", dir.read("file"));
    EXPECT_EQ(QStringList {"file"}, dir.entries());
}

// Saving many files into one folder: each is synced before its rename, the
// folder is left to the caller.
TEST_F(SaveFileTest, WithoutTheDirectorySyncEachFileIsStillSyncedBeforeItsRename)
{
    TSaveFile file(target);
    file.setSyncDirectory(false);
    save(file);
    EXPECT_EQ("the new content\n", dir.read("file"));
    const QList<TSaveStep> steps = {TSaveStep::Open, TSaveStep::Write, TSaveStep::Write,
                                    TSaveStep::Sync, TSaveStep::Rename};
    EXPECT_EQ(steps, faults.seen);
    faults.seen.clear();
    TSaveFile synced(target);
    save(synced);
    EXPECT_EQ(steps + QList<TSaveStep> {TSaveStep::SyncDir}, faults.seen);
}

TEST_F(SaveFileTest, CancelAndDestructorRemoveTheTemporary)
{
    {
        TSaveFile file(target, dir.file("file.tmp"));
        file.open();
        file.write(QByteArray("half"));
        EXPECT_TRUE(dir.exists("file.tmp"));
        file.cancel();
        EXPECT_FALSE(dir.exists("file.tmp"));
        file.open();
        file.write(QByteArray("half"));
    }
    EXPECT_EQ(QStringList {"file"}, dir.entries());
    EXPECT_EQ(OldContent, dir.read("file"));
}

// The backup is the replaced file itself, linked before the one rename;
// an earlier backup is replaced.
TEST_F(SaveFileTest, BackupIsAHardLinkOfTheReplacedFile)
{
    dir.write("file.old", "older\n");
    const ino_t replaced = inode(target);
    TSaveFile file(target, dir.file("file.new"));
    file.setBackupName(dir.file("file.old"));
    save(file);
    EXPECT_EQ((QStringList {"file", "file.old"}), dir.entries());
    EXPECT_EQ(OldContent, dir.read("file.old"));
    EXPECT_EQ(replaced, inode(dir.file("file.old")));
    EXPECT_EQ("the new content\n", dir.read("file"));
    EXPECT_TRUE(faults.targetAlwaysThere);
}

TEST_F(SaveFileTest, BackupIsACopyWhereLinksAreRefused)
{
    faults.failing = TSaveStep::Link;
    faults.nth = 1;
    faults.error = EPERM;
    TSaveFile file(target, dir.file("file.new"));
    file.setBackupName(dir.file("file.old"));
    save(file);
    EXPECT_EQ((QStringList {"file", "file.old"}), dir.entries());
    EXPECT_EQ(OldContent, dir.read("file.old"));
    EXPECT_EQ("the new content\n", dir.read("file"));
}

TEST_F(SaveFileTest, DurableCopy)
{
    const QByteArray big(200 * 1024, 'x');
    dir.write("source", big);
    int firstBlocks = 0;
    EXPECT_TRUE(copyDurably(dir.file("source"), target, dir.file(".copy"), [&] { ++firstBlocks; }));
    EXPECT_EQ(1, firstBlocks);
    EXPECT_EQ(big, dir.read("file"));
    EXPECT_EQ((QStringList {"file", "source"}), dir.entries());

    // a write that fails half-way places nothing and leaves no temporary
    dir.write("file", OldContent);
    faults.failing = TSaveStep::Write;
    faults.nth = 2;
    EXPECT_THROW(copyDurably(dir.file("source"), target, dir.file(".copy")), TFileError);
    EXPECT_EQ(OldContent, dir.read("file"));
    EXPECT_EQ((QStringList {"file", "source"}), dir.entries());

    EXPECT_THROW(copyDurably(dir.file("missing"), target), TFileError);
    EXPECT_FALSE(copyFile(dir.file("missing"), target));
    EXPECT_EQ(OldContent, dir.read("file"));
}

// ---- a process killed at each step -----------------------------------------

namespace {

// Runs the crash helper; true when it died by the signal.
bool killedAt(const QString &target, const char *step, int nth, bool list = false)
{
    QStringList args {target, QString::fromLatin1(step), QString::number(nth)};
    if (list)
        args.append(QStringLiteral("list"));
    QProcess p;
    p.start(binPath("savecrash"), args);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::CrashExit;
}

} // namespace

TEST_F(SaveFileTest, KilledSaveLeavesTheOldOrTheNewFileNeverATornOne)
{
    const QByteArray fresh(3 * 64 * 1024, 'n');
    struct Kill
    {
        const char *step;
        int nth;
        bool replaced;
    };
    // written in part, written, synced, renamed
    for (const Kill &kill : {Kill {"write", 2, false}, Kill {"sync", 1, false},
                             Kill {"rename", 1, false}, Kill {"syncdir", 1, true}}) {
        SCOPED_TRACE(kill.step);
        dir.write("file", OldContent);
        ASSERT_TRUE(killedAt(target, kill.step, kill.nth));
        EXPECT_EQ(kill.replaced ? fresh : OldContent, dir.read("file"));
        // a leftover temporary never carries the name, and the next save
        // goes through
        TSaveFile file(target);
        save(file);
        EXPECT_EQ("the new content\n", dir.read("file"));
    }
}

// The lists' ".new"/".old" scheme: killed anywhere, the list file is there
// and whole; the next save leaves exactly the file and one ".old".
TEST_F(SaveFileTest, KilledListSaveKeepsTheListFile)
{
    TValueList before;
    auto *value = new TValue;
    value->setString(QStringLiteral("text"), QStringLiteral("old"));
    before.insert(value);
    for (const char *step : {"write", "sync", "link", "rename", "syncdir"}) {
        SCOPED_TRACE(step);
        before.save(dir.path(), QStringLiteral("list.dat"));
        ASSERT_TRUE(killedAt(dir.file("list.dat"), step, 1, true));
        TValueList after;
        ASSERT_EQ(0, after.load(dir.path(), QStringLiteral("list.dat")));
        const bool replaced = QByteArray(step) == "syncdir";
        EXPECT_EQ(replaced ? 3 : 1, after.count());
        before.save(dir.path(), QStringLiteral("list.dat"));
        EXPECT_EQ((QStringList {"file", "list.dat", "list.dat.old"}), dir.entries());
    }
}
