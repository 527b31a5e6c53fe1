#pragma once

#include "trecordcodec.h"

#include <QByteArray>
#include <QHash>

#include <cstring>
#include <vector>

namespace PosLib {

class TReportLeaf;

// The leaves of a node by a key of numbers that spells out the node's key:
// a cache in front of the node's leaves by text.
template<typename Key>
class TLeafIndex
{
public:
    TReportLeaf *find(const Key &key) const { return m_leaves.value(key, nullptr); }
    void insert(const Key &key, TReportLeaf *leaf)
    {
        if (leaf)
            m_leaves.insert(key, leaf);
    }

private:
    QHash<Key, TReportLeaf *> m_leaves;
};

// The leaves of a node by a number, in one flat table: what every order
// looks up several times per group, so a probe is a multiplication and a
// compare rather than a general hash.
class TNumberLeafIndex
{
public:
    TReportLeaf *find(qint64 key) const
    {
        if (m_slots.empty())
            return nullptr;
        for (size_t i = slotOf(key);; i = (i + 1) & (m_slots.size() - 1)) {
            const Slot &slot = m_slots[i];
            if (!slot.leaf || slot.key == key)
                return slot.leaf;
        }
    }
    // `key` must not be in the index yet; a null leaf is not kept.
    void insert(qint64 key, TReportLeaf *leaf);

private:
    struct Slot
    {
        qint64 key = 0;
        TReportLeaf *leaf = nullptr;
    };
    size_t slotOf(qint64 key) const
    {
        return size_t((quint64(key) * 0x9E3779B97F4A7C15ull) >> m_shift);
    }
    void place(qint64 key, TReportLeaf *leaf);

    std::vector<Slot> m_slots;
    size_t m_used = 0;
    int m_shift = 64;
};

// The leaves of a node by numbers and a text as a file holds its bytes, in
// front of the node's own lookup: most entries of a file find their leaf
// without decoding the text. Texts that spell the same key differently
// (line breaks the key leaves out) are told apart here and share the leaf.
template<typename Key>
class TRawLeafIndex
{
public:
    TReportLeaf *find(const Key &key, Basics::TRawString text) const
    {
        auto it = m_texts.constFind(key);
        if (it == m_texts.cend())
            return nullptr;
        for (const Text &t : it.value()) {
            if (t.bytes.size() == text.size
                && std::memcmp(t.bytes.constData(), text.data, size_t(text.size)) == 0)
                return t.leaf;
        }
        return nullptr;
    }
    void insert(const Key &key, Basics::TRawString text, TReportLeaf *leaf)
    {
        if (leaf && !text.isNull())
            m_texts[key].push_back(
                    {QByteArray(reinterpret_cast<const char *>(text.data), text.size), leaf});
    }

private:
    struct Text
    {
        QByteArray bytes;
        TReportLeaf *leaf;
    };
    QHash<Key, std::vector<Text>> m_texts;
};

} // namespace PosLib
