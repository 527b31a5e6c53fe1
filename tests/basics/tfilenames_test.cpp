#include "terror.h"
#include "testdir.h"
#include "tfile.h"
#include "tfilelock.h"
#include "tfilenames.h"
#include "tfileread.h"

#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

using namespace Basics;

namespace {

QStringList listedByQDir(const QString &dir, const QString &pattern)
{
    return QDir(dir).entryList(QStringList(pattern), QDir::Files, QDir::Name | QDir::IgnoreCase);
}

void link(const QString &target, const QString &name)
{
    ASSERT_EQ(0, ::symlink(QFile::encodeName(target).constData(),
                           QFile::encodeName(name).constData()));
}

} // namespace

// Table folders are listed without QDir; whatever a folder holds, the names
// and their order must be the ones QDir gives, names equal but for case and
// things that are no plain files included.
TEST(FileNames, ListsWhatQDirListsInItsOrder)
{
    TestDir dir;
    QStringList names
            = {"a1",      "A2",   "a10",  "a_1",   "aB",      "Ab",      "ab",      "a1.tmp",
               "b1",      "t1.1", "T1.1", "t1.01", "t_2.3",   "tA.1",    "t10.2",   "T10.2",
               "t9",      "t.9",  "x.t1", "ä1",    "Ä1",      "a\u00df", "A\u00df", "tablé.1",
               "TABLÉ.1", "t3.3", "T3.3", "t3.03", "\u212a1", "k1"};
    for (int i = 0; i < 40; ++i) // enough names for the sort not to be a plain insertion sort
        names << (i % 2 ? QStringLiteral("T%1.%2") : QStringLiteral("t%1.%2"))
                         .arg(i % 7)
                         .arg(i % 5);
    for (const QString &name : names)
        if (!dir.exists(name))
            dir.write(name, "x");
    dir.write(".a3", "hidden");
    ASSERT_TRUE(QDir(dir.path()).mkdir("a4"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("t5.9"));
    link(dir.file("b1"), dir.file("a5")); // a link to a file counts
    link(dir.file("missing"), dir.file("a6")); // a broken one does not
    link(dir.file("a4"), dir.file("a7")); // nor one to a folder
    ASSERT_EQ(0, ::mkfifo(QFile::encodeName(dir.file("a8")).constData(), 0600));

    for (const char *pattern :
         {"a*", "t*.*", "*", "?1", "T?.*", "*1*", "a?", "*.tmp", "zz*", "K*", "\u00c4*"}) {
        SCOPED_TRACE(pattern);
        EXPECT_EQ(listedByQDir(dir.path(), QString::fromUtf8(pattern)),
                  fileNamesMatching(dir.path(), QString::fromUtf8(pattern)));
    }
    EXPECT_TRUE(fileNamesMatching(dir.file("nothing-here"), "*").isEmpty());
}

// The wildcard against Qt's own reading of it, case ignored, over names and
// patterns drawn at random from a few letters.
TEST(FileNames, WildcardMatchesAsQtReadsIt)
{
    QRandomGenerator random(7);
    const QString letters = QStringLiteral("aAbT1._\u00e4\u00c4");
    auto draw = [&](int length, bool pattern) {
        QString s;
        for (int i = 0; i < length; ++i) {
            const quint32 r = random.bounded(pattern ? 14 : 10);
            s += r >= 12 ? QLatin1Char('*') : r >= 10 ? QLatin1Char('?') : letters.at(int(r));
        }
        return s;
    };
    for (int i = 0; i < 4000; ++i) {
        const QString pattern = draw(int(random.bounded(6)), true);
        const QString name = draw(int(random.bounded(7)), false);
        const QRegularExpression qt(QRegularExpression::wildcardToRegularExpression(pattern),
                                    QRegularExpression::CaseInsensitiveOption);
        ASSERT_EQ(qt.match(name).hasMatch(), matchesWildcard(name, pattern))
                << "name " << name.toStdString() << " pattern " << pattern.toStdString();
    }
}

// One buffer for many files: each read gives exactly that file's bytes,
// and no lock is left behind.
TEST(FileRead, ReadsEachFileWholeIntoOneBuffer)
{
    TestDir dir;
    QByteArray buffer;
    const QList<int> sizes = {70000, 5, 0, 65536, 200001, 3};
    for (int i = 0; i < sizes.size(); ++i) {
        QByteArray bytes(sizes.at(i), '\0');
        for (int b = 0; b < bytes.size(); ++b)
            bytes[b] = char((b * 7 + i) & 0xff);
        const QString name = QStringLiteral("a%1").arg(i);
        dir.write(name, bytes);
        const qsizetype size = readWholeFile(dir.file(name), buffer);
        ASSERT_EQ(bytes.size(), size);
        EXPECT_EQ(bytes, buffer.left(size));
        // our own writer is not refused: the read's lock is gone
        TFile writer(dir.file(name));
        EXPECT_TRUE(writer.open(QIODevice::ReadWrite));
    }
}

// The failures of TFile, named as TFile names them.
TEST(FileRead, FailsAsTFileFails)
{
    TestDir dir;
    QByteArray buffer;
    try {
        readWholeFile(dir.file("a1"), buffer);
        ADD_FAILURE() << "read a missing file";
    } catch (const TFileError &e) {
        EXPECT_EQ(301, e.reason());
        EXPECT_EQ(ENOENT, e.osError());
        EXPECT_EQ(dir.file("a1"), e.fileName());
    }

    dir.write("a2", QByteArray(64, 'x'));
    const qint64 limit = TFile::maxReadSize();
    TFile::setMaxReadSize(63);
    try {
        readWholeFile(dir.file("a2"), buffer);
        ADD_FAILURE() << "read a file beyond the limit";
    } catch (const TFileError &e) {
        EXPECT_EQ(304, e.reason());
        EXPECT_EQ(EFBIG, e.osError());
    }
    TFile::setMaxReadSize(limit);

    // a file this process writes is not waited for
    TFile writer(dir.file("a2"));
    writer.open(QIODevice::ReadWrite);
    try {
        readWholeFile(dir.file("a2"), buffer);
        ADD_FAILURE() << "read beside our own writer";
    } catch (const TFileError &e) {
        EXPECT_EQ(318, e.reason());
        EXPECT_EQ(EDEADLK, e.osError());
    }
}

// A writer holding the file replaces it through a rename and lets go: the
// reader waited for it and reads the new file, never the deleted one.
TEST(FileRead, WaitsForAWriterAndReadsTheFileItLeft)
{
    TestDir dir;
    dir.write("a7", "old");
    const QString path = dir.file("a7");
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(TFileLock::tryLock(fd, TFileLock::WriteLock));
    std::atomic<bool> reading {false};
    std::thread writer([&] {
        while (!reading)
            std::this_thread::yield();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        dir.write("a7.tmp", "new");
        ::rename(QFile::encodeName(dir.file("a7.tmp")).constData(),
                 QFile::encodeName(path).constData());
        ::close(fd);
    });
    QByteArray buffer;
    reading = true;
    qsizetype size = -1;
    try {
        size = readWholeFile(path, buffer);
    } catch (const TFileError &e) {
        ADD_FAILURE() << e.text().toStdString();
    }
    writer.join();
    EXPECT_EQ("new", buffer.left(size));
}
