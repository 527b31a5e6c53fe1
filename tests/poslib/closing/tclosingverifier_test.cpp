#include "closingtestsupport.h"

#include "tfile.h"

#include <QFile>

#include <algorithm>

#include <gtest/gtest.h>

using K = TClosingFinding;

TEST_F(ClosingTest, UntouchedClosingsHold)
{
    closeTwoDays();
    const QList<TClosingFinding> findings = verify();
    EXPECT_TRUE(findings.isEmpty()) << texts(findings).join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(verify(firstDay).isEmpty());
    EXPECT_TRUE(closingHolds(findings, 2, firstDay));
}

TEST_F(ClosingTest, OneChangedByteOfABillIsReportedAndNothingElse)
{
    closeTwoDays();
    const QString bill = dayDir(firstDay) + QStringLiteral("a3");
    QByteArray bytes = dir.read(bill);
    bytes[bytes.size() - 1] = char(bytes.at(bytes.size() - 1) ^ 1);
    dir.write(bill, bytes);

    const QList<TClosingFinding> findings = verify();
    ASSERT_EQ(QList<K::Kind>({K::BillChanged}), kinds(findings));
    EXPECT_EQ(2, findings[0].z);
    EXPECT_EQ(firstDay, findings[0].date);
    EXPECT_EQ(QStringLiteral("var/statist/tag05.03.2014/a3"), findings[0].file);
    EXPECT_FALSE(closingHolds(findings, 2, firstDay));
    EXPECT_TRUE(closingHolds(findings, 1, firstDay));
    // the day of it, and only that day
    EXPECT_EQ(1, verify(firstDay).size());
    EXPECT_TRUE(verify(secondDay).isEmpty());
}

TEST_F(ClosingTest, DeletedBillIsReportedMissing)
{
    closeTwoDays();
    ASSERT_TRUE(QFile::remove(dir.file(dayDir(secondDay) + QStringLiteral("a2"))));
    const QList<TClosingFinding> findings = verify();
    ASSERT_EQ(QList<K::Kind>({K::BillMissing}), kinds(findings));
    EXPECT_EQ(3, findings[0].z);
    EXPECT_EQ(QStringLiteral("var/statist/tag06.03.2014/a2"), findings[0].file);
}

TEST_F(ClosingTest, AddedBillIsReportedAdded)
{
    closeTwoDays();
    dir.write(dayDir(firstDay) + QStringLiteral("a9"), billBytes(19, 7));
    const QList<TClosingFinding> findings = verify();
    ASSERT_EQ(QList<K::Kind>({K::BillAdded}), kinds(findings));
    EXPECT_EQ(0, findings[0].z);
    EXPECT_EQ(firstDay, findings[0].date);
    EXPECT_EQ(QStringLiteral("var/statist/tag05.03.2014/a9"), findings[0].file);
    // it touches every closing of its day
    EXPECT_FALSE(closingHolds(findings, 1, firstDay));
    EXPECT_TRUE(closingHolds(findings, 3, secondDay));
}

TEST_F(ClosingTest, EditedRecordIsReportedChangedAlsoTheNewest)
{
    closeTwoDays();
    for (const auto &[date, z] : {std::pair(firstDay, 1L), std::pair(secondDay, 3L)}) {
        const QString path = dayDir(date) + TClosingRecord::fileName(z);
        const QByteArray original = dir.read(path);
        QByteArray edited = original;
        edited.replace("\"application\": \"test\"", "\"application\": \"tost\"");
        ASSERT_NE(original, edited);
        dir.write(path, edited);

        // the newest record is also not the one the anchor names
        const QList<TClosingFinding> findings = verify();
        ASSERT_EQ(z == 3 ? QList<K::Kind>({K::AnchorBroken, K::RecordChanged})
                         : QList<K::Kind>({K::RecordChanged}),
                  kinds(findings))
                << z;
        EXPECT_EQ(z, findings[0].z);
        dir.write(path, original);
    }
    EXPECT_TRUE(verify().isEmpty());
}

