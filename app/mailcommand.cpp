#include "commands.h"

#include "cliutil.h"
#include "targs.h"
#include "terror.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tmailconfig.h"
#include "tmailjobrun.h"
#include "toutbox.h"
#include "tsavefile.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QLockFile>
#include <QThread>

using namespace Mail;

namespace {

// Where the outbox and the schedules' state live: --state, else the
// service's state directory, else /var/lib/veltrum.
QString stateDirectory(const TArgs &args)
{
    if (args.isSet(QStringLiteral("state")))
        return args.filePath(QStringLiteral("state"));
    const QString service = qEnvironmentVariable("STATE_DIRECTORY").section(QLatin1Char(':'), 0, 0);
    return service.isEmpty() ? QStringLiteral("/var/lib/veltrum") : service;
}

void report(const QString &text)
{
    Basics::logError(text, Basics::LogModule::CommandLine, Basics::LogClass::CommandLine);
    err() << "veltrum: mail: " << text << Qt::endl;
}

// When each job last ran by its schedule: "NAME<TAB>yyyy-MM-ddThh:mm:ss" a
// line, in the state directory's "mail-schedule".
class TScheduleState
{
public:
    explicit TScheduleState(const QString &dir)
        : m_path(QDir(dir).filePath(QStringLiteral("mail-schedule")))
    {
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        while (!file.atEnd()) {
            const QStringList parts
                    = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char('\t'));
            if (parts.size() == 2)
                m_runs.insert(parts.at(0), QDateTime::fromString(parts.at(1), Qt::ISODate));
        }
    }

    QDateTime lastRun(const QString &job) const { return m_runs.value(job); }
    void setRun(const QString &job, const QDateTime &when)
    {
        m_runs.insert(job, when);
        QByteArray bytes;
        for (auto it = m_runs.cbegin(); it != m_runs.cend(); ++it)
            bytes += (it.key() + QLatin1Char('\t') + it.value().toString(Qt::ISODate)
                      + QLatin1Char('\n'))
                             .toUtf8();
        QDir().mkpath(QFileInfo(m_path).path());
        Basics::TSaveFile file(m_path);
        file.open();
        file.write(bytes);
        file.commit();
    }

private:
    QString m_path;
    QHash<QString, QDateTime> m_runs;
};

// One run of the command: the configuration, the outbox and the clock.
class TMailRun
{
public:
    TMailRun(TMailConfig &config, const QString &stateDir, const QDateTime &now)
        : m_config(config)
        , m_outbox(QDir(stateDir).filePath(QStringLiteral("outbox")))
        , m_now(now)
    { }

    // The password once, before the first delivery; false when it cannot
    // be read (reported).
    bool login()
    {
        if (m_loginTried)
            return m_loginOk;
        m_loginTried = true;
        QString error;
        m_loginOk = m_config.readPassword(&error);
        if (!m_loginOk)
            report(TCli::tr("%1; nothing is sent, the outbox keeps every mail").arg(error));
        return m_loginOk;
    }

    // Makes the job's mail and puts it in the outbox; false when the mail
    // could not be made (reported).
    bool queue(const TMailJob &job, TOutboxItem &item)
    {
        TMailMessage message;
        QString error;
        if (!makeJobMail(m_config, job, m_given, message, &error)) {
            report(TCli::tr("job %1: no mail was made: %2").arg(job.name, error));
            return false;
        }
        QList<QByteArray> to;
        for (const QString &address : job.to)
            to << mailAddress(address);
        item = m_outbox.add(job.name, mailAddress(m_config.from), to, message.toMime(), m_now);
        out() << TCli::tr("Job %1: %2 attachments for %3")
                         .arg(job.name)
                         .arg(message.attachments.size())
                         .arg(job.to.join(QStringLiteral(", ")))
              << Qt::endl;
        return true;
    }

