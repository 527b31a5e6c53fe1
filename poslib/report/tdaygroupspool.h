#pragma once

#include "trepdata.h"
#include "ttextnumbers.h"

#include <memory>
#include <mutex>
#include <vector>

namespace PosLib {

// The day groups the workers of a run read the days ahead into (see
// TReport's cache of closed days): a worker takes a set for a day and
// gives it back after the day is written, and the next day restarts it
// (TRepDatas::restartDay()) instead of making groups, nodes and leaves
// anew. Every set is made alike, for one run.
class TDayGroupsPool
{
public:
    struct Set
    {
        std::unique_ptr<TRepWaiters> waiters;
        std::unique_ptr<TRepCenters> centers;
        // the numbers its days' texts are written with, kept as its leaves
        // are (a leaf kept from day to day keeps its texts)
        TTextNumbers texts {4096};
    };

    // A set given back before, empty for another day; null when none is
    // free (the caller makes one).
    std::unique_ptr<Set> take();
    void give(std::unique_ptr<Set> set);

private:
    std::mutex m_mutex;
    std::vector<std::unique_ptr<Set>> m_free;
};

} // namespace PosLib
