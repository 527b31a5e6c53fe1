// The pays of the nodes with a leaf per pay, handed as rows: the items they
// give are those of the leaves the rows stand for, byte for byte, also as
// TSummaryItemJson writes them with the parts it keeps per set of texts.

#include "testdir.h"
#include "trepdata.h"
#include "treppaynodes.h"
#include "tsummaryitem.h"
#include "ttable.h"

#include <QJsonDocument>

#include <limits>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

// An item as every reader sees it.
struct Seen
{
    QByteArray bytes;
    QByteArray object; // of toJson()
    QString key;
    QString text;
    QJsonValue count;
    qint64 amount = 0;
    bool operator==(const Seen &o) const
    {
        return bytes == o.bytes && object == o.object && key == o.key && text == o.text
               && count == o.count && amount == o.amount;
    }
};

void PrintTo(const Seen &seen, std::ostream *os)
{
    *os << seen.bytes.constData();
}

Seen seen(const TSummaryItem &item)
{
    Seen s;
    item.appendJson(s.bytes);
    s.object = QJsonDocument(item.toJson()).toJson(QJsonDocument::Compact);
    s.key = item.keyText();
    s.text = item.text();
    s.count = item.count();
    s.amount = item.amount();
    return s;
}

// A paid table in memory whose header holds the bill number `bill` (none
// when null).
TTable *paidTable(int archive, const QString &bill)
{
    auto *t = new TTable(nullptr);
    t->setTable(4);
    t->setParty(1);
    t->setArchive(archive);
    t->setInSum(archive % 2 == 0);
    t->create().setInt(QStringLiteral("waiter"), 2);
    if (!bill.isNull())
        t->create().setString(QStringLiteral("billnum"), bill);
    return t;
}

TTableEntry *payOf(int n)
{
    auto *e = new TTableEntry;
    e->setType(EntryPay);
    e->setInt(QStringLiteral("waiter"), 2);
    e->setString(QStringLiteral("waitername"),
                 n % 3 ? QStringLiteral("J\u00fcrgen \"Kr\u00e4mer\"\\") : QStringLiteral("0042"));
    e->setDate(QStringLiteral("date"), QDate(2014, 3, 5));
    e->setTime(QStringLiteral("time"), QTime(19, 30));
    // an amount whose decimal text the data read back, and negative ones
    e->setInt(QStringLiteral("amount"), n == 26      ? Q_INT64_C(120000000005)
                                        : n % 5 == 0 ? -1250 * n
                                                     : 1250 * n);
    e->setInt(QStringLiteral("payform"), 1 + n % 4);
    if (n % 7 != 0)
        e->setString(QStringLiteral("payformname"),
                     n % 2 ? QStringLiteral("Cash\n") : QStringLiteral("Karte \u20ac\t"));
    e->setInt(QStringLiteral("tip"), n % 3 == 0 ? 0 : 25 * n);
    // sums beyond 32 bits too
    e->setInt(QStringLiteral("given"), n == 13 ? Q_INT64_C(5000000000) : 2000 * n);
    if (n % 4 == 0)
        e->setInt(QStringLiteral("orggiven"), 1999 * n);
    e->setInt(QStringLiteral("return"), 150 * n);
    e->setInt(QStringLiteral("retamount"), n % 2 ? 0 : 150 * n);
    e->setBool(QStringLiteral("intermsum"), n % 2 == 1);
    e->setBool(QStringLiteral("voided"), n % 6 == 5);
    // the pay's currency and that of its change
    if (n % 5 != 1) {
        e->setInt(QStringLiteral("curr"), 1 + n % 2);
        e->setString(QStringLiteral("currname"), n % 2 ? QStringLiteral("Euro") : QString());
        e->setString(QStringLiteral("currshort"), QStringLiteral("EUR"));
        e->setString(QStringLiteral("currrate"),
                     n % 2 ? QStringLiteral("1.50000") : QStringLiteral("yes"));
        e->setInt(QStringLiteral("currdecpos"), 2);
    }
    e->setInt(QStringLiteral("retcurr"), 3);
    e->setString(QStringLiteral("retcurrname"), QStringLiteral("Franken \u00e4"));
    e->setString(QStringLiteral("retcurrshort"), QStringLiteral("CHF"));
    e->setString(QStringLiteral("retcurrrate"), QStringLiteral("0.93"));
    return e;
}

} // namespace

