#include "tfigures.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace PosLib;

// Every figure has its own key and its own caption, and the key finds it
// again: JSON, CSV and texts cannot mix two figures up.
TEST(Figures, EachFigureHasItsOwnKeyAndCaption)
{
    const QList<TFigure> figures = allFigures();
    EXPECT_EQ(int(TFigure::Difference) + 1, figures.size());
    QSet<QString> keys, captions;
    for (TFigure figure : figures) {
        const QString key = figureKey(figure);
        EXPECT_FALSE(key.isEmpty());
        EXPECT_FALSE(keys.contains(key)) << key.toStdString();
        keys.insert(key);
        const QString caption = figureCaption(figure);
        EXPECT_FALSE(captions.contains(caption)) << caption.toStdString();
        captions.insert(caption);
        TFigure found = TFigure::Difference;
        ASSERT_TRUE(figureOfKey(key, &found)) << key.toStdString();
        EXPECT_EQ(figure, found);
    }
    EXPECT_FALSE(figureOfKey(QStringLiteral("amount")));
    EXPECT_FALSE(figureOfKey(QString()));
}

TEST(Figures, TheSummarysWordsAndKeys)
{
    EXPECT_EQ(QStringLiteral("allAmount"), figureKey(TFigure::AllAmount));
    EXPECT_EQ(QStringLiteral("All amount"), figureCaption(TFigure::AllAmount));
    EXPECT_EQ(QStringLiteral("Sum of all payforms"), figureCaption(TFigure::AllPayforms));
    EXPECT_EQ(QStringLiteral("billTotal"), figureKey(TFigure::BillTotal));
    EXPECT_STREQ("Bill total", figureSourceCaption(TFigure::BillTotal));
    // counts are written as numbers, the rest as money
    for (TFigure count : {TFigure::Bills, TFigure::PaidTables, TFigure::Guests, TFigure::Voids,
                          TFigure::OpenTables})
        EXPECT_TRUE(figureIsCount(count)) << figureKey(count).toStdString();
    for (TFigure amount : {TFigure::BillTotal, TFigure::AllAmount, TFigure::VoidAmount,
                           TFigure::OpenTablesAmount, TFigure::Tip})
        EXPECT_FALSE(figureIsCount(amount)) << figureKey(amount).toStdString();
}
