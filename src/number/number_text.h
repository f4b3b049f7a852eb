// Number texts: the fields of output lines, and the readings of numbers
// typed into boxes, stored in files and written by the host.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kaveta {

// "1,234,567" for "1234567": a comma before every third digit from the right.
std::string GroupThousands(const std::string& digits);

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
