#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace PrintEngine {

// One intermediate list: its column names and its records, in file order.
class TDataList
{
public:
    TDataList() = default;
    TDataList(const QStringList &columns, const QList<QStringList> &rows);

    const QStringList &columns() const { return m_columns; }
    int count() const { return int(m_rows.size()); }
    // The column's index, -1 when the list has no such column.
    int column(const QString &name) const { return m_index.value(name, -1); }
    // The text of a record's field; empty for a column the list lacks.
    QString value(int row, int column) const;
    QString value(int row, const QString &name) const { return value(row, column(name)); }

private:
    QStringList m_columns;
    QList<QStringList> m_rows;
    QHash<QString, int> m_index;
};

// Reads comma-separated text as RFC 4180 writes it: fields separated by
// `separator`, records by CR LF or LF, a field in double quotes may hold
// separators, line breaks and doubled quotes. A UTF-8 byte-order mark is
// skipped.
QList<QStringList> parseCsv(const QString &text, QChar separator);
// The separator of a list file: the first of "," ";" "|" and tab that
// occurs in its header line (column names hold none of them); "," when
// the header is one column.
QChar detectSeparator(const QString &text);
// The list in a file's text: the header row, then the records.
TDataList parseList(const QByteArray &bytes);

// The intermediate lists of a data directory, "<name>.txt" each.
class TReportData
{
public:
    // Reads the named lists. A missing file is an empty list; a file that
    // exists but cannot be read makes it false, with errorText().
    bool load(const QString &directory, const QStringList &names);
    QString errorText() const { return m_error; }

    // The list of that name; null when it was not asked for.
    const TDataList *list(const QString &name) const;
    QStringList names() const { return m_lists.keys(); }

private:
    QHash<QString, TDataList> m_lists;
    QString m_error;
};

} // namespace PrintEngine
