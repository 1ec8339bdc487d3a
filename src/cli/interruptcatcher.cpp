#include "cli/interruptcatcher.h"

namespace colmara {

namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void OnInterrupt(int) {
    interrupted.store(true);
}

}  // namespace

InterruptCatcher::InterruptCatcher() {
    interrupted.store(false);
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous_);
}

InterruptCatcher::~InterruptCatcher() {
    sigaction(SIGINT, &previous_, nullptr);
}

const std::atomic<bool>& InterruptCatcher::Flag() {
    return interrupted;
}

}  // namespace colmara
