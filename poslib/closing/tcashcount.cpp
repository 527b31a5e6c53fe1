#include "tcashcount.h"

#include "tbillfile.h"
#include "tcurrencies.h"
#include "terror.h"
#include "tinifile.h"
#include "trecordcodec.h"
#include "tround.h"
#include "ttable.h"
#include "ttableentry.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>

#include <algorithm>

namespace PosLib {

namespace {

QString cashName(const QString &currencyShort, bool system)
{
    return system || currencyShort.isEmpty() ? QStringLiteral("Cash")
                                             : QStringLiteral("Cash ") + currencyShort;
}

// The rate as the bills write it ("0.94"); 1 when missing or no number.
double rateOf(const QString &text)
{
    bool ok = false;
    const double rate = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok && rate > 0 ? rate : 1.0;
}

QJsonValue itemJson(const TCountItem &item, QJsonObject o)
{
    o.insert(QStringLiteral("item"), item.name);
    o.insert(QStringLiteral("payform"), item.payform);
    if (item.isCash()) {
        o.insert(QStringLiteral("currency"), item.currency);
        o.insert(QStringLiteral("currencyShort"), item.currencyShort);
        o.insert(QStringLiteral("rate"), item.rate);
    }
    return o;
}

TCountItem itemOf(const QJsonObject &o)
{
    TCountItem item;
    item.name = o.value(QStringLiteral("item")).toString();
    item.payform = o.value(QStringLiteral("payform")).toInt();
    item.currency = o.value(QStringLiteral("currency")).toInt();
    item.currencyShort = o.value(QStringLiteral("currencyShort")).toString();
    item.rate = o.value(QStringLiteral("rate")).toDouble(1.0);
    if (item.rate <= 0)
        item.rate = 1.0;
    return item;
}

} // namespace

bool parseCountAmount(const QString &text, qint64 *cents)
{
    static const QRegularExpression pattern(
            QStringLiteral("^([+-]?)(\\d{1,12})(?:[.,](\\d{1,2}))?$"));
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    QString decimals = m.captured(3);
    while (decimals.size() < 2)
        decimals += QLatin1Char('0');
    qint64 value = m.captured(2).toLongLong() * 100 + decimals.toLongLong();
    if (m.captured(1) == QLatin1String("-"))
        value = -value;
    if (cents)
        *cents = value;
    return true;
}

// ---- TDrawerFigures --------------------------------------------------------

void TDrawerFigures::setSystemCurrency(int id, const QString &shortName)
{
    m_system = id > 0 ? id : 1;
    m_systemShort = shortName;
}

TDrawerFigures::Line &TDrawerFigures::cash(int currency, const QString &shortName,
                                           const QString &rate)
{
    const int number = currency <= 0 ? m_system : currency;
    auto it = m_cash.find(number);
    if (it == m_cash.end()) {
        Line line;
        const bool system = number == m_system;
        line.item.currency = system ? 0 : number;
        line.item.currencyShort = system && !m_systemShort.isEmpty() ? m_systemShort : shortName;
        line.item.rate = system ? 1.0 : rateOf(rate);
        line.item.name = cashName(line.item.currencyShort, system);
        it = m_cash.insert(number, line);
    } else if (it->item.currencyShort.isEmpty() && !shortName.isEmpty()) {
        it->item.currencyShort = shortName;
        it->item.name = cashName(shortName, number == m_system);
    }
    return *it;
}

TDrawerFigures::Line &TDrawerFigures::payform(int number, const QString &name)
{
    auto it = m_payforms.find(number);
    if (it == m_payforms.end()) {
        Line line;
        line.item.payform = number;
        line.item.name = name.isEmpty() ? QString::number(number) : name;
        it = m_payforms.insert(number, line);
    }
    return *it;
}

void TDrawerFigures::add(const TTable &table)
{
    table.entries().forEach([&](const TTableEntry *entry) {
        if (entry->isVoided())
            return;
        if (entry->type() == EntryCash) {
            // a cash record moves money in or out of the drawer in its currency
            const int currency = int(entry->getLong(QStringLiteral("retcurr")));
            Line &line = cash(currency, entry->getString(QStringLiteral("retcurrshort")),
                              entry->getString(QStringLiteral("retcurrrate")));
            line.expected += line.item.currency == 0 ? entry->amount()
                                                     : entry->getLong(QStringLiteral("retamount"));
            (entry->amount() >= 0 ? m_cashIn : m_cashOut) += entry->amount();
            return;
        }
        if (entry->type() != EntryPay)
            return;
        const qint64 given = entry->getLong(QStringLiteral("given")) != 0
                                     ? entry->getLong(QStringLiteral("given"))
                                     : entry->amount();
        const qint64 returned = entry->getLong(QStringLiteral("return"));
        if (!entry->getBool(QStringLiteral("intermsum"))) {
            QString name = entry->getString(QStringLiteral("payformname"));
            name.remove(QLatin1Char('\r'));
            name.remove(QLatin1Char('\n'));
            payform(entry->payform(), name).expected += given - returned;
            return;
        }
        // handed over in the pay's currency, the change in the change's
        Line &in = cash(int(entry->getLong(QStringLiteral("curr"))),
                        entry->getString(QStringLiteral("currshort")),
                        entry->getString(QStringLiteral("currrate")));
        if (in.item.currency == 0) {
            in.expected += given;
        } else {
            const qint64 original = entry->getLong(QStringLiteral("orggiven"));
            in.expected += original != 0 ? original : roundHalfUp(double(given) * in.item.rate);
        }
        const int back = int(entry->getLong(QStringLiteral("retcurr")));
        const int backNumber = back <= 0 ? m_system : back;
        if (backNumber == m_system || returned == 0) {
            cash(0, QString(), QString()).expected -= returned;
        } else {
            Line &out = cash(back, entry->getString(QStringLiteral("retcurrshort")),
                             entry->getString(QStringLiteral("retcurrrate")));
            out.expected -= entry->getLong(QStringLiteral("retamount"));
        }
    });
}

QList<TDrawerFigures::Line> TDrawerFigures::lines() const
{
    QList<Line> out;
    if (m_cash.contains(m_system)) {
        out << m_cash.value(m_system);
    } else {
        // the drawer's own cash is always counted, also on a day without it
        Line line;
        line.item.currencyShort = m_systemShort;
        line.item.name = cashName(m_systemShort, true);
        out << line;
    }
    for (auto it = m_cash.cbegin(); it != m_cash.cend(); ++it) {
        if (it.key() != m_system)
            out << *it;
    }
    for (const Line &line : m_payforms)
        out << line;
    return out;
}

void setSystemCurrency(TDrawerFigures &figures, const QString &root)
{
    TCurrencies currencies;
    try {
        if (currencies.load(root.toLocal8Bit().constData()) == Basics::TValueList::Loaded) {
            const TCurrency *system = currencies.systemCurrency();
            figures.setSystemCurrency(currencies.systemCurrencyId(),
                                      system ? system->shortname() : QString());
            return;
        }
    } catch (const Basics::TError &) {
        // no list: the first currency
    }
    figures.setSystemCurrency(1, QString());
}

bool addDrawerBillFile(TDrawerFigures &figures, const QString &path, const QDate &day,
                       const QString &root)
{
    return readBillFile(path, day, root, [&](const TTable &table) { figures.add(table); });
}

// ---- finding what a person names -------------------------------------------

bool findCountItem(const QString &name, const QList<TCountItem> &items, TCountItem *item)
{
    const QString wanted = name.simplified();
    if (wanted.isEmpty())
        return false;
    auto take = [&](const TCountItem &found) {
        if (item)
            *item = found;
        return true;
    };
    const QStringList words = wanted.split(QLatin1Char(' '));
    const bool cashWord = words.first().compare(QLatin1String("cash"), Qt::CaseInsensitive) == 0;
    if (cashWord && words.size() <= 2) {
        for (const TCountItem &candidate : items) {
            if (!candidate.isCash())
                continue;
            if (words.size() == 1 && candidate.currency == 0)
                return take(candidate);
            if (words.size() == 2
                && candidate.currencyShort.compare(words.at(1), Qt::CaseInsensitive) == 0)
                return take(candidate);
        }
    }
    bool isNumber = false;
    const int number = wanted.toInt(&isNumber);
    for (const TCountItem &candidate : items) {
        if (candidate.isCash())
            continue;
        if ((isNumber && candidate.payform == number)
            || candidate.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return take(candidate);
    }
    return false;
}

// ---- the input -------------------------------------------------------------

QJsonObject TCashCountInput::toJson() const
{
    QJsonArray lines;
    for (const auto &[item, amount] : counted)
        lines.append(itemJson(item, {{QStringLiteral("counted"), amount}}));
    return {{QStringLiteral("counted"), lines},
            {QStringLiteral("float"), openingFloat},
            {QStringLiteral("comment"), comment},
            {QStringLiteral("countedBy"), countedBy},
            {QStringLiteral("tolerance"), tolerance}};
}

TCashCountInput TCashCountInput::fromJson(const QJsonObject &o)
{
    TCashCountInput input;
    for (const QJsonValue &value : o.value(QStringLiteral("counted")).toArray()) {
        const QJsonObject line = value.toObject();
        input.counted << qMakePair(itemOf(line), line.value(QStringLiteral("counted")).toInteger());
    }
    input.openingFloat = o.value(QStringLiteral("float")).toInteger();
    input.comment = o.value(QStringLiteral("comment")).toString();
    input.countedBy = o.value(QStringLiteral("countedBy")).toString();
    input.tolerance = o.value(QStringLiteral("tolerance")).toInteger();
    return input;
}

// ---- the count -------------------------------------------------------------

bool TCountLine::operator==(const TCountLine &o) const
{
    return item == o.item && counted == o.counted && countedAmount == o.countedAmount
           && expected == o.expected && systemDifference == o.systemDifference;
}

qint64 TCashCount::difference() const
{
    qint64 sum = 0;
    for (const TCountLine &line : lines)
        sum += line.systemDifference;
    return sum;
}

bool TCashCount::beyondTolerance() const
{
    const qint64 d = difference();
    return (d < 0 ? -d : d) > tolerance;
}

QJsonObject TCashCount::toJson() const
{
    QJsonArray array;
    for (const TCountLine &line : lines)
        array.append(
                itemJson(line.item, {{QStringLiteral("counted"),
                                      line.counted ? QJsonValue(line.countedAmount) : QJsonValue()},
                                     {QStringLiteral("expected"), line.expected},
                                     {QStringLiteral("difference"), line.difference()},
                                     {QStringLiteral("systemDifference"), line.systemDifference}}));
    return {{QStringLiteral("float"), openingFloat},  {QStringLiteral("cashIn"), cashIn},
            {QStringLiteral("cashOut"), cashOut},     {QStringLiteral("comment"), comment},
            {QStringLiteral("countedBy"), countedBy}, {QStringLiteral("tolerance"), tolerance},
            {QStringLiteral("lines"), array},         {QStringLiteral("difference"), difference()}};
}

TCashCount TCashCount::fromJson(const QJsonObject &o)
{
    TCashCount count;
    count.openingFloat = o.value(QStringLiteral("float")).toInteger();
    count.cashIn = o.value(QStringLiteral("cashIn")).toInteger();
    count.cashOut = o.value(QStringLiteral("cashOut")).toInteger();
    count.comment = o.value(QStringLiteral("comment")).toString();
    count.countedBy = o.value(QStringLiteral("countedBy")).toString();
    count.tolerance = o.value(QStringLiteral("tolerance")).toInteger();
    for (const QJsonValue &value : o.value(QStringLiteral("lines")).toArray()) {
        const QJsonObject l = value.toObject();
        TCountLine line;
        line.item = itemOf(l);
        line.counted = !l.value(QStringLiteral("counted")).isNull();
        line.countedAmount = l.value(QStringLiteral("counted")).toInteger();
        line.expected = l.value(QStringLiteral("expected")).toInteger();
        line.systemDifference = l.value(QStringLiteral("systemDifference")).toInteger();
        count.lines << line;
    }
    return count;
}

bool TCashCount::operator==(const TCashCount &o) const
{
    return openingFloat == o.openingFloat && cashIn == o.cashIn && cashOut == o.cashOut
           && comment == o.comment && countedBy == o.countedBy && tolerance == o.tolerance
           && lines == o.lines;
}

TCashCount makeCashCount(const TCashCountInput &input, const TDrawerFigures &drawer)
{
    TCashCount count;
    count.openingFloat = input.openingFloat;
    count.cashIn = drawer.cashIn();
    count.cashOut = drawer.cashOut();
    count.comment = input.comment.trimmed();
    count.countedBy = input.countedBy.trimmed();
    count.tolerance = input.tolerance;
    for (const TDrawerFigures::Line &l : drawer.lines()) {
        TCountLine line;
        line.item = l.item;
        line.expected = l.expected;
        if (l.item.isCash() && l.item.currency == 0)
            line.expected += input.openingFloat;
        count.lines << line;
    }
    for (const auto &[item, amount] : input.counted) {
        auto it = std::find_if(count.lines.begin(), count.lines.end(), [&](const TCountLine &l) {
            return l.item.payform == item.payform && l.item.currency == item.currency;
        });
        if (it == count.lines.end()) {
            TCountLine line;
            line.item = item;
            it = count.lines.insert(count.lines.end(), line);
        }
        it->counted = true;
        it->countedAmount = amount;
    }
    for (TCountLine &line : count.lines) {
        const qint64 own = line.difference();
        line.systemDifference = line.item.currency == 0 || line.item.rate == 1.0
                                        ? own
                                        : roundHalfUp(double(own) / line.item.rate);
    }
    return count;
}

qint64 cashTolerance(const QString &root)
{
    try {
        const Basics::TInifile ini(QDir(root).filePath(QStringLiteral("etc/globals.ini")));
        const QString text = ini.readString(QStringLiteral("Settings"),
                                            QStringLiteral("cashtolerance"), QString());
        qint64 cents = 0;
        if (!text.isEmpty() && parseCountAmount(text, &cents) && cents >= 0)
            return cents;
    } catch (const Basics::TError &) {
        // no file: the default
    }
    return DefaultCashTolerance;
}

} // namespace PosLib
