#include "trepdata.h"

#include "tinifile.h"
#include "tround.h"
#include "ttable.h"
#include "ttableentry.h"

#include <QDir>
#include <QDomDocument>
#include <QTextStream>

using namespace Basics;

namespace PosLib {

namespace {

void appendFields(const TValue &value, QDomDocument &doc, QDomNode &parent)
{
    for (auto it = value.fields().cbegin(); it != value.fields().cend(); ++it) {
        QDomElement field = doc.createElement(it.key());
        field.appendChild(doc.createTextNode(it.value().text));
        parent.appendChild(field);
    }
}

// The names of a table's group: header values, else the creation record's.
TValue tableNames(const TTable *table)
{
    TValue names;
    for (const char *key : {"waiter", "waitername", "center", "centername"}) {
        const QString name = QString::fromLatin1(key);
        if (table->has(name))
            names.set(name, table->get(name));
        else if (table->create().has(name))
            names.set(name, table->create().get(name));
    }
    return names;
}

// What a new waiter group copies: the number and name of the waiter its
// key stands for (with "SimpleRep" the table's, with "VWaiter" a void's
// voiding waiter, else the entry's own) and the entry's cost center.
TValue waiterGroupSource(const TTableEntry *entry, const TTable *table, bool simpleRep,
                         bool voidWaiter)
{
    TValue source;
    auto copy = [&source](const TValue &from, const char *key, const char *as) {
        const QString name = QString::fromLatin1(key);
        if (from.has(name))
            source.set(QString::fromLatin1(as), from.get(name));
    };
    copy(*entry, "center", "center");
    copy(*entry, "centername", "centername");
    if (table && simpleRep) {
        const TValue names = tableNames(table);
        copy(names, "waiter", "waiter");
        copy(names, "waitername", "waitername");
    } else if (voidWaiter && entry->type() == EntryVoid) {
        copy(*entry, "vwaiter", "waiter");
        copy(*entry, "vwaitername", "waitername");
    } else {
        copy(*entry, "waiter", "waiter");
        copy(*entry, "waitername", "waitername");
    }
    return source;
}

} // namespace

int tableWaiter(const TTable *table)
{
    if (table->has(QStringLiteral("waiter")))
        return table->getInt(QStringLiteral("waiter"));
    return table->create().waiter();
}

int tableCenter(const TTable *table)
{
    if (table->has(QStringLiteral("center")))
        return table->getInt(QStringLiteral("center"));
    return table->create().center();
}

QString reportsIniPath(const QString &dataPath)
{
    if (dataPath.isEmpty())
        return QStringLiteral("etc/reports.ini");
    return QDir(dataPath).filePath(QStringLiteral("etc/reports.ini"));
}

// ---- TRepData -------------------------------------------------------------

TRepData::TRepData(const TValue *source, const QString &dataPath)
{
    if (source) {
        copyFields(*source, {"waiter", "waitername", "center", "centername"});
    }
    for (const char *key : {"tablecount", "tableamount", "credits", "tip", "cash", "voids"})
        setInt(QString::fromLatin1(key), 0);

    m_orders.insert(QStringLiteral("orders"), new TRepOrders);
    m_orders.insert(QStringLiteral("negorders"), new TRepNegOrders);
    m_orders.insert(QStringLiteral("families"), new TRepFamilies);
    m_orders.insert(QStringLiteral("famgroups"), new TRepFamGroups);
    m_orders.insert(QStringLiteral("discounts"), new TRepDiscounts);
    m_orders.insert(QStringLiteral("articles"), new TRepArticles);
    m_orders.insert(QStringLiteral("vatrates"), new TRepVatRates);
    m_orders.insert(QStringLiteral("hours"), new TRepHours);
    m_orders.insert(QStringLiteral("deps"), new TRepDepartments(dataPath));
    m_voids.insert(QStringLiteral("voids"), new TRepVoids);
    m_voids.insert(QStringLiteral("varticles"), new TRepVArticles);
    m_voids.insert(QStringLiteral("allvoids"), new TRepAllVoids);
    m_pays.insert(QStringLiteral("pays"), new TRepPays);
    m_pays.insert(QStringLiteral("tables"), new TRepTables);
    m_pays.insert(QStringLiteral("payforms"), new TRepPayforms);
    m_pays.insert(QStringLiteral("subvents"), new TRepSubvents);
    m_pays.insert(QStringLiteral("currencies"), new TRepCurrencies);
    m_pays.insert(QStringLiteral("currreturns"), new TRepCurrReturns);
    m_pays.insert(QStringLiteral("hotrooms"), new TRepHotelRooms);
    m_cash.insert(QStringLiteral("cashins"), new TRepCashIns);
    m_cash.insert(QStringLiteral("cashouts"), new TRepCashOuts);
    m_balances.insert(QStringLiteral("balances"), new TRepBalanceNode);
}

TRepData::~TRepData()
{
    for (Nodes *nodes : {&m_orders, &m_voids, &m_pays, &m_cash, &m_balances})
        qDeleteAll(*nodes);
}

TReportNode *TRepData::node(const QString &key) const
{
    for (const Nodes *nodes : {&m_orders, &m_voids, &m_pays, &m_cash, &m_balances}) {
        if (TReportNode *n = nodes->value(key))
            return n;
    }
    return nullptr;
}

TRepVatRates *TRepData::vatRates() const
{
    return static_cast<TRepVatRates *>(m_orders.value(QStringLiteral("vatrates")));
}

void TRepData::addOrder(TTableEntry *entry, const TTable *table)
{
    if (entry->count() == 0)
        return;
    if (entry->isCredit())
        addSum(QStringLiteral("credits"), lineAmount(entry->price(), entry->count()));
    // an order with its own tax split gets its VAT from the table's tax groups
    const bool ownTaxes = !entry->getString(QStringLiteral("taxamounts")).isEmpty();
    for (auto it = m_orders.cbegin(); it != m_orders.cend(); ++it) {
        if (ownTaxes && it.key() == QLatin1String("vatrates"))
            continue;
        it.value()->addEntry(entry, table);
    }
}

void TRepData::addVoid(TTableEntry *entry, const TTable *table)
{
    addSum(QStringLiteral("voids"), entry->amount());
    for (TReportNode *n : std::as_const(m_voids))
        n->addEntry(entry, table);
}

void TRepData::addPay(TTableEntry *entry, const TTable *table)
{
    if (entry->isVoided())
        return;
    addSum(QStringLiteral("tip"), entry->tip());
    if (entry->getBool(QStringLiteral("intermsum")))
        addSum(QStringLiteral("cash"), entry->amount());
    for (TReportNode *n : std::as_const(m_pays))
        n->addEntry(entry, table);
}

void TRepData::addCash(TTableEntry *entry, const TTable *table)
{
    for (TReportNode *n : std::as_const(m_cash))
        n->addEntry(entry, table);
}

void TRepData::addBalance(TTableEntry *entry, const TTable *table)
{
    for (TReportNode *n : std::as_const(m_balances))
        n->addEntry(entry, table);
}

void TRepData::add(TTableEntry *entry, const TTable *table)
{
    switch (entry->type()) {
    case EntryOrder:
        addOrder(entry, table);
        break;
    case EntryVoid:
        addVoid(entry, table);
        break;
    case EntryPay:
        addPay(entry, table);
        break;
    case EntryCash:
        addCash(entry, table);
        break;
    case EntryBalance:
        addBalance(entry, table);
        break;
    default:
        break;
    }
}

void TRepData::countTable(const TTable *table)
{
    addSum(QStringLiteral("tablecount"), 1);
    addSum(QStringLiteral("tableamount"), roundHalfUp(table->amount()));
}

void TRepData::writeText(const QString &prefix, const TValue &record, QTextStream &out,
                         QStringList &columns) const
{
    writeRecord(record, out, columns);
    const std::pair<const Nodes *, const char *> families[]
            = {{&m_orders, "orders"}, {&m_voids, "voids"}, {&m_pays, "payments"}};
    for (const auto &family : families) {
        int index = 0;
        for (const TReportNode *n : *family.first) {
            TValue copy(record);
            copy.setString(QStringLiteral("nodename"), QString::fromLatin1(family.second));
            copy.setInt(QStringLiteral("prim_key"), index++);
            n->writeText(prefix, copy, out, columns);
        }
    }
}

void TRepData::writeXml(QDomDocument &doc, QDomNode &parent) const
{
    appendFields(record(), doc, parent);
    const std::pair<const Nodes *, const char *> families[]
            = {{&m_orders, "Orders"}, {&m_voids, "Voids"}, {&m_pays, "Pays"}};
    for (const auto &family : families) {
        QDomElement element = doc.createElement(QString::fromLatin1(family.second));
        for (const TReportNode *n : *family.first)
            n->writeXml(doc, element);
        parent.appendChild(element);
    }
}

// ---- TRepDatas ------------------------------------------------------------

TRepDatas::TRepDatas(const QString &name, TValue *reportWaiter, const QString &dataPath)
    : m_name(name)
    , m_reportWaiter(reportWaiter)
    , m_dataPath(dataPath)
{
    const TInifile ini(reportsIniPath(dataPath));
    m_simpleRep = ini.readBool(QStringLiteral("Settings"), QStringLiteral("SimpleRep"), false);
}

TRepDatas::~TRepDatas()
{
    qDeleteAll(m_groups);
}

TRepData *TRepDatas::groupFor(const QString &key, const TValue *source)
{
    if (TRepData *g = m_groups.value(key))
        return g;
    auto *g = new TRepData(key == QLatin1String("0") ? nullptr : source, m_dataPath);
    m_groups.insert(key, g);
    return g;
}

void TRepDatas::noteKey(const QString &key)
{
    const int number = key.toInt();
    if (number > m_highest)
        m_highest = number;
}

void TRepDatas::addTable(const TTable *table)
{
    if (m_reportWaiter && tableWaiter(table) != m_reportWaiter->id())
        return;
    const QString key = keyOf(table, table);
    noteKey(key);
    const TValue names = tableNames(table);
    TRepData *g = groupFor(key, &names);
    TRepData *all = groupFor(QStringLiteral("0"), nullptr);
    g->countTable(table);
    if (all != g)
        all->countTable(table);
}

void TRepDatas::addTaxGroups(const TTable *table, const TValueList &taxGroups)
{
    const QString key = keyOf(table, table);
    const TValue names = tableNames(table);
    TRepData *g = groupFor(key, &names);
    TRepData *all = groupFor(QStringLiteral("0"), nullptr);
    for (TValue *group : taxGroups.valueMap()) {
        g->vatRates()->addTaxGroup(*group, table);
        if (all != g)
            all->vatRates()->addTaxGroup(*group, table);
    }
}

void TRepDatas::writeXml(QDomDocument &doc, QDomNode &parent) const
{
    QDomElement list = doc.createElement(m_name);
    for (auto it = m_groups.cbegin(); it != m_groups.cend(); ++it) {
        QDomElement element = doc.createElement(QStringLiteral("element"));
        element.setAttribute(QStringLiteral("key"), it.key());
        it.value()->writeXml(doc, element);
        list.appendChild(element);
    }
    parent.appendChild(list);
}

// ---- TRepWaiters ----------------------------------------------------------

TRepWaiters::TRepWaiters(TValue *reportWaiter, const QString &dataPath)
    : TRepDatas(QStringLiteral("waiters"), reportWaiter, dataPath)
{
    const TInifile ini(reportsIniPath(dataPath));
    m_voidWaiter = ini.readBool(QStringLiteral("Settings"), QStringLiteral("VWaiter"), false);
}

QString TRepWaiters::keyOf(const TValue *entry, const TTable *table) const
{
    if (!entry)
        return QStringLiteral("0");
    if (table && (entry == table || m_simpleRep))
        return QString::number(tableWaiter(table));
    if (m_voidWaiter && entry->getInt(QStringLiteral("type")) == EntryVoid)
        return QString::number(entry->getInt(QStringLiteral("vwaiter")));
    return QString::number(entry->getInt(QStringLiteral("waiter")));
}

void TRepWaiters::addEntry(TTableEntry *entry, const TTable *table)
{
    const QString key = keyOf(entry, table);
    noteKey(key);
    TRepData *g = m_groups.value(key);
    if (!g) {
        const TValue source = waiterGroupSource(entry, table, m_simpleRep, m_voidWaiter);
        g = groupFor(key, &source);
    }
    const QString descr = table ? table->getString(QStringLiteral("descr")) : QString();
    if (!descr.isEmpty())
        g->setString(QStringLiteral("descr"), descr);
    TRepData *all = groupFor(QStringLiteral("0"), nullptr);
    g->add(entry, table);
    // waiter 0 shares its key with the overall group: counted once
    if (all != g)
        all->add(entry, table);
}

// ---- TRepCenters ----------------------------------------------------------

TRepCenters::TRepCenters(TValue *reportWaiter, const QString &dataPath)
    : TRepDatas(QStringLiteral("costcenters"), reportWaiter, dataPath)
{ }

QString TRepCenters::keyOf(const TValue *entry, const TTable *table) const
{
    if (!entry)
        return QStringLiteral("0");
    // a table header carries no cost center of its own: table counts and
    // tax groups go to "0"
    if (table && entry == table)
        return QString::number(table->getInt(QStringLiteral("center")));
    if (table && m_simpleRep)
        return QString::number(tableCenter(table));
    return QString::number(entry->getInt(QStringLiteral("center")));
}

void TRepCenters::addEntry(TTableEntry *entry, const TTable *table)
{
    const QString key = keyOf(entry, table);
    noteKey(key);
    groupFor(key, entry)->add(entry, table);
}

} // namespace PosLib
