#include "testdir.h"
#include "trecordcodec.h"
#include "tvalue.h"
#include "tvaluefixture.h"

#include <QList>

#include <cstring>

#include <gtest/gtest.h>

using namespace Basics;

namespace {

using ValueTest::bytes;

// Every record of a file in its order, as the reader returns them.
QList<TValue> readAll(const QByteArray &data, TRecordReader::Status *last = nullptr)
{
    QList<TValue> records;
    TRecordReader reader(data);
    TValue value;
    TRecordReader::Status status;
    while ((status = reader.read(value)) == TRecordReader::Ok)
        records.append(value);
    if (last)
        *last = status;
    return records;
}

} // namespace

TEST(RecordCodec, WritesKnownRecord)
{
    TValue v;
    v.setString("name", "Ab");
    v.setId(5);
    QByteArray out;
    appendRecord(out, v);
    // count 2, then "id" = "5" and "name" = "Ab": id sorts before name
    const QByteArray expected = bytes({
            0x00, 0x00, 0x00, 0x02, //
            0x00, 0x00, 0x00, 0x04, 0x00, 'i', 0x00, 'd', //
            0x00, 0x00, 0x00, 0x02, 0x00, '5', //
            0x00, 0x00, 0x00, 0x08, 0x00, 'n', 0x00, 'a', 0x00, 'm', 0x00, 'e', //
            0x00, 0x00, 0x00, 0x04, 0x00, 'A', 0x00, 'b',
    });
    EXPECT_EQ(expected.toHex(' '), out.toHex(' '));
}

TEST(RecordCodec, WritesUtf16BigEndian)
{
    QByteArray out;
    appendString(out, QString::fromUtf16(u"\u00e4\u20ac"));
    EXPECT_EQ(bytes({0, 0, 0, 4, 0x00, 0xe4, 0x20, 0xac}).toHex(' '), out.toHex(' '));
}

TEST(RecordCodec, NullAndEmptyStringsDiffer)
{
    QByteArray out;
    appendString(out, QString());
    appendString(out, QLatin1String(""));
    EXPECT_EQ(bytes({0xff, 0xff, 0xff, 0xff, 0, 0, 0, 0}).toHex(' '), out.toHex(' '));

    TValue v;
    v.setString("a", QString());
    v.setString("b", QLatin1String(""));
    QByteArray record;
    appendRecord(record, v);
    TValue back;
    TRecordReader reader(record);
    ASSERT_EQ(TRecordReader::Ok, reader.read(back));
    ASSERT_TRUE(back.has("a"));
    ASSERT_TRUE(back.has("b"));
    EXPECT_TRUE(back.getString("a").isNull());
    EXPECT_FALSE(back.getString("b").isNull());
    EXPECT_TRUE(back.getString("b").isEmpty());
    EXPECT_EQ(TypeText, back.get("a").type);
}

TEST(RecordCodec, RecordWithoutFields)
{
    QByteArray out;
    appendRecord(out, TValue());
    EXPECT_EQ(bytes({0, 0, 0, 0}).toHex(' '), out.toHex(' '));

    TRecordReader reader(out);
    TValue back;
    back.setString("stale", "x");
    ASSERT_EQ(TRecordReader::Ok, reader.read(back));
    EXPECT_TRUE(back.isEmpty());
    EXPECT_EQ(0, back.id());
    EXPECT_EQ(TRecordReader::End, reader.read(back));
}

TEST(RecordCodec, RefusesAbsurdCount)
{
    TValue v;
    TRecordReader corrupt(bytes({0x01, 0x00, 0x00, 0x00}));
    EXPECT_EQ(TRecordReader::CorruptCount, corrupt.read(v));
    // just below the limit the count is believed, but the bytes are missing
    TRecordReader large(bytes({0x00, 0xff, 0xff, 0xff, 0, 0, 0, 0}));
    EXPECT_EQ(TRecordReader::Truncated, large.read(v));
}

