#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace Mail {

// When a mail job runs: "daily 07:00", "weekly Mon 07:00" (Mon … Sun),
// "monthly 1 07:00" (day 1 … 28), or "never" (only by hand).
struct TMailSchedule
{
    enum Kind { Never, Daily, Weekly, Monthly };
    Kind kind = Never;
    int weekday = 1; // 1 Monday … 7 Sunday
    int monthDay = 1;
    QTime time = QTime(0, 0);

    // False with `error` saying what was expected.
    static bool parse(const QString &text, TMailSchedule &schedule, QString *error);
    // The latest time at or before `now` the job was to run; invalid for
    // Never.
    QDateTime lastRun(const QDateTime &now) const;
};

// The days a report covers, named in words: "yesterday", "last week"
// (Monday to Sunday before the current week), "last month", "month to
// date" (from the first of the month of yesterday up to yesterday, so on
// the first it is the whole month before). `today` is the current business
// day; every day of a range is closed by then.
struct TMailRange
{
    QDate from;
    QDate to;

    // False with `error` listing the words.
    static bool parse(const QString &words, const QDate &today, TMailRange &range, QString *error);
};

} // namespace Mail
