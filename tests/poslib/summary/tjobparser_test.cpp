#include "logcapture.h"
#include "tcurrencies.h"
#include "testdir.h"
#include "tjobparser.h"
#include "tlog.h"
#include "tsumparser.h"
#include "ttable.h"
#include "ttableentry.h"

#include <gtest/gtest.h>

#include <QTextStream>

#include <ostream>

// (QString values print through the shared printer of testdir.h.)

using PosLib::TCurrencies;
using PosLib::TCurrency;
using PosLib::TJobParser;
using PosLib::TSumParser;

namespace {

void addCurrency(TCurrencies &list, int id, const QString &shortname, double rate,
                 const QString &decchar)
{
    auto *c = static_cast<TCurrency *>(list.newValue());
    c->setId(id);
    c->setName(shortname + QStringLiteral(" money"));
    c->setShortname(shortname);
    c->setRate(rate);
    c->setDecpos(2);
    c->setDecchar(decchar);
    list.insert(c);
}

class JobParser : public ::testing::Test
{
protected:
    void layout(const QString &name, const QByteArray &text) const
    {
        dir.write(QStringLiteral("etc/layout/") + name, text);
    }
    // Runs a layout made of `text` and returns what it wrote.
    QString render(TJobParser &parser, const QByteArray &text) const
    {
        layout(QStringLiteral("test.cfg"), text);
        QString result;
        QTextStream out(&result);
        parser.run(out, QStringLiteral("test.cfg"));
        out.flush();
        return result;
    }
    void setItem(TJobParser &parser) const
    {
        parser.setString(QStringLiteral("name"), QStringLiteral("Cola"));
        parser.setDouble(QStringLiteral("count"), 2.0);
        parser.setDouble(QStringLiteral("countsum"), 1234.0);
        parser.setString(QStringLiteral("limit"), QStringLiteral("5"));
    }

    TestDir dir;
};

} // namespace

TEST_F(JobParser, ConditionsTrueFalseAndNested)
{
    TJobParser parser(nullptr, dir.path());
    setItem(parser);
    EXPECT_EQ(QStringLiteral("has Cola||y\n"),
              render(parser, "{!name}has {name}{/if}|{!missing}no{/if}|"
                             "{!name}{!missing}x{/if}y{/if}\n"));
    // lines of conditions only vanish; the inner "/if" of a false branch
    // does not end it
    EXPECT_EQ(QStringLiteral("A\nD\n"),
              render(parser, "A\n{!missing}\nB\n  {!name}\nC\n{/if}\n{/if}\nD\n"));
    // a line that wrote text before its condition turned false keeps its end
    EXPECT_EQ(QStringLiteral("head\ntail\n"),
              render(parser, "head{!missing}\nhidden\n{/if}tail\n"));
}

TEST_F(JobParser, ComparisonsAreNumeric)
{
    TJobParser parser(nullptr, dir.path());
    setItem(parser);
    EXPECT_EQ(QStringLiteral("ne eq ge le lt gt \n"),
              render(parser, "{<>count@3}ne {/if}{<>count@2}NE {/if}"
                             "{==count@2.0}eq {/if}{==count@3}EQ {/if}"
                             "{>=count@2}ge {/if}{>=count@3}GE {/if}"
                             "{<=count@2}le {/if}{<=count@1}LE {/if}"
                             "{<count@limit}lt {/if}{<count@2}LT {/if}"
                             "{>countsum@999}gt {/if}{>count@2}GT {/if}\n"));
    // text compares as 0
    EXPECT_EQ(QStringLiteral("zero\n"), render(parser, "{==name@0}zero{/if}\n"));
}

TEST_F(JobParser, ArithmeticOnTwoOperands)
{
    TJobParser parser(nullptr, dir.path());
    setItem(parser);
    EXPECT_EQ(QStringLiteral("4"), parser.resolve(QStringLiteral("+count,2")));
    EXPECT_EQ(QStringLiteral("1.5"), parser.resolve(QStringLiteral("-count,0.5")));
    EXPECT_EQ(QStringLiteral("2468"), parser.resolve(QStringLiteral("*countsum,count")));
    EXPECT_EQ(QStringLiteral("0.666667"), parser.resolve(QStringLiteral("/count,3")));
    EXPECT_EQ(QStringLiteral("0"), parser.resolve(QStringLiteral("/count,0")));
    EXPECT_EQ(QStringLiteral("1.23462e+06"), parser.resolve(QStringLiteral("*countsum,1000.5")));
    EXPECT_EQ(QStringLiteral("  4.00"), parser.resolve(QStringLiteral("+count,2@f6.2")));
}

