// Fails the N-th file operation of a day closing and of a list save, for
// every N, as a full disk or a failing disk would, and cuts the closing
// at chosen operations as a power cut would. After each: every bill is in
// exactly one place (or in both with the move's note), every file parses,
// the outcome the run reported is true, and a clean rerun finishes.
//
// The closing runs in a process of its own (closingrun) with the fault
// shim preloaded. VELTRUM_SWEEP_TABLE=FILE writes the table of outcomes;
// VELTRUM_KILL_CUTS=N (or "all") cuts the closing N times instead of the
// few dozen of an ordinary run.

#include "turnovertestsupport.h"

#include "tfile.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTextStream>

#include <map>
#include <tuple>

using namespace Basics;

namespace {

constexpr int Bills = 4;

// What closingrun printed.
struct RunResult
{
    bool finished = false; // not killed
    QString status;
    int code = -1;
    int moved = 0;
    QStringList left;
    bool diskFull = false;
    QString failure;
    long operations = 0; // counted by the shim
    QString failedOperation; // "write /…/a1.tmp"
};

class FaultSweep : public TurnoverTest
{
protected:
    void install()
    {
        QDir(dir.file(QStringLiteral("var"))).removeRecursively();
        QFile::remove(dir.file(QStringLiteral("counter.dat")));
        // an earlier run of the day, and bills of one and of several copy blocks
        dir.write(dayFile(QStringLiteral("a1")), billBytes(100, 7));
        entryCounts[100] = 3;
        archive(1, 1, 7, 600, 100);
        archive(2, 2, 8);
        archive(3, 3, 9);
        archive(4, 4, 7);
    }

