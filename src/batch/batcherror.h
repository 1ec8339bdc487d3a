// The batch run's own exceptions, in the program's family: a run that
// fails (a calculation fails, or the strength policy's target is out of
// reach) and a run stopped because its request was cancelled. A request
// refused before anything is solved is a StudyError.
#pragma once

#include <string>
#include <utility>

#include "runtime/exceptions.h"

namespace colmara {

// A calculation failed, or the strength policy cannot reach its target at
// the charge's strength (`Unreachable`); the message says why.
class BatchFailure : public Exception {
  public:
    explicit BatchFailure(std::string message, bool unreachable = false)
        : Exception(std::move(message)), unreachable_(unreachable) {}
    bool Unreachable() const noexcept { return unreachable_; }
    const char* ClassName() const noexcept override { return "BatchFailure"; }

  private:
    bool unreachable_;
};

// The request's `cancelled` answered true.
class BatchCancelled : public Exception {
  public:
    BatchCancelled() : Exception("the batch run was cancelled") {}
    const char* ClassName() const noexcept override { return "BatchCancelled"; }
};

}  // namespace colmara
