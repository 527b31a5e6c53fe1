#include "treportnode.h"

#include "tdepartments.h"
#include "terror.h"
#include "tfactsof.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tround.h"
#include "tsavefile.h"
#include "ttable.h"
#include "ttableentry.h"

#include <QDomDocument>
#include <QSet>
#include <QTextStream>

#include <algorithm>

using namespace Basics;

namespace PosLib {

namespace {

void appendFields(const TValue &value, QDomDocument &doc, QDomElement &element)
{
    for (auto it = value.fields().cbegin(); it != value.fields().cend(); ++it) {
        QDomElement field = doc.createElement(it.key());
        field.appendChild(doc.createTextNode(it.value().text));
        element.appendChild(field);
    }
}

bool outOfHouse(const TEntryFacts &entry, const TTableFacts &table)
{
    if (entry.has(FIsVatOh))
        return entry.getBool(FIsVatOh);
    return !table.isNull() && table.vatOh();
}

// The text without CR and LF; the text itself when it has none.
QString withoutLineBreaks(QString text)
{
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'))) {
        text.remove(QLatin1Char('\r'));
        text.remove(QLatin1Char('\n'));
    }
    return text;
}

} // namespace

// ---- TReportNode ----------------------------------------------------------

TReportNode::TReportNode(const QString &name)
    : m_name(name)
{ }

TReportNode::~TReportNode()
{
    qDeleteAll(m_leaves);
}

void TReportNode::addEntry(TTableEntry *entry, const TTable *table)
{
    const TFactsOf facts(entry, table);
    add(facts.entry(), facts.table());
}

TReportLeaf *TReportNode::createLeaf(TTableEntry *entry, const TTable *table)
{
    const TFactsOf facts(entry, table);
    return createLeaf(facts.entry(), facts.table());
}

TReportLeaf *TReportNode::createLeaf(const TEntryFacts &, const TTableFacts &)
{
    return nullptr;
}

QString TReportNode::keyOf(TTableEntry *entry, const TTable *table) const
{
    const TFactsOf facts(entry, table);
    return keyOf(facts.entry(), facts.table());
}

QString TReportNode::keyOf(const TEntryFacts &, const TTableFacts &) const
{
    return QString::number(m_leaves.size() + 1);
}

TReportLeaf *TReportNode::leafFor(const QString &key, const TEntryFacts &entry,
                                  const TTableFacts &table)
{
    auto it = m_leaves.constFind(key);
    if (it != m_leaves.cend())
        return it.value();
    TReportLeaf *leaf = createLeaf(entry, table);
    if (leaf)
        m_leaves.insert(key, leaf);
    return leaf;
}

void TReportNode::writeText(const QString &, const TValue &, QTextStream &, QStringList &) const { }

void TReportNode::writeFile(const QString &prefix, const TValue &record) const
{
    QString lines;
    QTextStream buffer(&lines);
    QStringList columns;
    const QString keyName = m_name + QLatin1String("_key");
    const Leaves &all = leaves();
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        TValue line(record);
        line.setString(keyName, it.key());
        it.value()->writeRecord(line, buffer, columns);
    }
    buffer.flush();

    // A node whose file cannot be written is left out; the export goes on
    // with the next one, and an earlier file of that name stays whole.
    const QString name = prefix + QLatin1String("rep_") + m_name + QLatin1String(".txt");
    try {
        TSaveFile file(name);
        file.open();
        file.write((columns.join(QLatin1Char(';')) + QLatin1Char('\n') + lines).toUtf8());
        file.commit();
    } catch (const TError &e) {
        logError(QStringLiteral("Could not write %1: %2").arg(name, e.text()), LogModule::Library,
                 LogClass::ReportNode);
    }
}

void TReportNode::writeXml(QDomDocument &doc, QDomNode &parent) const
{
    QDomElement node = doc.createElement(m_name);
    if (const TReportLeaf *sum = total())
        appendFields(sum->record(), doc, node);
    const Leaves &all = leaves();
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        QDomElement element = doc.createElement(QStringLiteral("element"));
        element.setAttribute(QStringLiteral("key"), it.key());
        appendFields(it.value()->record(), doc, element);
        node.appendChild(element);
    }
    parent.appendChild(node);
}

// ---- order nodes ----------------------------------------------------------

TRepOrderNode::TRepOrderNode(const QString &name)
    : TRepOrderNode(name, new TRepOrderLeaf)
{ }

TRepOrderNode::TRepOrderNode(const QString &name, TRepOrderLeaf *total)
    : TReportNode(name)
    , m_total(total)
{ }

void TRepOrderNode::addComponents(const TEntryFacts &entry, const TTableFacts &table)
{
    for (const TEntryFacts &child : entry.children()) {
        if (child.type() == EntryComponent)
            add(child, table);
    }
}

