#pragma once

#include "tclosingrecord.h"
#include "terror.h"

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>

#include <optional>

namespace PosLib {

class TEntryFacts;
class TTable;
class TTableEntry;
class TTableFacts;

// Whether an order line is sold to take away: its own "isvatoh" when it
// has one, else the table's "vatoh".
bool orderOutOfHouse(const TTableEntry &order, const TTable &table);
bool orderOutOfHouse(const TEntryFacts &order, const TTableFacts &table);
// The VAT rate of an order line, in hundredths of a percent: "rateoh" out
// of house, else "rateih".
int orderVatRate(const TTableEntry &order, const TTable &table);
int orderVatRate(const TEntryFacts &order, const TTableFacts &table);

// The table files of a day directory ("a<number>", no extension), with
// their numbers, in number order.
QList<QPair<long, QString>> dayBillFiles(const QString &dayDir);

// A bill file read as it is stored: its figures and hash, and the Z stamp
// it carries. `readable` is false when the file could not be opened or
// read (`error` tells why); `ok` is false as well when it does not load
// as a table.
struct TStoredBill
{
    bool readable = false;
    std::optional<Basics::TFileError> error;
    bool ok = false;
    long zCount = 0;
    TClosingBill bill;
    TClosingTotals totals; // of this bill alone
};
// Whether readStoredBill() takes the file's SHA-256: a reader that only
// adds up the figures goes without (bill.sha256 stays empty).
enum class TBillHash { Taken, Skipped };
TStoredBill readStoredBill(const QString &path, TBillHash hash = TBillHash::Taken);
// Only whether the bill file can be read (`readable`, `error`, bill.file):
// it is read, but neither hashed nor loaded (`ok` stays false).
TStoredBill readableBill(const QString &path);

// The totals of one bill, as a closing record adds them up: a table file
// read as facts, or a table in memory taken by them (TTableFacts::take()).
TClosingTotals billTotals(const TTableFacts &table);

// Adds the totals of one bill to a closing's.
void addTotals(TClosingTotals &sum, const TClosingTotals &bill);

// The bills of `dayDir` that carry the Z stamp `z`, and their totals: what
// the closing with that Z counter moved. Throws the TFileError of a bill
// file of the day that cannot be read: it may be one of them, and a
// record without it would pass for complete.
struct TClosingContent
{
    QList<TClosingBill> bills;
    TClosingTotals totals;
};
TClosingContent closingContent(const QString &dayDir, long z);

} // namespace PosLib
