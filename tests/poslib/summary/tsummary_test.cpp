#include "tsummary.h"

#include "tcounter.h"
#include "tcurrencies.h"
#include "tdepartments.h"
#include "testdir.h"
#include "tinstallation.h"
#include "treport.h"
#include "tsettings.h"
#include "ttable.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QDate Day(2014, 3, 10); // a Monday
const QDateTime Evening(Day, QTime(23, 30));

// ---- the installation -------------------------------------------------------

struct Article
{
    qint64 plu;
    const char *text;
    qint64 price;
    int family;
    const char *familyName;
    int rate; // hundredths of a percent
    int famGroup;
    const char *famGroupName;
};

const Article Pizza {101, "Pizza Margherita", 850, 10, "Pizza", 1000, 1, "Food"};
const Article Cola {201, "Cola", 300, 20, "Soft drinks", 2000, 2, "Non-alcoholic drinks"};
const Article Wine {410, "House wine", 1200, 30, "Wine", 2000, 3, "Wine & spirits"};

struct Waiter
{
    int number;
    const char *name;
};

const Waiter Anna {1, "Anna"};
const Waiter Carla {3, "Carla"};
const Waiter Maria {5, "Maria-Luisa Ferrari"};

void common(TTableEntry *e, int type, const Waiter &w, const QDate &day, const QTime &time,
            int center)
{
    e->setType(type);
    e->setInt("waiter", w.number);
    e->setString("waitername", w.name);
    e->setDate("date", day);
    e->setTime("time", time);
    if (center != 0) {
        e->setInt("center", center);
        e->setString("centername", "Restaurant");
    }
}

TTableEntry *order(const Article &a, double count, const Waiter &w, const QTime &time,
                   const QDate &day = Day, int center = 1)
{
    auto *e = new TTableEntry;
    common(e, EntryOrder, w, day, time, center);
    e->setInt("plu", a.plu);
    e->setString("article", a.text);
    e->setInt("price", a.price);
    e->setDouble("count", count);
    e->setInt("family", a.family);
    e->setString("familyname", a.familyName);
    e->setInt("famgroup", a.famGroup);
    e->setString("famgrpname", a.famGroupName);
    e->setInt("rateih", a.rate);
    e->setInt("rateoh", a.rate);
    if (a.plu == Wine.plu)
        e->setBool("iscontrol", true);
    if (a.plu == Pizza.plu)
        e->setString("artshort", "Margherita");
    return e;
}

struct Pay
{
    qint64 amount;
    qint64 tip;
    qint64 given;
    qint64 ret;
    int payform;
    const char *name;
    bool inTermSum;
    int guests;
};

TTableEntry *pay(const Pay &p, const Waiter &w, const QTime &time, const QDate &day = Day,
                 int center = 1)
{
    auto *e = new TTableEntry;
    common(e, EntryPay, w, day, time, center);
    e->setInt("amount", p.amount);
    e->setInt("tip", p.tip);
    e->setInt("given", p.given);
    e->setInt("return", p.ret);
    e->setInt("payform", p.payform);
    e->setString("payformname", p.name);
    e->setBool("intermsum", p.inTermSum);
    e->setInt("guests", p.guests);
    return e;
}

TTableEntry *voided(const Article &a, double count, const Waiter &w, const QTime &time,
                    const char *reason)
{
    auto *e = new TTableEntry;
    common(e, EntryVoid, w, Day, time, 1);
    e->setInt("plu", a.plu);
    e->setString("article", a.text);
    e->setInt("price", a.price);
    e->setDouble("count", count);
    e->setInt("amount", qint64(a.price * count));
    e->setInt("vwaiter", w.number);
    e->setString("vwaitername", w.name);
    e->setString("reason", reason);
    return e;
}

TTableEntry *cash(qint64 amount, const char *reason, const Waiter &w, const QTime &time)
{
    auto *e = new TTableEntry;
    common(e, EntryCash, w, Day, time, 1);
    e->setInt("amount", amount);
    e->setDouble("count", 1);
    e->setString("reason", reason);
    return e;
}

// A balance record of a waiter; `kind` "ccdterminal" or "ccdcostcenter"
// makes it one of terminal 2 or of the cost center.
TTableEntry *balance(qint64 amount, qint64 balance, const Waiter &w, const QTime &time,
                     const char *kind = nullptr)
{
    auto *e = new TTableEntry;
    common(e, EntryBalance, w, Day, time, 1);
    e->setInt("ccdamount", amount);
    e->setInt("ccdbalance", balance);
    e->setInt("ccddifferences", balance - amount);
    e->setInt("terminal", 2);
    e->setString("termname", "Bar");
    if (kind)
        e->setBool(kind, true);
    return e;
}

