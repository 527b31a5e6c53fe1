#include "tcomparisondata.h"
#include "tcomparisontext.h"
#include "tsummarydatasink.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

QJsonObject object(const char *json)
{
    return QJsonDocument::fromJson(QByteArray(json)).object();
}

// A report of one period whose groups are given as JSON.
QJsonObject report(const char *from, const char *groups)
{
    const QByteArray text = QByteArray(R"({"format": 1, "kind": 7, "from": ")") + from
                            + R"(", "to": ")" + from
                            + R"(", "sections": [{"kind": 7, "code": 0, "grouping": "waiter",
                                 "periods": [{"from": ")"
                            + from + R"(", "to": ")" + from + R"(", "groups": )" + groups + "}]}]}";
    return QJsonDocument::fromJson(text).object();
}

QJsonArray groupsOf(const QJsonObject &document)
{
    return document[QStringLiteral("sections")][0][QStringLiteral("periods")][0]
                   [QStringLiteral("groups")]
                           .toArray();
}

// The item of `node` and `key` in the group, with its fields.
QJsonObject itemOf(const QJsonObject &group, const char *node, const char *key)
{
    for (const QJsonValue &v : group[QStringLiteral("items")].toArray()) {
        const QJsonObject item = v.toObject();
        if (item[QStringLiteral("node")].toString() == QLatin1String(node)
            && item[QStringLiteral("key")].toString() == QLatin1String(key))
            return item;
    }
    return {};
}

TComparedDays lastWeek()
{
    TComparedDays days;
    days.with.mode = TCompareWith::Week;
    days.range = {QDate(2026, 11, 23), QDate(2026, 11, 23)};
    return days;
}

} // namespace

TEST(ComparisonDocument, ItemsOfOnePeriodOnlyAreListedWithTheOtherAsZero)
{
    const QJsonObject now = report("2026-11-30", R"([{"grouping": "waiter", "number": 1,
        "name": "Anna", "sums": {"articles": 1300},
        "items": [{"node": "articles", "key": "101", "text": "Bruschetta", "count": 2,
                   "amount": 1300, "values": {"price": 650}},
                  {"node": "articles", "key": "102", "text": "Insalata", "count": 1.5,
                   "amount": 675, "values": {"price": 450}}]}])");
    const QJsonObject then = report("2026-11-23", R"([{"grouping": "waiter", "number": 1,
        "name": "Anna", "sums": {"articles": 1100},
        "items": [{"node": "articles", "key": "101", "text": "Bruschetta", "count": 1,
                   "amount": 650, "values": {"price": 650}},
                  {"node": "articles", "key": "103", "text": "Minestrone", "count": 1,
                   "amount": 450, "values": {"price": 450}}]}])");
    const QJsonObject joined = comparisonDocument(now, then, lastWeek());
    const QJsonArray groups = groupsOf(joined);
    ASSERT_EQ(1, groups.size());
    const QJsonObject group = groups[0].toObject();
    EXPECT_EQ(3, group[QStringLiteral("items")].toArray().size());

    const QJsonObject both = itemOf(group, "articles", "101");
    EXPECT_EQ(QStringLiteral("both"), both[QStringLiteral("presentIn")].toString());
    EXPECT_EQ(object(R"({"count": 1, "amount": 650, "values": {"price": 650}})"),
              both[QStringLiteral("compared")].toObject());
    EXPECT_EQ(object(R"({"count": 1, "amount": 650})"),
              both[QStringLiteral("difference")].toObject());

    const QJsonObject current = itemOf(group, "articles", "102");
    EXPECT_EQ(QStringLiteral("current"), current[QStringLiteral("presentIn")].toString());
    EXPECT_EQ(object(R"({"count": 0, "amount": 0})"),
              current[QStringLiteral("compared")].toObject());
    EXPECT_EQ(object(R"({"count": 1.5, "amount": 675})"),
              current[QStringLiteral("difference")].toObject());

    // found last week only: this week's count and amount are 0, its name
    // and values are last week's
    const QJsonObject gone = itemOf(group, "articles", "103");
    EXPECT_EQ(QStringLiteral("compared"), gone[QStringLiteral("presentIn")].toString());
    EXPECT_EQ(0, gone[QStringLiteral("count")].toInt(-1));
    EXPECT_EQ(0, gone[QStringLiteral("amount")].toInt(-1));
    EXPECT_EQ(QStringLiteral("Minestrone"), gone[QStringLiteral("text")].toString());
    EXPECT_EQ(object(R"({"count": 1, "amount": 450, "values": {"price": 450}})"),
              gone[QStringLiteral("compared")].toObject());
    EXPECT_EQ(object(R"({"count": -1, "amount": -450})"),
              gone[QStringLiteral("difference")].toObject());

    EXPECT_EQ(object(R"({"sums": {"articles": 1100}})"),
              group[QStringLiteral("compared")].toObject());
    EXPECT_EQ(object(R"({"sums": {"articles": 200}})"),
              group[QStringLiteral("difference")].toObject());

    const QJsonObject head = joined[QStringLiteral("compared")].toObject();
    EXPECT_EQ(
            object(R"({"mode": "week", "from": "2026-11-23", "to": "2026-11-23", "until": null})"),
            head);
    EXPECT_EQ(object(R"({"from": "2026-11-23", "to": "2026-11-23"})"),
              joined[QStringLiteral("sections")][0][QStringLiteral("periods")][0]
                    [QStringLiteral("compared")]
                            .toObject());
}

