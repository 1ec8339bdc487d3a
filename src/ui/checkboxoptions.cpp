#include "ui/checkboxoptions.h"

#include <QCheckBox>

namespace colmara {

CheckBoxOptionSource::CheckBoxOptionSource(const QCheckBox* reflux, const QCheckBox* liquid,
                                           const QCheckBox* vapour, const QCheckBox* temperature)
    : reflux_(reflux), liquid_(liquid), vapour_(vapour), temperature_(temperature) {}

ReportOptions CheckBoxOptionSource::CurrentOptions() const {
    ReportOptions options;
    options.reflux = reflux_->isChecked();
    options.liquid = liquid_->isChecked();
    options.vapour = vapour_->isChecked();
    options.temperature = temperature_->isChecked();
    return options;
}

}  // namespace colmara
