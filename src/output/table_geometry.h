// Small pieces the area table and the breakdown table share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "output/area_table.h"
#include "number/number_text.h"
#include "output/draw_items.h"
#include "output/table_snapshot.h"
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

// A ruled-line group's colour, layer and line type, in the order the
// host reads them before the lines.
template <typename Emit>
void EmitRuleAttributes(const RuleGroup& rule, const Emit& emit) {
  for (const std::string* line : {&rule.colour, &rule.layer, &rule.lineType}) emit(LineItem(*line));
}

// Right-aligned in a column of `width` characters.
inline std::string RightAligned(const std::string& text, int width) {
  return Repeat(" ", width - static_cast<long>(CharCount(text))) + text;
}

}  // namespace kaveta::table
