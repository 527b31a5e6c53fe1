#pragma once

#include "tspoolfile.h"

#include <QDate>
#include <QTime>

#include <functional>
#include <type_traits>
#include <vector>

namespace PosLib {

// A paid table of the table report as a compact row: its texts by number
// in the node's pool, its pays a list in a vector of pays.
struct TTableRow
{
    qint64 archive;
    // the order in which the node first took the row
    qint64 seq;
    QDate payDate;
    QDate tableDate;
    QTime payTime;
    QTime tableTime;
    quint32 table; // text numbers, TTextPool::Absent when missing
    quint32 party;
    quint32 name;
    bool hasTable;
    bool inHouse;
    int firstPay; // into the pays, -1 for none
    int lastPay;
};

// A pay a row took.
struct TTableRowPay
{
    qint64 amount;
    qint64 tip;
    qint64 guests;
    qint64 net; // given - return
    QDate date;
    QTime time;
    quint32 payform; // the pay form's name
    int next;
};

// Links `pay` to `row` as the last of its pays, kept in `pays`.
inline void appendPay(TTableRow &row, std::vector<TTableRowPay> &pays, TTableRowPay pay)
{
    pay.next = -1;
    pays.push_back(pay);
    const int at = int(pays.size()) - 1;
    if (row.lastPay >= 0)
        pays[size_t(row.lastPay)].next = at;
    else
        row.firstPay = at;
    row.lastPay = at;
}

static_assert(std::is_trivially_copyable_v<TTableRow> && std::is_trivially_copyable_v<TTableRowPay>,
              "rows are spooled as their bytes");

// The rows of a table node that holds more than a year fits in little
// memory: written to a temporary file in runs, each in the order of its
// rows' pay days, and read back a pay day at a time. A table (pay day and
// archive number) whose pays came in several runs is one row again when
// read: the fields of its first, the pays of all in the order they came.
class TTableRowSpool
{
public:
    TTableRowSpool();
    ~TTableRowSpool();
    TTableRowSpool(const TTableRowSpool &) = delete;
    TTableRowSpool &operator=(const TTableRowSpool &) = delete;

    bool isEmpty() const { return m_runs.empty(); }
    // Writes `rows` with their pays as a run; false when no temporary file
    // can be made or written (nothing of the run is kept then).
    bool add(const std::vector<TTableRow> &rows, const std::vector<TTableRowPay> &pays);

    using Day = std::function<void(std::vector<TTableRow> &rows, std::vector<TTableRowPay> &pays)>;
    // Calls `day` for each pay day in date order (invalid dates first) with
    // that day's rows, in the order they were first taken (`seq`), their
    // pays linked in `pays`. `tailRows` and `tailPays`, rows not written
    // yet, come after every run. Throws Basics::TError when the file cannot
    // be read back.
    void forEachDay(const std::vector<TTableRow> &tailRows,
                    const std::vector<TTableRowPay> &tailPays, const Day &day) const;

    // The day a row is ordered by: its julian day, invalid dates first.
    static qint64 dayOf(const QDate &date);

private:
    struct Run
    {
        qint64 begin;
        qint64 end;
    };
    class Cursor;
    TSpoolFile m_file;
    std::vector<Run> m_runs;
};

} // namespace PosLib
