#include "targs.h"
#include "tcommand.h"
#include "tcommandtable.h"
#include "toutput.h"
#include "tprogressprinter.h"

#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

TEST(Csv, QuotesWhatRfc4180Asks)
{
    EXPECT_EQ(QByteArray("a,\"b,c\",\"say \"\"hi\"\"\",\"two\r\nlines\",\r\n,\r\n"),
              csvText({{QStringLiteral("a"), QStringLiteral("b,c"), QStringLiteral("say \"hi\""),
                        QStringLiteral("two\r\nlines"), QString()},
                       {QString(), QString()}}));
    EXPECT_EQ(QByteArray("\"line\nbreak\",\xc3\xa4\r\n"),
              csvText({{QStringLiteral("line\nbreak"), QString::fromUtf8("\xc3\xa4")}}));
}

TEST(HelpText, WrapsAtWordsAndKeepsParagraphsAndExamples)
{
    EXPECT_EQ(QStringLiteral("one two\n    three\n\n    four"),
              wrapText(QStringLiteral("one two three\n\nfour"), 8, 4));
    EXPECT_EQ(QStringLiteral("  an example\n  goes on"),
              wrapText(QStringLiteral("  an example goes on"), 12, 0));
    EXPECT_EQ(QStringLiteral("averyveryverylongword\nx"),
              wrapText(QStringLiteral("averyveryverylongword x"), 5, 0));
}

