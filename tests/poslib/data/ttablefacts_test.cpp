#include "tarchtable.h"
#include "tdemoinstallation.h"
#include "testdir.h"
#include "tinstallation.h"
#include "trecordcodec.h"
#include "ttable.h"
#include "ttablefacts.h"
#include "ttablefactswalk.h"
#include "ttablelist.h"
#include "ttaxgroups.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace PosLib;
using Basics::TValue;

namespace {

// The bits of a double, so that -0.0 and 0.0 differ.
QByteArray bits(double d)
{
    return QByteArray(reinterpret_cast<const char *>(&d), sizeof d).toHex();
}

// Every field reports read agrees between facts and the record they were
// read from, with TValue's getters; children likewise.
void expectSame(const TValue &record, const TEntryFacts &facts, const QString &where)
{
    for (int i = 0; i < FieldCount; ++i) {
        const TField f = TField(i);
        const QString name = fieldName(f);
        const QString at = where + QLatin1Char('.') + name;
        ASSERT_EQ(record.has(name), facts.has(f)) << qPrintable(at);
        EXPECT_EQ(record.getString(name), facts.getString(f)) << qPrintable(at);
        EXPECT_EQ(record.getString(name).isNull(), facts.getString(f).isNull()) << qPrintable(at);
        EXPECT_EQ(record.getString(name).isEmpty(), facts.isEmptyText(f)) << qPrintable(at);
        EXPECT_EQ(record.getLong(name), facts.getLong(f)) << qPrintable(at);
        EXPECT_EQ(bits(record.getDouble(name)), bits(facts.getDouble(f))) << qPrintable(at);
        EXPECT_EQ(record.getBool(name), facts.getBool(f)) << qPrintable(at);
        EXPECT_EQ(record.get(name).text, facts.get(f).text) << qPrintable(at);
    }
    EXPECT_EQ(record.getDate(QStringLiteral("date")), facts.date()) << qPrintable(where);
    EXPECT_EQ(record.getTime(QStringLiteral("time")), facts.time()) << qPrintable(where);
}

void expectSameEntry(const TTableEntry &entry, const TEntryFacts &facts, const QString &where)
{
    expectSame(entry, facts, where);
    EXPECT_EQ(entry.price(), facts.price()) << qPrintable(where);
    const TTableEntries *children = entry.children();
    ASSERT_EQ(children != nullptr, facts.hasChildList()) << qPrintable(where);
    if (!children)
        return;
    const QList<TValue *> list = children->values();
    ASSERT_EQ(size_t(list.size()), facts.children().size()) << qPrintable(where);
    for (qsizetype i = 0; i < list.size(); ++i)
        expectSameEntry(*static_cast<TTableEntry *>(list.at(i)), facts.children()[size_t(i)],
                        where + QStringLiteral("/%1").arg(i));
}

// A table in memory and the facts read of the same records.
void expectSameTable(const TTable &classic, const TTableFacts &table, const QString &where)
{
    expectSame(classic, table.header(), where + QStringLiteral(" header"));
    expectSame(classic.create(), table.create(), where + QStringLiteral(" creation"));
    const QList<TValue *> entries = classic.entries().values();
    EXPECT_EQ(size_t(entries.size()), table.entries().size()) << qPrintable(where);
    for (qsizetype i = 0; i < entries.size() && size_t(i) < table.entries().size(); ++i)
        expectSameEntry(*static_cast<TTableEntry *>(entries.at(i)), *table.entries()[size_t(i)],
                        where + QStringLiteral(" entry %1").arg(i));

    // what reports derive from the whole table
    EXPECT_EQ(classic.getBool(QStringLiteral("vatoh")), table.vatOh());
    EXPECT_EQ(classic.getBool(QStringLiteral("insum")), table.inSum());
    bool pays = false;
    classic.entries().forEach([&pays](TTableEntry *e) { pays |= e->type() == EntryPay; });
    EXPECT_EQ(pays, table.hasPays()) << qPrintable(where);
    TTaxGroups groups;
    classic.taxGroups(&groups, nullptr);
    std::vector<TTaxGroupFacts> typed;
    table.taxGroups(typed, nullptr);
    ASSERT_EQ(size_t(groups.count()), typed.size()) << qPrintable(where);
    size_t g = 0;
    for (const TValue *group : groups.valueMap()) {
        EXPECT_EQ(group->id(), typed[g].id);
        EXPECT_EQ(group->name(), typed[g].name);
        EXPECT_EQ(group->getString(QStringLiteral("rate")), typed[g].rate);
        EXPECT_EQ(group->getLong(QStringLiteral("amount")), typed[g].amount);
        ++g;
    }
}

// Every table of a day summary's bytes, read as facts and as tables in
// memory side by side (as TArchTable::nextTable() reads them).
int expectSameTables(const QByteArray &data)
{
    Basics::TRecordReader facts(data);
    Basics::TRecordReader records(data);
    TTableFacts table;
    int tables = 0;
    for (;;) {
        const qsizetype at = records.position();
        TTable classic(nullptr);
        const bool more = !records.atEnd();
        const int rc = more ? classic.loadData(records, true, 0, nullptr, 0, true) : -1;
        const TTableFacts::Result result = more ? table.read(facts) : TTableFacts::End;
        EXPECT_EQ(records.position(), facts.position()) << "table at " << at;
        if (!more || (rc != 0 && classic.isEmpty() && classic.create().isEmpty())) {
            EXPECT_EQ(TTableFacts::End, result) << "table at " << at;
            return tables;
        }
        if (rc != 0) {
            EXPECT_EQ(TTableFacts::Skipped, result) << "table at " << at;
            continue;
        }
        EXPECT_EQ(TTableFacts::Read, result) << "table at " << at;
        ++tables;
        expectSameTable(classic, table, QStringLiteral("table at %1").arg(at));
    }
}

// A table file's bytes loaded as a table and read as facts, with and
// without the entries; the result of the read.
TTableFacts::Result expectSameTableFile(const QByteArray &data, const QString &where)
{
    TTableFacts::Result result = TTableFacts::End;
    for (const bool withEntries : {true, false}) {
        Basics::TRecordReader records(data);
        TTable classic(nullptr);
        const int rc = classic.loadData(records, withEntries, 0, nullptr, 0, false);
        Basics::TRecordReader bytes(data);
        TTableFacts table;
        result = table.readFile(bytes, withEntries);
        const QString at = where + (withEntries ? QStringLiteral(" with entries") : QString());
        EXPECT_EQ(rc == TTable::Loaded, result == TTableFacts::Read) << qPrintable(at);
        EXPECT_EQ(classic.isCutOff(), table.isCutOff()) << qPrintable(at);
        if (rc == TTable::Loaded && result == TTableFacts::Read)
            expectSameTable(classic, table, at);
    }
    return result;
}

QByteArray record(std::initializer_list<std::pair<const char *, QString>> fields)
{
    TValue v;
    for (const auto &[name, text] : fields)
        v.set(QString::fromLatin1(name), Basics::TypeText, text);
    QByteArray out;
    Basics::appendRecord(out, v);
    return out;
}

QByteArray end()
{
    return record({{"type", QStringLiteral("-1")}});
}

QByteArray header(const char *table)
{
    return record({{"table", QString::fromLatin1(table)},
                   {"amount", QStringLiteral("12.50000")},
                   {"vatoh", QStringLiteral("no")},
                   {"insum", QStringLiteral("yes")},
                   {"guests", QStringLiteral("3")},
                   {"taxamounts", QStringLiteral("1,50:9,10")},
                   {"taxih", QStringLiteral("1,VAT 19%,1900:2,VAT 7%,700")},
                   {"taxoh", QStringLiteral("2,VAT 7%,700")}});
}

QByteArray creation()
{
    return record({{"type", QStringLiteral("1")},
                   {"id", QStringLiteral("0")},
                   {"waiter", QStringLiteral("4")},
                   {"date", QStringLiteral("2014-03-05")},
                   {"time", QStringLiteral("24:00:00")},
                   {"tablename", QString()}});
}

} // namespace

