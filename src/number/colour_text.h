// Colour numbers as texts: the swatches' tips, colour names, and the layer
// digits of rows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kaveta {

// "R:64 G:128 B:255" for 0x00FF8040; channels split by floor division, so
// blue may leave 0..255 for values outside 0..16777215.
std::string RgbText(std::int32_t colour);

// Six upper-case hexadecimal digits, red first ("4080FF" for 0x00FF8040).
std::string HexColourText(std::int32_t colour);

// "#RRGGBB" (short codes padded on the left, long ones keep their last six
// digits) or a signed decimal number. Text that is neither gives 0.
std::int32_t ParseColour(std::string_view text);

// "0".."9" give 1..10, "a".."f" give 11..16; anything else 0.
int HexDigitSlot(std::string_view digit);

}  // namespace kaveta