TEST(Args, ReadTheOptionsOfTheCommandStrictly)
{
    TCommand command;
    command.name = QStringLiteral("try");
    command.arguments = QStringLiteral("FILE [MORE...]");
    command.options = {{{QStringLiteral("count")}, QStringLiteral("N"), QString(), true},
                       {{QStringLiteral("from")}, QStringLiteral("yyyy-MM-dd"), QString(), false},
                       {{QStringLiteral("to")}, QStringLiteral("yyyy-MM-dd"), QString(), false},
                       {{QStringLiteral("mode")}, QStringLiteral("a|b"), QString(), false},
                       {{QStringLiteral("flag")}, QString(), QString(), false}};
    EXPECT_EQ(QStringLiteral("veltrum try --count N [OPTIONS] FILE [MORE...]"), command.usage());
    EXPECT_EQ(1, command.minArguments());
    EXPECT_EQ(-1, command.maxArguments());

    const TArgs args(command,
                     {QStringLiteral("--count=3"), QStringLiteral("f"), QStringLiteral("--mode"),
                      QStringLiteral("b"), QStringLiteral("--flag"), QStringLiteral("g")});
    EXPECT_EQ(3, args.number(QStringLiteral("count"), 1, 5));
    EXPECT_EQ(1, args.choice(QStringLiteral("mode"), {QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_TRUE(args.isSet(QStringLiteral("flag")));
    EXPECT_EQ(QStringList({QStringLiteral("f"), QStringLiteral("g")}), args.positional());

    const auto usage = [&](const QStringList &list) {
        try {
            const TArgs bad(command, list);
            bad.number(QStringLiteral("count"), 1, 5);
            QDate from, to;
            bad.dateRange(from, to, true);
            bad.choice(QStringLiteral("mode"), {QStringLiteral("a"), QStringLiteral("b")});
        } catch (const TUsageError &e) {
            return e.message;
        }
        return QString();
    };
    EXPECT_EQ(QStringLiteral("--count is missing"), usage({QStringLiteral("f")}));
    EXPECT_EQ(QStringLiteral("missing FILE [MORE...]"), usage({QStringLiteral("--count=1")}));
    EXPECT_EQ(QStringLiteral("bad value '9' for --count (a whole number from 1 to 5)"),
              usage({QStringLiteral("--count=9"), QStringLiteral("f")}));
    EXPECT_EQ(
            QStringLiteral("--count is given more than once"),
            usage({QStringLiteral("--count=1"), QStringLiteral("--count=2"), QStringLiteral("f")}));
    EXPECT_EQ(QStringLiteral("unknown option '--what'"),
              usage({QStringLiteral("--count=1"), QStringLiteral("--what"), QStringLiteral("f")}));
    EXPECT_EQ(QStringLiteral("--from 2026-12-05 lies after --to 2026-12-04"),
              usage({QStringLiteral("--count=1"), QStringLiteral("f"), QStringLiteral("--from"),
                     QStringLiteral("2026-12-05"), QStringLiteral("--to"),
                     QStringLiteral("2026-12-04")}));
    EXPECT_EQ(QStringLiteral("--to needs --from"),
              usage({QStringLiteral("--count=1"), QStringLiteral("f"), QStringLiteral("--to"),
                     QStringLiteral("2026-12-04")}));
    EXPECT_EQ(
            QStringLiteral("bad value 'c' for --mode (a|b)"),
            usage({QStringLiteral("--count=1"), QStringLiteral("f"), QStringLiteral("--mode=c")}));
    // --help comes before every other check
    EXPECT_TRUE(
            TArgs(command, {QStringLiteral("--help"), QStringLiteral("--what")}).helpRequested());
}

TEST(CommandTable, FindsTheLongestNameAndListsGroups)
{
    TCommand dat;
    dat.name = QStringLiteral("dat to-xml");
    TCommand datText;
    datText.name = QStringLiteral("dat to-text");
    TCommand demo;
    demo.name = QStringLiteral("demo");
    const TCommandTable table({dat, datText, demo});
    int words = 0;
    ASSERT_NE(nullptr,
              table.find({QStringLiteral("dat"), QStringLiteral("to-text"), QStringLiteral("x")},
                         &words));
    EXPECT_EQ(QStringLiteral("dat to-text"),
              table.find({QStringLiteral("dat"), QStringLiteral("to-text")})->name);
    EXPECT_EQ(2, words);
    EXPECT_EQ(nullptr, table.find({QStringLiteral("dat")}));
    EXPECT_EQ(nullptr, table.find({QStringLiteral("demolish")}));
    EXPECT_EQ(2, table.matching(QStringLiteral("dat")).size());
    EXPECT_EQ(1, table.matching(QStringLiteral("demo")).size());
}

TEST(Progress, TheLineShowsDayBarAndPercent)
{
    EXPECT_EQ(QStringLiteral("2026-12-04 [###############               ]  50%"),
              TProgressPrinter::line(QStringLiteral("2026-12-04"), 5, 10));
    EXPECT_EQ(QStringLiteral("x [                              ]   0%"),
              TProgressPrinter::line(QStringLiteral("x"), 3, 0));
    EXPECT_EQ(QStringLiteral("x [##############################] 100%"),
              TProgressPrinter::line(QStringLiteral("x"), 12, 10));
}

TEST(ListRows, GiveDataAndCsvOfTheirItems)
{
    PosLib::TListRows rows;
    PosLib::TListRow table(QStringList {QStringLiteral("Table 12/1"), QStringLiteral("12,50")});
    table.addChild(QStringLiteral("2 Pizza"));
    rows << table << PosLib::TListRow(QStringLiteral("Report from 05.12.2026"));

    EXPECT_EQ(QByteArray("depth,column1,column2\r\n0,Table 12/1,\"12,50\"\r\n1,2 Pizza,\r\n"
                         "0,Report from 05.12.2026,\r\n"),
              csvText(listRowsCsv(rows)));
    const QJsonObject data = listRowsData(1, QStringLiteral("Paid tables"), rows);
    EXPECT_EQ(1, data.value(QStringLiteral("format")).toInt());
    EXPECT_EQ(QStringLiteral("2 Pizza"), data[QStringLiteral("rows")][0][QStringLiteral("children")]
                                             [0][QStringLiteral("columns")][0]
                                                     .toString());
    EXPECT_FALSE(data[QStringLiteral("rows")][1].toObject().contains(QStringLiteral("children")));
}