class Summary : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English));

        TSettings settings;
        auto *record = new Basics::TValue;
        record->setString("installationname", "Trattoria Sole");
        settings.insert(record);
        settings.save(base().constData());

        TCurrencies list;
        list.setSystemCurrencyId(1);
        auto *euro = new TCurrency;
        euro->setId(1);
        euro->setName("Euro");
        euro->setShortname("EUR");
        euro->setDecpos(2);
        list.insert(euro);
        list.save(base().constData());
        ASSERT_EQ(0, currencies.load(base().constData()));
    }

    QByteArray base() const { return dir.path().toLocal8Bit(); }
    QString root() const { return dir.path(); }

    // Header and entries of one table file; ids are given in order.
    static QByteArray tableBytes(long number, int party, const Waiter &w, bool inSum,
                                 const QList<TTableEntry *> &entries, double amount = 0,
                                 long billNum = 0)
    {
        TTable t(nullptr);
        t.setTable(number);
        t.setParty(party);
        if (billNum != 0)
            t.setBillNum(billNum);
        t.setInSum(inSum);
        t.setAmount(amount);
        t.create().setInt("waiter", w.number);
        t.create().setString("waitername", w.name);
        t.create().setDate("date", Day);
        int id = 0;
        for (TTableEntry *e : entries) {
            e->setId(++id);
            t.entries().insert(e);
        }
        QByteArray bytes;
        t.write(bytes);
        return bytes;
    }

    // The current data: three paid tables of Anna and Carla and one open
    // table of Anna.
    void currentData()
    {
        // table 12: 2 x 8.50 + 3 x 3.00 = 26.00 paid cash with 1.00 tip
        dir.write("var/archives/a1",
                  tableBytes(12, 1, Anna, true,
                             {order(Pizza, 2, Anna, QTime(18, 45)),
                              order(Cola, 3, Anna, QTime(19, 5)),
                              voided(Cola, 1, Anna, QTime(19, 6), "Wrong order"),
                              pay({2600, 100, 3000, 300, 1, "Cash", true, 2}, Anna, QTime(20, 10)),
                              cash(5000, "Change float", Anna, QTime(17, 0)),
                              cash(-1500, "Flowers", Anna, QTime(17, 5))}));
        // table 7: 8.50 + 0.25 x 12.00 = 11.50 by card
        dir.write("var/archives/a2",
                  tableBytes(7, 2, Carla, true,
                             {order(Pizza, 1, Carla, QTime(20, 15)),
                              order(Wine, 0.25, Carla, QTime(20, 20)),
                              pay({1150, 0, 1150, 0, 2, "Visa", false, 1}, Carla, QTime(21, 0))}));
        // table 4: a morning cola outside the turnover, without cost center
        dir.write("var/archives/a3", tableBytes(4, 1, Anna, false,
                                                {order(Cola, 1, Anna, QTime(9, 30), Day, 0),
                                                 pay({300, 0, 500, 200, 1, "Cash", true, 1}, Anna,
                                                     QTime(9, 35), Day, 0)}));
        // an open table of 4.50
        dir.write("var/tables/t20.001", tableBytes(20, 1, Anna, true, {}, 450));
    }

    // A closed day with one table: `count` pizzas paid cash.
    void closedDay(const QDate &day, long archive, double count)
    {
        const qint64 amount = qint64(Pizza.price * count);
        dir.write(QStringLiteral("var/statist/") + statistDayName(day)
                          + QStringLiteral("/a%1").arg(archive),
                  tableBytes(archive, 1, Anna, true,
                             {order(Pizza, count, Anna, QTime(12, 0), day),
                              pay({amount, 0, amount, 0, 1, "Cash", true, 1}, Anna, QTime(13, 0),
                                  day)}));
    }

    void ini(const QByteArray &text) { dir.write("etc/reports.ini", text); }

    // A writer over the current data with the clock at `now`.
    std::unique_ptr<TSummary> writer(const QDateTime &now = Evening)
    {
        report = std::make_unique<TReport>(QDate(), nullptr, root());
        auto s = std::make_unique<TSummary>(report.get(), &currencies, nullptr, root());
        s->setNow(now);
        return s;
    }

    static QStringList header(const QString &title)
    {
        return {"Summary for: Trattoria Sole", title, "Actual Shift Summary from Monday, 10.3.2014",
                "Printed Monday, 10.3.2014 at 23:30", ""};
    }

    TestDir dir;
    TCurrencies currencies;
    std::unique_ptr<TReport> report;
};

#define EXPECT_LINES(expected, actual) \
    EXPECT_EQ((expected).join('\n').toStdString(), (actual).join('\n').toStdString())

const QStringList FullBody {
        "Paid tables..............: 3",
        "Voids....................: 1",
        "Void amount..............: 3.00 EUR",
        "Open tables..............: 1",
        "Open tables, sum.........: 4.50 EUR",
        "In summary",
        "==========",
        "Cash (1).................: 27.00 EUR",
        "Visa (1).................: 11.50 EUR",
        "",
        "Sum of payforms..........: 38.50 EUR",
        "Not in summary",
        "==============",
        "Cash (1).................: 3.00 EUR",
        "",
        "Sum of payforms..........: 3.00 EUR",
        "Sum of all payforms......: 41.50 EUR",
        "Tip......................: 1.00 EUR",
        "Credits..................: 0.00 EUR",
        "Non refund...............: 0.00 EUR",
        "Not in summary...........: 3.00 EUR",
        "",
        "All amount...............: 37.50 EUR",
        "Orders",
        "======",
        "Sum In House.............: 40.50 EUR",
        "Sum Out of House.........: 0.00 EUR",
        "Not in summary...........: 3.00 EUR",
        "",
        "All amount...............: 37.50 EUR",
        "VAT   10.00 %............: 2.32 EUR",
        "Net   10.00 %............: 23.18 EUR",
        "Gross 10.00 %............: 25.50 EUR",
        "VAT   20.00 %............: 2.00 EUR",
        "Net   20.00 %............: 10.00 EUR",
        "Gross 20.00 %............: 12.00 EUR",
        "Sum Net..................: 33.18 EUR",
        "Net all amount...........: 33.18 EUR",
        "Cash amount",
        "===========",
        "Euro.....................: 35.00 EUR",
        "- Return difference......: 5.00 EUR",
        "Given not in summary.....: 3.00 EUR",
        "Tip......................: 1.00 EUR",
        "Credits..................: 0.00 EUR",
        "Cash in..................: 50.00 EUR",
        "* 1 Change float: 50.00 EUR",
        "Cash out.................: -15.00 EUR",
        "* 1 Flowers: -15.00 EUR",
        "",
        "Cash amount..............: 65.00 EUR",
        "Currencies",
        "==========",
        "30.00 EUR",
        "Statists",
        "========",
        "Guests...................: 3",
        "Amount per guest.........: 12.50 EUR",
        "All amount per guest.....: 13.50 EUR",
        "Net all amount per guest.: 11.06 EUR",
        "Control articles",
        "================",
        "410 House wine (0.250): 3.00 EUR",
        "  --------------",
        "Sum articles.............: 3.00 EUR",
};

