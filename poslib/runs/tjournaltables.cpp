#include "tjournaltables.h"

#include "terror.h"
#include "tlog.h"
#include "tlogcategories.h"

#include <algorithm>
#include <cerrno>
#include <queue>

using namespace Basics;

namespace PosLib {

namespace {

// a private file of this process: any version of the stream will do
constexpr QDataStream::Version SpoolVersion = QDataStream::Qt_6_0;
constexpr qint64 Skipped = -1;

void usedTwice()
{
    logError(QStringLiteral("Error: billnum used twice"), LogModule::Library,
             LogClass::PaidTablesDoc);
}

void putRows(QDataStream &out, const TListRows &rows)
{
    out << qint32(rows.size());
    for (const TListRow &row : rows) {
        out << row.columns;
        putRows(out, row.children);
    }
}

bool getRows(QDataStream &in, TListRows &rows)
{
    qint32 count = 0;
    in >> count;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        TListRow row;
        in >> row.columns;
        if (!getRows(in, row.children))
            return false;
        rows.append(row);
    }
    return in.status() == QDataStream::Ok;
}

} // namespace

TJournalTables::TJournalTables(bool spooled)
{
    if (!spooled)
        return;
    // no temporary file to be had: held in memory
    m_spooled = m_file.open();
    m_out.setDevice(&m_file);
    m_out.setVersion(SpoolVersion);
}

void TJournalTables::skip(const QByteArray &key)
{
    m_day.push_back({key, {}, true});
}

void TJournalTables::add(const QByteArray &key, const TListRows &rows)
{
    m_day.push_back({key, rows, false});
}

void TJournalTables::endDay()
{
    std::stable_sort(m_day.begin(), m_day.end(),
                     [](const Added &a, const Added &b) { return a.key < b.key; });
    if (m_spooled && !m_day.empty()) {
        m_runs.push_back({m_file.pos(), int(m_day.size())});
        for (const Added &table : m_day) {
            m_out << table.key << table.skipped;
            if (!table.skipped)
                putRows(m_out, table.rows);
        }
        if (m_out.status() != QDataStream::Ok)
            writeFailed();
    } else if (!m_spooled) {
        for (const Added &table : m_day) {
            m_kept.push_back({table.key, table.skipped ? Skipped : m_rows.size()});
            if (!table.skipped)
                m_rows.append(table.rows);
        }
    }
    m_day.clear();
}

void TJournalTables::forEach(const Take &take)
{
    endDay();
    if (m_spooled)
        merge(take);
    else
        handOn(take);
}

void TJournalTables::handOn(const Take &take)
{
    std::stable_sort(m_kept.begin(), m_kept.end(),
                     [](const Kept &a, const Kept &b) { return a.key < b.key; });
    for (size_t i = 0; i < m_kept.size(); ++i) {
        if (i > 0 && m_kept[i].key == m_kept[i - 1].key)
            usedTwice();
        else if (m_kept[i].row != Skipped)
            take(m_rows.at(m_kept[i].row));
    }
}

void TJournalTables::merge(const Take &take)
{
    if (!m_file.flush())
        writeFailed();
    QDataStream in(&m_file);
    in.setVersion(SpoolVersion);
    // the least key on top; of equal keys the earlier day
    const auto later = [](const Cursor &a, const Cursor &b) {
        return a.key != b.key ? b.key < a.key : b.run < a.run;
    };
    std::priority_queue<Cursor, std::vector<Cursor>, decltype(later)> next(later);
    std::vector<int> left(m_runs.size());
    for (size_t run = 0; run < m_runs.size(); ++run) {
        left[run] = m_runs[run].count;
        seek(m_runs[run].start);
        next.push(readKey(in, int(run)));
    }
    QByteArray last;
    bool first = true;
    while (!next.empty()) {
        const Cursor cursor = next.top();
        next.pop();
        seek(cursor.rest);
        bool skipped = false;
        TListRows rows;
        in >> skipped;
        if (!skipped && !getRows(in, rows))
            readFailed();
        if (!first && cursor.key == last)
            usedTwice();
        else if (!skipped)
            take(rows);
        first = false;
        last = cursor.key;
        if (--left[cursor.run] > 0)
            next.push(readKey(in, cursor.run));
    }
}

TJournalTables::Cursor TJournalTables::readKey(QDataStream &in, int run)
{
    Cursor cursor {QByteArray(), run, 0};
    in >> cursor.key;
    if (in.status() != QDataStream::Ok)
        readFailed();
    cursor.rest = m_file.pos();
    return cursor;
}

// A seek drops what was read ahead: only where the file is not there.
void TJournalTables::seek(qint64 at)
{
    if (m_file.pos() != at && !m_file.seek(at))
        readFailed();
}

// the errno of the failed write stands in the error
void TJournalTables::writeFailed() const
{
    throw TFileError(T_SOURCE, 305, 308, m_file.fileName());
}

void TJournalTables::readFailed() const
{
    throw TFileError(T_SOURCE, 304, 310, EIO, m_file.fileName());
}

} // namespace PosLib
