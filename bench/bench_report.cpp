// Report runs over large demo installations, measured against the floor.
//
//   bench_report [--days 30,365] [--kinds 5,7,19] [--repeat 3] [--no-today] [--cache]
//                [--keep-aside] [--json] [--exceptions]
//   bench_report --memory [--days 30,90,180,365] [--kinds 3-42,101-103]
//
// Reports run without the cache of closed days. With --cache each kind is
// also run through it: --repeat times from an empty cache ("cached, cold":
// reading the summaries and writing the cache; the cache before is moved
// aside, see setCacheAside(); with --keep-aside the folders moved aside
// stay when the run ends) and then --repeat times from
// what the last of those kept ("cached, warm"). The freshness rule alone
// ("freshness rule": what a run through the cache asks the file system
// about each day, a stat of every table file), which no warm run can go
// below, is measured for every number of days.
//
// With --json the waiter report over each number of days is also written
// as JSON and as CSV by `veltrum report --format json|csv` (the program
// beside this one) to /dev/null: the data streamed from the report's rows,
// spooled and copied out, against the floor of the same days.
//
// With --exceptions `veltrum exceptions` runs over each number of days
// (entries behind the flags, weeks included): without the cache, and with
// --cache also cold and warm, as the kinds are. It reads every day twice,
// once for its exception entries and once for the takings, which the
// waiter and cost-center reports give.
//
// --memory prints the peak resident memory of each kind over each number of
// days (one run each, without the cache) and how much the last grows over
// the first: a flat line is what a report that streams its lines shows.
// Kind 1 is the paid tables journal, its text written as the command line
// writes it.
//
// Each case runs in a process of its own (this program started again with
// --case), so that its CPU time (user + system, from the kernel's
// accounting) and its peak resident memory are its own. CPU time is printed
// as seconds and as a multiple of the floor (tfloor.h) over the same days,
// measured in the same run; the current day's against reading its table
// files (tfloor.h too). Over closed days the freshness rule is measured
// after the floor, and each run's CPU time less the rule's is printed as a
// multiple of the floor too ("less rule"): what the report itself costs
// beside reading, since every run over closed days, with the cache or
// without it, asks every table file of every day for its time. Wall-clock
// time is printed beside it: a run over several days looks at the days ahead
// on other threads (through the cache it checks, reads or builds them;
// without it a summary's check and read are a day ahead of adding it up),
// which shortens the wait, not the CPU time. The machine is shared, so each
// case is run --repeat times and the least CPU time, the least wall time and
// the largest peak memory are kept.
//
// Installations, written on first use and reused:
//   VELTRUM_BENCH_DIR        the closed days (default bench-data/<days>x<tables>
//                            under the working directory), VELTRUM_BENCH_DAYS (365)
//                            days of VELTRUM_BENCH_TABLES (400) tables;
//   VELTRUM_BENCH_TODAY_DIR  the current day with 1000 tables (default
//                            bench-data/1x1000).
// A run over N days reads the last N closed days.
#include "benchenv.h"
#include "tarchtable.h"
#include "tdemoinstallation.h"
#include "tfloor.h"
#include "tinstallation.h"
#include "tpaidtablesjournal.h"
#include "treportkinds.h"
#include "treportrun.h"
#include "tutf8linewriter.h"
#include "tworkspacelists.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace PosLib;

