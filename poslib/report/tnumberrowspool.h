#pragma once

#include "tspoolfile.h"

#include <QtGlobal>

#include <functional>
#include <memory>
#include <vector>

namespace PosLib {

// A number from 1 up as a key that orders like the number's text: "1",
// "10", "100", "11", …, "2" (a text before the longer ones it begins).
inline quint64 numberTextKey(int number)
{
    // the digits moved to the left of ten places, their count last
    quint64 scaled = quint64(number);
    int digits = 1;
    for (int v = number; v >= 10; v /= 10)
        ++digits;
    for (int i = digits; i < 10; ++i)
        scaled *= 10;
    return scaled << 4 | quint64(digits);
}

// The rows of a node that numbers its leaves 1, 2, … and lists them in the
// order of their numbers' texts (a leaf per pay), once they are more than
// fit in little memory: written to a temporary file in runs of numbers
// that follow on, each run in the order of its numbers' texts, and read
// back merged in that order a row at a time, or run by run in the order of
// the numbers. A row is a block of bytes of the spool's row size.
class TNumberRowSpool
{
public:
    explicit TNumberRowSpool(int rowSize);
    ~TNumberRowSpool();
    TNumberRowSpool(const TNumberRowSpool &) = delete;
    TNumberRowSpool &operator=(const TNumberRowSpool &) = delete;

    bool isEmpty() const { return m_runs.empty(); }
    // The rows written: those numbered 1 to written().
    int written() const { return m_written; }

    // The bytes of the `index`th row (from 0) of those handed.
    using RowAt = std::function<const void *(int index)>;
    // Writes `count` rows as a run, numbered on from those written; false
    // when no temporary file can be made or written (nothing of the run is
    // kept then).
    bool add(int count, const RowAt &row);

    // The rows written and `held` rows not written yet (numbered on after
    // them), in the order of their numbers' texts, a row at a time.
    class ByText
    {
    public:
        ByText(const TNumberRowSpool &spool, int held);
        ~ByText();
        ByText(const ByText &) = delete;
        ByText &operator=(const ByText &) = delete;
        // The next row's number and, for a row written, its bytes (until
        // the next call); null for a row held, the (number - written())th
        // of them from 1. False after the last. Throws Basics::TError when
        // the file cannot be read back.
        bool next(int &number, const void *&row);

    private:
        struct Parts;
        std::unique_ptr<Parts> m_parts;
    };

    using Visit = std::function<void(int number, const void *row)>;
    // Calls `visit` for each row written, in the order of their numbers.
    void forEachByNumber(const Visit &visit) const;

private:
    struct Run
    {
        qint64 begin;
        qint64 end;
        int first; // the number of its first row
        int count;
    };
    class Cursor;

    int m_rowSize;
    TSpoolFile m_file;
    std::vector<Run> m_runs;
    int m_written = 0;
};

} // namespace PosLib
