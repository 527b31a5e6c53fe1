#pragma once

#include <QList>
#include <QString>

namespace Basics {
class TValue;
}

namespace PosLib {

class TSumFilter;
class TTable;

// What a summary filter keeps of the current business day: the open tables
// of "var/tables" and the paid tables of "var/archives".
struct TFilterProbe
{
    // One table looked at.
    struct Table
    {
        bool open = false; // an open table (else a paid one)
        long table = 0;
        int party = 0;
        long archive = 0;
        int waiter = 0;
        QString waiterName;
        int entries = 0; // entries of the table (without children)
        int keptEntries = 0; // of those, the entries the entry condition keeps
    };

    int tables = 0; // tables of the day that match the selection
    int keptTables = 0; // of those, the tables the table condition keeps
    int entries = 0; // entries of the kept tables
    int keptEntries = 0; // of those, the entries the entry condition keeps
    QList<Table> kept; // the first kept tables, up to the number asked for
    QList<Table> dropped; // the first tables the table condition drops
};

// Runs the filter over the current day's tables of the installation at
// `root`. `selection` narrows the tables looked at: its fields "center",
// "waiter" and "table" must equal the table's (from the header, else the
// creation record), "article" (a PLU) and
// "family" need an order of the table with that "plu" or "family",
// "payform" a payment of the table (not voided) with that "payform"; a
// missing field narrows nothing. Tables held by a terminal count too.
// `examples` tables of each kind are kept as examples. Files that cannot
// be read are passed over; a tables directory that cannot be made throws
// Basics::TDirError.
TFilterProbe probeFilter(const TSumFilter &filter, const QString &root,
                         const Basics::TValue &selection, int examples = 2);

// Whether a table matches a selection as probeFilter() narrows.
bool matchesSelection(const TTable &table, const Basics::TValue &selection);

} // namespace PosLib
