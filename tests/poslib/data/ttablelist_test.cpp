#include "ttablelist.h"

#include "testdir.h"
#include "trecordcodec.h"

#include <QDir>

#include <gtest/gtest.h>

using Basics::TValue;
using PosLib::TTable;
using PosLib::TTableInfo;
using PosLib::TTableIterator;
using PosLib::TTableList;

namespace {

QByteArray tableBytes(long table, int party, int waiter, int createType = PosLib::EntryCreate)
{
    TValue head;
    head.setInt(QStringLiteral("table"), table);
    head.setInt(QStringLiteral("party"), party);
    TValue create;
    create.setInt(QStringLiteral("type"), createType);
    create.setInt(QStringLiteral("waiter"), waiter);
    QByteArray data;
    Basics::appendRecord(data, head);
    Basics::appendRecord(data, create);
    return data;
}

// (table, party) or (archive) of every info, in id order.
QStringList names(const TTableList &list)
{
    QStringList out;
    for (TValue *v : list.values()) {
        if (v->has(QStringLiteral("table")))
            out << QStringLiteral("%1/%2")
                            .arg(v->getInt(QStringLiteral("table")))
                            .arg(v->getInt(QStringLiteral("party")));
        else
            out << v->getString(QStringLiteral("archive"));
    }
    return out;
}

class TableListTest : public ::testing::Test
{
protected:
    QString root() const { return dir.path(); }
    TestDir dir;
};

} // namespace

TEST_F(TableListTest, ActiveTablesComeFromTheirNames)
{
    dir.copyData(QStringLiteral("t12.001"), QStringLiteral("var/tables/t12.001"));
    dir.write(QStringLiteral("var/tables/t7.002"), tableBytes(7, 2, 1));
    dir.write(QStringLiteral("var/tables/t7.002.tmp"), tableBytes(7, 2, 1));
    dir.write(QStringLiteral("var/tables/notes"), "");
    QDir().mkpath(dir.file(QStringLiteral("var/tables/t1.001")));

    std::unique_ptr<TTableList> list(PosLib::activeTables(root()));
    EXPECT_EQ(QStringList({QStringLiteral("12/1"), QStringLiteral("7/2")}), names(*list));
    EXPECT_EQ(QList<int>({1, 2}), list->ids());
    EXPECT_EQ(root() + "var/tables/t12.001", list->info(1)->fileName(QString()));

    TTable *table = list->info(1)->table(true, 0, nullptr, nullptr, 0, QString());
    ASSERT_EQ(TTable::Open, table->state());
    EXPECT_EQ(12, table->table());
    EXPECT_EQ(1, table->party());
    EXPECT_EQ(TTable::ActiveTable, table->mode());
}

TEST_F(TableListTest, NumbersOfUnusualNamesAsTheTextsConvertThem)
{
    for (const char *name : {"t7.2", "t8.1234", "t9.x", "t10.12345678901", "t011.-3", "tx.5"})
        dir.write(QStringLiteral("var/tables/") + QLatin1String(name), "");
    for (const char *name :
         {"a007", "a+5", "a-4", "a99999999999999999999", "a1234567890123456789", "a12.5"})
        dir.write(QStringLiteral("var/archives/") + QLatin1String(name), "");

    const PosLib::TTableFiles open = PosLib::activeTableFiles(root());
    std::unique_ptr<TTableList> openList(open.list());
    EXPECT_EQ(QStringList({"11/-3", "10/0", "7/2", "8/1234", "9/0", "0/5"}), names(*openList));
    EXPECT_EQ(PosLib::TTableFiles::Open, open.kind);
    EXPECT_EQ(6, open.count());

    // numbers below 0 and beyond 64 bits are left out
    std::unique_ptr<TTableList> paid(PosLib::archiveTables(root()));
    EXPECT_EQ(QStringList({"5", "7", "12", "1234567890123456789"}), names(*paid));
    const PosLib::TTableFiles day = PosLib::dayTableFiles(root(), QDate(2014, 3, 5));
    EXPECT_TRUE(day.isEmpty());
    EXPECT_EQ(PosLib::TTableFiles::PaidOfDay, day.kind);
}

TEST_F(TableListTest, ArchiveTablesSkipNamesWithoutNumberAndTmpFiles)
{
    dir.copyData(QStringLiteral("a15"), QStringLiteral("var/archives/a15"));
    dir.write(QStringLiteral("var/archives/a15.tmp"), "");
    dir.write(QStringLiteral("var/archives/a3"), tableBytes(3, 1, 1));
    dir.write(QStringLiteral("var/archives/a0"), tableBytes(4, 1, 1));
    dir.write(QStringLiteral("var/archives/abc"), "");
    dir.write(QStringLiteral("var/archives/a1x"), "");
    dir.write(QStringLiteral("var/archives/b7"), "");
    QDir().mkpath(dir.file(QStringLiteral("var/archives/a5")));

    std::unique_ptr<TTableList> list(PosLib::archiveTables(root()));
    EXPECT_EQ(QStringList({QStringLiteral("0"), QStringLiteral("15"), QStringLiteral("3")}),
              names(*list));
    EXPECT_FALSE(list->info(2)->has(QStringLiteral("date")));

    TTable *table = list->info(2)->table(true, 0, nullptr, nullptr, 0, QString());
    EXPECT_EQ(TTable::Open, table->state());
    EXPECT_EQ(TTable::ArchivedTable, table->mode());
    EXPECT_EQ(15, table->archive());
    EXPECT_EQ(7, table->table());
}

