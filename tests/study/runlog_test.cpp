#include "study/runlog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "runtime/fileerror.h"
#include "study/studyerror.h"

namespace colmara {
namespace {

// A logger's file: semicolons and decimal commas, a byte order mark, CRLF
// line ends, times as h:mm and h:mm:ss, a blank line, an unknown column.
TEST(RunLog, ReadsALoggersFileWhateverItsSymbols) {
    const RunLog log = ParseRunLog(
        "\xEF\xBB\xBFTime;Head_Temperature;boiler_temperature;Note;collected_ml\r\n"
        "0:00;21,4;22,0;start;0\r\n"
        "\r\n"
        "1:05:30;78,3;92,1;hearts;120.5\r\n");
    ASSERT_EQ(log.rows.size(), 2U);
    EXPECT_EQ(log.readings, (std::vector{LogReading::HeadTemperature, LogReading::BoilerTemperature,
                                         LogReading::CollectedMl}));
    EXPECT_EQ(log.rows[1].line, 4);
    EXPECT_EQ(log.rows[1].minute, 65.5L);
    EXPECT_NEAR(static_cast<double>(*log.rows[1][LogReading::HeadTemperature]), 78.3, 1e-12);
    EXPECT_NEAR(static_cast<double>(*log.rows[1][LogReading::CollectedMl]), 120.5, 1e-12);
    EXPECT_FALSE(log.rows[1][LogReading::CollectedG].has_value());
    EXPECT_EQ(log.notes, std::vector<std::string>{"columns ignored: Note"});
}

// Each fault is named by its line and costs only what it spoils: a whole
// row for a bad width or time, one reading for a bad cell.
TEST(RunLog, ReportsEachFaultByItsLineAndReadsTheRest) {
    const RunLog log = ParseRunLog(
        "time,product_strength_vol,collected_g,pressure_hpa\n"
        "10,\"80.5\",100,1012\n"  // line 2: a quoted cell
        "20,81,120\n"             // line 3: a cell short
        "5,82,130,1012\n"         // line 4: before the row above
        "30,,140,1011\n"          // line 5: an empty reading
        "40,abc,150,1011\n"       // line 6: not a number
        "50,120,160,1011\n"       // line 7: no strength
        "60,70,-5,1011\n"         // line 8: collected below 0
        "1:60,70,170,1010\n"      // line 9: 60 minutes past the hour
        "70,69.5,180,1010\n");    // line 10
    EXPECT_EQ(log.notes, (std::vector<std::string>{
                             "line 3: 3 cells where the header has 4",
                             "line 4: time 5 is before the row above; the row is left out",
                             "line 5: no product_strength_vol",
                             "line 6: product_strength_vol 'abc' is not a number",
                             "line 7: product_strength_vol 120 is outside 0 to 100 %",
                             "line 8: collected_g -5 is below 0",
                             "line 9: time '1:60' is no minutes, h:mm or h:mm:ss",
                         }));
    std::vector<int> lines;
    for (const LogRow& row : log.rows) lines.push_back(row.line);
    EXPECT_EQ(lines, (std::vector{2, 5, 6, 7, 8, 10}));
    EXPECT_EQ(*log.rows[0][LogReading::ProductStrengthVol], 80.5L);
    EXPECT_FALSE(log.rows[1][LogReading::ProductStrengthVol]);
    EXPECT_EQ(*log.rows[1][LogReading::CollectedG], 140);
}

TEST(RunLog, RefusesWhatIsNoLog) {
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"", "the log is empty"},
        {"\n\n", "the log is empty"},
        {"minute,head_temperature\n1,78\n", "the log has no \"time\" column"},
        {"time,note\n1,x\n",
         "the log has no reading column (head_temperature, boiler_temperature, "
         "product_strength, product_strength_vol, collected_ml, collected_g or pressure_hpa)"},
        {"time,head_temperature,Head_temperature\n",
         "the log names the column "
         "\"head_temperature\" twice"},
    };
    for (const auto& c : cases) {
        try {
            ParseRunLog(c.text);
            ADD_FAILURE() << c.message;
        } catch (const StudyError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

// 100,000 rows are read; one more is refused. Past the first hundred, the
// notes are counted, not listed.
TEST(RunLog, HasARowLimitAndCountsNotesBeyondAHundred) {
    std::string text = "time,collected_g\n";
    for (int k = 0; k < 100000; ++k) text += std::to_string(k) + "," + (k < 150 ? "" : "1") + "\n";
    const RunLog log = ParseRunLog(text);
    EXPECT_EQ(log.rows.size(), 100000U);
    ASSERT_EQ(log.notes.size(), 101U);
    EXPECT_EQ(log.notes.back(), "and 50 more lines left out");
    try {
        ParseRunLog(text + "100000,1\n");
        ADD_FAILURE() << "one row over";
    } catch (const StudyError& e) {
        EXPECT_EQ(e.Message(), "the log has more than 100000 rows");
    }
}

TEST(RunLog, ReadsOnlyARegularFile) {
    EXPECT_THROW(ReadRunLog(std::filesystem::temp_directory_path().string()), FileError);
}

}  // namespace
}  // namespace colmara
