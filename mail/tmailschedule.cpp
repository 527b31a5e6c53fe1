#include "tmailschedule.h"

#include <QCoreApplication>
#include <QStringList>

namespace Mail {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Mail)
};

const QStringList &weekdays()
{
    static const QStringList names
            = {QStringLiteral("mon"), QStringLiteral("tue"), QStringLiteral("wed"),
               QStringLiteral("thu"), QStringLiteral("fri"), QStringLiteral("sat"),
               QStringLiteral("sun")};
    return names;
}

} // namespace

bool TMailSchedule::parse(const QString &text, TMailSchedule &schedule, QString *error)
{
    const QStringList words
            = text.simplified().toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    schedule = TMailSchedule();
    auto bad = [&] {
        *error = Text::tr("'%1' is no schedule (daily HH:MM, weekly Mon HH:MM, monthly 1-28 "
                          "HH:MM, never)")
                         .arg(text);
        return false;
    };
    if (words == QStringList {QStringLiteral("never")})
        return true;
    if (words.size() < 2)
        return bad();
    schedule.time = QTime::fromString(words.last(), QStringLiteral("H:mm"));
    if (!schedule.time.isValid())
        return bad();
    if (words.first() == QLatin1String("daily") && words.size() == 2) {
        schedule.kind = Daily;
        return true;
    }
    if (words.first() == QLatin1String("weekly") && words.size() == 3) {
        const int day = weekdays().indexOf(words.at(1).left(3));
        if (day < 0 || words.at(1).size() < 3)
            return bad();
        schedule.kind = Weekly;
        schedule.weekday = day + 1;
        return true;
    }
    if (words.first() == QLatin1String("monthly") && words.size() == 3) {
        bool ok = false;
        schedule.monthDay = words.at(1).toInt(&ok);
        if (!ok || schedule.monthDay < 1 || schedule.monthDay > 28)
            return bad();
        schedule.kind = Monthly;
        return true;
    }
    return bad();
}

QDateTime TMailSchedule::lastRun(const QDateTime &now) const
{
    const QDate today = now.date();
    QDate day;
    switch (kind) {
    case Never:
        return QDateTime();
    case Daily:
        day = today;
        if (now.time() < time)
            day = day.addDays(-1);
        break;
    case Weekly:
        day = today.addDays(-((today.dayOfWeek() - weekday + 7) % 7));
        if (day == today && now.time() < time)
            day = day.addDays(-7);
        break;
    case Monthly:
        day = QDate(today.year(), today.month(), monthDay);
        if (day > today || (day == today && now.time() < time))
            day = day.addMonths(-1);
        break;
    }
    return QDateTime(day, time);
}

bool TMailRange::parse(const QString &words, const QDate &today, TMailRange &range, QString *error)
{
    const QString w = words.simplified().toLower();
    const QDate yesterday = today.addDays(-1);
    if (w == QLatin1String("yesterday")) {
        range = {yesterday, yesterday};
    } else if (w == QLatin1String("last week")) {
        const QDate monday = today.addDays(1 - today.dayOfWeek()).addDays(-7);
        range = {monday, monday.addDays(6)};
    } else if (w == QLatin1String("last month")) {
        const QDate first = QDate(today.year(), today.month(), 1).addMonths(-1);
        range = {first, first.addMonths(1).addDays(-1)};
    } else if (w == QLatin1String("month to date")) {
        range = {QDate(yesterday.year(), yesterday.month(), 1), yesterday};
    } else {
        *error = Text::tr("'%1' is no range (yesterday, last week, last month, month to date)")
                         .arg(words);
        return false;
    }
    return true;
}

} // namespace Mail
