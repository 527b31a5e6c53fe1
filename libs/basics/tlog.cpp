#include "tlog.h"

#include "tdir.h"
#include "terror.h"
#include "tvalue.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringEncoder>

namespace Basics {

namespace {

const char *const LevelNames[]
        = {"OFF", "FATAL", "ERROR", "WARNING", "INFO", "DETAILED", "DEBUG", "PROF", "ALL"};
constexpr int LevelCount = int(sizeof(LevelNames) / sizeof(LevelNames[0]));

// The value of an environment variable that is set and not empty.
bool environment(const char *name, QString *value)
{
    *value = qEnvironmentVariable(name);
    return !value->isEmpty();
}

// Decimal, or hexadecimal with "0x"; false when unparsable.
bool parseNumber(const QString &text, qint64 *value)
{
    const QString t = text.trimmed();
    bool ok = false;
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        *value = t.mid(2).toLongLong(&ok, 16);
    else
        *value = t.toLongLong(&ok, 10);
    return ok;
}

QString fromEightBit(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

// "dir/app.log" -> "dir/app.old"; see the class comment for the extension.
QString sizeBackupName(const QString &path)
{
    const int slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const int dot = path.indexOf(QLatin1Char('.'), slash + 2);
    return (dot < 0 ? path : path.left(dot)) + QLatin1String(".old");
}

QString dailyBackupName(const QString &path, const QDate &date)
{
    const int slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.left(slash + 1) + date.toString(QStringLiteral("yyyy-MM-dd."))
           + path.mid(slash + 1);
}

// Created during static initialisation, before main().
TLog &startupLog = TLog::instance();

} // namespace

TLog::TLog(const QString &fileName, Clock clock, QObject *parent)
    : QObject(parent)
    , m_fileName(fileName)
    , m_clock(std::move(clock))
{
    m_date = now().date();
    readEnvironment();
}

TLog::~TLog()
{
    QMutexLocker lock(&m_mutex);
    m_file.close();
}

TLog &TLog::instance()
{
    static TLog log;
    return log;
}

void TLog::readEnvironment()
{
    QMutexLocker lock(&m_mutex);
    QString value;
    m_level = environment("KORVAL_LOGLEVEL", &value) ? levelFromName(value) : int(Off);

    m_host.clear();
    m_port = DefaultPort;
    if (environment("KORVAL_LOGHOST", &m_host) && environment("KORVAL_LOGPORT", &value)) {
        qint64 port = 0;
        if (parseNumber(value, &port) && port > 0 && port <= 65535)
            m_port = int(port);
    }
    m_client.setServer(m_host, m_port);

    m_maxSize = DefaultMaxSize;
    if (environment("KORVAL_LOGMAX", &value)) {
        qint64 size = 0;
        if (parseNumber(value, &size) && size >= 0 && size <= INT_MAX)
            m_maxSize = int(size);
    }
}

void TLog::setLevel(int level)
{
    QMutexLocker lock(&m_mutex);
    m_level = level;
}

int TLog::maxSize() const
{
    QMutexLocker lock(&m_mutex);
    return m_maxSize;
}

void TLog::setMaxSize(int bytes)
{
    QMutexLocker lock(&m_mutex);
    m_maxSize = qMax(0, bytes);
}

QString TLog::host() const
{
    QMutexLocker lock(&m_mutex);
    return m_host;
}

int TLog::port() const
{
    QMutexLocker lock(&m_mutex);
    return m_port;
}

void TLog::setRemote(const QString &host, int port)
{
    QMutexLocker lock(&m_mutex);
    m_host = host;
    m_port = port;
    m_client.setServer(host, port);
}

void TLog::setRemoteTimeouts(int connectMs, int replyMs, int backoffMs)
{
    QMutexLocker lock(&m_mutex);
    m_client.setTimeouts(connectMs, replyMs);
    m_client.setBackoff(backoffMs);
}

bool TLog::remoteBackingOff() const
{
    QMutexLocker lock(&m_mutex);
    return m_client.backingOff();
}

QString TLog::fileName() const
{
    QMutexLocker lock(&m_mutex);
    return m_fileName;
}

void TLog::setFileName(const QString &fileName)
{
    QMutexLocker lock(&m_mutex);
    m_file.close();
    m_fileName = fileName;
}

QDate TLog::currentDate() const
{
    QMutexLocker lock(&m_mutex);
    return m_date;
}

QString TLog::levelName(int level)
{
    if (level < 0 || level >= LevelCount)
        return QString();
    return QString::fromLatin1(LevelNames[level]);
}

int TLog::levelFromName(const QString &name)
{
    const QString upper = name.trimmed().toUpper();
    for (int i = 0; i < LevelCount; ++i) {
        if (upper == QLatin1String(LevelNames[i]))
            return i;
    }
    return Off;
}

QString TLog::programName()
{
    const QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return QStringLiteral("app");
    QString path = QCoreApplication::arguments().value(0);
    if (path.isEmpty())
        path = QCoreApplication::applicationFilePath();
    const int slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    QString name = path.mid(slash + 1);
    const int dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return name;
}

QDateTime TLog::now() const
{
    return m_clock ? m_clock() : QDateTime::currentDateTime();
}

void TLog::log(int level, const QString &entry, const char *module, const char *klass)
{
    if (enabled(level))
        write(level, entry, module, klass);
}

void TLog::write(int level, const QString &entry, const char *module, const char *klass)
{
    const QString mod = fromEightBit(module);
    const QString cls = fromEightBit(klass);
    QString line;
    {
        QMutexLocker lock(&m_mutex);
        const QDateTime time = now();
        if (!m_host.isEmpty())
            sendRemote(time, level, entry, mod, cls);
        if (m_maxSize == 0)
            rotateDaily(time.date());
        line = time.toString(QStringLiteral("yyyy.MM.dd hh:mm:ss:zzz")) + QLatin1String(" [") + mod
               + QLatin1String("]:[") + cls + QLatin1String("]:[w:") + QString::number(m_station)
               + QLatin1Char(']') + entry;
        appendLine(line);
        if (m_maxSize != 0)
            rotateBySize();
    }
    emit logged(level, line);
}

void TLog::sendRemote(const QDateTime &time, int level, const QString &entry, const QString &module,
                      const QString &klass)
{
    TValue record;
    record.setString(QStringLiteral("date"), time.toString(Qt::ISODate));
    record.setString(QStringLiteral("station"), QStringLiteral("00-00-00-00-00-00"));
    record.setString(QStringLiteral("level"), QString::number(level));
    record.setString(QStringLiteral("program"), programName());
    record.setString(QStringLiteral("mod"), module);
    record.setString(QStringLiteral("class"), klass);
    record.setString(QStringLiteral("entry"), entry);
    const QString text
            = TTcpClient::messageText(QString(), QString(), QStringLiteral("log"), record);
    // Log messages are never plain. A collector that cannot be reached does
    // not concern the local output.
    m_client.send(TTcpClient::messagePayload(text, false, time.time().msec()));
}

QString TLog::localPath() const
{
    return expandEnvironment(m_fileName);
}

void TLog::rotateDaily(const QDate &today)
{
    if (today == m_date)
        return;
    const QDate ended = m_date;
    m_date = today;
    if (m_fileName.isEmpty())
        return;
    m_file.close();
    const QString path = localPath();
    if (!QFileInfo::exists(path))
        return;
    try {
        const QString target = dailyBackupName(path, ended);
        if (QFileInfo::exists(target))
            deleteFile(target);
        renameFile(path, target);
    } catch (const TError &) {
        // The day's lines go on into the current file.
    }
}

void TLog::appendLine(const QString &line)
{
    if (m_fileName.isEmpty())
        return;
    try {
        if (!m_file.isOpen()) {
            m_file.setFileName(m_fileName);
            m_file.open(QIODevice::WriteOnly | QIODevice::Append);
        }
        QStringEncoder encoder(QStringConverter::Utf16LE);
        QByteArray bytes = encoder(line + QLatin1String("\r\n"));
        if (m_file.size() == 0)
            bytes.prepend("\xFF\xFE", 2);
        m_file.writeBlock(bytes);
        m_file.flush();
    } catch (const TError &) {
        // No local line this time; the next entry tries again.
        m_file.close();
    }
}

void TLog::rotateBySize()
{
    if (!m_file.isOpen() || m_file.size() <= m_maxSize)
        return;
    m_file.close();
    const QString path = localPath();
    try {
        const QString backup = sizeBackupName(path);
        if (QFileInfo::exists(backup))
            deleteFile(backup);
        renameFile(path, backup);
    } catch (const TError &) {
        // The file goes on growing; the next entry tries again.
    }
}

void logFatal(const QString &entry, const char *module, const char *klass)
{
    TLog::instance().log(TLog::Fatal, entry, module, klass);
}

void logError(const QString &entry, const char *module, const char *klass)
{
    TLog::instance().log(TLog::Error, entry, module, klass);
}

void logWarning(const QString &entry, const char *module, const char *klass)
{
    TLog::instance().log(TLog::Warning, entry, module, klass);
}

void logInfo(const QString &entry, const char *module, const char *klass)
{
    TLog::instance().log(TLog::Info, entry, module, klass);
}

void logDetailed(const QString &entry, const char *module, const char *klass)
{
    TLog::instance().log(TLog::Detailed, entry, module, klass);
}

void logDebug(const QString &entry, const char *module, const char *klass)
{
    TLog::instance().log(TLog::Debug, entry, module, klass);
}

void logProf(const QString &entry, const char *module, const char *klass)
{
    TLog::instance().log(TLog::Prof, entry, module, klass);
}

void logAll(const QString &entry, const char *module, const char *klass)
{
    TLog::instance().log(TLog::All, entry, module, klass);
}

} // namespace Basics
