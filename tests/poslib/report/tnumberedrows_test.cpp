#include "spoolthresholds.h"
#include "taggregatestream.h"
#include "tnumberedrows.h"
#include "treportleaf.h"
#include "treppaynodes.h"
#include "ttable.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

using namespace PosLib;

namespace {

struct Row
{
    int number;
    qint64 payload;
};

// The numbers 1 to `count` in the order of their texts, as a sorted list
// of the texts has them.
std::vector<int> byTexts(int count)
{
    QStringList texts;
    for (int n = 1; n <= count; ++n)
        texts << QString::number(n);
    texts.sort();
    std::vector<int> numbers;
    for (const QString &text : texts)
        numbers.push_back(text.toInt());
    return numbers;
}

struct Seen
{
    std::vector<int> byText;
    std::vector<int> byNumber;
    bool rowsMatch = true;
};

Seen seen(const TNumberedRows<Row> &rows)
{
    Seen s;
    rows.forEachByText([&s](int number, const Row &row) {
        s.byText.push_back(number);
        s.rowsMatch = s.rowsMatch && row.number == number && row.payload == number * 1000003LL;
    });
    rows.forEachByNumber([&s](const Row &row) {
        s.byNumber.push_back(row.number);
        s.rowsMatch = s.rowsMatch && row.payload == row.number * 1000003LL;
    });
    return s;
}

void push(TNumberedRows<Row> &rows, int upTo)
{
    for (int n = rows.size() + 1; n <= upTo; ++n)
        rows.push_back(Row {n, n * 1000003LL});
}

} // namespace

// Numbers order as their texts do, up to the largest a node can count.
TEST(NumberedRows, KeysOrderAsTheNumbersTexts)
{
    std::vector<int> numbers {1,          2,          9,          10,      11,
                              19,         99,         100,        101,     109,
                              990,        999999999,  1000000000, 2,       214748364,
                              2147483647, 2147483646, 1000000001, 21474836};
    for (int a : numbers) {
        for (int b : numbers) {
            SCOPED_TRACE(testing::Message() << a << " " << b);
            EXPECT_EQ(QString::number(a) < QString::number(b), numberTextKey(a) < numberTextKey(b));
        }
    }
}

// Rows written to the file every few rows read back as held rows: by the
// numbers' texts merged over the runs and the rows still held, by number
// run after run; also when more rows come after a read, and with runs as
// long as the rows or longer.
TEST(NumberedRows, SpooledRowsReadAsHeldRows)
{
    for (int count : {0, 1, 2, 9, 10, 11, 99, 100, 101, 1234}) {
        for (int spoolAt : {0, 1, 2, 3, 7, 100}) {
            SCOPED_TRACE(testing::Message() << count << " rows, a run every " << spoolAt);
            TNumberedRows<Row> rows(spoolAt);
            push(rows, count / 2);
            const Seen half = seen(rows);
            EXPECT_EQ(byTexts(count / 2), half.byText);
            push(rows, count);
            EXPECT_EQ(count, rows.size());
            EXPECT_EQ(spoolAt > 0 && count >= spoolAt, rows.spooled());
            const Seen all = seen(rows);
            EXPECT_EQ(byTexts(count), all.byText);
            std::vector<int> inOrder(static_cast<size_t>(count));
            for (int n = 0; n < count; ++n)
                inOrder[size_t(n)] = n + 1;
            EXPECT_EQ(inOrder, all.byNumber);
            EXPECT_TRUE(half.rowsMatch && all.rowsMatch);
            rows.clear();
            EXPECT_EQ(0, rows.size());
            EXPECT_TRUE(seen(rows).byText.empty());
        }
    }
}

