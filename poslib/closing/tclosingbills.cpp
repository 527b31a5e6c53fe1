#include "tclosingbills.h"

#include "terror.h"
#include "tfilenames.h"
#include "tfileread.h"
#include "trecordcodec.h"
#include "tround.h"
#include "ttable.h"
#include "ttableentry.h"
#include "ttablefacts.h"

#include <QFileInfo>

#include <algorithm>

using namespace Basics;

namespace PosLib {

bool orderOutOfHouse(const TTableEntry &order, const TTable &table)
{
    if (order.has(QStringLiteral("isvatoh")))
        return order.getBool(QStringLiteral("isvatoh"));
    return table.vatOh();
}

int orderVatRate(const TTableEntry &order, const TTable &table)
{
    return order.getInt(orderOutOfHouse(order, table) ? QStringLiteral("rateoh")
                                                      : QStringLiteral("rateih"));
}

bool orderOutOfHouse(const TEntryFacts &order, const TTableFacts &table)
{
    return order.has(FIsVatOh) ? order.getBool(FIsVatOh) : table.vatOh();
}

int orderVatRate(const TEntryFacts &order, const TTableFacts &table)
{
    return order.getInt(orderOutOfHouse(order, table) ? FRateOh : FRateIh);
}

TClosingTotals billTotals(const TTableFacts &table)
{
    TClosingTotals totals;
    for (const TEntryFacts *entry : table.entries()) {
        switch (entry->type()) {
        case EntryOrder: {
            // 1190 gross at 19.00 % (rate 1900): net = 1190 x 100 / 119 = 1000
            const qint64 gross = lineAmount(entry->price(), entry->count());
            const int rate = orderVatRate(*entry, table);
            TClosingVat &vat = totals.vatRates[rate];
            vat.gross += gross;
            vat.net += roundHalfUp(double(gross) * 100.0 / (100.0 + rate / 100.0));
            totals.amount += gross;
            break;
        }
        case EntryVoid:
            totals.voidCount += entry->count();
            totals.voidAmount += roundHalfUp(entry->getDouble(FAmount));
            break;
        case EntryPay: {
            if (entry->getBool(FVoided))
                break;
            TClosingPayment &payment = totals.payments[entry->getInt(FPayform)];
            if (payment.name.isEmpty())
                payment.name = entry->getString(FPayformName);
            ++payment.count;
            payment.amount += entry->amount();
            break;
        }
        default:
            break;
        }
    }
    return totals;
}

QList<QPair<long, QString>> dayBillFiles(const QString &dayDir)
{
    const QStringList names = fileNamesMatching(dayDir, QStringLiteral("a*"));
    QList<QPair<long, QString>> files;
    for (const QString &name : names) {
        if (name.contains(QLatin1Char('.')))
            continue;
        bool ok = false;
        const long number = name.mid(1).toLong(&ok);
        if (ok && number > 0)
            files.append({number, name});
    }
    std::sort(files.begin(), files.end());
    return files;
}

namespace {

// Reads the whole file into `bytes`; `stored` says whether it could.
void readBillBytes(const QString &path, TStoredBill &stored, QByteArray &bytes)
{
    stored.bill.file = QFileInfo(path).fileName();
    try {
        // under a shared lock, in a few system calls when nobody writes it
        bytes.truncate(readWholeFile(path, bytes));
    } catch (const TFileError &e) {
        stored.error = e;
        return;
    }
    stored.readable = true;
}

} // namespace

TStoredBill readableBill(const QString &path)
{
    TStoredBill stored;
    QByteArray bytes;
    readBillBytes(path, stored, bytes);
    return stored;
}

TStoredBill readStoredBill(const QString &path, TBillHash hash)
{
    TStoredBill stored;
    QByteArray bytes;
    readBillBytes(path, stored, bytes);
    if (!stored.readable)
        return stored;
    // hashed and read from the same bytes
    if (hash == TBillHash::Taken)
        stored.bill.sha256 = sha256Hex(bytes);
    if (bytes.isEmpty())
        return stored;
    // read in place, as a table file loads: the layouts of the records
    // learned on one bill serve the next ones of this thread
    thread_local TTableFacts table;
    TRecordReader reader(bytes);
    try {
        if (table.readFile(reader, true) != TTableFacts::Read)
            return stored;
    } catch (const TError &) {
        return stored;
    }
    const TEntryFacts &head = table.header();
    stored.ok = true;
    stored.zCount = long(head.getLong(FZCount));
    stored.bill.archive = long(head.getLong(FArchive));
    stored.bill.table = long(head.getLong(FTable));
    stored.bill.party = head.getInt(FParty);
    stored.bill.bill = long(head.getLong(FBillNum));
    stored.totals = billTotals(table);
    stored.bill.amount = stored.totals.amount;
    table.clear();
    return stored;
}

void addTotals(TClosingTotals &sum, const TClosingTotals &bill)
{
    sum.amount += bill.amount;
    for (auto it = bill.payments.cbegin(); it != bill.payments.cend(); ++it) {
        TClosingPayment &payment = sum.payments[it.key()];
        if (payment.name.isEmpty())
            payment.name = it->name;
        payment.count += it->count;
        payment.amount += it->amount;
    }
    for (auto it = bill.vatRates.cbegin(); it != bill.vatRates.cend(); ++it) {
        sum.vatRates[it.key()].gross += it->gross;
        sum.vatRates[it.key()].net += it->net;
    }
    sum.voidCount += bill.voidCount;
    sum.voidAmount += bill.voidAmount;
}

TClosingContent closingContent(const QString &dayDir, long z)
{
    TClosingContent content;
    for (const auto &file : dayBillFiles(dayDir)) {
        const TStoredBill stored = readStoredBill(dayDir + file.second);
        if (!stored.readable)
            throw *stored.error;
        if (!stored.ok || stored.zCount != z)
            continue;
        content.bills << stored.bill;
        addTotals(content.totals, stored.totals);
    }
    return content;
}

} // namespace PosLib
