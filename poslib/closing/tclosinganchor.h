#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

namespace PosLib {

struct TClosingRecord;

// The newest closing record of an installation, noted a second time outside
// the day directories: "var/closing.anchor" (JSON: "format", "firstZ",
// "z", "date", "sha256"). Deleting every record, or editing and resealing
// the newest one, then no longer passes: the anchor still names the record
// and its SHA-256, and the Z from which every closing has a record. The
// closing writes it right after each record, before its run's note goes.
struct TClosingAnchor
{
    static constexpr int Format = 1;

    long firstZ = 0; // the first closing with a record
    long z = 0; // the newest record
    QDate date; // its day
    QByteArray sha256; // of its file as stored

    QByteArray toBytes() const;
    static bool fromBytes(const QByteArray &bytes, TClosingAnchor *anchor);
};

struct TAnchorReading
{
    enum State { Missing, Damaged, Read };
    State state = Missing;
    TClosingAnchor anchor;
};

// "var/closing.anchor" under the root.
QString closingAnchorPath(const QString &root);
TAnchorReading readClosingAnchor(const QString &root);

// Notes `record` (stored as `bytes`) as the newest record, unless the
// anchor names a newer one already; the first Z stays as the anchor has it
// (`firstZ` for a new anchor). Written whole and durably; throws the file
// errors.
void advanceClosingAnchor(const QString &root, const TClosingRecord &record,
                          const QByteArray &bytes, long firstZ);

} // namespace PosLib
