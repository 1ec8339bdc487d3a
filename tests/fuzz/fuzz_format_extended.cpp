// Any picture and any 80-bit pattern: FormatExtended gives a text or refuses
// a picture over 224 characters, and never raises a floating-point fault. A
// picture made of '0', '#' and '.' only writes a number that reads back
// within the rounding the picture asks for.
#include <cfenv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "runtime/exceptions.h"
#include "runtime/numconv.h"

namespace {

constexpr int kFaults = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;

std::size_t Utf8Characters(std::string_view s) {
    std::size_t count = 0;
    for (const char c : s) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

void CheckNumericPicture(std::string_view bytes, long double value) {
    using namespace colmara;
    static const char kAlphabet[] = {'0', '#', '.'};
    std::string picture;
    for (std::size_t i = 0; i < bytes.size() && picture.size() < 40; ++i)
        picture += kAlphabet[static_cast<unsigned char>(bytes[i]) % 3];
    const std::size_t point = picture.find('.');
    int decimals = 0;
    for (std::size_t i = point == std::string::npos ? picture.size() : point; i < picture.size();
         ++i)
        decimals += picture[i] != '.';
    if (picture.find_first_of("0#") == std::string::npos) return;

    const std::string text = FormatExtended(picture, value, FormatSettings{});
    if (text.empty()) {
        if (picture.find('0') != std::string::npos) std::abort();  // a '0' always writes
        return;
    }
    const bool general = text.find('E') != std::string::npos;
    const long double tolerance =
        general ? std::fabs(value) * 1e-14L
                : 0.5L * std::pow(10.0L, static_cast<long double>(-decimals)) * (1 + 1e-12L) +
                      std::fabs(value) * 3e-17L;
    long double back = 0.0L;
    try {
        back = ParseExtended(text, FormatSettings{});
    } catch (const EConvertError&) {
        std::abort();
    }
    if (!(std::fabs(back - value) <= tolerance)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace colmara;
    unsigned char bits[sizeof(long double)] = {};
    std::memcpy(bits, data, size < 10 ? size : 10);
    long double value;
    std::memcpy(&value, bits, sizeof value);
    const std::string_view picture =
        size > 10 ? std::string_view(reinterpret_cast<const char*>(data + 10), size - 10)
                  : std::string_view();

    std::feclearexcept(FE_ALL_EXCEPT);
    try {
        const std::string text = FormatExtended(picture, value, FormatSettings{});
        if (Utf8Characters(picture) > 224) std::abort();
        (void)text;
    } catch (const EConvertError& e) {
        if (Utf8Characters(picture) <= 224 || e.Message() != "Format string too long") std::abort();
    }
    if (std::fetestexcept(kFaults) != 0) std::abort();

    // Finite normal values only: unnormals and pseudo-denormals are no numbers
    // the arithmetic would produce.
    const int biased = (bits[9] & 0x7F) << 8 | bits[8];
    if (biased != 0 && biased != 0x7FFF && (bits[7] & 0x80) != 0)
        CheckNumericPicture(picture, value);
    std::feclearexcept(FE_ALL_EXCEPT);
    return 0;
}
