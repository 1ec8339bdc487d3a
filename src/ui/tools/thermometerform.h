// The Tools window's thermometer form: a vapour at the column's head or a
// liquid in the boiler, given by a temperature read on a thermometer or by
// its strength, answered with the liquid and vapour in equilibrium and the
// temperature at the air pressure typed, through the thermometer's offset.
#pragma once

#include <QComboBox>
#include <QLineEdit>

#include "ui/tools/conditionsform.h"

namespace colmara {

class ThermometerForm : public ConditionsForm {
  public:
    explicit ThermometerForm(const FormatSettings& settings, QWidget* parent = nullptr);

    QComboBox* stream;       // the vapour at the head first
    QLineEdit* reading;      // a temperature or a strength
    QComboBox* readingUnit;  // degC first

  protected:
    AnswerJob Job() const override;
};

}  // namespace colmara
