#include "tclosingverifier.h"

#include "tclosinganchor.h"
#include "tclosingbills.h"
#include "tclosingledger.h"
#include "tclosingnumbers.h"
#include "terror.h"
#include "tinstallation.h"
#include "ttwoatatime.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <iterator>
#include <vector>

namespace PosLib {

namespace {

// The texts of this file, translated in the context "TClosingVerifier".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TClosingVerifier)
};

QString dateText(const QDate &day)
{
    return day.toString(Qt::ISODate);
}

// "var/statist/tag05.03.2014/a3"
QString relativeFile(const QDate &day, const QString &name)
{
    return QStringLiteral("var/statist/") + statistDayName(day) + QLatin1Char('/') + name;
}

// A counter's finding: the check's own words, said of the installation.
QString counterText(const TCounterCheck &check)
{
    switch (check.verdict) {
    case TCounterCheck::Missing:
        return Text::tr("%1 is missing, but %2 was used already (%3)")
                .arg(check.file)
                .arg(check.used)
                .arg(check.usedFile);
    case TCounterCheck::Damaged:
        return Text::tr("%1 is damaged").arg(check.file);
    case TCounterCheck::Behind:
        return Text::tr("%1 holds %2, but %3 was used already (%4): the counter was set back")
                .arg(check.file)
                .arg(check.held)
                .arg(check.used)
                .arg(check.usedFile);
    case TCounterCheck::Fine:
        break;
    }
    return QString();
}

class TVerifier
{
public:
    TVerifier(const QString &root, const TClosingLedger &ledger, const QDate &day,
              TDayBillTotals *bills)
        : m_root(root)
        , m_ledger(ledger)
        , m_day(day)
        , m_bills(bills)
    { }

    // Reads the bills of the days from `from` to `to` (each bound optional)
    // only, and of days whose closings share a Z with one of those days.
    void setBillDays(const QDate &from, const QDate &to)
    {
        m_billsFrom = from;
        m_billsTo = to;
    }

    QList<TClosingFinding> run()
    {
        m_anchor = readClosingAnchor(m_root);
        m_firstRecorded = m_ledger.firstRecordedZ();
        if (m_anchor.state == TAnchorReading::Read
            && (m_firstRecorded == 0 || m_anchor.anchor.firstZ < m_firstRecorded))
            m_firstRecorded = m_anchor.anchor.firstZ;
        checkAnchor();
        checkZ();
        for (const TClosing &closing : m_ledger.closings()) {
            if (inScope(closing.date))
                checkClosing(closing);
        }
        checkDays();
        std::stable_sort(
                m_findings.begin(), m_findings.end(),
                [](const TClosingFinding &a, const TClosingFinding &b) { return a.z < b.z; });
        return m_findings;
    }

private:
    bool inScope(const QDate &date) const { return !m_day.isValid() || date == m_day; }
    bool isBillDay(const QDate &date) const
    {
        return (!m_billsFrom.isValid() || date >= m_billsFrom)
               && (!m_billsTo.isValid() || date <= m_billsTo);
    }

    void add(TClosingFinding::Kind kind, long z, const QDate &date, const QString &file,
             const QString &text)
    {
        if (inScope(date))
            m_findings << TClosingFinding {kind, z, date, file, text};
    }

