// The Tools window's sizing form: the four column inputs (started from the
// window that opened it) and the hardware, answered by a calculation of the
// run on every change.
#pragma once

#include <QComboBox>
#include <string>

#include "batch/batchrequest.h"
#include "report/calculate.h"
#include "spirit/packings.h"
#include "ui/tools/toolform.h"

namespace colmara {

class SizingForm : public ToolForm {
  public:
    explicit SizingForm(const FormatSettings& settings, QWidget* parent = nullptr);

    // Puts the column inputs (strength typed in `unit`) into the fields.
    void StartWith(const InputTexts& texts, StrengthUnit unit);
    // Puts a charge, its unit and its start temperature into the fields.
    void StartCharge(const std::string& amount, ChargeUnit amountUnit,
                     const std::string& startCelsius);

    QLineEdit* power;
    QLineEdit* strength;
    QComboBox* unit;  // weight first, as the column's inputs
    QLineEdit* plates;
    QLineEdit* reflux;
    QLineEdit* efficiency;  // of every plate, in per cent
    QLineEdit* bore;
    QComboBox* packing;  // the data file's packings, then a typed HETP
    QLineEdit* hetp;
    QLineEdit* waterRise;
    QLineEdit* charge;      // empty: no heat-up line
    QComboBox* chargeUnit;  // ml at 20 degC first, as the batch run
    QLineEdit* startTemperature;

  protected:
    AnswerJob Job() const override;

  private:
    void PackingChosen();
    // The packing chosen, or none for a typed HETP.
    const Packing* ChosenPacking() const;
};

}  // namespace colmara
