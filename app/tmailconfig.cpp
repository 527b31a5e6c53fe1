#include "tmailconfig.h"

#include "cliutil.h"
#include "tconfigfile.h"
#include "tinstallationconfig.h"
#include "tmailmessage.h"
#include "treportkinds.h"

#include <QDir>
#include <QFile>
#include <QUrl>

#include <sys/stat.h>

namespace {

bool parseReports(const QString &value, QList<TMailReport> &reports, QString &error)
{
    for (const QString &item : configList(value)) {
        const QString word = item.simplified().toLower();
        bool ok = false;
        TMailReport report;
        if (word == QLatin1String("z")) {
            report.kind = TMailReport::ZReports;
            ok = true;
        } else if (word.startsWith(QLatin1String("batch "))) {
            const int batch = word.mid(6).toInt(&ok);
            report.id = PosLib::BatchKindOffset + batch;
            ok = ok && batch > 0 && batch < PosLib::PluginKindOffset - PosLib::BatchKindOffset;
        } else {
            report.id = word.toInt(&ok);
            ok = ok
                 && (PosLib::reportKind(report.id)
                     || (report.id > PosLib::BatchKindOffset
                         && report.id < PosLib::PluginKindOffset));
        }
        if (!ok) {
            error = TCli::tr("reports = %1: '%2' is no report (a kind 1-42, batch N or z)")
                            .arg(value, item);
            return false;
        }
        reports << report;
    }
    if (reports.isEmpty())
        error = TCli::tr("reports: name at least one report");
    return !reports.isEmpty();
}

bool parseJob(const TConfigFile &config, const TConfigFile::Section &section, TMailJob &job,
              QString &error)
{
    error = config.unknownKey(section, {QStringLiteral("installation"), QStringLiteral("data"),
                                        QStringLiteral("reports"), QStringLiteral("range"),
                                        QStringLiteral("formats"), QStringLiteral("to"),
                                        QStringLiteral("language"), QStringLiteral("subject"),
                                        QStringLiteral("schedule")});
    if (!error.isEmpty())
        return false;
    auto wrong = [&](const QString &key, const QString &text) {
        const TConfigFile::Entry *entry = section.find(key);
        error = config.at(entry ? entry->line : section.line, text);
        return false;
    };
    job.name = section.name.mid(4).trimmed();
    job.installation = section.value(QStringLiteral("installation"));
    job.data = section.value(QStringLiteral("data"));
    if (job.installation.isEmpty() == job.data.isEmpty())
        return wrong(QStringLiteral("installation"),
                     TCli::tr("[%1]: give installation = NAME or data = DIR").arg(section.name));
    if (!job.installation.isEmpty() && !TInstallationConfig::isValidName(job.installation))
        return wrong(QStringLiteral("installation"),
                     TCli::tr("'%1' is no installation name").arg(job.installation));
    QString problem;
    if (!parseReports(section.value(QStringLiteral("reports")), job.reports, problem))
        return wrong(QStringLiteral("reports"), problem);
    job.range = section.value(QStringLiteral("range"));
    Mail::TMailRange range;
    if (!Mail::TMailRange::parse(job.range, QDate(2000, 1, 1), range, &problem))
        return wrong(QStringLiteral("range"), problem);
    job.formats = configList(section.value(QStringLiteral("formats"), QStringLiteral("pdf")));
    const QStringList formats
            = {QStringLiteral("pdf"),  QStringLiteral("csv"), QStringLiteral("json"),
               QStringLiteral("text"), QStringLiteral("png"), QStringLiteral("svg"),
               QStringLiteral("xlsx")};
    for (const QString &format : job.formats) {
        if (!formats.contains(format))
            return wrong(QStringLiteral("formats"),
                         TCli::tr("'%1' is no format (%2)")
                                 .arg(format, formats.join(QStringLiteral(", "))));
    }
    job.to = configList(section.value(QStringLiteral("to")));
    if (job.to.isEmpty())
        return wrong(QStringLiteral("to"),
                     TCli::tr("[%1]: names no recipient (to = …)").arg(section.name));
    for (const QString &to : job.to) {
        if (Mail::mailAddress(to).isEmpty())
            return wrong(QStringLiteral("to"), TCli::tr("'%1' is no mail address").arg(to));
    }
    job.language = section.value(QStringLiteral("language"));
    if (!job.language.isEmpty() && job.language != QLatin1String("de")
        && job.language != QLatin1String("en"))
        return wrong(QStringLiteral("language"),
                     TCli::tr("language = %1: de or en expected").arg(job.language));
    job.subject = section.value(QStringLiteral("subject"));
    if (!Mail::TMailSchedule::parse(
                section.value(QStringLiteral("schedule"), QStringLiteral("never")), job.schedule,
                &problem))
        return wrong(QStringLiteral("schedule"), problem);
    return true;
}

} // namespace

QString TMailConfig::defaultFile()
{
    return QDir(TInstallationConfig::directory()).filePath(QStringLiteral("mail.ini"));
}

