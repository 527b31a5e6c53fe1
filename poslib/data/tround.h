#pragma once

#include <QtGlobal>

#include <cmath>

namespace PosLib {

// Rounds half up, also for negative amounts: 298.5 -> 299, -298.5 -> -298.
inline qint64 roundHalfUp(double x)
{
    return qint64(std::floor(x + 0.5));
}

// The amount of an order line in cents: price times count, rounded half up
// (199 x 1.5 = 298.5 -> 299).
inline qint64 lineAmount(qint64 priceCents, double count)
{
    return roundHalfUp(double(priceCents) * count);
}

} // namespace PosLib