const QStringList CarlaBody {
        "Paid tables..............: 1",
        "Voids....................: 0",
        "Void amount..............: 0.00 EUR",
        "Open tables..............: 0",
        "Open tables, sum.........: 0.00 EUR",
        "In summary",
        "==========",
        "Visa (1).................: 11.50 EUR",
        "",
        "Sum of payforms..........: 11.50 EUR",
        "Not in summary...........: 0.00 EUR",
        "",
        "All amount...............: 11.50 EUR",
        "Orders",
        "======",
        "Sum In House.............: 11.50 EUR",
        "Sum Out of House.........: 0.00 EUR",
        "Not in summary...........: 0.00 EUR",
        "",
        "All amount...............: 11.50 EUR",
        "VAT   10.00 %............: 0.77 EUR",
        "Net   10.00 %............: 7.73 EUR",
        "Gross 10.00 %............: 8.50 EUR",
        "VAT   20.00 %............: 0.50 EUR",
        "Net   20.00 %............: 2.50 EUR",
        "Gross 20.00 %............: 3.00 EUR",
        "Sum Net..................: 10.23 EUR",
        "Net all amount...........: 10.23 EUR",
        "Cash amount",
        "===========",
        "Tip......................: 0.00 EUR",
        "Credits..................: 0.00 EUR",
        "Cash in..................: 0.00 EUR",
        "Cash out.................: 0.00 EUR",
        "",
        "Cash amount..............: 0.00 EUR",
        "Statists",
        "========",
        "Guests...................: 1",
        "Amount per guest.........: 11.50 EUR",
        "All amount per guest.....: 11.50 EUR",
        "Net all amount per guest.: 10.23 EUR",
        "Control articles",
        "================",
        "410 House wine (0.250): 3.00 EUR",
        "  --------------",
        "Sum articles.............: 3.00 EUR",
};

const QStringList ArtsBody {
        "   3 Pizza Margher   101      25.50 EUR",
        "   4 Cola            201      12.00 EUR",
        "0.250 House win   410          3.00 EUR",
        "---------------------------------------",
        "Sum articles:                 40.50 EUR",
        "---------------------------------------",
        "",
};

const QStringList FamsBody {
        "   3 Pizza           10       25.50 EUR",
        "   4 Soft drinks     20       12.00 EUR",
        "0.250 Wine        30           3.00 EUR",
        "---------------------------------------",
        "Sum families:                 40.50 EUR",
        "---------------------------------------",
        "",
};

const QStringList TabsBody {
        "10.03.14 09:35:00      4/001     3.00 EUR", "         Cash:(Tip     0.00)     3.00 EUR",
        "10.03.14 20:10:00     12/001    26.00 EUR", "         Cash:(Tip     1.00)    27.00 EUR",
        "10.03.14 21:00:00      7/002    11.50 EUR", "         Visa:(Tip     0.00)    11.50 EUR",
        "-----------------------------------------", "Sum payments:                 40.50 EUR",
        "-----------------------------------------", "",
};

const QStringList HoursBody {
        " 9:00- 9:59 (   1)             3.00 EUR", "18:00-18:59 (   2)            17.00 EUR",
        "19:00-19:59 (   3)             9.00 EUR", "20:00-20:59 (   1)            11.50 EUR",
        "---------------------------------------", "Amount                        40.50 EUR",
        "---------------------------------------", "",
};

const QStringList OrdersBody {
        "  101   1   12/  1 (2)        17.00 EUR", "  101   2    7/  2 (1)         8.50 EUR",
        "  201   1   12/  1 (4)        12.00 EUR", "  410   2    7/  2 (0)         3.00 EUR",
        "---------------------------------------", "Sum orders:                   40.50 EUR",
        "---------------------------------------", "",
};

const QStringList VoidsBody {
        "10.03.2014 19:06:00    12/  1",
        "   1 Cola           ( 201)      3.00 EUR",
        "(1: Anna)",
        "Wrong order",
        "-----------",
        "Sum void entries:              3.00 EUR",
        "-----------",
        "",
};

QStringList operator+(const QStringList &a, const QStringList &b)
{
    QStringList out = a;
    out += b;
    return out;
}

} // namespace

TEST_F(Summary, FullSummaryOverAllWaiters)
{
    currentData();
    EXPECT_LINES(header("Amount of all waiters") + FullBody,
                 writer()->waiterReport(TSummary::WaiterSummary, "Amount of all waiters", true));
}

