#include "treportnode.h"

#include "taggregatestream.h"
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
#include <limits>

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

// Visits `rows` rows as a map by their keys holds them: in the order of the
// keys, and of rows with the same key the last one only, as each replaced
// the one before. `leafOf` makes a row's leaf (null: none), kept for the
// call only.
template<typename KeyOf, typename LeafOf>
void visitRowsByKey(int rows, KeyOf keyOf, LeafOf leafOf, const TReportNode::LeafVisitor &visit)
{
    std::vector<std::pair<QString, int>> keyed;
    keyed.reserve(size_t(rows));
    for (int row = 0; row < rows; ++row)
        keyed.emplace_back(keyOf(row), row);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 0; i < keyed.size(); ++i) {
        if (i + 1 < keyed.size() && keyed[i + 1].first == keyed[i].first)
            continue;
        const std::unique_ptr<TReportLeaf> leaf(leafOf(keyed[i].second));
        if (leaf)
            visit(keyed[i].first, *leaf);
    }
}

} // namespace

// ---- TNumberLeafIndex -----------------------------------------------------

void TNumberLeafIndex::place(qint64 key, TReportLeaf *leaf)
{
    for (size_t i = slotOf(key);; i = (i + 1) & (m_slots.size() - 1)) {
        Slot &slot = m_slots[i];
        if (!slot.leaf) {
            slot = {key, leaf};
            ++m_used;
            return;
        }
        if (slot.key == key) {
            slot.leaf = leaf;
            return;
        }
    }
}

void TNumberLeafIndex::insert(qint64 key, TReportLeaf *leaf)
{
    if (!leaf)
        return;
    // at most half full, so that a probe ends soon
    if ((m_used + 1) * 2 > m_slots.size()) {
        std::vector<Slot> old;
        old.swap(m_slots);
        const size_t size = old.empty() ? 16 : old.size() * 2;
        m_slots.resize(size);
        m_shift = 64;
        for (size_t n = size; n > 1; n >>= 1)
            --m_shift;
        m_used = 0;
        for (const Slot &slot : old) {
            if (slot.leaf)
                place(slot.key, slot.leaf);
        }
    }
    place(key, leaf);
}

// ---- TReportNode ----------------------------------------------------------

TReportNode::TReportNode(const QString &name)
    : m_name(name)
{ }

TReportNode::~TReportNode()
{
    qDeleteAll(m_leaves);
}

