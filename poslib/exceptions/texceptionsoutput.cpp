#include "texceptionsoutput.h"

#include "tcurrencies.h"
#include "tcurrency.h"
#include "tpricetext.h"
#include "tround.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QSet>

#include <cmath>

namespace PosLib {

namespace {

// The texts of the exceptions, translated in the context "TExceptions".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TExceptions)
};

// A rate with four decimals, null when there is nothing to divide by.
QJsonValue rateValue(double rate)
{
    if (rate < 0)
        return QJsonValue();
    return std::round(rate * 10000.0) / 10000.0;
}

QJsonValue dateValue(const QDate &date)
{
    return date.isValid() ? QJsonValue(date.toString(Qt::ISODate)) : QJsonValue();
}

QJsonValue countValue(double count)
{
    const qint64 whole = roundHalfUp(count);
    return double(whole) == count ? QJsonValue(whole) : QJsonValue(count);
}

QJsonObject figureData(const TExceptionFigure &f)
{
    return QJsonObject {{QStringLiteral("count"), f.count},
                        {QStringLiteral("amount"), f.amount()},
                        {QStringLiteral("perBills"), rateValue(f.perBills)},
                        {QStringLiteral("perTakings"), rateValue(f.perTakings)},
                        {QStringLiteral("flagged"), f.flagged}};
}

QJsonObject groupData(const TExceptionSide &side, const TExceptionGroup &g)
{
    QJsonObject o;
    if (g.outlet != 0)
        o.insert(QStringLiteral("outlet"), g.outlet);
    o.insert(QStringLiteral("number"), g.number);
    o.insert(QStringLiteral("name"), g.name);
    o.insert(QStringLiteral("takings"), g.takings);
    o.insert(QStringLiteral("bills"), g.bills);
    o.insert(QStringLiteral("member"), g.member);
    o.insert(QStringLiteral("flagged"), g.flagged());
    QJsonObject figures;
    for (TExceptionKind kind : allExceptionKinds()) {
        QJsonObject f = figureData(g.figure(kind));
        const QString reason = flagReason(side, g, kind);
        if (!reason.isEmpty())
            f.insert(QStringLiteral("reason"), reason);
        figures.insert(exceptionKey(kind), f);
    }
    o.insert(QStringLiteral("figures"), figures);
    o.insert(QStringLiteral("reasons"), QJsonArray::fromStringList(flagReasons(side, g)));
    QJsonArray discounts;
    for (auto it = g.discounts.cbegin(); it != g.discounts.cend(); ++it) {
        QJsonObject d = figureData(it.value());
        d.remove(QStringLiteral("flagged"));
        d.insert(QStringLiteral("discount"), it.key());
        discounts.append(d);
    }
    o.insert(QStringLiteral("discounts"), discounts);
    return o;
}

QJsonObject sideData(const TExceptionSide &side)
{
    QJsonObject median;
    for (TExceptionKind kind : allExceptionKinds()) {
        median.insert(exceptionKey(kind),
                      QJsonObject {{QStringLiteral("perBills"),
                                    rateValue(side.medianPerBills[indexOf(kind)])},
                                   {QStringLiteral("perTakings"),
                                    rateValue(side.medianPerTakings[indexOf(kind)])}});
    }
    QJsonArray groups;
    for (const TExceptionGroup &g : side.groups)
        groups.append(groupData(side, g));
    QJsonObject total = groupData(side, side.total);
    total.remove(QStringLiteral("number"));
    total.remove(QStringLiteral("member"));
    return QJsonObject {{QStringLiteral("members"), side.members},
                        {QStringLiteral("compared"), side.compared()},
                        {QStringLiteral("median"), median},
                        {QStringLiteral("team"), total},
                        {QStringLiteral("groups"), groups}};
}

QJsonObject entryData(const TExceptionEntry &e)
{
    QJsonObject o {{QStringLiteral("kind"), exceptionKey(e.kind)},
                   {QStringLiteral("day"), dateValue(e.day)},
                   {QStringLiteral("date"), dateValue(e.date)},
                   {QStringLiteral("time"),
                    e.time.isValid() ? QJsonValue(e.time.toString(Qt::ISODate)) : QJsonValue()},
                   {QStringLiteral("waiter"), e.waiter},
                   {QStringLiteral("waiterName"), e.waiterName},
                   {QStringLiteral("center"), e.center},
                   {QStringLiteral("centerName"), e.centerName},
                   {QStringLiteral("table"), e.table},
                   {QStringLiteral("party"), e.party},
                   {QStringLiteral("bill"), e.bill},
                   {QStringLiteral("archive"), e.archive},
                   {QStringLiteral("open"), e.open},
                   {QStringLiteral("plu"), e.plu},
                   {QStringLiteral("article"), e.article},
                   {QStringLiteral("count"), countValue(e.count)},
                   {QStringLiteral("amount"), roundHalfUp(e.amount)},
                   {QStringLiteral("voidWaiter"), e.voidWaiter},
                   {QStringLiteral("voidWaiterName"), e.voidWaiterName},
                   {QStringLiteral("detail"), e.detail}};
    if (e.outlet != 0)
        o.insert(QStringLiteral("outlet"), e.outlet);
    return o;
}

bool isFlagged(const TExceptionSide &side, const TExceptionEntry &e)
{
    const int number = side.kind == TExceptionSide::Waiters ? e.waiter : e.center;
    const TExceptionGroup *g = side.group(e.outlet, number);
    return g && g->figure(e.kind).flagged;
}

} // namespace

