#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

namespace Basics {

// Dates, times and numbers as the window shows them, in the language of
// the default locale (the one Basics::TTranslation sets): German as
// "05.12.2026", "Samstag, 5. Dezember 2026", "1.234"; English, day before
// month and with the month's name, so that no reader takes the 4th of
// December for the 12th of April: "5 Dec 2026", "Saturday, 5 December
// 2026", "1,234". Times in 24 hours: "21:05".

// Whether the default locale is German.
bool germanLocale();

// The short date; empty for an invalid date.
QString dateText(const QDate &date);
// The date with the day's name and the month's name in full.
QString longDateText(const QDate &date);
// "21:05".
QString timeText(const QTime &time);
// The short date and the time: "05.12.2026 21:05".
QString dateTimeText(const QDateTime &moment);
// A whole number with the language's thousands separator.
QString numberText(qint64 number);

// The pattern of dateText() for date edits ("dd.MM.yyyy", "d MMM yyyy").
QString datePattern();

// A date field's typed form: German "dd.MM.yyyy", English "dd/MM/yyyy".
QString typedDatePattern();

} // namespace Basics
