#include "spirit/packings.h"

#include "spirit/packingtable.h"

namespace colmara {

std::span<const Packing> Packings() {
    return packing::kPackings;
}

const Packing* FindPacking(std::string_view key) {
    for (const Packing& packing : packing::kPackings)
        if (key == packing.key) return &packing;
    return nullptr;
}

}  // namespace colmara
