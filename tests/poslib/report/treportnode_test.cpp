#include "testdir.h"
#include "treportnode.h"
#include "tsavefile.h"
#include "ttable.h"

#include <QDomDocument>
#include <QTextStream>

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <vector>

using namespace PosLib;

namespace {

// The values of one exported line by column name.
QMap<QString, QString> byColumn(const QStringList &columns, const QString &line)
{
    const QStringList values = line.split(QLatin1Char(';'));
    QMap<QString, QString> map;
    for (int i = 0; i < values.size() && i < columns.size(); ++i)
        map.insert(columns.at(i), values.at(i));
    return map;
}

TTableEntry *order(qint64 plu, int family, qint64 price, double count)
{
    auto *e = new TTableEntry;
    e->setType(EntryOrder);
    e->setInt(QStringLiteral("plu"), plu);
    e->setInt(QStringLiteral("family"), family);
    e->setString(QStringLiteral("familyname"), QStringLiteral("Family %1").arg(family));
    e->setInt(QStringLiteral("price"), price);
    e->setDouble(QStringLiteral("count"), count);
    return e;
}

// A table without pays holding the entries, which it owns.
struct Table
{
    Table()
        : t(nullptr)
    { }
    TTableEntry *add(TTableEntry *e)
    {
        t.entries().append(e);
        return e;
    }
    TTable t;
};

} // namespace

TEST(ReportLeafExport, RecordLineTakesTheGivenRecordLastAndCleansValues)
{
    TReportLeaf leaf;
    leaf.setString(QStringLiteral("article"), QStringLiteral("Soup; hot\r\n\"big\""));
    leaf.setInt(QStringLiteral("price"), 200);
    leaf.add(1.5, 300);
    Basics::TValue record;
    record.setInt(QStringLiteral("price"), 250);
    record.setString(QStringLiteral("nodename"), QStringLiteral("orders"));
    QStringList columns = {QStringLiteral("zone"), QStringLiteral("price")};

    QString text;
    QTextStream out(&text);
    leaf.writeRecord(record, out, columns);
    out.flush();

    ASSERT_EQ(1, text.count(QLatin1Char('\n')));
    ASSERT_TRUE(text.endsWith(QLatin1Char('\n')));
    // known columns keep their place, new ones are appended
    EXPECT_EQ(QStringLiteral("zone"), columns.at(0));
    EXPECT_EQ(QStringLiteral("price"), columns.at(1));
    EXPECT_EQ(7, columns.size()); // + amount, article, count, nodename, partcount
    const QStringList values = text.chopped(1).split(QLatin1Char(';'));
    EXPECT_EQ(columns.size(), values.size());
    const QMap<QString, QString> line = byColumn(columns, text.chopped(1));
    EXPECT_EQ(QString(), line.value(QStringLiteral("zone")));
    EXPECT_EQ(QStringLiteral("250"), line.value(QStringLiteral("price")));
    EXPECT_EQ(QStringLiteral("Soup, hot||'big'"), line.value(QStringLiteral("article")));
    EXPECT_EQ(QStringLiteral("orders"), line.value(QStringLiteral("nodename")));
    EXPECT_EQ(1.5, line.value(QStringLiteral("count")).toDouble());
    EXPECT_EQ(300.0, line.value(QStringLiteral("amount")).toDouble());
    EXPECT_TRUE(Basics::parseBoolean(line.value(QStringLiteral("partcount"))));
}

TEST(ReportLeafExport, PartCountMarksCountsWithAFractionOfAThousandthOrMore)
{
    auto partCount = [](double count) {
        TReportLeaf leaf;
        leaf.add(count, 0);
        QStringList columns = {QStringLiteral("partcount")};
        QString text;
        QTextStream out(&text);
        leaf.writeRecord(Basics::TValue(), out, columns);
        out.flush();
        return Basics::parseBoolean(text.section(QLatin1Char(';'), 0, 0));
    };
    EXPECT_FALSE(partCount(2));
    EXPECT_FALSE(partCount(-2));
    EXPECT_TRUE(partCount(0.5));
    EXPECT_TRUE(partCount(-1.5));
    EXPECT_TRUE(partCount(0.001));
    EXPECT_FALSE(partCount(2.0004)); // below a thousandth: a whole count
}

