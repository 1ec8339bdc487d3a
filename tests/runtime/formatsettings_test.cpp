#include "runtime/formatsettings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "runtime/exceptions.h"
#include "runtime/numconv.h"

namespace colmara {
namespace {

TEST(FormatSettings, TakesASymbolOnlyWhenItIsOneCharacter) {
    struct Row {
        const char* symbol;
        const char* codeset;
        const char* expected;
    };
    const Row rows[] = {
        {",", "UTF-8", ","},
        {".", "ANSI_X3.4-1968", "."},
        {"", "UTF-8", "#"},  // C locale: no grouping symbol
        {nullptr, "UTF-8", "#"},
        {"ab", "UTF-8", "#"},           // longer than one character
        {"\u202F", "UTF-8", "\u202F"},  // one character of three bytes
        {"\u00A0", "UTF-8", "\u00A0"},
        {"\u202F\u202F", "UTF-8", "#"},
        {"\xE2\x80", "UTF-8", "#"},  // a cut sequence
        {"\xFF", "UTF-8", "#"},
        {"\xA0", "ISO-8859-1", "\u00A0"},  // converted from a legacy codeset
        {"\xA0", "NO-SUCH-CODESET", "#"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(SingleCharacterSymbol(row.symbol, row.codeset, "#"), row.expected)
            << (row.symbol ? row.symbol : "(null)");
}

// Sets one environment variable for one test and puts the old value back.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, had_ = true;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (had_)
            setenv(name_, old_.c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

class ScopedLcAll : public ScopedEnvironment {
  public:
    explicit ScopedLcAll(const std::string& value) : ScopedEnvironment("LC_ALL", value) {}
};

TEST(FormatSettings, FallsBackToDotAndCommaWithoutAUsableLocale) {
    for (const char* name : {"C", "POSIX", "xx_NO.SUCH-LOCALE"}) {
        ScopedLcAll scoped(name);
        const FormatSettings settings = ReadLocaleFormatSettings();
        EXPECT_EQ(settings.decimalSeparator, ".") << name;
        EXPECT_EQ(settings.thousandSeparator, ",") << name;
    }
}

TEST(FormatSettings, ProcessInstanceIsRereadFromTheLocale) {
    FormatSettings& process = ProcessFormatSettings();
    process = {.decimalSeparator = "!", .thousandSeparator = "?"};
    {
        ScopedLcAll scoped("C");
        RereadProcessFormatSettings();
    }
    EXPECT_EQ(&process, &ProcessFormatSettings());
    EXPECT_EQ(process.decimalSeparator, ".");
    EXPECT_EQ(process.thousandSeparator, ",");
}

// A locale of only number symbols, compiled with localedef into `directory`
// under `name`; false when the system cannot compile locales.
bool CompileNumericLocale(const std::filesystem::path& directory, const std::string& name,
                          const std::string& charmap, const std::string& decimal,
                          const std::string& thousands) {
    const std::filesystem::path source = directory / (name + ".src");
    std::ofstream(source) << "LC_NUMERIC\ndecimal_point \"" << decimal << "\"\nthousands_sep \""
                          << thousands << "\"\ngrouping 3\nEND LC_NUMERIC\n";
    // -c: the other categories are missing on purpose.
    const std::string command = "localedef -c -i '" + source.string() + "' -f " + charmap + " '" +
                                (directory / name).string() + "' >/dev/null 2>&1";
    [[maybe_unused]] const int status = std::system(command.c_str());
    return std::filesystem::exists(directory / name / "LC_NUMERIC");
}

TEST(FormatSettings, ReadsNonAsciiSymbolsInTheNumericCodeset) {
    char pattern[] = "/tmp/colmara-locales-XXXXXX";
    if (mkdtemp(pattern) == nullptr) GTEST_SKIP() << "no temporary directory";
    const std::filesystem::path directory = pattern;
    const bool compiled =
        CompileNumericLocale(directory, "arabic", "UTF-8", "<U066B>", "<U202F>") &&
        CompileNumericLocale(directory, "latin", "ISO-8859-1", "<U002C>", "<U00A0>");
    if (compiled) {
        ScopedEnvironment path("LOCPATH", directory.string());
        {
            ScopedLcAll scoped("arabic");
            const FormatSettings settings = ReadLocaleFormatSettings();
            EXPECT_EQ(settings.decimalSeparator, "\u066B");
            EXPECT_EQ(settings.thousandSeparator, "\u202F");
        }
        {
            ScopedLcAll scoped("latin");
            const FormatSettings settings = ReadLocaleFormatSettings();
            EXPECT_EQ(settings.decimalSeparator, ",");
            EXPECT_EQ(settings.thousandSeparator, "\u00A0");  // converted to UTF-8
        }
    }
    std::filesystem::remove_all(directory);
    if (!compiled) GTEST_SKIP() << "localedef cannot compile a test locale here";
}

// Runs under a locale whose decimal symbol is ',' (see the comma-locale
// label); under any other locale there is nothing to check.
TEST(CommaLocale, ReadsAndWritesTheLocaleDecimalSymbol) {
    const FormatSettings settings = ReadLocaleFormatSettings();
    if (settings.decimalSeparator != ",")
        GTEST_SKIP() << "the environment's locale does not use ',' as decimal symbol";
    EXPECT_EQ(ParseExtended("1,5", settings), 1.5L);
    EXPECT_THROW(ParseExtended("1.5", settings), EConvertError);
    EXPECT_EQ(FormatExtended("00.00", 1.5L, settings), "01,50");
    EXPECT_EQ(FormatExtended("00.00", ParseExtended(" 12,125 ", settings), settings), "12,13");
    EXPECT_NE(settings.thousandSeparator, ",");
}

}  // namespace
}  // namespace colmara
