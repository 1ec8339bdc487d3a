// The cut table as the tab shows it: times as h:mm beside the minutes, the
// window's strength first, and every number the same as the tool's CSV
// gives it, in the window's decimal symbol.
#include "studyview/cuttable.h"

#include <gtest/gtest.h>

#include "batch/batchrecords.h"

namespace colmara {
namespace {

TEST(CutTable, HoursAndMinutesRoundToTheNearestMinute) {
    const struct {
        long double minutes;
        const char* shown;
    } cases[] = {
        {0, "0:00"},        {9.4L, "0:09"},  {59.5L, "1:00"},  // rounds up into the hour
        {61, "1:01"},       {95.3L, "1:35"}, {600, "10:00"},
        {1439.6L, "24:00"},  // past a day the hours go on counting
    };
    for (const auto& c : cases)
        EXPECT_EQ(HoursMinutes(c.minutes), c.shown) << static_cast<double>(c.minutes);
}

TEST(CutTable, TheWindowsStrengthComesFirstAndEveryNumberIsTheCsvs) {
    CutResult hearts;
    hearts.name = "hearts";
    hearts.startMinute = 112.6L;
    hearts.endMinute = 270.87L;
    hearts.product.mass = 387.71L;
    hearts.product.ethanol = 250.04L;
    const Record csv = CutRecord(hearts);
    const auto number = [&csv](const char* key, const char* picture) {
        for (const Cell& cell : csv)
            if (std::string(cell.key) == key)
                return FormatExtended(picture, ParseExtended(*cell.value, {}), {});
        return std::string("no ") + key;
    };
    for (const StrengthUnit unit : {StrengthUnit::Volume, StrengthUnit::Weight}) {
        const bool volume = unit == StrengthUnit::Volume;
        const auto headers = CutTableHeaders(unit);
        const auto cells = CutTableCells(hearts, unit, {});
        ASSERT_EQ(cells.size(), headers.size());
        EXPECT_EQ(headers[4], volume ? "Strength\n% vol" : "Strength\n% by weight");
        EXPECT_EQ(headers[7], volume ? "Strength\n% by weight" : "Strength\n% vol");
        EXPECT_EQ(cells[0], "hearts");
        EXPECT_EQ(cells[1], "112.6 (1:53)");
        EXPECT_EQ(cells[2], "270.9 (4:31)");
        EXPECT_EQ(cells[3], number("volume_ml", "0.0"));
        EXPECT_EQ(cells[4], number(volume ? "strength_vol" : "strength", "0.00"));
        EXPECT_EQ(cells[5], "250.0");
        EXPECT_EQ(cells[6], "387.7");
        EXPECT_EQ(cells[7], number(volume ? "strength" : "strength_vol", "0.00"));
    }
    // An empty cut has no strength; the comma locale's symbol shows.
    FormatSettings comma;
    comma.decimalSeparator = ",";
    const auto empty = CutTableCells(CutResult{"tails", 300.25L, 300.25L, {}}, {}, comma);
    EXPECT_EQ(empty[1], "300,3 (5:00)");
    EXPECT_EQ(empty[4], "");
    EXPECT_EQ(empty[7], "");
}

}  // namespace
}  // namespace colmara
