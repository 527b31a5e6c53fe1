#include "twebreports.h"

#include "cliutil.h"
#include "commands.h"
#include "tchainargs.h"
#include "tchaindb.h"
#include "tchaininstallation.h"
#include "tchainurl.h"
#include "tclosingledger.h"
#include "tcommandcall.h"
#include "treportkinds.h"
#include "tsumbatch.h"
#include "tworkspacelists.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace PosLib;

namespace WebLib {

namespace {

struct Format
{
    const char *name;
    const char *type;
    bool download; // saved rather than shown
};

constexpr Format Formats[] = {
        {"text", "text/plain", false},   {"json", "application/json", false},
        {"csv", "text/csv", true},       {"pdf", "application/pdf", true},
        {"svg", "image/svg+xml", false}, {"png", "image/png", true},
};

const Format *formatOf(const QString &name)
{
    const QString wanted = name.isEmpty() ? QStringLiteral("text") : name;
    for (const Format &f : Formats) {
        if (wanted == QLatin1String(f.name))
            return &f;
    }
    return nullptr;
}

// A name for a saved file: letters, digits, "-", "_" and "." only.
QString fileName(const QString &name)
{
    QString out;
    for (const QChar ch : name)
        out += (ch.isLetterOrNumber() && ch.unicode() < 128) || ch == QLatin1Char('-')
                               || ch == QLatin1Char('_') || ch == QLatin1Char('.')
                       ? ch
                       : QLatin1Char('_');
    return out;
}

} // namespace

TWebReports::TWebReports(const TWebSource &source)
    : m_source(source)
{ }

QStringList TWebReports::reportParameters()
{
    return {QStringLiteral("kind"),
            QStringLiteral("from"),
            QStringLiteral("to"),
            QStringLiteral("period"),
            QStringLiteral("filter"),
            QStringLiteral("outlet"),
            QStringLiteral("open-tables"),
            QStringLiteral("without-credits"),
            QStringLiteral("turnover"),
            QStringLiteral("trainee"),
            QStringLiteral("report-waiter"),
            QStringLiteral("show-bill"),
            QStringLiteral("show-arch"),
            QStringLiteral("format"),
            QStringLiteral("download")};
}

QStringList TWebReports::zParameters()
{
    return {QStringLiteral("z"), QStringLiteral("format"), QStringLiteral("download")};
}

QStringList TWebReports::chainParameters()
{
    return {QStringLiteral("kind"),
            QStringLiteral("from"),
            QStringLiteral("to"),
            QStringLiteral("outlets"),
            QStringLiteral("per-outlet"),
            QStringLiteral("period"),
            QStringLiteral("without-credits"),
            QStringLiteral("turnover"),
            QStringLiteral("trainee"),
            QStringLiteral("source"),
            QStringLiteral("format"),
            QStringLiteral("download")};
}

QStringList TWebReports::clockOption() const
{
    if (!m_source.now.isValid())
        return {};
    return {QStringLiteral("--now=")
            + m_source.now.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))};
}

bool TWebReports::options(const TApiCall &call, const QStringList &switches, QStringList &args,
                          QString *error)
{
    for (const auto &p : call.params) {
        // the web view's own: what the command writes and how it is sent
        if (p.first == QLatin1String("format") || p.first == QLatin1String("download"))
            continue;
        if (switches.contains(p.first)) {
            if (p.second == QLatin1String("0"))
                continue;
            if (!p.second.isEmpty() && p.second != QLatin1String("1")) {
                *error = tr("bad value '%1' for %2 (1 or 0)").arg(p.second, p.first);
                return false;
            }
            args << QStringLiteral("--") + p.first;
            continue;
        }
        args << QStringLiteral("--%1=%2").arg(p.first, p.second);
    }
    return true;
}

QString TWebReports::rangeTooLong(const TApiCall &call) const
{
    const QDate from = QDate::fromString(call.param(QStringLiteral("from")), Qt::ISODate);
    const QDate to = QDate::fromString(call.param(QStringLiteral("to")), Qt::ISODate);
    if (!from.isValid() || !to.isValid() || from.daysTo(to) < m_source.limits.maxReportDays)
        return QString();
    return tr("from %1 to %2: the web view makes reports of at most %3 days (the command line "
              "makes longer ones)")
            .arg(from.toString(Qt::ISODate), to.toString(Qt::ISODate))
            .arg(m_source.limits.maxReportDays);
}

TWebResponse TWebReports::run(const TCommand &command, const QStringList &args,
                              const TApiCall &call, const QString &name)
{
    const Format *format = formatOf(call.param(QStringLiteral("format")));
    if (!format)
        return badParameter(tr("bad value '%1' for format (text, json, csv, pdf, svg or png)")
                                    .arg(call.param(QStringLiteral("format"))));
    const QString download = call.param(QStringLiteral("download"));
    if (!download.isNull() && !download.isEmpty() && download != QLatin1String("1")
        && download != QLatin1String("0"))
        return badParameter(tr("bad value '%1' for download (1 or 0)").arg(download));

    const TCommandOutcome outcome = callCommand(
            command, args + QStringList {QStringLiteral("--format=") + QLatin1String(format->name)},
            m_source.limits.maxResponseBytes);
    if (outcome.tooLarge)
        return TWebResponse::error(413, tr("the result is larger than the web view sends (%1 MB); "
                                           "the command line writes it")
                                                .arg(m_source.limits.maxResponseBytes >> 20));
    switch (outcome.code) {
    case ExitOk:
        break;
    case ExitUsage:
        return badParameter(outcome.message);
    case ExitInterrupted:
        return TWebResponse::error(503, outcome.message);
    default:
        return TWebResponse::error(500, outcome.message);
    }
    TWebResponse response;
    response.contentType = format->type;
    response.body = outcome.output;
    const bool save = format->download || download == QLatin1String("1");
    response.addHeader("Content-Disposition", QByteArray(save ? "attachment" : "inline")
                                                      + "; filename=\"" + fileName(name).toLatin1()
                                                      + '.' + format->name + '"');
    return response;
}