TEST(ReportNodeExport, FileHoldsTheColumnsAndALinePerLeafUnderItsKey)
{
    TestDir dir;
    Table table;
    TRepFamilies families;
    families.addEntry(table.add(order(101, 1, 300, 1)), &table.t);
    families.addEntry(table.add(order(102, 2, 200, 2)), &table.t);
    families.addEntry(table.add(order(103, 1, 100, 1)), &table.t);
    Basics::TValue record;
    record.setInt(QStringLiteral("group"), 7);

    families.writeFile(dir.path() + QStringLiteral("day_"), record);

    const QStringList lines = QString::fromUtf8(dir.read(QStringLiteral("day_rep_families.txt")))
                                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(3, lines.size()); // the columns, then one line per family
    const QStringList columns = lines.at(0).split(QLatin1Char(';'));
    QMap<QString, double> amounts;
    for (int i = 1; i < lines.size(); ++i) {
        const QMap<QString, QString> line = byColumn(columns, lines.at(i));
        EXPECT_EQ(QStringLiteral("7"), line.value(QStringLiteral("group")));
        EXPECT_EQ(QStringLiteral("Family ") + line.value(QStringLiteral("families_key")),
                  line.value(QStringLiteral("familyname")));
        amounts.insert(line.value(QStringLiteral("families_key")),
                       line.value(QStringLiteral("amount")).toDouble());
    }
    EXPECT_EQ((QMap<QString, double> {{QStringLiteral("1"), 400.0}, {QStringLiteral("2"), 400.0}}),
              amounts);
}

TEST(ReportNodeExport, TextOfAnOrderNodeAddsItsTotalToTheStream)
{
    TestDir dir;
    Table table;
    TRepOrders orders;
    orders.addEntry(table.add(order(101, 1, 300, 1)), &table.t);
    orders.addEntry(table.add(order(102, 1, 100, 2)), &table.t);
    Basics::TValue record;
    record.setString(QStringLiteral("nodename"), QStringLiteral("orders"));
    QStringList columns;
    QString text;
    QTextStream out(&text);

    orders.writeText(dir.path(), record, out, columns);
    out.flush();

    EXPECT_TRUE(dir.exists(QStringLiteral("rep_orders.txt")));
    ASSERT_EQ(1, text.count(QLatin1Char('\n')));
    const QMap<QString, QString> total = byColumn(columns, text.chopped(1));
    EXPECT_EQ(500.0, total.value(QStringLiteral("amount")).toDouble());
    EXPECT_EQ(3.0, total.value(QStringLiteral("count")).toDouble());
    EXPECT_EQ(QStringLiteral("2"), total.value(QStringLiteral("repordercount")));
    EXPECT_EQ(QStringLiteral("orders"), total.value(QStringLiteral("nodename")));

    // cash nodes have no total and write no text
    Table cashTable;
    auto *cash = new TTableEntry;
    cash->setType(EntryCash);
    cash->setInt(QStringLiteral("amount"), 500);
    cashTable.add(cash);
    TRepCashIns ins;
    ins.addEntry(cash, &cashTable.t);
    ins.writeText(dir.path(), record, out, columns);
    out.flush();
    EXPECT_FALSE(dir.exists(QStringLiteral("rep_cashins.txt")));
    EXPECT_EQ(1, text.count(QLatin1Char('\n')));
}

TEST(ReportNodeExport, FileThatCannotBeOpenedIsLeftOut)
{
    TestDir dir;
    Table table;
    TRepFamilies families;
    families.addEntry(table.add(order(101, 1, 300, 1)), &table.t);
    families.writeFile(dir.path() + QStringLiteral("missing/day_"), Basics::TValue());
    EXPECT_TRUE(dir.entries().isEmpty());
}

