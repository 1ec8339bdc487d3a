// The study window opened from the main window: created on first use, then
// shown again with the texts of each later request. Closing it only hides it,
// so it keeps its pins and sweep for the next opening.
#pragma once

#include <memory>

#include "report/calculate.h"
#include "runtime/numconv.h"

namespace colmara {

class StudyWindow;

class StudyOpener {
  public:
    // settings: the number symbols of the window; must outlive the opener.
    explicit StudyOpener(const FormatSettings& settings);
    ~StudyOpener();

    // Shows the window, raised, with `texts` (by weight) as its inputs.
    void Open(const InputTexts& texts);

    // The window, once opened; null before.
    StudyWindow* Window() const { return window_.get(); }

  private:
    const FormatSettings& settings_;
    std::unique_ptr<StudyWindow> window_;
};

}  // namespace colmara