std::vector<const TExceptionEntry *> listedEntries(const TExceptionsResult &result,
                                                   TExceptionEntries entries)
{
    std::vector<const TExceptionEntry *> listed;
    if (entries == TExceptionEntries::None)
        return listed;
    for (const TExceptionEntry &e : result.entries) {
        if (entries == TExceptionEntries::All || isFlagged(result.waiters, e)
            || isFlagged(result.centers, e))
            listed.push_back(&e);
    }
    return listed;
}

QJsonObject exceptionsData(const TExceptionsResult &result, const TCurrencies *currencies,
                           TExceptionEntries entries)
{
    QJsonObject o;
    o.insert(QStringLiteral("format"), 1);
    o.insert(QStringLiteral("installation"), result.installation);
    o.insert(QStringLiteral("from"), dateValue(result.from));
    o.insert(QStringLiteral("to"), dateValue(result.isCurrent() ? QDate() : result.to));
    o.insert(QStringLiteral("day"), dateValue(result.isCurrent() ? result.businessDay : QDate()));
    o.insert(QStringLiteral("printed"), result.printed.toString(Qt::ISODate));
    const TCurrency *system = currencies ? currencies->systemCurrency() : nullptr;
    o.insert(QStringLiteral("currency"),
             QJsonObject {{QStringLiteral("name"), system ? system->shortname() : QString()},
                          {QStringLiteral("decimals"), system ? system->decpos() : 0}});
    QJsonArray staff;
    for (int payform : result.rules.staffPayforms)
        staff.append(payform);
    o.insert(QStringLiteral("rules"),
             QJsonObject {{QStringLiteral("multiple"), result.rules.multiple},
                          {QStringLiteral("minCount"), result.rules.minCount},
                          {QStringLiteral("minTeam"), TExceptionRules::MinTeam},
                          {QStringLiteral("lateFrom"),
                           result.rules.lateFrom.toString(QStringLiteral("HH:mm"))},
                          {QStringLiteral("lateUntil"),
                           result.rules.lateUntil.toString(QStringLiteral("HH:mm"))},
                          {QStringLiteral("staffPayforms"), staff}});
    if (!result.outlets.isEmpty()) {
        QJsonArray outlets;
        for (int outlet : result.outlets)
            outlets.append(outlet);
        o.insert(QStringLiteral("outlets"), outlets);
    }
    QJsonArray kinds;
    for (TExceptionKind kind : allExceptionKinds())
        kinds.append(QJsonObject {{QStringLiteral("key"), exceptionKey(kind)},
                                  {QStringLiteral("caption"), exceptionCaption(kind)}});
    o.insert(QStringLiteral("kinds"), kinds);
    o.insert(QStringLiteral("waiters"), sideData(result.waiters));
    o.insert(QStringLiteral("centers"), sideData(result.centers));
    QJsonArray weeks;
    for (const TExceptionWeek &week : result.weeks)
        weeks.append(QJsonObject {{QStringLiteral("from"), dateValue(week.from)},
                                  {QStringLiteral("to"), dateValue(week.to)},
                                  {QStringLiteral("waiters"), sideData(week.waiters)},
                                  {QStringLiteral("centers"), sideData(week.centers)}});
    o.insert(QStringLiteral("weeks"), weeks);
    QJsonArray listed;
    for (const TExceptionEntry *e : listedEntries(result, entries))
        listed.append(entryData(*e));
    o.insert(QStringLiteral("entries"), listed);
    o.insert(QStringLiteral("notices"), QJsonArray::fromStringList(result.notices));
    return o;
}

QByteArray exceptionEntryJson(const TExceptionEntry &entry)
{
    return QJsonDocument(entryData(entry)).toJson(QJsonDocument::Compact);
}

QString exceptionEntryText(const TExceptionEntry &e, const TCurrencies *currencies)
{
    QStringList parts;
    parts << QLocale().toString(e.date, QLocale::ShortFormat) + QLatin1Char(' ')
                     + e.time.toString(QStringLiteral("HH:mm"));
    parts << (e.open ? Text::tr("table %1/%2 (open)") : Text::tr("table %1/%2"))
                     .arg(e.table)
                     .arg(e.party);
    if (e.bill != 0)
        parts << Text::tr("bill %1").arg(e.bill);
    if (e.archive != 0 && !e.open)
        parts << Text::tr("archive %1").arg(e.archive);
    if (!e.article.isEmpty())
        parts << QStringLiteral("%1 x %2").arg(QLocale().toString(e.count)).arg(e.article);
    parts << priceText(currencies, long(roundHalfUp(e.amount)));
    if (e.voidWaiter != 0)
        parts << Text::tr("voided by %1 %2").arg(e.voidWaiter).arg(e.voidWaiterName).trimmed();
    if (!e.detail.isEmpty())
        parts << e.detail;
    return parts.join(QStringLiteral("  "));
}

} // namespace PosLib
