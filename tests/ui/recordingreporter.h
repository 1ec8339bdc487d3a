// An error reporter for tests: records every box instead of showing it.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "ui/errorreporter.h"

namespace colmara::test {

struct RecordedBox {
    QString caption;
    QString text;
    bool mouseWasGrabbed = false;
};

class RecordingReporter : public ErrorReporter {
  public:
    explicit RecordingReporter(QString title = QStringLiteral("Colmara"))
        : ErrorReporter(std::move(title)) {}

    // The boxes with the application title, and the texts of the
    // "Application Error" boxes.
    std::vector<RecordedBox> boxes;
    std::vector<QString> applicationErrors;

  protected:
    void ShowErrorBox(const QString& caption, const QString& text) override {
        if (caption == QStringLiteral("Application Error"))
            applicationErrors.push_back(text);
        else
            boxes.push_back({caption, text, QWidget::mouseGrabber() != nullptr});
    }
};

}  // namespace colmara::test
