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

} // namespace

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
    // one walk down the tree: where the key is, or goes
    const auto at = m_leaves.lowerBound(key);
    if (at != m_leaves.end() && !(key < at.key()))
        return at.value();
    TReportLeaf *leaf = createLeaf(entry, table);
    if (leaf)
        m_leaves.insert(at, key, leaf);
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

} // namespace PosLib