    // Every Z counter value from the lowest journalled one up to the
    // counter is in exactly one journal line.
    void checkZ()
    {
        const QList<TClosing> &all = m_ledger.closings();
        // the lines and records of each Z, over all days
        QHash<long, int> lines;
        QHash<long, QList<const TClosing *>> records;
        for (const TClosing &closing : all) {
            lines[closing.z] += closing.journalLines;
            if (closing.hasRecord)
                records[closing.z] << &closing;
        }
        long before = 0;
        QDate beforeDate;
        for (const TClosing &closing : all) {
            const QList<const TClosing *> &recorded = records.value(closing.z);
            if (recorded.size() > 1 && recorded.last() == &closing)
                add(TClosingFinding::ZInTwoRecords, closing.z, closing.date,
                    relativeFile(closing.date, TClosingRecord::fileName(closing.z)),
                    Text::tr("Z %1 has records on %2 days: %3 and %4")
                            .arg(closing.z)
                            .arg(recorded.size())
                            .arg(dateText(recorded.first()->date), dateText(closing.date)));
            if (closing.journalLines == 0)
                continue; // a record without a line: see checkClosing
            if (lines.value(closing.z) > 1 && closing.z == before)
                continue; // said at its first line
            if (lines.value(closing.z) > 1)
                add(TClosingFinding::ZTwice, closing.z, closing.date, QString(),
                    Text::tr("Z %1 (%2) is in %3 journal lines")
                            .arg(closing.z)
                            .arg(dateText(closing.date))
                            .arg(lines.value(closing.z)));
            if (before > 0 && closing.z > before + 1)
                gap(before + 1, closing.z - 1, closing.date);
            before = closing.z;
            beforeDate = closing.date;
        }
        // the counters ahead of every number used (for the whole installation)
        if (!m_day.isValid()) {
            for (const TCounterCheck &check :
                 {m_ledger.zCounterCheck(), m_ledger.dayZCounterCheck()}) {
                if (check.verdict != TCounterCheck::Fine)
                    m_findings << TClosingFinding {TClosingFinding::CounterBehind, 0, QDate(),
                                                   check.file, counterText(check)};
            }
        }
        // a closing that took its Z and was cut off or failed before its
        // journal line and record were both written (a note whose Z the
        // counter still holds was cut before it took one)
        const TPendingClosing &p = m_ledger.pending();
        const bool interrupted = m_ledger.hasPending() && m_ledger.counter() != p.z;
        if (interrupted)
            add(TClosingFinding::Interrupted, p.z, p.date, QStringLiteral("var/lock/turnover.run"),
                Text::tr("Z %1 (%2): the closing was cut off; the next closing completes it")
                        .arg(p.z)
                        .arg(dateText(p.date)));
        // values the counter handed out after the last journal line
        if (before > 0 && m_ledger.counter() > before + 1) {
            long last = m_ledger.counter() - 1;
            if (interrupted && p.z == last)
                --last;
            if (last > before)
                gap(before + 1, last, beforeDate);
        }
    }

    // The anchor names the newest record as it was; none is newer (but
    // the one a cut-off closing wrote before its anchor).
    void checkAnchor()
    {
        const QString file = QStringLiteral("var/closing.anchor");
        const TClosing *newest = m_ledger.lastRecord();
        const bool pending = m_ledger.hasPending();
        if (m_anchor.state == TAnchorReading::Missing) {
            // but the first record, written by a closing cut off before
            // its anchor: said as the cut-off closing
            if (newest && !(pending && m_ledger.pending().z == newest->z))
                add(TClosingFinding::AnchorBroken, newest->z, newest->date, file,
                    Text::tr("%1 is missing, but the closings have records up to Z %2 (%3)")
                            .arg(file)
                            .arg(newest->z)
                            .arg(dateText(newest->date)));
            return;
        }
        if (m_anchor.state == TAnchorReading::Damaged) {
            if (!m_day.isValid())
                m_findings << TClosingFinding {TClosingFinding::AnchorBroken, 0, QDate(), file,
                                               Text::tr("%1 is damaged").arg(file)};
            return;
        }
        const TClosingAnchor &a = m_anchor.anchor;
        const TClosing *named = m_ledger.find(a.z);
        if (!named || !named->hasRecord)
            add(TClosingFinding::AnchorBroken, a.z, a.date, file,
                Text::tr("Z %1 (%2): %3 names its closing record as the newest, but it is "
                         "gone")
                        .arg(a.z)
                        .arg(dateText(a.date), file));
        else if (sha256Hex(named->recordBytes) != a.sha256)
            add(TClosingFinding::AnchorBroken, a.z, a.date, file,
                Text::tr("Z %1 (%2): the closing record is not the one %3 names: it was changed "
                         "or replaced after it was written")
                        .arg(a.z)
                        .arg(dateText(a.date), file));
        for (const TClosing &closing : m_ledger.closings()) {
            if (!closing.hasRecord || closing.z <= a.z)
                continue;
            if (pending && m_ledger.pending().z == closing.z)
                continue; // the cut-off closing: said as such
            add(TClosingFinding::RecordAfterAnchor, closing.z, closing.date,
                relativeFile(closing.date, TClosingRecord::fileName(closing.z)),
                Text::tr("Z %1 (%2): the closing record is newer than the newest one %3 names")
                        .arg(closing.z)
                        .arg(dateText(closing.date), file));
        }
    }

