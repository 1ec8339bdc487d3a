// Texts from files and command lines shown in messages: a control character
// (an escape sequence, a carriage return, a zero byte) is written as \xHH, so
// that a message can neither drive the terminal nor hide its own words.
#pragma once

#include <string>
#include <string_view>

namespace colmara {

std::string EscapeControls(std::string_view text);

}  // namespace colmara