TEST(RecordCodec, TruncatedRecords)
{
    TValue v;
    v.setString("k", "value");
    QByteArray full;
    appendRecord(full, v);
    // cut anywhere inside the record: never a record, never a crash
    for (int n = 1; n < full.size(); ++n) {
        TRecordReader reader(full.left(n));
        TValue back;
        EXPECT_EQ(TRecordReader::Truncated, reader.read(back)) << n;
        EXPECT_TRUE(back.isEmpty()) << n;
    }
    // a string length running past the end, and an odd byte length
    TValue back;
    EXPECT_EQ(TRecordReader::Truncated,
              TRecordReader(bytes({0, 0, 0, 1, 0x7f, 0, 0, 0, 0, 0, 0, 0})).read(back));
    EXPECT_EQ(TRecordReader::Truncated,
              TRecordReader(bytes({0, 0, 0, 1, 0, 0, 0, 1, 'a', 0, 0, 0, 0})).read(back));
}

TEST(RecordCodec, ReadsRecordsBackToBack)
{
    QByteArray data;
    for (int i = 1; i <= 3; ++i) {
        TValue v;
        v.setId(i);
        appendRecord(data, v);
    }
    TRecordReader::Status last;
    const QList<TValue> records = readAll(data, &last);
    EXPECT_EQ(TRecordReader::End, last);
    ASSERT_EQ(3, records.size());
    EXPECT_EQ(3, records.at(2).id());
}

// Table files written by the terminals: plain sequences of records.
TEST(RecordCodecFiles, ActiveTableFile)
{
    TRecordReader::Status last;
    const QList<TValue> records = readAll(testData("t12.001"), &last);
    EXPECT_EQ(TRecordReader::End, last);
    ASSERT_EQ(6, records.size());

    const TValue &header = records.at(0);
    EXPECT_EQ(4711, header.getInt("billnum"));
    EXPECT_EQ(12, header.getInt("table"));
    EXPECT_EQ(1, header.getInt("party"));
    EXPECT_EQ("2000.00000", header.getString("amount"));
    EXPECT_TRUE(header.getBool("insum"));
    EXPECT_FALSE(header.getBool("vatoh"));

    const TValue &creation = records.at(1);
    EXPECT_EQ(1, creation.getInt("type"));
    EXPECT_EQ("Window", creation.getString("tablename"));
    EXPECT_EQ(QDate(2014, 3, 5), creation.getDate("date"));
    EXPECT_EQ(QTime(19, 4, 11), creation.getTime("time"));

    const TValue &order = records.at(2);
    EXPECT_EQ(3, order.getInt("type"));
    EXPECT_EQ(QString("Pizza\nMargherita"), order.getString("article"));
    EXPECT_EQ(950, order.getInt("price"));

    EXPECT_EQ(11, records.at(3).getInt("type"));
    EXPECT_EQ(150, records.at(3).getInt("price"));
    EXPECT_EQ(50, records.at(4).getInt("price"));
    EXPECT_EQ(1, records.at(4).getInt("father"));

    const TValue &payment = records.at(5);
    EXPECT_EQ(5, payment.getInt("type"));
    EXPECT_EQ(1150, payment.getInt("amount"));
    EXPECT_EQ(850, payment.getInt("return"));
    EXPECT_FALSE(payment.getBool("voided"));
}

TEST(RecordCodecFiles, ArchivedTableFile)
{
    const QList<TValue> records = readAll(testData("a15"));
    ASSERT_EQ(6, records.size());
    EXPECT_EQ(7, records.at(0).getInt("table"));
    EXPECT_EQ(2, records.at(0).getInt("party"));
    EXPECT_EQ(15, records.at(0).getInt("archive"));
    EXPECT_EQ(4711, records.at(0).getInt("billnum"));
}

TEST(RecordCodecFiles, DaySummary)
{
    TRecordReader::Status last;
    const QList<TValue> records = readAll(testData("2014-03-05.dat"), &last);
    EXPECT_EQ(TRecordReader::End, last);
    ASSERT_EQ(14, records.size());
    // each table ends with a record holding only type -1
    for (int end : {6, 13}) {
        EXPECT_EQ(1, records.at(end).count()) << end;
        EXPECT_EQ(-1, records.at(end).getInt("type")) << end;
    }
    EXPECT_EQ(12, records.at(0).getInt("table"));
    EXPECT_EQ(7, records.at(7).getInt("table"));
}

TEST(RecordCodecFiles, RewritesReferenceBytes)
{
    // our writer reproduces the independent writer's records byte for byte
    for (const char *name : {"t12.001", "a15", "2014-03-05.dat"}) {
        const QByteArray original = testData(name);
        QByteArray written;
        for (const TValue &v : readAll(original))
            appendRecord(written, v);
        EXPECT_EQ(original, written) << name;
    }
}