namespace {

const QDate Today = benchToday();

QString installation(const char *variable, int days, int tables)
{
    return benchInstallation(variable, QStringLiteral("%1x%2").arg(days).arg(tables), days, tables);
}

QString closedDays()
{
    return installation("VELTRUM_BENCH_DIR", envInt("VELTRUM_BENCH_DAYS", 365),
                        envInt("VELTRUM_BENCH_TABLES", 400));
}

QString currentDay()
{
    return installation("VELTRUM_BENCH_TODAY_DIR", 1, 1000);
}

// The cache of closed days is moved aside before each cold run, not
// deleted, and the folders moved aside are deleted when everything is
// measured. On a file system without a journal (ext4 as this machine's
// root) the kernel passes over every inode freed in the last minutes each
// time it makes a file: a year of cached days deleted right before a cold
// run made each of its day files walk past all of them (in kernel time
// about a quarter of what a cold run costs beyond a run without the
// cache), a cost a report pays only where many files went minutes before.
// The kernel passes over an inode freed in the last minute, or in the last
// six while its table is not yet written back; so the folders moved aside
// by one run, deleted when it ends, would cost the next run's cold cases as
// much if it starts within minutes: runs taking turns keep them
// (--keep-aside) and have them deleted after the last.
QStringList g_setAside;

void setCacheAside()
{
    const QString cache = closedDays() + QStringLiteral("var/reportcache");
    if (!QFileInfo::exists(cache))
        return;
    const QString aside = cache
                          + QStringLiteral(".cold-%1-%2")
                                    .arg(QCoreApplication::applicationPid())
                                    .arg(g_setAside.size());
    if (QDir().rename(cache, aside))
        g_setAside << aside;
    else
        QDir(cache).removeRecursively();
}

void removeSetAside()
{
    for (const QString &folder : std::as_const(g_setAside))
        QDir(folder).removeRecursively();
    g_setAside.clear();
}

// ---- the cases, each run in a process of its own ----------------------------

// days 0: the current day's table files
int runFloor(int days)
{
    const TFloorResult r
            = days > 0 ? walkDaySummaries(closedDays(), Today.addDays(-days), Today.addDays(-1))
                       : walkTableFiles(currentDay());
    return r.orders > 0 ? 0 : 1;
}

// The floor of a run through the cache of closed days: the freshness rule
// alone over the last days, as the cache asks it of each day (its closing
// mark and day summary looked at, every table file of the day compared
// with the summary's time).
int runFreshness(int days)
{
    const QString root = closedDays();
    int fresh = 0;
    for (QDate day = Today.addDays(-days); day < Today; day = day.addDays(1)) {
        const QByteArray dayDir = QFile::encodeName(statistDayDir(day, root));
        const QByteArray summary
                = QFile::encodeName(root + QStringLiteral("var/summary/")
                                    + day.toString(Qt::ISODate) + QStringLiteral(".dat"));
        struct stat st;
        if (::stat((dayDir + "turnover.z").constData(), &st) != 0
            || ::stat(summary.constData(), &st) != 0)
            continue;
        const qint64 msecs = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
        if (!TArchTable::hasTablesNewerThan(dayDir, msecs))
            ++fresh;
    }
    return fresh > 0 ? 0 : 1;
}

// A report as the command line runs it; days 0 is the current day.
int runReport(int kind, int days, bool cache)
{
    const QString root = days > 0 ? closedDays() : currentDay();
    QDir::setCurrent(root);
    TWorkspaceLists lists(root);
    TReportRun run(&lists, root);
    TReportRequest request;
    request.kind = kind;
    if (days > 0) {
        request.from = Today.addDays(-days);
        request.to = Today.addDays(-1);
    }
    request.now = QDateTime(Today, QTime(21, 0));
    request.dayCache = cache;
    // the lines go to a temporary file while they are made, as the command
    // line's do
    QTemporaryFile spool;
    if (!spool.open())
        return 1;
    qint64 lines = 0;
    // as the command line's spool writes them
    TUtf8LineWriter writer(&spool);
    request.lineSink = [&writer, &lines](const QString &line) {
        writer.writeLine(line);
        ++lines;
    };
    if (kind == 1) {
        // the paid tables journal, handed on a table at a time as the
        // command line writes its text
        TPaidTablesJournal journal(&lists, root);
        TJournalRequest journalRequest;
        journalRequest.from = request.from;
        journalRequest.to = request.to;
        journalRequest.now = request.now;
        const bool done = journal.run(journalRequest, [&](const TListRows &rows) {
            for (const QString &text : listRowsLines(rows))
                request.lineSink(text);
        });
        return done && writer.flush() && lines > 0 ? 0 : 1;
    }
    const TReportResult result = run.run(request);
    return result.status == TReportResult::Done && writer.flush() && lines + result.lines.size() > 0
                   ? 0
                   : 1;
}

// ---- the driver -------------------------------------------------------------

struct Measure
{
    double cpu = -1; // seconds, the least of the runs
    double wall = -1; // seconds, the least of the runs
    double rss = 0; // megabytes, the most of the runs
    bool ok = true;

