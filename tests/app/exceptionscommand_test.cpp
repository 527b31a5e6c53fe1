#include "planteddata.h"
#include "testdir.h"
#include "veltrumprocess.h"
#include "xlsxreader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// The planted team (waiter 3 voids, 4 discounts late, 5 uses the staff
// account) once for the suite.
class ExceptionsCommand : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        dir = new TestDir;
        planted::Plan plan;
        plan.voider = 3;
        plan.lateDiscounter = 4;
        plan.staffUser = 5;
        planted::write(*dir, plan);
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }

    static Outcome run(const QStringList &more)
    {
        return veltrum(QStringList {QStringLiteral("exceptions"), QStringLiteral("--data"),
                                    dir->path(), QStringLiteral("--from"),
                                    planted::FirstDay.toString(Qt::ISODate), QStringLiteral("--to"),
                                    planted::lastDay().toString(Qt::ISODate),
                                    QStringLiteral("--now"), QStringLiteral("2026-11-12T10:00:00")}
                       + more);
    }

    inline static TestDir *dir = nullptr;
};

} // namespace

TEST_F(ExceptionsCommand, TextNamesTheFlaggedWaitersWithReasonsBillsAndTrend)
{
    const Outcome text = run({});
    ASSERT_EQ(0, text.code) << text.err;
    const QString out = text.out;
    EXPECT_TRUE(out.startsWith(QStringLiteral("Exceptions\n"))) << out;
    EXPECT_TRUE(out.contains(QStringLiteral("Flagged waiters\n  3 Luca: 30 bills, takings")))
            << out;
    EXPECT_TRUE(out.contains(QStringLiteral("    Voids: 30 (100.0 per 100 bills, 5.0 x the team's "
                                            "median of 20.0")))
            << out;
    EXPECT_TRUE(out.contains(QStringLiteral("  4 Sofia:"))) << out;
    EXPECT_TRUE(out.contains(QStringLiteral("    Late discounts: 10 ("))) << out;
    EXPECT_TRUE(out.contains(QStringLiteral("  5 Giulia:"))) << out;
    // the bills behind a flag, and the weeks
    EXPECT_TRUE(out.contains(QStringLiteral("voided by 3 Luca  Cold"))) << out;
    EXPECT_TRUE(out.contains(QStringLiteral("Per week, per 100 bills: 11/2/26-11/8/26 100.0 | "
                                            "11/9/26-11/11/26 100.0")))
            << out;
    // two cost centers are no team
    EXPECT_TRUE(out.contains(QStringLiteral("Flagged cost centers\n  Too few to compare (2; at "
                                            "least 3 with bills)")))
            << out;
    // in the flagged part only those three
    const QString flagged = out.section(QStringLiteral("Flagged waiters\n"), 1)
                                    .section(QStringLiteral("Flagged cost centers"), 0, 0);
    EXPECT_EQ(3, flagged.count(QRegularExpression(QStringLiteral("^  \\d"),
                                                  QRegularExpression::MultilineOption)))
            << flagged;
}

