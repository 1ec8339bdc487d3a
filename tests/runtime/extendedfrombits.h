// An extended number assembled from its two halves, for tests that need an
// exact bit pattern, including encodings arithmetic never produces.
#pragma once

#include <cstdint>
#include <cstring>

namespace colmara::test {

// The bytes are hidden from the optimiser before they become a `long double`.
// A compiler folds a constant `long double` as a value, not as bytes, and its
// values have no pseudo-denormal or unnormal: folded, such a pattern would
// reach the code under test already rewritten as a normal number or a NaN.
inline long double ExtendedFromBits(std::uint64_t significand, std::uint16_t signAndExponent) {
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &significand, sizeof significand);
    std::memcpy(bytes + sizeof significand, &signAndExponent, sizeof signAndExponent);
    asm("" : "+m"(bytes));
    long double value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

}  // namespace colmara::test
