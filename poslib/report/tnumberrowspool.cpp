#include "tnumberrowspool.h"

#include "tspoolreader.h"

#include <QByteArray>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <queue>
#include <utility>

namespace PosLib {

// The rows of a run one after another, each its number as a 32-bit number
// and its bytes. Reads a block of the file at a time.
class TNumberRowSpool::Cursor
{
public:
    Cursor(const QTemporaryFile *file, const Run &run, int rowSize)
        : m_in(file, run.begin, run.end)
        , m_first(run.first)
        , m_count(run.count)
        , m_bytes(qsizetype(sizeof(qint32)) + rowSize, '\0')
    { }
    // The next row into number() and row(); false at the run's end. A
    // number not of the run throws the TFileError of a damaged file.
    bool next()
    {
        if (m_in.atEnd())
            return false;
        m_in.read(m_bytes.data(), m_bytes.size());
        std::memcpy(&m_number, m_bytes.constData(), sizeof m_number);
        if (m_number < m_first || m_number - m_first >= m_count)
            m_in.fail(EIO);
        return true;
    }
    int number() const { return m_number; }
    const void *row() const { return m_bytes.constData() + sizeof(qint32); }

private:
    TSpoolReader m_in;
    int m_first;
    int m_count;
    // the row's number and its bytes
    QByteArray m_bytes;
    qint32 m_number = 0;
};

TNumberRowSpool::TNumberRowSpool(int rowSize)
    : m_rowSize(rowSize)
{ }

TNumberRowSpool::~TNumberRowSpool() = default;

namespace {

// The indexes 0 to count - 1 of rows numbered on from `first`, in the
// order of their numbers' texts. Numbers of as many digits are in that
// order already: the parts of one count of digits are merged (a run of
// numbers has one part, or two or so where the count grows).
std::vector<int> byText(int first, int count)
{
    struct Part
    {
        int at;
        int end;
    };
    std::vector<Part> parts;
    for (int begin = 0; begin < count;) {
        qint64 wider = 10; // the first number of one digit more
        while (wider <= qint64(first) + begin)
            wider *= 10;
        const int end = int(std::min<qint64>(count, wider - first));
        parts.push_back({begin, end});
        begin = end;
    }
    std::vector<int> order;
    order.reserve(static_cast<size_t>(count));
    for (;;) {
        Part *next = nullptr;
        for (Part &part : parts) {
            if (part.at < part.end
                && (!next || numberTextKey(first + part.at) < numberTextKey(first + next->at)))
                next = &part;
        }
        if (!next)
            return order;
        order.push_back(next->at++);
    }
}

} // namespace

bool TNumberRowSpool::add(int count, const RowAt &row)
{
    if (count <= 0)
        return true;
    const int first = m_written + 1;
    const qsizetype step = qsizetype(sizeof(qint32)) + m_rowSize;
    QByteArray bytes(count * step, Qt::Uninitialized);
    char *out = bytes.data();
    for (int index : byText(first, count)) {
        const qint32 number = first + index;
        std::memcpy(out, &number, sizeof number);
        std::memcpy(out + sizeof number, row(index), size_t(m_rowSize));
        out += step;
    }
    Run run {0, 0, first, count};
    if (!m_file.append(bytes, run.begin, run.end))
        return false;
    m_runs.push_back(run);
    m_written += count;
    return true;
}

// the runs' cursors and the order of the rows held; the next row of each
// part by its key, the rows held the part after the runs
struct TNumberRowSpool::ByText::Parts
{
    std::vector<std::unique_ptr<Cursor>> cursors;
    std::vector<int> held;
    size_t heldAt = 0;
    int written = 0;
    using Next = std::pair<quint64, size_t>;
    std::priority_queue<Next, std::vector<Next>, std::greater<Next>> next;
    // the part of the row handed last, advanced before the next
    size_t last = 0;
    bool started = false;

    void advance(size_t part)
    {
        if (part < cursors.size()) {
            if (cursors[part]->next())
                next.emplace(numberTextKey(cursors[part]->number()), part);
        } else if (heldAt < held.size()) {
            next.emplace(numberTextKey(written + 1 + held[heldAt]), part);
        }
    }
};

TNumberRowSpool::ByText::ByText(const TNumberRowSpool &spool, int held)
    : m_parts(std::make_unique<Parts>())
{
    m_parts->cursors.reserve(spool.m_runs.size());
    for (const Run &run : spool.m_runs)
        m_parts->cursors.push_back(
                std::make_unique<Cursor>(spool.m_file.file(), run, spool.m_rowSize));
    m_parts->held = byText(spool.m_written + 1, held);
    m_parts->written = spool.m_written;
}

TNumberRowSpool::ByText::~ByText() = default;

bool TNumberRowSpool::ByText::next(int &number, const void *&row)
{
    Parts &p = *m_parts;
    if (!p.started) {
        p.started = true;
        for (size_t part = 0; part <= p.cursors.size(); ++part)
            p.advance(part);
    } else {
        p.advance(p.last);
    }
    if (p.next.empty())
        return false;
    p.last = p.next.top().second;
    p.next.pop();
    if (p.last < p.cursors.size()) {
        number = p.cursors[p.last]->number();
        row = p.cursors[p.last]->row();
    } else {
        number = p.written + 1 + p.held[p.heldAt++];
        row = nullptr;
    }
    return true;
}

void TNumberRowSpool::forEachByNumber(const Visit &visit) const
{
    QByteArray rows;
    for (const Run &run : m_runs) {
        // a run at a time, each row put at its number's place
        Cursor cursor(m_file.file(), run, m_rowSize);
        rows.resize(run.count * m_rowSize);
        while (cursor.next()) {
            const qsizetype at = cursor.number() - run.first;
            std::memcpy(rows.data() + at * m_rowSize, cursor.row(), size_t(m_rowSize));
        }
        for (int i = 0; i < run.count; ++i)
            visit(run.first + i, rows.constData() + qsizetype(i) * m_rowSize);
    }
}

} // namespace PosLib