TEST(ComparisonDocument, GroupsOfOnePeriodOnlyKeepTheTextsOrder)
{
    // waiter 3 worked this week only, waiter 2 last week only; the cost
    // center 0 comes after the numbered ones
    const QJsonObject now = report("2026-11-30", R"([
        {"grouping": "waiter", "number": 1, "name": "Anna", "items": [],
         "figures": {"paidTables": 4, "allAmount": 10000}},
        {"grouping": "waiter", "number": 3, "name": "Clara", "items": [],
         "figures": {"paidTables": 2, "allAmount": 3000}}])");
    const QJsonObject then = report("2026-11-23", R"([
        {"grouping": "waiter", "number": 1, "name": "Anna", "items": [],
         "figures": {"paidTables": 5, "allAmount": 8000}},
        {"grouping": "waiter", "number": 2, "name": "Bruno", "items": [],
         "figures": {"paidTables": 1, "allAmount": 500}}])");
    const QJsonArray groups = groupsOf(comparisonDocument(now, then, lastWeek()));
    ASSERT_EQ(3, groups.size());
    QStringList order;
    for (const QJsonValue &g : groups)
        order << g[QStringLiteral("name")].toString() + QLatin1Char(':')
                         + g[QStringLiteral("presentIn")].toString();
    EXPECT_EQ(QStringList({QStringLiteral("Anna:both"), QStringLiteral("Bruno:compared"),
                           QStringLiteral("Clara:current")}),
              order);
    const QJsonObject bruno = groups[1].toObject();
    EXPECT_EQ(object(R"({"paidTables": 0, "allAmount": 0})"),
              bruno[QStringLiteral("figures")].toObject());
    EXPECT_EQ(object(R"({"figures": {"paidTables": -1, "allAmount": -500}})"),
              bruno[QStringLiteral("difference")].toObject());

    const QJsonObject centersNow = report("2026-11-30", R"([
        {"grouping": "center", "number": 0, "name": "", "items": []}])");
    const QJsonObject centersThen = report("2026-11-23", R"([
        {"grouping": "center", "number": 2, "name": "Bar", "items": []}])");
    const QJsonArray centers = groupsOf(comparisonDocument(centersNow, centersThen, lastWeek()));
    ASSERT_EQ(2, centers.size());
    EXPECT_EQ(2, centers[0][QStringLiteral("number")].toInt());
    EXPECT_EQ(0, centers[1][QStringLiteral("number")].toInt());
}

