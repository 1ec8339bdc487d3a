// The look of the main window's option check boxes: the label follows the box
// as closely as the option widths of the window were laid out for.
#pragma once

class QCheckBox;

namespace colmara {

// Gives `box` the program's label spacing, so that "Strength vapour" fits
// its 97 pixels in full.
void UseCheckBoxLabelSpacing(QCheckBox* box);

}  // namespace colmara
