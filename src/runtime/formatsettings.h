// How one number symbol of the user's locale becomes a FormatSettings entry.
#pragma once

#include <string>
#include <string_view>

namespace colmara {

// `symbol` as UTF-8 if it is exactly one character in the locale's
// `codeset`; `fallback` if it is missing, empty, longer, or not readable.
std::string SingleCharacterSymbol(const char* symbol, const char* codeset,
                                  std::string_view fallback);

}  // namespace colmara