TEST_F(ClosingTest, RecordReplacedWholeBreaksTheLinkOfTheNext)
{
    closeTwoDays();
    // a record rewritten with a valid seal: only the chain can tell
    TClosingRecord forged = record(firstDay, 2);
    forged.totals.amount += 100;
    dir.write(dayDir(firstDay) + TClosingRecord::fileName(2), forged.toBytes());
    const QList<TClosingFinding> findings = verify();
    ASSERT_EQ(QList<K::Kind>({K::BrokenLink}), kinds(findings));
    EXPECT_EQ(3, findings[0].z);
}

TEST_F(ClosingTest, DeletedRecordLeavesItsJournalLineWithoutAndBreaksTheChain)
{
    closeTwoDays();
    ASSERT_TRUE(QFile::remove(dir.file(dayDir(firstDay) + TClosingRecord::fileName(2))));
    const QList<TClosingFinding> findings = verify();
    EXPECT_EQ(QList<K::Kind>({K::JournalWithoutRecord, K::BrokenLink}), kinds(findings));
}

TEST_F(ClosingTest, ZValuesInNoJournalLineOrInTwoAreReported)
{
    closeTwoDays();
    // the counter moved on without a closing
    TCounter(root(), QStringLiteral("counter.dat")).set(QStringLiteral("zcounter"), 6);
    QList<TClosingFinding> findings = verify();
    ASSERT_EQ(QList<K::Kind>({K::ZGap}), kinds(findings));
    EXPECT_EQ(4, findings[0].z);
    EXPECT_EQ(QStringLiteral("Z 4 to 5 are in no journal line"), findings[0].text);

    TCounter(root(), QStringLiteral("counter.dat")).set(QStringLiteral("zcounter"), 4);
    const QString journal = dayDir(secondDay) + QStringLiteral("turnover.z");
    const QByteArray lines = dir.read(journal);
    dir.write(journal, lines + lines);
    findings = verify();
    ASSERT_EQ(QList<K::Kind>({K::ZTwice}), kinds(findings));
    EXPECT_EQ(3, findings[0].z);
}

TEST_F(ClosingTest, ClosingsBeforeTheFirstRecordAreCheckedForZContinuityOnly)
{
    // two closings of an older installation: journal lines, no records
    dir.write(QStringLiteral("var/statist/tag03.03.2014/turnover.z"),
              "1:1;;;;;Mon Mar 3 2014;old;1;0\r\n");
    dir.write(QStringLiteral("var/statist/tag03.03.2014/a1"), billBytes(1, 7));
    dir.write(QStringLiteral("var/statist/tag04.03.2014/turnover.z"),
              "2:0;;;;;Tue Mar 4 2014;old;1;0\r\n");
    TCounter(root(), QStringLiteral("counter.dat")).set(QStringLiteral("zcounter"), 3);
    EXPECT_TRUE(verify().isEmpty());

    closeTwoDays();
    const TClosingLedger ledger(root());
    EXPECT_EQ(3, ledger.firstRecordedZ());
    EXPECT_FALSE(ledger.find(1)->hasRecord);
    EXPECT_EQ(0, record(firstDay, 3).previousZ);
    EXPECT_TRUE(verify().isEmpty());

    // a gap among them still shows
    dir.write(QStringLiteral("var/statist/tag04.03.2014/turnover.z"), QByteArray());
    EXPECT_EQ(QList<K::Kind>({K::ZGap}), kinds(verify()));
}

