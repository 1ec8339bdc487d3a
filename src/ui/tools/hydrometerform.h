// The Tools window's hydrometer form: an alcoholmeter read away from 20 degC
// to the true strength, and a volume measured at that temperature to its
// volume at 20 degC.
#pragma once

#include "ui/tools/toolform.h"

namespace colmara {

class HydrometerForm : public ToolForm {
  public:
    explicit HydrometerForm(const FormatSettings& settings, QWidget* parent = nullptr);

    QLineEdit* reading;
    QLineEdit* temperature;
    QComboBox* unit;
    QLineEdit* volume;  // optional: empty leaves the volume out

  protected:
    AnswerJob Job() const override;
};

}  // namespace colmara
