// `veltrum turnover` under the fault shim: failed once at each of its file
// calls, and cut off (the process killed) at each. After every such run:
// the verifier finds nothing (so that `veltrum verify` exits 0) exactly
// when the installation's closings are whole (every Z counter value handed
// out in exactly one journal line and one record, every moved bill in the
// record of its Z, nothing of a cut-off run left), a run that exited 0
// closed everything, and a clean rerun closes what is left, after which
// everything holds and the verifier agrees. The rerun and the verifier run
// in this process, the faulted closing as the command itself.
//
// The whole sweep runs in the test suite; VELTRUM_SWEEP_TABLE=FILE writes
// what each run ended in.

#include "testdir.h"
#include "veltrumprocess.h"

#include "tclosingbills.h"
#include "tclosingledger.h"
#include "tclosingrecord.h"
#include "tclosingverifier.h"
#include "tcounter.h"
#include "tinstallation.h"
#include "tpendingclosing.h"
#include "treconciliationcheck.h"
#include "trecordcodec.h"
#include "ttableentry.h"
#include "tturnover.h"
#include "turnoverdata.h"
#include "tvalue.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

#include <gtest/gtest.h>

#include <map>

using namespace PosLib;

namespace {

const QDate Day(2026, 12, 5);
const QString DayText = QStringLiteral("2026-12-05");

// A paid bill of `orders` orders whose texts make it span several blocks
// of a copy when `textLength` is large.
QByteArray paidBill(long table, int orders, int textLength = 10)
{
    QByteArray data;
    Basics::TValue head;
    head.setInt(QStringLiteral("table"), table);
    head.setInt(QStringLiteral("party"), 1);
    Basics::appendRecord(data, head);
    Basics::TValue create;
    create.setId(0);
    create.setInt(QStringLiteral("type"), EntryCreate);
    create.setInt(QStringLiteral("waiter"), 7);
    Basics::appendRecord(data, create);
    for (int id = 1; id <= orders; ++id) {
        Basics::TValue order;
        order.setId(id);
        order.setInt(QStringLiteral("type"), EntryOrder);
        order.setInt(QStringLiteral("price"), 250);
        order.setDouble(QStringLiteral("count"), 1);
        order.setString(QStringLiteral("text"), QString(textLength, QLatin1Char('x')));
        Basics::appendRecord(data, order);
    }
    Basics::TValue pay;
    pay.setId(orders + 1);
    pay.setInt(QStringLiteral("type"), EntryPay);
    pay.setInt(QStringLiteral("amount"), 250 * orders);
    Basics::appendRecord(data, pay);
    return data;
}

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
}

