#pragma once

#include <QByteArray>

namespace PosLib {

class TRepDatas;
class TTextNumbers;

// The figures of one day as the report engine holds them: the groups of a
// TRepWaiters or TRepCenters filled with that day's tables (every group,
// node, leaf and record row), as bytes to keep, and added to the groups of
// a report day by day. Adding the days of a range in date order gives the
// same groups, to the last figure, as one run over the range: leaves keep
// the fields of their first entry, sums add up exactly, numbered leaves
// and record rows go on in order.
//
// A blob holds no options: it is valid only for groups made with the same
// ones (side, pay, void, cash and balance records kept, report waiter,
// filter, turnover, trainee, credits, outlet, the installation's group
// settings and departments).
// Whoever keeps blobs keys them by those (TReport::aggregateKey()).
class TDayAggregate
{
public:
    static constexpr quint32 Magic = 0x41445456; // "VTDA"
    static constexpr quint16 Version = 3;

    // The blob of `day`, groups filled by the generator with one day and
    // nothing else, before anything asked for their record leaves (empty
    // otherwise). `stamp` is the caller's identity of the day's data (the
    // cache's: the day summary's size, time and inode), kept beside.
    // `numbers`: the text numbers of a writer of day after day (the blob is
    // the same with or without them).
    static QByteArray toBytes(const TRepDatas &day, const QByteArray &stamp = QByteArray(),
                              TTextNumbers *numbers = nullptr);

    // Adds a blob to `into` as a day after everything it holds. False for
    // a blob that is damaged (length, checksum), of another version, or of
    // other groups (waiters or cost centers, records kept or not); those
    // are checked before anything is added, and `into` is unchanged then.
    static bool merge(const QByteArray &blob, TRepDatas &into);

    // The stamp of a blob; null when its header is damaged.
    static QByteArray stampOf(const QByteArray &blob);

    // The checked part of merge(), without the checksum: what the fuzz
    // target feeds damaged bytes. `into` may be half changed on false.
    static bool mergePayload(const QByteArray &payload, TRepDatas &into);
};

} // namespace PosLib
