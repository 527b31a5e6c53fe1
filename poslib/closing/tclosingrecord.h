#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QString>

#include "tcashcount.h"

namespace PosLib {

// One bill a closing moved, as it lies in the day directory.
struct TClosingBill
{
    QString file; // "a12": its name in the day directory
    long archive = 0; // its number in "var/archives" before the move (header "archive")
    long table = 0;
    int party = 0;
    long bill = 0; // bill number (header "billnum")
    qint64 amount = 0; // its order lines, in cents
    QByteArray sha256; // of the file as stored, lower-case hex

    bool operator==(const TClosingBill &other) const;
};

// The sums of one payment form.
struct TClosingPayment
{
    QString name;
    int count = 0;
    qint64 amount = 0; // cents
    bool operator==(const TClosingPayment &o) const
    {
        return name == o.name && count == o.count && amount == o.amount;
    }
};

// The order lines of one VAT rate: gross as sold, and its net part.
struct TClosingVat
{
    qint64 gross = 0;
    qint64 net = 0;
    qint64 vat() const { return gross - net; }
    bool operator==(const TClosingVat &o) const { return gross == o.gross && net == o.net; }
};

// What the moved bills add up to, in cents.
struct TClosingTotals
{
    qint64 amount = 0; // every order line: price x count, rounded half up
    QMap<int, TClosingPayment> payments; // by payment form number
    QMap<int, TClosingVat> vatRates; // by rate in hundredths of a percent (1900 = 19 %)
    double voidCount = 0;
    qint64 voidAmount = 0;

    bool operator==(const TClosingTotals &other) const;
};

// The record a day closing leaves beside the day's "turnover.z": which run
// it was, which bills it moved with their SHA-256, what they add up to,
// and the SHA-256 of the record before it, so that the closings of an
// installation form one chain across days. A "seal" over the record's own
// content makes an edit of the newest record show as well.
//
// The file is "closing-<Z>.json" (UTF-8, JSON, keys sorted), with <Z> the
// run's Z counter; TClosingRecord::toJson() documents its keys.
struct TClosingRecord
{
    // Format 2 is format 1 with the cash count ("cashCount"); a record
    // without a count is written as format 1.
    static constexpr int Format = 1;
    static constexpr int FormatWithCount = 2;

    long z = 0; // the run's Z counter
    long dayZ = 0; // the day's Z number
    QDate date; // the business day closed
    int waiter = 0; // a waiter's closing: that waiter; 0 for the whole day
    QString waiterName;
    int executingWaiter = 0; // 0 when none was given
    QString executingWaiterName;
    QString application;
    long terminal = 0;
    long costCenter = 0;
    QDateTime start;
    QDateTime end;
    // The run was cut off and completed by the next closing.
    bool completedLater = false;
    QList<TClosingBill> bills; // in the order of their names in the day directory
    TClosingTotals totals;
    // The day summary as the run left it ("var/summary/yyyy-MM-dd.dat");
    // empty when the run left none (a waiter's closing removes it).
    QByteArray summarySha256;
    long previousZ = 0; // 0 for the first record of the installation
    QByteArray previousSha256; // of the previous record's file; empty for the first
    // The drawer and payment forms counted at the closing; empty when
    // nobody counted.
    TCashCount cashCount;

    bool isWholeDay() const { return waiter == 0; }
    long firstArchive() const;
    long lastArchive() const;
    long firstBill() const;
    long lastBill() const;

    // The record as stored, with its seal.
    QJsonObject toJson() const;
    QByteArray toBytes() const;
    // False when the bytes are no record of this format; `error` says why.
    static bool fromBytes(const QByteArray &bytes, TClosingRecord *record, QString *error);
    // True when the seal in `bytes` matches the content it seals.
    static bool sealHolds(const QByteArray &bytes);

    // "closing-<Z>.json"
    static QString fileName(long z);
    // The Z counter of a record's file name; 0 when it is none.
    static long zOfFileName(const QString &name);
};

// Lower-case hex SHA-256 of some bytes, and of a file (empty when it cannot
// be read).
QByteArray sha256Hex(const QByteArray &bytes);
QByteArray fileSha256(const QString &path);

// Writes the record into `dayDir` durably: a temporary beside it, synced,
// renamed over the name, the directory synced. Throws the file errors.
void saveClosingRecord(const QString &dayDir, const TClosingRecord &record);

} // namespace PosLib
