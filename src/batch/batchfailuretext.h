// What a window shows when a batch run or a fit fails on its worker thread.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace colmara {

// Runs `work` and turns what it throws into the message a window shows:
// nullopt when it went through. BatchCancelled passes on, for the caller to
// drop the job; nothing else escapes, since this runs on worker threads.
std::optional<std::string> FailureOf(const std::function<void()>& work);

}  // namespace colmara
