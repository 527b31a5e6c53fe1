#include "tturnover.h"
#include "tturnoverfiles.h"

#include "tarchinfo.h"
#include "tarchtable.h"
#include "tclosingnumbers.h"
#include "tclosingoutcome.h"
#include "tclosingrun.h"
#include "tcounter.h"
#include "tdir.h"
#include "terror.h"
#include "tfile.h"
#include "tfilelock.h"
#include "tinstallation.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tpendingclosing.h"
#include "tround.h"
#include "tsavefile.h"
#include "ttable.h"
#include "ttablelist.h"
#include "tuploadstatistics.h"
#include "turnoverdata.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace Basics;
using namespace PosLib::TurnoverFiles;

namespace PosLib {

namespace {

constexpr int LockWaitMs = 1000;
constexpr int LockPauseMs = 50;

TurnoverProbe &probe()
{
    static TurnoverProbe instance;
    return instance;
}

void report(TurnoverStep step, const QString &archiveFile)
{
    if (probe())
        probe()(step, archiveFile);
}

void logTurnover(int level, const QString &text, const char *klass = LogClass::Turnover)
{
    TLog::instance().log(level, text, LogModule::Library, klass);
}

// "turnover.lck": taken by one run at a time, across programs. The file
// exists only while a run holds it; a run that died leaves it behind, and
// the next one takes it as soon as no process holds its lock.
class TTurnoverLock
{
public:
    explicit TTurnoverLock(const QString &path)
        : m_path(QFile::encodeName(path))
    { }
    ~TTurnoverLock() { release(); }
    TTurnoverLock(const TTurnoverLock &) = delete;
    TTurnoverLock &operator=(const TTurnoverLock &) = delete;

    // Tries until `waitMs` have passed. False when another run holds it,
    // or at once when the file cannot be made (error() tells why).
    bool take(int waitMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (!tryOnce()) {
            if (m_error != 0 || timer.elapsed() >= waitMs)
                return false;
            QThread::msleep(LockPauseMs);
        }
        return true;
    }
    // The errno of a lock file that could not be made; 0 when it was busy.
    int error() const { return m_error; }

    // Deletes the file while still holding it, then lets it go.
    void release()
    {
        if (m_fd < 0)
            return;
        ::unlink(m_path.constData());
        ::close(m_fd);
        m_fd = -1;
    }

private:
    bool tryOnce()
    {
        const int fd = ::open(m_path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) {
            // a full disk is no closing that runs elsewhere
            if (errno != EINTR)
                m_error = errno;
            return false;
        }
        if (!TFileLock::tryLock(fd, TFileLock::WriteLock)) {
            ::close(fd);
            return false;
        }
        // The run before may have deleted the file after we opened it: our
        // lock is then on a file nobody else sees.
        struct stat held, named;
        if (::fstat(fd, &held) != 0 || ::stat(m_path.constData(), &named) != 0
            || held.st_ino != named.st_ino || held.st_dev != named.st_dev) {
            ::close(fd);
            return false;
        }
        m_fd = fd;
        return true;
    }