TEST_F(Summary, WaiterWithoutEntriesHasNoSection)
{
    currentData();
    const QStringList lines
            = writer()->waiterReport(TSummary::WaiterSummary, "List of all waiters", false);
    EXPECT_TRUE(lines.contains("Waiter #1 - Anna"));
    EXPECT_FALSE(lines.join('\n').contains("Waiter #2"));
    // Carla's section closes the report
    const QString rule(17, '=');
    const QStringList carla = QStringList {rule, "Waiter #3 - Carla", "", rule, ""} + CarlaBody;
    ASSERT_GE(lines.size(), carla.size());
    EXPECT_LINES(carla, lines.mid(lines.size() - carla.size()));
    EXPECT_LINES(header("List of all waiters"), lines.mid(0, 5));
    EXPECT_EQ(QString(16, '='), lines.at(5));
}

TEST_F(Summary, ItemReportsOverAllWaiters)
{
    currentData();
    const std::pair<int, QStringList> reports[] = {
            {TSummary::Articles, ArtsBody}, {TSummary::Families, FamsBody},
            {TSummary::Tables, TabsBody},   {TSummary::Hours, HoursBody},
            {TSummary::Orders, OrdersBody}, {TSummary::VoidEntries, VoidsBody},
    };
    for (const auto &r : reports) {
        SCOPED_TRACE(r.first);
        EXPECT_LINES(header("Report") + r.second, writer()->waiterReport(r.first, "Report", true));
    }
    EXPECT_TRUE(writer()->waiterReport(15, "Report", true).isEmpty());
}

TEST_F(Summary, NoPrintSwitchRemovesOneLineAndCaptionsReplaceDefaults)
{
    currentData();
    ini("[NoPrint]\r\nnopaidtables = yes\r\nnoheader = yes\r\n"
        "[reports]\r\nvoids = Cancellations\r\nheaderactual = Shift of %1 (%2.%3.)\r\n"
        "waiters = Waiter %1: %2\r\n");
    QStringList body = FullBody.mid(1);
    body[0] = "Cancellations............: 1";
    const QStringList expected
            = QStringList {"Summary for: Trattoria Sole", "All", "Shift of Monday (10.3.)", ""}
              + body;
    EXPECT_LINES(expected, writer()->waiterReport(TSummary::WaiterSummary, "All", true));

    const QStringList perWaiter = writer()->waiterReport(TSummary::Articles, "Per waiter", false);
    EXPECT_TRUE(perWaiter.contains("Waiter 3: Carla"));
    EXPECT_TRUE(perWaiter.contains("Waiter 1: Anna"));
}

TEST_F(Summary, FillToBelowTenGivesTen)
{
    currentData();
    ini("[Settings]\r\nfillto = 5\r\n");
    auto s = writer();
    EXPECT_EQ(10, s->fillTo());
    const QStringList lines = s->waiterReport(TSummary::WaiterSummary, "All", true);
    const QStringList expected {"Paid table: 3", "Voids.....: 1",         "Void amoun: 3.00 EUR",
                                "Open table: 1", "Open table: 4.50 EUR",  "In summary",
                                "==========",    "Cas (1)...: 27.00 EUR", "Vis (1)...: 11.50 EUR"};
    EXPECT_LINES(expected, lines.mid(5, expected.size()));
}

TEST_F(Summary, GastroDayDecidesTheBusinessDate)
{
    auto s = writer(QDateTime(Day, QTime(4, 59)));
    EXPECT_EQ(500, s->gastroDay());
    EXPECT_EQ("Actual Shift Summary from Sunday, 9.3.2014", s->headerLines("T").at(2));
    EXPECT_EQ("Printed Monday, 10.3.2014 at 04:59", s->headerLines("T").at(3));
    s->setNow(QDateTime(Day, QTime(5, 0)));
    EXPECT_EQ("Actual Shift Summary from Monday, 10.3.2014", s->headerLines("T").at(2));

    // a whole day and two hours
    ini("[Settings]\r\ngastroday = 2600\r\n");
    s = writer(QDateTime(Day, QTime(3, 0)));
    EXPECT_EQ(Day.addDays(-1), s->businessDate());
    s->setNow(QDateTime(Day, QTime(1, 59)));
    EXPECT_EQ(Day.addDays(-2), s->businessDate());
}

TEST_F(Summary, TurnoverAndHeaderWaiterLines)
{
    auto s = writer();
    s->setTurnoverNumber(17);
    Basics::TValue bruno;
    bruno.setName("Bruno");
    s->setHeaderWaiter(&bruno);
    EXPECT_LINES((QStringList {"Summary for: Trattoria Sole", "T",
                               "Day turnover 17 from Monday, 10.3.2014",
                               "Printed Monday, 10.3.2014 at 23:30", "From waiter Bruno", ""}),
                 s->headerLines("T"));
}

TEST_F(Summary, PeriodsOfSevenOverTenDays)
{
    closedDay(QDate(2014, 3, 3), 10, 1);
    closedDay(QDate(2014, 3, 9), 11, 2);
    auto s = writer();
    s->setRange(QDate(2014, 3, 1), Day);
    s->setPeriod(7);
    const QString rule(39, '-');
    const QStringList expected {
            "Summary for: Trattoria Sole",
            "Articles",
            "History Summary from  Saturday, 1.3.2014 - Friday, 7.3.2014",
            "Printed Monday, 10.3.2014 at 23:30",
            "",
            "   1 Pizza Margher   101       8.50 EUR",
            rule,
            "Sum articles:                  8.50 EUR",
            rule,
            "",
            QString(40, '*'),
            "",
            "Summary for: Trattoria Sole",
            "Articles",
            "History Summary from  Saturday, 8.3.2014 - Monday, 10.3.2014",
            "Printed Monday, 10.3.2014 at 23:30",
            "",
            "   2 Pizza Margher   101      17.00 EUR",
            rule,
            "Sum articles:                 17.00 EUR",
            rule,
            "",
    };
    EXPECT_LINES(expected, s->waiterReport(TSummary::Articles, "Articles", true));
}