TEST_F(JobParser, FormatCodes)
{
    TJobParser parser(nullptr, dir.path());
    const QString cola = QStringLiteral("Cola");
    EXPECT_EQ(QStringLiteral("Cola                "), parser.format(cola, QStringLiteral("a20")));
    EXPECT_EQ(QStringLiteral("    Cola"), parser.format(cola, QStringLiteral("a-8")));
    EXPECT_EQ(QStringLiteral("****Cola"), parser.format(cola, QStringLiteral("a-8.*")));
    EXPECT_EQ(QStringLiteral("Col"), parser.format(cola, QStringLiteral("A-3")));
    EXPECT_EQ(QStringLiteral("      "), parser.format(QString(), QStringLiteral("a6")));
    EXPECT_EQ(QStringLiteral("    3.14"),
              parser.format(QStringLiteral("3.14159"), QStringLiteral("f8.2")));
    EXPECT_EQ(QStringLiteral("1.500"), parser.format(QStringLiteral("1.5"), QStringLiteral("w")));
    EXPECT_EQ(QStringLiteral(" 1.5"),
              parser.format(QStringLiteral("1,5"), QStringLiteral("i@f4.1")));
    EXPECT_EQ(QStringLiteral("05.03.24"),
              parser.format(QStringLiteral("2024-03-05"), QStringLiteral("d")));
    EXPECT_EQ(QStringLiteral("01.01.03"),
              parser.format(QStringLiteral("20.03.2024"), QStringLiteral("j")));
    EXPECT_EQ(QStringLiteral("07:08"),
              parser.format(QStringLiteral("07:08:09"), QStringLiteral("t")));
    EXPECT_EQ(QStringLiteral("cde"),
              parser.format(QStringLiteral("abcdefg"), QStringLiteral("s2,3")));
    EXPECT_EQ(QStringLiteral("cdefg"),
              parser.format(QStringLiteral("abcdefg"), QStringLiteral("s2")));
    EXPECT_EQ(QStringLiteral("a|b|c"), parser.format(QStringLiteral("a b c"), QStringLiteral("n")));
    EXPECT_EQ(QStringLiteral("1230"), parser.format(QStringLiteral("12:30"), QStringLiteral("u")));
    EXPECT_EQ(QStringLiteral("COLA"), parser.format(cola, QStringLiteral("x")));
    // plain cents without a currency list; empty stays empty
    EXPECT_EQ(QStringLiteral("1235"), parser.format(QStringLiteral("1234.5"), QStringLiteral("p")));
    EXPECT_EQ(QString(), parser.format(QString(), QStringLiteral("p")));
    // unknown codes and bad parameters keep the text
    EXPECT_EQ(cola, parser.format(cola, QStringLiteral("z9")));
    EXPECT_EQ(cola, parser.format(cola, QStringLiteral("ax")));
    EXPECT_EQ(cola, parser.format(cola, QStringLiteral("d")));
}

TEST_F(JobParser, MoneyThroughTheCurrencyList)
{
    TCurrencies currencies;
    addCurrency(currencies, 1, QStringLiteral("EUR"), 1.0, QStringLiteral(","));
    addCurrency(currencies, 2, QStringLiteral("USD"), 2.0, QStringLiteral("."));
    TJobParser parser(&currencies, dir.path());
    setItem(parser);
    EXPECT_EQ(1, parser.systemCurrencyId());
    EXPECT_EQ(QStringLiteral("12,34"), parser.format(QStringLiteral("1234"), QStringLiteral("p")));
    EXPECT_EQ(QStringLiteral("12,35"),
              parser.format(QStringLiteral("1234.5"), QStringLiteral("p")));
    EXPECT_EQ(QStringLiteral("-0,05"), parser.format(QStringLiteral("-5"), QStringLiteral("p")));
    EXPECT_EQ(QStringLiteral("2,50"),
              parser.format(QStringLiteral("100,250"), QStringLiteral("m1")));
    // a selected currency converts the amounts that follow, for this run only
    EXPECT_EQ(QStringLiteral("12,34 EUR|USD 24.68 USD money|EUR\n"),
              render(parser, "{countsum@p} {currshort}|{currency::2} {countsum@p} {currname}|"
                             "{currshort::1}\n"));
    EXPECT_EQ(QStringLiteral("12,34\n"), render(parser, "{countsum@p}\n"));
}

