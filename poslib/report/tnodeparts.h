#pragma once

#include "taggregatestream.h"
#include "treportnodebase.h"
#include "ttextpool.h"

#include <QString>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace PosLib {

// Small pieces the node families share: how they spell keys, list rows as
// leaves and keep pooled texts in a day aggregate.
namespace NodeParts {

// The text without CR and LF; the text itself when it has none.
inline QString withoutLineBreaks(QString text)
{
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'))) {
        text.remove(QLatin1Char('\r'));
        text.remove(QLatin1Char('\n'));
    }
    return text;
}

// Calls `visit(n)` for the numbers 1 to `count` in the order of their
// texts ("1", "10", "100", "11", …, "2"), as a map keyed by them holds them.
template<typename Visit>
void forNumbersAsTexts(int count, Visit visit)
{
    qint64 number = 1;
    for (int i = 0; i < count; ++i) {
        visit(int(number));
        if (number * 10 <= count) {
            number *= 10;
            continue;
        }
        // the next text after this one and all that begin with it
        while (number >= count || number % 10 == 9)
            number /= 10;
        ++number;
    }
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

// A leaf number of a later day, after the `offset` leaves before it.
inline QString numberAfter(const QString &key, int offset)
{
    bool ok = false;
    const qint64 number = key.toLongLong(&ok);
    return ok ? QString::number(number + offset) : key;
}

// A text of a pool, or none (TTextPool::Absent), in a day aggregate.
inline void writePooled(TAggregateWriter &out, const TTextPool &pool, quint32 id)
{
    out.boolean(id != TTextPool::Absent);
    if (id != TTextPool::Absent)
        out.pooled(pool, id);
}

inline quint32 readPooled(TAggregateReader &in, TTextPool &pool)
{
    if (!in.boolean())
        return TTextPool::Absent;
    return pool.id(in);
}

} // namespace NodeParts

} // namespace PosLib
