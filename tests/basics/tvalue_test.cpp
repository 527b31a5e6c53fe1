#include "logcapture.h"
#include "terror.h"
#include "testdir.h"
#include "tfile.h"
#include "tfilenotices.h"
#include "trecordcodec.h"
#include "tsavefile.h"
#include "tvalue.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTextStream>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

using namespace Basics;

namespace {

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray out;
    for (int b : list)
        out.append(char(b));
    return out;
}

TValue *record(int id, const QString &name = QString())
{
    auto *v = new TValue;
    v->setId(id);
    if (!name.isNull())
        v->setName(name);
    return v;
}

QByteArray recordBytes(const TValue &v)
{
    QByteArray out;
    appendRecord(out, v);
    return out;
}

// Records every signal of a list. Declare it after the list it watches.
struct Recorder
{
    explicit Recorder(TValueList &list)
    {
        QObject::connect(&list, &TValueList::inserted, [this](TValue *v) { inserted << v; });
        QObject::connect(&list, &TValueList::removed, [this](TValue *v) { removed << v; });
        QObject::connect(&list, &TValueList::changed, [this](TValue *v) { changed << v; });
        QObject::connect(&list, &TValueList::importCount, [this](int n) { importCount << n; });
        QObject::connect(&list, &TValueList::importStep, [this](int n) { importSteps << n; });
        QObject::connect(&list, &TValueList::exportCount, [this](int n) { exportCount << n; });
        QObject::connect(&list, &TValueList::exportStep, [this](int n) { exportSteps << n; });
    }
    QList<TValue *> inserted, removed, changed;
    QList<int> importCount, importSteps, exportCount, exportSteps;
};

// Counts live records, to see who deletes what.
struct CountedValue : TValue
{
    CountedValue() { ++alive; }
    ~CountedValue() override { --alive; }
    static int alive;
};
int CountedValue::alive = 0;

class CountedList : public TValueList
{
public:
    using TValueList::TValueList;
    TValue *newValue() override { return new CountedValue; }
};

class SettingsList : public TValueList
{
public:
    QString listName() const override { return QStringLiteral("settings"); }
};

