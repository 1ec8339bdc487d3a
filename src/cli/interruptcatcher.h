// Turns Ctrl+C (SIGINT) into a flag while a sweep runs, so that the sweep can
// stop between rows and leave only whole rows behind.
#pragma once

#include <atomic>
#include <csignal>

namespace colmara {

class InterruptCatcher {
  public:
    // Installs the handler; the previous one comes back on destruction.
    InterruptCatcher();
    ~InterruptCatcher();
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;

    // Set by the handler; lock-free, so a signal handler may store to it.
    static const std::atomic<bool>& Flag();

  private:
    struct sigaction previous_ {};
};

}  // namespace colmara
