#include "treptables.h"

#include "taggregatestream.h"
#include "tfactsof.h"
#include "tnodeparts.h"
#include "ttable.h"
#include "ttableentry.h"

#include <algorithm>
#include <atomic>

using namespace Basics;

namespace PosLib {

using namespace NodeParts;

namespace {

std::atomic<int> g_spoolRows {1024};

// the second of the day a pay was taken in, -1 for none
int secondOf(const QTime &t)
{
    return t.isValid() ? t.msecsSinceStartOfDay() / 1000 : -1;
}

} // namespace

void TRepTables::setSpoolRows(int rows)
{
    g_spoolRows = rows;
}

int TRepTables::spoolRows()
{
    return g_spoolRows;
}

TRepTables::TRepTables()
    : TRepPayNode(QStringLiteral("Tables"))
    , m_spoolRows(g_spoolRows)
{ }

TRepTables::~TRepTables() = default;

QString TRepTables::keyOf(const TEntryFacts &entry, const TTableFacts &table) const
{
    const QDate d = entry.date();
    return QString::asprintf("%4d%02d%02d%8ld", d.year(), d.month(), d.day(),
                             table.isNull() ? 0L : long(table.header().getLong(FArchive)));
}

TReportLeaf *TRepTables::createLeaf(const TEntryFacts &entry, const TTableFacts &table)
{
    return new TRepTable(entry, table);
}

int TRepTables::rowOf(const TEntryFacts &entry, const TTableFacts &table)
{
    const QDate d = entry.date();
    const qint64 archive = table.isNull() ? 0 : long(table.header().getLong(FArchive));
    int year = 0;
    int month = 0;
    int day = 0;
    d.getDate(&year, &month, &day);
    noteOrder(year, archive);
    // a year of four places keeps the key's parts apart: the parts find the row
    int *at = nullptr;
    const Key key {year, month, day, archive};
    const bool plain = year >= -999 && year <= 9999;
    if (plain)
        at = &m_rowOf[key];
    else
        at = &m_rowOfText[keyOf(entry, table)];
    if (*at > 0)
        return *at - 1;
    Row row;
    row.archive = archive;
    row.payDate = d;
    row.payTime = entry.time();
    row.hasTable = !table.isNull();
    row.inHouse = !(row.hasTable && table.vatOh());
    row.table = row.party = row.name = TTextPool::Absent;
    if (row.hasTable) {
        if (table.header().has(FTable))
            row.table = m_texts.id(table.header().getString(FTable));
        if (table.header().has(FParty))
            row.party = m_texts.id(table.header().getString(FParty));
        row.name = m_texts.id(table.named(FTableName).getString(FTableName));
        row.tableDate = table.named(FDate).date();
        row.tableTime = table.named(FTime).time();
    }
    row.firstPay = row.lastPay = -1;
    newRow(row);
    m_rows.push_back(row);
    *at = int(m_rows.size());
    return int(m_rows.size()) - 1;
}

void TRepTables::noteOrder(int year, qint64 archive)
{
    // as rowsByTime() and the keys order them: by number
    if (!m_plain || (year >= 0 && year <= 9999 && archive >= 0 && archive <= 99999999))
        return;
    m_plain = false;
    unspool();
}

void TRepTables::newRow(Row &row)
{
    row.seq = m_nextSeq++;
    m_spooledCount = -1;
}

void TRepTables::spoolWhenFull()
{
    if (!m_plain || m_spoolFailed || m_spoolRows <= 0 || int(m_rows.size()) < m_spoolRows)
        return;
    if (!m_spool)
        m_spool = std::make_unique<TTableRowSpool>();
    if (!m_spool->add(m_rows, m_pays)) {
        // held in memory from now on
        m_spoolFailed = true;
        return;
    }
    m_rows.clear();
    m_pays.clear();
    // as many rows come before the next run
    m_rowOf.clear();
    m_rowOf.reserve(m_spoolRows);
}

void TRepTables::forEachDay(const TTableRowSpool::Day &day) const
{
    m_spool->forEachDay(m_rows, m_pays, day);
}

void TRepTables::unspool() const
{
    if (!spooled())
        return;
    std::vector<Row> rows;
    std::vector<Pay> pays;
    forEachDay([&rows, &pays](std::vector<Row> &dayRows, std::vector<Pay> &dayPays) {
        for (Row row : dayRows) {
            const int first = row.firstPay;
            row.firstPay = row.lastPay = -1;
            for (int p = first; p >= 0; p = dayPays[size_t(p)].next)
                appendPay(row, pays, dayPays[size_t(p)]);
            rows.push_back(row);
        }
    });
    // in the order taken, as if they had been held all along
    std::sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) { return a.seq < b.seq; });
    m_rows = std::move(rows);
    m_pays = std::move(pays);
    m_spool.reset();
    m_rowOf.clear();
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const QDate &d = m_rows[i].payDate;
        m_rowOf.insert(Key {d.year(), d.month(), d.day(), m_rows[i].archive}, int(i) + 1);
    }
}

