// A root of a function that rises across a bracket, found from a starting
// point near it: secant steps, each kept inside the bracket known so far by
// falling back to false position (the Illinois variant, which halves the
// stale end's value so that end moves too). Near a good start it needs two
// or three evaluations; from a poor one it is never slower than false
// position, and it always ends. The boiling layer's costly inverse problems
// use it.
#pragma once

#include <cmath>

namespace colmara {

template <class Number>
struct SecantBracket {
    Number low;       // rise(low) <= 0
    Number lowRise;   // rise(low)
    Number high;      // rise(high) >= 0
    Number highRise;  // rise(high)
};

// Where `rise` crosses 0 within `bracket`, starting from `start` and a first
// step of `step`. Ends when |rise| <= riseTolerance, the bracket is narrower
// than `widthTolerance`, or after `steps` evaluations; returns the last point
// evaluated.
template <class Number, class Rise>
Number SecantRoot(SecantBracket<Number> bracket, Number start, Number step, Rise rise,
                  Number riseTolerance, Number widthTolerance, int steps) {
    Number x = start;
    Number before = start;
    Number beforeRise = 0;
    int stale = 0;  // which end false position last left in place: -1 low, 1 high
    for (int k = 0; k < steps; ++k) {
        const Number now = rise(x);
        if (std::fabs(now) <= riseTolerance) return x;
        if (now < 0) {
            bracket.low = x;
            bracket.lowRise = now;
        } else {
            bracket.high = x;
            bracket.highRise = now;
        }
        if (bracket.high - bracket.low <= widthTolerance) return x;
        Number next =
            k > 0 && now != beforeRise ? x - now * (x - before) / (now - beforeRise) : x + step;
        if (!(next > bracket.low && next < bracket.high)) {
            // Illinois: the end that stays twice running counts for half.
            const int keep = now < 0 ? 1 : -1;
            if (keep == stale) (keep == 1 ? bracket.highRise : bracket.lowRise) /= 2;
            stale = keep;
            next = (bracket.low * bracket.highRise - bracket.high * bracket.lowRise) /
                   (bracket.highRise - bracket.lowRise);
        }
        before = x;
        beforeRise = now;
        x = next;
    }
    return x;
}

}  // namespace colmara
