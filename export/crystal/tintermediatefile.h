#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

namespace Basics {
class TValueList;
}

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

// Every key of the list's records: "id" and "ref_table" first, the others
// in alphabetical order.
QStringList defaultColumns(const Basics::TValueList &list);

// One field as RFC 4180 writes it: in double quotes (with quotes doubled)
// when it holds the separator, a quote, a CR or an LF.
QString csvField(const QString &text, QChar separator);
// The records of the list, one line each ended by CR LF, optionally after
// a header line of the column names. UTF-8 without byte-order mark. A
// column a record lacks is an empty field.
QByteArray csvLines(const Basics::TValueList &list, QChar separator, const QStringList &columns,
                    bool header);

// "<directory>/<name>.txt".
QString intermediateFileName(const QString &directory, const QString &name);

// Writes the list into `file` in the layout of `layoutText`, replacing the file
// safely (TSaveFile). With `append` and an existing file, the records are
// added after the file's records in the file's own columns and separator
// (read from its header line), so that the exports of several data paths
// make one list. Throws TFileError; the file is then as it was.
void writeIntermediateFile(const Basics::TValueList &list, const QString &layoutText, const QString &file,
                           bool append);

// The intermediate files that an export removes before it writes:
// "tables.txt", "creates.txt", "orders.txt", "voids.txt", "pays.txt".
QStringList removedIntermediateFiles();
// Deletes those files of the directory that exist (with the retries of
// deleteFile). Throws TFileError for a file that stays.
void removeIntermediateFiles(const QString &directory);

} // namespace Crystal
