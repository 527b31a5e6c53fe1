#include "tsummary.h"
#include "tsummarytext.h"

#include "golden.h"
#include "tcounter.h"
#include "tcurrencies.h"
#include "tdepartments.h"
#include "testdir.h"
#include "tinstallation.h"
#include "tlinetext.h"
#include "trepdata.h"
#include "treport.h"
#include "tsettings.h"
#include "tsummaryexport.h"
#include "ttable.h"

#include <QJsonDocument>
#include <QLocale>
#include <QRegularExpression>

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

    TestDir dir;
    TCurrencies currencies;
    std::unique_ptr<TReport> report;
};

} // namespace

// The reference texts are in tests/data/golden/summary/.

TEST_F(Summary, FullSummaryOverAllWaiters)
{
    currentData();
    EXPECT_GOLDEN("summary/all-waiters.txt",
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
    EXPECT_GOLDEN("summary/each-waiter.txt", lines);
}

TEST_F(Summary, ItemReportsOverAllWaiters)
{
    currentData();
    const std::pair<int, const char *> reports[] = {
            {TSummary::Articles, "articles"}, {TSummary::Families, "families"},
            {TSummary::Tables, "tables"},     {TSummary::Hours, "hours"},
            {TSummary::Orders, "orders"},     {TSummary::VoidEntries, "void-entries"},
    };
    for (const auto &r : reports) {
        SCOPED_TRACE(r.second);
        EXPECT_GOLDEN(QStringLiteral("summary/%1.txt").arg(QLatin1String(r.second)),
                      writer()->waiterReport(r.first, "Report", true));
    }
    EXPECT_TRUE(writer()->waiterReport(15, "Report", true).isEmpty());
}

// The table report's dates and times are what Qt writes for "dd.MM.yy"
// and "hh:mm:ss", invalid ones empty (a time's field then blank).
TEST(SummaryText, DatesAndTimesAsQtWritesThem)
{
    for (const QDate &d :
         {QDate(2026, 12, 5), QDate(2000, 1, 1), QDate(1999, 12, 31), QDate(1, 1, 9),
          QDate(905, 7, 4), QDate(9999, 12, 31), QDate(-44, 3, 15), QDate(10000, 1, 1), QDate()})
        EXPECT_EQ(d.toString(QStringLiteral("dd.MM.yy")), SummaryText::dayText(d))
                << qPrintable(d.toString(Qt::ISODate));
    for (const QTime &t : {QTime(0, 0), QTime(9, 5, 7), QTime(23, 59, 59, 999), QTime()}) {
        TLineText line;
        line.appendTimeRight(t);
        EXPECT_EQ(t.toString(QStringLiteral("hh:mm:ss")).rightJustified(8), line.text());
    }
}

// A pay form's name with the characters that separate a table's pays
// prints as the table report always read it: cut at them.
TEST_F(Summary, TablesWithPayFormNamesThatSeparatePays)
{
    dir.write("var/archives/a1", tableBytes(9, 4, Carla, true,
                                            {order(Pizza, 1, Carla, QTime(20, 15)),
                                             pay({850, 0, 850, 0, 2, "Card: Visa;Gold", true, 1},
                                                 Carla, QTime(22, 0))}));
    const QStringList lines = writer()->waiterReport(TSummary::Tables, "Report", true);
    const QStringList expected = {"10.03.14 22:00:00      9/004     8.50 EUR",
                                  "         Card:(Tip     0.00)     0.00 EUR",
                                  "         Gold:(Tip     0.00)     8.50 EUR"};
    const qsizetype at = lines.indexOf(expected.first());
    ASSERT_GE(at, 0) << qPrintable(lines.join('\n'));
    EXPECT_EQ(expected, lines.mid(at, 3));
}

TEST_F(Summary, NoPrintSwitchRemovesOneLineAndCaptionsReplaceDefaults)
{
    currentData();
    ini("[NoPrint]\r\nnopaidtables = yes\r\nnoheader = yes\r\n"
        "[reports]\r\nvoids = Cancellations\r\nheaderactual = Shift of %1 (%2.%3.)\r\n"
        "waiters = Waiter %1: %2\r\n");
    EXPECT_GOLDEN("summary/noprint-and-captions.txt",
                  writer()->waiterReport(TSummary::WaiterSummary, "All", true));

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
    EXPECT_GOLDEN("summary/fillto-5.txt", s->waiterReport(TSummary::WaiterSummary, "All", true));
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
    EXPECT_GOLDEN("summary/header-turnover-waiter.txt", s->headerLines("T"));
}

TEST_F(Summary, PeriodsOfSevenOverTenDays)
{
    closedDay(QDate(2014, 3, 3), 10, 1);
    closedDay(QDate(2014, 3, 9), 11, 2);
    auto s = writer();
    s->setRange(QDate(2014, 3, 1), Day);
    s->setPeriod(7);
    EXPECT_GOLDEN("summary/periods-of-seven.txt",
                  s->waiterReport(TSummary::Articles, "Articles", true));
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
    EXPECT_GOLDEN("summary/articles-per-center.txt",
                  writer()->centerReport(TSummary::Articles, "Articles per cost center"));
}

TEST_F(Summary, LayoutFileLaysOutTheItemLines)
{
    currentData();
    dir.write("etc/layout/sumfamilies.cfg", "{count@f5.2} {name@a13}{countsum@p@a-9}\n");
    EXPECT_GOLDEN("summary/families-layout.txt",
                  writer()->waiterReport(TSummary::Families, "Families", true));
}

// An article sold at two prices has a line per price: the article layout
// can show the price and mark the article that has lines at other prices.
TEST_F(Summary, ArticleLayoutShowsThePriceOfEachLine)
{
    Article happyHour = Pizza;
    happyHour.price = 600;
    dir.write("var/archives/a1",
              tableBytes(12, 1, Anna, true,
                         {order(Pizza, 2, Anna, QTime(18, 45)), order(Cola, 3, Anna, QTime(19, 5)),
                          order(happyHour, 1, Anna, QTime(17, 30)),
                          pay({2600, 0, 2600, 0, 1, "Cash", true, 2}, Anna, QTime(20, 10))}));
    dir.write("etc/layout/sumarticles.cfg",
              "{counttext@a-5} {name@a20} {number@a-4} {price@p@a-6}{!severalprices} *{/if}\n");
    const QStringList lines = writer()->waiterReport(TSummary::Articles, "Articles", true);
    const QStringList items = lines.filter(QRegularExpression(QStringLiteral("^ +\\d+ ")));
    EXPECT_EQ((QStringList {QStringLiteral("    1 Pizza Margherita      101   6.00 *"),
                            QStringLiteral("    2 Pizza Margherita      101   8.50 *"),
                            QStringLiteral("    3 Cola                  201   3.00")}),
              items)
            << lines.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Summary, AnEmptyBodyKeepsTheHeader)
{
    EXPECT_GOLDEN("summary/empty-waiters.txt",
                  writer()->waiterReport(TSummary::WaiterSummary, "All", true));
    EXPECT_GOLDEN("summary/empty-centers.txt",
                  writer()->centerReport(TSummary::Articles, "Articles"));
}

TEST_F(Summary, ShortTextNoCurrencyDebugAndShortForm)
{
    currentData();
    ini("[Settings]\r\nuseshorttext = yes\r\nnocurrency = yes\r\n"
        "[reports]\r\ndebug = yes\r\nshortform = yes\r\n");
    EXPECT_GOLDEN("summary/short-articles.txt",
                  writer()->waiterReport(TSummary::Articles, "A", true));
    EXPECT_GOLDEN("summary/short-debug-all.txt",
                  writer()->waiterReport(TSummary::WaiterSummary, "A", true));
}

TEST_F(Summary, MinimalReport)
{
    currentData();
    EXPECT_GOLDEN("summary/minimal.txt", writer()->waiterReport(TSummary::Minimal, "Report", true));
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
    // cash in 1, 2, ... 10, 11 and the balancing of waiter 1 three to eleven
    EXPECT_GOLDEN("summary/cash-and-balancing.txt",
                  writer()->waiterReport(TSummary::WaiterSummary, "All", true));
}

TEST_F(Summary, FullSummaryPerCostCenter)
{
    currentData();
    // cost center 0: the morning table without cost center and the open
    // table
    EXPECT_GOLDEN("summary/cost-centers.txt",
                  writer()->centerReport(TSummary::CenterSummary, "Cost centers"));
}

TEST_F(Summary, VoidedArticles)
{
    currentData();
    dir.write("var/archives/a4", tableBytes(9, 1, Carla, true,
                                            {voided(Pizza, 2, Carla, QTime(21, 10), ""),
                                             voided(Wine, 0.5, Carla, QTime(21, 12), "Corked")}));
    EXPECT_GOLDEN("summary/voids.txt", writer()->waiterReport(TSummary::Voids, "Voids", true));
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

    EXPECT_GOLDEN("summary/family-groups.txt",
                  writer()->waiterReport(TSummary::FamGroups, "Family groups", true));
    EXPECT_GOLDEN("summary/departments.txt",
                  writer()->waiterReport(TSummary::Departments, "Departments", true));
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

    EXPECT_GOLDEN("summary/discounts.txt",
                  writer()->waiterReport(TSummary::Discounts, "Discounts", true));
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

    EXPECT_GOLDEN("summary/price-findings.txt",
                  writer()->waiterReport(TSummary::PriceFindings, "Price findings", true));
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

    EXPECT_GOLDEN("summary/hotel-rooms.txt",
                  writer()->waiterReport(TSummary::HotelRooms, "Hotel rooms", true));
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

    for (const auto &[kind, name] :
         {std::pair {TSummary::Articles, "articles"}, std::pair {TSummary::Hours, "hours"},
          std::pair {TSummary::Families, "families"}, std::pair {TSummary::WaiterSummary, "all"}}) {
        SCOPED_TRACE(name);
        EXPECT_GOLDEN(QStringLiteral("summary/rounded-once-%1.txt").arg(QLatin1String(name)),
                      writer()->waiterReport(kind, "A", true));
    }
}

// A printed report fills only what its lines read; every report must print
// what groups filled with everything print (a groups sink reads everything).
// The waiters whose only records are a cash record, a void, or an order of a
// table nobody paid yet still get their sections where the full summary
// gives them.
TEST_F(Summary, EveryReportPrintsTheSameFromTheNodesItReads)
{
    currentData();
    const Waiter bruno {2, "Bruno"};
    const Waiter dora {4, "Dora"};
    const Waiter emil {6, "Emil"};
    dir.write("var/archives/a4",
              tableBytes(30, 1, bruno, true, {cash(2000, "Float", bruno, QTime(8, 0))}));
    dir.write("var/archives/a5",
              tableBytes(31, 1, dora, true, {voided(Wine, 1, dora, QTime(12, 0), "Corked")}));
    dir.write("var/archives/a6",
              tableBytes(32, 1, emil, true, {order(Cola, 1, emil, QTime(13, 0))}));

    const auto print = [this](int code, bool centers, bool overAll, bool everything) {
        auto s = writer();
        if (everything)
            s->setGroupsSink([](const QDate &, const QDate &, const TRepDatas &) {});
        return centers ? s->centerReport(code, "Report") : s->waiterReport(code, "Report", overAll);
    };
    // with and without the article lists of the full summary
    for (const char *settings : {"", "[NoPrint]\nnocontrolarts=1\nnonegcounts=1\n"})
        for (int code = TSummary::Articles; code <= TSummary::HotelRooms; ++code) {
            ini(settings);
            for (const auto &[centers, overAll] :
                 {std::pair(false, false), std::pair(false, true), std::pair(true, false)}) {
                SCOPED_TRACE(QStringLiteral("%4code %1, centers %2, over all %3")
                                     .arg(code)
                                     .arg(centers)
                                     .arg(overAll)
                                     .arg(QLatin1String(settings))
                                     .toStdString());
                const QStringList lines = print(code, centers, overAll, false);
                EXPECT_EQ(print(code, centers, overAll, true), lines);
                if (code == TSummary::WaiterSummary && !centers && !overAll) {
                    const QString text = lines.join('\n');
                    for (const char *section :
                         {"Waiter #2 - Bruno", "Waiter #4 - Dora", "Waiter #6 - Emil"})
                        EXPECT_TRUE(text.contains(QLatin1String(section))) << section;
                }
            }
        }
}

// The data document of a report (JSON, CSV, charts) comes from the nodes
// its lines read: made from groups filled for the lines alone, it is the
// document made from groups filled with everything.
TEST_F(Summary, TheDataOfAReportNeedNoMoreThanItsLines)
{
    currentData();
    const Waiter bruno {2, "Bruno"};
    dir.write("var/archives/a4",
              tableBytes(30, 1, bruno, true, {cash(2000, "Float", bruno, QTime(8, 0))}));
    const auto document = [this](int code, bool centers, bool overAll, bool printedOnly) {
        auto s = writer();
        TSummaryExport exporter(*s);
        exporter.beginSection(1, "Report", code,
                              centers   ? TSummaryExport::PerCenter
                              : overAll ? TSummaryExport::AllGroups
                                        : TSummaryExport::PerWaiter);
        s->setGroupsSink(
                [&exporter](const QDate &from, const QDate &to, const TRepDatas &groups) {
                    exporter.addPeriod(from, to, groups);
                },
                exporter.readsRecords(code), exporter.readsCashRecords(code), printedOnly);
        if (centers)
            s->centerReport(code, "Report");
        else
            s->waiterReport(code, "Report", overAll);
        return QJsonDocument(exporter.document(1, "Report")).toJson();
    };
    int withItems = 0;
    for (int code = TSummary::Articles; code <= TSummary::HotelRooms; ++code) {
        const TRepScope scope = TSummary::scopeOf(code, TRepScope::AllGroups);
        for (const QString &node : TSummaryExport::nodesOf(code))
            EXPECT_TRUE(scope.walks(node)) << code << " " << node.toStdString();
        for (const auto &[centers, overAll] :
             {std::pair(false, false), std::pair(false, true), std::pair(true, false)}) {
            SCOPED_TRACE(testing::Message()
                         << "code " << code << " centers " << centers << " over all " << overAll);
            const QByteArray full = document(code, centers, overAll, false);
            withItems += full.contains("\"items\"") ? 1 : 0;
            EXPECT_EQ(full, document(code, centers, overAll, true));
        }
    }
    // most reports of the day have groups to compare
    EXPECT_GE(withItems, 20);
}
