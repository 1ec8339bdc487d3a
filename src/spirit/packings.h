// The packings whose height per theoretical plate (HETP) the sizing offers,
// from data/packing-hetp.csv: typical figures for small columns, each
// uncertain by 30 % or more (bore, packing density and vapour load change it).
#pragma once

#include <span>
#include <string_view>

namespace colmara {

struct Packing {
    const char* key;   // as --packing takes it
    const char* name;  // as a form lists it
    long double hetpM;
};

// Every packing of the data file, in its order.
std::span<const Packing> Packings();

// The packing with `key`, or nullptr.
const Packing* FindPacking(std::string_view key);

}  // namespace colmara
