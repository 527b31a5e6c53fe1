#include "trepvoidnodes.h"

#include "tfactsof.h"
#include "ttable.h"
#include "ttableentry.h"

#include <QTextStream>

using namespace Basics;

namespace PosLib {

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

bool TRepVoids::restart()
{
    nextDay();
    m_total->restart();
    return true;
}

bool TRepVArticles::restart()
{
    nextDay();
    m_total->restart();
    return true;
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
{
    // a leaf per second with voids: a year's are many
    spoolLeavesBeyond();
}

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
        spoolWhenFull();
        return;
    }
    // every void has a key here
    addToTotal(entry);
    ++m_taken;
}

int TRepAllVoids::leafCount() const
{
    return m_keepRecords ? recordLeafCount() : m_taken;
}

} // namespace PosLib
