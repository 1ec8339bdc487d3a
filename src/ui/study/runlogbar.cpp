#include "ui/study/runlogbar.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "runtime/printable.h"
#include "studyview/logfittext.h"

namespace colmara {

namespace {

// A label that wraps within the width it gets, never widening the tab; the
// whole text is in its tooltip too.
QLabel* Wrapped(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAccessibleName(QString::fromUtf8(name));
    return label;
}

QString Escaped(const std::string& text) {
    return QString::fromStdString(EscapeControls(text));
}

}  // namespace

RunLogBar::RunLogBar(const FormatSettings& settings, QWidget* parent)
    : QWidget(parent),
      settings_(settings),
      status_(Wrapped("Run log status", this)),
      fitText_(Wrapped("Fit to the run log", this)),
      // No mnemonics: the tab's form has taken every free letter.
      fit_(new QPushButton(QStringLiteral("Fit to log"), this)),
      notesButton_(new QPushButton(QStringLiteral("Log notes…"), this)),
      progress_(new QProgressBar(this)) {
    fit_->setToolTip(
        QStringLiteral("Find the plates and the share of the power lost that bring the run "
                       "closest to the run log (File → Open run log…)"));
    notesButton_->setToolTip(QStringLiteral("Every line of the run log left out, and why"));
    progress_->setRange(0, 1000);
    progress_->setAccessibleName(QStringLiteral("Fit progress"));
    progress_->hide();
    fit_->setEnabled(false);
    notesButton_->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(fit_);
    buttons->addWidget(notesButton_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(status_);
    layout->addWidget(progress_);
    layout->addWidget(fitText_);
    connect(fit_, &QPushButton::clicked, this, &RunLogBar::FitAsked);
    connect(notesButton_, &QPushButton::clicked, this, &RunLogBar::ShowNotes);
    connect(&reader_, &RunLogReader::Read, this, &RunLogBar::Read);
    connect(&fitter_, &LogFitter::Finished, this, &RunLogBar::Fitted);
    connect(&fitter_, &LogFitter::Progressed, this,
            [this](double share) { progress_->setValue(static_cast<int>(share * 1000)); });
}

std::string RunLogBar::Name() const {
    return QFileInfo(path_).fileName().toStdString();
}

void RunLogBar::Open(const QString& path) {
    SetStatus(QStringLiteral("Reading the run log ") + path + QStringLiteral("…"));
    reader_.Request(path.toStdString());
}

void RunLogBar::Close() {
    reader_.Cancel();
    InputsChanged();
    log_.reset();
    path_.clear();
    notes_.clear();
    fit_->setEnabled(false);
    notesButton_->setEnabled(false);
    SetStatus({});
}

void RunLogBar::Read(const RunLogOutcome& outcome) {
    if (!outcome.log) {
        SetStatus(Escaped(outcome.error) +
                  (log_ ? QStringLiteral(" The log drawn stays.") : QString()));
        return;
    }
    InputsChanged();
    log_ = outcome.log;
    path_ = QString::fromStdString(outcome.path);
    notes_ = log_->notes;
    notesButton_->setEnabled(!notes_.empty());
    fit_->setEnabled(true);
    SetStatus(QString::fromStdString(Name()) + QStringLiteral(": waiting for the run."));
    emit Opened();
}

void RunLogBar::ShowPairs(const LogPairs& pairs) {
    notes_ = pairs.notes;
    notesButton_->setEnabled(!notes_.empty());
    QString text = Escaped(LogPairsText(Name(), pairs.readings.size(), notes_.size()));
    if (!notes_.empty()) text += QStringLiteral(" ") + Escaped(notes_.front());
    SetStatus(text);
}

void RunLogBar::InputsChanged() {
    fitter_.Cancel();
    progress_->hide();
    SetFitText({});
}

void RunLogBar::Fit(const BatchRequest& request) {
    if (!log_) return;
    fitter_.Request(request, log_, settings_);
    progress_->setValue(0);
    progress_->show();
    SetFitText(QStringLiteral("Fitting the run to the log…"));
}

void RunLogBar::RefuseFit(const std::string& message) {
    InputsChanged();
    SetFitText(QStringLiteral("No fit: ") + Escaped(message));
}

void RunLogBar::Fitted(const LogFitOutcome& outcome) {
    progress_->hide();
    SetFitText(outcome.fit ? Escaped(LogFitText(*outcome.fit, settings_))
                           : QStringLiteral("No fit: ") + Escaped(outcome.error));
}

QString RunLogBar::Notes() const {
    QStringList lines;
    for (const std::string& note : notes_) lines << Escaped(note);
    return lines.join(QLatin1Char('\n'));
}

void RunLogBar::ShowNotes() {
    // Beside the window rather than over it: the chart stays usable.
    auto* dialog = new QDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Run log notes – ") + QString::fromStdString(Name()));
    auto* text = new QPlainTextEdit(Notes(), dialog);
    text->setReadOnly(true);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    connect(close, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(text);
    layout->addWidget(close);
    dialog->resize(520, 320);
    dialog->show();
}

void RunLogBar::SetStatus(const QString& text) {
    status_->setText(text);
    status_->setToolTip(text);
    status_->setVisible(!text.isEmpty());
}

void RunLogBar::SetFitText(const QString& text) {
    fitText_->setText(text);
    fitText_->setToolTip(text);
    fitText_->setVisible(!text.isEmpty());
}

}  // namespace colmara
