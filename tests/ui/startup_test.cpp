#include "ui/startup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <functional>

#include "runtime/exceptions.h"
#include "ui/clickablelabel.h"
#include "ui/recordingreporter.h"

namespace colmara {
namespace {

using test::RecordingReporter;

TEST(Startup, CreatesTheThreeFormsHiddenWithTheInformationWindowWired) {
    RecordingReporter reporter;
    Forms forms = CreateForms(reporter);
    ASSERT_TRUE(forms.form1 && forms.form2 && forms.form3);
    EXPECT_FALSE(forms.form1->isVisible());
    EXPECT_FALSE(forms.form2->isVisible());
    EXPECT_FALSE(forms.form3->isVisible());
    EXPECT_TRUE(forms.form1->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_FALSE(forms.form2->testAttribute(Qt::WA_QuitOnClose));
    forms.form1->Button4Click();
    EXPECT_TRUE(forms.form3->isVisible());
}

TEST(Startup, InfoAndTheVersionLabelShowOneInformationWindowWhereItWas) {
    RecordingReporter reporter;
    Forms forms = CreateForms(reporter);
    forms.form1->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(forms.form1.get()));

    QTest::mouseClick(forms.form1->Button4, Qt::LeftButton);
    QTest::mouseClick(forms.form1->Button4, Qt::LeftButton);
    EXPECT_TRUE(forms.form3->isVisible());
    int shown = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        shown += (w->objectName() == QStringLiteral("Form3") && w->isVisible()) ? 1 : 0;
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(forms.form3->pos(), QPoint(396, 72));

    // Hidden by "Close", moved, shown again by the version label.
    forms.form3->move(500, 120);
    QTest::mouseClick(forms.form3->Button1, Qt::LeftButton);
    EXPECT_FALSE(forms.form3->isVisible());
    QTest::mouseClick(forms.form1->Label8, Qt::LeftButton);
    EXPECT_TRUE(forms.form3->isVisible());
    EXPECT_EQ(forms.form3->pos(), QPoint(500, 120));

    // Only a left click on the label counts.
    forms.form3->hide();
    QTest::mouseClick(forms.form1->Label8, Qt::RightButton);
    EXPECT_FALSE(forms.form3->isVisible());
    EXPECT_TRUE(forms.form1->isEnabled());
    EXPECT_TRUE(reporter.boxes.empty());
}

TEST(Startup, EnterOrKeypadEnterOnAButtonPressesIt) {
    RecordingReporter reporter;
    Forms forms = CreateForms(reporter);
    TForm1& form1 = *forms.form1;
    TForm3& form3 = *forms.form3;
    form1.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form1));
    const auto reported = [&] { return form1.ListBox1->count() > 0; };
    const auto informed = [&] { return form3.isVisible(); };
    const auto closed = [&] { return !form3.isVisible(); };
    const struct {
        const char* what;
        QPushButton* button;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::function<bool()> pressed;
    } cases[] = {
        {"Calculate, Return", form1.Button1, Qt::Key_Return, Qt::NoModifier, reported},
        {"Calculate, keypad Enter", form1.Button1, Qt::Key_Enter, Qt::KeypadModifier, reported},
        {"INFO, Return", form1.Button4, Qt::Key_Return, Qt::NoModifier, informed},
        {"Close, Return", form3.Button1, Qt::Key_Return, Qt::NoModifier, closed},
        {"INFO, keypad Enter", form1.Button4, Qt::Key_Enter, Qt::KeypadModifier, informed},
        {"Close, keypad Enter", form3.Button1, Qt::Key_Enter, Qt::KeypadModifier, closed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        form1.ListBox1->clear();
        ASSERT_FALSE(c.pressed());
        // Ctrl+Enter is another shortcut, not a press.
        QTest::keyClick(c.button, c.key, c.modifiers | Qt::ControlModifier);
        EXPECT_FALSE(c.pressed());
        QTest::keyClick(c.button, c.key, c.modifiers);
        EXPECT_TRUE(c.pressed());
    }
    EXPECT_TRUE(reporter.boxes.empty());
}

TEST(Startup, AnExceptionWhileCreatingTheWindowsEndsTheProgramWithCode1) {
    RecordingReporter reporter;
    const int code = RunForms(reporter, [](ErrorReporter& r) {
        Forms forms = CreateForms(r);
        throw EConvertError("'x' is not a valid integer value");
        return forms;
    });
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(reporter.boxes.empty());
    ASSERT_EQ(reporter.applicationErrors.size(), 1u);
    const QString& text = reporter.applicationErrors[0];
    EXPECT_TRUE(text.startsWith(QStringLiteral("Exception EConvertError in module ")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral(".\r\n'x' is not a valid integer value.\r\n")));
    // The module's file name and a 16-digit address stand between.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Exception EConvertError in module [^/ ]+ at "
                                                  "[0-9A-F]{16}\\.\\r\\n"))
                    .match(text)
                    .hasMatch())
        << text.toStdString();
}

TEST(Startup, TheProgramEndsWhenTheMainWindowClosesEvenWithInformationShowing) {
    RecordingReporter reporter;
    TForm1* mainWindow = nullptr;
    TForm3* information = nullptr;
    // Whatever happens, the loop is left after five seconds with code 2.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(2); });
    const int code = RunForms(reporter, [&](ErrorReporter& r) {
        Forms forms = CreateForms(r);
        mainWindow = forms.form1.get();
        information = forms.form3.get();
        QTimer::singleShot(0, [&] {
            mainWindow->Button4Click();
            EXPECT_TRUE(mainWindow->isVisible());
            EXPECT_TRUE(information->isVisible());
            mainWindow->close();
        });
        return forms;
    });
    EXPECT_EQ(code, 0);
}

}  // namespace
}  // namespace colmara