    // Tries the mail up to the configured attempts, waiting longer before
    // each; a mail not delivered stays in the outbox for the next run.
    bool deliver(TOutboxItem &item)
    {
        if (!login())
            return false;
        const QByteArray mime = m_outbox.message(item);
        TSendResult result;
        for (int attempt = 1; attempt <= m_config.attempts; ++attempt) {
            result = sendMail(m_config.server, item.from, item.to, mime);
            if (result.status == TSendResult::Sent) {
                m_outbox.remove(item);
                QStringList to;
                for (const QByteArray &address : item.to)
                    to << QString::fromLatin1(address);
                out() << TCli::tr("Sent the mail of job %1 to %2")
                                 .arg(item.job, to.join(QStringLiteral(", ")))
                      << Qt::endl;
                return true;
            }
            report(TCli::tr("job %1: attempt %2 of %3: %4")
                           .arg(item.job)
                           .arg(attempt)
                           .arg(m_config.attempts)
                           .arg(result.error));
            if (result.status == TSendResult::Refused)
                break;
            if (attempt < m_config.attempts)
                QThread::sleep(ulong(m_config.pauseSeconds) << (attempt - 1));
        }
        m_outbox.failed(item, result.error, m_now);
        report(TCli::tr("job %1: the mail was not delivered; it stays in the outbox (%2) and is "
                        "sent again by the next run of the timer from %3")
                       .arg(item.job, m_outbox.directory() + item.id + QStringLiteral(".eml"),
                            item.nextAttempt.toString(QStringLiteral("yyyy-MM-dd hh:mm"))));
        return false;
    }

    // Every mail of the outbox whose pause is over.
    bool flushOutbox()
    {
        bool ok = true;
        QStringList problems;
        for (TOutboxItem &item : m_outbox.items(&problems)) {
            if (item.nextAttempt.isValid() && item.nextAttempt > m_now)
                continue;
            ok = deliver(item) && ok;
        }
        for (const QString &problem : problems)
            report(problem);
        return ok && problems.isEmpty();
    }

    void setGivenClock(const QDateTime &given) { m_given = given; }
    TOutbox &outbox() { return m_outbox; }

private:
    TMailConfig &m_config;
    TOutbox m_outbox;
    QDateTime m_now;
    QDateTime m_given;
    bool m_loginTried = false;
    bool m_loginOk = false;
};

int listOutbox(TMailRun &run)
{
    QStringList problems;
    const QList<TOutboxItem> items = run.outbox().items(&problems);
    if (items.isEmpty())
        out() << TCli::tr("The outbox %1 is empty").arg(run.outbox().directory()) << '\n';
    for (const TOutboxItem &item : items) {
        QStringList to;
        for (const QByteArray &address : item.to)
            to << QString::fromLatin1(address);
        out() << TCli::tr("%1  job %2  to %3  made %4  %5 failed attempts")
                         .arg(item.id, item.job, to.join(QStringLiteral(", ")),
                              item.created.toString(QStringLiteral("yyyy-MM-dd hh:mm")))
                         .arg(item.attempts)
              << '\n';
        if (!item.lastError.isEmpty())
            out() << QStringLiteral("    ") << item.lastError << '\n';
    }
    out().flush();
    for (const QString &problem : problems)
        report(problem);
    return problems.isEmpty() ? ExitOk : ExitFailure;
}

int runDue(TMailConfig &config, TMailRun &run, const QString &stateDir, const QDateTime &now)
{
    bool ok = run.flushOutbox();
    TScheduleState state(stateDir);
    for (const TMailJob &job : config.jobs) {
        const QDateTime due = job.schedule.lastRun(now);
        if (!due.isValid())
            continue;
        const QDateTime last = state.lastRun(job.name);
        if (!last.isValid()) {
            // a new job waits for its first time to come
            state.setRun(job.name, now);
            continue;
        }
        if (due <= last)
            continue;
        TOutboxItem item;
        if (!run.queue(job, item)) {
            ok = false; // tried again at the next run
            continue;
        }
        state.setRun(job.name, now);
        ok = run.deliver(item) && ok;
    }
    return ok ? ExitOk : ExitFailure;
}

