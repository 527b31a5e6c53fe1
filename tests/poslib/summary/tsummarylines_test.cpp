#include "tcurrency.h"
#include "tlinetext.h"
#include "tsummarylines.h"

#include <limits>

#include <gtest/gtest.h>

using namespace PosLib;

// Titles are held until a body gives a line: an empty body leaves no title
// behind, a group's title held under a section's title brings both along,
// in a list as through a sink.
TEST(SummaryLines, HeldLinesComeOnlyBeforeALineThatFollows)
{
    QStringList sunk;
    const TSummaryLines::Sink sink = [&sunk](const QString &line) { sunk << line; };
    TSummaryLines kept;
    TSummaryLines handed(&sink);
    for (TSummaryLines *out : {&kept, &handed}) {
        out->add(QStringLiteral("header"));
        out->hold({QString(), QStringLiteral("Section")});
        out->hold({QStringLiteral("== empty group ==")});
        out->drop();
        out->hold({QStringLiteral("== group ==")});
        out->add({QStringLiteral("a"), QStringLiteral("b")});
        out->drop();
        out->hold({QStringLiteral("== empty group ==")});
        out->drop();
        out->drop();
        out->hold({QString(), QStringLiteral("Empty section")});
        out->hold({QStringLiteral("== empty group ==")});
        out->drop();
        out->drop();
        out->add(QStringLiteral("end"));
        EXPECT_EQ(7, out->count());
        EXPECT_EQ(3, out->lastSize());
    }
    const QStringList expected {QStringLiteral("header"),  QString(),
                                QStringLiteral("Section"), QStringLiteral("== group =="),
                                QStringLiteral("a"),       QStringLiteral("b"),
                                QStringLiteral("end")};
    EXPECT_EQ(expected, kept.take());
    EXPECT_EQ(expected, sunk);
    EXPECT_TRUE(handed.take().isEmpty());
    // an empty sink keeps the lines
    const TSummaryLines::Sink none;
    TSummaryLines unset(&none);
    unset.add(QStringLiteral("x"));
    EXPECT_EQ(QStringList(QStringLiteral("x")), unset.take());
}

// A line built in place reads as the texts it stands for: amounts of any
// currency (one with more places than the line's own room for digits too),
// dates repeated, invalid and changing.
TEST(LineText, FieldsReadAsTheirTexts)
{
    QList<TPlainAmounts> currencies = {TPlainAmounts()};
    for (int places : {0, -2, 2, 3, 60}) {
        TCurrency currency;
        currency.setDecpos(places);
        currency.setDecchar(places == 3 ? QStringLiteral("::") : QStringLiteral(","));
        currencies << TPlainAmounts(currency);
    }
    for (const TPlainAmounts &amounts : currencies) {
        for (long amount : {0L, 5L, -5L, 1005L, -123456L, std::numeric_limits<long>::min(),
                            std::numeric_limits<long>::max()}) {
            TLineText line;
            line.append(u'|');
            line.appendAmountRight(amounts, amount, 8);
            EXPECT_EQ(QLatin1Char('|') + amounts.text(amount).rightJustified(8), line.text())
                    << amount;
        }
    }
    TDayTexts days;
    EXPECT_EQ(QStringLiteral("05.12.26"), days.text(QDate(2026, 12, 5)));
    EXPECT_EQ(QStringLiteral("05.12.26"), days.text(QDate(2026, 12, 5)));
    EXPECT_EQ(QString(), days.text(QDate()));
    EXPECT_EQ(QStringLiteral("01.01.27"), days.text(QDate(2027, 1, 1)));
    EXPECT_EQ(QStringLiteral("31.12.99"), days.text(QDate(1999, 12, 31)));
}
