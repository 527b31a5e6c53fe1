#include "tdemoinstallation.h"
#include "testdir.h"
#include "tpaidtablesjournal.h"
#include "tsumfilter.h"
#include "tsumfilters.h"
#include "ttable.h"
#include "tworkspacelists.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

const QDate Day(2014, 3, 5);
const QDateTime Now(QDate(2014, 3, 6), QTime(9, 5, 7));

TTableEntry *entry(int id, int type, const QTime &time = QTime(19, 30))
{
    auto *e = new TTableEntry;
    e->setId(id);
    e->setType(type);
    e->setInt(QStringLiteral("waiter"), 4);
    e->setString(QStringLiteral("waitername"), QStringLiteral("Bernadette Longname"));
    e->setDate(QStringLiteral("date"), Day);
    e->setTime(QStringLiteral("time"), time);
    return e;
}

TTableEntry *order(int id, qint64 plu, const QString &article, qint64 price, double count)
{
    TTableEntry *e = entry(id, EntryOrder);
    e->setInt(QStringLiteral("plu"), plu);
    e->setString(QStringLiteral("article"), article);
    e->setInt(QStringLiteral("price"), price);
    e->setDouble(QStringLiteral("count"), count);
    return e;
}

TTableEntry *pay(int id, qint64 amount, const QString &form)
{
    TTableEntry *e = entry(id, EntryPay);
    e->setInt(QStringLiteral("amount"), amount);
    e->setString(QStringLiteral("payformname"), form);
    return e;
}

// Writes a paid table into "var/archives" (or a day folder) of `root`.
class TableWriter
{
public:
    TableWriter(long table, int party, long archive)
        : m_table(nullptr)
        , m_archive(archive)
    {
        m_table.setTable(table);
        m_table.setParty(party);
        m_table.setArchive(archive);
        m_table.setBillNum(archive + 1000);
        m_table.create().setInt(QStringLiteral("waiter"), 2);
        m_table.create().setString(QStringLiteral("waitername"), QStringLiteral("Carl"));
        m_table.create().setDate(QStringLiteral("date"), Day);
        m_table.create().setTime(QStringLiteral("time"), QTime(18, 0, 1));
    }
    TTable &table() { return m_table; }
    TableWriter &add(TTableEntry *e)
    {
        m_table.entries().insert(e);
        return *this;
    }
    void write(const TestDir &dir, const QDate &closedDay = QDate())
    {
        if (closedDay.isValid())
            m_table.create().setDate(QStringLiteral("date"), closedDay);
        const QString folder
                = closedDay.isValid()
                          ? closedDay.toString(QStringLiteral("'var/statist/tag'dd.MM.yyyy"))
                          : QStringLiteral("var/archives");
        QDir().mkpath(dir.file(folder));
        m_table.computeAmount();
        QByteArray bytes;
        m_table.write(bytes);
        dir.write(QStringLiteral("%1/a%2").arg(folder).arg(m_archive), bytes);
    }

private:
    TTable m_table;
    long m_archive;
};

class Journal : public ::testing::Test
{
protected:
    TListRows run(const TJournalRequest &request)
    {
        TWorkspaceLists lists(dir.path());
        TPaidTablesJournal journal(&lists, dir.path());
        return journal.run(request);
    }
    TJournalRequest request() const
    {
        TJournalRequest r;
        r.now = Now;
        return r;
    }
    TestDir dir;
};