// A bill file of a closed day that cannot be read is named, on a day with
// records and on one without, whether the verifier also reads the bills'
// figures for the reconciliation or not. A damaged bill that can be read
// is no finding on a day without records.
TEST_F(ClosingTest, AnUnreadableBillIsNamedOnEveryDay)
{
    const QByteArray big = billBytes(1, 7, 40);
    dir.write(QStringLiteral("var/statist/tag03.03.2014/turnover.z"),
              "1:2;;;;;Mon Mar 3 2014;old;1;0\r\n");
    dir.write(QStringLiteral("var/statist/tag03.03.2014/a1"), big);
    const QByteArray whole = billBytes(2, 7);
    dir.write(QStringLiteral("var/statist/tag03.03.2014/a2"), whole.left(whole.size() - 3));
    dir.write(QStringLiteral("var/statist/tag04.03.2014/turnover.z"),
              "2:0;;;;;Tue Mar 4 2014;old;1;0\r\n");
    TCounter(root(), QStringLiteral("counter.dat")).set(QStringLiteral("zcounter"), 3);
    closeTwoDays();
    ASSERT_TRUE(verify().isEmpty());
    dir.write(dayDir(firstDay) + QStringLiteral("a1"), big);

    const qint64 limit = Basics::TFile::maxReadSize();
    Basics::TFile::setMaxReadSize(big.size() - 1);
    const QList<TClosingFinding> findings = verify();
    TDayBillTotals bills;
    const QList<TClosingFinding> withBills
            = verifyClosings(root(), TClosingLedger(root()), QDate(), &bills);
    Basics::TFile::setMaxReadSize(limit);

    EXPECT_EQ(texts(findings), texts(withBills));
    ASSERT_EQ(QList<K::Kind>({K::BillUnreadable, K::BillUnreadable}), kinds(findings))
            << texts(findings).join('|').toStdString();
    // in the order of the days
    EXPECT_EQ(QStringLiteral("var/statist/tag03.03.2014/a1"), findings[0].file);
    EXPECT_EQ(dayDir(firstDay) + QStringLiteral("a1"), findings[1].file);
}

// A list of the closings of some days reads the bills of those days only:
// a bill changed on another day is not seen, and each closing of the range
// holds or not as it does when every day is verified, also when another
// day carries the Z of one of them.
TEST_F(ClosingTest, TheClosingsOfARangeReadTheBillsOfItsDaysOnly)
{
    closeTwoDays();
    QString bill;
    for (const QString &name : names(dayDir(secondDay))) {
        if (name.startsWith(QLatin1Char('a')))
            bill = dayDir(secondDay) + name;
    }
    QByteArray bytes = dir.read(bill);
    ASSERT_FALSE(bytes.isEmpty());
    bytes[bytes.size() - 1] = char(bytes.at(bytes.size() - 1) ^ 1);
    dir.write(bill, bytes);

    auto sameHolds = [this](const QDate &day) {
        const TClosingLedger ledger(root());
        const QList<TClosingFinding> all = verifyClosings(root(), ledger);
        const QList<TClosingFinding> range = verifyClosingsOf(root(), ledger, day, day);
        for (const TClosing &closing : ledger.closings()) {
            if (closing.date != day)
                continue;
            EXPECT_EQ(closingHolds(all, closing.z, day), closingHolds(range, closing.z, day))
                    << closing.z << " " << texts(range).join('|').toStdString();
        }
        return range;
    };
    EXPECT_FALSE(kinds(sameHolds(firstDay)).contains(K::BillChanged));
    EXPECT_TRUE(kinds(sameHolds(secondDay)).contains(K::BillChanged));

    // Anna's record of the first day copied to the second: her Z is on both
    // days, and the second day's bills of the same names concern it
    const long anna = TClosingLedger(root()).closings().first().z;
    const QString name = TClosingRecord::fileName(anna);
    dir.write(dayDir(secondDay) + name, dir.read(dayDir(firstDay) + name));
    const QList<TClosingFinding> first = sameHolds(firstDay);
    EXPECT_TRUE(std::any_of(first.cbegin(), first.cend(), [&](const TClosingFinding &f) {
        return f.kind == K::BillChanged && f.z == anna && f.date == secondDay;
    })) << texts(first).join('|').toStdString();
}
