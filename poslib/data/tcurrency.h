#pragma once

#include "tvalue.h"

namespace PosLib {

// One currency of the currency list: its short name, its rate against the
// system currency, the number of decimal places of its smallest unit and the
// characters that format its amounts.
class TCurrency : public Basics::TValue
{
public:
    TCurrency() = default;
    // A currency made of the fields of another record.
    explicit TCurrency(const Basics::TValue &record);
    ~TCurrency() override;

    QString shortname() const;
    void setShortname(const QString &text);
    double rate() const;
    void setRate(double rate);
    // Decimal places; 2 when the record has none. A negative count means the
    // smallest unit is worth 10^|decpos| (amounts kept in tens or hundreds).
    int decpos() const;
    void setDecpos(int places);
    QString decchar() const;
    void setDecchar(const QString &text);
    QString thschar() const;
    void setThschar(const QString &text);
    // The rate is given the other way round (system units per unit).
    bool reverse() const;
    void setReverse(bool reverse);

    // 10^|decpos|, 1 for no decimals. Places beyond 9 count as 9.
    int factor() const;
    // The rate, or 1 / rate for a reverse rate that is not 0.
    double effectiveRate() const;
};

} // namespace PosLib