    RunResult runUnderShim(long at, const QString &errorName, const QString &ops, bool kill,
                           const QStringList &arguments)
    {
        const QString report = dir.file(QStringLiteral("shim.report"));
        QFile::remove(report);
        ShimFault fault;
        fault.root = dir.file(QStringLiteral("var"));
        fault.ops = ops;
        fault.at = at;
        fault.errorName = errorName;
        fault.kill = kill;
        fault.report = report;
        const ShimOutput output = runClosingUnderShim(fault, arguments);
        RunResult result;
        result.finished = output.finished;
        for (const auto &[key, value] : output.lines) {
            if (key == QLatin1String("status"))
                result.status = value;
            else if (key == QLatin1String("code"))
                result.code = value.toInt();
            else if (key == QLatin1String("moved"))
                result.moved = value.toInt();
            else if (key == QLatin1String("left"))
                result.left = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            else if (key == QLatin1String("diskfull"))
                result.diskFull = value == QLatin1String("1");
            else if (key == QLatin1String("failure"))
                result.failure = value;
            else if (key == QLatin1String("saved") || key == QLatin1String("error"))
                result.status = key + (value.isEmpty() ? QString() : QLatin1Char(' ') + value);
        }
        for (const QString &line : QString::fromLocal8Bit(dir.read(QStringLiteral("shim.report")))
                                           .split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("count ")))
                result.operations = line.mid(6).toLong();
            else if (line.startsWith(QLatin1String("failed ")))
                result.failedOperation = line.mid(7).replace(dir.path(), QString());
        }
        return result;
    }

    RunResult close(long at, const QString &errorName, const QString &ops, bool kill = false)
    {
        return runUnderShim(at, errorName, ops, kill,
                            {QStringLiteral("closing"), root(), day.toString(Qt::ISODate)});
    }

    // The bills of the installation: each in one place, or in two with the
    // move's note naming them; every file whole. Returns the table numbers
    // found in var/archives.
    QList<long> checkEveryBillOnce()
    {
        const QMultiMap<long, QString> found = bills();
        EXPECT_EQ(QStringList(), found.values(0)) << "bills that do not load whole";
        const QStringList intent
                = QString::fromUtf8(dir.read(QStringLiteral("var/lock/turnover.mov")))
                          .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QList<long> inArchives;
        for (long table : {1L, 2L, 3L, 4L, 100L}) {
            const QStringList places = found.values(table);
            if (places.size() == 2) {
                EXPECT_EQ(intent, QStringList({places.at(1), places.at(0)})) << table;
                EXPECT_EQ(dir.read(places.at(0)), dir.read(places.at(1))) << table;
            } else {
                EXPECT_EQ(1, places.size()) << table << " " << qPrintable(places.join(' '));
            }
            for (const QString &place : places) {
                if (place.startsWith(QLatin1String("var/archives/")) && places.size() == 1)
                    inArchives << table;
            }
        }
        return inArchives;
    }

    // The other files of the closing parse.
    void checkFilesParse()
    {
        for (const auto &[dirName, file, name] :
             {std::tuple<QString, QString, QString> {QString(), QStringLiteral("counter.dat"),
                                                     QStringLiteral("zcounter")},
              {QStringLiteral("var/statist"), QStringLiteral("zcount.dat"), QStringLiteral("z")},
              {dayPath, QStringLiteral("zcount.dat"), QStringLiteral("z")}}) {
            if (!dir.exists(dirName + QLatin1Char('/') + file))
                continue;
            TValueList record;
            EXPECT_EQ(0, record.load(dir.file(dirName), file)) << qPrintable(file);
        }
        if (dir.exists(summaryFile)) {
            EXPECT_NO_THROW(summaryTables());
        }
        EXPECT_NO_THROW(indexed());
    }

    static QString kind(const QString &failedOperation)
    {
        const QString op = failedOperation.section(QLatin1Char(' '), 0, 0);
        QString file = failedOperation.section(QLatin1Char(' '), 1);
        if (file.isEmpty() || file == QLatin1String("(fd)"))
            return op;
        file = QFileInfo(file).fileName();
        file.replace(QRegularExpression(QStringLiteral("^a\\d+")), QStringLiteral("aN"));
        file.replace(QRegularExpression(QStringLiteral("\\.\\d+\\.tmp$")),
                     QStringLiteral(".PID.tmp"));
        return op + QLatin1Char(' ') + file;
    }

    // The run's word against what is on disk.
    void checkOutcomeIsTrue(const RunResult &run, const QList<long> &inArchives)
    {
        EXPECT_TRUE(run.status == QLatin1String("done") || run.status == QLatin1String("incomplete")
                    || run.status == QLatin1String("failed"))
                << qPrintable(run.status);
        if (run.status == QLatin1String("done")) {
            EXPECT_TRUE(inArchives.isEmpty()) << "done, yet bills stayed";
            EXPECT_EQ(QList<long>({1, 2, 3, 4, 100}), summaryTables());
            EXPECT_EQ(1, journal().size());
        }
        if (run.status == QLatin1String("incomplete")) {
            EXPECT_EQ(inArchives.size(), run.left.size()) << qPrintable(run.left.join(' '));
        }
        if (run.status != QLatin1String("failed")) {
            // a day closed with its journal line and Z number
            EXPECT_EQ(1, journal().size());
            EXPECT_TRUE(dir.exists(dayFile(QStringLiteral("zcount.dat"))));
        }
        if (run.status == QLatin1String("failed")) {
            EXPECT_FALSE(run.failure.isEmpty());
        }
    }

    void checkCleanRerunFinishes()
    {
        TClosingOutcome outcome;
        TurnoverData data;
        data.setDataPath(root());
        data.setTurnoverDate(day);
        data.setApplicationName(QStringLiteral("rerun"));
        EXPECT_EQ(0, executeTurnover(data, outcome));
        EXPECT_EQ(TClosingOutcome::Done, outcome.status()) << qPrintable(outcome.summary());
        const QMultiMap<long, QString> closed = bills();
        EXPECT_EQ(QList<long>({1, 2, 3, 4, 100}), closed.keys());
        for (const QString &path : closed)
            EXPECT_TRUE(path.startsWith(dayPath)) << qPrintable(path);
        EXPECT_FALSE(dir.exists(QStringLiteral("var/lock/turnover.mov")));
        EXPECT_EQ(QList<long>({1, 2, 3, 4, 100}), summaryTables());
    }

    // Table rows "operation kind -> outcome -> count".
    using Tally = std::map<QString, std::map<QString, int>>;

    void writeTable(const QString &title, const Tally &tally, long runs)
    {
        const QString path = qEnvironmentVariable("VELTRUM_SWEEP_TABLE");
        if (path.isEmpty())
            return;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        QTextStream out(&file);
        out << "\n"
            << title << " (" << runs
            << " runs)\n\n| operation failed | outcome | runs |\n|---|---|---|\n";
        for (const auto &[operation, outcomes] : tally)
            for (const auto &[outcome, count] : outcomes)
                out << "| " << operation << " | " << outcome << " | " << count << " |\n";
    }

    void sweep(const QString &errorName, const QString &ops)
    {
        install();
        const RunResult clean = close(0, errorName, ops);
        ASSERT_EQ(QStringLiteral("done"), clean.status) << qPrintable(clean.failure);
        ASSERT_GT(clean.operations, 20);
        Tally tally;
        for (long at = 1; at <= clean.operations; ++at) {
            install();
            const RunResult run = close(at, errorName, ops);
            SCOPED_TRACE(qPrintable(QStringLiteral("%1 at operation %2: %3")
                                            .arg(errorName)
                                            .arg(at)
                                            .arg(run.failedOperation)));
            ASSERT_TRUE(run.finished);
            const QList<long> inArchives = checkEveryBillOnce();
            checkFilesParse();
            checkOutcomeIsTrue(run, inArchives);
            if (run.diskFull) {
                EXPECT_EQ(QStringLiteral("ENOSPC"), errorName);
            }
            QString outcome = run.status;
            if (run.status == QLatin1String("incomplete"))
                outcome += QStringLiteral(", %1 left").arg(run.left.size());
            if (run.diskFull)
                outcome += QStringLiteral(", disk full");
            ++tally[kind(run.failedOperation)][outcome];
            checkCleanRerunFinishes();
            if (HasFailure())
                break;
        }
        writeTable(QStringLiteral("Closing, %1 at operation N").arg(errorName), tally,
                   clean.operations);
    }
};

} // namespace