TEST_F(JobParser, AliasesFromTheLayoutSettings)
{
    dir.write(QStringLiteral("etc/layout.ini"),
              "[vars]\nartikel = name\nmax = limit\nmenge = count\n");
    TJobParser parser(nullptr, dir.path());
    setItem(parser);
    EXPECT_EQ(QStringLiteral("  Cola|small|3\n"),
              render(parser, "{artikel@a-6}|{<menge@max}small{/if}|{+menge,1}\n"));
}

TEST_F(JobParser, MissingLayoutIsLoggedAndWritesNothing)
{
    LogCapture log;
    TJobParser parser(nullptr, dir.path());
    QString result;
    QTextStream out(&result);
    EXPECT_FALSE(parser.run(out, QStringLiteral("none.cfg")));
    out.flush();
    EXPECT_TRUE(result.isEmpty());
    const QString entry = QStringLiteral("Missing layout file ") + dir.path()
                          + QStringLiteral("etc/layout/none.cfg");
    ASSERT_EQ(1, log.lines.filter(entry).size()) << log.lines.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(log.lines.filter(entry).first().contains(QLatin1String("TJobParser")));
    EXPECT_EQ(int(Basics::TLog::Warning),
              log.levels.at(log.lines.indexOf(log.lines.filter(entry).first())));
}

TEST_F(JobParser, UnknownGroupIsLoggedAndEmpty)
{
    TJobParser parser(nullptr, dir.path());
    LogCapture log;
    EXPECT_EQ(QStringLiteral("<>|<>\n"), render(parser, "<{foo::bar}>|<{unset}>\n"));
    EXPECT_TRUE(log.contains(QStringLiteral("Unknown group foo")));
    // a plain name without a value is just empty
    EXPECT_FALSE(log.contains(QStringLiteral("Unknown group unset")));
}

TEST_F(JobParser, FileIncludesAnotherLayout)
{
    TJobParser parser(nullptr, dir.path());
    setItem(parser);
    layout(QStringLiteral("part.cfg"), "part {name}\n");
    dir.write(QStringLiteral("receipts/other.cfg"), "other {count}\n");
    EXPECT_EQ(QStringLiteral("head\npart Cola\nother 2\ntail\n"),
              render(parser, "head\n{file::part.cfg}\n{file::other.cfg,receipts}\ntail\n"));

    // a layout that includes itself stops at the depth limit
    LogCapture log;
    layout(QStringLiteral("loop.cfg"), "x{file::loop.cfg}\n");
    QString result;
    QTextStream out(&result);
    EXPECT_TRUE(parser.run(out, QStringLiteral("loop.cfg")));
    out.flush();
    EXPECT_EQ(QString(TJobParser::MaxDepth, QLatin1Char('x')) + QLatin1Char('\n'), result);
    EXPECT_TRUE(log.contains(QStringLiteral("too deep")));
}

TEST_F(JobParser, UnbalancedBracesAreCopiedUnchanged)
{
    TJobParser parser(nullptr, dir.path());
    setItem(parser);
    EXPECT_EQ(QStringLiteral("a {name b\nc } {name}\n{a{name}}\nplain\nd Cola e\n"),
              render(parser, "a {name b\nc } {name}\n{a{name}}\nplain\nd {name} e\n"));
}

TEST_F(JobParser, DateTimeAndLinefeed)
{
    TJobParser parser(nullptr, dir.path());
    parser.setNow(QDateTime(QDate(2024, 3, 20), QTime(7, 8, 9)));
    EXPECT_EQ(QStringLiteral("20.03.24|07:08:09|01.01.03|07:08\n"),
              render(parser, "{date}|{time}|{jaldate}|{time@t}\n"));
    EXPECT_EQ(QStringLiteral("a\n\nb\n"), render(parser, "a{linefeed::2}b\n"));
}

TEST(Jalali, KnownDates)
{
    const struct
    {
        QDate date;
        int year, month, day;
    } cases[] = {
            {QDate(2023, 3, 21), 1402, 1, 1},    {QDate(2024, 3, 20), 1403, 1, 1},
            {QDate(2025, 3, 20), 1403, 12, 30}, // 1403 is a leap year
            {QDate(2025, 3, 21), 1404, 1, 1},    {QDate(2000, 1, 1), 1378, 10, 11},
            {QDate(2024, 12, 31), 1403, 10, 11}, {QDate(1979, 2, 11), 1357, 11, 22},
            {QDate(2024, 9, 22), 1403, 7, 1}, // first 30-day month
    };
    for (const auto &c : cases) {
        int y = 0, m = 0, d = 0;
        TJobParser::toJalali(c.date, y, m, d);
        EXPECT_EQ(c.year, y) << c.date.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(c.month, m) << c.date.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(c.day, d) << c.date.toString(Qt::ISODate).toStdString();
    }
}

