#pragma once

#include <QThread>

#include <future>
#include <system_error>
#include <utility>

namespace Basics {

// Makes the items 0 … count-1 two at a time and uses each in order: while
// the calling thread makes item i, another thread makes item i+1 (when the
// machine has a second core and a thread can be had; else the calling
// thread makes both). use(i, item) runs on the calling thread, in the order
// of i, so whatever it does comes out as if the items were made one after
// the other; when it returns false no more items are made. make() must only
// read what the calling thread and the other make() share.
template<typename Make, typename Use>
void makeTwoAtATime(int count, Make make, Use use)
{
    using Item = decltype(make(0));
    const bool twoCores = QThread::idealThreadCount() >= 2;
    for (int i = 0; i < count; i += 2) {
        const bool pair = i + 1 < count;
        std::future<Item> second;
        if (twoCores && pair) {
            try {
                second = std::async(std::launch::async, make, i + 1);
            } catch (const std::system_error &) {
                // no thread: made below
            }
        }
        if (!use(i, make(i)))
            return;
        if (pair && !use(i + 1, second.valid() ? second.get() : make(i + 1)))
            return;
    }
}

} // namespace Basics
