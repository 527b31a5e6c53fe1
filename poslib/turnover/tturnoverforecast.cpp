#include "tturnover.h"

#include "tclosingnumbers.h"
#include "tcounter.h"
#include "terror.h"
#include "tinstallation.h"
#include "tpendingclosing.h"
#include "tround.h"
#include "ttable.h"
#include "ttablelist.h"
#include "tturnoverfiles.h"
#include "turnoverdata.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

using namespace Basics;
using namespace PosLib::TurnoverFiles;

namespace PosLib {

namespace {

// True when another process holds a lock on "turnover.lck" that would
// keep a run from taking it. Only asks: a file that is not there is free,
// and nothing is locked or written.
bool lockIsBusy(const QString &root)
{
    const QByteArray path
            = QFile::encodeName(installationDir(root, QStringLiteral("var/lock"), false)
                                + QStringLiteral("turnover.lck"));
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct flock probe = {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
#ifdef F_OFD_GETLK
    const int command = F_OFD_GETLK;
#else
    const int command = F_GETLK;
#endif
    const bool busy = ::fcntl(fd, command, &probe) != 0 || probe.l_type != F_UNLCK;
    ::close(fd);
    return busy;
}

QStringList journalLines(const QString &path)
{
    QFile file(path);
    QStringList lines;
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    while (!file.atEnd()) {
        const QString line = QString::fromLocal8Bit(file.readLine()).trimmed();
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

} // namespace

TTurnoverForecast forecastTurnover(const TurnoverData &data)
{
    TTurnoverForecast forecast;
    const QString root = data.dataPath();
    const QDate day = data.turnoverDate();
    TValue *waiter = data.waiter();
    forecast.dayDirectory = statistDayDir(day, root);
    forecast.journal = journalLines(forecast.dayDirectory + QStringLiteral("turnover.z"));

    // the counters the run would draw, also when it would be refused, as
    // the run checks them against the numbers used
    const TUsedNumbers used = usedNumbers(root);
    TPendingClosing cut;
    const bool cutOff = loadPendingClosing(root, &cut);
    const TCounterCheck zCheck = checkZCounter(root, used, cutOff ? cut.z : 0);
    const TCounterCheck dayCheck = checkDayZCounter(root, used, cutOff ? cut.dayZ : 0);
    forecast.zCounter = zCheck.verdict == TCounterCheck::Behind ? zCheck.held : zCheck.next();
    for (const TCounterCheck *check : {&zCheck, &dayCheck}) {
        if (check->verdict == TCounterCheck::Behind && forecast.problem.isEmpty())
            forecast.problem = check->text();
        else if (check->verdict != TCounterCheck::Fine)
            forecast.notes << check->text();
    }
    const QString dayCounter = forecast.dayDirectory + QStringLiteral("zcount.dat");
    const TCounter::Reading dayHeld
            = QFileInfo::exists(dayCounter)
                      ? TCounter(forecast.dayDirectory, QStringLiteral("zcount.dat"))
                                .read(QStringLiteral("z"))
                      : TCounter::Reading();
    forecast.dayZ = dayHeld.state == TCounter::Reading::Held ? dayHeld.value
                                                             : recordedDayZ(forecast.dayDirectory);
    if (forecast.dayZ == 0 && cutOff && cut.date == day)
        forecast.dayZ = cut.dayZ;
    forecast.drawsDayZ = forecast.dayZ == 0;
    if (forecast.drawsDayZ)
        forecast.dayZ = dayCheck.verdict == TCounterCheck::Behind ? dayCheck.held : dayCheck.next();
    if (!forecast.problem.isEmpty()) {
        forecast.result = TurnoverError;
        return forecast;
    }

    if (lockIsBusy(root)) {
        forecast.lockBusy = true;
        forecast.result = TurnoverAlreadyDone;
        return forecast;
    }
    if (waiter) {
        if (QFileInfo::exists(installationDir(root, QStringLiteral("var/tables"), false))
            && hasOpenTable(root, waiter, TTable::ShowOwn)) {
            forecast.result = TurnoverOpenTables;
            return forecast;
        }
        if (journalHasWaiterRun(forecast.dayDirectory + QStringLiteral("turnover.z"),
                                waiter->id())) {
            forecast.result = TurnoverAlreadyDone;
            return forecast;
        }
    }

    // a killed run's copy that reached the day: the run drops its source
    QString completed;
    QPair<QString, QString> noted;
    try {
        noted = notedMove(root);
    } catch (const TError &) {
        // the run itself will say that the note cannot be read
    }
    const auto &[source, target] = noted;
    if (!source.isEmpty() && QFileInfo::exists(source)) {
        forecast.pendingMove = QFileInfo(source).fileName();
        if (QFileInfo::exists(target))
            completed = forecast.pendingMove;
    }

    const QString archives = installationDir(root, QStringLiteral("var/archives"), false);
    QList<QPair<long, QString>> files = archiveFiles(archives);
    files.removeIf([&](const auto &file) { return file.second == completed; });
    if (files.isEmpty() && data.cancelTurnover()) {
        forecast.result = TurnoverNothingToMove;
        return forecast;
    }
    for (const auto &file : files) {
        TTable table(file.first, waiter, root);
        try {
            table.load(table.filePath(), false, 0);
        } catch (const TError &) {
            continue; // the run cannot stamp it either
        }
        if (table.state() != TTable::Open)
            continue;
        if (waiter && table.create().waiter() != waiter->id())
            continue;
        forecast.bills << file.second;
        // a paid bill's open amount is 0: its total is the highest it reached
        forecast.amount += roundHalfUp(table.maxAmount());
    }

    return forecast;
}

QList<TOpenTable> openTables(const QString &root, TValue *owner)
{
    QList<TOpenTable> tables;
    if (!QFileInfo::exists(installationDir(root, QStringLiteral("var/tables"), false)))
        return tables;
    std::unique_ptr<TTableList> list(activeTables(root));
    TTableIterator it(list.get(), false, 0, owner, root);
    it.setReleasePassed(true);
    it.setIncludeHeld(true);
    for (TTable *table = it.first(); table; table = it.next()) {
        TOpenTable open;
        open.table = table->table();
        open.party = table->party();
        open.waiter = table->create().waiter();
        open.waiterName = table->create().waiterName();
        open.heldBy = table->state() == TTable::Locked ? std::max(1, table->heldBy()) : 0;
        open.amount = roundHalfUp(table->amount());
        tables << open;
    }
    return tables;
}

} // namespace PosLib
