#include "tclosingrun.h"

#include "tclosingbills.h"
#include "tclosingledger.h"
#include "tclosingrecorder.h"
#include "tcounter.h"
#include "terror.h"
#include "tinstallation.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tturnover.h"
#include "turnoverdata.h"
#include "tvalue.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <memory>
#include <unistd.h>

using namespace Basics;

namespace PosLib {

namespace {

QString countersDir(const QString &root)
{
    return root.isEmpty() ? QStringLiteral("./") : root;
}

// The day's Z number, drawn from "var/statist" by the day's first run.
long dayZNumber(const QString &root, const QString &dayDir)
{
    if (!QFileInfo::exists(dayDir + QStringLiteral("zcount.dat"))) {
        const long z = TCounter(statistDir(root), QStringLiteral("zcount.dat"))
                               .next(QStringLiteral("z"));
        TCounter(dayDir, QStringLiteral("zcount.dat")).set(QStringLiteral("z"), z);
        return z;
    }
    return TCounter(dayDir, QStringLiteral("zcount.dat")).get(QStringLiteral("z"));
}

bool journalHasZ(const QString &journal, long z)
{
    QFile file(journal);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    while (!file.atEnd()) {
        const TJournalEntry entry
                = parseJournalLine(QString::fromLocal8Bit(file.readLine()).trimmed());
        if (entry.ok && entry.z == z)
            return true;
    }
    return false;
}

std::unique_ptr<TValue> person(int number, const QString &name)
{
    if (number == 0)
        return nullptr;
    auto value = std::make_unique<TValue>();
    value->setId(number);
    value->setName(name);
    return value;
}

} // namespace

TPendingClosing beginClosing(TurnoverData &data)
{
    const QString root = data.dataPath();
    TPendingClosing run;
    run.date = data.turnoverDate();
    if (const TValue *waiter = data.waiter()) {
        run.waiter = int(waiter->id());
        run.waiterName = waiter->getString(QStringLiteral("name"));
    }
    if (const TValue *executing = data.turnoverWaiter()) {
        run.executingWaiter = int(executing->id());
        run.executingWaiterName = executing->getString(QStringLiteral("name"));
    }
    run.application = data.applicationName();
    run.terminal = data.terminalId();
    run.costCenter = data.costCenterId();
    run.start = data.now();

    // noted before the counter moves: a cut between the two leaves a note
    // whose Z the counter has not given out yet, never a Z without a note
    TCounter counter(countersDir(root), QStringLiteral("counter.dat"));
    run.z = counter.get(QStringLiteral("zcounter"));
    savePendingClosing(root, run);
    const long taken = counter.next(QStringLiteral("zcounter"));
    if (taken != run.z) {
        // another program drew a value in between
        run.z = taken;
        savePendingClosing(root, run);
    }
    data.setZCounter(taken);
    return run;
}

void finishClosing(const TurnoverData &data, const TPendingClosing &run)
{
    const QString root = data.dataPath();
    const QString dayDir = statistDayDir(run.date, root);
    recordClosing(root, run,
                  TCounter(dayDir, QStringLiteral("zcount.dat")).get(QStringLiteral("z")),
                  data.now());
    removePendingClosing(root);
}

long completeCutOffClosing(const QString &root, const QDateTime &now)
{
    TPendingClosing run;
    if (!loadPendingClosing(root, &run)) {
        // a note is renamed into place whole: one that does not read is no note
        removePendingClosing(root);
        return 0;
    }
    // cut before the counter moved: the Z was never given out, and nothing
    // was stamped or moved with it; the next run takes it
    TCounter counter(countersDir(root), QStringLiteral("counter.dat"));
    if (counter.get(QStringLiteral("zcounter")) <= run.z) {
        removePendingClosing(root);
        return 0;
    }

    const QString dayDir = installationDir(
            root, QStringLiteral("var/statist/") + statistDayName(run.date), true);
    const long dayZ = dayZNumber(root, dayDir);

    const QString journal = dayDir + QStringLiteral("turnover.z");
    if (!journalHasZ(journal, run.z)) {
        int moved = 0;
        for (const auto &file : dayBillFiles(dayDir)) {
            const TStoredBill stored = readStoredBill(dayDir + file.second, run.date, root);
            if (stored.ok && stored.zCount == run.z)
                ++moved;
        }
        TurnoverData data;
        data.setDataPath(root);
        data.setTurnoverDate(run.date);
        const std::unique_ptr<TValue> waiter = person(run.waiter, run.waiterName);
        const std::unique_ptr<TValue> executing
                = person(run.executingWaiter, run.executingWaiterName);
        data.setWaiter(waiter.get());
        data.setTurnoverWaiter(executing.get());
        data.setApplicationName(run.application);
        data.setTerminalId(run.terminal);
        data.setCostCenterId(run.costCenter);
        data.setZCounter(run.z);
        QFile file(journal);
        const QByteArray line = turnoverJournalLine(data, moved).toLocal8Bit();
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(line) != line.size()
            || !file.flush() || ::fsync(file.handle()) != 0)
            throw TFileError(T_SOURCE, 305, 308, errno, journal);
    }
    if (!QFileInfo::exists(dayDir + TClosingRecord::fileName(run.z)))
        recordClosing(root, run, dayZ, now, true);
    removePendingClosing(root);
    TLog::instance().log(
            TLog::Warning,
            QStringLiteral("Completed the closing with Z counter %1 of %2, which was cut off")
                    .arg(run.z)
                    .arg(run.date.toString(Qt::ISODate)),
            LogModule::Library, LogClass::Turnover);
    return run.z;
}

} // namespace PosLib
