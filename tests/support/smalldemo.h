#pragma once

// The small demo installation that the document and command-line tests
// run on, and days of time controls written by hand. Header-only, so that
// only the tests that link the demo generator use it.

#include "tdemoinstallation.h"
#include "testdir.h"
#include "ttimecontrols.h"

#include <QDate>
#include <QString>

namespace smalldemo {

// The demo's current day.
inline const QDate Today(2026, 12, 5);

// A demo of `days` closed days before today and today's, `tables` tables
// a day.
inline void writeDays(const QString &root, int days, int tables)
{
    PosLib::TDemoOptions options;
    options.days = days;
    options.tables = tables;
    options.today = Today;
    PosLib::TDemoInstallation(options).write(root);
}

// Two closed days of 16 tables, and today's: 13 paid tables and the open
// tables 27 (held by a handheld), 28 (partly paid) and 45; time controls
// of all three days.
inline void write(const QString &root)
{
    writeDays(root, 2, 16);
}

// Five closed days of 12 tables and today's, which the day cache's tests
// run on.
inline void writeFiveDays(const QString &root)
{
    writeDays(root, 5, 12);
}

// The small demo written once per test program, for tests that only read
// it; removed when the program ends.
inline QString shared()
{
    static TestDir dir;
    static const bool written = (write(dir.path()), true);
    Q_UNUSED(written);
    return dir.path();
}

// Saves the time controls of `day` with one record: the waiter's logon
// periods.
inline void writeTimeControls(const QString &root, const QDate &day, int waiter,
                              const QString &time)
{
    PosLib::TTimeControls controls(day);
    auto *record = new Basics::TValue;
    record->setId(waiter);
    record->setString(QStringLiteral("time"), time);
    controls.insert(record);
    controls.save(root);
}

} // namespace smalldemo
