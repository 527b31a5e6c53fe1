#pragma once

#include <QString>

namespace PosLib {

class TCurrencies;

// The back office's money text of an amount in cents: the system
// currency's plain format when there is a currency list with a system
// currency, else "<units>.<2 digits>" with "-" before negative amounts
// ("-0.05").
QString priceText(const TCurrencies *currencies, long cents);
// The system currency's short name; empty without one.
QString currencyShortName(const TCurrencies *currencies);
// An amount as the back office writes money wherever it is read by people
// (reports of our own, the window, the commands): priceText() and, when
// there is one, the system currency's short name ("9,50 EUR", or "9.50"
// without a currency list).
QString moneyText(const TCurrencies *currencies, long cents);

} // namespace PosLib
