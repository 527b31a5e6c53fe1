#include "terror.h"
#include "testdir.h"
#include "tfile.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

using namespace Basics;

namespace {

// Runs the helper once and returns its exit code.
int runLockholder(const QStringList &args)
{
    QProcess p;
    p.start(binPath("lockholder"), args);
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit)
        return -1;
    return p.exitCode();
}

// The helper holding a read lock on a file until its stdin closes.
class ReadLockHolder
{
public:
    explicit ReadLockHolder(const QString &path)
    {
        m_process.start(binPath("lockholder"), {path, "30"});
        while (!m_output.contains("locked\n") && m_process.waitForReadyRead(10000))
            m_output += m_process.readAllStandardOutput();
    }
    ~ReadLockHolder() { release(); }
    bool holds() const { return m_output.contains("locked\n"); }
    bool release()
    {
        if (m_process.state() == QProcess::NotRunning)
            return m_process.exitCode() == 0;
        m_process.closeWriteChannel();
        return m_process.waitForFinished(10000) && m_process.exitCode() == 0;
    }

private:
    QProcess m_process;
    QByteArray m_output;
};

} // namespace

class FileTest : public ::testing::Test
{
protected:
    TestDir dir;
};

TEST_F(FileTest, PercentInNameIsRefused)
{
    dir.write("bill%1.001", "x");
    TFile f(dir.file("bill%1.001"));
    try {
        f.open(QIODevice::ReadOnly);
        FAIL() << "no error thrown";
    } catch (const TFileError &e) {
        EXPECT_EQ(3, e.reason());
        EXPECT_EQ(301, e.code());
        EXPECT_EQ(dir.file("bill%1.001"), e.fileName());
    }
    EXPECT_FALSE(f.isOpen());
}

TEST_F(FileTest, NameIsExpandedBeforeOpening)
{
    dir.write("t12.001", "table");
    qputenv("VELTRUM_TFILE_DIR", dir.path().toLocal8Bit());
    TFile f("$(VELTRUM_TFILE_DIR)t12.001");
    f.open(QIODevice::ReadOnly);
    EXPECT_EQ(dir.file("t12.001"), f.fileName());
    EXPECT_EQ("table", f.readRest());

    // an expansion that leaves a "%" is refused as well
    qputenv("VELTRUM_TFILE_DIR", "%placeholder%/");
    TFile g("$(VELTRUM_TFILE_DIR)t12.001");
    EXPECT_THROW(g.open(QIODevice::ReadOnly), TFileError);
    qunsetenv("VELTRUM_TFILE_DIR");
}

TEST_F(FileTest, MissingFileForReadingThrows301)
{
    TFile f(dir.file("missing.dat"));
    try {
        f.open(QIODevice::ReadOnly);
        FAIL() << "no error thrown";
    } catch (const TFileError &e) {
        EXPECT_EQ(301, e.reason());
        EXPECT_EQ(301, e.code());
        EXPECT_EQ(ENOENT, e.osError());
        EXPECT_STREQ("tfile.cpp", e.file());
        EXPECT_EQ(QString("fn %1, OS %2, file tfile.cpp, line %3: %4")
                          .arg(dir.file("missing.dat"))
                          .arg(ENOENT)
                          .arg(e.line())
                          .arg(QString::fromLocal8Bit(std::strerror(ENOENT))),
                  e.text());
    }
}

TEST_F(FileTest, ErrorTexts)
{
    const TError plain(106, "tvalue", 5, 5);
    EXPECT_EQ("file tvalue, line 106", plain.text());
    errno = EACCES;
    const TDirError dirError(12, "tdir.cpp", 201, 201, "/a/b");
    EXPECT_EQ(201, dirError.reason());
    EXPECT_EQ(QString("fn /a/b, OS %1, file tdir.cpp, line 12: Permission denied").arg(EACCES),
              dirError.text());
    // the system's words, and a full disk is known as such
    const TFileError full(40, "tsavefile.cpp", 305, 308, ENOSPC, "/var/x.new");
    EXPECT_EQ("No space left on device", full.osErrorText());
    EXPECT_TRUE(full.isDiskFull());
    EXPECT_FALSE(dirError.isDiskFull());
    const TFileError none(1, "x.cpp", 3, 301, 0, "n");
    EXPECT_EQ("fn n, OS 0, file x.cpp, line 1", none.text());
}

