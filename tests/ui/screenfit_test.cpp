#include "ui/screenfit.h"

#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>

#include "ui/form1.h"
#include "ui/form3.h"
#include "ui/recordingreporter.h"

namespace colmara {
namespace {

using test::RecordingReporter;

TEST(FittedTopLeft, MovesAWindowJustEnoughToLieInTheArea) {
    const QRect screen(0, 0, 1024, 768);
    const struct {
        const char* what;
        QRect window;
        QRect available;
        QPoint fitted;
    } cases[] = {
        {"fits", {270, 141, 678, 500}, screen, {270, 141}},
        {"touches both far edges", {346, 268, 678, 500}, screen, {346, 268}},
        {"past the right", {270, 141, 678, 500}, {0, 0, 800, 600}, {122, 100}},
        {"past the bottom only", {396, 72, 269, 440}, {0, 0, 800, 480}, {396, 40}},
        {"past the left and top", {-20, -5, 100, 100}, screen, {0, 0}},
        {"a panel on the left and top", {10, 10, 100, 100}, {48, 32, 976, 736}, {48, 32}},
        {"a second screen to the right", {1900, 100, 678, 500}, {1024, 0, 1280, 1024}, {1626, 100}},
        {"wider and taller than the area", {270, 141, 678, 500}, {0, 0, 512, 384}, {0, 0}},
        {"larger than an offset area", {300, 300, 678, 500}, {40, 30, 512, 384}, {40, 30}},
    };
    for (const auto& c : cases) EXPECT_EQ(FittedTopLeft(c.window, c.available), c.fitted) << c.what;
}

TEST(FittedSize, AWindowAndItsFrameStayWithinTheArea) {
    const struct {
        QSize wanted;
        QRect available;
        QSize fitted;
    } cases[] = {
        {{1100, 680}, {0, 0, 1920, 1080}, {1100, 680}},  // room enough
        {{1100, 680}, {0, 0, 640, 480}, {632, 448}},     // a small screen, less the frame
        {{32767, 900}, {0, 24, 1280, 1000}, {1272, 900}},
        {{500, 400}, {0, 0, 4, 4}, {1, 1}},  // never empty
    };
    for (const auto& c : cases) EXPECT_EQ(FittedSize(c.wanted, c.available), c.fitted);
}

// The offscreen screen is 800 pixels wide: the main window at 270 would reach
// to 948, the information window fits as it is.
TEST(KeepOnScreen, AShownWindowIsMovedOntoTheScreenOnlyWhenItDoesNotFit) {
    RecordingReporter reporter;
    TForm1 form1(reporter);
    TForm3 form3(reporter);
    const QRect available = form1.screen()->availableGeometry();
    ASSERT_LT(available.right(), 270 + 678);
    ASSERT_GE(available.bottom(), 141 + 500);
    form1.show();
    form3.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form1));
    // Its frame ends at the screen's edge.
    EXPECT_EQ(form1.frameGeometry().right(), available.right());
    EXPECT_EQ(form1.y(), 141);
    EXPECT_EQ(form1.size(), QSize(678, 500));
    EXPECT_EQ(form3.pos(), QPoint(396, 72));
}

}  // namespace
}  // namespace colmara
