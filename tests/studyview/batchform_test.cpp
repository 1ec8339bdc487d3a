// The batch tab's texts read into a run's request: the locale's decimal
// symbol reads as the tool's '.', and a text that does not read is refused
// naming its field.
#include "studyview/batchform.h"

#include <gtest/gtest.h>

#include "study/studyerror.h"

namespace colmara {
namespace {

const InputTexts kTyped{"1500", "10", "20", "3"};

TEST(BatchForm, ReadsTheLocalesDecimalSymbolAsThePoint) {
    BatchTexts point;
    point.charge = "1500.5";
    point.every = "7.5";
    point.heads = "40.5g";
    point.stopBoiler = "1.25";
    point.cuts = "a:12.5g; b:<80.5 ;c:end";
    BatchTexts comma = point;
    comma.charge = "1500,5";
    comma.every = "7,5";
    comma.heads = "40,5g";
    comma.stopBoiler = "1,25";
    comma.cuts = "a:12,5g; b:<80,5 ;c:end";
    const BatchRequest p = BatchRequestOf(point, kTyped, StrengthUnit::Weight, {});
    const BatchRequest c = BatchRequestOf(comma, kTyped, StrengthUnit::Weight, {",", "."});
    EXPECT_EQ(p.charge, 1500.5);
    EXPECT_EQ(c.charge, p.charge);
    EXPECT_EQ(c.everyMinutes, 7.5);
    EXPECT_EQ(c.stops.boilerBelow, 1.25);
    ASSERT_EQ(c.cuts.size(), 3u);
    EXPECT_EQ(c.cuts[0].end.amount.value, 12.5);
    EXPECT_EQ(c.cuts[1].name, "b");
    EXPECT_EQ(c.cuts[1].end.value, 80.5);
    EXPECT_FALSE(c.stops.productBelow.has_value());  // empty: no such stop
    // Without cuts of one's own: heads, hearts and tails.
    point.cuts = " ";
    const BatchRequest d = BatchRequestOf(point, kTyped, StrengthUnit::Weight, {});
    ASSERT_EQ(d.cuts.size(), 3u);
    EXPECT_EQ(d.cuts[0].end.amount.value, 40.5);
}

TEST(BatchForm, RefusesATextThatDoesNotReadNamingItsField) {
    const struct {
        std::string BatchTexts::*text;
        const char* typed;
        const char* named;
    } cases[] = {
        {&BatchTexts::charge, "20l", "charge: '20l'"},
        {&BatchTexts::charge, "", "charge: ''"},
        {&BatchTexts::every, "1,5", "timeline interval: '1,5'"},
        {&BatchTexts::stopAfter, "soon", "stop after: 'soon'"},
        {&BatchTexts::heads, "5kg", "\"5kg\""},
        {&BatchTexts::cuts, "heads:5", "\"5\""},
        {&BatchTexts::stopAmount, "lots", "\"lots\""},
    };
    for (const auto& c : cases) {
        BatchTexts texts;
        texts.*c.text = c.typed;
        try {
            BatchRequestOf(texts, kTyped, StrengthUnit::Weight, {});
            ADD_FAILURE() << c.typed;
        } catch (const StudyError& e) {
            EXPECT_NE(e.Message().find(c.named), std::string::npos) << e.Message();
        }
    }
}

}  // namespace
}  // namespace colmara
