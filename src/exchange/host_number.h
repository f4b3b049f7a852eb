// Numbers in host lines, read on the hot path of the exchange reader.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "number/number_text.h"

namespace kaveta {

// A field of at most 15 digits with an optional '-' and point: the digits
// as an integer and 10^decimals are both exact in a double, so their one
// division is the correctly rounded value, the same as from_chars gives.
inline bool PlainDecimal(std::string_view field, double& out) {
  static constexpr double kPow10[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const char* p = field.data();
  const char* const end = p + field.size();
  const bool negative = p < end && *p == '-';
  p += negative;
  std::uint64_t m = 0;
  int digits = 0, decimals = 0;
  bool point = false;
  for (; p < end; ++p) {
    const auto d = static_cast<unsigned>(*p - '0');
    if (d < 10) {
      if (++digits > 15) return false;
      m = m * 10 + d;
      decimals += point;
    } else if (*p == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  if (digits == 0) return false;
  const double v = static_cast<double>(m) / kPow10[decimals];
  out = negative ? -v : v;
  return true;
}

// LenientNumber, with direct paths for the plain decimal fields that make
// up nearly every figure line. A field that from_chars reads whole and
// finite gives the same value both ways; anything else takes the lenient way.
inline double HostNumber(std::string_view field) {
  double v = 0;
  if (PlainDecimal(field, v)) return v;
  const char* end = field.data() + field.size();
  const auto [p, ec] = std::from_chars(field.data(), end, v);
  if (ec == std::errc() && p == end && std::isfinite(v)) return v;
  return LenientNumber(field);
}

}  // namespace kaveta
