#include "tleafspool.h"

#include "taggregatestream.h"
#include "terror.h"
#include "treportleaf.h"
#include "tspoolreader.h"

#include <QByteArray>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace Basics;

namespace PosLib {

namespace {

void appendNumber(QByteArray &out, quint32 n)
{
    out.append(reinterpret_cast<const char *>(&n), sizeof n);
}

void appendText(QByteArray &out, const QString &text)
{
    appendNumber(out, quint32(text.size()));
    out.append(reinterpret_cast<const char *>(text.constData()),
               qsizetype(text.size() * qsizetype(sizeof(QChar))));
}

// A leaf's state as a day aggregate of its own.
QByteArray stateOf(const TReportLeaf &leaf)
{
    TAggregateWriter out;
    leaf.writeState(out);
    return out.bytes();
}

} // namespace

// The records of a section one after another: their length, the order
// text, the key, the leaf's state. Reads a block of the file at a time.
class TLeafSpool::Cursor
{
public:
    // `byOrder`: the records are read in the order of their order texts,
    // else of their keys (and their order texts are passed over)
    Cursor(const QTemporaryFile *file, const Section &section, bool byOrder)
        : m_in(file, section.begin, section.end)
        , m_byOrder(byOrder)
    {
        advance();
    }
    bool atEnd() const { return m_atEnd; }
    const QString &order() const { return m_orderText; }
    const QString &key() const { return m_key; }
    const QByteArray &state() const { return m_state; }
    void advance()
    {
        if (m_in.atEnd()) {
            m_atEnd = true;
            return;
        }
        quint32 size = 0;
        m_in.read(&size, sizeof size);
        m_record.resize(qsizetype(size));
        m_in.read(m_record.data(), size);
        qsizetype at = 0;
        const QString order = textAt(at);
        if (m_byOrder)
            m_orderText = order;
        m_key = textAt(at);
        m_state = m_record.mid(at);
    }

private:
    QString textAt(qsizetype &at) const
    {
        quint32 n = 0;
        if (at + qsizetype(sizeof n) > m_record.size())
            m_in.fail(EIO);
        std::memcpy(&n, m_record.constData() + at, sizeof n);
        at += qsizetype(sizeof n);
        const qsizetype bytes = qsizetype(n) * qsizetype(sizeof(QChar));
        if (at + bytes > m_record.size())
            m_in.fail(EIO);
        QString text(qsizetype(n), Qt::Uninitialized);
        std::memcpy(text.data(), m_record.constData() + at, size_t(bytes));
        at += bytes;
        return text;
    }
    TSpoolReader m_in;
    bool m_byOrder;
    bool m_atEnd = false;
    QByteArray m_record;
    QString m_orderText;
    QString m_key;
    QByteArray m_state;
};

TLeafSpool::TLeafSpool(NewLeaf newLeaf, Order order)
    : m_newLeaf(std::move(newLeaf))
    , m_order(std::move(order))
{ }

TLeafSpool::~TLeafSpool() = default;

bool TLeafSpool::add(const std::vector<Held> &leaves)
{
    std::vector<QByteArray> records;
    std::vector<QString> orders;
    records.reserve(leaves.size());
    for (const Held &held : leaves) {
        const QString order = m_order ? m_order(*held.leaf) : QString();
        QByteArray record;
        appendText(record, order);
        appendText(record, held.key);
        record.append(stateOf(*held.leaf));
        records.push_back(std::move(record));
        orders.push_back(order);
    }
    const auto section = [&records](const std::vector<size_t> &indexes) {
        QByteArray bytes;
        for (size_t i : indexes) {
            appendNumber(bytes, quint32(records[i].size()));
            bytes.append(records[i]);
        }
        return bytes;
    };
    std::vector<size_t> indexes(leaves.size());
    for (size_t i = 0; i < indexes.size(); ++i)
        indexes[i] = i;
    Run run {};
    const qint64 end = m_file.end();
    bool ok = m_file.append(section(indexes), run.byKey.begin, run.byKey.end);
    if (ok && m_order) {
        std::sort(indexes.begin(), indexes.end(), [&](size_t a, size_t b) {
            if (orders[a] != orders[b])
                return orders[a] < orders[b];
            return leaves[a].key < leaves[b].key;
        });
        ok = m_file.append(section(indexes), run.byOrder.begin, run.byOrder.end);
    }
    if (!ok) {
        m_file.rewind(end);
        return false;
    }
    m_runs.push_back(run);
    m_written += int(leaves.size());
    return true;
}

void TLeafSpool::merge(const std::vector<Held> &held, bool byOrder, int *keys,
                       const Visit &visit) const
{
    const bool keysOnly = keys != nullptr;
    std::vector<std::unique_ptr<Cursor>> cursors;
    for (const Run &run : m_runs)
        cursors.push_back(std::make_unique<Cursor>(m_file.file(), byOrder ? run.byOrder : run.byKey,
                                                   byOrder));
    // the leaves held, in the order read
    std::vector<std::pair<QString, size_t>> tail;
    tail.reserve(held.size());
    for (size_t i = 0; i < held.size(); ++i)
        tail.emplace_back(byOrder ? m_order(*held[i].leaf) : QString(), i);
    if (byOrder) {
        std::sort(tail.begin(), tail.end(), [&held](const auto &a, const auto &b) {
            if (a.first != b.first)
                return a.first < b.first;
            return held[a.second].key < held[b.second].key;
        });
    }
    size_t tailAt = 0;
    const auto less = [](const QString &order, const QString &key, const QString &otherOrder,
                         const QString &otherKey) {
        if (order != otherOrder)
            return order < otherOrder;
        return key < otherKey;
    };
    for (;;) {
        const QString *order = nullptr;
        const QString *key = nullptr;
        for (const auto &cursor : cursors) {
            if (!cursor->atEnd() && (!key || less(cursor->order(), cursor->key(), *order, *key))) {
                order = &cursor->order();
                key = &cursor->key();
            }
        }
        if (tailAt < tail.size()) {
            const auto &t = tail[tailAt];
            if (!key || less(t.first, held[t.second].key, *order, *key)) {
                order = &t.first;
                key = &held[t.second].key;
            }
        }
        if (!key)
            return;
        // copies: the cursors move on
        const QString nextOrder = *order;
        const QString nextKey = *key;
        std::unique_ptr<TReportLeaf> made;
        for (const auto &cursor : cursors) {
            while (!cursor->atEnd() && cursor->order() == nextOrder && cursor->key() == nextKey) {
                if (!keysOnly) {
                    const bool fresh = !made;
                    if (fresh)
                        made.reset(m_newLeaf());
                    TAggregateReader in(cursor->state());
                    made->readState(in, fresh);
                    if (!in.ok())
                        throw TFileError(T_SOURCE, 304, 310, EIO, m_file.file()->fileName());
                }
                cursor->advance();
            }
        }
        TReportLeaf *leaf = made.get();
        while (tailAt < tail.size() && tail[tailAt].first == nextOrder
               && held[tail[tailAt].second].key == nextKey) {
            TReportLeaf *tailLeaf = held[tail[tailAt].second].leaf;
            ++tailAt;
            if (keysOnly)
                continue;
            if (!leaf) {
                leaf = tailLeaf;
                continue;
            }
            // a later day's, as the node would have added it
            const QByteArray state = stateOf(*tailLeaf);
            TAggregateReader in(state);
            leaf->readState(in, false);
        }
        if (keysOnly)
            ++*keys;
        else
            visit(nextKey, *leaf, made);
    }
}

void TLeafSpool::forEach(const std::vector<Held> &held, bool byOrder, const Visit &visit) const
{
    merge(held, byOrder && m_order, nullptr, visit);
}

int TLeafSpool::keyCount(const std::vector<Held> &held) const
{
    int count = 0;
    merge(held, false, &count, Visit());
    return count;
}

} // namespace PosLib