    void gap(long first, long last, const QDate &date)
    {
        add(TClosingFinding::ZGap, first, date, QString(),
            first == last ? Text::tr("Z %1 is in no journal line").arg(first)
                          : Text::tr("Z %1 to %2 are in no journal line").arg(first).arg(last));
    }

    void checkClosing(const TClosing &closing)
    {
        const QString recordFile = relativeFile(closing.date, TClosingRecord::fileName(closing.z));
        if (!closing.hasRecord) {
            // closings before the first record were made without them
            if (m_firstRecorded > 0 && closing.z >= m_firstRecorded)
                add(TClosingFinding::JournalWithoutRecord, closing.z, closing.date,
                    relativeFile(closing.date, QStringLiteral("turnover.z")),
                    Text::tr("Z %1 (%2): the journal line has no closing record")
                            .arg(closing.z)
                            .arg(dateText(closing.date)));
            return;
        }
        if (closing.journalLines == 0)
            add(TClosingFinding::RecordWithoutJournal, closing.z, closing.date, recordFile,
                Text::tr("Z %1 (%2): the closing record has no journal line")
                        .arg(closing.z)
                        .arg(dateText(closing.date)));
        if (!closing.recordReadable) {
            add(TClosingFinding::RecordUnreadable, closing.z, closing.date, recordFile,
                Text::tr("Z %1 (%2): the closing record cannot be read: %3")
                        .arg(closing.z)
                        .arg(dateText(closing.date), closing.recordError));
            return;
        }
        if (closing.journalLines > 0 && closing.journal.ok
            && closing.journal.moved != int(closing.record.bills.size()))
            add(TClosingFinding::JournalCountWrong, closing.z, closing.date,
                relativeFile(closing.date, QStringLiteral("turnover.z")),
                Text::tr("Z %1 (%2): the journal line says %3 bills moved, the closing record "
                         "lists %4")
                        .arg(closing.z)
                        .arg(dateText(closing.date))
                        .arg(closing.journal.moved)
                        .arg(closing.record.bills.size()));
        if (!TClosingRecord::sealHolds(closing.recordBytes))
            add(TClosingFinding::RecordChanged, closing.z, closing.date, recordFile,
                Text::tr("Z %1 (%2): the closing record was changed after it was written")
                        .arg(closing.z)
                        .arg(dateText(closing.date)));
        checkLink(closing, recordFile);
    }

    // The record names the one before it, and that one is as it was.
    void checkLink(const TClosing &closing, const QString &recordFile)
    {
        const TClosingRecord &record = closing.record;
        const TClosing *before = m_ledger.recordBefore(closing.z);
        auto broken = [&](const QString &why) {
            add(TClosingFinding::BrokenLink, closing.z, closing.date, recordFile,
                Text::tr("Z %1 (%2): the link to the closing before is broken: %3")
                        .arg(closing.z)
                        .arg(dateText(closing.date), why));
        };
        if (record.previousSha256.isEmpty()) {
            if (before)
                broken(Text::tr("the record names none, but Z %1 has one").arg(before->z));
            return;
        }
        const TClosing *named = m_ledger.find(record.previousZ);
        if (!named || !named->hasRecord) {
            broken(Text::tr("the record of Z %1 is missing").arg(record.previousZ));
            return;
        }
        if (before && before->z != record.previousZ) {
            broken(Text::tr("it names Z %1, but the record before it is Z %2")
                           .arg(record.previousZ)
                           .arg(before->z));
            return;
        }
        // a changed record says so itself
        if (sha256Hex(named->recordBytes) != record.previousSha256
            && TClosingRecord::sealHolds(named->recordBytes))
            broken(Text::tr("the record of Z %1 is not the one it was chained to")
                           .arg(record.previousZ));
    }

    // The bill files of a day as they lie there, and the figures of those
    // that load, added up.
    struct StoredDay
    {
        QList<QPair<long, QString>> files;
        QHash<QString, TStoredBill> bills;
        TClosingTotals totals;
    };