void TRepOrderNode::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (entry.hasComponents()) {
        addComponents(entry, table);
        return;
    }
    addKeyed(entry, table);
}

bool TRepOrderNode::numberKey(const TEntryFacts &, const TTableFacts &, qint64 &, bool &) const
{
    return false;
}

QString TRepOrderNode::keyOf(const TEntryFacts &entry, const TTableFacts &table) const
{
    qint64 key = 0;
    bool counted = true;
    if (!numberKey(entry, table, key, counted))
        return TReportNode::keyOf(entry, table);
    return counted ? QString::number(key) : QString();
}

TReportLeaf *TRepOrderNode::keyedLeaf(const TEntryFacts &entry, const TTableFacts &table,
                                      bool &counted)
{
    qint64 number = 0;
    counted = true;
    if (numberKey(entry, table, number, counted)) {
        if (!counted)
            return nullptr;
        if (TReportLeaf *leaf = m_numbers.find(number))
            return leaf;
        TReportLeaf *leaf = leafFor(QString::number(number), entry, table);
        m_numbers.insert(number, leaf);
        return leaf;
    }
    const QString key = keyOf(entry, table);
    counted = !key.isEmpty();
    return counted ? leafFor(key, entry, table) : nullptr;
}

void TRepOrderNode::addKeyed(const TEntryFacts &entry, const TTableFacts &table)
{
    bool counted = false;
    TReportLeaf *leaf = keyedLeaf(entry, table, counted);
    if (!counted)
        return;
    addToTotal(entry, table);
    if (leaf)
        static_cast<TRepOrderLeaf *>(leaf)->add(entry, table);
}

bool TRepOrderNode::addToTotal(const TEntryFacts &entry, const TTableFacts &table)
{
    return m_total->add(entry, table);
}

void TRepOrderNode::writeText(const QString &prefix, const TValue &record, QTextStream &out,
                              QStringList &columns) const
{
    writeFile(prefix, record);
    m_total->writeRecord(record, out, columns);
}

void TRepOrderNode::writeXml(QDomDocument &doc, QDomNode &parent) const
{
    TReportNode::writeXml(doc, parent);
}

int orderPayform(const TTable *table)
{
    if (!table)
        return -1;
    return TFactsOf(nullptr, table).table().orderPayform();
}

int orderPayform(const TTableFacts &table)
{
    return table.isNull() ? -1 : table.orderPayform();
}

TRepOrders::TRepOrders()
    : TRepOrderNode(QStringLiteral("orders"))
{ }

namespace {

// "orders": article number x 1000 + the pay form (0 when none)
qint64 ordersKey(const TEntryFacts &entry, const TTableFacts &table)
{
    const int payform = orderPayform(table);
    return entry.plu() * 1000 + (payform > 0 ? payform : 0);
}

} // namespace

bool TRepOrders::numberKey(const TEntryFacts &entry, const TTableFacts &table, qint64 &key,
                           bool &) const
{
    key = ordersKey(entry, table);
    return true;
}

TReportLeaf *TRepOrders::createLeaf(const TEntryFacts &entry, const TTableFacts &table)
{
    return new TRepOrder(entry, table);
}

bool TRepOrders::addToTotal(const TEntryFacts &entry, const TTableFacts &table)
{
    if (!TRepOrderNode::addToTotal(entry, table))
        return false;
    m_total->addSum(QStringLiteral("repordercount"), 1);
    return true;
}

TRepNegOrders::TRepNegOrders()
    : TRepOrderNode(QStringLiteral("negorders"))
{ }

bool TRepNegOrders::numberKey(const TEntryFacts &entry, const TTableFacts &, qint64 &key,
                              bool &counted) const
{
    // articles booked with a count of 0 or less
    counted = !(entry.count() > 0);
    key = entry.plu();
    return true;
}

TReportLeaf *TRepNegOrders::createLeaf(const TEntryFacts &entry, const TTableFacts &)
{
    return new TRepArticle(entry);
}

TRepFamilies::TRepFamilies()
    : TRepOrderNode(QStringLiteral("families"))
{ }

bool TRepFamilies::numberKey(const TEntryFacts &entry, const TTableFacts &, qint64 &key,
                             bool &) const
{
    key = entry.getInt(FFamily);
    return true;
}

TReportLeaf *TRepFamilies::createLeaf(const TEntryFacts &entry, const TTableFacts &)
{
    return new TRepFamily(entry);
}

TRepFamGroups::TRepFamGroups()
    : TRepOrderNode(QStringLiteral("famgroups"))
{ }

bool TRepFamGroups::numberKey(const TEntryFacts &entry, const TTableFacts &, qint64 &key,
                              bool &) const
{
    key = entry.getInt(FFamGroup);
    return true;
}

TReportLeaf *TRepFamGroups::createLeaf(const TEntryFacts &entry, const TTableFacts &)
{
    return new TRepFamGroup(entry);
}

