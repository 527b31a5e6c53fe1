#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace PosLib {

class TCurrencies;

// A column of a sheet: what its cells are.
struct TXlsxColumn
{
    enum Kind {
        Text,
        Number, // a decimal number as text ("2", "1.5")
        Money, // whole cents as text ("1250"): 12.50 in the currency's format
        Guess, // a whole number ("12") a number, money as the currency writes
               // it ("12,50") an amount, anything else text
    };
    QString title;
    Kind kind = Text;
};

// One sheet: its name (shortened to what Excel allows and made unique when
// written), its columns and rows of cell texts.
struct TXlsxSheet
{
    QString name;
    QList<TXlsxColumn> columns;
    QList<QStringList> rows;
};

// What the columns of a command's rows are, by their titles: those that
// split the rows into sheets (a group or period), those of amounts in the
// currency's smallest unit, those of other numbers.
struct TXlsxLayout
{
    QStringList groupBy;
    QStringList money;
    QStringList numbers;
    // the other columns hold what a document shows (TXlsxColumn::Guess)
    bool guessOthers = false;
};

// The currency amounts are shown in: its short name (none: no name) and
// its decimal places; negative places mean the smallest unit is worth
// 10^|places| (amounts kept in tens or hundreds).
struct TXlsxCurrency
{
    QString name;
    int decimals = 2;
    QString decimalMark = QStringLiteral(".");

    // The system currency of `currencies` (may be null: two places, no
    // name, as the back office writes money without a currency list).
    static TXlsxCurrency of(const TCurrencies *currencies);

    // The amount of `units` smallest units as a number of the currency.
    double value(qint64 units) const;
    // The amount of a money text as the currency writes it without groups
    // ("-12,50" with ',' as its mark and two places); false for other texts.
    bool amountOf(const QString &text, double *amount) const;
    // The cell format: "#,##0.00 \"EUR\"" for two places and EUR.
    QString numberFormat() const;
};

// The columns of a report's rows as TSummaryExport::csvRows() writes them
// (and chain report's "outlets" before them): a sheet per outlet, period
// and group, amounts and counts as numbers.
TXlsxLayout reportXlsxLayout();

// The columns of the rows of sales per labour hour (TLabourReport::csvRows()):
// a sheet each for the waiters, the hours and the total, sales and costs as
// amounts, hours worked (in seconds), covers and shares as numbers.
TXlsxLayout labourXlsxLayout();

// The columns of the exceptions' rows (exceptionsCsv()): the figures, each
// week and the entries on sheets of their own, amounts and takings as
// amounts, counts, rates, medians, bill and table numbers as numbers.
TXlsxLayout exceptionsXlsxLayout();

// Rows handed on one at a time, the title row first: each call hands them
// all again, in the same order, to `take`; false when they could not be
// read.
using TXlsxRows = std::function<bool(const std::function<void(const QStringList &row)> &take)>;

// A workbook written with libxlsxwriter: numbers as numbers, amounts in
// the currency's format, the title row frozen and in bold, each column as
// wide as its longest cell (at most 60 characters).
class TXlsxWorkbook
{
    Q_DECLARE_TR_FUNCTIONS(TXlsxWorkbook)
public:
    // Writes `sheets` into `path` through the safe replace. False with
    // `error` naming the file and why when it cannot be written whole.
    static bool write(const QString &path, const QList<TXlsxSheet> &sheets,
                      const TXlsxCurrency &currency, QString *error);
    // Writes the sheets of `rows` (as sheets() splits them) into `path`,
    // going through the rows twice and holding none of them: a year of a
    // report's rows needs no more memory than a day's.
    static bool writeRows(const QString &path, const TXlsxRows &rows, const QString &title,
                          const TXlsxLayout &layout, const TXlsxCurrency &currency, QString *error);
    // The rows of a list, as writeRows() takes them; `rows` must outlive
    // the writing.
    static TXlsxRows listRows(const QList<QStringList> &rows);

    // A name Excel accepts for a sheet: without []:*?/\, at most 31
    // characters, not empty, and not one of `taken` (then " (2)" …).
    static QString sheetName(const QString &wanted, const QStringList &taken);

    // Rows with a title row first, split into one sheet per value of the
    // layout's groupBy columns, in order of appearance and named by those
    // values; a column whose value is the same in every row does not split
    // (nor name) the sheets, so a report over one range is not named by its
    // dates on every sheet. All rows in one sheet named `title` when
    // nothing splits them; one empty sheet for rows without a body.
    static QList<TXlsxSheet> sheets(const QList<QStringList> &rows, const QString &title,
                                    const TXlsxLayout &layout);
};

} // namespace PosLib
