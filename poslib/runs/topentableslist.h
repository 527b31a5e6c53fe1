#pragma once

#include "tlistrow.h"

#include <QObject>
#include <QString>

#include <functional>

namespace PosLib {

class TCurrencies;
class TTable;

// What the open tables list shows of one table.
struct TOpenTableRow
{
    long table = 0;
    int party = 0;
    int state = 0; // TTable::State: open, held (locked) or corrupt
    bool counted = false; // held tables are neither counted nor summed
    long amount = 0; // cents
    // "Table", "Party", "Amount", "Waiter", "Waiter name", "Table name"
    QStringList columns;
    // Group rows "Creation", "Pay" and "Order", each only when the table has
    // an entry of its kind; under each its column-title row and value rows.
    QList<TListRow> details;
};

// The row of one loaded table. The amount column is the currency list's
// plain converted form right-justified to 10, or the plain number of cents
// without a list; amounts of the detail rows are money texts
// (priceText). Dates are written by `dateText`, times as "hh:mm:ss".
using TDateText = std::function<QString(const QDate &)>;
TOpenTableRow openTableRow(const TTable &table, const TCurrencies *currencies,
                           const TDateText &dateText);
TOpenTableRow openTableRow(const TTable &table, const TCurrencies *currencies,
                           Qt::DateFormat dateFormat);

// The tables open on the terminals, as the open tables document and the
// command line list them: every table file of "var/tables" that no terminal
// holds, in ascending table number and party.
class TOpenTablesList : public QObject
{
    Q_OBJECT
public:
    // `currencies` (may be null) formats the amounts; it must outlive the
    // list's loads.
    TOpenTablesList(const QString &root, const TCurrencies *currencies,
                    Qt::DateFormat dateFormat = Qt::TextDate, QObject *parent = nullptr);
    // Dates written by a function of the caller's (the window's language).
    TOpenTablesList(const QString &root, const TCurrencies *currencies, TDateText dateText,
                    QObject *parent = nullptr);
    ~TOpenTablesList() override;

    static QStringList columnTitles();

    // Reads the open tables again. Emits sigDataCount with the number of
    // table files, then sigProgress after each.
    void load();
    bool isLoaded() const { return m_loaded; }

    const QList<TOpenTableRow> &rows() const { return m_rows; }
    // Listed tables that count (held ones do not) and the sum of their
    // amounts in cents.
    int count() const { return m_count; }
    long sum() const { return m_sum; }
    // "%1 tables (%2 %3)": count, money text of the sum, currency name.
    QString status() const;
    // Each table row with its detail rows as children.
    QList<TListRow> listRows() const;

Q_SIGNALS:
    void sigDataCount(int count);
    void sigProgress(int step);

private:
    QString m_root;
    const TCurrencies *m_currencies;
    TDateText m_dateText;
    QList<TOpenTableRow> m_rows;
    int m_count = 0;
    long m_sum = 0;
    bool m_loaded = false;
};

} // namespace PosLib
