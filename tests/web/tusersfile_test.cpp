#include "httpclient.h"
#include "testdir.h"
#include "tusersfile.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace WebLib;

namespace {

// Cheap hashes: these tests make many.
constexpr THashCost Cheap = THashCost::Minimal;

} // namespace

TEST(UsersFile, AUserLogsInWithHisPasswordOnly)
{
    TestDir dir;
    TUsersFile users(dir.file("users"));
    ASSERT_TRUE(users.load(true));
    ASSERT_TRUE(users.setPassword("owner", "correct horse", Cheap)) << users.error();
    ASSERT_TRUE(users.setPassword("anna", "battery staple", Cheap));
    ASSERT_TRUE(users.save()) << users.error();

    TUsersFile read(dir.file("users"));
    ASSERT_TRUE(read.load()) << read.error();
    EXPECT_EQ(QStringList({"owner", "anna"}), read.names());
    EXPECT_TRUE(verifyPassword(read.hash("owner"), "correct horse"));
    EXPECT_FALSE(verifyPassword(read.hash("owner"), "battery staple"));
    EXPECT_FALSE(verifyPassword(read.hash("owner"), "correct horse "));
    EXPECT_FALSE(verifyPassword(read.hash("owner"), ""));
    EXPECT_TRUE(read.hash("nobody").isEmpty());
    // the file holds hashes, never the password
    EXPECT_FALSE(dir.read("users").contains("correct horse"));
    EXPECT_TRUE(dir.read("users").startsWith("owner:$argon2id$"));
}

TEST(UsersFile, TheSamePasswordHashesDifferently)
{
    const QByteArray a = hashPassword("same password", Cheap);
    const QByteArray b = hashPassword("same password", Cheap);
    ASSERT_FALSE(a.isEmpty());
    EXPECT_NE(a, b); // a salt of its own each
    EXPECT_TRUE(verifyPassword(a, "same password"));
    EXPECT_TRUE(verifyPassword(b, "same password"));
    // the file's hashes cost what a login should
    EXPECT_TRUE(hashPassword("x").contains("$m=65536,t=2,p=1$"));
}

TEST(UsersFile, ANewFileIsReadableByItsOwnerAlone)
{
    TestDir dir;
    TUsersFile users(dir.file("users"));
    ASSERT_TRUE(users.setPassword("owner", "correct horse", Cheap));
    ASSERT_TRUE(users.save());
    EXPECT_EQ(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser,
              QFileInfo(dir.file("users")).permissions());
}

TEST(UsersFile, ChangesKeepCommentsOrderAndTheOthers)
{
    TestDir dir;
    TUsersFile users(dir.file("users"));
    ASSERT_TRUE(users.setPassword("a", "password a", Cheap));
    ASSERT_TRUE(users.setPassword("b", "password b", Cheap));
    ASSERT_TRUE(users.save());
    const QByteArray hashB = users.hash("b");
    dir.write("users", "# who may log in\n\n" + dir.read("users"));

    TUsersFile edit(dir.file("users"));
    ASSERT_TRUE(edit.load());
    ASSERT_TRUE(edit.setPassword("a", "new password", Cheap));
    ASSERT_TRUE(edit.setPassword("c", "password c", Cheap));
    EXPECT_TRUE(edit.remove("b"));
    EXPECT_FALSE(edit.remove("b"));
    ASSERT_TRUE(edit.save());

    const QList<QByteArray> lines = dir.read("users").split('\n');
    ASSERT_EQ(5, lines.size());
    EXPECT_EQ("# who may log in", lines.at(0));
    EXPECT_EQ("", lines.at(1));
    EXPECT_TRUE(lines.at(2).startsWith("a:"));
    EXPECT_TRUE(lines.at(3).startsWith("c:"));
    EXPECT_EQ("", lines.at(4));
    TUsersFile read(dir.file("users"));
    ASSERT_TRUE(read.load());
    EXPECT_TRUE(verifyPassword(read.hash("a"), "new password"));
    EXPECT_FALSE(verifyPassword(read.hash("a"), "password a"));
    EXPECT_FALSE(read.contains("b"));
    EXPECT_FALSE(read.hash("c").isEmpty());
    EXPECT_NE(hashB, read.hash("c"));
}

TEST(UsersFile, ALineThatIsNoUserStopsTheReadingAndIsNamed)
{
    TestDir dir;
    const QByteArray good = "owner:" + hashPassword("correct horse", Cheap) + "\n";
    const struct
    {
        QByteArray text;
        QString problem;
    } cases[] = {
            {good + "anna\n", "line 2: not a user"},
            {good + "anna:plaintext\n", "line 2: not a user"},
            {good + ":" + hashPassword("x", Cheap) + "\n", "line 2: not a user"},
            {good + "bad name:" + hashPassword("x", Cheap) + "\n", "line 2: not a user"},
            {"$argon2i$v=19$m=4096,t=3,p=1$c2FsdA$aGFzaA\n", "line 1: not a user"},
            {good + good, "line 2: user 'owner' is there twice"},
    };
    for (const auto &c : cases) {
        dir.write("users", c.text);
        TUsersFile users(dir.file("users"));
        EXPECT_FALSE(users.load()) << c.text.toStdString();
        EXPECT_TRUE(users.error().contains(c.problem)) << users.error().toStdString();
        EXPECT_TRUE(users.error().contains(dir.file("users"))) << users.error().toStdString();
        EXPECT_TRUE(users.names().isEmpty());
    }
    // Windows line ends are read too
    dir.write("users", QByteArray(good).replace("\n", "\r\n"));
    TUsersFile users(dir.file("users"));
    EXPECT_TRUE(users.load()) << users.error().toStdString();
    EXPECT_TRUE(verifyPassword(users.hash("owner"), "correct horse"));
}

TEST(UsersFile, AMissingFileIsAnErrorUnlessAllowed)
{
    TestDir dir;
    TUsersFile users(dir.file("none"));
    EXPECT_FALSE(users.load());
    EXPECT_TRUE(users.error().contains(dir.file("none")));
    EXPECT_TRUE(users.load(true));
    EXPECT_TRUE(users.names().isEmpty());
}

TEST(UsersFile, NamesAreShortAndPlain)
{
    for (const char *good : {"owner", "anna.berg", "a_b-c", "boss@outlet2", "X"})
        EXPECT_TRUE(TUsersFile::isValidName(QString::fromUtf8(good))) << good;
    for (const char *bad :
         {"", "with space", "colon:name", "#comment", "umlaut\xc3\xa4", "tab\t", "new\nline"})
        EXPECT_FALSE(TUsersFile::isValidName(QString::fromUtf8(bad))) << bad;
    EXPECT_TRUE(TUsersFile::isValidName(QString(64, 'a')));
    EXPECT_FALSE(TUsersFile::isValidName(QString(65, 'a')));
    TestDir dir;
    TUsersFile users(dir.file("users"));
    EXPECT_FALSE(users.setPassword("bad name", "password", Cheap));
    EXPECT_FALSE(users.error().isEmpty());
}

TEST(UsersFile, AFileThatCannotBeWrittenStaysAsItWas)
{
    TestDir dir;
    TUsersFile users(dir.file("missing-folder/users"));
    ASSERT_TRUE(users.setPassword("owner", "correct horse", Cheap));
    EXPECT_FALSE(users.save());
    EXPECT_TRUE(users.error().contains(dir.file("missing-folder/users")));
}
