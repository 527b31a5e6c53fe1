#pragma once

#include "tentryfacts.h"

namespace PosLib {

// The fields that name an entry's currency, and the same of the currency
// its change was given in, place for place.
inline constexpr TField OwnCurrency[] = {FCurr, FCurrName, FCurrShort, FCurrRate, FCurrDecPos};
inline constexpr TField ReturnCurrency[]
        = {FRetCurr, FRetCurrName, FRetCurrShort, FRetCurrRate, FRetCurrDecPos};

} // namespace PosLib