int runMail(TArgs &args)
{
    const int modes = int(args.isSet(QStringLiteral("job")))
                      + int(args.isSet(QStringLiteral("due")))
                      + int(args.isSet(QStringLiteral("outbox")));
    if (modes != 1)
        throw TUsageError {TCli::tr("give one of --job NAME, --due and --outbox")};
    const QString file = args.isSet(QStringLiteral("jobs")) ? args.filePath(QStringLiteral("jobs"))
                                                            : TMailConfig::defaultFile();
    TMailConfig config;
    QString error;
    if (!config.load(file, &error))
        return fail(TCli::tr("mail: %1").arg(error));
    const QString stateDir = stateDirectory(args);
    const QDateTime given = args.dateTime(QStringLiteral("now"));
    const QDateTime now = given.isValid() ? given : QDateTime::currentDateTime();
    TMailRun run(config, stateDir, now);
    run.setGivenClock(given);

    try {
        if (args.isSet(QStringLiteral("outbox")))
            return listOutbox(run);
        // one run at a time sends, so that no mail of the outbox goes out twice
        if (!QDir().mkpath(stateDir))
            return fail(TCli::tr("mail: %1: the state directory cannot be made").arg(stateDir));
        QLockFile lock(QDir(stateDir).filePath(QStringLiteral("mail.lock")));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(5 * 60 * 1000))
            return fail(TCli::tr("mail: another 'veltrum mail' has been sending for five minutes "
                                 "(%1); try again later")
                                .arg(QDir(stateDir).filePath(QStringLiteral("mail.lock"))));
        if (args.isSet(QStringLiteral("due")))
            return runDue(config, run, stateDir, now);
        const QString name = args.text(QStringLiteral("job"));
        const TMailJob *job = config.job(name);
        if (!job) {
            QStringList names;
            for (const TMailJob &j : config.jobs)
                names << j.name;
            throw TUsageError {TCli::tr("--job %1: %2 has no such job (%3)")
                                       .arg(name, file,
                                            names.isEmpty() ? TCli::tr("none")
                                                            : names.join(QStringLiteral(", ")))};
        }
        if (!run.login())
            return ExitFailure;
        TOutboxItem item;
        if (!run.queue(*job, item))
            return ExitFailure;
        return run.deliver(item) ? ExitOk : ExitFailure;
    } catch (const Basics::TError &e) {
        return fail(TCli::tr("mail: %1").arg(errorText(e)));
    }
}

} // namespace

TCommand mailCommand()
{
    TCommand command;
    command.name = QStringLiteral("mail");
    command.summary = TCli::tr("mail reports: one job now, or every job that is due");
    command.description = TCli::tr(
            "Mails reports as the jobs file (/etc/veltrum/mail.ini, or --jobs FILE) describes "
            "them: per job the installation, the reports (kinds, batches, the Z reports of the "
            "closings), the range in words (yesterday, last week, last month, month to date), the "
            "formats, the recipients, the language and the schedule; the [smtp] section names "
            "the server (STARTTLS or TLS, a login whose password is read from a file that no "
            "other user may read).\n\n"
            "--job NAME makes the job's mail now: every report in every format as an attachment, "
            "the subject and text in the job's language. --due, which the timer veltrum-mail.timer "
            "runs, sends what waits in the outbox and makes the mail of every job whose schedule "
            "time came since its last run (a new job waits for its first time). A mail goes into "
            "the outbox (in the state directory) before it is sent and leaves it when the server "
            "took it; a delivery that fails is tried again after a pause that doubles with every "
            "attempt, then logged with the reason and left in the outbox, where the next run of "
            "the timer finds it: no mail is lost. --outbox lists what waits there.");
    command.options = {
            {{QStringLiteral("job")},
             QStringLiteral("NAME"),
             TCli::tr("Mail the job NAME now."),
             false},
            {{QStringLiteral("due")},
             QString(),
             TCli::tr("Send the outbox and mail the jobs whose schedule is due."),
             false},
            {{QStringLiteral("outbox")},
             QString(),
             TCli::tr("List the mails that wait in the outbox."),
             false},
            {{QStringLiteral("jobs")},
             QStringLiteral("FILE"),
             TCli::tr("The jobs file (default /etc/veltrum/mail.ini, or "
                      "$VELTRUM_CONFIG_DIR/mail.ini)."),
             false},
            {{QStringLiteral("state")},
             QStringLiteral("DIR"),
             TCli::tr("Where the outbox and the schedules' state are kept (default: the "
                      "service's $STATE_DIRECTORY, else /var/lib/veltrum)."),
             false},
            {{QStringLiteral("now")},
             QStringLiteral("yyyy-MM-ddThh:mm:ss"),
             TCli::tr("Fixes the clock: which jobs are due, the range, the reports' print time."),
             false},
    };
    command.exitCodes = {
            {ExitOk, TCli::tr("every mail was delivered (or nothing was due)")},
            {ExitFailure,
             TCli::tr("the jobs file or the password file cannot be read or is wrong, a report "
                      "failed, or a mail was not delivered: it stays in the outbox for the next "
                      "run")},
            {ExitUsage,
             TCli::tr("wrong arguments: an unknown option or job, not exactly one of --job, "
                      "--due and --outbox")},
    };
    command.run = runMail;
    return command;
}
