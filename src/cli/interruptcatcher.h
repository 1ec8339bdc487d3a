// Turns Ctrl+C (SIGINT), SIGTERM and SIGHUP into a flag while a sweep runs, so
// that the sweep stops between rows, leaves only whole rows behind and
// removes or sets aside its temporary file instead of dying with it.
#pragma once

#include <atomic>
#include <csignal>
#include <iterator>

namespace colmara {

class InterruptCatcher {
  public:
    // Installs the handlers; the previous ones come back on destruction.
    InterruptCatcher();
    ~InterruptCatcher();
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;

    // Set by the handler; lock-free, so a signal handler may store to it.
    static const std::atomic<bool>& Flag();
    // The signal that set the flag, 0 while none has.
    static int Signal();

  private:
    // SIGINT, SIGTERM and SIGHUP, in that order.
    static constexpr int kCaught[] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction previous_[std::size(kCaught)]{};
};

}  // namespace colmara
