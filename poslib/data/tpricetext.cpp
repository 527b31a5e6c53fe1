#include "tpricetext.h"

#include "tcurrencies.h"

namespace PosLib {

QString priceText(const TCurrencies *currencies, long cents)
{
    if (currencies && currencies->systemCurrency())
        return currencies->format(cents);
    const QString sign = cents < 0 ? QStringLiteral("-") : QString();
    const long value = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2.%3")
            .arg(sign)
            .arg(value / 100)
            .arg(value % 100, 2, 10, QLatin1Char('0'));
}

QString currencyShortName(const TCurrencies *currencies)
{
    const TCurrency *system = currencies ? currencies->systemCurrency() : nullptr;
    return system ? system->shortname() : QString();
}

QString moneyText(const TCurrencies *currencies, long cents)
{
    const QString name = currencyShortName(currencies);
    const QString amount = priceText(currencies, cents);
    return name.isEmpty() ? amount : amount + QLatin1Char(' ') + name;
}

} // namespace PosLib
