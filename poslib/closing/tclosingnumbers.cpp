#include "tclosingnumbers.h"

#include "tclosingledger.h"
#include "tclosingrecord.h"
#include "tcounter.h"
#include "terror.h"
#include "tfilenames.h"
#include "tinstallation.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace PosLib {

namespace {

// The texts of this file, translated in the context "TClosingNumbers".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TClosingNumbers)
};

QString relativeDay(const QString &dayName, const QString &file)
{
    return QStringLiteral("var/statist/") + dayName + QLatin1Char('/') + file;
}

void raise(long &highest, QString &where, long value, const QString &file)
{
    if (value > highest) {
        highest = value;
        where = file;
    }
}

TCounterCheck check(const QString &dir, const QString &fileName, const QString &relative,
                    const QString &counterName, long used, const QString &usedFile, long pending)
{
    TCounterCheck result;
    result.file = relative;
    result.used = used;
    result.usedFile = usedFile;
    // read only: no directory is made for a counter that is not there
    const TCounter::Reading reading = QFileInfo::exists(dir + fileName)
                                              ? TCounter(dir, fileName).read(counterName)
                                              : TCounter::Reading();
    // a cut-off closing's number counts unless the counter still holds it:
    // then it was cut before the counter moved, and nobody has it
    if (pending > 0 && !(reading.state == TCounter::Reading::Held && reading.value == pending)
        && pending > result.used) {
        result.used = pending;
        result.usedFile = QStringLiteral("var/lock/turnover.run");
    }
    switch (reading.state) {
    case TCounter::Reading::Absent:
        result.verdict = result.used > 0 ? TCounterCheck::Missing : TCounterCheck::Fine;
        result.held = result.used > 0 ? 0 : 1;
        break;
    case TCounter::Reading::Damaged:
        result.verdict = TCounterCheck::Damaged;
        break;
    case TCounter::Reading::Held:
        result.held = reading.value;
        result.verdict = reading.value > result.used ? TCounterCheck::Fine : TCounterCheck::Behind;
        break;
    }
    return result;
}

// The Z number of a day directory: its counter's, or its records' when the
// counter is missing or damaged; 0 when nothing tells.
long dayNumber(const QString &dayDir)
{
    if (QFileInfo::exists(dayDir + QStringLiteral("zcount.dat"))) {
        try {
            const TCounter::Reading reading
                    = TCounter(dayDir, QStringLiteral("zcount.dat")).read(QStringLiteral("z"));
            if (reading.state == TCounter::Reading::Held)
                return reading.value;
        } catch (const Basics::TError &) {
            // as if damaged: the records may tell
        }
    }
    return recordedDayZ(dayDir);
}

QString countersDir(const QString &root)
{
    return root.isEmpty() ? QStringLiteral("./") : root;
}

} // namespace

TDayNumbers readDayNumbers(const QString &dayDir, const QString &name)
{
    TDayNumbers day;
    day.name = name;
    for (const TJournalEntry &entry : readJournal(dayDir))
        day.journalZ = std::max(day.journalZ, entry.z);
    day.records = Basics::fileNamesMatching(dayDir, QStringLiteral("closing-*.json"));
    return day;
}

TUsedNumbers usedNumbers(const QString &root)
{
    const QString statist = installationDir(root, QStringLiteral("var/statist"), false);
    QList<TDayNumbers> days;
    for (const QString &name : TClosingLedger::dayDirectoryNames(statist))
        days << readDayNumbers(statist + name + QLatin1Char('/'), name);
    return usedNumbers(root, days);
}

TUsedNumbers usedNumbers(const QString &root, const QList<TDayNumbers> &days)
{
    TUsedNumbers used;
    const QString statist = installationDir(root, QStringLiteral("var/statist"), false);
    for (const TDayNumbers &day : days) {
        raise(used.z, used.zFile, day.journalZ,
              relativeDay(day.name, QStringLiteral("turnover.z")));
        for (const QString &name : day.records)
            raise(used.z, used.zFile, TClosingRecord::zOfFileName(name),
                  relativeDay(day.name, name));

        const long dayZ = dayNumber(statist + day.name + QLatin1Char('/'));
        raise(used.dayZ, used.dayZFile, dayZ, relativeDay(day.name, QStringLiteral("zcount.dat")));
    }
    return used;
}

long recordedDayZ(const QString &dayDir)
{
    const QStringList records = Basics::fileNamesMatching(dayDir, QStringLiteral("closing-*.json"));
    for (const QString &name : records) {
        QFile file(dayDir + name);
        TClosingRecord record;
        if (file.open(QIODevice::ReadOnly)
            && TClosingRecord::fromBytes(file.readAll(), &record, nullptr) && record.dayZ > 0)
            return record.dayZ;
    }
    return 0;
}

long TCounterCheck::next() const
{
    switch (verdict) {
    case Fine:
        return held;
    case Missing:
    case Damaged:
        return used + 1;
    case Behind:
        break;
    }
    return 0;
}

QString TCounterCheck::text() const
{
    switch (verdict) {
    case Fine:
        break;
    case Missing:
        return Text::tr("%1 is missing, but %2 was used already (%3); it continues with %4")
                .arg(file)
                .arg(used)
                .arg(usedFile)
                .arg(next());
    case Damaged:
        if (used == 0)
            return Text::tr("%1 is damaged and nothing was used yet; it starts with 1").arg(file);
        return Text::tr("%1 is damaged; %2 was used already (%3), it continues with %4")
                .arg(file)
                .arg(used)
                .arg(usedFile)
                .arg(next());
    case Behind:
        return Text::tr("%1 holds %2, but %3 was used already (%4): the counter was set back, "
                        "perhaps by a restored backup, and would hand out a number twice. If the "
                        "installation is as it should be, delete %1: the next closing then "
                        "continues after %3")
                .arg(file)
                .arg(held)
                .arg(used)
                .arg(usedFile);
    }
    return QString();
}

TCounterCheck checkZCounter(const QString &root, const TUsedNumbers &used, long pendingZ)
{
    return check(countersDir(root), QStringLiteral("counter.dat"), QStringLiteral("counter.dat"),
                 QStringLiteral("zcounter"), used.z, used.zFile, pendingZ);
}

TCounterCheck checkDayZCounter(const QString &root, const TUsedNumbers &used, long pendingDayZ)
{
    return check(installationDir(root, QStringLiteral("var/statist"), false),
                 QStringLiteral("zcount.dat"), QStringLiteral("var/statist/zcount.dat"),
                 QStringLiteral("z"), used.dayZ, used.dayZFile, pendingDayZ);
}

} // namespace PosLib
