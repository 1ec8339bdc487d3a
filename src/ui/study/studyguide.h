// The study window's guide: a short text in the program (it works offline
// and always matches the version in use) on what each tab shows and how to
// read it.
#pragma once

#include <QString>

class QWidget;

namespace colmara {

// The guide as rich text.
QString StudyGuideHtml();

// Shows the guide in a window of its own beside `parent`, one at a time;
// it does not block the study window.
void ShowStudyGuide(QWidget& parent);

}  // namespace colmara