TEST_F(Journal, TableLineEntriesRulesAndHeadings)
{
    TTableEntry *ordered = order(1, 101, QStringLiteral("Bruschetta al pomodoro"), 650, 2);
    TTableEntry *addOn = entry(1, EntryAddOn);
    addOn->setInt(QStringLiteral("price"), 50);
    ordered->children(true)->append(addOn);
    TTableEntry *voided = entry(2, EntryVoid);
    voided->setInt(QStringLiteral("plu"), 7);
    voided->setString(QStringLiteral("article"), QStringLiteral("Water"));
    voided->setInt(QStringLiteral("price"), 250);
    voided->setDouble(QStringLiteral("count"), 1.5);
    TTableEntry *change = entry(3, EntryChange);
    change->setInt(QStringLiteral("fromtable"), 12);
    change->setInt(QStringLiteral("fromparty"), 1);
    change->setInt(QStringLiteral("totable"), 14);
    change->setInt(QStringLiteral("toparty"), 2);
    TTableEntry *split = entry(4, EntrySplit);
    split->setDouble(QStringLiteral("count"), 1);
    split->setInt(QStringLiteral("plu"), 101);
    split->setInt(QStringLiteral("totable"), 15);
    split->setInt(QStringLiteral("toparty"), 1);
    split->setInt(QStringLiteral("amount"), 700);
    TTableEntry *taken = pay(6, 700, QStringLiteral("Mastercard"));
    taken->setBool(QStringLiteral("voided"), true);
    TTableEntry *room = pay(7, 700, QStringLiteral("Hotel room"));
    room->setString(QStringLiteral("room"), QStringLiteral("12"));
    room->setInt(QStringLiteral("hotparty"), 1);
    room->setString(QStringLiteral("hotelguest"), QStringLiteral("Mr. Smith"));
    TTableEntry *archived = entry(8, EntryArchive, QTime(21, 14, 3));
    // money taken out of the till, named with its reason
    TTableEntry *cash = entry(10, EntryCash);
    cash->setInt(QStringLiteral("amount"), -2000);
    cash->setString(QStringLiteral("reason"), QStringLiteral("Float"));
    TableWriter(14, 2, 31)
            .add(ordered)
            .add(voided)
            .add(change)
            .add(split)
            .add(pay(5, 700, QStringLiteral("Cash and more")))
            .add(taken)
            .add(room)
            .add(archived)
            .add(entry(9, 9))
            .add(cash)
            .add(entry(11, EntryRestore))
            .write(dir);

    TJournalRequest r = request();
    r.showArch = true;
    const QString text = listRowsText(run(r));

    const QString dashes = QStringLiteral("  ") + QString(40, QLatin1Char('-'));
    const QStringList expected {
            QStringLiteral("21:14:03 05.03.14   4 Bernadette L    14/2    Arch    31"),
            QStringLiteral("     14.00    "),
            QStringLiteral("  2.000   Bruschetta al p ( 101)     7.00    "),
            QStringLiteral("  Void: 1.5 Water           (   7) 2.50    "),
            QStringLiteral("  Change from    12/1 to    14/2 (  4)"),
            QStringLiteral("  Split: 1 x 101 to 15/1 (7.00    )"),
            dashes,
            QStringLiteral("  Bernadette Long Cash and        7.00    "),
            dashes,
            QStringLiteral("  Bernadette Long Hotel roo       7.00    "),
            QStringLiteral("  Room:   12/1  Mr. Smith"),
            QStringLiteral("  Archived: 4 (Bernadette Long)"),
            QStringLiteral("  Cash out:     -20.00     (Float)"),
            QStringLiteral("  Restored: 4 (Bernadette Long)"),
            QString(40, QLatin1Char('=')),
            QStringLiteral("Report from 6.3.2014 at 09:05:07"),
            QStringLiteral("List of paid tables"),
    };
    EXPECT_EQ(expected.join(QLatin1Char('\n')) + QLatin1Char('\n'), text);
}

TEST_F(Journal, BillAndArchiveNumbersOnRequestCreationRecordWithoutArchiving)
{
    TableWriter(3, 1, 8).write(dir);

    TJournalRequest r = request();
    r.showBill = true;
    EXPECT_EQ(QStringLiteral("18:00:01 05.03.14   2         Carl     3/1    Bill 1008 \r\n"
                             "      0.00    "),
              run(r).value(0).text());
    r.showBill = false;
    r.showArch = true;
    EXPECT_EQ(QStringLiteral("18:00:01 05.03.14   2         Carl     3/1    Arch     8\r\n"
                             "      0.00    "),
              run(r).value(0).text());
}

