#pragma once

#include <QDate>
#include <QString>

namespace PosLib {

// A range of days, both ends included.
struct TDayRange
{
    QDate from;
    QDate to;

    bool isValid() const { return from.isValid() && to.isValid() && from <= to; }
    // Days from `from` to `to`, both included; 0 when invalid.
    qint64 days() const { return isValid() ? from.daysTo(to) + 1 : 0; }
    bool operator==(const TDayRange &other) const { return from == other.from && to == other.to; }
};

// What a report is compared with:
// - Previous: the days just before the report's, as many as it covers; a
//   report over whole calendar months is compared with as many whole months
//   before (December with November, a year with the year before);
// - Week: the same days one week earlier;
// - Year: the same weekdays one year earlier, 52 weeks (364 days) back, so
//   that Monday 7 December 2026 is compared with Monday 8 December 2025,
//   not with a Sunday; a leap day in between changes nothing;
// - Range: days of its own; with only a first day, as many days as the
//   report covers from there.
// A range of days shifts as a whole, so both periods hold the same
// weekdays (Week, Year) or the same number of days (Previous, Range with a
// first day only).
struct TCompareWith
{
    enum Mode { None, Previous, Week, Year, Range };
    Mode mode = None;
    QDate from; // Range: the first day
    QDate to; // Range: the last day; invalid: as many days as the report's

    bool isSet() const { return mode != None; }
    bool operator==(const TCompareWith &other) const
    {
        return mode == other.mode && from == other.from && to == other.to;
    }

    // Reads "previous", "week", "year", "yyyy-MM-dd..yyyy-MM-dd" or a first
    // day "yyyy-MM-dd"; "" and "none" give None. False for anything else,
    // also for a range whose first day lies after its last.
    static bool parse(const QString &text, TCompareWith *with);
    // The form parse() reads.
    QString text() const;
};

// The days a report over `report` is compared with; the current, not yet
// closed day is the range of its business day alone. Invalid without a
// comparison or for an invalid report range.
TDayRange comparedRange(const TCompareWith &with, const TDayRange &report);

} // namespace PosLib
