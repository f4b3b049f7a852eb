// Conversion between the UTF-8 used inside and the Shift_JIS (code page 932)
// of every file the program reads or writes.
#pragma once

#include <string>
#include <string_view>

namespace kaveta {

// Bytes that are not valid Shift_JIS never stop the conversion: each one
// becomes U+FFFD. Pure ASCII input is returned unchanged without conversion.
std::string Cp932ToUtf8(std::string_view cp932);

// Characters that code page 932 cannot hold become "?", as the Windows
// conversion does with its default character.
std::string Utf8ToCp932(std::string_view utf8);

}  // namespace kaveta
