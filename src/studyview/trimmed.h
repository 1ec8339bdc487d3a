// The text of a form's field as its number is read: without the blanks and
// tabs typed around it.
#pragma once

#include <string>

namespace colmara {

inline std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace colmara
