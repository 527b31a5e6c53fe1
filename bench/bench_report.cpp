// Report runs over a large demo installation.
//
//   VELTRUM_BENCH_DAYS (365) and VELTRUM_BENCH_TABLES (400) size the
//   installation; it is written once into VELTRUM_BENCH_DIR (default
//   bench-data/<days>x<tables> under the working directory) and reused.
#include "tdemoinstallation.h"
#include "trepdata.h"
#include "treport.h"
#include "tcurrencies.h"
#include "tsummary.h"
#include "tworkspacelists.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <memory>

using namespace PosLib;

namespace {

const QDate Today(2026, 12, 5);

int envInt(const char *name, int def)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok && v > 0 ? v : def;
}

int days()
{
    return envInt("VELTRUM_BENCH_DAYS", 365);
}

QString installation()
{
    static QString root;
    if (!root.isEmpty())
        return root;
    const int tables = envInt("VELTRUM_BENCH_TABLES", 400);
    root = qEnvironmentVariable("VELTRUM_BENCH_DIR");
    if (root.isEmpty())
        root = QDir::current().filePath(QStringLiteral("bench-data/%1x%2").arg(days()).arg(tables));
    root = QDir(root).absolutePath() + QLatin1Char('/');
    if (!QFileInfo::exists(root + TDemoInstallation::markerName())) {
        TDemoOptions options;
        options.days = days();
        options.tables = tables;
        options.today = Today;
        TDemoInstallation(options).write(root);
    }
    return root;
}

// Generator and writer as the reports document runs them, over all
// closed days.
void runKind(benchmark::State &state, int code, bool overAll)
{
    const QString root = installation();
    QDir::setCurrent(root);
    TWorkspaceLists lists(root);
    auto *currencies = static_cast<TCurrencies *>(lists.get(QStringLiteral("currencies")));
    qint64 entries = 0;
    qint64 tables = 0;
    for (auto _ : state) {
        TReport report(QDate(), nullptr, root);
        TSummary summary(&report, currencies, lists.get(QStringLiteral("waiters")), root);
        summary.setRange(Today.addDays(-days()), Today.addDays(-1));
        const QStringList lines = summary.waiterReport(code, QStringLiteral("Bench"), overAll);
        benchmark::DoNotOptimize(lines);
        entries += report.entryCount();
        tables += report.tableCount();
    }
    state.counters["entries/s"] = benchmark::Counter(double(entries), benchmark::Counter::kIsRate);
    state.counters["tables/s"] = benchmark::Counter(double(tables), benchmark::Counter::kIsRate);
}

// Reading the same day summary files without interpreting them.
void readSummaries(benchmark::State &state)
{
    const QString dir = installation() + QStringLiteral("var/summary/");
    const QStringList files = QDir(dir).entryList(QDir::Files);
    qint64 bytes = 0;
    for (auto _ : state) {
        for (const QString &name : files) {
            QFile f(dir + name);
            f.open(QIODevice::ReadOnly);
            const QByteArray data = f.readAll();
            benchmark::DoNotOptimize(data.constData());
            bytes += data.size();
        }
    }
    state.SetBytesProcessed(bytes);
}

void WaiterReport(benchmark::State &state)
{
    runKind(state, 2, false); // kind 5
}

void AllArticles(benchmark::State &state)
{
    runKind(state, 0, true); // kind 7
}

} // namespace

BENCHMARK(WaiterReport)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(AllArticles)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(readSummaries)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
