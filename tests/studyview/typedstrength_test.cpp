// A strength text across unit switches: switching back gives the text as
// typed, an edit in between is what is typed from then on.
#include "studyview/typedstrength.h"

#include <gtest/gtest.h>

#include "study/batchtexts.h"

namespace colmara {
namespace {

TEST(TypedStrength, SwitchingBackGivesTheTypedTextUnlessEditedBetween) {
    const FormatSettings point;
    constexpr StrengthUnit W = StrengthUnit::Weight;
    constexpr StrengthUnit V = StrengthUnit::Volume;
    TypedStrength text(SwitchedCutsText);
    // Digits a switch there and back by rounding alone would not keep.
    text.Typed("a:<85.123456789012345", V);
    const std::string byWeight = text.SwitchTo(W, point);
    EXPECT_EQ(byWeight, SwitchedCutsText("a:<85.123456789012345", V, W, point));
    text.Shown(byWeight, W);  // the field shows what the switch wrote
    EXPECT_EQ(text.SwitchTo(V, point), "a:<85.123456789012345");
    EXPECT_EQ(text.SwitchTo(W, point), byWeight);
    // Edited by weight: switching to volume writes the edit's strength.
    text.Shown("a:<80", W);
    EXPECT_EQ(text.SwitchTo(V, point), SwitchedCutsText("a:<80", W, V, point));
    EXPECT_EQ(text.SwitchTo(W, point), "a:<80");
    // Through a third unit unedited, back to the typed text.
    text.Typed("a:<85.123456789012345", V);
    text.Shown(text.SwitchTo(StrengthUnit::Mole, point), StrengthUnit::Mole);
    text.Shown(text.SwitchTo(W, point), W);
    EXPECT_EQ(text.SwitchTo(V, point), "a:<85.123456789012345");
    // Set whole (a setup): that text is typed, in its unit.
    text.Typed("a:<70", V);
    EXPECT_EQ(text.SwitchTo(V, point), "a:<70");
}

}  // namespace
}  // namespace colmara
