// A month compared with the same weekdays a year before, through the cache
// of closed days, against the two plain runs it is made of.
//
//   bench_compare [--kinds 4,7,19] [--repeat 3] [--json]
//
// The installation (VELTRUM_BENCH_COMPARE_DIR, default
// bench-data/compare-<days>x<tables> under the working directory) holds
// VELTRUM_BENCH_COMPARE_DAYS (430) closed days of VELTRUM_BENCH_TABLES (400)
// tables up to 4 December 2026; it is written on first use and reused.
// Each kind runs November 2026 alone, the 52 weeks earlier alone
// (2 November - 2 December 2025) and the comparison of both; before the
// timed runs one run of each fills the cache. The least CPU time (the
// process's, all threads) and wall time of --repeat runs are printed, and
// the comparison as a multiple of the two plain runs added up. With --json
// every run writes its data as JSON into a temporary file, as `veltrum
// report --format json` does, each record of both periods included.
#include "benchenv.h"
#include "tdemoinstallation.h"
#include "treportrun.h"
#include "tsummarydatasink.h"
#include "tworkspacelists.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <ctime>

using namespace PosLib;

namespace {

const QDate Today = benchToday();

QString installation()
{
    const int days = envInt("VELTRUM_BENCH_COMPARE_DAYS", 430);
    const int tables = envInt("VELTRUM_BENCH_TABLES", 400);
    return benchInstallation("VELTRUM_BENCH_COMPARE_DIR",
                             QStringLiteral("compare-%1x%2").arg(days).arg(tables), days, tables);
}

double seconds(clockid_t clock)
{
    struct timespec t = {};
    clock_gettime(clock, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

struct Measure
{
    double cpu = -1;
    double wall = -1;
    bool ok = true;
};

Measure measure(TReportRun &run, TReportRequest request, int repeat, bool json)
{
    Measure m;
    QTemporaryFile data;
    if (json) {
        m.ok = data.open();
        request.withData = true;
        request.dataNodes.clear();
        // the lines are made and let go
        if (!request.compare.isSet())
            request.lineSink = [](const QString &) {};
    }
    for (int i = 0; i < repeat; ++i) {
        if (json) {
            data.resize(0);
            data.seek(0);
        }
        TSummaryJsonWriter writer(&data);
        if (json)
            request.dataSink = &writer;
        const double cpu = seconds(CLOCK_PROCESS_CPUTIME_ID);
        const double wall = seconds(CLOCK_MONOTONIC);
        const TReportResult result = run.run(request);
        writer.flush();
        const double usedCpu = seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu;
        const double usedWall = seconds(CLOCK_MONOTONIC) - wall;
        m.ok = m.ok && result.status == TReportResult::Done
               && (json ? writer.ok() && data.size() > 0 : !result.lines.isEmpty());
        if (m.cpu < 0 || usedCpu < m.cpu)
            m.cpu = usedCpu;
        if (m.wall < 0 || usedWall < m.wall)
            m.wall = usedWall;
    }
    return m;
}

void printRow(int kind, const char *what, const Measure &m)
{
    std::printf("%4d  %-26s %9.3f %9.3f%s\n", kind, what, m.cpu, m.wall, m.ok ? "" : "  FAILED");
    std::fflush(stdout);
}

QList<int> numbers(const QString &text)
{
    QList<int> out;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        out << part.toInt();
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QList<int> kinds = {4, 7, 19};
    int repeat = 3;
    bool json = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--json"))
            json = true;
        else if (args.at(i) == QLatin1String("--kinds") && i + 1 < args.size())
            kinds = numbers(args.at(++i));
        else if (args.at(i) == QLatin1String("--repeat") && i + 1 < args.size())
            repeat = std::max(1, args.at(++i).toInt());
    }
    const QString root = installation();
    QDir::setCurrent(root);
    TWorkspaceLists lists(root);
    TReportRun run(&lists, root);

    const TDayRange month {QDate(2026, 11, 1), QDate(2026, 11, 30)};
    TCompareWith year;
    year.mode = TCompareWith::Year;
    const TDayRange before = comparedRange(year, month);

    std::printf("kind  %-26s %9s %9s\n", "run", "cpu s", "wall s");
    bool ok = true;
    for (int kind : kinds) {
        TReportRequest plain;
        plain.kind = kind;
        plain.from = month.from;
        plain.to = month.to;
        plain.now = QDateTime(Today, QTime(21, 0));
        TReportRequest earlier = plain;
        earlier.from = before.from;
        earlier.to = before.to;
        TReportRequest compared = plain;
        compared.compare = year;
        // fill the cache
        for (const TReportRequest *r : {&plain, &earlier, &compared})
            measure(run, *r, 1, json);
        const Measure a = measure(run, plain, repeat, json);
        const Measure b = measure(run, earlier, repeat, json);
        const Measure c = measure(run, compared, repeat, json);
        printRow(kind, "November 2026", a);
        printRow(kind, "52 weeks before", b);
        printRow(kind, "compared", c);
        std::printf("%4d  %-26s %9.2f %9.2f\n", kind, "compared / both", c.cpu / (a.cpu + b.cpu),
                    c.wall / (a.wall + b.wall));
        ok = ok && a.ok && b.ok && c.ok;
    }
    return ok ? 0 : 1;
}