void TRepTables::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (!m_compact) {
        TRepPayNode::add(entry, table);
        return;
    }
    // every pay has a key here
    addToTotal(entry);
    if (!m_keepRecords) {
        ++m_taken;
        return;
    }
    spoolWhenFull();
    Row &row = m_rows[size_t(rowOf(entry, table))];
    if (entry.getBool(FVoided))
        return;
    const TPayValues values = TPayValues::of(entry);
    Pay pay;
    pay.amount = values.amount;
    pay.tip = values.tip;
    pay.guests = values.guests;
    pay.net = entry.getLong(FGiven) - entry.getLong(FReturn);
    pay.date = entry.date();
    pay.time = entry.time();
    pay.payform = m_texts.id(entry.getString(FPayformName));
    appendPay(row, m_pays, pay);
}

int TRepTables::leafCount() const
{
    if (!m_keepRecords)
        return m_taken;
    if (!m_compact)
        return int(m_leaves.size());
    if (!spooled())
        return int(m_rows.size());
    if (m_spooledCount < 0) {
        int count = 0;
        forEachDay([&count](std::vector<Row> &rows, std::vector<Pay> &) {
            count += int(rows.size());
        });
        m_spooledCount = count;
    }
    return m_spooledCount;
}

bool TRepTables::holdsLeaves() const
{
    // a run is spooled only once rows were added, and the rows read back
    // are never fewer than one per run
    if (m_keepRecords && m_compact && spooled())
        return true;
    return leafCount() > 0;
}

TReportLeaf *TRepTables::leafOf(const Row &row, const std::vector<Pay> &pays) const
{
    auto *leaf = new TRepTable(row.payDate, row.payTime, row.tableDate, row.tableTime, row.inHouse);
    if (row.hasTable) {
        if (row.table != TTextPool::Absent)
            leaf->set(fieldName(FTable), Basics::TypeText, m_texts.text(row.table));
        if (row.party != TTextPool::Absent)
            leaf->set(fieldName(FParty), Basics::TypeText, m_texts.text(row.party));
        leaf->setString(fieldName(FTableName), m_texts.text(row.name));
    }
    for (int p = row.firstPay; p >= 0; p = pays[size_t(p)].next) {
        const Pay &pay = pays[size_t(p)];
        TPayValues values;
        values.amount = pay.amount;
        values.tip = pay.tip;
        values.guests = pay.guests;
        leaf->takePay(values, pay.net, m_texts.text(pay.payform), pay.date, pay.time);
    }
    return leaf;
}

QString TRepTables::keyOf(const Row &row)
{
    const QDate d = row.payDate;
    return QString::asprintf("%4d%02d%02d%8ld", d.year(), d.month(), d.day(), long(row.archive));
}

void TRepTables::materialize() const
{
    if (!m_compact || !m_keepRecords)
        return;
    unspool();
    m_compact = false;
    for (const Row &row : m_rows)
        m_leaves.insert(keyOf(row), leafOf(row, m_pays));
    std::vector<Row>().swap(m_rows);
    std::vector<Pay>().swap(m_pays);
}

