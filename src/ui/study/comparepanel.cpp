#include "ui/study/comparepanel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "studyview/fieldrules.h"
#include "studyview/studychart.h"

namespace colmara {

namespace {

constexpr ColorValue kCurrentColor = 0x202020;
// One colour per pin place, told apart also in grey print by the dashes.
constexpr ColorValue kPinColors[ComparePanel::kMaxPins] = {0x2F6FD8, 0xB4781F, 0x3C8C2C, 0x8C3C9C};

void FillVapour(TXYLineSeries& line, const StudyCase& study, StrengthUnit unit,
                std::vector<double>& strengths) {
    line.Clear();
    for (const PlateRow& row : study.profile.plates)
        if (auto v = row.VapourStrength(unit)) {
            line.AddXY(row.plate, static_cast<double>(*v));
            strengths.push_back(static_cast<double>(*v));
        }
}

}  // namespace

ComparePanel::ComparePanel(const FormatSettings& settings, QWidget* parent)
    : StudyPanel(parent),
      settings_(settings),
      pane_(new ChartPane(
          QStringLiteral("Compare chart"),
          [this](const std::vector<SeriesReading>& r) { return Readout(r); }, settings, this)),
      list_(new QListWidget(this)),
      pin_(new QPushButton(QStringLiteral("P&in this run"), this)),
      remove_(new QPushButton(QStringLiteral("Remo&ve pin"), this)),
      clear_(new QPushButton(QStringLiteral("C&lear pins"), this)) {
    pin_->setToolTip(
        QStringLiteral("Keeps the current run as a dashed curve (up to %1)").arg(kMaxPins));
    remove_->setToolTip(QStringLiteral("Removes the pin selected in the list"));
    clear_->setToolTip(QStringLiteral("Removes every pin"));
    TChart& chart = pane_->Chart();
    SetUpStudyChart(chart, "Vapour strength, current run and pinned runs");
    chart.BottomAxis().Title = "Plate (0 = boiler)";
    current_ = &AddLine(chart, "Current run", kCurrentColor);
    current_->Marker = {true, MarkerStyle::msCircle, 2, true};
    list_->setAccessibleName(QStringLiteral("Pinned runs"));
    list_->setToolTip(QStringLiteral("The pinned runs, named by their inputs"));
    // The style marks only a current row, so an empty list would take the
    // focus unseen.
    list_->setStyleSheet(
        QStringLiteral("QListWidget:focus { border: 2px solid palette(highlight); }"));
    list_->setMaximumHeight(list_->fontMetrics().height() * (kMaxPins + 1));
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {pin_, remove_, clear_}) buttons->addWidget(b);
    buttons->addStretch();
    auto* controls = new QHBoxLayout;
    controls->addWidget(list_, 1);
    controls->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pane_, 1);
    layout->addLayout(controls);
    connect(pin_, &QPushButton::clicked, this, [this] { PinCurrent(); });
    connect(remove_, &QPushButton::clicked, this, [this] { RemovePin(list_->currentRow()); });
    connect(clear_, &QPushButton::clicked, this, &ComparePanel::ClearPins);
    connect(list_, &QListWidget::currentRowChanged, this, [this] { UpdateControls(); });
    Redraw();
}

void ComparePanel::Draw(const StudyCase& newest) {
    unit_ = newest.unit;
    Redraw();
}

bool ComparePanel::PinCurrent() {
    if (!Current() || static_cast<int>(pins_.size()) >= kMaxPins) return false;
    auto& line = AddLine(pane_->Chart(), {}, kPinColors[0], PenStyle::psDash);
    pins_.push_back({Solved(), &line});
    Redraw();
    list_->setCurrentRow(list_->count() - 1);
    return true;
}

void ComparePanel::RemovePin(int index) {
    if (index < 0 || index >= static_cast<int>(pins_.size())) return;
    pane_->Chart().RemoveSeries(*pins_[index].line);
    pins_.erase(pins_.begin() + index);
    Redraw();
}

void ComparePanel::ClearPins() {
    while (!pins_.empty()) RemovePin(static_cast<int>(pins_.size()) - 1);
}

std::vector<std::string> ComparePanel::PinNames() const {
    std::vector<std::string> names;
    for (const Pin& pin : pins_) names.push_back(PinName(pin));
    return names;
}

std::string ComparePanel::PinName(const Pin& pin) const {
    // Named in the selected unit, as the strength field would read after
    // switching to it.
    InputTexts typed = pin.study.typed;
    typed.strength = SwitchedStrengthText(typed.strength, pin.study.unit, unit_, settings_);
    return RunName(typed, unit_);
}

void ComparePanel::Redraw() {
    TChart& chart = pane_->Chart();
    std::vector<double> strengths;
    FillVapour(*current_, Solved(), unit_, strengths);
    current_->SeriesColor = CurveColor(kCurrentColor, Current());
    int top = Solved().profile.plates.empty() ? 1 : Solved().profile.plates.back().plate;
    list_->clear();
    for (std::size_t i = 0; i < pins_.size(); ++i) {
        Pin& pin = pins_[i];
        FillVapour(*pin.line, pin.study, unit_, strengths);
        pin.line->SeriesColor = kPinColors[i];
        pin.line->Title = PinName(pin);
        top = std::max(top, pin.study.profile.plates.back().plate);
        list_->addItem(QString::fromStdString(pin.line->Title));
    }
    SetPlateRange(chart.BottomAxis(), top);
    SetStrengthRange(chart.LeftAxis(), strengths);
    chart.LeftAxis().Title = StrengthAxisTitle(unit_);
    chart.Invalidate();
    UpdateControls();
}

void ComparePanel::UpdateControls() {
    pin_->setEnabled(Current() && static_cast<int>(pins_.size()) < kMaxPins);
    remove_->setEnabled(list_->currentRow() >= 0);
    clear_->setEnabled(!pins_.empty());
}

std::string ComparePanel::Readout(const std::vector<SeriesReading>& readings) const {
    // Every run is read at the plate under the pointer; a run that has no
    // such plate says nothing rather than lend another plate's value.
    if (readings.empty()) return {};
    const long plate = std::lround(pane_->PointerX());
    const auto& list = pane_->Chart().SeriesList();
    std::string text;
    for (const SeriesReading& r : readings) {
        if (r.X != static_cast<double>(plate)) continue;
        text += (text.empty() ? "Plate " + std::to_string(plate) + " – " : "; ") +
                list[r.Series]->Title + ": " + ReadoutNumber(r.Y, settings_) + " " +
                StrengthUnitSymbol(unit_);
    }
    return text;
}

}  // namespace colmara
