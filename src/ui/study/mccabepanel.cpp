#include "ui/study/mccabepanel.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "study/mccabetable.h"
#include "ui/chart/chartview.h"

namespace colmara {

namespace {

// The header and the rows, each written by the same pair of record writers.
template <typename Header, typename Line>
std::string TableText(const std::vector<Record>& records, Header header, Line line) {
    if (records.empty()) return {};
    std::string text = header(records.front());
    for (const Record& record : records) text += line(record);
    return text;
}

}  // namespace

McCabePanel::McCabePanel(const FormatSettings& settings, QWidget* parent)
    : StudyPanel(parent),
      settings_(settings),
      view_(new ChartView(this, settings)),
      published_(new QCheckBox(QStringLiteral("Published data"), this)),
      series_(SetUpMcCabeChart(view_->Chart())) {
    view_->setAccessibleName(QStringLiteral("McCabe-Thiele diagram"));
    view_->setMinimumSize(320, 280);
    published_->setToolTip(QStringLiteral("Measured vapour-liquid equilibrium at 1 atm"));
    connect(published_, &QCheckBox::toggled, this, [this](bool shown) {
        series_.published->Active = shown;
        view_->Chart().Invalidate();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(published_);
}

void McCabePanel::ShowCase(const StudyCase& study) {
    const std::optional<McCabeDiagram> diagram = McCabeDiagramOf(study.profile);
    if (diagram) {
        series_.Show(*diagram, ProductTitle(study.profile.result, study.unit, settings_));
        records_ = McCabeRecords(study.profile, study.unit);
    } else {
        series_.Grey(true);
        records_.clear();
    }
    view_->Chart().Invalidate();
}

std::string McCabePanel::TableCsv() const {
    return TableText(records_, CsvHeader, CsvLine);
}

std::string McCabePanel::TableTsv() const {
    return TableText(records_, TsvHeader, TsvLine);
}

}  // namespace colmara
