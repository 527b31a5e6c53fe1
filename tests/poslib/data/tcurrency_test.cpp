#include "tcurrencies.h"
#include "testdir.h"
#include "tround.h"

#include <gtest/gtest.h>

using PosLib::TCurrencies;
using PosLib::TCurrency;
using PosLib::TPlainAmounts;

namespace {

TCurrency *addCurrency(TCurrencies &list, int id, const QString &shortname, double rate, int decpos,
                       const QString &decchar = QStringLiteral(","),
                       const QString &thschar = QString())
{
    auto *c = static_cast<TCurrency *>(list.newValue());
    c->setId(id);
    c->setShortname(shortname);
    c->setRate(rate);
    c->setDecpos(decpos);
    c->setDecchar(decchar);
    if (!thschar.isNull())
        c->setThschar(thschar);
    list.insert(c);
    return c;
}

} // namespace

TEST(Rounding, HalfUpAlsoForNegativeAmounts)
{
    EXPECT_EQ(299, PosLib::roundHalfUp(298.5));
    EXPECT_EQ(-298, PosLib::roundHalfUp(-298.5));
    EXPECT_EQ(-299, PosLib::roundHalfUp(-298.51));
    EXPECT_EQ(299, PosLib::lineAmount(199, 1.5));
    EXPECT_EQ(-298, PosLib::lineAmount(-199, 1.5));
}

TEST(Currency, FactorAndEffectiveRate)
{
    TCurrency c;
    EXPECT_EQ(2, c.decpos());
    EXPECT_EQ(100, c.factor());
    c.setDecpos(0);
    EXPECT_EQ(1, c.factor());
    c.setDecpos(-1);
    EXPECT_EQ(10, c.factor());
    c.setRate(4.0);
    c.setReverse(true);
    EXPECT_DOUBLE_EQ(0.25, c.effectiveRate());
    c.setRate(0.0);
    EXPECT_DOUBLE_EQ(0.0, c.effectiveRate());
}

class CurrencyList : public ::testing::Test
{
protected:
    void SetUp() override
    {
        list.setSystemCurrencyId(1);
        euro = addCurrency(list, 1, QStringLiteral("EUR"), 1.0, 2, QStringLiteral(","),
                           QStringLiteral("."));
    }

    TCurrencies list;
    TCurrency *euro = nullptr;
};

TEST_F(CurrencyList, PlainForm)
{
    EXPECT_EQ(QStringLiteral("1234,56"), list.formatPlain(123456));
    EXPECT_EQ(QStringLiteral("-0,05"), list.formatPlain(-5));
    EXPECT_EQ(QStringLiteral("-1234,56"), list.formatPlain(-123456));
    EXPECT_EQ(QStringLiteral("0,00"), list.formatPlain(0));

    TCurrency *dot = addCurrency(list, 2, QStringLiteral("USD"), 1.0, 3, QString());
    EXPECT_EQ(QStringLiteral("1.005"), list.formatPlain(1005, dot));

    TCurrency *whole = addCurrency(list, 3, QStringLiteral("JPY"), 1.0, 0);
    EXPECT_EQ(QStringLiteral("1234"), list.formatPlain(1234, whole));
    TCurrency *tens = addCurrency(list, 4, QStringLiteral("ITL"), 1.0, -1);
    EXPECT_EQ(QStringLiteral("120"), list.formatPlain(12, tens));
    EXPECT_EQ(QStringLiteral("-120"), list.formatPlain(-12, tens));
}

// The prepared plain form writes what format() writes, for every kind of
// currency and the amounts where signs and places are easy to get wrong.
TEST_F(CurrencyList, PreparedPlainFormIsThePlainForm)
{
    const QList<TCurrency *> currencies
            = {euro, addCurrency(list, 2, QStringLiteral("USD"), 1.0, 3, QString()),
               addCurrency(list, 3, QStringLiteral("JPY"), 1.0, 0),
               addCurrency(list, 4, QStringLiteral("ITL"), 1.0, -1),
               addCurrency(list, 5, QStringLiteral("XBT"), 1.0, 11, QStringLiteral("::"))};
    const QList<long> amounts = {0,
                                 1,
                                 -1,
                                 5,
                                 -5,
                                 99,
                                 -99,
                                 100,
                                 -100,
                                 1005,
                                 -1005,
                                 123456,
                                 -123456,
                                 1234567890123L,
                                 -1234567890123L};
    for (TCurrency *currency : currencies) {
        const TPlainAmounts prepared = list.plainAmounts(currency);
        for (long amount : amounts)
            EXPECT_EQ(list.format(amount, currency, false, false), prepared.text(amount))
                    << qPrintable(currency->shortname()) << " " << amount;
    }
    // none: the system currency
    EXPECT_EQ(QStringLiteral("-0,05"), list.plainAmounts().text(-5));
    TCurrencies none;
    none.setSystemCurrencyId(7);
    EXPECT_EQ(QStringLiteral("-12345"), none.plainAmounts().text(-12345));
    EXPECT_EQ(QStringLiteral("-12345"), TPlainAmounts().text(-12345));
}

