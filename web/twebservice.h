#pragma once

#include "tlistenaddress.h"
#include "twebsite.h"

#include <QObject>
#include <QSslConfiguration>
#include <QThread>

#include <functional>
#include <memory>

namespace WebLib {

class TWebEngine;
class TWebServer;
class TWebTcpServer;

// The web view running: the network side (listening socket, HTTP server,
// site) on a thread of its own, the API's engine on the thread that
// starts the service, which must run an event loop for the API to be
// answered. Stopped and joined when destroyed.
class TWebService : public QObject
{
    Q_OBJECT
public:
    struct Config
    {
        TListenAddress listen;
        bool tls = false;
        QSslConfiguration tlsConfiguration; // with tls: certificate and key set
        TWebSite::Options site; // tls, loopback and port are filled in by start()
        QList<TApiRoute> routes;
        // answers the API calls on the starting thread
        std::function<TWebResponse(const TApiCall &)> handler;
        std::function<void(const QString &)> setLanguage;
        // for tests: the site's clock and its password check; empty: the real ones
        TWebSite::Clock clock;
        TWebSite::Verifier verifier;
    };

    explicit TWebService(Config config, QObject *parent = nullptr);
    ~TWebService() override;

    // Reads the users, listens; false with `error` (the users file, the
    // address that cannot be listened on).
    bool start(QString *error);
    void stop();
    quint16 port() const { return m_port; }
    TWebEngine *engine() const { return m_engine.get(); }
    // The site, on the network thread: call it there only.
    TWebSite *site() const { return m_site; }

Q_SIGNALS:
    // Logins, wrong passwords, lock-outs (TWebSite::sigEvent), on the
    // starting thread.
    void sigEvent(const QString &text);

private:
    Config m_config;
    std::unique_ptr<TWebEngine> m_engine;
    QThread m_thread;
    TWebSite *m_site = nullptr;
    TWebServer *m_server = nullptr;
    quint16 m_port = 0;
};

} // namespace WebLib
