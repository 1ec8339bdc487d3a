// Any text either reads as a finite extended number or is refused with the
// exact message; the caller's control word comes back and no flag is left
// raised; an accepted value written in the general form and under "0.00"
// reads back, consuming the whole text, to a value just as close.
#include <cfenv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "runtime/exceptions.h"
#include "runtime/extended.h"
#include "runtime/numconv.h"

namespace {

void ExpectCloseReadBack(const std::string& text, long double value, long double tolerance,
                         const colmara::FormatSettings& settings) {
    long double back = 0.0L;
    try {
        back = colmara::ParseExtended(text, settings);
    } catch (const colmara::EConvertError&) {
        std::abort();  // what we wrote must read
    }
    if (!(std::fabs(back - value) <= tolerance)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace colmara;
    if (size == 0) return 0;
    FormatSettings settings;
    if (data[0] & 1) {
        settings.decimalSeparator = ",";
        settings.thousandSeparator = ".";
    }
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::uint16_t controlWord = colmara::ReadControlWord();
    long double value = 0.0L;
    bool accepted = true;
    try {
        value = ParseExtended(text, settings);
    } catch (const EConvertError& e) {
        accepted = false;
        if (e.Message() != "'" + std::string(text) + "' is not a valid floating point value")
            std::abort();
    }
    if (colmara::ReadControlWord() != controlWord || std::fetestexcept(FE_ALL_EXCEPT) != 0)
        std::abort();
    if (!accepted) return 0;
    if (!std::isfinite(value)) std::abort();

    // 15 significant digits; a subnormal value is written as zero.
    ExpectCloseReadBack(FormatExtended("", value, settings), value,
                        std::fabs(value) * 1e-14L + LDBL_MIN, settings);
    if (std::fabs(value) < 1e17L)
        ExpectCloseReadBack(FormatExtended("0.00", value, settings), value,
                            0.005L * (1 + 1e-12L) + std::fabs(value) * 1e-16L, settings);
    std::feclearexcept(FE_ALL_EXCEPT);
    return 0;
}
