#include "trepdata.h"

#include "taggregatestream.h"
#include "tfactsof.h"
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
TValue tableNames(const TTableFacts &table)
{
    TValue names;
    for (TField f : {FWaiter, FWaiterName, FCenter, FCenterName}) {
        if (table.header().has(f))
            names.set(fieldName(f), table.header().get(f));
        else if (table.create().has(f))
            names.set(fieldName(f), table.create().get(f));
    }
    return names;
}

// What a new waiter group copies: the number and name of the waiter its
// key stands for (with "SimpleRep" the table's, with "VWaiter" a void's
// voiding waiter, else the entry's own) and the entry's cost center.
TValue waiterGroupSource(const TEntryFacts &entry, const TTableFacts &table, bool simpleRep,
                         bool voidWaiter)
{
    TValue source;
    auto copy = [&source](const TEntryFacts &from, TField f, TField as) {
        if (from.has(f))
            source.set(fieldName(as), from.get(f));
    };
    copy(entry, FCenter, FCenter);
    copy(entry, FCenterName, FCenterName);
    if (!table.isNull() && simpleRep) {
        copy(table.named(FWaiter), FWaiter, FWaiter);
        copy(table.named(FWaiterName), FWaiterName, FWaiterName);
    } else if (voidWaiter && entry.type() == EntryVoid) {
        copy(entry, FVWaiter, FWaiter);
        copy(entry, FVWaiterName, FWaiterName);
    } else {
        copy(entry, FWaiter, FWaiter);
        copy(entry, FWaiterName, FWaiterName);
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

// ---- TRepScope ------------------------------------------------------------

TRepScope::TRepScope(const QStringList &nodes, Groups groups)
    : m_all(false)
    , m_groups(groups)
    , m_nodes(nodes)
{
    m_nodes.sort();
    m_nodes.removeDuplicates();
}

TRepScope TRepScope::united(const TRepScope &other) const
{
    if (m_all || other.m_all)
        return TRepScope();
    Groups groups = AllGroups;
    if (m_groups == other.m_groups || other.m_groups == NoGroups)
        groups = m_groups;
    else if (m_groups == NoGroups)
        groups = other.m_groups;
    return TRepScope(m_nodes + other.m_nodes, groups);
}

QString TRepScope::key() const
{
    if (m_all)
        return QString();
    static const char *const groups[] = {"", "/overall", "/groups", "/none"};
    return QLatin1Char('/') + m_nodes.join(QLatin1Char(',')) + QLatin1String(groups[m_groups]);
}

// ---- TRepData -------------------------------------------------------------

std::shared_ptr<const TRepSettings> TRepSettings::read(const QString &dataPath)
{
    auto settings = std::make_shared<TRepSettings>();
    const TInifile ini(reportsIniPath(dataPath));
    settings->simpleRep
            = ini.readBool(QStringLiteral("Settings"), QStringLiteral("SimpleRep"), false);
    settings->voidWaiter
            = ini.readBool(QStringLiteral("Settings"), QStringLiteral("VWaiter"), false);
    settings->departments = departmentCovers(dataPath);
    return settings;
}

TRepData::TRepData(const TValue *source, const QString &dataPath)
    : TRepData(source, departmentCovers(dataPath))
{ }

TRepData::TRepData(const TValue *source,
                   const std::shared_ptr<const TDepartmentCovers> &departments)
{
    if (source) {
        copyFields(*source, {"waiter", "waitername", "center", "centername"});
    }
    createNodes(departments);
}

TRepData::TRepData(const TEntryFacts &source, const QString &dataPath)
{
    source.copyTo(*this, {FWaiter, FWaiterName, FCenter, FCenterName});
    createNodes(departmentCovers(dataPath));
}

void TRepData::createNodes(const std::shared_ptr<const TDepartmentCovers> &departments)
{
    m_departments = departments;
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
    m_orders.insert(QStringLiteral("deps"), new TRepDepartments(departments));
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

    setScope(TRepScope());
}

void TRepData::setScope(const TRepScope &scope)
{
    // entries walk the nodes in the dictionaries' order
    m_orderWalk.clear();
    for (auto it = m_orders.cbegin(); it != m_orders.cend(); ++it) {
        if (scope.walks(it.key()))
            m_orderWalk.emplace_back(it.value(), it.key() == QLatin1String("vatrates"));
    }
    const auto walk = [&scope](const Nodes &nodes, std::vector<TReportNode *> &into) {
        into.clear();
        for (auto it = nodes.cbegin(); it != nodes.cend(); ++it) {
            if (scope.walks(it.key()))
                into.push_back(it.value());
        }
    };
    walk(m_voids, m_voidWalk);
    walk(m_pays, m_payWalk);
    walk(m_cash, m_cashWalk);
    walk(m_balances, m_balanceWalk);
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

void TRepData::setKeepRecords(bool keep, const QStringList &only)
{
    for (const char *key : {"tables", "currencies", "currreturns", "hotrooms", "allvoids"}) {
        const QString name = QString::fromLatin1(key);
        node(name)->setKeepRecords(keep && (only.isEmpty() || only.contains(name)));
    }
}

void TRepData::setKeepDayNotes(bool keep)
{
    for (const char *key : {"currencies", "currreturns"})
        static_cast<TRepPayforms *>(node(QString::fromLatin1(key)))->setKeepDayNotes(keep);
}

void TRepData::setKeepCashRecords(bool keep)
{
    for (const char *key : {"cashins", "cashouts", "balances"})
        node(QString::fromLatin1(key))->setKeepRecords(keep);
}

TRepVatRates *TRepData::vatRates() const
{
    return static_cast<TRepVatRates *>(m_orders.value(QStringLiteral("vatrates")));
}

void TRepData::addOrder(TTableEntry *entry, const TTable *table)
{
    const TFactsOf facts(entry, table);
    addOrder(facts.entry(), facts.table());
}

void TRepData::addVoid(TTableEntry *entry, const TTable *table)
{
    const TFactsOf facts(entry, table);
    addVoid(facts.entry(), facts.table());
}

void TRepData::addPay(TTableEntry *entry, const TTable *table)
{
    const TFactsOf facts(entry, table);
    addPay(facts.entry(), facts.table());
}

void TRepData::addCash(TTableEntry *entry, const TTable *table)
{
    const TFactsOf facts(entry, table);
    addCash(facts.entry(), facts.table());
}

void TRepData::addBalance(TTableEntry *entry, const TTable *table)
{
    const TFactsOf facts(entry, table);
    addBalance(facts.entry(), facts.table());
}

void TRepData::add(TTableEntry *entry, const TTable *table)
{
    const TFactsOf facts(entry, table);
    add(facts.entry(), facts.table());
}

void TRepData::countTable(const TTable *table)
{
    countTable(TFactsOf(nullptr, table).table());
}

void TRepData::addOrder(const TEntryFacts &entry, const TTableFacts &table)
{
    const double count = entry.count();
    if (count == 0)
        return;
    if (entry.getBool(FCredit))
        addSum(SumCredits, lineAmount(entry.price(), count));
    // an order with its own tax split gets its VAT from the table's tax groups
    const bool ownTaxes = !entry.isEmptyText(FTaxAmounts);
    for (const auto &[node, isVat] : m_orderWalk) {
        if (ownTaxes && isVat)
            continue;
        node->add(entry, table);
    }
}

void TRepData::addVoid(const TEntryFacts &entry, const TTableFacts &table)
{
    addSum(SumVoids, entry.amount());
    for (TReportNode *n : m_voidWalk)
        n->add(entry, table);
}

void TRepData::addPay(const TEntryFacts &entry, const TTableFacts &table)
{
    if (entry.getBool(FVoided))
        return;
    addSum(SumTip, entry.tip());
    if (entry.getBool(FInTermSum))
        addSum(SumCash, entry.amount());
    for (TReportNode *n : m_payWalk)
        n->add(entry, table);
}

void TRepData::addCash(const TEntryFacts &entry, const TTableFacts &table)
{
    for (TReportNode *n : m_cashWalk)
        n->add(entry, table);
}

void TRepData::addBalance(const TEntryFacts &entry, const TTableFacts &table)
{
    for (TReportNode *n : m_balanceWalk)
        n->add(entry, table);
}

void TRepData::add(const TEntryFacts &entry, const TTableFacts &table)
{
    switch (entry.type()) {
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

void TRepData::countTable(const TTableFacts &table)
{
    addSum(SumTableCount, 1);
    addSum(SumTableAmount, roundHalfUp(table.header().getDouble(FAmount)));
}

void TRepData::setDescription(const QString &descr)
{
    // set once per change: a table's entries all carry the same one
    if (m_descr.isNull() || m_descr != descr) {
        m_descr = descr;
        setString(QStringLiteral("descr"), descr);
    }
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

bool TRepData::writeDay(TAggregateWriter &out) const
{
    writeState(out);
    out.text(m_descr);
    for (const Nodes *nodes : {&m_orders, &m_voids, &m_pays, &m_cash, &m_balances}) {
        out.u32(quint32(nodes->size()));
        for (auto it = nodes->cbegin(); it != nodes->cend(); ++it) {
            out.text(it.key());
            if (!it.value()->writeDay(out))
                return false;
        }
    }
    return true;
}

void TRepData::mergeDay(TAggregateReader &in, bool fresh)
{
    readState(in, fresh);
    const QString descr = in.text();
    // the last table with a description sets it
    if (in.ok() && !descr.isNull())
        setDescription(descr);
    for (const Nodes *nodes : {&m_orders, &m_voids, &m_pays, &m_cash, &m_balances}) {
        if (in.u32() != quint32(nodes->size()))
            in.fail();
        for (auto it = nodes->cbegin(); it != nodes->cend() && in.ok(); ++it) {
            if (in.text() != it.key()) {
                in.fail();
                return;
            }
            it.value()->mergeDay(in);
        }
        if (!in.ok())
            return;
    }
}

// ---- TRepDatas ------------------------------------------------------------

TRepDatas::TRepDatas(const QString &name, TValue *reportWaiter, const QString &dataPath,
                     TRepSettingsPtr settings)
    : m_name(name)
    , m_reportWaiter(reportWaiter)
    , m_dataPath(dataPath)
    , m_settings(settings ? std::move(settings) : TRepSettings::read(dataPath))
    , m_simpleRep(m_settings->simpleRep)
{ }

TRepDatas::~TRepDatas()
{
    qDeleteAll(m_groups);
    qDeleteAll(m_spare);
}

TRepData *TRepDatas::groupFor(const QString &key, const TValue *source)
{
    if (TRepData *g = m_groups.value(key))
        return g;
    const TValue *from = key == QLatin1String("0") ? nullptr : source;
    TRepData *g = spareGroup(key, from);
    if (!g)
        g = newGroup(from);
    m_groups.insert(key, g);
    return g;
}

TRepData *TRepDatas::newGroup(const TValue *source) const
{
    auto *g = new TRepData(source, m_settings->departments);
    configure(g);
    return g;
}

void TRepDatas::configure(TRepData *g) const
{
    if (!m_keepRecords || !m_recordNodes.isEmpty())
        g->setKeepRecords(m_keepRecords, m_recordNodes);
    if (!m_keepCashRecords)
        g->setKeepCashRecords(false);
    if (!m_keepDayNotes)
        g->setKeepDayNotes(false);
    if (!m_scope.isAll())
        g->setScope(m_scope);
}

void TRepDatas::setScope(const TRepScope &scope)
{
    m_scope = scope;
    m_taxGroups = scope.walks(QStringLiteral("vatrates"));
    for (TRepData *g : std::as_const(m_groups))
        g->setScope(scope);
}

QString TRepDatas::dayName() const
{
    // records of some nodes only: groups of their own
    if (m_keepRecords && !m_recordNodes.isEmpty())
        return m_name + m_scope.key() + QLatin1Char('#') + m_recordNodes.join(QLatin1Char(','));
    return m_name + m_scope.key();
}

void TRepDatas::setKeepRecords(bool keep)
{
    m_keepRecords = keep;
    for (TRepData *g : std::as_const(m_groups))
        g->setKeepRecords(keep, m_recordNodes);
}

void TRepDatas::setRecordNodes(const QStringList &nodes)
{
    m_recordNodes = nodes;
    m_recordNodes.sort();
    m_recordNodes.removeDuplicates();
    for (TRepData *g : std::as_const(m_groups))
        g->setKeepRecords(m_keepRecords, m_recordNodes);
}

void TRepDatas::setKeepDayNotes(bool keep)
{
    m_keepDayNotes = keep;
    for (TRepData *g : std::as_const(m_groups))
        g->setKeepDayNotes(keep);
}

void TRepDatas::setKeepCashRecords(bool keep)
{
    m_keepCashRecords = keep;
    for (TRepData *g : std::as_const(m_groups))
        g->setKeepCashRecords(keep);
}

TRepData *TRepDatas::groupOf(int key) const
{
    if (TRepData *g = m_byNumber.value(key))
        return g;
    return m_groups.value(QString::number(key));
}

TRepData *TRepDatas::groupFor(int key, const TValue *source)
{
    if (TRepData *g = m_byNumber.value(key))
        return g;
    TRepData *g = groupFor(QString::number(key), source);
    m_byNumber.insert(key, g);
    return g;
}

TRepData *TRepDatas::overallGroup()
{
    return groupFor(0, nullptr);
}

void TRepDatas::noteKey(const QString &key)
{
    const int number = key.toInt();
    if (number > m_highest)
        m_highest = number;
}

void TRepDatas::noteKey(int key)
{
    if (key > m_highest)
        m_highest = key;
}

void TRepDatas::addEntry(TTableEntry *entry, const TTable *table)
{
    const TFactsOf facts(entry, table);
    add(facts.entry(), facts.table());
}

void TRepDatas::addTable(const TTable *table)
{
    addTable(TFactsOf(nullptr, table).table());
}

void TRepDatas::addTaxGroups(const TTable *table, const TValueList &taxGroups)
{
    std::vector<TTaxGroupFacts> groups;
    for (const TValue *g : taxGroups.valueMap())
        groups.push_back({g->id(), g->name(), g->getString(QStringLiteral("rate")),
                          g->getLong(QStringLiteral("amount"))});
    addTaxGroups(TFactsOf(nullptr, table).table(), groups);
}

void TRepDatas::addTable(const TTableFacts &table)
{
    if (m_reportWaiter && table.waiter() != m_reportWaiter->id())
        return;
    const int key = keyNumber(nullptr, table);
    noteKey(key);
    if (fillsGroupsOnly() && key == 0)
        return;
    TRepData *all = fillsGroupsOnly() ? nullptr : overallGroup();
    if (key != 0 && fillsOverallOnly()) {
        all->countTable(table);
        return;
    }
    TRepData *g = groupOf(key);
    if (!g) {
        const TValue names = tableNames(table);
        g = groupFor(key, &names);
    }
    g->countTable(table);
    if (all && all != g)
        all->countTable(table);
}

void TRepDatas::addTaxGroups(const TTableFacts &table, const std::vector<TTaxGroupFacts> &taxGroups)
{
    const int key = keyNumber(nullptr, table);
    if (fillsGroupsOnly() && key == 0)
        return;
    TRepData *all = fillsGroupsOnly() ? nullptr : overallGroup();
    TRepData *g = key != 0 && fillsOverallOnly() ? all : groupOf(key);
    if (!g) {
        const TValue names = tableNames(table);
        g = groupFor(key, &names);
    }
    for (const TTaxGroupFacts &group : taxGroups) {
        g->vatRates()->addTaxGroup(group, table);
        if (all && all != g)
            all->vatRates()->addTaxGroup(group, table);
    }
}

bool TRepDatas::writeDay(TAggregateWriter &out) const
{
    out.text(dayName());
    out.boolean(m_keepRecords);
    out.boolean(m_keepCashRecords);
    out.i32(m_highest);
    out.u32(quint32(m_groups.size()));
    for (auto it = m_groups.cbegin(); it != m_groups.cend(); ++it) {
        out.text(it.key());
        if (!it.value()->writeDay(out))
            return false;
    }
    return true;
}

bool TRepDatas::takesDay(const QString &dayName, bool records, bool cashRecords) const
{
    // groups of everything take what any report reads, but for groups
    // that keep the records of some nodes only
    const bool some = m_keepRecords && !m_recordNodes.isEmpty();
    const bool scope = (dayName == m_name && !some) || dayName == this->dayName();
    return scope && records == m_keepRecords && (cashRecords || !m_keepCashRecords);
}

void TRepDatas::mergeDay(TAggregateReader &in)
{
    const QString name = in.text();
    const bool records = in.boolean();
    // cash and balance records kept go into groups that only count them
    const bool cashRecords = in.boolean();
    if (!takesDay(name, records, cashRecords)) {
        in.fail();
        return;
    }
    const int highest = in.i32();
    const quint32 groups = in.count(1);
    for (quint32 i = 0; i < groups && in.ok(); ++i) {
        const QString key = in.text();
        if (!in.ok())
            return;
        TRepData *g = m_groups.value(key);
        const bool fresh = !g;
        if (fresh) {
            g = newGroup(nullptr);
            m_groups.insert(key, g);
            bool number = false;
            const int n = key.toInt(&number);
            if (number && QString::number(n) == key)
                m_byNumber.insert(n, g);
        }
        g->mergeDay(in, fresh);
    }
    if (in.ok())
        noteKey(highest);
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

TRepWaiters::TRepWaiters(TValue *reportWaiter, const QString &dataPath, TRepSettingsPtr settings)
    : TRepDatas(QStringLiteral("waiters"), reportWaiter, dataPath, std::move(settings))
    , m_voidWaiter(m_settings->voidWaiter)
{ }

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

int TRepWaiters::keyNumber(const TEntryFacts *entry, const TTableFacts &table) const
{
    if (!table.isNull() && (!entry || m_simpleRep))
        return table.waiter();
    if (!entry)
        return 0;
    if (m_voidWaiter && entry->type() == EntryVoid)
        return entry->getInt(FVWaiter);
    return entry->getInt(FWaiter);
}

void TRepWaiters::add(const TEntryFacts &entry, const TTableFacts &table)
{
    const int key = keyNumber(&entry, table);
    noteKey(key);
    // waiter 0 shares its key with the overall group
    if (fillsGroupsOnly() && key == 0)
        return;
    TRepData *all = fillsGroupsOnly() ? nullptr : overallGroup();
    if (key != 0 && fillsOverallOnly()) {
        all->add(entry, table);
        return;
    }
    TRepData *g = groupOf(key);
    if (!g) {
        const TValue source = waiterGroupSource(entry, table, m_simpleRep, m_voidWaiter);
        g = groupFor(key, &source);
    }
    if (!table.isNull() && !table.header().isEmptyText(FDescr))
        g->setDescription(table.header().getString(FDescr));
    g->add(entry, table);
    // waiter 0 shares its key with the overall group: counted once
    if (all && all != g)
        all->add(entry, table);
}

// ---- TRepCenters ----------------------------------------------------------

TRepCenters::TRepCenters(TValue *reportWaiter, const QString &dataPath, TRepSettingsPtr settings)
    : TRepDatas(QStringLiteral("costcenters"), reportWaiter, dataPath, std::move(settings))
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

int TRepCenters::keyNumber(const TEntryFacts *entry, const TTableFacts &table) const
{
    if (!table.isNull() && !entry)
        return table.header().getInt(FCenter);
    if (!entry)
        return 0;
    if (!table.isNull() && m_simpleRep)
        return table.center();
    return entry->getInt(FCenter);
}

void TRepCenters::add(const TEntryFacts &entry, const TTableFacts &table)
{
    const int key = keyNumber(&entry, table);
    noteKey(key);
    TRepData *g = groupOf(key);
    if (!g) {
        TValue source;
        entry.copyTo(source, {FWaiter, FWaiterName, FCenter, FCenterName});
        g = groupFor(key, &source);
    }
    g->add(entry, table);
}

} // namespace PosLib
