// A Tools window form of readings taken at the still: the rows of the air
// pressure (in hPa, or the altitude in m) and of the thermometer's offset
// (in K, or what it reads in boiling water), each a field with its unit to
// its right, read as the boiling answers' texts. An empty field is none
// given: 1013.25 hPa, a true thermometer. A field's name and tip follow
// its unit, so a refusal names what was typed.
#pragma once

#include <QComboBox>
#include <QLineEdit>

#include "toolsview/boilinganswer.h"
#include "ui/tools/toolform.h"

namespace colmara {

class ConditionsForm : public ToolForm {
  public:
    QLineEdit* pressure = nullptr;
    QComboBox* pressureUnit = nullptr;  // hPa first
    QLineEdit* offset = nullptr;
    QComboBox* offsetUnit = nullptr;  // K first

  protected:
    using ToolForm::ToolForm;

    // Adds the pressure's and the offset's rows as the next two.
    void AddConditionRows();
    // The texts of the two rows, as BoilingAnswer and PlatesAnswer read them.
    PressureTexts Pressure() const;
    ThermometerTexts Thermometer() const;

    // `field`'s text, or none when it is empty.
    static std::optional<NamedText> Optional(const QLineEdit* field);

  private:
    // Names the two fields, and gives their tips and empty texts, by the
    // units chosen.
    void NameByUnits();
};

}  // namespace colmara