TEST_F(Summary, FiscalHeaderShowsTheZCounterOfTheDay)
{
    const QDate day(2014, 3, 3);
    TCounter(statistDayDir(day, root()), "zcount.dat").set("z", 42);
    auto s = writer();
    s->setRange(day, QDate());
    EXPECT_EQ("History Summary from  Monday, 3.3.2014", s->headerLines("Batch report").at(2));
    s->setFiscal(true);
    EXPECT_EQ("Fiscal Summary 42 from  Monday, 3.3.2014", s->headerLines("Batch report").at(2));
    s->setRange(day, day);
    EXPECT_EQ("History Summary from  Monday, 3.3.2014 - Monday, 3.3.2014",
              s->headerLines("Batch report").at(2));
}

TEST_F(Summary, EntriesWithoutCostCenterGoToCostCenterZero)
{
    currentData();
    const QString rule(39, '-');
    const QString center1(27, '=');
    const QString center0(13, '=');
    const QStringList expected = header("Articles per cost center")
                                 + QStringList {
                                         center1,
                                         "Cost center #1 - Restaurant",
                                         center1,
                                         "",
                                         "   3 Pizza Margher   101      25.50 EUR",
                                         "   3 Cola            201       9.00 EUR",
                                         "0.250 House win   410          3.00 EUR",
                                         rule,
                                         "Sum articles:                 37.50 EUR",
                                         rule,
                                         "",
                                         center0,
                                         "Cost center 0",
                                         center0,
                                         "",
                                         "   1 Cola            201       3.00 EUR",
                                         rule,
                                         "Sum articles:                  3.00 EUR",
                                         rule,
                                         "",
                                 };
    EXPECT_LINES(expected, writer()->centerReport(TSummary::Articles, "Articles per cost center"));
}

TEST_F(Summary, LayoutFileLaysOutTheItemLines)
{
    currentData();
    dir.write("etc/layout/sumfamilies.cfg", "{count@f5.2} {name@a13}{countsum@p@a-9}\n");
    const QString rule(28, '-');
    const QStringList expected = header("Families")
                                 + QStringList {
                                         " 3.00 Pizza            25.50",
                                         " 4.00 Soft drinks      12.00",
                                         " 0.25 Wine              3.00",
                                         rule,
                                         "Sum families:                 40.50 EUR",
                                         rule,
                                         "",
                                 };
    EXPECT_LINES(expected, writer()->waiterReport(TSummary::Families, "Families", true));
}

TEST_F(Summary, AnEmptyBodyKeepsTheHeader)
{
    EXPECT_LINES(header("All"), writer()->waiterReport(TSummary::WaiterSummary, "All", true));
    EXPECT_LINES(header("Articles"), writer()->centerReport(TSummary::Articles, "Articles"));
}

TEST_F(Summary, ShortTextNoCurrencyDebugAndShortForm)
{
    currentData();
    ini("[Settings]\r\nuseshorttext = yes\r\nnocurrency = yes\r\n"
        "[reports]\r\ndebug = yes\r\nshortform = yes\r\n");
    const QStringList articles = writer()->waiterReport(TSummary::Articles, "A", true);
    ASSERT_GE(articles.size(), 7);
    EXPECT_EQ("   3 Margherita      101      25.50    ", articles.at(5));
    EXPECT_EQ("   4 Cola            201      12.00    ", articles.at(6));

    const QStringList full = writer()->waiterReport(TSummary::WaiterSummary, "A", true);
    const qsizetype at = full.indexOf("In summary");
    ASSERT_GE(at, 0);
    const QStringList expected {"In summary",
                                "==========",
                                "Cash.....................: 27.00 ",
                                "* Tip....................: 1.00 ",
                                "* Given..................: 30.00 ",
                                "* Return.................: 3.00 ",
                                "Visa.....................: 11.50 ",
                                "* Given..................: 11.50 ",
                                ""};
    EXPECT_LINES(expected, full.mid(at, expected.size()));
}

TEST_F(Summary, MinimalReport)
{
    currentData();
    const QString rule(36, '-');
    const QStringList expected = header("Report")
                                 + QStringList {
                                         "Cash (1).................: 27.00 EUR",
                                         "Visa (1).................: 11.50 EUR",
                                         "Cash (1).................: 3.00 EUR",
                                         "Tip......................: 1.00 EUR",
                                         "Credits..................: 0.00 EUR",
                                         "All amount...............: 37.50 EUR",
                                         "VAT   10.00 %............: 2.32 EUR",
                                         "Net   10.00 %............: 23.18 EUR",
                                         "Gross 10.00 %............: 25.50 EUR",
                                         "VAT   20.00 %............: 2.00 EUR",
                                         "Net   20.00 %............: 10.00 EUR",
                                         "Gross 20.00 %............: 12.00 EUR",
                                         rule,
                                         "Sum VATs.................: 4.32 EUR",
                                         rule,
                                         "",
                                 };
    EXPECT_LINES(expected, writer()->waiterReport(TSummary::Minimal, "Report", true));
}