TRepDiscounts::TRepDiscounts()
    : TRepOrderNode(QStringLiteral("discounts"))
{ }

QString TRepDiscounts::keyOf(const TEntryFacts &entry, const TTableFacts &) const
{
    return entry.getString(FDiscId);
}

TReportLeaf *TRepDiscounts::keyedLeaf(const TEntryFacts &entry, const TTableFacts &table,
                                      bool &counted)
{
    counted = !entry.isEmptyText(FDiscId);
    if (!counted)
        return nullptr;
    const QString key = entry.getString(FDiscId);
    if (TReportLeaf *leaf = m_index.find(key))
        return leaf;
    TReportLeaf *leaf = leafFor(key, entry, table);
    m_index.insert(key, leaf);
    return leaf;
}

TReportLeaf *TRepDiscounts::createLeaf(const TEntryFacts &entry, const TTableFacts &)
{
    return new TRepDiscount(entry);
}

QString articleKey(const TTableEntry *entry)
{
    return articleKey(TFactsOf(entry, nullptr).entry());
}

QString articleKey(const TEntryFacts &entry)
{
    return QStringLiteral("%1:%2:%3")
            .arg(entry.plu(), 10, 10, QLatin1Char('0'))
            .arg(entry.price())
            .arg(withoutLineBreaks(entry.getString(FArticle)));
}

TRepArticles::TRepArticles()
    : TRepOrderNode(QStringLiteral("articles"))
{ }

QString TRepArticles::keyOf(const TEntryFacts &entry, const TTableFacts &) const
{
    return articleKey(entry);
}

TReportLeaf *TRepArticles::keyedLeaf(const TEntryFacts &entry, const TTableFacts &table,
                                     bool &counted)
{
    counted = true;
    const Key key {entry.plu(), entry.price(), withoutLineBreaks(entry.getString(FArticle))};
    if (TReportLeaf *leaf = m_index.find(key))
        return leaf;
    TReportLeaf *leaf = leafFor(articleKey(entry), entry, table);
    m_index.insert(key, leaf);
    return leaf;
}

TReportLeaf *TRepArticles::createLeaf(const TEntryFacts &entry, const TTableFacts &)
{
    return new TRepArticle(entry);
}

// ---- VAT rates ------------------------------------------------------------

TRepVatRates::TRepVatRates()
    : TRepOrderNode(QStringLiteral("vatrates"))
{ }

void TRepVatRates::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (entry.getBool(FCredit) || entry.has(FRoundingArt))
        return;
    // the VAT belongs to whoever took the money, the first pay's waiter; no
    // figure of the node depends on the waiter, so only a table without
    // pays (nobody took money) matters here
    if (!entry.hasChildren() && !table.hasPays())
        return;
    TRepOrderNode::add(entry, table);
}

bool TRepVatRates::numberKey(const TEntryFacts &entry, const TTableFacts &table, qint64 &key,
                             bool &) const
{
    key = entry.getLong(outOfHouse(entry, table) ? FRateOh : FRateIh);
    return true;
}

TReportLeaf *TRepVatRates::createLeaf(const TEntryFacts &entry, const TTableFacts &table)
{
    return new TRepVatRate(entry, table);
}

bool TRepVatRates::addToTotal(const TEntryFacts &entry, const TTableFacts &table)
{
    if (entry.getBool(FCredit) || entry.has(FRoundingArt) || table.isNull() || !table.hasPays())
        return false;
    if (!TRepOrderNode::addToTotal(entry, table))
        return false;
    const qint64 gross = lineAmount(entry.price(), entry.count());
    m_total->addSum(outOfHouse(entry, table) ? QStringLiteral("sumoh") : QStringLiteral("sumih"),
                    gross);
    return true;
}

void TRepVatRates::addTaxGroup(const TValue &group, const TTable *table)
{
    const TFactsOf facts(nullptr, table);
    addTaxGroup(group.id(), group.name(), group.get(QStringLiteral("rate")),
                group.getLong(QStringLiteral("amount")), facts.table());
}

void TRepVatRates::addTaxGroup(const TTaxGroupFacts &group, const TTableFacts &table)
{
    addTaxGroup(group.id, group.name, TValueField(TypeDecimal, group.rate), group.amount, table);
}

void TRepVatRates::addTaxGroup(int id, const QString &name, const TValueField &rate, qint64 amount,
                               const TTableFacts &table)
{
    const QString key = QString::number(id);
    auto *leaf = static_cast<TRepVatRate *>(m_leaves.value(key));
    if (!leaf) {
        leaf = new TRepVatRate;
        leaf->setName(name);
        if (!table.isNull()) {
            leaf->setBool(QStringLiteral("vatoh"), table.vatOh());
            leaf->setBool(QStringLiteral("insum"), table.inSum());
        }
        leaf->set(QStringLiteral("rate"), rate);
        leaf->set(QStringLiteral("vatrate"), TypeInteger, key);
        m_leaves.insert(key, leaf);
    }
    if (!table.isNull() && table.inSum())
        leaf->addVat(double(amount));
    m_taxGroups = true;
}