// Sets or unsets a variable for one test and restores it afterwards.
class EnvGuard
{
public:
    EnvGuard(const char *name, const char *value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        set(value);
    }
    ~EnvGuard()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    void set(const char *value)
    {
        if (value)
            qputenv(m_name, value);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

QDomElement parseXml(QDomDocument &doc, const QString &xml)
{
    EXPECT_TRUE(doc.setContent(xml)) << qPrintable(xml);
    return doc.documentElement();
}

} // namespace

// ---- records --------------------------------------------------------------

TEST(ValueRecord, TypedFieldsRoundTrip)
{
    TValue v;
    v.setDouble("price", 12.5);
    v.setBool("on", true);
    v.setBool("off", false);
    v.setInt("count", -17);
    v.setDate("day", QDate(2014, 3, 5));
    v.setTime("at", QTime(19, 4, 11));

    EXPECT_EQ("12.50000", v.getString("price"));
    EXPECT_EQ(TypeDecimal, v.get("price").type);
    EXPECT_DOUBLE_EQ(12.5, v.getDouble("price"));
    EXPECT_EQ("yes", v.getString("on"));
    EXPECT_EQ("no", v.getString("off"));
    EXPECT_EQ(TypeBoolean, v.get("on").type);
    EXPECT_EQ("-17", v.getString("count"));
    EXPECT_EQ(-17, v.getInt("count"));
    EXPECT_EQ("2014-03-05", v.getString("day"));
    EXPECT_EQ(QDate(2014, 3, 5), v.getDate("day"));
    EXPECT_EQ("19:04:11", v.getString("at"));
    EXPECT_EQ(QTime(19, 4, 11), v.getTime("at"));

    v.setId(9);
    EXPECT_EQ(TypeInteger, v.get("id").type);
    EXPECT_EQ("9", v.getString("id"));
    EXPECT_EQ(9, v.id());
}

TEST(ValueRecord, MissingAndUnparsableFields)
{
    TValue v;
    v.setString("junk", "12abc");
    EXPECT_EQ(0, v.id());
    EXPECT_EQ(0, v.getInt("junk"));
    EXPECT_EQ(0.0, v.getDouble("junk"));
    EXPECT_EQ(0, v.getInt("missing"));
    EXPECT_TRUE(v.getDate("missing").isNull());
    EXPECT_TRUE(v.getTime("missing").isNull());
    EXPECT_TRUE(v.getString("missing").isNull());
    EXPECT_EQ("fallback", v.getString("missing", "fallback"));
    EXPECT_EQ(TValueField(2, "x"), v.get("missing", TValueField(2, "x")));
}

TEST(ValueRecord, BooleanForms)
{
    for (const char *yes : {"yes", "YES", "True", "on", "ON", "1"})
        EXPECT_TRUE(parseBoolean(yes)) << yes;
    for (const char *no : {"no", "false", "off", "0", "2", "", "y"})
        EXPECT_FALSE(parseBoolean(no)) << no;
    TValue v;
    EXPECT_TRUE(v.getBool("missing", true));
}

TEST(ValueRecord, EmptyNameRemovesField)
{
    TValue v;
    v.setName("Anna");
    EXPECT_EQ("Anna", v.name());
    v.setName("");
    EXPECT_FALSE(v.has("name"));
    EXPECT_TRUE(v.name().isNull());
    EXPECT_EQ(0, v.count());
}

TEST(ValueRecord, CopiesAreIndependent)
{
    TValue a;
    a.setName("Anna");
    TValue b = a;
    b.setName("Bruno");
    b.setInt("extra", 1);
    EXPECT_EQ("Anna", a.name());
    EXPECT_FALSE(a.has("extra"));
    EXPECT_EQ("Bruno", b.name());
}

// ---- list semantics -------------------------------------------------------

TEST(ValueList, AppendAfterHighestId)
{
    TValueList list;
    list.insert(record(5));
    list.insert(record(41));
    list.insert(record(3));
    EXPECT_EQ(42, list.nextId());
    TValue *v = record(0, "new");
    list.append(v);
    EXPECT_EQ(42, v->id());
    EXPECT_EQ(v, list.find(42));
    EXPECT_EQ(43, list.nextId());
}

TEST(ValueList, InsertMovesNextId)
{
    TValueList list;
    Recorder rec(list);
    TValue *high = record(100);
    list.insert(high);
    EXPECT_EQ(101, list.nextId());
    list.insert(record(50));
    EXPECT_EQ(101, list.nextId());
    EXPECT_EQ(2, list.count());
    ASSERT_EQ(2, rec.inserted.size());
    EXPECT_EQ(high, rec.inserted.at(0));
    EXPECT_EQ(nullptr, list.find(7));
}

TEST(ValueList, InsertOrUpdateKeepsStoredRecord)
{
    TValueList list;
    TValue *stored = record(4, "stored");
    list.insert(stored);
    Recorder rec(list);

    std::unique_ptr<TValue> given(record(4, "given"));
    list.insertOrUpdate(given.get());
    EXPECT_EQ(stored, list.find(4));
    EXPECT_EQ("stored", list.find(4)->name());
    EXPECT_EQ(1, list.count());
    EXPECT_TRUE(rec.inserted.isEmpty());
    ASSERT_EQ(1, rec.changed.size());
    EXPECT_EQ(given.get(), rec.changed.at(0));

    TValue *fresh = record(9, "fresh");
    list.insertOrUpdate(fresh);
    EXPECT_EQ(fresh, list.find(9));
    EXPECT_EQ(10, list.nextId());
    ASSERT_EQ(1, rec.inserted.size());
    EXPECT_EQ(fresh, rec.inserted.at(0));
}

TEST(ValueList, TakeHandsRecordToCaller)
{
    CountedValue::alive = 0;
    {
        CountedList list;
        auto *v = new CountedValue;
        v->setId(3);
        list.insert(v);
        Recorder rec(list);

        std::unique_ptr<TValue> taken(list.take(v));
        EXPECT_EQ(v, taken.get());
        EXPECT_EQ(0, list.count());
        ASSERT_EQ(1, rec.removed.size());
        EXPECT_EQ(v, rec.removed.at(0));
        EXPECT_EQ(1, CountedValue::alive);

        EXPECT_EQ(nullptr, list.take(v));
        EXPECT_EQ(1, rec.removed.size());
    }
    EXPECT_EQ(0, CountedValue::alive);
}

TEST(ValueList, RemoveSignalsFirstAndDeletes)
{
    CountedValue::alive = 0;
    CountedList list;
    auto *v = new CountedValue;
    v->setId(3);
    list.insert(v);
    Recorder rec(list);
    // the record is still alive when "removed" arrives
    QString seen;
    QObject::connect(&list, &TValueList::removed, [&](TValue *r) { seen = r->getString("id"); });

    EXPECT_TRUE(list.remove(v));
    EXPECT_EQ("3", seen);
    ASSERT_EQ(1, rec.removed.size());
    EXPECT_EQ(0, list.count());
    EXPECT_EQ(0, CountedValue::alive);

    TValue missing;
    missing.setId(3);
    EXPECT_FALSE(list.remove(&missing));
    EXPECT_EQ(2, rec.removed.size());
}

TEST(ValueList, AutoDeleteFixedAtConstruction)
{
    CountedValue::alive = 0;
    auto *kept = new CountedValue;
    kept->setId(1);
    {
        CountedList list(false);
        list.insert(kept);
        list.clear();
        EXPECT_EQ(1, list.nextId());
    }
    EXPECT_EQ(1, CountedValue::alive);
    delete kept;
    {
        CountedList list(true);
        list.insert(list.newValue());
        list.insert(record(2));
    }
    EXPECT_EQ(0, CountedValue::alive);
}

// ---- XML ------------------------------------------------------------------

TEST(ValueListXml, DeleteFirstReplacesList)
{
    TValueList list;
    list.insert(record(1, "old one"));
    list.insert(record(2, "old two"));
    Recorder rec(list);

    QDomDocument doc;
    list.importXml(parseXml(doc, "<elements><_delete_/>"
                                 "<element><id>7</id><name>Seven</name></element>"
                                 "<element><id>8</id><name>Eight</name></element>"
                                 "</elements>"));
    EXPECT_EQ((QList<int> {7, 8}), list.ids());
    EXPECT_EQ("Seven", list.find(7)->name());
    EXPECT_EQ(TypeText, list.find(7)->get("id").type);
    EXPECT_EQ((QList<int> {3}), rec.importCount);
    EXPECT_EQ((QList<int> {1, 2}), rec.importSteps);
}

TEST(ValueListXml, MergesRemovesAppendsAndInserts)
{
    TValueList list;
    TValue *first = record(1, "Anna");
    first->setString("teams", "1;3");
    list.insert(first);
    list.insert(record(2, "Bruno"));
    list.insert(record(5, "Carla"));
    Recorder rec(list);

    QDomDocument doc;
    list.importXml(parseXml(doc, "<elements>"
                                 "<element><id>1</id><name>Anne</name><note>n</note></element>"
                                 "<element><_delete_/><id>2</id></element>"
                                 "<element><name>New</name></element>"
                                 "<element><id>20</id><name>Twenty</name></element>"
                                 "</elements>"));

    // id 1 merged in place: overwritten and added fields, others stay
    EXPECT_EQ(first, list.find(1));
    EXPECT_EQ("Anne", first->name());
    EXPECT_EQ("n", first->getString("note"));
    EXPECT_EQ("1;3", first->getString("teams"));
    ASSERT_EQ(1, rec.changed.size());
    EXPECT_EQ(first, rec.changed.at(0));
    // id 2 removed
    EXPECT_EQ(nullptr, list.find(2));
    EXPECT_EQ(1, rec.removed.size());
    // no id: appended after the highest id of the time (5)
    ASSERT_NE(nullptr, list.find(6));
    EXPECT_EQ("New", list.find(6)->name());
    // unknown id: inserted as it is
    ASSERT_NE(nullptr, list.find(20));
    EXPECT_EQ(21, list.nextId());
    EXPECT_EQ((QList<int> {1, 5, 6, 20}), list.ids());
    EXPECT_EQ((QList<int> {1, 2, 3, 4}), rec.importSteps);
}

TEST(ValueListXml, SettingsElementMergesIntoRecord)
{
    SettingsList list;
    TValue *settings = record(1, "Main outlet");
    settings->setString("currency", "EUR");
    list.insert(settings);
    Recorder rec(list);

    QDomDocument doc;
    list.importXml(parseXml(doc, "<Settings><setting><id>1</id><name>Outlet</name>"
                                 "<dayStart>04:00</dayStart></setting></Settings>"));
    ASSERT_EQ(1, list.count());
    EXPECT_EQ(settings, list.find(1));
    EXPECT_EQ("Outlet", settings->name());
    EXPECT_EQ("EUR", settings->getString("currency"));
    EXPECT_EQ("04:00", settings->getString("dayStart"));
    EXPECT_EQ(1, rec.changed.size());
    EXPECT_TRUE(rec.inserted.isEmpty());
}

TEST(ValueListXml, TextInsideRecordStopsReading)
{
    TValueList list;
    QDomDocument doc;
    list.importXml(parseXml(doc, "<elements><element><id>7</id>stray<name>x</name></element>"
                                 "</elements>"));
    ASSERT_NE(nullptr, list.find(7));
    EXPECT_FALSE(list.find(7)->has("name"));
}

TEST(ValueListXml, ExportStructure)
{
    TValueList list;
    TValue *b = record(2, "B & b");
    b->setString("amount", "1.50000");
    list.insert(b);
    list.insert(record(1, "A"));
    Recorder rec(list);

    QDomDocument doc;
    QDomElement root = doc.createElement("root");
    doc.appendChild(root);
    list.exportXml(doc, root);
    EXPECT_EQ("<root><elements>"
              "<element><id>1</id><name>A</name></element>"
              "<element><amount>1.50000</amount><id>2</id><name>B &amp; b</name></element>"
              "</elements></root>",
              doc.toString(-1).trimmed());
    EXPECT_EQ((QList<int> {2}), rec.exportCount);
    EXPECT_EQ((QList<int> {1, 2}), rec.exportSteps);

    // and the export imports back into an equal list
    TValueList copy;
    copy.importXml(doc.documentElement().firstChildElement("elements"));
    EXPECT_EQ(list.toData(), copy.toData());
}

TEST(ValueListText, ExportReplacesSeparators)
{
    TValueList list;
    TValue *v = record(1, "a;b\r\nc\"d");
    v->setString("note", "x\ry\nz");
    list.insert(v);
    list.insert(record(2, "plain"));
    Recorder rec(list);

    QString out;
    QTextStream stream(&out);
    list.exportText(stream, {"id", "name", "missing", "note"});
    stream.flush();
    EXPECT_EQ("1;a,b||c'd;;x|y|z\n"
              "2;plain;;\n",
              out);
    EXPECT_EQ((QList<int> {2}), rec.exportCount);
    EXPECT_EQ((QList<int> {1, 2}), rec.exportSteps);
}

// ---- sorting and escaping -------------------------------------------------

namespace {

QStringList sortedNames(const QList<TValue *> &values, TValueSort sort)
{
    for (TValue *v : values)
        sort.append(v);
    sort.sort();
    QStringList names;
    for (const TValue *v : std::as_const(sort))
        names << v->name();
    return names;
}

} // namespace

TEST(ValueSort, NumericMode)
{
    TValue a, b, c, none;
    a.setName("a");
    a.setString("v", "10.5");
    b.setName("b");
    b.setString("v", "2");
    c.setName("c");
    c.setString("v", "-3");
    none.setName("none");
    const QList<TValue *> all {&a, &b, &c, &none};
    EXPECT_EQ((QStringList {"c", "none", "b", "a"}), sortedNames(all, TValueSort("v", 1, true)));
    EXPECT_EQ((QStringList {"a", "b", "none", "c"}), sortedNames(all, TValueSort("v", 1, false)));
    EXPECT_EQ(0, TValueSort("missing", 1, true).compareItems(&a, &b));
}

TEST(ValueSort, DateTimeMode)
{
    TValue early, late, sameDay;
    early.setName("early");
    early.setDate("d", QDate(2014, 3, 5));
    early.setTime("t", QTime(9, 0));
    late.setName("late");
    late.setDate("d", QDate(2014, 3, 6));
    late.setTime("t", QTime(1, 0));
    sameDay.setName("sameDay");
    sameDay.setDate("d", QDate(2014, 3, 5));
    sameDay.setTime("t", QTime(23, 59, 59));
    const QList<TValue *> all {&late, &sameDay, &early};
    EXPECT_EQ((QStringList {"early", "sameDay", "late"}),
              sortedNames(all, TValueSort("d", 2, true, "t")));
    EXPECT_EQ((QStringList {"late", "sameDay", "early"}),
              sortedNames(all, TValueSort("d", 2, false, "t")));
}

TEST(ValueSort, TextModeFlagMeansDescending)
{
    TValue a, b, c;
    a.setName("anna");
    b.setName("Bruno");
    c.setName("carla");
    const QList<TValue *> all {&c, &a, &b};
    EXPECT_EQ((QStringList {"anna", "Bruno", "carla"}),
              sortedNames(all, TValueSort("name", 0, false)));
    EXPECT_EQ((QStringList {"carla", "Bruno", "anna"}),
              sortedNames(all, TValueSort("name", 7, true)));
    TValue upper;
    upper.setName("ANNA");
    EXPECT_EQ(0, TValueSort("name", 0, false).compareItems(&a, &upper));
}

TEST(EscapeXml, Cases)
{
    EXPECT_EQ("a&lt;b", escapeXml("a<b"));
    EXPECT_EQ("&quot;x&quot;", escapeXml("\"x\""));
    EXPECT_EQ("&amp;lt;", escapeXml("&lt;"));
    EXPECT_EQ("a>b", escapeXml("a>b"));
    EXPECT_EQ("]>", escapeXml("]>"));
    EXPECT_EQ("]]&gt;", escapeXml("]]>"));
    EXPECT_EQ("x]]&gt;>", escapeXml("x]]>>"));
    EXPECT_EQ("\t\n\r", escapeXml("\t\n\r"));
    EXPECT_EQ("&#x1;", escapeXml(QString(QChar(1))));
    EXPECT_EQ("a&#x1f;b", escapeXml(QString("a") + QChar(0x1f) + "b"));
    EXPECT_EQ("&#xfffe;", escapeXml(QString(QChar(0xfffe))));
    const QString kept = QString(QChar(0xd7ff)) + QChar(0xe000) + QChar(0xfffd) + QChar(0xe4);
    EXPECT_EQ(kept, escapeXml(kept));
    EXPECT_EQ("", escapeXml(""));
}

// ---- the ".dat" file ------------------------------------------------------

class ValueListFile : public ::testing::Test
{
protected:
    TestDir dir;
    TValueList list;