TEST(ComparisonDocument, RecordsAreNeverPairedByTheirKeys)
{
    // the tables of two days both numbered from 1: no table of one day is
    // the other's
    const QJsonObject now = report("2026-11-30", R"([{"grouping": "all", "number": 0, "name": "",
        "items": [{"node": "tables", "key": "1", "text": "", "count": 1, "amount": 900, "values": {}}]}])");
    const QJsonObject then = report("2026-11-23", R"([{"grouping": "all", "number": 0, "name": "",
        "items": [{"node": "tables", "key": "1", "text": "", "count": 1, "amount": 700, "values": {}}]}])");
    const QJsonArray items
            = groupsOf(comparisonDocument(now, then, lastWeek()))[0][QStringLiteral("items")]
                      .toArray();
    ASSERT_EQ(2, items.size());
    EXPECT_EQ(QStringLiteral("current"), items[0][QStringLiteral("presentIn")].toString());
    EXPECT_EQ(0, items[0][QStringLiteral("compared")][QStringLiteral("amount")].toInt(-1));
    EXPECT_EQ(QStringLiteral("compared"), items[1][QStringLiteral("presentIn")].toString());
    EXPECT_EQ(700, items[1][QStringLiteral("compared")][QStringLiteral("amount")].toInt());
    EXPECT_TRUE(isRecordNode(QStringLiteral("allvoids")));
    EXPECT_FALSE(isRecordNode(QStringLiteral("payforms")));
}

TEST(ComparisonDocument, RecordJoinedInItsBytesIsTheJoinedObject)
{
    // records as the data list them, and some that are joined as objects
    const char *records[] = {
            R"({"node": "currencies", "key": "17", "text": "Cash", "count": 1, "amount": 1300,
                "values": {"billnum": 153320, "given": 1500, "insum": true, "payformname": "Cash"}})",
            R"({"node": "allvoids", "key": "3", "text": "Cola \"light\" \\ 0,33", "count": -2,
                "amount": -700, "values": {"article": "Cola \"light\"", "reason": "Gäste\n"}})",
            R"({"node": "cashouts", "key": "a\"b", "text": "", "count": 0, "amount": 0, "values": {}})",
            R"({"node": "tables", "key": "9", "text": "Tisch 9 ✓", "count": 1, "amount": -1,
                "values": {"€": 1.5, "guests": 3}})",
            // a count with decimals, an amount of more digits than a double holds
            R"({"node": "allvoids", "key": "4", "text": "Wine", "count": 0.5, "amount": 450,
                "values": {"price": 900}})",
            R"({"node": "tables", "key": "5", "text": "", "count": 1,
                "amount": 12345678901234567, "values": {}})",
            // fields a record of the data never lacks
            R"({"node": "tables", "key": "6", "count": 1, "amount": 5, "values": {}})",
            R"({"node": "tables", "key": 7, "text": "", "count": 1, "amount": 5, "values": {}})",
    };
    for (const char *json : records) {
        SCOPED_TRACE(json);
        const QJsonObject record = object(json);
        ASSERT_FALSE(record.isEmpty());
        const QByteArray bytes = QJsonDocument(record).toJson(QJsonDocument::Compact);
        for (bool current : {true, false}) {
            SCOPED_TRACE(current);
            const QJsonObject joined = joinedRecord(record, current);
            const QByteArray joinedBytes = joinedRecordJson(bytes, current);
            EXPECT_EQ(QJsonDocument(joined).toJson(QJsonDocument::Compact), joinedBytes);
            // the CSV reads its columns from the bytes
            QList<QStringList> rows;
            const auto csv = comparisonCsvSink([&rows](const QStringList &row) { rows << row; });
            csv->beginSection(object(R"({"kind": 5})"));
            csv->beginPeriod(object(R"({"from": "2026-11-30", "to": "2026-11-30",
                "compared": {"from": "2026-11-23", "to": "2026-11-23"}})"));
            csv->beginGroup(object(R"({"grouping": "waiter", "number": 1, "name": "Anna"})"));
            csv->item(joined);
            csv->itemJson(joinedBytes);
            ASSERT_EQ(2, rows.size());
            EXPECT_EQ(rows[0], rows[1]);
        }
    }
}

