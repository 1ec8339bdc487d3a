// The report options as the window's check boxes hold them at the moment a
// plate is written.
#pragma once

#include "report/reportsink.h"

class QCheckBox;

namespace colmara {

class CheckBoxOptionSource : public ReportOptionSource {
  public:
    CheckBoxOptionSource(const QCheckBox* reflux, const QCheckBox* liquid, const QCheckBox* vapour,
                         const QCheckBox* temperature);
    ReportOptions CurrentOptions() const override;

  private:
    const QCheckBox* reflux_;
    const QCheckBox* liquid_;
    const QCheckBox* vapour_;
    const QCheckBox* temperature_;
};

}  // namespace colmara
