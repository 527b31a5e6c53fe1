#include "jsonschema.h"
#include "veltrumprocess.h"
#include "xlsxreader.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// What a report's JSON breaks of the schema docs/report-schema.json.
QStringList reportSchemaViolations(const QJsonObject &document)
{
    QFile file(QStringLiteral(VELTRUM_DOCS "/report-schema.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {file.fileName() + QStringLiteral(": ") + file.errorString()};
    return schemaViolations(document, QJsonDocument::fromJson(file.readAll()).object());
}

class CompareCommand : public DemoReportSuite<16, 8>
{
protected:
    static QStringList lastWeek(int kind)
    {
        return {QStringLiteral("--kind"),     QString::number(kind),  QStringLiteral("--from"),
                QStringLiteral("2026-11-30"), QStringLiteral("--to"), QStringLiteral("2026-12-04"),
                QStringLiteral("--compare"),  QStringLiteral("week")};
    }
    static QStringList format(const char *name)
    {
        return {QStringLiteral("--format"), QString::fromLatin1(name)};
    }
};

} // namespace

TEST_F(CompareCommand, TextJsonAndCsvOfOneComparison)
{
    const Outcome text = report(lastWeek(7));
    ASSERT_EQ(0, text.code) << text.err;
    EXPECT_TRUE(text.out.contains(
            QStringLiteral("\nCompared with  Monday, 23.11.2026 - Friday, 27.11.2026\n")))
            << text.out;
    EXPECT_TRUE(text.out.contains(QStringLiteral("Count    +/-       %  Amount EUR")));

    const Outcome json = report(lastWeek(7) + format("json"));
    ASSERT_EQ(0, json.code) << json.err;
    const QJsonObject doc = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(QStringList(), reportSchemaViolations(doc));
    EXPECT_EQ(QStringLiteral("2026-11-23"),
              doc[QStringLiteral("compared")][QStringLiteral("from")].toString());

    const Outcome csv = report(lastWeek(7) + format("csv"));
    ASSERT_EQ(0, csv.code) << csv.err;
    const QStringList rows = csv.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    EXPECT_EQ(QStringLiteral("kind,from,to,grouping,number,name,node,key,text,count,amount,"
                             "comparedFrom,comparedTo,comparedCount,comparedAmount,"
                             "countDifference,amountDifference"),
              rows.value(0));
    // every item and the sum: as many rows as the JSON has items, plus one
    const QJsonArray items = doc[QStringLiteral("sections")][0][QStringLiteral("periods")][0]
                                [QStringLiteral("groups")][0][QStringLiteral("items")]
                                        .toArray();
    EXPECT_EQ(items.size() + 2, rows.size());
}

// The records of both periods (the waiter report's foreign pays) wait in a
// temporary file until the two documents are joined; a write there that
// fails (a full disk) names the file, and nothing is written.
TEST_F(CompareCommand, RecordsOfBothPeriodsGoThroughATemporaryFile)
{
    const Outcome json = report(lastWeek(5) + format("json"));
    ASSERT_EQ(0, json.code) << json.err;
    const QJsonObject doc = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(QStringList(), reportSchemaViolations(doc));
    QMap<QString, int> pays;
    for (const QJsonValue &group :
         doc[QStringLiteral("sections")][0][QStringLiteral("periods")][0][QStringLiteral("groups")]
                 .toArray()) {
        for (const QJsonValue &item : group[QStringLiteral("items")].toArray()) {
            // a pay in a foreign currency is a record
            if (item[QStringLiteral("node")].toString() == QLatin1String("currencies"))
                ++pays[item[QStringLiteral("presentIn")].toString()];
        }
    }
    EXPECT_GT(pays.value(QStringLiteral("current")), 0);
    EXPECT_GT(pays.value(QStringLiteral("compared")), 0);
    EXPECT_EQ(2, pays.size());

    const QString tmp = dir->file(QStringLiteral("full"));
    const QString output = dir->file(QStringLiteral("compared.json"));
    Outcome full;
    {
        ScopedEnvironment env;
        fullTemporaryFolder(env, tmp);
        full = report(lastWeek(5) + format("json")
                      + QStringList {QStringLiteral("--output"), output});
    }
    EXPECT_EQ(1, full.code) << full.err;
    EXPECT_TRUE(full.err.contains(tmp)) << full.err;
    EXPECT_TRUE(full.err.contains(QStringLiteral("No space left on device"))) << full.err;
    EXPECT_FALSE(QFile::exists(output));
}

TEST_F(CompareCommand, ChartsAndPdfOfAComparison)
{
    TestDir out;
    const QString png = out.file(QStringLiteral("hours.png"));
    const Outcome chart
            = report(lastWeek(19) + format("png") + QStringList {QStringLiteral("--output"), png});
    ASSERT_EQ(0, chart.code) << chart.err;
    QFile picture(png);
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    EXPECT_TRUE(picture.read(8).startsWith("\x89PNG"));

    const QString svg = out.file(QStringLiteral("waiters.svg"));
    const Outcome pie
            = report(lastWeek(4) + format("svg") + QStringList {QStringLiteral("--output"), svg});
    ASSERT_EQ(0, pie.code) << pie.err;
    QFile drawing(svg);
    ASSERT_TRUE(drawing.open(QIODevice::ReadOnly));
    const QByteArray bytes = drawing.readAll();
    // the legend names both periods
    EXPECT_TRUE(bytes.contains("11/30/26 - 12/4/26")) << bytes.left(400).constData();
    EXPECT_TRUE(bytes.contains("11/23/26 - 11/27/26"));
}

TEST_F(CompareCommand, WrongComparisonsAreUsageErrors)
{
    for (const char *bad : {"month", "2026-11-30..2026-11-01", "30.11.2026"}) {
        const Outcome run = report({QStringLiteral("--kind"), QStringLiteral("7"),
                                    QStringLiteral("--compare"), QString::fromLatin1(bad)});
        EXPECT_EQ(2, run.code) << bad;
        EXPECT_TRUE(run.err.contains(QStringLiteral("--compare"))) << run.err;
        EXPECT_TRUE(run.out.isEmpty());
    }
    const Outcome journal = report({QStringLiteral("--kind"), QStringLiteral("1"),
                                    QStringLiteral("--compare"), QStringLiteral("week")});
    EXPECT_EQ(2, journal.code);
    EXPECT_TRUE(journal.err.contains(QStringLiteral("--compare does not apply"))) << journal.err;
}

namespace {

class LabourCommand : public DemoReportSuite<3, 8>
{
protected:
    static Outcome labour(const QStringList &args)
    {
        return veltrum(QStringList {QStringLiteral("labour"), QStringLiteral("--data"), root,
                                    QStringLiteral("--now"), QStringLiteral("2026-12-05T21:00:00")}
                       + args);
    }
};

} // namespace

TEST_F(LabourCommand, TextJsonCsvAndABadWagesFile)
{
    const Outcome text = labour({});
    ASSERT_EQ(0, text.code) << text.err;
    EXPECT_TRUE(text.out.startsWith(QStringLiteral("Sales per labour hour\n"))) << text.out;
    EXPECT_TRUE(text.out.contains(QStringLiteral("\nTotal "))) << text.out;

    const Outcome json = labour({QStringLiteral("--from"), QStringLiteral("2026-12-02"),
                                 QStringLiteral("--to"), QStringLiteral("2026-12-04"),
                                 QStringLiteral("--format"), QStringLiteral("json")});
    ASSERT_EQ(0, json.code) << json.err;
    const QJsonObject doc = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(QStringLiteral("2026-12-04"), doc[QStringLiteral("to")].toString());
    qint64 seconds = 0;
    for (const QJsonValue &w : doc[QStringLiteral("waiters")].toArray())
        seconds += w[QStringLiteral("seconds")].toInteger();
    EXPECT_GT(seconds, 0);
    EXPECT_EQ(seconds, doc[QStringLiteral("total")][QStringLiteral("seconds")].toInteger());

    const Outcome csv = labour({QStringLiteral("--format"), QStringLiteral("csv")});
    ASSERT_EQ(0, csv.code) << csv.err;
    EXPECT_TRUE(csv.out.startsWith(QStringLiteral("line,number,name,seconds,sales,")));

    // Excel: a sheet each for the waiters, the hours and the total, the
    // amounts as numbers of the currency
    QTemporaryDir out;
    const QString file = out.filePath(QStringLiteral("labour.xlsx"));
    const Outcome xlsx = labour({QStringLiteral("--from"), QStringLiteral("2026-12-02"),
                                 QStringLiteral("--to"), QStringLiteral("2026-12-04"),
                                 QStringLiteral("--format"), QStringLiteral("xlsx"),
                                 QStringLiteral("--output"), file});
    ASSERT_EQ(0, xlsx.code) << xlsx.err;
    const QJsonArray sheets = readWorkbook(file).value(QStringLiteral("sheets")).toArray();
    ASSERT_EQ(3, sheets.size());
    const QJsonObject total = sheets.at(2).toObject();
    EXPECT_EQ(QStringLiteral("total"), workbookCell(total, 1, 0).toString());
    EXPECT_EQ(seconds, workbookCell(total, 1, 3).toInteger());
    EXPECT_DOUBLE_EQ(doc[QStringLiteral("total")][QStringLiteral("sales")].toDouble() / 100,
                     workbookCell(total, 1, 4).toDouble());

    // a wage that cannot be read: exit 1 naming the file, nothing printed
    QDir(root).mkpath(QStringLiteral("etc"));
    QFile wages(QDir(root).filePath(QStringLiteral("etc/wages.ini")));
    ASSERT_TRUE(wages.open(QIODevice::WriteOnly));
    wages.write("[Wages]\r\n1=a lot\r\n");
    wages.close();
    const Outcome bad = labour({});
    wages.remove();
    EXPECT_EQ(1, bad.code);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("wages.ini"))) << bad.err;
    EXPECT_TRUE(bad.out.isEmpty());
}