namespace {

// A pay of `amount` on table `number`, in currency 1 or, every third, 2.
void currencyPay(TReportNode &node, int number, qint64 amount)
{
    TTable t(nullptr);
    t.setTable(number);
    t.setParty(1);
    t.setArchive(number);
    t.setInSum(number % 4 != 0);
    t.setString(QStringLiteral("billnum"),
                number % 5 == 0 ? QStringLiteral("B%1").arg(number) : QString::number(number));
    auto *e = new TTableEntry;
    e->setType(EntryPay);
    e->setDate(QStringLiteral("date"), QDate(2014, 3, 5));
    e->setTime(QStringLiteral("time"), QTime(12, number % 60));
    e->setInt(QStringLiteral("amount"), amount);
    e->setInt(QStringLiteral("given"), amount + 100);
    e->setInt(QStringLiteral("return"), 100);
    e->setInt(QStringLiteral("payform"), 1 + number % 2);
    e->setString(QStringLiteral("payformname"),
                 number % 2 ? QStringLiteral("Card") : QStringLiteral("Cash"));
    e->setBool(QStringLiteral("intermsum"), true);
    e->setInt(QStringLiteral("curr"), number % 3 ? 1 : 2);
    e->setString(QStringLiteral("currname"),
                 number % 3 ? QStringLiteral("Euro") : QStringLiteral("Franc"));
    t.entries().append(e);
    node.addEntry(e, &t);
}

// What a currency node gives out: its rows, its leaves by key, its day
// aggregate, its count.
struct PaysSeen
{
    explicit PaysSeen(const TRepPayforms &node)
    {
        node.visitRows([this](const TPayRow &row) {
            rows << QStringLiteral("%1:%2:%3:%4")
                            .arg(row.number)
                            .arg(row.amount())
                            .arg(row.billText ? *row.billText : QString::number(row.billNumber))
                            .arg(row.texts[TPayRow::CurrName] ? *row.texts[TPayRow::CurrName]
                                                              : QString());
        });
        static_cast<const TReportNode &>(node).visitLeaves([this](const QString &key,
                                                                  const TReportLeaf &leaf) {
            leaves << key + QLatin1Char(':') + QString::number(leaf.amount()) + QLatin1Char(':')
                              + leaf.getString(QStringLiteral("billnum"));
        });
        TAggregateWriter out;
        if (node.writeDay(out))
            day = out.bytes();
        count = node.count();
    }
    QStringList rows;
    QStringList leaves;
    QByteArray day;
    int count = 0;
};

} // namespace

// A currency node writing its rows to the file every few rows gives out the
// same rows, leaves, day aggregate and count as one holding them, also with
// day aggregates merged after its own pays, and makes the same leaves.
TEST(NumberedRows, SpooledCurrencyRowsReadAsHeldRows)
{
    const SpoolThresholds spool;
    spool.payRows(0);
    TRepCurrencies held;
    TRepCurrencies day;
    spool.payRows(4);
    TRepCurrencies spooled;
    spool.restore();
    for (int t = 1; t <= 23; ++t) {
        currencyPay(held, t, 100 * t + 7);
        currencyPay(spooled, t, 100 * t + 7);
    }
    for (int t = 1; t <= 9; ++t)
        currencyPay(day, 100 + t, 5 * t);
    TAggregateWriter out;
    ASSERT_TRUE(day.writeDay(out));
    const QByteArray bytes = out.bytes();
    for (TRepCurrencies *node : {&held, &spooled}) {
        TAggregateReader in(bytes);
        node->mergeDay(in);
        ASSERT_TRUE(in.ok());
    }

    const PaysSeen fromHeld(held);
    const PaysSeen fromSpool(spooled);
    EXPECT_EQ(32, fromHeld.count);
    EXPECT_EQ(fromHeld.count, fromSpool.count);
    ASSERT_EQ(32, fromHeld.rows.size());
    EXPECT_EQ(QStringLiteral("1:107:1:Euro"), fromHeld.rows.first());
    EXPECT_EQ(QStringLiteral("10:1007:B10:Euro"), fromHeld.rows[1]);
    EXPECT_EQ(fromHeld.rows, fromSpool.rows);
    EXPECT_EQ(fromHeld.leaves, fromSpool.leaves);
    EXPECT_FALSE(fromHeld.day.isEmpty());
    EXPECT_EQ(fromHeld.day, fromSpool.day);

    // leaves made of the rows read back
    ASSERT_EQ(held.leaves().keys(), spooled.leaves().keys());
    for (const QString &key : held.leaves().keys()) {
        EXPECT_EQ(held.leaf(key)->amount(), spooled.leaf(key)->amount());
        EXPECT_EQ(held.leaf(key)->getString(QStringLiteral("currname")),
                  spooled.leaf(key)->getString(QStringLiteral("currname")));
    }
}
