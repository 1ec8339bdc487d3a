// A one-line label that never asks for the width of its text: a text longer
// than the label is cut with "…" and shown whole in the tooltip, so no
// readout or note can widen the window.
#pragma once

#include <QLabel>

namespace colmara {

class ElidedLabel : public QLabel {
  public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void SetText(const QString& text);
    // The whole text, as set; text() is what fits.
    const QString& FullText() const { return full_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Fit();

    QString full_;
};

}  // namespace colmara
