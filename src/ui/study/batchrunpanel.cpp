#include "ui/study/batchrunpanel.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFormLayout>
#include <QHeaderView>
#include <QMimeData>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "batch/batchform.h"
#include "batch/batchrecords.h"
#include "runtime/printable.h"
#include "study/studyerror.h"
#include "studyview/batchtabrules.h"
#include "studyview/cuttable.h"
#include "studyview/studychart.h"
#include "ui/inputscaption.h"

namespace colmara {

struct BatchRunPanel::FieldEntry {
    std::string BatchTexts::*text;
    // With a mnemonic of its own: the window's menus, inputs and tabs leave
    // fourteen letters (D E G I J K L M O Q V X Y Z), and some labels are
    // worded to hold theirs. There is none left for the air pressure and the
    // altitude; a label without one is no buddy, so Alt never reaches a
    // field it does not name.
    const char* label;
    const char* name;  // the accessible name
    const char* tip;
};

namespace {

using Entry = BatchRunPanel::FieldEntry;

// Scrolls `area` to the control inside it that takes the focus: Tab into
// the tab from outside, or a shortcut, goes past the area's own scrolling.
void FollowFocus(QScrollArea& area) {
    QObject::connect(qApp, &QApplication::focusChanged, &area, [&area](QWidget*, QWidget* now) {
        if (now != nullptr && area.widget()->isAncestorOf(now)) area.ensureWidgetVisible(now);
    });
}

// The two texts that are choices rather than typed.
bool IsChoice(std::string BatchTexts::*text) {
    return text == &BatchTexts::chargeUnit || text == &BatchTexts::policy;
}

// The form's rows, in kBatchTextKeys order. A label of a text that holds
// strengths gets the unit they are typed in.
const Entry kEntries[] = {
    {&BatchTexts::charge, "Charge &quantity", "Charge", "Amount in the boiler at the start"},
    {&BatchTexts::chargeUnit, "Char&ge unit", "Charge unit", "ml at 20 °C, or g"},
    {&BatchTexts::startTemperature, "Start te&mperature, °C", "Start temperature",
     "Temperature of the charge when heating starts (for the heat-up estimate)"},
    {&BatchTexts::pressure, "Air pressure, hPa", "Air pressure",
     "Air pressure the still boils at, 300 to 1100 hPa, for the head temperatures; empty: "
     "1013.25 hPa, or the altitude's"},
    {&BatchTexts::altitude, "Altitude, m", "Altitude",
     "Altitude of the still instead of the air pressure (the standard atmosphere's "
     "pressure there); empty: the air pressure's"},
    {&BatchTexts::policy, "Polic&y", "Policy",
     "Constant reflux ratio (the window's), or a reflux that rises to hold a target "
     "strength"},
    {&BatchTexts::targetStrength, "Ad&just reflux to hold", "Target strength",
     "Target strength: the product strength the strength policy holds by adjusting the reflux, "
     "in the window's unit"},
    {&BatchTexts::maxReflux, "Ma&ximum reflux", "Maximum reflux",
     "Highest reflux ratio the strength policy goes to; the run then goes on at it"},
    {&BatchTexts::heads, "Heads si&ze", "Heads",
     "The first product: 50ml, 40g, or 3% of the charge's alcohol"},
    {&BatchTexts::heartsUntil, "Hearts unt&il", "Hearts until",
     "Hearts end when the product strength falls below this; tails follow to the end"},
    {&BatchTexts::cuts, "&Own cuts", "Own cuts",
     "Your own cuts in order, NAME:CONDITION separated by ';' (e.g. heads:40g; hearts:<85; "
     "tails:end); a CONDITION is an amount, <STRENGTH, >T C (the head temperature rises above "
     "T °C), MINUTESmin or end. Empty: heads, hearts and tails"},
    {&BatchTexts::stopBoiler, "Stop at boi&ler", "Stop at boiler strength",
     "Stop when the boiler strength falls to this; empty for no such stop"},
    {&BatchTexts::stopProduct, "Stop at pro&duct", "Stop at product strength",
     "Stop when the product strength falls below this, or with >T C when the head "
     "temperature rises above T °C; empty for no such stop"},
    {&BatchTexts::stopAmount, "Stop at amount ta&ken", "Stop at amount collected",
     "Stop once this much is collected (50ml, 40g, 3%); empty for no such stop"},
    {&BatchTexts::stopAfter, "Stop aft&er, min", "Stop after minutes",
     "Stop this many minutes after heating starts; empty for no such stop"},
    {&BatchTexts::every, "Timeline e&very, min", "Timeline interval",
     "Minutes between the timeline's rows (the chart's points)"},
};

// A single local .csv file dropped on the tab opens as its run log.
QString DroppedLog(const QMimeData* data) {
    if (data == nullptr || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return {};
    const QString path = data->urls().front().toLocalFile();
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? path : QString();
}

}  // namespace

std::size_t BatchRunPanel::IndexOf(std::string BatchTexts::*text) {
    for (std::size_t i = 0; i < kBatchTextKeys.size(); ++i)
        if (kBatchTextKeys[i].text == text) return i;
    return 0;
}

BatchRunPanel::BatchRunPanel(const FormatSettings& settings, QWidget* parent)
    : StudyPanel(parent),
      settings_(settings),
      fields_(kBatchTextKeys.size(), nullptr),
      labels_(kBatchTextKeys.size(), nullptr),
      strengths_(kBatchTextKeys.size()),
      // The form is made first, so Qt's own Tab order starts in it.
      form_(BuildForm()),
      pane_(new ChartPane(
          QStringLiteral("Batch run chart"),
          [this](const std::vector<SeriesReading>& r) { return Readout(r); }, settings, this)),
      refluxView_(new ChartView(this, settings)),
      chart_(pane_->Chart(), refluxView_->Chart()),
      table_(new QTableWidget(this)),
      summary_(new QLabel(this)),
      progress_(new QProgressBar(this)),
      logBar_(new RunLogBar(settings, this)),
      split_(new QSplitter(Qt::Horizontal)) {
    SetUpTable();
    summary_->setWordWrap(true);
    // A word longer than the tab (a long text in a refusal) is cut rather
    // than widen the window; the whole sentence is in the tooltip.
    summary_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->setMinimumHeight(0);
    // No wider a minimum than the other tabs': the tab must not change the
    // room the window gives them.
    pane_->View().setMinimumSize(160, 100);
    refluxView_->setMinimumSize(160, 80);
    refluxView_->setAccessibleName(QStringLiteral("Reflux chart"));
    refluxView_->setToolTip(QStringLiteral("The reflux ratio the strength policy sets over time"));
    summary_->setAccessibleName(QStringLiteral("Batch run summary"));
    progress_->setRange(0, 1000);
    progress_->setAccessibleName(QStringLiteral("Batch run progress"));
    progress_->hide();
    busyShow_.setSingleShot(true);
    busyShow_.setInterval(kBusyShowMs);
    connect(&busyShow_, &QTimer::timeout, this, &BatchRunPanel::ShowBusy);
    connect(&runner_, &BatchRunner::Progressed, this, &BatchRunPanel::ShowProgress);
    Arrange();
    // The reflux panel's time axis follows the chart's as drawn.
    connect(&pane_->View(), &ChartView::Rendered, this, [this] { chart_.AlignReflux(); });
    connect(&runner_, &BatchRunner::Finished, this, &BatchRunPanel::Finished);
    connect(headShown_, &QCheckBox::toggled, this,
            [this](bool shown) { chart_.ShowHeadTemperature(shown); });
    connect(logBar_, &RunLogBar::Opened, this, &BatchRunPanel::Rerun);
    connect(logBar_, &RunLogBar::FitAsked, this, &BatchRunPanel::AskFit);
    setAcceptDrops(true);
    ChainTabOrder();
    SetTexts(DefaultBatchTexts(unit_, settings_));
}

void BatchRunPanel::SetUpTable() {
    table_->setColumnCount(static_cast<int>(CutTableHeaders(unit_).size()));
    // Columns as wide as their numbers, not their headers' words.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    FillTable();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table rather than walk its cells; the arrows walk them.
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->setVisible(false);
    table_->setAccessibleName(QStringLiteral("Cut table"));
    // The style's own focus mark is faint on an empty table; this one shows.
    table_->setStyleSheet(
        QStringLiteral("QTableView:focus { border: 2px solid palette(highlight); }"));
    table_->setToolTip(
        QStringLiteral("Each cut's times, amount and strength (colmara-report "
                       "batch --cuts)"));
    // The table may shrink to nothing rather than make the window taller
    // than the other tabs need.
    table_->setMinimumSize(0, 0);
}

void BatchRunPanel::Arrange() {
    auto* right = new QSplitter(Qt::Vertical);
    right->addWidget(pane_);
    right->addWidget(refluxView_);
    right->addWidget(table_);
    right->setStretchFactor(0, 5);
    right->setStretchFactor(1, 2);
    right->setStretchFactor(2, 2);
    results_ = new QWidget;
    auto* resultsLayout = new QVBoxLayout(results_);
    resultsLayout->setContentsMargins(0, 0, 0, 0);
    resultsLayout->addWidget(right, 1);
    resultsLayout->addWidget(progress_);
    resultsLayout->addWidget(summary_);
    resultsLayout->addWidget(logBar_);
    split_->addWidget(form_);
    split_->addWidget(results_);
    split_->setStretchFactor(1, 1);
    split_->setChildrenCollapsible(false);
    // Stacked on a narrow screen, the tab scrolls up and down as a whole.
    auto* whole = new QScrollArea;
    whole->setWidget(split_);
    FollowFocus(*whole);
    whole->setWidgetResizable(true);
    whole->setFrameShape(QFrame::NoFrame);
    whole->setFocusPolicy(Qt::NoFocus);
    whole->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(whole);
}

void BatchRunPanel::Restack(int width) {
    const bool stacked = width < form_->minimumWidth() + kResultsLeast;
    split_->setOrientation(stacked ? Qt::Vertical : Qt::Horizontal);
    // Stacked, the form shows whole and the results below it at a height
    // the chart can be read at; side by side each takes what it is given.
    const auto* scroll = static_cast<QScrollArea*>(form_);
    form_->setMinimumHeight(stacked ? scroll->widget()->sizeHint().height() : 0);
    results_->setMinimumHeight(stacked ? kStackedResults : 0);
}

void BatchRunPanel::resizeEvent(QResizeEvent* event) {
    Restack(event->size().width());
    StudyPanel::resizeEvent(event);
}

QWidget* BatchRunPanel::BuildForm() {
    auto* form = new QWidget;
    auto* layout = new QFormLayout(form);
    for (const Entry& entry : kEntries) AddField(*layout, entry);
    Relabel();
    // A choice of the chart's, not of the run: no text of setups. Every
    // letter is taken, so it has no mnemonic.
    headShown_ = new QCheckBox(QStringLiteral("Head temperature on the chart"));
    headShown_->setAccessibleName(QStringLiteral("Show the head temperature"));
    headShown_->setToolTip(
        QStringLiteral("The chart's right axis gives the head temperature at the run's air "
                       "pressure, in °C, instead of the amount collected"));
    layout->addRow(headShown_);
    auto* scroll = new QScrollArea;
    scroll->setWidget(form);
    FollowFocus(*scroll);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Tab goes from field to field (the area scrolls to each); the area
    // itself is no stop.
    scroll->setFocusPolicy(Qt::NoFocus);
    // Every field whole without a horizontal scroll: the form is never
    // narrower than its labels and the fields' least width, and the labels
    // are short enough for a 640 px screen.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(form->minimumSizeHint().width() +
                            scroll->verticalScrollBar()->sizeHint().width());
    return scroll;
}

void BatchRunPanel::AddField(QFormLayout& form, const Entry& entry) {
    QWidget* widget = nullptr;
    if (IsChoice(entry.text)) {
        auto* box = new QComboBox;
        if (entry.text == &BatchTexts::chargeUnit) {
            box->addItem(QStringLiteral("ml at 20 °C"), QStringLiteral("ml"));
            box->addItem(QStringLiteral("g"), QStringLiteral("g"));
            chargeUnit_ = box;
        } else {
            box->addItem(QStringLiteral("Constant reflux"), QStringLiteral("reflux"));
            box->addItem(QStringLiteral("Constant strength"), QStringLiteral("strength"));
            policy_ = box;
        }
        connect(box, &QComboBox::currentIndexChanged, this, &BatchRunPanel::Edited);
        widget = box;
    } else {
        auto* field = new QLineEdit;
        // Kept whole, however long (a setup's list of cuts may run to any
        // length): the run and the setup file read the text as typed.
        field->setMaxLength(std::numeric_limits<int>::max());
        const std::size_t index = IndexOf(entry.text);
        fields_[index] = field;
        if (const StrengthRewrite rewrite = BatchTextSwitchOf(entry.text))
            strengths_[index].emplace(rewrite);
        connect(field, &QLineEdit::textEdited, this, &BatchRunPanel::Edited);
        widget = field;
    }
    widget->setAccessibleName(QString::fromUtf8(entry.name));
    widget->setToolTip(QString::fromUtf8(entry.tip));
    auto* label = new QLabel;
    if (QString::fromUtf8(entry.label).contains('&')) label->setBuddy(widget);
    labels_[IndexOf(entry.text)] = label;
    form.addRow(label, widget);
}

void BatchRunPanel::Relabel() {
    for (const Entry& entry : kEntries) {
        QString text = QString::fromUtf8(entry.label);
        if (strengths_[IndexOf(entry.text)])
            text += QString::fromUtf8(entry.text == &BatchTexts::cuts ? " (< in " : ", ") +
                    QString::fromStdString(StrengthAxisUnit(unit_)) +
                    (entry.text == &BatchTexts::cuts ? QStringLiteral(")") : QString());
        labels_[IndexOf(entry.text)]->setText(text);
    }
}

void BatchRunPanel::ChainTabOrder() {
    // Screen order: the form from the top, then the chart, then the table
    // (the chart and table were made first, so Qt's own order starts there).
    std::vector<QWidget*> chain;
    for (std::size_t i = 0; i < kBatchTextKeys.size(); ++i) {
        const auto text = kBatchTextKeys[i].text;
        QWidget* widget = fields_[i];
        if (text == &BatchTexts::chargeUnit) widget = chargeUnit_;
        if (text == &BatchTexts::policy) widget = policy_;
        chain.push_back(widget);
    }
    chain.push_back(headShown_);
    chain.push_back(&pane_->View());
    chain.push_back(table_);
    chain.push_back(&logBar_->FitButton());
    chain.push_back(&logBar_->NotesButton());
    // The form went into its splitter after the chart was made, so its
    // fields are put back in front of the chart.
    setTabOrder(pane_->View().previousInFocusChain(), chain.front());
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

BatchTexts BatchRunPanel::Texts() const {
    BatchTexts texts;
    for (std::size_t i = 0; i < kBatchTextKeys.size(); ++i)
        if (fields_[i] != nullptr) texts.*kBatchTextKeys[i].text = fields_[i]->text().toStdString();
    texts.chargeUnit = chargeUnit_->currentData().toString().toStdString();
    texts.policy = policy_->currentData().toString().toStdString();
    return texts;
}

void BatchRunPanel::SetTexts(const BatchTexts& texts) {
    for (std::size_t i = 0; i < kBatchTextKeys.size(); ++i) {
        const std::string& text = texts.*kBatchTextKeys[i].text;
        if (fields_[i] != nullptr) fields_[i]->setText(QString::fromStdString(text));
        if (strengths_[i]) strengths_[i]->Typed(text, unit_);
    }
    const QSignalBlocker unitBlock(chargeUnit_), policyBlock(policy_);
    chargeUnit_->setCurrentIndex(texts.chargeUnit == "g" ? 1 : 0);
    policy_->setCurrentIndex(texts.policy == "strength" ? 1 : 0);
    Edited();
}

void BatchRunPanel::SwitchUnit(StrengthUnit to) {
    if (to == unit_) return;
    unit_ = to;
    for (std::size_t i = 0; i < kBatchTextKeys.size(); ++i)
        if (strengths_[i])
            fields_[i]->setText(QString::fromStdString(strengths_[i]->SwitchTo(to, settings_)));
    Relabel();
    // The run waits for the case in the new unit, which is on its way.
    Greys();
}

void BatchRunPanel::Edited() {
    const BatchTexts texts = Texts();
    for (std::size_t i = 0; i < kBatchTextKeys.size(); ++i)
        if (strengths_[i]) strengths_[i]->Shown(texts.*kBatchTextKeys[i].text, unit_);
    Greys();
    logBar_->InputsChanged();
    Rerun();
}

void BatchRunPanel::Greys() {
    const BatchTexts texts = Texts();
    for (std::size_t i = 0; i < kBatchTextKeys.size(); ++i)
        if (fields_[i] != nullptr)
            fields_[i]->setEnabled(BatchTextRead(texts, kBatchTextKeys[i].text));
}

void BatchRunPanel::Draw(const StudyCase&) {
    haveCase_ = true;
    logBar_->InputsChanged();
    Rerun();
}

void BatchRunPanel::Rerun() {
    if (!haveCase_) return;  // the window's first case is still on its way
    // A run costs a hundred calculations or more: a hidden tab runs when shown.
    stale_ = !isVisible();
    if (stale_) return;
    if (!Current()) {
        Refuse("The column's inputs do not calculate; the run shown is an older one.");
        return;
    }
    try {
        runner_.Request(ScreenRequest(), settings_, logBar_->Log());
        requested_ = {Texts(), Solved()};
        current_ = false;
        refusal_.clear();
        cuts_.clear();
        share_ = 0;
        busyShow_.start();
    } catch (const StudyError& e) {
        Refuse(e.Message());
    }
}

BatchRequest BatchRunPanel::ScreenRequest() const {
    // Current: the case solved is the newest one.
    BatchRequest request = BatchRequestOf(Texts(), Solved().typed, Solved().unit, settings_);
    // The run's refusals give its numbers as the window shows them.
    request.calculatedText = [&settings = settings_](double value) {
        return ReadoutNumber(value, settings);
    };
    return request;
}

void BatchRunPanel::AskFit() {
    if (!haveCase_ || !Current()) {
        logBar_->RefuseFit("the column's inputs do not calculate.");
        return;
    }
    try {
        logBar_->Fit(ScreenRequest());
    } catch (const StudyError& e) {
        logBar_->RefuseFit(e.Message());
    }
}

void BatchRunPanel::CloseLog() {
    logBar_->Close();
    chart_.CloseLog();
}

void BatchRunPanel::ShowLog(const BatchOutcome& outcome) {
    // A run asked for before the log opened or after it closed has no log
    // of the tab's to show.
    if (!outcome.log || !logBar_->Log()) {
        chart_.CloseLog();
        return;
    }
    chart_.ShowLog(logBar_->Name(), *outcome.log, outcome.result->timeline);
    logBar_->ShowPairs(*outcome.log);
}

void BatchRunPanel::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedLog(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void BatchRunPanel::dropEvent(QDropEvent* event) {
    const QString path = DroppedLog(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    OpenLog(path);
}

void BatchRunPanel::showEvent(QShowEvent* event) {
    StudyPanel::showEvent(event);
    // Putting the panel into the window rebuilds its part of the focus
    // chain; the form goes back in front of the chart.
    ChainTabOrder();
    if (stale_) Rerun();
}

void BatchRunPanel::ShowBusy() {
    if (!runner_.Busy()) return;
    chart_.Grey(true);
    table_->setEnabled(false);
    progress_->show();
    ShowProgress(share_);
}

void BatchRunPanel::ShowProgress(double share) {
    share_ = share;
    if (progress_->isHidden()) return;
    progress_->setValue(static_cast<int>(share * progress_->maximum()));
    SetSummary(QString::fromStdString(BatchBusySummary(share)));
}

void BatchRunPanel::EndBusy() {
    busyShow_.stop();
    progress_->hide();
    table_->setEnabled(true);
}

void BatchRunPanel::SetSummary(const QString& text) {
    summary_->setText(text);
    summary_->setToolTip(text);
}

void BatchRunPanel::Refuse(const std::string& message) {
    // A run already asked for would show numbers these texts no longer give.
    runner_.Cancel();
    EndBusy();
    current_ = false;
    cuts_.clear();
    FillTable();
    chart_.Grey(true);
    SetSummary(QString::fromStdString(message));
    refusal_ = "the batch run does not run through: " + message;
}

void BatchRunPanel::Finished(const BatchOutcome& outcome) {
    EndBusy();
    if (!outcome.result) {
        Refuse(outcome.error);
        return;
    }
    const BatchResult& run = *outcome.result;
    refusal_.clear();
    chart_.Show(run, outcome.unit, settings_);
    ShowLog(outcome);
    shownUnit_ = outcome.unit;
    drawn_ = requested_;
    timelineCsv_ = BatchCsv(run, outcome.unit, false);
    // A constant reflux is the window's input; only the strength policy's
    // needs a panel of its own.
    refluxView_->setVisible(drawn_->texts.policy == "strength");
    current_ = true;
    cuts_.clear();
    for (const CutResult& cut : run.cuts) cuts_.push_back(CutRecord(cut));
    shownCuts_ = run.cuts;
    FillTable();
    SetSummary(QString::fromStdString(BatchSummary(run, settings_)));
}

void BatchRunPanel::FillTable() {
    QStringList headers;
    for (const std::string& header : CutTableHeaders(shownUnit_))
        headers << QString::fromStdString(header);
    table_->setHorizontalHeaderLabels(headers);
    // The rows follow the table that exports; none while it is empty.
    table_->setRowCount(cuts_.empty() ? 0 : static_cast<int>(shownCuts_.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const auto cells =
            CutTableCells(shownCuts_[static_cast<std::size_t>(row)], shownUnit_, settings_);
        for (int column = 0; column < static_cast<int>(cells.size()); ++column)
            table_->setItem(row, column,
                            new QTableWidgetItem(
                                QString::fromStdString(cells[static_cast<std::size_t>(column)])));
    }
}

std::string BatchRunPanel::PanelTable(TableFormat format) const {
    return cuts_.empty() ? std::string() : TableText(CutRecord({}), cuts_, format);
}

std::string BatchRunPanel::PanelSecondTable() const {
    return cuts_.empty() ? std::string() : timelineCsv_;
}

QString BatchRunPanel::Caption() const {
    if (!drawn_) return StudyPanel::Caption();
    const BatchCaptionText batch = BatchCaption(drawn_->texts, drawn_->study.unit);
    return InputsCaption(drawn_->study.typed, drawn_->study.unit,
                         QString::fromStdString(EscapeControls(batch.reflux))) +
           QLatin1Char('\n') + QString::fromStdString(EscapeControls(batch.line));
}

std::string BatchRunPanel::PanelRefusal() const {
    if (current_) return {};
    return refusal_.empty() ? "the batch run is still being calculated." : refusal_;
}

std::string BatchRunPanel::Readout(const std::vector<SeriesReading>& readings) const {
    if (readings.empty()) return {};
    // Short words, and the reflux first, so it shows in a narrow tab too.
    std::vector<std::string> parts;
    // The reflux of the row nearest the pointer's minute, from the panel below.
    if (const auto reflux = chart_.RefluxAt(pane_->PointerX()))
        parts.push_back("reflux " + ReadoutNumber(*reflux, settings_));
    const auto& list = pane_->Chart().SeriesList();
    const std::string strength = std::string(" ") + StrengthUnitSymbol(shownUnit_);
    for (const SeriesReading& r : readings) {
        const TChartSeries* series = list[r.Series];
        const std::string value = ReadoutNumber(r.Y, settings_);
        if (series == &chart_.Product()) parts.push_back("product " + value + strength);
        if (series == &chart_.Boiler()) parts.push_back("boiler " + value + strength);
        if (series == &chart_.Collected()) parts.push_back("collected " + value + " g");
        // The head temperature was asked for to be read: it goes first.
        if (series == &chart_.HeadTemperature())
            parts.insert(parts.begin(), "head " + value + " °C");
    }
    std::string text = ReadoutNumber(pane_->PointerX(), settings_) + " min:";
    for (std::size_t i = 0; i < parts.size(); ++i) text += (i == 0 ? " " : ", ") + parts[i];
    return text;
}

}  // namespace colmara
