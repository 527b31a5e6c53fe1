#include "twindows1252.h"

#include <gtest/gtest.h>

using namespace PosLib;

TEST(Windows1252, KeepsLatinOneAndTheCodePagesOwnCharacters)
{
    QByteArray out;
    ASSERT_TRUE(toWindows1252(QStringLiteral("Erlöse 19 % ß €„…Œž™"), &out));
    EXPECT_EQ(QByteArray("Erl\xf6se 19 % \xdf \x80\x84\x85\x8c\x9e\x99"), out);
    EXPECT_EQ(QStringLiteral("Erlöse 19 % ß €„…Œž™"), fromWindows1252(out));
}

TEST(Windows1252, RefusesWhatTheCodePageLacksAtItsPosition)
{
    QByteArray out;
    qsizetype bad = -1;
    // U+0081 is a control character the code page leaves undefined
    EXPECT_FALSE(toWindows1252(QStringLiteral("ab\u0081"), &out, &bad));
    EXPECT_EQ(2, bad);
    EXPECT_FALSE(toWindows1252(QStringLiteral("Karte ✓ ok"), &out, &bad));
    EXPECT_EQ(6, bad);
    EXPECT_EQ(QByteArray("Karte "), out);
    EXPECT_EQ(QStringLiteral("'✓' (U+2713)"), characterName(QStringLiteral("Karte ✓ ok"), bad));

    // a character outside the basic plane is named whole
    const QString card = QStringLiteral("Pay 💳");
    EXPECT_FALSE(toWindows1252(card, &out, &bad));
    EXPECT_EQ(4, bad);
    EXPECT_EQ(QStringLiteral("'💳' (U+1F4B3)"), characterName(card, bad));
}

TEST(Windows1252, UndefinedBytesDecodeAsReplacement)
{
    EXPECT_EQ(QStringLiteral("a\uFFFDb"), fromWindows1252(QByteArray("a\x81"
                                                                     "b")));
}
