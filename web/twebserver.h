#pragma once

#include <QAbstractHttpServer>
#include <QHash>
#include <QList>
#include <QPointer>

class QTcpSocket;

namespace WebLib {

class TWebSite;
struct TWebResponse;

// The HTTP side of the web view, on Qt's HTTP server: takes each request
// the parser completes, hands a copy of it to the site and writes the
// answers of a connection in the order of its requests (an answer made
// on the report thread may come after a later one). Lives on the network
// thread, with its site.
class TWebServer : public QAbstractHttpServer
{
    Q_OBJECT
public:
    explicit TWebServer(TWebSite *site, QObject *parent = nullptr);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    struct Answer
    {
        quint64 id = 0;
        bool ready = false;
        QByteArray bytes;
        bool close = false;
    };
    void complete(QTcpSocket *socket, quint64 id, const TWebResponse &response);
    void flush(QTcpSocket *socket);

    TWebSite *m_site;
    quint64 m_nextId = 1;
    QHash<QTcpSocket *, QList<Answer>> m_answers;
};

} // namespace WebLib
