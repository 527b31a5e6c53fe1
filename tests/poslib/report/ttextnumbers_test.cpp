#include "taggregatestream.h"
#include "ttextnumbers.h"

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

// A day's texts written as a day aggregate, with the numbers given or with
// numbers of the writer's own.
QByteArray day(const QList<QString> &texts, TTextNumbers *numbers)
{
    TAggregateWriter out(numbers);
    for (const QString &text : texts)
        out.text(text);
    return out.bytes();
}

} // namespace

// A worker writes day after day with numbers kept from day to day: each
// day's bytes are the ones a writer of its own writes (its texts in the
// order they came, each once), whether a text comes again with the same
// data, as a copy made anew, or with data a text had before it was changed
// in place, and after the numbers start anew.
TEST(TextNumbers, DaysWrittenWithKeptNumbersAreTheDaysAlone)
{
    TTextNumbers kept(16);
    const QString waiter = QStringLiteral("Anna");
    const QString table = QStringLiteral("Table 12");
    QList<QList<QString>> days;
    days << QList<QString> {waiter, table, QString(), QStringLiteral(""), waiter, table};
    // the same characters in data of their own, and one text left out
    days << QList<QString> {QStringLiteral("Table ") + QString::number(12), waiter,
                            QStringLiteral("Bar")};
    for (const QList<QString> &texts : std::as_const(days))
        EXPECT_EQ(day(texts, nullptr), day(texts, &kept));

    // a text of the same characters as one numbered before, in data of its
    // own, changed in place where it was once nothing else holds it: it
    // does not keep the number its old characters had
    QString changed = QStringLiteral("Table ") + QString::number(12);
    day({table, changed}, &kept);
    changed[6] = QLatin1Char('9');
    TAggregateWriter out(&kept);
    out.text(changed);
    out.text(table);
    const QByteArray bytes = out.bytes();
    TAggregateReader in(bytes);
    EXPECT_EQ(QStringLiteral("Table 92"), in.text());
    EXPECT_EQ(QStringLiteral("Table 12"), in.text());
    EXPECT_TRUE(in.ok());

    // more texts than the slots remembered by address, then numbers anew
    QList<QString> many;
    for (int i = 0; i < 100; ++i)
        many << QString::number(i % 40);
    EXPECT_EQ(day(many, nullptr), day(many, &kept));
    kept.trim(10);
    EXPECT_EQ(0u, kept.count());
    EXPECT_EQ(day(days.first(), nullptr), day(days.first(), &kept));
}
