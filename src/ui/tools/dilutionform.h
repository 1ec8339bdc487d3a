// The Tools window's dilution form: the water that brings a spirit down to a
// target strength, or (with a final volume) the spirit and water that make it.
#pragma once

#include <QCheckBox>

#include "ui/tools/toolform.h"

namespace colmara {

class DilutionForm : public ToolForm {
  public:
    explicit DilutionForm(const FormatSettings& settings, QWidget* parent = nullptr);

    QLineEdit* volume;
    QLineEdit* strength;
    QLineEdit* target;
    QComboBox* unit;
    QCheckBox* finalVolume;  // the volume is the one to make

  protected:
    AnswerJob Job() const override;
};

}  // namespace colmara
