#include "smtptestserver.h"
#include "testdir.h"
#include "veltrumprocess.h"

#include <QFile>
#include <QJsonArray>
#include <QStringDecoder>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A demo installation whose 5th of December is closed, a mail server on
// loopback and a jobs file for both.
class MailCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString why = SmtpTestServer::unavailable();
        if (!why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        root = writeDemo(dir, 2, 10);
        const Outcome closing = veltrum({QStringLiteral("turnover"), QStringLiteral("--data"), root,
                                         QStringLiteral("--date"), QStringLiteral("2026-12-05"),
                                         QStringLiteral("--force"), QStringLiteral("--now"),
                                         QStringLiteral("2026-12-05T23:00:00")});
        ASSERT_EQ(0, closing.code) << closing.err;
    }

    void serve(const SmtpTestServer::Options &options)
    {
        QString error;
        ASSERT_TRUE(server.start(options, &error)) << error.toStdString();
    }

    // The jobs file with the server's current port.
    void writeJobs(const QString &smtp, const QString &job)
    {
        dir.write(QStringLiteral("mail.ini"),
                  QStringLiteral("[smtp]\nurl = %1\nfrom = Trattoria <office@example.com>\n"
                                 "attempts = 3\nretry-pause = 0\nca-file = %2\n%3\n\n%4")
                          .arg(server.url(), server.certificate(), smtp, job)
                          .toUtf8());
    }

    QString job(const QString &name, const QString &more) const
    {
        return QStringLiteral(
                       "[job %1]\ndata = %2\nto = owner@example.com, Anna <anna@example.com>\n%3\n")
                .arg(name, root, more);
    }

    Outcome mail(const QStringList &args, const QString &now)
    {
        return veltrum(QStringList {QStringLiteral("mail"), QStringLiteral("--jobs"),
                                    dir.file(QStringLiteral("mail.ini")), QStringLiteral("--state"),
                                    dir.file(QStringLiteral("state")), QStringLiteral("--now"), now}
                       + args);
    }

    int outboxSize() const
    {
        return int(QDir(dir.file(QStringLiteral("state/outbox")))
                           .entryList({QStringLiteral("*.eml")}, QDir::Files)
                           .size());
    }

    TestDir dir;
    QString root;
    SmtpTestServer server {dir.file(QStringLiteral("smtp"))};
};

QStringList fileNames(const QJsonObject &message)
{
    QStringList names;
    for (const QJsonValue &file : message.value(QStringLiteral("attachments")).toArray())
        names << file.toObject().value(QStringLiteral("filename")).toString();
    return names;
}

} // namespace

TEST_F(MailCommand, AJobArrivesWithItsReportsInItsLanguage)
{
    serve({QStringLiteral("starttls"), QStringLiteral("office"), QStringLiteral("s3cret"),
           QStringLiteral("ok")});
    dir.write(QStringLiteral("password"), "s3cret\n");
    ::chmod(dir.file(QStringLiteral("password")).toLocal8Bit().constData(), 0600);
    writeJobs(QStringLiteral("user = office\npassword-file = %1")
                      .arg(dir.file(QStringLiteral("password"))),
              job(QStringLiteral("daily"),
                  QStringLiteral("reports = 5, 7, z\nrange = yesterday\nformats = pdf, csv\n"
                                 "language = de")));
    const Outcome sent = mail({QStringLiteral("--job"), QStringLiteral("daily")},
                              QStringLiteral("2026-12-06T21:00:00"));
    ASSERT_EQ(0, sent.code) << sent.err;
    EXPECT_TRUE(sent.out.contains(QStringLiteral("Sent the mail of job daily to owner@example.com, "
                                                 "anna@example.com")))
            << sent.out;

    const QList<QJsonObject> taken = server.messages();
    ASSERT_EQ(1, taken.size());
    const QJsonObject m = taken.at(0);
    EXPECT_EQ(QStringLiteral("office"), m.value(QStringLiteral("login")).toString());
    EXPECT_EQ(QStringLiteral("Trattoria Veltrum: Berichte vom 05.12.2026"),
              m.value(QStringLiteral("subject")).toString());
    EXPECT_TRUE(m.value(QStringLiteral("text"))
                        .toString()
                        .startsWith(QStringLiteral(
                                "Die Berichte von Trattoria Veltrum vom 05.12.2026 liegen bei:")))
            << m.value(QStringLiteral("text")).toString().toStdString();
    // each report in each format; the Z report as a page only
    EXPECT_EQ(
            QStringLiteral("report-5_2026-12-05.pdf report-5_2026-12-05.csv "
                           "report-7_2026-12-05.pdf report-7_2026-12-05.csv z-103_2026-12-05.pdf"),
            fileNames(m).join(QLatin1Char(' ')));
    for (const QJsonValue &file : m.value(QStringLiteral("attachments")).toArray()) {
        const QJsonObject a = file.toObject();
        const bool pdf
                = a.value(QStringLiteral("filename")).toString().endsWith(QStringLiteral(".pdf"));
        EXPECT_EQ(pdf ? QStringLiteral("application/pdf") : QStringLiteral("text/csv"),
                  a.value(QStringLiteral("contentType")).toString());
        EXPECT_TRUE(a.value(QStringLiteral("head"))
                            .toString()
                            .startsWith(pdf ? QStringLiteral("%PDF-") : QStringLiteral("kind,")))
                << a.value(QStringLiteral("head")).toString().toStdString();
    }
    EXPECT_EQ(0, outboxSize());
}

