// Bisection on a predicate that is false below a point and true from it on:
// the one loop that the batch run's cut and stop marks, its timeline and the
// spirit tools' inverse density problems share.
#pragma once

namespace colmara {

struct Bracket {
    long double low = 0;   // the predicate is false here (or this is the start)
    long double high = 0;  // the predicate is true here
    long double Middle() const { return low + (high - low) / 2; }
};

// Halves [low, high] `steps` times, keeping the half where `holds` changes
// from false to true: each step asks `holds(Middle())` and moves `high` there
// when it holds, `low` otherwise. The caller checks the ends first.
template <class Holds>
Bracket Bisect(long double low, long double high, int steps, Holds holds) {
    Bracket bracket{low, high};
    for (int step = 0; step < steps; ++step) {
        const long double middle = bracket.Middle();
        (holds(middle) ? bracket.high : bracket.low) = middle;
    }
    return bracket;
}

}  // namespace colmara