// ---- hours and departments ------------------------------------------------

TRepHours::TRepHours()
    : TRepOrderNode(QStringLiteral("Hours"))
{ }

bool TRepHours::numberKey(const TEntryFacts &entry, const TTableFacts &, qint64 &key,
                          bool &counted) const
{
    // entries without a time are not counted by the hour
    const QTime time = entry.time();
    counted = time.isValid();
    key = counted ? time.hour() : 0;
    return true;
}

TReportLeaf *TRepHours::createLeaf(const TEntryFacts &entry, const TTableFacts &)
{
    return new TRepHour(entry.time().hour());
}

struct TRepDepartments::Department
{
    int id;
    QString name;
    QSet<int> covered; // article numbers, families as negative numbers
};

TRepDepartments::TRepDepartments(const QString &dataPath)
    : TRepOrderNode(QStringLiteral("departments"))
{
    if (dataPath.isEmpty())
        return;
    TDepartments list;
    try {
        list.load(dataPath.toLocal8Bit().constData());
    } catch (const TError &) {
        return; // no departments: nothing counts here
    }
    for (TValue *d : list.valueMap())
        m_departments.push_back({d->id(), d->name(), list.coveredItems(d)});
}

TRepDepartments::~TRepDepartments() = default;

void TRepDepartments::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (entry.hasComponents()) {
        addComponents(entry, table);
        if (!entry.hasAddOns())
            return;
    }
    addMatching(entry, table);
}

const std::vector<int> &TRepDepartments::matching(qint64 plu, int family)
{
    const std::pair<qint64, int> key(plu, family);
    auto it = m_matching.constFind(key);
    if (it != m_matching.cend())
        return it.value();
    std::vector<int> found;
    for (int i = 0; i < int(m_departments.size()); ++i) {
        const Department &d = m_departments[size_t(i)];
        const bool article = plu >= 0 && plu <= INT_MAX && d.covered.contains(int(plu));
        const bool inFamily = family > 0 && d.covered.contains(-family);
        if (article || inFamily)
            found.push_back(i);
    }
    return m_matching.insert(key, found).value();
}

void TRepDepartments::addMatching(const TEntryFacts &entry, const TTableFacts &table)
{
    if (m_departments.empty())
        return;
    // in every department that covers the article or its family
    for (int i : matching(entry.plu(), entry.getInt(FFamily))) {
        const Department &d = m_departments[size_t(i)];
        addToTotal(entry, table);
        TReportLeaf *leaf = m_index.find(d.id);
        if (!leaf) {
            const QString key = QString::number(d.id);
            leaf = m_leaves.value(key);
            if (!leaf) {
                leaf = new TRepDepartment(entry, d.id, d.name);
                m_leaves.insert(key, leaf);
            }
            m_index.insert(d.id, leaf);
        }
        static_cast<TRepOrderLeaf *>(leaf)->add(entry, table);
    }
}

QString TRepDepartments::keyOf(TTableEntry *entry, const TTable *) const
{
    return entry->getString(QStringLiteral("department"));
}

QString TRepDepartments::keyOf(const TEntryFacts &, const TTableFacts &) const
{
    return QString();
}

TReportLeaf *TRepDepartments::createLeaf(TTableEntry *entry, const TTable *)
{
    return new TRepDepartment(entry);
}

// ---- void nodes -----------------------------------------------------------

TRepVoidNode::TRepVoidNode(const QString &name)
    : TReportNode(name)
    , m_total(new TRepVoidLeaf)
{ }

void TRepVoidNode::add(const TEntryFacts &entry, const TTableFacts &table)
{
    addToTotal(entry);
    const QString key = keyOf(entry, table);
    if (key.isEmpty())
        return;
    if (auto *leaf = static_cast<TRepVoidLeaf *>(leafFor(key, entry, table)))
        leaf->add(entry);
}

bool TRepVoidNode::addToTotal(const TEntryFacts &entry)
{
    return m_total->add(entry);
}

void TRepVoidNode::writeText(const QString &prefix, const TValue &record, QTextStream &out,
                             QStringList &columns) const
{
    writeFile(prefix, record);
    m_total->writeRecord(record, out, columns);
}

void TRepVoidNode::writeXml(QDomDocument &doc, QDomNode &parent) const
{
    TReportNode::writeXml(doc, parent);
}

TRepVoids::TRepVoids()
    : TRepVoidNode(QStringLiteral("Voids"))
{ }

QString TRepVoids::keyOf(const TEntryFacts &, const TTableFacts &) const
{
    return QStringLiteral("0");
}

