#include "testdir.h"
#include "txlsxworkbook.h"
#include "xlsxreader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace PosLib;

TEST(XlsxWorkbook, AReaderFindsNumbersAsNumbersAmountsInTheCurrencyAndAFrozenTitleRow)
{
    TestDir dir;
    const QList<QStringList> rows {
            {QStringLiteral("period"), QStringLiteral("name"), QStringLiteral("count"),
             QStringLiteral("amount")},
            {QStringLiteral("2026-11"), QStringLiteral("Pizza Margherita"), QStringLiteral("3"),
             QStringLiteral("2850")},
            {QStringLiteral("2026-11"), QStringLiteral("Espresso"), QStringLiteral("1.5"),
             QStringLiteral("-120")},
            {QStringLiteral("2026-12"), QStringLiteral("Wasser"), QStringLiteral("2"),
             QStringLiteral("")},
    };
    const QList<TXlsxSheet> sheets = TXlsxWorkbook::sheets(
            rows, QStringLiteral("Report"),
            {{QStringLiteral("period")}, {QStringLiteral("amount")}, {QStringLiteral("count")}});
    ASSERT_EQ(2, sheets.size());
    const QString path = dir.file(QStringLiteral("report.xlsx"));
    QString error;
    ASSERT_TRUE(TXlsxWorkbook::write(path, sheets, {QStringLiteral("EUR"), 2}, &error))
            << error.toStdString();

    const QJsonArray read = readWorkbook(path).value(QStringLiteral("sheets")).toArray();
    ASSERT_EQ(2, read.size());
    const QJsonObject first = read.at(0).toObject();
    EXPECT_EQ(QStringLiteral("2026-11"), first.value(QStringLiteral("name")).toString());
    EXPECT_EQ(QStringLiteral("A2"), first.value(QStringLiteral("frozen")).toString());
    EXPECT_GT(first.value(QStringLiteral("widthA")).toDouble(), 8.0);
    const QJsonArray cells = first.value(QStringLiteral("cells")).toArray();
    ASSERT_EQ(3, cells.size());
    // the title row in bold
    EXPECT_EQ(QStringLiteral("amount"), cells.at(0).toArray().at(3).toArray().at(0).toString());
    EXPECT_TRUE(cells.at(0).toArray().at(3).toArray().at(3).toBool());
    // 2850 cents are the number 28.5 in the currency's format
    const QJsonArray amount = cells.at(1).toArray().at(3).toArray();
    EXPECT_DOUBLE_EQ(28.5, amount.at(0).toDouble());
    EXPECT_EQ(QStringLiteral("float"), amount.at(1).toString());
    EXPECT_TRUE(amount.at(2).toString().contains(QStringLiteral("0.00")))
            << amount.at(2).toString().toStdString();
    EXPECT_TRUE(amount.at(2).toString().contains(QStringLiteral("EUR")));
    EXPECT_DOUBLE_EQ(-1.2, cells.at(2).toArray().at(3).toArray().at(0).toDouble());
    EXPECT_DOUBLE_EQ(1.5, cells.at(2).toArray().at(2).toArray().at(0).toDouble());
    EXPECT_EQ(QStringLiteral("Pizza Margherita"),
              cells.at(1).toArray().at(1).toArray().at(0).toString());
    // an empty amount stays an empty cell
    const QJsonArray second = read.at(1).toObject().value(QStringLiteral("cells")).toArray();
    EXPECT_TRUE(second.at(1).toArray().at(3).toArray().at(0).isNull());
}

TEST(XlsxWorkbook, SheetNamesAreWhatExcelAcceptsAndUnique)
{
    EXPECT_EQ(QStringLiteral("Waiter 12 Anna"),
              TXlsxWorkbook::sheetName(QStringLiteral("Waiter 12: Anna"), {}));
    EXPECT_EQ(QStringLiteral("Sheet"), TXlsxWorkbook::sheetName(QStringLiteral("[*?]"), {}));
    EXPECT_EQ(QStringLiteral("Anna's"), TXlsxWorkbook::sheetName(QStringLiteral("'Anna's'"), {}));
    const QString longName(40, QLatin1Char('x'));
    EXPECT_EQ(31, TXlsxWorkbook::sheetName(longName, {}).size());
    EXPECT_EQ(QStringLiteral("Report (2)"),
              TXlsxWorkbook::sheetName(QStringLiteral("Report"), {QStringLiteral("report")}));
    const QString cut = TXlsxWorkbook::sheetName(longName, {longName.left(31)});
    EXPECT_EQ(31, cut.size());
    EXPECT_TRUE(cut.endsWith(QStringLiteral(" (2)")));
}

