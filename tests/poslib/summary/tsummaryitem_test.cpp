#include "tjsontext.h"
#include "treportleaf.h"
#include "tsummaryitem.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cmath>
#include <cstring>
#include <limits>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

// What QJsonDocument writes for one value inside an array.
QByteArray qtJson(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray {value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray ours(void (*append)(QByteArray &, double), double v)
{
    QByteArray out;
    append(out, v);
    return out;
}

// A text of random code units: ASCII with its control characters, quotes
// and backslashes, Latin and other BMP characters, surrogates paired and
// alone.
QString randomText(QRandomGenerator &random)
{
    QString text;
    const int length = int(random.bounded(12));
    for (int i = 0; i < length; ++i) {
        switch (random.bounded(6)) {
        case 0:
            text.append(QChar(char16_t(random.bounded(0x80))));
            break;
        case 1:
            text.append(QChar(char16_t(0x80 + random.bounded(0x780))));
            break;
        case 2:
            text.append(QChar(char16_t(0xd800 + random.bounded(0x800))));
            break;
        case 3:
            text.append(QChar(char16_t(random.bounded(0x10000))));
            break;
        case 4:
            text.append(QLatin1String(i % 2 ? "\"\\" : "\r\n\t"));
            break;
        default:
            text.append(QChar(char16_t(0x20 + random.bounded(0x5f))));
        }
    }
    return text;
}

// A leaf with the fields a record can hold: typed values and texts that
// read as numbers, booleans or neither.
class TestLeaf : public TReportLeaf
{
public:
    TestLeaf() { add(2.5, 1234.5); }
};

} // namespace

// Doubles are written as QJsonDocument writes them: whole numbers up to
// 2^53 with every digit, others in their shortest form, non-finite values
// as null; also at the edges and over random bit patterns.
TEST(JsonText, DoublesAsQtWritesThem)
{
    const double exact = 9007199254740992.0;
    const double edges[] = {0.0,
                            -0.0,
                            1.0,
                            100000.0,
                            1e15,
                            1e16,
                            exact,
                            -exact,
                            exact + 2,
                            -exact - 2,
                            0.1,
                            -2.5,
                            1.0 / 3,
                            1e-7,
                            840.33613445378,
                            std::numeric_limits<double>::max(),
                            std::numeric_limits<double>::denorm_min(),
                            std::numeric_limits<double>::infinity(),
                            std::nan("")};
    for (double v : edges)
        EXPECT_EQ(qtJson(QJsonValue(v)), ours(TJsonText::appendDouble, v)) << v;
    QRandomGenerator random(32);
    for (int i = 0; i < 20000; ++i) {
        double v = 0;
        if (i % 3 == 0) {
            const quint64 bits = random.generate64();
            std::memcpy(&v, &bits, sizeof v);
        } else if (i % 3 == 1) {
            v = double(qint64(random.generate64()) >> random.bounded(64));
        } else {
            v = double(qint64(random.bounded(2000000)) - 1000000) / 100.0;
        }
        ASSERT_EQ(qtJson(QJsonValue(v)), ours(TJsonText::appendDouble, v)) << v;
    }
}

TEST(JsonText, IntegersBooleansAndTextsAsQtWritesThem)
{
    QRandomGenerator random(33);
    for (qint64 v : {std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max(),
                     qint64(0), qint64(-1)}) {
        QByteArray out;
        TJsonText::appendInteger(out, v);
        EXPECT_EQ(qtJson(QJsonValue(v)), out);
    }
    for (int i = 0; i < 5000; ++i) {
        const qint64 v = qint64(random.generate64()) >> random.bounded(64);
        QByteArray out;
        TJsonText::appendInteger(out, v);
        ASSERT_EQ(qtJson(QJsonValue(v)), out);
    }
    for (bool v : {true, false}) {
        QByteArray out;
        TJsonText::appendBool(out, v);
        EXPECT_EQ(qtJson(QJsonValue(v)), out);
    }
    // escapes, control characters, UTF-8 of one to four bytes, a lone
    // surrogate
    const QString fixed = QStringLiteral("\"a\\b\"\x01\x1f\x7f\u00e4\u20ac\U0001F600\b\f\n\r\t");
    QString lone = QStringLiteral("x");
    lone.append(QChar(char16_t(0xdc00)));
    lone.append(QChar(char16_t(0xd800)));
    for (const QString &text : {fixed, lone, QString(), QString(QLatin1String(""))}) {
        QByteArray out;
        TJsonText::appendString(out, text);
        EXPECT_EQ(qtJson(QJsonValue(text)), out) << qPrintable(text);
    }
    for (int i = 0; i < 20000; ++i) {
        const QString text = randomText(random);
        QByteArray out;
        TJsonText::appendString(out, text);
        ASSERT_EQ(qtJson(QJsonValue(text)), out) << out.toHex().constData();
    }
}

TEST(JsonText, MembersReadFromTheBytesPastNestedValues)
{
    const QByteArray json = QJsonDocument::fromJson(R"({"a": {"b": "}\"{", "c": [1, {"d": 2}]},
        "e\"f": "x,y", "g": -12.5, "h": null, "i": [], "j": {}})")
                                    .toJson(QJsonDocument::Compact);
    ASSERT_FALSE(json.isEmpty());
    const auto member = [](QByteArrayView json, const char *name) {
        QByteArrayView value;
        TJsonText::members(json, {QLatin1String(name)}, &value);
        return value.toByteArray();
    };
    QByteArrayView values[3];
    TJsonText::members(json, {QLatin1String("g"), QLatin1String("a"), QLatin1String("k")}, values);
    EXPECT_EQ(R"({"b":"}\"{","c":[1,{"d":2}]})", values[1].toByteArray());
    EXPECT_EQ("-12.5", values[0].toByteArray());
    EXPECT_TRUE(values[2].isEmpty());
    EXPECT_EQ(R"("x,y")", member(json, "e\\\"f"));
    EXPECT_EQ("null", member(json, "h"));
    EXPECT_EQ("[]", member(json, "i"));
    EXPECT_EQ("{}", member(json, "j"));
    EXPECT_TRUE(member(json, "b").isEmpty()); // nested, not the object's own
    EXPECT_TRUE(member("[1]", "a").isEmpty());
    EXPECT_TRUE(member(R"({"a":"cut)", "a").isEmpty());
    EXPECT_EQ(QJsonValue(-12.5), TJsonText::value(values[0]));
}

