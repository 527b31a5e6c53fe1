// The web view under load: 'veltrum serve' on a demo installation, many
// clients at once on loopback, each with a session of its own, asking
// again and again for today's figures and a week's waiter report, for a
// fixed time; prints the answers per second and the latency percentiles,
// the answers that were not 200, and the server's memory and threads.
//
//   bench_serve [--veltrum PATH] [--clients 50] [--seconds 30] [--tables 60]
//
// Two rounds: "same week", every client asking for the same week (the
// server's memory of answers serves most), and "20 weeks", the clients
// spread over 20 different weeks (reports made again and again).
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const QString Now = QStringLiteral("2026-12-05T21:00:00");

struct Options
{
    QString veltrum;
    int clients = 50;
    int seconds = 30;
    int tables = 60;
};

Options parse(const QStringList &args)
{
    Options o;
    o.veltrum = QCoreApplication::applicationDirPath() + QStringLiteral("/veltrum");
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--veltrum"))
            o.veltrum = args[i + 1];
        else if (args[i] == QLatin1String("--clients"))
            o.clients = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--seconds"))
            o.seconds = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--tables"))
            o.tables = args[i + 1].toInt();
    }
    return o;
}

bool run(const QString &program, const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(program, args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(-1);
    if (p.exitCode() != 0)
        std::fprintf(stderr, "%s\n", p.readAllStandardError().constData());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// One HTTP answer read off a kept-alive connection.
struct Reply
{
    int status = 0;
    QByteArray headers;
    QByteArray body;
};

bool parse(QByteArray &buffer, Reply &reply)
{
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return false;
    const QByteArray head = buffer.left(end);
    static const QRegularExpression length(QStringLiteral("(?i)content-length:\\s*(\\d+)"));
    const auto m = length.match(QString::fromLatin1(head));
    const qsizetype size = m.hasMatch() ? m.captured(1).toLongLong() : 0;
    if (buffer.size() < end + 4 + size)
        return false;
    reply.status = head.mid(9, 3).toInt();
    reply.headers = head;
    reply.body = buffer.mid(end + 4, size);
    buffer.remove(0, end + 4 + size);
    return true;
}

// A blocking request on a kept-alive socket (for the logins before the run).
Reply ask(QTcpSocket &socket, const QByteArray &request)
{
    socket.write(request);
    QByteArray buffer;
    Reply reply;
    while (!parse(buffer, reply)) {
        if (!socket.waitForReadyRead(120000))
            return reply;
        buffer += socket.readAll();
    }
    return reply;
}

struct Client
{
    std::unique_ptr<QTcpSocket> socket;
    QByteArray cookie;
    QByteArray report; // its week's report
    QByteArray buffer;
    bool today = true; // what it asks next
    QElapsedTimer sent;
};

struct Sample
{
    bool today;
    double ms;
};

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t i = std::min(values.size() - 1, size_t(p / 100.0 * double(values.size())));
    return values[i];
}

QByteArray get(quint16 port, const QByteArray &path, const QByteArray &cookie)
{
    return "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port)
           + "\r\nCookie: veltrum=" + cookie + "\r\n\r\n";
}

QString serverMemory(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    QString out;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM") || line.startsWith("VmRSS") || line.startsWith("Threads"))
            out += QString::fromLatin1(line.simplified()) + QStringLiteral("  ");
    }
    return out.trimmed();
}

