#pragma once

#include "tlistrow.h"

#include <QByteArray>
#include <QDataStream>
#include <QTemporaryFile>

#include <functional>
#include <vector>

namespace PosLib {

// The items of the paid tables journal by the tables' sort keys (closing
// time, archive number), in memory or in a temporary file. Each day's
// tables go into the file in the order of their keys once the day is
// walked; the days are then merged, which reads the file from one place
// after another where the days follow each other and holds no more than
// a key per day: a year's journal is hundreds of MB of text.
class TJournalTables
{
public:
    using Take = std::function<void(const TListRows &rows)>;

    // `spooled`: in a temporary file, or in memory when none can be made.
    explicit TJournalTables(bool spooled);

    // A table left out by the filter still holds its key.
    void skip(const QByteArray &key);
    void add(const QByteArray &key, const TListRows &rows);
    // The tables added since the last call go into the file (or stay here).
    void endDay();
    // Hands on the tables' items by key; of two tables with one key only
    // the first one added (which is logged). Throws a TFileError when the
    // file cannot be written or read back.
    void forEach(const Take &take);

private:
    struct Added
    {
        QByteArray key;
        TListRows rows;
        bool skipped;
    };
    struct Kept
    {
        QByteArray key;
        qint64 row; // of m_rows, or Skipped
    };
    // a day's tables in the file: where the first starts, how many
    struct Run
    {
        qint64 start;
        int count;
    };
    // the next table of a day in the file: its key, and where the rest of
    // it starts
    struct Cursor
    {
        QByteArray key;
        int run;
        qint64 rest;
    };

    void handOn(const Take &take);
    void merge(const Take &take);
    // The key of the table at the file's position.
    Cursor readKey(QDataStream &in, int run);
    void seek(qint64 at);
    [[noreturn]] void writeFailed() const;
    [[noreturn]] void readFailed() const;

    bool m_spooled = false;
    QTemporaryFile m_file;
    QDataStream m_out;
    std::vector<Run> m_runs;
    std::vector<Kept> m_kept;
    QList<TListRows> m_rows;
    std::vector<Added> m_day;
};

} // namespace PosLib
