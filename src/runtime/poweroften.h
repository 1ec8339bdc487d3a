// The powers of ten shared by reading and writing numbers, and the scaling of
// an extended number by 10^n through them.
#pragma once

namespace colmara {

// 10^0 ... 10^31. Entries up to 10^27 are exact; the rest are the nearest
// extended values.
extern const long double kPowersOfTen[32];
// 10^32, 10^64, ... 10^480 (steps of 32), nearest extended values.
extern const long double kPowersOfTen32[15];
// 10^512, 10^1024, ... 10^4608 (steps of 512), nearest extended values.
extern const long double kPowersOfTen512[9];

// Multiplies `value` by 10^n (divides for negative n) with at most three
// table factors, each product rounded to extended in the current rounding
// mode. For n >= 5120 the result is +infinity and for n <= -5120 it is zero,
// whatever the value.
long double ScaleByPowerOfTen(long double value, int n);

}  // namespace colmara
