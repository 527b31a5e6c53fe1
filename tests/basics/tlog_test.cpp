#include <gtest/gtest.h>

#include "tcryption.h"
#include "tdir.h"
#include "terror.h"
#include "tlog.h"
#include "ttcpclient.h"
#include "tvalue.h"

#include "testdir.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTcpServer>
#include <QTcpSocket>

#include <arpa/inet.h>
#include <future>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace Basics;

namespace {

const char *const Variables[]
        = {"KORVAL_LOGLEVEL", "KORVAL_LOGHOST", "KORVAL_LOGPORT", "KORVAL_LOGMAX"};

// A clock the test moves by hand.
struct ManualClock
{
    QDateTime time {QDate(2024, 3, 5), QTime(7, 8, 9, 45)};
    TLog::Clock clock()
    {
        return [this] { return time; };
    }
};

// Lines of a log file; checks the byte order mark and the line ends.
QStringList logLines(const QByteArray &bytes)
{
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
    QStringDecoder decoder(QStringConverter::Utf16LE);
    QString text = decoder(bytes.mid(2));
    EXPECT_TRUE(text.endsWith(QLatin1String("\r\n")));
    text.chop(2);
    return text.split(QLatin1String("\r\n"));
}

// The entry part of a local line, after "[w:0]".
QStringList entries(const QByteArray &bytes)
{
    QStringList result;
    for (const QString &line : logLines(bytes))
        result << line.mid(line.indexOf(QLatin1String("[w:0]")) + 5);
    return result;
}

// A log collector on 127.0.0.1 in its own thread: accepts `count`
// connections, reads one frame from each and acknowledges it (unless told
// to stay silent).
class Collector
{
public:
    explicit Collector(int count, bool reply = true)
    {
        std::promise<int> port;
        std::future<int> ready = port.get_future();
        m_thread = std::thread([this, count, reply, &port] {
            QTcpServer server;
            if (!server.listen(QHostAddress::LocalHost, 0)) {
                port.set_value(0);
                return;
            }
            port.set_value(server.serverPort());
            for (int i = 0; i < count; ++i) {
                if (!server.waitForNewConnection(5000))
                    return;
                std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
                QByteArray payload;
                if (!TTcpClient::readFrame(*socket, &payload, 5000))
                    return;
                m_payloads.push_back(payload);
                if (reply) {
                    socket->write(TTcpClient::frame("OK"));
                    socket->waitForBytesWritten(2000);
                }
                // Held open until the client gives up or disconnects.
                socket->waitForDisconnected(2000);
            }
        });
        m_port = ready.get();
    }
    ~Collector() { join(); }

    int port() const { return m_port; }
    // Waits for the thread; afterwards payloads() is complete.
    const std::vector<QByteArray> &payloads()
    {
        join();
        return m_payloads;
    }

private:
    void join()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

    std::thread m_thread;
    int m_port = 0;
    std::vector<QByteArray> m_payloads;
};

// A port on 127.0.0.1 where nobody listens, held while the object lives:
// bound but not listening, so a connection is refused, and the system gives
// the port to no other test (a port closed again could be given to a
// collector of a test running beside this one, which would then receive
// this test's messages).
class ClosedPort
{
public:
    ClosedPort()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_fd >= 0 && ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), length) == 0
            && ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &length) == 0)
            m_port = ntohs(address.sin_port);
    }
    ~ClosedPort()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    ClosedPort(const ClosedPort &) = delete;
    ClosedPort &operator=(const ClosedPort &) = delete;

    int port() const { return m_port; }

private:
    int m_fd = -1;
    int m_port = 0;
};

// Clears the logger's variables for each test and restores them afterwards.
class LogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *name : Variables) {
            m_saved.push_back(qgetenv(name));
            qunsetenv(name);
        }
        m_pause = retryPause();
        setRetryPause(1);
    }
    void TearDown() override
    {
        for (size_t i = 0; i < m_saved.size(); ++i) {
            if (m_saved[i].isNull())
                qunsetenv(Variables[i]);
            else
                qputenv(Variables[i], m_saved[i]);
        }
        setRetryPause(m_pause);
    }

    TestDir dir;
    ManualClock clock;

