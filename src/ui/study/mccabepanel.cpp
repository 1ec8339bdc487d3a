#include "ui/study/mccabepanel.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "study/mccabetable.h"
#include "studyview/studychart.h"
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
      pane_(new ChartPane(
          QStringLiteral("McCabe-Thiele diagram"),
          [this](const std::vector<SeriesReading>& r) { return Readout(r); }, settings, this)),
      published_(new QCheckBox(QStringLiteral("Published data"), this)),
      series_(SetUpMcCabeChart(pane_->Chart())) {
    pane_->View().setMinimumSize(240, 200);
    published_->setToolTip(QStringLiteral("Measured vapour-liquid equilibrium at 1 atm"));
    connect(published_, &QCheckBox::toggled, this, [this](bool shown) {
        series_.published->Active = shown;
        pane_->Chart().Invalidate();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pane_, 1);
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
    pane_->Chart().Invalidate();
}

std::string McCabePanel::Readout(const std::vector<SeriesReading>& readings) const {
    std::string text;
    const auto& list = pane_->Chart().SeriesList();
    for (const SeriesReading& r : readings) {
        const TChartSeries* series = list[r.Series];
        if (series != series_.curve && series != series_.operating) continue;
        text += (text.empty() ? "" : "; ") + series->Title + ": x " +
                ReadoutNumber(r.X, settings_) + ", y " + ReadoutNumber(r.Y, settings_);
    }
    return text;
}

std::string McCabePanel::TableCsv() const {
    return TableText(records_, CsvHeader, CsvLine);
}

std::string McCabePanel::TableTsv() const {
    return TableText(records_, TsvHeader, TsvLine);
}

}  // namespace colmara
