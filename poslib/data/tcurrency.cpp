#include "tcurrency.h"

#include <cstdlib>

namespace PosLib {

TCurrency::TCurrency(const Basics::TValue &record)
    : Basics::TValue(record)
{ }

TCurrency::~TCurrency() = default;

QString TCurrency::shortname() const
{
    return getString(QStringLiteral("shortname"));
}

void TCurrency::setShortname(const QString &text)
{
    setString(QStringLiteral("shortname"), text);
}

double TCurrency::rate() const
{
    return getDouble(QStringLiteral("rate"));
}

void TCurrency::setRate(double rate)
{
    setDouble(QStringLiteral("rate"), rate);
}

int TCurrency::decpos() const
{
    return getInt(QStringLiteral("decpos"), 2);
}

void TCurrency::setDecpos(int places)
{
    setInt(QStringLiteral("decpos"), places);
}

QString TCurrency::decchar() const
{
    return getString(QStringLiteral("decchar"));
}

void TCurrency::setDecchar(const QString &text)
{
    setString(QStringLiteral("decchar"), text);
}

QString TCurrency::thschar() const
{
    return getString(QStringLiteral("thschar"));
}

void TCurrency::setThschar(const QString &text)
{
    setString(QStringLiteral("thschar"), text);
}

bool TCurrency::reverse() const
{
    return getBool(QStringLiteral("reverse"));
}

void TCurrency::setReverse(bool reverse)
{
    setBool(QStringLiteral("reverse"), reverse);
}

int TCurrency::factor() const
{
    // 10^10 no longer fits an int; no currency has that many places.
    const int places = qMin(std::abs(decpos()), 9);
    int f = 1;
    for (int i = 0; i < places; ++i)
        f *= 10;
    return f;
}

double TCurrency::effectiveRate() const
{
    const double r = rate();
    return reverse() && r != 0.0 ? 1.0 / r : r;
}

} // namespace PosLib
