#include "tsmtpsender.h"

#include <QCoreApplication>
#include <QUrl>

#include <curl/curl.h>

#include <cstring>
#include <memory>
#include <mutex>

namespace Mail {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Mail)
};

struct Upload
{
    const QByteArray *bytes;
    qsizetype offset = 0;
};

size_t readChunk(char *buffer, size_t size, size_t count, void *user)
{
    auto *upload = static_cast<Upload *>(user);
    const qsizetype left = upload->bytes->size() - upload->offset;
    const qsizetype n = qMin<qsizetype>(left, qsizetype(size * count));
    std::memcpy(buffer, upload->bytes->constData() + upload->offset, size_t(n));
    upload->offset += n;
    return size_t(n);
}

bool isLoopback(const QString &host)
{
    return host == QLatin1String("localhost") || host.startsWith(QLatin1String("127."))
           || host == QLatin1String("::1") || host == QLatin1String("[::1]");
}

TSendResult classify(CURLcode code, long response, const QString &detail, const TSmtpServer &server)
{
    TSendResult result;
    result.responseCode = response;
    const QString answer
            = response > 0 ? Text::tr(" (the server answered %1)").arg(response) : QString();
    switch (code) {
    case CURLE_LOGIN_DENIED:
        result.status = TSendResult::Refused;
        result.error = Text::tr("the mail server refused the login of %1: wrong user name or "
                                "password%2")
                               .arg(server.user, answer);
        return result;
    case CURLE_USE_SSL_FAILED:
        result.status = TSendResult::Refused;
        result.error = Text::tr("the mail server offers no STARTTLS; the mail was not sent "
                                "unprotected");
        return result;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CACERT_BADFILE:
        result.status = TSendResult::Refused;
        result.error
                = Text::tr("the protected connection to the mail server failed: %1").arg(detail);
        return result;
    default:
        break;
    }
    if (response >= 500 && response < 600) {
        result.status = TSendResult::Refused;
        result.error = Text::tr("the mail server refused the mail: %1%2").arg(detail, answer);
    } else {
        result.status = TSendResult::Failed;
        result.error = Text::tr("the mail could not be delivered: %1%2").arg(detail, answer);
    }
    return result;
}

} // namespace

TSendResult sendMail(const TSmtpServer &server, const QByteArray &from,
                     const QList<QByteArray> &recipients, const QByteArray &mime)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    const QUrl url(server.url);
    const QString scheme = url.scheme();
    TSendResult wrong;
    wrong.status = TSendResult::Refused;
    if ((scheme != QLatin1String("smtp") && scheme != QLatin1String("smtps"))
        || url.host().isEmpty()) {
        wrong.error = Text::tr("'%1' is no mail server (smtp://HOST:PORT or smtps://HOST:PORT)")
                              .arg(server.url);
        return wrong;
    }
    if ((scheme == QLatin1String("smtps")) != (server.security == TSmtpSecurity::Tls)) {
        wrong.error = Text::tr("security tls goes with smtps://, starttls and none with smtp://");
        return wrong;
    }
    if (server.security == TSmtpSecurity::None && !server.user.isEmpty()
        && !isLoopback(url.host())) {
        wrong.error = Text::tr("a password is never sent unprotected to %1: use security starttls "
                               "or tls")
                              .arg(url.host());
        return wrong;
    }

    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) {
        wrong.status = TSendResult::Failed;
        wrong.error = Text::tr("the mail library could not be started");
        return wrong;
    }
    CURL *c = curl.get();
    char errors[CURL_ERROR_SIZE] = {};
    const QByteArray urlBytes = server.url.toUtf8();
    const QByteArray user = server.user.toUtf8();
    const QByteArray password = server.password.toUtf8();
    const QByteArray caFile = server.caFile.toLocal8Bit();
    const QByteArray sender = '<' + from + '>';
    curl_slist *rcpt = nullptr;
    for (const QByteArray &recipient : recipients)
        rcpt = curl_slist_append(rcpt, ('<' + recipient + '>').constData());
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> rcptList(rcpt, curl_slist_free_all);
    Upload upload {&mime};

    curl_easy_setopt(c, CURLOPT_URL, urlBytes.constData());
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errors);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, long(server.connectSeconds));
    curl_easy_setopt(c, CURLOPT_TIMEOUT, long(server.timeoutSeconds));
    curl_easy_setopt(c, CURLOPT_USE_SSL,
                     server.security == TSmtpSecurity::None ? long(CURLUSESSL_NONE)
                                                            : long(CURLUSESSL_ALL));
    if (!caFile.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO, caFile.constData());
    if (!user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, sender.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, rcpt);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, readChunk);
    curl_easy_setopt(c, CURLOPT_READDATA, &upload);
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);

    const CURLcode code = curl_easy_perform(c);
    long response = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &response);
    if (code == CURLE_OK)
        return {TSendResult::Sent, QString(), response};
    const QString detail = QString::fromUtf8(errors[0] ? errors : curl_easy_strerror(code));
    return classify(code, response, detail, server);
}

} // namespace Mail