TEST_F(Summary, CashAndBalancingDetailsFollowTheirNumbers)
{
    QList<TTableEntry *> entries;
    for (int n = 1; n <= 11; ++n)
        entries << cash(n * 100, qPrintable(QStringLiteral("Float %1").arg(n)), Anna, QTime(17, n));
    entries << balance(1000, 950, Anna, QTime(23, 1), "ccdterminal")
            << balance(2000, 2000, Anna, QTime(23, 2), "ccdcostcenter");
    for (int n = 3; n <= 11; ++n)
        entries << balance(n * 1000, n * 1000, Anna, QTime(23, n));
    dir.write("var/archives/a1", tableBytes(12, 1, Anna, true, entries));
    const QStringList lines = writer()->waiterReport(TSummary::WaiterSummary, "All", true);

    QStringList cashIn {"Cash in..................: 66.00 EUR"};
    for (int n = 1; n <= 11; ++n)
        cashIn << QStringLiteral("* %1 Float %1: %1.00 EUR").arg(n);
    cashIn << "Cash out.................: 0.00 EUR";
    const qsizetype at = lines.indexOf(cashIn.first());
    ASSERT_GE(at, 0);
    EXPECT_LINES(cashIn, lines.mid(at, cashIn.size()));

    QStringList balancing {"Balancing",
                           "=========",
                           "Terminal 2 Bar",
                           "I: 10.00    S: 9.50    D: -0.50",
                           "Cost center 1 Restaurant",
                           "I: 20.00    S: 20.00    D: 0.00"};
    for (int n = 3; n <= 11; ++n)
        balancing << "Waiter 1 Anna"
                  << QStringLiteral("I: %1.00    S: %1.00    D: 0.00").arg(n * 10);
    const qsizetype from = lines.indexOf("Balancing");
    ASSERT_GE(from, 0);
    EXPECT_LINES(balancing, lines.mid(from, balancing.size()));
}

TEST_F(Summary, FullSummaryPerCostCenter)
{
    currentData();
    const QString center1(27, '=');
    const QString center0(13, '=');
    const QStringList expected = header("Cost centers")
                                 + QStringList {
                                         center1,
                                         "Cost center #1 - Restaurant",
                                         center1,
                                         "",
                                         "Paid tables..............: 2",
                                         "Voids....................: 1",
                                         "Void amount..............: 3.00 EUR",
                                         "Open tables..............: 0",
                                         "Open tables, sum.........: 0.00 EUR",
                                         "In summary",
                                         "==========",
                                         "Cash (1).................: 27.00 EUR",
                                         "Visa (1).................: 11.50 EUR",
                                         "",
                                         "Sum of payforms..........: 38.50 EUR",
                                         "Sum of all payforms......: 38.50 EUR",
                                         "Tip......................: 1.00 EUR",
                                         "Credits..................: 0.00 EUR",
                                         "Non refund...............: 0.00 EUR",
                                         "Not in summary...........: 0.00 EUR",
                                         "",
                                         "All amount...............: 37.50 EUR",
                                         "Orders",
                                         "======",
                                         "Sum In House.............: 37.50 EUR",
                                         "Sum Out of House.........: 0.00 EUR",
                                         "Not in summary...........: 0.00 EUR",
                                         "",
                                         "All amount...............: 37.50 EUR",
                                         "VAT   10.00 %............: 2.32 EUR",
                                         "Net   10.00 %............: 23.18 EUR",
                                         "Gross 10.00 %............: 25.50 EUR",
                                         "VAT   20.00 %............: 2.00 EUR",
                                         "Net   20.00 %............: 10.00 EUR",
                                         "Gross 20.00 %............: 12.00 EUR",
                                         "Sum Net..................: 33.18 EUR",
                                         "Net all amount...........: 33.18 EUR",
                                         "Cash amount",
                                         "===========",
                                         "Euro.....................: 30.00 EUR",
                                         "- Return difference......: 3.00 EUR",
                                         "Tip......................: 1.00 EUR",
                                         "Credits..................: 0.00 EUR",
                                         "Cash in..................: 50.00 EUR",
                                         "* 1 Change float: 50.00 EUR",
                                         "Cash out.................: -15.00 EUR",
                                         "* 1 Flowers: -15.00 EUR",
                                         "",
                                         "Cash amount..............: 62.00 EUR",
                                         "Currencies",
                                         "==========",
                                         "27.00 EUR",
                                         "Statists",
                                         "========",
                                         "Guests...................: 3",
                                         "Amount per guest.........: 12.50 EUR",
                                         "All amount per guest.....: 12.50 EUR",
                                         "Net all amount per guest.: 11.06 EUR",
                                         "Control articles",
                                         "================",
                                         "410 House wine (0.250): 3.00 EUR",
                                         "  --------------",
                                         "Sum articles.............: 3.00 EUR",
                                         // the morning table without cost center and
                                         // the open table
                                         center0,
                                         "Cost center 0",
                                         center0,
                                         "",
                                         "Paid tables..............: 1",
                                         "Voids....................: 0",
                                         "Void amount..............: 0.00 EUR",
                                         "Open tables..............: 1",
                                         "Open tables, sum.........: 4.50 EUR",
                                         "Not in summary",
                                         "==============",
                                         "Cash (1).................: 3.00 EUR",
                                         "",
                                         "Sum of payforms..........: 3.00 EUR",
                                         "Not in summary...........: 3.00 EUR",
                                         "",
                                         "All amount...............: 0.00 EUR",
                                         "Orders",
                                         "======",
                                         "Sum In House.............: 3.00 EUR",
                                         "Sum Out of House.........: 0.00 EUR",
                                         "Not in summary...........: 3.00 EUR",
                                         "",
                                         "All amount...............: 0.00 EUR",
                                         "Sum Net..................: 0.00 EUR",
                                         "Net all amount...........: 0.00 EUR",
                                         "Cash amount",
                                         "===========",
                                         "Euro.....................: 5.00 EUR",
                                         "- Return difference......: 2.00 EUR",
                                         "Given not in summary.....: 3.00 EUR",
                                         "Tip......................: 0.00 EUR",
                                         "Credits..................: 0.00 EUR",
                                         "Cash in..................: 0.00 EUR",
                                         "Cash out.................: 0.00 EUR",
                                         "",
                                         "Cash amount..............: 3.00 EUR",
                                         "Currencies",
                                         "==========",
                                         "3.00 EUR",
                                 };
    EXPECT_LINES(expected, writer()->centerReport(TSummary::CenterSummary, "Cost centers"));
}

