// Where every test of the whole study window starts: settings read and
// written in a folder of the test's own, file questions answered with what
// the test puts in `answer_` (after `whileChoosing_`, as if the user did it
// with the dialog open), and a window opened on its first case.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "ui/chooserfortest.h"
#include "ui/study/comparepanel.h"
#include "ui/study/studywindow.h"

namespace colmara::test {

class StudyWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(dir_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
        QSettings(QStringLiteral("Colmara"), QStringLiteral("Colmara Study")).clear();
    }

    // A shown window (of `size` unless it is empty) with its first case in.
    std::unique_ptr<StudyWindow> Open(QSize size = {}) {
        auto window = std::make_unique<StudyWindow>(settings_);
        if (!size.isEmpty()) window->resize(size);
        window->show();
        Settle(*window);
        return window;
    }

    // Lets the debounce pass at once and waits for the newest case.
    static void Settle(StudyWindow& window) {
        window.Solver().Flush();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Solver().Busy(); }, 20000));
        QApplication::processEvents();
    }

    static ComparePanel& Compare(StudyWindow& w) {
        return dynamic_cast<ComparePanel&>(w.Panel(w.Tabs().count() - 1));
    }

    QString Path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }

    FormatSettings settings_;
    QTemporaryDir dir_;
    FileChoice answer_;
    std::function<void()> whileChoosing_;
    ChooserForTest chooser_{[this](const FileRequest&) {
        if (whileChoosing_) whileChoosing_();
        return answer_;
    }};
};

}  // namespace colmara::test