TEST_F(CurrencyList, GroupedForm)
{
    EXPECT_EQ(QStringLiteral("1.234.567,89"), list.format(123456789, euro, false, true));
    EXPECT_EQ(QStringLiteral("1.000,00"), list.format(100000, euro, false, true));
    EXPECT_EQ(QStringLiteral("999,99"), list.format(99999, euro, false, true));
    EXPECT_EQ(QStringLiteral("0,99"), list.format(99, euro, false, true));
    EXPECT_EQ(QStringLiteral("-0,05"), list.format(-5, euro, false, true));
    EXPECT_EQ(QStringLiteral("-1.234.567,89"), list.format(-123456789, euro, false, true));

    TCurrency *whole
            = addCurrency(list, 2, QStringLiteral("JPY"), 1.0, 0, QString(), QStringLiteral("'"));
    EXPECT_EQ(QStringLiteral("1'002'003"), list.format(1002003, whole, false, true));
    TCurrency *tens
            = addCurrency(list, 3, QStringLiteral("ITL"), 1.0, -1, QString(), QStringLiteral("."));
    EXPECT_EQ(QStringLiteral("123.450"), list.format(12345, tens, false, true));
}

TEST_F(CurrencyList, ConvertThroughRates)
{
    TCurrency *other = addCurrency(list, 2, QStringLiteral("CHF"), 1.5, 2);
    EXPECT_EQ(1500, list.convert(1000, other, euro));
    EXPECT_EQ(1000, list.convert(1500, euro, other));
    // null stands for the system currency
    EXPECT_EQ(1500, list.convert(1000, other, nullptr));
    // the same record is never converted, whatever its rate
    EXPECT_EQ(1001, list.convert(1001, other, other));

    other->setReverse(true);
    EXPECT_EQ(667, list.convert(1000, other, euro));
    EXPECT_EQ(-667, list.convert(-1000, other, euro));
}

TEST_F(CurrencyList, ConvertBetweenDecimalPlaces)
{
    TCurrency *yen = addCurrency(list, 2, QStringLiteral("JPY"), 150.0, 0);
    EXPECT_EQ(1500, list.convert(1000, yen, euro)); // 10.00 EUR
    EXPECT_EQ(1000, list.convert(1500, euro, yen));
    TCurrency *tens = addCurrency(list, 3, QStringLiteral("ITL"), 2000.0, -1);
    EXPECT_EQ(200, list.convert(100, tens, euro)); // 1.00 EUR = 2000 = 200 tens
    EXPECT_EQ(100, list.convert(200, euro, tens));
}

TEST_F(CurrencyList, ShortFormsConvertFromSystemCurrency)
{
    TCurrency *other = addCurrency(list, 2, QStringLiteral("CHF"), 1.5, 2);
    EXPECT_EQ(QStringLiteral("15,00"), list.formatConverted(1000, other));
    EXPECT_EQ(QStringLiteral("10,00"), list.formatPlain(1000, other));
    EXPECT_EQ(QStringLiteral("10,00"), list.format(1000));
    EXPECT_EQ(QStringLiteral("     15,00"), list.formatRight(1000, 10, other));
    EXPECT_EQ(QStringLiteral("     10,00"), list.formatRight(1000, 10, other, false));
    EXPECT_EQ(QStringLiteral("12345678,90"), list.formatRight(1234567890, 10));
}

TEST(CurrencyListWithoutSystemCurrency, WritesPlainCents)
{
    TCurrencies list;
    EXPECT_EQ(1, list.systemCurrencyId());
    EXPECT_EQ(QStringLiteral("123456"), list.format(123456, nullptr, true, false));
    EXPECT_EQ(QStringLiteral("-5"), list.format(-5, nullptr, false, true));

    list.setSystemCurrencyId(7);
    addCurrency(list, 1, QStringLiteral("EUR"), 1.0, 2);
    EXPECT_EQ(nullptr, list.systemCurrency());
    EXPECT_EQ(QStringLiteral("123456"), list.format(123456));
}

TEST(CurrencyFile, ListRecordSurvivesSaveAndLoad)
{
    TestDir dir;
    {
        TCurrencies list;
        list.setSystemCurrencyId(2);
        addCurrency(list, 1, QStringLiteral("CHF"), 1.5, 2, QStringLiteral("."));
        addCurrency(list, 2, QStringLiteral("EUR"), 1.0, 2, QStringLiteral(","),
                    QStringLiteral("."));
        list.save(dir.path().toLocal8Bit().constData());
    }
    ASSERT_TRUE(dir.exists(QStringLiteral("usr/data/currency.dat")));

    TCurrencies loaded;
    ASSERT_EQ(0, loaded.load(dir.path().toLocal8Bit().constData()));
    EXPECT_EQ(2, loaded.systemCurrencyId());
    ASSERT_NE(nullptr, loaded.systemCurrency());
    EXPECT_EQ(QStringLiteral("EUR"), loaded.systemCurrency()->shortname());
    ASSERT_EQ(2, loaded.currencies().size());
    EXPECT_EQ(1, loaded.currencies().at(0)->id());
    EXPECT_EQ(nullptr, loaded.currency(0));
    EXPECT_EQ(3, loaded.nextId());
    EXPECT_EQ(QStringLiteral("1.000,00"), loaded.format(100000, nullptr, true, true));
    EXPECT_EQ(QStringLiteral("1500.00"), loaded.formatConverted(100000, loaded.currency(1)));
}
