#pragma once

#include "tcashcount.h"

#include <QList>
#include <QString>

class TArgs;

// The cash count of `veltrum turnover`: --count NAME=AMOUNT (repeated),
// --count-file FILE, --float, --comment, --counted-by and --tolerance, the
// names resolved against `items` (what the bills expect and what the
// installation can count). Throws TUsageError for a bad amount, an item
// that is neither a payment form nor a currency, an item counted twice, a
// count file that cannot be read or has a bad line (named with its line
// number), and for --float, --comment or --counted-by without a count.
PosLib::TCashCountInput countInput(TArgs &args, const QString &root,
                                   const QList<PosLib::TCountItem> &items,
                                   const QString &executingWaiter);

// True when any count option is given.
bool countGiven(TArgs &args);