private:
    std::vector<QByteArray> m_saved;
    int m_pause = 200;
};

} // namespace

TEST_F(LogTest, LevelNameInAnyCase)
{
    qputenv("KORVAL_LOGLEVEL", "debug");
    EXPECT_EQ(6, TLog().level());
    qputenv("KORVAL_LOGLEVEL", "Warning");
    EXPECT_EQ(3, TLog().level());
    qputenv("KORVAL_LOGLEVEL", "ALL");
    EXPECT_EQ(8, TLog().level());
}

TEST_F(LogTest, UnknownOrMissingLevelIsOff)
{
    qputenv("KORVAL_LOGLEVEL", "verbose");
    EXPECT_EQ(0, TLog().level());
    qputenv("KORVAL_LOGLEVEL", "6");
    EXPECT_EQ(0, TLog().level());
    qputenv("KORVAL_LOGLEVEL", "");
    EXPECT_EQ(0, TLog().level());
    qunsetenv("KORVAL_LOGLEVEL");
    EXPECT_EQ(0, TLog().level());
}

TEST_F(LogTest, RemoteAndSizeSettings)
{
    TLog plain;
    EXPECT_EQ(QString(), plain.host());
    EXPECT_EQ(4307, plain.port());
    EXPECT_EQ(0x500000, plain.maxSize());

    // A port alone does not switch the remote output on.
    qputenv("KORVAL_LOGPORT", "5000");
    EXPECT_EQ(4307, TLog().port());

    qputenv("KORVAL_LOGHOST", "collector");
    qputenv("KORVAL_LOGMAX", "1024");
    TLog log;
    EXPECT_EQ(QStringLiteral("collector"), log.host());
    EXPECT_EQ(5000, log.port());
    EXPECT_EQ(1024, log.maxSize());

    qputenv("KORVAL_LOGPORT", "");
    qputenv("KORVAL_LOGMAX", "0");
    log.readEnvironment();
    EXPECT_EQ(4307, log.port());
    EXPECT_EQ(0, log.maxSize());

    qunsetenv("KORVAL_LOGHOST");
    qputenv("KORVAL_LOGMAX", "0x100");
    log.readEnvironment();
    EXPECT_EQ(QString(), log.host());
    EXPECT_EQ(256, log.maxSize());
}

TEST_F(LogTest, LevelHelpersFilterOnTheProcessLogger)
{
    TLog &log = TLog::instance();
    EXPECT_EQ(QString(), log.fileName());
    const int before = log.level();
    QStringList seen;
    const auto connection
            = QObject::connect(&log, &TLog::logged, [&](int level, const QString &line) {
                  seen << QString::number(level) + line.mid(23);
              });

    log.setLevel(TLog::Error);
    logFatal(QStringLiteral("fatal"));
    logError(QStringLiteral("error"), "Library", "turnover");
    logWarning(QStringLiteral("warning"));
    logDebug(QStringLiteral("debug"));
    log.setLevel(TLog::Off);
    logFatal(QStringLiteral("silent"));
    log.setLevel(TLog::All);
    logAll(QStringLiteral("all"));

    QObject::disconnect(connection);
    log.setLevel(before);
    EXPECT_EQ(QStringList({QStringLiteral("1 []:[]:[w:0]fatal"),
                           QStringLiteral("2 [Library]:[turnover]:[w:0]error"),
                           QStringLiteral("8 []:[]:[w:0]all")}),
              seen);
}