    // Keeps the least CPU and wall time and the largest memory of `m` and
    // the runs kept before.
    void keepLeast(const Measure &m)
    {
        cpu = cpu < 0 ? m.cpu : std::min(cpu, m.cpu);
        wall = wall < 0 ? m.wall : std::min(wall, m.wall);
        rss = std::max(rss, m.rss);
        ok = ok && m.ok;
    }
};

// Runs `program` with `args` `repeat` times, each in a process of its own.
Measure measureProgram(const QString &program, const QStringList &args, int repeat)
{
    Measure m;
    QList<QByteArray> bytes;
    bytes << program.toLocal8Bit();
    for (const QString &a : args)
        bytes << a.toLocal8Bit();
    for (int i = 0; i < repeat; ++i) {
        std::fflush(nullptr);
        struct timespec start = {};
        clock_gettime(CLOCK_MONOTONIC, &start);
        const pid_t pid = fork();
        if (pid == 0) {
            // what the program prints is not measured here
            if (!std::freopen("/dev/null", "w", stdout))
                _exit(126);
            std::vector<char *> argv;
            for (QByteArray &b : bytes)
                argv.push_back(b.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        int status = 0;
        struct rusage usage = {};
        if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) {
            m.ok = false;
            return m;
        }
        struct timespec end = {};
        clock_gettime(CLOCK_MONOTONIC, &end);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            m.ok = false;
        const double wall
                = double(end.tv_sec - start.tv_sec) + double(end.tv_nsec - start.tv_nsec) / 1e9;
        if (m.wall < 0 || wall < m.wall)
            m.wall = wall;
        const double cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
                           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        if (m.cpu < 0 || cpu < m.cpu)
            m.cpu = cpu;
        m.rss = std::max(m.rss, double(usage.ru_maxrss) / 1024.0);
    }
    return m;
}

// One case of this program.
Measure measure(const QStringList &args, int repeat)
{
    return measureProgram(QCoreApplication::applicationFilePath(),
                          QStringList(QStringLiteral("--case")) + args, repeat);
}

// "5,7,19" or ranges "3-42,101-103".
QList<int> numbers(const QString &text)
{
    QList<int> out;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList range = part.split(QLatin1Char('-'));
        const int first = range.value(0).toInt();
        const int last = range.size() > 1 ? range.value(1).toInt() : first;
        for (int n = first; n <= last; ++n)
            out << n;
    }
    return out;
}

QString kindName(int kind)
{
    if (kind > 100)
        return QStringLiteral("%1 batch %2").arg(kind).arg(kind - 100);
    const TReportKind *k = reportKind(kind);
    return QStringLiteral("%1 %2").arg(kind).arg(
            k ? QString::fromLatin1(k->caption).remove(QLatin1Char('&')) : QString());
}

// The peak memory of each kind over each number of days, and its growth
// from the first to the last.
int memoryTable(const QList<int> &dayCounts, const QList<int> &kinds)
{
    std::printf("%-34s", "kind \\ days: peak MB");
    for (int days : dayCounts)
        std::printf(" %8d", days);
    std::printf(" %8s\n", "growth");
    for (int kind : kinds) {
        std::printf("%-34s", qPrintable(kindName(kind)));
        double first = 0;
        double last = 0;
        bool ok = true;
        for (int days : dayCounts) {
            const Measure m = measure(
                    {QStringLiteral("report"), QString::number(kind), QString::number(days)}, 1);
            ok = ok && m.ok;
            if (first == 0)
                first = m.rss;
            last = m.rss;
            std::printf(" %8.1f", m.rss);
            std::fflush(stdout);
        }
        std::printf(" %7.1f%%%s\n", first > 0 ? (last / first - 1) * 100 : 0.0,
                    ok ? "" : "  FAILED");
        std::fflush(stdout);
    }
    return 0;
}

// The arguments of a `veltrum` command over the last `days` closed days,
// printed at a fixed time and without progress.
QStringList overClosedDays(const QString &command, int days)
{
    return {command,
            QStringLiteral("--data"),
            closedDays(),
            QStringLiteral("--from"),
            Today.addDays(-days).toString(Qt::ISODate),
            QStringLiteral("--to"),
            Today.addDays(-1).toString(Qt::ISODate),
            QStringLiteral("--now"),
            QStringLiteral("2026-12-05T21:00:00"),
            QStringLiteral("--quiet")};
}

// A measured case: its CPU time, as a multiple of the floor, less the
// freshness rule's as a multiple of the floor (for a case of closed days
// other than the floor and the rule, where `rule` is given), wall time and
// peak memory.
void printRow(const QString &days, const QString &what, const Measure &m, double floor,
              double rule = -1)
{
    const QString ratio = floor > 0 ? QString::number(m.cpu / floor, 'f', 2) : QStringLiteral("-");
    const QString lessRule = floor > 0 && rule >= 0
                                     ? QString::number((m.cpu - rule) / floor, 'f', 2)
                                     : QStringLiteral("-");
    std::printf("%6s  %-28s %9.3f %9s %9s %9.3f %10.1f%s\n", qPrintable(days), qPrintable(what),
                m.cpu, qPrintable(ratio), qPrintable(lessRule), m.wall, m.rss,
                m.ok ? "" : "  FAILED");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);

