#include "tcurrencies.h"

#include "tround.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace PosLib {

namespace {

const QString SysCurr = QStringLiteral("syscurr");

// Stands in for a system currency that the list does not have.
const TCurrency &parCurrency()
{
    static const TCurrency par = [] {
        TCurrency c;
        c.setRate(1.0);
        c.setDecpos(2);
        return c;
    }();
    return par;
}

QString decimalsText(quint64 fraction, const TCurrency &currency)
{
    const QString dc = currency.decchar();
    return (dc.isEmpty() ? QStringLiteral(".") : dc)
           + QString::number(fraction).rightJustified(currency.decpos(), QLatin1Char('0'));
}

// Writes the decimal digits of `value`, at least `width` of them (zeros in
// front); their count.
qsizetype writeDigits(char16_t *out, quint64 value, int width)
{
    static constexpr char Pairs[] = "00010203040506070809101112131415161718192021222324"
                                    "25262728293031323334353637383940414243444546474849"
                                    "50515253545556575859606162636465666768697071727374"
                                    "75767778798081828384858687888990919293949596979899";
    // from the last digit back, two at a time
    char16_t digits[24];
    char16_t *at = digits + 24;
    while (value >= 100) {
        const char *pair = Pairs + 2 * (value % 100);
        value /= 100;
        *--at = char16_t(pair[1]);
        *--at = char16_t(pair[0]);
    }
    if (value >= 10) {
        const char *pair = Pairs + 2 * value;
        *--at = char16_t(pair[1]);
        *--at = char16_t(pair[0]);
    } else {
        *--at = char16_t(u'0' + value);
    }
    const qsizetype n = digits + 24 - at;
    qsizetype written = 0;
    for (qsizetype i = n; i < width; ++i)
        out[written++] = u'0';
    std::memcpy(out + written, at, size_t(n) * sizeof(char16_t));
    return written + n;
}

quint64 magnitude(qint64 value)
{
    return value < 0 ? 0 - quint64(value) : quint64(value);
}

} // namespace

TPlainAmounts::TPlainAmounts(const TCurrency &currency)
    : m_currency(true)
    , m_places(currency.decpos())
    , m_factor(currency.factor())
    , m_point(currency.decchar())
{
    if (m_point.isEmpty())
        m_point = QStringLiteral(".");
}

QString TPlainAmounts::text(long amount) const
{
    QVarLengthArray<char16_t, 64> text(maxTextLength());
    const qsizetype length = writeText(text.data(), amount);
    return QString(reinterpret_cast<const QChar *>(text.constData()), length);
}

qsizetype TPlainAmounts::maxTextLength() const
{
    // a sign, the integer part, the point and the places of the fraction
    return 1 + 20 + m_point.size() + std::max(20, m_places);
}

qsizetype TPlainAmounts::writeText(char16_t *out, long amount) const
{
    // as TCurrencies::format() writes it, without its questions to the currency
    qsizetype written = 0;
    if (!m_currency || m_places < 1) {
        const qint64 value
                = m_currency && m_places < 0 ? qint64(amount) * m_factor : qint64(amount);
        if (value < 0)
            out[written++] = u'-';
        return written + writeDigits(out + written, magnitude(value), 1);
    }
    const qint64 integer = qint64(amount) / m_factor; // truncated toward zero
    const quint64 fraction = quint64(std::llabs(qint64(amount) % m_factor));
    // -5 cents: a zero integer part carries no sign of its own
    if (amount < 0)
        out[written++] = u'-';
    written += writeDigits(out + written, magnitude(integer), 1);
    for (QChar c : m_point)
        out[written++] = c.unicode();
    return written + writeDigits(out + written, fraction, m_places);
}

TCurrencies::TCurrencies(bool autoDelete, QObject *parent)
    : Basics::TValueList(autoDelete, parent)
{ }

TCurrencies::~TCurrencies() = default;

QString TCurrencies::listName() const
{
    return QStringLiteral("currencies");
}

QString TCurrencies::fileName() const
{
    return QStringLiteral("currency.dat");
}

QString TCurrencies::elementName() const
{
    return QStringLiteral("currency");
}

Basics::TValue *TCurrencies::newValue()
{
    return new TCurrency;
}

Basics::TValue *TCurrencies::listRecord() const
{
    return find(0);
}

int TCurrencies::systemCurrencyId() const
{
    const Basics::TValue *record = listRecord();
    return record ? record->getInt(SysCurr, 1) : 1;
}