TEST_F(LogTest, LineFormatAndEncoding)
{
    const QString path = dir.file(QStringLiteral("app.log"));
    {
        TLog log(path, clock.clock());
        log.write(2, QStringLiteral("Amount not correct: 10, 12.500"), "Library", "TTable");
        clock.time = clock.time.addMSecs(1);
        log.write(6, QStringLiteral("no names \u00e9\u20ac"));
    }
    // A second logger appends to the file without a second byte order mark.
    TLog(path, clock.clock()).write(3, QStringLiteral("again"), "", "");

    EXPECT_EQ(QStringList({QStringLiteral("2024.03.05 07:08:09:045 [Library]:[TTable]:[w:0]"
                                          "Amount not correct: 10, 12.500"),
                           QStringLiteral("2024.03.05 07:08:09:046 []:[]:[w:0]no names "
                                          "\u00e9\u20ac"),
                           QStringLiteral("2024.03.05 07:08:09:046 []:[]:[w:0]again")}),
              logLines(dir.read(QStringLiteral("app.log"))));
}

TEST_F(LogTest, NoFileNameWritesNothingButSignals)
{
    TLog log(QString(), clock.clock());
    QStringList seen;
    QObject::connect(&log, &TLog::logged, [&](int, const QString &line) { seen << line; });
    log.write(2, QStringLiteral("only the signal"));
    EXPECT_EQ(QStringList(QStringLiteral("2024.03.05 07:08:09:045 []:[]:[w:0]only the signal")),
              seen);
    EXPECT_TRUE(dir.entries().isEmpty());
}

TEST_F(LogTest, UnwritableFileSkipsTheLine)
{
    TLog log(dir.file(QStringLiteral("missing/dir/app.log")), clock.clock());
    int count = 0;
    QObject::connect(&log, &TLog::logged, [&] { ++count; });
    EXPECT_NO_THROW(log.write(2, QStringLiteral("lost")));
    EXPECT_EQ(1, count);
    EXPECT_FALSE(dir.exists(QStringLiteral("missing")));
}

TEST_F(LogTest, SizeRotationDropsTheExtension)
{
    // The dot of the directory name does not count.
    const QString path = dir.file(QStringLiteral("logs.d/app.log.txt"));
    QDir().mkpath(dir.file(QStringLiteral("logs.d")));
    dir.write(QStringLiteral("logs.d/app.old"), "previous backup");
    TLog log(path, clock.clock());
    log.setMaxSize(100);

    // A line takes about 85 bytes in UTF-16: the second one goes past 100.
    log.write(2, QStringLiteral("first"));
    EXPECT_TRUE(dir.exists(QStringLiteral("logs.d/app.log.txt")));
    log.write(2, QStringLiteral("second"));
    EXPECT_FALSE(dir.exists(QStringLiteral("logs.d/app.log.txt")));
    EXPECT_EQ(QStringList({QStringLiteral("first"), QStringLiteral("second")}),
              entries(dir.read(QStringLiteral("logs.d/app.old"))));

    log.write(2, QStringLiteral("third"));
    EXPECT_EQ(QStringList(QStringLiteral("third")),
              entries(dir.read(QStringLiteral("logs.d/app.log.txt"))));
    EXPECT_EQ(QStringList({QStringLiteral("app.log.txt"), QStringLiteral("app.old")}),
              QDir(dir.file(QStringLiteral("logs.d"))).entryList(QDir::Files, QDir::Name));
}

TEST_F(LogTest, SizeRotationOfANameWithoutExtension)
{
    TLog log(dir.file(QStringLiteral("applog")), clock.clock());
    log.setMaxSize(10);
    log.write(2, QStringLiteral("one"));
    EXPECT_EQ(QStringList(QStringLiteral("applog.old")), dir.entries());
}