    if (args.value(0) == QLatin1String("--case")) {
        const QString what = args.value(1);
        if (what == QLatin1String("floor"))
            return runFloor(args.value(2).toInt());
        if (what == QLatin1String("freshness"))
            return runFreshness(args.value(2).toInt());
        if (what == QLatin1String("report"))
            return runReport(args.value(2).toInt(), args.value(3).toInt(),
                             args.value(4) == QLatin1String("cache"));
        return 2;
    }

    QList<int> dayCounts = {30, envInt("VELTRUM_BENCH_DAYS", 365)};
    QList<int> kinds = {5, 7, 19};
    int repeat = 3;
    bool today = true;
    bool cache = false;
    bool keepAside = false;
    bool json = false;
    bool exceptions = false;
    bool memory = false;
    bool daysGiven = false;
    bool kindsGiven = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--days")) {
            dayCounts = numbers(args.value(++i));
            daysGiven = true;
        } else if (args.at(i) == QLatin1String("--kinds")) {
            kinds = numbers(args.value(++i));
            kindsGiven = true;
        } else if (args.at(i) == QLatin1String("--json"))
            json = true;
        else if (args.at(i) == QLatin1String("--exceptions"))
            exceptions = true;
        else if (args.at(i) == QLatin1String("--memory"))
            memory = true;
        else if (args.at(i) == QLatin1String("--repeat"))
            repeat = std::max(1, args.value(++i).toInt());
        else if (args.at(i) == QLatin1String("--no-today"))
            today = false;
        else if (args.at(i) == QLatin1String("--cache"))
            cache = true;
        else if (args.at(i) == QLatin1String("--keep-aside"))
            keepAside = true;
        else {
            // nothing is written or measured for a call it does not understand
            std::fprintf(stderr,
                         "bench_report: unknown option %s\n"
                         "usage: bench_report [--days 30,365] [--kinds 5,7,19] [--repeat 3] "
                         "[--no-today] [--cache] [--keep-aside] [--json] [--exceptions]\n"
                         "       bench_report --memory [--days 30,90,180,365] "
                         "[--kinds 3-42,101-103]\n",
                         qPrintable(args.at(i)));
            return 2;
        }
    }
    // written before anything is measured
    closedDays();
    if (memory) {
        if (!daysGiven)
            dayCounts = {30, 90, 180, envInt("VELTRUM_BENCH_DAYS", 365)};
        if (!kindsGiven)
            kinds = numbers(QStringLiteral("3-42,101-103"));
        return memoryTable(dayCounts, kinds);
    }
    if (today)
        currentDay();

    std::printf("%6s  %-28s %9s %9s %9s %9s %10s\n", "days", "kind", "cpu s", "x floor",
                "less rule", "wall s", "peak MB");
    for (int days : std::as_const(dayCounts)) {
        const QString d = QString::number(days);
        const Measure floor = measure({QStringLiteral("floor"), d}, repeat);
        printRow(d, QStringLiteral("floor"), floor, floor.cpu);
        // what every run over closed days pays before it adds a day up
        const Measure fresh = measure({QStringLiteral("freshness"), d}, repeat);
        printRow(d, QStringLiteral("freshness rule"), fresh, floor.cpu);
        const double rule = fresh.cpu;
        for (int kind : std::as_const(kinds)) {
            const QString name = kindName(kind);
            const QStringList run = {QStringLiteral("report"), QString::number(kind), d};
            printRow(d, name, measure(run, repeat), floor.cpu, rule);
            if (!cache)
                continue;
            // each cold run from an empty cache; the last one's stays for
            // the warm runs
            Measure cold;
            for (int i = 0; i < repeat; ++i) {
                setCacheAside();
                cold.keepLeast(measure(run + QStringList(QStringLiteral("cache")), 1));
            }
            printRow(d, QStringLiteral("%1 cached, cold").arg(kind), cold, floor.cpu, rule);
            printRow(d, QStringLiteral("%1 cached, warm").arg(kind),
                     measure(run + QStringList(QStringLiteral("cache")), repeat), floor.cpu, rule);
        }
        // the command line's own path: the data spooled and copied out
        const QString veltrum = QCoreApplication::applicationDirPath() + QStringLiteral("/veltrum");
        if (exceptions) {
            const QStringList run = overClosedDays(QStringLiteral("exceptions"), days);
            printRow(d, QStringLiteral("exceptions"),
                     measureProgram(veltrum, run + QStringList(QStringLiteral("--no-cache")),
                                    repeat),
                     floor.cpu, rule);
            if (cache) {
                Measure cold;
                for (int i = 0; i < repeat; ++i) {
                    setCacheAside();
                    cold.keepLeast(measureProgram(veltrum, run, 1));
                }
                printRow(d, QStringLiteral("exceptions cached, cold"), cold, floor.cpu, rule);
                printRow(d, QStringLiteral("exceptions cached, warm"),
                         measureProgram(veltrum, run, repeat), floor.cpu, rule);
            }
        }
        for (const char *format : {"json", "csv"}) {
            if (!json)
                break;
            const QStringList report
                    = overClosedDays(QStringLiteral("report"), days)
                      + QStringList {QStringLiteral("--kind"), QStringLiteral("5"),
                                     QStringLiteral("--format"), QString::fromLatin1(format),
                                     QStringLiteral("--no-cache")};
            printRow(d, QStringLiteral("5 as %1").arg(QString::fromLatin1(format).toUpper()),
                     measureProgram(veltrum, report, repeat), floor.cpu, rule);
        }
    }
    if (keepAside) {
        for (const QString &folder : std::as_const(g_setAside))
            std::fprintf(stderr, "bench_report: kept %s\n", qPrintable(folder));
    } else {
        removeSetAside();
    }
    if (today) {
        const Measure floor = measure({QStringLiteral("floor"), QStringLiteral("0")}, repeat);
        printRow(QStringLiteral("today"), QStringLiteral("floor"), floor, floor.cpu);
        for (int kind : std::as_const(kinds)) {
            printRow(QStringLiteral("today"), kindName(kind),
                     measure({QStringLiteral("report"), QString::number(kind), QStringLiteral("0")},
                             repeat),
                     floor.cpu);
        }
    }
    return 0;
}