TEST(TableFacts, OddRecordsReadAsTheTablesInMemoryRead)
{
    QByteArray data;
    // children, a child whose parent is missing, a repeated id, values in
    // forms off the short paths, a pay form per table
    data += header("12") + creation();
    data += record({{"type", QStringLiteral("3")},
                    {"id", QStringLiteral("1")},
                    {"plu", QStringLiteral("101")},
                    {"price", QStringLiteral("250")},
                    {"count", QStringLiteral(" 1.5")},
                    {"isvatoh", QStringLiteral("ON")},
                    {"taxamounts", QStringLiteral("2,30:7,1")},
                    {"taxoh", QStringLiteral("2,VAT 7%,700:7,Special,1250")},
                    {"rateoh", QStringLiteral("7e2")},
                    {"date", QStringLiteral("2014-02-30")},
                    {"article", QStringLiteral("Soup\nof the day")}});
    data += record({{"type", QStringLiteral("11")},
                    {"father", QStringLiteral("1")},
                    {"id", QStringLiteral("7")},
                    {"price", QStringLiteral("50")}});
    data += record({{"type", QStringLiteral("12")},
                    {"father", QStringLiteral("+1")},
                    {"price", QStringLiteral("100")},
                    {"count", QStringLiteral("-0.00000")}});
    data += record({{"type", QStringLiteral("12")}, {"father", QStringLiteral("9")}});
    data += record({{"type", QStringLiteral("3")},
                    {"id", QStringLiteral("4")},
                    {"plu", QStringLiteral("102")},
                    {"count", QStringLiteral("2")},
                    {"taxamounts", QStringLiteral("1,19.5")},
                    {"waiter", QStringLiteral("5")}});
    data += record({{"type", QStringLiteral("5")},
                    {"id", QStringLiteral("4")},
                    {"amount", QStringLiteral("1250")},
                    {"voided", QStringLiteral("no")},
                    {"payform", QStringLiteral("3")}});
    data += record({{"type", QStringLiteral("5")},
                    {"id", QStringLiteral("2")},
                    {"amount", QStringLiteral("1,5")},
                    {"given", QString()},
                    {"tip", QStringLiteral("")}});
    data += end();
    // a table whose creation record is none is passed over up to its end
    data += header("13") + record({{"type", QStringLiteral("3")}}) + record({}) + end();
    // a record without a type inside a table, then a table cut short
    data += header("14") + creation() + record({{"id", QStringLiteral("3")}}) + end();
    data += header("15") + creation();
    data += record({{"type", QStringLiteral("3")}, {"id", QStringLiteral("1")}}).chopped(3);

    EXPECT_EQ(3, expectSameTables(data));
}

