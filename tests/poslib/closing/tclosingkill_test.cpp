// Closings cut off at random points, then run again: every Z counter value
// is in exactly one journal line and one closing record, the journals'
// moved counts add up to the bills of each day directory, and the
// verifier finds nothing.

#include "closingtestsupport.h"

#include "tclosingbills.h"
#include "tclosingrun.h"

#include <QMap>
#include <QProcess>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

class ClosingCut : public ClosingTest
{
protected:
    // Anna closed the first day already; bills of both waiters wait, two
    // of several copy blocks.
    void install()
    {
        QDir(dir.file(QStringLiteral("var"))).removeRecursively();
        QFile::remove(dir.file(QStringLiteral("counter.dat")));
        archive(1, 11, 7);
        ASSERT_EQ(0, close(firstDay, anna, QDateTime(firstDay, QTime(22, 0))));
        archive(2, 12, 8, 800, 100);
        archive(3, 13, 7);
        archive(4, 14, 8, 800, 100);
        archive(5, 15, 9);
    }

    // Runs the whole-day closing of the first day in a process of its own
    // that dies when a bill's move reaches `step` for the `nth` time.
    void cut(const QString &step, int nth)
    {
        QProcess crash;
        crash.start(binPath(QStringLiteral("turnovercrash")),
                    {root(), firstDay.toString(Qt::ISODate), step, QString::number(nth)});
        ASSERT_TRUE(crash.waitForFinished(60000));
        ASSERT_EQ(86, crash.exitCode()) << crash.readAllStandardError().toStdString();
    }

    // Every Z from the first up to the counter: one journal line, one
    // record; moved counts against the bills; nothing for the verifier.
    void checkAccounted()
    {
        const TClosingLedger ledger(root());
        ASSERT_FALSE(ledger.closings().isEmpty());
        EXPECT_FALSE(ledger.hasPending());
        long expected = ledger.closings().first().z;
        QMap<QString, int> movedPerDay;
        for (const TClosing &closing : ledger.closings()) {
            EXPECT_EQ(expected, closing.z) << "a Z in no journal line";
            expected = closing.z + 1;
            EXPECT_EQ(1, closing.journalLines) << closing.z;
            EXPECT_TRUE(closing.hasRecord) << closing.z;
            EXPECT_TRUE(closing.recordReadable) << closing.z;
            movedPerDay[closing.dayDir] += closing.journal.moved;
            // the record names the bills its journal line counts
            EXPECT_EQ(closing.journal.moved, closing.record.bills.size()) << closing.z;
        }
        EXPECT_EQ(expected, ledger.counter()) << "a Z taken but never journalled";
        for (auto it = movedPerDay.cbegin(); it != movedPerDay.cend(); ++it)
            EXPECT_EQ(dayBillFiles(it.key()).size(), it.value()) << qPrintable(it.key());
        const QList<TClosingFinding> findings = verify();
        EXPECT_TRUE(findings.isEmpty()) << texts(findings).join(QLatin1Char('\n')).toStdString();

        // and every bill is in one day directory, once
        EXPECT_EQ(QStringList(), names(QStringLiteral("var/archives")));
        QList<long> tables;
        for (const QDate &date : {firstDay, secondDay}) {
            for (const auto &file : dayBillFiles(dir.file(dayDir(date)))) {
                const TStoredBill stored
                        = readStoredBill(dir.file(dayDir(date) + file.second));
                EXPECT_TRUE(stored.ok) << qPrintable(file.second);
                tables << stored.bill.table;
            }
        }
        std::sort(tables.begin(), tables.end());
        EXPECT_EQ(QList<long>({11, 12, 13, 14, 15}), tables);
    }
};

} // namespace

TEST_F(ClosingCut, CutDuringTheMovesIsCompletedByTheNextRun)
{
    // a few dozen cuts at points drawn from a fixed seed
    QRandomGenerator random(21);
    const QStringList steps = {QStringLiteral("stamped"), QStringLiteral("copying"),
                               QStringLiteral("copied"), QStringLiteral("moved")};
    for (int i = 0; i < 24; ++i) {
        const QString step = steps.at(int(random.bounded(steps.size())));
        const int nth = 1 + int(random.bounded(step == QLatin1String("copying") ? 2 : 4));
        SCOPED_TRACE(qPrintable(QStringLiteral("cut at %1 #%2").arg(step).arg(nth)));
        install();
        cut(step, nth);
        // the cut run noted itself and took its Z
        TPendingClosing note;
        ASSERT_TRUE(loadPendingClosing(root(), &note));
        EXPECT_EQ(2, note.z);
        EXPECT_EQ(firstDay, note.date);

        // the next closing of another day completes it first
        ASSERT_EQ(0, close(secondDay, nullptr, QDateTime(secondDay, QTime(23, 0))));
        const TClosingRecord completed = record(firstDay, 2);
        EXPECT_TRUE(completed.completedLater);
        EXPECT_TRUE(completed.isWholeDay());
        ASSERT_EQ(0, close(firstDay, nullptr, QDateTime(secondDay, QTime(23, 30))));
        checkAccounted();
    }
}

TEST_F(ClosingCut, CutAroundTheCounterTheJournalAndTheRecord)
{
    auto data = [&] {
        TurnoverData d;
        d.setDataPath(root());
        d.setTurnoverDate(firstDay);
        d.setApplicationName(QStringLiteral("test"));
        d.setClock(QDateTime(secondDay, QTime(1, 0)));
        return d;
    };

    // noted, the counter not advanced yet
    install();
    {
        TPendingClosing note;
        note.z = 2;
        note.date = firstDay;
        note.application = QStringLiteral("test");
        savePendingClosing(root(), note);
    }
    // the Z was not given out: the next run takes it
    ASSERT_EQ(0, close(firstDay, nullptr, QDateTime(secondDay, QTime(2, 0))));
    EXPECT_EQ(4, record(firstDay, 2).bills.size());
    EXPECT_FALSE(record(firstDay, 2).completedLater);
    EXPECT_FALSE(dir.exists(dayDir(firstDay) + TClosingRecord::fileName(3)));
    checkAccounted();

    // the counter advanced, nothing moved
    install();
    {
        TurnoverData d = data();
        EXPECT_EQ(2, beginClosing(d).z);
        EXPECT_EQ(2, d.zCounter());
    }
    ASSERT_EQ(0, close(firstDay, nullptr, QDateTime(secondDay, QTime(2, 0))));
    checkAccounted();

    // journalled, the record not written: the line is not written twice
    install();
    ASSERT_EQ(0, close(firstDay, nullptr, QDateTime(secondDay, QTime(2, 0))));
    {
        const TClosingRecord written = record(firstDay, 2);
        TPendingClosing note;
        note.z = 2;
        note.date = firstDay;
        note.application = QStringLiteral("test");
        note.start = written.start;
        savePendingClosing(root(), note);
        ASSERT_TRUE(QFile::remove(dir.file(dayDir(firstDay) + TClosingRecord::fileName(2))));
    }
    EXPECT_EQ(2, completeCutOffClosing(root(), QDateTime(secondDay, QTime(3, 0))));
    EXPECT_EQ(0, completeCutOffClosing(root(), QDateTime(secondDay, QTime(3, 0))));
    EXPECT_TRUE(record(firstDay, 2).completedLater);
    EXPECT_EQ(4, record(firstDay, 2).bills.size());
    checkAccounted();
}
