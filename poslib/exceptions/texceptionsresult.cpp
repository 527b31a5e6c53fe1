#include "texceptionsresult.h"

#include "tround.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace PosLib {

qint64 TExceptionFigure::amount() const
{
    return roundHalfUp(exact);
}

bool TExceptionGroup::flagged() const
{
    for (const TExceptionFigure &f : figures) {
        if (f.flagged)
            return true;
    }
    return false;
}

bool TExceptionGroup::hasEntries() const
{
    for (const TExceptionFigure &f : figures) {
        if (f.count > 0)
            return true;
    }
    return false;
}

const TExceptionGroup *TExceptionSide::group(int outlet, int number) const
{
    for (const TExceptionGroup &g : groups) {
        if (g.outlet == outlet && g.number == number)
            return &g;
    }
    return nullptr;
}

QList<const TExceptionGroup *> TExceptionSide::flaggedGroups() const
{
    QList<const TExceptionGroup *> flagged;
    for (const TExceptionGroup &g : groups) {
        if (g.flagged())
            flagged << &g;
    }
    return flagged;
}

TExceptionGroup &TExceptionTally::groupOf(int side, int outlet, int number, const QString &name)
{
    TExceptionGroup &g = m_groups[side][qMakePair(outlet, number)];
    g.outlet = outlet;
    g.number = number;
    if (g.name.isEmpty())
        g.name = name;
    return g;
}

void TExceptionTally::addEntry(const TExceptionEntry &e)
{
    TExceptionGroup *groups[2] = {&groupOf(0, e.outlet, e.waiter, e.waiterName),
                                  &groupOf(1, e.outlet, e.center, e.centerName)};
    for (TExceptionGroup *g : groups) {
        TExceptionFigure &f = g->figure(e.kind);
        ++f.count;
        f.exact += e.amount;
        if (e.kind == TExceptionKind::Discounts) {
            TExceptionFigure &d = g->discounts[e.detail];
            ++d.count;
            d.exact += e.amount;
        }
    }
}

void TExceptionTally::addDay(const TExceptionDay &day, int outlet)
{
    for (auto it = day.waiterBills.cbegin(); it != day.waiterBills.cend(); ++it)
        groupOf(0, outlet, it.key(), QString()).bills += it.value();
    for (auto it = day.centerBills.cbegin(); it != day.centerBills.cend(); ++it)
        groupOf(1, outlet, it.key(), QString()).bills += it.value();
    for (const TExceptionEntry &e : day.entries) {
        if (e.outlet == outlet) {
            addEntry(e);
        } else {
            TExceptionEntry copy = e;
            copy.outlet = outlet;
            addEntry(copy);
        }
    }
}

void TExceptionTally::setTakings(TExceptionSide::Kind side, int outlet, int number, qint64 takings,
                                 const QString &name)
{
    TExceptionGroup &g = groupOf(side, outlet, number, QString());
    g.takings = takings;
    // the reports' name of the group wins over the one its entries carry
    if (!name.isEmpty())
        g.name = name;
}

