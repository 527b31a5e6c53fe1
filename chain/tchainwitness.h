#pragma once

#include "tclosingverifier.h"

#include <QList>
#include <QString>

namespace PosLib {
class TClosingLedger;
}

namespace ChainLib {

class TChainDb;

// The chain database as an outside witness of an installation's closing
// records: every record an outlet sent is stored once and never replaced
// ("closings", with the SHA-256 of the file as sent). Each stored record
// must still be the installation's, byte for byte: a record changed or
// resealed, or gone, after it was sent is a finding. Records not sent yet
// are none. False with `error` set when the database cannot be asked.
bool witnessFindings(TChainDb &db, int officeId, const PosLib::TClosingLedger &ledger,
                     QList<PosLib::TClosingFinding> &findings, int *compared, QString *error);

} // namespace ChainLib