TEST_F(LogTest, DailyRotationOncePerDay)
{
    qputenv("KORVAL_LOGMAX", "0");
    dir.write(QStringLiteral("2024-03-05.app.log"), "stale");
    TLog log(dir.file(QStringLiteral("app.log")), clock.clock());
    EXPECT_EQ(QDate(2024, 3, 5), log.currentDate());

    log.write(2, QStringLiteral("day one"));
    clock.time = QDateTime(QDate(2024, 3, 6), QTime(0, 0, 1));
    log.write(2, QStringLiteral("day two"));
    clock.time = clock.time.addSecs(3600);
    log.write(2, QStringLiteral("day two later"));
    EXPECT_EQ(QDate(2024, 3, 6), log.currentDate());

    EXPECT_EQ(QStringList({QStringLiteral("2024-03-05.app.log"), QStringLiteral("app.log")}),
              dir.entries());
    EXPECT_EQ(QStringList(QStringLiteral("day one")),
              entries(dir.read(QStringLiteral("2024-03-05.app.log"))));
    EXPECT_EQ(QStringList({QStringLiteral("day two"), QStringLiteral("day two later")}),
              entries(dir.read(QStringLiteral("app.log"))));

    // Skipping days names the backup after the file's own day.
    clock.time = QDateTime(QDate(2024, 3, 9), QTime(12, 0));
    log.write(2, QStringLiteral("day nine"));
    EXPECT_EQ(QStringList({QStringLiteral("2024-03-05.app.log"),
                           QStringLiteral("2024-03-06.app.log"), QStringLiteral("app.log")}),
              dir.entries());
}

TEST_F(LogTest, SizeLimitNeverRotatesDaily)
{
    TLog log(dir.file(QStringLiteral("app.log")), clock.clock());
    log.write(2, QStringLiteral("one"));
    clock.time = clock.time.addDays(1);
    log.write(2, QStringLiteral("two"));
    EXPECT_EQ(QStringList(QStringLiteral("app.log")), dir.entries());
}

TEST_F(LogTest, ThreadsNeverInterleaveLines)
{
    TLog log(dir.file(QStringLiteral("app.log")));
    constexpr int Threads = 4;
    constexpr int Entries = 200;
    std::vector<std::thread> threads;
    for (int t = 0; t < Threads; ++t) {
        threads.emplace_back([&log, t] {
            for (int i = 0; i < Entries; ++i)
                log.write(4, QStringLiteral("thread %1 entry %2").arg(t).arg(i), "mod", "cls");
        });
    }
    for (std::thread &thread : threads)
        thread.join();

    const QStringList lines = entries(dir.read(QStringLiteral("app.log")));
    ASSERT_EQ(Threads * Entries, lines.size());
    for (int t = 0; t < Threads; ++t) {
        // Each thread's entries arrive whole and in order.
        int next = 0;
        for (const QString &line : lines) {
            if (line.startsWith(QStringLiteral("thread %1 ").arg(t))) {
                EXPECT_EQ(QStringLiteral("thread %1 entry %2").arg(t).arg(next), line);
                ++next;
            }
        }
        EXPECT_EQ(Entries, next);
    }
}

