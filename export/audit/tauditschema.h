#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace PosLib {

// What a column of the audit export holds, and so how index.xml declares it
// and how a value is written.
enum class TAuditType {
    Text, // alphanumeric, quoted
    Integer, // a whole number
    Amount, // cents written as a decimal with two places: "-12.50"
    Quantity, // a decimal with three places: "1.500"
    Date, // "2026-12-05"
    Timestamp, // "2026-12-05T23:41:07", alphanumeric
};

struct TAuditColumn
{
    QString name; // "BON_ID"
    TAuditType type = TAuditType::Text;
    int maxLength = 0; // text columns; 0 without a limit
};

// One file of the audit export: its name, what index.xml calls and says
// about it, its columns (the first three are the closing's key) and, once
// filled, its rows as the file's lines. The file is UTF-8: a line of column
// names, then one line a row, "," between fields, text in double quotes (a
// quote doubled), CR LF.
struct TAuditTable
{
    QString file; // "transactions.csv"
    QString name; // "Bonkopf"
    QString description;
    QList<TAuditColumn> columns;
    // The rows appended and not yet taken by a writer, as lines of the file.
    QByteArray lines;

    int column(const QString &name) const;
    QStringList columnNames() const;
    // Adds a row, each value already as text (auditAmount() and the like).
    void append(const QStringList &row);
    // The line of column names the file starts with.
    QByteArray header() const;
    // The file's bytes: the header and the lines not yet taken.
    QByteArray csv() const { return header() + lines; }
};

// The key every row of every file starts with: the cash register, the time
// the closing was made and its Z counter.
QStringList auditKeyColumns();

// Every file of the audit export, empty, in the order index.xml lists them:
// the single-record module (bills), the master data and the closing module.
QList<TAuditTable> auditTables();

// Cents as "12.50", "-0.05"; a quantity as "1.500".
QString auditAmount(qint64 cents);
QString auditQuantity(double count);

} // namespace PosLib