void TReportNode::visitLeaves(const LeafVisitor &visit) const
{
    const Leaves &all = leaves();
    for (auto it = all.cbegin(); it != all.cend(); ++it)
        visit(it.key(), *it.value());
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

void TReportNode::writeTotal(TAggregateWriter &out) const
{
    const TReportLeaf *sum = total();
    out.boolean(sum != nullptr);
    if (sum)
        sum->writeState(out);
    out.i32(m_taken);
}

void TReportNode::mergeTotal(TAggregateReader &in)
{
    const TReportLeaf *sum = total();
    if (in.boolean() != (sum != nullptr)) {
        in.fail();
        return;
    }
    // the node owns its total
    if (sum)
        const_cast<TReportLeaf *>(sum)->readState(in, false);
    m_taken += in.i32();
}

bool TReportNode::writeDay(TAggregateWriter &out) const
{
    writeTotal(out);
    out.u32(quint32(m_leaves.size()));
    for (auto it = m_leaves.cbegin(); it != m_leaves.cend(); ++it) {
        out.text(it.key());
        it.value()->writeState(out);
    }
    return true;
}

void TReportNode::mergeDay(TAggregateReader &in)
{
    const int offset = int(m_leaves.size());
    mergeTotal(in);
    const quint32 count = in.count(2);
    // leaves only ever come in: the index is as big as the map, or stale
    if (m_merged.size() != m_leaves.size()) {
        m_merged.clear();
        for (auto it = m_leaves.cbegin(); it != m_leaves.cend(); ++it)
            m_merged.insert(it.key(), it.value());
    }
    for (quint32 i = 0; i < count && in.ok(); ++i) {
        const QString key = mergedKey(in.text(), offset);
        if (TReportLeaf *leaf = m_merged.value(key)) {
            leaf->readState(in, false);
            continue;
        }
        std::unique_ptr<TReportLeaf> leaf(newLeaf());
        if (!leaf) {
            in.fail();
            return;
        }
        leaf->readState(in, true);
        if (in.ok()) {
            m_merged.insert(key, leaf.get());
            m_leaves.insert(key, leaf.release());
        }
    }
}

QString TReportNode::mergedKey(const QString &key, int) const
{
    return key;
}

namespace {

// A leaf number of a later day, after the `offset` leaves before it.
QString numberAfter(const QString &key, int offset)
{
    bool ok = false;
    const qint64 number = key.toLongLong(&ok);
    return ok ? QString::number(number + offset) : key;
}

} // namespace

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

TReportLeaf *TRepOrders::newLeaf() const
{
    return new TRepOrder;
}

bool TRepOrders::addToTotal(const TEntryFacts &entry, const TTableFacts &table)
{
    if (!TRepOrderNode::addToTotal(entry, table))
        return false;
    m_total->addSum(SumRepOrderCount, 1);
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

TReportLeaf *TRepNegOrders::newLeaf() const
{
    return new TRepArticle;
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

TReportLeaf *TRepFamilies::newLeaf() const
{
    return new TRepFamily;
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

TReportLeaf *TRepFamGroups::newLeaf() const
{
    return new TRepFamGroup;
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

TReportLeaf *TRepDiscounts::newLeaf() const
{
    return new TRepDiscount;
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
    TRawString raw;
    const bool fromFile = entry.rawText(FArticle, raw) && !raw.isNull();
    const std::pair<qint64, qint64> number(entry.plu(), entry.price());
    if (fromFile) {
        if (TReportLeaf *leaf = m_raw.find(number, raw))
            return leaf;
    }
    const Key key {number.first, number.second, withoutLineBreaks(entry.getString(FArticle))};
    TReportLeaf *leaf = m_index.find(key);
    if (!leaf) {
        leaf = leafFor(articleKey(entry), entry, table);
        m_index.insert(key, leaf);
    }
    if (fromFile)
        m_raw.insert(number, raw, leaf);
    return leaf;
}

TReportLeaf *TRepArticles::createLeaf(const TEntryFacts &entry, const TTableFacts &)
{
    return new TRepArticle(entry);
}

TReportLeaf *TRepArticles::newLeaf() const
{
    return new TRepArticle;
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

TReportLeaf *TRepVatRates::newLeaf() const
{
    return new TRepVatRate;
}

bool TRepVatRates::writeDay(TAggregateWriter &out) const
{
    out.boolean(m_taxGroups);
    return TRepOrderNode::writeDay(out);
}

void TRepVatRates::mergeDay(TAggregateReader &in)
{
    m_taxGroups = in.boolean() || m_taxGroups;
    TRepOrderNode::mergeDay(in);
}

bool TRepVatRates::addToTotal(const TEntryFacts &entry, const TTableFacts &table)
{
    if (entry.getBool(FCredit) || entry.has(FRoundingArt) || table.isNull() || !table.hasPays())
        return false;
    if (!TRepOrderNode::addToTotal(entry, table))
        return false;
    const qint64 gross = lineAmount(entry.price(), entry.count());
    m_total->addSum(outOfHouse(entry, table) ? SumSumOh : SumSumIh, gross);
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

TReportLeaf *TRepHours::newLeaf() const
{
    return new TRepHour;
}

std::shared_ptr<const TDepartmentCovers> departmentCovers(const QString &dataPath)
{
    auto covers = std::make_shared<TDepartmentCovers>();
    if (dataPath.isEmpty())
        return covers;
    TDepartments list;
    try {
        list.load(dataPath.toLocal8Bit().constData());
    } catch (const TError &) {
        return covers; // no departments: nothing counts here
    }
    for (TValue *d : list.valueMap())
        covers->push_back({d->id(), d->name(), list.coveredItems(d)});
    return covers;
}

TRepDepartments::TRepDepartments(const QString &dataPath)
    : TRepDepartments(departmentCovers(dataPath))
{ }

TRepDepartments::TRepDepartments(std::shared_ptr<const TDepartmentCovers> departments)
    : TRepOrderNode(QStringLiteral("departments"))
    , m_departments(std::move(departments))
{ }

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
    for (int i = 0; i < int(m_departments->size()); ++i) {
        const TDepartmentCover &d = (*m_departments)[size_t(i)];
        const bool article = plu >= 0 && plu <= INT_MAX && d.covered.contains(int(plu));
        const bool inFamily = family > 0 && d.covered.contains(-family);
        if (article || inFamily)
            found.push_back(i);
    }
    return m_matching.insert(key, found).value();
}

void TRepDepartments::addMatching(const TEntryFacts &entry, const TTableFacts &table)
{
    if (m_departments->empty())
        return;
    // in every department that covers the article or its family
    for (int i : matching(entry.plu(), entry.getInt(FFamily))) {
        const TDepartmentCover &d = (*m_departments)[size_t(i)];
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

TReportLeaf *TRepDepartments::newLeaf() const
{
    return new TRepDepartment;
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
    m_total->addSum(SumRepVoidCount, 1);
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

TReportLeaf *TRepVArticles::newLeaf() const
{
    return new TRepVArticle;
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

TReportLeaf *TRepAllVoids::newLeaf() const
{
    return new TRepVoid;
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

void TRepPays::add(const TEntryFacts &entry, const TTableFacts &)
{
    addToTotal(entry);
}

bool TRepPays::addToTotal(const TEntryFacts &entry)
{
    if (!TRepPayNode::addToTotal(entry))
        return false;
    m_total->addSum(SumGiven, entry.getLong(FGiven));
    m_total->addSum(SumReturn, entry.getLong(FReturn));
    if (entry.getBool(FInTermSum))
        m_total->addSum(SumRepPayTermSum, entry.amount());
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

TReportLeaf *TRepTables::leafOf(const Row &row) const
{
    auto *leaf = new TRepTable(row.payDate, row.payTime, row.tableDate, row.tableTime, row.inHouse);
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
    return leaf;
}

QString TRepTables::keyOf(const Row &row)
{
    const QDate d = row.payDate;
    return QString::asprintf("%4d%02d%02d%8ld", d.year(), d.month(), d.day(), long(row.archive));
}

void TRepTables::materialize() const
{
    if (!m_compact || !m_keepRecords)
        return;
    m_compact = false;
    for (const Row &row : m_rows)
        m_leaves.insert(keyOf(row), leafOf(row));
    std::vector<Row>().swap(m_rows);
    std::vector<Pay>().swap(m_pays);
}

void TRepTables::visitLeaves(const LeafVisitor &visit) const
{
    if (!m_compact || !m_keepRecords) {
        TRepPayNode::visitLeaves(visit);
        return;
    }
    visitRowsByKey(
            int(m_rows.size()), [this](int row) { return keyOf(m_rows[size_t(row)]); },
            [this](int row) { return leafOf(m_rows[size_t(row)]); }, visit);
}

namespace {

// The text the table report sorts a table by: its pay's date and time.
QString timeKey(const QDate &d, const QTime &t)
{
    return QString::asprintf("%04d%02d%02d%02d%02d%02d", d.year(), d.month(), d.day(), t.hour(),
                             t.minute(), t.second());
}

} // namespace

void TRepTables::visitByTime(const std::function<void(const TRepTable &leaf)> &visit) const
{
    if (!m_compact || !m_keepRecords) {
        // the leaves in the order of their keys, sorted stably by time
        std::vector<std::pair<QString, const TRepTable *>> sorted;
        for (const TReportLeaf *leaf : m_leaves) {
            const auto *table = static_cast<const TRepTable *>(leaf);
            sorted.emplace_back(timeKey(table->payDate(), table->payTime()), table);
        }
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        for (const auto &entry : sorted)
            visit(*entry.second);
        return;
    }
    // the same order without texts while the texts compare as the numbers
    // do: four-digit years, archive numbers of up to eight digits
    bool plain = true;
    for (const Row &row : m_rows) {
        const int year = row.payDate.year();
        plain = plain && year >= 0 && year <= 9999 && row.archive >= 0 && row.archive <= 99999999;
    }
    std::vector<int> order(m_rows.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    if (plain) {
        const auto day = [](const QDate &d) {
            return d.isValid() ? d.toJulianDay() : std::numeric_limits<qint64>::min();
        };
        const auto second = [](const QTime &t) {
            return t.isValid() ? t.msecsSinceStartOfDay() / 1000 : -1;
        };
        std::sort(order.begin(), order.end(), [&](int a, int b) {
            const Row &x = m_rows[size_t(a)];
            const Row &y = m_rows[size_t(b)];
            const qint64 dx = day(x.payDate);
            const qint64 dy = day(y.payDate);
            if (dx != dy)
                return dx < dy;
            const int sx = second(x.payTime);
            const int sy = second(y.payTime);
            if (sx != sy)
                return sx < sy;
            return x.archive < y.archive;
        });
    } else {
        std::vector<std::pair<QString, QString>> keys;
        keys.reserve(m_rows.size());
        for (const Row &row : m_rows)
            keys.emplace_back(timeKey(row.payDate, row.payTime), keyOf(row));
        std::sort(order.begin(), order.end(),
                  [&](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
    }
    for (int row : order) {
        const std::unique_ptr<TReportLeaf> leaf(leafOf(m_rows[size_t(row)]));
        visit(*static_cast<const TRepTable *>(leaf.get()));
    }
}

namespace {

// A text of a pool, or none (TTextPool::Absent), in a day aggregate.
void writePooled(TAggregateWriter &out, const TTextPool &pool, quint32 id)
{
    out.boolean(id != TTextPool::Absent);
    if (id != TTextPool::Absent)
        out.text(pool.text(id));
}

quint32 readPooled(TAggregateReader &in, TTextPool &pool)
{
    if (!in.boolean())
        return TTextPool::Absent;
    return pool.id(in);
}

} // namespace

bool TRepTables::writeDay(TAggregateWriter &out) const
{
    if (!m_compact)
        return false;
    writeTotal(out);
    out.u32(quint32(m_rows.size()));
    for (const Row &row : m_rows) {
        out.i64(row.archive);
        out.date(row.payDate);
        out.time(row.payTime);
        out.date(row.tableDate);
        out.time(row.tableTime);
        writePooled(out, m_texts, row.table);
        writePooled(out, m_texts, row.party);
        writePooled(out, m_texts, row.name);
        out.boolean(row.hasTable);
        out.boolean(row.inHouse);
        int pays = 0;
        for (int p = row.firstPay; p >= 0; p = m_pays[size_t(p)].next)
            ++pays;
        out.u32(quint32(pays));
        for (int p = row.firstPay; p >= 0; p = m_pays[size_t(p)].next) {
            const Pay &pay = m_pays[size_t(p)];
            out.i64(pay.amount);
            out.i64(pay.tip);
            out.i64(pay.guests);
            out.i64(pay.net);
            out.date(pay.date);
            out.time(pay.time);
            writePooled(out, m_texts, pay.payform);
        }
    }
    return true;
}

void TRepTables::mergeDay(TAggregateReader &in)
{
    if (!m_compact) {
        in.fail();
        return;
    }
    mergeTotal(in);
    const quint32 rows = in.count(12);
    for (quint32 r = 0; r < rows && in.ok(); ++r) {
        Row row;
        row.archive = in.i64();
        row.payDate = in.date();
        row.payTime = in.time();
        row.tableDate = in.date();
        row.tableTime = in.time();
        row.table = readPooled(in, m_texts);
        row.party = readPooled(in, m_texts);
        row.name = readPooled(in, m_texts);
        row.hasTable = in.boolean();
        row.inHouse = in.boolean();
        row.firstPay = row.lastPay = -1;
        if (!in.ok())
            return;
        // the row of the same pay day and table, when an earlier day has one
        const QDate d = row.payDate;
        int *at = nullptr;
        if (d.year() >= -999 && d.year() <= 9999)
            at = &m_rowOf[Key {d.year(), d.month(), d.day(), row.archive}];
        else
            at = &m_rowOfText[QString::asprintf("%4d%02d%02d%8ld", d.year(), d.month(), d.day(),
                                                long(row.archive))];
        if (*at == 0) {
            m_rows.push_back(row);
            *at = int(m_rows.size());
        }
        const size_t target = size_t(*at - 1);
        const quint32 pays = in.count(7);
        for (quint32 p = 0; p < pays && in.ok(); ++p) {
            Pay pay;
            pay.amount = in.i64();
            pay.tip = in.i64();
            pay.guests = in.i64();
            pay.net = in.i64();
            pay.date = in.date();
            pay.time = in.time();
            pay.payform = readPooled(in, m_texts);
            pay.next = -1;
            if (!in.ok())
                return;
            m_pays.push_back(pay);
            const int added = int(m_pays.size()) - 1;
            Row &into = m_rows[target];
            if (into.lastPay >= 0)
                m_pays[size_t(into.lastPay)].next = added;
            else
                into.firstPay = added;
            into.lastPay = added;
        }
    }
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

TReportLeaf *TRepPayforms::newLeaf() const
{
    return new TRepPayform(false);
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
    return internCopied(c);
}

quint32 TRepPayforms::internCopied(const Copied &c)
{
    auto it = m_copiedIds.constFind(c);
    if (it != m_copiedIds.cend())
        return it.value();
    const quint32 id = quint32(m_copied.size());
    m_copied.push_back(c);
    m_copiedIds.insert(c, id);
    return id;
}

namespace {

// Takes the pay as the first of its kind when its number's text sorts
// before the one noted so far.
void noteFirst(TCurrencySums::Pay &first, int number, const QString &name, const QString &shortName,
               bool hasDecPos, int decPos)
{
    if (first.number != 0 && !numberKeyBefore(number, first.number))
        return;
    first.number = number;
    first.name = name;
    first.shortName = shortName;
    first.hasDecPos = hasDecPos;
    first.decPos = decPos;
}

} // namespace

void TRepPayforms::notePay(const Note &note)
{
    TCurrencySums &sums = m_currencySums[note.currency];
    const QString &name = m_texts.text(note.name);
    const QString &shortName = m_texts.text(note.shortName);
    noteFirst(sums.first, note.number, name, shortName, note.hasDecPos, note.decPos);
    if (note.cashReturn)
        noteFirst(sums.firstReturn, note.number, name, shortName, note.hasDecPos, note.decPos);
    if (note.cashRetAmount)
        noteFirst(sums.firstRetAmount, note.number, name, shortName, note.hasDecPos, note.decPos);
}

void TRepPayforms::countCurrency(const TEntryFacts &entry, const TTableFacts &table, int number,
                                 bool taken)
{
    // what the pay's leaf would hold: its currency's number, its sums
    // (none when not taken), the table's and the pay's flags
    const TField *currency = m_returnMode ? ReturnCurrency : OwnCurrency;
    const int currencyNumber = entry.getInt(currency[0]);
    TCurrencySums &sums = m_currencySums[currencyNumber];
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
    // kept, so that a later day's pays are picked among the same way
    Note note;
    note.number = number;
    note.currency = currencyNumber;
    note.name = m_texts.id(entry.getString(currency[1]));
    note.shortName = m_texts.id(entry.getString(currency[2]));
    note.hasDecPos = entry.has(currency[4]);
    note.decPos = entry.getInt(currency[4]);
    note.cashReturn = inCash && pay.ret != 0;
    note.cashRetAmount = inCash && pay.retAmount != 0;
    if (m_dayNotes)
        m_notes.push_back(note);
    notePay(note);
}

void TRepPayforms::add(const TEntryFacts &entry, const TTableFacts &table)
{
    if (!m_perPay) {
        TRawString raw;
        if (!entry.rawText(FPayformName, raw) || raw.isNull()) {
            TRepPayNode::add(entry, table);
            return;
        }
        // the key's parts but the name, which the index compares as bytes
        const quint64 number = quint64(quint32(entry.getInt(FPayform)))
                               | quint64(!table.isNull() && table.inSum()) << 32
                               | quint64(entry.getBool(FInTermSum)) << 33;
        TReportLeaf *leaf = m_raw.find(number, raw);
        if (!leaf) {
            leaf = leafFor(keyOf(entry, table), entry, table);
            m_raw.insert(number, raw, leaf);
        }
        addToTotal(entry);
        static_cast<TRepPayLeaf *>(leaf)->add(entry);
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

TReportLeaf *TRepPayforms::leafOf(const Row &row) const
{
    static const TField Fields[Copied::Count]
            = {FPayform, FPayformName, FInTermSum, FWaiter,   FWaiterName,
               FCurr,    FCurrName,    FCurrShort, FCurrRate, FCurrDecPos};
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
    return leaf;
}

void TRepPayforms::materialize() const
{
    if (!m_perPay || !m_compact || !m_keepRecords)
        return;
    m_compact = false;
    int number = 0;
    for (const Row &row : m_rows)
        m_leaves.insert(QString::number(++number), leafOf(row));
    std::vector<Row>().swap(m_rows);
}

void TRepPayforms::visitLeaves(const LeafVisitor &visit) const
{
    if (!m_perPay || !m_compact || !m_keepRecords) {
        TRepPayNode::visitLeaves(visit);
        return;
    }
    visitRowsByKey(
            int(m_rows.size()), [](int row) { return QString::number(row + 1); },
            [this](int row) { return leafOf(m_rows[size_t(row)]); }, visit);
}

bool TRepPayforms::writeDay(TAggregateWriter &out) const
{
    if (!m_perPay)
        return TRepPayNode::writeDay(out);
    if (!m_compact || !m_dayNotes)
        return false;
    writeTotal(out);
    out.u32(quint32(m_rows.size()));
    for (const Row &row : m_rows) {
        const TPayValues &pay = row.pay;
        for (qint64 v :
             {pay.amount, pay.tip, pay.guests, pay.ret, pay.retAmount, pay.given, pay.orgGiven})
            out.i64(v);
        out.boolean(row.taken);
        const Copied &c = m_copied[row.copied];
        for (quint32 text : c.text)
            writePooled(out, m_texts, text);
        out.boolean(c.hasTable);
        out.boolean(c.vatOh);
        out.boolean(c.inSum);
        writePooled(out, m_texts, c.billNum);
    }
    out.u32(quint32(m_currencySums.size()));
    for (auto it = m_currencySums.cbegin(); it != m_currencySums.cend(); ++it) {
        const TCurrencySums &sums = it.value();
        out.i32(it.key());
        for (qint64 v : {sums.given, sums.returned, sums.notInSummary, sums.orgGiven,
                         sums.cashReturned, sums.cashRetAmount})
            out.i64(v);
    }
    out.u32(quint32(m_notes.size()));
    for (const Note &note : m_notes) {
        out.i32(note.number);
        out.i32(note.currency);
        out.text(m_texts.text(note.name));
        out.text(m_texts.text(note.shortName));
        out.i32(note.decPos);
        out.boolean(note.hasDecPos);
        out.boolean(note.cashReturn);
        out.boolean(note.cashRetAmount);
    }
    return true;
}

void TRepPayforms::mergeDay(TAggregateReader &in)
{
    if (!m_perPay) {
        TRepPayNode::mergeDay(in);
        return;
    }
    if (!m_compact) {
        in.fail();
        return;
    }
    // the pays of that day are numbered on from here
    const int offset = leafCount();
    mergeTotal(in);
    const quint32 rows = in.count(22);
    for (quint32 r = 0; r < rows && in.ok(); ++r) {
        Row row;
        TPayValues &pay = row.pay;
        for (qint64 *v : {&pay.amount, &pay.tip, &pay.guests, &pay.ret, &pay.retAmount, &pay.given,
                          &pay.orgGiven})
            *v = in.i64();
        row.taken = in.boolean();
        Copied c;
        for (quint32 &text : c.text)
            text = readPooled(in, m_texts);
        c.hasTable = in.boolean();
        c.vatOh = in.boolean();
        c.inSum = in.boolean();
        c.billNum = readPooled(in, m_texts);
        if (!in.ok())
            return;
        row.copied = internCopied(c);
        m_rows.push_back(row);
    }
    const quint32 currencies = in.count(7);
    for (quint32 i = 0; i < currencies && in.ok(); ++i) {
        const int number = in.i32();
        qint64 v[6];
        for (qint64 &x : v)
            x = in.i64();
        if (!in.ok())
            return;
        TCurrencySums &sums = m_currencySums[number];
        sums.given += v[0];
        sums.returned += v[1];
        sums.notInSummary += v[2];
        sums.orgGiven += v[3];
        sums.cashReturned += v[4];
        sums.cashRetAmount += v[5];
    }
    const quint32 notes = in.count(8);
    for (quint32 i = 0; i < notes && in.ok(); ++i) {
        Note note;
        note.number = in.i32() + offset;
        note.currency = in.i32();
        note.name = m_texts.id(in);
        note.shortName = m_texts.id(in);
        note.decPos = in.i32();
        note.hasDecPos = in.boolean();
        note.cashReturn = in.boolean();
        note.cashRetAmount = in.boolean();
        if (!in.ok())
            return;
        if (m_dayNotes)
            m_notes.push_back(note);
        notePay(note);
    }
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

TReportLeaf *TRepSubvents::newLeaf() const
{
    return new TRepSubvent;
}

bool TRepSubvents::writeDay(TAggregateWriter &out) const
{
    out.i32(m_subventions);
    return TRepPayNode::writeDay(out);
}

void TRepSubvents::mergeDay(TAggregateReader &in)
{
    m_subventions += in.i32();
    TRepPayNode::mergeDay(in);
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

TReportLeaf *TRepHotelRooms::newLeaf() const
{
    return new TRepHotelRoom;
}

QString TRepHotelRooms::mergedKey(const QString &key, int offset) const
{
    // room_party_n: n leaves were there before it
    const qsizetype cut = key.lastIndexOf(QLatin1Char('_'));
    if (cut < 0)
        return key;
    return key.left(cut + 1) + numberAfter(key.mid(cut + 1), offset);
}

// ---- cash and balance -----------------------------------------------------

TRepRecordNode::TRepRecordNode(const QString &name, std::initializer_list<Column> columns)
    : TReportNode(name)
    , m_columns(columns)
{
    for (const Column &c : m_columns) {
        if (c.cell == Number)
            ++m_numbers;
        else if (c.cell == Text)
            ++m_texts;
    }
}

bool TRepRecordNode::takes(const TEntryFacts &) const
{
    return true;
}

QString TRepRecordNode::keyOf(const TEntryFacts &entry, const TTableFacts &) const
{
    return takes(entry) ? QString::number(leafCount() + 1) : QString();
}

void TRepRecordNode::add(const TEntryFacts &entry, const TTableFacts &)
{
    if (!takes(entry))
        return;
    if (!m_keepRecords) {
        ++m_taken;
        return;
    }
    if (!m_compact) {
        const QString key = QString::number(leafCount() + 1);
        if (TReportLeaf *leaf = leafOf(entry))
            m_leaves.insert(key, leaf);
        return;
    }
    quint32 flags = 0;
    int flag = 0;
    for (const Column &c : m_columns) {
        switch (c.cell) {
        case Number:
            m_numberCells.push_back(entry.getLong(c.field));
            break;
        case Text:
            if (entry.has(c.field)) {
                const TValueField value = entry.get(c.field);
                m_textCells.push_back(m_pool.id(value.text));
                m_types.push_back(quint8(value.type));
            } else {
                m_textCells.push_back(TTextPool::Absent);
                m_types.push_back(0);
            }
            break;
        case Flag:
            if (entry.has(c.field))
                flags |= 1u << flag;
            ++flag;
            break;
        }
    }
    m_flagCells.push_back(flags);
    ++m_rows;
}

void TRepRecordNode::rowRecord(int row, TValue &record) const
{
    const qint64 *numbers = m_numberCells.data() + size_t(row) * size_t(m_numbers);
    const size_t texts = size_t(row) * size_t(m_texts);
    const quint32 flags = m_flagCells[size_t(row)];
    int number = 0;
    int text = 0;
    int flag = 0;
    for (const Column &c : m_columns) {
        switch (c.cell) {
        case Number:
            record.set(fieldName(c.field), TValueField(TypeText, integerText(numbers[number++])));
            break;
        case Text: {
            const quint32 id = m_textCells[texts + size_t(text)];
            if (id != TTextPool::Absent)
                record.set(fieldName(c.field),
                           TValueField(m_types[texts + size_t(text)], m_pool.text(id)));
            ++text;
            break;
        }
        case Flag:
            if (flags & (1u << flag))
                record.set(fieldName(c.field), TValueField(TypeText, QString()));
            ++flag;
            break;
        }
    }
}

TReportLeaf *TRepRecordNode::rowLeaf(int row) const
{
    TValue record;
    rowRecord(row, record);
    TEntryFacts facts;
    facts.takeRecord(record);
    return leafOf(facts);
}

void TRepRecordNode::visitRecords(
        const std::function<void(int number, const TReportLeaf &leaf)> &visit) const
{
    if (m_keepRecords && m_compact) {
        for (int row = 0; row < m_rows; ++row) {
            const std::unique_ptr<TReportLeaf> leaf(rowLeaf(row));
            if (leaf)
                visit(row + 1, *leaf);
        }
        return;
    }
    std::vector<std::pair<qint64, const TReportLeaf *>> numbered;
    for (auto it = m_leaves.cbegin(); it != m_leaves.cend(); ++it)
        numbered.emplace_back(it.key().toLongLong(), it.value());
    std::stable_sort(numbered.begin(), numbered.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &[number, leaf] : numbered)
        visit(int(number), *leaf);
}

void TRepRecordNode::visitLeaves(const LeafVisitor &visit) const
{
    if (!m_keepRecords || !m_compact) {
        TReportNode::visitLeaves(visit);
        return;
    }
    visitRowsByKey(
            m_rows, [](int row) { return QString::number(row + 1); },
            [this](int row) { return rowLeaf(row); }, visit);
}

void TRepRecordNode::materialize() const
{
    if (!m_compact || !m_keepRecords)
        return;
    m_compact = false;
    for (int row = 0; row < m_rows; ++row) {
        if (TReportLeaf *leaf = rowLeaf(row))
            m_leaves.insert(QString::number(row + 1), leaf);
    }
    std::vector<qint64>().swap(m_numberCells);
    std::vector<quint32>().swap(m_textCells);
    std::vector<quint8>().swap(m_types);
    std::vector<quint32>().swap(m_flagCells);
    m_rows = 0;
}

bool TRepRecordNode::writeDay(TAggregateWriter &out) const
{
    out.boolean(m_compact);
    if (!m_compact)
        return TReportNode::writeDay(out);
    writeTotal(out);
    out.u32(quint32(m_rows));
    for (int row = 0; row < m_rows; ++row) {
        for (int i = 0; i < m_numbers; ++i)
            out.i64(m_numberCells[size_t(row) * size_t(m_numbers) + size_t(i)]);
        for (int i = 0; i < m_texts; ++i) {
            const size_t at = size_t(row) * size_t(m_texts) + size_t(i);
            writePooled(out, m_pool, m_textCells[at]);
            out.u8(m_types[at]);
        }
        out.u32(m_flagCells[size_t(row)]);
    }
    return true;
}

void TRepRecordNode::mergeDay(TAggregateReader &in)
{
    if (!in.boolean()) {
        // the day's leaves, numbered on after the records here
        if (!m_keepRecords) {
            in.fail();
            return;
        }
        materialize();
        TReportNode::mergeDay(in);
        return;
    }
    mergeTotal(in);
    const quint32 rows = in.count(m_numbers + m_texts * 2 + 1);
    for (quint32 r = 0; r < rows && in.ok(); ++r) {
        for (int i = 0; i < m_numbers; ++i)
            m_numberCells.push_back(in.i64());
        for (int i = 0; i < m_texts; ++i) {
            m_textCells.push_back(readPooled(in, m_pool));
            m_types.push_back(in.u8());
        }
        m_flagCells.push_back(in.u32());
        ++m_rows;
        if (!m_compact || !m_keepRecords || !in.ok()) {
            // a node that keeps no records counts the row; one that holds
            // leaves takes it as a leaf
            if (in.ok() && !m_keepRecords) {
                ++m_taken;
            } else if (in.ok()) {
                if (TReportLeaf *leaf = rowLeaf(m_rows - 1))
                    m_leaves.insert(QString::number(m_leaves.size() + 1), leaf);
            }
            m_numberCells.resize(m_numberCells.size() - size_t(m_numbers));
            m_textCells.resize(m_textCells.size() - size_t(m_texts));
            m_types.resize(m_types.size() - size_t(m_texts));
            m_flagCells.pop_back();
            --m_rows;
        }
    }
}

int TRepRecordNode::leafCount() const
{
    if (!m_keepRecords)
        return m_taken;
    return m_compact ? m_rows : int(m_leaves.size());
}

TRepCashNode::TRepCashNode(const QString &name)
    : TRepRecordNode(name, {{FRetCurr, Text},
                            {FRetCurrName, Text},
                            {FRetCurrShort, Text},
                            {FRetCurrRate, Text},
                            {FRetCurrDecPos, Text},
                            {FAmount, Number},
                            {FRetAmount, Number},
                            {FReason, Text}})
{ }

TReportLeaf *TRepCashNode::createLeaf(const TEntryFacts &entry, const TTableFacts &)
{
    return new TRepCashLeaf(entry);
}

TReportLeaf *TRepCashNode::newLeaf() const
{
    return new TRepCashLeaf;
}

QString TRepCashNode::mergedKey(const QString &key, int offset) const
{
    return numberAfter(key, offset);
}

TReportLeaf *TRepCashNode::leafOf(const TEntryFacts &entry) const
{
    auto *leaf = new TRepCashLeaf(entry);
    leaf->add(entry);
    return leaf;
}

TRepCashIns::TRepCashIns()
    : TRepCashNode(QStringLiteral("cashins"))
{ }

bool TRepCashIns::takes(const TEntryFacts &entry) const
{
    return entry.amount() >= 0;
}

TRepCashOuts::TRepCashOuts()
    : TRepCashNode(QStringLiteral("cashouts"))
{ }

bool TRepCashOuts::takes(const TEntryFacts &entry) const
{
    return entry.amount() <= 0;
}

TRepBalanceNode::TRepBalanceNode()
    : TRepRecordNode(QStringLiteral("balances"), {{FCcdAmount, Number},
                                                  {FCcdBalance, Number},
                                                  {FCcdDifferences, Number},
                                                  {FAllWaiters, Flag},
                                                  {FCcdTerminal, Flag},
                                                  {FCcdCostCenter, Flag},
                                                  {FWaiter, Text},
                                                  {FWaiterName, Text},
                                                  {FTerminal, Text},
                                                  {FTermName, Text},
                                                  {FCenter, Text},
                                                  {FCenterName, Text}})
{ }

TReportLeaf *TRepBalanceNode::createLeaf(const TEntryFacts &, const TTableFacts &)
{
    return new TRepBalanceLeaf;
}

TReportLeaf *TRepBalanceNode::newLeaf() const
{
    return new TRepBalanceLeaf;
}

QString TRepBalanceNode::mergedKey(const QString &key, int offset) const
{
    return numberAfter(key, offset);
}

TReportLeaf *TRepBalanceNode::leafOf(const TEntryFacts &entry) const
{
    auto *leaf = new TRepBalanceLeaf;
    leaf->add(entry);
    return leaf;
}

} // namespace PosLib
