// Small stateless conversions shared by the reader, the rows and the writers.
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

// Thousands separators and a fixed number of decimals (1 to 4; any other
// count gives none), halves rounded away from zero on the value's
// 15-significant-digit decimal form.
std::string FormatQuantity(double value, int decimals);

// "1,234,567" for "1234567": a comma before every third digit from the right.
std::string GroupThousands(const std::string& digits);

// "0".."9" give 1..10, "a".."f" give 11..16; anything else 0.
int HexDigitSlot(std::string_view digit);

// Number texts of output lines: at most 7 (single) or 15 (double)
// significant digits, "." as decimal mark, no trailing zeros, never "-0",
// exponent form ("1E+07", "1E-05") only outside the plain range.
std::string SingleText(float value);
std::string DoubleText(double value);
void AppendSingle(std::string& out, float value);
void AppendDouble(std::string& out, double value);

// Reads a decimal number the lenient way stored files and host lines need:
// leading blanks skipped, the longest numeric prefix taken, anything else 0.
double LenientNumber(std::string_view text);

// Strict whole-text checks for values that must be numbers.
bool ParseDouble(std::string_view text, double& out);
bool ParseInt32(std::string_view text, std::int32_t& out);

// Value of a quantity text as shown ("1,234.5"); false for "-", "" and other
// text that is not a number.
bool ParseQuantityText(std::string_view text, double& out);

}  // namespace kaveta
