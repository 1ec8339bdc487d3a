#include "study/ordereddelivery.h"

#include <utility>

namespace colmara {

OrderedDelivery::OrderedDelivery(std::uint64_t total, std::uint64_t window,
                                 const RowCallback& onRow, const ProgressCallback& onProgress,
                                 const std::atomic<bool>* cancel)
    : total_(total),
      onRow_(onRow),
      onProgress_(onProgress),
      cancel_(cancel),
      slots_(static_cast<std::size_t>(window)) {}

bool OrderedDelivery::WaitForRoom(std::uint64_t index) {
    const std::uint64_t window = slots_.size();
    if (index < next_.load(std::memory_order_acquire) + window) return !Stopped();
    std::unique_lock lock(mutex_);
    ++waiting_;
    room_.wait(lock, [&] { return Stopped() || index < next_.load() + window; });
    --waiting_;
    return !Stopped();
}

void OrderedDelivery::Publish(SweepRow row) {
    std::unique_lock lock(mutex_);
    const std::size_t slot = static_cast<std::size_t>(row.index % slots_.size());
    slots_[slot] = std::move(row);
    // Whoever is delivering re-checks the slots under the lock before it
    // gives up the role, so this row cannot be left behind.
    if (delivering_) return;
    delivering_ = true;
    DeliverReadyRows(lock);
    delivering_ = false;
}

void OrderedDelivery::DeliverReadyRows(std::unique_lock<std::mutex>& lock) {
    for (;;) {
        const std::uint64_t due = next_.load();
        std::optional<SweepRow>& slot = slots_[static_cast<std::size_t>(due % slots_.size())];
        if (Stopped() || !slot) return;
        if (cancel_ != nullptr && cancel_->load()) {
            StopLocked();
            return;
        }
        const SweepRow ready = std::move(*slot);
        slot.reset();
        // The consumer runs without the lock, so workers can store rows
        // meanwhile; only this thread delivers until it leaves.
        lock.unlock();
        try {
            if (onRow_) onRow_(ready);
            if (onProgress_) onProgress_(due + 1, total_);
        } catch (...) {
            lock.lock();
            if (!failure_) failure_ = std::current_exception();
            StopLocked();
            return;
        }
        lock.lock();
        next_.store(due + 1);
        if (waiting_ > 0) room_.notify_all();
    }
}

void OrderedDelivery::Fail(std::exception_ptr failure) {
    std::lock_guard lock(mutex_);
    if (!failure_) failure_ = std::move(failure);
    StopLocked();
}

void OrderedDelivery::StopLocked() {
    stopped_.store(true);
    room_.notify_all();
}

std::exception_ptr OrderedDelivery::Failure() const {
    std::lock_guard lock(mutex_);
    return failure_;
}

}  // namespace colmara
