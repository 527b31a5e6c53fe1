#include "reportcommand.h"

#include "cliutil.h"
#include "treportrun.h"
#include "tworkspacelists.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

using namespace PosLib;

namespace {

const char *const Usage
        = "usage: veltrum report --data DIR --kind ID [--from yyyy-MM-dd] [--to yyyy-MM-dd]\n"
          "         [--period N] [--filter ID] [--outlet ID] [--open-tables] [--without-credits]\n"
          "         [--turnover all|in|out] [--trainee all|without|only] [--report-waiter N]\n"
          "         [--now yyyy-MM-ddThh:mm:ss]";

bool parseNumber(const QString &text, int &out)
{
    bool ok = false;
    out = text.toInt(&ok);
    return ok;
}

// Shows the generator's progress on a terminal.
class TProgressPrinter : public QObject
{
public:
    void setSteps(int steps) { m_steps = steps; }
    void setStep(int step)
    {
        if (m_steps > 0)
            std::fprintf(stderr, "\r%s %3d%%", qPrintable(m_day), int(100LL * step / m_steps));
    }
    void setDate(const QDate &day) { m_day = day.toString(Qt::ISODate); }
    void done() { std::fprintf(stderr, "\r%30s\r", ""); }

private:
    int m_steps = 0;
    QString m_day;
};

} // namespace

int runReportCommand(const QStringList &args)
{
    QString data;
    TReportRequest request;
    bool haveKind = false;

    for (int i = 0; i < args.size(); ++i) {
        const QString option = args.at(i);
        auto value = [&](QString &out) {
            if (i + 1 >= args.size())
                return false;
            out = args.at(++i);
            return true;
        };
        QString v;
        if (option == QLatin1String("--open-tables")) {
            request.withOpenTables = true;
        } else if (option == QLatin1String("--without-credits")) {
            request.withoutCredits = true;
        } else if (option == QLatin1String("--data") || option == QLatin1String("--kind")
                   || option == QLatin1String("--from") || option == QLatin1String("--to")
                   || option == QLatin1String("--period") || option == QLatin1String("--filter")
                   || option == QLatin1String("--outlet") || option == QLatin1String("--turnover")
                   || option == QLatin1String("--trainee")
                   || option == QLatin1String("--report-waiter")
                   || option == QLatin1String("--now")) {
            if (!value(v))
                return usageError(tr("report: %1 needs a value").arg(option));
            bool ok = true;
            if (option == QLatin1String("--data")) {
                data = v;
            } else if (option == QLatin1String("--kind")) {
                ok = parseNumber(v, request.kind);
                haveKind = ok;
            } else if (option == QLatin1String("--from") || option == QLatin1String("--to")) {
                const QDate d = QDate::fromString(v, QStringLiteral("yyyy-MM-dd"));
                if (!d.isValid())
                    return usageError(tr("report: bad date '%1' (yyyy-MM-dd)").arg(v));
                (option == QLatin1String("--from") ? request.from : request.to) = d;
            } else if (option == QLatin1String("--period")) {
                ok = parseNumber(v, request.period) && request.period >= 0;
            } else if (option == QLatin1String("--filter")) {
                ok = parseNumber(v, request.filter);
            } else if (option == QLatin1String("--outlet")) {
                ok = parseNumber(v, request.outlet);
            } else if (option == QLatin1String("--report-waiter")) {
                ok = parseNumber(v, request.reportWaiter);
            } else if (option == QLatin1String("--turnover")) {
                const QStringList names
                        = {QStringLiteral("all"), QStringLiteral("in"), QStringLiteral("out")};
                request.turnoverType = int(names.indexOf(v));
                ok = request.turnoverType >= 0;
            } else if (option == QLatin1String("--trainee")) {
                const QStringList names = {QStringLiteral("all"), QStringLiteral("without"),
                                           QStringLiteral("only")};
                request.traineeType = int(names.indexOf(v));
                ok = request.traineeType >= 0;
            } else if (option == QLatin1String("--now")) {
                request.now = QDateTime::fromString(v, QStringLiteral("yyyy-MM-ddThh:mm:ss"));
                if (!request.now.isValid())
                    return usageError(tr("report: bad time '%1' (yyyy-MM-ddThh:mm:ss)").arg(v));
            }
            if (!ok)
                return usageError(tr("report: bad value '%1' for %2").arg(v, option));
        } else {
            return usageError(tr("report: unknown option '%1'\n%2").arg(option, tr(Usage)));
        }
    }

    if (data.isEmpty() || !haveKind)
        return usageError(tr(Usage));
    if (!QFileInfo(data).isDir())
        return usageError(tr("report: %1: no such directory").arg(data));
    const bool known = (request.kind >= 1 && request.kind <= 42) || request.kind > 100;
    if (!known)
        return usageError(tr("report: unknown report kind %1").arg(request.kind));
    if (request.to.isValid() && !request.from.isValid())
        return usageError(tr("report: --to needs --from"));

    // Installation files named relative to the installation ("etc/…")
    // resolve inside it.
    const QString root = QDir(data).absolutePath() + QLatin1Char('/');
    QDir::setCurrent(root);

    TWorkspaceLists lists(root);
    TReportRun run(&lists, root);
    TProgressPrinter progress;
    const bool showProgress = ::isatty(2);
    if (showProgress) {
        QObject::connect(&run, &TReportRun::sigDataCount, &progress, &TProgressPrinter::setSteps);
        QObject::connect(&run, &TReportRun::sigProgress, &progress, &TProgressPrinter::setStep);
        QObject::connect(&run, &TReportRun::sigDate, &progress, &TProgressPrinter::setDate);
    }
    const TReportResult result = run.run(request);
    if (showProgress)
        progress.done();
    if (result.status == TReportResult::NotAvailable)
        return fail(tr("report: kind %1 is not available on the command line").arg(request.kind));
    for (const QString &line : result.displayLines())
        out() << line << '\n';
    out().flush();
    return ExitOk;
}
