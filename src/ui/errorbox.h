// The error box: a modal message box with a caption, the error icon and OK,
// in the windows' font, that shows its whole text however long.
#pragma once

#include <QString>
#include <memory>

class QFontMetrics;
class QMessageBox;

namespace colmara {

// `text` with a line-break chance (a zero-width space) between the
// characters of every run without blanks wider than `width` pixels, so that
// word wrapping breaks such a run instead of cutting it. Shorter runs and
// the characters themselves stay as they are.
QString WithBreakChances(const QString& text, const QFontMetrics& metrics, int width);

// The box for `caption` and `text`, modal to the whole program; exec() shows
// it. Lines may end in CR LF.
std::unique_ptr<QMessageBox> MakeErrorBox(const QString& caption, const QString& text);

}  // namespace colmara
