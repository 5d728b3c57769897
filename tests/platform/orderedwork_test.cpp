#include "platform/orderedwork.h"

#include <chrono>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <string>

namespace {

// Items take uneven times, so that threads finish out of order.
std::string Work(std::size_t item) {
    if (item % 7 == 3)
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    return "item " + std::to_string(item);
}

struct TShape {
    std::size_t Count;
    std::size_t Threads;
    std::size_t Ahead;
};

// Whatever the number of threads and the window, the results come in item
// order, each item done once, and the work runs on the threads it is told.
TEST(OrderedWork, ResultsComeInItemOrderForEveryShape) {
    const TShape shapes[] = {{0, 1, 0},   {1, 4, 0},   {50, 1, 0},    {200, 2, 0},
                             {200, 3, 4}, {200, 8, 1}, {200, 2, 200}, {3, 16, 2}};
    for (const TShape& shape : shapes) {
        std::mutex guard;
        std::multiset<std::size_t> threadsSeen;
        TOrderedWork<std::string> work(
            shape.Count, shape.Threads,
            [&](std::size_t item, std::size_t thread) {
                const std::lock_guard lock(guard);
                threadsSeen.insert(thread);
                return Work(item);
            },
            shape.Ahead);
        for (std::size_t item = 0; item < shape.Count; ++item)
            ASSERT_EQ(Work(item), work.Take()) << shape.Count << " items on " << shape.Threads << " threads";
        EXPECT_EQ(shape.Count, threadsSeen.size());
        if (!threadsSeen.empty()) {
            EXPECT_LT(*threadsSeen.rbegin(), std::max<std::size_t>(shape.Threads, 1));
        }
    }
}

// An item's exception reaches the taker at that item, after the items before
// it; a work left before its end stops its threads.
TEST(OrderedWork, AnItemsExceptionIsRethrownWhereItIsTaken) {
    for (const std::size_t threads : {1u, 2u, 5u}) {
        TOrderedWork<std::string> work(100, threads, [](std::size_t item, std::size_t) {
            if (item == 40)
                throw std::runtime_error("40");
            return Work(item);
        });
        for (std::size_t item = 0; item < 40; ++item)
            ASSERT_EQ(Work(item), work.Take());
        EXPECT_THROW(work.Take(), std::runtime_error) << threads << " threads";
        EXPECT_EQ(Work(41), work.Take());
    }
}

} // namespace
