#include "cli/interruptcatcher.h"

namespace colmara {

namespace {

std::atomic<bool> interrupted{false};
std::atomic<int> caught{0};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);

void OnInterrupt(int signal) {
    int none = 0;
    caught.compare_exchange_strong(none, signal);
    interrupted.store(true);
}

}  // namespace

InterruptCatcher::InterruptCatcher() {
    interrupted.store(false);
    caught.store(0);
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kCaught); ++i)
        sigaction(kCaught[i], &action, &previous_[i]);
}

InterruptCatcher::~InterruptCatcher() {
    for (std::size_t i = 0; i < std::size(kCaught); ++i)
        sigaction(kCaught[i], &previous_[i], nullptr);
}

const std::atomic<bool>& InterruptCatcher::Flag() {
    return interrupted;
}

int InterruptCatcher::Signal() {
    return caught.load();
}

}  // namespace colmara
