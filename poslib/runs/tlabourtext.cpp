// The labour report's printed form.

#include "tlabourreport.h"
#include "tpricetext.h"

#include <QLocale>

namespace PosLib {

namespace {

constexpr int NameWidth = 22;
constexpr int HoursWidth = 8;
constexpr int AmountWidth = 12;
constexpr int CountWidth = 8;
constexpr int ShareWidth = 8;

QString cell(const QString &text, int width)
{
    return text.size() >= width ? QLatin1Char(' ') + text : text.rightJustified(width);
}

} // namespace

QStringList TLabourReport::lines(const TCurrencies *currencies) const
{
    const QLocale locale;
    const QString currency = currencyShortName(currencies);
    auto money = [currencies](qint64 cents) { return priceText(currencies, long(cents)); };
    auto row = [&](const QString &name, const TLabourLine &line, bool covers) {
        qint64 perHour = 0;
        double coversPerHour = 0;
        double share = 0;
        QString text = name.left(NameWidth).leftJustified(NameWidth)
                       + cell(hoursText(line.seconds), HoursWidth)
                       + cell(money(line.sales), AmountWidth)
                       + cell(line.salesPerHour(&perHour) ? money(perHour) : QStringLiteral("-"),
                              AmountWidth);
        if (covers) {
            text += cell(line.covers >= 0 ? QString::number(line.covers) : QString(), CountWidth)
                    + cell(line.coversPerHour(&coversPerHour)
                                   ? locale.toString(coversPerHour, 'f', 2)
                                   : QStringLiteral("-"),
                           CountWidth);
        }
        if (withWages) {
            if (!covers)
                text += QString(2 * CountWidth, QLatin1Char(' '));
            text += cell(line.withCost ? money(line.cost) : QStringLiteral("-"), AmountWidth)
                    + cell(line.costShare(&share)
                                   ? locale.toString(share, 'f', 1) + QLatin1Char('%')
                                   : QStringLiteral("-"),
                           ShareWidth);
        }
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        return text;
    };
    auto heads = [&](const QString &first, bool covers) {
        const QString unit = currency.isEmpty() ? QString() : QLatin1Char(' ') + currency;
        QString text = first.leftJustified(NameWidth) + cell(tr("Hours"), HoursWidth)
                       + cell(tr("Sales") + unit, AmountWidth) + cell(tr("Per hour"), AmountWidth)
                       + (covers ? cell(tr("Covers"), CountWidth) + cell(tr("Per hour"), CountWidth)
                                 : QString(2 * CountWidth, QLatin1Char(' ')));
        if (withWages)
            text += cell(tr("Cost") + unit, AmountWidth) + cell(tr("Share"), ShareWidth);
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        return text;
    };

    QStringList out;
    out << tr("Sales per labour hour");
    if (!installation.isEmpty())
        out << installation;
    const QString day = QStringLiteral("dddd, d.M.yyyy");
    if (currentDay)
        out << tr("Current day %1").arg(locale.toString(from, day));
    else if (from == to)
        out << locale.toString(from, day);
    else
        out << QStringLiteral("%1 - %2").arg(locale.toString(from, day), locale.toString(to, day));
    out << QString() << heads(tr("Waiter"), true);
    for (const TLabourLine &line : waiters)
        out << row(QStringLiteral("%1 %2").arg(line.number).arg(line.name), line, true);
    out << QString(heads(QString(), true).size(), QLatin1Char('-')) << row(total.name, total, true);
    out << QString() << heads(tr("Hour"), false);
    for (const TLabourLine &line : hours)
        out << row(line.name, line, false);
    if (!withoutWage.isEmpty()) {
        QStringList numbers;
        for (int waiter : withoutWage)
            numbers << QString::number(waiter);
        out << QString()
            << tr("No wage for waiter %1 in etc/wages.ini: the costs leave their hours out.")
                        .arg(numbers.join(QStringLiteral(", ")));
    }
    return out;
}

} // namespace PosLib
