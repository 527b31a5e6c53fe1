#include "tclosingrun.h"

#include "tclosingbills.h"
#include "tclosingledger.h"
#include "tclosingnumbers.h"
#include "tclosingrecorder.h"
#include "tcounter.h"
#include "terror.h"
#include "tinstallation.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tsavefile.h"
#include "tturnover.h"
#include "turnoverdata.h"
#include "tvalue.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

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

void logWarning(const QString &text)
{
    TLog::instance().log(TLog::Warning, text, LogModule::Library, LogClass::Turnover);
}

// Sets a counter file that is missing or damaged to `next`, or refuses one
// that is behind. Returns the refusal, empty when the run may go on.
QString repair(const TCounterCheck &check, const QString &dir, const QString &file,
               const QString &name, QStringList *notes)
{
    switch (check.verdict) {
    case TCounterCheck::Fine:
        return QString();
    case TCounterCheck::Behind:
        return check.text();
    case TCounterCheck::Missing:
    case TCounterCheck::Damaged:
        break;
    }
    TCounter(dir, file).set(name, check.next());
    logWarning(check.text());
    if (notes)
        *notes << check.text();
    return QString();
}

// Keeps the day directory's counter at `dayZ` and "var/statist/zcount.dat"
// beyond it.
void storeDayZ(const QString &root, const QString &dayDir, long dayZ)
{
    TCounter(dayDir, QStringLiteral("zcount.dat")).set(QStringLiteral("z"), dayZ);
    TCounter statist(statistDir(root), QStringLiteral("zcount.dat"));
    const TCounter::Reading next = statist.read(QStringLiteral("z"));
    if (next.state != TCounter::Reading::Held || next.value <= dayZ)
        statist.set(QStringLiteral("z"), dayZ + 1);
}

// Complete journal lines only: a line without its end is one a cut left
// half written.
bool journalHasZ(const QString &journal, long z)
{
    QFile file(journal);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (!line.endsWith('\n'))
            break;
        const TJournalEntry entry = parseJournalLine(QString::fromLocal8Bit(line).trimmed());
        if (entry.ok && entry.z == z)
            return true;
    }
    return false;
}

// Drops a last line that a cut left without its end, so that the line
// appended next starts a line of its own.
void dropCutLine(const QString &journal)
{
    QFile file(journal);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    file.close();
    if (bytes.isEmpty() || bytes.endsWith('\n'))
        return;
    const QByteArray whole = bytes.left(bytes.lastIndexOf('\n') + 1);
    TSaveFile save(journal);
    save.open();
    save.write(whole);
    save.commit();
    logWarning(QStringLiteral("Dropped the unfinished last line of %1: %2")
                       .arg(journal, QString::fromLocal8Bit(bytes.mid(whole.size()))));
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

QString checkClosingCounters(const QString &root, QStringList *notes)
{
    const TUsedNumbers used = usedNumbers(root);
    TPendingClosing pending;
    const bool noted = loadPendingClosing(root, &pending);
    QString refused = repair(checkZCounter(root, used, noted ? pending.z : 0), countersDir(root),
                             QStringLiteral("counter.dat"), QStringLiteral("zcounter"), notes);
    if (!refused.isEmpty())
        return refused;
    return repair(checkDayZCounter(root, used, noted ? pending.dayZ : 0), statistDir(root),
                  QStringLiteral("zcount.dat"), QStringLiteral("z"), notes);
}

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
    if (!data.cashCount().isEmpty())
        run.cashCount
                = TCashCountInput::fromJson(QJsonDocument::fromJson(data.cashCount()).object());

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

long closingDayZ(const QString &root, TPendingClosing &run)
{
    const QString dayDir = installationDir(
            root, QStringLiteral("var/statist/") + statistDayName(run.date), true);
    const QString path = dayDir + QStringLiteral("zcount.dat");
    const TCounter::Reading held
            = TCounter(dayDir, QStringLiteral("zcount.dat")).read(QStringLiteral("z"));
    if (held.state == TCounter::Reading::Held)
        return held.value;

    // the number the day had, as its records or this run's note tell
    long known = recordedDayZ(dayDir);
    QString source = QStringLiteral("its closing records");
    if (known == 0 && run.dayZ > 0) {
        known = run.dayZ;
        source = pendingClosingPath(root);
    }
    if (known > 0) {
        storeDayZ(root, dayDir, known);
        if (QFileInfo::exists(path) && held.state == TCounter::Reading::Damaged)
            logWarning(QStringLiteral("%1 was damaged: the day's Z number %2 is restored from %3")
                               .arg(path)
                               .arg(known)
                               .arg(source));
        else if (run.dayZ != known)
            logWarning(QStringLiteral("%1 was missing: the day's Z number %2 is restored from %3")
                               .arg(path)
                               .arg(known)
                               .arg(source));
        return known;
    }
    if (held.state == TCounter::Reading::Damaged) {
        // the day had a number nobody can tell any more: a new one would
        // give the day two
        TLog::instance().log(TLog::Error,
                             QStringLiteral("%1 is damaged and no closing record of the day names "
                                            "its Z number")
                                     .arg(path),
                             LogModule::Library, LogClass::Turnover);
        throw TFileError(T_SOURCE, 304, 5, EILSEQ, path);
    }

    // a new number for the day, noted before the counter moves
    TCounter statist(statistDir(root), QStringLiteral("zcount.dat"));
    run.dayZ = statist.get(QStringLiteral("z"));
    savePendingClosing(root, run);
    const long taken = statist.next(QStringLiteral("z"));
    if (taken != run.dayZ) {
        run.dayZ = taken;
        savePendingClosing(root, run);
    }
    TCounter(dayDir, QStringLiteral("zcount.dat")).set(QStringLiteral("z"), taken);
    return taken;
}

void finishClosing(const TurnoverData &data, const TPendingClosing &run, long dayZ, bool keepNote)
{
    recordClosing(data.dataPath(), run, dayZ, data.now());
    if (!keepNote)
        removePendingClosing(data.dataPath());
}

long completeCutOffClosing(const QString &root, const QDateTime &now)
{
    TPendingClosing run;
    if (!loadPendingClosing(root, &run)) {
        // a note is renamed into place whole: one that does not read is no note
        removePendingClosing(root);
        return 0;
    }
    const TCounter::Reading counter = TCounter(countersDir(root), QStringLiteral("counter.dat"))
                                              .read(QStringLiteral("zcounter"));
    if (counter.state == TCounter::Reading::Held && counter.value == run.z) {
        // cut before the counter moved: the Z was never given out, and
        // nothing was stamped or moved with it; the next run takes it
        removePendingClosing(root);
        return 0;
    }
    if (counter.state != TCounter::Reading::Held || counter.value < run.z)
        // set back or unreadable: checkClosingCounters() has the word
        return 0;

    const QString dayDir = installationDir(
            root, QStringLiteral("var/statist/") + statistDayName(run.date), true);
    const long dayZ = closingDayZ(root, run);

    const QString journal = dayDir + QStringLiteral("turnover.z");
    dropCutLine(journal);
    if (!journalHasZ(journal, run.z)) {
        int moved = 0;
        for (const auto &file : dayBillFiles(dayDir)) {
            const TStoredBill stored = readStoredBill(dayDir + file.second);
            if (!stored.readable)
                throw *stored.error; // it may carry this Z
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
    else
        anchorClosingRecord(root, run.date, run.z); // cut after the record
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