    int load(const QString &file = "elements.dat") { return list.load(dir.path(), file); }
};

TEST_F(ValueListFile, SavesAscendingIdsByteForByte)
{
    list.insert(record(2));
    TValue *one = record(1);
    one->setString("a", "");
    list.insert(one);
    list.save(dir.path(), "elements.dat");
    const QByteArray expected = bytes({
            0, 0, 0, 2, // id 1: "a" = "", "id" = "1"
            0, 0, 0, 2, 0, 'a', 0, 0,   0, 0, //
            0, 0, 0, 4, 0, 'i', 0, 'd', 0, 0, 0, 2, 0, '1', //
            0, 0, 0, 1, // id 2
            0, 0, 0, 4, 0, 'i', 0, 'd', 0, 0, 0, 2, 0, '2',
    });
    EXPECT_EQ(expected.toHex(' '), dir.read("elements.dat").toHex(' '));
}

TEST_F(ValueListFile, MissingFileClearsList)
{
    list.insert(record(5));
    EXPECT_EQ(7, list.load(dir.path() + "usr/data", "elements.dat"));
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(1, list.nextId());
    EXPECT_TRUE(dir.exists("usr/data"));
}

TEST_F(ValueListFile, LoadInsertsEveryRecord)
{
    QByteArray data = recordBytes(*std::unique_ptr<TValue>(record(3, "c")));
    data += recordBytes(TValue()); // no fields: a record with id 0
    data += recordBytes(*std::unique_ptr<TValue>(record(1, "a")));
    dir.write("elements.dat", data);
    list.insert(record(99));
    Recorder rec(list);

    EXPECT_EQ(0, load());
    EXPECT_EQ((QList<int> {0, 1, 3}), list.ids());
    EXPECT_TRUE(list.find(0)->isEmpty());
    EXPECT_EQ(4, list.nextId());
    EXPECT_EQ(3, rec.inserted.size());
}

TEST_F(ValueListFile, CorruptCountThrowsAndKeepsEarlierRecords)
{
    QByteArray data = recordBytes(*std::unique_ptr<TValue>(record(1, "a")));
    data += recordBytes(*std::unique_ptr<TValue>(record(2, "b")));
    data += bytes({0x01, 0x00, 0x00, 0x00, 0, 0, 0, 0, 0, 0, 0, 0});
    dir.write("elements.dat", data);
    try {
        load();
        FAIL() << "no error thrown";
    } catch (const TError &e) {
        EXPECT_STREQ("tvalue", e.file());
        EXPECT_EQ(106, e.line());
        EXPECT_EQ(5, e.code());
    }
    EXPECT_EQ((QList<int> {1, 2}), list.ids());
}

TEST_F(ValueListFile, TruncatedFileReturns304)
{
    QByteArray data = recordBytes(*std::unique_ptr<TValue>(record(1, "a")));
    const QByteArray second = recordBytes(*std::unique_ptr<TValue>(record(2, "b")));
    dir.write("elements.dat", data + second.left(second.size() - 3));
    EXPECT_EQ(304, load());
    EXPECT_EQ((QList<int> {1}), list.ids());
}

TEST_F(ValueListFile, CompressedOnlyWithPosCompress)
{
    const QByteArray plain = testData("waiters.dat");
    dir.write("elements.dat", qCompress(plain) + char(0xff));
    EnvGuard env("POS_COMPRESS", nullptr);

    // without the variable the packed bytes are taken for records
    EXPECT_EQ(304, load());
    EXPECT_EQ(0, list.count());
    for (const char *off : {"", "0", "false", "FALSE"}) {
        env.set(off);
        EXPECT_EQ(304, load()) << off;
    }
    for (const char *on : {"1", "yes", "true"}) {
        env.set(on);
        EXPECT_EQ(0, load()) << on;
        EXPECT_EQ((QList<int> {1, 2, 3}), list.ids()) << on;
    }
}

TEST_F(ValueListFile, UnmarkedFileIsNeverDecompressed)
{
    const QByteArray packed = qCompress(testData("waiters.dat"));
    ASSERT_NE(char(0xff), packed.back());
    dir.write("elements.dat", packed);
    EnvGuard env("POS_COMPRESS", "1");
    EXPECT_EQ(304, load());
    EXPECT_EQ(0, list.count());

    // a plain list that happens to end in 0xFF still loads
    TValue v;
    v.setString("k", QString(QChar(0x00ff)));
    dir.write("plain.dat", recordBytes(v));
    EXPECT_EQ(0, load("plain.dat"));
    ASSERT_EQ(1, list.count());
    EXPECT_EQ(QString(QChar(0x00ff)), list.find(0)->getString("k"));
}

TEST_F(ValueListFile, SaveTwiceKeepsOneOld)
{
    list.insert(record(1, "first"));
    list.save(dir.path(), "elements.dat");
    const QByteArray first = dir.read("elements.dat");
    list.insert(record(2, "second"));
    list.save(dir.path(), "elements.dat");
    list.save(dir.path(), "elements.dat");

    EXPECT_EQ((QStringList {"elements.dat", "elements.dat.old"}), dir.entries());
    EXPECT_EQ(list.toData(), dir.read("elements.dat"));
    EXPECT_EQ(list.toData(), dir.read("elements.dat.old"));
    EXPECT_NE(first, dir.read("elements.dat"));

    TValueList back;
    EXPECT_EQ(0, back.load(dir.path(), "elements.dat"));
    EXPECT_EQ((QList<int> {1, 2}), back.ids());
}

TEST_F(ValueListFile, FailedSaveLeavesFileIntact)
{
    list.insert(record(1, "kept"));
    list.save(dir.path(), "elements.dat");
    list.save(dir.path(), "elements.dat");
    const QByteArray before = dir.read("elements.dat");
    const QByteArray oldBefore = dir.read("elements.dat.old");

    // a directory where the new file should go fails for root as well
    ASSERT_TRUE(QDir().mkdir(dir.file("elements.dat.new")));
    list.insert(record(2, "lost"));
    EXPECT_THROW(list.save(dir.path(), "elements.dat"), TFileError);
    EXPECT_EQ(before, dir.read("elements.dat"));
    EXPECT_EQ(oldBefore, dir.read("elements.dat.old"));
}

TEST_F(ValueListFile, BasePathUsesDataDir)
{
    list.insert(record(1, "x"));
    const QByteArray base = QFile::encodeName(dir.path() + "pos");
    list.save(base.constData());
    EXPECT_TRUE(dir.exists("pos/usr/data/elements.dat"));
    EXPECT_EQ(dir.path() + "pos/usr/data/elements.dat", list.filePath(base.constData()));
    TValueList back;
    EXPECT_EQ(0, back.load(base.constData()));
    EXPECT_EQ(1, back.count());
}

// ---- reference files of an independent writer -----------------------------

TEST_F(ValueListFile, ReadsWaiters)
{
    dir.copyData("waiters.dat");
    ASSERT_EQ(0, load("waiters.dat"));
    ASSERT_EQ((QList<int> {1, 2, 3}), list.ids());
    EXPECT_EQ(4, list.nextId());

    const TValue *anna = list.find(1);
    EXPECT_EQ("Anna", anna->name());
    EXPECT_EQ("1;3", anna->getString("teams"));
    EXPECT_TRUE(anna->getBool("alltables"));
    EXPECT_EQ(1, anna->getInt("mintablerange"));
    EXPECT_EQ(50, anna->getInt("maxtablerange"));
    EXPECT_EQ(TypeText, anna->get("alltables").type);

    const TValue *bruno = list.find(2);
    EXPECT_EQ("Bruno", bruno->name());
    EXPECT_TRUE(bruno->has("teams"));
    EXPECT_TRUE(bruno->getString("teams").isEmpty());
    EXPECT_FALSE(bruno->getBool("alltables"));

    const TValue *third = list.find(3);
    ASSERT_TRUE(third->has("name"));
    EXPECT_TRUE(third->name().isNull());
    ASSERT_TRUE(third->has("note"));
    EXPECT_FALSE(third->getString("note").isNull());
    EXPECT_TRUE(third->getString("note").isEmpty());
}

TEST_F(ValueListFile, ResavedWaitersKeepTheirBytes)
{
    dir.copyData("waiters.dat");
    ASSERT_EQ(0, load("waiters.dat"));
    list.save(dir.path(), "waiters.dat");
    EXPECT_EQ(testData("waiters.dat").toHex(' '), dir.read("waiters.dat").toHex(' '));
}

TEST_F(ValueListFile, ReadsZCounter)
{
    dir.copyData("zcount.dat");
    ASSERT_EQ(0, load("zcount.dat"));
    ASSERT_EQ(1, list.count());
    EXPECT_EQ(42, list.find(0)->getInt("z"));
}

TEST(TextForms, DecimalsWithFiveDigits)
{
    EXPECT_EQ(QStringLiteral("12.50000"), Basics::decimalText(12.5));
    EXPECT_EQ(QStringLiteral("-12.50000"), Basics::decimalText(-12.5));
    EXPECT_EQ(QStringLiteral("-0.50000"), Basics::decimalText(-0.5));
    EXPECT_EQ(QStringLiteral("0.00000"), Basics::decimalText(0));
    EXPECT_EQ(QStringLiteral("2000.00000"), Basics::decimalText(2000));
    EXPECT_EQ(QStringLiteral("0.33333"), Basics::decimalText(1.0 / 3));
    EXPECT_EQ(QStringLiteral("1234567.00001"), Basics::decimalText(1234567.00001));
    EXPECT_EQ(12.5, Basics::parseDecimal(QStringLiteral(" 12.5 ")));
    EXPECT_EQ(42, Basics::parseInteger(QStringLiteral("42 ")));
}

// ---- what a failed save or a hostile file may not do ------------------------

// A save that fails at any step leaves the list's file as it was, and its
// name is never missing: the old scheme renamed the file away before the
// new one took its place, so a failure (or a kill) between the two left
// no list at all.
TEST_F(ValueListFile, SaveFailingAtAnyStepKeepsTheFile)
{
    list.insert(record(1, "kept"));
    list.save(dir.path(), "elements.dat");
    list.save(dir.path(), "elements.dat");
    const QByteArray before = dir.read("elements.dat");
    list.insert(record(2, "new"));
    for (TSaveStep failing :
         {TSaveStep::Open, TSaveStep::Write, TSaveStep::Sync, TSaveStep::Link, TSaveStep::Rename}) {
        bool present = true;
        setSaveFaultHook([&](TSaveStep step, const QString &) {
            // the name is there at every step
            present = present && dir.exists("elements.dat");
            return step == failing ? ENOSPC : 0;
        });
        try {
            list.save(dir.path(), "elements.dat");
            ADD_FAILURE() << "a failed save reported success, step " << int(failing);
        } catch (const TFileError &e) {
            EXPECT_EQ(ENOSPC, e.osError());
            EXPECT_TRUE(e.isDiskFull());
        }
        setSaveFaultHook({});
        EXPECT_TRUE(present) << int(failing);
        EXPECT_EQ(before, dir.read("elements.dat")) << int(failing);
        EXPECT_FALSE(dir.exists("elements.dat.new")) << int(failing);
        TValueList back;
        EXPECT_EQ(0, back.load(dir.path(), "elements.dat"));
        EXPECT_EQ((QList<int> {1}), back.ids());
    }
}

// A list file that is gone while its ".new" or ".old" holds a list is
// named in the log, not read as an empty list without a word.
TEST_F(ValueListFile, MissingFileBesideKeptCopyIsLogged)
{
    list.insert(record(1, "a"));
    list.save(dir.path(), "elements.dat");
    list.save(dir.path(), "elements.dat");
    ASSERT_TRUE(QFile::rename(dir.file("elements.dat"), dir.file("elements.dat.new")));
    QStringList notices;
    const auto connection = QObject::connect(&TFileNotices::instance(), &TFileNotices::notice,
                                             [&](const QString &text) { notices << text; });
    LogCapture log;
    EXPECT_EQ(7, load());
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(log.contains(dir.file("elements.dat.new"))) << qPrintable(log.lines.join('\n'));
    EXPECT_TRUE(log.contains(dir.file("elements.dat.old")));
    EXPECT_TRUE(log.contains("is missing"));
    // and the user is told, once for each copy
    ASSERT_EQ(2, notices.size());
    EXPECT_TRUE(notices.at(0).contains(dir.file("elements.dat.new")));

    // nothing beside it: a missing list is no event
    LogCapture quiet;
    EXPECT_EQ(7, load("other.dat"));
    EXPECT_FALSE(quiet.contains("is missing"));
    EXPECT_EQ(2, notices.size());
    QObject::disconnect(connection);
}

// Nine bytes whose size header claims 4 GB must not make the reader
// allocate 4 GB; a claim beyond what the packed bytes can hold is corrupt.
TEST_F(ValueListFile, CompressedSizeClaimIsChecked)
{
    EnvGuard env("POS_COMPRESS", "1");
    dir.write("elements.dat", bytes({0xff, 0xff, 0xff, 0xf0, 0x78, 0x9c, 0x03, 0x00, 0xff}));
    EXPECT_EQ(304, load());
    EXPECT_TRUE(list.isEmpty());

    bool corrupt = false;
    const QByteArray packed = qCompress(testData("waiters.dat"));
    // the honest claim passes
    EXPECT_EQ(testData("waiters.dat"), uncompressIfMarked(packed + char(0xff), &corrupt));
    EXPECT_FALSE(corrupt);
    // within the bound but more than the bytes can unpack to
    QByteArray lying = packed;
    qToBigEndian<quint32>(quint32(packed.size() * MaxCompressionRatio + 1), lying.data());
    EXPECT_TRUE(uncompressIfMarked(lying + char(0xff), &corrupt).isEmpty());
    EXPECT_TRUE(corrupt);
    // zeros compress about 1000 : 1 and still load
    TValue zeros;
    zeros.setString("z", QString(200000, QChar('0')));
    dir.write("zeros.dat", qCompress(recordBytes(zeros), 9) + char(0xff));
    EXPECT_EQ(0, load("zeros.dat"));
}

// A ".dat" beyond the size limit is refused with an error naming it, not
// read whole.
TEST_F(ValueListFile, OversizedListIsRefused)
{
    dir.write("elements.dat", QByteArray(4096, '\0'));
    const qint64 limit = TFile::maxReadSize();
    TFile::setMaxReadSize(4095);
    try {
        load();
        ADD_FAILURE() << "an oversized list was read";
    } catch (const TFileError &e) {
        EXPECT_EQ(EFBIG, e.osError());
        EXPECT_EQ(dir.file("elements.dat"), e.fileName());
    }
    TFile::setMaxReadSize(limit);
}

TEST(ValueXml, NestingDeeperThanAListIsRefused)
{
    QDomDocument doc;
    QString message;
    int line = 0;
    int column = 0;
    EXPECT_TRUE(parseListXml("<waiters><waiter><id>1</id><name>Ann</name></waiter></waiters>", doc,
                             &message, &line, &column))
            << qPrintable(message);
    EXPECT_EQ("waiters", doc.documentElement().tagName());

    // deep enough to keep a DOM parser busy for minutes
    const QByteArray deep
            = QByteArray("<a>").repeated(200000) + QByteArray("</a>").repeated(200000);
    EXPECT_FALSE(parseListXml(deep, doc, &message, &line, &column));
    EXPECT_TRUE(message.contains("deeper")) << qPrintable(message);
    EXPECT_FALSE(parseListXml("<l><r><f><g/></f></r></l>", doc, &message, &line, &column));
    // broken XML is still reported as such
    EXPECT_FALSE(parseListXml("<l><r>", doc, &message, &line, &column));
    EXPECT_FALSE(message.isEmpty());
}
