#include "trepordernodes.h"

#include "tfactsof.h"
#include "tnodeparts.h"
#include "ttable.h"
#include "ttableentry.h"

#include <QTextStream>

#include <algorithm>

using namespace Basics;

namespace PosLib {

using namespace NodeParts;

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
            return current(leaf, entry, table);
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

bool TRepOrderNode::restart()
{
    nextDay();
    m_total->restart();
    return true;
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
        return current(leaf, entry, table);
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

namespace {

// The key of an article from its parts: the number at least 10 digits
// wide, the price, the name (without line breaks); built in one piece, as a
// key is made for every new article of every day cached.
QString articleKeyOf(qint64 plu, qint64 price, const QString &name)
{
    if (plu < 0) {
        return QStringLiteral("%1:%2:%3").arg(plu, 10, 10, QLatin1Char('0')).arg(price).arg(name);
    }
    char digits[2 * 20 + 2];
    char *end = digits + sizeof digits;
    char *at = end;
    auto put = [&at](quint64 v) {
        do {
            *--at = char('0' + v % 10);
            v /= 10;
        } while (v != 0);
    };
    // the price (a sign of its own), then the number, right to left
    put(price < 0 ? 0 - quint64(price) : quint64(price));
    if (price < 0)
        *--at = '-';
    *--at = ':';
    char *const numberEnd = at;
    put(quint64(plu));
    while (numberEnd - at < 10)
        *--at = '0';
    QString key;
    key.reserve(qsizetype(end - at) + 1 + name.size());
    key.append(QLatin1String(at, qsizetype(end - at)));
    key.append(QLatin1Char(':')).append(name);
    return key;
}

} // namespace

QString articleKey(const TEntryFacts &entry)
{
    return articleKeyOf(entry.plu(), entry.price(), withoutLineBreaks(entry.getString(FArticle)));
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
            return current(leaf, entry, table);
    }
    const Key key {number.first, number.second, withoutLineBreaks(entry.getString(FArticle))};
    // the index by text serves the records in memory; those of a file are
    // found by their bytes, and the leaves of the same article spelled
    // otherwise by their key
    TReportLeaf *leaf = fromFile ? nullptr : current(m_index.find(key), entry, table);
    if (!leaf) {
        leaf = leafFor(articleKeyOf(key.plu, key.price, key.text), entry, table);
        if (!fromFile)
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

void TRepArticles::refill(TReportLeaf &leaf, const TEntryFacts &entry, const TTableFacts &)
{
    static_cast<TRepArticle &>(leaf).refill(entry);
}

// ---- hours ----------------------------------------------------------------

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

} // namespace PosLib
