#include "study/setupfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "study/records.h"
#include "study/studyerror.h"

namespace colmara {
namespace {

TEST(SetupFile, RoundTripsEveryTextAndUnit) {
    for (const StudySetup& setup :
         {StudySetup{{"2000", "10", "20", "3"}, StrengthUnit::Weight},
          StudySetup{{"1,5e3", "", " 7 ", "x\"\\y\n"}, StrengthUnit::Volume},
          StudySetup{{"1000", "4", "8", "2"}, StrengthUnit::Mole}}) {
        EXPECT_EQ(ParseSetup(SetupJson(setup)), setup) << SetupJson(setup);
    }
}

TEST(SetupFile, WritesTheDocumentAReaderExpects) {
    EXPECT_EQ(SetupJson({{"2000", "10", "20", "3"}, StrengthUnit::Volume}),
              "{\n  \"colmara-setup\": 1,\n  \"power\": \"2000\",\n  \"strength\": \"10\",\n"
              "  \"plates\": \"20\",\n  \"reflux\": \"3\",\n  \"units\": \"volume\"\n}\n");
}

// The efficiency is written only where it is not ideal plates' 100, so a
// setup of ideal plates is the file it always was, and a file without it
// reads as 100; rows carry it only where the study was given one.
TEST(SetupFile, KeepsAnEfficiencyOnlyWhereThePlatesAreNotIdeal) {
    const struct {
        const char* efficiency;
        bool written;
    } rows[] = {
        {"100", false},   // the default: no key, the document as before
        {"70", true},     // plates of 70 %
        {"100.0", true},  // another text of 100 is kept as typed
        {"", true},       // an empty field too, which the calculation names
    };
    for (const auto& row : rows) {
        const StudySetup setup{{"2000", "10", "20", "3", row.efficiency}, StrengthUnit::Weight};
        const std::string json = SetupJson(setup);
        EXPECT_EQ(json.find("\"efficiency\"") != std::string::npos, row.written) << json;
        EXPECT_EQ(ParseSetup(json), setup) << json;
        std::vector<std::string> keys;
        for (const Cell& cell : SweepRecord({}, StrengthUnit::Weight, setup.inputs))
            keys.emplace_back(cell.key);
        EXPECT_EQ(std::count(keys.begin(), keys.end(), "efficiency"), row.written ? 1 : 0);
        if (row.written) {
            EXPECT_EQ(keys[4], "efficiency");  // after the reflux, as the window lists them
        }
    }
    EXPECT_EQ(ParseSetup("{\"colmara-setup\": 1, \"power\": \"1\", \"strength\": \"2\", "
                         "\"plates\": \"3\", \"reflux\": \"4\"}")
                  .inputs.efficiency,
              "100");
}

// The batch tab's texts: every one round-trips; only those that differ from
// the tab's defaults are written, so a file written before the tab existed
// and one that never changed it read alike; a bad "batch" is named.
TEST(SetupFile, KeepsTheBatchTextsThatDifferFromTheDefaults) {
    BatchTexts batch;
    for (const BatchTextKey& key : kBatchTextKeys) batch.*key.text = std::string(key.key) + " 1,5";
    const StudySetup all{{"2000", "10", "20", "3"}, StrengthUnit::Volume, batch};
    EXPECT_EQ(ParseSetup(SetupJson(all)), all);
    // A run log's path round-trips; none writes no key.
    const StudySetup logged{
        {"2000", "10", "20", "3"}, StrengthUnit::Weight, {}, "/a/run \"1\".csv"};
    EXPECT_EQ(ParseSetup(SetupJson(logged)).runLog, logged.runLog);
    EXPECT_EQ(SetupJson(all).find("run-log"), std::string::npos);
    // By weight the default stop is 20 % vol written by weight.
    BatchTexts one = DefaultBatchTexts(StrengthUnit::Weight, FormatSettings());
    one.stopAfter = "90";
    EXPECT_EQ(SetupJson({{"1", "2", "3", "4"}, StrengthUnit::Weight, one}),
              "{\n  \"colmara-setup\": 1,\n  \"power\": \"1\",\n  \"strength\": \"2\",\n"
              "  \"plates\": \"3\",\n  \"reflux\": \"4\",\n  \"units\": \"weight\",\n"
              "  \"batch\": {\n    \"stop-after\": \"90\"\n  }\n}\n");
    const std::string inputs =
        R"("colmara-setup":1,"power":"1","strength":"2","plates":"3","reflux":"4")";
    EXPECT_EQ(ParseSetup("{" + inputs + "}").batch,
              DefaultBatchTexts(StrengthUnit::Weight, FormatSettings()));
    EXPECT_EQ(ParseSetup("{" + inputs + R"(,"batch":{"charge":"9","later":[]}})").batch.charge,
              "9");
    const struct {
        std::string batch, message;
    } refused[] = {
        {R"("batch":[])", "The setup's \"batch\" is not an object."},
        {R"("batch":{"heads":3})", "The setup's \"batch heads\" is not a text in quotes."},
        {R"("run-log":1)", "The setup's \"run-log\" is not a text in quotes."},
    };
    for (const auto& c : refused) {
        try {
            ParseSetup("{" + inputs + "," + c.batch + "}");
            ADD_FAILURE() << c.batch;
        } catch (const StudyError& error) {
            EXPECT_EQ(error.Message(), c.message);
        }
    }
}

TEST(SetupFile, RefusesWhatIsNoSetupNamingTheFault) {
    const std::string inputs = R"("power":"1","strength":"2","plates":"3","reflux":"4")";
    const struct {
        std::string json, message;
    } cases[] = {
        {"{", "The setup is not a JSON document."},
        {"[1]", "The setup is not a JSON object."},
        {"{" + inputs + "}", "The setup does not start with \"colmara-setup\": 1."},
        {R"({"colmara-setup":2,)" + inputs + "}",
         "The setup does not start with \"colmara-setup\": 1."},
        {R"({"colmara-setup":1,"power":"1","strength":"2","plates":"3"})",
         "The setup has no \"reflux\" text."},
        {R"({"colmara-setup":1,"power":1,"strength":"2","plates":"3","reflux":"4"})",
         "The setup's \"power\" is not a text in quotes."},
        {R"({"colmara-setup":1,)" + inputs + R"(,"units":"proof"})",
         "The setup's \"units\" must be \"weight\", \"volume\" or \"mole\"."},
        // A zero character would cut the text short in a message ("20").
        {R"({"colmara-setup":1,)" + inputs + R"(,"batch":{"charge":"20\u0000000"}})",
         "The setup's \"batch charge\" holds a zero character (\\u0000)."},
        // The parser would keep the last of two silently.
        {R"({"colmara-setup":1,)" + inputs + R"(,"plates":"9"})",
         "The setup gives \"plates\" twice."},
        {R"({"colmara-setup":1,)" + inputs + R"(,"batch":{"every":"1","every":"2"}})",
         "The setup gives \"every\" twice."},
    };
    for (const auto& c : cases) {
        try {
            ParseSetup(c.json);
            ADD_FAILURE() << c.json;
        } catch (const StudyError& error) {
            EXPECT_EQ(error.Message(), c.message) << c.json;
        }
    }
    // Unknown keys are left for later versions; no unit means by weight, and
    // the batch texts are the defaults by weight. The same key in two
    // objects is no key given twice.
    EXPECT_EQ(ParseSetup(R"({"colmara-setup":1,"note":{"power":"x"},)" + inputs + "}"),
              (StudySetup{{"1", "2", "3", "4"},
                          StrengthUnit::Weight,
                          DefaultBatchTexts(StrengthUnit::Weight, FormatSettings())}));
}

TEST(SetupFile, WritesWholeFilesAndNamesTheOnesItCannotUse) {
    const auto dir = std::filesystem::temp_directory_path() / "colmara_setupfile_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "a.json").string();
    const StudySetup setup{{"2000", "10", "20", "3"}, StrengthUnit::Weight};
    WriteSetupFile(path, setup);
    EXPECT_EQ(ReadSetupFile(path), setup);
    EXPECT_FALSE(std::filesystem::exists(path + ".part"));

    EXPECT_THROW(WriteSetupFile((dir / "no" / "b.json").string(), setup), StudyError);
    EXPECT_THROW(ReadSetupFile((dir / "missing.json").string()), StudyError);
    std::ofstream(dir / "big.json") << std::string((1 << 20) + 1, ' ');
    EXPECT_THROW(ReadSetupFile((dir / "big.json").string()), StudyError);
    std::ofstream(dir / "bad.json") << "{}";
    try {
        ReadSetupFile((dir / "bad.json").string());
        ADD_FAILURE();
    } catch (const StudyError& error) {
        EXPECT_EQ(error.Message(), "The setup file '" + (dir / "bad.json").string() +
                                       "': The setup does not start with \"colmara-setup\": 1.");
    }
    std::filesystem::remove_all(dir);
}

TEST(Records, TabSeparatedRowsHaveTheCsvCellsUnquoted) {
    const Record record{
        {"a", "x,\"y\"", false}, {"b", std::nullopt, true}, {"c", "1\t2\n3", false}};
    EXPECT_EQ(CsvHeader(record), "a,b,c\r\n");
    EXPECT_EQ(CsvLine(record), "\"x,\"\"y\"\"\",,\"1\t2\n3\"\r\n");
    EXPECT_EQ(TsvHeader(record), "a\tb\tc\n");
    EXPECT_EQ(TsvLine(record), "x,\"y\"\t\t1 2 3\n");
}

// Each character that makes a CSV cell quoted does so on its own.
TEST(Records, ACsvCellIsQuotedForEachSpecialCharacterAlone) {
    const struct {
        const char* text;
        const char* line;
    } cases[] = {
        {"\"", "\"\"\"\"\r\n"},        // a lone quote, doubled inside quotes
        {",", "\",\"\r\n"},            // a separator
        {"a\rb", "\"a\rb\"\r\n"},      // a carriage return alone
        {"a\nb", "\"a\nb\"\r\n"},      // a line feed alone
        {"a\tb 'c'", "a\tb 'c'\r\n"},  // tabs, blanks and apostrophes stay bare
    };
    for (const auto& c : cases)
        EXPECT_EQ(CsvLine({{"a", std::string(c.text), false}}), c.line) << c.text;
}

// Every exported or copied table is this text: the header, then one line
// per record; a table without rows is its header alone.
TEST(Records, TableTextIsTheHeaderAndOneLinePerRecord) {
    const Record columns{{"a", "ignored", false}, {"b", std::nullopt, true}};
    const std::vector<Record> rows{{{"a", "1,5", false}, {"b", "2", true}},
                                   {{"a", "x\ty", false}, {"b", std::nullopt, true}}};
    EXPECT_EQ(TableText(columns, rows, TableFormat::Csv), "a,b\r\n\"1,5\",2\r\nx\ty,\r\n");
    EXPECT_EQ(TableText(columns, rows, TableFormat::Tsv), "a\tb\n1,5\t2\nx y\t\n");
    EXPECT_EQ(TableText(columns, {}, TableFormat::Csv), "a,b\r\n");
}

}  // namespace
}  // namespace colmara