TEST(ReportNodeExport, FileIsReplacedWholeOrNotAtAll)
{
    TestDir dir;
    Table table;
    TRepFamilies families;
    families.addEntry(table.add(order(101, 1, 300, 1)), &table.t);
    const QByteArray earlier("an earlier export\n");
    dir.write(QStringLiteral("rep_families.txt"), earlier);

    // A write that fails keeps the earlier file and leaves no temporary.
    int writes = 0;
    Basics::setSaveFaultHook([&writes](Basics::TSaveStep step, const QString &) {
        return step == Basics::TSaveStep::Write && ++writes == 1 ? ENOSPC : 0;
    });
    families.writeFile(dir.path(), Basics::TValue());
    Basics::setSaveFaultHook({});
    EXPECT_EQ(1, writes);
    EXPECT_EQ(earlier, dir.read(QStringLiteral("rep_families.txt")));
    EXPECT_EQ(QStringList {QStringLiteral("rep_families.txt")}, dir.entries());

    // The next export replaces it.
    families.writeFile(dir.path(), Basics::TValue());
    EXPECT_TRUE(dir.read(QStringLiteral("rep_families.txt")).contains("families_key"));
    EXPECT_EQ(QStringList {QStringLiteral("rep_families.txt")}, dir.entries());
}

TEST(ReportNodeExport, XmlHoldsTheTotalAndAnElementPerLeaf)
{
    Table table;
    TRepFamilies families;
    families.addEntry(table.add(order(101, 1, 300, 1)), &table.t);
    families.addEntry(table.add(order(102, 2, 200, 2)), &table.t);
    TRepCashOuts outs;
    auto *cash = new TTableEntry;
    cash->setType(EntryCash);
    cash->setInt(QStringLiteral("amount"), -70);
    cash->setString(QStringLiteral("reason"), QStringLiteral("Ice"));
    outs.addEntry(table.add(cash), &table.t);

    QDomDocument doc;
    QDomElement root = doc.createElement(QStringLiteral("report"));
    doc.appendChild(root);
    families.writeXml(doc, root);
    outs.writeXml(doc, root);

    const QDomElement node = root.firstChildElement(QStringLiteral("families"));
    ASSERT_FALSE(node.isNull());
    // the total's record, then the leaves
    EXPECT_EQ(700.0, node.firstChildElement(QStringLiteral("amount")).text().toDouble());
    EXPECT_EQ(3.0, node.firstChildElement(QStringLiteral("count")).text().toDouble());
    QMap<QString, QString> names;
    for (QDomElement e = node.firstChildElement(QStringLiteral("element")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("element")))
        names.insert(e.attribute(QStringLiteral("key")),
                     e.firstChildElement(QStringLiteral("familyname")).text());
    EXPECT_EQ((QMap<QString, QString> {{QStringLiteral("1"), QStringLiteral("Family 1")},
                                       {QStringLiteral("2"), QStringLiteral("Family 2")}}),
              names);

    const QDomElement cashNode = root.firstChildElement(QStringLiteral("cashouts"));
    ASSERT_FALSE(cashNode.isNull());
    EXPECT_TRUE(cashNode.firstChildElement(QStringLiteral("amount")).isNull());
    const QDomElement out = cashNode.firstChildElement(QStringLiteral("element"));
    EXPECT_EQ(QStringLiteral("1"), out.attribute(QStringLiteral("key")));
    EXPECT_EQ(QStringLiteral("Ice"), out.firstChildElement(QStringLiteral("reason")).text());
    EXPECT_EQ(-70.0, out.firstChildElement(QStringLiteral("amount")).text().toDouble());
}

TEST(NumberLeafIndex, FindsEveryNumberItWasGivenAndNoOther)
{
    TNumberLeafIndex index;
    EXPECT_EQ(nullptr, index.find(0));
    std::vector<std::unique_ptr<TRepArticle>> leaves;
    std::vector<qint64> keys = {0, -1, 1, 1000, qint64(1) << 40, -(qint64(1) << 50)};
    // enough numbers to grow the table several times, close together
    for (qint64 k = 0; k < 500; ++k)
        keys.push_back(k * 1000 + 3);
    for (qint64 key : keys) {
        leaves.push_back(std::make_unique<TRepArticle>());
        index.insert(key, leaves.back().get());
    }
    index.insert(7, nullptr);
    for (size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(leaves[i].get(), index.find(keys[i])) << keys[i];
    for (qint64 absent : {qint64(2), qint64(7), qint64(-2), qint64(1000) * 1000 + 3})
        EXPECT_EQ(nullptr, index.find(absent)) << absent;
}
