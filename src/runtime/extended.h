// The 80-bit x87 extended number below the level of arithmetic: its bytes and
// the unit's control word. Every byte-level look at a `long double` and every
// load of the control word goes through here.
#pragma once

#include <cfloat>
#include <cstdint>
#include <cstring>

static_assert(LDBL_MANT_DIG == 64, "extended numbers must be the 80-bit x87 format");

namespace colmara {

// The significant bytes of an extended number; the rest of its storage is
// padding with no defined content.
inline constexpr std::size_t kExtendedBytes = 10;

// The two halves of an extended number as stored on x86: the 64-bit
// significand with its explicit integer bit, then sign and biased exponent.
struct ExtendedBits {
    std::uint64_t significand;
    std::uint16_t signAndExponent;

    static constexpr std::uint16_t kSignBit = 0x8000;
    static constexpr std::uint16_t kExponentMask = 0x7FFF;

    int BiasedExponent() const { return signAndExponent & kExponentMask; }
    bool Negative() const { return (signAndExponent & kSignBit) != 0; }
    bool AllZero() const { return significand == 0 && signAndExponent == 0; }
};

inline ExtendedBits BitsOf(long double value) {
    ExtendedBits bits;
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &value, sizeof bytes);
    std::memcpy(&bits.significand, bytes, sizeof bits.significand);
    std::memcpy(&bits.signAndExponent, bytes + sizeof bits.significand,
                sizeof bits.signAndExponent);
    return bits;
}

// Equality of the significant bytes: unlike ==, it tells -0 from +0 and
// matches a NaN with itself.
inline bool SameBits(long double a, long double b) {
    return std::memcmp(&a, &b, kExtendedBytes) == 0;
}

// The control word the program computes under: every exception masked
// (0x3F), 64-bit significand (0x300), round to nearest. Faults are found by
// testing the flags, never by traps.
inline constexpr std::uint16_t kProgramControlWord = 0x133F;

inline std::uint16_t ReadControlWord() {
    std::uint16_t word = 0;
    asm volatile("fnstcw %0" : "=m"(word) : : "memory");
    return word;
}

inline void LoadControlWord(std::uint16_t word) {
    asm volatile("fldcw %0" : : "m"(word) : "memory");
}

}  // namespace colmara
