#include "ui/study/sweeppanel.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <limits>

#include "study/studyerror.h"
#include "studyview/studychart.h"
#include "ui/chart/chartview.h"
#include "ui/study/sweeptablemodel.h"

namespace colmara {

namespace {

// The panel holds every row in memory and plots each one; larger grids are
// the companion tool's work.
constexpr std::uint64_t kMaxPanelRows = 100'000;

// FROM, TO and STEP offered for each input before the user types any, with
// '.' for the locale's symbol.
constexpr auto kDefaultRanges = std::to_array<std::array<const char*, 3>>({
    {"500", "3000", "250"},  // power
    {"1", "20", "1"},        // strength
    {"1", "40", "1"},        // plates
    {"1", "30", "1"},        // reflux
    {"10", "100", "10"},     // efficiency
});
static_assert(kDefaultRanges.size() == kInputs.size(), "a range for every input");

constexpr std::array<const char*, 3> kBoundNames{"From", "To", "Step"};
constexpr std::array<const char*, 3> kBoundLabels{"Fro&m", "T&o", "St&ep"};
constexpr std::array<const char*, 3> kBoundTips{
    "The varied input's first value",
    "The varied input's last value: the sweep stops at the last step that does not pass it",
    "How far apart the values lie"};

QString LocaleText(const char* text, const FormatSettings& settings) {
    return QString::fromLatin1(text).replace(QLatin1Char('.'),
                                             QString::fromStdString(settings.decimalSeparator));
}

}  // namespace

SweepPanel::SweepPanel(const FormatSettings& settings, QWidget* parent)
    : StudyPanel(parent), settings_(settings), model_(new SweepTableModel(settings, this)) {
    for (std::size_t input = 0; input < ranges_.size(); ++input)
        for (std::size_t bound = 0; bound < 3; ++bound)
            ranges_[input][bound] = LocaleText(kDefaultRanges[input][bound], settings);
    BuildControls();
    BuildLayout();
    chart_ = std::make_unique<SweepChart>(pane_->Chart(), settings_);
    connect(&runner_, &SweepRunner::RowsArrived, this, &SweepPanel::ShowRows);
    connect(&runner_, &SweepRunner::Progressed, this, &SweepPanel::ShowProgress);
    connect(&runner_, &SweepRunner::Finished, this, &SweepPanel::ShowEnd);
    vary_->setCurrentIndex(static_cast<int>(Input::Reflux));
}

SweepPanel::~SweepPanel() = default;

void SweepPanel::BuildControls() {
    vary_ = new QComboBox(this);
    vary_->setAccessibleName("Input to vary");
    vary_->setToolTip("The input the sweep varies; the others stay as typed on the left");
    for (const Input input : kInputs)
        vary_->addItem(QString::fromStdString(SweptInputTitle(input, unit_)));
    connect(vary_, &QComboBox::currentIndexChanged, this, &SweepPanel::SwitchInput);
    for (std::size_t bound = 0; bound < bounds_.size(); ++bound) {
        bounds_[bound] = new QLineEdit(ranges_[0][bound], this);
        // Kept whole, however long: the range reads the text typed.
        bounds_[bound]->setMaxLength(std::numeric_limits<int>::max());
        bounds_[bound]->setAccessibleName(kBoundNames[bound]);
        bounds_[bound]->setToolTip(kBoundTips[bound]);
        bounds_[bound]->setMaximumWidth(90);
        connect(bounds_[bound], &QLineEdit::returnPressed, this, &SweepPanel::Run);
    }
    run_ = new QPushButton("&Go", this);
    run_->setToolTip("Calculates every value of the range (Enter in a range field)");
    cancel_ = new QPushButton("Cance&l", this);
    cancel_->setToolTip("Stops the sweep and keeps the rows calculated so far (Escape)");
    // Escape reaches the window from any control while a sweep runs.
    cancelAction_ = new QAction("Cancel sweep", this);
    cancelAction_->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(run_, &QPushButton::clicked, this, &SweepPanel::Run);
    connect(cancel_, &QPushButton::clicked, this, &SweepPanel::Cancel);
    connect(cancelAction_, &QAction::triggered, this, &SweepPanel::Cancel);
    progress_ = new QProgressBar(this);
    progress_->setAccessibleName("Sweep progress");
    message_ = new QLabel(this);
    message_->setWordWrap(true);
    message_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pane_ = new ChartPane(
        "Sweep chart", [this](const std::vector<SeriesReading>& r) { return Readout(r); },
        settings_, this);
    table_ = new QTableView(this);
    table_->setAccessibleName("Sweep table");
    // Tab leaves the table as it leaves every other control; the arrows
    // move between its cells.
    table_->setTabKeyNavigation(false);
    // The style marks only a current cell, so an empty table would take the
    // focus unseen.
    table_->setStyleSheet("QTableView:focus { border: 2px solid palette(highlight); }");
    table_->setModel(model_);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    SetRunning(false);
}

void SweepPanel::BuildLayout() {
    varyLabel_ = new QLabel("&Vary", this);
    varyLabel_->setBuddy(vary_);
    for (std::size_t bound = 0; bound < bounds_.size(); ++bound) {
        boundLabels_[bound] = new QLabel(kBoundLabels[bound], this);
        boundLabels_[bound]->setBuddy(bounds_[bound]);
    }
    top_ = new QHBoxLayout;
    bottom_ = new QHBoxLayout;
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(pane_);
    split->addWidget(table_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top_);
    page->addLayout(bottom_);
    page->addWidget(message_);
    page->addWidget(split, 1);
    PlaceControls(false);
}

int SweepPanel::RowWidth(const std::vector<const QWidget*>& row) const {
    // Measured when asked: the widgets' hints change once they are polished.
    int width = top_->spacing() * static_cast<int>(row.size() - 1);
    for (const QWidget* w : row) width += w->sizeHint().boundedTo(w->maximumSize()).width();
    const QMargins m = layout()->contentsMargins();
    return width + m.left() + m.right();
}

std::vector<const QWidget*> SweepPanel::RangeWidgets() const {
    std::vector<const QWidget*> range;
    for (std::size_t bound = 0; bound < bounds_.size(); ++bound) {
        range.push_back(boundLabels_[bound]);
        range.push_back(bounds_[bound]);
    }
    return range;
}

int SweepPanel::OneRowWidth() const {
    std::vector<const QWidget*> row{varyLabel_, vary_, run_, cancel_};
    for (const QWidget* w : RangeWidgets()) row.push_back(w);
    return RowWidth(row);
}

QSize SweepPanel::minimumSizeHint() const {
    // As narrow as the two-row arrangement allows, whichever is shown.
    std::vector<const QWidget*> range = RangeWidgets();
    range.push_back(progress_);
    const int narrow = std::max(RowWidth({varyLabel_, vary_, run_, cancel_}), RowWidth(range));
    const QSize shown = StudyPanel::minimumSizeHint();
    return {std::min(shown.width(), narrow), shown.height()};
}

void SweepPanel::PlaceControls(bool narrow) {
    // Wide: every control in one row and the progress bar in its own.
    // Narrow: what to vary and the buttons, then the range and the progress
    // bar, so that the controls stay whole on a 640-pixel screen.
    narrow_ = narrow;
    for (QHBoxLayout* row : {top_, bottom_})
        while (QLayoutItem* item = row->takeAt(0)) delete item;
    auto addRange = [this](QHBoxLayout* row) {
        for (std::size_t bound = 0; bound < bounds_.size(); ++bound) {
            row->addWidget(boundLabels_[bound]);
            row->addWidget(bounds_[bound]);
        }
    };
    top_->addWidget(varyLabel_);
    top_->addWidget(vary_);
    if (!narrow) addRange(top_);
    top_->addWidget(run_);
    top_->addWidget(cancel_);
    top_->addStretch(1);
    if (narrow) addRange(bottom_);
    bottom_->addWidget(progress_, 1);
    // Tab follows the rows as they stand.
    std::vector<QWidget*> order{vary_};
    if (narrow) order.insert(order.end(), {run_, cancel_});
    order.insert(order.end(), bounds_.begin(), bounds_.end());
    if (!narrow) order.insert(order.end(), {run_, cancel_});
    order.insert(order.end(), {&pane_->View(), table_});
    for (std::size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
}

void SweepPanel::resizeEvent(QResizeEvent* event) {
    const bool narrow = event->size().width() < OneRowWidth();
    if (narrow != narrow_) PlaceControls(narrow);
    StudyPanel::resizeEvent(event);
}

Input SweepPanel::Varied() const {
    return kInputs[shownInput_];
}

void SweepPanel::SwitchInput(int index) {
    if (index < 0) return;
    for (std::size_t bound = 0; bound < bounds_.size(); ++bound) {
        ranges_[shownInput_][bound] = bounds_[bound]->text();
        bounds_[bound]->setText(ranges_[index][bound]);
    }
    shownInput_ = index;
    if (chart_) chart_->Preview(Varied(), unit_);
}

void SweepPanel::TitleStrengthItem() {
    vary_->setItemText(static_cast<int>(Input::Strength),
                       QString::fromStdString(SweptInputTitle(Input::Strength, unit_)));
}

void SweepPanel::Draw(const StudyCase& newest) {
    fixed_ = newest.typed;
    unit_ = newest.unit;
    TitleStrengthItem();
    chart_->Preview(Varied(), unit_);
}

ChartView* SweepPanel::ExportChart() {
    return &pane_->View();
}

std::string SweepPanel::PanelTable(TableFormat format) const {
    return model_->Text(format);
}

QString SweepPanel::Message() const {
    return message_->text();
}

int SweepPanel::RowCount() const {
    return model_->rowCount();
}

StudyCase SweepPanel::CaptionCase() const {
    return RowCount() > 0 ? runCase_ : StudyCase{fixed_, unit_, {}};
}

std::string SweepPanel::PanelRefusal() const {
    if (!Running()) return {};
    return "the sweep is still running; wait for its end, or cancel it (Esc) to keep the rows "
           "done.";
}

void SweepPanel::Run() {
    const SweepRequest request{Varied(),
                               bounds_[0]->text().toStdString(),
                               bounds_[1]->text().toStdString(),
                               bounds_[2]->text().toStdString(),
                               fixed_,
                               unit_};
    try {
        const SweepGrid grid = MakeSweepGrid(request, settings_);
        if (grid.RowCount() > kMaxPanelRows)
            throw StudyError(std::string(TraitsOf(request.varied).key) + ": more than " +
                             std::to_string(kMaxPanelRows) +
                             " values; the companion tool runs larger sweeps");
        model_->Reset(unit_);
        chart_->Reset(request.varied, unit_);
        message_->clear();
        progress_->setRange(0, static_cast<int>(grid.RowCount()));
        progress_->setValue(0);
        runner_.Start(grid, settings_, threads_);
        runCase_ = {fixed_, unit_, {}};
        SetRunning(true);
    } catch (const StudyError& e) {
        message_->setText(QString::fromStdString(e.Message()));
    }
}

void SweepPanel::Cancel() {
    runner_.Cancel();
}

void SweepPanel::ShowRows(const std::vector<SweepRow>& rows) {
    const bool first = model_->rowCount() == 0;
    model_->Append(rows);
    chart_->Append(rows);
    // Sized once, to the first batch: measuring every row at each batch
    // would cost the event loop more the longer the sweep.
    if (first) table_->resizeColumnsToContents();
}

void SweepPanel::ShowProgress(quint64 done, quint64) {
    progress_->setValue(static_cast<int>(done));
}

void SweepPanel::ShowEnd(bool cancelled, const QString& error) {
    SetRunning(false);
    if (!error.isEmpty())
        message_->setText(error);
    else if (cancelled)
        message_->setText(QString("Cancelled after %1 of %2 rows")
                              .arg(model_->rowCount())
                              .arg(progress_->maximum()));
}

void SweepPanel::SetRunning(bool running) {
    cancel_->setEnabled(running);
    cancelAction_->setEnabled(running);
}

std::string SweepPanel::Readout(const std::vector<SeriesReading>& readings) const {
    if (readings.empty()) return {};
    // Both series share the varied input; the nearest point of each is read,
    // in the unit of the run plotted (a unit chosen since applies to the next).
    const StrengthUnit unit = chart_->Unit();
    std::string text = SweptInputTitle(chart_->Varied(), unit) + " " +
                       ReadoutNumber(readings.front().X, settings_) + ":";
    const auto& list = pane_->Chart().SeriesList();
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const TChartSeries* series = list[readings[i].Series];
        const bool amount = series == &chart_->AmountSeries();
        text += (i ? ", " : " ") + series->Title + " " + ReadoutNumber(readings[i].Y, settings_) +
                " " + (amount ? "g/h" : StrengthUnitSymbol(unit));
    }
    return text;
}

}  // namespace colmara
