#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace PosLib {

class TWorkspaceLists;

// Today's figures at a glance, as the full summary of all waiters over the
// current, not yet closed day prints them (TFigure names each); amounts in
// cents.
struct TDayFigures
{
    bool read = false; // false when the run was stopped
    long allAmount = 0; // "All amount": the takings of the paid tables so far
    long paidTables = 0;
    long guests = 0; // "Guests" (of the tables in summary)
    long openTables = 0;
    long openAmount = 0; // "Open tables, sum"
    long voids = 0;
    long voidAmount = 0;
    QDate lastClosing; // the last closed day; invalid when none was closed
    long lastZ = 0; // its Z number, 0 when it has none

    // "All amount" per paid table, rounded half up; 0 without tables.
    long averageBill() const;

    // The same weekday a week before, up to the same time of day (only
    // when asked for, see dayFigures()).
    struct LastWeek
    {
        bool read = false;
        QDate day;
        QTime until;
        long allAmount = 0;
        long paidTables = 0;
        long guests = 0;
        long voids = 0;
        long voidAmount = 0;

        long averageBill() const;
    };
    LastWeek lastWeek;
};

// Reads the figures of the current day from the installation at `root`
// (the report "All waiters" without its options) and its last closing.
// `now` is the report's clock; invalid: the current time. With
// `againstLastWeek` the same run also reads the figures of the same weekday
// a week before up to the same time of day (TDayFigures::lastWeek). With
// `readOnly` nothing is written into the installation (no day summary or
// cache built; TReportRequest::readOnly).
TDayFigures dayFigures(TWorkspaceLists *lists, const QString &root,
                       const QDateTime &now = QDateTime(), bool againstLastWeek = false,
                       bool readOnly = false);

// The latest day whose closing is journaled in "var/statist"; invalid when
// there is none.
QDate lastClosedDay(const QString &root);

} // namespace PosLib
