#include "terror.h"
#include "tinifile.h"

#include "testdir.h"

#include <QDir>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <functional>
#include <malloc.h>

using Basics::TInifile;
using Basics::TInifileError;
using Basics::TValueField;

namespace {

// What write() produces for this text: a byte-order mark and UTF-16 in the
// machine's byte order.
QByteArray unicodeFile(const QString &text)
{
    const char16_t bom = 0xFEFF;
    QByteArray bytes(reinterpret_cast<const char *>(&bom), 2);
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return bytes;
}

int errorCode(const std::function<void()> &f)
{
    try {
        f();
    } catch (const TInifileError &e) {
        return e.code();
    }
    return 0;
}

class IniTest : public ::testing::Test
{
protected:
    TestDir dir;
    QString path(const char *name = "test.ini") const { return dir.file(QLatin1String(name)); }
};

} // namespace

TEST_F(IniTest, SectionsAndKeysIgnoreCase)
{
    dir.write("test.ini", "[Printer]\nPort=COM1\n[PRINTER]\nSpeed=9600\n");
    TInifile ini(path());
    EXPECT_EQ(QStringLiteral("COM1"), ini.readString("printer", "PORT"));
    EXPECT_EQ(QStringLiteral("9600"), ini.readString("pRiNtEr", " speed "));
    EXPECT_EQ(1, ini.sections().size());

    // A write through another spelling changes the existing line.
    ini.writeString("PRINTER", "port", "LPT1");
    ini.write();
    EXPECT_EQ(unicodeFile("[Printer]\r\nPort = LPT1\r\n[PRINTER]\r\nSpeed=9600\r\n"),
              dir.read("test.ini"));
}

TEST_F(IniTest, EditChangesOnlyThatLine)
{
    dir.write("common.ini", "[Shop]\nCurrency=EUR\n");
    const QByteArray original = "; installation settings\r\n"
                                "\r\n"
                                "[Settings]\r\n"
                                "  ; day starts at six\r\n"
                                "DayOffs=600\r\n"
                                "\r\n"
                                "  Name = Corner Bistro  \r\n"
                                "#include <common.ini>\r\n"
                                "<ignored line\r\n"
                                "[unclosed\r\n"
                                "[Printer]\r\n"
                                "Port=COM1\r\n";
    dir.write("test.ini", original);
    TInifile ini(path());
    EXPECT_EQ(QStringLiteral("Corner Bistro"), ini.readString("settings", "name"));
    ini.writeInt("SETTINGS", "dayoffs", 530);
    ini.write();

    QString expected = QString::fromLatin1(original);
    expected.replace(QLatin1String("DayOffs=600"), QLatin1String("DayOffs = 530"));
    EXPECT_EQ(unicodeFile(expected), dir.read("test.ini"));

    TInifile again(path());
    EXPECT_EQ(530, again.readInt("Settings", "DayOffs"));
    EXPECT_EQ(Basics::TypeText, again.readEntry("Settings", "DayOffs").type);
}

TEST_F(IniTest, NewKeysGoRightBelowTheHeader)
{
    dir.write("test.ini", "[A]\nold=1\n[B]\nx=2\n");
    TInifile ini(path());
    ini.writeString("A", "a", "first");
    ini.writeString("A", "b", "second");
    EXPECT_EQ(TValueField(Basics::TypeText, "second"), ini.readEntry("a", "B"));
    ini.write();
    EXPECT_EQ(unicodeFile("[A]\r\nb = second\r\na = first\r\nold=1\r\n[B]\r\nx=2\r\n"),
              dir.read("test.ini"));
}

