#include "tclosingledger.h"

#include "tcounter.h"
#include "terror.h"
#include "tfilenames.h"
#include "tinstallation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>

using namespace Basics;

namespace PosLib {

namespace {

QByteArray readAll(const QString &path, bool *ok = nullptr)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (ok)
        *ok = opened;
    return opened ? file.readAll() : QByteArray();
}

} // namespace

// "12:3;7;Anna;1;Chef;Wed Mar 5 2014;Office (Reports);1;0": Z counter, moved
// count, the waiter of a waiter's closing (empty for the whole day), the
// executing waiter, then date, program, terminal and cost center.
TJournalEntry parseJournalLine(const QString &line)
{
    TJournalEntry entry;
    entry.line = line;
    const int colon = int(line.indexOf(QLatin1Char(':')));
    if (colon <= 0)
        return entry;
    bool ok = false;
    entry.z = line.left(colon).trimmed().toLong(&ok);
    if (!ok || entry.z <= 0)
        return entry;
    const QStringList fields = line.mid(colon + 1).split(QLatin1Char(';'));
    entry.moved = fields.value(0).toInt();
    entry.waiter = fields.value(1).toInt();
    entry.waiterName = fields.value(2);
    entry.executingWaiter = fields.value(3).toInt();
    entry.executingWaiterName = fields.value(4);
    entry.ok = true;
    return entry;
}

QList<TJournalEntry> readJournal(const QString &dayDir)
{
    QList<TJournalEntry> entries;
    const QString journal = QString::fromLocal8Bit(readAll(dayDir + QStringLiteral("turnover.z")));
    for (const QString &line : journal.split(QLatin1Char('\n'))) {
        const TJournalEntry entry = parseJournalLine(line.trimmed());
        if (entry.ok)
            entries << entry;
    }
    return entries;
}

TClosingLedger::TClosingLedger(const QString &root)
    : m_root(root)
{
    const QString statist = installationDir(root, QStringLiteral("var/statist"), false);
    // each day read once, for the closings and the numbers used
    QList<TDayNumbers> days;
    for (const QString &name : dayDirectoryNames(statist))
        days << readDay(statist + name + QLatin1Char('/'), name);
    std::stable_sort(m_closings.begin(), m_closings.end(),
                     [](const TClosing &a, const TClosing &b) { return a.z < b.z; });
    for (const TClosing &closing : std::as_const(m_closings)) {
        if (closing.hasRecord) {
            m_firstRecorded = closing.z;
            break;
        }
    }

    m_hasPending = loadPendingClosing(root, &m_pending);
    try {
        const TUsedNumbers used = usedNumbers(root, days);
        m_zCheck = checkZCounter(root, used, m_hasPending ? m_pending.z : 0);
        m_dayZCheck = checkDayZCounter(root, used, m_hasPending ? m_pending.dayZ : 0);
    } catch (const TError &) {
        m_zCheck.verdict = TCounterCheck::Damaged;
        m_zCheck.file = QStringLiteral("counter.dat");
    }
    const bool held
            = m_zCheck.verdict == TCounterCheck::Fine || m_zCheck.verdict == TCounterCheck::Behind;
    const QString counters = root.isEmpty() ? QStringLiteral("./") : root;
    if (held && QFileInfo::exists(counters + QStringLiteral("counter.dat")))
        m_counter = m_zCheck.held;
}

TDayNumbers TClosingLedger::readDay(const QString &dir, const QString &name)
{
    const QDate day = dayOfDirectory(name);
    TDayNumbers numbers;
    numbers.name = name;
    QList<TClosing> found;
    auto closingOf = [&](long z) -> TClosing & {
        for (TClosing &closing : found) {
            if (closing.z == z)
                return closing;
        }
        TClosing closing;
        closing.z = z;
        closing.date = day;
        closing.dayDir = dir;
        found << closing;
        return found.last();
    };

    for (const TJournalEntry &entry : readJournal(dir)) {
        numbers.journalZ = std::max(numbers.journalZ, entry.z);
        TClosing &closing = closingOf(entry.z);
        if (closing.journalLines++ == 0)
            closing.journal = entry;
    }

    numbers.records = fileNamesMatching(dir, QStringLiteral("closing-*.json"));
    for (const QString &record : std::as_const(numbers.records)) {
        const long z = TClosingRecord::zOfFileName(record);
        if (z <= 0)
            continue;
        TClosing &closing = closingOf(z);
        closing.hasRecord = true;
        bool ok = false;
        closing.recordBytes = readAll(dir + record, &ok);
        closing.recordReadable = ok
                                 && TClosingRecord::fromBytes(closing.recordBytes, &closing.record,
                                                              &closing.recordError);
        if (!ok)
            closing.recordError = QStringLiteral("cannot be read");
    }
    m_closings << found;
    return numbers;
}

const TClosing *TClosingLedger::find(long z) const
{
    for (const TClosing &closing : m_closings) {
        if (closing.z == z)
            return &closing;
    }
    return nullptr;
}

const TClosing *TClosingLedger::recordBefore(long z) const
{
    const TClosing *before = nullptr;
    for (const TClosing &closing : m_closings) {
        if (closing.z >= z)
            break;
        if (closing.hasRecord)
            before = &closing;
    }
    return before;
}

const TClosing *TClosingLedger::lastRecord() const
{
    for (auto it = m_closings.crbegin(); it != m_closings.crend(); ++it) {
        if (it->hasRecord)
            return &*it;
    }
    return nullptr;
}

QString TClosingLedger::dayDirectory(const QString &root, const QDate &day)
{
    return statistDayDir(day, root);
}

QStringList TClosingLedger::dayDirectoryNames(const QString &statist)
{
    QStringList names = QDir(statist).entryList(QStringList(QStringLiteral("tag*")),
                                                QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const QString &name) { return !dayOfDirectory(name).isValid(); }),
                names.end());
    return names;
}

QDate TClosingLedger::dayOfDirectory(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^tag(\\d\\d)\\.(\\d\\d)\\.(\\d{4})$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return QDate();
    return QDate(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
}

} // namespace PosLib
