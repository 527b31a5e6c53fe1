#include "tdir.h"
#include "terror.h"
#include "testdir.h"

#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <gtest/gtest.h>

#include <cerrno>

using namespace Basics;

class DirTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setRetryPause(1);
        qputenv("VELTRUM_T_SET", "/pos");
        qunsetenv("VELTRUM_T_UNSET");
    }
    void TearDown() override
    {
        setRetryPause(200);
        qunsetenv("VELTRUM_T_SET");
        qunsetenv("VELTRUM_T_NESTED");
    }

    TestDir dir;
};

TEST_F(DirTest, ExpandsEnvironmentReferences)
{
    EXPECT_EQ("/pos/var", expandEnvironment("$(VELTRUM_T_SET)/var"));
    EXPECT_EQ("var", expandEnvironment("$(VELTRUM_T_UNSET)var"));
    EXPECT_EQ("/pos/a:/pos/b", expandEnvironment("$(VELTRUM_T_SET)/a:$(VELTRUM_T_SET)/b"));
    EXPECT_EQ("/pos/", expandEnvironment("$(VELTRUM_T_SET)/$(VELTRUM_T_UNSET)"));
    EXPECT_EQ("plain/$path)", expandEnvironment("plain/$path)"));
    // a value holding a reference is expanded in turn
    qputenv("VELTRUM_T_NESTED", "$(VELTRUM_T_SET)/usr");
    EXPECT_EQ("/pos/usr/data", expandEnvironment("$(VELTRUM_T_NESTED)/data"));
    // an unclosed reference takes the rest as the name
    EXPECT_EQ("x/pos", expandEnvironment("x$(VELTRUM_T_SET"));
}

TEST_F(DirTest, NormalizeDir)
{
    const QString base = dir.path() + "var";
    EXPECT_EQ(base + "/", normalizeDir(base, false));
    EXPECT_EQ(base + "/", normalizeDir(base + "/", false));
    EXPECT_EQ(base + "/", normalizeDir(base + "\\", false));
    EXPECT_EQ("", normalizeDir("", true));
    EXPECT_EQ("/", normalizeDir("/", false));
    EXPECT_EQ("/pos/usr/", normalizeDir("$(VELTRUM_T_SET)/usr/", false));
    EXPECT_FALSE(dir.exists("var"));

    EXPECT_EQ(base + "/tables/", normalizeDir(base + "/tables", true));
    EXPECT_TRUE(QFileInfo(base + "/tables").isDir());
    // existing directories are fine
    EXPECT_EQ(base + "/tables/", normalizeDir(base + "/tables/", true));
}

TEST_F(DirTest, CreatePath)
{
    createPath(dir.path() + "a/b/c/");
    EXPECT_TRUE(QFileInfo(dir.file("a/b/c")).isDir());
    createPath(dir.path() + "a/b/d");
    EXPECT_TRUE(QFileInfo(dir.file("a/b/d")).isDir());

    dir.write("file", "x");
    try {
        createPath(dir.path() + "file/sub/");
        FAIL() << "no error thrown";
    } catch (const TDirError &e) {
        EXPECT_EQ(201, e.reason());
        EXPECT_EQ(201, e.code());
        EXPECT_EQ(dir.path() + "file", e.path());
        // the cause is mkdir's own, and the user reads it in words
        EXPECT_EQ(EEXIST, e.osError());
        EXPECT_EQ(dir.path() + "file: a file of that name is in the way of a folder", userText(e));
    }
    // a full disk is named as such, with the name from the error or the caller
    EXPECT_EQ("/pos/var/a1: the disk is full",
              userText(TFileError(T_SOURCE, 301, 301, ENOSPC, "/pos/var/a1")));
    EXPECT_EQ("globals.ini: error 7", userText(TError(T_SOURCE, 7, 7), "globals.ini"));
}

TEST_F(DirTest, CreatePathSkipsServerAndShare)
{
    // "//tmp/<share>/sub": "tmp" is the server, the share must not be made
    const QString share = "veltrum-share-" + QUuid::createUuid().toString(QUuid::Id128);
    const QString local = "/tmp/" + share;
    EXPECT_THROW(createPath("//tmp/" + share + "/sub/"), TDirError);
    const bool made = QFileInfo(local).exists();
    QDir(local).removeRecursively();
    EXPECT_FALSE(made);
}

TEST_F(DirTest, DeleteFile)
{
    deleteFile(dir.file("missing")); // no error
    dir.write("bill", "x");
    deleteFile(dir.file("bill"));
    EXPECT_FALSE(dir.exists("bill"));

    // a directory never goes away through unlink, not even for root
    ASSERT_TRUE(QDir().mkdir(dir.file("busy")));
    try {
        deleteFile(dir.file("busy"));
        FAIL() << "no error thrown";
    } catch (const TFileError &e) {
        EXPECT_EQ(311, e.reason());
        EXPECT_EQ(311, e.code());
        EXPECT_EQ(dir.file("busy"), e.fileName());
    }
}

