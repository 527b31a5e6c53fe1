#pragma once

#include "trecordcodec.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <memory>

namespace PosLib {

class TTable;
class TTableFacts;

// The day summary of a closed day, "var/summary/yyyy-MM-dd.dat": every
// table of the day directory back to back (header, creation record,
// entries with their children), each followed by a record holding only
// "type" = -1. A report over many days reads one such file per day.
class TArchTable
{
public:
    TArchTable(const QString &root, const QDate &day);

    QString filePath() const;
    QDate day() const { return m_day; }
    int tableCount() const { return m_tables; }

    // Writes the summary from the day directory; writes nothing when the
    // day holds no tables. Returns the number of tables written. A table
    // file that cannot be read whole (unreadable, empty, a creation record
    // that is none, cut off inside an entry) makes the build fail: nothing
    // is written, the previous summary stays, and the TFileError thrown
    // names that file. A summary without one of the day's bills would
    // pass for complete.
    int build();
    // True when the summary exists and the day's tables did not change
    // after it was written.
    bool isCurrent() const;
    // True when the day's tables changed after `time`: a table file ("a*")
    // of the day directory was modified or moved in (also one that kept an
    // older modification time), or a file was added to or removed from the
    // directory. One listing of the directory; a report then builds the
    // summary again.
    bool hasTablesNewerThan(const QDateTime &time) const;
    // The same rule for a day directory (statistDayDir(), as the file
    // system names it) and a time in milliseconds since the epoch; safe
    // on any thread, for checking days side by side.
    static bool hasTablesNewerThan(const QByteArray &dayDir, qint64 msecs);
    // The next table of the summary (building it first when it is
    // missing, or when it does not end with a complete table: cut short;
    // the errors of build() are thrown), owned by the caller; null at the
    // end. Bytes inside the summary that hold no table make the reads
    // throw TFileError (EBADMSG) naming it; the file is removed then, so
    // the next read builds it again. A table whose
    // creation record is not one is skipped with its entries.
    TTable *nextTable();
    // The same for reports: the next table as facts, read once; false at
    // the end. The facts point into the summary's bytes.
    bool nextTable(TTableFacts &table);
    // The table of facts read by nextTable() as a table in memory (owned by
    // the caller), for what needs the whole records.
    TTable *loadTable(const TTableFacts &table) const;
    // Leaves a damaged summary as it is (nothing is removed or built):
    // reading it throws TFileError (EBADMSG) naming it instead.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    // Reads the summary into `buffer` (kept by the caller for the next day)
    // instead of a buffer of its own. Call before the first nextTable().
    void setBuffer(QByteArray *buffer) { m_buffer = buffer; }
    // The summary's bytes as read already (ahead, on another thread): the
    // first read takes them instead of the file's. Call before the first
    // nextTable(); the buffer of setBuffer() is not used then.
    void setBytes(const QByteArray &bytes)
    {
        m_data = bytes;
        m_given = true;
        m_buffer = nullptr;
    }
    // Bytes of the summary read so far, and in all (once read).
    qsizetype position() const { return m_reader ? m_reader->position() : 0; }
    qsizetype dataSize() const { return m_size; }

private:
    void readFile();
    // Reads the summary's bytes, once they are in `data`.
    void useData(QByteArray &data);
    void dropDamaged(const QString &why);

    QString m_root;
    QDate m_day;
    mutable QString m_path;
    bool m_read = false;
    bool m_rebuilt = false;
    bool m_given = false;
    bool m_readOnly = false;
    int m_tables = 0;
    QByteArray m_data;
    QByteArray *m_buffer = nullptr;
    qsizetype m_size = 0;
    std::unique_ptr<Basics::TRecordReader> m_reader;
};

// Name of the summary file of a day: "2014-03-05.dat".
QString summaryFileName(const QDate &day);

} // namespace PosLib
