#include "spoolthresholds.h"
#include "taggregatestream.h"
#include "treportleaf.h"
#include "treportnode.h"
#include "treppaynodes.h"
#include "trepvoidleaves.h"
#include "trepvoidnodes.h"
#include "ttable.h"

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QDate Day(2014, 3, 5);

void setUp(TTable &t, int number)
{
    t.setTable(number);
    t.setParty(1);
    t.setArchive(number);
    t.setInSum(true);
}

// A void of `count` articles `plu` at `at` on table `number`.
void voidAt(TReportNode &node, int number, const QDateTime &at, double count, int plu)
{
    TTable t(nullptr);
    setUp(t, number);
    auto *e = new TTableEntry;
    e->setType(EntryVoid);
    e->setDate(QStringLiteral("date"), at.date());
    e->setTime(QStringLiteral("time"), at.time());
    e->setDouble(QStringLiteral("count"), count);
    e->setInt(QStringLiteral("amount"), qint64(count * 350));
    e->setInt(QStringLiteral("plu"), plu);
    e->setString(QStringLiteral("article"), QStringLiteral("Article %1").arg(plu));
    e->setInt(QStringLiteral("vwaiter"), number % 3);
    e->setString(QStringLiteral("reason"), QStringLiteral("Reason %1").arg(plu));
    t.entries().append(e);
    node.addEntry(e, &t);
}

// A pay of `amount` charged to `room` at `at`.
void roomPay(TReportNode &node, int number, const QDateTime &at, qint64 amount, const QString &room)
{
    TTable t(nullptr);
    setUp(t, number);
    auto *e = new TTableEntry;
    e->setType(EntryPay);
    e->setDate(QStringLiteral("date"), at.date());
    e->setTime(QStringLiteral("time"), at.time());
    e->setInt(QStringLiteral("amount"), amount);
    e->setInt(QStringLiteral("payform"), 4);
    e->setString(QStringLiteral("payformname"), QStringLiteral("Room"));
    e->setString(QStringLiteral("room"), room);
    e->setString(QStringLiteral("hotparty"), QStringLiteral("P%1").arg(number % 4));
    e->setString(QStringLiteral("hotelguest"), QStringLiteral("Guest %1").arg(room));
    t.entries().append(e);
    node.addEntry(e, &t);
}

// Voids of several days as a report meets them: a day's tables one after
// another, so that voids of one second come from tables far apart, and
// some after midnight in the day before's summary.
void feedVoids(TReportNode &node)
{
    for (int d = 0; d < 5; ++d) {
        const QDate day = Day.addDays(d);
        for (int t = 0; t < 6; ++t) {
            for (int v = 0; v < 3; ++v)
                voidAt(node, t + 1, QDateTime(day, QTime(12 + v, 10 * t % 7, v)), 1 + v % 2,
                       600 + t + v);
        }
        // the same second as the first table's first void, a fraction
        voidAt(node, 9, QDateTime(day, QTime(12, 0, 0)), 0.1, 700);
        voidAt(node, 9, QDateTime(day.addDays(1), QTime(0, 15)), 1, 701);
    }
    // the first day's second again, days later
    voidAt(node, 8, QDateTime(Day, QTime(12, 0, 0)), 0.2, 702);
}

void feedRooms(TReportNode &node)
{
    for (int d = 0; d < 5; ++d) {
        for (int t = 0; t < 7; ++t)
            roomPay(node, t + 1, QDateTime(Day.addDays(d), QTime(20 - t % 3, 0, t % 2)),
                    1000 + 10 * d + t, QString::number(100 + (t * 3) % 5));
    }
}

// What a node gives out: its leaves in key order (visited and as leaves()
// would have them), in the report's order for hotel rooms, its count and,
// `withDay`, its day aggregate (which reads a spool back).
struct Seen
{
    explicit Seen(const TReportNode &node, bool withDay = false)
    {
        // first: the leaves read below write their sums into their records
        if (withDay) {
            TAggregateWriter out;
            EXPECT_TRUE(node.writeDay(out));
            day = out.bytes();
        }
        const auto text = [](const QString &key, const TReportLeaf &leaf) {
            QString t = key + ' ' + QString::number(leaf.count(), 'g', 17) + ' '
                        + QString::number(leaf.amount(), 'g', 17);
            for (auto it = leaf.fields().cbegin(); it != leaf.fields().cend(); ++it)
                t += ' ' + it.key() + '=' + it.value().text;
            if (const auto *v = dynamic_cast<const TRepVoid *>(&leaf))
                t += ' ' + v->date().toString(Qt::ISODate) + ' ' + v->time().toString();
            return t;
        };
        node.visitLeaves(
                [&](const QString &key, const TReportLeaf &leaf) { leaves << text(key, leaf); });
        if (const auto *rooms = dynamic_cast<const TRepHotelRooms *>(&node))
            rooms->visitByTime([&](const TReportLeaf &leaf) { byTime << text(QString(), leaf); });
        count = node.count();
    }
    QStringList leaves;
    QStringList byTime;
    int count = 0;
    QByteArray day;
};

