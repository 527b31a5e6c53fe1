#include "tcloseddays.h"

#include "tclosingbills.h"
#include "terror.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

using namespace Basics;

namespace PosLib {

QString TClosedDay::zText() const
{
    if (closings.isEmpty())
        return QString();
    const long first = closings.first().z;
    const long last = closings.last().z;
    return first == last ? QStringLiteral("Z%1").arg(first)
                         : QStringLiteral("Z%1-%2").arg(first).arg(last);
}

std::optional<qint64> countedCashDifference(const TClosing &closing)
{
    // nobody counted, or a record that cannot be read (verify names that)
    if (!closing.hasRecord || !closing.recordReadable || closing.record.cashCount.isEmpty())
        return std::nullopt;
    return closing.record.cashCount.difference();
}

namespace {

// A bill file of a day, loaded as the exports load it.
struct TLoadedBill
{
    std::shared_ptr<TTable> table;
    int loaded = TTable::NoPath;
    QString error; // why the file cannot be read; empty when it can
};

TLoadedBill loadBill(const QDate &day, const QString &dayDir, const QString &file,
                     const QString &root)
{
    TLoadedBill bill;
    bill.table = std::make_shared<TTable>(day, file.mid(1).toLong(), nullptr, root);
    const QString path = dayDir + file;
    try {
        bill.loaded = bill.table->load(path, true, 0, nullptr, 0);
    } catch (const TError &e) {
        bill.error = userText(e, path);
    }
    return bill;
}

} // namespace

TClosedDays::TClosedDays(const QString &root)
    : m_root(root)
    , m_ledger(root)
{ }

QList<QDate> TClosedDays::days(const QDate &from, const QDate &to) const
{
    QList<QDate> out;
    for (const TClosing &closing : m_ledger.closings()) {
        if (closing.date < from || closing.date > to || out.contains(closing.date))
            continue;
        out << closing.date;
    }
    std::sort(out.begin(), out.end());
    return out;
}

bool TClosedDays::load(const QDate &day, TClosedDay *out, QString *error) const
{
    TClosedDay result;
    result.date = day;
    for (const TClosing &closing : m_ledger.closings()) {
        if (closing.date == day)
            result.closings << closing;
    }
    if (result.closings.isEmpty()) {
        *error = tr("%1: the day was not closed").arg(day.toString(Qt::ISODate));
        return false;
    }
    const QList<TClosingFinding> findings = verifyClosings(m_root, m_ledger, day);
    if (!findings.isEmpty()) {
        const TClosingFinding &finding = findings.first();
        *error = tr("%1 (Z %2): the closing does not verify: %3 (see 'veltrum verify')")
                         .arg(day.toString(Qt::ISODate))
                         .arg(finding.z)
                         .arg(finding.text);
        return false;
    }

    // each bill file of the day is loaded once
    QHash<QString, TLoadedBill> loaded;
    auto billOf = [&](const TClosing &closing, const QString &file) -> const TLoadedBill & {
        auto it = loaded.find(file);
        if (it == loaded.end())
            it = loaded.insert(file, loadBill(day, closing.dayDir, file, m_root));
        return *it;
    };
    for (const TClosing &closing : std::as_const(result.closings)) {
        if (const std::optional<qint64> difference = countedCashDifference(closing))
            result.cashDifferences.insert(closing.z, *difference);
        // the record names the bills; closings before records were kept
        // are known by the Z stamp of their bills (of those that load)
        QStringList files;
        if (closing.hasRecord) {
            for (const TClosingBill &bill : closing.record.bills)
                files << bill.file;
        } else {
            for (const auto &file : dayBillFiles(closing.dayDir)) {
                const TLoadedBill &bill = billOf(closing, file.second);
                if (!bill.error.isEmpty()) {
                    *error = bill.error;
                    return false;
                }
                if (bill.loaded == TTable::Loaded && bill.table->state() != TTable::Corrupt
                    && bill.table->zCount() == closing.z)
                    files << file.second;
            }
        }
        for (const QString &file : std::as_const(files)) {
            const TLoadedBill &bill = billOf(closing, file);
            const QString path = closing.dayDir + file;
            if (!bill.error.isEmpty()) {
                *error = bill.error;
                return false;
            }
            if (bill.loaded != TTable::Loaded || bill.table->state() != TTable::Open
                || bill.table->isCutOff()) {
                *error = tr("%1: the bill cannot be read (no complete table file)").arg(path);
                return false;
            }
            result.bills << TClosedBill {file, closing.z, bill.table};
        }
    }
    std::stable_sort(result.bills.begin(), result.bills.end(),
                     [](const TClosedBill &a, const TClosedBill &b) {
                         return a.table->billNum() < b.table->billNum();
                     });
    *out = result;
    return true;
}

} // namespace PosLib
