// Hints: a control's hint is its tool tip, shown once the mouse rests on the
// control for kHintPauseMs and hidden after kHintHidePauseMs; while one shows,
// the tip of the next hinted control the mouse reaches follows at once.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <vector>

class QWidget;

namespace colmara {

inline constexpr int kHintPauseMs = 500;
inline constexpr int kHintHidePauseMs = 2500;

// The hints of one window. It times their tips itself, with its pause timer
// (object name "HintPause"), watching the mouse through the application, so
// that children of a hinted control, like a list's viewport, show its hint.
class Hints : public QObject {
  public:
    explicit Hints(QObject* owner);

    // Gives `control` the hint; a carriage return in it starts a new line.
    void Add(QWidget* control, const QString& hint);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* HintedControl(QObject* watched) const;
    void Rest(QWidget* control, QPoint globalPos);
    void ShowTip();

    std::vector<QWidget*> controls_;
    QTimer pause_;
    QPointer<QWidget> resting_;  // the hinted control under the mouse
    QPoint globalPos_;
};

}  // namespace colmara