// What the files say, checked without the verifier: empty when the
// closings are whole, else the first thing that is not.
QString wholeness(const QString &root)
{
    const TCounter::Reading counter
            = TCounter(root, QStringLiteral("counter.dat")).read(QStringLiteral("zcounter"));
    if (counter.state != TCounter::Reading::Held)
        return QStringLiteral("counter.dat does not read");
    // a note whose Z the counter still holds was cut before it took it
    TPendingClosing note;
    if (loadPendingClosing(root, &note) && note.z != counter.value)
        return QStringLiteral("a cut-off closing's note is there");
    QHash<long, int> lines;
    QHash<long, int> moved;
    QHash<long, QString> recordDay;
    QHash<long, TClosingRecord> records;
    QSet<long> tables; // each bill in one day directory, once
    const QString statist = root + QStringLiteral("var/statist/");
    for (const QString &day : QDir(statist).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString dayDir = statist + day + QLatin1Char('/');
        QFile journal(dayDir + QStringLiteral("turnover.z"));
        if (journal.open(QIODevice::ReadOnly)) {
            const QByteArray text = journal.readAll();
            if (!text.isEmpty() && !text.endsWith("\r\n"))
                return day + QStringLiteral(": a journal line without its end");
            for (const QByteArray &raw : text.split('\n')) {
                const TJournalEntry entry = parseJournalLine(QString::fromLocal8Bit(raw).trimmed());
                if (entry.ok) {
                    ++lines[entry.z];
                    moved[entry.z] = entry.moved;
                }
            }
        }
        for (const QString &name : QDir(dayDir).entryList({QStringLiteral("closing-*.json")})) {
            const long z = TClosingRecord::zOfFileName(name);
            if (records.contains(z))
                return QStringLiteral("Z %1 in two records").arg(z);
            QFile file(dayDir + name);
            TClosingRecord record;
            if (!file.open(QIODevice::ReadOnly)
                || !TClosingRecord::fromBytes(file.readAll(), &record, nullptr))
                return name + QStringLiteral(" does not read");
            records.insert(z, record);
            recordDay.insert(z, day);
            const long dayZ = TCounter(dayDir, QStringLiteral("zcount.dat"))
                                      .read(QStringLiteral("z"))
                                      .value;
            if (record.dayZ != dayZ || dayZ <= 0)
                return QStringLiteral("Z %1: day Z %2 in the record, %3 in the day")
                        .arg(z)
                        .arg(record.dayZ)
                        .arg(dayZ);
        }
        for (const auto &file : dayBillFiles(dayDir)) {
            const TStoredBill bill = readStoredBill(dayDir + file.second);
            if (!bill.ok)
                return day + QLatin1Char('/') + file.second + QStringLiteral(" does not load");
            if (tables.contains(bill.bill.table))
                return QStringLiteral("table %1 closed twice").arg(bill.bill.table);
            tables.insert(bill.bill.table);
        }
    }
    for (long z = 1; z < counter.value; ++z) {
        if (lines.value(z) != 1)
            return QStringLiteral("Z %1 in %2 journal lines").arg(z).arg(lines.value(z));
        if (!records.contains(z))
            return QStringLiteral("Z %1 without a record").arg(z);
        if (records[z].bills.size() != moved.value(z))
            return QStringLiteral("Z %1: %2 bills in the record, %3 in the journal line")
                    .arg(z)
                    .arg(records[z].bills.size())
                    .arg(moved.value(z));
    }
    if (lines.size() != counter.value - 1 || records.size() != counter.value - 1)
        return QStringLiteral("numbers beyond the counter");
    // each record sealed and chained to the file of the one before
    QByteArray before;
    for (long z = 1; z < counter.value; ++z) {
        const QString path
                = statist + recordDay.value(z) + QLatin1Char('/') + TClosingRecord::fileName(z);
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        if (!TClosingRecord::sealHolds(bytes) || records[z].previousSha256 != before)
            return QStringLiteral("Z %1: the record's seal or link does not hold").arg(z);
        before = sha256Hex(bytes);
    }
    for (auto it = records.cbegin(); it != records.cend(); ++it) {
        const QString dayDir = statist + recordDay.value(it.key()) + QLatin1Char('/');
        for (const TClosingBill &bill : it->bills) {
            const TStoredBill stored = readStoredBill(dayDir + bill.file);
            if (!stored.ok || stored.zCount != it.key() || stored.bill.sha256 != bill.sha256)
                return QStringLiteral("Z %1: %2 is not as recorded").arg(it.key()).arg(bill.file);
        }
        int carrying = 0;
        for (const auto &file : dayBillFiles(dayDir))
            carrying += readStoredBill(dayDir + file.second).zCount == it.key();
        if (carrying != it->bills.size())
            return QStringLiteral("Z %1: %2 bills carry it, its record lists %3")
                    .arg(it.key())
                    .arg(carrying)
                    .arg(it->bills.size());
    }
    return QString();
}

struct Faulted
{
    int code = -1; // -1: killed
    QString err;
    QString failedOperation;
    long operations = 0;
};

