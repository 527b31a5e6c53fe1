#pragma once

#include "tspoolfile.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace PosLib {

class TReportLeaf;

// The leaves of a record node ("allvoids", "hotrooms") that holds more than
// fit in little memory: written to a temporary file in runs, each leaf as
// its key and its day aggregate state, and read back merged, a leaf at a
// time. A run is written in the order of its keys and, when the spool has
// an order of its own, a second time in that order (its text first, the
// key on a tie). A key in several runs is one leaf again when read: made of
// its first run's state, the later ones added as a later day's
// (TReportLeaf::readState), which is what adding all its entries to one
// leaf gives.
class TLeafSpool
{
public:
    // The text a leaf sorts by in the second order.
    using Order = std::function<QString(const TReportLeaf &leaf)>;
    // A new leaf of the node's kind without values.
    using NewLeaf = std::function<TReportLeaf *()>;
    explicit TLeafSpool(NewLeaf newLeaf, Order order = Order());
    ~TLeafSpool();
    TLeafSpool(const TLeafSpool &) = delete;
    TLeafSpool &operator=(const TLeafSpool &) = delete;

    bool isEmpty() const { return m_runs.empty(); }
    bool hasOrder() const { return bool(m_order); }
    // The leaves written so far, a key in two runs counted twice.
    int written() const { return m_written; }

    // A leaf held in memory, not written yet.
    struct Held
    {
        QString key;
        TReportLeaf *leaf;
    };
    // Writes `leaves` (in key order) as a run; false when no temporary file
    // can be made or written (nothing of the run is kept then).
    bool add(const std::vector<Held> &leaves);

    // Calls `visit` for each key of the runs and of `held` (in key order,
    // the leaves not written yet, which come after every run), in key order
    // or, with `byOrder`, in the spool's order. `leaf` is a leaf of `held`
    // when the key is in no run, else one made for the call, which `made`
    // owns (and the visitor may take). Throws Basics::TError when the file
    // cannot be read back.
    using Visit = std::function<void(const QString &key, TReportLeaf &leaf,
                                     std::unique_ptr<TReportLeaf> &made)>;
    void forEach(const std::vector<Held> &held, bool byOrder, const Visit &visit) const;
    // The number of different keys in the runs and `held`.
    int keyCount(const std::vector<Held> &held) const;

private:
    struct Section
    {
        qint64 begin;
        qint64 end;
    };
    struct Run
    {
        Section byKey;
        Section byOrder;
    };
    class Cursor;
    // `keys`: counts the keys instead of visiting them
    void merge(const std::vector<Held> &held, bool byOrder, int *keys, const Visit &visit) const;

    NewLeaf m_newLeaf;
    Order m_order;
    TSpoolFile m_file;
    std::vector<Run> m_runs;
    int m_written = 0;
};

} // namespace PosLib