TEST_F(JobParser, ReceiptGroupsFromTableAndEntry)
{
    TJobParser parser(nullptr, dir.path());
    // without table and entry everything is empty or 0, and nothing fails
    for (const char *item : {"table::billnum", "entry::count", "create::tablename", "control::time",
                             "rate", "netcard::actions", "qnipscode::qr_bitmatrix"})
        EXPECT_EQ(QString(), parser.resolve(QLatin1String(item))) << item;
    EXPECT_EQ(QStringLiteral("0"), parser.resolve(QStringLiteral("vatentry::vatrate")));

    PosLib::TTable table(nullptr);
    table.setBillNum(77);
    table.setVatOh(true);
    table.setInSum(true);
    table.setString(QStringLiteral("qnipscode"), QStringLiteral("A"));
    table.setNetCardProperties(QStringLiteral("actions=bonus\ndescription=Ten\ndescription=Two"));
    PosLib::TTableEntry entry;
    entry.setDouble(QStringLiteral("count"), 3.0);
    entry.setInt(QStringLiteral("rateoh"), 1000);
    entry.setInt(QStringLiteral("rateih"), 2000);
    parser.setTable(&table);
    parser.setEntry(&entry);
    EXPECT_EQ(QStringLiteral("77"), parser.resolve(QStringLiteral("table::billnum")));
    EXPECT_EQ(QStringLiteral("3"), parser.resolve(QStringLiteral("entry::count")));
    EXPECT_EQ(QStringLiteral("1"), parser.resolve(QStringLiteral("vatentry::isvatoh")));
    EXPECT_EQ(QStringLiteral("1000"), parser.resolve(QStringLiteral("vatentry::vatrate")));
    entry.setBool(QStringLiteral("isvatoh"), false); // the entry overrides the table
    EXPECT_EQ(QStringLiteral("2000"), parser.resolve(QStringLiteral("vatentry::vatrate")));
    table.setInSum(false);
    EXPECT_EQ(QStringLiteral("0"), parser.resolve(QStringLiteral("vatentry::vatrate")));
    EXPECT_EQ(QStringLiteral("Ten\nTwo"), parser.resolve(QStringLiteral("netcard::description")));
    EXPECT_EQ(QStringLiteral("A"), parser.resolve(QStringLiteral("qnipscode")));
    EXPECT_EQ(QStringLiteral("1,0,1,0,0,0,0,0,1"),
              parser.resolve(QStringLiteral("qnipscode::qr_bitmatrix")));
}

TEST_F(JobParser, SumParserReplacesArticleLines)
{
    TCurrencies currencies;
    addCurrency(currencies, 1, QStringLiteral("EUR"), 1.0, QStringLiteral(","));
    layout(QStringLiteral("sumarticles.cfg"), "{count@a-4} {name@a13}{countsum@p@a-9}\n");
    TSumParser parser(&currencies, dir.path());
    EXPECT_FALSE(parser.setLayout(QStringLiteral("sumfamilies.cfg")));
    EXPECT_TRUE(parser.setLayout(QStringLiteral("sumarticles.cfg")));

    QStringList lines {QStringLiteral("Articles")};
    parser.setString(QStringLiteral("name"), QStringLiteral("Cola Zero Light"));
    parser.setDouble(QStringLiteral("count"), 2.0);
    parser.setDouble(QStringLiteral("countsum"), 1234.0);
    EXPECT_TRUE(parser.runLines(lines));
    parser.setString(QStringLiteral("name"), QStringLiteral("Water"));
    parser.setDouble(QStringLiteral("count"), 12.0);
    parser.setDouble(QStringLiteral("countsum"), 123456.0);
    EXPECT_TRUE(parser.runLines(lines));
    EXPECT_EQ(
            (QStringList {QStringLiteral("Articles"), QStringLiteral("   2 Cola Zero Lig    12,34"),
                          QStringLiteral("  12 Water          1234,56")}),
            lines);

    // two lines per item, the second one only for large counts
    layout(QStringLiteral("sumarticles.cfg"), "{name}\n{>count@10}  many: {count}\n{/if}");
    lines.clear();
    EXPECT_TRUE(parser.runLines(lines));
    EXPECT_EQ((QStringList {QStringLiteral("Water"), QStringLiteral("  many: 12")}), lines);
}