    QByteArray m_path;
    int m_fd = -1;
    int m_error = 0;
};

// Deletes a file that may not be there.
void removeIfThere(const QString &path)
{
    if (QFileInfo::exists(path))
        deleteFile(path);
}

void syncFile(QFile &file, const QString &name)
{
    if (!file.flush() || ::fsync(file.handle()) != 0)
        throw TFileError(T_SOURCE, 305, 308, errno, name);
}

// The intent names the source and the target relative to the root, so it
// stays valid when the installation is reached by another path.
void writeIntent(const QString &root, const QString &source, const QString &target)
{
    const QString path = lockDir(root) + QLatin1String(IntentName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw TFileError(T_SOURCE, 301, 301, errno, path);
    const QDir base(root.isEmpty() ? QStringLiteral(".") : root);
    const QByteArray text = (base.relativeFilePath(source) + QLatin1Char('\n')
                             + base.relativeFilePath(target) + QLatin1Char('\n'))
                                    .toUtf8();
    if (file.write(text) != text.size())
        throw TFileError(T_SOURCE, 305, 308, errno, path);
    syncFile(file, path);
}

void removeIntent(const QString &root)
{
    removeIfThere(lockDir(root) + QLatin1String(IntentName));
}

// What a killed run left while it wrote its note or a closing record
// ("turnover.run.<pid>.tmp", "closing-<Z>.json.<pid>.tmp"): with the
// turnover lock held nobody writes them, so they go.
void removeLeftTemporaries(const QString &root, const QString &dayDir)
{
    QStringList dirs {dayDir};
    TPendingClosing pending;
    if (loadPendingClosing(root, &pending) && pending.date.isValid())
        dirs << statistDayDir(pending.date, root);
    const auto clean = [](const QString &dir, const QString &pattern) {
        const QDir listing(dir);
        for (const QString &name : listing.entryList({pattern}, QDir::Files | QDir::Hidden)) {
            const QString path = listing.filePath(name);
            try {
                deleteFile(path);
                logTurnover(TLog::Warning,
                            QStringLiteral("Removed %1, left by a run that was stopped").arg(path));
            } catch (const TError &e) {
                logTurnover(TLog::Error,
                            QStringLiteral("Could not remove %1: %2").arg(path, e.text()));
            }
        }
    };
    clean(lockDir(root), QStringLiteral("turnover.run.*.tmp"));
    for (const QString &dir : std::as_const(dirs))
        clean(dir, QStringLiteral("closing-*.json.*.tmp"));
}

bool sameContent(const QString &first, const QString &second)
{
    TFile a(first);
    TFile b(second);
    a.open(QIODevice::ReadOnly);
    b.open(QIODevice::ReadOnly);
    return a.size() == b.size() && a.readRest() == b.readRest();
}

// Puts a durable copy of `source` in place as `target`, through the
// temporary of the target's directory, so a partial copy never carries a
// table's name. False when the copy came out short (nothing is placed).
bool placeCopy(const QString &source, const QString &target, const QString &archiveFile)
{
    const QString temporary = QFileInfo(target).path() + QLatin1Char('/') + QLatin1String(CopyName);
    return copyDurably(source, target, temporary,
                       [&] { report(TurnoverStep::Copying, archiveFile); });
}

// Finishes a move that a killed run left half done: a copy that reached
// its final name means the bill is in the day directory, so its source
// goes; otherwise the source stays and this run moves it.
void completeInterruptedMove(const QString &root)
{
    const QString intent = lockDir(root) + QLatin1String(IntentName);
    if (!QFileInfo::exists(intent))
        return;
    const auto [source, target] = notedMove(root);
    if (!source.isEmpty()) {
        removeIfThere(QFileInfo(target).path() + QLatin1Char('/') + QLatin1String(CopyName));
        if (QFileInfo::exists(target) && QFileInfo::exists(source)) {
            // a terminal may have rewritten the bill since it was copied:
            // the newer one goes into the day
            if (!sameContent(source, target)
                && !placeCopy(source, target, QFileInfo(source).fileName())) {
                // the source stays, and this run moves it
                deleteFile(target);
                deleteFile(intent);
                return;
            }
            deleteFile(source);
            logTurnover(TLog::Warning, QStringLiteral("Completed the interrupted move of %1 to %2")
                                               .arg(source, target));
        }
    }
    deleteFile(intent);
}

// Moves one table file into the day directory as `target`. False when the
// copy came out short (the source stays); throws the file errors.
bool moveTable(const QString &root, const QString &source, const QString &target,
               const QString &archiveFile)
{
    writeIntent(root, source, target);
    if (!placeCopy(source, target, archiveFile)) {
        removeIntent(root);
        return false;
    }
    report(TurnoverStep::Copied, archiveFile);
    deleteFile(source);
    syncDirectory(QFileInfo(source).path());
    removeIntent(root);
    report(TurnoverStep::Moved, archiveFile);
    return true;
}

void appendJournal(const QString &path, const QString &line)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw TFileError(T_SOURCE, 301, 301, errno, path);
    const QByteArray bytes = line.toLocal8Bit();
    if (file.write(bytes) != bytes.size())
        throw TFileError(T_SOURCE, 305, 308, errno, path);
    syncFile(file, path);
}

// Stamps the bill and reads back its header. True when it is to move;
// otherwise it stays in "var/archives", and bills that stay for a fault
// (not for belonging to another waiter) are entered in the outcome.
bool stampForMove(TurnoverData &data, long number, const QString &file, const QString &source,
                  TClosingOutcome &outcome)
{
    TValue *waiter = data.waiter();
    try {
        TTable table(number, waiter, data.dataPath());
        data.setActualDateTime(data.now());
        // an empty bill is deleted by the stamp: said, not done silently
        const bool empty = QFileInfo(source).size() == 0;
        const int stamped = table.stampTurnover(data);
        if (empty && stamped == TTable::NoTableFile && !QFileInfo::exists(source)) {
            logTurnover(TLog::Warning,
                        QStringLiteral("Empty table file %1 was deleted").arg(source));
            outcome.note(
                    QCoreApplication::translate("TPaidTablesDoc", "the empty bill %1 was deleted")
                            .arg(file));
            return false;
        }
        if (stamped == TTable::StampNotWritten) {
            const TFileError error = table.saveError().value_or(
                    TFileError(T_SOURCE, 305, 308, EIO, table.filePath() + QLatin1String(".tmp")));
            logTurnover(TLog::Error,
                        QStringLiteral("Could not stamp file %1: %2, it stays in var/archives")
                                .arg(source, error.text()));
            outcome.leave(file, TLeftBill::StampNotWritten, &error);
            return false;
        }
        if (stamped == 3 && table.state() == TTable::Corrupt) {
            logTurnover(TLog::Error,
                        QStringLiteral("Damaged table file %1 stays in var/archives").arg(source));
            outcome.leave(file, TLeftBill::Damaged, nullptr);
            return false;
        }
        // refused tables (other waiters' out of reach) stay unstamped; the
        // header read below decides
        report(TurnoverStep::Stamped, file);
        if (!QFileInfo::exists(source))
            return false; // empty, deleted by the stamp, or taken back meanwhile
        table.load(table.filePath(), false, 0);
        if (table.state() == TTable::Corrupt) {
            outcome.leave(file, TLeftBill::Damaged, nullptr);
            return false;
        }
        if (table.state() != TTable::Open)
            return false;
        if (waiter && table.create().waiter() != waiter->id())
            return false;
    } catch (const TError &e) {
        // one unreadable bill does not keep the day open
        logTurnover(TLog::Error,
                    QStringLiteral("Could not read file %1: %2, it stays in var/archives")
                            .arg(source, e.text()));
        outcome.leave(file, TLeftBill::Unreadable, &e);
        return false;
    }
    return true;
}

int run(TurnoverData &data, TTurnoverLock &lock, TClosingOutcome &outcome)
{
    const QString root = data.dataPath();
    const QDate day = data.turnoverDate();
    TValue *waiter = data.waiter();

    // the day directory
    const QString dayName = statistDayName(day);
    const QString dayDir = installationDir(root, QStringLiteral("var/statist/") + dayName, true);
    data.setTurnoverPath(dayName);

    // what a cut-off run left: its bill's move, then (with the counters
    // checked against the numbers used) its journal line and record, so
    // that the checks below see it
    completeInterruptedMove(root);
    removeLeftTemporaries(root, dayDir);
    const QString refused = checkClosingCounters(root, &outcome.notes);
    if (!refused.isEmpty()) {
        logTurnover(TLog::Error, QStringLiteral("Turnover refused: %1").arg(refused));
        outcome.fail(refused, nullptr);
        return TurnoverError;
    }
    completeCutOffClosing(root, data.now());

    // a waiter closes once a day, and not while a table of theirs is open
    const QString journal = dayDir + QStringLiteral("turnover.z");
    if (waiter) {
        if (hasOpenTable(root, waiter, TTable::ShowOwn)) {
            outcome.fail(QCoreApplication::translate("TPaidTablesDoc",
                                                     "the waiter still owns an open table"),
                         nullptr);
            return TurnoverOpenTables;
        }
        if (journalHasWaiterRun(journal, waiter->id())) {
            outcome.fail(QCoreApplication::translate("TPaidTablesDoc",
                                                     "the waiter closed this day already"),
                         nullptr);
            return TurnoverAlreadyDone;
        }
    }

    removeIfThere(dayDir + QLatin1String(CopyName));

    // moved tables are numbered on from the day's highest ("a10.tmp" counts)
    long next = nextDayArchiveNumber(dayDir);

    const QString archives = archivesDir(root);
    const QList<QPair<long, QString>> files = archiveFiles(archives);
    if (files.isEmpty() && data.cancelTurnover()) {
        logTurnover(TLog::Info, QStringLiteral("No archive for turnover found. Cancel turnover."));
        outcome.fail(QCoreApplication::translate("TPaidTablesDoc", "nothing to move"), nullptr);
        return TurnoverNothingToMove;
    }

    // one Z counter per run, the value before the increment, noted before
    // anything moves
    TPendingClosing closing = beginClosing(data);

    for (const auto &file : files) {
        const long number = file.first;
        const QString source = archives + file.second;
        if (!stampForMove(data, number, file.second, source, outcome))
            continue;
        const QString target = dayDir + archiveFileName(next);
        try {
            if (moveTable(root, source, target, file.second)) {
                ++next;
                ++outcome.moved;
            } else {
                // the bill changed while it was copied: it stays for the next run
                outcome.leave(file.second, TLeftBill::NotMoved, nullptr);
            }
        } catch (const TError &e) {
            try {
                // the copy goes only while the source is still there: the
                // bill must stay in one place, never in none
                if (QFileInfo::exists(source))
                    removeIfThere(target);
                removeIfThere(dayDir + QLatin1String(CopyName));
                removeIntent(root);
            } catch (const TError &) {
                // the next run clears what is left
            }
            TLog::instance().log(
                    TLog::Error,
                    QStringLiteral("Could not move file %1: %2").arg(number).arg(e.text()),
                    LogModule::Library, LogClass::Turnover);
            if (QFileInfo::exists(source)) {
                outcome.leave(file.second, TLeftBill::NotMoved, &e);
            } else {
                // the source went: the copy under its name is the bill
                ++next;
                ++outcome.moved;
            }
        }
    }
    data.setMovedCount(outcome.moved);

    // the day's Z number is fixed by its first run; the journal records
    // the run. Either failing fails the run, the moved bills stay moved,
    // and the run's note stays for the next run to complete what is missing.
    long dayZ = 0;
    try {
        dayZ = closingDayZ(root, closing);
    } catch (const TError &e) {
        logTurnover(TLog::Error,
                    QStringLiteral("Could not give the day its Z number: %1").arg(e.text()));
        outcome.fail(QCoreApplication::translate("TPaidTablesDoc",
                                                 "the day's Z number could not be stored"),
                     &e);
    }
    bool journalled = false;
    try {
        appendJournal(journal, turnoverJournalLine(data, outcome.moved));
        journalled = true;
    } catch (const TError &e) {
        logTurnover(TLog::Error, QStringLiteral("Could not journal the run: %1").arg(e.text()));
        outcome.fail(QCoreApplication::translate("TPaidTablesDoc",
                                                 "the run could not be journalled in %1")
                             .arg(journal),
                     &e);
    }

    // a waiter run leaves the day open for others: its summary is rebuilt
    // when a report next needs it
    TArchTable summary(root, day);
    bool summaryBuilt = false;
    if (!waiter) {
        try {
            summary.build();
            summaryBuilt = true;
        } catch (const TError &e) {
            // the previous summary stays; reports find it older than the
            // day's tables and read those until a build succeeds
            logTurnover(TLog::Error,
                        QStringLiteral("Could not build the day summary: %1").arg(e.text()));
            outcome.addProblem(QCoreApplication::translate(
                                       "TPaidTablesDoc",
                                       "the day summary was not built; reports read the day's "
                                       "tables instead"),
                               &e);
        }
    } else if (QFileInfo::exists(summary.filePath())) {
        try {
            deleteFile(summary.filePath());
        } catch (const TError &) {
            logTurnover(TLog::Error,
                        QStringLiteral("Could not remove file %1").arg(summary.filePath()));
        }
    }

    // the record seals the bills and the summary as the run leaves them;
    // without it (or without the journal line) the note stays and the next
    // run writes what is missing. A record that could not name every bill
    // of the day fails the run: it would pass for complete.
    if (dayZ > 0) {
        try {
            finishClosing(data, closing, dayZ, !journalled);
        } catch (const TError &e) {
            logTurnover(TLog::Error,
                        QStringLiteral("Could not write the closing record: %1").arg(e.text()));
            outcome.fail(QCoreApplication::translate("TPaidTablesDoc",
                                                     "the closing record was not written; the "
                                                     "next closing writes it"),
                         &e);
        }
    }

    // the record went into the day directory after the summary: the
    // summary is still the day's, and reports must not take the new file
    // for a change of the day's tables
    if (summaryBuilt
        && ::utimensat(AT_FDCWD, QFile::encodeName(summary.filePath()).constData(), nullptr, 0)
                   != 0)
        logTurnover(TLog::Warning,
                    QStringLiteral("Could not stamp the day summary %1: %2")
                            .arg(summary.filePath(), QString::fromLocal8Bit(std::strerror(errno))));

    try {
        TArchInfos(root).rebuild();
    } catch (const TError &e) {
        logTurnover(TLog::Error,
                    QStringLiteral("Could not rebuild the archive index: %1").arg(e.text()));
        outcome.addProblem(QCoreApplication::translate("TPaidTablesDoc",
                                                       "the archive index var/.archives was not "
                                                       "rebuilt"),
                           &e);
    }

    const int uploaded = uploadStatistics(root, QStringLiteral("UploadStatistXml"), day);
    if (uploaded != 0)
        logTurnover(TLog::Error, QStringLiteral("Upload statist error, code %1").arg(uploaded),
                    LogClass::UploadFailed);
    else
        // At the failure's level, so that a log kept at ERROR tells how
        // every upload ended.
        logTurnover(TLog::Error, QStringLiteral("Upload statist success"));

    for (const TLeftBill &bill : std::as_const(outcome.leftBehind))
        logTurnover(TLog::Error, QStringLiteral("Left in var/archives: %1").arg(bill.text()));
    lock.release();
    return outcome.failure.isEmpty() ? TurnoverDone : TurnoverError;
}

} // namespace

bool hasOpenTable(const QString &root, TValue *owner, int visibility)
{
    std::unique_ptr<TTableList> list(activeTables(root));
    TTableIterator it(list.get(), false, visibility, owner, root);
    it.setReleasePassed(true);
    for (TTable *table = it.first(); table; table = it.next()) {
        if (table->state() == TTable::Open)
            return true;
    }
    return false;
}

void setTurnoverProbe(TurnoverProbe hook)
{
    probe() = std::move(hook);
}

long tableFileNumber(const QString &fileName)
{
    QString digits = fileName.mid(1);
    const int dot = int(digits.indexOf(QLatin1Char('.')));
    if (dot >= 0)
        digits.truncate(dot);
    bool ok = false;
    const long number = digits.toLong(&ok);
    return ok ? number : 0;
}

long nextDayArchiveNumber(const QString &dir)
{
    long highest = 0;
    const QStringList names = QDir(dir).entryList(QStringList(QStringLiteral("a*")),
                                                  QDir::Files | QDir::Hidden, QDir::Unsorted);
    for (const QString &name : names)
        highest = std::max(highest, tableFileNumber(name));
    return highest + 1;
}

QString turnoverJournalLine(const TurnoverData &data, int moved)
{
    QString line = QString::number(data.zCounter()) + QLatin1Char(':') + QString::number(moved);
    if (const TValue *waiter = data.waiter())
        line += QStringLiteral(";%1;%2")
                        .arg(waiter->id())
                        .arg(waiter->getString(QStringLiteral("name")));
    else
        line += QStringLiteral(";;");
    line += QLatin1Char(';');
    if (const TValue *executing = data.turnoverWaiter())
        line += QStringLiteral("%1;%2")
                        .arg(executing->id())
                        .arg(executing->getString(QStringLiteral("name")));
    else
        line += QLatin1Char(';');
    line += QLatin1Char(';') + data.turnoverDate().toString(Qt::TextDate);
    line += QLatin1Char(';') + data.applicationName();
    line += QLatin1Char(';') + QString::number(data.terminalId());
    line += QLatin1Char(';') + QString::number(data.costCenterId());
    return line + QStringLiteral("\r\n");
}

bool isWholeDayRun(const QString &journalLine)
{
    const QString counts = journalLine.section(QLatin1Char(':'), 1, 1);
    return counts.contains(QLatin1Char(';')) && counts.section(QLatin1Char(';'), 1, 1).isEmpty();
}

bool journalHasWaiterRun(const QString &journalPath, long waiter)
{
    QFile file(journalPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    while (!file.atEnd()) {
        const QString line = QString::fromLocal8Bit(file.readLine()).trimmed();
        const QString counts = line.section(QLatin1Char(':'), 1, 1);
        const QString number = counts.section(QLatin1Char(';'), 1, 1);
        bool ok = false;
        // a whole-day run leaves the field empty and blocks nobody
        if (number.toLong(&ok) == waiter && ok)
            return true;
    }
    return false;
}

int executeTurnover(TurnoverData &data)
{
    TClosingOutcome outcome;
    return executeTurnover(data, outcome);
}

int executeTurnover(TurnoverData &data, TClosingOutcome &outcome)
{
    outcome = TClosingOutcome();
    outcome.code = [&] {
        try {
            const QString lockPath = lockDir(data.dataPath()) + QStringLiteral("turnover.lck");
            TTurnoverLock lock(lockPath);
            if (!lock.take(LockWaitMs)) {
                if (lock.error() == 0) {
                    outcome.fail(QCoreApplication::translate("TPaidTablesDoc",
                                                             "another closing is running"),
                                 nullptr);
                    return int(TurnoverAlreadyDone);
                }
                // not busy: the lock file cannot be made (a full disk)
                const TFileError error(T_SOURCE, 301, 301, lock.error(), lockPath);
                logTurnover(TLog::Error, QStringLiteral("Turnover failed: %1").arg(error.text()));
                outcome.fail(QCoreApplication::translate("TPaidTablesDoc",
                                                         "the lock file cannot be made"),
                             &error);
                return int(TurnoverError);
            }
            try {
                return run(data, lock, outcome);
            } catch (const TError &e) {
                logTurnover(TLog::Error, QStringLiteral("Turnover failed: %1").arg(e.text()));
                outcome.fail(QCoreApplication::translate("TPaidTablesDoc", "the run ended early"),
                             &e);
            } catch (const std::exception &e) {
                const QString what = QString::fromLocal8Bit(e.what());
                logTurnover(TLog::Error, QStringLiteral("Turnover failed: %1").arg(what));
                outcome.fail(what, nullptr);
            }
            return int(TurnoverError);
        } catch (const TError &e) {
            // the lock directory cannot even be made
            logTurnover(TLog::Error, e.text());
            outcome.fail(QCoreApplication::translate("TPaidTablesDoc",
                                                     "the lock directory cannot be made"),
                         &e);
            return int(TurnoverError);
        }
    }();
    data.setMovedCount(outcome.moved);
    return outcome.code;
}

} // namespace PosLib
