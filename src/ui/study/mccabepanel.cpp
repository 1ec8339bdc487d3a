#include "ui/study/mccabepanel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "study/mccabetable.h"
#include "studyview/studychart.h"
#include "ui/chart/chartview.h"

namespace colmara {

McCabePanel::McCabePanel(const FormatSettings& settings, QWidget* parent)
    : StudyPanel(parent),
      settings_(settings),
      pane_(new ChartPane(
          QStringLiteral("McCabe-Thiele diagram"),
          [this](const std::vector<SeriesReading>& r) { return Readout(r); }, settings, this)),
      published_(new QCheckBox(QStringLiteral("Publishe&d data"), this)),
      limits_(new QCheckBox(QStringLiteral("Li&mits"), this)),
      limitsText_(new QLabel(this)),
      limitsSolver_(new LimitsSolver(this)),
      series_(SetUpMcCabeChart(pane_->Chart())) {
    pane_->View().setMinimumSize(240, 200);
    published_->setToolTip(
        QStringLiteral("Measured vapour-liquid equilibrium of ethanol and water at 1 atm, from "
                       "Perry's Chemical Engineers' Handbook (the program's data file "
                       "ethanol-water-vle-1atm.csv)"));
    connect(published_, &QCheckBox::toggled, this, [this](bool shown) {
        series_.published->Active = shown;
        pane_->Chart().Invalidate();
    });

    limits_->setToolTip(
        QStringLiteral("The fewest plates at total reflux and the least reflux with 100 plates, "
                       "from this boiler to this product"));
    limitsText_->setWordWrap(true);
    limitsText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    limitsText_->hide();
    connect(limits_, &QCheckBox::toggled, this, [this] { RequestLimits(); });
    connect(limitsSolver_, &LimitsSolver::Solved, this,
            [this](const CaseLimits& limits) { ShowLimits(limits); });

    auto* boxes = new QHBoxLayout;
    boxes->addWidget(published_);
    boxes->addWidget(limits_);
    boxes->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pane_, 1);
    layout->addLayout(boxes);
    layout->addWidget(limitsText_);
}

QString McCabePanel::LimitsReadout() const {
    return limits_->isChecked() ? limitsText_->text() : QString();
}

void McCabePanel::RequestLimits() {
    const StudyCase& solved = Solved();
    const bool wanted = limits_->isChecked() && Current() && !solved.profile.plates.empty();
    limitsSolver_->Cancel();
    series_.ShowLimits(nullptr);
    limitsText_->setVisible(limits_->isChecked());
    limitsText_->setText(wanted ? QStringLiteral("Calculating the limits...") : QString());
    pane_->Chart().Invalidate();
    if (!wanted) return;
    limitsSolver_->Request(solved.profile.plates.front().liquidStrength / 100,
                           *solved.profile.result.productStrength / 100, solved.typed.power,
                           solved.typed.efficiency, solved.unit, settings_);
}

void McCabePanel::ShowLimits(const CaseLimits& limits) {
    if (!limits_->isChecked()) return;
    series_.ShowLimits(limits.diagram ? &*limits.diagram : nullptr);
    limitsText_->setText(QString::fromStdString(limits.text));
    pane_->Chart().Invalidate();
}

void McCabePanel::Draw(const StudyCase&) {
    const StudyCase& solved = Solved();
    // The case's series hold a diagram of this same case, so they change
    // fractions with the curve even when it is drawn grey.
    if (DiagramUnit(solved.unit) != fractions_) {
        fractions_ = DiagramUnit(solved.unit);
        SetMcCabeFractions(pane_->Chart(), series_, fractions_);
    }
    const std::optional<McCabeDiagram> diagram =
        Current() ? McCabeDiagramOf(solved.profile, solved.unit) : std::nullopt;
    if (diagram)
        series_.Show(*diagram, ProductTitle(solved.profile.result, solved.unit, settings_));
    else
        series_.Grey(true);
    if (limits_->isChecked())
        RequestLimits();
    else
        pane_->Chart().Invalidate();
}

std::string McCabePanel::Readout(const std::vector<SeriesReading>& readings) const {
    // No readings: the pointer is outside the plotting rectangle.
    if (readings.empty()) return {};
    // Three decimals: about one pixel of the diagram's 0 ... 1 axes.
    const auto number = [this](double value) { return FormatExtended("0.000", value, settings_); };
    std::string text = "x " + number(pane_->PointerX()) + ", y " + number(pane_->PointerY());
    // The published point nearest the pointer, to hold against the curve.
    const auto& list = pane_->Chart().SeriesList();
    for (const SeriesReading& r : readings)
        if (list[r.Series] == series_.published)
            text += "; " + series_.published->Title + ": x " + number(r.X) + ", y " + number(r.Y);
    return text;
}

std::string McCabePanel::PanelTable(TableFormat format) const {
    const std::vector<Record> records = McCabeRecords(Solved().profile, Solved().unit);
    return records.empty() ? std::string() : TableText(records.front(), records, format);
}

}  // namespace colmara
