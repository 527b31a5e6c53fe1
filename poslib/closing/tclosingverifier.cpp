#include "tclosingverifier.h"

#include "tclosingbills.h"
#include "tclosingledger.h"
#include "tinstallation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

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

class TVerifier
{
public:
    TVerifier(const QString &root, const TClosingLedger &ledger, const QDate &day)
        : m_root(root)
        , m_ledger(ledger)
        , m_day(day)
    { }

    QList<TClosingFinding> run()
    {
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
        long before = 0;
        QDate beforeDate;
        for (const TClosing &closing : all) {
            if (closing.journalLines > 1)
                add(TClosingFinding::ZTwice, closing.z, closing.date, QString(),
                    Text::tr("Z %1 (%2) is in %3 journal lines")
                            .arg(closing.z)
                            .arg(dateText(closing.date))
                            .arg(closing.journalLines));
            if (closing.journalLines == 0)
                continue; // a record without a line: see checkClosing
            if (before > 0 && closing.z > before + 1)
                gap(before + 1, closing.z - 1, closing.date);
            before = closing.z;
            beforeDate = closing.date;
        }
        // values the counter handed out after the last journal line
        if (before > 0 && m_ledger.counter() > before + 1) {
            long last = m_ledger.counter() - 1;
            if (m_ledger.hasPending() && m_ledger.pending().z == last) {
                const TPendingClosing &p = m_ledger.pending();
                add(TClosingFinding::Interrupted, p.z, p.date,
                    QStringLiteral("var/lock/turnover.run"),
                    Text::tr("Z %1 (%2): the closing was cut off; the next closing completes it")
                            .arg(p.z)
                            .arg(dateText(p.date)));
                --last;
            }
            if (last > before)
                gap(before + 1, last, beforeDate);
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
            if (m_ledger.firstRecordedZ() > 0 && closing.z > m_ledger.firstRecordedZ())
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
        if (!TClosingRecord::sealHolds(closing.recordBytes))
            add(TClosingFinding::RecordChanged, closing.z, closing.date, recordFile,
                Text::tr("Z %1 (%2): the closing record was changed after it was written")
                        .arg(closing.z)
                        .arg(dateText(closing.date)));
        checkLink(closing, recordFile);
        checkBills(closing);
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

    void checkBills(const TClosing &closing)
    {
        for (const TClosingBill &bill : closing.record.bills) {
            const QString path = closing.dayDir + bill.file;
            const QString file = relativeFile(closing.date, bill.file);
            if (!QFileInfo::exists(path)) {
                add(TClosingFinding::BillMissing, closing.z, closing.date, file,
                    Text::tr("Z %1 (%2): bill %3 (%4) is missing")
                            .arg(closing.z)
                            .arg(dateText(closing.date))
                            .arg(bill.bill)
                            .arg(file));
            } else if (fileSha256(path) != bill.sha256) {
                add(TClosingFinding::BillChanged, closing.z, closing.date, file,
                    Text::tr("Z %1 (%2): bill %3 (%4) was changed after the closing")
                            .arg(closing.z)
                            .arg(dateText(closing.date))
                            .arg(bill.bill)
                            .arg(file));
            }
        }
    }

    // Per day: bill files that no record names, and the day summary the
    // day's last record left.
    void checkDays()
    {
        QHash<QDate, QList<const TClosing *>> days;
        for (const TClosing &closing : m_ledger.closings()) {
            if (inScope(closing.date))
                days[closing.date] << &closing;
        }
        for (auto it = days.cbegin(); it != days.cend(); ++it) {
            const QList<const TClosing *> &closings = it.value();
            bool allRecorded = true;
            QSet<QString> recorded;
            for (const TClosing *closing : closings) {
                if (!closing->hasRecord || !closing->recordReadable) {
                    allRecorded = false;
                    continue;
                }
                for (const TClosingBill &bill : closing->record.bills)
                    recorded.insert(bill.file);
            }
            if (!allRecorded)
                continue; // made before records were kept, or unreadable: said already
            const QDate date = it.key();
            const QString dayDir = closings.first()->dayDir;
            const bool pendingDay = m_ledger.hasPending() && m_ledger.pending().date == date;
            for (const auto &file : dayBillFiles(dayDir)) {
                if (recorded.contains(file.second))
                    continue;
                const TStoredBill stored = readStoredBill(dayDir + file.second, date, m_root);
                // moved by the cut-off closing, which the next one records
                if (pendingDay && stored.ok && stored.zCount == m_ledger.pending().z)
                    continue;
                const QString name = relativeFile(date, file.second);
                add(TClosingFinding::BillAdded, 0, date, name,
                    Text::tr("%1: %2 (bill %3) was added after the closings of the day")
                            .arg(dateText(date), name)
                            .arg(stored.bill.bill));
            }
            checkSummary(*closings.last(), date);
        }
    }

    void checkSummary(const TClosing &last, const QDate &date)
    {
        if (last.record.summarySha256.isEmpty())
            return;
        const QString name = QStringLiteral("var/summary/") + date.toString(Qt::ISODate)
                             + QStringLiteral(".dat");
        const QString path = (m_root.isEmpty() ? QString() : m_root) + name;
        // a missing summary is built again from the bills when a report needs it
        if (QFileInfo::exists(path) && fileSha256(path) != last.record.summarySha256)
            add(TClosingFinding::SummaryChanged, last.z, date, name,
                Text::tr("Z %1 (%2): the day summary was changed after the closing")
                        .arg(last.z)
                        .arg(dateText(date)));
    }

    const QString m_root;
    const TClosingLedger &m_ledger;
    const QDate m_day;
    QList<TClosingFinding> m_findings;
};

} // namespace

QList<TClosingFinding> verifyClosings(const QString &root, const TClosingLedger &ledger,
                                      const QDate &day)
{
    return TVerifier(root, ledger, day).run();
}

bool closingHolds(const QList<TClosingFinding> &findings, long z, const QDate &date)
{
    return std::none_of(findings.cbegin(), findings.cend(), [&](const TClosingFinding &finding) {
        return finding.z == z || (finding.z == 0 && finding.date == date);
    });
}

} // namespace PosLib