// Each day a node of its own, written and merged into `into` in order.
template<typename Node, typename Feed>
void mergeDays(const std::vector<TReportNode *> &into, Feed feed)
{
    for (int d = 0; d < 3; ++d) {
        Node day;
        feed(day, d);
        TAggregateWriter out;
        ASSERT_TRUE(day.writeDay(out));
        const QByteArray bytes = out.bytes();
        for (TReportNode *node : into) {
            TAggregateReader in(bytes);
            node->mergeDay(in);
            ASSERT_TRUE(in.ok());
        }
    }
}

} // namespace

// A void node writing its leaves to a file every few leaves gives out the
// same leaves, count and day aggregate as one holding them: voids of one
// second in several runs and held are one leaf, with the fields of the
// first void, the sums of all and the time of the last; also once filled
// by merging day aggregates, and as leaves() read back.
TEST(LeafSpool, SpooledVoidsReadAsHeldVoids)
{
    const SpoolThresholds spool;
    spool.leaves(0);
    TRepAllVoids held;
    spool.leaves(3);
    TRepAllVoids spooled;
    spool.leaves(0);
    feedVoids(held);
    feedVoids(spooled);
    const Seen fromHeld(held);
    const Seen fromSpool(spooled);
    EXPECT_EQ(fromHeld.leaves, fromSpool.leaves);
    EXPECT_EQ(fromHeld.count, fromSpool.count);
    // 18 seconds with voids a day and one after midnight; the first of
    // 12:00:00 counts 1 + 0.1 and 0.2 of days later
    EXPECT_EQ(5 * 19, fromHeld.count);
    ASSERT_FALSE(fromHeld.leaves.isEmpty());
    EXPECT_TRUE(fromHeld.leaves.first().startsWith(QStringLiteral("20140305120000 1.3")))
            << fromHeld.leaves.first().toStdString();

    mergeDays<TRepAllVoids>({&held, &spooled}, [](TReportNode &day, int d) {
        voidAt(day, 2, QDateTime(Day.addDays(d), QTime(12, 0, 0)), 2, 800 + d);
        voidAt(day, 3, QDateTime(Day.addDays(9 + d), QTime(9, 0)), 1, 810);
    });
    const Seen heldLater(held);
    const Seen spooledLater(spooled);
    EXPECT_EQ(heldLater.leaves, spooledLater.leaves);
    EXPECT_EQ(fromHeld.count + 3, spooledLater.count);
    // read back whole
    EXPECT_EQ(held.leaves().keys(), spooled.leaves().keys());
    EXPECT_EQ(heldLater.leaves, Seen(spooled).leaves);

    // the day aggregate of nodes not read before (reading a leaf writes its
    // sums into its record, which the aggregate holds)
    TRepAllVoids heldDay;
    spool.leaves(3);
    TRepAllVoids spooledDay;
    spool.leaves(0);
    feedVoids(heldDay);
    feedVoids(spooledDay);
    EXPECT_EQ(Seen(heldDay, true).day, Seen(spooledDay, true).day);
}

// Hotel room pays spooled every few leaves list as held ones, by key and in
// the report's order (the pay's second, then the key); their keys number
// on past the spooled leaves, also for merged days; a pay whose time text
// has another length than the others' reads everything back.
TEST(LeafSpool, SpooledRoomsReadAsHeldRooms)
{
    const SpoolThresholds spool;
    spool.leaves(0);
    TRepHotelRooms held;
    spool.leaves(4);
    TRepHotelRooms spooled;
    spool.leaves(0);
    feedRooms(held);
    feedRooms(spooled);
    mergeDays<TRepHotelRooms>({&held, &spooled}, [](TReportNode &day, int d) {
        for (int t = 0; t < 5; ++t)
            roomPay(day, t + 2, QDateTime(Day.addDays(d), QTime(20, 0, t % 2)), 7 + t,
                    QString::number(100 + t));
    });
    roomPay(held, 3, QDateTime(Day, QTime(20, 0, 1)), 99, QStringLiteral("101"));
    roomPay(spooled, 3, QDateTime(Day, QTime(20, 0, 1)), 99, QStringLiteral("101"));
    const Seen fromHeld(held);
    const Seen fromSpool(spooled);
    EXPECT_EQ(fromHeld.leaves, fromSpool.leaves);
    EXPECT_EQ(fromHeld.byTime, fromSpool.byTime);
    EXPECT_EQ(fromHeld.count, fromSpool.count);
    EXPECT_EQ(5 * 7 + 3 * 5 + 1, fromHeld.count);

    // a year past four places: the order is the text's, read back
    for (TRepHotelRooms *node : {&held, &spooled}) {
        for (int t = 0; t < 4; ++t)
            roomPay(*node, 1, QDateTime(QDate(10000, 1, 1), QTime(8, 0)), 5, QStringLiteral("9"));
    }
    const Seen heldLater(held);
    const Seen spooledLater(spooled);
    EXPECT_EQ(heldLater.leaves, spooledLater.leaves);
    EXPECT_EQ(heldLater.byTime, spooledLater.byTime);
    EXPECT_EQ(fromHeld.count + 4, spooledLater.count);

    // the day aggregate of nodes not read before
    TRepHotelRooms heldDay;
    spool.leaves(4);
    TRepHotelRooms spooledDay;
    spool.leaves(0);
    feedRooms(heldDay);
    feedRooms(spooledDay);
    EXPECT_EQ(Seen(heldDay, true).day, Seen(spooledDay, true).day);
}
