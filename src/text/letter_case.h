// Upper and lower case of the letters Shift_JIS holds: ASCII, full-width
// Latin, Greek and Cyrillic. Every other character stays as it is.
#pragma once

#include <string>
#include <string_view>

namespace kaveta {

std::string ToUpperLetters(std::string_view utf8);
std::string ToLowerLetters(std::string_view utf8);

}  // namespace kaveta
