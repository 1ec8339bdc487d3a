// The batch tab's run log controls, under its chart: what the log open
// gave (its readings beside the run, the lines left out, with a button that
// shows every note), why a file was refused, and "Fit to log" with the
// fit's progress and numbers. The log is read and fitted off the GUI
// thread (RunLogReader, LogFitter); the panel draws it and asks the fit.
// A file refused leaves the log open as it was.
#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "batch/logpairing.h"
#include "ui/study/logfitter.h"
#include "ui/study/runlogreader.h"

namespace colmara {

class RunLogBar : public QWidget {
    Q_OBJECT

  public:
    // settings: the number symbols of the fit's text; must outlive the bar.
    explicit RunLogBar(const FormatSettings& settings, QWidget* parent = nullptr);

    // Reads the log at `path` on a worker; Opened follows, or the refusal
    // shows and the log open stays.
    void Open(const QString& path);
    // Removes the log; a log being read or fitted is dropped.
    void Close();
    const std::shared_ptr<const RunLog>& Log() const { return log_; }
    // The log open's path as opened, and its file name; empty without one.
    const QString& Path() const { return path_; }
    std::string Name() const;

    // The run drawn paired the log's readings so.
    void ShowPairs(const LogPairs& pairs);
    // The inputs changed: the fit in hand stops and the fit shown goes.
    void InputsChanged();
    // Fits the log from `request`, the tab's run as on screen.
    void Fit(const BatchRequest& request);
    // The fit cannot run: the inputs do not.
    void RefuseFit(const std::string& message);

    QString Status() const { return status_->text(); }
    QString FitText() const { return fitText_->text(); }
    // Every note of the reading and pairing, one a line.
    QString Notes() const;
    QPushButton& FitButton() { return *fit_; }
    QPushButton& NotesButton() { return *notesButton_; }
    QProgressBar& FitProgress() { return *progress_; }
    LogFitter& Fitter() { return fitter_; }
    RunLogReader& Reader() { return reader_; }

  signals:
    void Opened();
    void FitAsked();

  private:
    void Read(const RunLogOutcome& outcome);
    void Fitted(const LogFitOutcome& outcome);
    void ShowNotes();
    void SetStatus(const QString& text);
    void SetFitText(const QString& text);

    const FormatSettings& settings_;
    std::shared_ptr<const RunLog> log_;
    QString path_;
    std::vector<std::string> notes_;
    QLabel* status_;
    QLabel* fitText_;
    QPushButton* fit_;
    QPushButton* notesButton_;
    QProgressBar* progress_;
    RunLogReader reader_;
    LogFitter fitter_;
};

}  // namespace colmara
