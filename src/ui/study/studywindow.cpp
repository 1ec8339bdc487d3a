#include "ui/study/studywindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

#include "studyview/failuremessage.h"
#include "studyview/studychart.h"
#include "ui/chart/chartview.h"
#include "ui/screenfit.h"
#include "ui/study/comparepanel.h"
#include "ui/study/mccabepanel.h"
#include "ui/study/profilepanel.h"
#include "ui/study/shortcutkeeper.h"
#include "ui/study/studyguide.h"
#include "ui/study/sweeppanel.h"
#include "ui/tools/toolswindow.h"

namespace colmara {

StudyWindow::StudyWindow(const FormatSettings& settings, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      inputs_(new StudyInputs(settings)),
      tabs_(new QTabWidget),
      splitter_(new QSplitter) {
    setWindowTitle(QStringLiteral("Colmara Study"));
    auto* side = new QWidget;
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->addWidget(inputs_);
    sideLayout->addStretch();
    // The inputs scroll rather than push the window past a short screen.
    auto* scroll = new QScrollArea;
    scroll->setWidget(side);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Not a stop of its own: Tab goes to the fields inside, which it scrolls to.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(side->minimumSizeHint().width());
    splitter_->addWidget(scroll);
    splitter_->addWidget(tabs_);
    splitter_->setStretchFactor(1, 1);
    splitter_->setChildrenCollapsible(false);
    setCentralWidget(splitter_);
    tabs_->setAccessibleName(QStringLiteral("Views of the case"));
    AddPanels();
    OrderFocus();
    BuildMenu();
    // A roomy first size, but never more than the screen has room for.
    resize(FittedSize(QSize(1100, 680), screen()->availableGeometry()));
    Reflow(width());
    // The batch texts are typed in the window's unit and follow its switch.
    connect(inputs_, &StudyInputs::UnitSwitched, batch_, &BatchRunPanel::SwitchUnit);
    connect(inputs_, &StudyInputs::Changed, this, &StudyWindow::InputsChanged);
    connect(&solver_, &CaseSolver::Solved, this, &StudyWindow::ShowCase);
    RestoreState();
    // The first case needs no debounce: nobody is typing yet.
    InputsChanged();
    solver_.Flush();
}

void StudyWindow::AddPanels() {
    // The mnemonics avoid the inputs' (P, S, U, T, R) and the menus' (F, H).
    AddPanel(new ProfilePanel(settings_), QStringLiteral("&Column profile"));
    AddPanel(new McCabePanel(settings_), QStringLiteral("McCa&be–Thiele"));
    auto* sweep = new SweepPanel(settings_);
    AddPanel(sweep, QStringLiteral("S&weep"));
    batch_ = new BatchRunPanel(settings_);
    AddPanel(batch_, QStringLiteral("Batch ru&n"));
    AddPanel(new ComparePanel(settings_), QStringLiteral("Comp&are"));
    addAction(sweep->CancelAction());
}

void StudyWindow::OrderFocus() {
    // Screen order: the inputs down the left, then the tab bar; each panel's
    // controls follow it in the order they were made, which is theirs.
    QWidget* const chain[] = {&inputs_->Field(Input::Power),
                              &inputs_->Field(Input::Strength),
                              &inputs_->UnitSelector(),
                              &inputs_->Field(Input::Plates),
                              &inputs_->Field(Input::Reflux),
                              &inputs_->Field(Input::Efficiency),
                              tabs_};
    for (std::size_t i = 0; i + 1 < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
}

void StudyWindow::AddPanel(StudyPanel* panel, const QString& title) {
    panels_.push_back(panel);
    tabs_->addTab(panel, title);
    // A chart's paint or mouse handler that fails says so in the status
    // line instead of unwinding into the event loop.
    if (ChartView* chart = panel->ExportChart())
        chart->SetEventGuard([this](const std::function<void()>& handler) {
            try {
                handler();
            } catch (const std::exception& e) {
                inputs_->ShowStatus(QString::fromUtf8(e.what()), true);
            }
        });
}

void StudyWindow::BuildMenu() {
    BuildFileMenu();
    // Tabs switch from any control, a field included; the keys never reach
    // a field, so they change no number.
    auto* next = new QAction(QStringLiteral("Next tab"), this);
    next->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    connect(next, &QAction::triggered, this, [this] { StepTab(1); });
    auto* previous = new QAction(QStringLiteral("Previous tab"), this);
    previous->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                            QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    connect(previous, &QAction::triggered, this, [this] { StepTab(-1); });
    addActions({next, previous});
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("Study window &guide"), QKeySequence::HelpContents, this,
                    [this] { ShowStudyGuide(*this); });
    QList<QKeySequence> shortcuts;
    for (const QAction* action : findChildren<QAction*>()) shortcuts << action->shortcuts();
    new ShortcutKeeper(*this, shortcuts);
}

void StudyWindow::StepTab(int step) {
    const int count = tabs_->count();
    tabs_->setCurrentIndex((tabs_->currentIndex() + step + count) % count);
}

void StudyWindow::BuildFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open setup…"), QKeySequence::Open, this,
                    &StudyWindow::OpenSetup);
    file->addAction(QStringLiteral("&Save setup…"), QKeySequence::Save, this,
                    &StudyWindow::SaveSetup);
    file->addAction(QStringLiteral("Open &run log…"), this, &StudyWindow::OpenRunLog);
    QAction* closeLog =
        file->addAction(QStringLiteral("Close run lo&g"), batch_, &BatchRunPanel::CloseLog);
    file->addSeparator();
    file->addAction(QStringLiteral("&Export…"), QKeySequence(Qt::CTRL | Qt::Key_E), this,
                    &StudyWindow::Export);
    QAction* copy = file->addAction(QStringLiteral("&Copy table"),
                                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this,
                                    &StudyWindow::CopyTable);
    // Greyed in the open menu where the tab has no table; the shortcut stays
    // live and says so in the status line.
    connect(file, &QMenu::aboutToShow, this, [this, copy, closeLog] {
        copy->setEnabled(!CurrentPanel().TableTsv().empty());
        closeLog->setEnabled(batch_->LogBar().Log() != nullptr);
    });
    connect(file, &QMenu::aboutToHide, copy, [copy] { copy->setEnabled(true); });
    // In this menu rather than a menu of its own: Alt+T, a "Tools" menu's
    // key, already goes to the Plates field.
    file->addAction(QStringLiteral("Spirit and still &tools…"), this, [this] {
        const BatchTexts batch = batch_->Texts();
        ShowToolsWindow(*this, inputs_->Typed(), inputs_->Unit(), settings_, &batch);
    });
    file->addSeparator();
    file->addAction(QStringLiteral("C&lose"), QKeySequence(Qt::CTRL | Qt::Key_W), this,
                    &QWidget::close);
}

