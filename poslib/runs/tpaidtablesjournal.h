#pragma once

#include "tlistrow.h"

#include <QDate>
#include <QDateTime>

#include <functional>

namespace PosLib {

class TCurrencies;
class TJournalTables;
class TPaidTableDays;
class TSumFilter;
class TTable;
class TTableEntry;
class TWorkspaceLists;

// What one journal run asks for.
struct TJournalRequest
{
    QDate from; // invalid: the paid tables of the current, not yet closed day
    QDate to; // invalid with a valid `from`: that single day
    int filter = 0; // summary filter number, 0 for none
    bool showBill = false; // the table line carries the bill number
    bool showArch = false; // the table line carries the archive number
    QDateTime now; // the clock of the "Report from" line; invalid: now
};

// The paid tables journal: every paid table of a day or range, one item
// per table with its closing data and, below it, one item per entry, in
// fixed-width text. Shared by the reports document and the command line.
//
// A table's time, date and waiter come from its last archiving entry (the
// closing as it stands), or from the creation record when it was never
// archived. Money is written in the back office's price format followed by
// the system currency's short name in three places.
class TPaidTablesJournal
{
public:
    TPaidTablesJournal(TWorkspaceLists *lists, const QString &root);
    ~TPaidTablesJournal();

    // Called once per table walked: the position (from 1) and the count.
    using Progress = std::function<void(int step, int count)>;
    void setProgress(Progress progress) { m_progress = std::move(progress); }
    // Ends the run at its next table (from the progress callback, say).
    void setStopped() { m_stopped = true; }
    bool isStopped() const { return m_stopped; }

    // The journal's items: the table items with their entries, "=" rules
    // after tables with entries, then "Report from …" and the heading; a
    // single "No table list available" when the range holds no table;
    // nothing when stopped.
    TListRows run(const TJournalRequest &request);
    // The same items handed to `take` as they follow each other: a table's
    // item with the rule below it at a time, then the last two lines. The
    // tables wait for their turn in a temporary file, so that a year's
    // journal (hundreds of MB of text) is not held in memory. False when
    // stopped: nothing was handed on. Throws a TFileError when the
    // temporary file cannot be written or read back.
    using Take = std::function<void(const TListRows &rows)>;
    bool run(const TJournalRequest &request, const Take &take);

    // The pieces, for the document and the tests.
    QString tableLine(const TTable &table, bool showBill, bool showArch) const;
    // The entry's item, null-text for entries that add none (type 9 and
    // voided payments). A payment with a hotel room gets the room line as
    // `extra`.
    QString entryLine(const TTableEntry &entry, QString *extra = nullptr) const;
    QString heading(const TJournalRequest &request) const;
    static QString reportLine(const QDateTime &now);
    // The three-wide field after amounts.
    QString currencyField() const;
    QString price(long cents) const;

private:
    // Walks the tables of `days` into `tables`; false when stopped.
    bool walk(const TJournalRequest &request, const TPaidTableDays &days, TJournalTables &tables);
    // The items of one table into `tables` (its key alone when the filter
    // leaves it out).
    void addTable(const TJournalRequest &request, TTable &table, const TSumFilter *filter,
                  TJournalTables &tables) const;
    // The two lines after the tables.
    TListRows closingRows(const TJournalRequest &request) const;

    TWorkspaceLists *m_lists;
    QString m_root;
    TCurrencies *m_currencies = nullptr;
    Progress m_progress;
    bool m_stopped = false;
};

} // namespace PosLib
