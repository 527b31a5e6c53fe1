#include "tsummarylines.h"

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
        EXPECT_EQ(QStringLiteral("end"), out->last());
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
