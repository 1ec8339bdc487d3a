#include "runtime/poweroften.h"

#include <limits>

namespace colmara {

// Written as exact hexadecimal significands (64 bits, integer bit included)
// so that the compiler's own decimal reading cannot change a last bit. The
// rounded entries are 10^k rounded to nearest, ties to even, computed with
// exact rational arithmetic.
const long double kPowersOfTen[32] = {
    0x8000000000000000p-63L,  // 1e0
    0xA000000000000000p-60L,  // 1e1
    0xC800000000000000p-57L,  // 1e2
    0xFA00000000000000p-54L,  // 1e3
    0x9C40000000000000p-50L,  // 1e4
    0xC350000000000000p-47L,  // 1e5
    0xF424000000000000p-44L,  // 1e6
    0x9896800000000000p-40L,  // 1e7
    0xBEBC200000000000p-37L,  // 1e8
    0xEE6B280000000000p-34L,  // 1e9
    0x9502F90000000000p-30L,  // 1e10
    0xBA43B74000000000p-27L,  // 1e11
    0xE8D4A51000000000p-24L,  // 1e12
    0x9184E72A00000000p-20L,  // 1e13
    0xB5E620F480000000p-17L,  // 1e14
    0xE35FA931A0000000p-14L,  // 1e15
    0x8E1BC9BF04000000p-10L,  // 1e16
    0xB1A2BC2EC5000000p-7L,   // 1e17
    0xDE0B6B3A76400000p-4L,   // 1e18
    0x8AC7230489E80000p+0L,   // 1e19
    0xAD78EBC5AC620000p+3L,   // 1e20
    0xD8D726B7177A8000p+6L,   // 1e21
    0x878678326EAC9000p+10L,  // 1e22
    0xA968163F0A57B400p+13L,  // 1e23
    0xD3C21BCECCEDA100p+16L,  // 1e24
    0x84595161401484A0p+20L,  // 1e25
    0xA56FA5B99019A5C8p+23L,  // 1e26
    0xCECB8F27F4200F3Ap+26L,  // 1e27
    0x813F3978F8940984p+30L,  // 1e28, rounded
    0xA18F07D736B90BE5p+33L,  // 1e29, rounded
    0xC9F2C9CD04674EDFp+36L,  // 1e30, rounded
    0xFC6F7C4045812296p+39L,  // 1e31, rounded
};
const long double kPowersOfTen32[15] = {
    0x9DC5ADA82B70B59Ep+43L,    // 1e32, rounded
    0xC2781F49FFCFA6D5p+149L,   // 1e64, rounded
    0xEFB3AB16C59B14A3p+255L,   // 1e96, rounded
    0x93BA47C980E98CE0p+362L,   // 1e128, rounded
    0xB616A12B7FE617AAp+468L,   // 1e160, rounded
    0xE070F78D3927556Bp+574L,   // 1e192, rounded
    0x8A5296FFE33CC930p+681L,   // 1e224, rounded
    0xAA7EEBFB9DF9DE8Ep+787L,   // 1e256, rounded
    0xD226FC195C6A2F8Cp+893L,   // 1e288, rounded
    0x81842F29F2CCE376p+1000L,  // 1e320, rounded
    0x9FA42700DB900AD2p+1106L,  // 1e352, rounded
    0xC4C5E310AEF8AA17p+1212L,  // 1e384, rounded
    0xF28A9C07E9B09C59p+1318L,  // 1e416, rounded
    0x957A4AE1EBF7F3D4p+1425L,  // 1e448, rounded
    0xB83ED8DC0795A262p+1531L,  // 1e480, rounded
};
const long double kPowersOfTen512[9] = {
    0xE319A0AEA60E91C7p+1637L,   // 1e512, rounded
    0xC976758681750C17p+3338L,   // 1e1024, rounded
    0xB2B8353B3993A7E4p+5039L,   // 1e1536, rounded
    0x9E8B3B5DC53D5DE5p+6740L,   // 1e2048, rounded
    0x8CA554C020A1F0A6p+8441L,   // 1e2560, rounded
    0xF9895D25D88B5A8Bp+10141L,  // 1e3072, rounded
    0xDD5DC8A2BF27F3F8p+11842L,  // 1e3584, rounded
    0xC46052028A20979Bp+13543L,  // 1e4096, rounded
    0xAE3511626ED559F0p+15244L,  // 1e4608, rounded
};

long double ScaleByPowerOfTen(long double value, int n) {
    if (n == 0) return value;
    if (n >= 5120) return std::numeric_limits<long double>::infinity();
    if (n <= -5120) return 0.0L;
    const int m = n < 0 ? -n : n;
    // 10^4999 = 10^7 * 10^384 * 10^4608: at most one factor from each table,
    // applied smallest first, each product rounded on its own.
    long double factors[3];
    int count = 0;
    factors[count++] = kPowersOfTen[m % 32];
    if ((m / 32) % 16 != 0) factors[count++] = kPowersOfTen32[(m / 32) % 16 - 1];
    if (m / 512 != 0) factors[count++] = kPowersOfTen512[m / 512 - 1];
    for (int i = 0; i < count; ++i) {
        if (n < 0)
            value /= factors[i];
        else
            value *= factors[i];
    }
    return value;
}

}  // namespace colmara