TEST_F(Summary, VoidedArticles)
{
    currentData();
    dir.write("var/archives/a4", tableBytes(9, 1, Carla, true,
                                            {voided(Pizza, 2, Carla, QTime(21, 10), ""),
                                             voided(Wine, 0.5, Carla, QTime(21, 12), "Corked")}));
    const QString rule(39, '-');
    const QStringList expected = header("Voids")
                                 + QStringList {
                                         "   2 Pizza Margher ( 101)     17.00 EUR",
                                         "   1 Cola          ( 201)      3.00 EUR",
                                         "0.500 House win ( 410)         6.00 EUR",
                                         rule,
                                         "Sum voids:                    26.00 EUR",
                                         rule,
                                         "",
                                 };
    EXPECT_LINES(expected, writer()->waiterReport(TSummary::Voids, "Voids", true));
}

TEST_F(Summary, FamilyGroupsAndDepartments)
{
    currentData();
    // the kitchen sells the pizza family, the bar two drinks; the house
    // is both and counts everything a second time
    TDepartments departments;
    auto department = [&](int id, const char *name, bool leaf, const char *items) {
        auto *d = departments.newValue();
        d->setId(id);
        d->setName(name);
        d->setBool("leaf", leaf);
        d->setString(leaf ? "articles" : "children", items);
        departments.insert(d);
    };
    department(1, "Kitchen", true, "-10");
    department(2, "Bar", true, "201;410");
    department(3, "Whole house", false, "1;2");
    departments.save(base().constData());

    const QString rule(39, '-');
    const QStringList groups = header("Family groups")
                               + QStringList {
                                       "Food                  1       25.50 EUR",
                                       "Non-alcoholic drinks    2     12.00 EUR",
                                       "Wine & spirits        3        3.00 EUR",
                                       rule,
                                       "Sum fam. groups:              40.50 EUR",
                                       rule,
                                       "",
                               };
    EXPECT_LINES(groups, writer()->waiterReport(TSummary::FamGroups, "Family groups", true));

    const QStringList deps = header("Departments")
                             + QStringList {
                                     "   3 Kitchen          1       25.50 EUR",
                                     "4.250 Bar          2          15.00 EUR",
                                     "7.250 Whole hou    3          40.50 EUR",
                                     rule,
                                     "Sum Departnents:              81.00 EUR",
                                     rule,
                                     "",
                             };
    EXPECT_LINES(deps, writer()->waiterReport(TSummary::Departments, "Departments", true));
}

TEST_F(Summary, Discounts)
{
    currentData();
    // 10 % off two pizzas, 2.00 off a bottle of wine
    TTableEntry *pizzas = order(Pizza, 2, Carla, QTime(13, 0));
    pizzas->setInt("price", 765);
    pizzas->setInt("discount", 85);
    pizzas->setInt("discid", 3);
    pizzas->setString("discname", "Happy hour");
    pizzas->setInt("discrate", 10);
    pizzas->setInt("discabs", 0);
    TTableEntry *wine = order(Wine, 1, Carla, QTime(13, 5));
    wine->setInt("price", 1000);
    wine->setInt("discount", 200);
    wine->setInt("discid", 5);
    wine->setString("discname", "Regular guest card");
    wine->setInt("discrate", 200);
    wine->setInt("discabs", 1);
    dir.write("var/archives/a4",
              tableBytes(36, 1, Carla, true,
                         {pizzas, wine,
                          pay({2530, 0, 2530, 0, 1, "Cash", true, 2}, Carla, QTime(14, 0))}));

    const QString rule(39, '-');
    const QStringList expected = header("Discounts")
                                 + QStringList {
                                         "  2 x   3 (Happy hour     )10%",
                                         "             1.70    15.30    17.00 EUR",
                                         "  1 x   5 (Regular guest card)  2.00 EUR",
                                         "             2.00    10.00    12.00 EUR",
                                         rule,
                                         "Order amount:                 29.00 EUR",
                                         "Discounted:                   25.30 EUR",
                                         "Lost money:                    3.70 EUR",
                                         rule,
                                         "",
                                 };
    EXPECT_LINES(expected, writer()->waiterReport(TSummary::Discounts, "Discounts", true));
}

