#include "ttableentry.h"

#include "testdir.h"
#include "testrecords.h"
#include "trecordcodec.h"

#include <QDomDocument>

#include <gtest/gtest.h>

using Basics::TRecordReader;
using Basics::TValue;
using PosLib::TTableEntries;
using PosLib::TTableEntry;

namespace {

TTableEntry *makeEntry(int id, int type, qint64 price = 0)
{
    auto *e = new TTableEntry;
    e->setId(id);
    e->setType(type);
    if (price)
        e->setInt(QStringLiteral("price"), price);
    return e;
}

TValue record(int id, int type, int father = -1)
{
    TValue v;
    v.setId(id);
    v.setInt(QStringLiteral("type"), type);
    if (father >= 0)
        v.setInt(QStringLiteral("father"), father);
    return v;
}

// Reads every record of the bytes into the list as a table file does.
void readAll(const QByteArray &data, TTableEntries &list)
{
    TRecordReader reader(data);
    while (TTableEntry::read(reader, list)) { }
}

} // namespace

TEST(TableEntry, PriceCountsOnlyAddOnChildren)
{
    std::unique_ptr<TTableEntry> order(makeEntry(1, PosLib::EntryOrder, 250));
    EXPECT_EQ(250, order->price());
    order->children(true)->append(makeEntry(0, PosLib::EntryAddOn, 50));
    order->children(true)->append(makeEntry(0, PosLib::EntryAddOn, 50));
    order->children(true)->append(makeEntry(0, PosLib::EntryComponent, 100));
    EXPECT_EQ(350, order->price());
    EXPECT_EQ(250, order->unitPrice());
}

TEST(TableEntry, ArticleTextJoinsLinesWithBar)
{
    TTableEntry entry;
    entry.setString(QStringLiteral("article"), QStringLiteral("Pizza\nMargherita"));
    EXPECT_EQ(QStringLiteral("Pizza|Margherita"), entry.articleText());
    entry.setString(QStringLiteral("article"), QStringLiteral("a\r\nb\rc"));
    EXPECT_EQ(QStringLiteral("a||b|c"), entry.articleText());
}

TEST(TableEntry, WriteSetsFatherOnlyInTheFile)
{
    TTableEntry order;
    order.setId(4);
    order.setType(PosLib::EntryOrder);
    order.children(true)->append(makeEntry(0, PosLib::EntryAddOn, 50));
    order.children(true)->append(makeEntry(0, PosLib::EntryComponent, 100));

    QByteArray data;
    order.write(data);

    const QList<TValue> written = records(data);
    ASSERT_EQ(3, written.size());
    EXPECT_FALSE(written[0].has(QStringLiteral("father")));
    EXPECT_EQ(4, written[1].getInt(QStringLiteral("father")));
    EXPECT_EQ(4, written[2].getInt(QStringLiteral("father")));
    EXPECT_EQ(PosLib::EntryAddOn, written[1].getInt(QStringLiteral("type")));
    EXPECT_EQ(PosLib::EntryComponent, written[2].getInt(QStringLiteral("type")));
    order.children()->forEach(
            [](TTableEntry *child) { EXPECT_FALSE(child->has(QStringLiteral("father"))); });
}

TEST(TableEntry, ReadRenumbersChildrenPerParent)
{
    QByteArray data;
    Basics::appendRecord(data, record(4, PosLib::EntryOrder));
    Basics::appendRecord(data, record(7, PosLib::EntryAddOn, 4));
    Basics::appendRecord(data, record(9, PosLib::EntryComponent, 4));
    Basics::appendRecord(data, record(5, PosLib::EntryOrder));
    Basics::appendRecord(data, record(3, PosLib::EntryAddOn, 5));

    TTableEntries list;
    readAll(data, list);

    EXPECT_EQ(QList<int>({4, 5}), list.ids());
    ASSERT_TRUE(list.entry(4)->hasChildren());
    const TTableEntries *first = list.entry(4)->children();
    EXPECT_EQ(QList<int>({1, 2}), first->ids());
    EXPECT_EQ(PosLib::EntryAddOn, first->entry(1)->type());
    EXPECT_EQ(PosLib::EntryComponent, first->entry(2)->type());
    EXPECT_FALSE(first->entry(1)->has(QStringLiteral("father")));
    EXPECT_EQ(QList<int>({1}), list.entry(5)->children()->ids());
}

TEST(TableEntry, FatherNamingNoEntryIsFiledTopLevel)
{
    QByteArray data;
    Basics::appendRecord(data, record(1, PosLib::EntryOrder));
    Basics::appendRecord(data, record(6, PosLib::EntryAddOn, 99));

    TTableEntries list;
    readAll(data, list);

    EXPECT_EQ(QList<int>({1, 6}), list.ids());
    EXPECT_FALSE(list.entry(1)->hasChildren());
    EXPECT_EQ(PosLib::EntryAddOn, list.entry(6)->type());
}

TEST(TableEntry, ReadStopsAtTruncatedRecord)
{
    QByteArray data;
    Basics::appendRecord(data, record(1, PosLib::EntryOrder));
    QByteArray second;
    Basics::appendRecord(second, record(2, PosLib::EntryPay));
    data += second.left(second.size() - 3);

    TTableEntries list;
    TRecordReader reader(data);
    EXPECT_NE(nullptr, TTableEntry::read(reader, list));
    EXPECT_EQ(nullptr, TTableEntry::read(reader, list));
    EXPECT_EQ(QList<int>({1}), list.ids());
}

