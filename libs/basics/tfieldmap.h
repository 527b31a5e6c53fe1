#pragma once

#include <QList>
#include <QString>

#include <algorithm>

namespace Basics {

// The fields of a record: names with their values, kept sorted by name in
// one array. Records hold a dozen or two fields and are read far more
// often than changed, so a sorted array beats a tree: one allocation per
// record, lookups by binary search over adjacent memory, and fields read
// in name order (as files store them) are appended at the end. Copies
// share the array until one of them changes.
template<typename T>
class TFieldMap
{
    struct Entry
    {
        QString key;
        T value;
    };
    using Entries = QList<Entry>;

public:
    class const_iterator
    {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using difference_type = qsizetype;
        using value_type = T;
        using pointer = const T *;
        using reference = const T &;

        const_iterator() = default;
        const QString &key() const { return m_it->key; }
        const T &value() const { return m_it->value; }
        const T &operator*() const { return m_it->value; }
        const T *operator->() const { return &m_it->value; }
        const_iterator &operator++()
        {
            ++m_it;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator old = *this;
            ++m_it;
            return old;
        }
        const_iterator &operator--()
        {
            --m_it;
            return *this;
        }
        bool operator==(const const_iterator &o) const { return m_it == o.m_it; }
        bool operator!=(const const_iterator &o) const { return m_it != o.m_it; }

    private:
        friend class TFieldMap;
        explicit const_iterator(typename Entries::const_iterator it)
            : m_it(it)
        { }
        typename Entries::const_iterator m_it;
    };

    // The order of the names: UTF-16 code units, shorter first on a tie,
    // as QString's operator< orders them.
    static bool lessKey(const QString &a, const QString &b)
    {
        const qsizetype n = std::min(a.size(), b.size());
        const QChar *pa = a.constData();
        const QChar *pb = b.constData();
        for (qsizetype i = 0; i < n; ++i) {
            if (pa[i] != pb[i])
                return pa[i].unicode() < pb[i].unicode();
        }
        return a.size() < b.size();
    }

    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    void clear() { m_entries.clear(); }

    const_iterator cbegin() const { return const_iterator(m_entries.cbegin()); }
    const_iterator cend() const { return const_iterator(m_entries.cend()); }
    const_iterator begin() const { return cbegin(); }
    const_iterator end() const { return cend(); }

    const_iterator constFind(const QString &key) const
    {
        const qsizetype at = lowerBound(key);
        if (at < m_entries.size() && m_entries.at(at).key == key)
            return const_iterator(m_entries.cbegin() + at);
        return cend();
    }
    bool contains(const QString &key) const { return constFind(key) != cend(); }

    const QString &firstKey() const { return m_entries.first().key; }

    void insert(const QString &key, const T &value)
    {
        // fields read in name order go to the end
        if (m_entries.isEmpty() || lessKey(m_entries.last().key, key)) {
            m_entries.append(Entry {key, value});
            return;
        }
        const qsizetype at = lowerBound(key);
        if (at < m_entries.size() && m_entries.at(at).key == key)
            m_entries[at].value = value;
        else
            m_entries.insert(at, Entry {key, value});
    }

    // Removes the field; returns the number removed (0 or 1).
    qsizetype remove(const QString &key)
    {
        const qsizetype at = lowerBound(key);
        if (at < m_entries.size() && m_entries.at(at).key == key) {
            m_entries.remove(at);
            return 1;
        }
        return 0;
    }

    void reserve(qsizetype n) { m_entries.reserve(n); }

    bool operator==(const TFieldMap &o) const
    {
        if (m_entries.size() != o.m_entries.size())
            return false;
        for (qsizetype i = 0; i < m_entries.size(); ++i) {
            if (m_entries.at(i).key != o.m_entries.at(i).key
                || !(m_entries.at(i).value == o.m_entries.at(i).value))
                return false;
        }
        return true;
    }

private:
    qsizetype lowerBound(const QString &key) const
    {
        qsizetype low = 0;
        qsizetype high = m_entries.size();
        while (low < high) {
            const qsizetype mid = (low + high) / 2;
            if (lessKey(m_entries.at(mid).key, key))
                low = mid + 1;
            else
                high = mid;
        }
        return low;
    }

    Entries m_entries;
};

} // namespace Basics