void TRepTables::visitLeaves(const LeafVisitor &visit) const
{
    if (!m_compact || !m_keepRecords) {
        TRepPayNode::visitLeaves(visit);
        return;
    }
    const auto visitRows = [this, &visit](const std::vector<Row> &rows,
                                          const std::vector<Pay> &pays) {
        visitRowsByKey(
                int(rows.size()), [&rows](int row) { return keyOf(rows[size_t(row)]); },
                [this, &rows, &pays](int row) { return leafOf(rows[size_t(row)], pays); }, visit);
    };
    if (!spooled()) {
        visitRows(m_rows, m_pays);
        return;
    }
    // the keys begin with the pay day
    forEachDay([&visitRows](std::vector<Row> &rows, std::vector<Pay> &pays) {
        visitRows(rows, pays);
    });
}

namespace {

// The text the table report sorts a table by: its pay's date and time.
QString timeKey(const QDate &d, const QTime &t)
{
    return QString::asprintf("%04d%02d%02d%02d%02d%02d", d.year(), d.month(), d.day(), t.hour(),
                             t.minute(), t.second());
}

} // namespace

void TRepTables::visitByTime(const std::function<void(const TRepTable &leaf)> &visit) const
{
    if (!m_compact || !m_keepRecords) {
        // the leaves in the order of their keys, sorted stably by time
        std::vector<std::pair<QString, const TRepTable *>> sorted;
        for (const TReportLeaf *leaf : m_leaves) {
            const auto *table = static_cast<const TRepTable *>(leaf);
            sorted.emplace_back(timeKey(table->payDate(), table->payTime()), table);
        }
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &entry : sorted)
            visit(*entry.second);
        return;
    }
    unspool();
    for (int row : rowsByTime()) {
        const std::unique_ptr<TReportLeaf> leaf(leafOf(m_rows[size_t(row)], m_pays));
        visit(*static_cast<const TRepTable *>(leaf.get()));
    }
}

void TRepTables::visitLinesByTime(const std::function<void(const Line &line)> &line,
                                  const std::function<void(const TRepTable &leaf)> &leaf) const
{
    if (!m_compact || !m_keepRecords) {
        visitByTime(leaf);
        return;
    }
    if (!spooled()) {
        for (int index : rowsByTime())
            line(lineOf(m_rows[size_t(index)], m_pays));
        return;
    }
    // a pay day at a time: every row spooled is ordered by number
    // the keys of lineOrder() taken once per row, compared as it compares them
    struct Ordered
    {
        qint64 day;
        int second;
        qint64 archive;
        int index;
        bool operator<(const Ordered &o) const
        {
            if (day != o.day)
                return day < o.day;
            if (second != o.second)
                return second < o.second;
            return archive < o.archive;
        }
    };
    std::vector<Ordered> order;
    forEachDay([&](std::vector<Row> &rows, std::vector<Pay> &pays) {
        order.resize(rows.size());
        for (size_t i = 0; i < order.size(); ++i) {
            const Row &row = rows[i];
            order[i] = {TTableRowSpool::dayOf(row.payDate), secondOf(row.payTime), row.archive,
                        int(i)};
        }
        std::sort(order.begin(), order.end());
        for (const Ordered &o : order)
            line(lineOf(rows[size_t(o.index)], pays));
    });
}

TRepTables::Line TRepTables::lineOf(const Row &row, const std::vector<Pay> &pays) const
{
    Line out;
    out.payDate = row.payDate;
    out.payTime = row.payTime;
    // as leafOf() sets the fields and the leaf reads them
    const bool table = row.hasTable && row.table != TTextPool::Absent;
    const bool party = row.hasTable && row.party != TTextPool::Absent;
    out.table = table ? m_texts.text(row.table) : QString();
    out.party = party ? m_texts.text(row.party) : QString();
    out.amount = 0;
    for (int p = row.firstPay; p >= 0; p = pays[size_t(p)].next) {
        const Pay &pay = pays[size_t(p)];
        out.amount += double(pay.amount);
        out.pays.push_back({m_texts.text(pay.payform), pay.net, pay.tip});
    }
    return out;
}

bool TRepTables::lineOrder(const Row &x, const Row &y)
{
    const qint64 dx = TTableRowSpool::dayOf(x.payDate);
    const qint64 dy = TTableRowSpool::dayOf(y.payDate);
    if (dx != dy)
        return dx < dy;
    const int sx = secondOf(x.payTime);
    const int sy = secondOf(y.payTime);
    if (sx != sy)
        return sx < sy;
    return x.archive < y.archive;
}