bool TRepVoids::addToTotal(const TEntryFacts &entry)
{
    if (!TRepVoidNode::addToTotal(entry))
        return false;
    m_total->addSum(QStringLiteral("repvoidcount"), 1);
    return true;
}

TRepVArticles::TRepVArticles()
    : TRepVoidNode(QStringLiteral("VArticles"))
{ }

QString TRepVArticles::keyOf(const TEntryFacts &entry, const TTableFacts &) const
{
    return QString::number(entry.plu());
}

TReportLeaf *TRepVArticles::createLeaf(const TEntryFacts &entry, const TTableFacts &)
{
    return new TRepVArticle(entry);
}

TRepAllVoids::TRepAllVoids()
    : TRepVoidNode(QStringLiteral("AllVoids"))
{ }

QString TRepAllVoids::keyOf(const TEntryFacts &entry, const TTableFacts &) const
{
    const QDate d = entry.date();
    const QTime t = entry.time();
    return QString::asprintf("%02d%02d%02d%02d%02d%02d", d.year(), d.month(), d.day(), t.hour(),
                             t.minute(), t.second());
}

TReportLeaf *TRepAllVoids::createLeaf(const TEntryFacts &entry, const TTableFacts &table)
{
    return new TRepVoid(entry, table);
}

void TRepAllVoids::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (m_keepRecords) {
        TRepVoidNode::add(entry, table);
        return;
    }
    // every void has a key here
    addToTotal(entry);
    ++m_taken;
}

int TRepAllVoids::leafCount() const
{
    return m_keepRecords ? int(m_leaves.size()) : m_taken;
}

// ---- pay nodes ------------------------------------------------------------

TRepPayNode::TRepPayNode(const QString &name)
    : TReportNode(name)
    , m_total(new TRepPayLeaf)
{ }

void TRepPayNode::add(const TEntryFacts &entry, const TTableFacts &table)
{
    const QString key = keyOf(entry, table);
    if (key.isEmpty())
        return;
    addToTotal(entry);
    if (auto *leaf = static_cast<TRepPayLeaf *>(leafFor(key, entry, table)))
        leaf->add(entry);
}

bool TRepPayNode::addToTotal(const TEntryFacts &entry)
{
    return m_total->add(entry);
}

void TRepPayNode::writeText(const QString &prefix, const TValue &record, QTextStream &out,
                            QStringList &columns) const
{
    writeFile(prefix, record);
    m_total->writeRecord(record, out, columns);
}

void TRepPayNode::writeXml(QDomDocument &doc, QDomNode &parent) const
{
    TReportNode::writeXml(doc, parent);
}

TRepPays::TRepPays()
    : TRepPayNode(QStringLiteral("Payments"))
{ }

bool TRepPays::addToTotal(const TEntryFacts &entry)
{
    if (!TRepPayNode::addToTotal(entry))
        return false;
    m_total->addSum(QStringLiteral("given"), entry.getLong(FGiven));
    m_total->addSum(QStringLiteral("return"), entry.getLong(FReturn));
    if (entry.getBool(FInTermSum))
        m_total->addSum(QStringLiteral("reppaytermsum"), entry.amount());
    return true;
}

TRepTables::TRepTables()
    : TRepPayNode(QStringLiteral("Tables"))
{ }

QString TRepTables::keyOf(const TEntryFacts &entry, const TTableFacts &table) const
{
    const QDate d = entry.date();
    return QString::asprintf("%4d%02d%02d%8ld", d.year(), d.month(), d.day(),
                             table.isNull() ? 0L : long(table.header().getLong(FArchive)));
}

TReportLeaf *TRepTables::createLeaf(const TEntryFacts &entry, const TTableFacts &table)
{
    return new TRepTable(entry, table);
}

int TRepTables::rowOf(const TEntryFacts &entry, const TTableFacts &table)
{
    const QDate d = entry.date();
    const qint64 archive = table.isNull() ? 0 : long(table.header().getLong(FArchive));
    // a year of four places keeps the key's parts apart: the parts find the row
    int *at = nullptr;
    const Key key {d.year(), d.month(), d.day(), archive};
    const bool plain = d.year() >= -999 && d.year() <= 9999;
    if (plain)
        at = &m_rowOf[key];
    else
        at = &m_rowOfText[keyOf(entry, table)];
    if (*at > 0)
        return *at - 1;
    Row row;
    row.archive = archive;
    row.payDate = d;
    row.payTime = entry.time();
    row.hasTable = !table.isNull();
    row.inHouse = !(row.hasTable && table.vatOh());
    row.table = row.party = row.name = TTextPool::Absent;
    if (row.hasTable) {
        if (table.header().has(FTable))
            row.table = m_texts.id(table.header().getString(FTable));
        if (table.header().has(FParty))
            row.party = m_texts.id(table.header().getString(FParty));
        row.name = m_texts.id(table.named(FTableName).getString(FTableName));
        row.tableDate = table.named(FDate).date();
        row.tableTime = table.named(FTime).time();
    }
    row.firstPay = row.lastPay = -1;
    m_rows.push_back(row);
    *at = int(m_rows.size());
    return int(m_rows.size()) - 1;
}

