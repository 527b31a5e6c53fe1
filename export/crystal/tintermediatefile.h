#pragma once

#include "tsavefile.h"

#include <QBuffer>
#include <QByteArray>
#include <QChar>
#include <QDataStream>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

namespace Basics {
class TValue;
class TValueList;
} // namespace Basics

namespace Crystal {

// How one intermediate list is written: the separator and the columns. A
// report's ini names them in its section "default", one key per list:
//
//     orders = ref_table;plu;article;count;maxamount
//
// The columns are the names in the value, and the character between them
// ("," ";" or "|") is the separator. A value that is only a separator
// keeps every column; an empty value means "," and every column.
struct TListLayout
{
    QChar separator = QLatin1Char(',');
    QStringList columns; // empty: every key of the list's records
};
TListLayout parseListLayout(const QString &layoutText);

// One field as RFC 4180 writes it: in double quotes (with quotes doubled)
// when it holds the separator, a quote, a CR or an LF.
QString csvField(const QString &text, QChar separator);
// "<directory>/<name>.txt".
QString intermediateFileName(const QString &directory, const QString &name);

// Writes the list into `file` in the layout of `layoutText` (without
// columns: every key of the list's records, "id" and "ref_table" first, the
// others in alphabetical order), one line a record ended by CR LF after a
// header line of the column names, UTF-8 without byte-order mark, a column
// a record lacks an empty field; replacing the file
// safely (TSaveFile). With `append` and an existing file, the records are
// added after the file's records in the file's own columns and separator
// (read from its header line), so that the exports of several data paths
// make one list. Throws TFileError; the file is then as it was.
void writeIntermediateFile(const Basics::TValueList &list, const QString &layoutText,
                           const QString &file, bool append);

// Writes one list file as its records come, in the layout of `layoutText`
// (replacing the file safely, as writeIntermediateFile() does, once
// committed). Without columns in the layout the records wait in a
// temporary file (in memory when none can be made) until every column is
// known. Throws TFileError from the constructor (the existing file of
// `append` cannot be read, or the new one not begun) and from commit();
// without a commit the file stays as it was.
class TIntermediateWriter
{
public:
    TIntermediateWriter(const QString &layoutText, const QString &file, bool append);
    ~TIntermediateWriter();
    TIntermediateWriter(const TIntermediateWriter &) = delete;
    TIntermediateWriter &operator=(const TIntermediateWriter &) = delete;

    void add(const Basics::TValue &record);
    void commit();
    int count() const { return m_count; }

private:
    void writeHeader();
    void writeLine(const QStringList &values);

    TListLayout m_layout;
    bool m_header = true;
    Basics::TSaveFile m_out;
    int m_count = 0;
    // the records until the columns are known: their fields' names and
    // texts, and the names in the order they came
    QTemporaryFile m_spoolFile;
    QByteArray m_spoolBytes;
    QBuffer m_spoolBuffer;
    QIODevice *m_spool = nullptr;
    QDataStream m_spoolOut;
    QStringList m_names;
    QHash<QString, qint32> m_named; // the number of each name in m_names
};

// The intermediate files that an export removes before it writes:
// "tables.txt", "creates.txt", "orders.txt", "voids.txt", "pays.txt".
QStringList removedIntermediateFiles();
// Deletes those files of the directory that exist (with the retries of
// deleteFile). Throws TFileError for a file that stays.
void removeIntermediateFiles(const QString &directory);

} // namespace Crystal
