#include <string>

#include "runtime/numconv.h"

namespace colmara {

std::string FormatInteger(std::int32_t value) {
    return std::to_string(value);
}

}  // namespace colmara
