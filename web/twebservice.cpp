#include "twebservice.h"

#include "twebengine.h"
#include "twebserver.h"
#include "twebtcpserver.h"

namespace WebLib {

TWebService::TWebService(Config config, QObject *parent)
    : QObject(parent)
    , m_config(std::move(config))
{
    m_thread.setObjectName(QStringLiteral("web"));
}

TWebService::~TWebService()
{
    stop();
}

bool TWebService::start(QString *error)
{
    m_engine = std::make_unique<TWebEngine>(m_config.handler, m_config.site.limits);
    if (m_config.setLanguage)
        m_engine->setLanguageSwitch(m_config.setLanguage);
    m_thread.start();

    // everything of the network side is made on its thread
    bool started = false;
    auto *anchor = new QObject;
    anchor->moveToThread(&m_thread);
    QMetaObject::invokeMethod(
            anchor,
            [&] {
                anchor->deleteLater();
                TWebSite::Options options = m_config.site;
                options.tls = m_config.tls;
                options.loopback = m_config.listen.isLoopback();
                auto *tcp = new TWebTcpServer(options.limits);
                if (m_config.tls)
                    tcp->setTls(m_config.tlsConfiguration);
                if (!tcp->listen(m_config.listen.address, m_config.listen.port)) {
                    *error = tr("cannot listen on %1: %2")
                                     .arg(m_config.listen.text(), tcp->errorString());
                    delete tcp;
                    return;
                }
                options.port = tcp->serverPort();
                auto *site = new TWebSite(options);
                tcp->setParent(site);
                if (m_config.clock)
                    site->setClock(m_config.clock);
                if (m_config.verifier)
                    site->setVerifier(m_config.verifier);
                if (!site->loadUsers(error)) {
                    delete site; // and its listening socket
                    return;
                }
                site->setApiRoutes(m_config.routes);
                TWebEngine *engine = m_engine.get();
                site->setEngine([engine, site](const TApiCall &call, const TWebSite::Reply &reply) {
                    engine->submit(call, site, reply);
                });
                connect(site, &TWebSite::sigEvent, this, &TWebService::sigEvent);
                auto *server = new TWebServer(site, site);
                server->bind(tcp);
                m_site = site;
                m_server = server;
                m_port = options.port;
                started = true;
            },
            Qt::BlockingQueuedConnection);
    if (!started)
        stop();
    return started;
}

void TWebService::stop()
{
    if (m_site) {
        TWebSite *site = m_site;
        m_site = nullptr;
        m_server = nullptr;
        // the server and the listening socket go with the site, on its thread
        QMetaObject::invokeMethod(
                site, [site] { delete site; }, Qt::BlockingQueuedConnection);
    }
    if (m_thread.isRunning()) {
        m_thread.quit();
        m_thread.wait();
    }
}

} // namespace WebLib