TEST_F(MailCommand, AFailedDeliveryIsRetriedLoggedAndKeptForTheNextRun)
{
    serve({QStringLiteral("none"), QString(), QString(), QStringLiteral("refuse")});
    const QString jobs = job(QStringLiteral("articles"),
                             QStringLiteral("reports = 7\nrange = yesterday\nformats = csv"));
    writeJobs(QStringLiteral("security = none"), jobs);
    const Outcome refused = mail({QStringLiteral("--job"), QStringLiteral("articles"),
                                  QStringLiteral("--log"), dir.file(QStringLiteral("mail.log"))},
                                 QStringLiteral("2026-12-06T07:00:00"));
    EXPECT_EQ(1, refused.code);
    EXPECT_EQ(3, server.attempts());
    EXPECT_TRUE(refused.err.contains(QStringLiteral("job articles: attempt 3 of 3: the mail could "
                                                    "not be delivered")))
            << refused.err;
    EXPECT_TRUE(refused.err.contains(QStringLiteral("451"))) << refused.err;
    EXPECT_TRUE(refused.err.contains(QStringLiteral("stays in the outbox"))) << refused.err;
    EXPECT_TRUE(refused.err.contains(QStringLiteral("from 2026-12-06 07:15"))) << refused.err;
    // the log has it too (the system's logs are UTF-16)
    QStringDecoder utf16(QStringDecoder::Utf16);
    EXPECT_TRUE(QString(utf16(dir.read(QStringLiteral("mail.log"))))
                        .contains(QStringLiteral("attempt 3 of 3")));
    EXPECT_EQ(1, outboxSize());
    const Outcome listed
            = mail({QStringLiteral("--outbox")}, QStringLiteral("2026-12-06T07:01:00"));
    EXPECT_EQ(0, listed.code);
    EXPECT_TRUE(listed.out.contains(QStringLiteral("job articles  to owner@example.com, "
                                                   "anna@example.com")))
            << listed.out;

    // the pause is not over: the next run leaves it
    serve({QStringLiteral("none"), QString(), QString(), QStringLiteral("drop")});
    writeJobs(QStringLiteral("security = none"), jobs);
    EXPECT_EQ(0, mail({QStringLiteral("--due")}, QStringLiteral("2026-12-06T07:10:00")).code);
    EXPECT_EQ(0, server.attempts() - 3);
    // a server that drops the connection: tried again, kept again
    const Outcome dropped = mail({QStringLiteral("--due")}, QStringLiteral("2026-12-06T07:16:00"));
    EXPECT_EQ(1, dropped.code);
    EXPECT_EQ(6, server.attempts());
    EXPECT_EQ(1, outboxSize());

    // the server is back: the next run of the timer delivers it
    serve({QStringLiteral("none"), QString(), QString(), QStringLiteral("ok")});
    writeJobs(QStringLiteral("security = none"), jobs);
    const Outcome later = mail({QStringLiteral("--due")}, QStringLiteral("2026-12-06T08:00:00"));
    EXPECT_EQ(0, later.code) << later.err;
    ASSERT_EQ(1, server.messages().size());
    EXPECT_EQ(QStringLiteral("report-7_2026-12-05.csv"),
              fileNames(server.messages().at(0)).join(QLatin1Char(' ')));
    EXPECT_EQ(0, outboxSize());
}