TWebResponse TWebReports::report(const TApiCall &call)
{
    QStringList args {QStringLiteral("--data=") + m_source.root, QStringLiteral("--read-only"),
                      QStringLiteral("--quiet")};
    args << clockOption();
    QString error;
    if (!options(call, {QStringLiteral("open-tables"), QStringLiteral("without-credits")}, args,
                 &error))
        return badParameter(error);
    const QString tooLong = rangeTooLong(call);
    if (!tooLong.isEmpty())
        return badParameter(tooLong);
    // a batch that is not there is no report at all
    bool numeric = false;
    const int kind = call.param(QStringLiteral("kind")).toInt(&numeric);
    if (numeric && kind > BatchKindOffset && kind < PluginKindOffset) {
        TWorkspaceLists lists(m_source.root);
        auto *batches = qobject_cast<TSumBatches *>(lists.get(QStringLiteral("sumbatches")));
        if (!batches || !batches->batch(kind - BatchKindOffset))
            return TWebResponse::error(404, tr("there is no batch %1").arg(kind));
    }
    QString name = QStringLiteral("report-") + call.param(QStringLiteral("kind"));
    name += QLatin1Char('-')
            + (call.has(QStringLiteral("from")) ? call.param(QStringLiteral("from"))
                                                : QStringLiteral("today"));
    if (call.has(QStringLiteral("to")))
        name += QStringLiteral("_") + call.param(QStringLiteral("to"));
    return run(reportCommand(), args, call, name);
}

TWebResponse TWebReports::zReport(const TApiCall &call)
{
    const QString z = call.param(QStringLiteral("z"));
    if (z.isNull())
        return badParameter(tr("z is required: the Z counter of the closing"));
    const QString format = call.param(QStringLiteral("format"));
    if (format == QLatin1String("csv") || format == QLatin1String("svg")
        || format == QLatin1String("png"))
        return badParameter(tr("bad value '%1' for format (text, json or pdf)").arg(format));
    bool numeric = false;
    const long number = z.toLong(&numeric);
    if (numeric && number > 0 && !TClosingLedger(m_source.root).find(number))
        return TWebResponse::error(
                404, tr("the installation has no closing with Z counter %1").arg(number));
    QStringList args {QStringLiteral("--data=") + m_source.root, QStringLiteral("--read-only"),
                      QStringLiteral("--show=") + z};
    args << clockOption();
    return run(zCommand(), args, call, QStringLiteral("z-") + z);
}

TWebResponse TWebReports::chainOutlets(const TApiCall &)
{
    if (m_source.dbUrl.isEmpty())
        return TWebResponse::error(404, tr("this server has no chain database (serve --db)"));
    ChainLib::TChainUrl url;
    QString problem;
    if (!ChainLib::TChainUrl::parse(m_source.dbUrl, url, &problem)
        || !url.resolvePassword(m_source.passwordFile, &problem))
        return TWebResponse::error(500, problem);
    ChainLib::TChainDb db;
    if (!db.open(url, ChainConnectSeconds))
        return TWebResponse::error(503, tr("cannot connect to %1: %2").arg(url.text(), db.error()));
    QList<ChainLib::TChainOutlet> outlets;
    if (!ChainLib::chainOutlets(db, outlets, &problem))
        return TWebResponse::error(500, problem);
    QJsonArray list;
    for (const ChainLib::TChainOutlet &outlet : outlets)
        list.append(QJsonObject {{QStringLiteral("office"), outlet.officeId},
                                 {QStringLiteral("name"), outlet.name}});
    const QJsonObject o {{QStringLiteral("format"), 1}, {QStringLiteral("outlets"), list}};
    return TWebResponse::json(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

TWebResponse TWebReports::chainReport(const TApiCall &call)
{
    if (m_source.dbUrl.isEmpty())
        return TWebResponse::error(404, tr("this server has no chain database (serve --db)"));
    const QString format = call.param(QStringLiteral("format"));
    if (format == QLatin1String("svg") || format == QLatin1String("png"))
        return badParameter(tr("bad value '%1' for format (text, json, csv or pdf)").arg(format));
    QStringList args {QStringLiteral("--db=") + m_source.dbUrl};
    if (!m_source.passwordFile.isEmpty())
        args << QStringLiteral("--password-file=") + m_source.passwordFile;
    args << clockOption();
    QString error;
    if (!options(call, {QStringLiteral("per-outlet"), QStringLiteral("without-credits")}, args,
                 &error))
        return badParameter(error);
    const QString tooLong = rangeTooLong(call);
    if (!tooLong.isEmpty())
        return badParameter(tooLong);
    QString name = QStringLiteral("chain-report-") + call.param(QStringLiteral("kind"))
                   + QLatin1Char('-') + call.param(QStringLiteral("from"));
    if (call.has(QStringLiteral("to")))
        name += QStringLiteral("_") + call.param(QStringLiteral("to"));
    return run(chainReportCommand(), args, call, name);
}

} // namespace WebLib