void TRepTables::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (!m_compact) {
        TRepPayNode::add(entry, table);
        return;
    }
    // every pay has a key here
    addToTotal(entry);
    if (!m_keepRecords) {
        ++m_taken;
        return;
    }
    Row &row = m_rows[size_t(rowOf(entry, table))];
    if (entry.getBool(FVoided))
        return;
    const TPayValues values = TPayValues::of(entry);
    Pay pay;
    pay.amount = values.amount;
    pay.tip = values.tip;
    pay.guests = values.guests;
    pay.net = entry.getLong(FGiven) - entry.getLong(FReturn);
    pay.date = entry.date();
    pay.time = entry.time();
    pay.payform = m_texts.id(entry.getString(FPayformName));
    pay.next = -1;
    m_pays.push_back(pay);
    const int at = int(m_pays.size()) - 1;
    if (row.lastPay >= 0)
        m_pays[size_t(row.lastPay)].next = at;
    else
        row.firstPay = at;
    row.lastPay = at;
}

int TRepTables::leafCount() const
{
    if (!m_keepRecords)
        return m_taken;
    return m_compact ? int(m_rows.size()) : int(m_leaves.size());
}

void TRepTables::materialize() const
{
    if (!m_compact || !m_keepRecords)
        return;
    m_compact = false;
    for (const Row &row : m_rows) {
        auto *leaf = new TRepTable(row.payDate, row.payTime, row.tableDate, row.tableTime,
                                   row.inHouse);
        if (row.hasTable) {
            if (row.table != TTextPool::Absent)
                leaf->set(fieldName(FTable), Basics::TypeText, m_texts.text(row.table));
            if (row.party != TTextPool::Absent)
                leaf->set(fieldName(FParty), Basics::TypeText, m_texts.text(row.party));
            leaf->setString(fieldName(FTableName), m_texts.text(row.name));
        }
        for (int p = row.firstPay; p >= 0; p = m_pays[size_t(p)].next) {
            const Pay &pay = m_pays[size_t(p)];
            TPayValues values;
            values.amount = pay.amount;
            values.tip = pay.tip;
            values.guests = pay.guests;
            leaf->takePay(values, pay.net, m_texts.text(pay.payform), pay.date, pay.time);
        }
        const QDate d = row.payDate;
        m_leaves.insert(QString::asprintf("%4d%02d%02d%8ld", d.year(), d.month(), d.day(),
                                          long(row.archive)),
                        leaf);
    }
    std::vector<Row>().swap(m_rows);
    std::vector<Pay>().swap(m_pays);
}

TRepPayforms::TRepPayforms()
    : TRepPayNode(QStringLiteral("payforms"))
{ }

TRepPayforms::TRepPayforms(const QString &name, bool returnMode)
    : TRepPayNode(name)
    , m_perPay(true)
    , m_returnMode(returnMode)
{ }

QString TRepPayforms::keyOf(const TEntryFacts &entry, const TTableFacts &table) const
{
    QString key = withoutLineBreaks(entry.getString(FPayformName)) + QLatin1Char('_')
                  + QString::number(entry.getInt(FPayform));
    if (!table.isNull() && table.inSum())
        key += QLatin1String("insum");
    if (entry.getBool(FInTermSum))
        key += QLatin1String("intermsum");
    return key;
}

TReportLeaf *TRepPayforms::createLeaf(const TEntryFacts &entry, const TTableFacts &table)
{
    return new TRepPayform(entry, table);
}

bool TRepPayforms::takesPay(const TEntryFacts &) const
{
    return true;
}

namespace {

const TField OwnCurrency[] = {FCurr, FCurrName, FCurrShort, FCurrRate, FCurrDecPos};
const TField ReturnCurrency[]
        = {FRetCurr, FRetCurrName, FRetCurrShort, FRetCurrRate, FRetCurrDecPos};

} // namespace

bool numberKeyBefore(int a, int b)
{
    // "10" < "9": compare the digits as far as the shorter number goes
    int da = 1;
    int db = 1;
    for (int v = a; v >= 10; v /= 10)
        ++da;
    for (int v = b; v >= 10; v /= 10)
        ++db;
    qint64 x = a;
    qint64 y = b;
    for (int i = da; i < db; ++i)
        x *= 10;
    for (int i = db; i < da; ++i)
        y *= 10;
    return x != y ? x < y : da < db;
}

bool TRepPayforms::Copied::operator==(const Copied &o) const
{
    return std::equal(std::begin(text), std::end(text), std::begin(o.text))
           && hasTable == o.hasTable && vatOh == o.vatOh && inSum == o.inSum
           && billNum == o.billNum;
}

