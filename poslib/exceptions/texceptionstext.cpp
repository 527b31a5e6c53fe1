#include "texceptionsoutput.h"

#include "tpricetext.h"
#include "tround.h"

#include <QCoreApplication>
#include <QLocale>

namespace PosLib {

namespace {

// The texts of the exceptions, translated in the context "TExceptions".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(TExceptions)
};

QString dateText(const QDate &date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

QString rateText(double rate, int decimals)
{
    return rate < 0 ? QStringLiteral("-") : QLocale().toString(rate, 'f', decimals);
}

QString sideTitle(TExceptionSide::Kind kind)
{
    return kind == TExceptionSide::Waiters ? Text::tr("Waiters") : Text::tr("Cost centers");
}

// "  Kind      Count      Amount  /100 bills  % takings"
QString columnsLine(const QString &indent)
{
    return indent + Text::tr("Kind").leftJustified(26) + Text::tr("Count").rightJustified(7)
           + Text::tr("Amount").rightJustified(13) + Text::tr("/100 bills").rightJustified(11)
           + Text::tr("% takings").rightJustified(11);
}

QString figureLine(const QString &indent, const QString &caption, const TExceptionFigure &f,
                   const TCurrencies *currencies, const QString &after = QString())
{
    return indent + caption.left(25).leftJustified(26) + QString::number(f.count).rightJustified(7)
           + priceText(currencies, long(f.amount())).rightJustified(13)
           + rateText(f.perBills, 1).rightJustified(11)
           + rateText(f.perTakings, 2).rightJustified(11) + after;
}

QString groupHead(TExceptionSide::Kind kind, const TExceptionGroup &g,
                  const TCurrencies *currencies)
{
    return Text::tr("%1: %2 bills, takings %3")
            .arg(groupTitle(kind, g))
            .arg(g.bills)
            .arg(priceText(currencies, long(g.takings)));
}

void appendGroup(QStringList &lines, const TExceptionSide &side, const TExceptionGroup &g,
                 const TCurrencies *currencies)
{
    lines << QStringLiteral("  ") + groupHead(side.kind, g, currencies)
                     + (g.flagged() ? QStringLiteral("  ") + Text::tr("FLAGGED") : QString());
    for (TExceptionKind kind : allExceptionKinds()) {
        const TExceptionFigure &f = g.figure(kind);
        if (f.count == 0)
            continue;
        const int i = indexOf(kind);
        QString after = QStringLiteral("  ")
                        + Text::tr("median %1 / %2")
                                  .arg(rateText(side.medianPerBills[i], 1),
                                       rateText(side.medianPerTakings[i], 2));
        if (f.flagged)
            after += QStringLiteral("  *");
        lines << figureLine(QStringLiteral("    "), exceptionCaption(kind), f, currencies, after);
    }
}

// The week rates of a flagged figure: "Per week, per 100 bills:
// 01.12.26-07.12.26 1,0 | 08.12.26-14.12.26 7,0".
QString trendLine(const TExceptionsResult &result, TExceptionSide::Kind kind,
                  const TExceptionGroup &g, TExceptionKind figure)
{
    QStringList weeks;
    for (const TExceptionWeek &week : result.weeks) {
        const TExceptionSide &side = kind == TExceptionSide::Waiters ? week.waiters : week.centers;
        const TExceptionGroup *in = side.group(g.outlet, g.number);
        weeks << QStringLiteral("%1-%2 %3")
                         .arg(dateText(week.from), dateText(week.to),
                              in ? rateText(in->figure(figure).perBills, 1) : QStringLiteral("-"));
    }
    return Text::tr("Per week, per 100 bills: %1").arg(weeks.join(QStringLiteral(" | ")));
}

void appendFlagged(QStringList &lines, const TExceptionsResult &result, TExceptionSide::Kind kind,
                   const TCurrencies *currencies, TExceptionEntries entries)
{
    const TExceptionSide &side = result.side(kind);
    const QList<const TExceptionGroup *> flagged = side.flaggedGroups();
    lines << QString();
    lines << (kind == TExceptionSide::Waiters ? Text::tr("Flagged waiters")
                                              : Text::tr("Flagged cost centers"));
    if (!side.compared()) {
        lines << QStringLiteral("  ")
                         + Text::tr("Too few to compare (%1; at least %2 with bills)")
                                   .arg(side.members)
                                   .arg(TExceptionRules::MinTeam);
        return;
    }
    if (flagged.isEmpty()) {
        lines << QStringLiteral("  ") + Text::tr("None stands out.");
        return;
    }
    for (const TExceptionGroup *g : flagged) {
        lines << QStringLiteral("  ") + groupHead(kind, *g, currencies);
        for (TExceptionKind figure : allExceptionKinds()) {
            const QString reason = flagReason(side, *g, figure);
            if (reason.isEmpty())
                continue;
            lines << QStringLiteral("    ") + reason;
            if (entries != TExceptionEntries::None) {
                for (const TExceptionEntry *e :
                     result.entriesOf(kind, g->outlet, g->number, &figure))
                    lines << QStringLiteral("      ") + exceptionEntryText(*e, currencies);
            }
            if (result.weeks.size() > 1)
                lines << QStringLiteral("      ") + trendLine(result, kind, *g, figure);
        }
    }
}

} // namespace

void exceptionsLines(const TExceptionsResult &result, const TCurrencies *currencies,
                     TExceptionEntries entries, const std::function<void(const QString &)> &take)
{
    QStringList lines;
    lines << Text::tr("Exceptions");
    if (!result.installation.isEmpty())
        lines << Text::tr("Summary for: %1").arg(result.installation);
    if (result.isCurrent())
        lines << Text::tr("Current day %1").arg(dateText(result.businessDay));
    else if (result.from == result.to)
        lines << Text::tr("Day %1").arg(dateText(result.from));
    else
        lines << Text::tr("From %1 to %2").arg(dateText(result.from), dateText(result.to));
    if (!result.outlets.isEmpty()) {
        QStringList outlets;
        for (int outlet : result.outlets)
            outlets << QString::number(outlet);
        lines << Text::tr("Outlets %1").arg(outlets.join(QStringLiteral(", ")));
    }
    lines << Text::tr("Printed %1").arg(QLocale().toString(result.printed, QLocale::ShortFormat));
    lines << Text::tr("Flagged: a rate above %1 x the team's median, with at least %2 entries")
                     .arg(QLocale().toString(result.rules.multiple))
                     .arg(result.rules.minCount);
    for (const QString &notice : result.notices)
        lines << notice;
    if (result.isEmpty()) {
        lines << QString() << Text::tr("No data available");
        for (const QString &line : std::as_const(lines))
            take(line);
        return;
    }

    lines << QString() << Text::tr("Team");
    lines << columnsLine(QStringLiteral("  "));
    for (TExceptionKind kind : allExceptionKinds())
        lines << figureLine(QStringLiteral("  "), exceptionCaption(kind),
                            result.waiters.total.figure(kind), currencies);
    lines << QStringLiteral("  ")
                     + Text::tr("%1 bills, takings %2")
                               .arg(result.waiters.total.bills)
                               .arg(priceText(currencies, long(result.waiters.total.takings)));

    appendFlagged(lines, result, TExceptionSide::Waiters, currencies, entries);
    appendFlagged(lines, result, TExceptionSide::Centers, currencies, entries);

    for (TExceptionSide::Kind kind : {TExceptionSide::Waiters, TExceptionSide::Centers}) {
        const TExceptionSide &side = result.side(kind);
        lines << QString() << sideTitle(kind);
        lines << columnsLine(QStringLiteral("    "));
        for (const TExceptionGroup &g : side.groups)
            appendGroup(lines, side, g, currencies);
    }
    for (const QString &line : std::as_const(lines))
        take(line);
    if (entries != TExceptionEntries::All)
        return;
    take(QString());
    take(Text::tr("Entries"));
    for (const TExceptionEntry *e : listedEntries(result, entries)) {
        TExceptionGroup waiter;
        waiter.outlet = e->outlet;
        waiter.number = e->waiter;
        waiter.name = e->waiterName;
        take(QStringLiteral("  ") + exceptionCaption(e->kind) + QStringLiteral(": ")
             + groupTitle(TExceptionSide::Waiters, waiter) + QStringLiteral("  ")
             + exceptionEntryText(*e, currencies));
    }
}

QStringList exceptionsLines(const TExceptionsResult &result, const TCurrencies *currencies,
                            TExceptionEntries entries)
{
    QStringList lines;
    exceptionsLines(result, currencies, entries, [&lines](const QString &line) { lines << line; });
    return lines;
}

QStringList exceptionsDayBlock(const TExceptionsResult &result, const TCurrencies *currencies,
                               int waiter, bool receipt)
{
    QStringList lines;
    const QString title = Text::tr("Exceptions of the day");
    lines << title << QString(title.size(), QLatin1Char('='));
    const TExceptionGroup none;
    const TExceptionGroup *own = waiter != 0 ? result.waiters.group(0, waiter) : nullptr;
    const TExceptionGroup &shown = waiter == 0 ? result.waiters.total : own ? *own : none;
    bool any = false;
    for (TExceptionKind kind : allExceptionKinds()) {
        const TExceptionFigure &f = shown.figure(kind);
        if (f.count == 0)
            continue;
        any = true;
        if (receipt) {
            lines << QStringLiteral("  %1 (%2): %3")
                             .arg(exceptionCaption(kind))
                             .arg(f.count)
                             .arg(priceText(currencies, long(f.amount())));
            continue;
        }
        lines << QStringLiteral("  ") + exceptionCaption(kind).left(25).leftJustified(26)
                         + QString::number(f.count).rightJustified(5)
                         + priceText(currencies, long(f.amount())).rightJustified(13);
    }
    if (!any)
        lines << QStringLiteral("  ") + Text::tr("No exceptions");
    QList<const TExceptionGroup *> flagged = result.waiters.flaggedGroups();
    if (waiter != 0)
        flagged = own && own->flagged() ? QList<const TExceptionGroup *> {own}
                                        : QList<const TExceptionGroup *>();
    for (const TExceptionGroup *g : flagged) {
        for (const QString &reason : flagReasons(result.waiters, *g))
            lines << QStringLiteral("  ")
                             + Text::tr("Flagged: %1 - %2")
                                       .arg(groupTitle(TExceptionSide::Waiters, *g), reason);
    }
    if (any && flagged.isEmpty())
        lines << QStringLiteral("  ")
                         + (waiter != 0 ? Text::tr("Nothing stands out.")
                                        : Text::tr("No waiter stands out."));
    return lines;
}

QStringList exceptionsDayTexts(const TExceptionsResult &result, const TCurrencies *currencies)
{
    QStringList texts;
    const TExceptionGroup &team = result.waiters.total;
    for (TExceptionKind kind : allExceptionKinds()) {
        const TExceptionFigure &f = team.figure(kind);
        if (f.count > 0)
            texts << Text::tr("%1: %2, %3")
                             .arg(exceptionCaption(kind))
                             .arg(f.count)
                             .arg(moneyText(currencies, long(f.amount())));
    }
    for (const TExceptionGroup *g : result.waiters.flaggedGroups()) {
        for (const QString &reason : flagReasons(result.waiters, *g))
            texts << Text::tr("Flagged: %1 - %2")
                             .arg(groupTitle(TExceptionSide::Waiters, *g), reason);
    }
    return texts;
}

namespace {

QString csvRate(double rate)
{
    return rate < 0 ? QString() : QString::number(rate, 'f', 4);
}

} // namespace

void exceptionsCsv(const TExceptionsResult &result, TExceptionEntries entries,
                   const std::function<void(const QStringList &)> &take)
{
    take(QStringList {QStringLiteral("row"),
                      QStringLiteral("from"),
                      QStringLiteral("to"),
                      QStringLiteral("grouping"),
                      QStringLiteral("outlet"),
                      QStringLiteral("number"),
                      QStringLiteral("name"),
                      QStringLiteral("kind"),
                      QStringLiteral("count"),
                      QStringLiteral("amount"),
                      QStringLiteral("perBills"),
                      QStringLiteral("perTakings"),
                      QStringLiteral("medianPerBills"),
                      QStringLiteral("medianPerTakings"),
                      QStringLiteral("flagged"),
                      QStringLiteral("reason"),
                      QStringLiteral("bills"),
                      QStringLiteral("takings"),
                      QStringLiteral("day"),
                      QStringLiteral("date"),
                      QStringLiteral("time"),
                      QStringLiteral("table"),
                      QStringLiteral("party"),
                      QStringLiteral("bill"),
                      QStringLiteral("archive"),
                      QStringLiteral("plu"),
                      QStringLiteral("article"),
                      QStringLiteral("center"),
                      QStringLiteral("centerName"),
                      QStringLiteral("voidWaiter"),
                      QStringLiteral("voidWaiterName"),
                      QStringLiteral("detail")});
    const auto iso
            = [](const QDate &d) { return d.isValid() ? d.toString(Qt::ISODate) : QString(); };
    auto addSide = [&](const QString &row, const QDate &from, const QDate &to,
                       const TExceptionSide &side) {
        const QString grouping = side.kind == TExceptionSide::Waiters ? QStringLiteral("waiter")
                                                                      : QStringLiteral("center");
        QList<const TExceptionGroup *> groups {&side.total};
        for (const TExceptionGroup &g : side.groups)
            groups << &g;
        for (const TExceptionGroup *g : groups) {
            const bool team = g == &side.total;
            for (TExceptionKind kind : allExceptionKinds()) {
                const TExceptionFigure &f = g->figure(kind);
                const int i = indexOf(kind);
                take(QStringList {row, iso(from), iso(to), team ? QStringLiteral("team") : grouping,
                                  team || g->outlet == 0 ? QString() : QString::number(g->outlet),
                                  team ? QString() : QString::number(g->number), g->name,
                                  exceptionKey(kind), QString::number(f.count),
                                  QString::number(f.amount()), csvRate(f.perBills),
                                  csvRate(f.perTakings), csvRate(side.medianPerBills[i]),
                                  csvRate(side.medianPerTakings[i]),
                                  f.flagged ? QStringLiteral("yes") : QStringLiteral("no"),
                                  flagReason(side, *g, kind), QString::number(g->bills),
                                  QString::number(g->takings)});
            }
        }
    };
    addSide(QStringLiteral("figure"), result.from, result.to, result.waiters);
    addSide(QStringLiteral("figure"), result.from, result.to, result.centers);
    for (const TExceptionWeek &week : result.weeks) {
        addSide(QStringLiteral("week"), week.from, week.to, week.waiters);
        addSide(QStringLiteral("week"), week.from, week.to, week.centers);
    }
    for (const TExceptionEntry *e : listedEntries(result, entries)) {
        QStringList row {QStringLiteral("entry"),
                         iso(result.from),
                         iso(result.to),
                         QStringLiteral("waiter"),
                         e->outlet == 0 ? QString() : QString::number(e->outlet),
                         QString::number(e->waiter),
                         e->waiterName,
                         exceptionKey(e->kind),
                         QString::number(e->count),
                         QString::number(roundHalfUp(e->amount))};
        for (int i = 0; i < 8; ++i)
            row << QString();
        row << iso(e->day) << iso(e->date)
            << (e->time.isValid() ? e->time.toString(Qt::ISODate) : QString())
            << QString::number(e->table) << QString::number(e->party) << QString::number(e->bill)
            << QString::number(e->archive) << QString::number(e->plu) << e->article
            << QString::number(e->center) << e->centerName << QString::number(e->voidWaiter)
            << e->voidWaiterName << e->detail;
        take(row);
    }
}

QList<QStringList> exceptionsCsv(const TExceptionsResult &result, TExceptionEntries entries)
{
    QList<QStringList> rows;
    exceptionsCsv(result, entries, [&rows](const QStringList &row) { rows << row; });
    return rows;
}

} // namespace PosLib
