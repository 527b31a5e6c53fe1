#include "tintermediatefile.h"

#include "crystaltest.h"
#include "terror.h"
#include "testdir.h"
#include "tvalue.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Crystal;

namespace {

Basics::TValue *record(int id, const QList<QPair<const char *, QString>> &fields)
{
    auto *value = new Basics::TValue;
    for (const auto &field : fields)
        value->setString(QLatin1String(field.first), field.second);
    value->setId(id);
    return value;
}

} // namespace

TEST(IntermediateFile, LayoutFromTheReportIni)
{
    TListLayout layout = parseListLayout(QStringLiteral(" ref_table; plu ;article "));
    EXPECT_EQ(QLatin1Char(';'), layout.separator);
    EXPECT_EQ((QStringList {QStringLiteral("ref_table"), QStringLiteral("plu"),
                            QStringLiteral("article")}),
              layout.columns);
    layout = parseListLayout(QStringLiteral("a|b"));
    EXPECT_EQ(QLatin1Char('|'), layout.separator);
    layout = parseListLayout(QStringLiteral(";"));
    EXPECT_EQ(QLatin1Char(';'), layout.separator);
    EXPECT_TRUE(layout.columns.isEmpty());
    layout = parseListLayout(QString());
    EXPECT_EQ(QLatin1Char(','), layout.separator);
    EXPECT_TRUE(layout.columns.isEmpty());
    EXPECT_EQ(QStringList {QStringLiteral("plu")}, parseListLayout(QStringLiteral("plu")).columns);
}

TEST(IntermediateFile, FieldsQuotedAsRfc4180AsksAndColumnsInAStableOrder)
{
    EXPECT_EQ(QStringLiteral("plain"), csvField(QStringLiteral("plain"), QLatin1Char(',')));
    EXPECT_EQ(QStringLiteral("\"a,b\""), csvField(QStringLiteral("a,b"), QLatin1Char(',')));
    EXPECT_EQ(QStringLiteral("a,b"), csvField(QStringLiteral("a,b"), QLatin1Char(';')));
    EXPECT_EQ(QStringLiteral("\"say \"\"hi\"\"\""),
              csvField(QStringLiteral("say \"hi\""), QLatin1Char(';')));
    EXPECT_EQ(QStringLiteral("\"Soup|Tomato\r\nlarge\""),
              csvField(QStringLiteral("Soup|Tomato\r\nlarge"), QLatin1Char(',')));

    // every column of the records: "id" and "ref_table" first, then by name
    TestDir dir;
    Basics::TValueList list;
    list.insert(record(1, {{"ref_table", QStringLiteral("1")}, {"zone", QStringLiteral("x")}}));
    list.insert(record(2, {{"amount", QStringLiteral("5")}, {"ref_table", QStringLiteral("1")}}));
    writeIntermediateFile(list, QString(), dir.file(QStringLiteral("a.txt")), false);
    EXPECT_EQ(QByteArray("id,ref_table,amount,zone\r\n1,1,,x\r\n2,1,5,\r\n"),
              dir.read(QStringLiteral("a.txt")));
    // no record: a header of no columns
    writeIntermediateFile(Basics::TValueList(), QString(), dir.file(QStringLiteral("b.txt")),
                          false);
    EXPECT_EQ(QByteArray("\r\n"), dir.read(QStringLiteral("b.txt")));
}

// Records whose columns are known only at the end wait in a temporary
// file, and in memory where none can be made: the same file either way.
TEST(IntermediateFile, RecordsWaitingForTheirColumnsGiveTheSameFileWithoutATemporaryFolder)
{
    TestDir dir;
    Basics::TValueList list;
    for (int id = 1; id <= 50; ++id)
        list.insert(record(id, {{"ref_table", QString::number(id)},
                                {id % 3 ? "article" : "payformname", QStringLiteral("a,\"b\"")},
                                {id % 7 ? "count" : "zone", QString::number(id * 1.5)}}));
    writeIntermediateFile(list, QStringLiteral(";"), dir.file(QStringLiteral("spooled.txt")),
                          false);
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", dir.file(QStringLiteral("no/such/folder")).toLocal8Bit());
    writeIntermediateFile(list, QStringLiteral(";"), dir.file(QStringLiteral("held.txt")), false);
    if (saved.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", saved);
    const QByteArray spooled = dir.read(QStringLiteral("spooled.txt"));
    EXPECT_TRUE(spooled.startsWith("id;ref_table;article;count;payformname;zone\r\n1;1;"))
            << spooled.left(80).constData();
    EXPECT_EQ(51, spooled.count("\r\n"));
    EXPECT_EQ(spooled, dir.read(QStringLiteral("held.txt")));
}

TEST(IntermediateFile, AppendingKeepsTheFilesColumnsAndSeparator)
{
    TestDir dir;
    const QString file = dir.file(QStringLiteral("pays.txt"));
    Basics::TValueList first;
    first.insert(record(1, {{"amount", QStringLiteral("1250")},
                            {"payformname", QStringLiteral("Cash; coins")}}));
    writeIntermediateFile(first, QStringLiteral("id;payformname;amount"), file, false);
    EXPECT_EQ(QByteArray("id;payformname;amount\r\n1;\"Cash; coins\";1250\r\n"),
              dir.read(QStringLiteral("pays.txt")));

    // the next data path's records: another layout asked, a field more
    Basics::TValueList second;
    second.insert(record(2, {{"amount", QStringLiteral("80")}, {"tip", QStringLiteral("5")}}));
    writeIntermediateFile(second, QString(), file, true);
    EXPECT_EQ(QByteArray("id;payformname;amount\r\n1;\"Cash; coins\";1250\r\n2;;80\r\n"),
              dir.read(QStringLiteral("pays.txt")));

    // appending to no file starts one; without append the file is replaced
    writeIntermediateFile(second, QString(), dir.file(QStringLiteral("new.txt")), true);
    EXPECT_EQ(QByteArray("id,amount,tip\r\n2,80,5\r\n"), dir.read(QStringLiteral("new.txt")));
    writeIntermediateFile(second, QStringLiteral("amount"), file, false);
    EXPECT_EQ(QByteArray("amount\r\n80\r\n"), dir.read(QStringLiteral("pays.txt")));
    EXPECT_EQ((QStringList {QStringLiteral("new.txt"), QStringLiteral("pays.txt")}), dir.entries());
}

TEST(IntermediateFile, RemovesTheFiveTableListsOnly)
{
    TestDir dir;
    for (const char *name : {"tables.txt", "pays.txt", "infos.txt", "splits.txt", "waiters.vrt"})
        dir.write(QLatin1String(name), "x");
    removeIntermediateFiles(dir.path());
    EXPECT_EQ((QStringList {QStringLiteral("infos.txt"), QStringLiteral("splits.txt"),
                            QStringLiteral("waiters.vrt")}),
              dir.entries());
    removeIntermediateFiles(dir.path()); // nothing left to remove is fine
}

TEST(IntermediateFile, AFileThatCannotBeWrittenIsAnErrorAndNoFileAppears)
{
    TestDir dir;
    Basics::TValueList list;
    list.insert(record(1, {{"amount", QStringLiteral("1")}}));
    EXPECT_THROW(writeIntermediateFile(list, QString(), dir.file(QStringLiteral("no/such/a.txt")),
                                       false),
                 Basics::TFileError);
    EXPECT_TRUE(dir.entries().isEmpty());
}