// One round: every client asks in turn for today's figures and its week's
// report, each as soon as the answer before came.
void round(const char *name, std::vector<Client> &clients, quint16 port, int seconds, qint64 pid)
{
    std::vector<Sample> samples;
    int errors = 0;
    int lost = 0;
    QElapsedTimer clock;
    clock.start();
    const qint64 end = qint64(seconds) * 1000;
    int open = int(clients.size());
    QEventLoop loop;
    const auto next = [&](Client &c) {
        if (clock.elapsed() >= end) {
            if (--open == 0)
                loop.quit();
            return;
        }
        c.sent.start();
        c.socket->write(c.today ? get(port, "/api/today", c.cookie) : c.report);
    };
    for (Client &c : clients) {
        QObject::connect(c.socket.get(), &QTcpSocket::readyRead, &loop, [&, client = &c] {
            client->buffer += client->socket->readAll();
            Reply reply;
            while (parse(client->buffer, reply)) {
                samples.push_back({client->today, double(client->sent.nsecsElapsed()) / 1e6});
                if (reply.status != 200)
                    ++errors;
                client->today = !client->today;
                next(*client);
            }
        });
        QObject::connect(c.socket.get(), &QTcpSocket::disconnected, &loop, [&] {
            ++lost;
            if (--open == 0)
                loop.quit();
        });
    }
    for (Client &c : clients)
        next(c);
    loop.exec();
    const double elapsed = double(clock.elapsed()) / 1000.0;
    for (Client &c : clients)
        QObject::disconnect(c.socket.get(), nullptr, &loop, nullptr);

    std::printf("\n%s: %zu clients, %.1f s, %zu answers (%.0f a second), %d not 200, %d "
                "connections lost\n",
                name, clients.size(), elapsed, samples.size(), double(samples.size()) / elapsed,
                errors, lost);
    std::printf("  %-22s %8s %8s %8s %8s %8s\n", "ms", "answers", "p50", "p90", "p99", "max");
    for (const bool today : {true, false}) {
        std::vector<double> ms;
        for (const Sample &s : samples) {
            if (s.today == today)
                ms.push_back(s.ms);
        }
        std::printf("  %-22s %8zu %8.1f %8.1f %8.1f %8.1f\n",
                    today ? "today's figures" : "a week's waiter report", ms.size(),
                    percentile(ms, 50), percentile(ms, 90), percentile(ms, 99),
                    percentile(ms, 100));
    }
    std::printf("  server: %s\n", qPrintable(serverMemory(pid)));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const Options o = parse(app.arguments());
    QTemporaryDir dir;
    const QString inst = dir.filePath(QStringLiteral("inst"));
    const QString users = dir.filePath(QStringLiteral("users"));
    std::printf("demo installation: 160 closed days of %d tables\n", o.tables);
    std::fflush(stdout);
    if (!run(o.veltrum, {"demo", inst, "--days", "160", "--tables", QString::number(o.tables),
                         "--today", "2026-12-05"})
        || !run(o.veltrum, {"serve", "--add-user", "owner", "--users", users}, "correct horse\n"))
        return 1;

    QProcess server;
    // its log (a line per login) into a file, shown when it fails
    const QString log = dir.filePath(QStringLiteral("serve.log"));
    server.setStandardErrorFile(log);
    server.start(o.veltrum, {"serve", "--data", inst, "--users", users, "--listen", "127.0.0.1:0",
                             "--now", Now});
    quint16 port = 0;
    QByteArray out;
    static const QRegularExpression address(QStringLiteral("127\\.0\\.0\\.1:(\\d+)/"));
    while (port == 0 && server.waitForReadyRead(60000)) {
        out += server.readAllStandardOutput();
        const auto m = address.match(QString::fromUtf8(out));
        if (m.hasMatch())
            port = quint16(m.captured(1).toUInt());
    }
    if (port == 0) {
        QFile messages(log);
        messages.open(QIODevice::ReadOnly);
        std::fprintf(stderr, "the server did not start:\n%s\n", messages.readAll().constData());
        return 1;
    }

    // a session for every client (logins are slow on purpose: not measured)
    std::vector<Client> clients(size_t(o.clients));
    for (size_t i = 0; i < clients.size(); ++i) {
        Client &c = clients[i];
        c.socket = std::make_unique<QTcpSocket>();
        c.socket->connectToHost(QStringLiteral("127.0.0.1"), port);
        if (!c.socket->waitForConnected(30000))
            return 1;
        const Reply session = ask(*c.socket, get(port, "/api/session", ""));
        const QByteArray setCookie = session.headers.mid(session.headers.indexOf("veltrum=") + 8);
        c.cookie = setCookie.left(setCookie.indexOf(';'));
        const QByteArray csrf = QJsonDocument::fromJson(session.body)["csrf"].toString().toLatin1();
        const QByteArray body = R"({"user":"owner","password":"correct horse"})";
        const Reply login = ask(
                *c.socket, "POST /api/login HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(port)
                                   + "\r\nCookie: veltrum=" + c.cookie + "\r\nX-CSRF-Token: " + csrf
                                   + "\r\nContent-Type: application/json\r\nContent-Length: "
                                   + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        if (login.status != 200) {
            std::fprintf(stderr, "login %zu: %d %s\n", i, login.status, login.body.constData());
            return 1;
        }
        const QByteArray loginCookie = login.headers.mid(login.headers.indexOf("veltrum=") + 8);
        c.cookie = loginCookie.left(loginCookie.indexOf(';'));
    }

    for (Client &c : clients)
        c.report = get(port, "/api/report?kind=5&from=2026-11-28&to=2026-12-04", c.cookie);
    round("same week", clients, port, o.seconds, server.processId());
    for (size_t i = 0; i < clients.size(); ++i) {
        // weeks ending 4 December, 27 November, ... 20 weeks back
        const QDate last = QDate(2026, 12, 4).addDays(-7 * int(i % 20));
        clients[i].today = true;
        clients[i].report
                = get(port,
                      "/api/report?kind=5&from=" + last.addDays(-6).toString(Qt::ISODate).toLatin1()
                              + "&to=" + last.toString(Qt::ISODate).toLatin1(),
                      clients[i].cookie);
    }
    round("20 weeks", clients, port, o.seconds, server.processId());

    server.terminate();
    server.waitForFinished(60000);
    return server.exitCode();
}