bool TMailConfig::load(const QString &path, QString *error)
{
    TConfigFile config;
    if (!config.read(path, error))
        return false;
    file = path;
    const TConfigFile::Section *smtp = config.section(QStringLiteral("smtp"));
    for (const TConfigFile::Section &section : config.sections()) {
        if (section.name == QLatin1String("smtp")) {
            *error = config.unknownKey(section,
                                       {QStringLiteral("url"), QStringLiteral("security"),
                                        QStringLiteral("user"), QStringLiteral("password-file"),
                                        QStringLiteral("from"), QStringLiteral("attempts"),
                                        QStringLiteral("retry-pause"), QStringLiteral("ca-file")});
        } else if (section.name.startsWith(QLatin1String("job "))) {
            TMailJob job;
            if (!parseJob(config, section, job, *error))
                return false;
            if (this->job(job.name)) {
                *error = config.at(section.line, TCli::tr("a second [job %1]").arg(job.name));
                return false;
            }
            jobs << job;
        } else {
            *error = config.at(
                    section.line,
                    TCli::tr("unknown section [%1] (known: smtp, job NAME)").arg(section.name));
        }
        if (!error->isEmpty())
            return false;
    }
    if (!smtp) {
        *error = TCli::tr("%1: has no [smtp] section naming the mail server").arg(path);
        return false;
    }
    auto wrong = [&](const QString &key, const QString &text) {
        const TConfigFile::Entry *entry = smtp->find(key);
        *error = config.at(entry ? entry->line : smtp->line, text);
        return false;
    };
    server.url = smtp->value(QStringLiteral("url"));
    const QUrl url(server.url);
    if (!url.isValid() || url.host().isEmpty()
        || (url.scheme() != QLatin1String("smtp") && url.scheme() != QLatin1String("smtps")))
        return wrong(QStringLiteral("url"),
                     TCli::tr("url = %1: smtp://HOST:PORT or smtps://HOST:PORT expected")
                             .arg(server.url));
    const QString security
            = smtp->value(QStringLiteral("security"), url.scheme() == QLatin1String("smtps")
                                                              ? QStringLiteral("tls")
                                                              : QStringLiteral("starttls"));
    if (security == QLatin1String("starttls"))
        server.security = Mail::TSmtpSecurity::StartTls;
    else if (security == QLatin1String("tls"))
        server.security = Mail::TSmtpSecurity::Tls;
    else if (security == QLatin1String("none"))
        server.security = Mail::TSmtpSecurity::None;
    else
        return wrong(QStringLiteral("security"),
                     TCli::tr("security = %1: starttls, tls or none expected").arg(security));
    if ((server.security == Mail::TSmtpSecurity::Tls) != (url.scheme() == QLatin1String("smtps")))
        return wrong(QStringLiteral("security"),
                     TCli::tr("security tls goes with smtps://, starttls and none with smtp://"));
    server.user = smtp->value(QStringLiteral("user"));
    passwordFile = smtp->value(QStringLiteral("password-file"));
    if (!server.user.isEmpty() && passwordFile.isEmpty())
        return wrong(QStringLiteral("user"), TCli::tr("a user needs its password-file = FILE"));
    server.caFile = smtp->value(QStringLiteral("ca-file"));
    from = smtp->value(QStringLiteral("from"));
    if (Mail::mailAddress(from).isEmpty())
        return wrong(QStringLiteral("from"),
                     TCli::tr("from = %1: the sender's mail address expected").arg(from));
    bool ok = true;
    attempts = smtp->value(QStringLiteral("attempts"), QStringLiteral("3")).toInt(&ok);
    if (!ok || attempts < 1 || attempts > 10)
        return wrong(QStringLiteral("attempts"), TCli::tr("attempts: 1 to 10 expected"));
    pauseSeconds = smtp->value(QStringLiteral("retry-pause"), QStringLiteral("30")).toInt(&ok);
    if (!ok || pauseSeconds < 0 || pauseSeconds > 600)
        return wrong(QStringLiteral("retry-pause"),
                     TCli::tr("retry-pause: 0 to 600 seconds expected"));
    return true;
}

const TMailJob *TMailConfig::job(const QString &name) const
{
    for (const TMailJob &job : jobs) {
        if (job.name == name)
            return &job;
    }
    return nullptr;
}

bool TMailConfig::readPassword(QString *error)
{
    if (server.user.isEmpty())
        return true;
    const QByteArray path = QFile::encodeName(passwordFile);
    struct stat info;
    if (::stat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        *error = TCli::tr("%1: no such file (password-file of %2)").arg(passwordFile, file);
        return false;
    }
    if (info.st_mode & S_IROTH) {
        *error = TCli::tr("%1: every user of this machine may read the password; allow only the "
                          "service user (chmod 600 or 640) and run again")
                         .arg(passwordFile);
        return false;
    }
    QFile secret(passwordFile);
    if (!secret.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(passwordFile, secret.errorString());
        return false;
    }
    QByteArray line = secret.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    server.password = QString::fromUtf8(line);
    return true;
}
