#pragma once

#include "treconciliationcheck.h"

#include <QDate>
#include <QList>
#include <QString>

namespace PosLib {

class TClosingLedger;

// Something that does not hold in an installation's closings.
struct TClosingFinding
{
    enum Kind {
        BillChanged, // a bill file differs from its hash in the record
        BillMissing, // a recorded bill file is gone
        BillAdded, // a bill file of the day that no record names
        RecordChanged, // the record's seal does not match its content
        RecordUnreadable, // the record is no record
        BrokenLink, // the record's link to the one before it does not hold
        ZGap, // Z counter values in no journal line
        ZTwice, // a Z counter value in more than one journal line
        JournalWithoutRecord, // a journal line made since records are kept, without one
        RecordWithoutJournal, // a record without its journal line
        SummaryChanged, // the day summary differs from the one the closing left
        Interrupted, // a closing was cut off; the next closing completes it
        BillUnreadable, // a bill file of a closed day cannot be read
        BillNotRecorded, // a bill carries a closing's Z, but its record does not list it
        ZInTwoRecords, // two records (of two days) carry the same Z counter
        CounterBehind, // a Z counter file is missing, damaged or set back
        AnchorBroken, // "var/closing.anchor" is missing, damaged, or names a record not there
        RecordAfterAnchor, // a record newer than the one the anchor names
        JournalCountWrong, // the journal line's moved count is not the record's bills
        SummaryMissing, // the day summary a whole-day closing sealed is gone
        WitnessDiffers, // the chain database holds another record of the closing
        WitnessOnly, // the chain database holds a record the installation lacks
    };
    Kind kind = BillChanged;
    long z = 0; // the closing concerned; 0 for an added bill
    QDate date; // its day
    QString file; // the file concerned, relative to the installation
    QString text; // for the user, translated
};

// Checks the closings of `ledger` against the anchor "var/closing.anchor"
// (every closing from its first Z on has a record; the newest record is
// the one it names, as it was), the hashes of every recorded bill and of
// the day summary, that each record lists every bill carrying its Z, the
// seals and the chain of the records, the moved count of each journal
// line, the presence of a sealed day summary, the Z counter values of the journals
// and records (no gaps, none twice, up to the counter, which must be ahead
// of them) and journal lines without records. Closings made before the first record are
// checked for Z continuity only. With a valid `day` only the findings of
// that day's closings are made (a Z gap belongs to the closing after it).
// Reads only. The findings come in Z order. `bills`, when given, gets the
// bills of each day checked, added up for TReconciliationCheck::run().
QList<TClosingFinding> verifyClosings(const QString &root, const TClosingLedger &ledger,
                                      const QDate &day = QDate(), TDayBillTotals *bills = nullptr);

// The findings closingHolds() needs for the closings from `from` to `to`
// (each bound optional): those of verifyClosings() but for the bills of
// days outside, which are not read (unless a closing of theirs shares its Z
// with one of the range). Whether a closing of the range holds is the same.
QList<TClosingFinding> verifyClosingsOf(const QString &root, const TClosingLedger &ledger,
                                        const QDate &from, const QDate &to);

// True when none of `findings` concerns the closing `z` of `date` (a bill
// added to its day concerns every closing of the day).
bool closingHolds(const QList<TClosingFinding> &findings, long z, const QDate &date);

} // namespace PosLib