TEST_F(Journal, TablesInClosingOrderOneOfTwoWithTheSameKey)
{
    TableWriter(1, 1, 1).add(entry(1, EntryArchive, QTime(22, 0))).write(dir);
    TableWriter(2, 1, 2).add(entry(1, EntryArchive, QTime(20, 0))).write(dir);
    TableWriter(3, 1, 3).add(entry(1, EntryArchive, QTime(21, 0))).write(dir);

    const TListRows rows = run(request());
    const QRegularExpression tableParty(QStringLiteral(" (\\d+/\\d+) "));
    QStringList tables;
    for (const TListRow &row : rows) {
        const QRegularExpressionMatch match = tableParty.match(row.text());
        if (match.hasMatch())
            tables << match.captured(1);
    }
    EXPECT_EQ((QStringList {QStringLiteral("2/1"), QStringLiteral("3/1"), QStringLiteral("1/1")}),
              tables);
}

TEST_F(Journal, FilterKeepsTablesAndEntriesThatPass)
{
    TableWriter(1, 1, 1).add(order(1, 101, QStringLiteral("Soup"), 400, 1)).write(dir);
    TableWriter(2, 1, 2)
            .add(order(1, 101, QStringLiteral("Soup"), 400, 1))
            .add(order(2, 202, QStringLiteral("Wine"), 900, 1))
            .write(dir);
    TSumFilters filters;
    auto *filter = new TSumFilter;
    filter->setId(3);
    filter->setName(QStringLiteral("Table 2, wine"));
    filter->setTables(QStringLiteral("0:table:=:2"));
    filter->setEntries(QStringLiteral("3:plu:=:202"));
    filters.insert(filter);
    QDir().mkpath(dir.file(QStringLiteral("usr/data")));
    filters.save(dir.path().toLocal8Bit().constData());

    TJournalRequest r = request();
    r.filter = 3;
    const TListRows rows = run(r);
    ASSERT_EQ(4, rows.size()); // the table, "=", report line, heading
    ASSERT_EQ(1, rows.at(0).children.size());
    EXPECT_TRUE(rows.at(0).children.at(0).text().contains(QStringLiteral("Wine")));
}

TEST_F(Journal, RangeWalksTheClosedDaysSingleDayWithoutToDate)
{
    const QDate next = Day.addDays(1);
    TableWriter(1, 1, 1).write(dir, Day);
    TableWriter(2, 1, 1).write(dir, next);
    TableWriter(9, 1, 9).write(dir); // current day: not in a range

    TJournalRequest r = request();
    r.from = Day;
    r.to = next;
    TListRows rows = run(r);
    EXPECT_EQ(4, rows.size());
    EXPECT_EQ(QStringLiteral("List of paid tables Range (5.3.2014) - (6.3.2014)"),
              rows.last().text());

    r.to = QDate();
    rows = run(r);
    EXPECT_EQ(3, rows.size());
    EXPECT_EQ(QStringLiteral("List of paid tables Range (5.3.2014)"), rows.last().text());

    r.from = Day.addDays(-3);
    r.to = Day.addDays(-1);
    EXPECT_EQ(QStringLiteral("No table list available\n"), listRowsText(run(r)));
}