TEST_F(Summary, PriceFindingsInPayformOrder)
{
    currentData();
    auto subsidised = [](qint64 amount, int payform, const char *name, int id,
                         const char *subvention, qint64 subsidy, const QTime &time) {
        TTableEntry *e = pay({amount, 0, amount, 0, payform, name, false, 1}, Carla, time);
        e->setInt("subvid", id);
        e->setString("subvname", subvention);
        e->setInt("subvamount", subsidy);
        return e;
    };
    // pay form 12 sorts after pay form 3, although "12001" < "3002"
    dir.write("var/archives/a4",
              tableBytes(34, 1, Carla, true,
                         {order(Pizza, 1, Carla, QTime(12, 0)),
                          subsidised(450, 3, "Voucher", 2, "Staff meal", 400, QTime(12, 30))}));
    dir.write("var/archives/a5", tableBytes(35, 2, Carla, true,
                                            {order(Pizza, 2, Carla, QTime(12, 10)),
                                             subsidised(600, 12, "Company lunch card Gold", 1,
                                                        "Lunch subsidy", 250, QTime(12, 40)),
                                             subsidised(700, 12, "Company lunch card Gold", 1,
                                                        "Lunch subsidy", 250, QTime(12, 41))}));

    const QString rule(43, '-');
    const QStringList expected = header("Price findings")
                                 + QStringList {
                                         "*    3) Voucher              (   1)",
                                         "Staff meal    :    4.00    4.50    8.50 EUR",
                                         "per pay       :    4.00    4.50    8.50 EUR",
                                         "*   12) Company lunch card Gold (   2)",
                                         "Lunch subsidy :    5.00   13.00   18.00 EUR",
                                         "per pay       :    2.50    6.50    9.00 EUR",
                                         rule,
                                         "Table undiscounted:           26.50 EUR",
                                         "Table amount:                 17.50 EUR",
                                         "Table discount:                9.00 EUR",
                                         rule,
                                         "",
                                 };
    EXPECT_LINES(expected, writer()->waiterReport(TSummary::PriceFindings, "Price findings", true));
}

TEST_F(Summary, HotelRoomsInTimeOrder)
{
    currentData();
    auto roomCharge = [](qint64 amount, const char *room, const char *guest, const Waiter &w,
                         const QTime &time) {
        TTableEntry *e = pay({amount, 0, amount, 0, 4, "Room charge", false, 1}, w, time);
        e->setString("room", room);
        e->setInt("hotparty", 1);
        e->setString("hotelguest", guest);
        return e;
    };
    // room 204 is charged first, although "12_…" is the smaller key
    dir.write("var/archives/a4",
              tableBytes(32, 1, Maria, true,
                         {order(Wine, 2, Maria, QTime(20, 0)),
                          roomCharge(2350, "204", "Mr. Brown", Maria, QTime(21, 30))},
                         0, 58));
    dir.write("var/archives/a5",
              tableBytes(33, 2, Anna, true,
                         {order(Pizza, 2, Anna, QTime(20, 30)),
                          roomCharge(1880, "12", "Mrs. Green", Anna, QTime(22, 0)),
                          pay({500, 0, 500, 0, 1, "Cash", true, 1}, Anna, QTime(22, 1))},
                         0, 59));

    const QString rule(16, '-');
    const QStringList expected = header("Hotel rooms")
                                 + QStringList {
                                         "10.03.14 21:30:00  32/1 58",
                                         "  Maria-Luisa Ferrari    23.50 EUR",
                                         "  204 Mr. Brown",
                                         "10.03.14 22:00:00  33/2 59",
                                         "  Anna               18.80 EUR",
                                         "   12 Mrs. Green",
                                         rule,
                                         "Sum payments:                 42.30 EUR",
                                         rule,
                                         "",
                                 };
    EXPECT_LINES(expected, writer()->waiterReport(TSummary::HotelRooms, "Hotel rooms", true));
}

TEST_F(Summary, SumLinesRoundTheExactTotalOnce)
{
    // half a glass each: 1.665, 1.675 and 1.685, printed as 1.67, 1.68 and
    // 1.69, together 5.025
    const Article grappa {501, "Grappa", 333, 40, "Spirits", 2000, 3, "Wine & spirits"};
    const Article amaro {502, "Amaro", 335, 40, "Spirits", 2000, 3, "Wine & spirits"};
    const Article sambuca {503, "Sambuca", 337, 40, "Spirits", 2000, 3, "Wine & spirits"};
    QList<TTableEntry *> entries;
    for (const Article *a : {&grappa, &amaro, &sambuca}) {
        entries << order(*a, 0.5, Anna, QTime(22, 10));
        entries.last()->setBool("iscontrol", true);
    }
    entries << pay({503, 0, 503, 0, 1, "Cash", true, 1}, Anna, QTime(22, 30));
    dir.write("var/archives/a1", tableBytes(12, 1, Anna, true, entries));

    const QString rule(39, '-');
    const QStringList articles {
            "0.500 Grappa      501          1.67 EUR",
            "0.500 Amaro       502          1.68 EUR",
            "0.500 Sambuca     503          1.69 EUR",
            rule,
            "Sum articles:                  5.03 EUR",
            rule,
            "",
    };
    EXPECT_LINES(header("A") + articles, writer()->waiterReport(TSummary::Articles, "A", true));
    const QStringList hours {
            "22:00-22:59 (   2)             5.03 EUR",
            rule,
            "Amount                         5.03 EUR",
            rule,
            "",
    };
    EXPECT_LINES(header("A") + hours, writer()->waiterReport(TSummary::Hours, "A", true));
    const QStringList families {
            "1.500 Spirits     40           5.03 EUR",
            rule,
            "Sum families:                  5.03 EUR",
            rule,
            "",
    };
    EXPECT_LINES(header("A") + families, writer()->waiterReport(TSummary::Families, "A", true));

    const QStringList full = writer()->waiterReport(TSummary::WaiterSummary, "A", true);
    const QStringList control {
            "Control articles",
            "================",
            "501 Grappa (0.500): 1.67 EUR",
            "502 Amaro (0.500): 1.68 EUR",
            "503 Sambuca (0.500): 1.69 EUR",
            "  --------------",
            "Sum articles.............: 5.03 EUR",
    };
    EXPECT_LINES(control, full.mid(full.size() - control.size()));
}