TEST_F(FaultSweep, ClosingWithAFullDiskAtEveryOperation)
{
    sweep(QStringLiteral("ENOSPC"), QStringLiteral("create,write,fsync,rename,link,mkdir"));
}

TEST_F(FaultSweep, ListSaveFailingAtEveryOperation)
{
    for (const QString &errorName : {QStringLiteral("ENOSPC"), QStringLiteral("EIO")}) {
        const QString list = dir.file(QStringLiteral("var/data/waiters.dat"));
        QDir(dir.file(QStringLiteral("var"))).removeRecursively();
        dir.write(QStringLiteral("var/data/waiters.dat"), testData(QStringLiteral("waiters.dat")));
        const QStringList save = {QStringLiteral("listsave"), list, QStringLiteral("new")};
        const RunResult clean = runUnderShim(0, errorName, QString(), false, save);
        ASSERT_EQ(QStringLiteral("saved"), clean.status);
        Tally tally;
        for (long at = 1; at <= clean.operations; ++at) {
            QDir(dir.file(QStringLiteral("var"))).removeRecursively();
            dir.write(QStringLiteral("var/data/waiters.dat"),
                      testData(QStringLiteral("waiters.dat")));
            const RunResult run = runUnderShim(at, errorName, QString(), false, save);
            SCOPED_TRACE(qPrintable(run.failedOperation));
            ASSERT_TRUE(run.finished);
            // the list is there, whole: the old one after a failure, the new
            // one after a save that reported success
            TValueList back;
            ASSERT_EQ(0, back.load(QFileInfo(list).path(), QStringLiteral("waiters.dat")));
            if (run.status == QLatin1String("saved")) {
                EXPECT_EQ(4, back.count());
            } else if (back.count() != 3) {
                // only a failed sync of the directory after the rename
                // (opening it, or its fsync) reports a failure with the new
                // list in place
                EXPECT_EQ(4, back.count());
                EXPECT_TRUE(run.failedOperation.startsWith(QLatin1String("fsync"))
                            || run.failedOperation == QLatin1String("open var/data"))
                        << qPrintable(run.status);
            }
            EXPECT_FALSE(dir.exists(QStringLiteral("var/data/waiters.dat.new")));
            ++tally[kind(run.failedOperation)][run.status.section(QLatin1Char(' '), 0, 0)];
        }
        writeTable(QStringLiteral("List save, %1 at operation N").arg(errorName), tally,
                   clean.operations);
    }
}

