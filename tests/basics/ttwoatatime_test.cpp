#include "ttwoatatime.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using namespace Basics;

// Whatever thread makes an item, each is used once, on the calling thread,
// in order; a use that says stop ends the run before any later item is
// used (the one made beside it at most is made in vain).
TEST(TwoAtATime, UsesEveryItemInOrderOnTheCallingThreadUntilStopped)
{
    const std::thread::id caller = std::this_thread::get_id();
    for (int count : {0, 1, 2, 7, 8}) {
        SCOPED_TRACE(count);
        std::atomic<int> made {0};
        std::vector<int> used;
        makeTwoAtATime(
                count,
                [&made](int i) {
                    ++made;
                    return std::vector<int>(size_t(i) + 1, i);
                },
                [&](int i, const std::vector<int> &item) {
                    EXPECT_TRUE(caller == std::this_thread::get_id());
                    EXPECT_EQ(std::vector<int>(size_t(i) + 1, i), item);
                    used.push_back(i);
                    return true;
                });
        std::vector<int> all;
        for (int i = 0; i < count; ++i)
            all.push_back(i);
        EXPECT_EQ(all, used);
        EXPECT_EQ(count, made.load());
    }

    std::atomic<int> made {0};
    std::vector<int> used;
    makeTwoAtATime(
            9, [&made](int i) { return ++made, i; },
            [&used](int i, int) {
                used.push_back(i);
                return i != 2;
            });
    EXPECT_EQ(std::vector<int>({0, 1, 2}), used);
    EXPECT_LE(made.load(), 4);
}
