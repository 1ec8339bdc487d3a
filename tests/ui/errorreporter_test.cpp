#include "ui/errorreporter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <stdexcept>

#include "runtime/exceptions.h"
#include "ui/recordingreporter.h"

namespace colmara {
namespace {

using test::RecordingReporter;

TEST(ApplicationErrorText, FollowsTheStartUpBoxPattern) {
    const struct {
        const char* className;
        quintptr address;
        const char* message;
        const char* text;
    } cases[] = {
        {"EConvertError", 0x1234, "'x' is not a valid integer value",
         "Exception EConvertError in module colmara at 0000000000001234.\r\n"
         "'x' is not a valid integer value.\r\n"},
        {"EZeroDivide", 0xABCDEF, "Floating point division by zero",
         "Exception EZeroDivide in module colmara at 0000000000ABCDEF.\r\n"
         "Floating point division by zero.\r\n"},
        // Only a final '.' keeps the box from adding one.
        {"Exception", 0, "Done.",
         "Exception Exception in module colmara at 0000000000000000.\r\nDone.\r\n"},
        {"Exception", 0, "Done!",
         "Exception Exception in module colmara at 0000000000000000.\r\nDone!.\r\n"},
        {"Exception", 0, "", "Exception Exception in module colmara at 0000000000000000.\r\n\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ApplicationErrorText(QString::fromLatin1(c.className), QStringLiteral("colmara"),
                                       c.address, QString::fromUtf8(c.message)),
                  QString::fromUtf8(c.text))
            << c.message;
}

TEST(ApplicationErrorText, IsCutAt1024Characters) {
    const QString text = ApplicationErrorText(QStringLiteral("Exception"), QStringLiteral("m"), 0,
                                              QString(2000, QLatin1Char('z')));
    EXPECT_EQ(text.size(), 1024);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Exception Exception in module m at ")));
}

TEST(ErrorGuard, ShowsAnEscapedExceptionWithItsPeriodAndEndsTheHandler) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"'abc' is not a valid integer value", "'abc' is not a valid integer value."},
        {"Floating point overflow", "Floating point overflow."},
        {"Why?", "Why?."},
        {"Stop!", "Stop!"},
        {"(done)", "(done)"},
        {"", ""},
    };
    for (const auto& c : cases) {
        RecordingReporter reporter(QStringLiteral("Report"));
        bool ranOn = false;
        reporter.Guard([&] {
            throw EConvertError(c.message);
            ranOn = true;
        });
        EXPECT_FALSE(ranOn);
        ASSERT_EQ(reporter.boxes.size(), 1u) << c.message;
        EXPECT_EQ(reporter.boxes[0].caption, QStringLiteral("Report"));
        EXPECT_EQ(reporter.boxes[0].text, QString::fromUtf8(c.shown));
        EXPECT_TRUE(reporter.applicationErrors.empty());
    }
}

TEST(ErrorGuard, ShowsAnObjectThatIsNoExceptionInTheApplicationErrorBox) {
    RecordingReporter reporter;
    reporter.Guard([] { throw std::runtime_error("boom"); });
    reporter.Guard([] { throw 42; });
    EXPECT_TRUE(reporter.boxes.empty());
    ASSERT_EQ(reporter.applicationErrors.size(), 2u);
    EXPECT_TRUE(reporter.applicationErrors[0].startsWith(
        QStringLiteral("Exception std::runtime_error in module ")))
        << reporter.applicationErrors[0].toStdString();
    EXPECT_TRUE(reporter.applicationErrors[0].endsWith(QStringLiteral(".\r\nboom.\r\n")));
    EXPECT_TRUE(
        reporter.applicationErrors[1].startsWith(QStringLiteral("Exception unknown in module ")));
}

// A window with two fields; the box "takes" the focus to the second one.
class FocusTakingReporter : public RecordingReporter {
  public:
    QWidget* elsewhere = nullptr;
    bool failToShow = false;

  protected:
    void ShowErrorBox(const QString& caption, const QString& text) override {
        RecordingReporter::ShowErrorBox(caption, text);
        elsewhere->setFocus();
        if (failToShow) throw std::runtime_error("no box");
    }
};

TEST(ErrorGuard, ReleasesTheMouseAndGivesTheFocusBack) {
    for (const bool failToShow : {false, true}) {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* first = new QLineEdit(&window);
        auto* second = new QLineEdit(&window);
        layout->addWidget(first);
        layout->addWidget(second);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), first);
        first->grabMouse();
        ASSERT_EQ(QWidget::mouseGrabber(), first);

        FocusTakingReporter reporter;
        reporter.elsewhere = second;
        reporter.failToShow = failToShow;
        reporter.Guard([] { throw EZeroDivide("Floating point division by zero"); });

        ASSERT_EQ(reporter.boxes.size(), 1u);
        EXPECT_FALSE(reporter.boxes[0].mouseWasGrabbed);
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        EXPECT_EQ(QApplication::focusWidget(), first) << "failToShow " << failToShow;
    }
}

// The real box, inspected while it shows and closed with its OK button.
TEST(ErrorBox, IsACriticalApplicationModalBoxWithOneOkButton) {
    QWidget window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    struct Seen {
        bool found = false;
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        Qt::WindowModality modality = Qt::NonModal;
        Qt::TextFormat format = Qt::AutoText;
    } seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        seen.found = true;
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.modality = box->windowModality();
        seen.format = box->textFormat();
        box->button(QMessageBox::Ok)->click();
        poll.stop();
    });
    poll.start();

    ErrorReporter reporter(QStringLiteral("Colmara"));
    reporter.Guard([] { throw EConvertError("'<b>x</b>' is not a valid integer value"); });
    poll.stop();

    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, QStringLiteral("Colmara"));
    EXPECT_EQ(seen.text, QStringLiteral("'<b>x</b>' is not a valid integer value."));
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen.modality, Qt::ApplicationModal);
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace colmara