TEST_F(FileTest, LockFollowsMode)
{
    dir.write("f", "data");
    TFile f(dir.file("f"));
    f.close(); // harmless when not open
    f.open(QIODevice::ReadOnly);
    EXPECT_EQ(TFileLock::ReadLock, f.lockMode());
    f.close();
    EXPECT_FALSE(f.isLocked());
    f.open(QIODevice::ReadWrite);
    EXPECT_EQ(TFileLock::WriteLock, f.lockMode());
    f.close();
    f.open(QIODevice::WriteOnly | QIODevice::Append);
    EXPECT_EQ(TFileLock::WriteLock, f.lockMode());
    f.writeBlock("+");
    f.close();
    EXPECT_EQ("data+", dir.read("f"));
}

TEST_F(FileTest, WriteOnlyCreatesAndEmpties)
{
    dir.write("f", "old content");
    {
        TFile f(dir.file("f"));
        f.open(QIODevice::WriteOnly);
        EXPECT_EQ(0, f.size());
        f.writeBlock("new");
        f.sync();
    }
    EXPECT_EQ("new", dir.read("f"));
    {
        TFile f(dir.file("created"));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.writeBlock("abc");
    }
    EXPECT_EQ("abc", dir.read("created"));
    // a directory is no file to write
    ASSERT_TRUE(QDir().mkdir(dir.file("sub")));
    TFile d(dir.file("sub"));
    EXPECT_THROW(d.open(QIODevice::WriteOnly), TFileError);
    EXPECT_TRUE(QFileInfo(dir.file("sub")).isDir());
}

TEST_F(FileTest, ByteAccess)
{
    dir.write("f", "ab");
    TFile f(dir.file("f"));
    f.open(QIODevice::ReadOnly);
    try {
        f.ungetch('x');
        FAIL() << "ungetch at the start";
    } catch (const TFileError &e) {
        EXPECT_EQ(305, e.reason());
        EXPECT_EQ(309, e.code());
    }
    EXPECT_EQ('a', f.getch());
    EXPECT_EQ('a', f.ungetch('a'));
    EXPECT_EQ('a', f.getch());
    EXPECT_EQ('b', f.getch());
    EXPECT_EQ(-1, f.getch());
    f.at(1);
    EXPECT_EQ(1, f.at());
    char buffer[8];
    EXPECT_EQ(1, f.readBlock(buffer, sizeof buffer));
    EXPECT_EQ(0, f.readBlock(buffer, sizeof buffer));
    try {
        f.readBlock(nullptr, 4);
        FAIL() << "null buffer";
    } catch (const TFileError &e) {
        EXPECT_EQ(304, e.reason());
        EXPECT_EQ(1, e.code());
    }
    try {
        f.at(-1);
        FAIL() << "negative position";
    } catch (const TFileError &e) {
        EXPECT_EQ(306, e.reason());
        EXPECT_EQ(306, e.code());
    }
    // writing to a file opened for reading
    EXPECT_THROW(f.putch('c'), TFileError);
}

TEST_F(FileTest, ReadLinesAndWriteBytes)
{
    {
        TFile f(dir.file("f"));
        f.open(QIODevice::WriteOnly);
        f.putch('1');
        f.writeBlock("\nsecond\n");
    }
    TFile f(dir.file("f"));
    f.open(QIODevice::ReadOnly);
    EXPECT_EQ("1\n", f.readLine());
    EXPECT_EQ("second\n", f.readLine());
    EXPECT_EQ("", f.readLine());
    f.close();
    EXPECT_THROW(f.readLine(), TFileError);
}

