#include "ui/apptitle.h"

#include <gtest/gtest.h>

namespace colmara {
namespace {

TEST(ApplicationTitle, IsTheFileNameCutAtItsFirstDotWithTheRestLowerCase) {
    const struct {
        const char* path;
        const char* title;
    } cases[] = {
        // The first character stays as it is.
        {"colmara", "colmara"},
        {"/usr/local/bin/colmara", "colmara"},
        {"Colmara", "Colmara"},
        {"/work/build-x/src/app/COLMARA", "Colmara"},
        {"REPORT.EXE", "Report"},
        {"tool.v2.exe", "tool"},
        {"A.B.C", "A"},
        {"/opt/A.B.C.EXE", "A"},
        {"/dir.with.dots/Prog", "Prog"},
        {"x", "x"},
        {".hidden", ""},
        {"", ""},
        {"\xC3\x84PFEL", "\xC3\x84pfel"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ApplicationTitleFromPath(QString::fromUtf8(c.path)), QString::fromUtf8(c.title))
            << c.path;
}

TEST(ApplicationTitle, KeepsAtMost255Characters) {
    const QString longName = QStringLiteral("Q") + QString(300, QLatin1Char('W'));
    const QString title = ApplicationTitleFromPath(QStringLiteral("/bin/") + longName);
    EXPECT_EQ(title.size(), 255);
    EXPECT_EQ(title, QStringLiteral("Q") + QString(254, QLatin1Char('w')));
}

}  // namespace
}  // namespace colmara
