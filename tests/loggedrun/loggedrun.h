// Run logs written by the model itself, for the fit's tests and its
// benchmark: a wash run by a still whose plates and power are known, read
// at set minutes by thermometers with the scatter real ones have.
#pragma once

#include <random>
#include <string>

#include "batch/batchrequest.h"
#include "batch/batchresult.h"

namespace colmara::test {

// 10 l of a 10 % wash, heads 3 % of the alcohol, hearts to 80 %, stopped
// when the product falls below 40 %, on `plates` plates at `watts`.
BatchRequest LoggedWash(int plates, int watts);

// The CSV log of `run` (time, head and boiler temperature, collected ml),
// one line every `every` minutes while it distils: the thermometers
// scattered by 0.1 K, the jug by `jugMl` (none at 0), drawn from `random`.
std::string LoggedRunText(const BatchResult& run, long double every, double jugMl,
                          std::mt19937& random);

}  // namespace colmara::test
