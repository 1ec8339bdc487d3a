// The Tools window's help (F1): what each form computes and from which
// published data, shown in a dialog of its own beside the window.
#pragma once

#include <QString>

class QWidget;

namespace colmara {

// The help's text, as HTML.
QString ToolsGuideHtml();

// Shows `parent`'s help dialog (made on first use), raised.
void ShowToolsGuide(QWidget& parent);

}  // namespace colmara
