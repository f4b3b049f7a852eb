// Exact division and comparison of decimals, for the ratios of the area
// summary: a quotient a binary division gets a hair wrong would round to
// the wrong side of a boundary (110 / 200 × 100 is 55.00000000000001 in
// binary, which a raise makes 55.01).
#pragma once

#include <optional>

#include "number/rounding.h"

namespace kaveta {

// a / b rounded once to `digits` decimals by the mode (切り上げ away from
// zero, 切り捨て towards zero, 四捨五入 halves away from zero), by long
// division on the digits. Empty when b is zero.
std::optional<Decimal> DivideRounded(const Decimal& a, const Decimal& b, int digits,
                                     RoundingMode mode);

// numerator / denominator × 100 with 2 decimals, rounded once by the mode.
// Empty when the denominator is zero.
std::optional<Decimal> RatioPercent(const Decimal& numerator, const Decimal& denominator,
                                    RoundingMode mode);

// -1, 0 or 1 as a is below, equal to or above b.
int CompareDecimals(const Decimal& a, const Decimal& b);

}  // namespace kaveta
