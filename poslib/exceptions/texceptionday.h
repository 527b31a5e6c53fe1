#pragma once

#include "texceptionkind.h"

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QString>
#include <QTime>

#include <vector>

namespace PosLib {

// One entry behind an exception figure: enough to find the bill in the
// journal (its closed day and archive number, or the table of the current
// day) and to see what happened.
struct TExceptionEntry
{
    TExceptionKind kind = TExceptionKind::Voids;
    int outlet = 0; // the chain's office number; 0 in an installation's own run
    QDate day; // the closed day of the bill; invalid: the current day
    QDate date; // when it was booked
    QTime time;
    int waiter = 0; // the waiter group it counts in
    QString waiterName;
    int center = 0; // the cost-center group it counts in
    QString centerName;
    qint64 table = 0;
    int party = 0;
    qint64 bill = 0; // "billnum"
    qint64 archive = 0; // "a<archive>" of the day (or of var/archives)
    bool open = false; // a table still open (var/tables)
    qint64 plu = 0;
    QString article;
    double count = 0;
    // cents, exact: a discount's count x discount may hold fractions;
    // sums are rounded once
    double amount = 0;
    int voidWaiter = 0; // who voided (voids)
    QString voidWaiterName;
    QString detail; // the reason, the discount, the pay form, where it went

    bool operator==(const TExceptionEntry &other) const;
};

// What one day (or the current data) holds for the exceptions: its entries
// in the order of its bills, and its bills per waiter and per cost center
// (the table's own waiter and cost center, as reports group a table).
struct TExceptionDay
{
    std::vector<TExceptionEntry> entries;
    QMap<int, qint64> waiterBills;
    QMap<int, qint64> centerBills;

    bool isEmpty() const { return entries.empty() && waiterBills.isEmpty(); }
    void clear();

    static constexpr quint32 Magic = 0x58455456; // "VTEX"
    static constexpr quint16 Version = 1;
    // The day as bytes to keep, with the caller's `stamp` of its data.
    QByteArray toBytes(const QByteArray &stamp) const;
    // Reads bytes written by toBytes(); false (and the day cleared) for
    // bytes that are damaged, of another version, or of another stamp.
    bool fromBytes(const QByteArray &bytes, const QByteArray &stamp);
};

} // namespace PosLib
