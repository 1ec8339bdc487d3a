#include "ui/study/profilepanel.h"

#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "study/records.h"
#include "studyview/studychart.h"

namespace colmara {

namespace {

constexpr ColorValue kVapourColor = 0x2F6FD8;       // orange-red
constexpr ColorValue kLiquidColor = 0xB4781F;       // blue
constexpr ColorValue kTemperatureColor = 0x3C8C2C;  // green

}  // namespace

ProfilePanel::ProfilePanel(const FormatSettings& settings, QWidget* parent)
    : StudyPanel(parent),
      settings_(settings),
      pane_(new ChartPane(
          QStringLiteral("Column profile chart"),
          [this](const std::vector<SeriesReading>& r) { return Readout(r); }, settings, this)) {
    TChart& chart = pane_->Chart();
    SetUpStudyChart(chart, "Column profile");
    chart.BottomAxis().Title = "Plate (0 = boiler)";
    chart.RightAxis().Title = "Temperature, °C";
    vapour_ = &AddLine(chart, "Vapour strength", kVapourColor);
    liquid_ = &AddLine(chart, "Liquid strength", kLiquidColor, PenStyle::psDash);
    temperature_ = &AddLine(chart, "Temperature", kTemperatureColor, PenStyle::psDot);
    temperature_->SetAxes(&chart.BottomAxis(), &chart.RightAxis());
    vapour_->Marker = {true, MarkerStyle::msCircle, 2, true};
    liquid_->Marker = {true, MarkerStyle::msSquare, 2, true};
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pane_);
    Fill(Solved());
}

void ProfilePanel::Draw(const StudyCase&) {
    if (Current()) Fill(Solved());
    Colour(Current());
}

void ProfilePanel::Fill(const StudyCase& study) {
    TChart& chart = pane_->Chart();
    for (TXYLineSeries* s : {vapour_, liquid_, temperature_}) s->Clear();
    std::vector<double> strengths;
    double coolest = 100, hottest = 0;
    for (const PlateRow& row : study.profile.plates) {
        const double plate = row.plate;
        if (auto v = row.VapourStrength(study.unit)) {
            vapour_->AddXY(plate, static_cast<double>(*v));
            strengths.push_back(static_cast<double>(*v));
        }
        if (auto l = row.LiquidStrength(study.unit)) {
            liquid_->AddXY(plate, static_cast<double>(*l));
            strengths.push_back(static_cast<double>(*l));
        }
        const double t = static_cast<double>(row.temperature);
        temperature_->AddXY(plate, t);
        coolest = std::min(coolest, t);
        hottest = std::max(hottest, t);
    }
    const int top = study.profile.plates.empty() ? 1 : study.profile.plates.back().plate;
    SetPlateRange(chart.BottomAxis(), top);
    SetStrengthRange(chart.LeftAxis(), strengths);
    chart.LeftAxis().Title = StrengthAxisTitle(study.unit);
    if (coolest > hottest) coolest = 70, hottest = 100;
    SetAxisRange(chart.RightAxis(), std::floor(coolest) - 1, std::ceil(hottest) + 1);
    chart.Invalidate();
}

void ProfilePanel::Colour(bool current) {
    vapour_->SeriesColor = CurveColor(kVapourColor, current);
    liquid_->SeriesColor = CurveColor(kLiquidColor, current);
    temperature_->SeriesColor = CurveColor(kTemperatureColor, current);
    pane_->Chart().Invalidate();
}

std::string ProfilePanel::Readout(const std::vector<SeriesReading>& readings) const {
    if (readings.empty()) return {};
    const char* symbol = StrengthUnitSymbol(Solved().unit);
    std::string text = "Plate " + std::to_string(static_cast<int>(readings.front().X)) + ": ";
    const auto& list = pane_->Chart().SeriesList();
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const TChartSeries* series = list[readings[i].Series];
        const bool temperature = series == temperature_;
        text += (i ? ", " : "") + series->Title + " " + ReadoutNumber(readings[i].Y, settings_) +
                (temperature ? " °C" : std::string(" ") + symbol);
    }
    return text;
}

std::string ProfilePanel::PanelTable(TableFormat format) const {
    const StudyCase& solved = Solved();
    if (solved.profile.plates.empty()) return {};
    return TableText(PlateRecord(PlateRow{}, solved.unit),
                     PlateRecords(solved.profile.plates, solved.unit), format);
}

}  // namespace colmara