void StudyWindow::StartWith(const InputTexts& typed, StrengthUnit unit) {
    inputs_->SetInputs(typed, unit);
}

void StudyWindow::InputsChanged() {
    solver_.Request(inputs_->Typed(), inputs_->Unit(), settings_);
}

void StudyWindow::ShowCase(const StudyCase& study) {
    shown_ = study;
    const CaseResult& result = study.profile.result;
    if (result.Solved()) {
        inputs_->ShowStatus(QString::fromStdString(ProductStatus(result, study.unit, settings_)),
                            false);
        solvedOnce_ = true;
    } else {
        // The panels grey the last case that solved; before one has, none is drawn.
        inputs_->ShowStatus(
            QString::fromStdString(FailureStatus(study.typed, study.unit, result.error.value_or(""),
                                                 solvedOnce_, settings_)),
            true);
    }
    for (StudyPanel* panel : panels_) panel->ShowCase(study);
}

void StudyWindow::Reflow(int width) {
    // Beside each other the two need about this much; below it the inputs
    // go above the tabs, which then have the whole width.
    constexpr int kSideBySide = 900;
    const Qt::Orientation wanted = width < kSideBySide ? Qt::Vertical : Qt::Horizontal;
    if (splitter_->orientation() == wanted) return;
    splitter_->setOrientation(wanted);
    inputs_->SetColumns(wanted == Qt::Vertical ? 2 : 1);
    // Above the tabs the inputs get the height they ask for, or what the
    // tabs leave; the tabs take the rest.
    if (wanted == Qt::Vertical) splitter_->setSizes({inputs_->sizeHint().height(), height()});
}

void StudyWindow::resizeEvent(QResizeEvent* event) {
    Reflow(event->size().width());
    QMainWindow::resizeEvent(event);
}

void StudyWindow::closeEvent(QCloseEvent* event) {
    SaveState();
    QMainWindow::closeEvent(event);
}

}  // namespace colmara