TEST_F(MailCommand, PasswordsAreKeptFromOthersAndAWrongOneIsNamed)
{
    serve({QStringLiteral("starttls"), QStringLiteral("office"), QStringLiteral("s3cret"),
           QStringLiteral("ok")});
    const QString password = dir.file(QStringLiteral("password"));
    writeJobs(QStringLiteral("user = office\npassword-file = %1").arg(password),
              job(QStringLiteral("articles"),
                  QStringLiteral("reports = 7\nrange = yesterday\nformats = csv\nlanguage = en")));
    dir.write(QStringLiteral("password"), "wrong\n");
    ::chmod(password.toLocal8Bit().constData(), 0644);
    const Outcome open = mail({QStringLiteral("--job"), QStringLiteral("articles")},
                              QStringLiteral("2026-12-06T07:00:00"));
    EXPECT_EQ(1, open.code);
    EXPECT_TRUE(
            open.err.contains(QStringLiteral("every user of this machine may read the password")))
            << open.err;
    EXPECT_EQ(0, server.attempts());

    ::chmod(password.toLocal8Bit().constData(), 0600);
    const Outcome wrong = mail({QStringLiteral("--job"), QStringLiteral("articles")},
                               QStringLiteral("2026-12-06T07:00:00"));
    EXPECT_EQ(1, wrong.code);
    EXPECT_TRUE(wrong.err.contains(QStringLiteral("attempt 1 of 3: the mail server refused the "
                                                  "login of office: wrong user name or password")))
            << wrong.err;
    // a refusal is not tried again within the run, but kept
    EXPECT_FALSE(wrong.err.contains(QStringLiteral("attempt 2 of 3")));
    EXPECT_EQ(1, outboxSize());
    EXPECT_TRUE(server.messages().isEmpty());
}

TEST_F(MailCommand, JobsRunWhenTheirScheduleComes)
{
    serve({QStringLiteral("none"), QString(), QString(), QStringLiteral("ok")});
    writeJobs(QStringLiteral("security = none"),
              job(QStringLiteral("morning"),
                  QStringLiteral("reports = 7\nrange = yesterday\nformats = csv\n"
                                 "schedule = daily 07:00")));
    // a run that was killed leaves its lock behind; it holds up no later run
    dir.write(QStringLiteral("state/mail.lock"),
              "999999999\nveltrum\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    // a new job waits for its first time
    EXPECT_EQ(0, mail({QStringLiteral("--due")}, QStringLiteral("2026-12-06T06:50:00")).code);
    EXPECT_TRUE(server.messages().isEmpty());
    const Outcome due = mail({QStringLiteral("--due")}, QStringLiteral("2026-12-06T07:05:00"));
    EXPECT_EQ(0, due.code) << due.err;
    EXPECT_EQ(1, server.messages().size());
    // once a day, however often the timer runs
    EXPECT_EQ(0, mail({QStringLiteral("--due")}, QStringLiteral("2026-12-06T07:20:00")).code);
    EXPECT_EQ(0, mail({QStringLiteral("--due")}, QStringLiteral("2026-12-06T23:20:00")).code);
    EXPECT_EQ(1, server.messages().size());
    EXPECT_EQ(0, mail({QStringLiteral("--due")}, QStringLiteral("2026-12-07T07:00:00")).code);
    EXPECT_EQ(2, server.messages().size());
}

TEST_F(MailCommand, MistakesInTheJobsFileAreNamed)
{
    serve({QStringLiteral("none"), QString(), QString(), QStringLiteral("ok")});
    writeJobs(QStringLiteral("security = none"),
              job(QStringLiteral("a"), QStringLiteral("reports = 7\nrange = last year")));
    Outcome bad = mail({QStringLiteral("--job"), QStringLiteral("a")},
                       QStringLiteral("2026-12-06T07:00:00"));
    EXPECT_EQ(1, bad.code);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("mail.ini:13: 'last year' is no range")))
            << bad.err;

    writeJobs(QStringLiteral("security = none"),
              job(QStringLiteral("a"), QStringLiteral("reports = 7, 99\nrange = yesterday")));
    bad = mail({QStringLiteral("--job"), QStringLiteral("a")},
               QStringLiteral("2026-12-06T07:00:00"));
    EXPECT_EQ(1, bad.code);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("'99' is no report"))) << bad.err;

    writeJobs(QStringLiteral("security = none"),
              job(QStringLiteral("a"), QStringLiteral("reports = 7\nrange = yesterday")));
    bad = mail({QStringLiteral("--job"), QStringLiteral("b")},
               QStringLiteral("2026-12-06T07:00:00"));
    EXPECT_EQ(2, bad.code);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("has no such job (a)"))) << bad.err;
    EXPECT_EQ(0, server.attempts());
}