namespace {

// A record with its fields in the order given (names may repeat or be
// null), as no TValue would write it.
QByteArray rawRecord(const QList<std::pair<QString, QString>> &fields)
{
    QByteArray out;
    const quint32 count = quint32(fields.size());
    out.append(char(count >> 24)).append(char(count >> 16)).append(char(count >> 8));
    out.append(char(count));
    for (const auto &[name, text] : fields) {
        Basics::appendString(out, name);
        Basics::appendString(out, text);
    }
    return out;
}

QList<std::pair<QString, QString>> order(const QString &id)
{
    return {{QStringLiteral("article"), QStringLiteral("Soup")},
            {QStringLiteral("count"), QStringLiteral("1.00000")},
            {QStringLiteral("id"), id},
            {QStringLiteral("plu"), QStringLiteral("101")},
            {QStringLiteral("price"), QStringLiteral("350")},
            {QStringLiteral("round"), QStringLiteral("1")},
            {QStringLiteral("type"), QStringLiteral("3")},
            {QStringLiteral("famgrpname"), QStringLiteral("Soups")},
            {QStringLiteral("payformname"), QStringLiteral("Cash")}};
}

} // namespace

// Records laid out as records before them are read whole, each name
// compared where it stood: whatever differs from the layout seen last (a
// name changed, also past its first eight characters, one of another
// length, a null name or text, a name read twice, another first name under
// the same number of fields, layouts of the same first name in turn, a
// record cut off) reads as the tables in memory read it.
TEST(TableFacts, RecordsLaidOutAsBeforeReadAsTheTablesInMemoryRead)
{
    QByteArray data;
    for (int t = 0; t < 3; ++t) {
        data += header("20") + creation();
        for (int i = 1; i <= 5; ++i)
            data += rawRecord(order(QString::number(i)));
        auto changed = [](int index, const QString &name, const QString &text) {
            QList<std::pair<QString, QString>> fields = order(QStringLiteral("6"));
            fields[index] = {name, text};
            return rawRecord(fields);
        };
        // "price" becomes "prize" (same length), "plu" becomes "plus"
        data += changed(4, QStringLiteral("prize"), QStringLiteral("400"));
        data += changed(3, QStringLiteral("plus"), QStringLiteral("102"));
        data += rawRecord(order(QStringLiteral("7")));
        // a null text, a null name, "count" read twice
        data += changed(1, QStringLiteral("count"), QString());
        data += changed(5, QString(), QStringLiteral("1"));
        data += changed(5, QStringLiteral("count"), QStringLiteral("2.00000"));
        // another first name under the same number of fields, then both
        // in turn
        data += changed(0, QStringLiteral("amount"), QStringLiteral("350"));
        for (int i = 8; i <= 11; ++i) {
            data += rawRecord(order(QString::number(i)));
            data += changed(0, QStringLiteral("amount"), QString::number(i));
        }
        // names that differ past their first words (of ten and eleven
        // characters)
        data += changed(7, QStringLiteral("famgrpnamx"), QStringLiteral("Soups"));
        data += changed(8, QStringLiteral("payformnamx"), QStringLiteral("Card"));
        // three layouts of the same count and first name in turn
        for (int i = 12; i <= 20; ++i) {
            data += rawRecord(order(QString::number(i)));
            data += changed(6, QStringLiteral("typf"), QString::number(i));
            data += changed(8, QStringLiteral("payformnamf"), QString::number(i));
        }
        data += end();
    }
    // a record cut off inside its last text, after many like it
    data += header("21") + creation() + rawRecord(order(QStringLiteral("1")));
    data += rawRecord(order(QStringLiteral("2"))).chopped(1);

    EXPECT_EQ(4, expectSameTables(data));
}

