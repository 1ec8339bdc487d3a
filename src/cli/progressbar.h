// The progress line a long sweep draws on a terminal: rows done, rows per
// second and time left. It stays away for the first second, so that short
// sweeps print nothing but their rows.
#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace colmara {

// "[#####.....]  1000/2000 rows  250 rows/s  4 s left", `width` marks wide.
std::string ProgressText(std::uint64_t done, std::uint64_t total, double seconds, int width);

class ProgressBar {
  public:
    // Draws on `terminal` only when `enabled`.
    ProgressBar(std::ostream& terminal, bool enabled);

    // Called after each row; redraws a few times a second at most.
    void Update(std::uint64_t done, std::uint64_t total);

    // Clears the line if anything was drawn.
    void Finish();

  private:
    using Clock = std::chrono::steady_clock;

    std::ostream& terminal_;
    bool enabled_;
    bool drawn_ = false;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastDrawn_ = start_;
};

}  // namespace colmara
