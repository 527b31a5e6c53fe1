#include "tclosingrecorder.h"

#include "tcashcount.h"
#include "tclosinganchor.h"
#include "tclosingbills.h"
#include "tclosingledger.h"
#include "tfile.h"
#include "tinstallation.h"

#include <QFileInfo>

#include <algorithm>

namespace PosLib {

namespace {

// The count set against what the closing's bills say the drawer holds.
TCashCount countOfClosing(const QString &root, const TPendingClosing &run,
                          const QList<TClosingBill> &bills)
{
    const QString dayDir = statistDayDir(run.date, root);
    TDrawerFigures drawer;
    setSystemCurrency(drawer, root);
    for (const TClosingBill &bill : bills)
        addDrawerBillFile(drawer, dayDir + bill.file, run.date, root);
    return makeCashCount(run.cashCount, drawer);
}

} // namespace

TClosingRecord recordClosing(const QString &root, const TPendingClosing &run, long dayZ,
                             const QDateTime &end, bool completedLater)
{
    const QString dayDir = statistDayDir(run.date, root);
    TClosingRecord record;
    record.z = run.z;
    record.dayZ = dayZ;
    record.date = run.date;
    record.waiter = run.waiter;
    record.waiterName = run.waiterName;
    record.executingWaiter = run.executingWaiter;
    record.executingWaiterName = run.executingWaiterName;
    record.application = run.application;
    record.terminal = run.terminal;
    record.costCenter = run.costCenter;
    record.start = run.start;
    record.end = end;
    record.completedLater = completedLater;

    const TClosingContent content = closingContent(dayDir, run.z);
    record.bills = content.bills;
    record.totals = content.totals;
    if (!run.cashCount.isEmpty())
        record.cashCount = countOfClosing(root, run, content.bills);

    // a waiter's closing removes the day summary: nothing to seal then; a
    // run completed later did not build it
    const QString summary = installationDir(root, QStringLiteral("var/summary"), false)
                            + run.date.toString(Qt::ISODate) + QStringLiteral(".dat");
    if (record.isWholeDay() && !completedLater && QFileInfo::exists(summary)) {
        // a summary that cannot be read is an error, not one left unsealed
        Basics::TFile file(summary);
        file.open(QIODevice::ReadOnly);
        record.summarySha256 = sha256Hex(file.readRest());
        file.close();
    }

    const TClosingLedger ledger(root);
    if (const TClosing *before = ledger.recordBefore(run.z)) {
        record.previousZ = before->z;
        // read once more, so that a failed read is an error, not the hash
        // of nothing: the chain would break at this record
        Basics::TFile file(before->dayDir + TClosingRecord::fileName(before->z));
        file.open(QIODevice::ReadOnly);
        record.previousSha256 = sha256Hex(file.readRest());
        file.close();
    }
    saveClosingRecord(dayDir, record);
    // the anchor outside the day directories: from here on the record
    // cannot go, or be edited and resealed, without verify seeing it
    const long first = ledger.firstRecordedZ();
    advanceClosingAnchor(root, record, record.toBytes(),
                         first > 0 ? std::min(first, record.z) : record.z);
    return record;
}

void anchorClosingRecord(const QString &root, const QDate &date, long z)
{
    Basics::TFile file(statistDayDir(date, root) + TClosingRecord::fileName(z));
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readRest();
    file.close();
    TClosingRecord record;
    QString error;
    if (!TClosingRecord::fromBytes(bytes, &record, &error))
        return; // verify names a record that is none
    const TClosingLedger ledger(root);
    const long first = ledger.firstRecordedZ();
    advanceClosingAnchor(root, record, bytes, first > 0 ? std::min(first, z) : z);
}

} // namespace PosLib
