// Restarting the groups of a day for the next day: the day groups of the
// cache of closed days are filled with one day's tables, written as that
// day's aggregate and then restarted for the next day instead of made anew,
// so that their nodes keep their leaves, indexes and text pools.
#include "trepdata.h"

#include "trepdepartments.h"
#include "treportnode.h"

#include <algorithm>

using namespace Basics;

namespace PosLib {

TReportNode *TRepData::makeNode(const QString &key) const
{
    const auto is = [&key](const char *name) { return key == QLatin1String(name); };
    if (is("orders"))
        return new TRepOrders;
    if (is("negorders"))
        return new TRepNegOrders;
    if (is("families"))
        return new TRepFamilies;
    if (is("famgroups"))
        return new TRepFamGroups;
    if (is("discounts"))
        return new TRepDiscounts;
    if (is("articles"))
        return new TRepArticles;
    if (is("vatrates"))
        return new TRepVatRates;
    if (is("hours"))
        return new TRepHours;
    if (is("deps"))
        return new TRepDepartments(m_departments);
    if (is("voids"))
        return new TRepVoids;
    if (is("varticles"))
        return new TRepVArticles;
    if (is("allvoids"))
        return new TRepAllVoids;
    if (is("pays"))
        return new TRepPays;
    if (is("tables"))
        return new TRepTables;
    if (is("payforms"))
        return new TRepPayforms;
    if (is("subvents"))
        return new TRepSubvents;
    if (is("currencies"))
        return new TRepCurrencies;
    if (is("currreturns"))
        return new TRepCurrReturns;
    if (is("hotrooms"))
        return new TRepHotelRooms;
    if (is("cashins"))
        return new TRepCashIns;
    if (is("cashouts"))
        return new TRepCashOuts;
    if (is("balances"))
        return new TRepBalanceNode;
    return nullptr;
}

bool TRepData::walks(const TReportNode *node) const
{
    const auto in = [node](const std::vector<TReportNode *> &walk) {
        return std::find(walk.cbegin(), walk.cend(), node) != walk.cend();
    };
    for (const auto &step : m_orderWalk) {
        if (step.first == node)
            return true;
    }
    return in(m_voidWalk) || in(m_payWalk) || in(m_cashWalk) || in(m_balanceWalk);
}

void TRepData::replaceNode(TReportNode *old, TReportNode *made)
{
    // the options configure() and setKeepDayNotes() set
    made->setKeepRecords(old->keepsRecords());
    if (auto *pays = dynamic_cast<TRepPayforms *>(old))
        static_cast<TRepPayforms *>(made)->setKeepDayNotes(pays->keepsDayNotes());
    for (auto &step : m_orderWalk) {
        if (step.first == old)
            step.first = made;
    }
    for (std::vector<TReportNode *> *walk : {&m_voidWalk, &m_payWalk, &m_cashWalk, &m_balanceWalk})
        std::replace(walk->begin(), walk->end(), old, made);
}

void TRepData::restartDay(const TValue *source)
{
    // the group's own values as a new group's
    TReportLeaf::restart();
    if (source)
        copyFields(*source, {"waiter", "waitername", "center", "centername"});
    static const QString zeroed[] = {QStringLiteral("tablecount"), QStringLiteral("tableamount"),
                                     QStringLiteral("credits"),    QStringLiteral("tip"),
                                     QStringLiteral("cash"),       QStringLiteral("voids")};
    for (const QString &key : zeroed)
        setInt(key, 0);
    m_descr = QString();
    for (Nodes *nodes : {&m_orders, &m_voids, &m_pays, &m_cash, &m_balances}) {
        for (auto it = nodes->begin(); it != nodes->end(); ++it) {
            // a node that cannot restart is made anew, unless no entry walks
            // it: it took nothing then (the tax groups of a table go to the
            // VAT rates' node, which restarts, walked or not)
            if (it.value()->restart() || !walks(it.value()))
                continue;
            TReportNode *node = makeNode(it.key());
            if (!node)
                continue;
            replaceNode(it.value(), node);
            delete it.value();
            it.value() = node;
        }
    }
}

void TRepDatas::restartDay()
{
    for (auto it = m_groups.cbegin(); it != m_groups.cend(); ++it)
        m_spare.insert(it.key(), it.value());
    m_groups.clear();
    m_byNumber.clear();
    m_highest = 0;
}

TRepData *TRepDatas::spareGroup(const QString &key, const TValue *source)
{
    if (m_spare.isEmpty())
        return nullptr;
    TRepData *g = m_spare.take(key);
    if (g)
        g->restartDay(source);
    return g;
}

} // namespace PosLib