TEST_F(LogTest, RemoteMessageReachesTheCollector)
{
    Collector collector(1);
    ASSERT_NE(0, collector.port());
    qputenv("KORVAL_LOGHOST", "127.0.0.1");
    qputenv("KORVAL_LOGPORT", QByteArray::number(collector.port()));
    TLog log(dir.file(QStringLiteral("app.log")), clock.clock());
    // Generous limits: a busy machine may take longer than the defaults to answer.
    log.setRemoteTimeouts(10000, 10000, 10000);
    log.write(2, QStringLiteral("Could not move file 17 \u00fc"), "Library", "turnover");

    const std::vector<QByteArray> &payloads = collector.payloads();
    ASSERT_EQ(1u, payloads.size());
    EXPECT_FALSE(payloads[0].contains("Could not move file"));

    QStringList headers;
    TValue record;
    int millisecond = -1;
    ASSERT_TRUE(TTcpClient::parseMessage(payloads[0], &headers, &record, &millisecond));
    EXPECT_EQ(QStringList({QString(), QString(), QStringLiteral("log")}), headers);
    EXPECT_EQ(45, millisecond);
    EXPECT_EQ(7, record.count());
    EXPECT_EQ(QStringLiteral("2024-03-05T07:08:09"), record.getString(QStringLiteral("date")));
    EXPECT_EQ(QStringLiteral("00-00-00-00-00-00"), record.getString(QStringLiteral("station")));
    EXPECT_EQ(QStringLiteral("2"), record.getString(QStringLiteral("level")));
    if (!QCoreApplication::instance()) {
        EXPECT_EQ(QStringLiteral("app"), record.getString(QStringLiteral("program")));
    }
    EXPECT_EQ(QStringLiteral("Library"), record.getString(QStringLiteral("mod")));
    EXPECT_EQ(QStringLiteral("turnover"), record.getString(QStringLiteral("class")));
    EXPECT_EQ(QStringLiteral("Could not move file 17 \u00fc"),
              record.getString(QStringLiteral("entry")));

    // The local line is written as well.
    EXPECT_EQ(QStringList(QStringLiteral("Could not move file 17 \u00fc")),
              entries(dir.read(QStringLiteral("app.log"))));
    EXPECT_FALSE(log.remoteBackingOff());
}

TEST_F(LogTest, DeadCollectorKeepsTheLocalOutput)
{
    TLog log(dir.file(QStringLiteral("app.log")), clock.clock());
    const ClosedPort closed;
    ASSERT_NE(0, closed.port());
    log.setRemote(QStringLiteral("127.0.0.1"), closed.port());
    EXPECT_NO_THROW(log.write(2, QStringLiteral("one")));
    EXPECT_TRUE(log.remoteBackingOff());
    EXPECT_NO_THROW(log.write(2, QStringLiteral("two")));
    EXPECT_EQ(QStringList({QStringLiteral("one"), QStringLiteral("two")}),
              entries(dir.read(QStringLiteral("app.log"))));
}

TEST(TcpClient, DeadServerBacksOff)
{
    const ClosedPort closed;
    const ClosedPort other;
    ASSERT_NE(0, closed.port());
    ASSERT_NE(0, other.port());
    TTcpClient client(QStringLiteral("127.0.0.1"), closed.port());
    EXPECT_FALSE(client.send("hello"));
    EXPECT_EQ(1, client.attempts());
    EXPECT_TRUE(client.backingOff());
    // While backing off the network is left alone.
    EXPECT_FALSE(client.send("hello"));
    EXPECT_EQ(1, client.attempts());
    // A new server ends the back-off.
    client.setServer(QStringLiteral("127.0.0.1"), other.port());
    EXPECT_FALSE(client.backingOff());
}

TEST(TcpClient, SilentServerTimesOut)
{
    Collector collector(2, false);
    TTcpClient client(QStringLiteral("127.0.0.1"), collector.port());
    client.setTimeouts(300, 50);
    client.setTries(2);
    EXPECT_FALSE(client.send("unanswered"));
    EXPECT_TRUE(client.backingOff());
    EXPECT_EQ(QStringLiteral("timeout"), client.errorText());
    EXPECT_EQ(2, client.attempts());
    EXPECT_EQ(std::vector<QByteArray>({"unanswered", "unanswered"}), collector.payloads());
}

TEST(TcpClient, ReplyIsReturned)
{
    Collector collector(1);
    TTcpClient client(QStringLiteral("127.0.0.1"), collector.port());
    client.setTimeouts(10000, 10000);
    QByteArray reply;
    EXPECT_TRUE(client.send("ping", &reply));
    EXPECT_EQ(QByteArray("OK"), reply);
    EXPECT_EQ(QString(), client.errorText());
}

TEST(TcpClient, NoServerFailsAtOnce)
{
    TTcpClient client;
    EXPECT_FALSE(client.send("x"));
    EXPECT_EQ(0, client.attempts());
}

