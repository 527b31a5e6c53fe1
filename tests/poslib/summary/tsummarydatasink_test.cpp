#include "trowsspool.h"
#include "tsummarydatasink.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace PosLib;

// The array written apart is found among the object's own fields only,
// not in a text or a nested object that spells the same key.
TEST(JsonFrame, SplitsAtTheObjectsOwnArray)
{
    QJsonObject nested;
    nested.insert(QStringLiteral("items"), QJsonArray());
    nested.insert(QStringLiteral("text"), QStringLiteral("\"items\":[] and \\\""));
    QJsonObject fields;
    fields.insert(QStringLiteral("a"), nested);
    fields.insert(QStringLiteral("b"), QStringLiteral("{\"items\":[]}"));
    fields.insert(QStringLiteral("z"), 1);
    const TJsonFrame frame = jsonFrame(fields, QStringLiteral("items"));
    QJsonObject whole = fields;
    whole.insert(QStringLiteral("items"), QJsonArray {1, 2});
    EXPECT_EQ(QJsonDocument(whole).toJson(QJsonDocument::Compact),
              frame.open + "1,2" + frame.close);
    EXPECT_TRUE(frame.open.endsWith("\"items\":["));
    EXPECT_TRUE(frame.close.startsWith("],\"z\":1"));
}

// A document passed to a JSON writer piece by piece comes out as the bytes
// of the whole; its groups with and without sums and a section without
// periods among them.
TEST(SummaryJsonWriter, PiecesMakeTheBytesOfTheWhole)
{
    const auto object
            = [](const char *json) { return QJsonDocument::fromJson(QByteArray(json)).object(); };
    const QJsonObject document = object(R"({"caption":"Waiter report","kind":5,"to":"2026-12-04",
        "sections":[{"kind":5,"code":2,"grouping":"waiter","title":"Waiter report","periods":[
          {"from":"2026-12-01","to":"2026-12-04","groups":[
            {"grouping":"waiter","number":1,"name":"Anna","figures":{"tip":20},"items":[
              {"node":"tables","key":"1","count":1,"amount":1250,"values":{"x":"y"}},
              {"node":"tables","key":"2","count":1,"amount":-10,"values":{}}]},
            {"grouping":"waiter","number":2,"name":"Ben","items":[],"sums":{"articles":12}}]},
          {"from":"2026-12-05","to":"2026-12-05","groups":[]}]},
          {"kind":7,"code":1,"grouping":"all","title":"All articles","periods":[]}]})");
    ASSERT_FALSE(document.isEmpty());
    QBuffer spool;
    spool.open(QIODevice::ReadWrite);
    TSummaryJsonWriter writer(&spool);
    replaySections(document, writer);
    ASSERT_TRUE(writer.ok());
    QJsonObject head = document;
    head.remove(QStringLiteral("sections"));
    const TJsonFrame frame = jsonFrame(head, QStringLiteral("sections"));
    EXPECT_EQ(QJsonDocument(document).toJson(QJsonDocument::Compact),
              frame.open + spool.data() + frame.close);
}

// The rows of a workbook pass through a temporary file: handed back as
// often as asked, each text as it was (empty, null, any script).
TEST(RowsSpool, HandsTheRowsBackAsOftenAsAsked)
{
    TRowsSpool spool;
    ASSERT_TRUE(spool.isOpen());
    const QList<QStringList> rows {{QStringLiteral("kind"), QStringLiteral("amount")},
                                   {QString(), QStringLiteral("Kaffee «groß» 🍰")},
                                   {}};
    for (const QStringList &row : rows)
        spool.add(row);
    for (int time = 0; time < 2; ++time) {
        QList<QStringList> back;
        EXPECT_TRUE(spool.replay([&back](const QStringList &row) { back << row; }));
        EXPECT_EQ(rows, back);
    }
    EXPECT_TRUE(spool.ok());
}
