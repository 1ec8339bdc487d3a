// The Tools window's sizing form: the four column inputs (started from the
// window that opened it) and the hardware, answered by a calculation of the
// run on every change.
#pragma once

#include <QComboBox>

#include "report/calculate.h"
#include "ui/tools/toolform.h"

namespace colmara {

class SizingForm : public ToolForm {
  public:
    explicit SizingForm(const FormatSettings& settings, QWidget* parent = nullptr);

    // Puts the column inputs (strength typed in `unit`) into the fields.
    void StartWith(const InputTexts& texts, StrengthUnit unit);

    QLineEdit* power;
    QLineEdit* strength;
    QComboBox* unit;  // weight first, as the column's inputs
    QLineEdit* plates;
    QLineEdit* reflux;
    QLineEdit* bore;
    QComboBox* packing;  // the data file's packings, then a typed HETP
    QLineEdit* hetp;
    QLineEdit* waterRise;

  protected:
    std::string Compute() const override;

  private:
    void PackingChosen();
};

}  // namespace colmara
