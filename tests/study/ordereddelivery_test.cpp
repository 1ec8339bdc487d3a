// Rows finished in any order reach the consumer in index order, and a
// worker is held back rather than run a whole window ahead of the next row
// due, where its row would take the slot of one not yet delivered.
#include "study/ordereddelivery.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace colmara {
namespace {

SweepRow Row(std::uint64_t index) {
    SweepRow row;
    row.index = index;
    return row;
}

TEST(OrderedDelivery, HandsRowsOverInIndexOrderWhateverOrderTheyFinishIn) {
    std::vector<std::uint64_t> rows, done;
    const RowCallback onRow = [&](const SweepRow& row) { rows.push_back(row.index); };
    const ProgressCallback onProgress = [&](std::uint64_t d, std::uint64_t) { done.push_back(d); };
    OrderedDelivery delivery(4, 4, onRow, onProgress, nullptr);
    for (const std::uint64_t index : {2, 0, 3, 1}) delivery.Publish(Row(index));
    EXPECT_EQ(rows, (std::vector<std::uint64_t>{0, 1, 2, 3}));
    EXPECT_EQ(done, (std::vector<std::uint64_t>{1, 2, 3, 4}));
    EXPECT_EQ(delivery.Delivered(), 4u);
}

TEST(OrderedDelivery, AWorkerWaitsRatherThanRunAWholeWindowAhead) {
    std::vector<std::uint64_t> rows;
    const RowCallback onRow = [&](const SweepRow& row) { rows.push_back(row.index); };
    const ProgressCallback none;
    OrderedDelivery delivery(10, 2, onRow, none, nullptr);
    EXPECT_TRUE(delivery.WaitForRoom(0));
    EXPECT_TRUE(delivery.WaitForRoom(1));  // the window is rows 0 and 1

    // Row 2 would share row 0's slot: it waits until row 0 is delivered,
    // and row 1 finishing first does not let it through.
    std::atomic<bool> through{false};
    std::thread worker([&] { through = delivery.WaitForRoom(2); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(through);
    delivery.Publish(Row(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(through);
    delivery.Publish(Row(0));
    worker.join();
    EXPECT_TRUE(through);
    EXPECT_EQ(rows, (std::vector<std::uint64_t>{0, 1}));

    // A stop releases a waiting worker and tells it to quit.
    std::thread quitter([&] { through = delivery.WaitForRoom(5); });
    delivery.Fail(std::make_exception_ptr(std::runtime_error("stopped")));
    quitter.join();
    EXPECT_FALSE(through);
}

}  // namespace
}  // namespace colmara
