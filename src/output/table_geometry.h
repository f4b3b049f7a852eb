// Small pieces the area table and the breakdown table share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "output/area_table.h"
#include "settings/format.h"
#include "text/lines.h"

namespace kaveta::table {

inline std::string Repeat(std::string_view piece, long times) {
  std::string out;
  for (long i = 0; i < times; ++i) out += piece;
  return out;
}

// Sizes are worked out in double from their single-precision inputs and
// stored once as single, as the host reads them.
inline float Single(double value) { return static_cast<float>(value); }

inline float ColumnTextWidth(const TableInputs& in, int length) {
  return Single(static_cast<double>(in.cw) * length / 2 +
                static_cast<double>(in.cs) * (length - 1) / 2 + 2.0 * in.gapWidth);
}

inline int DecimalsOf(const Kaveta& k) {
  std::int32_t d = 0;
  return ParseInt32(k.ui.Comboketa.text, d) ? d : 0;
}

inline bool Checked(const Control& c) { return c.value == 1; }

// Right-aligned in a column of `width` characters.
inline std::string RightAligned(const std::string& text, int width) {
  return Repeat(" ", width - static_cast<long>(CharCount(text))) + text;
}

}  // namespace kaveta::table
