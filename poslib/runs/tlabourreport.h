#pragma once

#include "tlabourhours.h"
#include "twages.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QStringList>

#include <array>

namespace PosLib {

class TCurrencies;
class TWorkspaceLists;

// One line of the labour report: a waiter, an hour of the clock, or the
// total. Amounts in cents.
struct TLabourLine
{
    int number = 0; // the waiter's number, or the hour (0-23)
    QString name; // the waiter's name, or "18:00-18:59"
    qint64 seconds = 0; // hours worked
    qint64 sales = 0;
    qint64 covers = -1; // guests; -1 where the report has none (the hours)
    bool withCost = false; // false when a waiter worked without a wage
    qint64 cost = 0;

    // Sales per hour worked, rounded half up; false without hours.
    bool salesPerHour(qint64 *cents) const;
    // Covers per hour worked; false without hours or covers.
    bool coversPerHour(double *covers) const;
    // Labour cost in percent of the sales; false without cost or sales.
    bool costShare(double *percent) const;
};

// Sales per labour hour: the time controls' hours worked beside the
// takings, per waiter and per hour of the clock, over a range of business
// days (the current day when `from` is invalid).
//
// - A waiter's sales and covers are "All amount" and "Guests" of the full
//   summary of that waiter, the total's those of all waiters;
// - an hour's sales are the hour report's amount of that hour;
// - hours worked come from the logon periods, split at the hours of the
//   clock and given to the business day they lie in (the day starts at the
//   gastronomic day start of etc/globals.ini); a running period counts up
//   to `now`;
// - with wages (TWages) the cost of each waiter's hours, and per hour the
//   cost of everyone who worked in it.
// Waiters who sold without time controls are listed with no hours; waiters
// with hours and no sales with sales 0.
struct TLabourReport
{
    Q_DECLARE_TR_FUNCTIONS(TLabourReport)
public:
    QString installation; // its name, as the reports head it
    QDate from; // the business days reported
    QDate to;
    bool currentDay = false; // the day is not closed yet
    bool withWages = false;
    QList<TLabourLine> waiters; // by number
    QList<TLabourLine> hours; // the hours with work or sales, from the day start on
    TLabourLine total;
    QList<int> withoutWage; // waiters who worked and have no wage

    // Runs the reports and reads the time controls. False with `error`
    // naming the file and the reason when the time controls or the wages
    // cannot be read, or when the report run did not finish.
    bool read(TWorkspaceLists *lists, const QString &root, const QDate &from, const QDate &to,
              const QDateTime &now, QString *error);

    // The report as text, JSON (docs/labour.md) and CSV rows.
    QStringList lines(const TCurrencies *currencies) const;
    QJsonObject document() const;
    QList<QStringList> csvRows() const;

    // "7:30" for 27000 seconds: hours and minutes worked.
    static QString hoursText(qint64 seconds);
};

} // namespace PosLib