// A range handed on table by table comes out of a temporary file a day at a
// time: the days are merged by closing time, not simply put one after the
// other, and of two tables with one key the first day's stays.
TEST_F(Journal, RangeHandedOnTableByTableIsTheListInClosingOrder)
{
    const QDate next = Day.addDays(1);
    const QDate third = Day.addDays(2);
    // every closing record is dated `Day`: the clock of the later days was
    // set back
    TableWriter(1, 1, 1).add(entry(1, EntryArchive, QTime(22, 0))).write(dir, Day);
    TableWriter(2, 1, 2).add(entry(1, EntryArchive, QTime(19, 0))).write(dir, Day);
    TableWriter(5, 1, 7).add(entry(1, EntryArchive, QTime(21, 0))).write(dir, Day);
    TableWriter(3, 1, 3).add(entry(1, EntryArchive, QTime(20, 0))).write(dir, next);
    TableWriter(6, 1, 7).add(entry(1, EntryArchive, QTime(21, 0))).write(dir, next);
    TableWriter(4, 1, 4).add(entry(1, EntryArchive, QTime(18, 0))).write(dir, third);

    TJournalRequest r = request();
    r.from = Day;
    r.to = third;
    TWorkspaceLists lists(dir.path());
    TPaidTablesJournal journal(&lists, dir.path());
    QList<int> steps;
    journal.setProgress([&](int step, int count) {
        EXPECT_EQ(6, count);
        steps << step;
    });
    TListRows handed;
    int calls = 0;
    ASSERT_TRUE(journal.run(r, [&](const TListRows &rows) {
        handed += rows;
        ++calls;
    }));
    EXPECT_EQ((QList<int> {1, 2, 3, 4, 5, 6}), steps);
    EXPECT_EQ(6, calls); // five tables, then the last two lines
    const QRegularExpression tableParty(QStringLiteral(" (\\d+/\\d+) "));
    QStringList tables;
    for (const TListRow &row : std::as_const(handed)) {
        const QRegularExpressionMatch match = tableParty.match(row.text());
        if (match.hasMatch())
            tables << match.captured(1);
    }
    EXPECT_EQ((QStringList {QStringLiteral("4/1"), QStringLiteral("2/1"), QStringLiteral("3/1"),
                            QStringLiteral("5/1"), QStringLiteral("1/1")}),
              tables);
    EXPECT_EQ(listRowsText(run(r)), listRowsText(handed));

    // stopped while walking: nothing is handed on
    journal.setProgress([&](int step, int) {
        if (step == 4)
            journal.setStopped();
    });
    calls = 0;
    EXPECT_FALSE(journal.run(r, [&](const TListRows &) { ++calls; }));
    EXPECT_EQ(0, calls);
}

TEST_F(Journal, StoppedFromTheProgressGivesNothing)
{
    for (long n = 1; n <= 3; ++n)
        TableWriter(n, 1, n).write(dir);
    TWorkspaceLists lists(dir.path());
    TPaidTablesJournal journal(&lists, dir.path());
    int steps = 0;
    journal.setProgress([&](int, int) {
        if (++steps == 2)
            journal.setStopped();
    });
    EXPECT_TRUE(journal.run(request()).isEmpty());
    EXPECT_TRUE(journal.isStopped());
    EXPECT_EQ(2, steps);
    // the next run starts afresh
    journal.setProgress({});
    EXPECT_EQ(5, journal.run(request()).size());
    EXPECT_FALSE(journal.isStopped());
}

TEST_F(Journal, NoPaidTablesNoTableList)
{
    EXPECT_EQ(QStringLiteral("No table list available\n"), listRowsText(run(request())));
}

TEST(JournalOverDemo, AmountsInTheSystemCurrencyWithItsShortName)
{
    QLocale::setDefault(QLocale(QLocale::English));
    TestDir dir;
    TDemoOptions options;
    options.days = 1;
    options.tables = 6;
    options.today = QDate(2026, 12, 5);
    TDemoInstallation(options).write(dir.path());

    TWorkspaceLists lists(dir.path());
    TPaidTablesJournal journal(&lists, dir.path());
    int steps = 0;
    journal.setProgress([&](int step, int count) {
        EXPECT_LE(step, count);
        ++steps;
    });
    TJournalRequest request;
    request.now = Now;
    const TListRows rows = journal.run(request);

    EXPECT_GT(steps, 0);
    EXPECT_EQ(QStringLiteral("List of paid tables (EUR)"), rows.last().text());
    EXPECT_EQ(QStringLiteral("EUR"), journal.currencyField());
    EXPECT_EQ(QStringLiteral("12,50"), journal.price(1250));
    EXPECT_TRUE(rows.first().text().endsWith(QStringLiteral(" EUR")));
}

} // namespace
