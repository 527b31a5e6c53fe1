#include "qstringprint.h"
#include "testdir.h"
#include "tmailmessage.h"
#include "tmailschedule.h"
#include "toutbox.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Mail;

TEST(MailMessage, WritesTheHeadersTextAndAttachmentsAsMime)
{
    TMailMessage message;
    message.from = QStringLiteral("Trattoria Veltrum <office@example.com>");
    message.to
            = {QStringLiteral("owner@example.com"), QStringLiteral("Jörg Müller <jm@example.com>")};
    message.subject = QStringLiteral("Berichte vom 30.11.2026 bis 06.12.2026 – Woche");
    message.text = QStringLiteral("Guten Morgen,\n.\nÄ");
    message.date = QDateTime(QDate(2026, 12, 7), QTime(7, 0), Qt::OffsetFromUTC, 3600);
    message.messageId = "x1@veltrum";
    const QByteArray pdf("%PDF-1.4 \x00\x01\xff", 12);
    message.attachments = {{QStringLiteral("report-5_2026-11-30_2026-12-06.pdf"),
                            contentTypeOf(QStringLiteral("a.pdf")), pdf}};
    const QByteArray mime = message.toMime();

    EXPECT_TRUE(mime.startsWith("From: \"Trattoria Veltrum\" <office@example.com>\r\n"));
    EXPECT_TRUE(mime.contains("\r\nTo: owner@example.com, =?UTF-8?B?SsO2cmcgTcO8bGxlcg==?= "
                              "<jm@example.com>\r\n"))
            << mime.constData();
    EXPECT_TRUE(mime.contains("\r\nDate: Mon, 07 Dec 2026 07:00:00 +0100\r\n"));
    EXPECT_TRUE(mime.contains("\r\nMessage-ID: <x1@veltrum>\r\n"));
    // a non-ASCII subject is encoded, in words that keep the lines short
    const int subject = int(mime.indexOf("Subject: =?UTF-8?B?"));
    ASSERT_GE(subject, 0);
    QByteArray decoded;
    for (QByteArray word :
         mime.mid(subject + 9, mime.indexOf("\r\nDate:") - subject - 9).split(' ')) {
        word = word.trimmed();
        ASSERT_TRUE(word.startsWith("=?UTF-8?B?") && word.endsWith("?=")) << word.constData();
        decoded += QByteArray::fromBase64(word.mid(10, word.size() - 12));
        EXPECT_LE(word.size(), 70);
    }
    EXPECT_EQ(message.subject, QString::fromUtf8(decoded));
    // the attachment's bytes come back whole, in lines of at most 76
    const QByteArray head = "Content-Disposition: attachment;\r\n "
                            "filename=\"report-5_2026-11-30_2026-12-06.pdf\"\r\n"
                            "Content-Transfer-Encoding: base64\r\n\r\n";
    const int at = int(mime.indexOf(head));
    ASSERT_GE(at, 0) << mime.constData();
    const int end = int(mime.indexOf("--", at + head.size()));
    EXPECT_EQ(pdf, QByteArray::fromBase64(mime.mid(at + head.size(), end - at - head.size())));
    EXPECT_TRUE(mime.contains("Content-Type: application/pdf;\r\n name=\"report-5"));
    for (const QByteArray &line : mime.split('\n'))
        EXPECT_LE(line.size(), 78) << line.constData();
    EXPECT_TRUE(mime.endsWith("--\r\n"));
}

TEST(MailMessage, AddressesAreCheckedAndTaken)
{
    EXPECT_EQ(QByteArray("a@b.example"), mailAddress(QStringLiteral(" Anna <a@b.example> ")));
    EXPECT_EQ(QByteArray("a@b.example"), mailAddress(QStringLiteral("a@b.example")));
    EXPECT_TRUE(mailAddress(QStringLiteral("no address")).isEmpty());
    EXPECT_TRUE(mailAddress(QStringLiteral("a@b@c")).isEmpty());
    EXPECT_TRUE(mailAddress(QStringLiteral("a b@c")).isEmpty());
    EXPECT_TRUE(mailAddress(QStringLiteral("<a@b>\r\nRCPT TO:<x@y>")).isEmpty());
}

TEST(MailSchedule, FindsTheLastTimeAJobWasDue)
{
    TMailSchedule s;
    QString error;
    const QDateTime monday(QDate(2026, 12, 7), QTime(7, 30)); // a Monday
    ASSERT_TRUE(TMailSchedule::parse(QStringLiteral("daily 07:00"), s, &error)) << error;
    EXPECT_EQ(QDateTime(QDate(2026, 12, 7), QTime(7, 0)), s.lastRun(monday));
    EXPECT_EQ(QDateTime(QDate(2026, 12, 6), QTime(7, 0)), s.lastRun(monday.addSecs(-3600)));
    ASSERT_TRUE(TMailSchedule::parse(QStringLiteral("weekly Mon 07:30"), s, &error)) << error;
    EXPECT_EQ(monday, s.lastRun(monday));
    EXPECT_EQ(monday.addDays(-7), s.lastRun(monday.addSecs(-1)));
    ASSERT_TRUE(TMailSchedule::parse(QStringLiteral("weekly friday 18:00"), s, &error)) << error;
    EXPECT_EQ(QDateTime(QDate(2026, 12, 4), QTime(18, 0)), s.lastRun(monday));
    ASSERT_TRUE(TMailSchedule::parse(QStringLiteral("monthly 1 06:00"), s, &error)) << error;
    EXPECT_EQ(QDateTime(QDate(2026, 12, 1), QTime(6, 0)), s.lastRun(monday));
    EXPECT_EQ(QDateTime(QDate(2026, 11, 1), QTime(6, 0)),
              s.lastRun(QDateTime(QDate(2026, 12, 1), QTime(5, 59))));
    ASSERT_TRUE(TMailSchedule::parse(QStringLiteral("never"), s, &error));
    EXPECT_FALSE(s.lastRun(monday).isValid());
    for (const char *bad : {"daily", "daily 25:00", "weekly Xyz 07:00", "monthly 29 07:00",
                            "hourly 07:00", "weekly 07:00"})
        EXPECT_FALSE(TMailSchedule::parse(QString::fromLatin1(bad), s, &error)) << bad;
    EXPECT_TRUE(error.contains(QStringLiteral("weekly Mon HH:MM")));
}