TEST_F(IniTest, MissingSectionIsAppendedAtTheEnd)
{
    dir.write("test.ini", "[A]\nx=1\n; last comment\n");
    TInifile ini(path());
    EXPECT_EQ(QStringLiteral("dflt"), ini.readString("Reports", "Title", "dflt"));
    EXPECT_EQ(TValueField(Basics::TypeInteger, "4"),
              ini.readEntry("Reports", "Title", TValueField(Basics::TypeInteger, "4")));
    ini.writeBool("Reports", "Logo", true);
    EXPECT_EQ(TValueField(Basics::TypeBoolean, "yes"), ini.readEntry("reports", "logo"));
    ini.write();
    EXPECT_EQ(unicodeFile("[A]\r\nx=1\r\n; last comment\r\n[Reports]\r\nLogo = yes\r\n"),
              dir.read("test.ini"));
}

TEST_F(IniTest, HeaderWithLeadingBlanks)
{
    dir.write("test.ini", " \t [Walk] trailing text\nGroups=3\n");
    TInifile ini(path());
    ASSERT_NE(nullptr, ini.section("walk"));
    EXPECT_EQ(QStringLiteral("Walk"), ini.section("walk")->name());
    EXPECT_EQ(3, ini.readInt("Walk", "groups"));
}

TEST_F(IniTest, LinesBeforeFirstHeaderAreKeptButNotEntries)
{
    dir.write("test.ini", "orphan=1\n\n[A]\nx=1\n");
    TInifile ini(path());
    EXPECT_EQ(QStringLiteral("none"), ini.readString("", "orphan", "none"));
    EXPECT_EQ(QStringList {"x"}, ini.section("A")->keys());
    ini.writeString("A", "x", "2");
    ini.write();
    EXPECT_EQ(unicodeFile("orphan=1\r\n\r\n[A]\r\nx = 2\r\n"), dir.read("test.ini"));
}

TEST_F(IniTest, CommentsAndBlankLinesAreNoKeys)
{
    dir.write("test.ini", "[A]\n; x=commented\n\nx=real\ny\n");
    TInifile ini(path());
    EXPECT_EQ(QStringLiteral("real"), ini.readString("A", "x"));
    // The comment is skipped, the blank line and "y" (no "=") are not.
    EXPECT_EQ(3, ini.section("A")->entries().size());
    EXPECT_EQ(QStringList {"x"}, ini.section("A")->keys());
    EXPECT_EQ(TValueField(2, "7"), ini.readEntry("A", "y", TValueField(2, "7")));
}

TEST_F(IniTest, IncludedEntriesAreVisibleButNotWritten)
{
    dir.write("etc/shared.ini", "[Shop]\nCurrency=EUR\n[Extra]\nOnly=there\n");
    dir.write("etc/main.ini", "[Shop]\n#include <shared.ini>\nName=Bistro\n");
    TInifile ini(dir.file("etc/main.ini"));
    // Found in the including file's directory, not in the working one.
    EXPECT_EQ(QStringLiteral("EUR"), ini.readString("shop", "currency"));
    EXPECT_EQ(QStringLiteral("there"), ini.readString("Extra", "Only"));
    EXPECT_FALSE(ini.lines().at(2)->own);
    // The name to write back stays the including file's.
    EXPECT_EQ(dir.file("etc/main.ini"), ini.fileName());

    ini.writeString("Shop", "Name", "Corner");
    ini.write();
    EXPECT_EQ(unicodeFile("[Shop]\r\n#include <shared.ini>\r\nName = Corner\r\n"),
              dir.read("etc/main.ini"));
    EXPECT_EQ(QByteArray("[Shop]\nCurrency=EUR\n[Extra]\nOnly=there\n"),
              dir.read("etc/shared.ini"));
}

TEST_F(IniTest, IncludeNamesPreferTheWorkingDirectory)
{
    dir.write("sub/inc.ini", "[A]\nfrom=working\n");
    dir.write("etc/sub/inc.ini", "[A]\nfrom=including\n");
    dir.write("etc/main.ini", "#<sub\\inc.ini>\n");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    TInifile ini(QStringLiteral("etc/main.ini"));
    QDir::setCurrent(previous);
    EXPECT_EQ(QStringLiteral("working"), ini.readString("a", "from"));
}

