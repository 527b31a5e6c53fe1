#include "tarchtable.h"

#include "tdir.h"
#include "tdirchanges.h"
#include "terror.h"
#include "tfile.h"
#include "tinstallation.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tsavefile.h"
#include "ttable.h"
#include "ttablefacts.h"
#include "ttablelist.h"

#include <cerrno>

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

using namespace Basics;

namespace PosLib {

namespace {
constexpr int OpenAttempts = 1000;
constexpr int OpenPauseMs = 30;
// A summary that stays locked is reported as this position of "tarchtable",
// the one the terminals' tools know.
constexpr int LockedErrorLine = 146;
} // namespace

QString summaryFileName(const QDate &day)
{
    return day.toString(Qt::ISODate) + QLatin1String(".dat");
}

TArchTable::TArchTable(const QString &root, const QDate &day)
    : m_root(root)
    , m_day(day)
{ }

QString TArchTable::filePath() const
{
    if (m_path.isEmpty())
        m_path = summaryDir(m_root) + summaryFileName(m_day);
    return m_path;
}

int TArchTable::build()
{
    std::unique_ptr<TTableList> list(dayTables(m_root, m_day));
    if (list->isEmpty())
        return 0;

    QByteArray data;
    int tables = 0;
    TValue end;
    end.setInt(QStringLiteral("type"), -1);
    for (int id : list->ids()) {
        TTableInfo *info = list->info(id);
        const QString file = info->fileName(m_root);
        TTable *table = nullptr;
        try {
            table = info->table(true, 0, nullptr, nullptr, 0, m_root);
        } catch (const TOsError &e) {
            logError(QStringLiteral("Day summary %1 not built: %2").arg(filePath(), e.text()),
                     LogModule::Library, LogClass::ArchTable);
            throw TFileError(T_SOURCE, 304, 304, e.osError(), file);
        } catch (const TError &e) {
            logError(QStringLiteral("Day summary %1 not built: %2").arg(filePath(), e.text()),
                     LogModule::Library, LogClass::ArchTable);
            throw TFileError(T_SOURCE, 304, 304, EIO, file);
        }
        if (table->state() != TTable::Open || table->isCutOff()) {
            logError(QStringLiteral("Day summary %1 not built: table file %2 is damaged")
                             .arg(filePath(), file),
                     LogModule::Library, LogClass::ArchTable);
            info->releaseTable();
            throw TFileError(T_SOURCE, 304, 304, EILSEQ, file);
        }
        table->write(data);
        appendRecord(data, end);
        ++tables;
        info->releaseTable();
    }

    // Written aside and renamed into place, so a report never reads half a
    // summary and an interrupted build leaves the previous one.
    const QString path = filePath();
    TSaveFile file(path, path + QLatin1String(".tmp"));
    file.open();
    file.write(data);
    file.commit();
    return tables;
}

bool TArchTable::isCurrent() const
{
    const QFileInfo summary(filePath());
    return summary.exists() && !hasTablesNewerThan(summary.lastModified());
}

bool TArchTable::hasTablesNewerThan(const QDateTime &time) const
{
    return hasTablesNewerThan(QFile::encodeName(statistDayDir(m_day, m_root)),
                              time.toMSecsSinceEpoch());
}

bool TArchTable::hasTablesNewerThan(const QByteArray &dayDir, qint64 msecs)
{
    return hasEntriesChangedAfter(dayDir, QStringLiteral("a"), msecs);
}

namespace {

// The record that ends every table of a summary: "type" = -1 alone.
const QByteArray &tableEnd()
{
    static const QByteArray bytes = [] {
        TValue end;
        end.setInt(QStringLiteral("type"), -1);
        QByteArray out;
        appendRecord(out, end);
        return out;
    }();
    return bytes;
}

} // namespace

void TArchTable::dropDamaged(const QString &why)
{
    const QString path = filePath();
    logError(QStringLiteral("Day summary %1 is damaged (%2)").arg(path, why), LogModule::Library,
             LogClass::ArchTable);
    m_reader.reset();
    if (m_readOnly)
        throw TFileError(T_SOURCE, 304, 304, EBADMSG, path);
    deleteFile(path);
}

void TArchTable::readFile()
{
    m_read = true;
    const QString path = filePath();
    if (m_given) {
        m_given = false;
        useData(m_data);
        return;
    }
    if (!QFileInfo::exists(path))
        build();
    if (!QFileInfo::exists(path))
        return;
    TFile file(path);
    file.setLockRetry(1, 0);
    for (int attempt = 0;; ++attempt) {
        try {
            file.open(QIODevice::ReadOnly);
            break;
        } catch (const TFileError &e) {
            // only a lock held elsewhere is worth waiting for
            if (!isLockBusy(e))
                throw;
            if (attempt + 1 >= OpenAttempts)
                throw TError(LockedErrorLine, "tarchtable", 301, 301);
            QThread::msleep(OpenPauseMs);
        }
    }
    QByteArray &data = m_buffer ? *m_buffer : m_data;
    if (m_buffer) {
        // the caller's buffer keeps its capacity from day to day
        const qint64 size = file.size();
        data.resize(qsizetype(size));
        const qint64 read = size > 0 ? file.read(data.data(), size) : 0;
        data.resize(qsizetype(std::max<qint64>(read, 0)));
    } else {
        data = file.readRest();
    }
    file.close();
    useData(data);
}

void TArchTable::useData(QByteArray &data)
{
    // every table ends with its end record, the last one the file: a
    // summary cut short is rebuilt before a report reads any of it
    if (!data.endsWith(tableEnd()) && !m_rebuilt) {
        m_rebuilt = true;
        dropDamaged(QStringLiteral("it does not end with a complete table"));
        data.clear();
        readFile();
        return;
    }
    m_size = data.size();
    m_reader = std::make_unique<TRecordReader>(data.constData(), m_size);
}

TTable *TArchTable::nextTable()
{
    if (!m_read)
        readFile();
    while (m_reader && !m_reader->atEnd()) {
        auto *table = new TTable(nullptr);
        if (table->loadData(*m_reader, true, 0, nullptr, 0, true) == TTable::Loaded) {
            table->setState(TTable::Open);
            ++m_tables;
            return table;
        }
        const bool unreadable = table->isEmpty() && table->create().isEmpty();
        delete table;
        if (unreadable)
            break; // no record could be read: the rest is no table
        // a table without a valid creation record is left out, as build()
        // leaves it out; its entries were skipped
    }
    m_reader.reset();
    return nullptr;
}

bool TArchTable::nextTable(TTableFacts &table)
{
    if (!m_read)
        readFile();
    while (m_reader && !m_reader->atEnd()) {
        const TTableFacts::Result result = table.read(*m_reader);
        if (result == TTableFacts::Read) {
            ++m_tables;
            return true;
        }
        if (result == TTableFacts::End) {
            if (m_reader->atEnd())
                break;
            // bytes that are no table inside the summary: what was read of
            // it is not the day; the next read builds it again
            const QString path = filePath();
            dropDamaged(
                    QStringLiteral("no table can be read at byte %1").arg(m_reader->position()));
            table.clear();
            throw TFileError(T_SOURCE, 304, 304, EBADMSG, path);
        }
        // a table without a valid creation record is left out, as build()
        // leaves it out; its entries were skipped
    }
    m_reader.reset();
    table.clear();
    return false;
}

TTable *TArchTable::loadTable(const TTableFacts &facts) const
{
    const QByteArray &data = m_buffer ? *m_buffer : m_data;
    TRecordReader reader(data.constData(), m_size);
    reader.seek(facts.begin());
    auto *table = new TTable(nullptr);
    table->loadData(reader, true, 0, nullptr, 0, true);
    table->setState(TTable::Open);
    return table;
}

} // namespace PosLib
