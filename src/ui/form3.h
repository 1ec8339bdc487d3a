// The information window: a fixed explanatory text and a "Close" button that
// hides the window again.
#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace colmara {

class ErrorReporter;

class TForm3 : public QWidget {
  public:
    explicit TForm3(ErrorReporter& reporter, QWidget* parent = nullptr);

    // Close: hides the window; showing it again puts it where it was.
    void Button1Click();

    QLabel* Label1;
    QPlainTextEdit* Memo1;
    QPushButton* Button1;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    ErrorReporter& reporter_;
};

}  // namespace colmara