TEST(TableEntry, ReferenceOrderReadsWithItsAddOns)
{
    const QByteArray data = testData(QStringLiteral("t12.001"));
    TRecordReader reader(data);
    TValue header;
    PosLib::TTableCreate create;
    ASSERT_EQ(TRecordReader::Ok, reader.read(header));
    ASSERT_EQ(TRecordReader::Ok, reader.read(create));
    TTableEntries list;
    while (TTableEntry::read(reader, list)) { }

    ASSERT_EQ(QList<int>({1, 2}), list.ids());
    const TTableEntry *order = list.entry(1);
    EXPECT_EQ(PosLib::EntryOrder, order->type());
    EXPECT_EQ(1150, order->price());
    EXPECT_EQ(QStringLiteral("Pizza|Margherita"), order->articleText());
    ASSERT_TRUE(order->hasChildren());
    EXPECT_EQ(QList<int>({1, 2}), order->children()->ids());
    order->children()->forEach(
            [](TTableEntry *child) { EXPECT_FALSE(child->has(QStringLiteral("father"))); });
    EXPECT_EQ(1150, list.entry(2)->amount());
    EXPECT_FALSE(list.entry(2)->isVoided());
}

TEST(TableEntry, ListWritesEntriesWithChildrenAndReadsThemBack)
{
    TTableEntries list;
    auto *order = makeEntry(1, PosLib::EntryOrder, 950);
    order->children(true)->append(makeEntry(0, PosLib::EntryAddOn, 150));
    list.insert(order);
    list.insert(makeEntry(2, PosLib::EntryPay));

    QByteArray data;
    list.write(data);
    EXPECT_EQ(3, records(data).size());

    TTableEntries back;
    readAll(data, back);
    EXPECT_EQ(QList<int>({1, 2}), back.ids());
    EXPECT_EQ(1100, back.entry(1)->price());
    const TTableEntry *child = back.entry(1)->children()->entry(1);
    EXPECT_EQ(PosLib::EntryAddOn, child->type());
    EXPECT_FALSE(child->has(QStringLiteral("father")));
}

TEST(TableEntry, CopiesOwnOrShareChildren)
{
    auto order = std::make_unique<TTableEntry>();
    order->setId(1);
    order->children(true)->append(makeEntry(0, PosLib::EntryAddOn, 150));

    {
        TTableEntry deep(*order);
        ASSERT_TRUE(deep.hasChildren());
        EXPECT_NE(order->children(), deep.children());
        EXPECT_EQ(150, deep.children()->entry(1)->unitPrice());
    }
    {
        std::unique_ptr<TTableEntry> shared(order->temporaryCopy());
        EXPECT_TRUE(shared->isTemporary());
        EXPECT_EQ(order->children(), shared->children());
    }
    // the temporary copy left the children to their owner
    ASSERT_TRUE(order->hasChildren());
    EXPECT_EQ(150, order->price());
}

TEST(TableEntry, EntriesOfTypeReferToTheirEntries)
{
    TTableEntries list;
    list.insert(makeEntry(1, PosLib::EntryOrder, 100));
    list.insert(makeEntry(2, PosLib::EntryPay));
    list.insert(makeEntry(5, PosLib::EntryOrder, 200));

    std::unique_ptr<TTableEntries> orders(list.entriesOfType(PosLib::EntryOrder));
    EXPECT_FALSE(orders->autoDelete());
    EXPECT_EQ(QList<int>({1, 5}), orders->ids());
    EXPECT_EQ(list.entry(5), orders->entry(5));
    orders.reset();
    EXPECT_EQ(200, list.entry(5)->unitPrice());
}

TEST(TableEntry, XmlKeepsChildrenApartFromFields)
{
    TTableEntries list;
    auto *order = makeEntry(3, PosLib::EntryOrder, 950);
    order->setString(QStringLiteral("article"), QStringLiteral("Pizza"));
    order->children(true)->append(makeEntry(0, PosLib::EntryAddOn, 150));
    order->children(true)->append(makeEntry(0, PosLib::EntryAddOn, 50));
    list.insert(order);

    QDomDocument doc;
    QDomElement root = doc.createElement(QStringLiteral("table"));
    doc.appendChild(root);
    list.exportXml(doc, root);

    const QDomElement entries = root.firstChildElement(QStringLiteral("tableentries"));
    const QDomElement element = entries.firstChildElement(QStringLiteral("tableentry"));
    ASSERT_FALSE(element.isNull());
    const QDomElement childs = element.firstChildElement(QStringLiteral("Childs"));
    ASSERT_FALSE(childs.isNull());
    EXPECT_EQ(2, childs.firstChildElement(QStringLiteral("tableentries")).childNodes().count());

    TTableEntries back;
    back.importXml(entries);
    ASSERT_EQ(QList<int>({3}), back.ids());
    const TTableEntry *read = back.entry(3);
    EXPECT_FALSE(read->has(QStringLiteral("Childs")));
    EXPECT_EQ(QStringLiteral("Pizza"), read->article());
    ASSERT_TRUE(read->hasChildren());
    EXPECT_EQ(QList<int>({1, 2}), read->children()->ids());
    EXPECT_EQ(1150, read->price());
}