TEST(MailRange, NamesTheClosedDaysInWords)
{
    TMailRange r;
    QString error;
    const QDate wednesday(2026, 12, 9);
    ASSERT_TRUE(TMailRange::parse(QStringLiteral("yesterday"), wednesday, r, &error));
    EXPECT_EQ(QDate(2026, 12, 8), r.from);
    EXPECT_EQ(QDate(2026, 12, 8), r.to);
    ASSERT_TRUE(TMailRange::parse(QStringLiteral("Last  Week"), wednesday, r, &error));
    EXPECT_EQ(QDate(2026, 11, 30), r.from);
    EXPECT_EQ(QDate(2026, 12, 6), r.to);
    // on a Monday last week is the one that just ended
    ASSERT_TRUE(TMailRange::parse(QStringLiteral("last week"), QDate(2026, 12, 7), r, &error));
    EXPECT_EQ(QDate(2026, 11, 30), r.from);
    ASSERT_TRUE(TMailRange::parse(QStringLiteral("last month"), QDate(2026, 3, 1), r, &error));
    EXPECT_EQ(QDate(2026, 2, 1), r.from);
    EXPECT_EQ(QDate(2026, 2, 28), r.to);
    ASSERT_TRUE(TMailRange::parse(QStringLiteral("month to date"), wednesday, r, &error));
    EXPECT_EQ(QDate(2026, 12, 1), r.from);
    EXPECT_EQ(QDate(2026, 12, 8), r.to);
    // on the first, the month to date is the whole month before
    ASSERT_TRUE(TMailRange::parse(QStringLiteral("month to date"), QDate(2027, 1, 1), r, &error));
    EXPECT_EQ(QDate(2026, 12, 1), r.from);
    EXPECT_EQ(QDate(2026, 12, 31), r.to);
    EXPECT_FALSE(TMailRange::parse(QStringLiteral("last year"), wednesday, r, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("month to date")));
}

TEST(Outbox, KeepsAMailUntilItIsTakenOut)
{
    TestDir dir;
    const QDateTime now(QDate(2026, 12, 7), QTime(7, 0));
    TOutbox outbox(dir.file(QStringLiteral("state/outbox")));
    const TOutboxItem added = outbox.add(QStringLiteral("weekly"), "office@example.com",
                                         {"a@example.com", "b@example.com"}, "MIME\r\n", now);
    QList<TOutboxItem> items = outbox.items();
    ASSERT_EQ(1, items.size());
    EXPECT_EQ(added.id, items.at(0).id);
    EXPECT_EQ(QStringLiteral("weekly"), items.at(0).job);
    EXPECT_EQ((QList<QByteArray> {"a@example.com", "b@example.com"}), items.at(0).to);
    EXPECT_EQ(QByteArray("MIME\r\n"), outbox.message(items.at(0)));
    EXPECT_FALSE(items.at(0).nextAttempt.isValid());

    // failures push the next attempt further out each time, up to 12 hours
    outbox.failed(items[0], QStringLiteral("451 busy"), now);
    outbox.failed(items[0], QStringLiteral("451 busy"), now);
    items = outbox.items();
    EXPECT_EQ(2, items.at(0).attempts);
    EXPECT_EQ(now.addSecs(30 * 60), items.at(0).nextAttempt);
    EXPECT_EQ(QStringLiteral("451 busy"), items.at(0).lastError);
    EXPECT_EQ(15, TOutbox::pauseMinutes(1));
    EXPECT_EQ(12 * 60, TOutbox::pauseMinutes(40));

    // a message without its description was cut off while being put in
    dir.write(QStringLiteral("state/outbox/cut.eml"), "half");
    EXPECT_EQ(1, outbox.items().size());
    EXPECT_FALSE(dir.exists(QStringLiteral("state/outbox/cut.eml")));
    // a description that cannot be read is named, the mail stays
    dir.write(QStringLiteral("state/outbox/bad.eml"), "mail");
    dir.write(QStringLiteral("state/outbox/bad.json"), "{");
    QStringList problems;
    EXPECT_EQ(1, outbox.items(&problems).size());
    EXPECT_EQ(1, problems.size());
    EXPECT_TRUE(dir.exists(QStringLiteral("state/outbox/bad.eml")));

    outbox.remove(items.at(0));
    EXPECT_TRUE(outbox.items().isEmpty());
}
