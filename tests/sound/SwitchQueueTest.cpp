#include "sound/SwitchQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace cordavo;

// Filled to the brim, the queue refuses the next item and keeps the ones it
// holds; emptied, it gives them back in the order they came. Ten rounds of
// uneven fills carry its ends around the ring ten times and more.
TEST(SwitchQueue, KeepsOrderWhenFullAndAroundTheRing)
{
    for (const size_t capacity : {size_t(1), size_t(7), size_t(4096)}) {
        SCOPED_TRACE(capacity);
        SwitchQueue<int> queue(capacity);
        int next = 0, expected = 0, item = -1;
        for (int round = 0; round < 10; ++round) {
            while (queue.push(next))
                ++next;
            EXPECT_EQ(next - expected, static_cast<int>(capacity));
            EXPECT_FALSE(queue.push(-1));
            // Part of it taken, the rest filled again before it empties: the
            // ends cross the ring's end at different times.
            for (size_t i = 0; i < (capacity + 1) / 2; ++i) {
                ASSERT_TRUE(queue.pop(item));
                EXPECT_EQ(item, expected++);
            }
            while (queue.push(next))
                ++next;
            while (queue.pop(item))
                EXPECT_EQ(item, expected++);
            EXPECT_EQ(expected, next);
        }
        EXPECT_GE(next, static_cast<int>(10 * capacity));
    }
}

// One thread pushes a count, another pops it: nothing lost, doubled or out of
// order, whatever the two threads' timing (ThreadSanitizer checks the rest).
TEST(SwitchQueue, OneThreadPushesAnotherPops)
{
    SwitchQueue<int> queue(16);
    constexpr int kItems = 20000;
    std::atomic<bool> ordered = true;
    std::thread popper([&] {
        int expected = 0, item = 0;
        while (expected < kItems) {
            if (queue.pop(item)) {
                if (item != expected)
                    ordered = false;
                ++expected;
            } else {
                std::this_thread::yield();
            }
        }
    });
    for (int i = 0; i < kItems;) {
        if (queue.push(i))
            ++i;
        else
            std::this_thread::yield();
    }
    popper.join();
    EXPECT_TRUE(ordered);
}
