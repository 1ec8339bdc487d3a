// The least value of a function of one variable over a range: on a line by
// Brent's method (parabolas through the last three points, golden-section
// steps where a parabola would not shrink the range), over whole numbers by
// a golden-section bracketing. Both assume one minimum in the range; with
// several they find one of them, not necessarily the least. The function
// is asked at points strictly inside a line's range, never at its ends.
#pragma once

#include <cmath>

namespace colmara {

inline constexpr long double kGoldenShare = 0.3819660112501051518L;  // (3 - sqrt 5) / 2

struct LineMinimum {
    long double at = 0;
    long double value = 0;
};

// The minimum of `f` on (low, high), found to within about `tolerance`.
template <class F>
LineMinimum MinimiseOnLine(long double low, long double high, long double tolerance, F f) {
    long double x = low + kGoldenShare * (high - low), w = x, v = x;
    long double fx = f(x), fw = fx, fv = fx;
    long double step = 0, before = 0;  // the last step, and the one before it
    for (int round = 0; round < 200; ++round) {
        const long double middle = (low + high) / 2;
        if (std::fabs(x - middle) <= 2 * tolerance - (high - low) / 2) break;
        bool golden = true;
        if (std::fabs(before) > tolerance) {
            const long double r = (x - w) * (fx - fv);
            long double q = (x - v) * (fx - fw);
            long double p = (x - v) * q - (x - w) * r;
            q = 2 * (q - r);
            if (q > 0) p = -p;
            q = std::fabs(q);
            const long double older = before;
            before = step;
            // A parabola's step is taken when it stays inside and shrinks.
            if (std::fabs(p) < std::fabs(q * older / 2) && p > q * (low - x) &&
                p < q * (high - x)) {
                step = p / q;
                golden = false;
                const long double u = x + step;
                if (u - low < 2 * tolerance || high - u < 2 * tolerance)
                    step = x < middle ? tolerance : -tolerance;
            }
        }
        if (golden) {
            before = (x < middle ? high : low) - x;
            step = kGoldenShare * before;
        }
        const long double u =
            std::fabs(step) >= tolerance ? x + step : x + (step > 0 ? tolerance : -tolerance);
        const long double fu = f(u);
        if (fu <= fx) {
            (u < x ? high : low) = x;
            v = w, fv = fw, w = x, fw = fx, x = u, fx = fu;
        } else {
            (u < x ? low : high) = u;
            if (fu <= fw || w == x) {
                v = w, fv = fw, w = u, fw = fu;
            } else if (fu <= fv || v == x || v == w) {
                v = u, fv = fu;
            }
        }
    }
    return {x, fx};
}

// The whole number in [low, high] where `f` is least; `f` is asked at
// about log(n) / log(1.618) points, some twice, so a costly `f` keeps its
// answers. Values within `tie` (a share of the larger) of each other count
// as equal, and of equal values the lower number wins: on a plateau whose
// values differ only by the noise of how they were found, the search goes
// down, not wherever the noise points.
template <class F>
int MinimiseOverWholeNumbers(int low, int high, F f, long double tie = 0) {
    const auto notAbove = [tie](long double x, long double y) {
        return x <= y + tie * std::fabs(y);
    };
    while (high - low > 4) {  // from 4 the two points would meet
        const int a = low + static_cast<int>(std::lround(kGoldenShare * (high - low)));
        const int b = high - (a - low);
        if (notAbove(f(a), f(b)))
            high = b;
        else
            low = a;
    }
    int best = high;
    for (int k = high - 1; k >= low; --k)
        if (notAbove(f(k), f(best))) best = k;
    return best;
}

}  // namespace colmara
