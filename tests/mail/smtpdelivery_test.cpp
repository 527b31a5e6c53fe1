#include "smtptestserver.h"
#include "testdir.h"
#include "tmailmessage.h"
#include "tsmtpsender.h"

#include <QCryptographicHash>
#include <QJsonArray>

#include <gtest/gtest.h>

using namespace Mail;

namespace {

class SmtpDelivery : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString why = SmtpTestServer::unavailable();
        if (!why.isEmpty())
            GTEST_SKIP() << why.toStdString();
    }

    // Starts the server; the server record for it.
    TSmtpServer serve(const SmtpTestServer::Options &options)
    {
        QString error;
        EXPECT_TRUE(server.start(options, &error)) << error.toStdString();
        TSmtpServer s;
        s.url = server.url();
        s.security = options.security == QLatin1String("tls")        ? TSmtpSecurity::Tls
                     : options.security == QLatin1String("starttls") ? TSmtpSecurity::StartTls
                                                                     : TSmtpSecurity::None;
        s.caFile = server.certificate();
        return s;
    }

    static QByteArray message()
    {
        TMailMessage m;
        m.from = QStringLiteral("Trattoria <office@example.com>");
        m.to = {QStringLiteral("owner@example.com")};
        m.subject = QStringLiteral("Wochenbericht für Anna");
        m.text = QStringLiteral("Die Berichte liegen bei.");
        m.attachments = {{QStringLiteral("report-5_2026-12-05.pdf"), "application/pdf",
                          QByteArray("%PDF-1.4 ") + QByteArray(5000, 'x')},
                         {QStringLiteral("report-7_2026-12-05.csv"),
                          contentTypeOf(QStringLiteral("x.csv")), "kind,from\r\n7,2026-12-05\r\n"}};
        return m.toMime();
    }

    TestDir dir;
    SmtpTestServer server {dir.file(QStringLiteral("smtp"))};
};

} // namespace

TEST_F(SmtpDelivery, StartTlsWithLoginDeliversTheAttachments)
{
    TSmtpServer s = serve({QStringLiteral("starttls"), QStringLiteral("office"),
                           QStringLiteral("s3cret"), QStringLiteral("ok")});
    s.user = QStringLiteral("office");
    s.password = QStringLiteral("s3cret");
    const TSendResult result = sendMail(s, "office@example.com",
                                        {"owner@example.com", "anna@example.com"}, message());
    ASSERT_EQ(TSendResult::Sent, result.status) << result.error.toStdString();

    const QList<QJsonObject> taken = server.messages();
    ASSERT_EQ(1, taken.size());
    const QJsonObject m = taken.at(0);
    EXPECT_EQ(QStringLiteral("office"), m.value(QStringLiteral("login")).toString());
    EXPECT_EQ(QStringLiteral("office@example.com"), m.value(QStringLiteral("mailFrom")).toString());
    EXPECT_EQ(2, m.value(QStringLiteral("rcptTos")).toArray().size());
    EXPECT_EQ(QStringLiteral("Wochenbericht für Anna"),
              m.value(QStringLiteral("subject")).toString());
    const QJsonArray files = m.value(QStringLiteral("attachments")).toArray();
    ASSERT_EQ(2, files.size());
    EXPECT_EQ(QStringLiteral("report-5_2026-12-05.pdf"),
              files.at(0).toObject().value(QStringLiteral("filename")).toString());
    EXPECT_EQ(QStringLiteral("application/pdf"),
              files.at(0).toObject().value(QStringLiteral("contentType")).toString());
    EXPECT_EQ(QString::fromLatin1(
                      QCryptographicHash::hash(QByteArray("%PDF-1.4 ") + QByteArray(5000, 'x'),
                                               QCryptographicHash::Sha256)
                              .toHex()),
              files.at(0).toObject().value(QStringLiteral("sha256")).toString());
    EXPECT_EQ(QStringLiteral("text/csv"),
              files.at(1).toObject().value(QStringLiteral("contentType")).toString());
}

