#include "tcurrencies.h"
#include "testdir.h"
#include "veltrumprocess.h"
#include "xlsxreader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

QStringList withData(const QString &command, const QString &root, QStringList more = {})
{
    return QStringList {command, QStringLiteral("--data"), root} + more;
}

} // namespace

TEST(ZCommand, ClosingsBeforeRecordsAreListedAsNoRecordAndCheckedForZOnly)
{
    TestDir dir;
    const QString root = writeDemo(dir, 2, 6);

    const Outcome list = veltrum(withData(QStringLiteral("z"), root));
    ASSERT_EQ(0, list.code) << list.err;
    const QStringList lines = list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(3, lines.size()) << list.out;
    EXPECT_TRUE(lines[0].contains(QStringLiteral("Verified")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("2026-12-03")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("no record"))) << lines[1];
    EXPECT_TRUE(lines[2].contains(QStringLiteral("whole day")));

    const Outcome json = veltrum(withData(QStringLiteral("z"), root,
                                          {QStringLiteral("--format"), QStringLiteral("json")}));
    ASSERT_EQ(0, json.code) << json.err;
    const QJsonArray closings = QJsonDocument::fromJson(json.out.toUtf8())
                                        .object()
                                        .value(QStringLiteral("closings"))
                                        .toArray();
    ASSERT_EQ(2, closings.size());
    const long z = long(closings[0].toObject().value(QStringLiteral("z")).toInteger());
    EXPECT_FALSE(closings[0].toObject().value(QStringLiteral("record")).toBool());
    EXPECT_EQ(1, veltrum(withData(QStringLiteral("z"), root,
                                  {QStringLiteral("--from"), QStringLiteral("2026-12-04")}))
                         .out.count(QStringLiteral("whole day")));

    const Outcome verify = veltrum(withData(QStringLiteral("verify"), root));
    EXPECT_EQ(0, verify.code) << verify.out << verify.err;
    EXPECT_TRUE(verify.out.contains(QStringLiteral("everything holds"))) << verify.out;

    const Outcome show
            = veltrum(withData(QStringLiteral("z"), root,
                               {QStringLiteral("--show"), QString::number(z),
                                QStringLiteral("--now"), QStringLiteral("2026-12-05T23:00:00")}));
    ASSERT_EQ(0, show.code) << show.err;
    EXPECT_TRUE(show.out.startsWith(QStringLiteral("Day turnover %1 from 03.12.2026\n").arg(z)))
            << show.out;
    EXPECT_TRUE(show.out.contains(QStringLiteral("no record")));
    EXPECT_TRUE(show.out.contains(QStringLiteral("Amount of all waiters")));

    // a journal line that goes leaves its Z in none: the counter is past it
    ASSERT_TRUE(QFile::remove(root + QStringLiteral("/var/statist/tag04.12.2026/turnover.z")));
    const Outcome gap = veltrum(withData(QStringLiteral("verify"), root));
    EXPECT_EQ(1, gap.code);
    EXPECT_TRUE(gap.out.startsWith(QStringLiteral("Z %1 is in no journal line\n").arg(z + 1)))
            << gap.out;
    EXPECT_EQ(1, veltrum(withData(QStringLiteral("verify"), root,
                                  {QStringLiteral("--day"), QStringLiteral("2026-12-03")}))
                         .code);
}

TEST(ZCommand, WrongRequestsAreRefused)
{
    TestDir dir;
    const QString root = writeDemo(dir, 1, 4);
    EXPECT_EQ(1, veltrum(withData(QStringLiteral("z"), root,
                                  {QStringLiteral("--show"), QStringLiteral("999")}))
                         .code);
    EXPECT_EQ(2, veltrum(withData(QStringLiteral("z"), root,
                                  {QStringLiteral("--show"), QStringLiteral("101"),
                                   QStringLiteral("--format"), QStringLiteral("csv")}))
                         .code);
    // the Z report has no rows: no workbook of it; the list's needs a file
    EXPECT_EQ(2, veltrum(withData(QStringLiteral("z"), root,
                                  {QStringLiteral("--show"), QStringLiteral("101"),
                                   QStringLiteral("--format"), QStringLiteral("xlsx"),
                                   QStringLiteral("--output"), dir.file(QStringLiteral("z.xlsx"))}))
                         .code);
    EXPECT_EQ(2, veltrum(withData(QStringLiteral("z"), root,
                                  {QStringLiteral("--format"), QStringLiteral("xlsx")}))
                         .code);
    EXPECT_FALSE(dir.exists(QStringLiteral("z.xlsx")));
    EXPECT_EQ(2, veltrum(withData(QStringLiteral("verify"), root,
                                  {QStringLiteral("--day"), QStringLiteral("2026-12-04"),
                                   QStringLiteral("--all")}))
                         .code);
}

