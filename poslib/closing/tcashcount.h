#pragma once

#include <QDate>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

namespace PosLib {

class TCurrencies;
class TTable;

// An amount typed by a person ("412.50", "412,50", "-3", "1.234,50" is
// refused): whole cents, at most two decimals. False for anything else.
bool parseCountAmount(const QString &text, qint64 *cents);

// One item of the cash-up: the cash of one currency in the drawer, or one
// payment form (a card terminal's batch, the vouchers taken in).
struct TCountItem
{
    QString name; // "Cash", "Cash CHF", "EC card": the key a count names it by
    int payform = 0; // the payment form; 0 for cash
    int currency = 0; // cash: the currency's number (0 for the system currency)
    QString currencyShort; // cash: "EUR", "CHF"
    double rate = 1.0; // cash: units of the currency per unit of the system currency
    bool isCash() const { return payform == 0; }

    bool operator==(const TCountItem &o) const
    {
        return name == o.name && payform == o.payform && currency == o.currency;
    }
};

// What the bills say the drawer and each payment form should hold, read
// from the bills' entries as docs/figures.md defines it. Cash (the
// payments counted in the cash summary) per currency in that currency's own
// cents: what was handed over in it less the change given back in it, and
// the cash in and cash out records; every other payment form in system
// cents: payments + tip + non refund, in summary or not.
class TDrawerFigures
{
public:
    TDrawerFigures() = default;
    // Adds one bill (a table read whole).
    void add(const TTable &table);

    struct Line
    {
        TCountItem item;
        qint64 expected = 0; // own cents of the item's currency
    };
    // Cash first (the system currency, then the others by number), then the
    // payment forms by number. The system currency's cash is always there.
    QList<Line> lines() const;
    // Cash in records and cash out records (negative), system cents.
    qint64 cashIn() const { return m_cashIn; }
    qint64 cashOut() const { return m_cashOut; }

    // The currency the table files keep their amounts in (1 when not set).
    void setSystemCurrency(int id, const QString &shortName);

private:
    Line &cash(int currency, const QString &shortName, const QString &rate);
    Line &payform(int number, const QString &name);

    int m_system = 1;
    QString m_systemShort;
    QMap<int, Line> m_cash; // by currency number
    QMap<int, Line> m_payforms; // by payment form number
    qint64 m_cashIn = 0;
    qint64 m_cashOut = 0;
};

// Sets the system currency of `figures` from the installation's currency
// list (currency 1 when it has none or cannot be read).
void setSystemCurrency(TDrawerFigures &figures, const QString &root);

// Reads a bill file as stored and adds it to `figures`; false when it does
// not load as a table.
bool addDrawerBillFile(TDrawerFigures &figures, const QString &path, const QDate &day,
                       const QString &root);

// The item a person names ("cash", "Cash CHF", "ec card", "2"; any case):
// "cash" alone is the system currency's cash, "cash" and a currency's short
// name that currency's, else a payment form by name or number. Looked up
// among the bills' items, then among `known` (what the installation can
// count though the bills have none). False when nothing matches.
bool findCountItem(const QString &name, const QList<TCountItem> &items, TCountItem *item);

// What the manager entered: the counted amount per item, the opening float
// (system cents), a comment, who counted, and the difference in system
// cents above which a comment is needed.
struct TCashCountInput
{
    QList<QPair<TCountItem, qint64>> counted; // own cents of the item's currency
    qint64 openingFloat = 0;
    QString comment;
    QString countedBy;
    qint64 tolerance = 0;

    bool isEmpty() const { return counted.isEmpty(); }
    QJsonObject toJson() const;
    static TCashCountInput fromJson(const QJsonObject &o);
};

// One line of a cash count: expected against counted.
struct TCountLine
{
    TCountItem item;
    bool counted = false; // not counted: no difference (cards are optional)
    qint64 countedAmount = 0; // own cents of the item's currency
    qint64 expected = 0; // for the system currency's cash with the float
    qint64 difference() const { return counted ? countedAmount - expected : 0; }
    qint64 systemDifference = 0; // the difference in system cents

    bool operator==(const TCountLine &o) const;
};

// A cash count as a closing records it.
struct TCashCount
{
    qint64 openingFloat = 0;
    qint64 cashIn = 0; // cash in records of the bills, included in the cash expected
    qint64 cashOut = 0; // cash out records (negative), included likewise
    QString comment;
    QString countedBy;
    qint64 tolerance = 0;
    QList<TCountLine> lines;

    bool isEmpty() const { return lines.isEmpty(); }
    // The differences of the counted lines, in system cents.
    qint64 difference() const;
    // The difference is above the tolerance, either way.
    bool beyondTolerance() const;
    // Beyond the tolerance without a comment: not to be recorded.
    bool lacksComment() const { return beyondTolerance() && comment.trimmed().isEmpty(); }

    // {"float", "cashIn", "cashOut", "comment", "countedBy", "tolerance",
    //  "lines": [{"item", "payform", "currency", "currencyShort", "counted"
    //  (null when not counted), "expected", "difference", "systemDifference"}],
    //  "difference"}; amounts in cents.
    QJsonObject toJson() const;
    static TCashCount fromJson(const QJsonObject &o);
    bool operator==(const TCashCount &o) const;
};

// The count of `input` against the drawer figures: one line per item the
// bills expect, and one per counted item they do not (expected 0); the
// float is added to the system currency's cash. Foreign differences are
// converted to system cents by the currency's rate.
TCashCount makeCashCount(const TCashCountInput &input, const TDrawerFigures &drawer);

// The tolerance the installation sets ("cashtolerance" in [Settings] of
// etc/globals.ini, an amount like "5.00"); 5.00 when not set or unreadable.
qint64 cashTolerance(const QString &root);
constexpr qint64 DefaultCashTolerance = 500;

} // namespace PosLib