TEST_F(SmtpDelivery, TlsFromTheFirstByte)
{
    const TSmtpServer s
            = serve({QStringLiteral("tls"), QString(), QString(), QStringLiteral("ok")});
    const TSendResult result = sendMail(s, "office@example.com", {"owner@example.com"}, message());
    ASSERT_EQ(TSendResult::Sent, result.status) << result.error.toStdString();
    EXPECT_EQ(1, server.messages().size());
}

TEST_F(SmtpDelivery, AWrongPasswordIsAClearRefusal)
{
    TSmtpServer s = serve({QStringLiteral("starttls"), QStringLiteral("office"),
                           QStringLiteral("s3cret"), QStringLiteral("ok")});
    s.user = QStringLiteral("office");
    s.password = QStringLiteral("wrong");
    const TSendResult result = sendMail(s, "office@example.com", {"owner@example.com"}, message());
    EXPECT_EQ(TSendResult::Refused, result.status);
    EXPECT_TRUE(result.error.startsWith(QStringLiteral(
            "the mail server refused the login of office: wrong user name or password")))
            << result.error.toStdString();
    EXPECT_TRUE(server.messages().isEmpty());
}

TEST_F(SmtpDelivery, ServerProblemsAreFailuresWorthRetryingOrRefusals)
{
    TSmtpServer s = serve({QStringLiteral("none"), QString(), QString(), QStringLiteral("refuse")});
    TSendResult result = sendMail(s, "office@example.com", {"owner@example.com"}, message());
    EXPECT_EQ(TSendResult::Failed, result.status);
    EXPECT_EQ(451, result.responseCode);
    EXPECT_TRUE(result.error.contains(QStringLiteral("451"))) << result.error.toStdString();

    s = serve({QStringLiteral("none"), QString(), QString(), QStringLiteral("drop")});
    result = sendMail(s, "office@example.com", {"owner@example.com"}, message());
    EXPECT_EQ(TSendResult::Failed, result.status) << result.error.toStdString();

    s = serve({QStringLiteral("none"), QString(), QString(), QStringLiteral("reject")});
    result = sendMail(s, "office@example.com", {"owner@example.com"}, message());
    EXPECT_EQ(TSendResult::Refused, result.status) << result.error.toStdString();
    EXPECT_EQ(554, result.responseCode);
    EXPECT_TRUE(server.messages().isEmpty());
}

TEST_F(SmtpDelivery, NothingGoesOutUnprotectedThatShouldNot)
{
    // a server without STARTTLS is refused, not used in plain text
    TSmtpServer s = serve({QStringLiteral("none"), QString(), QString(), QStringLiteral("ok")});
    s.security = TSmtpSecurity::StartTls;
    TSendResult result = sendMail(s, "office@example.com", {"owner@example.com"}, message());
    EXPECT_EQ(TSendResult::Refused, result.status);
    EXPECT_TRUE(result.error.contains(QStringLiteral("STARTTLS"))) << result.error.toStdString();

    // a password goes in plain text only to this machine
    s.security = TSmtpSecurity::None;
    s.url = QStringLiteral("smtp://mail.example.com:25");
    s.user = QStringLiteral("office");
    result = sendMail(s, "office@example.com", {"owner@example.com"}, message());
    EXPECT_EQ(TSendResult::Refused, result.status);
    EXPECT_TRUE(result.error.contains(QStringLiteral("never sent unprotected")));

    // a certificate that is not trusted stops the delivery
    s = serve({QStringLiteral("tls"), QString(), QString(), QStringLiteral("ok")});
    s.caFile = dir.file(QStringLiteral("none.pem"));
    dir.write(QStringLiteral("none.pem"), "");
    result = sendMail(s, "office@example.com", {"owner@example.com"}, message());
    EXPECT_NE(TSendResult::Sent, result.status);
    EXPECT_TRUE(server.messages().isEmpty());
}