TEST(TableFacts, TableFilesReadAsTheTablesInMemoryLoadThem)
{
    // a file has no end record: one of a negative type is an entry like
    // any other, and the last record may be cut off
    QByteArray data = header("12") + creation();
    data += record({{"type", QStringLiteral("3")},
                    {"id", QStringLiteral("1")},
                    {"plu", QStringLiteral("101")},
                    {"price", QStringLiteral("250")},
                    {"count", QStringLiteral("2")},
                    {"taxamounts", QStringLiteral("1,19.5")},
                    {"taxih", QStringLiteral("1,VAT 19%,1900")}});
    data += record({{"type", QStringLiteral("11")},
                    {"father", QStringLiteral("1")},
                    {"price", QStringLiteral("50")}});
    data += record({{"type", QStringLiteral("12")},
                    {"father", QStringLiteral("1")},
                    {"price", QStringLiteral("100")}});
    data += end() + record({{"type", QStringLiteral("-2")}, {"id", QStringLiteral("6")}});
    data += record({{"type", QStringLiteral("5")},
                    {"id", QStringLiteral("3")},
                    {"amount", QStringLiteral("600")},
                    {"payform", QStringLiteral("1")}});
    data += record({{"type", QStringLiteral("5")},
                    {"id", QStringLiteral("3")},
                    {"amount", QStringLiteral("650")},
                    {"voided", QStringLiteral("yes")}});
    EXPECT_EQ(TTableFacts::Read, expectSameTableFile(data, QStringLiteral("whole")));
    const QByteArray cut = data + record({{"type", QStringLiteral("3")}}).chopped(2);
    EXPECT_EQ(TTableFacts::Read, expectSameTableFile(cut, QStringLiteral("cut off")));
    TTableFacts facts;
    Basics::TRecordReader cutReader(cut);
    facts.readFile(cutReader, true);
    EXPECT_TRUE(facts.isCutOff());
    Basics::TRecordReader wholeReader(data);
    facts.readFile(wholeReader, true);
    EXPECT_FALSE(facts.isCutOff());

    EXPECT_EQ(TTableFacts::Read,
              expectSameTableFile(header("13") + creation(), QStringLiteral("no entries")));
    EXPECT_NE(TTableFacts::Read,
              expectSameTableFile(header("14") + record({{"type", QStringLiteral("3")}}) + end(),
                                  QStringLiteral("no creation record")));
    EXPECT_NE(TTableFacts::Read, expectSameTableFile(header("15"), QStringLiteral("header only")));
    EXPECT_NE(TTableFacts::Read, expectSameTableFile(header("16") + creation().chopped(1),
                                                     QStringLiteral("creation cut off")));
}

