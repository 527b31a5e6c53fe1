// The ledger anchored outside the day directories: deleting the records,
// editing and resealing the newest one, a wrong moved count in a journal
// line and a sealed day summary that is gone no longer pass.

#include "closingtestsupport.h"

#include "tclosinganchor.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using K = TClosingFinding;

TEST_F(ClosingTest, EachRecordBecomesTheAnchorsNewest)
{
    closeTwoDays();
    const TAnchorReading reading = readClosingAnchor(root());
    ASSERT_EQ(TAnchorReading::Read, reading.state);
    EXPECT_EQ(1, reading.anchor.firstZ);
    EXPECT_EQ(3, reading.anchor.z);
    EXPECT_EQ(secondDay, reading.anchor.date);
    EXPECT_EQ(sha256Hex(dir.read(dayDir(secondDay) + TClosingRecord::fileName(3))),
              reading.anchor.sha256);
}

TEST_F(ClosingTest, DeletingEveryRecordDoesNotSwitchTheVerifierOff)
{
    closeTwoDays();
    // a bill edited, then every record that could tell removed
    const QString bill = dayDir(firstDay) + QStringLiteral("a3");
    QByteArray bytes = dir.read(bill);
    bytes[bytes.size() - 1] = char(bytes.at(bytes.size() - 1) ^ 1);
    dir.write(bill, bytes);
    for (const auto &[date, z] :
         {std::pair(firstDay, 1L), std::pair(firstDay, 2L), std::pair(secondDay, 3L)})
        ASSERT_TRUE(QFile::remove(dir.file(dayDir(date) + TClosingRecord::fileName(z))));

    const QList<TClosingFinding> findings = verify();
    EXPECT_EQ(QList<K::Kind>({K::JournalWithoutRecord, K::JournalWithoutRecord, K::AnchorBroken,
                              K::JournalWithoutRecord}),
              kinds(findings))
            << texts(findings).join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(QStringLiteral("var/closing.anchor"), findings[2].file);

    // the anchor gone as well: nothing local is left to tell (the chain
    // database is the witness then)
    ASSERT_TRUE(QFile::remove(dir.file(QStringLiteral("var/closing.anchor"))));
    EXPECT_TRUE(verify().isEmpty());
}

TEST_F(ClosingTest, TheNewestRecordEditedAndResealedIsSeen)
{
    closeTwoDays();
    TClosingRecord forged = record(secondDay, 3);
    forged.totals.amount -= 500;
    dir.write(dayDir(secondDay) + TClosingRecord::fileName(3), forged.toBytes());
    const QList<TClosingFinding> findings = verify();
    ASSERT_EQ(QList<K::Kind>({K::AnchorBroken}), kinds(findings));
    EXPECT_EQ(3, findings[0].z);
    EXPECT_TRUE(findings[0].text.contains(QStringLiteral("changed or replaced")))
            << findings[0].text.toStdString();

    // a damaged or missing anchor is a finding of its own
    dir.write(QStringLiteral("var/closing.anchor"), "{");
    EXPECT_EQ(QList<K::Kind>({K::AnchorBroken}), kinds(verify()));
    ASSERT_TRUE(QFile::remove(dir.file(QStringLiteral("var/closing.anchor"))));
    EXPECT_EQ(QList<K::Kind>({K::AnchorBroken}), kinds(verify()));
}

TEST_F(ClosingTest, JournalCountsAndTheSealedSummaryAreChecked)
{
    closeTwoDays();
    // the second day's line says 2 bills moved; make it 3
    const QString journal = dayDir(secondDay) + QStringLiteral("turnover.z");
    QByteArray line = dir.read(journal);
    ASSERT_TRUE(line.startsWith("3:2;")) << line.toStdString();
    line.replace(0, 4, "3:3;");
    dir.write(journal, line);
    QList<TClosingFinding> findings = verify();
    ASSERT_EQ(QList<K::Kind>({K::JournalCountWrong}), kinds(findings));
    EXPECT_EQ(QStringLiteral("Z 3 (2014-03-06): the journal line says 3 bills moved, the closing "
                             "record lists 2"),
              findings[0].text);
    line.replace(0, 4, "3:2;");
    dir.write(journal, line);

    const QString summary = QStringLiteral("var/summary/2014-03-06.dat");
    ASSERT_TRUE(QFile::remove(dir.file(summary)));
    findings = verify();
    ASSERT_EQ(QList<K::Kind>({K::SummaryMissing}), kinds(findings));
    EXPECT_EQ(summary, findings[0].file);
}
