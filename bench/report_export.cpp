// Writes the report trees of one run as their text and XML exports, so
// that two builds can be compared byte for byte (bench/compare-reports.sh).
//
//   report_export --data DIR --out DIR [--from yyyy-MM-dd --to yyyy-MM-dd] [--cache]
//                 [--filter N] [--outlet N] [--open-tables] [--without-credits]
//                 [--turnover all|in|out] [--trainee all|without|only]
//                 [--report-waiter N]
//
// The run fills a per-waiter and a per-cost-center grouping as a batch
// does. OUT receives waiters.xml and costcenters.xml (TRepDatas::writeXml)
// and, per group, the text export of TRepData::writeText: the lines it
// writes into the stream as "<grouping>-<key>.txt" and its node files as
// "<grouping>-<key>-rep_<node>.txt".
#include "toutlets.h"
#include "trepdata.h"
#include "treport.h"
#include "tsumfilters.h"
#include "tworkspacelists.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTextStream>

#include <cstdio>

using namespace PosLib;

namespace {

bool writeXml(const TRepDatas &groups, const QString &path)
{
    QDomDocument doc;
    QDomElement root = doc.createElement(QStringLiteral("report"));
    doc.appendChild(root);
    groups.writeXml(doc, root);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream out(&file);
    doc.save(out, 1);
    return true;
}

bool writeText(const TRepDatas &groups, const QString &dir)
{
    for (auto it = groups.groups().cbegin(); it != groups.groups().cend(); ++it) {
        const QString prefix = dir + groups.nodeName() + QLatin1Char('-') + it.key();
        Basics::TValue record;
        record.setString(QStringLiteral("grouping"), groups.nodeName());
        record.setString(QStringLiteral("group"), it.key());
        QString lines;
        QTextStream stream(&lines);
        QStringList columns;
        it.value()->writeText(prefix + QLatin1Char('-'), record, stream, columns);
        stream.flush();
        QFile file(prefix + QStringLiteral(".txt"));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write((columns.join(QLatin1Char(';')) + QLatin1Char('\n') + lines).toUtf8());
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({
            {QStringLiteral("data"), QStringLiteral("installation"), QStringLiteral("DIR")},
            {QStringLiteral("out"), QStringLiteral("output folder"), QStringLiteral("DIR")},
            {QStringLiteral("from"), QStringLiteral("first day"), QStringLiteral("DATE")},
            {QStringLiteral("to"), QStringLiteral("last day"), QStringLiteral("DATE")},
            {QStringLiteral("filter"), QStringLiteral("summary filter"), QStringLiteral("N")},
            {QStringLiteral("outlet"), QStringLiteral("summary outlet"), QStringLiteral("N")},
            {QStringLiteral("open-tables"), QStringLiteral("with open tables")},
            {QStringLiteral("without-credits"), QStringLiteral("without credits")},
            {QStringLiteral("turnover"), QStringLiteral("all|in|out"), QStringLiteral("T")},
            {QStringLiteral("trainee"), QStringLiteral("all|without|only"), QStringLiteral("T")},
            {QStringLiteral("report-waiter"), QStringLiteral("waiter"), QStringLiteral("N")},
            {QStringLiteral("cache"), QStringLiteral("closed days through var/reportcache")},
    });
    parser.process(app);
    const QString root
            = QDir(parser.value(QStringLiteral("data"))).absolutePath() + QLatin1Char('/');
    const QString out = QDir(parser.value(QStringLiteral("out"))).absolutePath() + QLatin1Char('/');
    if (parser.value(QStringLiteral("data")).isEmpty()
        || parser.value(QStringLiteral("out")).isEmpty()) {
        std::fprintf(stderr, "usage: report_export --data DIR --out DIR [options]\n");
        return 2;
    }
    QDir().mkpath(out);
    QDir::setCurrent(root);

    TWorkspaceLists lists(root);
    Basics::TValueList *waiters = lists.get(QStringLiteral("waiters"));
    const int waiterId = parser.value(QStringLiteral("report-waiter")).toInt();
    Basics::TValue *reportWaiter = waiterId != 0 && waiters ? waiters->find(waiterId) : nullptr;

    TReport report(QDate(), reportWaiter, root);
    if (const int filter = parser.value(QStringLiteral("filter")).toInt()) {
        if (auto *filters = static_cast<TSumFilters *>(lists.get(QStringLiteral("sumfilters"))))
            report.setFilter(filters->filter(filter));
    }
    report.setDayCache(parser.isSet(QStringLiteral("cache")));
    report.setWithOpenTables(parser.isSet(QStringLiteral("open-tables")));
    report.setWithoutCredits(parser.isSet(QStringLiteral("without-credits")));
    const QStringList turnover
            = {QStringLiteral("all"), QStringLiteral("in"), QStringLiteral("out")};
    report.setTurnoverType(
            std::max(0, int(turnover.indexOf(parser.value(QStringLiteral("turnover"))))));
    const QStringList trainee
            = {QStringLiteral("all"), QStringLiteral("without"), QStringLiteral("only")};
    report.setTraineeType(
            std::max(0, int(trainee.indexOf(parser.value(QStringLiteral("trainee"))))));
    if (const int outletId = parser.value(QStringLiteral("outlet")).toInt()) {
        Basics::TValueList *outlets = lists.get(QStringLiteral("outlets"));
        Basics::TValueList *sumOutlets = lists.get(QStringLiteral("sumoutlets"));
        if (outlets && sumOutlets) {
            if (Basics::TValue *outlet = sumOutlets->find(outletId)) {
                report.setOutletName(outlet->name());
                report.setOutletPaths(OutletsLib::TOutlets::paths(sumOutlets, outlets, outlet));
            }
        }
    }

    const QDate from = QDate::fromString(parser.value(QStringLiteral("from")), Qt::ISODate);
    const QDate to = QDate::fromString(parser.value(QStringLiteral("to")), Qt::ISODate);
    TRepWaiters byWaiter(reportWaiter, root);
    TRepCenters byCenter(reportWaiter, root);
    if (from.isValid())
        report.runRange(&byWaiter, &byCenter, from, to.isValid() ? to : from);
    else
        report.runDay(&byWaiter, &byCenter, QDate());

    const bool ok = writeXml(byWaiter, out + QStringLiteral("waiters.xml"))
                    && writeXml(byCenter, out + QStringLiteral("costcenters.xml"))
                    && writeText(byWaiter, out) && writeText(byCenter, out);
    if (!ok) {
        std::fprintf(stderr, "report_export: cannot write into %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}
