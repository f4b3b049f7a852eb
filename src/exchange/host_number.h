// Numbers in host lines, read on the hot path of the exchange reader.
#pragma once

#include <charconv>
#include <cmath>
#include <string_view>

#include "settings/format.h"

namespace kaveta {

// LenientNumber, with a direct path for the plain decimal fields that make
// up nearly every figure line. A field that from_chars reads whole and
// finite gives the same value both ways; anything else takes the lenient way.
inline double HostNumber(std::string_view field) {
  double v = 0;
  const char* end = field.data() + field.size();
  const auto [p, ec] = std::from_chars(field.data(), end, v);
  if (ec == std::errc() && p == end && std::isfinite(v)) return v;
  return LenientNumber(field);
}

}  // namespace kaveta