// A power cut at chosen operations of the closing: the process ends on the
// spot, before the operation. A few dozen cuts spread over the run here;
// VELTRUM_KILL_CUTS=N or "all" for a nightly run.
TEST_F(FaultSweep, ClosingCutAtAnyOperation)
{
    install();
    const RunResult clean = close(0, QStringLiteral("EIO"), QString());
    ASSERT_EQ(QStringLiteral("done"), clean.status);
    const QString wanted = qEnvironmentVariable("VELTRUM_KILL_CUTS");
    const long cuts
            = wanted == QLatin1String("all")
                      ? clean.operations
                      : qBound(1L, wanted.isEmpty() ? 30L : wanted.toLong(), clean.operations);
    for (long i = 0; i < cuts; ++i) {
        // spread evenly, the first and the last included
        const long at = cuts == 1 ? 1 : 1 + i * (clean.operations - 1) / (cuts - 1);
        install();
        const RunResult run = close(at, QStringLiteral("EIO"), QString(), true);
        SCOPED_TRACE(qPrintable(
                QStringLiteral("cut at operation %1: %2").arg(at).arg(run.failedOperation)));
        EXPECT_FALSE(run.finished);
        checkEveryBillOnce();
        checkFilesParse();
        checkCleanRerunFinishes();
        if (HasFailure())
            break;
    }
}

// A list save cut at each of its operations (a power cut, a kill): the
// list is there at every instant, the old one or the new one, whole.
TEST_F(FaultSweep, ListSaveCutAtEveryOperation)
{
    const QString list = dir.file(QStringLiteral("var/data/waiters.dat"));
    const QStringList save = {QStringLiteral("listsave"), list, QStringLiteral("new")};
    auto fresh = [&] {
        QDir(dir.file(QStringLiteral("var"))).removeRecursively();
        dir.write(QStringLiteral("var/data/waiters.dat"), testData(QStringLiteral("waiters.dat")));
    };
    fresh();
    const RunResult clean = runUnderShim(0, QStringLiteral("EIO"), QString(), false, save);
    ASSERT_EQ(QStringLiteral("saved"), clean.status);
    for (long at = 1; at <= clean.operations; ++at) {
        fresh();
        const RunResult run = runUnderShim(at, QStringLiteral("EIO"), QString(), true, save);
        SCOPED_TRACE(qPrintable(
                QStringLiteral("cut at operation %1: %2").arg(at).arg(run.failedOperation)));
        EXPECT_FALSE(run.finished);
        ASSERT_TRUE(dir.exists(QStringLiteral("var/data/waiters.dat")));
        TValueList back;
        ASSERT_EQ(0, back.load(QFileInfo(list).path(), QStringLiteral("waiters.dat")));
        const int before = back.count();
        EXPECT_TRUE(before == 3 || before == 4) << before;
        // the next save after the cut finishes and keeps the list whole
        const RunResult rerun = runUnderShim(0, QStringLiteral("EIO"), QString(), false, save);
        EXPECT_EQ(QStringLiteral("saved"), rerun.status);
        ASSERT_EQ(0, back.load(QFileInfo(list).path(), QStringLiteral("waiters.dat")));
        EXPECT_EQ(before + 1, back.count());
    }
}
