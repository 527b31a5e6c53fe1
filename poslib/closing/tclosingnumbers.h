#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace PosLib {

// The Z numbers an installation has used so far, as its day directories
// tell. The counters must stay ahead of them: a counter restored from a
// backup, damaged or missing would otherwise hand out a Z counter value
// (or a day's Z number) a second time.
struct TUsedNumbers
{
    long z = 0; // the highest Z counter value of a journal line or a record; 0 for none
    QString zFile; // where it was found, relative to the installation
    long dayZ = 0; // the highest day Z number of a day directory; 0 for none
    QString dayZFile;
};
// What one day directory tells of the Z counter values used: the highest
// of its journal ("turnover.z") and the names of its closing records.
struct TDayNumbers
{
    QString name; // the directory's name, "tag05.03.2014"
    long journalZ = 0; // 0 when the journal holds none or cannot be read
    QStringList records; // "closing-*.json"
};
// Reads the journal of the day directory `dayDir` (with "/") and lists its
// closing records.
TDayNumbers readDayNumbers(const QString &dayDir, const QString &name);

// Reads the days' journals, the names of their closing records and their
// "zcount.dat" (for a day whose counter is damaged: its records). Reads
// only; files that cannot be read add nothing.
TUsedNumbers usedNumbers(const QString &root);
// The same for a reader that has just read the day directories itself:
// `days` holds every day directory in name order, and only the days'
// counters are read here.
TUsedNumbers usedNumbers(const QString &root, const QList<TDayNumbers> &days);

// The day Z number the closing records of the day directory `dayDir` name;
// 0 when none does.
long recordedDayZ(const QString &dayDir);

// A counter file checked against the numbers used.
struct TCounterCheck
{
    enum Verdict {
        Fine, // ahead of every number used (or nothing used yet and no file)
        Missing, // no file, or no counter in it, while numbers were used
        Damaged, // the file holds no readable counter
        Behind, // it holds a number that was used already: a backup was restored
    };
    Verdict verdict = Fine;
    QString file; // relative to the installation: "counter.dat", "var/statist/zcount.dat"
    long held = 0; // the counter as the file holds it (Fine, Behind)
    long used = 0; // the highest number used
    QString usedFile;

    // The value the counter must hold to go on: what it holds when it is
    // fine, the one after the highest used when it is missing or damaged;
    // 0 when it is behind (nobody can tell which number is next).
    long next() const;
    // What is wrong, for the log and the user (translated); for a counter
    // behind also what to do. Empty when it is fine.
    QString text() const;
};

// "counter.dat" in the installation ("zcounter") against the Z counter
// values used. `pendingZ`, the Z of a cut-off closing's note (0 for
// none), counts as used unless the counter still holds it (the closing
// was cut off before the counter moved). Throws the counter's file errors.
TCounterCheck checkZCounter(const QString &root, const TUsedNumbers &used, long pendingZ);
// "zcount.dat" in "var/statist" ("z"), the next day's Z number, against the
// day Z numbers used; `pendingDayZ` as above.
TCounterCheck checkDayZCounter(const QString &root, const TUsedNumbers &used, long pendingDayZ);

} // namespace PosLib
