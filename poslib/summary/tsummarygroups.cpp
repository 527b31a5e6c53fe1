// The summary writer: the reports over groups (waiters, cost centers), run
// period by period, and the body each group gets.

#include "tsummary.h"

#include "trepdata.h"
#include "treport.h"
#include "treportnode.h"
#include "tsummarylines.h"
#include "tsummarytext.h"
#include "tsumparser.h"
#include "tvalue.h"

#include <algorithm>

using namespace Basics;

namespace PosLib {

using namespace SummaryText;

QStringList TSummary::waiterReport(int code, const QString &title, bool overAll)
{
    return runReport(code, title, overAll, false);
}

QStringList TSummary::centerReport(int code, const QString &title)
{
    return runReport(code, title, false, true);
}

QStringList TSummary::runReport(int code, const QString &title, bool overAll, bool centers)
{
    TSummaryLines out(&m_lineSink);
    runReport(code, title, overAll, centers, out);
    m_sunkLines += m_lineSink ? out.count() : 0;
    return out.take();
}

void TSummary::runReport(int code, const QString &title, bool overAll, bool centers,
                         TSummaryLines &out)
{
    if (!m_report || code < Articles || code > HotelRooms)
        return;
    // an empty body still gets its header: the reader sees what was
    // asked for and that nothing matched
    if (!m_from.isValid() || m_period <= 0) {
        runPeriod(code, title, overAll, centers, m_from, m_to, out);
        return;
    }
    // periods of n days; the last one ends with the range
    const QDate last = m_to.isValid() ? m_to : m_from;
    for (QDate start = m_from; start <= last; start = start.addDays(m_period)) {
        if (m_report->isStopped())
            break;
        const QDate end = std::min(start.addDays(m_period - 1), last);
        if (!out.isEmpty())
            out.add({QString(m_pageWidth, QLatin1Char('*')), QString()});
        runPeriod(code, title, overAll, centers, start, m_to.isValid() ? end : QDate(), out);
    }
}

void TSummary::runPeriod(int code, const QString &title, bool overAll, bool centers,
                         const QDate &from, const QDate &to, TSummaryLines &out)
{
    const QDate last = to.isValid() ? to : from;
    // a leaf per pay and void only when something reads them
    const bool records = (m_groupsSink && m_sinkReadsRecords) || readsRecords(code);
    const bool cashRecords = (m_groupsSink && m_sinkReadsCashRecords) || readsCashRecords(code);
    if (centers) {
        TRepCenters groups(m_report->reportWaiter(), m_dataPath);
        groups.setKeepRecords(records);
        if (!readsRecords(code) && m_groupsSink)
            groups.setRecordNodes(m_sinkRecordNodes);
        // other outputs read everything, unless they say otherwise
        if (!m_groupsSink || m_sinkReadsPrintedOnly)
            groups.setScope(scopeOf(code, printedGroups(true, false)));
        // printed, never written as a day aggregate
        groups.setKeepDayNotes(false);
        groups.setKeepCashRecords(cashRecords);
        if (from.isValid())
            m_report->runRange(nullptr, &groups, from, last);
        else
            m_report->runDay(nullptr, &groups, m_report->reportDate());
        // a stopped run is thrown away: no time spent on its lines
        if (m_report->isStopped())
            return;
        out.add(headerLines(title, from, to));
        centerLines(&groups, code, out);
        if (m_groupsSink)
            m_groupsSink(from, to, groups);
    } else {
        TRepWaiters groups(m_report->reportWaiter(), m_dataPath);
        groups.setKeepRecords(records);
        if (!readsRecords(code) && m_groupsSink)
            groups.setRecordNodes(m_sinkRecordNodes);
        if (!m_groupsSink || m_sinkReadsPrintedOnly)
            groups.setScope(scopeOf(code, printedGroups(false, overAll)));
        groups.setKeepDayNotes(false);
        groups.setKeepCashRecords(cashRecords);
        if (from.isValid())
            m_report->runRange(&groups, nullptr, from, last);
        else
            m_report->runDay(&groups, nullptr, m_report->reportDate());
        if (m_report->isStopped())
            return;
        out.add(headerLines(title, from, to));
        waiterLines(&groups, code, overAll, out);
        if (m_groupsSink)
            m_groupsSink(from, to, groups);
    }
}

int TSummary::printedGroups(bool centers, bool overAll)
{
    if (centers)
        return TRepScope::AllGroups;
    return overAll ? TRepScope::OverallOnly : TRepScope::GroupsOnly;
}

TRepScope TSummary::scopeOf(int code, int groups)
{
    QStringList nodes;
    switch (code) {
    case WaiterSummary:
    case CenterSummary:
    case Minimal:
        // every void, pay, cash and balance node; of the order nodes those
        // printed and "articles", which takes every order
        nodes = QStringList {QStringLiteral("articles"),   QStringLiteral("negorders"),
                             QStringLiteral("vatrates"),   QStringLiteral("voids"),
                             QStringLiteral("varticles"),  QStringLiteral("allvoids"),
                             QStringLiteral("pays"),       QStringLiteral("tables"),
                             QStringLiteral("payforms"),   QStringLiteral("subvents"),
                             QStringLiteral("currencies"), QStringLiteral("currreturns"),
                             QStringLiteral("hotrooms"),   QStringLiteral("cashins"),
                             QStringLiteral("cashouts"),   QStringLiteral("balances")};
        break;
    case Articles:
        nodes << QStringLiteral("articles");
        break;
    case Families:
        nodes << QStringLiteral("families");
        break;
    case Voids:
        nodes << QStringLiteral("varticles");
        break;
    case Tables:
        nodes << QStringLiteral("tables");
        break;
    case VoidEntries:
        nodes << QStringLiteral("allvoids");
        break;
    case Hours:
        nodes << QStringLiteral("hours");
        break;
    case Orders:
        nodes << QStringLiteral("orders");
        break;
    case FamGroups:
        nodes << QStringLiteral("famgroups");
        break;
    case Departments:
        nodes << QStringLiteral("deps");
        break;
    case Discounts:
        nodes << QStringLiteral("discounts");
        break;
    case PriceFindings:
        nodes << QStringLiteral("subvents");
        break;
    case HotelRooms:
        nodes << QStringLiteral("hotrooms");
        break;
    default:
        return TRepScope();
    }
    return TRepScope(nodes, TRepScope::Groups(groups));
}

bool TSummary::readsRecords(int code)
{
    return !recordNodes(code).isEmpty();
}

QStringList TSummary::recordNodes(int code)
{
    switch (code) {
    case Tables:
        return {QStringLiteral("tables")};
    case VoidEntries:
        return {QStringLiteral("allvoids")};
    case HotelRooms:
        return {QStringLiteral("hotrooms")};
    default:
        return {};
    }
}

bool TSummary::readsCashRecords(int code)
{
    return code == WaiterSummary || code == CenterSummary;
}

QStringList TSummary::groupTitle(const QString &title, const QString *descr) const
{
    const QString rule(title.size(), QLatin1Char('='));
    QStringList lines {rule, title};
    if (descr)
        lines << *descr;
    lines << rule << QString();
    return lines;
}

void TSummary::groupSection(const QString &title, const QString *descr, int code,
                            const TRepData *group, bool currentData, TSummaryLines &out) const
{
    // the title only over a body that gives lines
    out.hold(groupTitle(title, descr));
    writeBody(code, group, currentData, out);
    out.drop();
}

QString TSummary::waiterName(const TRepData *group, int number) const
{
    QString name = group->getString(QStringLiteral("waitername"));
    if (name.isEmpty() && m_waiters) {
        if (const TValue *waiter = m_waiters->find(number))
            name = waiter->name();
    }
    return name;
}

QStringList TSummary::waiterLines(const TRepWaiters *waiters, int code, bool overAll) const
{
    TSummaryLines out;
    waiterLines(waiters, code, overAll, out);
    return out.take();
}

void TSummary::waiterLines(const TRepWaiters *waiters, int code, bool overAll,
                           TSummaryLines &out) const
{
    if (!waiters)
        return;
    const bool current = !m_from.isValid();
    if (overAll) {
        writeBody(code, waiters->overall(), current, out);
        return;
    }
    for (int number = 1; number <= waiters->highest(); ++number) {
        const TRepData *group = waiters->group(num(number));
        if (!hasData(group))
            continue;
        const QString title = fill(caption(QStringLiteral("waiters"), Text::tr("Waiter #%1 - %2")),
                                   {num(number), waiterName(group, number)});
        const QString descr = group->getString(QStringLiteral("descr"));
        const QString line
                = descr.isEmpty()
                          ? QString()
                          : fill(caption(QStringLiteral("waiterdescr"), Text::tr("(%1)")), {descr});
        groupSection(title, &line, code, group, current, out);
    }
}

QStringList TSummary::centerLines(const TRepCenters *centers, int code) const
{
    TSummaryLines out;
    centerLines(centers, code, out);
    return out.take();
}

void TSummary::centerLines(const TRepCenters *centers, int code, TSummaryLines &out) const
{
    if (!centers)
        return;
    const bool current = !m_from.isValid();
    for (int number = 1; number <= centers->highest(); ++number) {
        const TRepData *group = centers->group(num(number));
        if (!hasData(group))
            continue;
        const QString title
                = fill(caption(QStringLiteral("centers"), Text::tr("Cost center #%1 - %2")),
                       {num(number), group->getString(QStringLiteral("centername"))});
        groupSection(title, nullptr, code, group, current, out);
    }
    // entries booked without a cost center
    groupSection(caption(QStringLiteral("center0"), Text::tr("Cost center 0")), nullptr, code,
                 centers->overall(), current, out);
}

bool TSummary::hasData(const TRepData *group)
{
    if (!group)
        return false;
    if (group->getLong(QStringLiteral("tablecount")) != 0)
        return true;
    for (const TRepData::Nodes *nodes :
         {&group->orderNodes(), &group->voidNodes(), &group->payNodes(), &group->cashNodes(),
          &group->balanceNodes()}) {
        for (const TReportNode *node : *nodes) {
            if (!node->isEmpty() || (node->total() && node->total()->count() != 0))
                return true;
        }
    }
    return false;
}

QStringList TSummary::body(int code, const TRepData *group, bool currentData) const
{
    TSummaryLines out;
    writeBody(code, group, currentData, out);
    return out.take();
}

bool TSummary::hasBody(int code, const TRepData *group, bool currentData) const
{
    // the table report lists every table: no need to make its lines to
    // know whether there are any
    if (code == Tables && hasData(group)) {
        const TReportNode *n = group->node(QStringLiteral("tables"));
        return n && n->keepsRecords() && !n->isEmpty();
    }
    // nor the hotel rooms and void entries, lines for each leaf (unless a
    // layout lays the voids out)
    if ((code == HotelRooms
         || (code == VoidEntries
             && !TSumParser(m_currencies, m_dataPath)
                         .setLayout(QStringLiteral("sumvoidentries.cfg"))))
        && hasData(group)) {
        const TReportNode *n = group->node(code == HotelRooms ? QStringLiteral("hotrooms")
                                                              : QStringLiteral("allvoids"));
        return n && n->keepsRecords() && !n->isEmpty();
    }
    return !body(code, group, currentData).isEmpty();
}

void TSummary::writeBody(int code, const TRepData *group, bool currentData,
                         TSummaryLines &out) const
{
    if (!hasData(group))
        return;
    switch (code) {
    case WaiterSummary:
    case CenterSummary:
        out.add(fullSummary(group, currentData));
        return;
    case Articles:
    case Families:
    case Voids:
    case Tables:
    case VoidEntries:
    case Hours:
    case Orders:
    case FamGroups:
    case Departments:
    case Minimal:
    case Discounts:
    case PriceFindings:
    case HotelRooms:
        itemReport(code, group, out);
        return;
    default:
        return;
    }
}

} // namespace PosLib
