// The Tools window's form for a user's own column: the boiler's and the
// head's readings (each a temperature or a strength), the run (a power and
// reflux ratio, or total reflux), where it was read (air pressure and
// thermometer), and optionally the packed height and the real plates,
// answered with the theoretical plates, the stages counting the boiler, the
// HETP and the overall efficiency. A count solves up to a hundred columns,
// so the form answers on a worker thread.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "ui/tools/conditionsform.h"

namespace colmara {

class MyColumnForm : public ConditionsForm {
  public:
    explicit MyColumnForm(const FormatSettings& settings, QWidget* parent = nullptr);

    QLineEdit* boiler;
    QComboBox* boilerUnit;  // degC first
    QLineEdit* head;
    QComboBox* headUnit;  // degC first
    QCheckBox* totalReflux;
    QLineEdit* power;       // used without total reflux
    QLineEdit* reflux;      // used without total reflux
    QLineEdit* height;      // empty: no HETP
    QLineEdit* realPlates;  // empty: no efficiency

  protected:
    AnswerJob Job() const override;

  private:
    void TotalRefluxChosen();
};

}  // namespace colmara
