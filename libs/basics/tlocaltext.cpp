#include "tlocaltext.h"

#include <QLocale>

namespace Basics {

bool germanLocale()
{
    return QLocale().language() == QLocale::German;
}

QString datePattern()
{
    return germanLocale() ? QStringLiteral("dd.MM.yyyy") : QStringLiteral("d MMM yyyy");
}

QString dateText(const QDate &date)
{
    return date.isValid() ? QLocale().toString(date, datePattern()) : QString();
}

QString longDateText(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return QLocale().toString(date, germanLocale() ? QStringLiteral("dddd, d. MMMM yyyy")
                                                   : QStringLiteral("dddd, d MMMM yyyy"));
}

QString timeText(const QTime &time)
{
    return time.isValid() ? time.toString(QStringLiteral("HH:mm")) : QString();
}

QString dateTimeText(const QDateTime &moment)
{
    if (!moment.isValid())
        return QString();
    return dateText(moment.date()) + QLatin1Char(' ') + timeText(moment.time());
}

QString numberText(qint64 number)
{
    return QLocale().toString(number);
}

QString typedDatePattern()
{
    return germanLocale() ? QStringLiteral("dd.MM.yyyy") : QStringLiteral("dd/MM/yyyy");
}

} // namespace Basics