TEST_F(ExceptionsCommand, JsonAndCsvCarryTheFiguresAndTheEntries)
{
    const Outcome json = run({QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_EQ(0, json.code) << json.err;
    const QJsonObject data = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(1, data.value(QStringLiteral("format")).toInt());
    QStringList flagged;
    for (const QJsonValue &g : data.value(QStringLiteral("waiters"))
                                       .toObject()
                                       .value(QStringLiteral("groups"))
                                       .toArray()) {
        if (g.toObject().value(QStringLiteral("flagged")).toBool())
            flagged << g.toObject().value(QStringLiteral("name")).toString();
    }
    EXPECT_EQ(QStringList(
                      {QStringLiteral("Luca"), QStringLiteral("Sofia"), QStringLiteral("Giulia")}),
              flagged);
    EXPECT_EQ(80, data.value(QStringLiteral("entries")).toArray().size());
    EXPECT_EQ(2, data.value(QStringLiteral("weeks")).toArray().size());

    const Outcome all = run({QStringLiteral("--format"), QStringLiteral("json"),
                             QStringLiteral("--entries"), QStringLiteral("all")});
    EXPECT_GT(QJsonDocument::fromJson(all.out.toUtf8())
                      .object()
                      .value(QStringLiteral("entries"))
                      .toArray()
                      .size(),
              80);

    const Outcome csv = run({QStringLiteral("--format"), QStringLiteral("csv"),
                             QStringLiteral("--entries"), QStringLiteral("none")});
    ASSERT_EQ(0, csv.code) << csv.err;
    const QStringList rows = csv.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    EXPECT_TRUE(rows.first().startsWith(QStringLiteral("row,from,to,grouping,outlet,number,name,"
                                                       "kind,count,amount")));
    EXPECT_TRUE(rows.contains(QStringLiteral(
            "figure,2026-11-02,2026-11-11,waiter,,3,Luca,voids,30,7500,100.0000,15.5280,20.0000,"
            "2.7624,yes,\"Voids: 30 (100.0 per 100 bills, 5.0 x the team's median of 20.0; 15.53 % "
            "of the takings, 5.6 x the team's median of 2.76 %)\",30,48300")))
            << csv.out;
}

// Every entry goes through a temporary file on its way out: without one
// the output is the same, a full one is named and nothing is written.
TEST_F(ExceptionsCommand, EntriesGoThroughATemporaryFile)
{
    const QStringList all {QStringLiteral("--entries"), QStringLiteral("all")};
    for (const char *format : {"json", "csv", "text"}) {
        SCOPED_TRACE(format);
        const QStringList args
                = all + QStringList {QStringLiteral("--format"), QLatin1String(format)};
        const Outcome spooled = run(args);
        ASSERT_EQ(0, spooled.code) << spooled.err;
        EXPECT_GT(spooled.out.count(QStringLiteral("Article 901")), 30);
        expectSpoolsKeptOrNamed(&run, args, spooled, *dir);
    }
}

TEST_F(ExceptionsCommand, XlsxHasTheFiguresEachWeekAndTheEntriesOnSheetsOfTheirOwn)
{
    const QString file = dir->file(QStringLiteral("exceptions.xlsx"));
    const Outcome made = run(
            {QStringLiteral("--format"), QStringLiteral("xlsx"), QStringLiteral("--output"), file});
    ASSERT_EQ(0, made.code) << made.err;
    const QJsonArray sheets = readWorkbook(file).value(QStringLiteral("sheets")).toArray();
    ASSERT_EQ(4, sheets.size()); // the figures, two weeks, the entries
    EXPECT_EQ(QStringLiteral("figure"),
              sheets.at(0)[QStringLiteral("name")].toString().section(QLatin1Char(' '), 0, 0));
    EXPECT_EQ(QStringLiteral("week"),
              sheets.at(1)[QStringLiteral("name")].toString().section(QLatin1Char(' '), 0, 0));
    EXPECT_NE(sheets.at(1)[QStringLiteral("name")], sheets.at(2)[QStringLiteral("name")]);
    const QJsonObject entries = sheets.at(3).toObject();
    EXPECT_EQ(QStringLiteral("entry"),
              entries[QStringLiteral("name")].toString().section(QLatin1Char(' '), 0, 0));
    EXPECT_EQ(81, entries[QStringLiteral("cells")].toArray().size());

    // Luca's voids as numbers: 30 of them, 75.00, 100 per 100 bills
    const QJsonObject figures = sheets.at(0).toObject();
    int found = 0;
    const QJsonArray cells = figures[QStringLiteral("cells")].toArray();
    for (int r = 1; r < cells.size(); ++r) {
        if (workbookCell(figures, r, 6).toString() != QLatin1String("Luca")
            || workbookCell(figures, r, 7).toString() != QLatin1String("voids"))
            continue;
        ++found;
        EXPECT_EQ(3, workbookCell(figures, r, 5).toInteger());
        EXPECT_EQ(30, workbookCell(figures, r, 8).toInteger());
        EXPECT_DOUBLE_EQ(75.0, workbookCell(figures, r, 9).toDouble());
        EXPECT_DOUBLE_EQ(100.0, workbookCell(figures, r, 10).toDouble());
        EXPECT_EQ(QStringLiteral("yes"), workbookCell(figures, r, 14).toString());
        EXPECT_DOUBLE_EQ(483.0, workbookCell(figures, r, 17).toDouble());
    }
    EXPECT_EQ(1, found);
}

TEST_F(ExceptionsCommand, ChartsAsSvgAndPdf)
{
    const QString svg = dir->file(QStringLiteral("exceptions.svg"));
    const Outcome drawn = run(
            {QStringLiteral("--format"), QStringLiteral("svg"), QStringLiteral("--output"), svg});
    ASSERT_EQ(0, drawn.code) << drawn.err;
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("<svg")) << bytes.left(200).constData();
    EXPECT_TRUE(bytes.contains("Voids per 100 bills"));

    const QString pdf = dir->file(QStringLiteral("exceptions.pdf"));
    const Outcome printed = run(
            {QStringLiteral("--format"), QStringLiteral("pdf"), QStringLiteral("--output"), pdf});
    ASSERT_EQ(0, printed.code) << printed.err;
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(4) == "%PDF");
}

TEST_F(ExceptionsCommand, RuleFromTheCommandLineAndWrongArguments)
{
    // 6 x the median: the voider's 5 x (5.6 x of the takings) no longer stands out
    const Outcome wide = run({QStringLiteral("--multiple"), QStringLiteral("6")});
    ASSERT_EQ(0, wide.code) << wide.err;
    const QString flagged = wide.out.section(QStringLiteral("Flagged waiters\n"), 1)
                                    .section(QStringLiteral("Flagged cost centers"), 0, 0);
    EXPECT_FALSE(flagged.contains(QStringLiteral("  3 Luca:"))) << flagged;
    EXPECT_TRUE(flagged.contains(QStringLiteral("  4 Sofia:"))) << flagged;

    for (const QStringList &bad :
         {QStringList {QStringLiteral("--multiple"), QStringLiteral("0.5")},
          QStringList {QStringLiteral("--multiple"), QStringLiteral("x")},
          QStringList {QStringLiteral("--min-count"), QStringLiteral("0")},
          QStringList {QStringLiteral("--entries"), QStringLiteral("some")},
          QStringList {QStringLiteral("--open-tables")}}) {
        const Outcome refused = run(bad);
        EXPECT_EQ(2, refused.code) << bad.join(QLatin1Char(' ')) << refused.err;
        EXPECT_TRUE(refused.err.startsWith(QStringLiteral("veltrum: exceptions: "))) << refused.err;
    }
    const Outcome missing = veltrum({QStringLiteral("exceptions"), QStringLiteral("--data"),
                                     dir->file(QStringLiteral("no-such-installation"))});
    EXPECT_EQ(2, missing.code) << missing.err;
    // an --output that cannot be written: nothing done, and said so
    const Outcome unwritable
            = run({QStringLiteral("--output"), dir->file(QStringLiteral("no/such/folder/x.txt"))});
    EXPECT_EQ(1, unwritable.code);
    EXPECT_TRUE(unwritable.err.contains(QStringLiteral("no/such/folder/x.txt"))) << unwritable.err;
}
