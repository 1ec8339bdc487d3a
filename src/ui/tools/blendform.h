// The Tools window's blending form: any number of parts, each a volume,
// a strength and the temperature its volume was measured at.
#pragma once

#include <QPushButton>
#include <vector>

#include "ui/tools/toolform.h"

namespace colmara {

class BlendForm : public ToolForm {
  public:
    explicit BlendForm(const FormatSettings& settings, QWidget* parent = nullptr);

    struct PartFields {
        QLineEdit* volume;
        QLineEdit* strength;
        QLineEdit* temperature;
    };
    const std::vector<PartFields>& Parts() const { return parts_; }

    // Adds a part's three fields (a row of the form) and answers again.
    void AddPart(const QString& volume, const QString& strength);
    // Takes the last part away, keeping at least one.
    void RemovePart();

    QComboBox* unit;
    QPushButton* add;
    QPushButton* remove;

  protected:
    AnswerJob Job() const override;

  private:
    std::vector<PartFields> parts_;
};

}  // namespace colmara