TEST_F(TableListTest, DayTablesOfAMissingDayAreEmpty)
{
    std::unique_ptr<TTableList> none(PosLib::dayTables(root(), QDate(2014, 3, 5)));
    EXPECT_TRUE(none->isEmpty());
    EXPECT_FALSE(dir.exists(QStringLiteral("var/statist/tag05.03.2014")));

    dir.copyData(QStringLiteral("a15"), QStringLiteral("var/statist/tag05.03.2014/a15"));
    std::unique_ptr<TTableList> list(PosLib::dayTables(root(), QDate(2014, 3, 5)));
    ASSERT_EQ(QStringList({QStringLiteral("15")}), names(*list));
    EXPECT_EQ(QDate(2014, 3, 5), list->info(1)->getDate(QStringLiteral("date")));
    TTable *table = list->info(1)->table(true, 0, nullptr, nullptr, 0, QString());
    EXPECT_EQ(TTable::Open, table->state());
    EXPECT_EQ(TTable::DayTable, table->mode());
    EXPECT_EQ(15, table->archive());
}

class TableIteratorTest : public TableListTest
{
protected:
    TableIteratorTest()
    {
        owner.setId(1);
        owner.setBool(QStringLiteral("alltables"), true);
        dir.copyData(QStringLiteral("t12.001"), QStringLiteral("var/tables/t12.001"));
        dir.write(QStringLiteral("var/tables/t3.001"), tableBytes(3, 1, 1, 3)); // corrupt
        dir.write(QStringLiteral("var/tables/t4.001"), QByteArray()); // empty
        dir.write(QStringLiteral("var/tables/t7.002"), tableBytes(7, 2, 1));
        dir.write(QStringLiteral("var/activetables/T7P2.3"), "");
        dir.write(QStringLiteral("var/tables/t9.001"), tableBytes(9, 1, 5)); // another waiter's
        list.reset(PosLib::activeTables(root()));
    }

    // "table:state" of every table the iterator returns.
    QStringList walk(TTableIterator &it)
    {
        QStringList out;
        for (TTable *t = it.first(); t; t = it.next())
            out << QStringLiteral("%1:%2").arg(t->table()).arg(t->state());
        return out;
    }

    TValue owner;
    std::unique_ptr<TTableList> list;
};

TEST_F(TableIteratorTest, SkipsHeldHiddenAndUnreadableTables)
{
    TTableIterator it(list.get(), true, TTable::ShowOwn, &owner, root());
    EXPECT_EQ(5, it.count());
    EXPECT_EQ(QStringList({QStringLiteral("12:1")}), walk(it));
    // the skipped tables were released again
    for (int id : list->ids()) {
        const QString name = names(*list).at(id - 1);
        if (name != QStringLiteral("12/1")) {
            EXPECT_EQ(nullptr, list->info(id)->loadedTable()) << qPrintable(name);
        }
    }
    EXPECT_EQ(nullptr, it.next());
}

TEST_F(TableIteratorTest, IncludesHeldOrHiddenTablesOnRequest)
{
    TTableIterator held(list.get(), true, TTable::ShowOwn, &owner, root());
    held.setIncludeHeld(true);
    EXPECT_EQ(QStringList({QStringLiteral("12:1"), QStringLiteral("7:2")}), walk(held));

    std::unique_ptr<TTableList> again(PosLib::activeTables(root()));
    TTableIterator hidden(again.get(), true, TTable::ShowOwn, &owner, root());
    hidden.setIncludeHidden(true);
    EXPECT_EQ(QStringList({QStringLiteral("12:1"), QStringLiteral("9:4")}), walk(hidden));
}

TEST_F(TableIteratorTest, WithoutFilterEveryReadableTableCounts)
{
    TTableIterator it(list.get(), false, 0, nullptr, root());
    EXPECT_EQ(QStringList({QStringLiteral("12:1"), QStringLiteral("9:1")}), walk(it));
    EXPECT_TRUE(list->info(1)->loadedTable()->entries().isEmpty());
}

TEST_F(TableIteratorTest, ReleasePassedKeepsOneTable)
{
    TTableIterator it(list.get(), true, 0, nullptr, root());
    it.setReleasePassed(true);
    TTable *first = it.first();
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, list->info(1)->loadedTable());
    TTable *second = it.next();
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(9, second->table());
    EXPECT_EQ(nullptr, list->info(1)->loadedTable());
}

TEST_F(TableListTest, IteratorSkipsListedFilesThatAreGone)
{
    dir.copyData(QStringLiteral("a15"), QStringLiteral("var/archives/a15"));
    // names the missing archive 20
    dir.write(QStringLiteral("var/archives/a20.bak"), "");
    std::unique_ptr<TTableList> list(PosLib::archiveTables(root()));
    ASSERT_EQ(QStringList({QStringLiteral("15"), QStringLiteral("20")}), names(*list));

    TTableIterator it(list.get(), true, 0, nullptr, root());
    TTable *table = it.first();
    ASSERT_NE(nullptr, table);
    EXPECT_EQ(15, table->archive());
    EXPECT_EQ(nullptr, it.next());
}