TEST(RecordReaderOrder, FieldsOutOfOrderAreAllKept)
{
    Basics::TValue written;
    QByteArray bytes;
    // count 2, then "b" before "a": writers outside this library may do that
    bytes.append(QByteArray::fromHex("00000002"));
    Basics::appendString(bytes, QStringLiteral("b"));
    Basics::appendString(bytes, QStringLiteral("2"));
    Basics::appendString(bytes, QStringLiteral("a"));
    Basics::appendString(bytes, QStringLiteral("1"));
    Basics::TRecordReader reader(bytes);
    ASSERT_EQ(Basics::TRecordReader::Ok, reader.read(written));
    EXPECT_EQ(QStringLiteral("1"), written.getString(QStringLiteral("a")));
    EXPECT_EQ(QStringLiteral("2"), written.getString(QStringLiteral("b")));
    EXPECT_EQ(QStringLiteral("a"), written.fields().firstKey());
}

namespace {

// The bytes of `text` as a record stores them, and their raw view.
struct Raw
{
    explicit Raw(const QString &text)
    {
        QByteArray record;
        appendString(record, text);
        bytes = record.mid(4);
        raw.data = reinterpret_cast<const uchar *>(bytes.constData());
        raw.size = text.isNull() ? -1 : qint32(bytes.size());
    }
    QByteArray bytes;
    TRawString raw;
};

} // namespace

TEST(RecordCodec, RawValuesReadAsTheirDecodedText)
{
    const QStringList texts = {QString(),
                               QStringLiteral(""),
                               QStringLiteral("0"),
                               QStringLiteral("12"),
                               QStringLiteral("-12"),
                               QStringLiteral("+7"),
                               QStringLiteral("0042"),
                               QStringLiteral(" 5"),
                               QStringLiteral("5 "),
                               QStringLiteral("1.50000"),
                               QStringLiteral("-0.00000"),
                               QStringLiteral("-1.5"),
                               QStringLiteral("+2.25"),
                               QStringLiteral("1."),
                               QStringLiteral(".5"),
                               QStringLiteral("1e3"),
                               QStringLiteral("123456789012345.5"),
                               QStringLiteral("999999999999999999"),
                               QStringLiteral("9999999999999999999"),
                               QStringLiteral("0.1"),
                               QStringLiteral("3.14159"),
                               QStringLiteral("yes"),
                               QStringLiteral("no"),
                               QStringLiteral("YES"),
                               QStringLiteral("on"),
                               QStringLiteral("1"),
                               QStringLiteral("true"),
                               QStringLiteral("abc"),
                               QStringLiteral("-"),
                               QStringLiteral("1,5"),
                               QStringLiteral("0x10"),
                               QStringLiteral("."),
                               QStringLiteral("1.2.3"),
                               QStringLiteral("-.-+"),
                               QStringLiteral(" 12.5"),
                               QStringLiteral("12.5 "),
                               QStringLiteral("\u0661")};
    for (const QString &text : texts) {
        const Raw r(text);
        EXPECT_EQ(text, decodeString(r.raw)) << qPrintable(text);
        EXPECT_EQ(text.isNull(), decodeString(r.raw).isNull()) << qPrintable(text);
        EXPECT_EQ(parseInteger(text), rawInteger(r.raw)) << qPrintable(text);
        const double d = parseDecimal(text);
        const double raw = rawDecimal(r.raw);
        // the same bits: the sign of a zero counts too
        EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(&d), sizeof d).toHex(),
                  QByteArray(reinterpret_cast<const char *>(&raw), sizeof raw).toHex())
                << qPrintable(text);
        EXPECT_EQ(parseBoolean(text), rawBoolean(r.raw)) << qPrintable(text);
    }
}

// Short texts are kept once decoded and handed out again; however many
// texts meet in the cache, and in whatever turn they come back, each one
// decodes to itself (a longer one is never kept).
TEST(RecordCodec, TextsDecodedAgainAreThemselves)
{
    std::vector<QString> texts;
    for (int i = 0; i < 3000; ++i) {
        // 1 to 24 characters: one word of bytes, several, and past the
        // length kept
        const QString text = QString::number(i * 7919).repeated(1 + i % 5).left(1 + i % 24);
        texts.push_back(i % 11 == 0 ? text + QChar(0x00e9 + i % 3) : text);
    }
    std::vector<Raw> raws;
    raws.reserve(texts.size());
    for (const QString &text : texts)
        raws.emplace_back(text);
    // the same text twice in a row, pairs taking turns, a pass back
    for (int round = 0; round < 3; ++round) {
        for (size_t i = 0; i < texts.size(); ++i) {
            const size_t j = round == 2 ? texts.size() - 1 - i : (i * (round + 1)) % texts.size();
            ASSERT_EQ(texts[j], decodeString(raws[j].raw)) << j;
            ASSERT_EQ(texts[j], decodeString(raws[j].raw)) << j;
            ASSERT_EQ(texts[j / 2], decodeString(raws[j / 2].raw)) << j / 2;
        }
    }
}

