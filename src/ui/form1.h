// The main window: the four input fields, the report options, "Calculate" and
// "INFO", the report and summary lists and the strength chart. It wires the
// controls to the calculate action and owns the column; it computes nothing.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "model/column.h"
#include "report/calculate.h"
#include "ui/hints.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace colmara {

class ChartWidget;
class ClickableLabel;
class ErrorReporter;
class ReportMenu;
class TForm3;

// The texts of a calculation and the number symbols it read them with.
struct CalculatedCase {
    InputTexts inputs;
    FormatSettings settings;
};

class TForm1 : public QWidget {
  public:
    explicit TForm1(ErrorReporter& reporter, QWidget* parent = nullptr);

    // The window "INFO" shows; set once the information window exists.
    void SetInformationWindow(TForm3* form3) { form3_ = form3; }

    // Calculate: empties the report list, reads the four fields in order and
    // writes the report, summary and chart points.
    void Button1Click();
    // The top-down re-solve's hidden button.
    void Button2Click();
    // Counts the pass counter from 1 to 1001 (its button is never shown).
    void Button3Click();
    // Shows the information window; nothing changes when it already shows.
    void Button4Click();

    // The four field texts as they stand.
    InputTexts FieldTexts() const;
    // The last calculation that ran through; absent before the first and
    // after one that failed.
    const std::optional<CalculatedCase>& LastCalculated() const { return lastCalculated_; }

    // Opens the study window with the given field texts; the lists' context
    // menu offers it while it is set.
    std::function<void(const InputTexts& texts)> OpenStudyWindow;

    // The context menu of the report and summary lists.
    ReportMenu& ContextMenu() { return *reportMenu_; }

    // The controls, named as the window's layout names them.
    QGroupBox* GroupBox1;
    QLabel* Label1;
    QLineEdit* Edit1;
    QLabel* Label7;
    QLabel* Label3;
    QLineEdit* Edit2;
    QLabel* Label6;
    QLabel* Label4;
    QLineEdit* Edit3;
    QLabel* Label2;
    QLineEdit* Edit4;
    QPushButton* Button1;
    QGroupBox* GroupBox2;
    QListWidget* ListBox2;
    QGroupBox* GroupBox3;
    QCheckBox* CheckBox6;
    QCheckBox* CheckBox7;
    QCheckBox* CheckBox8;
    QCheckBox* CheckBox9;
    QCheckBox* CheckBox10;
    QLabel* Label5;
    QListWidget* ListBox1;
    ChartWidget* Chart1;
    ClickableLabel* Label8;
    QPushButton* Button4;
    QPushButton* Button2;
    QPushButton* Button3;

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void CreateControls();
    void AddHints();
    void SetTabOrder();
    void ConnectHandlers();

    ErrorReporter& reporter_;
    Hints hints_{this};
    Column column_;
    TForm3* form3_ = nullptr;
    std::optional<CalculatedCase> lastCalculated_;
    ReportMenu* reportMenu_ = nullptr;
};

}  // namespace colmara