TEST(XlsxWorkbook, AFileThatCannotBeWrittenIsNamedAndNothingIsLeft)
{
    TestDir dir;
    QString error;
    const QString path = dir.file(QStringLiteral("missing/folder/book.xlsx"));
    EXPECT_FALSE(TXlsxWorkbook::write(path, {{QStringLiteral("A"), {}, {}}}, {}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing/folder/book.xlsx"))) << error.toStdString();
    EXPECT_FALSE(dir.exists(QStringLiteral("missing/folder/book.xlsx")));

    // a cell longer than Excel holds: named with its sheet and row, no file
    const QString book = dir.file(QStringLiteral("long.xlsx"));
    const QList<QStringList> rows {{QStringLiteral("text")},
                                   {QStringLiteral("short")},
                                   {QString(40000, QLatin1Char('x'))}};
    EXPECT_FALSE(TXlsxWorkbook::write(
            book, TXlsxWorkbook::sheets(rows, QStringLiteral("Notes"), {}), {}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("sheet \"Notes\", row 3"))) << error.toStdString();
    EXPECT_FALSE(dir.exists(QStringLiteral("long.xlsx")));
}

TEST(XlsxWorkbook, AmountsTakeTheCurrencysPlacesAndName)
{
    EXPECT_DOUBLE_EQ(28.5, (TXlsxCurrency {QStringLiteral("EUR"), 2}).value(2850));
    EXPECT_DOUBLE_EQ(2850, (TXlsxCurrency {QStringLiteral("JPY"), 0}).value(2850));
    EXPECT_DOUBLE_EQ(2.85, (TXlsxCurrency {QStringLiteral("KWD"), 3}).value(2850));
    // a smallest unit of a hundred
    EXPECT_DOUBLE_EQ(285000, (TXlsxCurrency {QStringLiteral("ITL"), -2}).value(2850));
    EXPECT_EQ(QStringLiteral("#,##0 \"JPY\";-#,##0 \"JPY\""),
              (TXlsxCurrency {QStringLiteral("JPY"), 0}).numberFormat());
    EXPECT_EQ(QStringLiteral("#,##0.000 \"KWD\";-#,##0.000 \"KWD\""),
              (TXlsxCurrency {QStringLiteral("KWD"), 3}).numberFormat());
    // without a currency list: two places and no name, as the text writes it
    EXPECT_EQ(QStringLiteral("#,##0.00;-#,##0.00"), TXlsxCurrency().numberFormat());
    // a quote in the name would end the format's quoted text
    EXPECT_EQ(QStringLiteral("#,##0.00 \"Fr\";-#,##0.00 \"Fr\""),
              (TXlsxCurrency {QStringLiteral("F\"r"), 2}).numberFormat());

    TestDir dir;
    const QString path = dir.file(QStringLiteral("yen.xlsx"));
    QString error;
    const QList<QStringList> rows {{QStringLiteral("amount")}, {QStringLiteral("-2850")}};
    ASSERT_TRUE(TXlsxWorkbook::write(path,
                                     TXlsxWorkbook::sheets(rows, QStringLiteral("Yen"),
                                                           {{}, {QStringLiteral("amount")}, {}}),
                                     {QStringLiteral("JPY"), 0}, &error))
            << error.toStdString();
    const QJsonObject sheet = readWorkbook(path)[QStringLiteral("sheets")][0].toObject();
    EXPECT_DOUBLE_EQ(-2850, workbookCell(sheet, 1, 0).toDouble());
    EXPECT_EQ(QStringLiteral("#,##0 \"JPY\";-#,##0 \"JPY\""),
              workbookCell(sheet, 1, 0, 2).toString());
}

TEST(XlsxWorkbook, OnlyColumnsThatChangeSplitAndNameTheSheets)
{
    const QStringList header {QStringLiteral("from"), QStringLiteral("to"),
                              QStringLiteral("number"), QStringLiteral("name"),
                              QStringLiteral("amount")};
    const auto row = [](const char *number, const char *name) {
        return QStringList {QStringLiteral("2026-11-01"), QStringLiteral("2026-11-30"),
                            QLatin1String(number), QLatin1String(name), QStringLiteral("100")};
    };
    const TXlsxLayout layout {{QStringLiteral("from"), QStringLiteral("to"),
                               QStringLiteral("number"), QStringLiteral("name")},
                              {QStringLiteral("amount")},
                              {QStringLiteral("number")}};
    // the range is the same on every row: the waiters alone name the sheets
    const QList<TXlsxSheet> waiters
            = TXlsxWorkbook::sheets({header, row("1", "Anna"), row("2", "Luca"), row("1", "Anna")},
                                    QStringLiteral("Waiter report"), layout);
    ASSERT_EQ(2, waiters.size());
    EXPECT_EQ(QStringLiteral("1 Anna"), waiters.at(0).name);
    EXPECT_EQ(2, waiters.at(0).rows.size());
    EXPECT_EQ(QStringLiteral("2 Luca"), waiters.at(1).name);
    EXPECT_EQ(TXlsxColumn::Money, waiters.at(0).columns.at(4).kind);
    EXPECT_EQ(TXlsxColumn::Number, waiters.at(0).columns.at(2).kind);
    EXPECT_EQ(TXlsxColumn::Text, waiters.at(0).columns.at(3).kind);
    // nothing changes: one sheet named by the title
    const QList<TXlsxSheet> one = TXlsxWorkbook::sheets({header, row("1", "Anna")},
                                                        QStringLiteral("Waiter report"), layout);
    ASSERT_EQ(1, one.size());
    EXPECT_EQ(QStringLiteral("Waiter report"), one.first().name);
    // no rows under the titles: still a sheet with them
    const QList<TXlsxSheet> empty
            = TXlsxWorkbook::sheets({header}, QStringLiteral("Waiter report"), layout);
    ASSERT_EQ(1, empty.size());
    EXPECT_EQ(5, empty.first().columns.size());
    EXPECT_TRUE(empty.first().rows.isEmpty());
}

// Rows handed on twice (as from a spool) give the workbook of their sheets,
// also when the rows of two sheets come in turn; what cannot be read back
// leaves no file.
TEST(XlsxWorkbook, RowsReplayedGiveTheWorkbookOfTheirSheets)
{
    const QStringList header {QStringLiteral("number"), QStringLiteral("name"),
                              QStringLiteral("amount")};
    QList<QStringList> rows {header};
    for (int i = 0; i < 300; ++i)
        rows << QStringList {QString::number(i % 3), QStringLiteral("Waiter %1").arg(i % 3),
                             QString::number(i * 25)};
    const TXlsxLayout layout {{QStringLiteral("number"), QStringLiteral("name")},
                              {QStringLiteral("amount")},
                              {QStringLiteral("number")}};
    int replays = 0;
    const TXlsxRows replay = [&](const std::function<void(const QStringList &)> &take) {
        ++replays;
        for (const QStringList &row : std::as_const(rows))
            take(row);
        return true;
    };
    TestDir dir;
    QString error;
    const QString whole = dir.file(QStringLiteral("whole.xlsx"));
    const QString replayed = dir.file(QStringLiteral("replayed.xlsx"));
    ASSERT_TRUE(TXlsxWorkbook::write(whole,
                                     TXlsxWorkbook::sheets(rows, QStringLiteral("R"), layout),
                                     {QStringLiteral("EUR"), 2}, &error))
            << error.toStdString();
    ASSERT_TRUE(TXlsxWorkbook::writeRows(replayed, replay, QStringLiteral("R"), layout,
                                         {QStringLiteral("EUR"), 2}, &error))
            << error.toStdString();
    EXPECT_EQ(2, replays);
    const QJsonObject book = readWorkbook(replayed);
    EXPECT_EQ(readWorkbook(whole), book);
    const QJsonArray sheets = book.value(QStringLiteral("sheets")).toArray();
    ASSERT_EQ(3, sheets.size());
    EXPECT_EQ(QStringLiteral("1 Waiter 1"), sheets.at(1)[QStringLiteral("name")].toString());
    EXPECT_EQ(101, sheets.at(1)[QStringLiteral("cells")].toArray().size());
    EXPECT_DOUBLE_EQ(0.25, workbookCell(sheets.at(1).toObject(), 1, 2).toDouble());

    const QString lost = dir.file(QStringLiteral("lost.xlsx"));
    const TXlsxRows broken = [&](const std::function<void(const QStringList &)> &take) {
        take(header);
        take(rows.at(1));
        // the second time the rows cannot be read back
        return replays++ == 2;
    };
    EXPECT_FALSE(TXlsxWorkbook::writeRows(lost, broken, QStringLiteral("R"), layout, {}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("lost.xlsx"))) << error.toStdString();
    EXPECT_FALSE(dir.exists(QStringLiteral("lost.xlsx")));
}