// ---- locks between processes ----------------------------------------------

TEST_F(FileTest, WriterWaitsForReaderOfAnotherProcess)
{
    dir.write("table.001", "the table as the reader sees it");
    const QString path = dir.file("table.001");
    ReadLockHolder holder(path);
    ASSERT_TRUE(holder.holds());

    // read locks are shared
    {
        TFile reader(path);
        reader.open(QIODevice::ReadOnly);
        EXPECT_EQ("the table as the reader sees it", reader.readRest());
    }
    EXPECT_EQ(0, runLockholder({"--try-read", path}));
    EXPECT_EQ(1, runLockholder({"--try-write", path}));

    std::atomic<bool> opened {false};
    std::atomic<bool> failed {false};
    std::thread writer([&] {
        try {
            TFile w(path);
            w.open(QIODevice::WriteOnly | QIODevice::Truncate);
            opened = true;
            w.writeBlock("rewritten");
        } catch (const TError &) {
            failed = true;
        }
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(opened);
    // the waiting writer has not emptied the file under the reader
    EXPECT_EQ("the table as the reader sees it", dir.read("table.001"));

    EXPECT_TRUE(holder.release());
    writer.join();
    EXPECT_TRUE(opened);
    EXPECT_FALSE(failed);
    EXPECT_EQ("rewritten", dir.read("table.001"));
}

TEST_F(FileTest, ClosingAnotherDescriptorKeepsLock)
{
    dir.write("counter.dat", "1");
    const QString path = dir.file("counter.dat");
    TFile locked(path);
    locked.open(QIODevice::ReadWrite);
    {
        // a second descriptor of the same file, opened and closed
        QFile other(path);
        ASSERT_TRUE(other.open(QIODevice::ReadOnly));
        other.close();
    }
    EXPECT_EQ(1, runLockholder({"--try-write", path}));
    EXPECT_EQ(1, runLockholder({"--try-read", path}));
    locked.close();
    EXPECT_EQ(0, runLockholder({"--try-write", path}));
}

TEST_F(FileTest, UnlockKeepsFileOpen)
{
    dir.write("f", "x");
    const QString path = dir.file("f");
    TFile f(path);
    f.open(QIODevice::ReadWrite);
    f.unlock();
    EXPECT_TRUE(f.isOpen());
    EXPECT_FALSE(f.isLocked());
    EXPECT_EQ(0, runLockholder({"--try-write", path}));
}

// After a truncating open the errors still name the file (they used to
// read "fn ,").
TEST_F(FileTest, ErrorsAfterTruncatingOpenNameTheFile)
{
    const QString path = dir.file("a15");
    for (QIODevice::OpenMode mode :
         {QIODevice::OpenMode(QIODevice::WriteOnly), QIODevice::WriteOnly | QIODevice::Truncate,
          QIODevice::ReadWrite | QIODevice::Truncate}) {
        TFile f(path);
        f.open(mode);
        EXPECT_EQ(path, f.fileName());
        try {
            f.at(-4);
            ADD_FAILURE() << "positioning before the start";
        } catch (const TFileError &e) {
            EXPECT_EQ(path, e.fileName());
            EXPECT_TRUE(e.text().startsWith("fn " + path + ", OS")) << qPrintable(e.text());
        }
        f.close();
        // and the file opens again under the same name
        f.open(QIODevice::ReadOnly);
        EXPECT_EQ(path, f.fileName());
    }
}

// Holding a read lock and opening the same file for writing in the same
// process used to wait forever: our own lock is never waited for.
TEST_F(FileTest, OwnLockIsNotWaitedFor)
{
    dir.write("t12.001", "table");
    const QString path = dir.file("t12.001");
    TFile reader(path);
    reader.open(QIODevice::ReadOnly);
    {
        // a second reader shares it
        TFile second(path);
        second.open(QIODevice::ReadOnly);
        EXPECT_EQ("table", second.readRest());
    }
    for (QIODevice::OpenMode mode :
         {QIODevice::OpenMode(QIODevice::ReadWrite), QIODevice::WriteOnly | QIODevice::Truncate,
          QIODevice::WriteOnly | QIODevice::Append}) {
        TFile writer(path);
        try {
            writer.open(mode);
            ADD_FAILURE() << "opened for writing beside our own reader";
        } catch (const TFileError &e) {
            EXPECT_EQ(318, e.reason());
            EXPECT_EQ(EDEADLK, e.osError());
            EXPECT_EQ(path, e.fileName());
        }
        EXPECT_FALSE(writer.isOpen());
    }
    // nothing was emptied, and our reader still holds its lock
    EXPECT_EQ("table", dir.read("t12.001"));
    EXPECT_EQ(1, runLockholder({"--try-write", path}));
    reader.close();
    TFile writer(path);
    writer.open(QIODevice::ReadWrite);
    EXPECT_TRUE(writer.isLocked());
}

// A lock another process holds is waited for a bounded number of attempts.
TEST_F(FileTest, LockWaitIsBounded)
{
    dir.write("counter.dat", "1");
    const QString path = dir.file("counter.dat");
    ReadLockHolder holder(path);
    ASSERT_TRUE(holder.holds());
    TFile writer(path);
    writer.setLockRetry(3, 1);
    try {
        writer.open(QIODevice::ReadWrite);
        ADD_FAILURE() << "granted a write lock beside another process's reader";
    } catch (const TFileError &e) {
        EXPECT_EQ(318, e.reason());
        EXPECT_EQ(301, e.code());
        EXPECT_EQ(EAGAIN, e.osError());
    }
    EXPECT_FALSE(writer.isOpen());
    EXPECT_EQ("1", dir.read("counter.dat"));
}

// A writer that replaces the file through a temporary and a rename while
// another process waits for the file's lock: the waiting process must
// write into the new file, not into the deleted one.
TEST_F(FileTest, WaiterFollowsAFileReplacedByRename)
{
    dir.write("t7.002", "old");
    dir.write("change", "+terminal");
    const QString path = dir.file("t7.002");
    TFile held(path);
    held.open(QIODevice::ReadWrite);

    QProcess terminal;
    terminal.start(binPath("lockholder"), {"--append", path, dir.file("change")});
    ASSERT_TRUE(terminal.waitForStarted());
    ASSERT_TRUE(waitUntilOpenedBy(terminal.processId(), path));

    // our rewrite: the temporary, renamed over the name while we hold it
    dir.write("t7.002.tmp", "new");
    ASSERT_EQ(0, ::rename(QFile::encodeName(dir.file("t7.002.tmp")).constData(),
                          QFile::encodeName(path).constData()));
    held.close();

    ASSERT_TRUE(terminal.waitForFinished(30000));
    EXPECT_EQ(0, terminal.exitCode()) << terminal.readAllStandardError().constData();
    EXPECT_EQ("new+terminal", dir.read("t7.002"));
}

// A data file beyond the size limit is refused before it is read.
TEST_F(FileTest, OversizedFileIsRefused)
{
    const qint64 limit = TFile::maxReadSize();
    EXPECT_EQ(qint64(256) * 1024 * 1024, limit);
    dir.write("big.dat", QByteArray(64, '\0'));
    TFile::setMaxReadSize(63);
    TFile f(dir.file("big.dat"));
    f.open(QIODevice::ReadOnly);
    try {
        f.readRest();
        ADD_FAILURE() << "read a file beyond the limit";
    } catch (const TFileError &e) {
        EXPECT_EQ(304, e.reason());
        EXPECT_EQ(EFBIG, e.osError());
        EXPECT_EQ(dir.file("big.dat"), e.fileName());
    }
    TFile::setMaxReadSize(64);
    f.at(0);
    EXPECT_EQ(64, f.readRest().size());
    TFile::setMaxReadSize(limit);
}