TEST(TableFacts, EveryTableOfTheDemoReadsAsInMemory)
{
    TestDir dir;
    TDemoOptions options;
    options.days = 3;
    options.tables = 40;
    options.today = QDate(2026, 12, 5);
    TDemoInstallation(options).write(dir.path());
    int tables = 0;
    for (QDate day = options.today.addDays(-options.days); day < options.today;
         day = day.addDays(1)) {
        TArchTable summary(dir.path(), day);
        delete summary.nextTable(); // builds the missing summary
        QFile file(summary.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        tables += expectSameTables(file.readAll());
    }
    EXPECT_EQ(options.days * options.tables, tables);
}

TEST(TableFacts, TableInMemoryGivesItsOwnEntriesAndTaxGroups)
{
    TTable table(nullptr);
    table.setVatOh(true);
    table.setTaxOh(QStringLiteral("1,VAT 19%,1900"));
    auto *order = new TTableEntry;
    order->setType(EntryOrder);
    order->setInt(QStringLiteral("price"), 200);
    order->setDouble(QStringLiteral("count"), 2);
    order->setString(QStringLiteral("taxamounts"), QStringLiteral("1,32"));
    order->setString(QStringLiteral("taxoh"), QStringLiteral("1,VAT 19%,1900"));
    auto *addOn = new TTableEntry;
    addOn->setType(EntryAddOn);
    addOn->setInt(QStringLiteral("price"), 30);
    order->children(true)->append(addOn);
    table.entries().append(order);
    auto *later = new TTableEntry;
    later->setType(EntryOrder);
    later->setDouble(QStringLiteral("count"), 1);
    later->setString(QStringLiteral("taxamounts"), QStringLiteral("1,10"));
    table.newEntries().append(later); // not saved yet: counts in the tax groups only

    TTableFacts facts;
    facts.take(table);
    EXPECT_FALSE(facts.isNull());
    EXPECT_EQ(&table, facts.table());
    ASSERT_EQ(1u, facts.entries().size());
    expectSameEntry(*order, *facts.entries()[0], QStringLiteral("order"));
    EXPECT_EQ(230, facts.entries()[0]->price());
    EXPECT_TRUE(facts.entries()[0]->hasAddOns());
    EXPECT_FALSE(facts.entries()[0]->hasComponents());
    EXPECT_FALSE(facts.hasPays());
    EXPECT_EQ(-1, facts.orderPayform());
    std::vector<TTaxGroupFacts> groups;
    facts.taxGroups(groups, nullptr);
    ASSERT_EQ(1u, groups.size());
    EXPECT_EQ(1, groups[0].id);
    EXPECT_EQ(QStringLiteral("VAT 19%"), groups[0].name);
    EXPECT_EQ(QStringLiteral("19.00000"), groups[0].rate);
    EXPECT_EQ(74, groups[0].amount); // 2 x 32, then 1 x 10 of the new entry

    facts.clear();
    EXPECT_TRUE(facts.isNull());
}

TEST(TableFacts, SetFieldsReadLikeTheRecordWouldAfterSet)
{
    TTableEntry component;
    component.setType(EntryComponent);
    component.setString(QStringLiteral("rateih"), QStringLiteral("700"));
    TEntryFacts facts;
    facts.takeEntry(component);
    facts.setType(EntryOrder);
    facts.set(FRateIh, Basics::TValueField(Basics::TypeText, QStringLiteral("1900")));
    facts.set(FTime, Basics::TValueField(Basics::TypeText, QStringLiteral("12:30:00")));
    facts.set(FCenter, Basics::TValueField());

    component.setType(EntryOrder);
    component.set(QStringLiteral("rateih"), Basics::TypeText, QStringLiteral("1900"));
    component.set(QStringLiteral("time"), Basics::TypeText, QStringLiteral("12:30:00"));
    component.set(QStringLiteral("center"), Basics::TValueField());
    expectSame(component, facts, QStringLiteral("component"));

    facts.remove(FRateIh);
    component.remove(QStringLiteral("rateih"));
    expectSame(component, facts, QStringLiteral("component"));
}

TEST(TableFactsWalk, ReadsTheFilesAsTheIteratorLoadsTheTables)
{
    TestDir dir;
    TDemoOptions options;
    options.days = 1;
    options.tables = 12;
    options.today = QDate(2026, 12, 5);
    TDemoInstallation(options).write(dir.path());
    const QString root = dir.path();
    const QString tables = tablesDir(root);
    const QString archives = archivesDir(root);
    const QStringList open = QDir(tables).entryList(QDir::Files, QDir::Name);
    const QStringList paid = QDir(archives).entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(open.isEmpty());
    ASSERT_FALSE(paid.isEmpty());
    // odd files: empty, without a creation record, the copy of another
    // table under its own number, held by a marker in small letters, a
    // marker of another party only, files gone after the listing, and a
    // paid table cut off inside its last entry
    const QByteArray table = dir.read(QStringLiteral("var/tables/") + open.first());
    dir.write(QStringLiteral("var/tables/t90.001"), QByteArray());
    dir.write(QStringLiteral("var/tables/t91.001"), header("91") + end());
    dir.write(QStringLiteral("var/tables/t92.001"), table);
    dir.write(QStringLiteral("var/activetables/t92p1.5"), QByteArray());
    dir.write(QStringLiteral("var/tables/t93.001"), table);
    dir.write(QStringLiteral("var/tables/t93.010"), table);
    dir.write(QStringLiteral("var/activetables/T93P10.2"), QByteArray());
    dir.write(QStringLiteral("var/tables/t94.001"), table);
    dir.write(QStringLiteral("var/archives/a900"), QByteArray());
    dir.write(QStringLiteral("var/archives/a901"),
              dir.read(QStringLiteral("var/archives/") + paid.first()));
    const QByteArray paidBytes = dir.read(QStringLiteral("var/archives/") + paid.last());
    dir.write(QStringLiteral("var/archives/a902"), paidBytes);
    dir.write(QStringLiteral("var/archives/a903"), paidBytes.chopped(3));

    THeldTables held;
    int terminal = 0;
    EXPECT_TRUE(held.held(root, 92, 1, &terminal));
    TTable classic(92, 1, nullptr, root);
    EXPECT_TRUE(classic.checkHeld());
    EXPECT_EQ(classic.heldBy(), terminal);
    EXPECT_FALSE(held.held(root, 93, 1));
    EXPECT_TRUE(held.held(root, 93, 10));

    // the tables the walk read, by their numbers, after comparing them with
    // those the iterator loads
    auto walked = [&root](const TTableFiles &files, bool withEntries, TField number) {
        const std::unique_ptr<TTableList> list(files.list());
        TTableIterator it(list.get(), withEntries, 0, nullptr, root);
        TTableFactsWalk walk(files, withEntries);
        QList<qint64> numbers;
        for (TTable *loaded = it.first(); loaded; loaded = it.next()) {
            const QString where = QStringLiteral("%1 %2").arg(number).arg(it.position());
            const TTableFacts *facts = walk.next();
            EXPECT_TRUE(facts) << qPrintable(where);
            if (!facts)
                break;
            EXPECT_EQ(it.position(), walk.position());
            EXPECT_EQ(loaded->filePath(), walk.filePath());
            EXPECT_EQ(loaded->isCutOff(), facts->isCutOff()) << qPrintable(where);
            expectSameTable(*loaded, *facts, where);
            numbers.append(facts->header().getLong(number));
        }
        EXPECT_EQ(nullptr, walk.next());
        return numbers;
    };
    for (const bool withEntries : {true, false}) {
        const TTableFiles openFiles = activeTableFiles(root);
        QFile::remove(tables + QStringLiteral("t94.001"));
        QList<qint64> numbers = walked(openFiles, withEntries, FTable);
        EXPECT_TRUE(numbers.contains(93));
        for (const qint64 n : {90, 91, 92, 94})
            EXPECT_FALSE(numbers.contains(n)) << n;
        dir.write(QStringLiteral("var/tables/t94.001"), table);

        const TTableFiles paidFiles = archiveTableFiles(root);
        QFile::remove(archives + QStringLiteral("a902"));
        numbers = walked(paidFiles, withEntries, FArchive);
        for (const qint64 n : {901, 903})
            EXPECT_TRUE(numbers.contains(n)) << n;
        for (const qint64 n : {900, 902})
            EXPECT_FALSE(numbers.contains(n)) << n;
        dir.write(QStringLiteral("var/archives/a902"), paidBytes);
    }
    // the paid tables of a closed day
    const TTableFiles day = dayTableFiles(root, options.today.addDays(-1));
    EXPECT_EQ(day.count(), walked(day, true, FArchive).size());
}