// The data take a text for a number exactly when the pattern of whole
// numbers and decimals matches it (a line break may end it, as "$" lets
// it).
TEST(SummaryItem, PlainNumbersAsThePatternReadsThem)
{
    static const QRegularExpression number(QStringLiteral("^-?(0|[1-9][0-9]{0,17})(\\.[0-9]+)?$"));
    const char *const samples[] = {"0",
                                   "-0",
                                   "12",
                                   "012",
                                   "1.5",
                                   "1.",
                                   ".5",
                                   "-",
                                   "",
                                   "1e5",
                                   "0.00",
                                   "1.5\n",
                                   "1\n\n",
                                   "\n1",
                                   " 1",
                                   "1 ",
                                   "--1",
                                   "1.2.3",
                                   "yes",
                                   "0042",
                                   "1,5",
                                   "123456789012345678",
                                   "1234567890123456789",
                                   "-1.25"};
    for (const char *sample : samples) {
        const QString text = QString::fromLatin1(sample);
        EXPECT_EQ(number.match(text).hasMatch(), isPlainNumber(text)) << sample;
    }
    QRandomGenerator random(34);
    const char alphabet[] = "0123456789-.\n a";
    for (int i = 0; i < 20000; ++i) {
        QString text;
        const int length = int(random.bounded(22));
        for (int c = 0; c < length; ++c)
            text.append(QLatin1Char(alphabet[random.bounded(int(sizeof alphabet) - 1)]));
        ASSERT_EQ(number.match(text).hasMatch(), isPlainNumber(text)) << qPrintable(text);
    }
}

// An item's bytes are those of its JSON object: typed values, texts that
// read as numbers or booleans or stay texts (leading zeros, a trailing
// line break), escapes, decimal counts; a field name beyond ASCII too.
TEST(SummaryItem, BytesAreThoseOfItsObject)
{
    TestLeaf leaf;
    leaf.setInt(QStringLiteral("article"), 42);
    leaf.setString(QStringLiteral("plu"), QStringLiteral("0042"));
    leaf.setString(QStringLiteral("artshort"), QStringLiteral("Caf\u00e9 \"Kr\u00e4mer\"\\\n"));
    leaf.setString(QStringLiteral("price"), QStringLiteral("1.50"));
    leaf.setString(QStringLiteral("table"), QStringLiteral("12\n"));
    leaf.setString(QStringLiteral("insum"), QStringLiteral("yes"));
    leaf.setString(QStringLiteral("vatoh"), QStringLiteral("no"));
    leaf.setBool(QStringLiteral("iscontrol"), true);
    leaf.setDouble(QStringLiteral("rate"), 7.5);
    leaf.set(QStringLiteral("empty"), Basics::TValueField(Basics::TypeText, QString()));
    TSummaryItem item;
    item.node = QStringLiteral("articles");
    item.key = QStringLiteral("0000000042:150:Caf\u00e9");
    item.leaf = &leaf;
    QByteArray out;
    item.appendJson(out);
    EXPECT_EQ(QJsonDocument(item.toJson()).toJson(QJsonDocument::Compact), out);
    EXPECT_TRUE(out.contains("\"count\":2.5")) << out.constData();
    EXPECT_TRUE(out.contains("\"plu\":\"0042\"")) << out.constData();
    EXPECT_TRUE(out.contains("\"insum\":true")) << out.constData();

    leaf.setString(QStringLiteral("gr\u00f6\u00dfe"), QStringLiteral("x"));
    out.clear();
    item.appendJson(out);
    EXPECT_EQ(QJsonDocument(item.toJson()).toJson(QJsonDocument::Compact), out);
}