TEST(ComparisonDocument, CsvRowsCarryBothPeriodsAndTheDifference)
{
    const QJsonObject now = report("2026-11-30", R"([{"grouping": "waiter", "number": 1,
        "name": "Anna", "sums": {"articles": 1300}, "figures": {"guests": 3, "tip": 150},
        "items": [{"node": "articles", "key": "101", "text": "Bruschetta", "count": 2,
                   "amount": 1300, "values": {}}]}])");
    const QJsonObject then = report("2026-11-23", R"([{"grouping": "waiter", "number": 1,
        "name": "Anna", "sums": {"articles": 650}, "figures": {"guests": 5, "tip": 0},
        "items": [{"node": "articles", "key": "101", "text": "Bruschetta", "count": 1,
                   "amount": 650, "values": {}}]}])");
    const QList<QStringList> rows = comparisonCsvRows(comparisonDocument(now, then, lastWeek()));
    ASSERT_EQ(5, rows.size());
    EXPECT_EQ(comparisonCsvHeader(), rows[0]);
    EXPECT_EQ(QStringLiteral("kind,from,to,grouping,number,name,node,key,text,count,amount,"
                             "comparedFrom,comparedTo,comparedCount,comparedAmount,"
                             "countDifference,amountDifference"),
              rows[0].join(QLatin1Char(',')));
    EXPECT_EQ(QStringLiteral("7,2026-11-30,2026-11-30,waiter,1,Anna,articles,101,Bruschetta,2,"
                             "1300,2026-11-23,2026-11-23,1,650,1,650"),
              rows[1].join(QLatin1Char(',')));
    EXPECT_EQ(QStringLiteral("7,2026-11-30,2026-11-30,waiter,1,Anna,sums,articles,,,1300,"
                             "2026-11-23,2026-11-23,,650,,650"),
              rows[2].join(QLatin1Char(',')));
    // a count figure in the count columns, an amount in the amount columns
    EXPECT_EQ(QStringLiteral("7,2026-11-30,2026-11-30,waiter,1,Anna,figures,guests,,3,,"
                             "2026-11-23,2026-11-23,5,,-2,"),
              rows[3].join(QLatin1Char(',')));
    EXPECT_EQ(QStringLiteral("7,2026-11-30,2026-11-30,waiter,1,Anna,figures,tip,,,150,"
                             "2026-11-23,2026-11-23,,0,,150"),
              rows[4].join(QLatin1Char(',')));
}

TEST(ComparisonText, PercentAndCountTexts)
{
    double percent = 0;
    ASSERT_TRUE(percentChange(12, 10, &percent));
    EXPECT_DOUBLE_EQ(20, percent);
    ASSERT_TRUE(percentChange(-12, -10, &percent)); // a larger loss is a fall
    EXPECT_DOUBLE_EQ(-20, percent);
    EXPECT_FALSE(percentChange(5, 0, &percent));

    EXPECT_EQ(QStringLiteral("+20.0%"), TComparisonText::percentText(12, 10));
    EXPECT_EQ(QStringLiteral("-100.0%"), TComparisonText::percentText(0, 10));
    EXPECT_EQ(QStringLiteral("0.0%"), TComparisonText::percentText(10, 10));
    EXPECT_EQ(QStringLiteral("+33.3%"), TComparisonText::percentText(4, 3));
    EXPECT_EQ(QStringLiteral("+1900%"), TComparisonText::percentText(20, 1));
    EXPECT_EQ(QStringLiteral("new"), TComparisonText::percentText(5, 0));
    EXPECT_EQ(QString(), TComparisonText::percentText(0, 0));
    // a change too small to show is no rise
    EXPECT_EQ(QStringLiteral("0.0%"), TComparisonText::percentText(100001, 100000));

    EXPECT_EQ(QStringLiteral("3"), TComparisonText::countText(3));
    EXPECT_EQ(QStringLiteral("1.500"), TComparisonText::countText(1.5));
    EXPECT_EQ(QStringLiteral("-2"), TComparisonText::countText(-2));
}