quint32 TRepPayforms::copiedOf(const TEntryFacts &entry, const TTableFacts &table)
{
    Copied c;
    auto text = [&](const TEntryFacts &from, TField f) {
        return from.has(f) ? m_texts.id(from.getString(f)) : TTextPool::Absent;
    };
    c.hasTable = !table.isNull();
    c.vatOh = c.hasTable && table.vatOh();
    c.inSum = c.hasTable && table.inSum();
    c.billNum = c.hasTable ? text(table.header(), FBillNum) : TTextPool::Absent;
    c.text[Copied::Payform] = text(entry, FPayform);
    c.text[Copied::PayformName] = text(entry, FPayformName);
    c.text[Copied::InTermSum] = text(entry, FInTermSum);
    c.text[Copied::Waiter] = text(entry, FWaiter);
    c.text[Copied::WaiterName] = text(entry, FWaiterName);
    const TField *currency = m_returnMode ? ReturnCurrency : OwnCurrency;
    for (int i = 0; i < 5; ++i)
        c.text[Copied::Curr + i] = text(entry, currency[i]);
    auto it = m_copiedIds.constFind(c);
    if (it != m_copiedIds.cend())
        return it.value();
    const quint32 id = quint32(m_copied.size());
    m_copied.push_back(c);
    m_copiedIds.insert(c, id);
    return id;
}

void TRepPayforms::countCurrency(const TEntryFacts &entry, const TTableFacts &table, int number,
                                 bool taken)
{
    // what the pay's leaf would hold: its currency's number, its sums
    // (none when not taken), the table's and the pay's flags
    const TField *currency = m_returnMode ? ReturnCurrency : OwnCurrency;
    TCurrencySums &sums = m_currencySums[entry.getInt(currency[0])];
    const TPayValues pay = taken ? TPayValues::of(entry) : TPayValues();
    sums.given += pay.given;
    sums.returned += pay.ret;
    if (!(!table.isNull() && table.inSum()))
        sums.notInSummary += pay.given - pay.ret;
    sums.orgGiven += pay.orgGiven;
    const bool inCash = entry.getBool(FInTermSum);
    if (inCash) {
        sums.cashReturned += pay.ret;
        sums.cashRetAmount += pay.retAmount;
    }
    auto note = [&](TCurrencySums::Pay &first) {
        if (first.number != 0 && !numberKeyBefore(number, first.number))
            return;
        first.number = number;
        first.name = entry.getString(currency[1]);
        first.shortName = entry.getString(currency[2]);
        first.hasDecPos = entry.has(currency[4]);
        first.decPos = entry.getInt(currency[4]);
    };
    note(sums.first);
    if (inCash && pay.ret != 0)
        note(sums.firstReturn);
    if (inCash && pay.retAmount != 0)
        note(sums.firstRetAmount);
}

void TRepPayforms::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (!m_perPay) {
        TRepPayNode::add(entry, table);
        return;
    }
    if (!takesPay(entry))
        return;
    addToTotal(entry);
    const int number = leafCount() + 1;
    const bool taken = !entry.getBool(FVoided);
    countCurrency(entry, table, number, taken);
    if (!m_keepRecords) {
        ++m_taken;
        return;
    }
    if (!m_compact) {
        if (auto *leaf = static_cast<TRepPayLeaf *>(leafFor(QString::number(number), entry, table)))
            leaf->add(entry);
        return;
    }
    Row row;
    row.pay = taken ? TPayValues::of(entry) : TPayValues();
    row.copied = copiedOf(entry, table);
    row.taken = taken;
    m_rows.push_back(row);
}

int TRepPayforms::leafCount() const
{
    if (m_perPay && !m_keepRecords)
        return m_taken;
    return m_perPay && m_compact ? int(m_rows.size()) : int(m_leaves.size());
}

void TRepPayforms::materialize() const
{
    if (!m_perPay || !m_compact || !m_keepRecords)
        return;
    m_compact = false;
    static const TField Fields[Copied::Count]
            = {FPayform, FPayformName, FInTermSum, FWaiter,   FWaiterName,
               FCurr,    FCurrName,    FCurrShort, FCurrRate, FCurrDecPos};
    int number = 0;
    for (const Row &row : m_rows) {
        const Copied &c = m_copied[row.copied];
        auto *leaf = new TRepPayform(m_returnMode);
        if (c.hasTable) {
            leaf->setBool(fieldName(FVatOh), c.vatOh);
            leaf->setBool(fieldName(FInSum), c.inSum);
            if (c.billNum != TTextPool::Absent)
                leaf->set(fieldName(FBillNum), Basics::TypeText, m_texts.text(c.billNum));
        }
        for (int i = 0; i < Copied::Count; ++i) {
            if (c.text[i] != TTextPool::Absent)
                leaf->set(fieldName(Fields[i]), Basics::TypeText, m_texts.text(c.text[i]));
        }
        if (row.taken)
            leaf->takePay(row.pay);
        m_leaves.insert(QString::number(++number), leaf);
    }
    std::vector<Row>().swap(m_rows);
}

