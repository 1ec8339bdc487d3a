// Takes rows that several workers finish in any order and hands them to the
// consumer in index order, one call at a time. A worker may run at most a
// window of rows ahead of the next row to deliver, so memory stays bounded
// however large the grid and however slow the consumer.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <optional>
#include <vector>

#include "study/sweeprow.h"

namespace colmara {

class OrderedDelivery {
  public:
    // `cancel`, when given, is read before each row is delivered; once it is
    // set no further row is. Callbacks must outlive the delivery.
    OrderedDelivery(std::uint64_t total, std::uint64_t window, const RowCallback& onRow,
                    const ProgressCallback& onProgress, const std::atomic<bool>* cancel);

    // Blocks until row `index` may be computed without overrunning the
    // window. False once delivery has stopped: the worker should quit.
    bool WaitForRoom(std::uint64_t index);

    // Stores a finished row. The thread that stores the next row due delivers
    // it and every row after it already waiting, on its own thread, while
    // other workers go on computing.
    void Publish(SweepRow row);

    // Stops delivery for good; the first failure is kept for the caller.
    void Fail(std::exception_ptr failure);

    bool Stopped() const { return stopped_.load(std::memory_order_acquire); }
    std::uint64_t Delivered() const { return next_.load(std::memory_order_acquire); }
    std::exception_ptr Failure() const;

  private:
    void DeliverReadyRows(std::unique_lock<std::mutex>& lock);
    void StopLocked();

    const std::uint64_t total_;
    const RowCallback& onRow_;
    const ProgressCallback& onProgress_;
    const std::atomic<bool>* cancel_;

    mutable std::mutex mutex_;
    std::condition_variable room_;
    // Row i waits in slot i % size until it is due; a slot never holds two
    // rows because no row runs a whole window ahead of the next row due.
    std::vector<std::optional<SweepRow>> slots_;
    std::atomic<std::uint64_t> next_{0};  // rows delivered, and so the next row due
    std::atomic<bool> stopped_{false};
    bool delivering_ = false;  // a thread is inside DeliverReadyRows
    int waiting_ = 0;          // workers blocked in WaitForRoom
    std::exception_ptr failure_;
};

}  // namespace colmara