    // What a day's bills are read for.
    enum class Reading {
        Readable, // whether they can be read: a day without records
        Figures, // their figures too, to hand them on
        Hashed, // their figures and SHA-256: a day with records
    };
    static StoredDay readDay(const QString &dayDir, Reading reading)
    {
        StoredDay day;
        day.files = dayBillFiles(dayDir);
        for (const auto &file : std::as_const(day.files)) {
            const QString path = dayDir + file.second;
            if (reading == Reading::Readable) {
                day.bills.insert(file.second, readableBill(path));
                continue;
            }
            TStoredBill bill = readStoredBill(
                    path, reading == Reading::Hashed ? TBillHash::Taken : TBillHash::Skipped);
            if (bill.ok)
                addReconciledBill(day.totals, bill.totals);
            day.bills.insert(file.second, std::move(bill));
        }
        return day;
    }

    // Per day, each bill file read once: the recorded ones against their
    // hashes, every bill carrying a closing's Z in that closing's record,
    // bill files that no record names, and the day summary the day's last
    // record left. The bills of the next day are read meanwhile.
    void checkDays()
    {
        // in date order, which the findings of a day that carry no Z keep
        QMap<QDate, QList<const TClosing *>> days;
        for (const TClosing &closing : m_ledger.closings()) {
            if (inScope(closing.date))
                days[closing.date] << &closing;
        }
        // a day's findings carry its date and the Z of its closings (or
        // none): a day left out concerns no closing of the bill days
        QSet<long> billZ;
        for (const TClosing &closing : m_ledger.closings()) {
            if (isBillDay(closing.date))
                billZ.insert(closing.z);
        }
        for (auto it = days.begin(); it != days.end();) {
            const bool shares = std::any_of(it->cbegin(), it->cend(), [&](const TClosing *c) {
                return billZ.contains(c->z);
            });
            it = isBillDay(it.key()) || shares ? std::next(it) : days.erase(it);
        }
        struct Day
        {
            QDate date;
            QList<const TClosing *> closings;
            QString dir;
            Reading reading = Reading::Readable;
        };
        std::vector<Day> order;
        for (auto it = days.cbegin(); it != days.cend(); ++it) {
            // a bill's hash is compared with a record's only; without a
            // record of the day only an unreadable bill is a finding
            const bool recorded
                    = std::any_of(it->cbegin(), it->cend(), [](const TClosing *closing) {
                          return closing->hasRecord && closing->recordReadable;
                      });
            const Reading reading = recorded  ? Reading::Hashed
                                    : m_bills ? Reading::Figures
                                              : Reading::Readable;
            order.push_back({it.key(), it.value(), it->first()->dayDir, reading});
        }
        Basics::makeTwoAtATime(
                int(order.size()),
                [&order](int i) {
                    const Day &day = order[size_t(i)];
                    return readDay(day.dir, day.reading);
                },
                [this, &order](int i, const StoredDay &stored) {
                    const Day &day = order[size_t(i)];
                    if (m_bills)
                        m_bills->insert(day.date, stored.totals);
                    checkDay(day.date, day.closings, stored);
                    return true;
                });
    }

