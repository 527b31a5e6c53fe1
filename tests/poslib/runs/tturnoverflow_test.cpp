#include "tturnoverflow.h"

#include "turnovertestsupport.h"

#include <gtest/gtest.h>

// ---- the closing as the user starts it ------------------------------------

class TurnoverFlowTest : public TurnoverTest
{
protected:
    TurnoverFlowTest()
    {
        for (int id : {1, 2}) {
            auto *terminal = new TValue;
            terminal->setId(id);
            terminals.insert(terminal);
        }
    }

    // Closes the day; `goOn` answers the question about open tables.
    TTurnoverOutcome close(TValue *waiter, bool goOn = true)
    {
        TTurnoverRequest request;
        request.root = root();
        request.date = day;
        request.waiter = waiter;
        request.executingWaiter = bruno;
        request.terminals = &terminals;
        request.now = QDateTime(QDate(2014, 3, 6), QTime(1, 30, 5));
        questions.clear();
        return runTurnover(request, [&](const QString &caption, const QString &text) {
            questions << caption + QLatin1Char('|') + text;
            return goOn;
        });
    }

    Basics::TValueList terminals;
    QStringList questions;
};

TEST_F(TurnoverFlowTest, FiscalizedDayRefusesOnlyTheWholeDayClosing)
{
    archive(1, 1, 7);
    dir.write(QStringLiteral("var/reports/20140305.2.fiscal"), "report");

    const TTurnoverOutcome refused = close(nullptr);
    EXPECT_EQ(TTurnoverOutcome::AlreadyFiscalized, refused.status);
    EXPECT_EQ(QStringLiteral("Error"), refused.caption);
    EXPECT_EQ(QStringLiteral("This day is already fiscalized!"), refused.text);
    EXPECT_EQ(QStringList({"a1"}), names(QStringLiteral("var/archives")));
    EXPECT_FALSE(dir.exists(QStringLiteral("counter.dat")));

    EXPECT_EQ(TTurnoverOutcome::Done, close(anna).status);
    EXPECT_TRUE(names(QStringLiteral("var/archives")).isEmpty());
}

TEST_F(TurnoverFlowTest, OpenTablesAskBeforeAnythingMoves)
{
    archive(1, 1, 7);
    openTable(5, 9);

    EXPECT_EQ(TTurnoverOutcome::Declined, close(nullptr, false).status);
    EXPECT_EQ(QStringList({"Warning|There still are open tables! Do you want to continue?"}),
              questions);
    EXPECT_EQ(QStringList({"a1"}), names(QStringLiteral("var/archives")));
    EXPECT_FALSE(dir.exists(QStringLiteral("counter.dat")));
    EXPECT_TRUE(names(QStringLiteral("var/messages")).isEmpty());
    // a waiter's closing asks about every open table, not only theirs
    EXPECT_EQ(TTurnoverOutcome::Declined, close(anna, false).status);
    EXPECT_EQ(1, questions.size());

    EXPECT_EQ(TTurnoverOutcome::Done, close(nullptr, true).status);
    EXPECT_EQ(1, questions.size());
    EXPECT_TRUE(names(QStringLiteral("var/archives")).isEmpty());
}

TEST_F(TurnoverFlowTest, SuccessTellsEveryTerminal)
{
    {
        TSettings settings;
        auto *installation = new TValue;
        installation->setInt(QStringLiteral("officeid"), 4);
        settings.insert(installation);
        settings.save(root().toLocal8Bit().constData());
    }
    archive(1, 1, 7);

    const TTurnoverOutcome done = close(nullptr);
    EXPECT_EQ(TTurnoverOutcome::Done, done.status);
    EXPECT_EQ(0, done.code);
    EXPECT_EQ(QStringLiteral("Success"), done.caption);
    EXPECT_EQ(QStringLiteral("Day turn over processed to\nWed Mar 5 2014"), done.text);
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_EQ(QStringList(line(QStringLiteral("1:1;;;8;Bruno;%1;Office (Reports);4;0"))),
              journal());

    EXPECT_EQ(QStringList({"term.1.0", "term.2.0"}), names(QStringLiteral("var/messages")));
    for (const QString &name : names(QStringLiteral("var/messages"))) {
        TMessages messages;
        ASSERT_EQ(0, messages.load(dir.file(QStringLiteral("var/messages")), name));
        ASSERT_EQ(1, messages.count());
        const auto *message = static_cast<const TMessage *>(messages.values().first());
        EXPECT_EQ(QStringLiteral("fiscalturn"), message->message());
        EXPECT_EQ(QStringLiteral("Bruno"), message->fromWaiter());
    }
}

TEST_F(TurnoverFlowTest, FailuresNameTheirCause)
{
    auto expectFailure = [&](TValue *waiter, int code, const QString &text) {
        const TTurnoverOutcome failed = close(waiter);
        EXPECT_EQ(TTurnoverOutcome::Failed, failed.status) << code;
        EXPECT_EQ(code, failed.code);
        EXPECT_EQ(QStringLiteral("Error"), failed.caption);
        // the code's text first, then the cause
        EXPECT_EQ(text, failed.text.left(text.size()));
        EXPECT_TRUE(names(QStringLiteral("var/messages")).isEmpty()) << code;
    };
    openTable(5, 7);
    expectFailure(anna, 20009,
                  QStringLiteral("Could not execute turn over!\nYou are owner of open tables."));
    QFile::remove(dir.file(QStringLiteral("var/tables/t5.001")));
    ASSERT_EQ(0, run(anna));
    expectFailure(anna, 20010,
                  QStringLiteral("Could not execute turn over!\nYou already finalized this day."));
    // a journal that cannot be written ends the run inside
    QFile::remove(dir.file(dayFile(QStringLiteral("turnover.z"))));
    QDir().mkpath(dir.file(dayFile(QStringLiteral("turnover.z"))));
    expectFailure(nullptr, 304,
                  QStringLiteral("Could not execute turn over: 304\nthe run could not be "
                                 "journalled in ")
                          + dir.file(dayFile(QStringLiteral("turnover.z"))));
}

// Terminals that cannot be told of the closing used to go unmentioned
// under "Success".
TEST_F(TurnoverFlowTest, TerminalsThatCannotBeToldMakeAWarning)
{
    archive(1, 1, 7);
    dir.write(QStringLiteral("var/messages"), "a file where the folder belongs");
    const TTurnoverOutcome done = close(nullptr);
    EXPECT_EQ(TTurnoverOutcome::Incomplete, done.status);
    EXPECT_EQ(QStringLiteral("Warning"), done.caption);
    EXPECT_TRUE(done.text.startsWith(QStringLiteral("Day turn over processed to\n")
                                     + day.toString(Qt::TextDate)))
            << qPrintable(done.text);
    EXPECT_TRUE(done.text.contains(QStringLiteral("The terminals were not told of the closing.")))
            << qPrintable(done.text);
    EXPECT_EQ(1, done.moved);
    EXPECT_TRUE(names(QStringLiteral("var/archives")).isEmpty());
}
