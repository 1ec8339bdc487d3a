// A label that runs an action when clicked with the left mouse button.
#pragma once

#include <QLabel>
#include <functional>

namespace colmara {

class ClickableLabel : public QLabel {
  public:
    using QLabel::QLabel;
    std::function<void()> OnClick;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

}  // namespace colmara
