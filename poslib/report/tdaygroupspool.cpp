#include "tdaygroupspool.h"

namespace PosLib {

std::unique_ptr<TDayGroupsPool::Set> TDayGroupsPool::take()
{
    std::unique_ptr<Set> set;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_free.empty())
            return nullptr;
        set = std::move(m_free.back());
        m_free.pop_back();
    }
    if (set->waiters)
        set->waiters->restartDay();
    if (set->centers)
        set->centers->restartDay();
    return set;
}

void TDayGroupsPool::give(std::unique_ptr<Set> set)
{
    if (!set)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_free.push_back(std::move(set));
}

} // namespace PosLib
