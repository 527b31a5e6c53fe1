#include "smtptestserver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");

QString script()
{
    return QStringLiteral(VELTRUM_TEST_SUPPORT) + QStringLiteral("/smtpserver.py");
}

} // namespace

namespace {

// True when the program ran and ended with 0; its output is dropped.
bool runs(const QString &program, const QStringList &args)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, args);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
           && process.exitCode() == 0;
}

} // namespace

QString SmtpTestServer::unavailable()
{
    if (!QFileInfo(Python).isExecutable())
        return QStringLiteral("/usr/bin/python3 is missing");
    if (!runs(Python, {QStringLiteral("-c"), QStringLiteral("import aiosmtpd")}))
        return QStringLiteral("python3-aiosmtpd is missing (scripts/deps.sh installs it)");
    if (!runs(QStringLiteral("openssl"), {QStringLiteral("version")}))
        return QStringLiteral("openssl is missing (scripts/deps.sh installs it)");
    return QString();
}

SmtpTestServer::SmtpTestServer(const QString &dir)
    : m_dir(QDir(dir).absolutePath())
{
    QDir().mkpath(m_dir);
}

SmtpTestServer::~SmtpTestServer()
{
    stop();
}

QString SmtpTestServer::certificate() const
{
    return m_dir + QStringLiteral("/cert.pem");
}

bool SmtpTestServer::start(const Options &options, QString *error)
{
    stop();
    m_security = options.security;
    QStringList args = {
            script(),         QStringLiteral("--dir"),  m_dir,       QStringLiteral("--security"),
            options.security, QStringLiteral("--mode"), options.mode};
    if (options.security != QLatin1String("none")) {
        if (!QFile::exists(certificate())) {
            QProcess openssl;
            openssl.start(QStringLiteral("openssl"),
                          {QStringLiteral("req"), QStringLiteral("-x509"),
                           QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
                           QStringLiteral("-nodes"), QStringLiteral("-keyout"),
                           m_dir + QStringLiteral("/key.pem"), QStringLiteral("-out"),
                           certificate(), QStringLiteral("-days"), QStringLiteral("2"),
                           QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                           QStringLiteral("-addext"),
                           QStringLiteral("subjectAltName=IP:127.0.0.1,DNS:localhost")});
            if (!openssl.waitForFinished(120000) || openssl.exitCode() != 0) {
                *error = QString::fromLocal8Bit(openssl.readAllStandardError());
                return false;
            }
        }
        args << QStringLiteral("--cert") << certificate() << QStringLiteral("--key")
             << m_dir + QStringLiteral("/key.pem");
    }
    if (!options.user.isEmpty())
        args << QStringLiteral("--user") << options.user << QStringLiteral("--password")
             << options.password;
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->start(Python, args);
    // the first line is the port; bounded by the process ending or a
    // generous wait, never by how fast this machine is
    QByteArray line;
    while (!line.contains('\n') && m_process->state() != QProcess::NotRunning) {
        if (!m_process->waitForReadyRead(60000))
            break;
        line += m_process->readAllStandardOutput();
    }
    m_port = line.trimmed().toInt();
    if (m_port <= 0) {
        *error = QStringLiteral("the mail server did not start: ")
                 + QString::fromLocal8Bit(m_process->readAllStandardError());
        stop();
        return false;
    }
    return true;
}

void SmtpTestServer::stop()
{
    if (!m_process)
        return;
    m_process->closeWriteChannel();
    if (!m_process->waitForFinished(30000)) {
        m_process->kill();
        m_process->waitForFinished(30000);
    }
    m_process.reset();
    m_port = 0;
}

QString SmtpTestServer::url() const
{
    return QStringLiteral("%1://127.0.0.1:%2")
            .arg(m_security == QLatin1String("tls") ? QStringLiteral("smtps")
                                                    : QStringLiteral("smtp"))
            .arg(m_port);
}

QList<QJsonObject> SmtpTestServer::messages() const
{
    QList<QJsonObject> found;
    for (int i = 1;; ++i) {
        QFile file(QStringLiteral("%1/%2.json").arg(m_dir).arg(i));
        if (!file.open(QIODevice::ReadOnly))
            break;
        found << QJsonDocument::fromJson(file.readAll()).object();
    }
    return found;
}

int SmtpTestServer::attempts() const
{
    QFile file(m_dir + QStringLiteral("/attempts"));
    return file.open(QIODevice::ReadOnly) ? int(file.readAll().count('\n')) : 0;
}
