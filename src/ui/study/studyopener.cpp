#include "ui/study/studyopener.h"

#include "ui/study/studywindow.h"

namespace colmara {

StudyOpener::StudyOpener(const FormatSettings& settings) : settings_(settings) {}

StudyOpener::~StudyOpener() = default;

void StudyOpener::Open(const InputTexts& texts) {
    if (!window_) window_ = std::make_unique<StudyWindow>(settings_);
    window_->StartWith(texts);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace colmara