TEST_F(IniTest, SelfIncludeIsReadOnce)
{
    dir.write("test.ini", "[A]\nx=1\n#include <test.ini>\n");
    TInifile ini(path());
    EXPECT_EQ(3, ini.lines().size());
    EXPECT_EQ(QStringLiteral("1"), ini.readString("A", "x"));
}

TEST_F(IniTest, Utf16FilesOfBothByteOrders)
{
    const QString text = QStringLiteral("[Kasse]\r\nName=Caf\u00e9 \u20ac\r\n");
    QByteArray le("\xFF\xFE", 2);
    QByteArray be("\xFE\xFF", 2);
    for (QChar c : text) {
        le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    }
    dir.write("le.ini", le);
    dir.write("be.ini", be);
    EXPECT_EQ(QStringLiteral("Caf\u00e9 \u20ac"),
              TInifile(path("le.ini")).readString("kasse", "name"));
    EXPECT_EQ(QStringLiteral("Caf\u00e9 \u20ac"),
              TInifile(path("be.ini")).readString("kasse", "name"));

    // Our own output reads back unchanged.
    TInifile ini(path("le.ini"));
    ini.writeString("Kasse", "Ort", "M\u00fcnchen");
    ini.write(path("out.ini"));
    EXPECT_EQ(QStringLiteral("M\u00fcnchen"), TInifile(path("out.ini")).readString("Kasse", "Ort"));
}

TEST_F(IniTest, EightBitOutputWhenUnicodeIsOff)
{
    TInifile ini(path());
    EXPECT_TRUE(ini.lines().isEmpty());
    ini.setNoUnicode(true);
    ini.writeInt("Settings", "dayoffs", 600);
    ini.write();
    EXPECT_EQ(QByteArray("[Settings]\r\ndayoffs = 600\r\n"), dir.read("test.ini"));
    // Nothing but the file is left behind.
    EXPECT_EQ(QStringList {"test.ini"}, dir.entries());
}

TEST_F(IniTest, TypedReads)
{
    dir.write("test.ini", "[T]\nn=12abc\nm= -40 \na=On\nb=1\nc=YES\nd=2\n");
    TInifile ini(path());
    EXPECT_EQ(0, ini.readInt("T", "n", 5));
    EXPECT_EQ(-40, ini.readInt("T", "m"));
    EXPECT_EQ(5, ini.readInt("T", "missing", 5));
    EXPECT_TRUE(ini.readBool("T", "a"));
    EXPECT_TRUE(ini.readBool("T", "b"));
    EXPECT_TRUE(ini.readBool("T", "c"));
    EXPECT_FALSE(ini.readBool("T", "d", true));
    EXPECT_TRUE(ini.readBool("T", "missing", true));
}

TEST_F(IniTest, Errors)
{
    EXPECT_EQ(501, errorCode([] { TInifile ini(static_cast<const char *>(nullptr)); }));
    EXPECT_EQ(502, errorCode([] {
                  TInifile ini(QStringLiteral(""));
                  ini.write();
              }));
    dir.write("test.ini", "[A]\n#> before <inc\n");
    EXPECT_EQ(511, errorCode([&] { TInifile ini(path()); }));
}

// A constructor that throws runs no destructor: the lines read before the
// error must be freed all the same.
TEST_F(IniTest, FailedConstructionFreesItsLines)
{
    QByteArray text;
    for (int i = 0; i < 2000; ++i)
        text += "[s" + QByteArray::number(i) + "]\nkey=" + QByteArray(40, 'v') + "\n";
    text += "#>no include<\n"; // an include line without its name: 511
    dir.write("broken.ini", text);
    auto attempt = [&] { EXPECT_EQ(511, errorCode([&] { TInifile ini(path("broken.ini")); })); };
    attempt(); // first use warms up caches and the allocator
    const size_t before = mallinfo2().uordblks;
    for (int i = 0; i < 20; ++i)
        attempt();
    // each attempt read some 4000 lines; a leak would keep megabytes
    const size_t after = mallinfo2().uordblks;
    EXPECT_LT(after, before + 256 * 1024) << before << " -> " << after;
}
