#include "ttablerowspool.h"

#include "terror.h"
#include "tspoolreader.h"

#include <QByteArray>
#include <QHash>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <unistd.h>

using namespace Basics;

namespace PosLib {

// The rows of a run one after another: the row's bytes, its count of pays
// as a 32-bit number, the pays' bytes. Reads a block of the file at a time.
class TTableRowSpool::Cursor
{
public:
    Cursor(const QTemporaryFile *file, const Run &run)
        : m_in(file, run.begin, run.end)
    {
        advance();
    }
    bool atEnd() const { return m_atEnd; }
    qint64 day() const { return m_day; }
    const TTableRow &row() const { return m_row; }
    // The pays of the current row, appended to `pays`, then the next row.
    template<typename Take>
    void takePays(Take take)
    {
        for (qint32 p = 0; p < m_pays; ++p) {
            TTableRowPay pay;
            m_in.read(&pay, sizeof pay);
            take(pay);
        }
        advance();
    }

private:
    void advance()
    {
        if (m_in.atEnd()) {
            m_atEnd = true;
            return;
        }
        m_in.read(&m_row, sizeof m_row);
        m_in.read(&m_pays, sizeof m_pays);
        m_day = dayOf(m_row.payDate);
    }
    TSpoolReader m_in;
    bool m_atEnd = false;
    TTableRow m_row {};
    qint32 m_pays = 0;
    qint64 m_day = 0;
};

namespace {

// The indexes of `rows` by pay day, in the order taken within a day. Rows
// come a day at a time, so a run has few pay days: one pass per day.
std::vector<int> byPayDay(const std::vector<TTableRow> &rows)
{
    constexpr size_t FewDays = 16;
    std::vector<qint64> days(rows.size());
    std::vector<qint64> distinct;
    for (size_t i = 0; i < rows.size(); ++i) {
        days[i] = TTableRowSpool::dayOf(rows[i].payDate);
        if (distinct.size() <= FewDays
            && std::find(distinct.begin(), distinct.end(), days[i]) == distinct.end())
            distinct.push_back(days[i]);
    }
    std::vector<int> order;
    order.reserve(rows.size());
    if (distinct.size() <= FewDays) {
        std::sort(distinct.begin(), distinct.end());
        for (const qint64 day : distinct) {
            for (size_t i = 0; i < days.size(); ++i) {
                if (days[i] == day)
                    order.push_back(int(i));
            }
        }
        return order;
    }
    for (size_t i = 0; i < rows.size(); ++i)
        order.push_back(int(i));
    std::stable_sort(order.begin(), order.end(),
                     [&days](int a, int b) { return days[size_t(a)] < days[size_t(b)]; });
    return order;
}

} // namespace

TTableRowSpool::TTableRowSpool() = default;

TTableRowSpool::~TTableRowSpool() = default;

qint64 TTableRowSpool::dayOf(const QDate &date)
{
    return date.isValid() ? date.toJulianDay() : std::numeric_limits<qint64>::min();
}

bool TTableRowSpool::add(const std::vector<TTableRow> &rows, const std::vector<TTableRowPay> &pays)
{
    // by pay day, in the order taken within a day
    const std::vector<int> order = byPayDay(rows);
    // each row's count of pays first, so the run is sized once
    std::vector<qint32> counts(rows.size());
    qsizetype size = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        qint32 count = 0;
        for (int p = rows[i].firstPay; p >= 0; p = pays[size_t(p)].next)
            ++count;
        counts[i] = count;
        size += qsizetype(sizeof(TTableRow) + sizeof count + size_t(count) * sizeof(TTableRowPay));
    }
    QByteArray bytes(size, Qt::Uninitialized);
    char *at = bytes.data();
    const auto put = [&at](const void *data, size_t n) {
        std::memcpy(at, data, n);
        at += n;
    };
    for (int index : order) {
        const TTableRow &row = rows[size_t(index)];
        put(&row, sizeof row);
        put(&counts[size_t(index)], sizeof(qint32));
        for (int p = row.firstPay; p >= 0; p = pays[size_t(p)].next)
            put(&pays[size_t(p)], sizeof(TTableRowPay));
    }
    Run run {};
    if (!m_file.append(bytes, run.begin, run.end))
        return false;
    m_runs.push_back(run);
    return true;
}

void TTableRowSpool::forEachDay(const std::vector<TTableRow> &tailRows,
                                const std::vector<TTableRowPay> &tailPays, const Day &day) const
{
    std::vector<std::unique_ptr<Cursor>> cursors;
    for (const Run &run : m_runs)
        cursors.push_back(std::make_unique<Cursor>(m_file.file(), run));
    // the rows not written yet, by day as a run is
    const std::vector<int> tail = byPayDay(tailRows);
    size_t tailAt = 0;

    std::vector<TTableRow> rows;
    std::vector<TTableRowPay> pays;
    QHash<qint64, int> rowOfArchive;
    const auto append = [&rows, &pays](int target, const TTableRowPay &pay) {
        appendPay(rows[size_t(target)], pays, pay);
    };
    // the row of the day for `row`: the first one of its table
    const auto rowFor = [&rows, &rowOfArchive](const TTableRow &row) {
        int &at = rowOfArchive[row.archive];
        if (at == 0) {
            rows.push_back(row);
            rows.back().firstPay = rows.back().lastPay = -1;
            at = int(rows.size());
        }
        return at - 1;
    };
    for (;;) {
        bool any = false;
        qint64 next = std::numeric_limits<qint64>::max();
        for (const auto &cursor : cursors) {
            if (!cursor->atEnd()) {
                next = std::min(next, cursor->day());
                any = true;
            }
        }
        if (tailAt < tail.size()) {
            next = std::min(next, dayOf(tailRows[size_t(tail[tailAt])].payDate));
            any = true;
        }
        if (!any)
            return;
        rows.clear();
        pays.clear();
        rowOfArchive.clear();
        for (const auto &cursor : cursors) {
            while (!cursor->atEnd() && cursor->day() == next) {
                const int target = rowFor(cursor->row());
                cursor->takePays([&](const TTableRowPay &pay) { append(target, pay); });
            }
        }
        while (tailAt < tail.size() && dayOf(tailRows[size_t(tail[tailAt])].payDate) == next) {
            const TTableRow &row = tailRows[size_t(tail[tailAt++])];
            const int target = rowFor(row);
            for (int p = row.firstPay; p >= 0; p = tailPays[size_t(p)].next)
                append(target, tailPays[size_t(p)]);
        }
        std::sort(rows.begin(), rows.end(),
                  [](const TTableRow &a, const TTableRow &b) { return a.seq < b.seq; });
        day(rows, pays);
    }
}

} // namespace PosLib
