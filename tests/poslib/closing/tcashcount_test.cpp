#include "tcashcount.h"

#include "payentry.h"
#include "tclosingrecord.h"
#include "tpendingclosing.h"
#include "ttable.h"
#include "ttableentry.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

#include <memory>

using namespace PosLib;
using closingtest::Pay;
using closingtest::pay;

namespace {

TTableEntry *cashRecord(qint64 amount)
{
    auto *e = new TTableEntry;
    e->setType(EntryCash);
    e->setInt(QStringLiteral("amount"), amount);
    e->setInt(QStringLiteral("retamount"), amount);
    e->setInt(QStringLiteral("retcurr"), 1);
    return e;
}

// A day's drawer: cash 28,00 + 3,00 tip paid with 35,00 (4,00 back), a
// card of 12,00 with 1,00 tip, francs 20,00 for 18,00, change float 150,00
// booked, 23,80 paid out for flowers, a declined card.
TDrawerFigures dayDrawer()
{
    TDrawerFigures drawer;
    drawer.setSystemCurrency(1, QStringLiteral("EUR"));
    TTable a(nullptr);
    a.entries().append(pay({2800, 1, QStringLiteral("Cash"), 300, 3500, 400}));
    a.entries().append(pay({1200, 2, QStringLiteral("EC card"), 100, 1300, 0, false}));
    a.entries().append(pay({999, 3, QStringLiteral("Visa"), 0, 999, 0, false, true}));
    drawer.add(a);
    TTable b(nullptr);
    // 20 francs are 2128 cents at 0.94; 18,00 due, 3,28 back in euro
    b.entries().append(
            pay({1800, 1, QStringLiteral("Cash"), 0, 2128, 328, true, false, 1, 2, 2000}));
    drawer.add(b);
    TTable drawerBill(nullptr);
    drawerBill.entries().append(cashRecord(15000));
    drawerBill.entries().append(cashRecord(-2380));
    drawer.add(drawerBill);
    return drawer;
}

TCountItem item(const QList<TDrawerFigures::Line> &lines, const QString &name)
{
    for (const auto &line : lines) {
        if (line.item.name == name)
            return line.item;
    }
    ADD_FAILURE() << "no item " << name.toStdString();
    return {};
}

} // namespace

TEST(CashCount, AmountsAsPeopleTypeThem)
{
    qint64 cents = 0;
    EXPECT_TRUE(parseCountAmount(QStringLiteral("412.50"), &cents));
    EXPECT_EQ(41250, cents);
    EXPECT_TRUE(parseCountAmount(QStringLiteral(" 412,5 "), &cents));
    EXPECT_EQ(41250, cents);
    EXPECT_TRUE(parseCountAmount(QStringLiteral("-3"), &cents));
    EXPECT_EQ(-300, cents);
    EXPECT_TRUE(parseCountAmount(QStringLiteral("0.05"), &cents));
    EXPECT_EQ(5, cents);
    for (const char *bad : {"", "12.345", "1.234,50", "12 EUR", "abc", "1e3", "--1"})
        EXPECT_FALSE(parseCountAmount(QLatin1String(bad), &cents)) << bad;
}

// Cash per currency in its own units with the change where it was given
// back and the cash records; every other payment form with its tip.
TEST(CashCount, WhatTheBillsSayTheDrawerHolds)
{
    const TDrawerFigures drawer = dayDrawer();
    const QList<TDrawerFigures::Line> lines = drawer.lines();
    ASSERT_EQ(3, lines.size());
    EXPECT_EQ(QStringLiteral("Cash"), lines[0].item.name);
    EXPECT_EQ(0, lines[0].item.currency);
    // 35,00 - 4,00 + 0 (francs in francs) - 3,28 change in euro + 150,00 - 23,80
    EXPECT_EQ(3500 - 400 - 328 + 15000 - 2380, lines[0].expected);
    EXPECT_EQ(QStringLiteral("Cash CHF"), lines[1].item.name);
    EXPECT_EQ(2000, lines[1].expected);
    EXPECT_DOUBLE_EQ(0.94, lines[1].item.rate);
    EXPECT_EQ(QStringLiteral("EC card"), lines[2].item.name);
    EXPECT_EQ(1300, lines[2].expected); // the declined Visa is not there
    EXPECT_EQ(15000, drawer.cashIn());
    EXPECT_EQ(-2380, drawer.cashOut());
}