void TCurrencies::setSystemCurrencyId(int id)
{
    Basics::TValue *record = listRecord();
    if (!record) {
        record = newValue();
        record->setId(0);
        record->setInt(SysCurr, id);
        insert(record);
        return;
    }
    record->setInt(SysCurr, id);
    update(record);
}

TCurrency *TCurrencies::currency(int id) const
{
    return id < 1 ? nullptr : dynamic_cast<TCurrency *>(find(id));
}

TCurrency *TCurrencies::systemCurrency() const
{
    return currency(systemCurrencyId());
}

QList<TCurrency *> TCurrencies::currencies() const
{
    QList<TCurrency *> out;
    for (Basics::TValue *value : values()) {
        if (value->id() < 1)
            continue;
        if (auto *c = dynamic_cast<TCurrency *>(value))
            out.append(c);
    }
    return out;
}

long TCurrencies::convert(long amount, const TCurrency *to, const TCurrency *from) const
{
    const TCurrency *system = systemCurrency();
    if (!system)
        system = &parCurrency();
    if (!to)
        to = system;
    if (!from)
        from = system;
    // 1. nothing to do within one currency
    if (to == from)
        return amount;

    // 2. into whole units of `from` when the places differ (1234 cents ->
    //    12.34), or from tens and hundreds for negative places
    double x = double(amount);
    const bool placesDiffer = to->decpos() != from->decpos();
    if (placesDiffer) {
        if (from->decpos() > 0)
            x /= from->factor();
        else
            x *= from->factor();
    }
    // 3. through the rates; a currency without a rate counts at par
    const double fromRate = from->effectiveRate();
    x = x / (fromRate != 0.0 ? fromRate : 1.0) * to->effectiveRate();
    // 4. into the smallest unit of `to`
    if (placesDiffer) {
        if (to->decpos() >= 0)
            x *= to->factor();
        else
            x /= to->factor();
    }
    // 5. rounded half up, also for negative amounts
    const double limit = double(std::numeric_limits<long>::max());
    if (!std::isfinite(x) || x >= limit || x <= -limit)
        return x < 0 ? std::numeric_limits<long>::min() : std::numeric_limits<long>::max();
    return long(roundHalfUp(x));
}

QString TCurrencies::format(long amount, const TCurrency *currency, bool convert,
                            bool grouped) const
{
    const TCurrency *system = systemCurrency();
    if (!currency) {
        currency = system;
        if (!currency)
            return QString::number(amount);
    }
    if (convert && currency != system)
        amount = this->convert(amount, currency, system);

    const int places = currency->decpos();
    const quint64 f = quint64(currency->factor());

    if (!grouped) {
        if (places < 1)
            return QString::number(places < 0 ? qint64(amount) * qint64(f) : qint64(amount));
        const qint64 integer = qint64(amount) / qint64(f); // truncated toward zero
        const quint64 fraction = quint64(std::llabs(qint64(amount) % qint64(f)));
        QString text;
        // -5 cents: a zero integer part carries no sign of its own
        if (integer == 0 && amount < 0)
            text = QStringLiteral("-");
        return text + QString::number(integer) + decimalsText(fraction, *currency);
    }

    // grouped: sign, integer part in groups of three, decimals as above
    const bool negative = amount < 0;
    const quint64 magnitude = negative ? 0 - quint64(amount) : quint64(amount);
    quint64 integer = magnitude;
    QString decimals;
    if (places < 0) {
        integer = magnitude * f;
    } else if (places > 0) {
        integer = magnitude / f;
        decimals = decimalsText(magnitude % f, *currency);
    }
    QString digits;
    const QString ths = currency->thschar();
    while (integer >= 1000) {
        digits.prepend(ths + QString::number(integer % 1000).rightJustified(3, QLatin1Char('0')));
        integer /= 1000;
    }
    // the leftmost group, which is "0" for an amount below one unit
    digits.prepend(QString::number(integer));
    return (negative ? QStringLiteral("-") : QString()) + digits + decimals;
}

TPlainAmounts TCurrencies::plainAmounts(const TCurrency *currency) const
{
    if (!currency)
        currency = systemCurrency();
    return currency ? TPlainAmounts(*currency) : TPlainAmounts();
}

QString TCurrencies::formatConverted(long amount, const TCurrency *currency) const
{
    return format(amount, currency, true, false);
}

QString TCurrencies::formatPlain(long amount, const TCurrency *currency) const
{
    return format(amount, currency, false, false);
}

QString TCurrencies::formatRight(long amount, int width, const TCurrency *currency,
                                 bool convert) const
{
    return format(amount, currency, convert, false).rightJustified(width, QLatin1Char(' '));
}

} // namespace PosLib