class ClosingUnderFaults : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        // an installation with a closed day before and three bills to
        // close, one of them several copy blocks long
        templateDir = new TestDir;
        const QString root = templateDir->path();
        templateDir->write(QStringLiteral("usr/data/.keep"), QByteArray());
        templateDir->write(QStringLiteral("var/archives/a1"), paidBill(11, 2));
        ASSERT_EQ(0, veltrum({QStringLiteral("turnover"), QStringLiteral("--data"), root,
                              QStringLiteral("--date"), QStringLiteral("2026-12-04"),
                              QStringLiteral("--now"), QStringLiteral("2026-12-05T01:00:00")})
                             .code);
        templateDir->write(QStringLiteral("var/archives/a2"), paidBill(12, 2));
        templateDir->write(QStringLiteral("var/archives/a3"), paidBill(13, 40, 100));
        templateDir->write(QStringLiteral("var/archives/a4"), paidBill(14, 3));
        ASSERT_EQ(QString(), wholeness(root));
    }
    static void TearDownTestSuite()
    {
        delete templateDir;
        templateDir = nullptr;
    }

    QString fresh()
    {
        QDir(dir.file(QStringLiteral("inst"))).removeRecursively();
        const QString root = dir.file(QStringLiteral("inst/"));
        copyTree(templateDir->path(), root);
        return root;
    }

    static QStringList turnover(const QString &root)
    {
        return {QStringLiteral("turnover"),
                QStringLiteral("--data"),
                root,
                QStringLiteral("--date"),
                DayText,
                QStringLiteral("--now"),
                QStringLiteral("2026-12-06T01:00:00"),
                QStringLiteral("--force")};
    }

    Faulted underShim(const QString &root, long at, bool kill)
    {
        const QString report = dir.file(QStringLiteral("shim.report"));
        QFile::remove(report);
        QProcessEnvironment env = languageEnvironment(QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("LD_PRELOAD"), binPath(QStringLiteral("libfaultshim.so")));
        env.insert(QStringLiteral("VELTRUM_FAULT_ROOT"), root);
        env.insert(QStringLiteral("VELTRUM_FAULT_AT"), QString::number(at));
        env.insert(QStringLiteral("VELTRUM_FAULT_ERRNO"), QStringLiteral("EIO"));
        env.insert(QStringLiteral("VELTRUM_FAULT_KILL"), kill ? QStringLiteral("1") : QString());
        env.insert(QStringLiteral("VELTRUM_FAULT_REPORT"), report);
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(binPath(QStringLiteral("veltrum")), turnover(root));
        Faulted run;
        if (!process.waitForFinished(120000)) {
            ADD_FAILURE() << "veltrum turnover did not end";
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.err = QString::fromUtf8(process.readAllStandardError());
        QFile file(report);
        if (file.open(QIODevice::ReadOnly)) {
            for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
                if (line.startsWith(QLatin1String("count ")))
                    run.operations = line.mid(6).toLong();
                else if (line.startsWith(QLatin1String("failed ")))
                    run.failedOperation = line.mid(7).replace(root, QString());
            }
        }
        return run;
    }

    // The findings of verify: the closings, then the reconciliation of the days.
    static QStringList verified(const QString &root)
    {
        const TClosingLedger ledger(root);
        QStringList texts;
        for (const TClosingFinding &finding : verifyClosings(root, ledger))
            texts << finding.text;
        for (const TReconciliationFinding &finding : TReconciliationCheck(root, ledger).run())
            texts << finding.text;
        return texts;
    }

    static bool archivesEmpty(const QString &root)
    {
        return QDir(root + QStringLiteral("var/archives"))
                .entryList({QStringLiteral("a*")}, QDir::Files)
                .isEmpty();
    }

    // One run under the shim, then verify, the rerun and verify again.
    void faultAt(const QString &root, long at, bool kill, std::map<QString, int> &tally)
    {
        const Faulted run = underShim(root, at, kill);
        SCOPED_TRACE(qPrintable(QStringLiteral("%1 at operation %2 (%3): exit %4, %5")
                                        .arg(kill ? QStringLiteral("cut") : QStringLiteral("EIO"))
                                        .arg(at)
                                        .arg(run.failedOperation)
                                        .arg(run.code)
                                        .arg(run.err.trimmed())));
        if (kill) {
            EXPECT_EQ(-1, run.code);
        }
        // what 'veltrum verify' exits with: 0 exactly when it finds nothing
        const QString state = wholeness(root);
        QStringList findings = verified(root);
        EXPECT_EQ(state.isEmpty(), findings.isEmpty())
                << qPrintable(state) << "\n"
                << qPrintable(findings.join(QLatin1Char('\n')));
        if (run.code == 0) {
            // said done: it is
            EXPECT_EQ(QString(), state);
            EXPECT_TRUE(archivesEmpty(root));
        }
        ++tally[QStringLiteral("%1 -> exit %2, %3")
                        .arg(run.failedOperation.section(QLatin1Char(' '), 0, 0))
                        .arg(run.code)
                        .arg(state.isEmpty() ? QStringLiteral("whole")
                                             : QStringLiteral("not whole"))];

        // the rerun and the verifier in this process, as the commands run them
        TurnoverData data;
        data.setDataPath(root);
        data.setTurnoverDate(Day);
        data.setApplicationName(QStringLiteral("rerun"));
        TClosingOutcome rerun;
        EXPECT_EQ(0, executeTurnover(data, rerun)) << qPrintable(rerun.summary());
        EXPECT_EQ(TClosingOutcome::Done, rerun.status()) << qPrintable(rerun.summary());
        EXPECT_EQ(QString(), wholeness(root));
        EXPECT_TRUE(archivesEmpty(root));
        findings = verified(root);
        EXPECT_TRUE(findings.isEmpty()) << qPrintable(findings.join(QLatin1Char('\n')));
    }

    void sweep(bool kill)
    {
        const QString root = fresh();
        const Faulted clean = underShim(root, 0, false);
        ASSERT_EQ(0, clean.code) << qPrintable(clean.err);
        ASSERT_GT(clean.operations, 50);
        std::map<QString, int> tally;
        for (long at = 1; at <= clean.operations; ++at) {
            faultAt(fresh(), at, kill, tally);
            if (HasFailure())
                break;
        }
        const QString path = qEnvironmentVariable("VELTRUM_SWEEP_TABLE");
        if (path.isEmpty())
            return;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        QTextStream out(&file);
        out << "\nveltrum turnover, " << (kill ? "cut" : "EIO") << " at each of "
            << clean.operations << " file calls\n\n| call -> exit, state | runs |\n|---|---|\n";
        for (const auto &[what, count] : tally)
            out << "| " << what << " | " << count << " |\n";
    }

    TestDir dir;
    inline static TestDir *templateDir = nullptr;
};

} // namespace

TEST_F(ClosingUnderFaults, FailedOnceAtEachFileCall)
{
    sweep(false);
}

TEST_F(ClosingUnderFaults, CutOffAtEachFileCall)
{
    sweep(true);
}
