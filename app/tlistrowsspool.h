#pragma once

#include "tbytespool.h"
#include "tlistrow.h"
#include "toutput.h"

#include <memory>

namespace PosLib {
class TRowsSpool;
} // namespace PosLib

// The rows of a list document (the paid tables journal) on their way to
// --format json, csv or xlsx, handed a piece at a time: written to a
// temporary file while the list is made, so that a year's journal needs no
// more memory than its text, and put into the output whole at the end, so
// that a failed or stopped run writes nothing.
class TListRowsSpool
{
public:
    explicit TListRowsSpool(TOutputFormat format);
    ~TListRowsSpool();
    TListRowsSpool(const TListRowsSpool &) = delete;
    TListRowsSpool &operator=(const TListRowsSpool &) = delete;

    // False for any other format and when no temporary file can be made
    // (the list is then made whole, as before).
    bool isOpen() const;
    void add(const PosLib::TListRows &rows);
    // Writes what listRowsData() (JSON) or listRowsCsv() (CSV, the
    // workbook) makes of every row added. On failure prints the reason and
    // returns false.
    bool write(TOutput &output, int kind, const QString &caption);

private:
    TOutputFormat m_format;
    // JSON: the rows' elements
    std::unique_ptr<TByteSpool> m_json;
    bool m_first = true;
    // CSV and the workbook: depth and columns, as long as each row
    std::unique_ptr<PosLib::TRowsSpool> m_rows;
    qsizetype m_columns = 0;
};