// Every pay of both nodes, voided or not, with texts that read as numbers,
// booleans or stay texts (escapes, characters beyond ASCII, leading zeros,
// decimals), bill numbers written plainly or not and none at all.
TEST(PayRows, ItemsAreThoseOfTheirLeaves)
{
    TestDir dir;
    const QStringList bills {QStringLiteral("17"),
                             QStringLiteral("0042"),
                             QStringLiteral("-5"),
                             QStringLiteral("1234567890"),
                             QStringLiteral("999999999"),
                             QStringLiteral("12\n"),
                             QString(),
                             QStringLiteral(""),
                             QStringLiteral("1.5"),
                             QStringLiteral("0")};
    TRepWaiters groups(nullptr, dir.path());
    int pays = 0;
    for (int archive = 0; archive < bills.size(); ++archive) {
        std::unique_ptr<TTable> table(paidTable(archive + 1, bills.at(archive)));
        for (int i = 0; i < 13; ++i)
            table->entries().append(payOf(++pays));
        table->entries().forEach([&](TTableEntry *e) { groups.addEntry(e, table.get()); });
    }
    int rows = 0;
    for (const char *group : {"0", "2"}) {
        for (const char *name : {"currencies", "currreturns"}) {
            SCOPED_TRACE(testing::Message() << "group " << group << ", " << name);
            const auto *node = static_cast<const TRepPayforms *>(
                    groups.group(QString::fromLatin1(group))->node(QString::fromLatin1(name)));
            TSummaryItem item;
            item.node = QString::fromLatin1(name);
            std::vector<Seen> ofRows;
            // one writer for the node's rows, its parts shared between them
            TSummaryItemJson writer;
            ASSERT_TRUE(node->visitRows([&](const TPayRow &row) {
                item.row = &row;
                ofRows.push_back(seen(item));
                QByteArray written("[");
                writer.append(written, item);
                EXPECT_EQ('[' + ofRows.back().bytes, written) << row.number;
            }));
            item.row = nullptr;
            std::vector<Seen> ofLeaves;
            const TReportNode *asNode = node;
            asNode->visitLeaves([&](const QString &key, const TReportLeaf &leaf) {
                item.key = key;
                item.leaf = &leaf;
                ofLeaves.push_back(seen(item));
                QByteArray written;
                writer.append(written, item);
                EXPECT_EQ(ofLeaves.back().bytes, written) << key.toStdString();
            });
            ASSERT_EQ(ofLeaves.size(), ofRows.size());
            for (size_t i = 0; i < ofRows.size(); ++i)
                EXPECT_EQ(ofLeaves[i], ofRows[i]) << i;
            rows += int(ofRows.size());

            // a node that holds leaves has no rows to hand
            node->leaves();
            EXPECT_FALSE(node->visitRows([](const TPayRow &) {}));
        }
    }
    // currreturns: every pay, currencies: those in the cash summary, in
    // the waiter's group and the overall one
    EXPECT_GT(rows, 2 * pays);
}

// Rows made by hand: the sums at their limits, a count of none, bill
// numbers as numbers and as texts. Rows that share their texts share the
// parts made of them, within one node; forget() lets texts at the same
// addresses say something else.
TEST(PayRows, WrittenItemsKeepTheirTextsUntilForgotten)
{
    QString payform = QStringLiteral("3");
    QString payformName = QStringLiteral("Karte \u20ac \"Visa\"\\\n");
    QString waiter = QStringLiteral("0042");
    QString rate = QStringLiteral("1.25");
    QString yes = QStringLiteral("yes");
    QString bill = QStringLiteral("B-17\t");
    TPayRow row;
    row.number = 12;
    row.texts[TPayRow::Payform] = &payform;
    row.texts[TPayRow::PayformName] = &payformName;
    row.texts[TPayRow::Waiter] = &waiter;
    row.texts[TPayRow::CurrRate] = &rate;
    row.texts[TPayRow::InTermSum] = &yes;
    row.hasTable = true;
    row.vatOh = true;
    row.taken = true;
    row.pay.amount = 1999;
    row.pay.tip = 1;
    row.pay.guests = 4;
    row.pay.given = std::numeric_limits<qint64>::min();
    row.pay.orgGiven = std::numeric_limits<qint64>::max();
    row.pay.ret = -7;
    row.pay.retAmount = Q_INT64_C(-5000000000);
    TSummaryItem item;
    item.node = QStringLiteral("currencies");
    item.row = &row;
    TSummaryItemJson writer;
    const auto same = [&](const char *what) {
        QByteArray expected;
        item.appendJson(expected);
        QByteArray written;
        writer.append(written, item);
        EXPECT_EQ(expected, written) << what;
        return written;
    };
    same("first");
    row.billNumber = 0;
    same("bill number 0");
    row.billNumber = -1;
    row.billText = &bill;
    row.number = 1;
    same("bill text");
    row.inSum = true;
    row.texts[TPayRow::CurrRate] = nullptr;
    same("other texts");
    row.taken = false;
    same("voided");
    row.taken = true;
    for (qint64 amount : {Q_INT64_C(89999999999), Q_INT64_C(90000000000), Q_INT64_C(-90000000001),
                          Q_INT64_C(123456789012345)}) {
        row.pay.amount = amount;
        same("large amount");
    }
    row.pay.amount = -2500;
    row.hasTable = false;
    same("no table");
    item.node = QStringLiteral("currreturns");
    same("another node");

    // the same addresses, other texts
    const QByteArray before = same("before");
    payformName = QStringLiteral("Cash");
    QByteArray kept;
    writer.append(kept, item);
    EXPECT_EQ(before, kept);
    writer.forget();
    const QByteArray after = same("forgotten");
    EXPECT_NE(before, after);
    EXPECT_TRUE(after.contains("\"text\":\"Cash\""));
}
