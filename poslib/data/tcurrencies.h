#pragma once

#include "tcurrency.h"

namespace PosLib {

// The plain text of amounts in one currency with its settings read once:
// text(a) is what TCurrencies::format(a, currency, false, false) gives,
// for reports that print an amount per line of a long list. Without a
// currency, the plain number.
class TPlainAmounts
{
public:
    TPlainAmounts() = default;
    explicit TPlainAmounts(const TCurrency &currency);

    QString text(long amount) const;
    // The same text written to `out`, which has room for maxTextLength()
    // characters; returns the number written.
    qsizetype writeText(char16_t *out, long amount) const;
    qsizetype maxTextLength() const;

private:
    bool m_currency = false;
    int m_places = 0;
    qint64 m_factor = 1;
    QString m_point;
};

// The currency list ("currency.dat"). Currencies have ids from 1; the record
// with id 0 belongs to the list itself and names the system currency in
// "syscurr" (1 when absent), the currency in which every amount of the table
// files is kept.
class TCurrencies : public Basics::TValueList
{
    Q_OBJECT
public:
    explicit TCurrencies(bool autoDelete = true, QObject *parent = nullptr);
    ~TCurrencies() override;

    QString listName() const override;
    QString fileName() const override;
    QString elementName() const override;
    Basics::TValue *newValue() override;

    // The list-level record (id 0), null when the list has none.
    Basics::TValue *listRecord() const;
    int systemCurrencyId() const;
    // Creates the list-level record when needed.
    void setSystemCurrencyId(int id);

    // The currency with that id (1 and up), null when absent.
    TCurrency *currency(int id) const;
    TCurrency *systemCurrency() const;
    // Every currency in id order, without the list-level record.
    QList<TCurrency *> currencies() const;

    // Converts an amount in the smallest unit of `from` into the smallest
    // unit of `to`, rounded half up. A null currency stands for the system
    // currency; when the list has no system currency, a currency at par with
    // two decimals takes its place. A `from` without a rate counts at par.
    long convert(long amount, const TCurrency *to, const TCurrency *from) const;

    // The text of an amount in cents of the system currency, in `currency`
    // (null: the system currency), converted into it first when `convert` is
    // set. Without a system currency the text is the plain number of cents.
    // The grouped form separates thousands with the currency's "thschar".
    QString format(long amount, const TCurrency *currency, bool convert, bool grouped) const;

    // Short forms: plain with conversion, plain without conversion, and
    // right-justified with blanks to `width` (longer texts are kept whole).
    QString format(long amount) const { return formatConverted(amount); }
    QString formatConverted(long amount, const TCurrency *currency = nullptr) const;
    QString formatPlain(long amount, const TCurrency *currency = nullptr) const;
    QString formatRight(long amount, int width, const TCurrency *currency = nullptr,
                        bool convert = true) const;
    // format(amount, currency, false, false) prepared for many amounts; null
    // stands for the system currency, as there.
    TPlainAmounts plainAmounts(const TCurrency *currency = nullptr) const;
};

} // namespace PosLib
