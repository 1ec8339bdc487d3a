#include "cli/progressbar.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace colmara {

namespace {

constexpr auto kQuietStart = std::chrono::seconds(1);
constexpr auto kRedrawInterval = std::chrono::milliseconds(200);
constexpr int kBarWidth = 30;
constexpr const char* kClearLine = "\r\033[K";

}  // namespace

std::string ProgressText(std::uint64_t done, std::uint64_t total, double seconds, int width) {
    const double share = total == 0 ? 1 : static_cast<double>(done) / static_cast<double>(total);
    // 0 <= marks <= width, whatever the counts say.
    const auto marks =
        static_cast<std::size_t>(std::clamp(static_cast<int>(share * width), 0, width));
    std::string text = "[";
    text.append(marks, '#');
    text.append(static_cast<std::size_t>(width) - marks, '.');
    // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about
    // a literal + std::string temporary here.
    text += "]  ";
    text += std::to_string(done);
    text += '/';
    text += std::to_string(total);
    text += " rows";
    if (seconds <= 0 || done == 0) return text;
    const double rate = static_cast<double>(done) / seconds;
    const auto left =
        static_cast<std::uint64_t>(std::ceil(static_cast<double>(total - done) / rate));
    return text + "  " + std::to_string(static_cast<std::uint64_t>(rate)) + " rows/s  " +
           std::to_string(left) + " s left";
}

ProgressBar::ProgressBar(std::ostream& terminal, bool enabled)
    : terminal_(terminal), enabled_(enabled) {}

void ProgressBar::Update(std::uint64_t done, std::uint64_t total) {
    if (!enabled_) return;
    const Clock::time_point now = Clock::now();
    if (now - start_ < kQuietStart || (drawn_ && now - lastDrawn_ < kRedrawInterval)) return;
    const std::chrono::duration<double> elapsed = now - start_;
    terminal_ << kClearLine << ProgressText(done, total, elapsed.count(), kBarWidth) << std::flush;
    drawn_ = true;
    lastDrawn_ = now;
}

void ProgressBar::Finish() {
    if (drawn_) terminal_ << kClearLine << std::flush;
    drawn_ = false;
}

}  // namespace colmara