TEST(CashCount, NamesFindTheirItemInAnyCase)
{
    const QList<TDrawerFigures::Line> lines = dayDrawer().lines();
    QList<TCountItem> items;
    for (const auto &line : lines)
        items << line.item;
    TCountItem visa;
    visa.payform = 3;
    visa.name = QStringLiteral("Visa");
    items << visa;
    TCountItem found;
    ASSERT_TRUE(findCountItem(QStringLiteral("cash"), items, &found));
    EXPECT_EQ(0, found.currency);
    ASSERT_TRUE(findCountItem(QStringLiteral("CASH chf"), items, &found));
    EXPECT_EQ(2, found.currency);
    ASSERT_TRUE(findCountItem(QStringLiteral("ec  card"), items, &found));
    EXPECT_EQ(2, found.payform);
    ASSERT_TRUE(findCountItem(QStringLiteral("3"), items, &found));
    EXPECT_EQ(QStringLiteral("Visa"), found.name);
    EXPECT_FALSE(findCountItem(QStringLiteral("cash USD"), items, nullptr));
    EXPECT_FALSE(findCountItem(QStringLiteral("Amex"), items, nullptr));
    EXPECT_FALSE(findCountItem(QString(), items, nullptr));
}

// The float is part of the cash expected; an item not counted has no
// difference; a foreign difference counts in system cents.
TEST(CashCount, DifferencesPerItemAndInTotal)
{
    const TDrawerFigures drawer = dayDrawer();
    const QList<TDrawerFigures::Line> lines = drawer.lines();
    TCashCountInput input;
    input.openingFloat = 10000;
    const qint64 cashExpected = lines[0].expected + 10000;
    input.counted << qMakePair(item(lines, QStringLiteral("Cash")), cashExpected - 250);
    input.counted << qMakePair(item(lines, QStringLiteral("Cash CHF")), qint64(1000));
    input.tolerance = 500;

    const TCashCount count = makeCashCount(input, drawer);
    ASSERT_EQ(3, count.lines.size());
    EXPECT_EQ(cashExpected, count.lines[0].expected);
    EXPECT_EQ(-250, count.lines[0].difference());
    EXPECT_EQ(-1000, count.lines[1].difference());
    EXPECT_EQ(-1064, count.lines[1].systemDifference); // 10 francs at 0.94, rounded half up
    EXPECT_FALSE(count.lines[2].counted);
    EXPECT_EQ(0, count.lines[2].difference());
    EXPECT_EQ(-1314, count.difference());
    EXPECT_TRUE(count.beyondTolerance());
    EXPECT_TRUE(count.lacksComment());

    input.comment = QStringLiteral("  francs given back by mistake ");
    input.counted[1].second = 2000;
    const TCashCount explained = makeCashCount(input, drawer);
    EXPECT_EQ(-250, explained.difference());
    EXPECT_FALSE(explained.beyondTolerance());
    EXPECT_EQ(QStringLiteral("francs given back by mistake"), explained.comment);

    // a payment form the bills do not have: expected 0
    TCountItem amex;
    amex.payform = 9;
    amex.name = QStringLiteral("Amex");
    input.counted << qMakePair(amex, qint64(700));
    const TCashCount extra = makeCashCount(input, drawer);
    ASSERT_EQ(4, extra.lines.size());
    EXPECT_EQ(700, extra.lines[3].difference());
}

// The count goes into the record as format 2 and comes back whole; a
// record without one stays format 1; an edited count breaks the seal.
TEST(CashCount, SealedIntoTheClosingRecord)
{
    TClosingRecord record;
    record.z = 12;
    record.dayZ = 4;
    record.date = QDate(2026, 12, 5);
    const QByteArray plain = record.toBytes();
    EXPECT_EQ(1, QJsonDocument::fromJson(plain).object().value(QStringLiteral("format")).toInt());
    EXPECT_FALSE(plain.contains("cashCount"));

    const TDrawerFigures drawer = dayDrawer();
    TCashCountInput input;
    input.counted << qMakePair(drawer.lines().at(0).item, qint64(41250));
    input.openingFloat = 15000;
    input.comment = QStringLiteral("Kassensturz: Münzrolle fehlt");
    input.countedBy = QStringLiteral("7 Manager");
    record.cashCount = makeCashCount(input, drawer);
    const QByteArray bytes = record.toBytes();
    EXPECT_EQ(2, QJsonDocument::fromJson(bytes).object().value(QStringLiteral("format")).toInt());
    EXPECT_TRUE(TClosingRecord::sealHolds(bytes));
    TClosingRecord back;
    QString error;
    ASSERT_TRUE(TClosingRecord::fromBytes(bytes, &back, &error)) << error.toStdString();
    EXPECT_EQ(record.cashCount, back.cashCount);
    EXPECT_EQ(record.cashCount.difference(), back.cashCount.difference());

    QByteArray edited = bytes;
    edited.replace("41250", "43250");
    ASSERT_NE(bytes, edited);
    EXPECT_FALSE(TClosingRecord::sealHolds(edited));

    // the run's note carries the input for a cut-off run's record
    TPendingClosing note;
    note.z = 12;
    note.date = record.date;
    note.cashCount = input;
    TPendingClosing read;
    ASSERT_TRUE(TPendingClosing::fromBytes(note.toBytes(), &read));
    EXPECT_EQ(input.toJson(), read.cashCount.toJson());
}
