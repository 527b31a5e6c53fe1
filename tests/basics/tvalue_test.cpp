#include "tvalue.h"
#include "tvaluefixture.h"

#include <QDate>
#include <QTime>

#include <gtest/gtest.h>

#include <limits>
#include <memory>

using namespace Basics;
using namespace ValueTest;

namespace {

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

TEST(TextForms, IntegersAsQtWritesAndReadsThem)
{
    const qint64 values[] = {0,
                             7,
                             -7,
                             10,
                             -100,
                             999999999999999999LL,
                             -999999999999999999LL,
                             1000000000000000000LL,
                             std::numeric_limits<qint64>::max(),
                             std::numeric_limits<qint64>::min()};
    for (qint64 v : values) {
        EXPECT_EQ(QString::number(v), Basics::integerText(v)) << v;
        EXPECT_EQ(v, Basics::parseInteger(Basics::integerText(v))) << v;
    }
    // the forms toLongLong() reads, and those it does not
    const char *texts[] = {"0042",
                           "-0",
                           "+5",
                           " 5",
                           "5 ",
                           "-",
                           "",
                           "--5",
                           "5-",
                           "1e3",
                           "12abc",
                           "123456789012345678",
                           "1234567890123456789",
                           "99999999999999999999",
                           "\u0665"};
    for (const char *t : texts) {
        const QString text = QString::fromUtf8(t);
        bool ok = false;
        qint64 expected = text.toLongLong(&ok);
        if (!ok)
            expected = text.trimmed().toLongLong(&ok);
        EXPECT_EQ(ok ? expected : 0, Basics::parseInteger(text)) << t;
    }
}
