#include "tcompareperiod.h"

namespace PosLib {

namespace {

const char *const DayFormat = "yyyy-MM-dd";

QDate dayOf(const QString &text)
{
    return QDate::fromString(text.trimmed(), QLatin1String(DayFormat));
}

// True when the range starts on a first and ends on a last day of a month.
bool isWholeMonths(const TDayRange &range, int *months)
{
    if (range.from.day() != 1 || range.to.day() != range.to.daysInMonth())
        return false;
    *months = (range.to.year() - range.from.year()) * 12 + range.to.month() - range.from.month()
              + 1;
    return true;
}

} // namespace

bool TCompareWith::parse(const QString &text, TCompareWith *with)
{
    const QString t = text.trimmed().toLower();
    TCompareWith read;
    if (t.isEmpty() || t == QLatin1String("none")) {
        read.mode = None;
    } else if (t == QLatin1String("previous")) {
        read.mode = Previous;
    } else if (t == QLatin1String("week")) {
        read.mode = Week;
    } else if (t == QLatin1String("year")) {
        read.mode = Year;
    } else {
        read.mode = Range;
        const qsizetype dots = t.indexOf(QLatin1String(".."));
        read.from = dayOf(dots < 0 ? t : t.left(dots));
        if (dots >= 0) {
            read.to = dayOf(t.mid(dots + 2));
            if (!read.to.isValid() || read.to < read.from)
                return false;
        }
        if (!read.from.isValid())
            return false;
    }
    *with = read;
    return true;
}

QString TCompareWith::text() const
{
    switch (mode) {
    case None:
        return QStringLiteral("none");
    case Previous:
        return QStringLiteral("previous");
    case Week:
        return QStringLiteral("week");
    case Year:
        return QStringLiteral("year");
    case Range:
        break;
    }
    const QString first = from.toString(QLatin1String(DayFormat));
    return to.isValid() ? first + QStringLiteral("..") + to.toString(QLatin1String(DayFormat))
                        : first;
}

TDayRange comparedRange(const TCompareWith &with, const TDayRange &report)
{
    if (!report.isValid())
        return {};
    const qint64 days = report.days();
    switch (with.mode) {
    case TCompareWith::None:
        return {};
    case TCompareWith::Previous: {
        int months = 0;
        if (isWholeMonths(report, &months))
            return {report.from.addMonths(-months), report.from.addDays(-1)};
        return {report.from.addDays(-days), report.from.addDays(-1)};
    }
    case TCompareWith::Week:
        return {report.from.addDays(-7), report.to.addDays(-7)};
    case TCompareWith::Year:
        // 52 weeks: the weekday stays, the date moves by a day or two
        return {report.from.addDays(-364), report.to.addDays(-364)};
    case TCompareWith::Range:
        if (with.to.isValid())
            return {with.from, with.to};
        return {with.from, with.from.addDays(days - 1)};
    }
    return {};
}

} // namespace PosLib
