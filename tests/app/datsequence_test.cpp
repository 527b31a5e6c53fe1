// 'veltrum dat to-xml' prints every record of a file that is no list in id
// order (a day summary), and 'dat from-xml' gives back the same bytes.

#include "testdir.h"
#include "trecordcodec.h"
#include "tvalue.h"
#include "veltrumprocess.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

int recordsIn(const QByteArray &data)
{
    Basics::TRecordReader reader(data);
    int n = 0;
    while (reader.scan([](Basics::TRawString, Basics::TRawString) {}) == Basics::TRecordReader::Ok)
        ++n;
    return n;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path;
    return f.readAll();
}

// Prints `file` as XML into `xml`, reads it back into `back`; returns the
// printed XML.
QString roundTrip(const TestDir &dir, const QString &file, const QString &back)
{
    const Outcome printed = veltrum({QStringLiteral("dat"), QStringLiteral("to-xml"), file});
    EXPECT_EQ(0, printed.code) << printed.err;
    const QString xml = dir.file(QStringLiteral("printed.xml"));
    dir.write(QStringLiteral("printed.xml"), printed.out.toUtf8());
    const Outcome read = veltrum({QStringLiteral("dat"), QStringLiteral("from-xml"), xml, back});
    EXPECT_EQ(0, read.code) << read.err;
    return printed.out;
}

TEST(DatSequence, ADaySummaryIsPrintedWholeAndReadBackByteForByte)
{
    TestDir dir;
    const QString root = writeDemo(dir, 1, 15);
    const QString summary = root + QStringLiteral("/var/summary/2026-12-04.dat");
    const QByteArray bytes = readAll(summary);
    const int records = recordsIn(bytes);
    ASSERT_GT(records, 100);

    const QString back = dir.file(QStringLiteral("back.dat"));
    const QString xml = roundTrip(dir, summary, back);
    EXPECT_TRUE(xml.contains(QStringLiteral("<_2026-12-04 order=\"file\">"))) << xml.left(300);
    EXPECT_EQ(records, int(xml.count(QRegularExpression(QStringLiteral("<element[ >]")))));
    EXPECT_EQ(bytes, readAll(back));
}

TEST(DatSequence, TextsXmlWouldChangeComeBackAsTheyWere)
{
    using Basics::TValue;
    QByteArray data;
    TValue first;
    first.setInt(QStringLiteral("id"), 7);
    first.setString(QStringLiteral("blank"), QStringLiteral("   "));
    first.setString(QStringLiteral("controls"), QStringLiteral("a\r\nb\x01\x03 c"));
    first.setString(QStringLiteral("empty"), QStringLiteral(""));
    first.setString(QStringLiteral("none"), QString());
    first.setString(QStringLiteral("2 odd name"), QStringLiteral("<&>\"'"));
    first.setString(QStringLiteral("xmlname"), QString(QChar(0xd800)));
    Basics::appendRecord(data, first);
    TValue second; // the same id again, and a record without one
    second.setInt(QStringLiteral("id"), 7);
    Basics::appendRecord(data, second);
    TValue third;
    third.setString(QStringLiteral("type"), QStringLiteral("-1"));
    Basics::appendRecord(data, third);

    TestDir dir;
    dir.write(QStringLiteral("odd.dat"), data);
    const QString back = dir.file(QStringLiteral("back.dat"));
    roundTrip(dir, dir.file(QStringLiteral("odd.dat")), back);
    EXPECT_EQ(data, readAll(back));

    // a list in id order prints as before: merged by id on reading back
    const Outcome list = veltrum({QStringLiteral("dat"), QStringLiteral("to-xml"),
                                  testDataPath(QStringLiteral("waiters.dat"))});
    EXPECT_EQ(0, list.code) << list.err;
    EXPECT_TRUE(list.out.contains(QStringLiteral("<waiters>"))) << list.out.left(200);
}

} // namespace