std::vector<int> TRepTables::rowsByTime() const
{
    // the same order without texts while the texts compare as the numbers
    // do: four-digit years, archive numbers of up to eight digits
    bool plain = true;
    for (const Row &row : m_rows) {
        const int year = row.payDate.year();
        plain = plain && year >= 0 && year <= 9999 && row.archive >= 0 && row.archive <= 99999999;
    }
    std::vector<int> order(m_rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    if (plain) {
        std::sort(order.begin(), order.end(),
                  [this](int a, int b) { return lineOrder(m_rows[size_t(a)], m_rows[size_t(b)]); });
    } else {
        std::vector<std::pair<QString, QString>> keys;
        keys.reserve(m_rows.size());
        for (const Row &row : m_rows)
            keys.emplace_back(timeKey(row.payDate, row.payTime), keyOf(row));
        std::sort(order.begin(), order.end(),
                  [&](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
    }
    return order;
}

bool TRepTables::writeDay(TAggregateWriter &out) const
{
    if (!m_compact)
        return false;
    unspool();
    writeTotal(out);
    out.u32(quint32(m_rows.size()));
    for (const Row &row : m_rows) {
        out.i64(row.archive);
        out.date(row.payDate);
        out.time(row.payTime);
        out.date(row.tableDate);
        out.time(row.tableTime);
        writePooled(out, m_texts, row.table);
        writePooled(out, m_texts, row.party);
        writePooled(out, m_texts, row.name);
        out.boolean(row.hasTable);
        out.boolean(row.inHouse);
        int pays = 0;
        for (int p = row.firstPay; p >= 0; p = m_pays[size_t(p)].next)
            ++pays;
        out.u32(quint32(pays));
        for (int p = row.firstPay; p >= 0; p = m_pays[size_t(p)].next) {
            const Pay &pay = m_pays[size_t(p)];
            out.i64(pay.amount);
            out.i64(pay.tip);
            out.i64(pay.guests);
            out.i64(pay.net);
            out.date(pay.date);
            out.time(pay.time);
            writePooled(out, m_texts, pay.payform);
        }
    }
    return true;
}

void TRepTables::mergeDay(TAggregateReader &in)
{
    if (!m_compact) {
        in.fail();
        return;
    }
    mergeTotal(in);
    const quint32 rows = in.count(12);
    for (quint32 r = 0; r < rows && in.ok(); ++r) {
        Row row;
        row.archive = in.i64();
        row.payDate = in.date();
        row.payTime = in.time();
        row.tableDate = in.date();
        row.tableTime = in.time();
        row.table = readPooled(in, m_texts);
        row.party = readPooled(in, m_texts);
        row.name = readPooled(in, m_texts);
        row.hasTable = in.boolean();
        row.inHouse = in.boolean();
        row.firstPay = row.lastPay = -1;
        if (!in.ok())
            return;
        int year = 0;
        int month = 0;
        int day = 0;
        row.payDate.getDate(&year, &month, &day);
        noteOrder(year, row.archive);
        spoolWhenFull();
        // the row of the same pay day and table, when an earlier day has one
        int *at = nullptr;
        if (year >= -999 && year <= 9999)
            at = &m_rowOf[Key {year, month, day, row.archive}];
        else
            at = &m_rowOfText[QString::asprintf("%4d%02d%02d%8ld", year, month, day,
                                                long(row.archive))];
        if (*at == 0) {
            newRow(row);
            m_rows.push_back(row);
            *at = int(m_rows.size());
        }
        const size_t target = size_t(*at - 1);
        const quint32 pays = in.count(7);
        for (quint32 p = 0; p < pays && in.ok(); ++p) {
            Pay pay;
            pay.amount = in.i64();
            pay.tip = in.i64();
            pay.guests = in.i64();
            pay.net = in.i64();
            pay.date = in.date();
            pay.time = in.time();
            pay.payform = readPooled(in, m_texts);
            if (!in.ok())
                return;
            appendPay(m_rows[target], m_pays, pay);
        }
    }
}

} // namespace PosLib
