#include "treportnode.h"

#include "tdepartments.h"
#include "terror.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tround.h"
#include "tsavefile.h"
#include "ttable.h"
#include "ttableentry.h"

#include <QDomDocument>
#include <QSet>
#include <QTextStream>

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

bool outOfHouse(const TTableEntry *entry, const TTable *table)
{
    if (entry->has(QStringLiteral("isvatoh")))
        return entry->getBool(QStringLiteral("isvatoh"));
    return table && table->vatOh();
}

bool hasPays(const TTable *table)
{
    if (!table)
        return false;
    bool found = false;
    table->entries().forEach([&found](TTableEntry *e) {
        if (e->type() == EntryPay)
            found = true;
    });
    return found;
}

QString withoutLineBreaks(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
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

TReportLeaf *TReportNode::createLeaf(TTableEntry *, const TTable *)
{
    return nullptr;
}

QString TReportNode::keyOf(TTableEntry *, const TTable *) const
{
    return QString::number(m_leaves.size() + 1);
}

TReportLeaf *TReportNode::leafFor(const QString &key, TTableEntry *entry, const TTable *table)
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
    for (auto it = m_leaves.cbegin(); it != m_leaves.cend(); ++it) {
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
    for (auto it = m_leaves.cbegin(); it != m_leaves.cend(); ++it) {
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

bool TRepOrderNode::hasComponents(const TTableEntry *entry)
{
    const TTableEntries *children = entry->children();
    if (!children)
        return false;
    bool found = false;
    children->forEach([&found](TTableEntry *c) {
        if (c->type() == EntryComponent)
            found = true;
    });
    return found;
}

void TRepOrderNode::addComponents(TTableEntry *entry, const TTable *table)
{
    entry->children()->forEach([&](TTableEntry *c) {
        if (c->type() == EntryComponent)
            addEntry(c, table);
    });
}

void TRepOrderNode::addEntry(TTableEntry *entry, const TTable *table)
{
    if (hasComponents(entry)) {
        addComponents(entry, table);
        return;
    }
    addKeyed(entry, table);
}

void TRepOrderNode::addKeyed(TTableEntry *entry, const TTable *table)
{
    const QString key = keyOf(entry, table);
    if (key.isEmpty())
        return;
    addToTotal(entry, table);
    if (auto *leaf = static_cast<TRepOrderLeaf *>(leafFor(key, entry, table)))
        leaf->addEntry(entry, table);
}

bool TRepOrderNode::addToTotal(TTableEntry *entry, const TTable *table)
{
    return m_total->addEntry(entry, table);
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
    if (table->has(QStringLiteral("payform")))
        return table->payform();
    int pays = 0;
    int open = 0;
    int payform = 0;
    table->entries().forEach([&](TTableEntry *e) {
        if (e->type() != EntryPay)
            return;
        ++pays;
        if (!e->isVoided()) {
            ++open;
            payform = e->payform();
        }
    });
    if (pays == 0)
        return -1;
    return open == 1 ? payform : 0;
}

TRepOrders::TRepOrders()
    : TRepOrderNode(QStringLiteral("orders"))
{ }

QString TRepOrders::keyOf(TTableEntry *entry, const TTable *table) const
{
    const int payform = orderPayform(table);
    const qint64 key = entry->plu() * 1000 + (payform > 0 ? payform : 0);
    return QString::number(key);
}

TReportLeaf *TRepOrders::createLeaf(TTableEntry *entry, const TTable *table)
{
    return new TRepOrder(entry, table);
}

bool TRepOrders::addToTotal(TTableEntry *entry, const TTable *table)
{
    if (!TRepOrderNode::addToTotal(entry, table))
        return false;
    m_total->addSum(QStringLiteral("repordercount"), 1);
    return true;
}

TRepNegOrders::TRepNegOrders()
    : TRepOrderNode(QStringLiteral("negorders"))
{ }

QString TRepNegOrders::keyOf(TTableEntry *entry, const TTable *) const
{
    return entry->count() > 0 ? QString() : QString::number(entry->plu());
}

TReportLeaf *TRepNegOrders::createLeaf(TTableEntry *entry, const TTable *)
{
    return new TRepArticle(entry);
}

TRepFamilies::TRepFamilies()
    : TRepOrderNode(QStringLiteral("families"))
{ }

QString TRepFamilies::keyOf(TTableEntry *entry, const TTable *) const
{
    return QString::number(entry->family());
}

TReportLeaf *TRepFamilies::createLeaf(TTableEntry *entry, const TTable *)
{
    return new TRepFamily(entry);
}

TRepFamGroups::TRepFamGroups()
    : TRepOrderNode(QStringLiteral("famgroups"))
{ }

QString TRepFamGroups::keyOf(TTableEntry *entry, const TTable *) const
{
    return QString::number(entry->famGroup());
}

TReportLeaf *TRepFamGroups::createLeaf(TTableEntry *entry, const TTable *)
{
    return new TRepFamGroup(entry);
}

TRepDiscounts::TRepDiscounts()
    : TRepOrderNode(QStringLiteral("discounts"))
{ }

QString TRepDiscounts::keyOf(TTableEntry *entry, const TTable *) const
{
    return entry->getString(QStringLiteral("discid"));
}

TReportLeaf *TRepDiscounts::createLeaf(TTableEntry *entry, const TTable *)
{
    return new TRepDiscount(entry);
}

QString articleKey(const TTableEntry *entry)
{
    return QStringLiteral("%1:%2:%3")
            .arg(entry->plu(), 10, 10, QLatin1Char('0'))
            .arg(entry->price())
            .arg(withoutLineBreaks(entry->article()));
}

TRepArticles::TRepArticles()
    : TRepOrderNode(QStringLiteral("articles"))
{ }

QString TRepArticles::keyOf(TTableEntry *entry, const TTable *) const
{
    return articleKey(entry);
}

TReportLeaf *TRepArticles::createLeaf(TTableEntry *entry, const TTable *)
{
    return new TRepArticle(entry);
}

// ---- VAT rates ------------------------------------------------------------

TRepVatRates::TRepVatRates()
    : TRepOrderNode(QStringLiteral("vatrates"))
{ }

void TRepVatRates::addEntry(TTableEntry *entry, const TTable *table)
{
    if (entry->isCredit() || entry->has(QStringLiteral("roundingart")))
        return;
    if (entry->hasChildren()) {
        TRepOrderNode::addEntry(entry, table);
        return;
    }
    // the VAT belongs to whoever took the money: the first pay's waiter
    const TTableEntry *firstPay = nullptr;
    if (table) {
        table->entries().forEach([&firstPay](TTableEntry *e) {
            if (!firstPay && e->type() == EntryPay)
                firstPay = e;
        });
    }
    if (!firstPay)
        return;
    const QString waiterKey = QStringLiteral("waiter");
    const QString nameKey = QStringLiteral("waitername");
    const bool hadWaiter = entry->has(waiterKey);
    const bool hadName = entry->has(nameKey);
    const TValueField waiter = entry->get(waiterKey);
    const TValueField name = entry->get(nameKey);
    entry->set(waiterKey, firstPay->get(waiterKey));
    entry->set(nameKey, firstPay->get(nameKey));
    TRepOrderNode::addEntry(entry, table);
    if (hadWaiter)
        entry->set(waiterKey, waiter);
    else
        entry->remove(waiterKey);
    if (hadName)
        entry->set(nameKey, name);
    else
        entry->remove(nameKey);
}

QString TRepVatRates::keyOf(TTableEntry *entry, const TTable *table) const
{
    return QString::number(entry->getLong(outOfHouse(entry, table) ? QStringLiteral("rateoh")
                                                                   : QStringLiteral("rateih")));
}

TReportLeaf *TRepVatRates::createLeaf(TTableEntry *entry, const TTable *table)
{
    return new TRepVatRate(entry, table);
}

bool TRepVatRates::addToTotal(TTableEntry *entry, const TTable *table)
{
    if (entry->isCredit() || entry->has(QStringLiteral("roundingart")) || !hasPays(table))
        return false;
    if (!TRepOrderNode::addToTotal(entry, table))
        return false;
    const qint64 gross = lineAmount(entry->price(), entry->count());
    m_total->addSum(outOfHouse(entry, table) ? QStringLiteral("sumoh") : QStringLiteral("sumih"),
                    gross);
    return true;
}

void TRepVatRates::addTaxGroup(const TValue &group, const TTable *table)
{
    const QString key = QString::number(group.id());
    auto *leaf = static_cast<TRepVatRate *>(m_leaves.value(key));
    if (!leaf) {
        leaf = new TRepVatRate;
        leaf->setName(group.name());
        if (table) {
            leaf->setBool(QStringLiteral("vatoh"), table->vatOh());
            leaf->setBool(QStringLiteral("insum"), table->inSum());
        }
        leaf->set(QStringLiteral("rate"), group.get(QStringLiteral("rate")));
        leaf->set(QStringLiteral("vatrate"), TypeInteger, key);
        m_leaves.insert(key, leaf);
    }
    if (table && table->inSum())
        leaf->addVat(double(group.getLong(QStringLiteral("amount"))));
    m_taxGroups = true;
}

// ---- hours and departments ------------------------------------------------

TRepHours::TRepHours()
    : TRepOrderNode(QStringLiteral("Hours"))
{ }

QString TRepHours::keyOf(TTableEntry *entry, const TTable *) const
{
    const QTime time = entry->time();
    return time.isValid() ? QString::number(time.hour()) : QString();
}

TReportLeaf *TRepHours::createLeaf(TTableEntry *entry, const TTable *)
{
    return new TRepHour(entry->time().hour());
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

void TRepDepartments::addEntry(TTableEntry *entry, const TTable *table)
{
    if (hasComponents(entry)) {
        addComponents(entry, table);
        bool addOn = false;
        entry->children()->forEach([&addOn](TTableEntry *c) {
            if (c->type() == EntryAddOn)
                addOn = true;
        });
        if (!addOn)
            return;
    }
    addMatching(entry, table);
}

void TRepDepartments::addMatching(TTableEntry *entry, const TTable *table)
{
    const qint64 plu = entry->plu();
    const int family = entry->family();
    for (const Department &d : m_departments) {
        const bool article = plu >= 0 && plu <= INT_MAX && d.covered.contains(int(plu));
        const bool inFamily = family > 0 && d.covered.contains(-family);
        if (!article && !inFamily)
            continue;
        entry->setInt(QStringLiteral("department"), d.id);
        entry->setString(QStringLiteral("depname"), d.name);
        addKeyed(entry, table);
    }
}

QString TRepDepartments::keyOf(TTableEntry *entry, const TTable *) const
{
    return entry->getString(QStringLiteral("department"));
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

void TRepVoidNode::addEntry(TTableEntry *entry, const TTable *table)
{
    addToTotal(entry);
    const QString key = keyOf(entry, table);
    if (key.isEmpty())
        return;
    if (auto *leaf = static_cast<TRepVoidLeaf *>(leafFor(key, entry, table)))
        leaf->addEntry(entry);
}

bool TRepVoidNode::addToTotal(TTableEntry *entry)
{
    return m_total->addEntry(entry);
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

QString TRepVoids::keyOf(TTableEntry *, const TTable *) const
{
    return QStringLiteral("0");
}

bool TRepVoids::addToTotal(TTableEntry *entry)
{
    if (!TRepVoidNode::addToTotal(entry))
        return false;
    m_total->addSum(QStringLiteral("repvoidcount"), 1);
    return true;
}

TRepVArticles::TRepVArticles()
    : TRepVoidNode(QStringLiteral("VArticles"))
{ }

QString TRepVArticles::keyOf(TTableEntry *entry, const TTable *) const
{
    return QString::number(entry->plu());
}

TReportLeaf *TRepVArticles::createLeaf(TTableEntry *entry, const TTable *)
{
    return new TRepVArticle(entry);
}

TRepAllVoids::TRepAllVoids()
    : TRepVoidNode(QStringLiteral("AllVoids"))
{ }

QString TRepAllVoids::keyOf(TTableEntry *entry, const TTable *) const
{
    const QDate d = entry->date();
    const QTime t = entry->time();
    return QString::asprintf("%02d%02d%02d%02d%02d%02d", d.year(), d.month(), d.day(), t.hour(),
                             t.minute(), t.second());
}

TReportLeaf *TRepAllVoids::createLeaf(TTableEntry *entry, const TTable *table)
{
    return new TRepVoid(entry, table);
}

// ---- pay nodes ------------------------------------------------------------

TRepPayNode::TRepPayNode(const QString &name)
    : TReportNode(name)
    , m_total(new TRepPayLeaf)
{ }

void TRepPayNode::addEntry(TTableEntry *entry, const TTable *table)
{
    const QString key = keyOf(entry, table);
    if (key.isEmpty())
        return;
    addToTotal(entry);
    if (auto *leaf = static_cast<TRepPayLeaf *>(leafFor(key, entry, table)))
        leaf->addEntry(entry);
}

bool TRepPayNode::addToTotal(TTableEntry *entry)
{
    return m_total->addEntry(entry);
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

bool TRepPays::addToTotal(TTableEntry *entry)
{
    if (!TRepPayNode::addToTotal(entry))
        return false;
    m_total->addSum(QStringLiteral("given"), entry->getLong(QStringLiteral("given")));
    m_total->addSum(QStringLiteral("return"), entry->getLong(QStringLiteral("return")));
    if (entry->getBool(QStringLiteral("intermsum")))
        m_total->addSum(QStringLiteral("reppaytermsum"), entry->amount());
    return true;
}

TRepTables::TRepTables()
    : TRepPayNode(QStringLiteral("Tables"))
{ }

QString TRepTables::keyOf(TTableEntry *entry, const TTable *table) const
{
    const QDate d = entry->date();
    return QString::asprintf("%4d%02d%02d%8ld", d.year(), d.month(), d.day(),
                             table ? table->archive() : 0L);
}

TReportLeaf *TRepTables::createLeaf(TTableEntry *entry, const TTable *table)
{
    return new TRepTable(entry, table);
}

TRepPayforms::TRepPayforms()
    : TRepPayNode(QStringLiteral("payforms"))
{ }

TRepPayforms::TRepPayforms(const QString &name)
    : TRepPayNode(name)
{ }

QString TRepPayforms::keyOf(TTableEntry *entry, const TTable *table) const
{
    QString key = withoutLineBreaks(entry->getString(QStringLiteral("payformname")))
                  + QLatin1Char('_') + QString::number(entry->payform());
    if (table && table->inSum())
        key += QLatin1String("insum");
    if (entry->getBool(QStringLiteral("intermsum")))
        key += QLatin1String("intermsum");
    return key;
}

TReportLeaf *TRepPayforms::createLeaf(TTableEntry *entry, const TTable *table)
{
    return new TRepPayform(entry, table);
}

TRepSubvents::TRepSubvents()
    : TRepPayNode(QStringLiteral("Subventions"))
{ }

void TRepSubvents::addEntry(TTableEntry *entry, const TTable *table)
{
    if (!keyOf(entry, table).isEmpty())
        ++m_subventions;
    TRepPayNode::addEntry(entry, table);
}

QString TRepSubvents::keyOf(TTableEntry *entry, const TTable *) const
{
    const qint64 id = entry->getLong(QStringLiteral("subvid"));
    if (id == 0)
        return QString();
    return QString::number(qint64(entry->payform()) * 1000 + id);
}

TReportLeaf *TRepSubvents::createLeaf(TTableEntry *entry, const TTable *table)
{
    return new TRepSubvent(entry, table);
}

TRepCurrencies::TRepCurrencies()
    : TRepPayforms(QStringLiteral("currencies"))
{ }

QString TRepCurrencies::keyOf(TTableEntry *entry, const TTable *) const
{
    if (!entry->getBool(QStringLiteral("intermsum")))
        return QString();
    return QString::number(m_leaves.size() + 1);
}

TRepCurrReturns::TRepCurrReturns()
    : TRepPayforms(QStringLiteral("currreturns"))
{ }

QString TRepCurrReturns::keyOf(TTableEntry *, const TTable *) const
{
    return QString::number(m_leaves.size() + 1);
}

TReportLeaf *TRepCurrReturns::createLeaf(TTableEntry *entry, const TTable *table)
{
    return new TRepPayform(entry, table, true);
}

TRepHotelRooms::TRepHotelRooms()
    : TRepPayNode(QStringLiteral("hotelrooms"))
{ }

QString TRepHotelRooms::keyOf(TTableEntry *entry, const TTable *) const
{
    const QString room = entry->getString(QStringLiteral("room"));
    if (room.isEmpty())
        return QString();
    return room + QLatin1Char('_') + entry->getString(QStringLiteral("hotparty")) + QLatin1Char('_')
           + QString::number(m_leaves.size());
}

TReportLeaf *TRepHotelRooms::createLeaf(TTableEntry *entry, const TTable *table)
{
    return new TRepHotelRoom(entry, table);
}

// ---- cash and balance -----------------------------------------------------

TRepCashNode::TRepCashNode(const QString &name)
    : TReportNode(name)
{ }

void TRepCashNode::addEntry(TTableEntry *entry, const TTable *table)
{
    const QString key = keyOf(entry, table);
    if (key.isEmpty())
        return;
    if (auto *leaf = static_cast<TRepCashLeaf *>(leafFor(key, entry, table)))
        leaf->addEntry(entry);
}

TReportLeaf *TRepCashNode::createLeaf(TTableEntry *entry, const TTable *)
{
    return new TRepCashLeaf(entry);
}

TRepCashIns::TRepCashIns()
    : TRepCashNode(QStringLiteral("cashins"))
{ }

QString TRepCashIns::keyOf(TTableEntry *entry, const TTable *) const
{
    return entry->amount() >= 0 ? QString::number(m_leaves.size() + 1) : QString();
}

TRepCashOuts::TRepCashOuts()
    : TRepCashNode(QStringLiteral("cashouts"))
{ }

QString TRepCashOuts::keyOf(TTableEntry *entry, const TTable *) const
{
    return entry->amount() <= 0 ? QString::number(m_leaves.size() + 1) : QString();
}

TRepBalanceNode::TRepBalanceNode()
    : TReportNode(QStringLiteral("balances"))
{ }

void TRepBalanceNode::addEntry(TTableEntry *entry, const TTable *table)
{
    const QString key = keyOf(entry, table);
    if (auto *leaf = static_cast<TRepBalanceLeaf *>(leafFor(key, entry, table)))
        leaf->addEntry(entry);
}

TReportLeaf *TRepBalanceNode::createLeaf(TTableEntry *, const TTable *)
{
    return new TRepBalanceLeaf;
}

} // namespace PosLib