TEST_F(DirTest, RenameFile)
{
    dir.write("a", "first");
    dir.write("b", "second");
    renameFile(dir.file("a"), dir.file("b"));
    EXPECT_FALSE(dir.exists("a"));
    EXPECT_EQ("first", dir.read("b"));

    try {
        renameFile(dir.file("a"), dir.file("c"));
        FAIL() << "no error thrown";
    } catch (const TFileError &e) {
        EXPECT_EQ(312, e.reason());
        EXPECT_EQ(312, e.code());
        EXPECT_EQ(ENOENT, e.osError());
        EXPECT_EQ(dir.file("a"), e.fileName());
    }
    EXPECT_EQ("first", dir.read("b"));
}

TEST_F(DirTest, CopyFile)
{
    QByteArray data;
    for (int i = 0; i < 10000; ++i)
        data.append(char(i * 7));
    dir.write("source", data);
    dir.write("target", "longer old content that must go away entirely, every byte of it");
    EXPECT_TRUE(copyFile(dir.file("source"), dir.file("target")));
    EXPECT_EQ(data, dir.read("target"));
    EXPECT_EQ(data, dir.read("source"));

    qputenv("VELTRUM_T_SET", dir.path().toLocal8Bit());
    EXPECT_TRUE(copyFile("$(VELTRUM_T_SET)source", "$(VELTRUM_T_SET)copy"));
    EXPECT_EQ(data, dir.read("copy"));

    EXPECT_FALSE(copyFile(dir.file("missing"), dir.file("other")));
    EXPECT_FALSE(dir.exists("other"));
    EXPECT_FALSE(copyFile(dir.file("source"), dir.file("no/such/dir")));
}

TEST_F(DirTest, TDirThrowsOnFailure)
{
    TDir d(dir.path());
    dir.write("a", "x");
    EXPECT_TRUE(d.rename("a", "b"));
    EXPECT_TRUE(d.remove("b"));
    try {
        d.remove("b");
        FAIL() << "no error thrown";
    } catch (const TDirError &e) {
        EXPECT_EQ(202, e.code());
    }
    try {
        d.rename("b", "c");
        FAIL() << "no error thrown";
    } catch (const TDirError &e) {
        EXPECT_EQ(203, e.code());
    }
}

TEST_F(DirTest, FileModifiedAfterLooksAtMatchingRegularFilesOnly)
{
    auto touch = [this](const char *name, qint64 msecs) {
        const QString path = dir.file(QString::fromUtf8(name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC),
                                     QFileDevice::FileModificationTime));
    };
    const qint64 base = 1394049600000; // 2014-03-05 20:00 UTC
    const QDateTime built = QDateTime::fromMSecsSinceEpoch(base, Qt::UTC);
    dir.write("a1", "x");
    dir.write("b2", "x");
    touch("a1", base);
    touch("b2", base + 5000); // another name
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("a-folder"))); // not a file
    EXPECT_FALSE(hasFileModifiedAfter(dir.path(), QStringLiteral("a"), built));

    // to the millisecond, and any case of the first letter
    dir.write("A3", "x");
    touch("A3", base + 1);
    EXPECT_TRUE(hasFileModifiedAfter(dir.path(), QStringLiteral("a"), built));
    touch("A3", base);
    EXPECT_FALSE(hasFileModifiedAfter(dir.path(), QStringLiteral("a"), built));

    EXPECT_FALSE(hasFileModifiedAfter(dir.file("missing"), QStringLiteral("a"), built));

    // hidden files and names that only look alike stay out
    dir.write(".a4", "x");
    touch(".a4", base + 5000);
    dir.write(QString::fromUtf8("\xc3\xa4"
                                "5"),
              "x"); // a-umlaut
    touch("\xc3\xa4"
          "5",
          base + 5000);
    EXPECT_FALSE(hasFileModifiedAfter(dir.path(), QStringLiteral("a"), built));
    // a letter that folds to the prefix counts as in any other case (Kelvin sign, k)
    dir.write(QString::fromUtf8("\xe2\x84\xaa"
                                "6"),
              "x");
    touch("\xe2\x84\xaa"
          "6",
          base + 5000);
    EXPECT_TRUE(hasFileModifiedAfter(dir.path(), QStringLiteral("k"), built));
    EXPECT_FALSE(hasFileModifiedAfter(dir.path(), QStringLiteral("k"),
                                      QDateTime::fromMSecsSinceEpoch(base + 5000, Qt::UTC)));
    // the directory as the file system names it, the time in milliseconds
    const QByteArray local = QFile::encodeName(dir.path());
    EXPECT_TRUE(hasFileModifiedAfter(local, QStringLiteral("k"), base + 4999));
    EXPECT_FALSE(hasFileModifiedAfter(local, QStringLiteral("a"), base));
    EXPECT_TRUE(hasFileModifiedAfter(local, QString(), base));
}

TEST(EnvironmentExpansion, SelfReferenceEnds)
{
    qputenv("VELTRUM_SELF", "$(VELTRUM_SELF)");
    const QString expanded = Basics::expandEnvironment(QStringLiteral("/x/$(VELTRUM_SELF)/y"));
    EXPECT_TRUE(expanded.startsWith(QStringLiteral("/x/")));
    qunsetenv("VELTRUM_SELF");
}