TRepSubvents::TRepSubvents()
    : TRepPayNode(QStringLiteral("Subventions"))
{ }

void TRepSubvents::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (entry.getLong(FSubvId) != 0)
        ++m_subventions;
    TRepPayNode::add(entry, table);
}

QString TRepSubvents::keyOf(const TEntryFacts &entry, const TTableFacts &) const
{
    const qint64 id = entry.getLong(FSubvId);
    if (id == 0)
        return QString();
    return QString::number(qint64(entry.getInt(FPayform)) * 1000 + id);
}

TReportLeaf *TRepSubvents::createLeaf(const TEntryFacts &entry, const TTableFacts &table)
{
    return new TRepSubvent(entry, table);
}

TRepCurrencies::TRepCurrencies()
    : TRepPayforms(QStringLiteral("currencies"), false)
{ }

QString TRepCurrencies::keyOf(const TEntryFacts &entry, const TTableFacts &) const
{
    if (!takesPay(entry))
        return QString();
    return QString::number(leafCount() + 1);
}

bool TRepCurrencies::takesPay(const TEntryFacts &entry) const
{
    // the pays that count in the cash summary
    return entry.getBool(FInTermSum);
}

TRepCurrReturns::TRepCurrReturns()
    : TRepPayforms(QStringLiteral("currreturns"), true)
{ }

QString TRepCurrReturns::keyOf(const TEntryFacts &, const TTableFacts &) const
{
    return QString::number(leafCount() + 1);
}

bool TRepCurrReturns::takesPay(const TEntryFacts &) const
{
    return true;
}

TReportLeaf *TRepCurrReturns::createLeaf(const TEntryFacts &entry, const TTableFacts &table)
{
    return new TRepPayform(entry, table, true);
}

TRepHotelRooms::TRepHotelRooms()
    : TRepPayNode(QStringLiteral("hotelrooms"))
{ }

void TRepHotelRooms::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (m_keepRecords) {
        TRepPayNode::add(entry, table);
        return;
    }
    // the pays charged to a room
    if (entry.isEmptyText(FRoom))
        return;
    addToTotal(entry);
    ++m_taken;
}

int TRepHotelRooms::leafCount() const
{
    return m_keepRecords ? int(m_leaves.size()) : m_taken;
}

QString TRepHotelRooms::keyOf(const TEntryFacts &entry, const TTableFacts &) const
{
    const QString room = entry.getString(FRoom);
    if (room.isEmpty())
        return QString();
    return room + QLatin1Char('_') + entry.getString(FHotParty) + QLatin1Char('_')
           + QString::number(m_leaves.size());
}

TReportLeaf *TRepHotelRooms::createLeaf(const TEntryFacts &entry, const TTableFacts &table)
{
    return new TRepHotelRoom(entry, table);
}

// ---- cash and balance -----------------------------------------------------

TRepCashNode::TRepCashNode(const QString &name)
    : TReportNode(name)
{ }

void TRepCashNode::add(const TEntryFacts &entry, const TTableFacts &table)
{
    const QString key = keyOf(entry, table);
    if (key.isEmpty())
        return;
    if (auto *leaf = static_cast<TRepCashLeaf *>(leafFor(key, entry, table)))
        leaf->add(entry);
}

TReportLeaf *TRepCashNode::createLeaf(const TEntryFacts &entry, const TTableFacts &)
{
    return new TRepCashLeaf(entry);
}

TRepCashIns::TRepCashIns()
    : TRepCashNode(QStringLiteral("cashins"))
{ }

QString TRepCashIns::keyOf(const TEntryFacts &entry, const TTableFacts &) const
{
    return entry.amount() >= 0 ? QString::number(m_leaves.size() + 1) : QString();
}

TRepCashOuts::TRepCashOuts()
    : TRepCashNode(QStringLiteral("cashouts"))
{ }

QString TRepCashOuts::keyOf(const TEntryFacts &entry, const TTableFacts &) const
{
    return entry.amount() <= 0 ? QString::number(m_leaves.size() + 1) : QString();
}

TRepBalanceNode::TRepBalanceNode()
    : TReportNode(QStringLiteral("balances"))
{ }

void TRepBalanceNode::add(const TEntryFacts &entry, const TTableFacts &table)
{
    const QString key = keyOf(entry, table);
    if (auto *leaf = static_cast<TRepBalanceLeaf *>(leafFor(key, entry, table)))
        leaf->add(entry);
}

TReportLeaf *TRepBalanceNode::createLeaf(const TEntryFacts &, const TTableFacts &)
{
    return new TRepBalanceLeaf;
}

} // namespace PosLib
