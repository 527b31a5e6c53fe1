#pragma once

#include "treportnodebase.h"
#include "trepvoidleaves.h"

#include <memory>

namespace PosLib {

// ---- void nodes -----------------------------------------------------------

class TRepVoidNode : public TReportNode
{
public:
    explicit TRepVoidNode(const QString &name);
    const TReportLeaf *total() const override { return m_total.get(); }
    // The total takes every void, whatever its key.
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    void writeText(const QString &prefix, const Basics::TValue &record, QTextStream &out,
                   QStringList &columns) const override;
    void writeXml(QDomDocument &doc, QDomNode &parent) const override;

protected:
    virtual bool addToTotal(const TEntryFacts &entry);
    std::unique_ptr<TRepVoidLeaf> m_total;
};

class TRepVoids : public TRepVoidNode
{
public:
    TRepVoids();
    using TRepVoidNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    // The total emptied (the node has no leaves of its own).
    bool restart() override;

protected:
    bool addToTotal(const TEntryFacts &entry) override;
};

class TRepVArticles : public TRepVoidNode
{
public:
    TRepVArticles();
    TReportLeaf *newLeaf() const override;
    // The total emptied, the leaves kept.
    bool restart() override;
    using TRepVoidNode::createLeaf;
    using TRepVoidNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;
};

class TRepAllVoids : public TRepVoidNode
{
public:
    TRepAllVoids();
    TReportLeaf *newLeaf() const override;
    void add(const TEntryFacts &entry, const TTableFacts &table) override;
    using TRepVoidNode::createLeaf;
    using TRepVoidNode::keyOf;
    QString keyOf(const TEntryFacts &entry, const TTableFacts &table) const override;
    TReportLeaf *createLeaf(const TEntryFacts &entry, const TTableFacts &table) override;

protected:
    int leafCount() const override;
};

} // namespace PosLib