TEST(RecordCodec, RawDatesAndTimesReadAsTheirDecodedText)
{
    const QStringList dates = {QStringLiteral("2014-03-05"), QStringLiteral("2014-02-29"),
                               QStringLiteral("2016-02-29"), QStringLiteral("2014-13-01"),
                               QStringLiteral("2014-00-10"), QStringLiteral("0999-01-01"),
                               QStringLiteral("2014-3-5"),   QStringLiteral("2014-03-05T10:00:00"),
                               QStringLiteral(""),           QString()};
    for (const QString &text : dates) {
        const Raw r(text);
        EXPECT_EQ(QDate::fromString(text, Qt::ISODate), rawDate(r.raw)) << qPrintable(text);
    }
    const QStringList times = {QStringLiteral("11:09:15"),
                               QStringLiteral("00:00:00"),
                               QStringLiteral("23:59:59"),
                               QStringLiteral("24:00:00"),
                               QStringLiteral("12:60:00"),
                               QStringLiteral("12:00"),
                               QStringLiteral("12:00:00.250"),
                               QStringLiteral("1:2:3"),
                               QStringLiteral(""),
                               QString()};
    for (const QString &text : times) {
        const Raw r(text);
        EXPECT_EQ(QTime::fromString(text, Qt::ISODate), rawTime(r.raw)) << qPrintable(text);
    }
}

TEST(RecordCodec, ScanWalksTheFieldsReadWouldRead)
{
    TValue first;
    first.setString("article", "Soup");
    first.setInt("price", 450);
    first.set("note", TypeText, QString());
    TValue second;
    second.setInt("type", -1);
    QByteArray data;
    appendRecord(data, first);
    appendRecord(data, second);
    data.append(bytes({0, 0, 0, 1, 0, 0, 0, 2, 0, 'a'})); // ends inside its first name

    TRecordReader reader(data);
    QStringList seen;
    auto collect = [&seen](TRawString name, TRawString value) {
        seen << decodeString(name) + QLatin1Char('=')
                        + (value.isNull() ? QStringLiteral("null") : decodeString(value));
    };
    ASSERT_EQ(TRecordReader::Ok, reader.scan(collect));
    EXPECT_EQ(QStringList({"article=Soup", "note=null", "price=450"}), seen);
    const qsizetype afterFirst = reader.position();
    seen.clear();
    ASSERT_EQ(TRecordReader::Ok, reader.scan(collect));
    EXPECT_EQ(QStringList({"type=-1"}), seen);
    EXPECT_EQ(TRecordReader::Truncated, reader.scan(collect));

    // positions and statuses are those of read()
    TRecordReader other(data);
    TValue v;
    ASSERT_EQ(TRecordReader::Ok, other.read(v));
    EXPECT_EQ(afterFirst, other.position());
    reader.seek(afterFirst);
    seen.clear();
    EXPECT_EQ(TRecordReader::Ok, reader.scan(collect));
    EXPECT_EQ(QStringList({"type=-1"}), seen);
}

// Bytes compared in words tell any one byte that differs, at every place of
// every length up to a few words, and equal bytes apart in memory.
TEST(RecordCodec, SameBytesSeesEveryByte)
{
    uchar a[40];
    uchar b[40 + 3];
    for (int i = 0; i < 40; ++i)
        a[i] = uchar('a' + i % 26);
    for (qint32 n = 0; n <= 40; ++n) {
        uchar *c = b + n % 4; // not aligned as `a` is
        std::memcpy(c, a, size_t(n));
        EXPECT_TRUE(sameBytes(a, c, n)) << n;
        for (qint32 at = 0; at < n; ++at) {
            c[at] ^= 0x01;
            EXPECT_FALSE(sameBytes(a, c, n)) << n << " " << at;
            c[at] ^= 0x01;
        }
    }
}
