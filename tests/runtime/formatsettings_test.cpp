#include "runtime/formatsettings.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

// Sets LC_ALL for one test and puts the old value back.
class ScopedLcAll {
  public:
    explicit ScopedLcAll(const char* value) {
        if (const char* old = std::getenv("LC_ALL")) old_ = old, had_ = true;
        setenv("LC_ALL", value, 1);
    }
    ~ScopedLcAll() {
        if (had_)
            setenv("LC_ALL", old_.c_str(), 1);
        else
            unsetenv("LC_ALL");
    }

  private:
    std::string old_;
    bool had_ = false;
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
    process.decimalSeparator = "!";
    process.thousandSeparator = "?";
    {
        ScopedLcAll scoped("C");
        RereadProcessFormatSettings();
    }
    EXPECT_EQ(&process, &ProcessFormatSettings());
    EXPECT_EQ(process.decimalSeparator, ".");
    EXPECT_EQ(process.thousandSeparator, ",");
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
