#include "tclosingpreview.h"

#include "smalldemo.h"
#include "tclosingrecord.h"
#include "tinstallation.h"
#include "tworkspacelists.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace PosLib;

namespace {

TTurnoverRequest demoRequest(const QString &root)
{
    TTurnoverRequest request;
    request.root = root;
    request.date = smalldemo::Today;
    request.now = QDateTime(smalldemo::Today, QTime(23, 30));
    return request;
}

TClosingRecord readRecord(const QString &root, const QDate &day, long z)
{
    QFile file(statistDayDir(day, root) + TClosingRecord::fileName(z));
    TClosingRecord record;
    QString error;
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    EXPECT_TRUE(TClosingRecord::fromBytes(file.readAll(), &record, &error)) << error.toStdString();
    return record;
}

} // namespace

// The demo day: the open tables listed with waiter and amount, the Z it
// will take, its takings; closed right after with a count, the record
// holds what the preview said.
TEST(ClosingPreview, AClosingRightAfterRecordsWhatThePreviewSaid)
{
    TestDir dir;
    smalldemo::write(dir.path());
    const QString root = dir.path();
    TWorkspaceLists lists(root);

    const TClosingPreview stopped(demoRequest(root), false);
    EXPECT_EQ(TClosingPreview::StoppedByOpenTables, stopped.verdict());
    const QList<TOpenTable> open = stopped.openTables();
    ASSERT_EQ(2, open.size()); // table 27 is held by a handheld
    for (const TOpenTable &table : open) {
        EXPECT_NE(0, table.waiter);
        EXPECT_FALSE(table.waiterName.isEmpty());
    }
    EXPECT_TRUE(std::any_of(open.cbegin(), open.cend(),
                            [](const TOpenTable &t) { return t.amount > 0; }));

    const TClosingPreview preview(demoRequest(root), true);
    EXPECT_EQ(TClosingPreview::GoesThrough, preview.verdict()) << preview.reason().toStdString();
    EXPECT_GT(preview.bills(), 0);
    EXPECT_EQ(preview.figures().bills(), preview.bills());
    EXPECT_TRUE(preview.unreadable().isEmpty());
    const QStringList text = preview.figureLines(nullptr);
    EXPECT_TRUE(text.contains(figureCaption(TFigure::OpenTables)));
    EXPECT_TRUE(text.filter(QStringLiteral("table 45/")).size() == 1)
            << text.join('\n').toStdString();

    // the drawer counted 1,00 short, the card batch as it is
    const QList<TCountItem> items = preview.countItems(countableItems(&lists));
    TCashCountInput input;
    TCountItem cash;
    ASSERT_TRUE(findCountItem(QStringLiteral("cash"), items, &cash));
    const TCashCount expected = preview.count({});
    input.counted << qMakePair(cash, expected.lines.at(0).expected - 100);
    input.countedBy = QStringLiteral("Manager");
    input.tolerance = 500;

    TTurnoverRequest request = demoRequest(root);
    request.count = input;
    const TTurnoverOutcome done
            = runTurnover(request, [](const QString &, const QString &) { return true; });
    ASSERT_EQ(TTurnoverOutcome::Done, done.status) << done.text.toStdString();
    EXPECT_EQ(preview.z(), done.zCounter);
    EXPECT_EQ(preview.dayZ(), done.dayZ);
    EXPECT_EQ(preview.bills(), done.moved);

    const TClosingRecord record = readRecord(root, smalldemo::Today, done.zCounter);
    EXPECT_EQ(preview.bills(), record.bills.size());
    EXPECT_EQ(preview.figures().billTotal(), record.totals.amount);
    EXPECT_EQ(preview.figures().allAmount(), done.takings);
    EXPECT_EQ(preview.count(input), record.cashCount);
    EXPECT_EQ(-100, record.cashCount.difference());
    EXPECT_EQ(QStringLiteral("Manager"), record.cashCount.countedBy);
    EXPECT_EQ(record.cashCount, done.count);
}

// A closing forgotten: the bills of an earlier day wait in var/archives and
// the dialog proposes that day; before the start of the gastronomic day a
// bill belongs to the day before.
TEST(ClosingPreview, TheProposedDayIsTheOldestDayWithUnclosedBills)
{
    TestDir dir;
    smalldemo::write(dir.path());
    const QString root = dir.path();
    const QDateTime twoDaysLater(smalldemo::Today.addDays(2), QTime(11, 0));
    EXPECT_EQ(smalldemo::Today, proposedClosingDay(root, twoDaysLater));

    // every demo bill was paid before 23:59: with the day starting then,
    // they belong to the day before
    dir.write(QStringLiteral("etc/globals.ini"), "[Settings]\r\ndayoffs=2359\r\n");
    EXPECT_EQ(smalldemo::Today.addDays(-1), proposedClosingDay(root, twoDaysLater));

    // nothing waits: the business day of the clock
    dir.write(QStringLiteral("etc/globals.ini"), "[Settings]\r\ndayoffs=600\r\n");
    TTurnoverRequest request = demoRequest(root);
    ASSERT_EQ(TTurnoverOutcome::Done,
              runTurnover(request, [](const QString &, const QString &) { return true; }).status);
    EXPECT_EQ(smalldemo::Today.addDays(1),
              proposedClosingDay(root, QDateTime(smalldemo::Today.addDays(2), QTime(5, 0))));

    // the preview of a day other than the bills' notes them
    const TClosingPreview none(demoRequest(root), true);
    EXPECT_EQ(0, none.bills());
}

TEST(ClosingPreview, BillsOfAnotherDayAreNoted)
{
    TestDir dir;
    smalldemo::write(dir.path());
    TTurnoverRequest request = demoRequest(dir.path());
    request.date = smalldemo::Today.addDays(1);
    const TClosingPreview preview(request, true);
    EXPECT_EQ(preview.bills(), preview.billsOfOtherDays());
    bool noted = false;
    for (const TPreviewItem &item : preview.items(nullptr))
        noted = noted
                || (item.mark == TPreviewItem::Note
                    && item.text.contains(QStringLiteral("another business day")));
    EXPECT_TRUE(noted);
}