TEST(TcpMessage, TextLayout)
{
    TValue record;
    record.setString(QStringLiteral("mod"), QStringLiteral("m"));
    record.setString(QStringLiteral("class"), QStringLiteral("c"));
    record.setString(QStringLiteral("entry"), QString());
    EXPECT_EQ(QStringLiteral("\x02h1\x02h2\x02log\x02"
                             "class\x04"
                             "c\x03"
                             "entry\x04\x03"
                             "mod\x04"
                             "m"),
              TTcpClient::messageText(QStringLiteral("h1"), QStringLiteral("h2"),
                                      QStringLiteral("log"), record));
    EXPECT_EQ(QStringLiteral("\x02\x02\x02log\x02"),
              TTcpClient::messageText(QString(), QString(), QStringLiteral("log"), TValue()));
}

TEST(TcpMessage, PlainAndEncipheredPayloads)
{
    TValue record;
    record.setString(QStringLiteral("entry"), QStringLiteral("x\x02y"));
    const QString text
            = TTcpClient::messageText(QString(), QString(), QStringLiteral("log"), record);

    const QByteArray plain = TTcpClient::messagePayload(text, true, 7);
    EXPECT_EQ('*' + text.toUtf8(), plain);
    EXPECT_EQ(QStringLiteral("7") + text,
              TCryption().decipherText(TTcpClient::messagePayload(text, false, 7)));

    for (const QByteArray &payload : {plain, TTcpClient::messagePayload(text, false, 999)}) {
        QStringList headers;
        TValue parsed;
        ASSERT_TRUE(TTcpClient::parseMessage(payload, &headers, &parsed));
        EXPECT_EQ(QStringLiteral("log"), headers.value(2));
        EXPECT_EQ(record, parsed);
    }
    EXPECT_FALSE(TTcpClient::parseMessage("*no separator", nullptr, nullptr));

    // the nonce is random: no enciphered payload may look like a plain one
    // (with one in 256 doing so, 3,000 would show it but for 1 run in 10^5)
    for (int i = 0; i < 3000; ++i) {
        const QByteArray payload = TTcpClient::messagePayload(text, false, i % 1000);
        ASSERT_NE('*', payload.at(0)) << i;
        ASSERT_TRUE(TTcpClient::parseMessage(payload, nullptr, nullptr)) << i;
    }
}

TEST(Cryption, RoundTripWithFreshNonce)
{
    const TCryption cipher;
    const QString text = QStringLiteral("123\x02\x02\x02log\x02"
                                        "entry\x04K\u00e4se \u20ac");
    const QByteArray a = cipher.encipherText(text);
    const QByteArray b = cipher.encipherText(text);
    EXPECT_NE(a, b);
    EXPECT_FALSE(a.contains("log"));
    EXPECT_EQ(text, cipher.decipherText(a));
    EXPECT_EQ(text, cipher.decipherText(b));
    EXPECT_EQ(QByteArray(), cipher.decipher(cipher.encipher(QByteArray())));
}

TEST(Cryption, FailuresThrowCryptErrors)
{
    const TCryption cipher;
    const QByteArray block = cipher.encipherText(QStringLiteral("some log text"));

    EXPECT_THROW(TCryption(QByteArrayLiteral("other key")).decipher(block), TCryptError);
    QByteArray damaged = block;
    damaged[6] = char(damaged[6] ^ 1);
    EXPECT_THROW(cipher.decipher(damaged), TCryptError);
    EXPECT_THROW(cipher.decipher(block.left(7)), TCryptError);
    EXPECT_THROW(TCryption {QByteArray()}, TCryptError);
    EXPECT_THROW(TCryption(QByteArray(253, 'k')), TCryptError);

    try {
        cipher.decipherText(cipher.encipher("\xff\xfe invalid"));
        FAIL() << "no error";
    } catch (const TCryptError &e) {
        EXPECT_EQ(402, e.reason());
        EXPECT_EQ(4, e.code());
    }
}
