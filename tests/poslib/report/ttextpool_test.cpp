#include "taggregatestream.h"
#include "ttextpool.h"

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

QByteArray blob(std::initializer_list<QString> texts)
{
    TAggregateWriter out;
    for (const QString &text : texts)
        out.text(text);
    return out.bytes();
}

} // namespace

// Texts read from day aggregates take the pool's numbers: a text the pool
// knows keeps its number, a null text stays apart from an empty one, and a
// reader made where the one before it was finds its own texts, not the
// numbers the last one's texts were given.
TEST(TextPool, TextsReadFromDayAggregatesTakeThePoolsNumbers)
{
    TTextPool pool;
    const quint32 euro = pool.id(QStringLiteral("EUR"));
    const QList<QByteArray> days {
            blob({QStringLiteral("EUR"), QStringLiteral("CHF"), QStringLiteral("EUR"), QString()}),
            blob({QStringLiteral("USD"), QStringLiteral("EUR"), QStringLiteral("CHF"),
                  QStringLiteral("")})};
    QList<QList<quint32>> ids;
    for (const QByteArray &bytes : days) {
        TAggregateReader in(bytes);
        QList<quint32> day;
        for (int i = 0; i < 4; ++i)
            day << pool.id(in);
        EXPECT_TRUE(in.ok());
        ids << day;
    }
    EXPECT_EQ(euro, ids[0][0]);
    EXPECT_EQ(euro, ids[0][2]);
    EXPECT_EQ(TTextPool::Null, ids[0][3]);
    EXPECT_EQ(QStringLiteral("CHF"), pool.text(ids[0][1]));
    EXPECT_EQ(QStringLiteral("USD"), pool.text(ids[1][0]));
    EXPECT_EQ(euro, ids[1][1]);
    EXPECT_EQ(ids[0][1], ids[1][2]);
    EXPECT_TRUE(pool.text(ids[1][3]).isEmpty());
    EXPECT_FALSE(pool.text(ids[1][3]).isNull());

    // reading past what was written: no number, and the reader fails
    const QByteArray one = blob({QStringLiteral("EUR")});
    TAggregateReader in(one);
    EXPECT_EQ(euro, pool.id(in));
    EXPECT_EQ(TTextPool::Absent, pool.id(in));
    EXPECT_FALSE(in.ok());
}