    void checkDay(const QDate &date, const QList<const TClosing *> &closings, const StoredDay &day)
    {
        const QHash<QString, TStoredBill> &stored = day.bills;
        bool allRecorded = true;
        QHash<QString, long> recordedBy; // bill file -> the Z of the record naming it
        QHash<long, const TClosing *> byZ;
        for (const TClosing *closing : closings) {
            if (!closing->hasRecord || !closing->recordReadable) {
                allRecorded = false;
                continue;
            }
            byZ.insert(closing->z, closing);
            for (const TClosingBill &bill : closing->record.bills) {
                recordedBy.insert(bill.file, closing->z);
                checkBill(*closing, bill, stored);
            }
        }

        const bool pendingDay = m_ledger.hasPending() && m_ledger.pending().date == date;
        for (const auto &file : day.files) {
            const TStoredBill &bill = *stored.constFind(file.second);
            const QString name = relativeFile(date, file.second);
            if (!bill.readable) {
                add(TClosingFinding::BillUnreadable, 0, date, name,
                    Text::tr("%1: %2 cannot be read (%3)")
                            .arg(dateText(date), name, userText(*bill.error)));
                continue;
            }
            // moved by the cut-off closing, which the next one records
            if (pendingDay && bill.ok && bill.zCount == m_ledger.pending().z
                && !byZ.contains(bill.zCount))
                continue;
            if (bill.ok && byZ.contains(bill.zCount)
                && recordedBy.value(file.second) != bill.zCount) {
                add(TClosingFinding::BillNotRecorded, bill.zCount, date, name,
                    Text::tr("Z %1 (%2): %3 (bill %4) carries its Z, but its closing record does "
                             "not list it")
                            .arg(bill.zCount)
                            .arg(dateText(date), name)
                            .arg(bill.bill.bill));
                continue;
            }
            // made before records were kept, or unreadable: said already
            if (!allRecorded || recordedBy.contains(file.second))
                continue;
            add(TClosingFinding::BillAdded, 0, date, name,
                Text::tr("%1: %2 (bill %3) was added after the closings of the day")
                        .arg(dateText(date), name)
                        .arg(bill.bill.bill));
        }
        if (allRecorded)
            checkSummary(*closings.last(), date);
    }

    void checkBill(const TClosing &closing, const TClosingBill &bill,
                   const QHash<QString, TStoredBill> &stored)
    {
        const QString file = relativeFile(closing.date, bill.file);
        const auto found = stored.constFind(bill.file);
        if (found == stored.cend()) {
            add(TClosingFinding::BillMissing, closing.z, closing.date, file,
                Text::tr("Z %1 (%2): bill %3 (%4) is missing")
                        .arg(closing.z)
                        .arg(dateText(closing.date))
                        .arg(bill.bill)
                        .arg(file));
        } else if (found->readable && found->bill.sha256 != bill.sha256) {
            add(TClosingFinding::BillChanged, closing.z, closing.date, file,
                Text::tr("Z %1 (%2): bill %3 (%4) was changed after the closing")
                        .arg(closing.z)
                        .arg(dateText(closing.date))
                        .arg(bill.bill)
                        .arg(file));
        }
    }

    void checkSummary(const TClosing &last, const QDate &date)
    {
        if (last.record.summarySha256.isEmpty())
            return;
        const QString name = QStringLiteral("var/summary/") + date.toString(Qt::ISODate)
                             + QStringLiteral(".dat");
        const QString path = (m_root.isEmpty() ? QString() : m_root) + name;
        // a report builds a missing summary again from the bills, but
        // until then the day lacks what the closing sealed
        if (!QFileInfo::exists(path)) {
            add(TClosingFinding::SummaryMissing, last.z, date, name,
                Text::tr("Z %1 (%2): the day summary the closing left is missing")
                        .arg(last.z)
                        .arg(dateText(date)));
            return;
        }
        if (fileSha256(path) != last.record.summarySha256)
            add(TClosingFinding::SummaryChanged, last.z, date, name,
                Text::tr("Z %1 (%2): the day summary was changed after the closing")
                        .arg(last.z)
                        .arg(dateText(date)));
    }

    const QString m_root;
    const TClosingLedger &m_ledger;
    const QDate m_day;
    TDayBillTotals *const m_bills;
    QDate m_billsFrom;
    QDate m_billsTo;
    TAnchorReading m_anchor;
    long m_firstRecorded = 0; // from here on every closing has a record
    QList<TClosingFinding> m_findings;
};

} // namespace

QList<TClosingFinding> verifyClosings(const QString &root, const TClosingLedger &ledger,
                                      const QDate &day, TDayBillTotals *bills)
{
    return TVerifier(root, ledger, day, bills).run();
}

QList<TClosingFinding> verifyClosingsOf(const QString &root, const TClosingLedger &ledger,
                                        const QDate &from, const QDate &to)
{
    TVerifier verifier(root, ledger, QDate(), nullptr);
    verifier.setBillDays(from, to);
    return verifier.run();
}

bool closingHolds(const QList<TClosingFinding> &findings, long z, const QDate &date)
{
    return std::none_of(findings.cbegin(), findings.cend(), [&](const TClosingFinding &finding) {
        return finding.z == z || (finding.z == 0 && finding.date == date);
    });
}

} // namespace PosLib
