#pragma once

#include <QList>
#include <QtGlobal>

namespace PosLib {

// Splits what each source gave over what each sink took, in proportion:
// `sources` and `sinks` are amounts in cents, none negative, with the same
// sum. The result holds one row per source and one column per sink; every
// row adds up to its source and every column to its sink, exactly.
//
// Each source but the last is split over what the sinks still lack, by
// largest remainder (on equal remainders the earlier sink gets the cent);
// the last source takes the rest. No share exceeds what its sink lacks, so
// none is negative. Cash 600 and card 400 over food 700 and drinks 300:
// cash 420/180, card 280/120.
QList<QList<qint64>> apportion(const QList<qint64> &sources, const QList<qint64> &sinks);

} // namespace PosLib