TExceptionSide TExceptionTally::side(TExceptionSide::Kind kind, const TExceptionRules &rules) const
{
    TExceptionSide side;
    side.kind = kind;
    side.total.name = QCoreApplication::translate("TExceptions", "Team");
    for (const TExceptionGroup &g : m_groups[kind]) {
        side.groups << g;
        side.total.takings += g.takings;
        side.total.bills += g.bills;
        for (int i = 0; i < ExceptionKindCount; ++i) {
            side.total.figures[i].count += g.figures[i].count;
            side.total.figures[i].exact += g.figures[i].exact;
        }
        for (auto it = g.discounts.cbegin(); it != g.discounts.cend(); ++it) {
            TExceptionFigure &d = side.total.discounts[it.key()];
            d.count += it->count;
            d.exact += it->exact;
        }
    }
    rateSide(side, rules);
    return side;
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

namespace {

void rate(TExceptionFigure &f, const TExceptionGroup &g)
{
    f.perBills = g.bills > 0 ? 100.0 * double(f.count) / double(g.bills) : -1;
    f.perTakings = g.takings > 0 ? 100.0 * f.exact / double(g.takings) : -1;
}

} // namespace

void rateSide(TExceptionSide &side, const TExceptionRules &rules)
{
    side.members = 0;
    for (TExceptionGroup &g : side.groups) {
        // the waiter 0 is no person to compare: entries booked without one
        g.member = g.bills > 0 && (side.kind == TExceptionSide::Centers || g.number != 0);
        side.members += g.member ? 1 : 0;
        for (TExceptionFigure &f : g.figures)
            rate(f, g);
        for (TExceptionFigure &f : g.discounts)
            rate(f, g);
    }
    for (TExceptionFigure &f : side.total.figures)
        rate(f, side.total);
    for (TExceptionFigure &f : side.total.discounts)
        rate(f, side.total);

    for (int i = 0; i < ExceptionKindCount; ++i) {
        QList<double> perBills, perTakings;
        for (const TExceptionGroup &g : side.groups) {
            if (!g.member)
                continue;
            perBills << g.figures[i].perBills;
            if (g.figures[i].perTakings >= 0)
                perTakings << g.figures[i].perTakings;
        }
        side.medianPerBills[i] = median(perBills);
        side.medianPerTakings[i] = median(perTakings);
    }
    if (!side.compared())
        return;
    // above the multiple of the team's median, with enough entries to mean
    // something: 3 voids in a week are no pattern, whatever the rate
    for (TExceptionGroup &g : side.groups) {
        if (!g.member)
            continue;
        for (int i = 0; i < ExceptionKindCount; ++i) {
            TExceptionFigure &f = g.figures[i];
            if (f.count < rules.minCount)
                continue;
            f.byBills = f.perBills > rules.multiple * side.medianPerBills[i];
            f.byTakings = f.perTakings >= 0 && f.exact > 0
                          && f.perTakings > rules.multiple * side.medianPerTakings[i];
            f.flagged = f.byBills || f.byTakings;
        }
    }
}

namespace {

// The texts of the exceptions, translated in the context "TExceptions".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TExceptions)
};

QString decimal(double value, int decimals = 1)
{
    return QLocale().toString(value, 'f', decimals);
}

} // namespace

QString flagReason(const TExceptionSide &side, const TExceptionGroup &group, TExceptionKind kind)
{
    const TExceptionFigure &f = group.figure(kind);
    if (!f.flagged)
        return QString();
    const int i = indexOf(kind);
    QStringList parts;
    if (f.byBills) {
        const double m = side.medianPerBills[i];
        parts << (m > 0 ? Text::tr("%1 per 100 bills, %2 x the team's median of %3")
                                  .arg(decimal(f.perBills), decimal(f.perBills / m), decimal(m))
                        : Text::tr("%1 per 100 bills, the team's median is 0")
                                  .arg(decimal(f.perBills)));
    }
    if (f.byTakings) {
        const double m = side.medianPerTakings[i];
        parts << (m > 0 ? Text::tr("%1 % of the takings, %2 x the team's median of %3 %")
                                  .arg(decimal(f.perTakings, 2), decimal(f.perTakings / m),
                                       decimal(m, 2))
                        : Text::tr("%1 % of the takings, the team's median is 0")
                                  .arg(decimal(f.perTakings, 2)));
    }
    return Text::tr("%1: %2 (%3)")
            .arg(exceptionCaption(kind))
            .arg(f.count)
            .arg(parts.join(QStringLiteral("; ")));
}

QStringList flagReasons(const TExceptionSide &side, const TExceptionGroup &group)
{
    QStringList reasons;
    for (TExceptionKind kind : allExceptionKinds()) {
        const QString reason = flagReason(side, group, kind);
        if (!reason.isEmpty())
            reasons << reason;
    }
    return reasons;
}

QString groupTitle(TExceptionSide::Kind side, const TExceptionGroup &group)
{
    QString title;
    if (group.number == 0)
        title = side == TExceptionSide::Waiters ? Text::tr("Without waiter")
                                                : Text::tr("Without cost center");
    else
        title = group.name.isEmpty() ? QString::number(group.number)
                                     : QStringLiteral("%1 %2").arg(group.number).arg(group.name);
    if (group.outlet != 0)
        title = Text::tr("Outlet %1 / %2").arg(group.outlet).arg(title);
    return title;
}

} // namespace PosLib
