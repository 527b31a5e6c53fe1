#include "treportnodebase.h"

#include "taggregatestream.h"
#include "terror.h"
#include "tfactsof.h"
#include "tlog.h"
#include "tlogcategories.h"
#include "tsavefile.h"
#include "ttable.h"
#include "ttableentry.h"

#include <QDomDocument>
#include <QSet>
#include <QTextStream>

#include <atomic>

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

std::atomic<int> g_spoolLeaves {64};

} // namespace

// ---- TReportNode ----------------------------------------------------------

void TReportNode::setSpoolLeaves(int leaves)
{
    g_spoolLeaves = leaves;
}

int TReportNode::spoolLeaves()
{
    return g_spoolLeaves;
}

TReportNode::TReportNode(const QString &name)
    : m_name(name)
{ }

TReportNode::~TReportNode()
{
    qDeleteAll(m_leaves);
}

void TReportNode::spoolLeavesBeyond(const TLeafSpool::Order &order)
{
    m_spoolAt = g_spoolLeaves;
    m_spoolOrder = order;
}

std::vector<TLeafSpool::Held> TReportNode::heldLeaves() const
{
    std::vector<TLeafSpool::Held> held;
    held.reserve(size_t(m_leaves.size()));
    for (auto it = m_leaves.cbegin(); it != m_leaves.cend(); ++it)
        held.push_back({it.key(), it.value()});
    return held;
}

void TReportNode::spoolWhenFull()
{
    m_keyCount = -1;
    if (m_spoolAt <= 0 || int(m_leaves.size()) < m_spoolAt)
        return;
    if (!spoolable()) {
        unspool();
        m_spoolAt = 0;
        return;
    }
    if (!m_spool)
        m_spool = std::make_unique<TLeafSpool>([this] { return newLeaf(); }, m_spoolOrder);
    if (!m_spool->add(heldLeaves())) {
        // held in memory from now on
        m_spoolAt = 0;
        return;
    }
    qDeleteAll(m_leaves);
    m_leaves.clear();
    m_merged.clear();
}

void TReportNode::unspool() const
{
    if (!spooled())
        return;
    const std::vector<TLeafSpool::Held> held = heldLeaves();
    Leaves all;
    QSet<const TReportLeaf *> kept;
    m_spool->forEach(
            held, false,
            [&](const QString &key, TReportLeaf &leaf, std::unique_ptr<TReportLeaf> &made) {
                if (!made)
                    kept.insert(&leaf);
                all.insert(all.cend(), key, made ? made.release() : &leaf);
            });
    // a held leaf of a key spooled before was added to the spooled one
    for (const TLeafSpool::Held &h : held) {
        if (!kept.contains(h.leaf))
            delete h.leaf;
    }
    m_leaves = std::move(all);
    m_merged.clear();
    m_spool.reset();
    // what holds the leaves now may keep them
    m_spoolAt = 0;
}

int TReportNode::recordLeafCount() const
{
    if (!spooled())
        return int(m_leaves.size());
    if (m_keyCount < 0)
        m_keyCount = m_spool->keyCount(heldLeaves());
    return m_keyCount;
}

void TReportNode::visitSpoolOrder(const LeafVisitor &visit) const
{
    if (!spooled()) {
        visitLeaves(visit);
        return;
    }
    m_spool->forEach(heldLeaves(), true,
                     [&visit](const QString &key, TReportLeaf &leaf,
                              std::unique_ptr<TReportLeaf> &) { visit(key, leaf); });
}

void TReportNode::visitLeaves(const LeafVisitor &visit) const
{
    if (spooled()) {
        m_spool->forEach(heldLeaves(), false,
                         [&visit](const QString &key, TReportLeaf &leaf,
                                  std::unique_ptr<TReportLeaf> &) { visit(key, leaf); });
        return;
    }
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
    // one walk down the tree: where the key is, or goes
    const auto at = m_leaves.lowerBound(key);
    if (at != m_leaves.end() && !(key < at.key()))
        return current(at.value(), entry, table);
    TReportLeaf *leaf = createLeaf(entry, table);
    if (leaf) {
        leaf->setDay(m_day);
        m_leaves.insert(at, key, leaf);
    }
    return leaf;
}

void TReportNode::refill(TReportLeaf &leaf, const TEntryFacts &entry, const TTableFacts &table)
{
    leaf.restart();
    const std::unique_ptr<TReportLeaf> made(createLeaf(entry, table));
    if (made)
        leaf.takeFields(*made);
}

void TReportNode::nextDay()
{
    ++m_day;
    m_taken = 0;
    m_merged.clear();
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
    materialize();
    writeTotal(out);
    if (m_day == 0) {
        out.u32(quint32(m_leaves.size()));
        for (auto it = m_leaves.cbegin(); it != m_leaves.cend(); ++it) {
            out.text(it.key());
            it.value()->writeState(out);
        }
        return true;
    }
    // restarted: the leaves kept from earlier days are not the day's
    quint32 today = 0;
    for (const TReportLeaf *leaf : std::as_const(m_leaves))
        today += ofToday(*leaf) ? 1 : 0;
    out.u32(today);
    for (auto it = m_leaves.cbegin(); it != m_leaves.cend(); ++it) {
        if (!ofToday(*it.value()))
            continue;
        out.text(it.key());
        it.value()->writeState(out);
    }
    return true;
}

void TReportNode::mergeDay(TAggregateReader &in)
{
    const int offset = leavesTaken();
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
    spoolWhenFull();
}

QString TReportNode::mergedKey(const QString &key, int) const
{
    return key;
}

} // namespace PosLib