TEST(ZCommand, ClosingsWithRecordsListShowAndVerify)
{
    TestDir dir;
    const QString root = writeDemo(dir, 1, 6);
    const QStringList close = {QStringLiteral("turnover"),
                               QStringLiteral("--data"),
                               root,
                               QStringLiteral("--date"),
                               QStringLiteral("2026-12-05"),
                               QStringLiteral("--force"),
                               QStringLiteral("--now"),
                               QStringLiteral("2026-12-05T23:00:00")};
    ASSERT_EQ(0,
              veltrum(close + QStringList {QStringLiteral("--waiter"), QStringLiteral("3")}).code);
    ASSERT_EQ(0, veltrum(close).code);

    const Outcome list = veltrum(withData(QStringLiteral("z"), root));
    ASSERT_EQ(0, list.code) << list.err;
    const QStringList lines = list.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(4, lines.size()) << list.out;
    EXPECT_TRUE(lines[2].contains(QStringLiteral("waiter 3 Clara"))) << lines[2];
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral("yes"))) << lines[2];
    EXPECT_TRUE(lines[3].contains(QStringLiteral("whole day")));
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral("yes")));
    const long z = lines[3].trimmed().section(QLatin1Char(' '), 0, 0).toLong();
    EXPECT_EQ(0, veltrum(withData(QStringLiteral("verify"), root)).code);

    const Outcome json = veltrum(withData(QStringLiteral("z"), root,
                                          {QStringLiteral("--show"), QString::number(z),
                                           QStringLiteral("--format"), QStringLiteral("json")}));
    ASSERT_EQ(0, json.code) << json.err;
    const QJsonObject report = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(QStringLiteral("Day turnover %1 from 05.12.2026").arg(z),
              report.value(QStringLiteral("title")).toString());
    EXPECT_TRUE(report.value(QStringLiteral("verified")).toBool());
    EXPECT_EQ(z, report.value(QStringLiteral("record"))
                         .toObject()
                         .value(QStringLiteral("z"))
                         .toInteger());
    EXPECT_TRUE(report.value(QStringLiteral("summary")).isObject());
    // the day's exceptions, as 'veltrum exceptions' writes them, without entries
    const QJsonObject exceptions = report.value(QStringLiteral("exceptions")).toObject();
    EXPECT_EQ(QStringLiteral("2026-12-05"), exceptions.value(QStringLiteral("from")).toString());
    EXPECT_GT(exceptions.value(QStringLiteral("waiters"))
                      .toObject()
                      .value(QStringLiteral("team"))
                      .toObject()
                      .value(QStringLiteral("bills"))
                      .toInt(),
              0);
    EXPECT_TRUE(exceptions.value(QStringLiteral("entries")).toArray().isEmpty());
    const Outcome text = veltrum(
            withData(QStringLiteral("z"), root, {QStringLiteral("--show"), QString::number(z)}));
    ASSERT_EQ(0, text.code) << text.err;
    EXPECT_TRUE(text.out.contains(QStringLiteral("\nExceptions of the day\n====="))) << text.out;

    const QString pdf = dir.file(QStringLiteral("z.pdf"));
    ASSERT_EQ(0, veltrum(withData(QStringLiteral("z"), root,
                                  {QStringLiteral("--show"), QString::number(z),
                                   QStringLiteral("--format"), QStringLiteral("pdf"),
                                   QStringLiteral("--output"), pdf}))
                         .code);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));

    // a closed bill changed: verify names it, the list says no
    QFile bill(root + QStringLiteral("/var/statist/tag05.12.2026/a1"));
    ASSERT_TRUE(bill.open(QIODevice::Append));
    bill.write("x");
    bill.close();
    const Outcome verify = veltrum(withData(QStringLiteral("verify"), root));
    EXPECT_EQ(1, verify.code);
    EXPECT_TRUE(verify.out.contains(QStringLiteral("var/statist/tag05.12.2026/a1) was changed")))
            << verify.out;
    EXPECT_TRUE(veltrum(withData(QStringLiteral("z"), root)).out.contains(QStringLiteral(" no\n")));

    // the list as a workbook, its amounts in the installation's currency
    PosLib::TCurrencies currencies;
    const QByteArray base = root.toLocal8Bit();
    ASSERT_EQ(0, currencies.load(base.constData()));
    ASSERT_TRUE(currencies.systemCurrency());
    currencies.systemCurrency()->setShortname(QStringLiteral("CHF"));
    currencies.save(base.constData());
    const QString book = dir.file(QStringLiteral("closings.xlsx"));
    const Outcome csv = veltrum(withData(QStringLiteral("z"), root,
                                         {QStringLiteral("--format"), QStringLiteral("csv")}));
    ASSERT_EQ(0, veltrum(withData(QStringLiteral("z"), root,
                                  {QStringLiteral("--format"), QStringLiteral("xlsx"),
                                   QStringLiteral("--output"), book}))
                         .code);
    const QStringList csvLines = csv.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const QJsonArray sheets = readWorkbook(book).value(QStringLiteral("sheets")).toArray();
    ASSERT_EQ(1, sheets.size());
    const QJsonObject sheet = sheets.first().toObject();
    EXPECT_EQ(QStringLiteral("Closings"), sheet.value(QStringLiteral("name")).toString());
    ASSERT_EQ(csvLines.size(), sheet.value(QStringLiteral("cells")).toArray().size());
    EXPECT_EQ(QStringLiteral("billTotal"), workbookCell(sheet, 0, 6).toString());
    for (int r = 1; r < csvLines.size(); ++r) {
        const QStringList fields = csvLines.at(r).split(QLatin1Char(','));
        EXPECT_EQ(fields.at(0).toLongLong(), workbookCell(sheet, r, 0).toInteger()) << r;
        // a closing before records were kept has no bill total: an empty cell
        if (fields.at(6).isEmpty()) {
            EXPECT_TRUE(workbookCell(sheet, r, 6).isNull()) << r;
            continue;
        }
        EXPECT_EQ(fields.at(6).toLongLong(), qRound64(workbookCell(sheet, r, 6).toDouble() * 100))
                << r;
        EXPECT_TRUE(workbookCell(sheet, r, 6, 2).toString().contains(QStringLiteral("\"CHF\"")))
                << workbookCell(sheet, r, 6, 2).toString();
        EXPECT_EQ(fields.at(8), workbookCell(sheet, r, 8).toString());
    }
}
