#include "tchainwitness.h"

#include "tchaindb.h"

#include "tclosingledger.h"
#include "tclosingrecord.h"
#include "tinstallation.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace ChainLib {

namespace {

// The texts of this file, translated in the context "TChainWitness".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TChainWitness)
};

} // namespace

bool witnessFindings(TChainDb &db, int officeId, const PosLib::TClosingLedger &ledger,
                     QList<PosLib::TClosingFinding> &findings, int *compared, QString *error)
{
    QSqlQuery query(db.database());
    query.setForwardOnly(true);
    if (!db.exec(query,
                 QStringLiteral("SELECT z, day, sha256 FROM closings WHERE office_id = ? ORDER "
                                "BY z"),
                 {officeId})) {
        if (error)
            *error = db.error();
        return false;
    }
    int count = 0;
    while (query.next()) {
        ++count;
        const long z = long(query.value(0).toLongLong());
        const QDate day = query.value(1).toDate();
        const QByteArray sha = query.value(2).toString().toLatin1();
        const QString file = QStringLiteral("var/statist/") + PosLib::statistDayName(day)
                             + QLatin1Char('/') + PosLib::TClosingRecord::fileName(z);
        const PosLib::TClosing *local = ledger.find(z);
        if (!local || !local->hasRecord || local->date != day) {
            findings << PosLib::TClosingFinding {
                    PosLib::TClosingFinding::WitnessOnly, z, day, file,
                    Text::tr("Z %1 (%2): the chain database holds the closing record this "
                             "outlet sent, but the installation has none")
                            .arg(z)
                            .arg(day.toString(Qt::ISODate))};
        } else if (PosLib::sha256Hex(local->recordBytes) != sha) {
            findings << PosLib::TClosingFinding {
                    PosLib::TClosingFinding::WitnessDiffers, z, day, file,
                    Text::tr("Z %1 (%2): the closing record is not the one this outlet sent to "
                             "the chain database: it was changed after it was sent")
                            .arg(z)
                            .arg(day.toString(Qt::ISODate))};
        }
    }
    if (compared)
        *compared = count;
    return true;
}

} // namespace ChainLib
