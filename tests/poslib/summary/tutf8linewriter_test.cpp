#include "tutf8linewriter.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace PosLib;

// The bytes are those of toUtf8() and a line feed for every line, plain
// ASCII, two- and three-byte letters, pairs of surrogates and a lone one
// alike, whether a line fits in what is held or crosses a chunk.
TEST(Utf8LineWriter, WritesTheBytesOfEachLineAndItsLineFeed)
{
    const QStringList lines {
            QStringLiteral("  12.05.26 19:30   Tisch 4        1.234,50"),
            QString(),
            QStringLiteral("Kellnerin Jürgen Çelik — 12 €"),
            QString::fromUtf16(u"\U0001F37D Teller"),
            QString(QChar(0xd800)) + QStringLiteral("lone"),
            QStringLiteral("ÿ߿ࠀ￿"),
    };
    // a letter outside ASCII at every place of the blocks read at once,
    // with a low byte that looks like ASCII or one that is the largest
    QStringList all = lines;
    for (char16_t letter : {u'\u00ff', u'\u0100', u'\u0141', u'\u07ff', u'\u0800'}) {
        for (int at = 0; at < 19; ++at) {
            QString line = QStringLiteral("0123456789abcdefghi");
            line[at] = QChar(letter);
            all << line;
        }
    }
    QByteArray expected;
    for (const QString &line : all)
        expected += line.toUtf8() + '\n';
    for (qsizetype chunk : {qsizetype(1), qsizetype(7), qsizetype(64 * 1024)}) {
        QBuffer device;
        ASSERT_TRUE(device.open(QIODevice::WriteOnly));
        TUtf8LineWriter writer(&device, chunk);
        for (const QString &line : all)
            writer.writeLine(line);
        EXPECT_TRUE(writer.flush());
        EXPECT_EQ(expected, device.data()) << chunk;
    }
}

// A device that takes nothing fails the writer for good: nothing after
// the failure is reported as written.
TEST(Utf8LineWriter, ADeviceThatFailsStaysFailed)
{
    QByteArray bytes;
    QBuffer device(&bytes);
    ASSERT_TRUE(device.open(QIODevice::ReadOnly));
    TUtf8LineWriter writer(&device, 4);
    writer.writeLine(QStringLiteral("a line"));
    EXPECT_FALSE(writer.ok());
    ASSERT_TRUE(device.reset());
    device.close();
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    writer.writeLine(QStringLiteral("b"));
    EXPECT_FALSE(writer.flush());
}
